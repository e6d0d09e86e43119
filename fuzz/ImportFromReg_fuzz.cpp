// The script importer on arbitrary bytes, each input over a fresh sim
// registry. Besides the sanitizers, every input must leave no key open and
// give one of the two results.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Services.h"
#include "platform/sim/SimRegistry.h"
#include "registry/clsRegistryAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sim::SimRegistry registry;
  platform::Install<platform::Registry> use(registry);
  clsRegistryAccess access;
  access.CreateKeyIfDoesntExists(false);
  const std::int32_t result =
      access.ImportRegScript(std::string_view(reinterpret_cast<const char*>(data), size));
  if (result != 0 && result != 1) std::abort();
  if (registry.OpenKeyCount() != 0) std::abort();
  if (!access.CreateKeyIfDoesntExists()) std::abort();
  return 0;
}
