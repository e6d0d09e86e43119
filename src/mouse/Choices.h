// The entries of the panel's combo boxes and what each one does. Each text is
// at once what the panel shows, what the settings store keeps and what the
// mouse hook acts on, so all three read this one table. Comparisons are exact
// and case-sensitive.
#pragma once

#include <cstdint>
#include <string_view>

namespace choice {

// Which combo boxes list an entry.
enum class Box : std::uint8_t { PrimaryButton, SideButton, WheelButton };

// A program the wheel button starts; the value travels in the launch message.
enum class Program : std::uint8_t { None = 0, IExplorer = 1, FileManager = 2, Excel = 3 };

struct Entry {
  std::string_view text;
  // The file handed to the shell, in double quotes of its own.
  std::string_view programFile;
  Box box;
  // The browser key a side button sends (its virtual-key code), 0 for none.
  std::uint8_t key;
  Program program;
};

// In the order the boxes list them.
inline constexpr Entry kEntries[] = {
    {"Left Button", {}, Box::PrimaryButton, 0, Program::None},
    {"Right Button", {}, Box::PrimaryButton, 0, Program::None},
    {"Backward", {}, Box::SideButton, 0xA6, Program::None},
    {"Forward", {}, Box::SideButton, 0xA7, Program::None},
    {"No use", {}, Box::WheelButton, 0, Program::None},
    {"IExplorer", "\"iexplore.exe\"", Box::WheelButton, 0, Program::IExplorer},
    {"File Manager", "\"explorer.exe\"", Box::WheelButton, 0, Program::FileManager},
    {"Excel", "\"excel.exe\"", Box::WheelButton, 0, Program::Excel},
};

// The entry of box with exactly this text, or null.
constexpr const Entry* Find(Box box, std::string_view text) {
  for (const Entry& entry : kEntries) {
    if (entry.box == box && entry.text == text) return &entry;
  }
  return nullptr;
}

// The key a side button sends for this text; 0 for a text with no action.
constexpr std::uint8_t SideKey(std::string_view text) {
  const Entry* entry = Find(Box::SideButton, text);
  return entry != nullptr ? entry->key : 0;
}

// The program the wheel button starts for this text; None for no action.
constexpr Program WheelProgram(std::string_view text) {
  const Entry* entry = Find(Box::WheelButton, text);
  return entry != nullptr ? entry->program : Program::None;
}

// The program's file, in quotes; empty for a value that names no program.
constexpr std::string_view ProgramFile(Program program) {
  for (const Entry& entry : kEntries) {
    if (program != Program::None && entry.program == program) return entry.programFile;
  }
  return {};
}

// Entries the panel falls back on and tests by name.
inline constexpr std::string_view kLeftButton = kEntries[0].text;
inline constexpr std::string_view kRightButton = kEntries[1].text;
inline constexpr std::string_view kBackward = kEntries[2].text;
inline constexpr std::string_view kForward = kEntries[3].text;
inline constexpr std::string_view kNoUse = kEntries[4].text;

}  // namespace choice
