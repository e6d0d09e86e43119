#include "toolkit/Control.h"

#include "platform/Screen.h"
#include "platform/Services.h"
#include "toolkit/Form.h"
#include "toolkit/Pictures.h"
#include "toolkit/Twips.h"

namespace toolkit {

platform::ChildSpec Control::PlacementOf(const Form& parent, const LayoutNode& node) {
  auto& screen = platform::Use<platform::Screen>();
  platform::ChildSpec spec;
  spec.parent = parent.hWnd();
  spec.rect.left = TwipsToPixels(node.Integer("Left", 0), screen.DpiX());
  spec.rect.top = TwipsToPixels(node.Integer("Top", 0), screen.DpiY());
  spec.rect.width = TwipsToPixels(node.Integer("Width", 0), screen.DpiX());
  spec.rect.height = TwipsToPixels(node.Integer("Height", 0), screen.DpiY());
  spec.text = node.Text("Caption");
  spec.visible = node.Bool("Visible", true);
  spec.enabled = node.Bool("Enabled", true);
  return spec;
}

platform::PicturePtr Control::CustomPointer(const LayoutNode& node) {
  constexpr std::int64_t kCustomPointer = 99;
  if (node.Integer("MousePointer", 0) != kCustomPointer) return nullptr;
  return LoadLayoutPicture(node.Text("MouseIcon"));
}

}  // namespace toolkit
