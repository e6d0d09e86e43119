// Every platform service as a fresh sim, installed for one test, with the
// program's resources: the whole program can be started and driven without
// Windows.
#pragma once

#include "platform/sim/SimPlatform.h"

namespace testing_support {

// One program runs in a world at a time; it ends with the world.
struct SimWorld : sim::SimPlatform {
  SimWorld();
};

}  // namespace testing_support
