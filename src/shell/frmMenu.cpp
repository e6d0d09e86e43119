#include "shell/frmMenu.h"

#include <stdexcept>

#include "platform/Resources.h"
#include "platform/Services.h"
#include "shell/frmMain.h"

namespace {

toolkit::LayoutNode MenuLayout() {
  const auto text = platform::Use<platform::Resources>().LoadResourceData(kMenuLayoutResource);
  if (!text) throw std::runtime_error("the tray menu's layout is missing");
  toolkit::LayoutParse parsed = toolkit::ParseLayout(*text);
  if (!parsed.root) throw std::runtime_error("the tray menu's layout: " + parsed.error);
  const toolkit::LayoutNode* menu = parsed.root->Child("mnuMain");
  if (menu == nullptr) throw std::runtime_error("the tray menu's layout lacks mnuMain");
  return *menu;
}

}  // namespace

frmMenu& frmMenu::Get() {
  static frmMenu form;
  return form;
}

frmMenu::frmMenu() : mnuMain(MenuLayout()) {
  mnuMain.Item("mnuShow").Click = [this] { mnuShow_Click(); };
  mnuMain.Item("mnuHome").Click = [this] { mnuHome_Click(); };
  mnuMain.Item("mnuPause").Click = [this] { mnuPause_Click(); };
  mnuMain.Item("mnuExit").Click = [this] { mnuExit_Click(); };
}

void frmMenu::mnuShow_Click() {
  if (frmMain* main = frmMain::Current()) main->ShowWindow();
}

void frmMenu::mnuHome_Click() {
  if (frmMain* main = frmMain::Current()) main->GoHomePage();
}

void frmMenu::mnuPause_Click() {
  if (frmMain* main = frmMain::Current()) main->PauseRemapping(!main->RemappingPaused());
}

void frmMenu::mnuExit_Click() {
  if (frmMain* main = frmMain::Current()) main->ProgramEnd();
}
