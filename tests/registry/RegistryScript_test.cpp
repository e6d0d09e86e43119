// Export to and import from REGEDIT4 scripts, over the sim.
#include <filesystem>

#include "registry/RegistryAccessFixture.h"
#include "registry/clsRegistryAccess.h"
#include "support/ScratchDir.h"

namespace {

using testing_support::RawValue;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

std::string Dword(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
  return bytes;
}

std::string Sz(const std::string& text) { return text + '\0'; }

class RegistryScriptTest : public RegistryAccessTest {
 protected:
  // Runs a script given as its lines, each ended with CR LF.
  std::int32_t Import(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script += line + "\r\n";
    WriteBytes(file_, script);
    return reg_.ImportFromReg(file_);
  }

  testing_support::ScratchDir dir_;
  std::string file_ = dir_.File("script.reg");
};

TEST_F(RegistryScriptTest, ExportWritesOneBlockPerKeyInTheScriptFormat) {
  Raw("X", "", win::REG_SZ, Sz("the default"));
  Raw("X", "text", win::REG_SZ, Sz("C:\\a \"b\" = c  "));
  Raw("X", "num", win::REG_DWORD, Dword(30));
  Raw("X", "bytes", win::REG_BINARY, "\x01\xA0\xFF");
  Raw("X", "minus", win::REG_DWORD, Dword(0xFFFFFFFF));
  Raw("X", "nothing", win::REG_BINARY, "");
  Raw("X", "expand", win::REG_EXPAND_SZ, Sz("%x%"));
  Raw("X\\B", "", win::REG_DWORD, Dword(0x41));
  Raw("X\\A\\Deep", "s", win::REG_SZ, Sz(""));
  reg_.CreateKey("HKCU\\X\\A\\Empty");

  std::vector<std::string> shown;
  ASSERT_EQ(reg_.ExportToReg("hkcu\\X", file_, true,
                             [&](const std::string& path) { shown.push_back(path); }),
            1);
  EXPECT_EQ(ReadBytes(file_),
            "REGEDIT4\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\X]\r\n"
            "@=\"the default\"\r\n"
            "\"text\"=\"C:\\a \"b\" = c  \"\r\n"
            "\"bytes\"=hex:01,A0,FF\r\n"
            "\"nothing\"=hex:\r\n"
            "\"num\"=dword:0000001E\r\n"
            "\"minus\"=dword:FFFFFFFF\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\X\\A]\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\X\\A\\Deep]\r\n"
            "\"s\"=\"\"\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\X\\A\\Empty]\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\X\\B]\r\n"
            "@=\"A\"\r\n"
            "\"\"=dword:00000041\r\n"
            "\r\n");
  EXPECT_EQ(shown,
            (std::vector<std::string>{
                "HKEY_CURRENT_USER\\X", "HKEY_CURRENT_USER\\X\\A", "HKEY_CURRENT_USER\\X\\A\\Deep",
                "HKEY_CURRENT_USER\\X\\A\\Empty", "HKEY_CURRENT_USER\\X\\B"}));
}

TEST_F(RegistryScriptTest, ExportOfOneKeyMissingKeyAndEmptyDefault) {
  Raw("One", "", win::REG_SZ, Sz(""));
  Raw("One\\Below", "x", win::REG_SZ, Sz("y"));
  ASSERT_EQ(reg_.ExportToReg("HKEY_CURRENT_USER\\One", file_, false), 1);
  EXPECT_EQ(ReadBytes(file_), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\One]\r\n@=\"\"\r\n\r\n");

  const std::string missing = dir_.File("missing.reg");
  ASSERT_EQ(reg_.ExportToReg("HKCU\\Nowhere", missing, true), 1);
  EXPECT_EQ(ReadBytes(missing), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Nowhere]\r\n\r\n");
}

TEST_F(RegistryScriptTest, ExportNeverOverwritesAndReportsFailures) {
  WriteBytes(file_, "keep me");
  EXPECT_EQ(reg_.ExportToReg("HKCU\\Any", file_, true), 0);
  EXPECT_EQ(ReadBytes(file_), "keep me");

  EXPECT_EQ(reg_.ExportToReg("HKCU\\Any", dir_.File("no such dir/x.reg"), true), 0);

  // A progress display that fails ends the export; what was written stays.
  Raw("P\\Q", "v", win::REG_SZ, Sz("w"));
  const std::string partial = dir_.File("partial.reg");
  int calls = 0;
  EXPECT_EQ(reg_.ExportToReg("HKCU\\P", partial, true,
                             [&](const std::string&) {
                               if (++calls == 2) throw std::runtime_error("display gone");
                             }),
            0);
  EXPECT_EQ(ReadBytes(partial), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\P]\r\n\r\n");
}

