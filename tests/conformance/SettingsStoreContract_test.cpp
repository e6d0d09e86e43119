// The settings store over both backends: what it writes and how it reads what
// others wrote. The user's mouse key is restored after every test.
#include <string>

#include "conformance/ContractTest.h"
#include "mouse/mod_Registry.h"
#include "support/RegistryTools.h"

namespace conformance {
namespace {

using testing_support::DeleteTree;
using testing_support::KeySnapshot;
using testing_support::QueryRaw;
using testing_support::SetRaw;

class SettingsStoreContract : public ContractTest {
 protected:
  SettingsStoreContract() : snapshot_(Reg(), win::HKEY_CURRENT_USER, mod_Registry::kMouseKey) {}

  void SetUp() override { baseline_ = Platform().OpenHandles(); }
  void TearDown() override {
    EXPECT_EQ(Platform().OpenHandles(), baseline_) << "the store left a registry handle open";
    DeleteTree(Reg(), win::HKEY_CURRENT_USER, kScratchKey);
  }

  void StoreRaw(const std::string& name, win::DWORD type, const std::string& data) {
    ASSERT_TRUE(SetRaw(Reg(), win::HKEY_CURRENT_USER, mod_Registry::kMouseKey, name, type, data));
  }

  KeySnapshot snapshot_;
  long baseline_ = 0;
};

TEST_F(SettingsStoreContract, WrittenTextReadsBackAndIsStoredWithItsTerminator) {
  mod_Registry::WriteMouseValue(mod_Registry::ScrollLine, "7");
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::ScrollLine), "7");
  const auto raw = QueryRaw(Reg(), win::HKEY_CURRENT_USER, mod_Registry::kMouseKey, "ScrollLine");
  ASSERT_TRUE(raw.has_value());
  EXPECT_EQ(raw->type, win::REG_SZ);
  EXPECT_EQ(raw->data, std::string("7\0", 2));
}

TEST_F(SettingsStoreContract, AnEmptyTextIsStoredAndReadsEmpty) {
  mod_Registry::WriteMouseValue(mod_Registry::WheelButton, "");
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, mod_Registry::kMouseKey, "WheelButton")->data,
            std::string("\0", 1));
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::WheelButton), "");
}

TEST_F(SettingsStoreContract, AMissingValueReadsEmpty) {
  EXPECT_EQ(mod_Registry::ReadMouseValue("KV3050P no such value"), "");
}

TEST_F(SettingsStoreContract, OtherWritersDataReadsTrimmedWithOrWithoutTerminator) {
  struct Case {
    std::string stored;
    std::string read;
  };
  for (const Case& c : {Case{" 7 ", "7"}, Case{std::string("7\0", 2), "7"},
                        Case{std::string(" Forward \0junk", 14), "Forward"},
                        Case{std::string(256, 'x'), std::string(256, 'x')},
                        Case{std::string(300, 'x'), ""}, Case{"   ", ""}}) {
    StoreRaw("ScrollLine", win::REG_SZ, c.stored);
    EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::ScrollLine), c.read)
        << "stored " << c.stored.size() << " bytes";
  }
}

TEST_F(SettingsStoreContract, SetRegStringCreatesAMissingKeyAndReportsFailures) {
  const std::string path = std::string(kScratchKey) + "\\Created\\Here";
  EXPECT_EQ(mod_Registry::SetRegString(win::HKEY_CURRENT_USER, path, "Name", "value"),
            win::ERROR_SUCCESS);
  EXPECT_EQ(QueryRaw(Reg(), win::HKEY_CURRENT_USER, path, "Name")->data, std::string("value\0", 6));
  EXPECT_EQ(mod_Registry::SetRegString(0, path, "Name", "value"), win::ERROR_INVALID_HANDLE);
}

}  // namespace
}  // namespace conformance
