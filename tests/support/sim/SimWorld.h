// Every platform service as a fresh sim, installed for one test: the whole
// program can be started and driven without Windows.
#pragma once

#include "platform/Services.h"
#include "platform/sim/SimGdi.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouseParams.h"
#include "platform/sim/SimProcess.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimResources.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimSession.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimThreads.h"
#include "platform/sim/SimTimers.h"
#include "platform/sim/SimUserControls.h"
#include "platform/sim/SimWindowing.h"

namespace testing_support {

// One program runs in a world at a time; it ends with the world.
struct SimWorld {
  SimWorld();
  SimWorld(const SimWorld&) = delete;
  SimWorld& operator=(const SimWorld&) = delete;

  sim::SimRegistry registry;
  sim::SimMouseParams mouse;
  sim::SimScreen screen;
  sim::SimTimers timers;
  sim::SimWindowing windowing;
  sim::SimProcess process;
  sim::SimResources resources;
  sim::SimShell shell;
  sim::SimInput input;
  sim::SimGdi gdi;
  sim::SimDesktop desktop{gdi};
  sim::SimSession session;
  // Last of the services: it waits for its threads before those they use go.
  sim::SimThreads threads;

  platform::Install<platform::Registry> useRegistry{registry};
  platform::Install<platform::MouseParams> useMouse{mouse};
  platform::Install<platform::Screen> useScreen{screen};
  platform::Install<platform::Timers> useTimers{timers};
  platform::Install<platform::Windowing> useWindowing{windowing};
  platform::Install<platform::Process> useProcess{process};
  platform::Install<platform::Resources> useResources{resources};
  platform::Install<platform::Shell> useShell{shell};
  platform::Install<platform::Input> useInput{input};
  platform::Install<platform::Gdi> useGdi{gdi};
  platform::Install<platform::UserControls> useUserControls{desktop};
  platform::Install<platform::Pointer> usePointer{desktop};
  platform::Install<platform::Session> useSession{session};
  platform::Install<platform::Threads> useThreads{threads};
};

}  // namespace testing_support
