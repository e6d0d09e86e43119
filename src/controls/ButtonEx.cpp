// ButtonEx: creation, the property setters and the methods.
#include "controls/ButtonEx.h"

#include <utility>

#include "controls/Rounding.h"
#include "platform/Services.h"

namespace controls {
namespace {

// The size of a fresh instance, in twips.
constexpr double kCreationWidth = 1200;
constexpr double kCreationHeight = 360;

// Colours travel as the 32-bit integers the bag holds.
std::int32_t AsInteger(win::COLORREF color) { return static_cast<std::int32_t>(color); }

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

// --- properties: each setter assigns through the property table ---

void ButtonEx::SetAllowDefault(bool value) { Assign("AllowDefault", value); }
void ButtonEx::SetAllowFocus(bool value) { Assign("AllowFocus", value); }
void ButtonEx::SetAppearance(std::int32_t value) { Assign("Appearance", value); }
void ButtonEx::SetBackColor(win::COLORREF value) { Assign("BackColor", AsInteger(value)); }
void ButtonEx::SetBorderStyle(std::int32_t value) { Assign("BorderStyle", value); }
void ButtonEx::SetCaption(const std::string& value) { Assign("Caption", value); }
void ButtonEx::SetCaptionOffsetX(std::int32_t value) { Assign("CaptionOffsetX", value); }
void ButtonEx::SetCaptionOffsetY(std::int32_t value) { Assign("CaptionOffsetY", value); }
void ButtonEx::SetEnabled(bool value) { Assign("Enabled", value); }
void ButtonEx::SetForeColor(win::COLORREF value) { Assign("ForeColor", AsInteger(value)); }
void ButtonEx::SetFont(platform::FontPtr value) { Assign("Font", std::move(value)); }
void ButtonEx::SetHighlightColor(win::COLORREF value) {
  Assign("HighlightColor", AsInteger(value));
}
void ButtonEx::SetHighlightPicture(bool value) { Assign("HighlightPicture", value); }
void ButtonEx::SetMouseIcon(platform::PicturePtr value) { Assign("MouseIcon", std::move(value)); }
void ButtonEx::SetMousePointer(std::int32_t value) { Assign("MousePointer", value); }
void ButtonEx::SetOLEDropMode(std::int32_t value) { Assign("OLEDropMode", value); }
void ButtonEx::SetPicture(platform::PicturePtr value) { Assign("Picture", std::move(value)); }
void ButtonEx::SetPictureDisabled(platform::PicturePtr value) {
  Assign("PictureDisabled", std::move(value));
}
void ButtonEx::SetPictureDown(platform::PicturePtr value) {
  Assign("PictureDown", std::move(value));
}
void ButtonEx::SetPictureFocus(platform::PicturePtr value) {
  Assign("PictureFocus", std::move(value));
}
void ButtonEx::SetPictureOffsetX(std::int32_t value) { Assign("PictureOffsetX", value); }
void ButtonEx::SetPictureOffsetY(std::int32_t value) { Assign("PictureOffsetY", value); }
void ButtonEx::SetPictureOver(platform::PicturePtr value) {
  Assign("PictureOver", std::move(value));
}
void ButtonEx::SetRightToLeft(bool value) { Assign("RightToLeft", value); }
void ButtonEx::SetSkinDisabled(platform::PicturePtr value) {
  Assign("SkinDisabled", std::move(value));
}
void ButtonEx::SetSkinDown(platform::PicturePtr value) { Assign("SkinDown", std::move(value)); }
void ButtonEx::SetSkinFocus(platform::PicturePtr value) { Assign("SkinFocus", std::move(value)); }
void ButtonEx::SetSkinOver(platform::PicturePtr value) { Assign("SkinOver", std::move(value)); }
void ButtonEx::SetSkinUp(platform::PicturePtr value) { Assign("SkinUp", std::move(value)); }
void ButtonEx::SetStyle(std::int32_t value) { Assign("Style", value); }
void ButtonEx::SetToolTipText(const std::string& value) { Assign("ToolTipText", value); }
void ButtonEx::SetTransparentColor(win::COLORREF value) {
  Assign("TransparentColor", AsInteger(value));
}
void ButtonEx::SetValue(std::int32_t value) { Assign("Value", value); }
void ButtonEx::SetWhatsThisHelpID(std::int32_t value) { Assign("WhatsThisHelpID", value); }

// --- methods ---

void ButtonEx::ClearHighlight() { DrawButton(currentState_); }

void ButtonEx::DrawHighlight() {
  auto& gdi = platform::Use<platform::Gdi>();
  const win::COLORREF fore = surface_->ForeColor();
  surface_->SetForeColor(0);
  const win::RECT whole{0, 0, RoundHalfEven(surface_->ScaleWidth()),
                        RoundHalfEven(surface_->ScaleHeight())};
  (void)gdi.DrawFocusRect(surface_->hdc(), &whole);
  surface_->SetForeColor(fore);
  surface_->Refresh();
}

void ButtonEx::Refresh() { surface_->Refresh(); }

void ButtonEx::OLEDrag() { surface_->OLEDrag(); }

}  // namespace controls
