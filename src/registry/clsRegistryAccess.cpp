#include "registry/clsRegistryAccess.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "platform/Services.h"
#include "registry/ScriptFile.h"

namespace {

using win::DWORD;
using win::HKEY;
using win::LSTATUS;

platform::Registry& Registry() { return platform::Use<platform::Registry>(); }

struct RootName {
  std::string_view longName;
  std::string_view shortName;
  HKEY key;
};

// The root names a path may begin with, in both forms.
constexpr std::array<RootName, 7> kRoots = {{
    {"HKEY_CURRENT_USER", "HKCU", win::HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", "HKLM", win::HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", "HKCR", win::HKEY_CLASSES_ROOT},
    {"HKEY_USERS", "HKUS", win::HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", "HKPD", win::HKEY_PERFORMANCE_DATA},
    {"HKEY_DYN_DATA", "HKDD", win::HKEY_DYN_DATA},
    {"HKEY_CURRENT_CONFIG", "HKCC", win::HKEY_CURRENT_CONFIG},
}};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
  return upper;
}

// The root is a path's first component, named whole in its long or short
// form: "HKCUStuff" or "HKEY_CURRENT_USERS" name no root (0), and a root name
// further on is an ordinary key name.
HKEY RootKeyOf(std::string_view path) {
  const std::string first = UpperCase(path.substr(0, path.find('\\')));
  for (const RootName& root : kRoots) {
    if (root.shortName == first || root.longName == first) return root.key;
  }
  return 0;
}

// Everything after the first backslash: the sub-key below the root.
std::string SubKeyOf(std::string_view path) {
  const std::size_t backslash = path.find('\\');
  return backslash == std::string_view::npos ? std::string()
                                             : std::string(path.substr(backslash + 1));
}

bool IsPredefined(HKEY key) {
  return std::any_of(kRoots.begin(), kRoots.end(),
                     [key](const RootName& root) { return root.key == key; });
}

// A key handle that is closed when it goes out of scope. The open functions
// hand back the caller's own predefined key for an empty sub-key; that one
// was not opened here and is not closed.
class OpenedKey {
 public:
  OpenedKey() = default;
  ~OpenedKey() {
    if (key_ != 0 && !IsPredefined(key_)) Registry().RegCloseKey(key_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  HKEY* Out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = 0;
};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && UpperCase(text.substr(0, prefix.size())) == prefix;
}

std::string_view Trim(std::string_view text, std::string_view blanks = " ") {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

const win::BYTE* Bytes(const std::string& text) {
  return reinterpret_cast<const win::BYTE*>(text.data());
}

// The whole data of a value, however long: the size is asked first, and a
// value that grows between the two calls is asked again.
bool QueryAll(HKEY key, const std::string& name, std::string* data) {
  DWORD size = 0;
  if (Registry().RegQueryValueExA(key, name.c_str(), nullptr, nullptr, &size) !=
      win::ERROR_SUCCESS) {
    return false;
  }
  for (int attempt = 0; attempt < 8; ++attempt) {
    // One byte more than asked for: room for the NUL the system appends to a
    // string stored without one, so the call never fails for want of it.
    data->assign(static_cast<std::size_t>(size) + 1, '\0');
    size = static_cast<DWORD>(data->size());
    const LSTATUS status = Registry().RegQueryValueExA(
        key, name.c_str(), nullptr, reinterpret_cast<win::BYTE*>(data->data()), &size);
    if (status == win::ERROR_SUCCESS) {
      data->resize(std::min<std::size_t>(size, data->size()));
      return true;
    }
    if (status != win::ERROR_MORE_DATA) return false;
  }
  return false;
}

std::string Hex8(std::uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(8, '0');
  for (int i = 7; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = kDigits[value & 15];
  return text;
}

// The buffers an enumeration starts with, and how far a name buffer may grow:
// value names are at most 16383 characters, and an ANSI name may take two
// bytes per character.
constexpr std::size_t kEnumBuffer = 256;
constexpr std::size_t kMaxNameBuffer = 32768;

// One sub-key name by index, the buffer grown until the name fits.
LSTATUS EnumKeyName(HKEY key, DWORD index, std::string* name) {
  for (std::size_t room = kEnumBuffer;; room *= 2) {
    name->assign(room, '\0');
    auto length = static_cast<DWORD>(room);
    const LSTATUS status = Registry().RegEnumKeyExA(key, index, name->data(), &length);
    if (status == win::ERROR_SUCCESS) name->resize(std::min<std::size_t>(length, room));
    if (status != win::ERROR_MORE_DATA || room >= kMaxNameBuffer) return status;
  }
}

struct EnumeratedValue {
  std::string name;
  DWORD type = win::REG_NONE;
  std::string data;
};

// One value by index with its whole name and data. A short data buffer is
// told the size it needs; a short name buffer is not, so that one doubles.
LSTATUS EnumValue(HKEY key, DWORD index, EnumeratedValue* value) {
  std::size_t nameRoom = kEnumBuffer;
  std::size_t dataRoom = kEnumBuffer;
  for (int attempt = 0; attempt < 24; ++attempt) {
    value->name.assign(nameRoom, '\0');
    value->data.assign(dataRoom, '\0');
    auto nameLength = static_cast<DWORD>(nameRoom);
    auto dataSize = static_cast<DWORD>(dataRoom);
    const LSTATUS status =
        Registry().RegEnumValueA(key, index, value->name.data(), &nameLength, &value->type,
                                 reinterpret_cast<win::BYTE*>(value->data.data()), &dataSize);
    if (status == win::ERROR_SUCCESS) {
      value->name.resize(std::min<std::size_t>(nameLength, nameRoom));
      value->data.resize(std::min<std::size_t>(dataSize, dataRoom));
      return status;
    }
    if (status != win::ERROR_MORE_DATA) return status;
    if (dataSize > dataRoom) {
      dataRoom = static_cast<std::size_t>(dataSize) + 1;
    } else if (nameRoom < kMaxNameBuffer) {
      nameRoom *= 2;
    } else {
      return status;
    }
  }
  return win::ERROR_MORE_DATA;
}

// A value's data as ReadString gives it: the bytes up to the first NUL.
std::string TextOf(const std::string& data) { return data.substr(0, data.find('\0')); }

// A value's data as ReadDWORD gives it: shorter data fills only the
// low-order bytes, and data longer than four bytes gives 0.
std::int32_t DwordOf(const std::string& data) {
  if (data.size() > 4) return 0;
  std::uint32_t bits = 0;
  for (std::size_t i = data.size(); i-- > 0;) {
    bits = (bits << 8) | static_cast<unsigned char>(data[i]);
  }
  return static_cast<std::int32_t>(bits);
}

// Every value of a key with its whole data, and its sub-key names.
struct KeyContents {
  std::vector<EnumeratedValue> values;
  std::vector<std::string> subKeys;
};

// A path's first component lengthened when it is a short root name, as the
// headers of an export show it; the rest of the path is never touched.
std::string LongRootPath(const std::string& path) {
  const std::size_t end = std::min(path.find('\\'), path.size());
  const std::string first = UpperCase(std::string_view(path).substr(0, end));
  for (const RootName& root : kRoots) {
    if (root.shortName == first) return std::string(root.longName) + path.substr(end);
  }
  return path;
}

// A script cut into lines at every CR LF; a bare CR or LF stays in its line.
std::vector<std::string_view> SplitLines(std::string_view script) {
  std::vector<std::string_view> lines;
  std::size_t from = 0;
  for (std::size_t at = script.find("\r\n"); at != std::string_view::npos;
       at = script.find("\r\n", from)) {
    lines.push_back(script.substr(from, at - from));
    from = at + 2;
  }
  lines.push_back(script.substr(from));
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Lines of a script are trimmed of the blanks an editor may leave around them.
std::string_view TrimLine(std::string_view line) { return Trim(line, " \t"); }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Nothing but blanks, and perhaps a ";" comment, from `at` to the end.
bool RestIsEmpty(std::string_view text, std::size_t at) {
  at = SkipBlanks(text, at);
  return at == text.size() || text[at] == ';';
}

}  // namespace

clsRegistryAccess::RegPath clsRegistryAccess::SplitRegPath(std::string path) {
  return RegPath{RootKeyOf(path), SubKeyOf(path)};
}

namespace {

// Opens root\subKey; an unknown root (0) opens nothing, whatever the system
// would make of a null key with an empty sub-key.
bool OpenEx(HKEY root, const std::string& subKey, win::REGSAM access, OpenedKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyExA(root, subKey.c_str(), 0, access, key->Out()) ==
             win::ERROR_SUCCESS &&
         key->get() != 0;
}

bool OpenPlain(HKEY root, const std::string& subKey, OpenedKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyA(root, subKey.c_str(), key->Out()) == win::ERROR_SUCCESS &&
         key->get() != 0;
}

// A key's contents through one handle, the sub-key names only when asked
// for; false (and nothing read) when the key cannot be opened.
bool ReadKeyContents(HKEY root, const std::string& subKey, bool withSubKeys,
                     KeyContents* contents) {
  OpenedKey key;
  if (!OpenPlain(root, subKey, &key)) return false;
  EnumeratedValue found;
  for (DWORD index = 0; EnumValue(key.get(), index, &found) == win::ERROR_SUCCESS; ++index) {
    contents->values.push_back(std::move(found));
  }
  std::string name;
  for (DWORD index = 0; withSubKeys && EnumKeyName(key.get(), index, &name) == win::ERROR_SUCCESS;
       ++index) {
    contents->subKeys.push_back(name);
  }
  return true;
}

}  // namespace

HKEY clsRegistryAccess::CreateKey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  if (path.root == 0) return 0;
  OpenedKey key;
  if (Registry().RegCreateKeyA(path.root, path.subKey.c_str(), key.Out()) != win::ERROR_SUCCESS) {
    return 0;
  }
  return key.get();
}

HKEY clsRegistryAccess::KillKey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_ALL_ACCESS, &key)) return 0;
  // The key deletes itself; it refuses while it has sub-keys, and then the
  // caller must hear that nothing was deleted.
  if (Registry().RegDeleteKeyA(key.get(), "") != win::ERROR_SUCCESS) return 0;
  return key.get();
}

