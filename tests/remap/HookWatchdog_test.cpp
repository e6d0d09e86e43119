// The watchdog's reading of two looks: only mouse input the hook did not see
// raises the alarm.
#include "remap/HookWatchdog.h"

#include <gtest/gtest.h>

namespace {

using Look = remap::HookWatchdog::Look;

TEST(HookWatchdog, OnlyInputPastTheHookRaisesTheAlarm) {
  const Look start{{100, 100}, 5000};
  struct Row {
    const char* what;
    std::optional<Look> previous;
    std::optional<Look> now;
    bool hookSawEvent;
    bool alarm;
  };
  const Row rows[] = {
      {"the mouse moved past the hook", start, Look{{101, 100}, 5016}, false, true},
      {"the mouse moved through the hook", start, Look{{101, 100}, 5016}, true, false},
      {"typing only", start, Look{{100, 100}, 5016}, false, false},
      {"a program moved the pointer", start, Look{{300, 40}, 5000}, false, false},
      {"nothing happened", start, start, false, false},
      {"past the hook as the tick count wraps", Look{{0, 0}, 0xFFFFFFF0}, Look{{0, 1}, 8}, false,
       true},
      {"the pointer could not be read now", start, std::nullopt, false, false},
      {"no look to compare with", std::nullopt, Look{{101, 100}, 5016}, false, false},
  };
  for (const Row& row : rows) {
    remap::HookWatchdog watchdog;
    watchdog.Restart(row.previous);
    EXPECT_EQ(watchdog.MissedInput(row.now, row.hookSawEvent), row.alarm) << row.what;
  }
}

TEST(HookWatchdog, EachLookIsComparedWithTheOneBefore) {
  remap::HookWatchdog watchdog;
  watchdog.Restart(Look{{0, 0}, 10});
  EXPECT_FALSE(watchdog.MissedInput(Look{{5, 5}, 20}, true));
  // The move the hook saw is old news now: the same place, no new input.
  EXPECT_FALSE(watchdog.MissedInput(Look{{5, 5}, 20}, false));
  EXPECT_FALSE(watchdog.MissedInput(std::nullopt, false));
  // A look that failed leaves nothing to compare the next one with.
  EXPECT_FALSE(watchdog.MissedInput(Look{{9, 9}, 30}, false));
  EXPECT_TRUE(watchdog.MissedInput(Look{{10, 9}, 31}, false));
}

}  // namespace
