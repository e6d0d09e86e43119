// The main window moved to a monitor of another density, or the user changed
// the scale: the window, every control, the pictures and the shape are made
// again for the new density, from the same layout.
#include <array>

#include "platform/Screen.h"
#include "platform/Services.h"
#include "shell/frmMain.h"

void frmMain::Form_DpiChanged(int dpi, const platform::PixelRect& suggested) {
  if (dpi <= 0) return;
  platform::Use<platform::Screen>().SetDpi(dpi);
  // The system's rectangle keeps the window where the user dragged it; its
  // size is the window's own scaled, which the layout's twips give as well.
  form.Relayout(suggested);
  const std::array<toolkit::Control*, 15> controls = {
      &chkAccelator, &cmbXButton2, &cmbXButton1,    &cmbWButton,    &cmbRButton,
      &cmbLButton,   &btnMin,      &scrWheelScroll, &scrClickSpeed, &scrSpeed,
      &btnOK,        &btnClose,    &btnCancel,      &btnApply,      &btnHomepage};
  for (const toolkit::LayoutNode& node : layout_.children) {
    for (toolkit::Control* control : controls) {
      if (control->Name() == node.name) control->Relayout(form, node);
    }
    if (node.kind == "PictureBox" && picSkinMask) {
      const platform::ChildSpec spec = toolkit::Control::PlacementOf(form, node);
      picSkinMask = std::make_unique<toolkit::PictureBox>(spec.rect.left, spec.rect.top,
                                                          spec.rect.width, spec.rect.height);
    }
  }
  // Until the shape is rebuilt the old one, sized for the old density, cuts
  // the window; the new one replaces it, and the system frees the old.
  if (picSkinMask) ShapeWindow();
}
