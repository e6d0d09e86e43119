// OLE drag and drop for the user-control sites: the data and the source of a
// drag over the portable DataObject, and drop targets that report to a site.
// OLE must run on the thread (OleSession) before any of these.
#pragma once

#include <cstdint>

#include "platform/DataObject.h"
#include "platform/UserControlSurface.h"
#include "platform/win32/Win32Ownership.h"

#include <ole2.h>

namespace win32 {

// What a drop target reports to: the site's window and its events as they are now.
class DropSite {
 public:
  virtual HWND DropWindow() const = 0;
  virtual platform::UserControlEvents* DropEvents() const = 0;

 protected:
  ~DropSite() = default;
};

// Drags the data with the effects allowed until the user drops or cancels;
// the effect of a drop, DROPEFFECT_NONE for none. A declared format is
// rendered through events when a target asks for it.
std::int32_t DragData(platform::DataObject& data, platform::UserControlEvents* events,
                      std::int32_t allowed);

struct DropTargetRevoker {
  void operator()(HWND window) const { ::RevokeDragDrop(window); }
};
// A window registered as a drop target. OLE holds the target; revoking lets
// it go. It must go before the window does.
using DropRegistration = platform::UniqueHandle<HWND, DropTargetRevoker>;

// Registers the site's window; an empty registration when OLE refuses.
DropRegistration RegisterDropTarget(DropSite& site);

}  // namespace win32
