#include "support/sim/SimWorld.h"

#include <stdexcept>

#include "shell/frmMain.h"
#include "shell/frmMenu.h"
#include "ui/Assets.h"

namespace testing_support {

SimWorld::SimWorld() {
  // Mouse events that reach the applications move the desktop's pointer.
  input.moveCursor = [this](win::POINT at) { desktop.SetCursorPos(at.x, at.y); };
  // The program's resources are the files of the source tree.
  const std::string ui = KV_SOURCE_DIR "/src/ui/";
  for (const auto& [name, file] : {std::pair{kMainLayoutResource, "frmMain.layout"},
                                   std::pair{kMenuLayoutResource, "frmMenu.layout"}}) {
    if (!resources.AddFile(name, win::RT_RCDATA, ui + file)) {
      throw std::runtime_error("cannot read src/ui/" + std::string(file));
    }
  }
  for (const ui::assets::Asset& asset : ui::assets::kAll) {
    if (asset.kind != ui::assets::Kind::Bitmap) continue;
    const std::string path = ui + "assets/" + std::string(asset.file);
    if (!resources.AddFile(asset.resource, win::RT_BITMAP, path)) {
      throw std::runtime_error("cannot read " + path);
    }
  }
  for (const ui::assets::Asset& asset : ui::assets::kScaled) {
    for (int dpi : ui::assets::kDpis) {
      if (dpi == 96) continue;
      const std::string path = ui + "assets/" + ui::assets::FileAt(asset, dpi);
      if (!resources.AddFile(ui::assets::ResourceAt(asset, dpi), win::RT_BITMAP, path)) {
        throw std::runtime_error("cannot read " + path);
      }
    }
  }
}

}  // namespace testing_support
