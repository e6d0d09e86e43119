// The built program carries every asset as a resource that Windows loads by
// the name in the asset table, with the pixels of the shipped file, plus the
// manifest and the version information.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/PictureFiles.h"
#include "ui/Assets.h"
#include "ui/Dib.h"

#include <windows.h>

namespace {

namespace ua = ui::assets;

class Resources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    module_ = LoadLibraryExA(KV_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  static void TearDownTestSuite() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  void SetUp() override { ASSERT_NE(module_, nullptr) << "cannot open " << KV_PROGRAM; }

  static std::span<const std::uint8_t> Data(const char* name, LPCSTR type) {
    HRSRC found = FindResourceA(module_, name, type);
    if (found == nullptr) return {};
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
    return {data, SizeofResource(module_, found)};
  }

  static inline HMODULE module_ = nullptr;
};

// A bitmap's pixels read back through GDI, top row first, as colour
// references (0x00BBGGRR); empty when GDI does not read them.
std::vector<std::uint32_t> ReadBack(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) *
                                    static_cast<std::size_t>(height));
  HDC dc = GetDC(nullptr);
  const int rows =
      GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (rows != height) return {};
  for (std::uint32_t& c : pixels) c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  return pixels;
}

ui::Image ShippedBitmap(const ua::Asset& asset) {
  return testing_support::DecodeBitmapFile(testing_support::ReadFileBytes(
      std::filesystem::path(KV_SOURCE_DIR) / "src/ui/assets" / asset.file));
}

