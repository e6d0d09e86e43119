// The advapi32 behaviour the system relies on, checked on both backends.
#include <cstring>
#include <string>
#include <vector>

#include "conformance/ContractTest.h"
#include "platform/Windowing.h"
#include "support/RegistryTools.h"

namespace conformance {
namespace {

using testing_support::DeleteTree;
using testing_support::QueryRaw;
using testing_support::SetRaw;
using testing_support::SubKeys;
using testing_support::Values;

class RegistryContract : public ContractTest {
 protected:
  void SetUp() override {
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey);
    baseline_ = Platform().OpenHandles();
  }
  void TearDown() override {
    EXPECT_EQ(Platform().OpenHandles(), baseline_) << "a registry handle was left open";
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey);
  }

  std::string Path(const std::string& below = "") {
    return below.empty() ? std::string(kScratchKey) : std::string(kScratchKey) + "\\" + below;
  }

  win::HKEY Create(const std::string& below = "", win::REGSAM access = win::KEY_ALL_ACCESS) {
    win::HKEY key = 0;
    EXPECT_EQ(Reg().RegCreateKeyExA(win::HKEY_CURRENT_USER, Path(below).c_str(), 0, nullptr, 0,
                                    access, nullptr, &key, nullptr),
              win::ERROR_SUCCESS);
    return key;
  }

  win::LSTATUS Open(const std::string& below, win::REGSAM access, win::HKEY* key) {
    return Reg().RegOpenKeyExA(win::HKEY_CURRENT_USER, Path(below).c_str(), 0, access, key);
  }

  win::LSTATUS SetString(win::HKEY key, const char* name, const char* text, win::DWORD size) {
    return Reg().RegSetValueExA(key, name, 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>(text),
                                size);
  }

  long baseline_ = 0;
};

TEST_F(RegistryContract, TheLeakProbeSeesAnOpenHandle) {
  win::HKEY key = Create();
  EXPECT_EQ(Platform().OpenHandles(), baseline_ + 1);
  Reg().RegCloseKey(key);
  EXPECT_EQ(Platform().OpenHandles(), baseline_);
}

TEST_F(RegistryContract, OpeningAMissingKeyFailsWithFileNotFound) {
  win::HKEY key = 0;
  EXPECT_EQ(Open("Missing", win::KEY_READ, &key), win::ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryContract, CreateMakesEveryMissingKeyOnThePathAndReportsDisposition) {
  win::HKEY key = 0;
  win::DWORD disposition = 0;
  ASSERT_EQ(Reg().RegCreateKeyExA(win::HKEY_CURRENT_USER, Path("A\\B\\C").c_str(), 0, "", 0,
                                  win::KEY_ALL_ACCESS, nullptr, &key, &disposition),
            win::ERROR_SUCCESS);
  EXPECT_EQ(disposition, win::REG_CREATED_NEW_KEY);
  Reg().RegCloseKey(key);
  ASSERT_EQ(Reg().RegCreateKeyExA(win::HKEY_CURRENT_USER, Path("a\\b\\c").c_str(), 0, "", 0,
                                  win::KEY_ALL_ACCESS, nullptr, &key, &disposition),
            win::ERROR_SUCCESS);
  EXPECT_EQ(disposition, win::REG_OPENED_EXISTING_KEY);
  Reg().RegCloseKey(key);
  EXPECT_EQ(SubKeys(Reg(), win::HKEY_CURRENT_USER, Path("A")), std::vector<std::string>{"B"});
}

TEST_F(RegistryContract, KeyAndValueNamesIgnoreCaseAndKeepTheirSpelling) {
  Reg().RegCloseKey(Create("MixedCase"));
  win::HKEY key = 0;
  ASSERT_EQ(Open("MIXEDCASE", win::KEY_ALL_ACCESS, &key), win::ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "ScrollLine", "7", 2), win::ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "SCROLLLINE", "8", 2), win::ERROR_SUCCESS);
  Reg().RegCloseKey(key);
  const auto values = Values(Reg(), win::HKEY_CURRENT_USER, Path("mixedcase"));
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].name, "ScrollLine");
  EXPECT_EQ(values[0].data, std::string("8\0", 2));
  EXPECT_EQ(SubKeys(Reg(), win::HKEY_CURRENT_USER, Path()), std::vector<std::string>{"MixedCase"});
}

