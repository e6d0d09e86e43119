// What the toolkit's child controls share: a window created from the form's
// layout, placed in twips, and the notifications its parent routes to it.
#pragma once

#include <string>

#include "platform/Picture.h"
#include "platform/Windowing.h"
#include "toolkit/Layout.h"

namespace toolkit {

class Form;

class Control {
 public:
  virtual ~Control() = default;

  // Makes the control's window on the form, as its layout block describes.
  virtual void Create(Form& parent, const LayoutNode& node) = 0;
  virtual win::HWND hWnd() const = 0;
  // Places the control again for the screen's density as it is now, and
  // takes the pictures drawn for it: the window moved to a monitor of
  // another density.
  virtual void Relayout(const Form& parent, const LayoutNode& node) = 0;

  // Notifications from the control's window, routed here by the parent form.
  virtual void OnCommand(win::WORD /*code*/) {}
  virtual void OnScroll(win::WORD /*code*/) {}

  const std::string& Name() const { return name_; }

  // The layout's twips as pixels of the form's client area.
  static platform::ChildSpec PlacementOf(const Form& parent, const LayoutNode& node);

 protected:
  static platform::ChildSpec SpecFrom(const Form& parent, const LayoutNode& node) {
    return PlacementOf(parent, node);
  }
  // The custom pointer of a layout block (MousePointer 99 with MouseIcon
  // res:NAME) at the screen's density, or null for the window's usual one.
  static platform::PicturePtr CustomPointer(const LayoutNode& node);
  void Remember(const LayoutNode& node) { name_ = node.name; }

 private:
  std::string name_;
};

}  // namespace toolkit
