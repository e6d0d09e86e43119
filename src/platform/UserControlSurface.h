// The site of a user control: a child window of its container with a
// persistent drawing surface (what is drawn on its DC stays until cleared and
// is shown again after the window was covered), colours, a font, a background
// picture, a mask picture that cuts pixels of the mask colour out of the
// control, access keys, a mouse pointer, ambient values from the container,
// and the input notifications it delivers to the control it holds.
//
// Units: the surface's own coordinates (drawing, mouse positions, scale size)
// are pixels; Width and Height are twips, as a container sees them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/DataObject.h"
#include "platform/Font.h"
#include "platform/Gdi.h"
#include "platform/Picture.h"

namespace win {

// Keys the control acts on itself.
constexpr std::int16_t VK_RETURN = 0x0D;
constexpr std::int16_t VK_ESCAPE = 0x1B;
constexpr std::int16_t VK_SPACE = 0x20;

// What assistive technology is told (MSAA): a push button's role and the states it reports.
constexpr std::int32_t ROLE_SYSTEM_PUSHBUTTON = 0x2B;
constexpr std::uint32_t STATE_SYSTEM_UNAVAILABLE = 0x1;
constexpr std::uint32_t STATE_SYSTEM_FOCUSED = 0x4;
constexpr std::uint32_t STATE_SYSTEM_PRESSED = 0x8;
constexpr std::uint32_t STATE_SYSTEM_INVISIBLE = 0x8000;
constexpr std::uint32_t STATE_SYSTEM_FOCUSABLE = 0x100000;

}  // namespace win

namespace platform {

// What a control tells assistive technology of itself.
struct AccessibleFacts {
  std::int32_t role = 0;
  std::uint32_t state = 0;
  std::string name;
  std::string defaultAction;
  bool operator==(const AccessibleFacts&) const = default;
};

// Assistive technology may do the default action of a control it can use.
inline bool AcceptsDefaultAction(const AccessibleFacts& facts) {
  return !facts.defaultAction.empty() &&
         (facts.state & (win::STATE_SYSTEM_UNAVAILABLE | win::STATE_SYSTEM_INVISIBLE)) == 0;
}

// Button masks and shift masks of the mouse and key notifications.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Background styles.
constexpr int kBackStyleTransparent = 0;
constexpr int kBackStyleOpaque = 1;

// Mouse pointers (the toolkit's numbers); 99 shows the mouse icon.
constexpr int kPointerDefault = 0;
constexpr int kPointerCustom = 99;

// OLE drag-over states.
constexpr std::int16_t kDragEnter = 0;
constexpr std::int16_t kDragLeave = 1;
constexpr std::int16_t kDragOver = 2;

// What the surface tells the control it holds. Arguments passed by reference
// are the platform's own: a change made here reaches the platform.
class UserControlEvents {
 public:
  virtual ~UserControlEvents() = default;
  // button: in a down or up the button that changed, in a move the buttons held.
  virtual void OnMouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void OnMouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void OnMouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
  virtual void OnClick() {}
  virtual void OnKeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void OnKeyPress(std::int16_t& /*keyAscii*/) {}
  virtual void OnKeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
  virtual void OnGotFocus() {}
  virtual void OnLostFocus() {}
  virtual void OnAccessKeyPress(std::int16_t /*keyAscii*/) {}
  virtual void OnResize() {}
  virtual void OnAmbientChanged(const std::string& /*propertyName*/) {}
  // The window began or stopped showing keyboard cues (FocusCuesShown).
  virtual void OnFocusCuesChanged() {}
  // Assistive technology asks what the control is; nothing leaves it the
  // platform's plain window object.
  virtual std::optional<AccessibleFacts> OnAccessibleQuery() { return std::nullopt; }
  // Assistive technology does the control's default action.
  virtual void OnAccessibleDefaultAction() {}
  virtual void OnOLECompleteDrag(std::int32_t& /*effect*/) {}
  virtual void OnOLEDragDrop(DataObject& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                             float& /*y*/) {}
  virtual void OnOLEDragOver(DataObject& /*data*/, std::int32_t& /*effect*/,
                             std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                             float& /*y*/, std::int16_t& /*state*/) {}
  virtual void OnOLEGiveFeedback(std::int32_t& /*effect*/, bool& /*defaultCursors*/) {}
  virtual void OnOLESetData(DataObject& /*data*/, std::int16_t& /*dataFormat*/) {}
  virtual void OnOLEStartDrag(DataObject& /*data*/, std::int32_t& /*allowedEffects*/) {}
};

class UserControlSurface {
 public:
  virtual ~UserControlSurface() = default;

  // The control that receives the notifications (null: nobody).
  virtual void SetEvents(UserControlEvents* events) = 0;

  [[nodiscard]] virtual win::HDC hdc() const = 0;
  [[nodiscard]] virtual win::HWND hwnd() const = 0;

