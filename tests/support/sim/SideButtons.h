// The side buttons as a mouse event reports them (the high word of
// mouseData), and the browser keys the program sends for them as the sim's
// input records them: what the remapping tests press and expect
// (`using namespace testing_support::side_buttons;`).
#pragma once

#include "platform/sim/SimInput.h"

namespace testing_support::side_buttons {

inline constexpr win::DWORD kX1 = 0x10000;             // XBUTTON1, backward
inline constexpr win::DWORD kX2 = 0x20000;             // XBUTTON2, forward
inline const sim::SimKey kBackDown{0xA6, 0xA6, 0, 0};  // VK_BROWSER_BACK
inline const sim::SimKey kBackUp{0xA6, 0xA6, win::KEYEVENTF_KEYUP, 0};
inline const sim::SimKey kForwardDown{0xA7, 0xA7, 0, 0};  // VK_BROWSER_FORWARD
inline const sim::SimKey kForwardUp{0xA7, 0xA7, win::KEYEVENTF_KEYUP, 0};

}  // namespace testing_support::side_buttons
