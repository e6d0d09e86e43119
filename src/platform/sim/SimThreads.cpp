#include "platform/sim/SimThreads.h"

namespace sim {
namespace {

thread_local SimApartment apartment;

win::DWORD ModelOf(win::DWORD coInit) { return coInit & win::COINIT_APARTMENTTHREADED; }

}  // namespace

SimThreads::~SimThreads() { Join(); }

bool SimThreads::CreateThread(std::function<void()> work) {
  if (refuseThreads || !work) return false;
  std::thread thread([this, work = std::move(work)] {
    work();
    if (apartment.depth != 0) ++endedInCom_;
  });
  if (finishBeforeReturning) {
    thread.join();
    const std::lock_guard lock(mutex_);
    ++made_;
    return true;
  }
  const std::lock_guard lock(mutex_);
  threads_.push_back(std::move(thread));
  ++made_;
  return true;
}

win::HRESULT SimThreads::CoInitializeEx(win::DWORD coInit) {
  const win::DWORD model = ModelOf(coInit);
  if (apartment.joined && apartment.model != model) return win::RPC_E_CHANGED_MODE;
  const bool first = !apartment.joined;
  apartment.joined = true;
  apartment.model = model;
  ++apartment.depth;
  return first ? win::S_OK : win::S_FALSE;
}

void SimThreads::CoUninitialize() {
  // An unbalanced call is a fault of the caller; Windows ignores it too.
  if (apartment.depth == 0) return;
  if (--apartment.depth == 0) apartment = SimApartment{};
}

SimApartment SimThreads::ThisThread() { return apartment; }

void SimThreads::Join() {
  std::vector<std::thread> running;
  {
    const std::lock_guard lock(mutex_);
    running.swap(threads_);
  }
  for (std::thread& thread : running) thread.join();
}

int SimThreads::ThreadsMade() const {
  const std::lock_guard lock(mutex_);
  return made_;
}

}  // namespace sim