TEST_F(RegistryContract, StringDataIsStoredAsTheBytesGiven) {
  win::HKEY key = Create();
  // Exactly one byte, no terminator.
  ASSERT_EQ(SetString(key, "NoNul", "7X", 1), win::ERROR_SUCCESS);
  // With the terminator counted.
  ASSERT_EQ(SetString(key, "WithNul", "7", 2), win::ERROR_SUCCESS);
  // Spaces and an empty value survive as given.
  ASSERT_EQ(SetString(key, "Spaces", " 7 ", 3 + 1), win::ERROR_SUCCESS);
  ASSERT_EQ(SetString(key, "Empty", "", 0), win::ERROR_SUCCESS);
  Reg().RegCloseKey(key);
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "NoNul")->data, "7");
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "WithNul")->data,
            std::string("7\0", 2));
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "Spaces")->data,
            std::string(" 7 \0", 4));
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "Empty")->data, "");
}

TEST_F(RegistryContract, AStringWhoseNulWasNotCountedGetsItCounted) {
  // Windows looks one byte past a string's given length and counts a NUL found there.
  win::HKEY key = Create();
  ASSERT_EQ(SetString(key, "Seven", "7", 1), win::ERROR_SUCCESS);
  Reg().RegCloseKey(key);
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "Seven")->data, std::string("7\0", 2));
}

TEST_F(RegistryContract, QueryReportsSizeTypeAndMissingValues) {
  win::HKEY key = Create();
  ASSERT_EQ(SetString(key, "Text", "abc", 4), win::ERROR_SUCCESS);
  win::DWORD type = 0;
  win::DWORD size = 0;
  EXPECT_EQ(Reg().RegQueryValueExA(key, "Text", &type, nullptr, &size), win::ERROR_SUCCESS);
  EXPECT_EQ(type, win::REG_SZ);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(Reg().RegQueryValueExA(key, "Absent", &type, nullptr, &size),
            win::ERROR_FILE_NOT_FOUND);
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, AShortBufferGetsMoreDataTheSizeNeededAndStaysUntouched) {
  win::HKEY key = Create();
  const std::string long300(300, 'x');
  ASSERT_EQ(SetString(key, "Long", long300.c_str(), 301), win::ERROR_SUCCESS);
  std::vector<win::BYTE> buffer(256, ' ');
  win::DWORD size = 256;
  EXPECT_EQ(Reg().RegQueryValueExA(key, "Long", nullptr, buffer.data(), &size),
            win::ERROR_MORE_DATA);
  EXPECT_EQ(size, 301u);
  EXPECT_EQ(buffer, std::vector<win::BYTE>(256, ' '));
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, AStringStoredWithoutNulIsReadBackWithOneWhenThereIsRoom) {
  win::HKEY key = Create();
  ASSERT_EQ(SetString(key, "Bare", "abcX", 3), win::ERROR_SUCCESS);
  std::vector<win::BYTE> buffer(8, '#');
  win::DWORD size = 8;
  ASSERT_EQ(Reg().RegQueryValueExA(key, "Bare", nullptr, buffer.data(), &size), win::ERROR_SUCCESS);
  EXPECT_EQ(size, 3u);
  EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 5), std::string("abc\0#", 5));
  // Exactly the data's size: no room for a NUL, and none is written.
  std::vector<win::BYTE> exact(3, '#');
  size = 3;
  ASSERT_EQ(Reg().RegQueryValueExA(key, "Bare", nullptr, exact.data(), &size), win::ERROR_SUCCESS);
  EXPECT_EQ(std::string(exact.begin(), exact.end()), "abc");
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, TheDefaultValueHasTheEmptyName) {
  win::HKEY key = Create();
  ASSERT_EQ(SetString(key, nullptr, "default", 8), win::ERROR_SUCCESS);
  Reg().RegCloseKey(key);
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "")->data, std::string("default\0", 8));
}

