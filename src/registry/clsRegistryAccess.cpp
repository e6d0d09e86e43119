#include "registry/clsRegistryAccess.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "platform/Services.h"

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

// Long names are shortened in this order before a path is split, and short
// names lengthened in the same order for the headers of an export.
constexpr std::array<RootName, 7> kRoots = {{
    {"HKEY_CURRENT_USER", "HKCU", win::HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", "HKLM", win::HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", "HKCR", win::HKEY_CLASSES_ROOT},
    {"HKEY_USERS", "HKUS", win::HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", "HKPD", win::HKEY_PERFORMANCE_DATA},
    {"HKEY_DYN_DATA", "HKDD", win::HKEY_DYN_DATA},
    {"HKEY_CURRENT_CONFIG", "HKCC", win::HKEY_CURRENT_CONFIG},
}};

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

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
  return upper;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && UpperCase(text.substr(0, prefix.size())) == prefix;
}

// Every occurrence of `what`, compared without regard to case, replaced by `with`.
std::string ReplaceNoCase(std::string_view text, std::string_view what, std::string_view with) {
  const std::string upperText = UpperCase(text);
  const std::string upperWhat = UpperCase(what);
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = upperText.find(upperWhat); at != std::string::npos;
       at = upperText.find(upperWhat, from)) {
    result.append(text.substr(from, at - from)).append(with);
    from = at + what.size();
  }
  result.append(text.substr(from));
  return result;
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

// Short root names lengthened, anywhere in the path, as export headers show them.
std::string ExpandRootNames(const std::string& path) {
  std::string expanded = path;
  for (const RootName& root : kRoots) {
    expanded = ReplaceNoCase(expanded, root.shortName, root.longName);
  }
  return expanded;
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

// Lines of a script are trimmed of the blanks an editor may leave around them.
std::string_view TrimLine(std::string_view line) { return Trim(line, " \t"); }

// Names and string data lose only the pair of quotes that encloses them.
std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

}  // namespace

clsRegistryAccess::RegPath clsRegistryAccess::SplitRegPath(std::string path) {
  for (const RootName& root : kRoots) path = ReplaceNoCase(path, root.longName, root.shortName);
  RegPath split;
  std::string rootName;
  if (const auto backslash = path.find('\\'); backslash != std::string::npos) {
    // Only the first four characters name the root, whatever stands before the backslash.
    rootName = UpperCase(std::string_view(path).substr(0, 4));
    split.subKey = path.substr(backslash + 1);
  } else {
    rootName = UpperCase(path);
  }
  for (const RootName& root : kRoots) {
    if (root.shortName == rootName) split.root = root.key;
  }
  return split;
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
    // The name exactly as stored: it is the name the reads below look up.
    names.push_back(found.name);
    switch (found.type) {
      case win::REG_BINARY:
        values.emplace_back(std::string(Trim(BinToStr(found.data))));
        break;
      case win::REG_DWORD:
        values.emplace_back(ReadDWORD(sPath, found.name, 0));
        break;
      case win::REG_SZ:
        values.emplace_back(ReadString(sPath, found.name, ""));
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

std::int32_t clsRegistryAccess::ExportToReg(const std::string& sPath, const std::string& sRegFile,
                                            bool IncludeSubkeys, const RegExportProgress& Output) {
  const std::filesystem::path file(sRegFile);
  std::error_code error;
  if (std::filesystem::exists(file, error)) return 0;
  {
    std::ofstream out(file, std::ios::binary | std::ios::out);
    if (!out) return 0;
    out << "REGEDIT4\r\n\r\n";
    out.close();
    if (out.fail()) return 0;
  }
  return ExportKeyToFile(sPath, sRegFile, IncludeSubkeys, Output) ? 1 : 0;
}

bool clsRegistryAccess::ExportKeyToFile(const std::string& sPath, const std::string& sRegFile,
                                        bool IncludeSubkeys, const RegExportProgress& Output) {
  const std::string path = ExpandRootNames(sPath);
  if (Output) {
    try {
      Output(path);
    } catch (...) {
      return false;
    }
  }

  std::string block = "[" + path + "]\r\n";
  // A default value that exists reads as something other than the one NUL
  // character, which no read can return since reads stop at the first NUL.
  const std::string absent(1, '\0');
  if (const std::string text = ReadString(path, "", absent); text != absent) {
    block += "@=\"" + text + "\"\r\n";
  }
  std::vector<std::string> names;
  std::vector<RegEnumValue> values;
  EnumValues(path, names, values, win::REG_SZ);
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i].empty()) continue;  // written as "@=" above
    block += "\"" + names[i] + "\"=\"" + std::get<std::string>(values[i]) + "\"\r\n";
  }
  EnumValues(path, names, values, win::REG_BINARY);
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string bytes = std::get<std::string>(values[i]);
    std::replace(bytes.begin(), bytes.end(), ' ', ',');
    block += "\"" + names[i] + "\"=hex:" + bytes + "\r\n";
  }
  EnumValues(path, names, values, win::REG_DWORD);
  for (std::size_t i = 0; i < names.size(); ++i) {
    block += "\"" + names[i] +
             "\"=dword:" + Hex8(static_cast<std::uint32_t>(std::get<std::int32_t>(values[i]))) +
             "\r\n";
  }
  block += "\r\n";

  {
    std::ofstream out(std::filesystem::path(sRegFile), std::ios::binary | std::ios::app);
    if (!out) return false;
    out << block;
    out.close();
    if (out.fail()) return false;
  }

  if (IncludeSubkeys) {
    std::vector<std::string> keys;
    EnumKeys(path, keys);
    for (const std::string& key : keys) {
      if (!ExportKeyToFile(path + "\\" + key, sRegFile, true, Output)) return false;
    }
  }
  return true;
}

