#include "platform/win32/Win32Resources.h"

#include "platform/win32/Win32Ownership.h"

#include <windows.h>
// wincodec.h builds on windows.h.
#include <wincodec.h>

namespace win32 {

std::optional<std::string> Win32Resources::LoadResourceData(const std::string& name,
                                                            win::WORD type) {
  HRSRC found = ::FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(type));
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), ::SizeofResource(nullptr, found));
}

namespace {

// The codec's factory, made once: a start at a high density decodes sixteen
// pictures in a row. The thread that first decodes (the window's) joins an
// apartment for the process's life unless it is in one already; joining
// counts, so OLE's own start and end later are unaffected.
IWICImagingFactory* Factory() {
  // Kept for the process's life and never released: at exit COM may be gone
  // before a static's destructor would run.
  static IWICImagingFactory* const factory = [] {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ComPtr<IWICImagingFactory> made;
    if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(made.put())))) {
      return static_cast<IWICImagingFactory*>(nullptr);
    }
    return made.release();
  }();
  return factory;
}

}  // namespace

std::optional<platform::Pixels> Win32Resources::DecodePng(std::string_view bytes) {
  IWICImagingFactory* factory = Factory();
  if (factory == nullptr) return std::nullopt;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  if (FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), &GUID_ContainerFormatPng,
                                              WICDecodeMetadataCacheOnDemand, decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put())) ||
      FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height))) {
    return std::nullopt;
  }
  platform::Pixels pixels;
  pixels.width = static_cast<int>(width);
  pixels.height = static_cast<int>(height);
  pixels.colours.resize(static_cast<std::size_t>(width) * height);
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.colours.size() * 4),
                                   reinterpret_cast<BYTE*>(pixels.colours.data())))) {
    return std::nullopt;
  }
  // 32bppBGR holds 0x00RRGGBB; colour references are 0x00BBGGRR.
  for (std::uint32_t& c : pixels.colours) {
    c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  return pixels;
}

}  // namespace win32