TEST_F(RegistryContract, NumbersAndBinariesRoundTrip) {
  win::HKEY key = Create();
  const win::DWORD number = 0xFFFFFFFF;
  ASSERT_EQ(Reg().RegSetValueExA(key, "Number", 0, win::REG_DWORD,
                                 reinterpret_cast<const win::BYTE*>(&number), 4),
            win::ERROR_SUCCESS);
  const win::BYTE bytes[] = {0x00, 0xA0, 0xFF};
  ASSERT_EQ(Reg().RegSetValueExA(key, "Bytes", 0, win::REG_BINARY, bytes, 3), win::ERROR_SUCCESS);
  ASSERT_EQ(Reg().RegSetValueExA(key, "NoBytes", 0, win::REG_BINARY, bytes, 0), win::ERROR_SUCCESS);
  Reg().RegCloseKey(key);
  const auto numberRead = QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "Number");
  EXPECT_EQ(numberRead->type, win::REG_DWORD);
  EXPECT_EQ(numberRead->data, std::string("\xFF\xFF\xFF\xFF", 4));
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "Bytes")->data,
            std::string("\x00\xA0\xFF", 3));
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, Path(), "NoBytes")->data, "");
}

TEST_F(RegistryContract, SubKeysEnumerateInCaseInsensitiveOrder) {
  for (const char* name : {"b", "A", "_x", "C", "a1"}) Reg().RegCloseKey(Create(name));
  if (Platform().IsWine()) {
    // Wine quirk: Wine compares lower-cased names, so "_" sorts before letters;
    // Windows compares upper-cased names, and "_" follows "Z".
    EXPECT_EQ(SubKeys(Reg(), win::HKEY_CURRENT_USER, Path()),
              (std::vector<std::string>{"_x", "A", "a1", "b", "C"}));
  } else {
    EXPECT_EQ(SubKeys(Reg(), win::HKEY_CURRENT_USER, Path()),
              (std::vector<std::string>{"A", "a1", "b", "C", "_x"}));
  }
}

TEST_F(RegistryContract, ValuesEnumerateInCreationOrderOnWindows) {
  win::HKEY key = Create();
  for (const char* name : {"b", "a", "C"}) ASSERT_EQ(SetString(key, name, "v", 2), 0);
  ASSERT_EQ(SetString(key, "b", "w", 2), 0);  // rewriting keeps the place
  Reg().RegCloseKey(key);
  std::vector<std::string> names;
  for (const auto& value : Values(Reg(), win::HKEY_CURRENT_USER, Path())) {
    names.push_back(value.name);
  }
  if (Platform().IsWine()) {
    // Wine quirk: values come back sorted by name.
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "C"}));
  } else {
    EXPECT_EQ(names, (std::vector<std::string>{"b", "a", "C"}));
  }
}

