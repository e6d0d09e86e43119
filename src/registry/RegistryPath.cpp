#include "registry/RegistryPath.h"

#include <algorithm>
#include <array>

#include "registry/RegistryText.h"
#include "registry/clsRegistryAccess.h"

namespace registry {
namespace {

using win::HKEY;

struct RootName {
  std::string_view longName;
  std::string_view shortName;
  HKEY key;
};

// The root names a path may begin with, in both forms.
constexpr std::array<RootName, 7> kRoots = {{
    {"HKEY_CURRENT_USER", "HKCU", win::HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", "HKLM", win::HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", "HKCR", win::HKEY_CLASSES_ROOT},
    {"HKEY_USERS", "HKUS", win::HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", "HKPD", win::HKEY_PERFORMANCE_DATA},
    {"HKEY_DYN_DATA", "HKDD", win::HKEY_DYN_DATA},
    {"HKEY_CURRENT_CONFIG", "HKCC", win::HKEY_CURRENT_CONFIG},
}};

}  // namespace

// "HKCUStuff" and "HKEY_CURRENT_USERS" name no root, and a root name further
// on is an ordinary key name.
HKEY RootKeyOf(std::string_view path) {
  const std::string first = UpperCase(path.substr(0, path.find('\\')));
  for (const RootName& root : kRoots) {
    if (root.shortName == first || root.longName == first) return root.key;
  }
  return 0;
}

std::string SubKeyOf(std::string_view path) {
  const std::size_t backslash = path.find('\\');
  return backslash == std::string_view::npos ? std::string()
                                             : std::string(path.substr(backslash + 1));
}

std::string LongRootPath(const std::string& path) {
  const std::size_t end = std::min(path.find('\\'), path.size());
  const std::string first = UpperCase(std::string_view(path).substr(0, end));
  for (const RootName& root : kRoots) {
    if (root.shortName == first) return std::string(root.longName) + path.substr(end);
  }
  return path;
}

}  // namespace registry

clsRegistryAccess::RegPath clsRegistryAccess::SplitRegPath(const std::string& path) {
  return RegPath{registry::RootKeyOf(path), registry::SubKeyOf(path)};
}
