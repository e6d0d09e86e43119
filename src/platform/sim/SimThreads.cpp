#include "platform/sim/SimThreads.h"

#include <algorithm>
#include <condition_variable>
#include <map>

namespace sim {
namespace {

thread_local SimApartment apartment;

win::DWORD ModelOf(win::DWORD coInit) { return coInit & win::COINIT_APARTMENTTHREADED; }

// What every queue shares: one lock, one signal, the queues by thread.
std::mutex queuesMutex;
std::condition_variable queuesChanged;
std::map<win::DWORD, std::weak_ptr<SimMessageQueue>> queues;
std::atomic<win::DWORD> nextThreadId{0x1004};

thread_local win::DWORD thisThreadId = 0;
thread_local std::shared_ptr<SimMessageQueue> thisQueue;

win::DWORD NewThreadId() { return nextThreadId.fetch_add(4); }

// What a lasting thread shares with its handle.
struct LastingState {
  win::DWORD id = 0;
  std::mutex mutex;
  std::condition_variable changed;
  bool ended = false;
};

class SimThread final : public platform::Thread {
 public:
  explicit SimThread(std::shared_ptr<LastingState> state) : state_(std::move(state)) {}
  win::DWORD Id() const override { return state_->id; }
  bool Join(win::DWORD milliseconds) override {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                    [this] { return state_->ended; });
  }

 private:
  std::shared_ptr<LastingState> state_;
};

}  // namespace

struct SimMessageQueue::Call {
  const std::function<void()>* run;
  bool started = false;
  bool done = false;
};

win::DWORD SimMessageQueue::ThisThreadId() {
  if (thisThreadId == 0) thisThreadId = NewThreadId();
  return thisThreadId;
}

std::shared_ptr<SimMessageQueue> SimMessageQueue::Make() {
  if (thisQueue) return thisQueue;
  thisQueue.reset(new SimMessageQueue(ThisThreadId()));
  const std::lock_guard lock(queuesMutex);
  queues[thisQueue->owner_] = thisQueue;
  return thisQueue;
}

std::shared_ptr<SimMessageQueue> SimMessageQueue::OfThread(win::DWORD threadId) {
  const std::lock_guard lock(queuesMutex);
  const auto found = queues.find(threadId);
  return found == queues.end() ? nullptr : found->second.lock();
}

void SimMessageQueue::EndThisThread() {
  if (!thisQueue) return;
  {
    const std::lock_guard lock(queuesMutex);
    thisQueue->alive_ = false;
    queues.erase(thisQueue->owner_);
  }
  queuesChanged.notify_all();
  thisQueue.reset();
}

bool SimMessageQueue::Post(const win::ThreadMessage& message) {
  {
    const std::lock_guard lock(queuesMutex);
    if (!alive_) return false;
    posted_.push_back(message);
  }
  queuesChanged.notify_all();
  return true;
}

void SimMessageQueue::ServeOne(std::unique_lock<std::mutex>& lock) {
  const std::shared_ptr<Call> call = sent_.front();
  sent_.pop_front();
  call->started = true;
  lock.unlock();
  (*call->run)();
  lock.lock();
  call->done = true;
  queuesChanged.notify_all();
}

bool SimMessageQueue::Send(const std::function<void()>& call, std::chrono::milliseconds timeout) {
  if (owner_ == ThisThreadId()) {
    call();
    return true;
  }
  const auto pending = std::make_shared<Call>(Call{&call});
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  std::unique_lock lock(queuesMutex);
  if (!alive_) return false;
  sent_.push_back(pending);
  queuesChanged.notify_all();
  SimMessageQueue* const mine = thisQueue.get();
  while (!pending->done) {
    if (mine != nullptr && !mine->sent_.empty()) {
      mine->ServeOne(lock);
      continue;
    }
    if (!pending->started && (!alive_ || std::chrono::steady_clock::now() >= deadline)) {
      sent_.erase(std::find(sent_.begin(), sent_.end(), pending));
      return false;
    }
    // A call once started runs to its end, however long it takes.
    if (pending->started) {
      queuesChanged.wait(lock);
    } else {
      queuesChanged.wait_until(lock, deadline);
    }
  }
  return true;
}

bool SimMessageQueue::Get(win::ThreadMessage* message) {
  std::unique_lock lock(queuesMutex);
  loops_ = true;
  for (;;) {
    if (!sent_.empty()) {
      waiting_ = false;
      ServeOne(lock);
      continue;
    }
    if (!posted_.empty()) {
      *message = posted_.front();
      posted_.pop_front();
      waiting_ = false;
      return message->message != win::WM_QUIT;
    }
    waiting_ = true;
    queuesChanged.notify_all();
    queuesChanged.wait(lock);
  }
}

void SimMessageQueue::ServeSent() {
  std::unique_lock lock(queuesMutex);
  while (!sent_.empty()) ServeOne(lock);
}

void SimMessageQueue::SettleAll() {
  std::unique_lock lock(queuesMutex);
  SimMessageQueue* const mine = thisQueue.get();
  for (;;) {
    if (mine != nullptr && !mine->sent_.empty()) {
      mine->ServeOne(lock);
      continue;
    }
    const bool settled = std::all_of(queues.begin(), queues.end(), [mine](const auto& entry) {
      const auto queue = entry.second.lock();
      return !queue || queue.get() == mine || queue->Settled();
    });
    if (settled) return;
    queuesChanged.wait(lock);
  }
}

SimThreads::~SimThreads() {
  Join();
  std::vector<std::pair<win::DWORD, std::thread>> lasting;
  {
    const std::lock_guard lock(mutex_);
    lasting.swap(lasting_);
  }
  for (auto& [id, thread] : lasting) {
    if (const auto queue = SimMessageQueue::OfThread(id)) queue->Post({win::WM_QUIT, 0, 0});
    thread.join();
  }
}

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

std::unique_ptr<platform::Thread> SimThreads::StartThread(std::function<void()> work) {
  if (refuseLastingThreads || !work) return nullptr;
  auto state = std::make_shared<LastingState>();
  state->id = NewThreadId();
  ++lastingRunning_;
  std::thread thread([this, state, work = std::move(work)] {
    thisThreadId = state->id;
    work();
    SimMessageQueue::EndThisThread();
    if (apartment.depth != 0) ++endedInCom_;
    --lastingRunning_;
    {
      const std::lock_guard lock(state->mutex);
      state->ended = true;
    }
    state->changed.notify_all();
  });
  const std::lock_guard lock(mutex_);
  lasting_.emplace_back(state->id, std::move(thread));
  return std::make_unique<SimThread>(state);
}

win::BOOL SimThreads::PostThreadMessageA(win::DWORD threadId, win::UINT message, win::WPARAM wParam,
                                         win::LPARAM lParam) {
  const auto queue = SimMessageQueue::OfThread(threadId);
  return queue && queue->Post({message, wParam, lParam}) ? win::TRUE : win::FALSE;
}

bool SimThreads::GetMessageA(win::ThreadMessage* message) {
  return SimMessageQueue::Make()->Get(message);
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
