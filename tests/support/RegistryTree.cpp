#include "support/RegistryTree.h"

#include <algorithm>
#include <cstdint>

namespace testing_support {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

void ReadKey(platform::Registry& registry, win::HKEY root, const std::string& path,
             const std::string& relative, TreeSnapshot* tree) {
  std::vector<RawValue> values = Values(registry, root, path);
  std::sort(values.begin(), values.end(),
            [](const RawValue& a, const RawValue& b) { return Upper(a.name) < Upper(b.name); });
  (*tree)[relative] = std::move(values);
  for (const std::string& child : SubKeys(registry, root, path)) {
    ReadKey(registry, root, path + "\\" + child, relative.empty() ? child : relative + "\\" + child,
            tree);
  }
}

std::string Sz(const std::string& text) { return text + '\0'; }

std::string Dword(std::uint32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i, value >>= 8) bytes.push_back(static_cast<char>(value & 0xFF));
  return bytes;
}

}  // namespace

TreeSnapshot ReadTree(platform::Registry& registry, win::HKEY root, const std::string& path) {
  TreeSnapshot tree;
  if (KeyExists(registry, root, path)) ReadKey(registry, root, path, "", &tree);
  return tree;
}

void WriteSampleTree(platform::Registry& registry, win::HKEY root, const std::string& path) {
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes.push_back(static_cast<char>(i));
  std::string longBytes;
  for (int i = 0; i < 1000; ++i) longBytes.push_back(static_cast<char>((i * 37) & 0xFF));
  std::string bytes300;
  for (int i = 0; i < 300; ++i) bytes300.push_back(static_cast<char>((i * 7 + 3) & 0xFF));
  std::string longText;
  for (int i = 0; i < 1000; ++i) longText.push_back(static_cast<char>('a' + i % 26));

  struct Entry {
    std::string key;
    std::string name;
    win::DWORD type;
    std::string data;
  };
  const std::vector<Entry> entries = {
      {"", "", win::REG_SZ, Sz("top default")},
      {"", "plain", win::REG_SZ, Sz("text")},
      {"", "empty", win::REG_SZ, Sz("")},
      {"", "long", win::REG_SZ, Sz(longText)},
      {"", "backslashes", win::REG_SZ, Sz("C:\\dir\\sub\\")},
      {"", "quotes", win::REG_SZ, Sz("say \"hi\" and \"\"")},
      {"", "equals", win::REG_SZ, Sz("a=b==c=")},
      {"", "With=Equals", win::REG_SZ, Sz("asdf")},
      {"", "=x=", win::REG_BINARY, "\x3D"},
      {"", "not a comment", win::REG_SZ, Sz("v\" ;x")},
      {"", "tabs", win::REG_SZ, Sz("\ttabbed\t")},
      {"", "spaces", win::REG_SZ, Sz("  lead and trail  ")},
      {"", "high bytes", win::REG_SZ, Sz("caf\xE9 \xFF")},
      {"", "dash", win::REG_SZ, Sz("-")},
      {"", "hex text", win::REG_SZ, Sz("hex:01,02")},
      {"", " padded name ", win::REG_SZ, Sz("x")},
      {"", "quote\"in name", win::REG_SZ, Sz("y")},
      {"", ";not a comment", win::REG_SZ, Sz("z")},
      {"", std::string(300, 'N'), win::REG_SZ, Sz("long name")},
      {"", "zero", win::REG_DWORD, Dword(0)},
      {"", "thirty", win::REG_DWORD, Dword(30)},
      {"", "minus one", win::REG_DWORD, Dword(0xFFFFFFFF)},
      {"", "lowest", win::REG_DWORD, Dword(0x80000000)},
      {"", "@", win::REG_DWORD, Dword(7)},
      {"", "bin empty", win::REG_BINARY, ""},
      {"", "bin zero", win::REG_BINARY, std::string(1, '\0')},
      {"", "bin ff", win::REG_BINARY, "\xFF"},
      {"", "bin all", win::REG_BINARY, allBytes},
      {"", "bin long", win::REG_BINARY, longBytes},
      {"", "bin 300", win::REG_BINARY, bytes300},
      {"Child", "", win::REG_SZ, Sz("")},
      {"Child", "inner", win::REG_SZ, Sz("value")},
      {"Child", "@", win::REG_SZ, Sz("not the default")},
      {"Child\\Grand child", "", win::REG_BINARY, std::string("\0\x01\xFF", 3)},
      {"Child\\Grand child", "count", win::REG_DWORD, Dword(12345)},
      {"Numbers", "", win::REG_DWORD, Dword(30)},
      {"Numbers", "big", win::REG_DWORD, Dword(0xDEADBEEF)},
      {"Key \"quoted\" [x]", "v", win::REG_SZ, Sz("w")},
      {"HKCUStuff", "root-like", win::REG_SZ, Sz("key")},
      {"HKEY_LOCAL_MACHINE", "root name", win::REG_DWORD, Dword(1)},
  };
  for (const Entry& entry : entries) {
    SetRaw(registry, root, entry.key.empty() ? path : path + "\\" + entry.key, entry.name,
           entry.type, entry.data);
  }
  win::HKEY leaf = 0;
  if (registry.RegCreateKeyExA(root, (path + "\\Empty leaf").c_str(), 0, nullptr, 0,
                               win::KEY_ALL_ACCESS, nullptr, &leaf,
                               nullptr) == win::ERROR_SUCCESS) {
    (void)registry.RegCloseKey(leaf);
  }
}

}  // namespace testing_support
