// A test that starts the whole program over sims, as the process would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/frmMain.h"
#include "support/RegistryTools.h"
#include "support/sim/SimWorld.h"

namespace testing_support {

class ProgramTest : public ::testing::Test {
 protected:
  // Makes the main window and runs start-up; answers Start()'s result.
  bool StartProgram() {
    window_ = std::make_unique<frmMain>();
    return window_->Start();
  }
  frmMain& Main() { return *window_; }

  void Store(const std::string& name, const std::string& text) {
    ASSERT_TRUE(SetRaw(world_.registry, win::HKEY_CURRENT_USER, "Control Panel\\Mouse", name,
                       win::REG_SZ, text + '\0'));
  }
  std::string Stored(const std::string& name) {
    const auto value =
        QueryRaw(world_.registry, win::HKEY_CURRENT_USER, "Control Panel\\Mouse", name);
    return value ? std::string(value->data.c_str()) : "<missing>";
  }
  // Names and texts of the stored values in the order they were first written.
  std::vector<std::pair<std::string, std::string>> StoredInOrder() {
    std::vector<std::pair<std::string, std::string>> values;
    for (const RawValue& value :
         Values(world_.registry, win::HKEY_CURRENT_USER, "Control Panel\\Mouse")) {
      values.emplace_back(value.name, std::string(value.data.c_str()));
    }
    return values;
  }
  void ForgetStoredValues() {
    DeleteTree(world_.registry, win::HKEY_CURRENT_USER, "Control Panel\\Mouse");
  }
  std::vector<std::string> MessagesShown() {
    std::vector<std::string> texts;
    for (const auto& box : world_.windowing.messageBoxes) texts.push_back(box.text);
    return texts;
  }
  // The user clicks a skinned button: the platform reports a click on it.
  bool ClickButton(const controls::ButtonExHost& button) {
    sim::SimUserControlSurface* surface = world_.desktop.Surface(button.hWnd());
    if (surface == nullptr) return false;
    surface->Click();
    return true;
  }
  sim::SimFormWindow& Window() { return *world_.windowing.Form(Main().form.hWnd()); }

  SimWorld world_;
  std::unique_ptr<frmMain> window_;
};

}  // namespace testing_support
