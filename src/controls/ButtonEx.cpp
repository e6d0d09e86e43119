// ButtonEx: creation, properties, methods and persistence.
#include "controls/ButtonEx.h"

#include <utility>

#include "controls/Rounding.h"
#include "platform/Services.h"

namespace controls {
namespace {

constexpr bool kAllowDefault = true;
constexpr bool kAllowFocus = true;
constexpr std::int32_t kAppearance = 1;
constexpr win::COLORREF kBackColor = 0x8000000F;
constexpr std::int32_t kBorderStyle = 1;
constexpr char kCaption[] = "ButtonEx1";
constexpr win::COLORREF kForeColor = 0x80000012;
constexpr win::COLORREF kHighlightColor = 0x80000012;
constexpr win::COLORREF kTransparentColor = 0xFF0000;
constexpr std::int32_t kValue = 1;

// The size of a fresh instance, in twips.
constexpr double kCreationWidth = 1200;
constexpr double kCreationHeight = 360;

std::int32_t AsInteger(win::COLORREF color) { return static_cast<std::int32_t>(color); }
win::COLORREF AsColor(std::int32_t value) { return static_cast<win::COLORREF>(value); }

}  // namespace

ButtonEx::ButtonEx(std::unique_ptr<platform::UserControlSurface> surface)
    : surface_(std::move(surface)) {
  timer1_.SetInterval(1);
  timer1_.OnTimer = [this] { HoverTick(); };
  surface_->SetEvents(this);
  surface_->SetWidth(kCreationWidth);
  surface_->SetHeight(kCreationHeight);
}

ButtonEx::~ButtonEx() { surface_->SetEvents(nullptr); }

// --- properties ---

void ButtonEx::SetAllowDefault(bool value) {
  allowDefault_ = value;
  Redraw();
  Notify("AllowDefault");
}

void ButtonEx::SetAllowFocus(bool value) {
  allowFocus_ = value;
  Redraw();
  Notify("AllowFocus");
}

void ButtonEx::SetAppearance(std::int32_t value) {
  appearance_ = value;
  Redraw();
  Notify("Appearance");
}

void ButtonEx::SetBackColor(win::COLORREF value) {
  backColor_ = value;
  surface_->SetBackColor(value);
  // The holder's colour shows where the state picture itself is transparent.
  imgPicture_.SetBackColor(value);
  Redraw();
  Notify("BackColor");
}

void ButtonEx::SetBorderStyle(std::int32_t value) {
  borderStyle_ = value;
  Redraw();
  Notify("BorderStyle");
}

void ButtonEx::SetCaption(const std::string& value) {
  caption_ = value;
  // The first single "&" names the access key; "&&" shows an ampersand.
  std::size_t at = caption_.find('&');
  while (at != std::string::npos) {
    if (at + 1 >= caption_.size() || caption_[at + 1] != '&') {
      surface_->SetAccessKeys(caption_.substr(at + 1, 1));
      break;
    }
    at = caption_.find('&', at + 2);
  }
  Redraw();
  Notify("Caption");
}

void ButtonEx::SetCaptionOffsetX(std::int32_t value) {
  captionOffsetX_ = value;
  Redraw();
  Notify("CaptionOffsetX");
}

void ButtonEx::SetCaptionOffsetY(std::int32_t value) {
  captionOffsetY_ = value;
  Redraw();
  Notify("CaptionOffsetY");
}

void ButtonEx::SetEnabled(bool value) {
  enabled_ = value;
  surface_->SetEnabled(value);
  if (value) currentState_ = StateUp;
  Redraw();
  Notify("Enabled");
}

void ButtonEx::SetForeColor(win::COLORREF value) {
  foreColor_ = value;
  surface_->SetForeColor(value);
  Redraw();
  Notify("ForeColor");
}

void ButtonEx::SetFont(platform::FontPtr value) {
  font_ = std::move(value);
  surface_->SetFont(font_);
  Redraw();
  Notify("Font");
}

void ButtonEx::SetHighlightColor(win::COLORREF value) {
  highlightColor_ = value;
  Redraw();
  Notify("HighlightColor");
}

void ButtonEx::SetHighlightPicture(bool value) {
  highlightPicture_ = value;
  DrawButton(StateDisabled);
  Notify("HighlightPicture");
}

void ButtonEx::SetMouseIcon(platform::PicturePtr value) {
  mouseIcon_ = std::move(value);
  surface_->SetMouseIcon(mouseIcon_);
  Notify("MouseIcon");
}

void ButtonEx::SetMousePointer(std::int32_t value) {
  mousePointer_ = value;
  surface_->SetMousePointer(ToInteger16(value));
  Notify("MousePointer");
}

void ButtonEx::SetOLEDropMode(std::int32_t value) {
  // Kept and saved only: the site's own drop mode stays as designed.
  oleDropMode_ = value;
  Notify("OLEDropMode");
}

void ButtonEx::SetPicture(platform::PicturePtr value) {
  picture_ = std::move(value);
  imgPicture_.SetPicture(picture_);
  Redraw();
  Notify("Picture");
}

// The state pictures show from the next state change on.
void ButtonEx::SetPictureDisabled(platform::PicturePtr value) {
  pictureDisabled_ = std::move(value);
  Notify("PictureDisabled");
}

void ButtonEx::SetPictureDown(platform::PicturePtr value) {
  pictureDown_ = std::move(value);
  Notify("PictureDown");
}

void ButtonEx::SetPictureFocus(platform::PicturePtr value) {
  pictureFocus_ = std::move(value);
  Notify("PictureFocus");
}

void ButtonEx::SetPictureOffsetX(std::int32_t value) {
  pictureOffsetX_ = value;
  Redraw();
  Notify("PictureOffsetX");
}

void ButtonEx::SetPictureOffsetY(std::int32_t value) {
  pictureOffsetY_ = value;
  Redraw();
  Notify("PictureOffsetY");
}

void ButtonEx::SetPictureOver(platform::PicturePtr value) {
  pictureOver_ = std::move(value);
  Notify("PictureOver");
}

void ButtonEx::SetRightToLeft(bool value) {
  rightToLeft_ = value;
  surface_->SetRightToLeft(value);
  Redraw();
  Notify("RightToLeft");
}

void ButtonEx::SetSkinDisabled(platform::PicturePtr value) {
  skinDisabled_ = std::move(value);
  Redraw();
  Notify("SkinDisabled");
}

void ButtonEx::SetSkinDown(platform::PicturePtr value) {
  skinDown_ = std::move(value);
  Redraw();
  Notify("SkinDown");
}

void ButtonEx::SetSkinFocus(platform::PicturePtr value) {
  skinFocus_ = std::move(value);
  Redraw();
  Notify("SkinFocus");
}

void ButtonEx::SetSkinOver(platform::PicturePtr value) {
  skinOver_ = std::move(value);
  Redraw();
  Notify("SkinOver");
}

void ButtonEx::SetSkinUp(platform::PicturePtr value) {
  skinUp_ = std::move(value);
  Redraw();
  Notify("SkinUp");
}

void ButtonEx::SetStyle(std::int32_t value) {
  style_ = value;
  Redraw();
  Notify("Style");
}

void ButtonEx::SetToolTipText(const std::string& value) {
  toolTipText_ = value;
  Notify("ToolTipText");
}

void ButtonEx::SetTransparentColor(win::COLORREF value) {
  transparentColor_ = value;
  surface_->SetMaskColor(value);
  Redraw();
  Notify("TransparentColor");
}

void ButtonEx::SetValue(std::int32_t value) {
  value_ = value;
  DrawButton(value);
  Notify("Value");
}

void ButtonEx::SetWhatsThisHelpID(std::int32_t value) {
  whatsThisHelpId_ = value;
  Notify("WhatsThisHelpID");
}

// --- methods ---

void ButtonEx::ClearHighlight() { DrawButton(currentState_); }

void ButtonEx::DrawHighlight() {
  auto& gdi = platform::Use<platform::Gdi>();
  const win::COLORREF fore = surface_->ForeColor();
  surface_->SetForeColor(0);
  const win::RECT whole{0, 0, RoundHalfEven(surface_->ScaleWidth()),
                        RoundHalfEven(surface_->ScaleHeight())};
  gdi.DrawFocusRect(surface_->hdc(), &whole);
  surface_->SetForeColor(fore);
  surface_->Refresh();
}

void ButtonEx::Refresh() { surface_->Refresh(); }

void ButtonEx::OLEDrag() { surface_->OLEDrag(); }

// --- persistence ---

void ButtonEx::InitProperties() {
  using platform::Picture;
  SetAllowDefault(kAllowDefault);
  SetAllowFocus(kAllowFocus);
  SetAppearance(kAppearance);
  SetBackColor(kBackColor);
  SetBorderStyle(kBorderStyle);
  SetCaption(kCaption);
  SetCaptionOffsetX(0);
  SetCaptionOffsetY(0);
  SetEnabled(true);
  SetForeColor(kForeColor);
  SetFont(surface_->AmbientFont());
  SetHighlightColor(kHighlightColor);
  SetHighlightPicture(false);
  SetMouseIcon(Picture::Empty());
  SetMousePointer(0);
  SetOLEDropMode(0);
  SetPicture(Picture::Empty());
  SetPictureDisabled(Picture::Empty());
  SetPictureDown(Picture::Empty());
  SetPictureFocus(Picture::Empty());
  SetPictureOffsetX(0);
  SetPictureOffsetY(0);
  SetPictureOver(Picture::Empty());
  SetRightToLeft(false);
  SetSkinDisabled(Picture::Empty());
  SetSkinDown(Picture::Empty());
  SetSkinFocus(Picture::Empty());
  SetSkinOver(Picture::Empty());
  SetSkinUp(Picture::Empty());
  SetStyle(0);
  SetToolTipText("");
  SetTransparentColor(kTransparentColor);
  SetValue(kValue);
  SetWhatsThisHelpID(0);
}

void ButtonEx::DrawDeferredFace() {
  deferDrawing_ = false;
  if (const std::optional<std::int32_t> state = std::exchange(deferredState_, std::nullopt)) {
    DrawButton(*state);
  }
}

void ButtonEx::ReadProperties(const toolkit::PropertyBag& bag) {
  deferDrawing_ = true;
  try {
    ReadSavedProperties(bag);
  } catch (...) {
    // What was read before the failure shows, as it would have.
    DrawDeferredFace();
    throw;
  }
  DrawDeferredFace();
}

void ButtonEx::ReadSavedProperties(const toolkit::PropertyBag& bag) {
  const platform::PicturePtr absent;
  SetAllowDefault(bag.ReadProperty("AllowDefault", kAllowDefault));
  SetAllowFocus(bag.ReadProperty("AllowFocus", kAllowFocus));
  SetAppearance(bag.ReadProperty("Appearance", kAppearance));
  SetBackColor(AsColor(bag.ReadProperty("BackColor", AsInteger(kBackColor))));
  SetBorderStyle(bag.ReadProperty("BorderStyle", kBorderStyle));
  SetCaption(bag.ReadProperty("Caption", kCaption));
  SetCaptionOffsetX(bag.ReadProperty("CaptionOffsetX", std::int32_t{0}));
  SetCaptionOffsetY(bag.ReadProperty("CaptionOffsetY", std::int32_t{0}));
  SetEnabled(bag.ReadProperty("Enabled", true));
  SetForeColor(AsColor(bag.ReadProperty("ForeColor", AsInteger(kForeColor))));
  SetFont(bag.ReadProperty("Font", surface_->AmbientFont()));
  SetHighlightColor(AsColor(bag.ReadProperty("HighlightColor", AsInteger(kHighlightColor))));
  SetHighlightPicture(bag.ReadProperty("HighlightPicture", false));
  SetMouseIcon(bag.ReadProperty("MouseIcon", absent));
  SetMousePointer(bag.ReadProperty("MousePointer", std::int32_t{0}));
  SetOLEDropMode(bag.ReadProperty("OLEDropMode", std::int32_t{0}));
  SetPicture(bag.ReadProperty("Picture", absent));
  SetPictureDisabled(bag.ReadProperty("PictureDisabled", absent));
  SetPictureDown(bag.ReadProperty("PictureDown", absent));
  SetPictureFocus(bag.ReadProperty("PictureFocus", absent));
  SetPictureOffsetX(bag.ReadProperty("PictureOffsetX", std::int32_t{0}));
  SetPictureOffsetY(bag.ReadProperty("PictureOffsetY", std::int32_t{0}));
  SetPictureOver(bag.ReadProperty("PictureOver", absent));
  SetRightToLeft(bag.ReadProperty("RightToLeft", false));
  SetSkinDisabled(bag.ReadProperty("SkinDisabled", absent));
  SetSkinDown(bag.ReadProperty("SkinDown", absent));
  SetSkinFocus(bag.ReadProperty("SkinFocus", absent));
  SetSkinOver(bag.ReadProperty("SkinOver", absent));
  SetSkinUp(bag.ReadProperty("SkinUp", absent));
  SetStyle(bag.ReadProperty("Style", std::int32_t{0}));
  SetToolTipText(bag.ReadProperty("ToolTipText", ""));
  SetTransparentColor(AsColor(bag.ReadProperty("TransparentColor", AsInteger(kTransparentColor))));
  SetValue(bag.ReadProperty("Value", kValue));
  SetWhatsThisHelpID(bag.ReadProperty("WhatsThisHelpID", std::int32_t{0}));
}

void ButtonEx::WriteProperties(toolkit::PropertyBag& bag) const {
  const platform::PicturePtr absent;
  bag.WriteProperty("AllowDefault", allowDefault_, kAllowDefault);
  bag.WriteProperty("AllowFocus", allowFocus_, kAllowFocus);
  bag.WriteProperty("Appearance", appearance_, kAppearance);
  bag.WriteProperty("Enabled", enabled_, true);
  bag.WriteProperty("BackColor", AsInteger(backColor_), AsInteger(kBackColor));
  bag.WriteProperty("BorderStyle", borderStyle_, kBorderStyle);
  bag.WriteProperty("Caption", caption_, std::string(kCaption));
  bag.WriteProperty("CaptionOffsetX", captionOffsetX_, std::int32_t{0});
  bag.WriteProperty("CaptionOffsetY", captionOffsetY_, std::int32_t{0});
  bag.WriteProperty("ForeColor", AsInteger(foreColor_), AsInteger(kForeColor));
  bag.WriteProperty("Font", font_, surface_->AmbientFont());
  bag.WriteProperty("HighlightColor", AsInteger(highlightColor_), AsInteger(kHighlightColor));
  bag.WriteProperty("HighlightPicture", highlightPicture_, false);
  bag.WriteProperty("OLEDropMode", oleDropMode_, std::int32_t{0});
  bag.WriteProperty("Picture", picture_, absent);
  bag.WriteProperty("PictureDisabled", pictureDisabled_, absent);
  bag.WriteProperty("PictureDown", pictureDown_, absent);
  bag.WriteProperty("PictureFocus", pictureFocus_, absent);
  bag.WriteProperty("PictureOffsetX", pictureOffsetX_, std::int32_t{0});
  bag.WriteProperty("PictureOffsetY", pictureOffsetY_, std::int32_t{0});
  bag.WriteProperty("PictureOver", pictureOver_, absent);
  bag.WriteProperty("RightToLeft", rightToLeft_, false);
  bag.WriteProperty("TransparentColor", AsInteger(transparentColor_), AsInteger(kTransparentColor));
  bag.WriteProperty("MouseIcon", mouseIcon_, absent);
  bag.WriteProperty("MousePointer", mousePointer_, std::int32_t{0});
  bag.WriteProperty("SkinDisabled", skinDisabled_, absent);
  bag.WriteProperty("SkinDown", skinDown_, absent);
  bag.WriteProperty("SkinFocus", skinFocus_, absent);
  bag.WriteProperty("SkinOver", skinOver_, absent);
  bag.WriteProperty("SkinUp", skinUp_, absent);
  bag.WriteProperty("Style", style_, std::int32_t{0});
  bag.WriteProperty("ToolTipText", toolTipText_, std::string());
  bag.WriteProperty("Value", value_, kValue);
  bag.WriteProperty("WhatsThisHelpID", whatsThisHelpId_, std::int32_t{0});
}

const std::vector<std::pair<std::string_view, std::string_view>>& ButtonEx::Descriptions() {
  static const std::vector<std::pair<std::string_view, std::string_view>> descriptions = {
      {"Appearance", "Returns/sets whether or not the control is painted with 3-D effects."},
      {"BackColor",
       "Returns/sets the background color used to display text and graphics in the control."},
      {"Caption", "Returns/sets the text displayed in the control."},
      {"CaptionOffsetX", "Returns/sets the horizontal offset for displaying the caption."},
      {"CaptionOffsetY", "Returns/sets the vertical offset for displaying the caption."},
      {"Enabled",
       "Returns/sets a value that determines whether an object can respond to user-generated "
       "events."},
      {"ForeColor",
       "Returns/sets the foreground color used to display text and graphics in the control."},
      {"Font", "Returns/sets a Font object used to display text in the control."},
      {"HighlightColor",
       "Returns/sets the highlight color used to display text and graphics when the mouse is "
       "over the control."},
      {"HighlightPicture",
       "Returns/sets whether or not to highlight the object's picture with the HighlightColor."},
      {"MouseIcon", "Returns/sets a custom mouse icon."},
      {"MousePointer",
       "Returns/sets the type of mouse pointer displayed when over part of the control."},
      {"Picture", "Returns/sets a graphic to be displayed in the control."},
      {"PictureDisabled",
       "Returns/sets a graphic to be displayed in the control for the disabled state."},
      {"PictureOffsetX", "Returns/sets the horizontal offset for displaying the picture."},
      {"PictureOffsetY", "Returns/sets the vertical offset for displaying the picture."},
      {"RightToLeft",
       "Determines text display direction and control visual appearance on a bidirectional "
       "system."},
      {"SkinDisabled",
       "Returns/sets a graphic to be displayed for the control when it is disabled."},
      {"SkinDown",
       "Returns/sets a graphic to be displayed for the control the mouse has been pressed over "
       "it."},
      {"SkinFocus", "Returns/sets a graphic to be displayed for the control when it default."},
      {"SkinOver",
       "Returns/sets a graphic to be displayed for the control when the mouse is over it."},
      {"SkinUp", "Returns/sets a graphic to be displayed for the control."},
      {"style", "Returns/sets the style for the control."},
      {"ToolTipText", "Returns/sets the text displayed when the mouse cursor is over the control."},
      {"TransparentColor", "Returns/sets the color of the Picture property to make transparent."},
      {"Value", "Returns/sets a default state for the control."},
      {"WhatsThisHelpID", "Returns/sets an associated help context ID for the control."},
      {"Click", "Occurs when the user presses and then releases a mouse button over the control."},
      {"KeyDown", "Occurs when the user presses a key while the control has the focus."},
      {"KeyPress", "Occurs when the user presses and releases an ANSI key."},
      {"KeyUp", "Occurs when the user releases a key while the control has the focus."},
      {"MouseDown",
       "Occurs when the user presses the mouse button while the control has the focus."},
      {"MouseEnter",
       "Occurs when the user moves the mouse over the control after MouseExit event."},
      {"MouseExit",
       "Occurs when the user moves the mouse out of the control after MouseEnter event."},
      {"MouseMove", "Occurs when the user moves the mouse."},
      {"MouseUp",
       "Occurs when the user releases the mouse button while the control has the focus."},
      {"Resize", "Occurs when a form is first displayed or the size of the control changes."},
  };
  return descriptions;
}

}  // namespace controls