TEST_F(RegistryScriptTest, ImportAppliesEachKindOfValueLine) {
  Raw("I", "gone", win::REG_SZ, Sz("x"));
  Raw("I", "", win::REG_SZ, Sz("old default"));
  ASSERT_EQ(Import({
                "REGEDIT4",
                "",
                "[HKEY_CURRENT_USER\\I]",
                "\"equals\"=\"x=y==z\"",
                "\"quotes\"=\"say \"hi\"\"",
                "\"trailing\"=\"two  \"",
                "\"leading\"=\"  two\"",
                "\"backslash\"=\"C:\\dir\\\"",
                "  \"spaced\"  =  \"v\"  ",
                "bare=unquoted text",
                "\"num\"=dword:0000001E",
                "\"minus\"=DWORD:FFFFFFFF",
                "\"partial\"=dword:1Fz9",
                "\"nodigits\"=dword:",
                "\"toolong\"=dword:123456789",
                "\"bytes\"=hex:01,a0,FF",
                "\"nobytes\"=HEX:",
                "\"typed\"=hex(2):25,00,78,00",
                "\"gone\"=-",
                "\"dash\"=\"-\"",
                "@=\"\"",
                "=dword:2",
                "\"@\"=dword:3",
                "; \"comment\"=\"skipped\"",
                "no equals sign",
            }),
            1);
  for (const RawValue& expected : std::vector<RawValue>{
           {"equals", win::REG_SZ, Sz("x=y==z")},
           {"quotes", win::REG_SZ, Sz("say \"hi\"")},
           {"trailing", win::REG_SZ, Sz("two  ")},
           {"leading", win::REG_SZ, Sz("  two")},
           {"backslash", win::REG_SZ, Sz("C:\\dir\\")},
           {"spaced", win::REG_SZ, Sz("v")},
           {"bare", win::REG_SZ, Sz("unquoted text")},
           {"num", win::REG_DWORD, Dword(30)},
           {"minus", win::REG_DWORD, Dword(0xFFFFFFFF)},
           {"partial", win::REG_DWORD, Dword(0x1F)},
           {"nodigits", win::REG_DWORD, Dword(0)},
           {"bytes", win::REG_BINARY, "\x01\xA0\xFF"},
           {"nobytes", win::REG_BINARY, ""},
           {"dash", win::REG_SZ, Sz("-")},
           {"", win::REG_DWORD, Dword(2)},
           {"@", win::REG_DWORD, Dword(3)},
       }) {
    EXPECT_EQ(Stored("I", expected.name), expected) << expected.name;
  }
  for (const char* absent : {"gone", "toolong", "typed", "comment", "no equals sign"}) {
    EXPECT_FALSE(Stored("I", absent).has_value()) << absent;
  }
}

TEST_F(RegistryScriptTest, AnEmptyDefaultLineKeepsAnEmptyDefault) {
  // "@" names the default value only for strings; the empty name does for every kind.
  ASSERT_EQ(Import({"REGEDIT4", "[HKCU\\D]", "@=\"\"", "[HKCU\\D2]", "@=\"text\"", "\"@\"=\"x\"",
                    "@=-", "[HKCU\\D3]", "@=\"text\"", "=-"}),
            1);
  EXPECT_EQ(Stored("D", ""), (RawValue{"", win::REG_SZ, Sz("")}));
  EXPECT_EQ(Stored("D2", ""), (RawValue{"", win::REG_SZ, Sz("x")}));
  EXPECT_FALSE(Stored("D3", "").has_value());
}

TEST_F(RegistryScriptTest, HexValuesGoOnOverContinuationLines) {
  ASSERT_EQ(Import({
                "REGEDIT4",
                "[HKCU\\C]",
                "\"joined\"=hex:01,02,\\",
                "  03,04,\\",
                "; a comment inside the value",
                "  05",
                "\"after\"=\"x\"",
                "\"dangling\"=hex:0a,\\",
                "\"next\"=hex:0b",
                "\"typed\"=hex(7):41,00,\\",
                "  00,00",
                "\"last\"=hex:ff,\\",
            }),
            1);
  EXPECT_EQ(Stored("C", "joined")->data, "\x01\x02\x03\x04\x05");
  EXPECT_EQ(Stored("C", "after")->data, Sz("x"));
  EXPECT_EQ(Stored("C", "dangling")->data, "\x0A");
  EXPECT_EQ(Stored("C", "next")->data, "\x0B");
  EXPECT_FALSE(Stored("C", "typed").has_value());
  EXPECT_EQ(Stored("C", "last")->data, "\xFF");
}

