// clsRegistryAccess and its REGEDIT4 scripts over both backends, in a scratch
// key under HKCU\Software and files in a temporary directory.
#include <cstdio>
#include <string>
#include <vector>

#include "conformance/ContractTest.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTools.h"
#include "support/RegistryTree.h"
#include "support/ScratchDir.h"

namespace conformance {
namespace {

using testing_support::DeleteTree;
using testing_support::QueryRaw;
using testing_support::RawValue;
using testing_support::ReadBytes;
using testing_support::SetRaw;
using testing_support::WriteBytes;

std::string Sz(const std::string& text) { return text + '\0'; }

std::string Dword(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
  return bytes;
}

class RegistryAccessContract : public ContractTest {
 protected:
  void SetUp() override {
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey);
    baseline_ = Platform().OpenHandles();
  }
  void TearDown() override {
    EXPECT_EQ(Platform().OpenHandles(), baseline_) << "a handle was left open";
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey);
  }

  // The scratch key (or a key below it) as the class's path text.
  static std::string At(const std::string& below = "") {
    const std::string top = std::string("HKCU\\") + kScratchKey;
    return below.empty() ? top : top + "\\" + below;
  }
  static std::string Sub(const std::string& below = "") {
    return below.empty() ? std::string(kScratchKey) : std::string(kScratchKey) + "\\" + below;
  }
  void Raw(const std::string& below, const std::string& name, win::DWORD type,
           const std::string& data) {
    ASSERT_TRUE(SetRaw(Reg(), win::HKEY_CURRENT_USER, Sub(below), name, type, data));
  }
  std::optional<RawValue> Stored(const std::string& below, const std::string& name) {
    return QueryRaw(Reg(), win::HKEY_CURRENT_USER, Sub(below), name);
  }
  bool Exists(const std::string& below) {
    return testing_support::KeyExists(Reg(), win::HKEY_CURRENT_USER, Sub(below));
  }

  clsRegistryAccess reg_;
  testing_support::ScratchDir dir_;
  long baseline_ = 0;
};

TEST_F(RegistryAccessContract, RootNamesInEveryFormAddressTheSameTree) {
  const std::string sub = std::string(kScratchKey);
  EXPECT_NE(reg_.CreateKey("HKEY_CURRENT_USER\\" + sub + "\\Long"), 0u);
  EXPECT_NE(reg_.CreateKey("hkey_current_user\\" + sub + "\\Lower"), 0u);
  EXPECT_NE(reg_.CreateKey("hkcu\\" + sub + "\\Short"), 0u);
  EXPECT_NE(reg_.CreateKey("HKCU\\" + sub + "\\HKEY_LOCAL_MACHINE"), 0u);
  EXPECT_EQ(reg_.CreateKey("HKCUX\\" + sub + "\\Fifth"), 0u);
  EXPECT_EQ(reg_.CreateKey("HKEY_CURRENT_USERS\\" + sub + "\\Plural"), 0u);
  EXPECT_EQ(reg_.CreateKey("HKU\\" + sub + "\\Three"), 0u);
  for (const char* name : {"Long", "Lower", "Short", "HKEY_LOCAL_MACHINE"}) {
    EXPECT_TRUE(Exists(name)) << name;
  }
  for (const char* name : {"Fifth", "Plural", "Three"}) EXPECT_FALSE(Exists(name)) << name;
  EXPECT_TRUE(reg_.KeyExists("HKCU"));
  EXPECT_NE(reg_.CreateKey("HKCU"), 0u);
}