bool clsRegistryAccess::KeyExists(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  return OpenEx(path.root, path.subKey, win::KEY_ALL_ACCESS, &key);
}

std::int32_t clsRegistryAccess::EnumKeys(const std::string& sPath, std::vector<std::string>& keys) {
  const RegPath path = SplitRegPath(sPath);
  keys.clear();
  OpenedKey key;
  if (!OpenPlain(path.root, path.subKey, &key)) return -1;
  std::string name;
  // Past the last key comes ERROR_NO_MORE_ITEMS; any other failure would
  // repeat for every further index, so it ends the list as well.
  for (DWORD index = 0; EnumKeyName(key.get(), index, &name) == win::ERROR_SUCCESS; ++index) {
    keys.push_back(name);
  }
  return static_cast<std::int32_t>(keys.size());
}

bool clsRegistryAccess::HaveSubkey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenPlain(path.root, path.subKey, &key)) return false;
  std::string name;
  return EnumKeyName(key.get(), 0, &name) != win::ERROR_NO_MORE_ITEMS;
}

bool clsRegistryAccess::EnsureKey(const std::string& sPath) {
  if (KeyExists(sPath)) return true;
  if (!createKeyIfDoesntExists_) return false;
  CreateKey(sPath);  // a failure shows when the key is opened for writing
  return true;
}

