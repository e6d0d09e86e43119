// Every service of the seam, named once. Both backend aggregates install
// exactly this list (one missing or out of place fails to compile there),
// and a test fixture that needs only a few names them from it.
#pragma once

#include <tuple>
#include <type_traits>

#include "platform/DebugLog.h"
#include "platform/Foreground.h"
#include "platform/Gdi.h"
#include "platform/Input.h"
#include "platform/MouseParams.h"
#include "platform/Pointer.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "platform/Session.h"
#include "platform/Shell.h"
#include "platform/Threads.h"
#include "platform/Timers.h"
#include "platform/UserControlSurface.h"
#include "platform/Windowing.h"

namespace platform {

template <class... Service>
struct ServiceList {};

using AllServices =
    ServiceList<Registry, MouseParams, Screen, Timers, Windowing, Process, Resources, Shell, Input,
                Foreground, Gdi, Pointer, UserControls, Session, DebugLog, Threads>;

template <class Service, class List>
inline constexpr bool kListed = false;
template <class Service, class... All>
inline constexpr bool kListed<Service, ServiceList<All...>> = (std::is_same_v<Service, All> || ...);

// Installs one backend object for each service of the list, given in the
// list's order, for the lifetime of this object.
template <class List>
class InstallServices;

template <class... Service>
class InstallServices<ServiceList<Service...>> {
  static_assert((kListed<Service, AllServices> && ...), "not a service of the seam");

 public:
  explicit InstallServices(Service&... backends) : installs_(backends...) {}

 private:
  std::tuple<Install<Service>...> installs_;
};

// A fixture's few services, each of them one of the seam's.
template <class... Service>
using InstallSome = InstallServices<ServiceList<Service...>>;

}  // namespace platform
