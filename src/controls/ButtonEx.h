// ButtonEx: the self-drawing button of the program's windows. It draws its
// face from pictures, skins, edges and a caption on its user-control site,
// tracks the pointer with a hover timer and raises button events.
//
// The container creates the site, hands it over, sizes and places it, then
// either calls InitProperties (a new instance) or ReadProperties (a saved
// one), and hooks the events it wants.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/UserControlSurface.h"
#include "toolkit/PictureBox.h"
#include "toolkit/PropertyBag.h"
#include "toolkit/Timer.h"

namespace controls {

class ButtonEx final : private platform::UserControlEvents {
 public:
  // Face states; Value passes its number on as a state.
  static constexpr std::int32_t StateDown = 0;
  static constexpr std::int32_t StateUp = 1;
  static constexpr std::int32_t StateOver = 2;
  static constexpr std::int32_t StateDisabled = 3;
  static constexpr std::int32_t StateFocus = 4;

  explicit ButtonEx(std::unique_ptr<platform::UserControlSurface> surface);
  ~ButtonEx() override;
  ButtonEx(const ButtonEx&) = delete;
  ButtonEx& operator=(const ButtonEx&) = delete;

  // The site, for the container: position, size, ambient values.
  platform::UserControlSurface& Surface() { return *surface_; }

  // Every property through its setter, with the values of a new instance.
  void InitProperties();
  // Every property from the bag (default where a key is missing), in the same
  // order. A failing read or setter ends loading and is passed on.
  void ReadProperties(const toolkit::PropertyBag& bag);
  // The keys whose values differ from their defaults.
  void WriteProperties(toolkit::PropertyBag& bag) const;

  // --- properties; every setter stores first, then applies, redraws, notifies ---
  bool AllowDefault() const { return allowDefault_; }
  void SetAllowDefault(bool value);
  bool AllowFocus() const { return allowFocus_; }
  void SetAllowFocus(bool value);
  std::int32_t Appearance() const { return appearance_; }  // 0 flat, 1 3-D, 2 skinned
  void SetAppearance(std::int32_t value);
  win::COLORREF BackColor() const { return backColor_; }
  void SetBackColor(win::COLORREF value);
  std::int32_t BorderStyle() const { return borderStyle_; }  // edge styles 0 to 4
  void SetBorderStyle(std::int32_t value);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  std::int32_t CaptionOffsetX() const { return captionOffsetX_; }
  void SetCaptionOffsetX(std::int32_t value);
  std::int32_t CaptionOffsetY() const { return captionOffsetY_; }
  void SetCaptionOffsetY(std::int32_t value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  win::COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(win::COLORREF value);
  // The object itself, shared with whoever set it.
  platform::FontPtr Font() const { return font_; }
  void SetFont(platform::FontPtr value);
  win::COLORREF HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(win::COLORREF value);
  bool HighlightPicture() const { return highlightPicture_; }
  void SetHighlightPicture(bool value);
  win::HDC hdc() const { return surface_->hdc(); }
  win::HWND hwnd() const { return surface_->hwnd(); }
  platform::PicturePtr MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(platform::PicturePtr value);
  std::int32_t MousePointer() const { return mousePointer_; }
  // Fails with std::overflow_error, after storing, for a value outside 16 bits.
  void SetMousePointer(std::int32_t value);
  std::int32_t OLEDropMode() const { return oleDropMode_; }
  void SetOLEDropMode(std::int32_t value);
  platform::PicturePtr Picture() const { return picture_; }
  void SetPicture(platform::PicturePtr value);
  platform::PicturePtr PictureDisabled() const { return pictureDisabled_; }
  void SetPictureDisabled(platform::PicturePtr value);
  platform::PicturePtr PictureDown() const { return pictureDown_; }
  void SetPictureDown(platform::PicturePtr value);
  platform::PicturePtr PictureFocus() const { return pictureFocus_; }
  void SetPictureFocus(platform::PicturePtr value);
  std::int32_t PictureOffsetX() const { return pictureOffsetX_; }
  void SetPictureOffsetX(std::int32_t value);
  std::int32_t PictureOffsetY() const { return pictureOffsetY_; }
  void SetPictureOffsetY(std::int32_t value);
  platform::PicturePtr PictureOver() const { return pictureOver_; }
  void SetPictureOver(platform::PicturePtr value);
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool value);
  platform::PicturePtr SkinDisabled() const { return skinDisabled_; }
  void SetSkinDisabled(platform::PicturePtr value);
  platform::PicturePtr SkinDown() const { return skinDown_; }
  void SetSkinDown(platform::PicturePtr value);
  platform::PicturePtr SkinFocus() const { return skinFocus_; }
  void SetSkinFocus(platform::PicturePtr value);
  platform::PicturePtr SkinOver() const { return skinOver_; }
  void SetSkinOver(platform::PicturePtr value);
  platform::PicturePtr SkinUp() const { return skinUp_; }
  void SetSkinUp(platform::PicturePtr value);
  std::int32_t style() const { return style_; }  // 0 push button, 1 toggle button
  void SetStyle(std::int32_t value);
  const std::string& ToolTipText() const { return toolTipText_; }
  void SetToolTipText(const std::string& value);
  win::COLORREF TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(win::COLORREF value);
  std::int32_t Value() const { return value_; }
  void SetValue(std::int32_t value);
  std::int32_t WhatsThisHelpID() const { return whatsThisHelpId_; }
  void SetWhatsThisHelpID(std::int32_t value);