TEST_F(Resources, EveryBitmapLoadsByNameWithTheShippedPixels) {
  for (const ua::Asset& asset : ua::kAll) {
    if (asset.kind != ua::Kind::Bitmap) continue;
    SCOPED_TRACE(asset.resource);
    const ui::Image shipped = ShippedBitmap(asset);
    // The resource holds the file without its file header.
    EXPECT_EQ(ui::DecodeDib(Data(asset.resource, MAKEINTRESOURCEA(2))).pixels, shipped.pixels);

    auto* bitmap = static_cast<HBITMAP>(
        LoadImageA(module_, asset.resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
    EXPECT_EQ(dib.dsBm.bmWidth, shipped.width);
    EXPECT_EQ(dib.dsBm.bmHeight, shipped.height);
    EXPECT_EQ(dib.dsBmih.biBitCount, asset.bitsPerPixel);

    // Compared at 5 bits a channel: how GDI widens 5-bit channels is its own
    // business.
    const std::vector<std::uint32_t> system = ReadBack(bitmap, shipped.width, shipped.height);
    DeleteObject(bitmap);
    ASSERT_EQ(system.size(), shipped.pixels.size());
    int differing = 0;
    for (std::size_t i = 0; i < system.size(); ++i) {
      if ((system[i] & 0xF8F8F8) != (shipped.pixels[i] & 0xF8F8F8)) ++differing;
    }
    EXPECT_EQ(differing, 0);
  }
}

TEST_F(Resources, TheIconIsTheFirstAndHasBothSizes) {
  std::vector<std::string> groups;
  EnumResourceNamesA(
      module_, MAKEINTRESOURCEA(14),  // RT_GROUP_ICON
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR list) -> BOOL {
        reinterpret_cast<std::vector<std::string>*>(list)->push_back(
            IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name))
                                 : name);
        return TRUE;
      },
      reinterpret_cast<LONG_PTR>(&groups));
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.front(), ua::kAppIcon.resource);
  const auto group = Data(ua::kAppIcon.resource, MAKEINTRESOURCEA(14));
  ASSERT_GE(group.size(), 6u);
  EXPECT_EQ(group[4] | (group[5] << 8), 2 + static_cast<int>(ua::kIconSizes.size()));

  for (int size : ua::kIconSizes) {
    SCOPED_TRACE(size);
    auto* icon =
        static_cast<HICON>(LoadImageA(module_, ua::kAppIcon.resource, IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

// The default size is the system's (32 at 96 dpi); each size the cursor holds
// loads with its own hot spot at the fingertip.
TEST_F(Resources, TheHandCursorHasItsHotSpotAtTheFingertip) {
  for (int size : {0, 32, 48, 64}) {
    SCOPED_TRACE(size);
    auto* cursor = static_cast<HCURSOR>(
        LoadImageA(module_, ua::kHandCursor.resource, IMAGE_CURSOR, size, size, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    const int pixels = size == 0 ? 32 : size;
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(ua::kHandHotspotX * pixels / 32));
    EXPECT_EQ(info.yHotspot, static_cast<DWORD>(ua::kHandHotspotY * pixels / 32));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, pixels);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
  }
}

// The sets for other densities are run-length bitmaps, byte for byte the
// shipped files without their file header, and the system reads each as the
// same picture as the program's own decoder: the skin's size, yellow
// outside, and each button's picture its crop of it.
TEST_F(Resources, EveryDensitysSetIsABitmapTheSystemReadsAsTheProgramDoes) {
  constexpr std::size_t kFileHeader = 14;
  for (int dpi : ua::kDpis) {
    if (dpi == 96) continue;
    SCOPED_TRACE(dpi);
    std::map<std::string, ui::Image> decoded;
    for (const ua::Asset& asset : ua::kScaled) {
      const std::string name = ua::ResourceAt(asset, dpi);
      SCOPED_TRACE(name);
      const auto data = Data(name.c_str(), RT_BITMAP);
      const auto shipped = testing_support::ReadFileBytes(std::filesystem::path(KV_SOURCE_DIR) /
                                                          "src/ui/assets" / ua::FileAt(asset, dpi));
      ASSERT_GT(shipped.size(), kFileHeader);
      ASSERT_TRUE(
          std::equal(data.begin(), data.end(), shipped.begin() + kFileHeader, shipped.end()))
          << data.size() << " bytes against " << shipped.size() - kFileHeader;
      ui::Image image = ui::DecodeDib(data);

      auto* bitmap = static_cast<HBITMAP>(
          LoadImageA(module_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
      ASSERT_NE(bitmap, nullptr);
      const std::vector<std::uint32_t> system = ReadBack(bitmap, image.width, image.height);
      DeleteObject(bitmap);
      ASSERT_EQ(system.size(), image.pixels.size());
      for (std::size_t i = 0; i < system.size(); ++i) {
        ASSERT_EQ(system[i], image.pixels[i])
            << "pixel " << i % image.width << ", " << i / image.width;
      }
      decoded[std::string(asset.file)] = std::move(image);
    }
    const ui::Image& skin = decoded[std::string(ua::kSkin.file)];
    ASSERT_EQ(skin.width, ua::SkinWidthAt(dpi));
    ASSERT_EQ(skin.height, ua::SkinHeightAt(dpi));
    EXPECT_EQ(skin.pixels.front(), 0x00FFFFu) << "yellow";
    for (const ua::ButtonPictures& b : ua::kButtonPictures) {
      const ui::Image& picture = decoded[std::string(b.picture.file)];
      const ua::PixelRect area = ua::SkinArea(b, dpi);
      ASSERT_EQ(picture.width, area.width);
      ASSERT_EQ(picture.height, area.height);
      for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
          ASSERT_EQ(picture.At(x, y), skin.At(area.x + x, area.y + y))
              << b.button << " at (" << x << ", " << y << ")";
        }
      }
    }
  }
}

TEST_F(Resources, TheManifestAsksForCommonControls6AndEachMonitorsDensity) {
  const auto data = Data(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_FALSE(data.empty());
  const std::string manifest(data.begin(), data.end());
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
            std::string::npos);
  EXPECT_NE(manifest.find(R"(WindowsSettings">true/pm</dpiAware>)"), std::string::npos);
  EXPECT_NE(manifest.find(R"(WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>)"),
            std::string::npos);
  EXPECT_NE(manifest.find(R"(level="asInvoker")"), std::string::npos);
}

// The DLLs the program imports at load, read from its file, and its file
// alignment.
struct ImageFacts {
  std::vector<std::string> importedAtLoad;
  DWORD fileAlignment = 0;
};

ImageFacts ReadImage(const std::vector<std::uint8_t>& file) {
  ImageFacts facts;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(file.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(file.data() + dos->e_lfanew);
  facts.fileAlignment = nt->OptionalHeader.FileAlignment;
  const auto* sections = IMAGE_FIRST_SECTION(nt);
  auto at = [&](DWORD rva) -> const std::uint8_t* {
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
      const IMAGE_SECTION_HEADER& section = sections[i];
      if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
        return file.data() + section.PointerToRawData + (rva - section.VirtualAddress);
      }
    }
    return nullptr;
  };
  const DWORD imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(imports));
       entry != nullptr && entry->Name != 0; ++entry) {
    std::string name(reinterpret_cast<const char*>(at(entry->Name)));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    facts.importedAtLoad.push_back(name);
  }
  return facts;
}

TEST(ProgramImage, ShellAndOleLoadAtTheirFirstUseAndTheImageMapsPageByPage) {
  const std::vector<std::uint8_t> file = testing_support::ReadFileBytes(KV_PROGRAM);
  const ImageFacts facts = ReadImage(file);
  const auto imported = [&](const std::string& dll) {
    return std::count(facts.importedAtLoad.begin(), facts.importedAtLoad.end(), dll) != 0;
  };
  EXPECT_TRUE(imported("user32.dll")) << "the reading itself works";
  // They are needed for only some of what the program does (starting
  // programs, the notification icon, drag and drop): loaded at start, with
  // what they pull in, they would cost every start. Their names stand in the
  // image for the delay-load helper.
  const std::string image(file.begin(), file.end());
  for (const char* dll : {"shell32.dll", "ole32.dll"}) {
    EXPECT_FALSE(imported(dll)) << dll;
    EXPECT_NE(image.find(std::string(dll) + '\0'), std::string::npos) << dll;
  }
  // Sections aligned in the file as in memory: the image is mapped and only
  // what a run touches becomes resident.
  EXPECT_EQ(facts.fileAlignment, 4096u);
}

TEST_F(Resources, VersionInformationNamesProductMakerAndVersion) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(KV_PROGRAM, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(KV_PROGRAM, 0, size, block.data()));
  const auto text = [&](const char* name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
      return std::string("(missing)");
    }
    return std::string(value);
  };
  EXPECT_EQ(text("ProductName"), "KV-3050P Setup");
  EXPECT_EQ(text("CompanyName"), "Ombrix");
  // The project's version, the one the installer's name and entry carry.
  EXPECT_EQ(text("ProductVersion"), KV_VERSION);
  EXPECT_EQ(text("FileVersion"), KV_VERSION);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, (DWORD{KV_VERSION_MAJOR} << 16) | KV_VERSION_MINOR);
  EXPECT_EQ(fixed->dwFileVersionLS, DWORD{KV_VERSION_PATCH} << 16);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
}

}  // namespace
