// Export and import of a tree of 10,000 values over the sim: 100 keys of 100
// values each, a mix of strings, numbers and binaries. Reported as values per
// second (items_per_second).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "platform/Services.h"
#include "platform/sim/SimRegistry.h"
#include "registry/clsRegistryAccess.h"

namespace {

constexpr int kKeys = 100;
constexpr int kValuesPerKey = 100;
constexpr std::int64_t kValues = std::int64_t{kKeys} * kValuesPerKey;
const std::string kTree = "HKCU\\Software\\KV3050P Bench";

void FillTree(clsRegistryAccess& reg) {
  for (int k = 0; k < kKeys; ++k) {
    const std::string key =
        kTree + "\\Group " + std::to_string(k / 10) + "\\Key " + std::to_string(k);
    for (int v = 0; v < kValuesPerKey; ++v) {
      const std::string name = "Value " + std::to_string(v);
      switch (v % 3) {
        case 0:
          reg.WriteString(key, name, "C:\\Program Files\\KV3050P\\file " + std::to_string(v));
          break;
        case 1:
          reg.WriteDWORD(key, name, v * 7919 - 50000);
          break;
        default:
          reg.WriteBinary(key, name, "00 01 7F 80 FE FF 10 20 30 40 50 60 70 80 90 A0");
          break;
      }
    }
  }
}

std::filesystem::path ScratchFile(const char* name) {
  return std::filesystem::temp_directory_path() /
         (std::string("kv3050p-bench-") + std::to_string(::getpid()) + "-" + name);
}

void BM_ExportTree(benchmark::State& state) {
  sim::SimRegistry registry;
  platform::Install<platform::Registry> use(registry);
  clsRegistryAccess reg;
  FillTree(reg);
  const std::filesystem::path file = ScratchFile("export.reg");
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(file);
    state.ResumeTiming();
    if (reg.ExportToReg(kTree, file.string(), true) != 1) state.SkipWithError("export failed");
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
  std::filesystem::remove(file);
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ExportTree)->Unit(benchmark::kMillisecond);

void BM_ImportTree(benchmark::State& state) {
  const std::filesystem::path file = ScratchFile("import.reg");
  {
    sim::SimRegistry registry;
    platform::Install<platform::Registry> use(registry);
    clsRegistryAccess reg;
    FillTree(reg);
    std::filesystem::remove(file);
    reg.ExportToReg(kTree, file.string(), true);
  }
  for (auto _ : state) {
    state.PauseTiming();
    // Each run imports into an empty registry.
    auto registry = std::make_unique<sim::SimRegistry>();
    state.ResumeTiming();
    platform::Install<platform::Registry> use(*registry);
    clsRegistryAccess reg;
    if (reg.ImportFromReg(file.string()) != 1) state.SkipWithError("import failed");
    state.PauseTiming();
    registry.reset();
    state.ResumeTiming();
  }
  std::filesystem::remove(file);
  state.SetItemsProcessed(state.iterations() * kValues);
}
BENCHMARK(BM_ImportTree)->Unit(benchmark::kMillisecond);

}  // namespace
