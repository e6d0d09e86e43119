// The class's scripts against the system's own registry editor, under Wine:
// a tree the class exports imports the same with "regedit /s", and REGEDIT4
// files in the forms that editor's conformance tests use mean the same to
// both, within the subset the class reads. Where the two differ by design,
// the case says why and the test holds them to differing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/RunProgram.h"
#include "platform/Services.h"
#include "platform/win32/Win32Registry.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTools.h"
#include "support/RegistryTree.h"
#include "support/ScratchDir.h"

namespace {

using testing_support::RawValue;
using testing_support::TreeSnapshot;

constexpr char kKey[] = "Software\\KV3050P Interop";
// "$" in a case's lines stands for the key's full path.
constexpr char kPath[] = "HKEY_CURRENT_USER\\Software\\KV3050P Interop";

std::string Expand(const std::string& line) {
  std::string out;
  for (const char c : line) {
    if (c == '$') {
      out += kPath;
    } else {
      out += c;
    }
  }
  return out;
}

class RegeditInterop : public ::testing::Test {
 protected:
  void SetUp() override { Clear(); }
  void TearDown() override { Clear(); }

  void Clear() { testing_support::DeleteTree(registry_, win::HKEY_CURRENT_USER, kKey); }
  TreeSnapshot Tree() { return testing_support::ReadTree(registry_, win::HKEY_CURRENT_USER, kKey); }

  // "regedit /s file", waited for.
  void Regedit(const std::string& file) {
    ASSERT_TRUE(e2e::RunAndWait("regedit.exe /s \"" + file + "\"")) << "regedit.exe failed to run";
  }

  // The trees the system's editor and the class make of one script, each
  // applied to an empty key.
  std::pair<TreeSnapshot, TreeSnapshot> BothImports(const std::string& script) {
    const std::string file = dir_.File("case" + std::to_string(serial_++) + ".reg");
    testing_support::WriteBytes(file, script);
    Clear();
    Regedit(file);
    TreeSnapshot system = Tree();
    Clear();
    reg_.ImportFromReg(file);
    TreeSnapshot ours = Tree();
    Clear();
    return {system, ours};
  }

  win32::Win32Registry registry_;
  platform::Install<platform::Registry> use_{registry_};
  clsRegistryAccess reg_;
  testing_support::ScratchDir dir_;
  int serial_ = 0;
};

TEST_F(RegeditInterop, ATreeTheClassExportsImportsTheSameWithTheSystemsEditor) {
  testing_support::WriteSampleTree(registry_, win::HKEY_CURRENT_USER, kKey);
  // The system's editor unescapes backslashes and quotes in names and texts,
  // which the class writes as they are: those are left out here.
  for (const auto& [key, values] : Tree()) {
    const std::string path = key.empty() ? kKey : std::string(kKey) + "\\" + key;
    for (const RawValue& value : values) {
      const bool escaped =
          value.name.find_first_of("\\\"") != std::string::npos ||
          (value.type == win::REG_SZ && value.data.find_first_of("\\\"") != std::string::npos);
      if (!escaped) continue;
      win::HKEY opened = 0;
      ASSERT_EQ(registry_.RegOpenKeyExA(win::HKEY_CURRENT_USER, path.c_str(), 0,
                                        win::KEY_ALL_ACCESS, &opened),
                win::ERROR_SUCCESS);
      registry_.RegDeleteValueA(opened, value.name.c_str());
      registry_.RegCloseKey(opened);
    }
  }
  const TreeSnapshot before = Tree();
  ASSERT_EQ(before.size(), 8u);

  const std::string file = dir_.File("exported.reg");
  ASSERT_EQ(reg_.ExportToReg(std::string("HKCU\\") + kKey, file, true), 1);
  Clear();
  Regedit(file);
  EXPECT_EQ(Tree(), before);
}

struct Case {
  const char* what;
  std::vector<std::string> lines;  // after "REGEDIT4" and an empty line
  // False where the two differ by design; the case's comment says why.
  bool agree = true;
  bool finalLineEnd = true;
};

std::string Script(const Case& c, const std::string& first = "REGEDIT4") {
  std::string script = first + "\r\n\r\n";
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    script += Expand(c.lines[i]);
    if (i + 1 < c.lines.size() || c.finalLineEnd) script += "\r\n";
  }
  return script;
}

