// Import of a REGEDIT4 script: each key's block applied through one handle.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "registry/RegistryOpen.h"
#include "registry/RegistryPath.h"
#include "registry/RegistryText.h"
#include "registry/ScriptFile.h"
#include "registry/ScriptSyntax.h"
#include "registry/clsRegistryAccess.h"

namespace {

using platform::UniqueKey;
using registry::Bytes;
using registry::HexDigit;
using registry::Registry;
using registry::RestIsEmpty;
using registry::SkipBlanks;
using registry::SplitLines;
using registry::StartsWithIgnoringCase;
using registry::TrimLine;
using registry::UpperCase;
using win::DWORD;
using win::HKEY;

}  // namespace

std::int32_t clsRegistryAccess::ImportFromReg(const std::string& sRegFile) {
  createKeyIfDoesntExists_ = true;
  try {
    std::string script;
    if (!registry::ReadScriptFile(sRegFile, &script)) return 0;
    return ImportRegScript(script);
  } catch (...) {
    return 0;  // out of memory
  }
}

namespace {

// How a line of hex bytes ended.
enum class HexLine { kEnd, kContinued, kInvalid };

// Reads comma-separated bytes of one or two hex digits each. A final
// backslash, after a comma, continues the value on the next line; blanks and
// a ";" comment may follow the bytes or the backslash. The first line of a
// value may be empty or hold only the backslash.
HexLine ReadHexBytes(std::string_view text, bool firstLine, std::string* bytes) {
  std::size_t at = SkipBlanks(text, 0);
  if (firstLine) {
    if (RestIsEmpty(text, at)) return HexLine::kEnd;
    if (text[at] == '\\')
      return RestIsEmpty(text, at + 1) ? HexLine::kContinued : HexLine::kInvalid;
  }
  for (;;) {
    int value = 0;
    int digits = 0;
    for (int digit = 0; at < text.size() && digits < 3 && (digit = HexDigit(text[at])) >= 0;
         ++at, ++digits) {
      value = value * 16 + digit;
    }
    if (digits == 0 || digits > 2) return HexLine::kInvalid;
    bytes->push_back(static_cast<char>(value));
    at = SkipBlanks(text, at);
    if (RestIsEmpty(text, at)) return HexLine::kEnd;
    if (text[at] != ',') return HexLine::kInvalid;
    at = SkipBlanks(text, at + 1);
    if (RestIsEmpty(text, at)) return HexLine::kEnd;
    if (text[at] == '\\')
      return RestIsEmpty(text, at + 1) ? HexLine::kContinued : HexLine::kInvalid;
  }
}

// "dword:" data: 1 to 8 hex digits after optional blanks, then nothing but
// blanks and a comment; anything else is no number.
std::optional<std::uint32_t> ReadDword(std::string_view text) {
  std::size_t at = SkipBlanks(text, 0);
  std::uint32_t value = 0;
  int digits = 0;
  for (int digit = 0; at < text.size() && (digit = HexDigit(text[at])) >= 0; ++at, ++digits) {
    if (digits == 8) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  if (digits == 0 || !RestIsEmpty(text, at)) return std::nullopt;
  return value;
}

// The name and the data of a value line, or nothing for a line that names no
// value. A quoted name ends at its closing quote (see ClosingQuoteOfName); an
// unquoted name ends at the first "=", and "@" alone names the default value.
std::optional<std::pair<std::string, std::string_view>> SplitValueLine(std::string_view line) {
  if (!line.empty() && line.front() == '"') {
    for (std::size_t quote = line.find('"', 1); quote != std::string_view::npos;
         quote = line.find('"', quote + 1)) {
      const std::size_t equals = SkipBlanks(line, quote + 1);
      if (equals < line.size() && line[equals] == '=') {
        return std::pair(std::string(line.substr(1, quote - 1)), TrimLine(line.substr(equals + 1)));
      }
    }
    return std::nullopt;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string name(TrimLine(line.substr(0, equals)));
  if (name == "@") name.clear();
  return std::pair(std::move(name), TrimLine(line.substr(equals + 1)));
}

// Walks the lines of a script and applies each key's block through the key
// it opens once for the whole block.
class ScriptImport {
 public:
  explicit ScriptImport(std::string_view script) : lines_(SplitLines(script)) {}

  std::int32_t Run(clsRegistryAccess& reg) {
    if (UpperCase(lines_.front()) != "REGEDIT4") return 0;
    next_ = 1;
    while (next_ < lines_.size()) {
      const std::string_view header = TrimLine(lines_[next_++]);
      if (header.empty() || header.front() != '[') continue;  // no block to belong to
      if (header.size() == 1) return 0;                       // "[" alone names no key
      ApplyBlock(reg, header);
    }
    return 1;
  }

 private:
  void ApplyBlock(clsRegistryAccess& reg, std::string_view header) {
    // A header without its "]" may have lost the end of its path: it is not
    // applied, and neither are its value lines.
    if (header.back() != ']') return SkipBlock();
    const std::string path(header.substr(1, header.size() - 2));
    const bool deletion = !path.empty() && path.front() == '-';
    const std::string target = deletion ? path.substr(1) : path;
    const HKEY root = registry::RootKeyOf(target);
    if (root == 0) return SkipBlock();
    if (deletion) {
      reg.KillKey(target);
      return SkipBlock();
    }
    // The key exists after its header, so an exported key without values
    // comes back too; the block's values are written through this one handle.
    UniqueKey key;
    if (registry::OpenCreating(root, registry::SubKeyOf(target), &key) != win::ERROR_SUCCESS) {
      return SkipBlock();
    }
    while (next_ < lines_.size()) {
      const std::string_view line = TrimLine(lines_[next_]);
      if (!line.empty() && line.front() == '[') break;
      ++next_;
      if (line.empty() || line.front() == ';') continue;
      if (const auto value = SplitValueLine(line))
        ApplyValue(key.get(), value->first, value->second);
    }
  }

  void SkipBlock() {
    while (next_ < lines_.size()) {
      const std::string_view line = TrimLine(lines_[next_]);
      if (!line.empty() && line.front() == '[') return;
      ++next_;
    }
  }

  // Reads hex bytes that may go on over the following lines. Blank and
  // comment lines between them are passed over; any other line is taken as
  // the next part of the value, except a header, which always starts its block.
  bool ReadHexValue(std::string_view first, std::string* bytes) {
    HexLine state = ReadHexBytes(first, true, bytes);
    while (state == HexLine::kContinued) {
      while (next_ < lines_.size() && RestIsEmpty(lines_[next_], 0)) ++next_;
      if (next_ == lines_.size()) return true;  // the file ends: the value ends here
      const std::string_view more = TrimLine(lines_[next_]);
      if (more.front() == '[') return false;
      ++next_;
      state = ReadHexBytes(more, false, bytes);
    }
    return state == HexLine::kEnd;
  }

  void ApplyValue(HKEY key, const std::string& name, std::string_view data) {
    const auto set = [&](DWORD type, const std::string& bytes) {
      Registry().RegSetValueExA(key, name.c_str(), 0, type, Bytes(bytes),
                                static_cast<DWORD>(bytes.size()));
    };
    if (!data.empty() && data.front() == '-' && RestIsEmpty(data, 1)) {
      Registry().RegDeleteValueA(key, name.c_str());
    } else if (StartsWithIgnoringCase(data, "HEX:")) {
      std::string bytes;
      if (ReadHexValue(data.substr(4), &bytes)) set(win::REG_BINARY, bytes);
    } else if (StartsWithIgnoringCase(data, "HEX(")) {
      // Another tool's typed value ("hex(2):..."): this class writes none of
      // those types, and a string holding the hex text would be wrong data.
      // Its bytes are still read, so that its continuation lines go with it.
      std::string ignored;
      const std::size_t colon = data.find("):");
      if (colon != std::string_view::npos) ReadHexValue(data.substr(colon + 2), &ignored);
    } else if (StartsWithIgnoringCase(data, "DWORD:")) {
      if (const auto number = ReadDword(data.substr(6))) {
        const std::uint32_t bits = *number;
        set(win::REG_DWORD,
            std::string{static_cast<char>(bits), static_cast<char>(bits >> 8),
                        static_cast<char>(bits >> 16), static_cast<char>(bits >> 24)});
      }
    } else if (!data.empty() && data.front() == '"') {
      // Quotes inside a text are not escaped, so the text ends at the line's
      // last quote; blanks and a comment may follow it.
      const std::size_t close = data.rfind('"');
      if (close == 0 || !RestIsEmpty(data, close + 1)) return;
      set(win::REG_SZ, std::string(data.substr(1, close - 1)) + '\0');
    } else {
      set(win::REG_SZ, std::string(data) + '\0');
    }
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 1;
};

}  // namespace

std::int32_t clsRegistryAccess::ImportRegScript(std::string_view script) {
  createKeyIfDoesntExists_ = true;
  try {
    return ScriptImport(script).Run(*this);
  } catch (...) {
    return 0;  // out of memory: the lines before stay applied
  }
}
