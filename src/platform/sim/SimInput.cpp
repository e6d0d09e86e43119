#include "platform/sim/SimInput.h"

#include <algorithm>

namespace sim {

win::HHOOK SimInput::SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                                       win::DWORD threadId) {
  // A low-level hook belongs to the whole desktop, never to one thread.
  if (refuseHooks || procedure == nullptr || idHook != win::WH_MOUSE_LL || threadId != 0) return 0;
  const win::HHOOK handle = next_;
  next_ += 2;
  chain_.insert(chain_.begin(), SimHook{handle, idHook, procedure, module, threadId});
  return handle;
}

bool SimInput::IsInstalled(win::HHOOK hook) const {
  return std::any_of(chain_.begin(), chain_.end(),
                     [hook](const SimHook& h) { return h.handle == hook; });
}

win::BOOL SimInput::UnhookWindowsHookEx(win::HHOOK hook) {
  const auto found = std::find_if(chain_.begin(), chain_.end(),
                                  [hook](const SimHook& h) { return h.handle == hook; });
  if (found == chain_.end()) return win::FALSE;
  chain_.erase(found);
  return win::TRUE;
}

void SimInput::DropHook(win::HHOOK hook) { UnhookWindowsHookEx(hook); }

win::LRESULT SimInput::CallFrom(const std::vector<win::HHOOK>& chain, std::size_t position,
                                int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  // A hook removed while the event travels is skipped, as Windows skips it.
  for (; position < chain.size(); ++position) {
    const auto hook = std::find_if(chain_.begin(), chain_.end(),
                                   [&](const SimHook& h) { return h.handle == chain[position]; });
    if (hook == chain_.end()) continue;
    const win::HOOKPROC procedure = hook->procedure;
    running_.push_back(Frame{&chain, position});
    const win::LRESULT result = procedure(nCode, wParam, lParam);
    running_.pop_back();
    return result;
  }
  return 0;
}

win::LRESULT SimInput::CallNextHookEx(win::HHOOK /*hook*/, int nCode, win::WPARAM wParam,
                                      win::LPARAM lParam) {
  // The handle is ignored, as in every Windows since NT: the running call
  // knows where it stands. Outside a hook call there is no rest of a chain.
  if (running_.empty()) return 0;
  const Frame current = running_.back();
  return CallFrom(*current.chain, current.position + 1, nCode, wParam, lParam);
}

win::LRESULT SimInput::RunHooks(int nCode, win::WPARAM wParam, const win::MSLLHOOKSTRUCT& record) {
  std::vector<win::HHOOK> chain;
  for (const SimHook& hook : chain_) chain.push_back(hook.handle);
  return CallFrom(chain, 0, nCode, wParam, reinterpret_cast<win::LPARAM>(&record));
}

bool SimInput::SendMouseEvent(win::UINT message, win::DWORD mouseData, win::POINT pt,
                              win::DWORD flags) {
  lastInput_ = clock_;
  const win::MSLLHOOKSTRUCT record{pt, mouseData, flags, clock_++, 0};
  if (RunHooks(win::HC_ACTION, message, record) != 0) return false;
  received.push_back({message, mouseData});
  if (moveCursor) moveCursor(pt);
  return true;
}

void SimInput::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                           win::ULONG_PTR dwExtraInfo) {
  // Synthesised keys are input of the session like typed ones.
  lastInput_ = clock_++;
  keys.push_back({bVk, bScan, dwFlags, dwExtraInfo});
}

win::BOOL SimInput::GetLastInputInfo(win::LASTINPUTINFO* info) {
  if (info == nullptr || info->cbSize != sizeof(win::LASTINPUTINFO)) return win::FALSE;
  info->dwTime = lastInput_;
  return win::TRUE;
}

}  // namespace sim