TEST_F(RegistryAccessContract, KeysAreCreatedTestedListedAndKilled) {
  const std::string name255(255, 'k');
  EXPECT_NE(reg_.CreateKey(At("Parent\\b")), 0u);
  EXPECT_NE(reg_.CreateKey(At("Parent\\A\\Deep")), 0u);
  // Wine's ANSI functions refuse a path over 260 characters, so the longest
  // key name is made relative to its parent.
  win::HKEY parent = 0;
  ASSERT_EQ(Reg().RegOpenKeyExA(win::HKEY_CURRENT_USER, Sub("Parent").c_str(), 0,
                                win::KEY_ALL_ACCESS, &parent),
            win::ERROR_SUCCESS);
  win::HKEY longest = 0;
  ASSERT_EQ(Reg().RegCreateKeyA(parent, name255.c_str(), &longest), win::ERROR_SUCCESS);
  Reg().RegCloseKey(longest);
  std::vector<std::string> keys{"stale"};
  EXPECT_EQ(reg_.EnumKeys(At("Parent"), keys), 3);
  EXPECT_EQ(keys, (std::vector<std::string>{"A", "b", name255}));
  EXPECT_TRUE(reg_.HaveSubkey(At("Parent")));
  EXPECT_FALSE(reg_.HaveSubkey(At("Parent\\b")));
  EXPECT_EQ(reg_.EnumKeys(At("Parent\\b"), keys), 0);
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(reg_.EnumKeys(At("Missing"), keys), -1);

  EXPECT_EQ(reg_.KillKey(At("Parent\\A")), 0u) << "it has a sub-key";
  EXPECT_TRUE(reg_.KeyExists(At("Parent\\A")));
  EXPECT_NE(reg_.KillKey(At("Parent\\A\\Deep")), 0u);
  EXPECT_NE(reg_.KillKey(At("Parent\\A")), 0u);
  EXPECT_FALSE(reg_.KeyExists(At("Parent\\A")));
  EXPECT_EQ(reg_.KillKey(At("Parent\\A")), 0u);
  // The scratch tree's removal goes by full paths, too long for that name.
  EXPECT_EQ(Reg().RegDeleteKeyA(parent, name255.c_str()), win::ERROR_SUCCESS);
  Reg().RegCloseKey(parent);
}

TEST_F(RegistryAccessContract, StringsNumbersAndBinariesReadBackAsStored) {
  const std::string long5000(5000, 's');
  Raw("", "lead", win::REG_SZ, Sz("  lead"));
  Raw("", "bare", win::REG_SZ, "no terminator");
  Raw("", "long", win::REG_SZ, Sz(long5000));
  Raw("", "nul inside", win::REG_SZ, std::string("ab\0cd\0", 6));
  Raw("", "short", win::REG_BINARY, "\x34\x12");
  Raw("", "five", win::REG_BINARY, "12345");
  Raw("", "zero length", win::REG_BINARY, "");
  EXPECT_EQ(reg_.ReadString(At(), "lead", "d"), "  lead");
  EXPECT_EQ(reg_.ReadString(At(), "bare", "d"), "no terminator");
  EXPECT_EQ(reg_.ReadString(At(), "long", "d"), long5000);
  EXPECT_EQ(reg_.ReadString(At(), "nul inside", "d"), "ab");
  EXPECT_EQ(reg_.ReadString(At(), "absent", "d"), "d");
  EXPECT_EQ(reg_.ReadDWORD(At(), "short", 9), 0x1234);
  EXPECT_EQ(reg_.ReadDWORD(At(), "five", 9), 9);
  EXPECT_EQ(reg_.ReadBinary(At(), "zero length", "d"), "");
  EXPECT_TRUE(reg_.ValueExists(At(), "zero length"));
  EXPECT_TRUE(reg_.ValueExists(At(), "LONG"));
  EXPECT_FALSE(reg_.ValueExists(At(), "absent"));

  EXPECT_NE(reg_.WriteString(At("New"), "@", "default"), 0u);
  EXPECT_NE(reg_.WriteDWORD(At("New"), "@", -1), 0u);
  EXPECT_NE(reg_.WriteBinary(At("New"), "bytes", "00 7f 80 FF"), 0u);
  EXPECT_EQ(Stored("New", ""), (RawValue{"", win::REG_SZ, Sz("default")}));
  EXPECT_EQ(Stored("New", "@"), (RawValue{"@", win::REG_DWORD, Dword(0xFFFFFFFF)}));
  EXPECT_EQ(reg_.ReadDWORD(At("New"), "@", 0), -1);
  EXPECT_EQ(reg_.ReadBinary(At("New"), "bytes", "d"), "00 7F 80 FF");
  EXPECT_NE(reg_.KillValue(At("New"), "bytes"), 0u);
  EXPECT_FALSE(reg_.ValueExists(At("New"), "bytes"));

  reg_.CreateKeyIfDoesntExists(false);
  EXPECT_EQ(reg_.WriteString(At("Not there"), "x", "y"), 0u);
  EXPECT_FALSE(Exists("Not there"));
}

