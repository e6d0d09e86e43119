// A ButtonEx placed on a form by its layout: the container's side of the
// control. It makes the control's surface where the layout puts it, fills a
// property bag from the layout block (pictures from the program's resources,
// the font group as a font) and lets the control restore itself from it.
#pragma once

#include <functional>
#include <memory>

#include "controls/ButtonEx.h"
#include "toolkit/Control.h"
#include "toolkit/PropertyBag.h"

namespace controls {

// The bag a saved ButtonEx block describes: every key but the container's
// own placement keys, in order.
toolkit::PropertyBag BagFromLayout(const toolkit::LayoutNode& node);

class ButtonExHost final : public toolkit::Control {
 public:
  void Create(toolkit::Form& parent, const toolkit::LayoutNode& node) override;
  win::HWND hWnd() const override;
  // The saved pictures are reloaded as drawn for the new density; every
  // other property keeps its value.
  void Relayout(const toolkit::Form& parent, const toolkit::LayoutNode& node) override;

  ButtonEx& Button() { return *button_; }
  const ButtonEx& Button() const { return *button_; }

  // The control's Click, the one event the window handles.
  std::function<void()> Click;

 private:
  std::unique_ptr<ButtonEx> button_;
};

}  // namespace controls
