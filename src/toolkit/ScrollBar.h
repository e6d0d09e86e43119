// A horizontal scroll bar whose value runs from Min at its left end to Max at
// its right end; Min may exceed Max, so a bar can count down to the right.
// Change runs exactly when the value changes, by the user or by code; while
// the user drags the thumb nothing changes until the thumb is released.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "toolkit/Control.h"

namespace toolkit {

struct ScrollRange {
  int min = 0;
  int max = 32767;
  int smallChange = 1;
  int largeChange = 1;

  int Span() const { return max >= min ? max - min : min - max; }
  // Thumb position (0 at the left end) of a value, and back.
  int PositionOf(int value) const { return max >= min ? value - min : min - value; }
  int ValueAt(int position) const { return max >= min ? min + position : min - position; }
};

// The value a scroll request asks for, or nothing for a request that changes
// no value (thumb tracking, end of scroll, unknown codes).
std::optional<int> ValueForRequest(const ScrollRange& range, int value, win::WORD code,
                                   int trackPosition);

class ScrollBar final : public Control {
 public:
  ~ScrollBar() override;
  void Create(Form& parent, const LayoutNode& node) override;
  win::HWND hWnd() const override;
  void Relayout(const Form& parent, const LayoutNode& node) override;

  int Value() const { return value_; }
  // Values outside the range are brought to its nearer end.
  void SetValue(int value);
  const ScrollRange& Range() const { return range_; }

  std::function<void()> Change;
  // The user's input on the bar has ended (SB_ENDSCROLL: the mouse button
  // that moved it is released).
  std::function<void()> EndScroll;
  // The bar holds the mouse: the user presses an arrow, the track or the
  // thumb, and while held it goes on stepping by itself, also behind a
  // modal box. Work that must not run meanwhile waits for EndScroll.
  bool Tracking() const;

  void OnScroll(win::WORD code) override;

 private:
  void ShowPosition();
  // The layout's custom pointer drawn for the screen's density.
  void ShowPointer(const LayoutNode& node);

  Form* parent_ = nullptr;
  // Before the window, so that the window goes first.
  platform::PicturePtr pointer_;
  std::unique_ptr<platform::ScrollBarWindow> window_;
  ScrollRange range_;
  int value_ = 0;
};

}  // namespace toolkit
