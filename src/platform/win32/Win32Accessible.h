// A user-control site as assistive technology sees it: an MSAA object whose
// role, name, state and default action the control gives, with the rest
// (location, navigation, parent, hit testing) left to the system's own object
// for the window.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/UserControlSurface.h"

#include <windows.h>

namespace win32 {

// Posted to the site when assistive technology does the default action: the
// click runs from the message loop, so the caller is never held by what it opens.
constexpr UINT kAccessibleDefaultAction = WM_USER + 0x41;

// What the object asks of its site. The site clears it when it goes, and
// the object then answers that it is no longer connected.
struct AccessibleLink {
  std::function<std::optional<platform::AccessibleFacts>()> query;
};

// The answer to WM_GETOBJECT: the site's object for OBJID_CLIENT when the
// control tells what it is; nullopt leaves the request to the default processing.
std::optional<LRESULT> AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam,
                                       const std::shared_ptr<AccessibleLink>& link);

}  // namespace win32
