#include "toolkit/Menu.h"

#include <stdexcept>

namespace toolkit {

Menu::Menu(const LayoutNode& node) : name_(node.name), caption_(node.Text("Caption")) {
  for (const LayoutNode& child : node.children) {
    if (child.kind == "Menu") items_.push_back({child.name, child.Text("Caption"), false, nullptr});
  }
}

MenuItem& Menu::Item(const std::string& name) {
  for (MenuItem& item : items_) {
    if (item.name == name) return item;
  }
  throw std::out_of_range("menu " + name_ + " has no item " + name);
}

}  // namespace toolkit