  // Appearance. Colours are colour references; system colours are resolved
  // when drawn. Setting the background colour clears the surface to it.
  [[nodiscard]] virtual win::COLORREF BackColor() const = 0;
  virtual void SetBackColor(win::COLORREF color) = 0;
  [[nodiscard]] virtual win::COLORREF ForeColor() const = 0;
  virtual void SetForeColor(win::COLORREF color) = 0;
  [[nodiscard]] virtual FontPtr Font() const = 0;
  virtual void SetFont(FontPtr font) = 0;
  // The background picture, drawn at the top-left corner under everything
  // else; setting it clears what was drawn.
  [[nodiscard]] virtual PicturePtr Picture() const = 0;
  virtual void SetPicture(PicturePtr picture) = 0;
  // With the transparent background style, the pixels of the mask picture
  // that have the mask colour (and everything outside the mask picture) are
  // cut out of the control: neither drawn nor hit by the pointer.
  [[nodiscard]] virtual PicturePtr MaskPicture() const = 0;
  virtual void SetMaskPicture(PicturePtr picture) = 0;
  [[nodiscard]] virtual win::COLORREF MaskColor() const = 0;
  virtual void SetMaskColor(win::COLORREF color) = 0;
  [[nodiscard]] virtual int BackStyle() const = 0;
  virtual void SetBackStyle(int style) = 0;

  // Drawing: clear to the background (colour, then picture), lines in the
  // foreground colour (the last point left out), text measures in pixels.
  virtual void Cls() = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  [[nodiscard]] virtual int TextWidth(const std::string& text) = 0;
  [[nodiscard]] virtual int TextHeight(const std::string& text) = 0;
  // Repaints the window from the persistent image now.
  virtual void Refresh() = 0;

  // Behaviour.
  [[nodiscard]] virtual std::string AccessKeys() const = 0;
  virtual void SetAccessKeys(const std::string& keys) = 0;
  [[nodiscard]] virtual std::int16_t MousePointer() const = 0;
  virtual void SetMousePointer(std::int16_t pointer) = 0;
  [[nodiscard]] virtual PicturePtr MouseIcon() const = 0;
  virtual void SetMouseIcon(PicturePtr icon) = 0;
  // A disabled surface receives no input.
  [[nodiscard]] virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  [[nodiscard]] virtual bool RightToLeft() const = 0;
  virtual void SetRightToLeft(bool rightToLeft) = 0;
  // 0 none, 1 manual: with 1 the surface is a drop target and delivers the
  // drag-over and drop notifications.
  [[nodiscard]] virtual int OLEDropMode() const = 0;
  virtual void SetOLEDropMode(int mode) = 0;

  // Geometry. A change of size is notified (OnResize) before the setter returns.
  [[nodiscard]] virtual double Width() const = 0;
  [[nodiscard]] virtual double Height() const = 0;
  virtual void SetWidth(double twips) = 0;
  virtual void SetHeight(double twips) = 0;
  [[nodiscard]] virtual int ScaleWidth() const = 0;
  [[nodiscard]] virtual int ScaleHeight() const = 0;
  // The site window as the container sees it: shown or hidden (a hidden
  // surface receives no input), and its text, which nothing draws (the control
  // paints its own face) but which names the control to assistive technology.
  [[nodiscard]] virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  [[nodiscard]] virtual std::string WindowText() const = 0;
  virtual void SetWindowText(const std::string& text) = 0;
  // Whether the window shows keyboard cues: focus rectangles are hidden until
  // the keyboard is used in it, as after a mouse click (UISF_HIDEFOCUS).
  // A change is notified (OnFocusCuesChanged).
  [[nodiscard]] virtual bool FocusCuesShown() const = 0;
  // Position and size in pixels of the container's client area.
  [[nodiscard]] virtual int Left() const = 0;
  [[nodiscard]] virtual int Top() const = 0;
  virtual void Move(int left, int top, int width, int height) = 0;

  // Ambient values: the container sets them, the control reads them. A
  // change of the display-as-default flag is notified as "DisplayAsDefault".
  [[nodiscard]] virtual FontPtr AmbientFont() const = 0;
  virtual void SetAmbientFont(FontPtr font) = 0;
  [[nodiscard]] virtual bool AmbientUserMode() const = 0;
  virtual void SetAmbientUserMode(bool userMode) = 0;
  [[nodiscard]] virtual bool AmbientDisplayAsDefault() const = 0;
  virtual void SetAmbientDisplayAsDefault(bool displayAsDefault) = 0;

  // Starts an OLE drag from the surface: OnOLEStartDrag fills the data and the
  // allowed effects, the platform runs the drag, OnOLECompleteDrag ends it.
  virtual void OLEDrag() = 0;
};

// Makes user-control sites: a child window of parent at (left, top), of the
// given size in pixels, visible and enabled, at run time (user mode).
class UserControls {
 public:
  virtual ~UserControls() = default;
  [[nodiscard]] virtual std::unique_ptr<UserControlSurface> Create(win::HWND parent, int left,
                                                                   int top, int width,
                                                                   int height) = 0;
};

}  // namespace platform
