// The entries of the panel's combo boxes. Each text is at once what the panel
// shows, what the settings store keeps and what the mouse hook compares, so
// all three read it from here. Comparisons are exact and case-sensitive.
#pragma once

namespace choice {

// Primary button.
inline constexpr char kLeftButton[] = "Left Button";
inline constexpr char kRightButton[] = "Right Button";

// Side buttons.
inline constexpr char kBackward[] = "Backward";
inline constexpr char kForward[] = "Forward";

// Wheel button.
inline constexpr char kNoUse[] = "No use";
inline constexpr char kIExplorer[] = "IExplorer";
inline constexpr char kFileManager[] = "File Manager";
inline constexpr char kExcel[] = "Excel";

}  // namespace choice
