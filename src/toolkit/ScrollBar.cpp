#include "toolkit/ScrollBar.h"

#include <algorithm>

#include "platform/Services.h"
#include "toolkit/Form.h"

namespace toolkit {

std::optional<int> ValueForRequest(const ScrollRange& range, int value, win::WORD code,
                                   int trackPosition) {
  const int position = range.PositionOf(value);
  int wanted = 0;
  switch (code) {
    case win::SB_LINELEFT:
      wanted = position - range.smallChange;
      break;
    case win::SB_LINERIGHT:
      wanted = position + range.smallChange;
      break;
    case win::SB_PAGELEFT:
      wanted = position - range.largeChange;
      break;
    case win::SB_PAGERIGHT:
      wanted = position + range.largeChange;
      break;
    case win::SB_THUMBPOSITION:
      wanted = trackPosition;
      break;
    case win::SB_LEFT:
      wanted = 0;
      break;
    case win::SB_RIGHT:
      wanted = range.Span();
      break;
    default:
      return std::nullopt;
  }
  return range.ValueAt(std::clamp(wanted, 0, range.Span()));
}

ScrollBar::~ScrollBar() {
  if (parent_ != nullptr && window_) parent_->Detach(*this);
}

void ScrollBar::Create(Form& parent, const LayoutNode& node) {
  Remember(node);
  parent_ = &parent;
  range_.min = static_cast<int>(node.Integer("Min", 0));
  range_.max = static_cast<int>(node.Integer("Max", 32767));
  range_.smallChange = static_cast<int>(node.Integer("SmallChange", 1));
  range_.largeChange = static_cast<int>(node.Integer("LargeChange", 1));
  value_ = range_.ValueAt(std::clamp(
      range_.PositionOf(static_cast<int>(node.Integer("Value", range_.min))), 0, range_.Span()));
  window_ = platform::Use<platform::Windowing>().CreateScrollBar(PlacementOf(parent, node));
  ShowPointer(node);
  ShowPosition();
  parent.Attach(*this);
}

void ScrollBar::Relayout(const Form& parent, const LayoutNode& node) {
  window_->MoveWindow(PlacementOf(parent, node).rect);
  ShowPointer(node);
}

void ScrollBar::ShowPointer(const LayoutNode& node) {
  platform::PicturePtr pointer = CustomPointer(node);
  // The window takes the new cursor before the old one can be destroyed.
  window_->SetCursor(pointer && pointer->Kind() == platform::PictureKind::Cursor ? pointer->Handle()
                                                                                 : 0);
  pointer_ = std::move(pointer);
}

win::HWND ScrollBar::hWnd() const { return window_ ? window_->Handle() : 0; }

void ScrollBar::SetValue(int value) {
  value = range_.ValueAt(std::clamp(range_.PositionOf(value), 0, range_.Span()));
  if (value == value_) return;
  value_ = value;
  ShowPosition();
  if (Change) Change();
}

bool ScrollBar::Tracking() const { return window_ && window_->HasCapture(); }

void ScrollBar::ShowPosition() {
  if (window_) window_->SetScrollInfo(range_.Span(), 0, range_.PositionOf(value_));
}

void ScrollBar::OnScroll(win::WORD code) {
  if (code == win::SB_ENDSCROLL) {
    if (EndScroll) EndScroll();
    return;
  }
  const auto wanted = ValueForRequest(range_, value_, code, window_->GetTrackPos());
  if (!wanted) return;
  if (*wanted == value_) {
    // The bar may have drawn a thumb the value does not have: put it back.
    ShowPosition();
    return;
  }
  SetValue(*wanted);
}

}  // namespace toolkit
