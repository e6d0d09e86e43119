#include "platform/win32/Win32AccessKeys.h"

#include <set>

namespace win32 {
namespace {

std::set<AccessKeySite*>& LiveSites() {
  static std::set<AccessKeySite*> sites;
  return sites;
}

}  // namespace

AccessKeySite::AccessKeySite() { LiveSites().insert(this); }

AccessKeySite::~AccessKeySite() { LiveSites().erase(this); }

bool TranslateAccessKey(HWND window, UINT message, WPARAM wParam) {
  if (message != WM_SYSCHAR) return false;
  HWND root = ::GetAncestor(window, GA_ROOT);
  const char key = static_cast<char>(wParam);
  for (AccessKeySite* site : LiveSites()) {
    // No window yet, or none any more: a site being made or going.
    HWND siteWindow = site->AccessKeyWindow();
    if (siteWindow == nullptr || ::GetAncestor(siteWindow, GA_ROOT) != root) continue;
    if (!::IsWindowVisible(siteWindow) || !::IsWindowEnabled(siteWindow) ||
        !site->HoldsAccessKey(key)) {
      continue;
    }
    site->PressAccessKey(key);
    return true;
  }
  return false;
}

}  // namespace win32
