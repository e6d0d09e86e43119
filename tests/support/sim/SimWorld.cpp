#include "support/sim/SimWorld.h"

#include <stdexcept>

#include "remap/clsMouseEvents.h"
#include "remap/modHooking.h"
#include "shell/frmMain.h"
#include "shell/frmMenu.h"

namespace testing_support {

SimWorld::SimWorld() {
  // The program's resources are the files of the source tree.
  for (const auto& [name, file] : {std::pair{kMainLayoutResource, "frmMain.layout"},
                                   std::pair{kMenuLayoutResource, "frmMenu.layout"}}) {
    if (!resources.AddFile(name, std::string(KV_SOURCE_DIR "/src/ui/") + file)) {
      throw std::runtime_error(std::string("cannot read src/ui/") + file);
    }
  }
}

SimWorld::~SimWorld() {
  // The program's process ends with its world: the system drops its hook, and
  // the next world's program starts from fresh module state.
  modHooking::objMouseEvents.reset();
  modHooking::hMouseHook = 0;
  modHooking::HookInstalled = false;
  modHooking::Buttons = {};
  modHooking::MouseHookData = {};
}

}  // namespace testing_support
