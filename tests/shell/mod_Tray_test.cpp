#include "shell/mod_Tray.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using mod_Tray::DecodeTrayNotification;
using mod_Tray::MakeTrayIconData;
using mod_Tray::TrayAction;

TEST(TrayIconData, IsTheFirstVersionRecordOfThisPlatform) {
  const win::NOTIFYICONDATAA data = MakeTrayIconData(0x1234, 0x5678, "KV-3050P Setup", 512);
  EXPECT_EQ(data.cbSize, sizeof(void*) == 8 ? 104u : 88u);
  EXPECT_EQ(data.hWnd, 0x1234u);
  EXPECT_EQ(data.uID, 1u);
  EXPECT_EQ(data.uFlags, 7u);
  EXPECT_EQ(data.uCallbackMessage, 512u);
  EXPECT_EQ(data.hIcon, 0x5678u);
  const std::string tip(data.szTip, sizeof data.szTip);
  EXPECT_EQ(tip, std::string("KV-3050P Setup") + '\0' + std::string(64 - 15, ' '));
}

TEST(TrayIconData, ALongTipIsCutToLeaveItsTerminator) {
  const win::NOTIFYICONDATAA data = MakeTrayIconData(1, 1, std::string(80, 'x'), 512);
  EXPECT_EQ(std::string(data.szTip, 63), std::string(63, 'x'));
  EXPECT_EQ(data.szTip[63], '\0');
  const win::NOTIFYICONDATAA empty = MakeTrayIconData(1, 1, "", 512);
  EXPECT_EQ(empty.szTip[0], '\0');
  EXPECT_EQ(empty.szTip[1], ' ');
}

TEST(DecodeTrayNotification, OnlyAWindowOutOfTheNormalStateListens) {
  struct Case {
    bool normal;
    int message;
    TrayAction action;
  };
  for (const Case& c : {
           Case{false, 517, TrayAction::PopupMenu},   // right button released
           Case{false, 513, TrayAction::ShowWindow},  // left button pressed
           Case{false, 512, TrayAction::None},        // movement
           Case{false, 514, TrayAction::None},        // left released
           Case{false, 515, TrayAction::None},        // left double click
           Case{false, 516, TrayAction::None},        // right pressed
           Case{false, 518, TrayAction::None},        // right double click
           Case{false, 519, TrayAction::None},        // middle pressed
           Case{false, 0, TrayAction::None},
           Case{true, 517, TrayAction::None},
           Case{true, 513, TrayAction::None},
       }) {
    EXPECT_EQ(DecodeTrayNotification(c.normal, c.message), c.action)
        << "normal " << c.normal << " message " << c.message;
  }
}

}  // namespace
