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

std::optional<platform::Pixels> Win32Resources::DecodePng(std::string_view bytes) {
  // The codec is a COM object: this thread joins an apartment for the call
  // unless it is in one already (then the join only counts, or is refused
  // for another model, which the codec does not mind).
  const HRESULT joined = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<platform::Pixels> out;
  {
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_PPV_ARGS(factory.put()))) &&
        SUCCEEDED(factory->CreateStream(stream.put())) &&
        SUCCEEDED(
            stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                         static_cast<DWORD>(bytes.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.get(), &GUID_ContainerFormatPng,
                                                   WICDecodeMetadataCacheOnDemand,
                                                   decoder.put())) &&
        SUCCEEDED(decoder->GetFrame(0, frame.put())) &&
        SUCCEEDED(factory->CreateFormatConverter(converter.put())) &&
        SUCCEEDED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGR,
                                        WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height))) {
      platform::Pixels pixels;
      pixels.width = static_cast<int>(width);
      pixels.height = static_cast<int>(height);
      pixels.colours.resize(static_cast<std::size_t>(width) * height);
      if (SUCCEEDED(converter->CopyPixels(nullptr, width * 4,
                                          static_cast<UINT>(pixels.colours.size() * 4),
                                          reinterpret_cast<BYTE*>(pixels.colours.data())))) {
        // 32bppBGR holds 0x00RRGGBB; colour references are 0x00BBGGRR.
        for (std::uint32_t& c : pixels.colours) {
          c = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
        }
        out = std::move(pixels);
      }
    }
  }
  if (SUCCEEDED(joined)) ::CoUninitialize();
  return out;
}

}  // namespace win32
