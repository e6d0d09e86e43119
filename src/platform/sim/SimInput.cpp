#include "platform/sim/SimInput.h"

#include <algorithm>

#include "platform/sim/SimThreads.h"

namespace sim {
namespace {

// One hook call in progress on this thread: where in the chain (as it was
// when the event arrived; the snapshot lives as long as the event travels)
// the running procedure stands.
struct Frame {
  const std::vector<win::HHOOK>* chain;
  std::size_t position;
};
thread_local std::vector<Frame> running;

}  // namespace

win::HHOOK SimInput::SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                                       win::DWORD threadId) {
  // A low-level hook belongs to the whole desktop, never to one thread.
  if (refuseHooks || procedure == nullptr || idHook != win::WH_MOUSE_LL || threadId != 0) return 0;
  const std::lock_guard lock(mutex_);
  const win::HHOOK handle = next_;
  next_ += 2;
  chain_.insert(chain_.begin(), SimHook{handle, idHook, procedure, module, threadId,
                                        SimMessageQueue::ThisThreadId()});
  return handle;
}

bool SimInput::IsInstalled(win::HHOOK hook) const {
  const std::lock_guard lock(mutex_);
  return std::any_of(chain_.begin(), chain_.end(),
                     [hook](const SimHook& h) { return h.handle == hook; });
}

win::BOOL SimInput::UnhookWindowsHookEx(win::HHOOK hook) {
  const std::lock_guard lock(mutex_);
  const auto found = std::find_if(chain_.begin(), chain_.end(),
                                  [hook](const SimHook& h) { return h.handle == hook; });
  if (found == chain_.end()) return win::FALSE;
  chain_.erase(found);
  unhooks.push_back({hook, SimMessageQueue::ThisThreadId()});
  return win::TRUE;
}

void SimInput::DropHook(win::HHOOK hook) {
  const std::lock_guard lock(mutex_);
  std::erase_if(chain_, [hook](const SimHook& h) { return h.handle == hook; });
}

win::LRESULT SimInput::CallFrom(const std::vector<win::HHOOK>& chain, std::size_t position,
                                int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  // A hook removed while the event travels is skipped, as Windows skips it.
  for (; position < chain.size(); ++position) {
    win::HOOKPROC procedure = nullptr;
    win::DWORD installer = 0;
    {
      const std::lock_guard lock(mutex_);
      const auto hook = std::find_if(chain_.begin(), chain_.end(),
                                     [&](const SimHook& h) { return h.handle == chain[position]; });
      if (hook == chain_.end()) continue;
      procedure = hook->procedure;
      installer = hook->installer;
    }
    win::LRESULT result = 0;
    const std::function<void()> call = [&] {
      running.push_back(Frame{&chain, position});
      result = procedure(nCode, wParam, lParam);
      running.pop_back();
    };
    const auto queue = SimMessageQueue::OfThread(installer);
    if (!queue) {
      call();
      return result;
    }
    if (queue->Send(call, hookTimeout)) return result;
    // Its thread did not answer in time: the event goes on, and Windows
    // removes the hook without a word.
    DropHook(chain[position]);
  }
  return 0;
}

win::LRESULT SimInput::CallNextHookEx(win::HHOOK /*hook*/, int nCode, win::WPARAM wParam,
                                      win::LPARAM lParam) {
  // The handle is ignored, as in every Windows since NT: the running call
  // knows where it stands. Outside a hook call there is no rest of a chain.
  if (running.empty()) return 0;
  const Frame current = running.back();
  return CallFrom(*current.chain, current.position + 1, nCode, wParam, lParam);
}

win::LRESULT SimInput::RunHooks(int nCode, win::WPARAM wParam, const win::MSLLHOOKSTRUCT& record) {
  const std::lock_guard one(events_);
  std::vector<win::HHOOK> chain;
  {
    const std::lock_guard lock(mutex_);
    for (const SimHook& hook : chain_) chain.push_back(hook.handle);
  }
  return CallFrom(chain, 0, nCode, wParam, reinterpret_cast<win::LPARAM>(&record));
}

bool SimInput::SendMouseEvent(win::UINT message, win::DWORD mouseData, win::POINT pt,
                              win::DWORD flags) {
  const win::DWORD now = clock_++;
  lastInput_ = now;
  const win::MSLLHOOKSTRUCT record{pt, mouseData, flags, now, 0};
  if (RunHooks(win::HC_ACTION, message, record) != 0) return false;
  received.push_back({message, mouseData});
  if (moveCursor) moveCursor(pt);
  return true;
}

void SimInput::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                           win::ULONG_PTR dwExtraInfo) {
  // Synthesised keys are input of the session like typed ones.
  lastInput_ = clock_++;
  const std::lock_guard lock(mutex_);
  keys.push_back({bVk, bScan, dwFlags, dwExtraInfo});
}

win::BOOL SimInput::GetLastInputInfo(win::LASTINPUTINFO* info) {
  if (info == nullptr || info->cbSize != sizeof(win::LASTINPUTINFO)) return win::FALSE;
  info->dwTime = lastInput_;
  return win::TRUE;
}

}  // namespace sim
