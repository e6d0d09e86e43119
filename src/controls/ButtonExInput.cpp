// ButtonEx: what pointer, keyboard, focus and drag input do to the face, and
// the events the control raises for them.
#include "controls/ButtonEx.h"
#include "controls/Rounding.h"
#include "platform/Pointer.h"
#include "platform/Screen.h"
#include "platform/Services.h"

namespace controls {
namespace {

constexpr char kMouseEnter[] = "MouseEnter";
constexpr char kMouseExit[] = "MouseExit";

double Argument(const std::vector<double>& arguments, std::size_t index) {
  return index < arguments.size() ? arguments[index] : 0.0;
}

}  // namespace

std::vector<double> ButtonEx::MouseArguments(int button, int shift, float x, float y) const {
  auto& screen = platform::Use<platform::Screen>();
  return {static_cast<double>(button), static_cast<double>(shift),
          static_cast<double>(x) * screen.TwipsPerPixelX(),
          static_cast<double>(y) * screen.TwipsPerPixelY()};
}

// The one path by which the button, key, mouse, hover and Resize events are raised.
void ButtonEx::RaiseByName(std::string_view name, const std::vector<double>& arguments) {
  auto a = [&](std::size_t index) { return Argument(arguments, index); };
  if (name == "Click") {
    if (Click) Click();
  } else if (name == "KeyDown" || name == "KeyUp") {
    const std::int16_t keyCode = ToInteger16(a(0));
    const std::int16_t shift = ToInteger16(a(1));
    const auto& event = name == "KeyDown" ? KeyDown : KeyUp;
    if (event) event(keyCode, shift);
  } else if (name == "KeyPress") {
    const std::int16_t keyAscii = ToInteger16(a(0));
    if (KeyPress) KeyPress(keyAscii);
  } else if (name == "MouseDown" || name == "MouseMove" || name == "MouseUp") {
    const std::int16_t button = ToInteger16(a(0));
    const std::int16_t shift = ToInteger16(a(1));
    const auto& event = name == "MouseDown" ? MouseDown : name == "MouseMove" ? MouseMove : MouseUp;
    if (event) event(button, shift, static_cast<float>(a(2)), static_cast<float>(a(3)));
  } else if (name == kMouseExit) {
    if (lastHoverEvent_ != kMouseExit && MouseExit) MouseExit();
    lastHoverEvent_ = kMouseExit;
  } else if (name == kMouseEnter) {
    if (lastHoverEvent_ != kMouseEnter && MouseEnter) MouseEnter();
    lastHoverEvent_ = kMouseEnter;
  } else if (name == "Resize") {
    if (Resize) Resize();
  }
}

void ButtonEx::OnMouseMove(int button, int shift, float x, float y) {
  if (surface_->AmbientUserMode() && !timer1_.Running()) {
    // The first move only starts the hover tracking; the face waits for the next.
    timer1_.SetEnabled(true);
  } else if (button == 0 && currentState_ != StateOver) {
    DrawButton(StateOver);
  } else if (button == platform::kLeftButton && currentState_ != StateDown) {
    DrawButton(StateDown);
  }
  // Both edges count as inside; outside (a held button) raises nothing.
  const double width = surface_->ScaleWidth(), height = surface_->ScaleHeight();
  if (x >= 0 && x <= width && y >= 0 && y <= height) {
    RaiseByName(kMouseEnter);
    RaiseByName("MouseMove", MouseArguments(button, shift, x, y));
  }
}

void ButtonEx::HoverTick() {
  auto& pointer = platform::Use<platform::Pointer>();
  win::POINT at{0, 0};
  // A pointer that cannot be read is taken at the screen's corner: outside.
  (void)pointer.GetCursorPos(&at);
  (void)pointer.ScreenToClient(surface_->hwnd(), &at);
  const bool outside =
      at.x < 0 || at.y < 0 || at.x > surface_->ScaleWidth() || at.y > surface_->ScaleHeight();
  if (!outside) return;
  timer1_.SetEnabled(false);
  RaiseByName(kMouseExit);
  if (currentState_ != StateUp) DrawButton(StateUp);
}

void ButtonEx::OnMouseDown(int button, int shift, float x, float y) {
  if (button == platform::kLeftButton) {
    // Every left press flips the value, behind the property's back.
    value_ = currentState_ == StateDown ? 1 : 0;
    DrawButton(StateDown);
  }
  RaiseByName("MouseDown", MouseArguments(button, shift, x, y));
}

void ButtonEx::OnMouseUp(int button, int shift, float x, float y) {
  if (button == platform::kLeftButton) DrawButton(StateUp);
  RaiseByName("MouseUp", MouseArguments(button, shift, x, y));
}

void ButtonEx::OnClick() { RaiseByName("Click"); }

void ButtonEx::OnAccessKeyPress(std::int16_t /*keyAscii*/) { RaiseByName("Click"); }

// Key events get copies: a handler's change reaches neither control nor
// platform. Space and Enter press the button as they press a standard push
// button: Space shows the pressed face and clicks on its release, Enter
// clicks at once.
void ButtonEx::OnKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
  const std::int16_t key = keyCode;
  RaiseByName("KeyDown", {static_cast<double>(keyCode), static_cast<double>(shift)});
  if (key == win::VK_ESCAPE) {
    CancelSpacePress();
    return;
  }
  if (!Pressable()) return;
  if (key == win::VK_SPACE && !spaceHeld_) {
    spaceHeld_ = true;
    valueBeforeSpace_ = value_;
    // The value flips as a left press flips it.
    value_ = currentState_ == StateDown ? 1 : 0;
    DrawButton(StateDown);
  } else if (key == win::VK_RETURN && !returnHeld_) {
    returnHeld_ = true;
    RaiseByName("Click");
  }
}

