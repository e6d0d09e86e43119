// Threads and COM apartments: real threads of the test process, and COM's
// rules for each thread's apartment (one model per thread, every successful
// initialisation balanced by its own uninitialisation).
#pragma once

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Threads.h"

namespace sim {

// The COM state of one thread.
struct SimApartment {
  bool joined = false;
  win::DWORD model = win::COINIT_MULTITHREADED;  // meaningful while joined
  int depth = 0;                                 // initialisations not yet balanced
};

class SimThreads final : public platform::Threads {
 public:
  // Waits for every thread it made.
  ~SimThreads() override;

  bool CreateThread(std::function<void()> work) override;
  win::HRESULT CoInitializeEx(win::DWORD coInit) override;
  void CoUninitialize() override;

  // The calling thread's apartment: what the shell sees of its caller.
  static SimApartment ThisThread();

  // Waits until every thread made so far has ended.
  void Join();
  int ThreadsMade() const;
  // Threads that ended still joined to COM: each one leaks its apartment.
  int ThreadsEndedInCom() const { return endedInCom_; }

  // When set, CreateThread returns only once the new thread has ended: one
  // order Windows may run them in, and one ordinary tests can follow step by
  // step. Clear it to let the threads run beside the caller.
  bool finishBeforeReturning = true;
  // CreateThread fails while this is set, as when the system is out of threads.
  bool refuseThreads = false;

 private:
  mutable std::mutex mutex_;
  std::vector<std::thread> threads_;
  int made_ = 0;
  std::atomic<int> endedInCom_ = 0;
};

}  // namespace sim
