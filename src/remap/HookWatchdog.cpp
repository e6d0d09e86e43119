#include "remap/HookWatchdog.h"

namespace remap {

bool HookWatchdog::MissedInput(std::optional<Look> now, bool hookSawEvent) {
  const std::optional<Look> previous = previous_;
  previous_ = now;
  if (!previous || !now || hookSawEvent) return false;
  const bool moved = now->cursor.x != previous->cursor.x || now->cursor.y != previous->cursor.y;
  // Ticks wrap after 49.7 days: any change is new input.
  const bool input = now->lastInput != previous->lastInput;
  return moved && input;
}

}  // namespace remap
