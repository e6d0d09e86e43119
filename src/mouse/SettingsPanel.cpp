#include "mouse/SettingsPanel.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "mouse/Choices.h"
#include "mouse/mod_Mouse.h"
#include "mouse/mod_Registry.h"
#include "platform/Text.h"

namespace {

constexpr int kDefaultScrollLines = 3;

}  // namespace

int ScrollLinesFromStored(std::string_view stored) {
  std::string_view text = platform::Trim(stored);
  if (text.empty()) return kDefaultScrollLines;
  const bool negative = text.front() == '-';
  if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
      })) {
    return kDefaultScrollLines;
  }
  // Only how the number compares with 1 and 20 matters: long digit strings saturate.
  const auto significant = text.find_first_not_of('0');
  if (significant == std::string_view::npos) return 1;  // zero
  if (negative) return 1;
  if (text.size() - significant > 2) return 20;
  return std::clamp(std::stoi(std::string(text.substr(significant))), 1, 20);
}

SettingsPanel::SettingsPanel(const Controls& controls, std::function<bool()> activated,
                             std::function<void(const std::string&)> message,
                             std::function<void(std::function<void()>)> later, ButtonChoices chosen)
    : c_(controls),
      activated_(std::move(activated)),
      message_(std::move(message)),
      later_(std::move(later)),
      chosen_(std::move(chosen)) {
  c_.cmbLButton.Click = [this] { ApplyPrimaryButton(); };
  for (toolkit::ComboBox* box : {&c_.cmbWButton, &c_.cmbXButton1, &c_.cmbXButton2}) {
    box->Click = [this] {
      if (chosen_) chosen_(c_.cmbWButton.Text(), c_.cmbXButton1.Text(), c_.cmbXButton2.Text());
    };
  }
  c_.scrSpeed.Change = [this] { scrSpeed_Change(); };
  c_.scrSpeed.EndScroll = [this] { later_([this] { WarnAboutSpeed(); }); };
  c_.scrClickSpeed.Change = [this] { scrClickSpeed_Change(); };
  c_.scrWheelScroll.Change = [this] { scrWheelScroll_Change(); };
}

void SettingsPanel::Fill(const StoredChoices& stored) {
  // The system's own speed; its change handler applies it again, silently.
  c_.scrSpeed.SetValue(mod_Mouse::GetMouseSpeed());
  mod_Mouse::SetMouseAcceleration(false);

  for (const choice::Entry& entry : choice::kEntries) {
    switch (entry.box) {
      case choice::Box::PrimaryButton:
        c_.cmbLButton.AddItem(std::string(entry.text));
        c_.cmbRButton.AddItem(std::string(entry.text));
        break;
      case choice::Box::SideButton:
        c_.cmbXButton1.AddItem(std::string(entry.text));
        c_.cmbXButton2.AddItem(std::string(entry.text));
        break;
      case choice::Box::WheelButton:
        c_.cmbWButton.AddItem(std::string(entry.text));
        break;
    }
  }
  c_.cmbLButton.SetText(
      std::string(mod_Mouse::GetButtonsSwapped() ? choice::kRightButton : choice::kLeftButton));

  // A bar that already shows the value runs no change handler, so a system
  // value beyond the bar's range would stay in force unseen: apply it then.
  const int clickTime = mod_Mouse::GetClickTime();
  ShowAndApply(c_.scrClickSpeed, std::clamp(clickTime, 200, 900), clickTime,
               mod_Mouse::SetClickTime);
  int wheelLines = mod_Mouse::GetWheelLines();
  wheelLines = ShowAndApply(c_.scrWheelScroll, std::clamp(wheelLines, 1, 20), wheelLines,
                            mod_Mouse::SetWheelLines);

  // A stored text the table does not know falls back on the entry the box
  // starts with: no action for the wheel, Back on 1 and Forward on 2.
  const std::string& wheel = stored.WheelButton;
  c_.cmbWButton.SetText(
      choice::WheelProgram(wheel) != choice::Program::None ? wheel : std::string(choice::kNoUse));
  c_.cmbXButton1.SetText(
      std::string(stored.XButton1 == choice::kForward ? choice::kForward : choice::kBackward));
  c_.cmbXButton2.SetText(
      std::string(stored.XButton2 == choice::kBackward ? choice::kBackward : choice::kForward));

  ShowAndApply(c_.scrWheelScroll, ScrollLinesFromStored(stored.ScrollLine), wheelLines,
               mod_Mouse::SetWheelLines);
}

int SettingsPanel::ShowAndApply(toolkit::ScrollBar& bar, int value, int systemValue,
                                void (*apply)(int)) {
  if (bar.Value() != value) {
    bar.SetValue(value);  // its change handler applies the value
    return value;
  }
  if (systemValue != value) apply(value);
  return value;
}

void SettingsPanel::ApplyPrimaryButton() {
  const bool leftIsPrimary = c_.cmbLButton.Text() == choice::kLeftButton;
  c_.cmbRButton.SetText(std::string(leftIsPrimary ? choice::kRightButton : choice::kLeftButton));
  mod_Mouse::SetButtonsSwapped(!leftIsPrimary);
  if (activated_()) message_("Left and Right buttons of mouse have been switched.");
}

void SettingsPanel::scrSpeed_Change() {
  const int speed = c_.scrSpeed.Value();
  mod_Mouse::SetMouseSpeed(speed);
  if (!activated_() || speed < 14) return;
  // Never inside the bar's own input: a modal box opened while an arrow is
  // held lets the arrow go on stepping behind it.
  speedWarningDue_ = true;
  later_([this] { WarnAboutSpeed(); });
}

void SettingsPanel::WarnAboutSpeed() {
  // While the mouse holds the bar, its release (EndScroll) asks again, so the
  // steps of one press warn once.
  if (!speedWarningDue_ || c_.scrSpeed.Tracking()) return;
  speedWarningDue_ = false;
  message_("Non-recommended as a speed");
}

void SettingsPanel::scrClickSpeed_Change() { mod_Mouse::SetClickTime(c_.scrClickSpeed.Value()); }

void SettingsPanel::scrWheelScroll_Change() { mod_Mouse::SetWheelLines(c_.scrWheelScroll.Value()); }

void SettingsPanel::SaveSettings() {
  using namespace mod_Registry;
  WriteMouseValue(SwapMouseButtons, c_.cmbLButton.Text() == choice::kLeftButton ? "0" : "1");
  WriteMouseValue(WheelButton, c_.cmbWButton.Text());
  WriteMouseValue(XButton1, c_.cmbXButton1.Text());
  WriteMouseValue(XButton2, c_.cmbXButton2.Text());
  WriteMouseValue(MouseSensitivity, std::to_string(c_.scrSpeed.Value()));
  WriteMouseValue(DoubleClickSpeed, std::to_string(c_.scrClickSpeed.Value()));
  WriteMouseValue(ScrollLine, std::to_string(c_.scrWheelScroll.Value()));
  WriteMouseValue(MouseSpeed, "0");
  WriteMouseValue(MouseThreshold1, "0");
  WriteMouseValue(MouseThreshold2, "0");
}
