#include "controls/ButtonExHost.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/UserControlSurface.h"
#include "toolkit/Form.h"
#include "toolkit/Pictures.h"

namespace controls {
namespace {

// Placement, visibility and the accessible name belong to the container's
// site, not to the control's bag. Enabled is the control's own property.
constexpr std::array<std::string_view, 7> kContainerKeys = {
    "Left", "Top", "Width", "Height", "TabIndex", "Visible", "AccessibleName"};

bool IsContainerKey(std::string_view key) {
  return std::any_of(kContainerKeys.begin(), kContainerKeys.end(), [key](std::string_view own) {
    return platform::EqualsIgnoringCase(own, key);
  });
}

platform::FontPtr FontFromGroup(const toolkit::LayoutNode& group) {
  auto font = std::make_shared<platform::Font>();
  font->Name = group.Text("Name", font->Name);
  if (const toolkit::LayoutValue* size = group.Find("Size")) {
    font->Size = std::stod(size->Raw());
  }
  font->Charset = static_cast<int>(group.Integer("Charset", font->Charset));
  font->Weight = static_cast<int>(group.Integer("Weight", font->Weight));
  font->Bold = font->Weight >= 700;
  font->Italic = group.Bool("Italic", false);
  font->Underline = group.Bool("Underline", false);
  font->Strikethrough = group.Bool("Strikethrough", false);
  return font;
}

}  // namespace

toolkit::PropertyBag BagFromLayout(const toolkit::LayoutNode& node) {
  toolkit::PropertyBag bag;
  for (const auto& [key, value] : node.properties) {
    if (IsContainerKey(key)) continue;
    if (const toolkit::LayoutNode* group = node.Group(key)) {
      bag.Set(key, FontFromGroup(*group));
    } else if (auto picture = toolkit::LoadLayoutPicture(value.Raw())) {
      bag.Set(key, std::move(picture));
    } else if (value.IsText()) {
      bag.Set(key, value.AsText());
    } else if (const auto number = value.AsInteger()) {
      bag.Set(key, static_cast<std::int32_t>(*number));
    } else {
      bag.Set(key, value.Raw());
    }
  }
  return bag;
}

void ButtonExHost::Create(toolkit::Form& parent, const toolkit::LayoutNode& node) {
  Remember(node);
  const platform::ChildSpec spec = PlacementOf(parent, node);
  button_ = std::make_unique<ButtonEx>(platform::Use<platform::UserControls>().Create(
      parent.hWnd(), spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height));
  platform::UserControlSurface& surface = button_->Surface();
  surface.SetAmbientUserMode(true);
  surface.SetAmbientDisplayAsDefault(false);
  // The container's saved size replaces the size every new control starts with.
  surface.Move(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height);
  surface.SetVisible(spec.visible);
  // A screen reader names the control by its window's text; the face shows
  // no text of the window's own, so the caption and the pictures stay as saved.
  surface.SetWindowText(node.Text("AccessibleName"));
  button_->ReadProperties(BagFromLayout(node));
  button_->Click = [this] {
    if (Click) Click();
  };
}

void ButtonExHost::Relayout(const toolkit::Form& parent, const toolkit::LayoutNode& node) {
  const platform::ChildSpec spec = PlacementOf(parent, node);
  button_->Surface().Move(spec.rect.left, spec.rect.top, spec.rect.width, spec.rect.height);
  using Setter = void (ButtonEx::*)(platform::PicturePtr);
  static constexpr std::array<std::pair<std::string_view, Setter>, 5> kPictures{{
      {"Picture", &ButtonEx::SetPicture},
      {"PictureOver", &ButtonEx::SetPictureOver},
      {"PictureDown", &ButtonEx::SetPictureDown},
      {"PictureFocus", &ButtonEx::SetPictureFocus},
      {"MouseIcon", &ButtonEx::SetMouseIcon},
  }};
  for (const auto& [key, value] : node.properties) {
    for (const auto& [name, set] : kPictures) {
      if (!platform::EqualsIgnoringCase(key, name)) continue;
      if (auto picture = toolkit::LoadLayoutPicture(value.Raw())) ((*button_).*set)(picture);
    }
  }
}

win::HWND ButtonExHost::hWnd() const { return button_ ? button_->Surface().hwnd() : 0; }

}  // namespace controls