HKEY clsRegistryAccess::WriteValue(const std::string& sPath, const std::string& name, DWORD type,
                                   const win::BYTE* data, DWORD size) {
  if (!EnsureKey(sPath)) return 0;
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_WRITE, &key)) return 0;
  const LSTATUS status = Registry().RegSetValueExA(key.get(), name.c_str(), 0, type, data, size);
  return status == win::ERROR_SUCCESS ? key.get() : 0;
}

HKEY clsRegistryAccess::WriteString(const std::string& sPath, const std::string& sName,
                                    const std::string& sValue) {
  // The text with its terminating NUL, counted in the length.
  return WriteValue(sPath, sName == "@" ? std::string() : sName, win::REG_SZ, Bytes(sValue),
                    static_cast<DWORD>(sValue.size() + 1));
}

std::string clsRegistryAccess::ReadString(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_READ, &key)) return sDefault;
  std::string data;
  if (!QueryAll(key.get(), sName, &data)) return sDefault;
  return data.substr(0, data.find('\0'));
}

HKEY clsRegistryAccess::WriteDWORD(const std::string& sPath, const std::string& sName,
                                   std::int32_t lValue) {
  const auto bits = static_cast<std::uint32_t>(lValue);
  const std::array<win::BYTE, 4> bytes = {
      static_cast<win::BYTE>(bits), static_cast<win::BYTE>(bits >> 8),
      static_cast<win::BYTE>(bits >> 16), static_cast<win::BYTE>(bits >> 24)};
  return WriteValue(sPath, sName, win::REG_DWORD, bytes.data(), 4);
}

