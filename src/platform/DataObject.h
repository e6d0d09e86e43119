// The data of an OLE drag: formats, each with its bytes or only declared (a
// declared format is rendered on demand, when a drop target asks for it).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace win {

constexpr WORD CF_TEXT = 1;

constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;

}  // namespace win

namespace platform {

class DataObject {
 public:
  void Clear() { formats_.clear(); }
  // Declares a format whose data comes later.
  void SetData(std::int16_t format) { formats_.try_emplace(format); }
  void SetData(std::int16_t format, std::vector<std::uint8_t> bytes) {
    formats_[format] = std::move(bytes);
  }
  void SetText(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    SetData(win::CF_TEXT, std::move(bytes));
  }
  bool GetFormat(std::int16_t format) const { return formats_.count(format) != 0; }
  // The bytes of a format; nothing when it is missing or only declared.
  std::optional<std::vector<std::uint8_t>> GetData(std::int16_t format) const {
    const auto found = formats_.find(format);
    if (found == formats_.end() || !found->second) return std::nullopt;
    return found->second;
  }
  std::optional<std::string> GetText() const {
    auto bytes = GetData(win::CF_TEXT);
    if (!bytes) return std::nullopt;
    std::string text(bytes->begin(), bytes->end());
    text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
    return text;
  }
  std::vector<std::int16_t> Formats() const {
    std::vector<std::int16_t> formats;
    for (const auto& entry : formats_) formats.push_back(entry.first);
    return formats;
  }

 private:
  std::map<std::int16_t, std::optional<std::vector<std::uint8_t>>> formats_;
};

}  // namespace platform
