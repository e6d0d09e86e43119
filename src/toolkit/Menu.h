// A menu of a form, defined in the form's layout as nested "Begin Menu"
// blocks; shown as a popup menu by a form (Form::PopupMenu).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Layout.h"

namespace toolkit {

struct MenuItem {
  std::string name;
  std::string caption;
  bool checked = false;
  std::function<void()> Click;
};

class Menu {
 public:
  // The menu of that layout block and its items, in order.
  explicit Menu(const LayoutNode& node);

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  std::vector<MenuItem>& Items() { return items_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  // The item of that name; throws std::out_of_range when the menu lacks it.
  MenuItem& Item(const std::string& name);

 private:
  std::string name_;
  std::string caption_;
  std::vector<MenuItem> items_;
};

}  // namespace toolkit
