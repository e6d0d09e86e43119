// The key and value operations and the hex conversions, over the sim.
#include "registry/clsRegistryAccess.h"

#include <tuple>

#include "registry/RegistryAccessFixture.h"

namespace {

using testing_support::RawValue;

std::string Dword(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
  return bytes;
}

TEST_F(RegistryAccessTest, PathsNameTheirRootByLongOrShortNameInAnyCase) {
  struct Case {
    std::string path;
    win::HKEY root;  // 0: no valid root
    std::string subKey;
  };
  for (const Case& c : std::vector<Case>{
           {"HKCU\\T\\Short", win::HKEY_CURRENT_USER, "T\\Short"},
           {"hkey_current_user\\T\\Long", win::HKEY_CURRENT_USER, "T\\Long"},
           {"hkcu\\T\\Lower", win::HKEY_CURRENT_USER, "T\\Lower"},
           {"HKEY_LOCAL_MACHINE\\T", win::HKEY_LOCAL_MACHINE, "T"},
           {"HKLM\\T2", win::HKEY_LOCAL_MACHINE, "T2"},
           {"HKEY_CLASSES_ROOT\\T", win::HKEY_CLASSES_ROOT, "T"},
           {"HKCR\\T2", win::HKEY_CLASSES_ROOT, "T2"},
           {"HKEY_USERS\\T", win::HKEY_USERS, "T"},
           {"HKUS\\T2", win::HKEY_USERS, "T2"},
           {"HKEY_CURRENT_CONFIG\\T", win::HKEY_CURRENT_CONFIG, "T"},
           {"HKCC\\T2", win::HKEY_CURRENT_CONFIG, "T2"},
           // The first component names the root, whole; a root name further on
           // is an ordinary key name.
           {"HKCUX\\T\\Fifth", 0, ""},
           {"HKEY_CURRENT_USERS\\T", 0, ""},
           {"HKCU\\T\\HKEY_LOCAL_MACHINE\\In", win::HKEY_CURRENT_USER, "T\\HKEY_LOCAL_MACHINE\\In"},
           {"HKCU\\T\\HKLM", win::HKEY_CURRENT_USER, "T\\HKLM"},
           {"HKU\\T", 0, ""},
           {"Software\\T", 0, ""},
           {"", 0, ""},
       }) {
    const win::HKEY created = reg_.CreateKey(c.path);
    EXPECT_EQ(created != 0, c.root != 0) << c.path;
    if (c.root != 0) {
      EXPECT_TRUE(Exists(c.subKey, c.root)) << c.path;
    }
  }
  EXPECT_FALSE(Exists("T\\HKLM\\In"));
  EXPECT_FALSE(Exists("T\\Fifth"));
}

TEST_F(RegistryAccessTest, ARootAloneAddressesTheRootKey) {
  reg_.CreateKey("HKCU\\Alpha");
  EXPECT_TRUE(reg_.KeyExists("HKCU"));
  EXPECT_TRUE(reg_.KeyExists("HKEY_CURRENT_USER"));
  std::vector<std::string> keys;
  EXPECT_EQ(reg_.EnumKeys("hkcu", keys), 1);
  EXPECT_EQ(keys, std::vector<std::string>{"Alpha"});
  EXPECT_NE(reg_.WriteString("HKCU", "AtRoot", "r"), 0u);
  EXPECT_EQ(reg_.ReadString("HKCU", "AtRoot", "-"), "r");
  EXPECT_EQ(reg_.KillKey("HKCU"), 0u) << "a root cannot delete itself";
}

TEST_F(RegistryAccessTest, AnUnknownRootFailsEveryOperationTheWayItsResultSays) {
  reg_.CreateKey("HKCU\\Keep");
  for (const std::string path : {"FOO\\Keep", "FOO", "HKPD\\Keep", "HKDD\\Keep"}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(reg_.CreateKey(path), 0u);
    EXPECT_EQ(reg_.KillKey(path), 0u);
    EXPECT_FALSE(reg_.KeyExists(path));
    EXPECT_FALSE(reg_.HaveSubkey(path));
    EXPECT_EQ(reg_.WriteString(path, "n", "v"), 0u);
    EXPECT_EQ(reg_.WriteDWORD(path, "n", 1), 0u);
    EXPECT_EQ(reg_.WriteBinary(path, "n", "01"), 0u);
    EXPECT_EQ(reg_.KillValue(path, "n"), 0u);
    EXPECT_FALSE(reg_.ValueExists(path, "n"));
    EXPECT_EQ(reg_.ReadString(path, "n", "dflt"), "dflt");
    EXPECT_EQ(reg_.ReadDWORD(path, "n", -5), -5);
    EXPECT_EQ(reg_.ReadBinary(path, "n", "not hex"), "not hex");
    std::vector<std::string> keys{"stale"};
    EXPECT_EQ(reg_.EnumKeys(path, keys), -1);
    EXPECT_TRUE(keys.empty());
    std::vector<std::string> names{"kept"};
    std::vector<RegEnumValue> values{std::string("kept")};
    EXPECT_EQ(reg_.EnumValues(path, names, values, -1), -1);
    EXPECT_EQ(names, std::vector<std::string>{"kept"});
    EXPECT_EQ(values.size(), 1u);
  }
}

TEST_F(RegistryAccessTest, KillKeyReportsWhetherTheKeyWasDeleted) {
  reg_.CreateKey("HKCU\\K\\Parent\\Child");
  EXPECT_EQ(reg_.KillKey("HKCU\\K\\Parent"), 0u) << "a key with sub-keys stays";
  EXPECT_TRUE(Exists("K\\Parent"));
  EXPECT_NE(reg_.KillKey("HKCU\\K\\Parent\\Child"), 0u);
  EXPECT_FALSE(Exists("K\\Parent\\Child"));
  EXPECT_NE(reg_.KillKey("HKCU\\K\\Parent"), 0u);
  EXPECT_FALSE(Exists("K\\Parent"));
  EXPECT_EQ(reg_.KillKey("HKCU\\K\\Parent"), 0u) << "a missing key";
}

TEST_F(RegistryAccessTest, WritesCreateAMissingKeyOnlyWhenAllowed) {
  EXPECT_TRUE(reg_.CreateKeyIfDoesntExists());
  reg_.CreateKeyIfDoesntExists(false);
  EXPECT_EQ(reg_.WriteString("HKCU\\W\\S", "n", "v"), 0u);
  EXPECT_EQ(reg_.WriteDWORD("HKCU\\W\\D", "n", 1), 0u);
  EXPECT_EQ(reg_.WriteBinary("HKCU\\W\\B", "n", "01"), 0u);
  EXPECT_FALSE(Exists("W"));
  reg_.CreateKey("HKCU\\W\\S");
  EXPECT_NE(reg_.WriteString("HKCU\\W\\S", "n", "v"), 0u) << "an existing key is written";
  reg_.CreateKeyIfDoesntExists(true);
  EXPECT_NE(reg_.WriteDWORD("HKCU\\W\\D\\Deep", "n", 1), 0u);
  EXPECT_NE(reg_.WriteBinary("HKCU\\W\\B", "n", "01"), 0u);
  EXPECT_EQ(Stored("W\\D\\Deep", "n"), (RawValue{"n", win::REG_DWORD, Dword(1)}));
  EXPECT_EQ(Stored("W\\B", "n"), (RawValue{"n", win::REG_BINARY, "\x01"}));
  EXPECT_EQ(Stored("W\\S", "n"), (RawValue{"n", win::REG_SZ, std::string("v\0", 2)}));
}

TEST_F(RegistryAccessTest, OnlyWriteStringTakesTheAtSignForTheDefaultValue) {
  reg_.WriteString("HKCU\\At", "@", "default text");
  reg_.WriteDWORD("HKCU\\At", "@", 7);
  EXPECT_EQ(Stored("At", ""), (RawValue{"", win::REG_SZ, std::string("default text\0", 13)}));
  EXPECT_EQ(Stored("At", "@"), (RawValue{"@", win::REG_DWORD, Dword(7)}));
  reg_.WriteBinary("HKCU\\At", "@", "0102");
  EXPECT_EQ(Stored("At", "@"), (RawValue{"@", win::REG_BINARY, "\x01\x02"}));
}

TEST_F(RegistryAccessTest, ReadStringReturnsTheStoredTextExactlyUpToItsFirstNul) {
  const std::string long300(300, 'L');
  for (const auto& [stored, type, expected] :
       std::vector<std::tuple<std::string, win::DWORD, std::string>>{
           {std::string("  lead\0", 7), win::REG_SZ, "  lead"},
           {std::string("trail  \0", 8), win::REG_SZ, "trail  "},
           {"no terminator", win::REG_SZ, "no terminator"},
           {long300 + '\0', win::REG_SZ, long300},
           {std::string(1000, 'x'), win::REG_SZ, std::string(1000, 'x')},
           {std::string("ab\0cd\0", 6), win::REG_SZ, "ab"},
           {std::string("\0", 1), win::REG_SZ, ""},
           {"", win::REG_SZ, ""},
           {"12", win::REG_BINARY, "12"},
           {Dword(0x41), win::REG_DWORD, "A"},
           {std::string("%PATH%\0", 7), win::REG_EXPAND_SZ, "%PATH%"},
       }) {
    Raw("R", "v", type, stored);
    EXPECT_EQ(reg_.ReadString("HKCU\\R", "v", "dflt"), expected) << stored;
  }
  EXPECT_EQ(reg_.ReadString("HKCU\\R", "missing", "dflt"), "dflt");
  EXPECT_EQ(reg_.ReadString("HKCU\\Missing", "v", "dflt"), "dflt");
}

TEST_F(RegistryAccessTest, ReadDwordTakesUpToFourBytesOfAnyType) {
  for (const auto& [stored, expected] : std::vector<std::pair<std::string, std::int32_t>>{
           {Dword(30), 30},
           {Dword(0xFFFFFFFF), -1},
           {Dword(0x80000000), INT32_MIN},
           {"\x34\x12", 0x1234},
           {"", 0},
           {"12345", -9},  // five bytes do not fit
       }) {
    Raw("D", "v", win::REG_BINARY, stored);
    EXPECT_EQ(reg_.ReadDWORD("HKCU\\D", "v", -9), expected);
  }
  EXPECT_EQ(reg_.ReadDWORD("HKCU\\D", "missing", 42), 42);
  reg_.WriteDWORD("HKCU\\D", "w", -123456);
  EXPECT_EQ(reg_.ReadDWORD("HKCU\\D", "w", 0), -123456);
}

TEST_F(RegistryAccessTest, ReadBinaryGivesSpacedHexOfTheWholeData) {
  Raw("B", "bytes", win::REG_BINARY, std::string("\x01\xA0\xFF\x00", 4));
  Raw("B", "empty", win::REG_BINARY, "");
  Raw("B", "text", win::REG_SZ, std::string("A\0", 2));
  std::string big(600, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i);
  Raw("B", "big", win::REG_BINARY, big);
  EXPECT_EQ(reg_.ReadBinary("HKCU\\B", "bytes", "d"), "01 A0 FF 00");
  EXPECT_EQ(reg_.ReadBinary("HKCU\\B", "empty", "d"), "");
  EXPECT_EQ(reg_.ReadBinary("HKCU\\B", "text", "d"), "41 00");
  EXPECT_EQ(reg_.ReadBinary("HKCU\\B", "missing", "as given"), "as given");
  std::string hex = reg_.ReadBinary("HKCU\\B", "big", "d");
  EXPECT_EQ(clsRegistryAccess::StrToBin(hex), big);
  // Written hex text comes back as stored bytes.
  reg_.WriteBinary("HKCU\\B", "w", "00 01 fe FF");
  EXPECT_EQ(Stored("B", "w")->data, std::string("\x00\x01\xFE\xFF", 4));
  reg_.WriteBinary("HKCU\\B", "none", "");
  EXPECT_EQ(Stored("B", "none"), (RawValue{"none", win::REG_BINARY, ""}));
}

TEST_F(RegistryAccessTest, ValuesExistAtAnySizeAndTypeAndAreKilledByName) {
  Raw("V", "zero length", win::REG_BINARY, "");
  Raw("V", "long", win::REG_SZ, std::string(5000, 'x'));
  Raw("V", "", win::REG_DWORD, Dword(1));
  EXPECT_TRUE(reg_.ValueExists("HKCU\\V", "zero length"));
  EXPECT_TRUE(reg_.ValueExists("HKCU\\V", "LONG"));
  EXPECT_TRUE(reg_.ValueExists("HKCU\\V", ""));
  EXPECT_FALSE(reg_.ValueExists("HKCU\\V", "absent"));
  EXPECT_NE(reg_.KillValue("HKCU\\V", "long"), 0u);
  EXPECT_FALSE(reg_.ValueExists("HKCU\\V", "long"));
  EXPECT_NE(reg_.KillValue("HKCU\\V", "absent"), 0u) << "the key was opened";
  EXPECT_EQ(reg_.KillValue("HKCU\\Nowhere", "x"), 0u);
}

TEST_F(RegistryAccessTest, EnumKeysDeliversEveryNameWhole) {
  const std::string name255(255, 'k');
  const std::string name300(300, 'm');
  for (const std::string& name : {std::string("b"), std::string("A"), name255, name300}) {
    reg_.CreateKey("HKCU\\E\\" + name);
  }
  std::vector<std::string> keys{"stale"};
  EXPECT_EQ(reg_.EnumKeys("HKCU\\E", keys), 4);
  EXPECT_EQ(keys, (std::vector<std::string>{"A", "b", name255, name300}));
  EXPECT_TRUE(reg_.HaveSubkey("HKCU\\E"));
  EXPECT_EQ(reg_.EnumKeys("HKCU\\E\\A", keys), 0);
  EXPECT_TRUE(keys.empty());
  EXPECT_FALSE(reg_.HaveSubkey("HKCU\\E\\A"));
  keys = {"stale"};
  EXPECT_EQ(reg_.EnumKeys("HKCU\\E\\Missing", keys), -1);
  EXPECT_TRUE(keys.empty());
  EXPECT_FALSE(reg_.HaveSubkey("HKCU\\E\\Missing"));
}

TEST_F(RegistryAccessTest, EnumValuesDeliversNamesAndDataByType) {
  const std::string longName(300, 'n');
  std::string longData(700, '\0');
  for (std::size_t i = 0; i < longData.size(); ++i) longData[i] = static_cast<char>(i * 7);
  Raw("EV", "", win::REG_SZ, std::string("dflt\0", 5));
  Raw("EV", " spaced ", win::REG_SZ, std::string(" text \0", 7));
  Raw("EV", "num", win::REG_DWORD, Dword(0xFFFFFFFE));
  Raw("EV", "bin", win::REG_BINARY, "\x01\xA0");
  Raw("EV", "nobytes", win::REG_BINARY, "");
  Raw("EV", longName, win::REG_BINARY, longData);
  Raw("EV", "expand", win::REG_EXPAND_SZ, std::string("%x%\0", 4));
  Raw("EV", "longtext", win::REG_SZ, std::string(400, 't') + '\0');

  std::vector<std::string> names;
  std::vector<RegEnumValue> values;
  ASSERT_EQ(reg_.EnumValues("HKCU\\EV", names, values, -1), 8);
  EXPECT_EQ(names, (std::vector<std::string>{"", " spaced ", "num", "bin", "nobytes", longName,
                                             "expand", "longtext"}));
  std::string longHex = std::get<std::string>(values[5]);
  const std::vector<RegEnumValue> expected = {std::string("dflt"), std::string(" text "),
                                              std::int32_t{-2},    std::string("01 A0"),
                                              std::string(""),     values[5],
                                              std::monostate{},    std::string(400, 't')};
  EXPECT_EQ(values, expected);
  EXPECT_EQ(clsRegistryAccess::StrToBin(longHex), longData);

  EXPECT_EQ(reg_.EnumValues("HKCU\\EV", names, values, win::REG_BINARY), 3);
  EXPECT_EQ(names, (std::vector<std::string>{"bin", "nobytes", longName}));
  EXPECT_EQ(reg_.EnumValues("HKCU\\EV", names, values, win::REG_DWORD), 1);
  EXPECT_EQ(values, std::vector<RegEnumValue>{std::int32_t{-2}});
  EXPECT_EQ(reg_.EnumValues("HKCU\\EV", names, values, win::REG_MULTI_SZ), 0);
  EXPECT_TRUE(names.empty());
  EXPECT_TRUE(values.empty());
}

TEST_F(RegistryAccessTest, StrToBinReadsPairsOfHexDigits) {
  struct Case {
    std::string hex;
    std::string bytes;
    std::string cleaned;
  };
  for (const Case& c : std::vector<Case>{
           {"0A 0B", "\x0A\x0B", "0A0B"},
           {"", "", ""},
           {"   ", "", ""},
           {"A", "", "A"},
           {"ABC", "\xAB\x0C", "ABC"},                  // 3 digits: two pieces
           {"ABCDE", "\xAB\xCD", "ABCDE"},              // 5: two, the last digit dropped
           {"ABCDEFA", "\xAB\xCD\xEF\x0A", "ABCDEFA"},  // 7: four
           {"00", std::string(1, '\0'), "00"},
           {"ff 7f", "\xFF\x7F", "ff7f"},
           {"1G", "\x01", "1G"},  // reading stops at the first non-digit
           {"G1", std::string(1, '\0'), "G1"},
           {"01,02", std::string("\x01\0", 2), "01,02"},  // pieces "01" and ",0"
       }) {
    std::string variable = c.hex;
    EXPECT_EQ(clsRegistryAccess::StrToBin(variable), c.bytes) << c.hex;
    EXPECT_EQ(variable, c.cleaned) << c.hex;
  }
}

TEST_F(RegistryAccessTest, BinToStrAndIsBinValid) {
  EXPECT_EQ(clsRegistryAccess::BinToStr(""), "");
  EXPECT_EQ(clsRegistryAccess::BinToStr("\x01\xA0\xFF"), " 01 A0 FF");
  EXPECT_EQ(clsRegistryAccess::BinToStr(std::string(1, '\0')), " 00");
  for (const auto& [text, valid] : std::vector<std::pair<std::string, bool>>{
           {"0a 1b ff", true},
           {"ABC", true},  // an odd count is not checked
           {"0123456789abcdefABCDEF", true},
           {"0A,0B", false},
           {"0G", false},
           {"", false},
           {"   ", false},
           {"0x1F", false},
       }) {
    EXPECT_EQ(clsRegistryAccess::isBinValid(text), valid) << '"' << text << '"';
  }
}

}  // namespace
