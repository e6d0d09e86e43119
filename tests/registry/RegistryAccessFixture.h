// A fresh sim registry and a class under test per case; every case ends with
// no key left open.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Services.h"
#include "platform/sim/SimRegistry.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTools.h"

class RegistryAccessTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_EQ(sim_.OpenKeyCount(), 0) << "a registry key was left open"; }

  // Arranges a value under HKCU without going through the class.
  void Raw(const std::string& subKey, const std::string& name, win::DWORD type,
           const std::string& data) {
    ASSERT_TRUE(testing_support::SetRaw(sim_, win::HKEY_CURRENT_USER, subKey, name, type, data));
  }
  std::optional<testing_support::RawValue> Stored(const std::string& subKey,
                                                  const std::string& name) {
    return testing_support::QueryRaw(sim_, win::HKEY_CURRENT_USER, subKey, name);
  }
  bool Exists(const std::string& subKey, win::HKEY root = win::HKEY_CURRENT_USER) {
    return testing_support::KeyExists(sim_, root, subKey);
  }

  sim::SimRegistry sim_;
  platform::Install<platform::Registry> use_{sim_};
  clsRegistryAccess reg_;
};
