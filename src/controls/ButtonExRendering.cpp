// ButtonEx: drawing the face of a state, layer over layer on a cleared
// surface: standard face or skin, then the state's picture, then the caption.
#include <algorithm>

#include "controls/ButtonEx.h"
#include "controls/Rounding.h"
#include "controls/TransparentBitmaps.h"
#include "platform/Services.h"

namespace controls {
namespace {

constexpr win::COLORREF kGrayText = 0x80000011;
constexpr char kMouseExit[] = "MouseExit";
// Hundredths of a millimetre to twips, as the control has always divided.
constexpr double kHimetricPerTwip = 1.76;

// The edges of a border style: raised for normal and hot, sunken for pressed.
struct Edges {
  win::UINT raised;
  win::UINT sunken;
};

Edges EdgesFor(std::int32_t borderStyle) {
  switch (borderStyle) {
    case 2:
      return {win::EDGE_BUMP, win::EDGE_ETCHED};
    case 3:
    case 4:
      return {win::BDR_RAISEDINNER, win::BDR_SUNKENOUTER};
    default:
      return {win::EDGE_RAISED, win::EDGE_SUNKEN};
  }
}

// The picture a state shows: the state's own when present, else the normal one.
platform::PicturePtr ForState(std::int32_t state, const platform::PicturePtr& normal,
                              const platform::PicturePtr& down, const platform::PicturePtr& over,
                              const platform::PicturePtr& disabled,
                              const platform::PicturePtr& focus) {
  const platform::PicturePtr* chosen = nullptr;
  switch (state) {
    case ButtonEx::StateDown:
      chosen = &down;
      break;
    case ButtonEx::StateOver:
      chosen = &over;
      break;
    case ButtonEx::StateDisabled:
      chosen = &disabled;
      break;
    case ButtonEx::StateFocus:
      chosen = &focus;
      break;
    default:
      break;
  }
  return chosen != nullptr && *chosen ? *chosen : normal;
}

}  // namespace

void ButtonEx::DrawButton(std::int32_t state) {
  // No pressed face after the pointer has left, however long the button is
  // held; Space presses it wherever the pointer is.
  if (lastHoverEvent_ == kMouseExit && state == StateDown && !spaceHeld_) return;
  const std::int32_t requested = state;
  if (style_ == 1) {
    // A toggle button shows its value: pressed while it is 0.
    if (value_ == 0) {
      state = StateDown;
    } else if (state != StateOver) {
      state = StateUp;
    }
  }
  const bool standard = !skinUp_ || appearance_ != 2;
  if (deferDrawing_) {
    if (standard) {
      deferredState_ = requested;
      currentState_ = state;  // what the standard face records
      return;
    }
    deferDrawing_ = false;
    deferredState_.reset();
  }
  const bool cue = focusCue_;
  surface_->SetPicture(nullptr);
  surface_->SetMaskPicture(nullptr);
  surface_->Cls();
  bool userMode = false;
  try {
    userMode = surface_->AmbientUserMode();
  } catch (...) {
    userMode = false;
  }
  // While the window shows keyboard cues the focus goes on top, where no
  // picture hides it; the standard face's own rectangle, beneath the
  // picture, would only cancel it out.
  const bool keyboardCue = hasFocus_ && userMode && allowFocus_ && surface_->FocusCuesShown();
  if (standard) {
    DrawStandardFace(state, cue && userMode, !keyboardCue);
  } else {
    DrawSkinFace(state, cue && userMode);
  }
  DrawPicture(state);
  DrawCaption(state);
  if (keyboardCue) DrawKeyboardCue();
}

void ButtonEx::DrawKeyboardCue() {
  // The standard face's dotted rectangle, 4 pixels in; a button too small to
  // keep its picture clear inside that gets it 1 pixel in.
  const int width = RoundHalfEven(surface_->ScaleWidth());
  const int height = RoundHalfEven(surface_->ScaleHeight());
  const int inset = std::min(width, height) < 20 ? 1 : 4;
  const win::COLORREF fore = surface_->ForeColor();
  surface_->SetForeColor(0);
  const win::RECT focus{inset, inset, width - inset, height - inset};
  (void)platform::Use<platform::Gdi>().DrawFocusRect(surface_->hdc(), &focus);
  surface_->SetForeColor(fore);
}

// Drawing results are not examined here or below: a stroke GDI refuses
// leaves the face as it was, and the next paint draws it again.
void ButtonEx::DrawStandardFace(std::int32_t state, bool cue, bool focusRect) {
  auto& gdi = platform::Use<platform::Gdi>();
  const win::HDC dc = surface_->hdc();
  surface_->SetBackStyle(platform::kBackStyleOpaque);
  const Edges edges = EdgesFor(borderStyle_);
  win::RECT rect{0, 0, RoundHalfEven(surface_->ScaleWidth()),
                 RoundHalfEven(surface_->ScaleHeight())};
  // The default button's one-pixel frame, after which the rectangle is smaller.
  auto frame = [&] {
    if (cue && allowDefault_) {
      (void)gdi.DrawEdge(dc, &rect, win::BDR_RAISEDOUTER | win::BDR_SUNKENOUTER,
                         win::BF_RECT | win::BF_ADJUST | win::BF_MONO);
    }
  };
  switch (state) {
    case StateDown:
      if (borderStyle_ == 0) break;
      if (cue && allowDefault_) {
        frame();
        (void)gdi.DrawEdge(dc, &rect, win::BDR_SUNKENOUTER, win::BF_RECT | win::BF_FLAT);
      } else {
        (void)gdi.DrawEdge(dc, &rect, edges.sunken, win::BF_RECT);
      }
      break;
    case StateUp:
      if (appearance_ == 1 && borderStyle_ != 0) {
        frame();
        (void)gdi.DrawEdge(dc, &rect, edges.raised, win::BF_RECT);
      } else if (appearance_ == 0 && borderStyle_ == 4) {
        frame();
        const win::COLORREF fore = surface_->ForeColor();
        surface_->SetForeColor(kGrayText);
        const int right = rect.right, bottom = rect.bottom;
        surface_->Line(0, 0, right - 1, 0);
        surface_->Line(0, 0, 0, bottom);
        surface_->Line(right - 1, 0, right - 1, bottom);
        surface_->Line(0, bottom - 1, right - 1, bottom - 1);
        surface_->SetForeColor(fore);
      } else {
        cue = false;
      }
      break;
    case StateOver:
      // Hot shows a raised edge whatever the appearance and border.
      frame();
      (void)gdi.DrawEdge(dc, &rect, edges.raised, win::BF_RECT);
      break;
    default:
      break;
  }
  if (allowFocus_ && cue && focusRect) {
    const win::COLORREF fore = surface_->ForeColor();
    surface_->SetForeColor(0);
    const win::RECT focus{4, 4, RoundHalfEven(surface_->ScaleWidth() - 4),
                          RoundHalfEven(surface_->ScaleHeight() - 4)};
    (void)gdi.DrawFocusRect(dc, &focus);
    surface_->SetForeColor(fore);
  }
  currentState_ = state;
}

void ButtonEx::DrawSkinFace(std::int32_t state, bool cue) {
  currentState_ = state;
  if (!enabled_) {
    state = StateDisabled;
    currentState_ = StateDisabled;
  } else if (cue && state == StateUp) {
    state = StateFocus;
  }
  surface_->SetBackStyle(platform::kBackStyleTransparent);
  // An absent skin falls back to SkinUp; an empty one replaces it.
  const platform::PicturePtr skin =
      ForState(state, skinUp_, skinDown_, skinOver_, skinDisabled_, skinFocus_);
  surface_->SetPicture(skin);
  if (!platform::HasImage(skin)) return;
  surface_->SetMaskPicture(skin);
  // The control takes the skin's size; each change is notified at once and
  // redraws the face, over which this drawing then goes on.
  surface_->SetWidth(skin->Width() / kHimetricPerTwip);
  surface_->SetHeight(skin->Height() / kHimetricPerTwip);
}

void ButtonEx::DrawPicture(std::int32_t state) {
  imgPicture_.SetPicture(picture_);
  if (!enabled_) state = StateDisabled;
  const platform::PicturePtr shown =
      ForState(state, picture_, pictureDown_, pictureOver_, pictureDisabled_, pictureFocus_);
  if (shown != picture_) imgPicture_.SetPicture(shown);
  if (!platform::HasImage(imgPicture_.Picture())) return;

  // Left at the offset, centred vertically (never above the top) plus the offset.
  const int left = pictureOffsetX_;
  const int top = std::max(0, RoundHalfEven(surface_->ScaleHeight()) / 2 -
                                  RoundHalfEven(imgPicture_.Height()) / 2) +
                  pictureOffsetY_;
  if (imgPicture_.Left() != left || imgPicture_.Top() != top) imgPicture_.Move(left, top);
  const win::POINT target{imgPicture_.Left(), imgPicture_.Top()};
  const int width = imgPicture_.Width();
  const int height = imgPicture_.Height();

  if (highlightPicture_ && (state == StateDown || state == StateOver)) {
    // The scratch surfaces grow to the picture, so a large picture is
    // highlighted whole rather than cut off at their designed size.
    for (toolkit::PictureBox* scratch : {&pictTempDestination_, &pictTempHighlight_}) {
      if (scratch->Width() < width || scratch->Height() < height) {
        scratch->Resize(std::max(scratch->Width(), width), std::max(scratch->Height(), height));
      }
    }
    PaintHighlightedPicture(imgPicture_.hdc(), surface_->hdc(), pictTempDestination_.hdc(),
                            pictTempHighlight_, highlightColor_, target.x, target.y, 0, 0, width,
                            height);
  } else {
    PaintTransparentPicture(surface_->hdc(), imgPicture_.hdc(), target, {0, 0}, width, height,
                            static_cast<std::int32_t>(transparentColor_));
  }
}

void ButtonEx::DrawCaption(std::int32_t state) {
  surface_->SetForeColor(borderStyle_ == 4 ? kGrayText : foreColor_);
  if (state == StateOver || (state == StateDown && lastHoverEvent_ != kMouseExit)) {
    surface_->SetForeColor(highlightColor_);
  }
  // Measured without its first "&", which only marks the access key.
  std::string measured = caption_;
  if (const auto at = measured.find('&'); at != std::string::npos) measured.erase(at, 1);
  const int shift = (picture_ && state == StateDown) ? -1 : 0;
  const int textWidth = surface_->TextWidth(measured);
  const int textHeight = surface_->TextHeight(measured);
  int x = 0;
  if (platform::HasImage(imgPicture_.Picture())) {
    // Centred between the picture's right edge and the control's.
    const int pictureRight = RoundHalfEven(imgPicture_.Left() + shift + imgPicture_.Width());
    x = RoundHalfEven(surface_->ScaleWidth() + pictureRight) / 2 - RoundHalfEven(textWidth) / 2;
  } else {
    x = RoundHalfEven(surface_->ScaleWidth()) / 2 - RoundHalfEven(textWidth) / 2 + shift;
  }
  int y = RoundHalfEven(surface_->ScaleHeight()) / 2 - RoundHalfEven(textHeight) / 2 - 1;
  if (state == StateDown) {
    ++x;
    ++y;
  }
  win::UINT flags = enabled_ ? win::DST_PREFIXTEXT : win::DST_PREFIXTEXT | win::DSS_DISABLED;
  if (rightToLeft_) flags |= win::DSS_RIGHT;
  (void)platform::Use<platform::Gdi>().DrawStateA(
      surface_->hdc(), 0, caption_.c_str(), static_cast<int>(caption_.size()), x + captionOffsetX_,
      y + captionOffsetY_ + 1, 0, 0, flags);
}

}  // namespace controls
