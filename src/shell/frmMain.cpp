#include "shell/frmMain.h"

#include <cmath>

#include "mouse/mod_Registry.h"
#include "platform/Process.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "platform/ShellStart.h"
#include "shell/frmMenu.h"
#include "shell/mod_Tray.h"
#include "toolkit/CommandLine.h"

namespace {

frmMain* current = nullptr;

}  // namespace

frmMain::frmMain() : layout_(main_layout::Load(kMainLayoutResource)) {
  form.Create(layout_);
  main_layout::SetUpTimer(layout_, Timer1);
  panel_ = std::make_unique<SettingsPanel>(
      SettingsPanel::Controls{cmbLButton, cmbRButton, cmbWButton, cmbXButton1, cmbXButton2,
                              scrSpeed, scrClickSpeed, scrWheelScroll},
      [this] { return Activated; }, [this](const std::string& text) { Message(text, win::MB_OK); },
      [this](std::function<void()> work) { form.Defer(std::move(work)); },
      [this](const std::string& wheel, const std::string& side1, const std::string& side2) {
        remapEngine.SetChoices(wheel, side1, side2);
      });
  form.Activate = [this] { Form_Activate(); };
  // Alt+F4, the taskbar's Close and any WM_CLOSE hide to the tray, as the
  // close button does: only a confirmed Exit ends the program.
  form.CloseRequest = [this] { Form_CloseRequest(); };
  // Should the window go anyway, the process must not linger without it,
  // holding the hook and the single-copy mutex where nothing can reach them.
  form.Destroyed = [this] { EndProgram(); };
  form.MouseDown = [this](int button, int shift, float x, float y) {
    Form_MouseDown(button, shift, x, y);
  };
  form.MouseMove = [this](int button, int shift, float x, float y) {
    Form_MouseMove(button, shift, x, y);
  };
  // Sent to every top-level window when the shell's taskbar is (re)created.
  form.OnMessage(platform::Use<platform::Windowing>().RegisterWindowMessageA("TaskbarCreated"),
                 [this](win::WPARAM, win::LPARAM) {
                   TaskbarCreated();
                   return win::LRESULT{0};
                 });
  form.OnMessage(platform::Use<platform::Windowing>().RegisterWindowMessageA(kEndRequestMessage),
                 [this](win::WPARAM, win::LPARAM) {
                   EndProgram();
                   return win::LRESULT{0};
                 });
  form.DpiChanged = [this](int dpi, const platform::PixelRect& suggested) {
    Form_DpiChanged(dpi, suggested);
  };
  Timer1.OnTimer = [this] { Timer1_Timer(); };
  btnApply.Click = [this] { btnApply_Click(); };
  btnOK.Click = [this] { btnOK_Click(); };
  btnCancel.Click = [this] { btnCancel_Click(); };
  btnMin.Click = [this] { btnMin_Click(); };
  btnClose.Click = [this] { btnClose_Click(); };
  btnHomepage.Click = [this] { btnHomepage_Click(); };
  current = this;
}

frmMain::~frmMain() {
  if (current == this) current = nullptr;
}

frmMain* frmMain::Current() { return current; }

std::array<main_layout::Slot, 15> frmMain::Slots() {
  return {{{"chkAccelator", "CheckBox", &chkAccelator},
           {"cmbXButton2", "ComboBox", &cmbXButton2},
           {"cmbXButton1", "ComboBox", &cmbXButton1},
           {"cmbWButton", "ComboBox", &cmbWButton},
           {"cmbRButton", "ComboBox", &cmbRButton},
           {"cmbLButton", "ComboBox", &cmbLButton},
           {"btnMin", "ButtonEx", &btnMin},
           {"scrWheelScroll", "HScrollBar", &scrWheelScroll},
           {"scrClickSpeed", "HScrollBar", &scrClickSpeed},
           {"scrSpeed", "HScrollBar", &scrSpeed},
           {"btnOK", "ButtonEx", &btnOK},
           {"btnClose", "ButtonEx", &btnClose},
           {"btnCancel", "ButtonEx", &btnCancel},
           {"btnApply", "ButtonEx", &btnApply},
           {"btnHomepage", "ButtonEx", &btnHomepage}}};
}

bool frmMain::Start() {
  Form_Load();
  if (ended_) return false;
  form.Show();
  return true;
}

void frmMain::Form_Load() {
  auto& process = platform::Use<platform::Process>();
  if (process.IsAnotherInstanceRunning()) {
    // Wake the running copy and leave without a trace.
    WakeUp::SignalRunningCopy();
    ended_ = true;
    process.ExitProcess(0);
    return;
  }
  // Only a copy that stays makes its controls and loads their pictures: a
  // second start, which only wakes the first, ends as fast as a copy can.
  maskPictureValue_ = main_layout::CreateControls(form, layout_, Slots(), picSkinMask);
  Activated = false;
  StoredChoices stored;
  stored.WheelButton = mod_Registry::ReadMouseValue(mod_Registry::WheelButton);
  stored.XButton1 = mod_Registry::ReadMouseValue(mod_Registry::XButton1);
  stored.XButton2 = mod_Registry::ReadMouseValue(mod_Registry::XButton2);
  stored.ScrollLine = mod_Registry::ReadMouseValue(mod_Registry::ScrollLine);
  main_layout::ShapeWindow(form, *picSkinMask, maskPictureValue_);
  panel_->Fill(stored);
  remap_.Start();
  wakeUp_.Listen();
}

