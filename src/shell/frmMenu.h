// The tray menu's form: never shown, it owns the menu that pops up over the
// notification icon. Each item only calls the named operation of the main
// window.
#pragma once

#include <memory>

#include "toolkit/Menu.h"

inline constexpr char kMenuLayoutResource[] = "FRMMENU_LAYOUT";

class frmMenu {
 public:
  // The one menu form, created the first time it is needed.
  static frmMenu& Get();

  toolkit::Menu mnuMain;

 private:
  frmMenu();
  void mnuShow_Click();
  void mnuHome_Click();
  void mnuPause_Click();
  void mnuExit_Click();
};
