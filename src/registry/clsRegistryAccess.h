// A general registry class over textual key paths ("HKCU\Software\x" or
// "HKEY_CURRENT_USER\Software\x"), with binary values carried as hex text and
// export to and import from REGEDIT4 script files.
//
// Texts are byte strings in the system's ANSI code page, passed to and from
// the A functions unchanged; binary data inside the class is "byte text", one
// char per byte. Every key an operation opens is closed before it returns.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Registry.h"

namespace registry {
class ScriptWriter;
}

// One entry of EnumValues: a text (REG_SZ, or REG_BINARY as hex text), a
// number (REG_DWORD) or nothing (any other type).
using RegEnumValue = std::variant<std::monostate, std::string, std::int32_t>;

// Shows the key being exported; it stands where a text box would. Throwing
// from it ends the export with the result 0.
using RegExportProgress = std::function<void(const std::string& keyPath)>;

class clsRegistryAccess {
 public:
  clsRegistryAccess() = default;

  // Whether the three write operations create a missing key first.
  bool CreateKeyIfDoesntExists() const { return createKeyIfDoesntExists_; }
  void CreateKeyIfDoesntExists(bool offon) { createKeyIfDoesntExists_ = offon; }

  // The operations that change the registry return the handle of the key they
  // opened (and closed again) when they got as far as their change, else 0.
  // The handle keeps its full width so that no real handle reads as 0.
  win::HKEY CreateKey(const std::string& sPath);
  win::HKEY KillKey(const std::string& sPath);
  bool KeyExists(const std::string& sPath);
  // Count of sub-key names delivered, or -1 when the key cannot be opened.
  std::int32_t EnumKeys(const std::string& sPath, std::vector<std::string>& keys);
  bool HaveSubkey(const std::string& sPath);

  // sName "@" is the default value here (and only here).
  win::HKEY WriteString(const std::string& sPath, const std::string& sName,
                        const std::string& sValue);
  // The stored bytes up to the first NUL, whatever the type; sDefault when the
  // key or the value cannot be read.
  std::string ReadString(const std::string& sPath, const std::string& sName,
                         const std::string& sDefault);
  win::HKEY WriteDWORD(const std::string& sPath, const std::string& sName, std::int32_t lValue);
  std::int32_t ReadDWORD(const std::string& sPath, const std::string& sName, std::int32_t lDefault);
  // sValue is hex text ("01 A0 FF"); see StrToBin for how it is read.
  win::HKEY WriteBinary(const std::string& sPath, const std::string& sName,
                        const std::string& sValue);
  // The bytes as hex text "01 A0 FF", or sDefault as given.
  std::string ReadBinary(const std::string& sPath, const std::string& sName,
                         const std::string& sDefault);
  win::HKEY KillValue(const std::string& sPath, const std::string& sName);
  bool ValueExists(const std::string& sPath, const std::string& sName);
  // OnlyType is a value type or -1 for all. Count of entries, or -1 (and both
  // arrays untouched) when the key cannot be opened.
  std::int32_t EnumValues(const std::string& sPath, std::vector<std::string>& names,
                          std::vector<RegEnumValue>& values, std::int32_t OnlyType);

  // Writes the key (and with IncludeSubkeys its whole tree) to a new script
  // file: "REGEDIT4", then per key its "[path]" header with the long root
  // name, "@=" for an existing default value, then its string, binary
  // ("hex:") and number ("dword:") values, names and texts unescaped, and an
  // empty line. 1 on success; 0 when the file exists already, on an I/O
  // error, when Output throws, or when an item could not be written: a name,
  // text or key name holding CR or LF, or a name holding a quote followed by
  // "=". Such items are left out; everything else is written.
  std::int32_t ExportToReg(const std::string& sPath, const std::string& sRegFile,
                           bool IncludeSubkeys, const RegExportProgress& Output = {});
  // Applies a script file. 1 when it was processed to its end; 0 for a
  // missing file, a first line other than "REGEDIT4" (any case), or a header
  // of the single character "[" (the lines before it stay applied).
  //
  // Lines end in CR LF. Each "[path]" creates its key and takes the value
  // lines up to the next "[" line; "[-path]" deletes a key without sub-keys.
  // A header that does not end in "]" or names no root is skipped with its
  // value lines. A value line is name=data: a quoted name ends at the quote
  // followed by "=", an unquoted one at the first "=" ("@" alone is the
  // default value). Data "-" deletes the value; "hex:" gives a binary value
  // (its lines may go on after a backslash), "dword:" a number of 1 to 8 hex
  // digits, a quoted text the text up to the line's last quote, anything
  // else the data as a text. Blanks and a ";" comment may follow a "-",
  // hex bytes, a number or a quoted text; "hex(n):" values and malformed
  // data are skipped. No escape sequences.
  // Leaves CreateKeyIfDoesntExists true.
  std::int32_t ImportFromReg(const std::string& sRegFile);
  // ImportFromReg after the file has been read: the whole script as bytes.
  std::int32_t ImportRegScript(std::string_view script);

  // Hex text to byte text; leaves the caller's text without its spaces.
  static std::string StrToBin(std::string& sBin);
  // Byte text to hex text, each byte preceded by a space: " 01 A0 FF".
  static std::string BinToStr(std::string_view sStr);
  static bool isBinValid(std::string_view sBin);

 private:
  struct RegPath {
    win::HKEY root = 0;  // 0 for an unknown root name
    std::string subKey;
  };
  static RegPath SplitRegPath(const std::string& path);

  // Appends the key's block (and with IncludeSubkeys those of the keys below
  // it); false when the file could not be written or Output threw. An item
  // the format cannot hold is left out and clears `complete`.
  bool ExportKeyToFile(const std::string& sPath, registry::ScriptWriter& out, bool IncludeSubkeys,
                       const RegExportProgress& Output, bool* complete);
  // The whole data of a value of the key, read with KEY_READ; false when the
  // key cannot be opened or the value read.
  bool ReadData(const std::string& sPath, const std::string& sName, std::string* data);
  // The write operations' first step: false when the key is missing and may
  // not be created.
  bool EnsureKey(const std::string& sPath);
  // The write operations' common steps: make sure of the key, open it for
  // writing, set the value; the key's handle value, or 0.
  win::HKEY WriteValue(const std::string& sPath, const std::string& name, win::DWORD type,
                       const win::BYTE* data, win::DWORD size);

  bool createKeyIfDoesntExists_ = true;
};