void frmMain::Form_Activate() {
  if (Activated) return;
  Activated = true;
  const std::string arguments =
      toolkit::CommandArguments(platform::Use<platform::Process>().GetCommandLineA());
  if (arguments == "-TRAY") {
    AddTrayIconToWindow();
    HideToTray();
  }
}

void frmMain::Form_MouseDown(int Button, int /*Shift*/, float /*X*/, float /*Y*/) {
  if (Button != 1) return;
  // Pressing the window's own surface is pressing a title bar: the system
  // moves the window with the pointer until the button is released.
  auto& windowing = platform::Use<platform::Windowing>();
  (void)windowing.ReleaseCapture();
  (void)windowing.SendMessageA(form.hWnd(), win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
}

void frmMain::Form_MouseMove(int /*Button*/, int /*Shift*/, float X, float /*Y*/) {
  // The icon's notifications arrive as mouse moves whose x is the mouse
  // message over the icon.
  const double twipsPerPixel = platform::Use<platform::Screen>().TwipsPerPixelX();
  const int mouseMessage = static_cast<int>(std::lround(X / twipsPerPixel));
  switch (
      mod_Tray::DecodeTrayNotification(form.GetWindowState() == toolkit::vbNormal, mouseMessage)) {
    case mod_Tray::TrayAction::PopupMenu:
      // The menu form outlives any one window: the check comes from the engine.
      frmMenu::Get().mnuMain.Item("mnuPause").checked = RemappingPaused();
      form.PopupMenu(frmMenu::Get().mnuMain);
      break;
    case mod_Tray::TrayAction::ShowWindow:
      ShowWindow();
      break;
    case mod_Tray::TrayAction::None:
      break;
  }
}

void frmMain::Timer1_Timer() {
  remap_.KeepAlive();
  // The fall-back for a wake-up whose signal went astray.
  wakeUp_.Check();
}

void frmMain::ShowWindow() {
  if (form.GetWindowState() == toolkit::vbMinimized) {
    form.SetWindowState(toolkit::vbNormal);
    KeepOnScreen(form.Window());
    form.Show();
  }
  mod_Tray::RemoveTrayIcon();
  trayIcon_.reset();
}

void frmMain::ProgramEnd() {
  if (Message("Do you want to exit this program?", win::MB_YESNO) != win::IDYES) return;
  EndProgram();
}

void frmMain::EndProgram() {
  remap_.End();
  // No dead icon stays behind in the notification area.
  mod_Tray::RemoveTrayIcon();
  platform::Use<platform::Process>().ExitProcess(0);
}

void frmMain::GoHomePage() {
  const std::string address = std::string("\"") + kHomePage + "\"";
  // Off the UI thread: a browser can take long to start, and the window
  // would not answer meanwhile.
  platform::ShellExecuteOnWorker(form.hWnd(), nullptr, address.c_str(), nullptr, "\"\"",
                                 win::SW_SHOWMAXIMIZED);
}

void frmMain::AddTrayIconToWindow() {
  // The notification area shows icons at the small size: its own image, not
  // the large one scaled down.
  trayIcon_ = form.SmallIconPicture();
  mod_Tray::AddTrayIcon(form.hWnd(), form.SmallIcon(), RemappingPaused() ? kPausedTip : kAppTitle,
                        kTrayCallbackMessage);
}

void frmMain::PauseRemapping(bool paused) {
  remap_.Pause(paused);
  mod_Tray::SetTrayTip(paused ? kPausedTip : kAppTitle);
}

void frmMain::TaskbarCreated() {
  // A new notification area knows no icons: put ours back while the window
  // lives in the tray, or the program could no longer be reached.
  if (!form.Visible() && form.GetWindowState() == toolkit::vbMinimized) {
    mod_Tray::RestoreTrayIcon();
  }
}

void frmMain::HideToTray() {
  if (form.GetWindowState() == toolkit::vbMinimized) return;
  const WakeUp::Hold hiding = wakeUp_.HoldBack();
  form.SetWindowState(toolkit::vbMinimized);
  form.Hide();
}

void frmMain::btnApply_Click() {
  panel_->SaveSettings();
  Message("Performance well adjusted", win::MB_OK);
}

void frmMain::btnOK_Click() {
  panel_->SaveSettings();
  AddTrayIconToWindow();
  HideToTray();
}

void frmMain::btnCancel_Click() {
  AddTrayIconToWindow();
  HideToTray();
}

void frmMain::btnMin_Click() { form.SetWindowState(toolkit::vbMinimized); }

void frmMain::btnClose_Click() {
  AddTrayIconToWindow();
  HideToTray();
}

void frmMain::Form_CloseRequest() {
  if (!form.Visible()) return;  // already in the tray
  if (form.GetWindowState() != toolkit::vbMinimized) {
    btnClose_Click();
    return;
  }
  // Closed from the taskbar while minimised: HideToTray leaves a minimised
  // window as it is, so hide it here, or it would stay on the taskbar with
  // its icon in the tray.
  const WakeUp::Hold hiding = wakeUp_.HoldBack();
  AddTrayIconToWindow();
  form.Hide();
}

void frmMain::btnHomepage_Click() { GoHomePage(); }

int frmMain::Message(const std::string& text, win::UINT style) {
  return platform::Use<platform::Windowing>().MessageBoxA(form.hWnd(), text, kAppTitle, style);
}
