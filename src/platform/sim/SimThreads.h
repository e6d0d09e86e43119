// Threads, their message queues and COM apartments: real threads of the test
// process, Windows' rules for what reaches a thread (posted messages wait in
// its queue for its loop; what the system sends, a low-level hook's call
// among them, runs on that thread while the sender waits), and COM's rules
// for each thread's apartment (one model per thread, every successful
// initialisation balanced by its own uninitialisation).
#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <memory>
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

// One thread's message queue. Every queue shares one lock, so a thread that
// waits for another can serve what is sent to itself meanwhile, as Windows
// lets a thread blocked in SendMessage do.
class SimMessageQueue {
 public:
  // The calling thread's id (made on first use) and its queue, made on
  // first use by Make, null before.
  static win::DWORD ThisThreadId();
  static std::shared_ptr<SimMessageQueue> Make();
  static std::shared_ptr<SimMessageQueue> OfThread(win::DWORD threadId);

  win::DWORD Owner() const { return owner_; }
  // False once the owner thread has ended.
  bool Post(const win::ThreadMessage& message);
  // Runs call on the owner thread, in its message loop, and waits for it to
  // return; on the owner thread itself it runs at once. False when the owner
  // did not take the call within timeout or has ended: then it never runs.
  bool Send(const std::function<void()>& call, std::chrono::milliseconds timeout);
  // On the owner thread: serves sent calls until a posted message comes.
  bool Get(win::ThreadMessage* message);
  // On the owner thread: serves the calls sent so far without waiting.
  void ServeSent();

  // Waits until every thread that runs a loop, but the caller, waits in it
  // with nothing left to do.
  static void SettleAll();
  // The calling thread ends: its queue takes nothing more.
  static void EndThisThread();

  struct Call;

 private:
  explicit SimMessageQueue(win::DWORD owner) : owner_(owner) {}
  // With the shared lock held; unlocks it while the call runs.
  void ServeOne(std::unique_lock<std::mutex>& lock);
  // Nothing waits in it, and its thread, once it runs a loop, waits there.
  bool Settled() const {
    return !alive_ || (sent_.empty() && posted_.empty() && (waiting_ || !loops_));
  }

  win::DWORD owner_;
  bool alive_ = true;
  bool loops_ = false;    // its thread has called Get
  bool waiting_ = false;  // ... and waits in it now
  std::deque<win::ThreadMessage> posted_;
  std::deque<std::shared_ptr<Call>> sent_;
};

class SimThreads final : public platform::Threads {
 public:
  // Waits for every thread it made; a lasting thread still running is first
  // posted WM_QUIT, as the end of the process would end its loop.
  ~SimThreads() override;

  bool CreateThread(std::function<void()> work) override;
  win::HRESULT CoInitializeEx(win::DWORD coInit) override;
  void CoUninitialize() override;
  std::unique_ptr<platform::Thread> StartThread(std::function<void()> work) override;
  win::DWORD GetCurrentThreadId() override { return SimMessageQueue::ThisThreadId(); }
  void MakeMessageQueue() override { SimMessageQueue::Make(); }
  win::BOOL PostThreadMessageA(win::DWORD threadId, win::UINT message, win::WPARAM wParam,
                               win::LPARAM lParam) override;
  bool GetMessageA(win::ThreadMessage* message) override;

  // The calling thread's apartment: what the shell sees of its caller.
  static SimApartment ThisThread();

  // Waits until every thread made so far by CreateThread has ended.
  void Join();
  // Waits until every thread with a message loop has handled what was posted
  // to it and waits for more: what tests do before they look at the effect
  // of a message they had the program post.
  void Settle() { SimMessageQueue::SettleAll(); }
  // Threads made by CreateThread.
  int ThreadsMade() const;
  // Lasting threads (StartThread) that have not ended.
  int LastingThreadsRunning() const { return lastingRunning_; }
  // Threads that ended still joined to COM: each one leaks its apartment.
  int ThreadsEndedInCom() const { return endedInCom_; }

  // When set, CreateThread returns only once the new thread has ended: one
  // order Windows may run them in, and one ordinary tests can follow step by
  // step. Clear it to let the threads run beside the caller.
  bool finishBeforeReturning = true;
  // CreateThread fails while this is set, as when the system is out of threads.
  bool refuseThreads = false;
  // Likewise StartThread.
  bool refuseLastingThreads = false;

 private:
  mutable std::mutex mutex_;
  std::vector<std::thread> threads_;
  std::vector<std::pair<win::DWORD, std::thread>> lasting_;
  int made_ = 0;
  std::atomic<int> endedInCom_ = 0;
  std::atomic<int> lastingRunning_ = 0;
};

}  // namespace sim
