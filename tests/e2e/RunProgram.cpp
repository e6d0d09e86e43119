#include "e2e/RunProgram.h"

#include <windows.h>

namespace e2e {

bool RunAndWait(const std::string& commandLine) {
  std::string command = commandLine;  // CreateProcessA may write to it
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return false;
  }
  const DWORD waited = ::WaitForSingleObject(process.hProcess, 30000);
  if (waited != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return waited == WAIT_OBJECT_0;
}

}  // namespace e2e
