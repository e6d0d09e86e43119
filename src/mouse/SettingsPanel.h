// The settings panel of the main window: it shows the system's mouse
// parameters and the stored button choices, applies every change of a scroll
// bar and of the primary button to the system at once, and stores the whole
// set on Apply and OK.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "toolkit/ComboBox.h"
#include "toolkit/ScrollBar.h"

// The stored texts start-up reads before the panel is filled.
struct StoredChoices {
  std::string WheelButton;
  std::string XButton1;
  std::string XButton2;
  std::string ScrollLine;
};

// Wheel lines for a stored ScrollLine text: blank gives 3, a whole number is
// brought into 1..20, anything else gives 3, so the bar always shows a value
// it can hold.
int ScrollLinesFromStored(std::string_view stored);

class SettingsPanel {
 public:
  struct Controls {
    toolkit::ComboBox& cmbLButton;
    toolkit::ComboBox& cmbRButton;
    toolkit::ComboBox& cmbWButton;
    toolkit::ComboBox& cmbXButton1;
    toolkit::ComboBox& cmbXButton2;
    toolkit::ScrollBar& scrSpeed;
    toolkit::ScrollBar& scrClickSpeed;
    toolkit::ScrollBar& scrWheelScroll;
  };

  // The texts cmbWButton, cmbXButton1 and cmbXButton2 show, in that order.
  using ButtonChoices = std::function<void(
      const std::string& wheelButton, const std::string& xButton1, const std::string& xButton2)>;

  // activated: whether the window has had its first activation (messages are
  // shown only then); message: shows an OK message box; later: runs work from
  // the message loop once the message being handled has returned; chosen:
  // runs with the three button choices whenever one of their boxes is
  // clicked, by the user or by code, so a choice counts before it is stored.
  SettingsPanel(const Controls& controls, std::function<bool()> activated,
                std::function<void(const std::string&)> message,
                std::function<void(std::function<void()>)> later, ButtonChoices chosen);

  // Run once by start-up.
  void Fill(const StoredChoices& stored);
  // Writes the ten values of the panel, in order.
  void SaveSettings();

  void ApplyPrimaryButton();
  void scrSpeed_Change();
  void scrClickSpeed_Change();
  void scrWheelScroll_Change();

 private:
  // Shows value on the bar and makes sure the system has it; returns what the
  // system has afterwards.
  static int ShowAndApply(toolkit::ScrollBar& bar, int value, int systemValue, void (*apply)(int));
  // Shows the speed warning a change asked for, unless the mouse still holds
  // the speed bar.
  void WarnAboutSpeed();

  Controls c_;
  std::function<bool()> activated_;
  std::function<void(const std::string&)> message_;
  std::function<void(std::function<void()>)> later_;
  bool speedWarningDue_ = false;
  ButtonChoices chosen_;
};