TEST_F(RegistryAccessContract, EnumValuesDeliversLongNamesAndDataWhole) {
  const std::string longName(300, 'n');
  std::string longData(1000, '\0');
  for (std::size_t i = 0; i < longData.size(); ++i) longData[i] = static_cast<char>(i * 13);
  Raw("", " a spaced ", win::REG_SZ, Sz(" text "));
  Raw("", "b number", win::REG_DWORD, Dword(30));
  Raw("", longName, win::REG_BINARY, longData);
  Raw("", "z expand", win::REG_EXPAND_SZ, Sz("%x%"));
  std::vector<std::string> names;
  std::vector<RegEnumValue> values;
  // Created in name order, so that Wine (by name) and Windows (by creation) agree.
  ASSERT_EQ(reg_.EnumValues(At(), names, values, -1), 4);
  EXPECT_EQ(names, (std::vector<std::string>{" a spaced ", "b number", longName, "z expand"}));
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0], RegEnumValue(std::string(" text ")));
  EXPECT_EQ(values[1], RegEnumValue(std::int32_t{30}));
  std::string hex = std::get<std::string>(values[2]);
  EXPECT_EQ(clsRegistryAccess::StrToBin(hex), longData);
  EXPECT_EQ(values[3], RegEnumValue(std::monostate{}));
  EXPECT_EQ(reg_.EnumValues(At(), names, values, win::REG_DWORD), 1);
  EXPECT_EQ(names, std::vector<std::string>{"b number"});
  EXPECT_EQ(reg_.EnumValues(At("Missing"), names, values, -1), -1);
  EXPECT_EQ(names, std::vector<std::string>{"b number"}) << "left as they were";
}

TEST_F(RegistryAccessContract, ExportWritesTheScriptFormat) {
  Raw("Exp", "", win::REG_SZ, Sz("dflt"));
  Raw("Exp", "a text", win::REG_SZ, Sz("C:\\x \"q\" = "));
  Raw("Exp", "b bytes", win::REG_BINARY, std::string("\x00\xFF", 2));
  Raw("Exp", "c number", win::REG_DWORD, Dword(30));
  Raw("Exp\\Sub", "", win::REG_SZ, Sz(""));
  const std::string file = dir_.File("export.reg");
  ASSERT_EQ(reg_.ExportToReg(At("Exp"), file, true), 1);
  const std::string header = std::string("[HKEY_CURRENT_USER\\") + kScratchKey + "\\Exp";
  EXPECT_EQ(ReadBytes(file), "REGEDIT4\r\n\r\n" + header +
                                 "]\r\n"
                                 "@=\"dflt\"\r\n"
                                 "\"a text\"=\"C:\\x \"q\" = \"\r\n"
                                 "\"b bytes\"=hex:00,FF\r\n"
                                 "\"c number\"=dword:0000001E\r\n"
                                 "\r\n" +
                                 header + "\\Sub]\r\n@=\"\"\r\n\r\n");
  EXPECT_EQ(reg_.ExportToReg(At("Exp"), file, true), 0) << "the file exists";
}

// A value whose line would bring back less than the registry holds fails
// the export, on the real registry as on the sim: the round trip below is
// the loss the result must own up to.
TEST_F(RegistryAccessContract, AnExportThatWouldLoseDataAnswersZero) {
  struct Case {
    const char* what;
    win::DWORD type;
    std::string data;
    std::int32_t result;
    RawValue back;  // what an import of the file stores
  };
  const std::vector<Case> cases = {
      {"a text that goes on after a NUL",
       win::REG_SZ,
       std::string("visible\0hidden part\0", 21),
       0,
       {"v", win::REG_SZ, Sz("visible")}},
      {"a number of three bytes",
       win::REG_DWORD,
       std::string("\x01\x02\x03", 3),
       0,
       {"v", win::REG_DWORD, Dword(0x030201)}},
      {"a number of six bytes",
       win::REG_DWORD,
       std::string("\x01\x02\x03\x04\x05\x06", 6),
       0,
       {"v", win::REG_DWORD, Dword(0)}},
      {"a number of four bytes",
       win::REG_DWORD,
       Dword(0x04030201),
       1,
       {"v", win::REG_DWORD, Dword(0x04030201)}},
  };
  for (const Case& c : cases) {
    // Each case names itself: gtest's trace scopes hold a handle on Windows.
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, Sub("Lossy"));
    Raw("Lossy", "v", c.type, c.data);
    const std::string file = dir_.File(std::to_string(&c - cases.data()) + "-lossy.reg");
    EXPECT_EQ(reg_.ExportToReg(At("Lossy"), file, false), c.result) << c.what;
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, Sub("Lossy"));
    ASSERT_EQ(reg_.ImportFromReg(file), 1) << c.what;
    EXPECT_EQ(Stored("Lossy", "v"), c.back) << c.what;
  }
}