std::int32_t clsRegistryAccess::ReadDWORD(const std::string& sPath, const std::string& sName,
                                          std::int32_t lDefault) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_READ, &key)) return lDefault;
  // Shorter data fills only the low-order bytes; longer data does not fit and
  // gives the default.
  std::array<win::BYTE, 4> bytes = {0, 0, 0, 0};
  DWORD size = 4;
  DWORD type = win::REG_DWORD;
  if (Registry().RegQueryValueExA(key.get(), sName.c_str(), &type, bytes.data(), &size) !=
      win::ERROR_SUCCESS) {
    return lDefault;
  }
  const std::uint32_t bits = bytes[0] | (std::uint32_t{bytes[1]} << 8) |
                             (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
  return static_cast<std::int32_t>(bits);
}

HKEY clsRegistryAccess::WriteBinary(const std::string& sPath, const std::string& sName,
                                    const std::string& sValue) {
  std::string hex = sValue;
  const std::string bytes = StrToBin(hex);
  return WriteValue(sPath, sName, win::REG_BINARY, Bytes(bytes), static_cast<DWORD>(bytes.size()));
}

std::string clsRegistryAccess::ReadBinary(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_READ, &key)) return sDefault;
  std::string data;
  if (!QueryAll(key.get(), sName, &data)) return sDefault;
  return std::string(Trim(BinToStr(data)));
}

HKEY clsRegistryAccess::KillValue(const std::string& sPath, const std::string& sName) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_WRITE, &key)) return 0;
  Registry().RegDeleteValueA(key.get(), sName.c_str());  // a missing value is no failure here
  return key.get();
}

bool clsRegistryAccess::ValueExists(const std::string& sPath, const std::string& sName) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenEx(path.root, path.subKey, win::KEY_READ, &key)) return false;
  DWORD size = 1;
  return Registry().RegQueryValueExA(key.get(), sName.c_str(), nullptr, nullptr, &size) ==
         win::ERROR_SUCCESS;
}

std::int32_t clsRegistryAccess::EnumValues(const std::string& sPath,
                                           std::vector<std::string>& names,
                                           std::vector<RegEnumValue>& values,
                                           std::int32_t OnlyType) {
  const RegPath path = SplitRegPath(sPath);
  OpenedKey key;
  if (!OpenPlain(path.root, path.subKey, &key)) return -1;
  names.clear();
  values.clear();
  EnumeratedValue found;
  for (DWORD index = 0; EnumValue(key.get(), index, &found) == win::ERROR_SUCCESS; ++index) {
    if (OnlyType != -1 && static_cast<DWORD>(OnlyType) != found.type) continue;
    names.push_back(found.name);  // exactly as stored
    // Numbers and texts read as ReadDWORD and ReadString would read them,
    // from the data the enumeration has already delivered.
    switch (found.type) {
      case win::REG_BINARY:
        values.emplace_back(std::string(Trim(BinToStr(found.data))));
        break;
      case win::REG_DWORD:
        values.emplace_back(DwordOf(found.data));
        break;
      case win::REG_SZ:
        values.emplace_back(TextOf(found.data));
        break;
      default:
        values.emplace_back(std::monostate{});
        break;
    }
  }
  return static_cast<std::int32_t>(names.size());
}

std::string clsRegistryAccess::StrToBin(std::string& sBin) {
  sBin.erase(std::remove(sBin.begin(), sBin.end(), ' '), sBin.end());
  const std::size_t length = sBin.size();
  // Half the length rounded to the nearest whole number, halves to the even
  // one: 1 digit gives no byte, 3 give two, 5 give two, 7 give four.
  std::size_t pieces = length / 2;
  if (length % 2 == 1 && pieces % 2 == 1) ++pieces;
  std::string bytes;
  bytes.reserve(pieces);
  for (std::size_t i = 0; i < pieces; ++i) {
    // A piece is read as hex up to its first character that is no hex digit.
    int value = 0;
    for (std::size_t at = 2 * i; at < std::min(2 * i + 2, length); ++at) {
      const int digit = HexDigit(sBin[at]);
      if (digit < 0) break;
      value = value * 16 + digit;
    }
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

std::string clsRegistryAccess::BinToStr(std::string_view sStr) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(sStr.size() * 3);
  for (const char c : sStr) {
    const auto byte = static_cast<unsigned char>(c);
    hex.push_back(' ');
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 15]);
  }
  return hex;
}

