#include "platform/win32/Win32DragDrop.h"

#include "platform/win32/Win32MouseKeys.h"

#include <shlobj.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace win32 {
namespace {

// IUnknown for one interface; the creator holds the first reference.
template <class Interface>
class ComObject : public Interface {
 public:
  explicit ComObject(REFIID iid) : iid_(iid) {}
  virtual ~ComObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (riid == IID_IUnknown || riid == iid_) {
      *object = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

 private:
  IID iid_;
  ULONG references_ = 1;
};

// The bytes of a global memory block, locked for a scope.
class LockedGlobal {
 public:
  explicit LockedGlobal(HGLOBAL global)
      : global_(global), bytes_(static_cast<std::uint8_t*>(::GlobalLock(global))) {}
  ~LockedGlobal() {
    if (bytes_ != nullptr) ::GlobalUnlock(global_);
  }
  LockedGlobal(const LockedGlobal&) = delete;
  LockedGlobal& operator=(const LockedGlobal&) = delete;
  std::uint8_t* bytes() const { return bytes_; }

 private:
  HGLOBAL global_;
  std::uint8_t* bytes_;
};

class DataObjectImpl final : public ComObject<IDataObject> {
 public:
  DataObjectImpl(platform::DataObject& data, platform::UserControlEvents* events)
      : ComObject(IID_IDataObject), data_(data), events_(events) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    const HRESULT can = QueryGetData(format);
    if (can != S_OK) return can;
    std::int16_t id = static_cast<std::int16_t>(format->cfFormat);
    // A declared format is rendered now, by the control.
    if (!data_.GetData(id) && events_ != nullptr) events_->OnOLESetData(data_, id);
    const auto bytes = data_.GetData(static_cast<std::int16_t>(format->cfFormat));
    if (!bytes) return DV_E_FORMATETC;
    HGLOBAL global = ::GlobalAlloc(GMEM_MOVEABLE, bytes->size());
    if (global == nullptr) return E_OUTOFMEMORY;
    {
      const LockedGlobal target(global);
      if (target.bytes() != nullptr) std::copy(bytes->begin(), bytes->end(), target.bytes());
    }
    // The caller frees the block, with ReleaseStgMedium.
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = global;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format == nullptr || !(format->tymed & TYMED_HGLOBAL)) return DV_E_TYMED;
    return data_.GetFormat(static_cast<std::int16_t>(format->cfFormat)) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (std::int16_t id : data_.Formats()) {
      formats.push_back(
          {static_cast<CLIPFORMAT>(id), nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    }
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()), formats.data(), out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  platform::DataObject& data_;
  platform::UserControlEvents* events_;
};

class DropSourceImpl final : public ComObject<IDropSource> {
 public:
  explicit DropSourceImpl(platform::UserControlEvents* events)
      : ComObject(IID_IDropSource), events_(events) {}
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & (MK_LBUTTON | MK_RBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    std::int32_t shown = static_cast<std::int32_t>(effect);
    bool defaultCursors = true;
    if (events_ != nullptr) events_->OnOLEGiveFeedback(shown, defaultCursors);
    return defaultCursors ? DRAGDROP_S_USEDEFAULTCURSORS : S_OK;
  }

 private:
  platform::UserControlEvents* events_;
};

struct MediumReleaser {
  void operator()(STGMEDIUM* medium) const { ::ReleaseStgMedium(medium); }
};

// The formats a drop carries, read once when the drag enters.
platform::DataObject Snapshot(IDataObject* source) {
  platform::DataObject data;
  ComPtr<IEnumFORMATETC> formats;
  if (source == nullptr || FAILED(source->EnumFormatEtc(DATADIR_GET, formats.put()))) return data;
  FORMATETC format{};
  while (formats->Next(1, &format, nullptr) == S_OK) {
    if (format.ptd != nullptr) ::CoTaskMemFree(format.ptd);
    if (!(format.tymed & TYMED_HGLOBAL)) continue;
    format.tymed = TYMED_HGLOBAL;
    format.ptd = nullptr;
    STGMEDIUM medium{};
    if (FAILED(source->GetData(&format, &medium))) continue;
    const platform::UniqueHandle<STGMEDIUM*, MediumReleaser> owned(&medium);
    const LockedGlobal bytes(medium.hGlobal);
    if (bytes.bytes() != nullptr) {
      data.SetData(
          static_cast<std::int16_t>(format.cfFormat),
          std::vector<std::uint8_t>(bytes.bytes(), bytes.bytes() + ::GlobalSize(medium.hGlobal)));
    }
  }
  return data;
}

class DropTargetImpl final : public ComObject<IDropTarget> {
 public:
  explicit DropTargetImpl(DropSite& site) : ComObject(IID_IDropTarget), site_(site) {}
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                      DWORD* effect) override {
    data_ = Snapshot(data);
    return Tell(keys, at, effect, platform::kDragEnter);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override {
    return Tell(keys, at, effect, platform::kDragOver);
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    DWORD none = DROPEFFECT_NONE;
    return Tell(0, POINTL{0, 0}, &none, platform::kDragLeave);
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override {
    if (site_.DropEvents() != nullptr) data_ = Snapshot(data);
    return Tell(keys, at, effect, std::nullopt);
  }

 private:
  // The drag over the site (in the state given) or its drop (no state), as
  // the control sees it; the effect it answers goes back to the source.
  HRESULT Tell(DWORD keys, POINTL at, DWORD* effect, std::optional<std::int16_t> overState) {
    platform::UserControlEvents* events = site_.DropEvents();
    if (events == nullptr) return S_OK;
    POINT client{at.x, at.y};
    if (overState != platform::kDragLeave) ::ScreenToClient(site_.DropWindow(), &client);
    std::int32_t answer = static_cast<std::int32_t>(*effect);
    std::int16_t button = static_cast<std::int16_t>(HeldButtons(keys));
    std::int16_t shift = static_cast<std::int16_t>(ShiftState(keys));
    float x = static_cast<float>(client.x), y = static_cast<float>(client.y);
    if (overState) {
      events->OnOLEDragOver(data_, answer, button, shift, x, y, *overState);
    } else {
      events->OnOLEDragDrop(data_, answer, button, shift, x, y);
    }
    *effect = static_cast<DWORD>(answer);
    return S_OK;
  }

  DropSite& site_;
  platform::DataObject data_;
};

}  // namespace

std::int32_t DragData(platform::DataObject& data, platform::UserControlEvents* events,
                      std::int32_t allowed) {
  const ComPtr<IDataObject> source(new DataObjectImpl(data, events));
  const ComPtr<IDropSource> feedback(new DropSourceImpl(events));
  DWORD result = DROPEFFECT_NONE;
  if (::DoDragDrop(source.get(), feedback.get(), static_cast<DWORD>(allowed), &result) !=
      DRAGDROP_S_DROP) {
    return DROPEFFECT_NONE;
  }
  return static_cast<std::int32_t>(result);
}

DropRegistration RegisterDropTarget(DropSite& site) {
  // OLE takes a reference of its own; ours goes at the end of this call.
  const ComPtr<IDropTarget> target(new DropTargetImpl(site));
  if (FAILED(::RegisterDragDrop(site.DropWindow(), target.get()))) return {};
  return DropRegistration(site.DropWindow());
}

}  // namespace win32