  // --- methods ---
  void ClearHighlight();
  // The dotted focus rectangle around the whole control; a second call removes it.
  void DrawHighlight();
  void Refresh();
  void OLEDrag();

  // --- run-time state ---
  std::int32_t CurrentState() const { return currentState_; }
  bool FocusCue() const { return focusCue_; }
  const std::string& LastHoverEvent() const { return lastHoverEvent_; }
  bool HoverTimerRunning() const { return timer1_.Running(); }

  // --- events; X and Y in twips from the control's top-left corner ---
  std::function<void()> Click;
  std::function<void(std::int16_t KeyCode, std::int16_t Shift)> KeyDown;
  std::function<void(std::int16_t KeyAscii)> KeyPress;
  std::function<void(std::int16_t KeyCode, std::int16_t Shift)> KeyUp;
  std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)> MouseDown;
  std::function<void()> MouseEnter;
  std::function<void()> MouseExit;
  std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)> MouseMove;
  std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)> MouseUp;
  std::function<void()> Resize;
  // The drag-and-drop events pass the platform's own arguments.
  std::function<void(std::int32_t& Effect)> OLECompleteDrag;
  std::function<void(platform::DataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                     std::int16_t& Shift, float& X, float& Y)>
      OLEDragDrop;
  std::function<void(platform::DataObject& Data, std::int32_t& Effect, std::int16_t& Button,
                     std::int16_t& Shift, float& X, float& Y, std::int16_t& State)>
      OLEDragOver;
  std::function<void(std::int32_t& Effect, bool& DefaultCursors)> OLEGiveFeedback;
  std::function<void(platform::DataObject& Data, std::int16_t& DataFormat)> OLESetData;
  std::function<void(platform::DataObject& Data, std::int32_t& AllowedEffects)> OLEStartDrag;

  // The container hears of each property change under the property's bag key.
  std::function<void(const std::string& key)> PropertyChanged;

 private:
  struct Property;
  static const std::vector<Property>& Properties();
  // The property of that bag key; a key the table lacks is a fault of the
  // control itself (std::logic_error).
  static const Property& PropertyOf(std::string_view key);
  toolkit::PropertyValue DefaultOf(const Property& property) const;
  void Assign(const Property& property, const toolkit::PropertyValue& value);
  void Assign(std::string_view key, const toolkit::PropertyValue& value);

  // Rendering (ButtonExRendering.cpp).
  void DrawButton(std::int32_t state);
  // focusRect false leaves the focus rectangle to the keyboard cue.
  void DrawStandardFace(std::int32_t state, bool cue, bool focusRect = true);
  void DrawSkinFace(std::int32_t state, bool cue);
  void DrawPicture(std::int32_t state);
  void DrawCaption(std::int32_t state);
  // The keyboard focus shown over the picture and caption.
  void DrawKeyboardCue();

  // Input (ButtonExInput.cpp).
  void OnMouseDown(int button, int shift, float x, float y) override;
  void OnMouseMove(int button, int shift, float x, float y) override;
  void OnMouseUp(int button, int shift, float x, float y) override;
  void OnClick() override;
  void OnKeyDown(std::int16_t& keyCode, std::int16_t& shift) override;
  void OnKeyPress(std::int16_t& keyAscii) override;
  void OnKeyUp(std::int16_t& keyCode, std::int16_t& shift) override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnAccessKeyPress(std::int16_t keyAscii) override;
  void OnResize() override;
  void OnAmbientChanged(const std::string& propertyName) override;
  void OnFocusCuesChanged() override;
  std::optional<platform::AccessibleFacts> OnAccessibleQuery() override;
  void OnAccessibleDefaultAction() override;
  void OnOLECompleteDrag(std::int32_t& effect) override;
  void OnOLEDragDrop(platform::DataObject& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y) override;
  void OnOLEDragOver(platform::DataObject& data, std::int32_t& effect, std::int16_t& button,
                     std::int16_t& shift, float& x, float& y, std::int16_t& state) override;
  void OnOLEGiveFeedback(std::int32_t& effect, bool& defaultCursors) override;
  void OnOLESetData(platform::DataObject& data, std::int16_t& dataFormat) override;
  void OnOLEStartDrag(platform::DataObject& data, std::int32_t& allowedEffects) override;
  void HoverTick();
  // Keys press only a button the user can see and use.
  bool Pressable() const { return enabled_ && surface_->Visible(); }
  // Ends a Space press without a Click: the value and face as before it.
  void CancelSpacePress();
  void RaiseByName(std::string_view name, const std::vector<double>& arguments = {});
  // Mouse arguments for the events: the position in twips.
  std::vector<double> MouseArguments(int button, int shift, float x, float y) const;

  void Redraw() { DrawButton(currentState_); }
  // Draws the face a loading left pending, if any, and stops deferring.
  void DrawDeferredFace();

  std::unique_ptr<platform::UserControlSurface> surface_;
  // The hidden inner controls of the control's own design. The two scratch
  // surfaces serve only a highlighted picture: their images are made when
  // one is first drawn.
  toolkit::PictureBox pictTempHighlight_{121, 16, 81, 33, false};
  toolkit::PictureBox pictTempDestination_{121, 64, 81, 33, false};
  toolkit::PictureBox imgPicture_{16, 48, 81, 33};
  toolkit::Timer timer1_;

  // Fields start zero, empty or false until properties are applied.
  bool allowDefault_ = false;
  bool allowFocus_ = false;
  std::int32_t appearance_ = 0;
  win::COLORREF backColor_ = 0;
  std::int32_t borderStyle_ = 0;
  std::string caption_;
  std::int32_t captionOffsetX_ = 0;
  std::int32_t captionOffsetY_ = 0;
  bool enabled_ = false;
  win::COLORREF foreColor_ = 0;
  platform::FontPtr font_;
  win::COLORREF highlightColor_ = 0;
  bool highlightPicture_ = false;
  platform::PicturePtr mouseIcon_;
  std::int32_t mousePointer_ = 0;
  std::int32_t oleDropMode_ = 0;
  platform::PicturePtr picture_;
  platform::PicturePtr pictureDisabled_;
  platform::PicturePtr pictureDown_;
  platform::PicturePtr pictureFocus_;
  std::int32_t pictureOffsetX_ = 0;
  std::int32_t pictureOffsetY_ = 0;
  platform::PicturePtr pictureOver_;
  bool rightToLeft_ = false;
  platform::PicturePtr skinDisabled_;
  platform::PicturePtr skinDown_;
  platform::PicturePtr skinFocus_;
  platform::PicturePtr skinOver_;
  platform::PicturePtr skinUp_;
  std::int32_t style_ = 0;
  std::string toolTipText_;
  win::COLORREF transparentColor_ = 0;
  std::int32_t value_ = 0;
  std::int32_t whatsThisHelpId_ = 0;

  std::int32_t currentState_ = 0;
  bool focusCue_ = false;
  std::string lastHoverEvent_;
  // The keyboard focus itself (FocusCue also follows display-as-default).
  bool hasFocus_ = false;
  // A Space press under way, and the value it found; Enter held down. Key
  // repeats while held press nothing more.
  bool spaceHeld_ = false;
  std::int32_t valueBeforeSpace_ = 0;
  bool returnHeld_ = false;

  // While saved properties are read, each setter's drawing only works out the
  // state it leaves and the face is drawn once, at the end: every drawing
  // clears the surface and draws the whole face, so only the last one shows.
  // A skin may resize the control, which redraws within the drawing, so from
  // the first skinned face on the drawings are made as they come.
  bool deferDrawing_ = false;
  std::optional<std::int32_t> deferredState_;
};

}  // namespace controls