bool clsRegistryAccess::isBinValid(std::string_view sBin) {
  std::string digits(sBin);
  digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
  if (digits.empty()) return false;
  return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; });
}

namespace {

// A CR or LF would end a script line early and turn the rest into lines of
// their own, so an item holding one cannot be written.
bool FitsOnOneLine(std::string_view text) {
  return text.find_first_of("\r\n") == std::string::npos;
}

// A quoted name reads back up to its first quote that is followed by blanks
// and "=": a name holding such a quote would come back cut short.
bool NameReadsBack(std::string_view name) {
  if (!FitsOnOneLine(name)) return false;
  for (std::size_t quote = name.find('"'); quote != std::string::npos;
       quote = name.find('"', quote + 1)) {
    const std::size_t after = SkipBlanks(name, quote + 1);
    if (after < name.size() && name[after] == '=') return false;
  }
  return true;
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
  const std::string path = LongRootPath(sPath);
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
  // and the sub-keys; the key is open only while it is read.
  KeyContents contents;
  ReadKeyContents(RootKeyOf(path), SubKeyOf(path), IncludeSubkeys, &contents);
  const auto ofType = [&](DWORD type) {
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
    } else if (!hasDefault(binaries) && !hasDefault(numbers)) {
      *complete = false;  // no other line carries it
    }
  }
  for (const EnumeratedValue* value : strings) {
    if (value->name.empty()) continue;  // written as "@=" above
    const std::string text = TextOf(value->data);
    if (!NameReadsBack(value->name) || !FitsOnOneLine(text)) {
      *complete = false;
      continue;
    }
    block += "\"" + value->name + "\"=\"" + text + "\"\r\n";
  }
  for (const EnumeratedValue* value : binaries) {
    if (!NameReadsBack(value->name)) {
      *complete = false;
      continue;
    }
    std::string bytes(Trim(BinToStr(value->data)));
    std::replace(bytes.begin(), bytes.end(), ' ', ',');
    block += "\"" + value->name + "\"=hex:" + bytes + "\r\n";
  }
  for (const EnumeratedValue* value : numbers) {
    if (!NameReadsBack(value->name)) {
      *complete = false;
      continue;
    }
    block += "\"" + value->name +
             "\"=dword:" + Hex8(static_cast<std::uint32_t>(DwordOf(value->data))) + "\r\n";
  }
  block += "\r\n";
  if (!out.Append(block)) return false;

  for (const std::string& key : contents.subKeys) {
    if (!ExportKeyToFile(path + "\\" + key, out, true, Output, complete)) return false;
  }
  return true;
}

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
// value. A quoted name ends at the first quote followed by blanks and "=", so
// it may hold "=" and quotes; an unquoted name ends at the first "=", and "@"
// alone names the default value.
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
    const HKEY root = RootKeyOf(target);
    if (root == 0) return SkipBlock();
    if (deletion) {
      reg.KillKey(target);
      return SkipBlock();
    }
    // The key exists after its header, so an exported key without values
    // comes back too; the block's values are written through this one handle.
    OpenedKey key;
    if (Registry().RegCreateKeyA(root, SubKeyOf(target).c_str(), key.Out()) != win::ERROR_SUCCESS ||
        key.get() == 0) {
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
    } else if (StartsWithNoCase(data, "HEX:")) {
      std::string bytes;
      if (ReadHexValue(data.substr(4), &bytes)) set(win::REG_BINARY, bytes);
    } else if (StartsWithNoCase(data, "HEX(")) {
      // Another tool's typed value ("hex(2):..."): this class writes none of
      // those types, and a string holding the hex text would be wrong data.
      // Its bytes are still read, so that its continuation lines go with it.
      std::string ignored;
      const std::size_t colon = data.find("):");
      if (colon != std::string_view::npos) ReadHexValue(data.substr(colon + 2), &ignored);
    } else if (StartsWithNoCase(data, "DWORD:")) {
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
