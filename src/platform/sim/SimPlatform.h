// Every platform service as a fresh sim, each installed for the lifetime of
// this object: what tests and tools run the portable code over. A new
// service joins here, next to its installation, and every user has it.
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

namespace sim {

struct SimPlatform {
  SimPlatform() {
    // Change notifications arrive as posted messages; windows belong to the
    // process the test plays.
    registry.postMessage = [this](win::HWND window, win::UINT message) {
      windowing.SystemPosts(window, message, 0, 0);
    };
    windowing.callingProcess = [this] { return process.processId; };
  }
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  // Each service before its installation, which goes first and puts back
  // whatever was installed before.
  SimRegistry registry;
  platform::Install<platform::Registry> useRegistry{registry};
  SimMouseParams mouse;
  platform::Install<platform::MouseParams> useMouse{mouse};
  SimScreen screen;
  platform::Install<platform::Screen> useScreen{screen};
  SimTimers timers;
  platform::Install<platform::Timers> useTimers{timers};
  SimWindowing windowing;
  platform::Install<platform::Windowing> useWindowing{windowing};
  SimProcess process;
  platform::Install<platform::Process> useProcess{process};
  SimResources resources;
  platform::Install<platform::Resources> useResources{resources};
  SimShell shell;
  platform::Install<platform::Shell> useShell{shell};
  SimInput input;
  platform::Install<platform::Input> useInput{input};
  SimGdi gdi;
  platform::Install<platform::Gdi> useGdi{gdi};
  SimDesktop desktop{gdi};
  platform::Install<platform::UserControls> useUserControls{desktop};
  platform::Install<platform::Pointer> usePointer{desktop};
  SimSession session;
  platform::Install<platform::Session> useSession{session};
  // Last of the services: it waits for its threads before those they use go.
  SimThreads threads;
  platform::Install<platform::Threads> useThreads{threads};
};

}  // namespace sim
