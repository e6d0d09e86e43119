// Export to and import from REGEDIT4 scripts, over the sim.
#include <filesystem>

#include "registry/RegistryAccessFixture.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTree.h"
#include "support/ScratchDir.h"

namespace {

using testing_support::RawValue;
using testing_support::ReadBytes;
using testing_support::TreeSnapshot;
using testing_support::WriteBytes;

std::string Dword(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
  return bytes;
}

std::string Sz(const std::string& text) { return text + '\0'; }

// A tree as ReadTree gives it: key paths relative to the top, values sorted by name.
TreeSnapshot Tree(std::vector<std::pair<std::string, std::vector<RawValue>>> keys) {
  TreeSnapshot tree;
  for (auto& [key, values] : keys) {
    std::sort(values.begin(), values.end(), [](const RawValue& a, const RawValue& b) {
      std::string x = a.name, y = b.name;
      for (char& c : x) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      for (char& c : y) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      return x < y;
    });
    tree[key] = std::move(values);
  }
  return tree;
}

class RegistryScriptTest : public RegistryAccessTest {
 protected:
  // Runs a script given as its lines, each ended with CR LF.
  std::int32_t Import(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script += line + "\r\n";
    WriteBytes(file_, script);
    return reg_.ImportFromReg(file_);
  }

  // The tree below HKCU\T.
  TreeSnapshot TreeT() { return testing_support::ReadTree(sim_, win::HKEY_CURRENT_USER, "T"); }

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

  // A name that exists only as a link to a missing file is taken, too: the
  // export never writes through it.
  const std::string target = dir_.File("target.reg");
  std::filesystem::create_symlink(target, dir_.File("link.reg"));
  EXPECT_EQ(reg_.ExportToReg("HKCU\\Any", dir_.File("link.reg"), true), 0);
  EXPECT_FALSE(std::filesystem::exists(target));

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
           {"bytes", win::REG_BINARY, "\x01\xA0\xFF"},
           {"nobytes", win::REG_BINARY, ""},
           {"dash", win::REG_SZ, Sz("-")},
           {"", win::REG_DWORD, Dword(2)},
           {"@", win::REG_DWORD, Dword(3)},
       }) {
    EXPECT_EQ(Stored("I", expected.name), expected) << expected.name;
  }
  // A number is 1 to 8 hex digits; anything else is no number, not 0.
  for (const char* absent :
       {"gone", "toolong", "partial", "nodigits", "typed", "comment", "no equals sign"}) {
    EXPECT_FALSE(Stored("I", absent).has_value()) << absent;
  }
}

