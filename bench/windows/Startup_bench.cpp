// What a start costs the user: the real program against a minimal window
// program of the project's own, each launched the same way, in alternating
// rounds of one run. For each launch: the time from CreateProcess until its
// window is visible, and the working set 1.5 s later; for the real program
// also a second start while it runs, from CreateProcess to its exit. Prints
// the medians and the ratios to the minimal program's, and the ratio of the
// minimal window holding the main window's standard controls, which no
// start-up work of the program's own can go below. The program also starts
// at 192 dpi in the same rounds, against itself at 96 dpi: under Wine each
// new process reads the density (LogPixels) when it starts, so the bench
// sets it before each launch and puts the user's value back at the end.
//
//   Startup_bench.exe [rounds]      (run under Wine: tools/wine-run)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>
// psapi.h builds on windows.h.
#include <psapi.h>

#include "Launching.h"

namespace {

using bench::Beside;
using bench::Launch;
using bench::Median;
using bench::Now;
using bench::WindowOf;

struct Candidate {
  const char* name;
  std::string commandLine;
  const char* windowClass;
  int dpi;          // the density it starts at
  bool secondCopy;  // also measure a second start while it runs
  std::vector<double> startMs;
  std::vector<double> workingSetMb;
};

constexpr const char* kDesktopKey = "Control Panel\\Desktop";

// The density new processes start at, or 0 when none is set.
DWORD Density() {
  DWORD dpi = 0, size = sizeof dpi;
  if (::RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi,
                     &size) != ERROR_SUCCESS) {
    return 0;
  }
  return dpi;
}

void SetDensity(DWORD dpi) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
    return;
  }
  if (dpi == 0) {
    ::RegDeleteValueA(key, "LogPixels");
  } else {
    ::RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                     sizeof dpi);
  }
  ::RegCloseKey(key);
}

// Launches the candidate, waits for its visible window, then measures its
// working set after 1.5 s. Leaves the process running.
PROCESS_INFORMATION Measure(Candidate& candidate) {
  SetDensity(static_cast<DWORD>(candidate.dpi));
  const double start = Now();
  PROCESS_INFORMATION process = Launch(candidate.commandLine);
  while (WindowOf(process.dwProcessId, candidate.windowClass, true) == nullptr) {
    if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "%s ended before showing its window\n", candidate.name);
      std::exit(2);
    }
  }
  candidate.startMs.push_back(Now() - start);
  ::Sleep(1500);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  candidate.workingSetMb.push_back(static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0));
  return process;
}

void End(PROCESS_INFORMATION& process) {
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  // The program sits two folders up, at the top of the build.
  std::vector<Candidate> candidates = {
      {"minimal window", Beside("MinimalWindow.exe"), "KVMinimalWindow", 96, false, {}, {}},
      {"minimal + ole32, shell32, comctl32",
       Beside("MinimalWindow.exe") + " --libraries",
       "KVMinimalWindow",
       96,
       false,
       {},
       {}},
      {"minimal + the window's standard controls",
       Beside("MinimalWindow.exe") + " --controls",
       "KVMinimalWindow",
       96,
       false,
       {},
       {}},
      {"KV3050PSetup", Beside("..\\..\\KV3050PSetup.exe"), "KV3050PSetupForm", 96, true, {}, {}},
      {"KV3050PSetup at 192 dpi",
       Beside("..\\..\\KV3050PSetup.exe"),
       "KV3050PSetupForm",
       192,
       false,
       {},
       {}},
  };
  const DWORD usersDensity = Density();
  std::vector<double> secondCopyMs;
  for (int round = 0; round < rounds; ++round) {
    for (Candidate& candidate : candidates) {
      PROCESS_INFORMATION process = Measure(candidate);
      if (candidate.secondCopy) {
        // A second start wakes the first and ends: its whole life.
        const double start = Now();
        PROCESS_INFORMATION second = Launch(candidate.commandLine);
        ::WaitForSingleObject(second.hProcess, 30000);
        secondCopyMs.push_back(Now() - start);
        End(second);
      }
      End(process);
    }
  }
  SetDensity(usersDensity);
  const Candidate& program = candidates[3];
  const Candidate& dense = candidates[4];
  const double baseStart = Median(candidates[0].startMs);
  const double baseMemory = Median(candidates[0].workingSetMb);
  std::printf("%-42s %12s %14s\n", "median of runs", "start-up ms", "working set MB");
  for (const Candidate& candidate : candidates) {
    std::printf("%-42s %12.1f %14.1f\n", candidate.name, Median(candidate.startMs),
                Median(candidate.workingSetMb));
  }
  std::printf("%-42s %12.1f\n", "KV3050PSetup as a second copy", Median(secondCopyMs));
  std::printf(
      "start-up ratio %.2f (goal <= 1.3), working-set ratio %.2f (goal <= 1.5), "
      "second-copy ratio %.2f (goal <= 1.3)\n",
      Median(program.startMs) / baseStart, Median(program.workingSetMb) / baseMemory,
      Median(secondCopyMs) / baseStart);
  // What the window's standard controls alone add: a floor under the first ratio.
  std::printf("the standard controls alone: start-up ratio %.2f, working-set ratio %.2f\n",
              Median(candidates[2].startMs) / baseStart,
              Median(candidates[2].workingSetMb) / baseMemory);
  std::printf(
      "at 192 dpi against 96 dpi: start-up ratio %.2f (goal <= 1.3), "
      "working-set ratio %.2f (goal <= 1.5)\n",
      Median(dense.startMs) / Median(program.startMs),
      Median(dense.workingSetMb) / Median(program.workingSetMb));
  return 0;
}
