#include "platform/win32/Win32OleSession.h"

#include <ole2.h>
#include <windows.h>

namespace win32 {

OleSession::~OleSession() {
  if (started_) ::OleUninitialize();
}

bool OleSession::Ensure() {
  if (!tried_) {
    tried_ = true;
    started_ = SUCCEEDED(::OleInitialize(nullptr));
  }
  return started_;
}

}  // namespace win32