TEST_F(RegistryScriptTest, AnEmptyDefaultLineKeepsAnEmptyDefault) {
  // Unquoted "@" and the empty name both name the default value; quoted "@" is a name.
  ASSERT_EQ(Import({"REGEDIT4", "[HKCU\\D]", "@=\"\"", "[HKCU\\D2]", "@=\"text\"", "\"@\"=\"x\"",
                    "@=-", "[HKCU\\D3]", "@=\"text\"", "=-"}),
            1);
  EXPECT_EQ(Stored("D", ""), (RawValue{"", win::REG_SZ, Sz("")}));
  EXPECT_FALSE(Stored("D2", "").has_value());
  EXPECT_EQ(Stored("D2", "@"), (RawValue{"@", win::REG_SZ, Sz("x")}));
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
  // The line after a backslash is part of the value even when it is another
  // value's line: then the value is malformed, and both lines are lost.
  EXPECT_FALSE(Stored("C", "dangling").has_value());
  EXPECT_FALSE(Stored("C", "next").has_value());
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

// Scripts as a user's file holds them, each applied to an empty HKCU\T, and
// the whole tree they leave there.
TEST_F(RegistryScriptTest, ScriptLinesMeanWhatTheySay) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;  // after "REGEDIT4" and an empty line
    TreeSnapshot tree;
  };
  const std::vector<Case> cases = {
      {"a quoted name ends at the quote followed by \"=\", so it may hold \"=\" and quotes",
       {"[HKCU\\T]", "\"With=Equals\"=\"asdf\"", "\"a \"b\" c\"  =  \"d\"", "\"==\"=dword:1",
        "\"NoEnd=\"v\"", "\"open=v"},
       Tree({{"",
              {{"With=Equals", win::REG_SZ, Sz("asdf")},
               {"a \"b\" c", win::REG_SZ, Sz("d")},
               {"==", win::REG_DWORD, Dword(1)}}}})},
      {"unquoted @ is the default value for every type, quoted \"@\" a name",
       {"[HKCU\\T\\S]", "@=\"dflt\"", "\"@\"=\"literal\"", "[HKCU\\T\\D]", "@=dword:5",
        "\"@\"=hex:01", "[HKCU\\T\\B]", "@ = hex:02,03", "\"@\"=dword:6", "[HKCU\\T\\KillDefault]",
        "@=\"x\"", "\"@\"=\"y\"", "@=-", "[HKCU\\T\\KillNamed]", "@=\"x\"", "\"@\"=\"y\"",
        "\"@\"=-"},
       Tree({{"", {}},
             {"S", {{"", win::REG_SZ, Sz("dflt")}, {"@", win::REG_SZ, Sz("literal")}}},
             {"D", {{"", win::REG_DWORD, Dword(5)}, {"@", win::REG_BINARY, "\x01"}}},
             {"B", {{"", win::REG_BINARY, "\x02\x03"}, {"@", win::REG_DWORD, Dword(6)}}},
             {"KillDefault", {{"@", win::REG_SZ, Sz("y")}}},
             {"KillNamed", {{"", win::REG_SZ, Sz("x")}}}})},
      {"a header without its \"]\" is skipped with its values, the rest still applies",
       {"[HKCU\\T\\Abc]", "\"keep\"=\"1\"", "[HKCU\\T\\Ab]", "[HKCU\\T\\Abc", "\"lost\"=\"2\"",
        "[-HKCU\\T\\Abc", "[-HKCU\\T\\Ab", "[HKCU\\T\\New", "[HKCU\\T\\After]", "\"w\"=\"3\""},
       Tree({{"", {}},
             {"Ab", {}},
             {"Abc", {{"keep", win::REG_SZ, Sz("1")}}},
             {"After", {{"w", win::REG_SZ, Sz("3")}}}})},
      {"blanks and a comment after a mark, a number, bytes or a quoted text",
       {"[HKCU\\T]", "\"a\"=\"1\"", "\"b\"=\"1\"", "\"c\"=\"1\"", "\"a\"=- ;comment", "\"b\"=-;",
        "\"c\"=- #not a comment", "\"d\"=dword:1F ;c", "\"e\"=hex:01,02 ;c", "\"f\"=\"t\"\t;c",
        "\"g\"=\"x\";y\"", "\"h\"=\"t\" #c", "\"i\"=\"unterminated", "\"j\"=\""},
       Tree({{"",
              {{"c", win::REG_SZ, Sz("- #not a comment")},
               {"d", win::REG_DWORD, Dword(0x1F)},
               {"e", win::REG_BINARY, "\x01\x02"},
               {"f", win::REG_SZ, Sz("t")},
               {"g", win::REG_SZ, Sz("x\";y")}}}})},
      {"a number is 1 to 8 hex digits after optional blanks, else no number",
       {"[HKCU\\T]", "\"a\"=dword: 1F", "\"b\"=dword:\t1f", "\"c\"=dword:0x123",
        "\"d\"=dword:", "\"e\"=dword:123456789", "\"f\"=dword:1Fz9", "\"g\"=dword:FFFFFFFF",
        "\"h\"=dword:0", "\"i\"=dword:1234 5678", "\"j\"=dword:000000001", "\"k\"=dword: "},
       Tree({{"",
              {{"a", win::REG_DWORD, Dword(0x1F)},
               {"b", win::REG_DWORD, Dword(0x1F)},
               {"g", win::REG_DWORD, Dword(0xFFFFFFFF)},
               {"h", win::REG_DWORD, Dword(0)}}}})},
      {"bytes of one or two digits, continued after a comma and a backslash",
       {"[HKCU\\T]",
        "\"a\"=hex:11,22,\\;comment",
        "  33",
        "\"b\"=hex:01,\\",
        "",
        "; comment",
        "\t",
        "  02,  \\  ; more",
        "03",
        "\"c\"=hex:1,2,3",
        "\"d\"=hex:01,zz",
        "\"e\"=hex:100",
        "\"f\"=hex:01\\",
        "\"g\"=hex: 0a , 0B ",
        "\"h\"=hex:",
        "\"i\"=hex:\\",
        "  ff",
        "\"j\"=hex:01,,02",
        "\"k\"=hex:01,\\",
        "\\",
        "  02",
        "\"l\"=hex:01,\\",
        "\"m\"=\"lost too\"",
        "\"n\"=hex:7,\\"},
       Tree({{"",
              {{"a", win::REG_BINARY, "\x11\x22\x33"},
               {"b", win::REG_BINARY, "\x01\x02\x03"},
               {"c", win::REG_BINARY, "\x01\x02\x03"},
               {"g", win::REG_BINARY, "\x0A\x0B"},
               {"h", win::REG_BINARY, ""},
               {"i", win::REG_BINARY, "\xFF"},
               {"n", win::REG_BINARY, "\x07"}}}})},
      {"a header always starts its block, even where a value was to go on",
       {"[HKCU\\T]", "\"a\"=hex:01,\\", "[HKCU\\T\\Next]", "\"b\"=\"c\""},
       Tree({{"", {}}, {"Next", {{"b", win::REG_SZ, Sz("c")}}}})},
      {"a root is the first component, named whole",
       {"[HKEY_CURRENT_USERS\\T\\x]", "\"v\"=\"1\"", "[HKCUX\\T\\y]", "\"v\"=\"2\"", "[hkcu\\T\\z]",
        "[HKEY_CURRENT_USER\\T\\HKLM]", "[HKEY_current_user\\T\\HKEY_LOCAL_MACHINE]",
        "[-HKCUSTUFF\\T\\z]", "[T\\w]", "[]", "[-]"},
       Tree({{"", {}}, {"HKEY_LOCAL_MACHINE", {}}, {"HKLM", {}}, {"z", {}}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::DeleteTree(sim_, win::HKEY_CURRENT_USER, "T");
    std::vector<std::string> lines = {"REGEDIT4", ""};
    lines.insert(lines.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(Import(lines), 1);
    EXPECT_EQ(TreeT(), c.tree);
    // Nothing strayed outside HKCU\T.
    EXPECT_EQ(testing_support::SubKeys(sim_, win::HKEY_CURRENT_USER, ""),
              std::vector<std::string>{"T"});
  }
}

// One item beside a plain value: an item a script line cannot hold is left
// out and fails the export, and the file still brings back everything else
// and nothing more.
TEST_F(RegistryScriptTest, ItemsNoLineCanHoldAreLeftOutAndFailTheExport) {
  struct Case {
    const char* what;
    std::string key;  // below T
    std::string name;
    win::DWORD type;
    std::string data;
    bool writable;
    std::string lines;  // the file after its first two lines
  };
  const std::string header = "[HKEY_CURRENT_USER\\T]\r\n";
  const std::string ok = "\"ok\"=\"1\"\r\n";
  const std::vector<Case> cases = {
      {"a text that would run lines of its own", "", "evil", win::REG_SZ,
       Sz("x\r\n[-HKEY_CURRENT_USER\\Software\\Other]"), false, header + ok + "\r\n"},
      {"a text with a bare line feed", "", "lf", win::REG_SZ, Sz("a\nb"), false,
       header + ok + "\r\n"},
      {"a string's name with a CR", "", "n\r", win::REG_SZ, Sz("v"), false, header + ok + "\r\n"},
      {"a binary's name with a LF", "", "b\n", win::REG_BINARY, "\x01", false,
       header + ok + "\r\n"},
      {"a number's name with CR LF", "", "d\r\n", win::REG_DWORD, Dword(1), false,
       header + ok + "\r\n"},
      {"a name with a quote before \"=\"", "", "q\" =x", win::REG_SZ, Sz("v"), false,
       header + ok + "\r\n"},
      {"a key name with CR LF, and so all of it", "bad\r\nkey", "v", win::REG_SZ, Sz("w"), false,
       header + ok + "\r\n"},
      {"a text default with CR LF", "", "", win::REG_SZ, Sz("a\r\nb"), false, header + ok + "\r\n"},
      {"a binary default whose text has CR LF: its hex line carries it", "", "", win::REG_BINARY,
       "\r\n", true, header + ok + "\"\"=hex:0D,0A\r\n\r\n"},
      {"a number default whose text has CR LF", "", "", win::REG_DWORD, Dword(0x0A0D), true,
       header + ok + "\"\"=dword:00000A0D\r\n\r\n"},
      {"a name with quotes and \"=\" apart", "", "q\"x=\"", win::REG_SZ, Sz("v"), true,
       header + ok + "\"q\"x=\"\"=\"v\"\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::DeleteTree(sim_, win::HKEY_CURRENT_USER, "T");
    Raw("T", "ok", win::REG_SZ, Sz("1"));
    Raw(c.key.empty() ? "T" : "T\\" + c.key, c.name, c.type, c.data);
    reg_.CreateKey("HKCU\\Software\\Other");
    TreeSnapshot expected = TreeT();
    if (!c.writable && c.key.empty()) {
      std::erase_if(expected[""], [&](const RawValue& value) { return value.name == c.name; });
    } else if (!c.writable) {
      expected.erase(c.key);
    }

    const std::string file = dir_.File(std::to_string(&c - cases.data()) + ".reg");
    EXPECT_EQ(reg_.ExportToReg("HKCU\\T", file, true), c.writable ? 1 : 0);
    EXPECT_EQ(ReadBytes(file), "REGEDIT4\r\n\r\n" + c.lines);
    testing_support::DeleteTree(sim_, win::HKEY_CURRENT_USER, "T");
    EXPECT_EQ(reg_.ImportFromReg(file), 1);
    EXPECT_EQ(TreeT(), expected);
    EXPECT_TRUE(Exists("Software\\Other"));
  }
}

// The sim, except that after a number of opens every further open fails, as
// when another program deletes the key while it is being exported.
class VanishingRegistry final : public platform::Registry {
 public:
  VanishingRegistry(platform::Registry& real, int opens) : real_(real), opensLeft_(opens) {}

  win::LSTATUS RegOpenKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override {
    return Gone() ? win::ERROR_FILE_NOT_FOUND : real_.RegOpenKeyA(key, subKey, result);
  }
  win::LSTATUS RegOpenKeyExA(win::HKEY key, const char* subKey, win::DWORD options,
                             win::REGSAM access, win::HKEY* result) override {
    return Gone() ? win::ERROR_FILE_NOT_FOUND
                  : real_.RegOpenKeyExA(key, subKey, options, access, result);
  }
  win::LSTATUS RegCreateKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override {
    return real_.RegCreateKeyA(key, subKey, result);
  }
  win::LSTATUS RegCreateKeyExA(win::HKEY key, const char* subKey, win::DWORD reserved,
                               const char* keyClass, win::DWORD options, win::REGSAM access,
                               const win::SECURITY_ATTRIBUTES* security, win::HKEY* result,
                               win::DWORD* disposition) override {
    return real_.RegCreateKeyExA(key, subKey, reserved, keyClass, options, access, security, result,
                                 disposition);
  }
  win::LSTATUS RegCloseKey(win::HKEY key) override { return real_.RegCloseKey(key); }
  win::LSTATUS RegDeleteKeyA(win::HKEY key, const char* subKey) override {
    return real_.RegDeleteKeyA(key, subKey);
  }
  win::LSTATUS RegDeleteValueA(win::HKEY key, const char* valueName) override {
    return real_.RegDeleteValueA(key, valueName);
  }
  win::LSTATUS RegSetValueExA(win::HKEY key, const char* valueName, win::DWORD reserved,
                              win::DWORD type, const win::BYTE* data, win::DWORD size) override {
    return real_.RegSetValueExA(key, valueName, reserved, type, data, size);
  }
  win::LSTATUS RegQueryValueExA(win::HKEY key, const char* valueName, win::DWORD* type,
                                win::BYTE* data, win::DWORD* size) override {
    return real_.RegQueryValueExA(key, valueName, type, data, size);
  }
  win::LSTATUS RegEnumKeyExA(win::HKEY key, win::DWORD index, char* name,
                             win::DWORD* nameLength) override {
    return real_.RegEnumKeyExA(key, index, name, nameLength);
  }
  win::LSTATUS RegEnumValueA(win::HKEY key, win::DWORD index, char* name, win::DWORD* nameLength,
                             win::DWORD* type, win::BYTE* data, win::DWORD* dataSize) override {
    return real_.RegEnumValueA(key, index, name, nameLength, type, data, dataSize);
  }
  win::LSTATUS RegNotifyChangeKeyValue(win::HKEY key, win::DWORD filter, win::HWND window,
                                       win::UINT message) override {
    return real_.RegNotifyChangeKeyValue(key, filter, window, message);
  }

 private:
  bool Gone() { return opensLeft_-- <= 0; }

  platform::Registry& real_;
  int opensLeft_;
};

TEST_F(RegistryScriptTest, AKeyThatVanishesDuringTheExportGivesFewerLinesNeverAnException) {
  Raw("T", "", win::REG_DWORD, Dword(7));
  Raw("T", "s", win::REG_SZ, Sz("text"));
  Raw("T", "b", win::REG_BINARY, "\x01\x02");
  Raw("T", "d", win::REG_DWORD, Dword(9));
  Raw("T\\Sub", "s", win::REG_SZ, Sz("below"));
  for (int opens = 0; opens < 16; ++opens) {
    SCOPED_TRACE(opens);
    const std::string file = dir_.File("vanish" + std::to_string(opens) + ".reg");
    VanishingRegistry vanishing(sim_, opens);
    std::int32_t result = -1;
    {
      platform::Install<platform::Registry> use(vanishing);
      EXPECT_NO_THROW(result = reg_.ExportToReg("HKCU\\T", file, true));
    }
    EXPECT_EQ(result, 1) << "a key that cannot be read has no lines; that is no failure";
    EXPECT_EQ(sim_.OpenKeyCount(), 0);
    // Whatever was written is a script that imports.
    const std::string script = ReadBytes(file);
    EXPECT_TRUE(script.starts_with("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\T]\r\n")) << script;
    EXPECT_EQ(reg_.ImportFromReg(file), 1);
  }
}

}  // namespace
