// Script import and export by the class against the system's registry editor,
// under Wine or on Windows, side by side in one run. The benchmark writes its
// own REGEDIT4 file: 10 keys of 1,000 values each (500 strings, 300 numbers,
// 200 binaries of 16 bytes), texts without backslashes or quotes so that both
// read the same. Each measurement is a whole program run, started and waited
// for in the same way: this program again for the class ("--import FILE",
// "--export KEY FILE"), regedit.exe for the editor ("/s FILE", "/e FILE KEY").
// Alternating runs of each (5 unless given); prints the medians and the
// ratios class / editor, of the whole runs and of the runs less each
// program's bare start ("--noop" for this program, an empty script for the
// editor), since a start costs far more under a loaded Wine than the 0.02 s
// it costs on a quiet one.
//
//   RegistryScriptVsEditor_bench.exe [runs]
#include <process.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Registry.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTools.h"
#include "support/RegistryTree.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kKey[] = "Software\\KV3050P Script Bench";
constexpr int kKeys = 10;
constexpr int kStrings = 500;
constexpr int kNumbers = 300;
constexpr int kBinaries = 200;

std::string Script() {
  std::string script = "REGEDIT4\r\n\r\n";
  char line[160];
  for (int k = 0; k < kKeys; ++k) {
    std::snprintf(line, sizeof line, "[HKEY_CURRENT_USER\\%s\\Key %02d]\r\n", kKey, k);
    script += line;
    for (int i = 0; i < kStrings; ++i) {
      std::snprintf(line, sizeof line, "\"String %04d\"=\"Text %04d of %02d\"\r\n", i, i, k);
      script += line;
    }
    for (int i = 0; i < kBinaries; ++i) {
      std::snprintf(line, sizeof line, "\"Binary %04d\"=hex:", i);
      script += line;
      for (int b = 0; b < 16; ++b) {
        std::snprintf(line, sizeof line, b == 0 ? "%02X" : ",%02X", (i * 31 + b * 7 + k) & 0xFF);
        script += line;
      }
      script += "\r\n";
    }
    for (int i = 0; i < kNumbers; ++i) {
      std::snprintf(line, sizeof line, "\"Number %04d\"=dword:%08X\r\n", i,
                    static_cast<unsigned>(i * 2654435761u + k));
      script += line;
    }
    script += "\r\n";
  }
  return script;
}

// Runs a program with its arguments and waits for it; the seconds it took.
double Run(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<std::string> quoted;
  for (const std::string& argument : arguments) quoted.push_back("\"" + argument + "\"");
  std::vector<const char*> argv = {program.c_str()};
  for (const std::string& argument : quoted) argv.push_back(argument.c_str());
  argv.push_back(nullptr);
  const auto start = Clock::now();
  const intptr_t status = ::_spawnv(_P_WAIT, program.c_str(), argv.data());
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (status != 0) {
    std::fprintf(stderr, "%s failed (%lld)\n", program.c_str(), static_cast<long long>(status));
    std::exit(2);
  }
  return seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Fastest(std::vector<double> values) {
  return *std::min_element(values.begin(), values.end());
}

int Child(int argc, char** argv) {
  win32::Win32Platform platform;
  clsRegistryAccess reg;
  const std::string mode = argv[1];
  if (mode == "--noop") return 0;
  if (mode == "--import" && argc == 3) return reg.ImportFromReg(argv[2]) == 1 ? 0 : 1;
  if (mode == "--export" && argc == 4) return reg.ExportToReg(argv[2], argv[3], true) == 1 ? 0 : 1;
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && argv[1][0] == '-') return Child(argc, argv);
  const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 5;

  win32::Win32Registry registry;
  const auto clear = [&] { testing_support::DeleteTree(registry, win::HKEY_CURRENT_USER, kKey); };
  const auto tree = [&] {
    return testing_support::ReadTree(registry, win::HKEY_CURRENT_USER, kKey);
  };
  const char* windows = std::getenv("SystemRoot");
  const std::string regedit =
      std::string(windows != nullptr ? windows : "C:\\windows") + "\\regedit.exe";
  const std::string self = std::filesystem::absolute(argv[0]).string();
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kv3050p-script-bench";
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "tree.reg").string();
  const std::string empty = (dir / "empty.reg").string();
  const std::string ours = (dir / "ours.reg").string();
  const std::string theirs = (dir / "theirs.reg").string();
  {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    const std::string script = Script();
    std::fwrite(script.data(), 1, script.size(), out);
    std::fclose(out);
    std::printf("script: %d keys x %d values, %zu bytes\n", kKeys, kStrings + kNumbers + kBinaries,
                script.size());
    out = std::fopen(empty.c_str(), "wb");
    std::fputs("REGEDIT4\r\n\r\n", out);
    std::fclose(out);
  }
  const std::string path = std::string("HKEY_CURRENT_USER\\") + kKey;

  std::vector<double> importOurs, importTheirs, exportOurs, exportTheirs, startOurs, startTheirs;
  testing_support::TreeSnapshot reference;
  for (int run = 0; run < runs; ++run) {
    // Alternate which goes first, so neither always meets a warm cache.
    for (int turn = 0; turn < 2; ++turn) {
      clear();
      if ((turn + run) % 2 == 0) {
        importOurs.push_back(Run(self, {"--import", file}));
        if (reference.empty()) reference = tree();
        if (tree() != reference) std::fprintf(stderr, "the class's import differs\n");
      } else {
        importTheirs.push_back(Run(regedit, {"/s", file}));
        if (reference.empty()) reference = tree();
        if (tree() != reference) std::fprintf(stderr, "the editor's import differs\n");
      }
    }
    for (int turn = 0; turn < 2; ++turn) {
      std::filesystem::remove(ours);
      std::filesystem::remove(theirs);
      if ((turn + run) % 2 == 0) {
        exportOurs.push_back(Run(self, {"--export", path, ours}));
      } else {
        exportTheirs.push_back(Run(regedit, {"/e", theirs, path}));
      }
    }
    startOurs.push_back(Run(self, {"--noop"}));
    startTheirs.push_back(Run(regedit, {"/s", empty}));
  }
  clear();
  if (reference.size() != static_cast<std::size_t>(kKeys + 1)) {
    std::fprintf(stderr, "the imported tree has %zu keys\n", reference.size());
    return 1;
  }

  // The median is the delay a user would feel; the fastest run is the one
  // least disturbed by whatever else the machine was doing.
  for (const auto& [label, pick] : {std::pair{"median", &Median}, std::pair{"fastest", &Fastest}}) {
    const double so = pick(startOurs), st = pick(startTheirs);
    std::printf("%s of %d runs; a bare start: this program %.3f s, the editor %.3f s\n", label,
                runs, so, st);
    const auto report = [&](const char* what, double mine, double editor) {
      std::printf(
          "  %s: class %.3f s, editor %.3f s, ratio %.2f; less the starts %.3f s / %.3f s,"
          " ratio %.2f\n",
          what, mine, editor, mine / editor, mine - so, editor - st, (mine - so) / (editor - st));
    };
    report("import", pick(importOurs), pick(importTheirs));
    report("export", pick(exportOurs), pick(exportTheirs));
  }
  std::filesystem::remove_all(dir);
  return 0;
}