// The inputs are those of the editor's own conformance tests, with CR LF line
// ends; "hex(n):" values there are written "hex:" here where the case is
// about how bytes are read, since the class reads no typed values.
TEST_F(RegeditInterop, ScriptsInTheEditorsFormsMeanTheSameToBoth) {
  const std::vector<Case> cases = {
      {"basic values",
       {"[$]", "\"TestValue\"=\"AValue\"", "\"TestDword\"=dword:00000017",
        "\"TestBinary\"=hex:aa,bb,cc,11", "\"With=Equals\"=\"asdf\"", "\"Empty string\"=\"\"",
        "\"\"=\"Default registry value\"", "\"single'quote\"=dword:00000008"}},
      {"blank lines and comments between values",
       {"[$]", "\"Line1\"=\"Value1\"", "", "\"Line2\"=\"Value2\"", "", "", "\"Line3\"=\"Value3\"",
        "\"Wine1\"=dword:00000782", "", "\"Wine2\"=\"Test Value\"", "#comment", "@=\"Test\"",
        ";comment", "", "\"Wine4\"=dword:12345678", "\"Wine8a\"=dword:1", "\"Wine8b\"=dword:4444"}},
      {"no line end after the last line", {"[$]", "\"Wine5\"=\"No newline\""}, true, false},
      {"hex bytes continued, with comments and a line that does not continue",
       {"[$]",
        "\"Wine12a\"=hex:11,22,33,44,55,66,77,88",
        "\"Wine12b\"=hex:11,22,33,44,\\",
        "  55,66,77,88",
        "\"Wine12c\"=hex:11,22,33,44,\\;comment",
        "  55,66,\\",
        "  77,88",
        "\"Wine12d\"=hex:11,22,33,44,\\;comment",
        "  55,66,",
        "  77,88",
        "\"Wine12e\"=hex:11,22,33,44,\\;comment",
        "  55,66,;comment",
        "  77,88",
        "\"Wine14a\"=hex:4c,69,6e,65,20,  \\",
        "  63,6f,6e",
        "\"Wine14b\"=hex:4c,69,\t\\",
        "  63,6f",
        "\"Wine15\"=hex:25,50,41,54,48,25,00,",
        "\"Wine16\"=hex:\\",
        "  25,48,4f,4d,45,25,00",
        "\"Wine22h\"=hex:"}},
      {"a file that ends after a backslash",
       {"[$]", "\"Wine17c\"=hex:11,22,33,44,55,\\"},
       true,
       false},
      {"slashes in names and keys",
       {"[$]", "\"count/up\"=\"one/two/three\"", "", "[$\\https://winehq.org]", ""}},
      {"names that never close, numbers that are not 1 to 8 digits",
       {"[$]", "\"TestNoEndQuote\"=\"Asdffdsa", "\"NameNoEndQuote=\"Asdffdsa\"",
        "\"MixedQuotes=Asdffdsa\"", "\"Test12a\"=dword:", "\"Test12b\"=dword:hello",
        "\"Test12c\"=dword:123456789", "\"Test12d\"=dword:012345678", "\"Test12e\"=dword:000000001",
        "\"Test13a\"=dword:12345678abc", "\"Test13b\"=dword:12345678 abc",
        "\"Test14a\"=dword:0x123", "\"Test14b\"=dword:123 456", "\"Test14c\"=dword:1234 5678",
        "\"Test18a\"=dword:1234\\", "5678", "\"Test18b\"=\"Test \\", "Value\""}},
      {"key and value names cut over two lines", {"[$\\", "Subkey1]", "[$", "\\Subkey2]"}},
      {"hex bytes with misplaced commas and backslashes",
       {"[$]",
        "\"Test21a\"=hex:11,22,33,44\\",
        ",55,66,77,88",
        "\"Test21b\"=hex:11,22,33,44\\",
        "  ,55,66,77,88",
        "\"Test21c\"=hex:11,22,33,44\\",
        "  55,66,77,88",
        "\"Test21d\"=hex:11,22,33,4\\",
        "4,55,66,77,88",
        "\"Test21e\"=hex:11,22,33,4\\",
        "  4,55,66,77,88",
        "\"Test21f\"=hex:11,22,33,\\;comment",
        "  44,55,66,\\#comment",
        "  77,88",
        "\"Wine22a\"=hex:25,50,100,54",
        "\"Wine23a\"=hex:25,48\\,4f",
        "\"Wine23b\"=hex:25,48,\\4f",
        "\"Wine23c\"=hex:25,48\\ ,4f",
        "\"Wine23d\"=hex:25,48,\\ 4f",
        "\"Wine23e\"=hex:\\25,48",
        "\"Wine23f\"=hex:\\ 25,48",
        "\"Wine23g\"=hex:25,48,4\\f,4d",
        "\"Wine23h\"=hex:25,48,4\\",
        "  f,4d",
        "\"Wine23i\"=hex:25,50,\\,41",
        "\"Wine23j\"=hex:25,48,5c,\\\\",
        "  25,50",
        "\"Wine23k\"=hex:,\\",
        "  25,48",
        "\"Wine29a\"=hex:11,22,33,\\",
        "\\",
        "  44,55,66",
        "\"Wine29b\"=hex:11,22,33,\\",
        "  \\",
        "  44,55,66",
        "\"Wine30a\"=hex:25,48,5c,/",
        "  25,50",
        "\"Wine31\"=hex:4c,69,6e,65,20\\",
        "\"Wine32a\"=hex:4c,69,\\",
        "  ,63,6f",
        "\"Wine32b\"=hex:4c,69,\\",
        "  63,,6f"}},
      {"a broken continuation takes the next value line with it, not a comment's",
       {"[$]",
        "\"Wine25a\"=hex:4c,69,\\",
        "\"Wine25b\"=\"Test value\"",
        "\"Wine25c\"=hex:4c,69,\\",
        ";comment",
        "\"Wine25d\"=\"Test value\"",
        "\"Wine25e\"=hex:4c,69,\\",
        "#comment",
        "\"Wine25f\"=\"Test value\"",
        "\"Wine25g\"=hex:4c,69,\\",
        "",
        "\"Wine25h\"=\"Test value\"",
        "\"Wine25i\"=hex:4c,69\\",
        "\"Wine25j\"=\"Test value\"",
        "\"Wine26e\"=hex:4c,69,\\",
        "#comment",
        "\"Wine26f\"=dword:00000008",
        "\"Wine28c\"=hex:4c,69,\\",
        "#comment",
        "@=\"Default value 3\"",
        "\"Wine28e\"=hex:4c,69\\",
        "\"Wine28ee\"=\"Default value 5\""}},
      {"a backslash without a comma before it ends a value at a header",
       {"[$]", "\"Wine24b\"=hex:4c,69,6e,65,20\\", "[$\\Subkey2]"}},
      {"comments after data",
       {"[$]",
        "#comment\\",
        "\"Wine1\"=\"Line 1\"",
        ";comment\\",
        "\"Wine2\"=\"Line 2\"",
        "\"Wine3\"=\"Value 1\"#comment",
        "\"Wine4\"=\"Value 2\";comment",
        "\"Wine5\"=dword:01020304 #comment",
        "\"Wine6\"=dword:02040608 ;comment",
        "\"Wine15\"=\"#comment1\"",
        "\"Wine16\"=\";comment2\"",
        "\"Wine17\"=\"Value#comment3\"",
        "\"Wine18\"=\"Value;comment4\"",
        "\"Wine19\"=\"Value #comment5\"",
        "\"Wine20\"=\"Value ;comment6\"",
        "\"Wine23\"=dword:00000003#comment",
        "\"Wine24\"=dword:00000004;comment",
        "\"Wine25a\"=dword:1234;5678",
        "\"Wine25b\"=dword:1234 ;5678",
        "\"Wine25c\"=dword:1234#5678",
        "\"Wine25d\"=dword:1234 #5678",
        "\"Wine26a\"=\"Value1\"  ;comment",
        "\"Wine26b\"=\"Value2\"\t\t;comment",
        "\"Wine26c\"=\"Value3\"  #comment",
        "\"Wine26d\"=\"Value4\"\t\t#comment",
        "\"Wine27a\"=hex:25,50,41,54,48,25,00  ;comment",
        "\"Wine27b\"=hex:25,50,41,54,48,25,00\t;comment",
        "\"Wine27c\"=hex:25,50,41,54,48,25,00  #comment",
        "\"Wine28a\"=hex:25,48,5c,\\",
        "  25,50,00",
        "\"Wine28c\"=hex:25,48,5c,  \\  ;comment",
        "  25,50,00",
        "\"Wine28d\"=hex:25,48,5c  \\  ;comment",
        "  25,50,00",
        "\"Multi-Line6\"=hex:4c,69,\\",
        "  63,6f,6e,\\;comment",
        "  63,61,74,\\",
        "",
        "  65,6e,\\;comment",
        "",
        "  61,74",
        "\"Wine29b\"=hex:4c,69,\\",
        "  63,6f,\\",
        "  ;comment",
        "  65,6e",
        "\"Wine29d\"=hex:4c,\\",
        "  63,\\",
        "  #comment",
        "  65,6e"}},
      {"blanks around lines, names, \"=\" and data",
       {"\t[$]", "  \"Wine3a\"=\"Two leading spaces\"", "\t\"Wine3b\"=\"One leading tab\"",
        " \t \"Wine3c\"=\"Space, tab, space\"", "\t\t\"Wine5b\"\t\t=\"Leading tabs\"",
        "\t  \"Wine5c\"=\t  \"Tabs and spaces\"",
        "    \"Wine5d\"    \t    =    \t    \"More whitespace\"", "\"  Wine6a\"=\"Leading spaces\"",
        "\"\t\tWine6b\"=\"Leading tabs\"", "  \"  Wine6c  \"  =  \"  Spaces everywhere  \"  ",
        "\"Wine7a\"=\"    Four spaces in the data\"", "\"Wine7b\"=\"\t\tTwo tabs in the data\"",
        "\"Wine8a\"=\"Trailing spaces\"    ", "\"Wine8b\"=\"Trailing tabs and spaces\"\t  \t",
        "\"Wine9a\"=dword:  00000008", "\"Wine9b\"=dword:\t\t00000008", "@  =  \"Test Value\"",
        "[$\\Sub]", "\t@\t=\tdword:\t00000008\t"}},
      {"key headers: brackets, blanks, case and deletions of leaf keys",
       {"$\\No_Opening_Bracket]",
        "[$\\No_Closing_Bracket",
        "[ $\\Subkey1a]",
        "[\t$\\Subkey1b]",
        "[$\\Subkey1c ]",
        "[$\\Subkey1d\t]",
        "[$\\Subkey1e\\]",
        "\"Wine\"=\"Test value\"",
        "[$\\Subkey2a]",
        "[$\\Subkey2b]",
        "[ -$\\Subkey2a]",
        "[\t-$\\Subkey2b]",
        "[- $\\Subkey2a]",
        "[-\t$\\Subkey2b]",
        "[-$\\Subkey2b]",
        "[hkey_CURRENT_user\\" + std::string(kKey) + "\\Subkey3a]",
        "[HkEy_CuRrEnT_uSeR\\" + std::string(kKey) + "\\SuBkEy3b]",
        "[-HKEY_current_USER\\" + std::string(kKey) + "\\sUBKEY3A]",
        "[$\\Subkey4a]",
        "[$]",
        "[-$\\Subkey4a]",
        "\"Wine1a\"=dword:12345678",
        "[HKEY_CURRENT_USERS\\" + std::string(kKey) + "\\Subkey4b]",
        "\"Wine1b\"=dword:12345678"}},
      {"value deletions",
       {"[$]", "\"Wine46a\"=\"Test Value\"", "\"Wine46b\"=dword:00000008",
        "\"Wine46c\"=hex:11,22,33,44", "\"Wine46e\"=\"x\"", "\"Wine46a\"=-", "\"Wine46b\"=  -",
        "\"Wine46c\"=  \t-\t  ", "\"Wine46e\"=- ;comment"}},

      // By design the class reads names and data without quotes as text, so
      // lines the editor rejects are values here.
      {"unquoted names and data are texts here",
       {"[$]", "\"TestNoQuotes\"=Asdffdsa", "NameNoQuotes=\"Asdffdsa\"",
        "#\"Comment1\"=\"Value 1\"", "\"Wine13\"=#\"Value 8\"", "\"Wine21\"=#dword:00000001"},
       false},
      {"a \"-\" followed by more than a comment is a text here, not left alone",
       {"[$]", "\"Wine46d\"=\"x\"", "\"Wine46f\"=\"y\"", "\"Wine46d\"=-\"Test\"",
        "\"Wine46f\"=- #comment"},
       false},
      // Quotes inside a text are not escaped, so a text runs to the line's last quote.
      {"a text runs to the last quote here",
       {"[$]", "\"Wine11\"=\"Value 6\"#\"Comment5\"=\"Value 5\"",
        "\"Wine12\"=\"Value 7\";\"Comment6\"=\"Value 6\"", "\"Test15a\"=\"foo\"bar\""},
       false},
      // No escape sequences here: the editor reads "\\" as one backslash.
      {"escapes",
       {"[$\\Subkey\"1]", "\"Wine\\\\31\"=\"Test value\"", "\"a\"=\"C:\\\\dir\""},
       false},
      // Typed values ("hex(n):") are not read by the class.
      {"typed hex values", {"[$]", "\"Wine9a\"=hex(2):4c,69,6e,65,00"}, false},
      // A header always starts its block here, so that no value meant for it
      // can land in the key above; the editor reads it as the value's next line.
      {"a header after a backslash",
       {"[$]", "\"Wine24a\"=hex:4c,69,6e,65,20,\\", "[$\\Subkey1]"},
       false},
      // A deletion header deletes a key only while it has no sub-keys here;
      // the editor deletes the whole tree.
      {"deleting a key with sub-keys", {"[$\\Parent\\Child]", "[-$\\Parent]"}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto [system, ours] = BothImports(Script(c));
    if (c.agree) {
      EXPECT_EQ(ours, system);
    } else {
      EXPECT_NE(ours, system);
    }
  }
}

// First lines: the class takes "REGEDIT4" alone, in any case, and only with
// CR LF line ends; version 5 files are UTF-16 and not read by the class.
TEST_F(RegeditInterop, FirstLinesBothRefuseAndThoseOnlyOneTakes) {
  const Case values = {"", {"[$]", "\"Test\"=\"Value\""}};
  for (const char* first :
       {"REGEDIT3", "REGEDIT 4", "REGEDIT4FOO", "REGEDIT4 FOO", "REGEDIT5",
        "Windows Registry Editor Version 4.00", "Windows Registry Editor Version 5",
        "WINDOWS REGISTRY EDITOR VERSION 5.00", "Windows Registry Editor version 5.00"}) {
    SCOPED_TRACE(first);
    const auto [system, ours] = BothImports(Script(values, first));
    EXPECT_TRUE(system.empty());
    EXPECT_TRUE(ours.empty());
  }
  // The editor takes only upper case, but leading blanks, LF line ends and
  // version 5 headers: by design the class takes any case, and none of those.
  for (const std::string& script :
       {Script(values, "regedit4"), Script(values, "Regedit4"), Script(values, "  REGEDIT4"),
        Script(values, "Windows Registry Editor Version 5.00"),
        Expand("REGEDIT4\n\n[$]\n\"Test\"=\"Value\"\n")}) {
    SCOPED_TRACE(script);
    const auto [system, ours] = BothImports(script);
    EXPECT_NE(ours, system);
  }
}

}  // namespace