TEST_F(RegistryContract, EnumerationWithAShortNameBufferGetsMoreData) {
  Reg().RegCloseKey(Create("LongerName"));
  win::HKEY key = Create();
  ASSERT_EQ(SetString(key, "LongerValue", "v", 2), 0);
  char name[4];
  win::DWORD length = sizeof name;
  EXPECT_EQ(Reg().RegEnumKeyExA(key, 0, name, &length), win::ERROR_MORE_DATA);
  length = sizeof name;
  win::DWORD type = 0;
  EXPECT_EQ(Reg().RegEnumValueA(key, 0, name, &length, &type, nullptr, nullptr),
            win::ERROR_MORE_DATA);
  length = sizeof name;
  EXPECT_EQ(Reg().RegEnumKeyExA(key, 1, name, &length), win::ERROR_NO_MORE_ITEMS);
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, AKeyWithSubKeysCannotBeDeleted) {
  Reg().RegCloseKey(Create("Parent\\Child"));
  EXPECT_EQ(Reg().RegDeleteKeyA(win::HKEY_CURRENT_USER, Path("Parent").c_str()),
            win::ERROR_ACCESS_DENIED);
  EXPECT_EQ(Reg().RegDeleteKeyA(win::HKEY_CURRENT_USER, Path("Parent\\Child").c_str()),
            win::ERROR_SUCCESS);
  EXPECT_EQ(Reg().RegDeleteKeyA(win::HKEY_CURRENT_USER, Path("Parent").c_str()),
            win::ERROR_SUCCESS);
  win::HKEY key = 0;
  EXPECT_EQ(Open("Parent", win::KEY_READ, &key), win::ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Reg().RegDeleteKeyA(win::HKEY_CURRENT_USER, Path("Parent").c_str()),
            win::ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryContract, AnEmptySubKeyNameDeletesTheOpenedKeyItself) {
  win::HKEY key = Create("Doomed");
  ASSERT_EQ(Reg().RegDeleteKeyA(key, ""), win::ERROR_SUCCESS);
  win::DWORD size = 0;
  EXPECT_EQ(Reg().RegQueryValueExA(key, "x", nullptr, nullptr, &size), win::ERROR_KEY_DELETED);
  EXPECT_EQ(Reg().RegCloseKey(key), win::ERROR_SUCCESS);
  win::HKEY reopened = 0;
  EXPECT_EQ(Open("Doomed", win::KEY_READ, &reopened), win::ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryContract, HandlesKeepTheAccessTheyWereOpenedWith) {
  Reg().RegCloseKey(Create());
  win::HKEY readOnly = 0;
  ASSERT_EQ(Open("", win::KEY_READ, &readOnly), win::ERROR_SUCCESS);
  EXPECT_EQ(SetString(readOnly, "x", "1", 2), win::ERROR_ACCESS_DENIED);
  EXPECT_EQ(Reg().RegDeleteValueA(readOnly, "x"), win::ERROR_ACCESS_DENIED);
  Reg().RegCloseKey(readOnly);
  win::HKEY writeOnly = 0;
  ASSERT_EQ(Open("", win::KEY_WRITE, &writeOnly), win::ERROR_SUCCESS);
  EXPECT_EQ(SetString(writeOnly, "x", "1", 2), win::ERROR_SUCCESS);
  win::DWORD size = 0;
  EXPECT_EQ(Reg().RegQueryValueExA(writeOnly, "x", nullptr, nullptr, &size),
            win::ERROR_ACCESS_DENIED);
  EXPECT_EQ(Reg().RegDeleteValueA(writeOnly, "x"), win::ERROR_SUCCESS);
  EXPECT_EQ(Reg().RegDeleteValueA(writeOnly, "x"), win::ERROR_FILE_NOT_FOUND);
  Reg().RegCloseKey(writeOnly);
}

TEST_F(RegistryContract, OpenKeyWithoutSubKeyHandsBackTheCallersHandle) {
  win::HKEY key = Create();
  win::HKEY same = 0;
  ASSERT_EQ(Reg().RegOpenKeyA(key, "", &same), win::ERROR_SUCCESS);
  EXPECT_EQ(same, key);
  ASSERT_EQ(Reg().RegOpenKeyA(key, nullptr, &same), win::ERROR_SUCCESS);
  EXPECT_EQ(same, key);
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, CreateKeyWithoutSubKeyHandsBackTheCallersHandle) {
  win::HKEY key = Create();
  win::HKEY same = 0;
  ASSERT_EQ(Reg().RegCreateKeyA(key, "", &same), win::ERROR_SUCCESS);
  if (Platform().IsWine()) {
    // Wine quirk: Wine opens a second handle where Windows documents the same one.
    EXPECT_NE(same, key);
    Reg().RegCloseKey(same);
  } else {
    EXPECT_EQ(same, key);
  }
  Reg().RegCloseKey(key);
}

TEST_F(RegistryContract, BadHandlesAreRefused) {
  win::HKEY key = 0;
  EXPECT_EQ(Reg().RegOpenKeyExA(0, "Software", 0, win::KEY_READ, &key), win::ERROR_INVALID_HANDLE);
  win::HKEY closed = Create();
  ASSERT_EQ(Reg().RegCloseKey(closed), win::ERROR_SUCCESS);
  win::DWORD size = 0;
  EXPECT_EQ(Reg().RegQueryValueExA(closed, "x", nullptr, nullptr, &size),
            win::ERROR_INVALID_HANDLE);
  EXPECT_EQ(Reg().RegCloseKey(closed), win::ERROR_INVALID_HANDLE);
  // Closing a predefined key is harmless.
  EXPECT_EQ(Reg().RegCloseKey(win::HKEY_CURRENT_USER), win::ERROR_SUCCESS);
}

TEST_F(RegistryContract, PathSyntax) {
  Reg().RegCloseKey(Create("One\\Two"));
  const std::string root(kScratchKey);
  for (const auto& [path, expected] : std::vector<std::pair<std::string, win::LSTATUS>>{
           {root + "\\One\\Two", win::ERROR_SUCCESS},
           {root + "\\One\\Two\\", win::ERROR_SUCCESS},
           {"\\" + root + "\\One", win::ERROR_BAD_PATHNAME},
           {root + "\\\\One", win::ERROR_SUCCESS},
       }) {
    win::HKEY key = 0;
    const win::LSTATUS status =
        Reg().RegOpenKeyExA(win::HKEY_CURRENT_USER, path.c_str(), 0, win::KEY_READ, &key);
    EXPECT_EQ(status, expected) << path;
    if (status == win::ERROR_SUCCESS) Reg().RegCloseKey(key);
  }
}

// A key's first notification makes its event, which stays with the watch:
// leaks are counted over a second round instead.
class KeyNotifyContract : public ContractTest {
 protected:
  void SetUp() override { DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey); }
  void TearDown() override { DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey); }

  win::HKEY Create(win::REGSAM access) {
    win::HKEY key = 0;
    EXPECT_EQ(Reg().RegCreateKeyExA(win::HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, access,
                                    nullptr, &key, nullptr),
              win::ERROR_SUCCESS);
    return key;
  }
  void Write(const char* name) {
    ASSERT_TRUE(SetRaw(Reg(), win::HKEY_CURRENT_USER, kScratchKey, name, win::REG_SZ, "1"));
  }
  // One round: armed twice, each change after an arming heard once, the
  // closed key heard no more.
  void Round() {
    const win::HWND window = Platform().MessageWindow();
    win::HKEY key = Create(win::KEY_READ);
    ASSERT_EQ(Reg().RegNotifyChangeKeyValue(key, win::REG_NOTIFY_CHANGE_LAST_SET, window, kChanged),
              win::ERROR_SUCCESS);
    Write("a");
    EXPECT_EQ(Platform().TakePosted(window, kChanged), 1) << "a set value is heard at once";
    Write("a");
    EXPECT_EQ(Platform().TakePosted(window, kChanged), 0) << "one request, one message";
    ASSERT_EQ(Reg().RegNotifyChangeKeyValue(key, win::REG_NOTIFY_CHANGE_LAST_SET, window, kChanged),
              win::ERROR_SUCCESS);
    win::HKEY writer = Create(win::KEY_ALL_ACCESS);
    EXPECT_EQ(Reg().RegDeleteValueA(writer, "a"), win::ERROR_SUCCESS);
    Reg().RegCloseKey(writer);
    EXPECT_EQ(Platform().TakePosted(window, kChanged), 1) << "so is a deleted one";
    Reg().RegCloseKey(key);
    Write("b");
    EXPECT_EQ(Platform().TakePosted(window, kChanged), 0) << "closing the key ends it";
  }

  static constexpr win::UINT kChanged = win::WM_APP + 0x2A;
};

TEST_F(KeyNotifyContract, EachRequestPostsTheWindowAMessageForTheNextChangeOfAValue) {
  const win::HWND window = Platform().MessageWindow();
  win::HKEY writeOnly = Create(win::KEY_SET_VALUE);
  EXPECT_EQ(
      Reg().RegNotifyChangeKeyValue(writeOnly, win::REG_NOTIFY_CHANGE_LAST_SET, window, kChanged),
      win::ERROR_ACCESS_DENIED)
      << "KEY_NOTIFY is needed";
  Reg().RegCloseKey(writeOnly);
  Round();
  const long handles = Platform().OpenHandles();
  Round();
  EXPECT_EQ(Platform().OpenHandles(), handles) << "a round leaves nothing open";
}

}  // namespace
}  // namespace conformance
