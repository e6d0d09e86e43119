// The main window: the program's start-up object and its one window. It is
// made once, from its layout, and lives until the process ends; it is shown,
// hidden and minimised but never unloaded.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "controls/ButtonExHost.h"
#include "mouse/SettingsPanel.h"
#include "remap/RemapEngine.h"
#include "shell/MainLayout.h"
#include "shell/RemapHost.h"
#include "shell/WakeUp.h"
#include "toolkit/CheckBox.h"
#include "toolkit/ComboBox.h"
#include "toolkit/Form.h"
#include "toolkit/PictureBox.h"
#include "toolkit/ScrollBar.h"
#include "toolkit/Timer.h"

// The application's title: the window's caption, the caption of every message
// box and the tip of the notification icon.
inline constexpr char kAppTitle[] = "KV-3050P Setup";
// The notification icon's tip while remapping is paused.
inline constexpr char kPausedTip[] = "KV-3050P Setup (remapping paused)";

// The name of the window's layout among the program's resources.
inline constexpr char kMainLayoutResource[] = "FRMMAIN_LAYOUT";

// The maker's home page, opened by the logo and the tray menu.
inline constexpr char kHomePage[] = "http://www.ombrix.com/";

// The notification icon talks to the window with the mouse-move message.
inline constexpr win::UINT kTrayCallbackMessage = 0x200;

// The registered window message that asks a running copy to end as a
// confirmed Exit ends it, without asking: the installer and the uninstaller
// post it before they replace or remove the program's files.
inline constexpr char kEndRequestMessage[] = "KV3050PSetup.EndRequest";

class frmMain {
 public:
  // Creates the window from the layout (its controls follow at load, see
  // Start); throws std::runtime_error when the layout is missing.
  frmMain();
  ~frmMain();
  frmMain(const frmMain&) = delete;
  frmMain& operator=(const frmMain&) = delete;

  // The process-wide main window, or null before it exists.
  static frmMain* Current();

  // Loads the window (making its controls from the layout) and shows it;
  // false when start-up ended the process because another copy runs. Throws
  // std::runtime_error when the layout does not fit the window.
  bool Start();

  // Public operations.
  void ShowWindow();
  void ProgramEnd();
  void GoHomePage();
  // The tray menu's pause: every mouse event passes on untouched until
  // resumed. Never stored: every start remaps.
  void PauseRemapping(bool paused);
  bool RemappingPaused() const { return remap_.Paused(); }

  bool Activated = false;
  // What the mouse hook decides with: the button choices the combo boxes
  // show, and what presses left for their releases.
  remap::RemapEngine remapEngine;

  // The window and its controls, named as the layout names them.
  toolkit::Form form;
  toolkit::Timer Timer1;
  toolkit::CheckBox chkAccelator;
  toolkit::ComboBox cmbXButton2;
  toolkit::ComboBox cmbXButton1;
  toolkit::ComboBox cmbWButton;
  toolkit::ComboBox cmbRButton;
  toolkit::ComboBox cmbLButton;
  controls::ButtonExHost btnMin;
  toolkit::ScrollBar scrWheelScroll;
  toolkit::ScrollBar scrClickSpeed;
  toolkit::ScrollBar scrSpeed;
  // The mask picture's box, below the client area: never seen.
  std::unique_ptr<toolkit::PictureBox> picSkinMask;
  controls::ButtonExHost btnOK;
  controls::ButtonExHost btnClose;
  controls::ButtonExHost btnCancel;
  controls::ButtonExHost btnApply;
  controls::ButtonExHost btnHomepage;

 private:
  // Every control the layout binds, once: made at load, placed again at a
  // new density.
  std::array<main_layout::Slot, 15> Slots();
  void Form_Load();
  void Form_Activate();
  void Form_CloseRequest();
  void Form_MouseDown(int Button, int Shift, float X, float Y);
  void Form_MouseMove(int Button, int Shift, float X, float Y);
  void Timer1_Timer();
  void HideToTray();
  // Ends the process as a confirmed Exit does: hook and tray icon removed.
  void EndProgram();
  void AddTrayIconToWindow();
  void TaskbarCreated();
  void btnApply_Click();
  void btnOK_Click();
  void btnCancel_Click();
  void btnMin_Click();
  void btnClose_Click();
  void btnHomepage_Click();
  int Message(const std::string& text, win::UINT style);

  // WM_DPICHANGED: everything laid out again for the new density.
  void Form_DpiChanged(int dpi, const platform::PixelRect& suggested);

  toolkit::LayoutNode layout_;
  std::string maskPictureValue_;
  std::unique_ptr<SettingsPanel> panel_;
  // The icon the notification area was given, kept while it may show it: a
  // density change gives the window new icons, and the old small one must
  // outlive the shell's use of it.
  platform::PicturePtr trayIcon_;
  bool ended_ = false;
  // After the form: it answers messages of the form's window.
  WakeUp wakeUp_{form, [this] { ShowWindow(); }};
  // Last: the hook goes first, while the window it posts to is still there.
  RemapHost remap_{form, remapEngine};
};
