// The main window moved to a monitor of another density, or the user changed
// the scale: the window, every control, the pictures and the shape are made
// again for the new density, from the same layout.
#include "platform/Screen.h"
#include "platform/Services.h"
#include "shell/frmMain.h"

void frmMain::Form_DpiChanged(int dpi, const platform::PixelRect& suggested) {
  if (dpi <= 0) return;
  platform::Use<platform::Screen>().SetDpi(dpi);
  // The system's rectangle keeps the window where the user dragged it; its
  // size is the window's own scaled, which the layout's twips give as well.
  form.Relayout(suggested);
  main_layout::Relayout(form, layout_, Slots(), picSkinMask);
  // Until the shape is rebuilt the old one, sized for the old density, cuts
  // the window; the new one replaces it, and the system frees the old.
  if (picSkinMask) main_layout::ShapeWindow(form, *picSkinMask, maskPictureValue_);
}
