// Export, then import into an empty registry: the input decodes into a small
// tree below HKCU\F (key names, value names, texts and binaries of any bytes,
// numbers, defaults of each type, keys three deep), which the class exports
// and imports again. The tree must come back exactly, less the items no
// script line can hold, and the export's result must say whether any were
// left out.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "platform/Services.h"
#include "platform/sim/SimRegistry.h"
#include "registry/clsRegistryAccess.h"
#include "support/RegistryTools.h"
#include "support/RegistryTree.h"

namespace {

using testing_support::RawValue;
using testing_support::TreeSnapshot;

constexpr char kTop[] = "F";

std::string WithoutNul(std::string text) {
  std::erase(text, '\0');
  return text;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string::npos; }

// A quoted name reads back up to its first quote followed by blanks and "=".
bool NameIsCut(std::string_view name) {
  for (std::size_t quote = name.find('"'); quote != std::string::npos;
       quote = name.find('"', quote + 1)) {
    std::size_t after = quote + 1;
    while (after < name.size() && (name[after] == ' ' || name[after] == '\t')) ++after;
    if (after < name.size() && name[after] == '=') return true;
  }
  return false;
}

// Whether a script line can carry the value: its name, and a string's text.
bool Writable(const RawValue& value) {
  if (HasLineBreak(value.name) || NameIsCut(value.name)) return false;
  if (value.type != win::REG_SZ) return true;
  // Texts are stored with their NUL; the default goes out as "@=" text.
  return !HasLineBreak(std::string_view(value.data).substr(0, value.data.find('\0')));
}

// The tree as an export can carry it: keys whose path holds a line break go
// with everything below them, and values no line can hold are dropped.
TreeSnapshot WritablePart(const TreeSnapshot& tree) {
  TreeSnapshot part;
  for (const auto& [key, values] : tree) {
    if (HasLineBreak(key)) continue;
    std::vector<RawValue>& kept = part[key];
    for (const RawValue& value : values) {
      if (Writable(value)) kept.push_back(value);
    }
  }
  return part;
}

void BuildTree(FuzzedDataProvider& input, platform::Registry& registry) {
  std::vector<std::string> keys = {kTop};
  std::vector<int> depths = {0};
  win::HKEY created = 0;
  (void)registry.RegCreateKeyA(win::HKEY_CURRENT_USER, kTop, &created);
  (void)registry.RegCloseKey(created);
  for (int step = 0; step < 48 && input.remaining_bytes() > 0; ++step) {
    const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1);
    const std::string& key = keys[at];
    switch (input.ConsumeIntegralInRange(0, 4)) {
      case 0: {
        // Key names hold any byte but the separator and NUL.
        std::string name = WithoutNul(input.ConsumeRandomLengthString(24));
        std::erase(name, '\\');
        if (name.empty() || depths[at] == 3 || keys.size() == 10) break;
        win::HKEY child = 0;
        if (registry.RegCreateKeyA(win::HKEY_CURRENT_USER, (key + "\\" + name).c_str(), &child) ==
            win::ERROR_SUCCESS) {
          (void)registry.RegCloseKey(child);
          keys.push_back(key + "\\" + name);
          depths.push_back(depths[at] + 1);
        }
        break;
      }
      case 1: {
        const std::string name = WithoutNul(input.ConsumeRandomLengthString(24));
        const std::string text = WithoutNul(input.ConsumeRandomLengthString(64));
        testing_support::SetRaw(registry, win::HKEY_CURRENT_USER, key, name, win::REG_SZ,
                                text + '\0');
        break;
      }
      case 2: {
        const std::string name = WithoutNul(input.ConsumeRandomLengthString(24));
        const std::string bytes = input.ConsumeRandomLengthString(300);
        testing_support::SetRaw(registry, win::HKEY_CURRENT_USER, key, name, win::REG_BINARY,
                                bytes);
        break;
      }
      case 3: {
        const std::string name = WithoutNul(input.ConsumeRandomLengthString(24));
        const std::uint32_t number = input.ConsumeIntegral<std::uint32_t>();
        const std::string bytes = {static_cast<char>(number), static_cast<char>(number >> 8),
                                   static_cast<char>(number >> 16),
                                   static_cast<char>(number >> 24)};
        testing_support::SetRaw(registry, win::HKEY_CURRENT_USER, key, name, win::REG_DWORD, bytes);
        break;
      }
      default: {
        // A default value of one of the three types, from bytes of any kind.
        const int type = input.ConsumeIntegralInRange(0, 2);
        std::string data = input.ConsumeRandomLengthString(16);
        if (type == 0) data = WithoutNul(data) + '\0';
        if (type == 2) data.resize(4, '\0');
        testing_support::SetRaw(registry, win::HKEY_CURRENT_USER, key, "",
                                type == 0   ? win::REG_SZ
                                : type == 1 ? win::REG_BINARY
                                            : win::REG_DWORD,
                                data);
        break;
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = (std::filesystem::temp_directory_path() /
                                   ("kv3050p-roundtrip-" + std::to_string(::getpid()) + ".reg"))
                                      .string();
  FuzzedDataProvider input(data, size);

  TreeSnapshot before;
  std::int32_t exported = -1;
  {
    sim::SimRegistry registry;
    platform::Install<platform::Registry> use(registry);
    BuildTree(input, registry);
    before = testing_support::ReadTree(registry, win::HKEY_CURRENT_USER, kTop);
    std::filesystem::remove(file);
    exported = clsRegistryAccess().ExportToReg("HKCU\\F", file, true);
    if (registry.OpenKeyCount() != 0) std::abort();
  }
  const TreeSnapshot expected = WritablePart(before);
  if (exported != (expected == before ? 1 : 0)) std::abort();

  sim::SimRegistry registry;
  platform::Install<platform::Registry> use(registry);
  if (clsRegistryAccess().ImportFromReg(file) != 1) std::abort();
  if (registry.OpenKeyCount() != 0) std::abort();
  if (testing_support::ReadTree(registry, win::HKEY_CURRENT_USER, kTop) != expected) std::abort();
  return 0;
}
