// The one place through which portable code reaches the platform.
//
// A process installs one backend per service: WinMain the win32 backend, each
// test a fresh sim. Code asks with Use<Service>() and never learns which
// backend it got.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <typeinfo>
#include <utility>

namespace platform {

template <class Service>
Service*& InstalledSlot() {
  static Service* slot = nullptr;
  return slot;
}

template <class Service>
Service& Use() {
  Service* service = InstalledSlot<Service>();
  if (service == nullptr) {
    // A missing backend is a wiring fault of the program or the test, never
    // a run-time condition: stop loudly instead of guessing.
    (void)std::fprintf(stderr, "no backend installed for %s\n", typeid(Service).name());
    std::abort();
  }
  return *service;
}

// Installs a backend for the lifetime of this object and puts back the one
// that was there before, so tests can nest and never leak a backend.
template <class Service>
class Install {
 public:
  explicit Install(Service& service)
      : previous_(std::exchange(InstalledSlot<Service>(), &service)) {}
  ~Install() { InstalledSlot<Service>() = previous_; }
  Install(const Install&) = delete;
  Install& operator=(const Install&) = delete;

 private:
  Service* previous_;
};

}  // namespace platform
