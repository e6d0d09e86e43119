// The system's mouse parameters, one platform call each. Changes last until
// the user signs out: nothing is written to the profile here (the settings
// store does that) and no setting-change message is broadcast.
#pragma once

namespace mod_Mouse {

int GetMouseSpeed();
// Takes 0..20; anything outside is clamped before the call.
void SetMouseSpeed(int speed);
// Only ever asked to switch acceleration off; "on" restores the usual 6, 10, 1.
void SetMouseAcceleration(bool enabled);
bool GetButtonsSwapped();
void SetButtonsSwapped(bool swapped);
int GetClickTime();
// Takes 200..900 ms; anything outside is clamped before the call.
void SetClickTime(int milliseconds);
// Signed: the "one screen per notch" setting reads as -1.
int GetWheelLines();
void SetWheelLines(int lines);

}  // namespace mod_Mouse
