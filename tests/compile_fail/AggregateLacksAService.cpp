// Must not compile: an aggregate that installs less than every service of
// the seam. The test suite compiles this file and expects the failure.
#include "platform/ServiceList.h"
#include "platform/sim/SimRegistry.h"

struct LacksEveryServiceButOne {
  sim::SimRegistry registry;
  platform::InstallServices<platform::AllServices> use{registry};
};

LacksEveryServiceButOne aggregate;
