// OLE on the UI thread, started the first time a drag or a drop target needs
// it (it costs a start more than anything else the program does, and the
// program's own buttons take no drops), and ended with its owner.
#pragma once

namespace win32 {

class OleSession {
 public:
  OleSession() = default;
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  // Whether OLE runs on this thread now.
  bool Ensure();

 private:
  bool tried_ = false;
  bool started_ = false;
};

}  // namespace win32
