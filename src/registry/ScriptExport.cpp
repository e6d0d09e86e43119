// Export of a key tree to a REGEDIT4 script.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "registry/RegistryEnum.h"
#include "registry/RegistryOpen.h"
#include "registry/RegistryPath.h"
#include "registry/RegistryText.h"
#include "registry/ScriptFile.h"
#include "registry/ScriptSyntax.h"
#include "registry/clsRegistryAccess.h"

namespace {

using registry::DwordOf;
using registry::EnumeratedValue;
using registry::FitsOnOneLine;
using registry::KeyContents;
using registry::NameReadsBack;
using registry::ReadKeyContents;
using registry::TextOf;

// Eight upper-case hex digits: 30 is "0000001E".
std::string Hex8(std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

// Whether the line written for a value brings back less than is stored: a
// text's line ends at its first NUL, and a number's line holds four bytes.
bool LineLosesData(const EnumeratedValue& value) {
  switch (value.type) {
    case win::REG_SZ: {
      const std::size_t end = value.data.find('\0');
      return end != std::string::npos &&
             value.data.find_first_not_of('\0', end) != std::string::npos;
    }
    case win::REG_DWORD:
      return value.data.size() != 4;
    default:
      return false;
  }
}

}  // namespace

std::int32_t clsRegistryAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile,
                                            bool IncludeSubkeys, const RegExportProgress& Output) {
  try {
    registry::ScriptWriter out;
    if (!out.CreateNew(sRegFile) || !out.Append("REGEDIT4\r\n\r\n")) return 0;
    bool complete = true;
    const bool written = ExportKeyToFile(sPath, out, IncludeSubkeys, Output, &complete);
    return out.Close() && written && complete ? 1 : 0;
  } catch (...) {
    return 0;  // out of memory: what was written so far stays, and the export failed
  }
}

bool clsRegistryAccess::ExportKeyToFile(const std::string& sPath, registry::ScriptWriter& out,
                                        bool IncludeSubkeys, const RegExportProgress& Output,
                                        bool* complete) {
  const std::string path = registry::LongRootPath(sPath);
  if (Output) {
    try {
      Output(path);
    } catch (...) {
      return false;
    }
  }
  if (!FitsOnOneLine(path)) {
    // No header can name this key, nor anything below it.
    *complete = false;
    return true;
  }

  // One enumeration serves the default value, the three groups of values
  // and the sub-keys; the key is open only while it is read. A key that is
  // not there (or went while it was read) has no lines; one that could not
  // be read whole makes the export incomplete.
  KeyContents contents;
  const win::LSTATUS read = ReadKeyContents(registry::RootKeyOf(path), registry::SubKeyOf(path),
                                            IncludeSubkeys, &contents);
  if (read != win::ERROR_SUCCESS && !registry::IsVanished(read)) *complete = false;
  const auto ofType = [&](win::DWORD type) {
    std::vector<const EnumeratedValue*> entries;
    for (const EnumeratedValue& value : contents.values) {
      if (value.type == type) entries.push_back(&value);
    }
    return entries;
  };
  const auto hasDefault = [](const std::vector<const EnumeratedValue*>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const EnumeratedValue* value) { return value->name.empty(); });
  };
  const auto strings = ofType(win::REG_SZ);
  const auto binaries = ofType(win::REG_BINARY);
  const auto numbers = ofType(win::REG_DWORD);

  std::string block = "[" + path + "]\r\n";
  // The default value goes out as text whatever its type, as ReadString
  // reads it; a binary or number default also has its own line below.
  const auto dflt = std::find_if(contents.values.begin(), contents.values.end(),
                                 [](const EnumeratedValue& value) { return value.name.empty(); });
  if (dflt != contents.values.end()) {
    const std::string text = TextOf(dflt->data);
    if (FitsOnOneLine(text)) {
      block += "@=\"" + text + "\"\r\n";
      if (dflt->type == win::REG_SZ && LineLosesData(*dflt)) *complete = false;
    } else if (!hasDefault(binaries) && !hasDefault(numbers)) {
      *complete = false;  // no other line carries it
    }
  }
  // A value whose line could not read back is left out, and the export is
  // then incomplete; so it is when the line brings back less than is stored.
  const auto writable = [&](const EnumeratedValue& value, std::string_view text) {
    if (NameReadsBack(value.name) && FitsOnOneLine(text)) {
      if (LineLosesData(value)) *complete = false;
      return true;
    }
    *complete = false;
    return false;
  };
  for (const EnumeratedValue* value : strings) {
    if (value->name.empty()) continue;  // written as "@=" above
    const std::string text = TextOf(value->data);
    if (writable(*value, text)) block += "\"" + value->name + "\"=\"" + text + "\"\r\n";
  }
  for (const EnumeratedValue* value : binaries) {
    if (!writable(*value, {})) continue;
    std::string bytes(registry::Trim(BinToStr(value->data)));
    std::replace(bytes.begin(), bytes.end(), ' ', ',');
    block += "\"" + value->name + "\"=hex:" + bytes + "\r\n";
  }
  for (const EnumeratedValue* value : numbers) {
    if (!writable(*value, {})) continue;
    block += "\"" + value->name +
             "\"=dword:" + Hex8(static_cast<std::uint32_t>(DwordOf(value->data))) + "\r\n";
  }
  block += "\r\n";
  if (!out.Append(block)) return false;

  // One buffer holds each sub-key's path in turn.
  std::string child = path + '\\';
  const std::size_t parentLength = child.size();
  for (const std::string& key : contents.subKeys) {
    child.resize(parentLength);
    child += key;
    if (!ExportKeyToFile(child, out, true, Output, complete)) return false;
  }
  return true;
}