TEST_F(RegistryAccessContract, ImportAppliesTheScriptLines) {
  Raw("Imp\\Leaf", "x", win::REG_SZ, Sz("y"));
  Raw("Imp", "gone", win::REG_SZ, Sz("y"));
  const std::string key = std::string("[HKCU\\") + kScratchKey + "\\Imp";
  WriteBytes(dir_.File("import.reg"), "REGEDIT4\r\n\r\n" + key +
                                          "]\r\n"
                                          "\"text\"=\"x=y \"z\"  \"\r\n"
                                          "\"num\"=dword:FFFFFFFF\r\n"
                                          "\"bytes\"=hex:01,02,\\\r\n"
                                          "  03\r\n"
                                          "\"typed\"=hex(2):41,00\r\n"
                                          "\"gone\"=-\r\n"
                                          "@=\"\"\r\n" +
                                          key + "\\Empty]\r\n" + "[-" + key.substr(1) +
                                          "\\Leaf]\r\n");
  ASSERT_EQ(reg_.ImportFromReg(dir_.File("import.reg")), 1);
  EXPECT_EQ(Stored("Imp", "text"), (RawValue{"text", win::REG_SZ, Sz("x=y \"z\"  ")}));
  EXPECT_EQ(Stored("Imp", "num"), (RawValue{"num", win::REG_DWORD, Dword(0xFFFFFFFF)}));
  EXPECT_EQ(Stored("Imp", "bytes"), (RawValue{"bytes", win::REG_BINARY, "\x01\x02\x03"}));
  EXPECT_EQ(Stored("Imp", ""), (RawValue{"", win::REG_SZ, Sz("")}));
  EXPECT_FALSE(Stored("Imp", "typed").has_value());
  EXPECT_FALSE(Stored("Imp", "gone").has_value());
  EXPECT_TRUE(Exists("Imp\\Empty"));
  EXPECT_FALSE(Exists("Imp\\Leaf"));
}

TEST_F(RegistryAccessContract, ScriptFileNamesAreTakenInTheAnsiCodePage) {
  // Bytes that differ between the ANSI code page (1252: "e" acute, the euro
  // sign) and a Latin-1 or UTF-8 reading of them: the class must name the file
  // as every other narrow name is taken, so the C runtime's fopen finds it.
  const std::string file = dir_.File("caf\xE9 \x80.reg");
  Raw("Named", "v", win::REG_SZ, Sz("w"));
  ASSERT_EQ(reg_.ExportToReg(At("Named"), file, false), 1);
  const std::string expected = std::string("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\") + kScratchKey +
                               "\\Named]\r\n\"v\"=\"w\"\r\n\r\n";
  std::string written;
  if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
    char buffer[256];
    written.assign(buffer, std::fread(buffer, 1, sizeof buffer, in));
    std::fclose(in);
  }
  EXPECT_EQ(written, expected);
  EXPECT_EQ(reg_.ExportToReg(At("Named"), file, false), 0) << "the same name exists now";
  DeleteTree(Reg(), win::HKEY_CURRENT_USER, Sub("Named"));
  EXPECT_EQ(reg_.ImportFromReg(file), 1);
  EXPECT_EQ(Stored("Named", "v"), (RawValue{"v", win::REG_SZ, Sz("w")}));
}

TEST_F(RegistryAccessContract, AnExportedTreeImportsBackTheSame) {
  using testing_support::ReadTree;
  testing_support::WriteSampleTree(Reg(), win::HKEY_CURRENT_USER, Sub("Tree"));
  const auto before = ReadTree(Reg(), win::HKEY_CURRENT_USER, Sub("Tree"));
  ASSERT_EQ(before.size(), 8u);
  const std::string file = dir_.File("tree.reg");
  ASSERT_EQ(reg_.ExportToReg(At("Tree"), file, true), 1);
  DeleteTree(Reg(), win::HKEY_CURRENT_USER, Sub("Tree"));
  ASSERT_FALSE(Exists("Tree"));
  ASSERT_EQ(reg_.ImportFromReg(file), 1);
  EXPECT_EQ(ReadTree(Reg(), win::HKEY_CURRENT_USER, Sub("Tree")), before);
}

}  // namespace
}  // namespace conformance
