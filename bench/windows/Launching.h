// What the Windows benchmarks share: a millisecond clock, a median, the
// quoted path of a program beside the benchmark, starting a command line as
// the system does, and finding a process's window by its class.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>

namespace bench {

inline double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / frequency;
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The program of that name in the benchmark's own folder, quoted for a
// command line.
inline std::string Beside(const char* name) {
  char path[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of("\\/") + 1);
  return "\"" + folder + name + "\"";
}

// Starts the command line; a start that fails ends the benchmark.
inline PROCESS_INFORMATION Launch(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (error %lu)\n", commandLine.c_str(), ::GetLastError());
    std::exit(2);
  }
  return process;
}

// The process's top-level window of the class (only a visible one when
// asked), or null.
inline HWND WindowOf(DWORD process, const char* windowClass, bool visibleOnly = false) {
  struct Search {
    DWORD process;
    const char* windowClass;
    bool visibleOnly;
    HWND found;
  } search{process, windowClass, visibleOnly, nullptr};
  ::EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        char className[64] = "";
        ::GetClassNameA(window, className, sizeof className);
        if (owner != wanted->process || std::string(className) != wanted->windowClass ||
            (wanted->visibleOnly && !::IsWindowVisible(window))) {
          return TRUE;
        }
        wanted->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace bench