std::int32_t clsRegistryAccess::ImportFromReg(const std::string& sRegFile) {
  createKeyIfDoesntExists_ = true;
  std::ifstream in(std::filesystem::path(sRegFile), std::ios::binary);
  if (!in) return 0;
  const std::string script((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return 0;
  return ImportRegScript(script);
}

std::int32_t clsRegistryAccess::ImportRegScript(std::string_view script) {
  createKeyIfDoesntExists_ = true;
  const std::vector<std::string_view> lines = SplitLines(script);
  if (UpperCase(lines.front()) != "REGEDIT4") return 0;

  std::size_t next = 1;
  while (next < lines.size()) {
    const std::string_view header = TrimLine(lines[next++]);
    if (header.empty() || header.front() != '[') continue;
    if (header.size() < 2) return 0;  // "[" alone names no key
    const std::string keyPath(header.substr(1, header.size() - 2));
    if (!keyPath.empty() && keyPath.front() == '-') {
      KillKey(keyPath.substr(1));
      continue;
    }
    // The key exists after its header, so an exported key without values
    // comes back too.
    CreateKey(keyPath);
    while (next < lines.size()) {
      const std::string_view line = TrimLine(lines[next]);
      if (!line.empty() && line.front() == '[') break;
      ++next;
      if (line.empty() || line.front() == ';') continue;
      const auto equals = line.find('=');
      if (equals == std::string_view::npos) continue;
      std::string data(TrimLine(line.substr(equals + 1)));
      if (StartsWithNoCase(data, "HEX:") || StartsWithNoCase(data, "HEX(")) {
        // Hex data may go on over the following lines, each but the last
        // ending in a backslash; comment lines in between are skipped.
        while (!data.empty() && data.back() == '\\') {
          data.pop_back();
          while (next < lines.size() && TrimLine(lines[next]).starts_with(';')) ++next;
          if (next == lines.size()) break;
          const std::string_view more = TrimLine(lines[next]);
          if (more.empty() || more.front() == '[' || more.find('=') != std::string_view::npos) {
            break;  // not a continuation: the value ends here
          }
          data += more;
          ++next;
        }
      }
      ApplyValueLine(keyPath, Unquote(TrimLine(line.substr(0, equals))), data);
    }
  }
  return 1;
}

void clsRegistryAccess::ApplyValueLine(const std::string& keyPath, std::string_view name,
                                       std::string_view data) {
  const std::string valueName(name);
  if (data == "-") {
    KillValue(keyPath, valueName);
  } else if (StartsWithNoCase(data, "HEX:")) {
    std::string hex(data.substr(4));
    std::replace(hex.begin(), hex.end(), ',', ' ');
    WriteBinary(keyPath, valueName, hex);
  } else if (StartsWithNoCase(data, "HEX(")) {
    // Another tool's typed value ("hex(2):..."): this class writes none of
    // those types, and a string holding the hex text would be wrong data.
  } else if (StartsWithNoCase(data, "DWORD:")) {
    // Hex digits up to the first other character; none give 0. A number that
    // does not fit in 32 bits is not guessed at: the line is skipped.
    std::uint64_t number = 0;
    for (const char c : data.substr(6)) {
      const int digit = HexDigit(c);
      if (digit < 0) break;
      number = number * 16 + static_cast<std::uint64_t>(digit);
      if (number > 0xFFFFFFFFu) return;
    }
    WriteDWORD(keyPath, valueName, static_cast<std::int32_t>(static_cast<std::uint32_t>(number)));
  } else {
    WriteString(keyPath, valueName, std::string(Unquote(data)));
  }
}