void ButtonEx::OnKeyPress(std::int16_t& keyAscii) {
  RaiseByName("KeyPress", {static_cast<double>(keyAscii)});
}

void ButtonEx::OnKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
  const std::int16_t key = keyCode;
  RaiseByName("KeyUp", {static_cast<double>(keyCode), static_cast<double>(shift)});
  if (key == win::VK_RETURN) returnHeld_ = false;
  if (key != win::VK_SPACE || !spaceHeld_) return;
  if (!Pressable()) {
    CancelSpacePress();
    return;
  }
  spaceHeld_ = false;
  DrawButton(StateUp);
  RaiseByName("Click");
}

void ButtonEx::CancelSpacePress() {
  if (!spaceHeld_) return;
  spaceHeld_ = false;
  value_ = valueBeforeSpace_;
  DrawButton(StateUp);
}

void ButtonEx::OnGotFocus() {
  focusCue_ = true;
  hasFocus_ = true;
  DrawButton(currentState_);
}

void ButtonEx::OnLostFocus() {
  focusCue_ = false;
  hasFocus_ = false;
  returnHeld_ = false;
  if (spaceHeld_) {
    CancelSpacePress();  // redraws
    return;
  }
  DrawButton(currentState_);
}

void ButtonEx::OnFocusCuesChanged() {
  if (hasFocus_) DrawButton(currentState_);
}

std::optional<platform::AccessibleFacts> ButtonEx::OnAccessibleQuery() {
  platform::AccessibleFacts facts;
  facts.role = win::ROLE_SYSTEM_PUSHBUTTON;
  // The name the container gave the site, else the caption as it reads.
  facts.name = surface_->WindowText();
  if (facts.name.empty()) {
    for (std::size_t at = 0; at < caption_.size(); ++at) {
      if (caption_[at] == '&' && at + 1 < caption_.size()) ++at;
      facts.name += caption_[at];
    }
  }
  facts.defaultAction = "Press";
  if (!enabled_) facts.state |= win::STATE_SYSTEM_UNAVAILABLE;
  if (!surface_->Visible()) facts.state |= win::STATE_SYSTEM_INVISIBLE;
  if (Pressable()) facts.state |= win::STATE_SYSTEM_FOCUSABLE;
  if (hasFocus_) facts.state |= win::STATE_SYSTEM_FOCUSED;
  if (currentState_ == StateDown) facts.state |= win::STATE_SYSTEM_PRESSED;
  return facts;
}

// A left click at the control's corner, as the platform clicks a standard
// button for assistive technology: press, release, Click.
void ButtonEx::OnAccessibleDefaultAction() {
  if (!Pressable()) return;
  OnMouseDown(platform::kLeftButton, 0, 0, 0);
  OnMouseUp(platform::kLeftButton, 0, 0, 0);
  OnClick();
}

void ButtonEx::OnAmbientChanged(const std::string& propertyName) {
  if (propertyName != "DisplayAsDefault") return;
  focusCue_ = surface_->AmbientDisplayAsDefault();
  DrawButton(currentState_);
}

void ButtonEx::OnResize() {
  DrawButton(StateUp);
  RaiseByName("Resize");
}

// The drag-and-drop events hand on the platform's own arguments.
void ButtonEx::OnOLECompleteDrag(std::int32_t& effect) {
  if (OLECompleteDrag) OLECompleteDrag(effect);
}

void ButtonEx::OnOLEDragDrop(platform::DataObject& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y) {
  if (OLEDragDrop) OLEDragDrop(data, effect, button, shift, x, y);
}

void ButtonEx::OnOLEDragOver(platform::DataObject& data, std::int32_t& effect, std::int16_t& button,
                             std::int16_t& shift, float& x, float& y, std::int16_t& state) {
  if (OLEDragOver) OLEDragOver(data, effect, button, shift, x, y, state);
  // The state as the handlers left it.
  if (state == platform::kDragEnter) {
    DrawButton(StateOver);
  } else if (state == platform::kDragLeave) {
    DrawButton(StateUp);
  }
}

void ButtonEx::OnOLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) {
  if (OLEGiveFeedback) OLEGiveFeedback(effect, defaultCursors);
}

void ButtonEx::OnOLESetData(platform::DataObject& data, std::int16_t& dataFormat) {
  if (OLESetData) OLESetData(data, dataFormat);
}

void ButtonEx::OnOLEStartDrag(platform::DataObject& data, std::int32_t& allowedEffects) {
  if (OLEStartDrag) OLEStartDrag(data, allowedEffects);
}

}  // namespace controls
