// Every platform service as a fresh sim, each installed for the lifetime of
// this object: what tests and tools run the portable code over. A new
// service joins the seam's list and here, and every user has it.
#pragma once

#include "platform/ServiceList.h"
#include "platform/sim/SimDebugLog.h"
#include "platform/sim/SimForeground.h"
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
    // The sites of user controls are windows of the same desktop.
    windowing.focusMoved = [this](win::HWND window, bool gained) {
      if (SimUserControlSurface* site = desktop.Surface(window)) {
        gained ? site->GotFocus() : site->LostFocus();
      }
    };
    windowing.parentOf = [this](win::HWND window) {
      const SimUserControlSurface* site = desktop.Surface(window);
      return site != nullptr ? site->Parent() : win::HWND{0};
    };
    // Change notifications arrive as posted messages; windows belong to the
    // process the test plays.
    registry.postMessage = [this](win::HWND window, win::UINT message) {
      windowing.SystemPosts(window, message, 0, 0);
    };
    windowing.callingProcess = [this] { return process.processId; };
    windowing.makeImage = [this] { return gdi.MakeIcon(); };
  }
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  // The backends, each installed below and the previous one put back when
  // this goes.
  SimRegistry registry;
  SimMouseParams mouse;
  SimScreen screen;
  SimTimers timers;
  SimWindowing windowing;
  SimProcess process;
  SimResources resources;
  SimShell shell;
  SimInput input;
  SimForeground foreground;
  SimGdi gdi;
  SimDesktop desktop{gdi};
  SimSession session;
  SimDebugLog debugLog;

  platform::InstallServices<platform::AllServices> use{
      registry, mouse,      screen, timers,  windowing, process, resources, shell,
      input,    foreground, gdi,    desktop, desktop,   session, debugLog,  threads};
  // Declared after the installation, so that it goes first: it waits for its
  // threads while every service they use is still installed.
  SimThreads threads;
};

}  // namespace sim