TEST_F(RegistryScriptTest, KeyHeadersCreateDeleteAndBoundTheirValues) {
  reg_.CreateKey("HKCU\\H\\Leaf");
  reg_.CreateKey("HKCU\\H\\Parent\\Child");
  ASSERT_EQ(Import({
                "REGEDIT4",
                "\"before\"=\"any header\"",
                "[-HKEY_CURRENT_USER\\H\\Leaf]",
                "\"ignored\"=\"after a deletion\"",
                "[-HKCU\\H\\Parent]",
                "  [HKCU\\H\\Created]  ",
                "[HKCU\\H\\Valued]",
                "\"v\"=\"1\"",
                "[HKCU\\H\\Other]",
                "\"w\"=\"2\"",
            }),
            1);
  EXPECT_FALSE(Exists("H\\Leaf"));
  EXPECT_TRUE(Exists("H\\Parent\\Child")) << "a key with sub-keys is not deleted";
  EXPECT_TRUE(Exists("H\\Created")) << "a header makes its key";
  EXPECT_EQ(Stored("H\\Valued", "v")->data, Sz("1"));
  EXPECT_FALSE(Stored("H\\Valued", "w").has_value());
  EXPECT_EQ(Stored("H\\Other", "w")->data, Sz("2"));
  EXPECT_FALSE(Stored("H\\Leaf", "ignored").has_value());
  EXPECT_FALSE(Stored("", "before").has_value());
}

TEST_F(RegistryScriptTest, AHeaderOfOneBracketStopsTheImportKeepingEarlierChanges) {
  EXPECT_EQ(Import({"REGEDIT4", "[HKCU\\S]", "\"a\"=\"1\"", "[", "[HKCU\\S]", "\"b\"=\"2\""}), 0);
  EXPECT_EQ(Stored("S", "a")->data, Sz("1"));
  EXPECT_FALSE(Stored("S", "b").has_value());
}

TEST_F(RegistryScriptTest, OnlyAScriptWhoseFirstLineIsRegedit4IsApplied) {
  for (const std::string& script : {
           std::string("\xEF\xBB\xBFREGEDIT4\r\n[HKCU\\F]\r\n\"a\"=\"1\"\r\n"),
           std::string("REGEDIT4 \r\n[HKCU\\F]\r\n\"a\"=\"1\"\r\n"),
           std::string("REGEDIT4\n[HKCU\\F]\n\"a\"=\"1\"\n"),
           std::string("REGEDIT4\r[HKCU\\F]\r\"a\"=\"1\"\r"),
           std::string("Windows Registry Editor Version 5.00\r\n[HKCU\\F]\r\n\"a\"=\"1\"\r\n"),
           std::string(),
       }) {
    WriteBytes(file_, script);
    EXPECT_EQ(reg_.ImportFromReg(file_), 0) << script;
    EXPECT_FALSE(Exists("F")) << script;
  }
  EXPECT_EQ(reg_.ImportFromReg(dir_.File("absent.reg")), 0);
  WriteBytes(file_, "regedit4\r\n[HKCU\\F]\r\n\"a\"=\"1\"");  // no final line end
  EXPECT_EQ(reg_.ImportFromReg(file_), 1);
  EXPECT_EQ(Stored("F", "a")->data, Sz("1"));
}

TEST_F(RegistryScriptTest, ImportAlwaysLeavesKeyCreationOn) {
  reg_.CreateKeyIfDoesntExists(false);
  EXPECT_EQ(reg_.ImportFromReg(dir_.File("absent.reg")), 0);
  EXPECT_TRUE(reg_.CreateKeyIfDoesntExists());
  reg_.CreateKeyIfDoesntExists(false);
  ASSERT_EQ(Import({"REGEDIT4", "[HKCU\\New\\Deep]", "\"a\"=dword:1"}), 1);
  EXPECT_TRUE(reg_.CreateKeyIfDoesntExists());
  EXPECT_EQ(Stored("New\\Deep", "a")->data, Dword(1));
}

}  // namespace
