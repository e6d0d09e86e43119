// The settings store: REG_SZ texts directly under HKCU\Control Panel\Mouse,
// read and written value by value with no cache, so that a change made by
// another copy of the program or by the system is seen at the next read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace mod_Registry {

// The stored value names, in the order a save writes them, then the wake-up flag.
inline constexpr std::string_view SwapMouseButtons = "SwapMouseButtons";
inline constexpr std::string_view WheelButton = "WheelButton";
inline constexpr std::string_view XButton1 = "XButton1";
inline constexpr std::string_view XButton2 = "XButton2";
inline constexpr std::string_view MouseSensitivity = "MouseSensitivity";
inline constexpr std::string_view DoubleClickSpeed = "DoubleClickSpeed";
inline constexpr std::string_view ScrollLine = "ScrollLine";
inline constexpr std::string_view MouseSpeed = "MouseSpeed";
inline constexpr std::string_view MouseThreshold1 = "MouseThreshold1";
inline constexpr std::string_view MouseThreshold2 = "MouseThreshold2";
inline constexpr std::string_view DoPopup = "DoPopup";

inline constexpr char kMouseKey[] = "Control Panel\\Mouse";

// The value's text without leading and trailing spaces; "" when the value is
// missing, unreadable or longer than 256 bytes.
std::string ReadMouseValue(std::string_view name);

// Stores text as a REG_SZ value, creating the key when it is missing.
// Failures are silent: the value keeps its old content.
void WriteMouseValue(std::string_view name, std::string_view text);

// Writes a REG_SZ value under root\subKey, creating the key when it is
// missing. Returns 0 or the registry error of the step that failed.
std::int32_t SetRegString(win::HKEY root, const std::string& subKey, const std::string& name,
                          std::string_view text);

}  // namespace mod_Registry
