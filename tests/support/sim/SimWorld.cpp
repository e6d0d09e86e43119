#include "support/sim/SimWorld.h"

#include <stdexcept>

#include "shell/frmMain.h"

namespace testing_support {

SimWorld::SimWorld() {
  // The program's resources are the files of the source tree.
  if (!resources.AddFile(kMainLayoutResource, KV_SOURCE_DIR "/src/ui/frmMain.layout")) {
    throw std::runtime_error("cannot read src/ui/frmMain.layout");
  }
}

}  // namespace testing_support
