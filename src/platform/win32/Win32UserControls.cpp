#include "platform/win32/Win32UserControls.h"

#include "platform/UserControlSurfaceBase.h"
#include "platform/win32/Win32WindowBase.h"

#include <ole2.h>
#include <shlobj.h>
#include <windows.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace win32 {
namespace {

constexpr char kClassName[] = "KV3050P.UserControl";

template <class Handle>
Handle H(std::uintptr_t value) {
  return reinterpret_cast<Handle>(value);
}

int ShiftState(WPARAM keys) {
  return ((keys & MK_SHIFT) ? platform::kShiftMask : 0) |
         ((keys & MK_CONTROL) ? platform::kCtrlMask : 0) |
         (::GetKeyState(VK_MENU) < 0 ? platform::kAltMask : 0);
}

int KeyShiftState() {
  return (::GetKeyState(VK_SHIFT) < 0 ? platform::kShiftMask : 0) |
         (::GetKeyState(VK_CONTROL) < 0 ? platform::kCtrlMask : 0) |
         (::GetKeyState(VK_MENU) < 0 ? platform::kAltMask : 0);
}

int HeldButtons(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? platform::kLeftButton : 0) |
         ((keys & MK_RBUTTON) ? platform::kRightButton : 0) |
         ((keys & MK_MBUTTON) ? platform::kMiddleButton : 0);
}

// The system cursor of one of the toolkit's pointer numbers.
LPCSTR SystemCursor(int pointer) {
  switch (pointer) {
    case 2:
      return IDC_CROSS;
    case 3:
      return IDC_IBEAM;
    case 5:
    case 15:
      return IDC_SIZEALL;
    case 6:
      return IDC_SIZENESW;
    case 7:
      return IDC_SIZENS;
    case 8:
      return IDC_SIZENWSE;
    case 9:
      return IDC_SIZEWE;
    case 10:
      return IDC_UPARROW;
    case 11:
      return IDC_WAIT;
    case 12:
      return IDC_NO;
    case 13:
      return IDC_APPSTARTING;
    case 14:
      return IDC_HELP;
    default:
      return IDC_ARROW;
  }
}

// --- OLE: the drag's data, its source and a drop target, over the portable parts ---

template <class Interface>
class ComObject : public Interface {
 public:
  ComObject(REFIID iid) : iid_(iid) {}
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
    void* target = ::GlobalLock(global);
    std::copy(bytes->begin(), bytes->end(), static_cast<std::uint8_t*>(target));
    ::GlobalUnlock(global);
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

// The formats a drop carries, read once when the drag enters.
platform::DataObject Snapshot(IDataObject* source) {
  platform::DataObject data;
  IEnumFORMATETC* formats = nullptr;
  if (source == nullptr || FAILED(source->EnumFormatEtc(DATADIR_GET, &formats))) return data;
  FORMATETC format{};
  while (formats->Next(1, &format, nullptr) == S_OK) {
    if (format.ptd != nullptr) ::CoTaskMemFree(format.ptd);
    if (!(format.tymed & TYMED_HGLOBAL)) continue;
    format.tymed = TYMED_HGLOBAL;
    format.ptd = nullptr;
    STGMEDIUM medium{};
    if (FAILED(source->GetData(&format, &medium))) continue;
    const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(medium.hGlobal));
    if (bytes != nullptr) {
      data.SetData(static_cast<std::int16_t>(format.cfFormat),
                   std::vector<std::uint8_t>(bytes, bytes + ::GlobalSize(medium.hGlobal)));
      ::GlobalUnlock(medium.hGlobal);
    }
    ::ReleaseStgMedium(&medium);
  }
  formats->Release();
  return data;
}

class Win32Surface;

class DropTargetImpl final : public ComObject<IDropTarget> {
 public:
  explicit DropTargetImpl(Win32Surface& surface) : ComObject(IID_IDropTarget), surface_(surface) {}
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at,
                                      DWORD* effect) override {
    data_ = Snapshot(data);
    return Over(keys, at, effect, platform::kDragEnter);
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override {
    return Over(keys, at, effect, platform::kDragOver);
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override {
    DWORD none = DROPEFFECT_NONE;
    return Over(0, POINTL{0, 0}, &none, platform::kDragLeave);
  }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

 private:
  HRESULT Over(DWORD keys, POINTL at, DWORD* effect, std::int16_t state);
  Win32Surface& surface_;
  platform::DataObject data_;
};

// --- the site ---

std::set<class Win32Surface*>& LiveSurfaces() {
  static std::set<Win32Surface*> surfaces;
  return surfaces;
}

class Win32Surface final : public platform::UserControlSurfaceBase, private WindowBase {
 public:
  Win32Surface(OleSession& ole, win::HWND parent, int left, int top, int width, int height)
      : UserControlSurfaceBase(left, top, width, height), ole_(ole) {
    WNDCLASSEXA windowClass{};
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    CreateBound(windowClass, 0, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, left, top,
                width, height, H<HWND>(parent));
    LiveSurfaces().insert(this);
  }
  ~Win32Surface() override {
    LiveSurfaces().erase(this);
    AcceptDrops(false);
    DestroyNow();
  }

  win::HWND hwnd() const override { return reinterpret_cast<win::HWND>(Hwnd()); }

  void Refresh() override {
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::UpdateWindow(Hwnd());
  }

  void OLEDrag() override {
    platform::UserControlEvents* events = Events();
    if (events == nullptr) return;
    platform::DataObject data;
    std::int32_t allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    events->OnOLEStartDrag(data, allowed);
    std::int32_t effect = DROPEFFECT_NONE;
    // Each object deletes itself at its last Release, which the analyzer
    // cannot follow once DoDragDrop has held references of its own.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    if (allowed != 0 && !data.Formats().empty() && ole_.Ensure()) {
      auto* source = new DataObjectImpl(data, events);
      auto* feedback = new DropSourceImpl(events);
      DWORD result = DROPEFFECT_NONE;
      if (::DoDragDrop(source, feedback, static_cast<DWORD>(allowed), &result) == DRAGDROP_S_DROP) {
        effect = static_cast<std::int32_t>(result);
      }
      feedback->Release();
      source->Release();
    }
    events->OnOLECompleteDrag(effect);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
  }

  bool HasAccessKey(char key) const {
    for (char accessKey : AccessKeys()) {
      if (std::toupper(static_cast<unsigned char>(accessKey)) ==
          std::toupper(static_cast<unsigned char>(key))) {
        return true;
      }
    }
    return false;
  }
  HWND Handle() const { return Hwnd(); }
  using UserControlSurfaceBase::Events;

 protected:
  void ResizeWindow(int width, int height) override {
    // WM_SIZE reports the new size before this returns.
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void MoveWindow(int left, int top) override {
    ::SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void EnableWindow(bool enabled) override { ::EnableWindow(Hwnd(), enabled ? TRUE : FALSE); }
  void ShowSiteWindow(bool visible) override {
    ::ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE);
  }
  void SetSiteWindowText(const std::string& text) override {
    ::SetWindowTextA(Hwnd(), text.c_str());
  }
  void InvalidateWindow() override { ::InvalidateRect(Hwnd(), nullptr, FALSE); }
  void AcceptDrops(bool accept) override {
    if (accept && dropTarget_ == nullptr) {
      if (!ole_.Ensure()) return;  // without OLE the site takes no drops
      dropTarget_ = new DropTargetImpl(*this);
      if (FAILED(::RegisterDragDrop(Hwnd(), dropTarget_))) {
        dropTarget_->Release();
        dropTarget_ = nullptr;
      }
    } else if (!accept && dropTarget_ != nullptr) {
      ::RevokeDragDrop(Hwnd());
      dropTarget_->Release();
      dropTarget_ = nullptr;
    }
  }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (Handle(message, wParam, lParam, result)) return result;
    return WindowBase::OnMessage(message, wParam, lParam);
  }

  // Returns whether the message was handled (with result).
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    platform::UserControlEvents* events = Events();
    const float x = static_cast<float>(static_cast<short>(LOWORD(lParam)));
    const float y = static_cast<float>(static_cast<short>(HIWORD(lParam)));
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = ::BeginPaint(Hwnd(), &paint);
        ::BitBlt(target, 0, 0, ScaleWidth(), ScaleHeight(), H<HDC>(hdc()), 0, 0, SRCCOPY);
        ::EndPaint(Hwnd(), &paint);
        return true;
      }
      case WM_ERASEBKGND:
        result = 1;
        return true;
      case WM_SIZE:
        Sized(LOWORD(lParam), HIWORD(lParam));
        return true;
      case WM_SETCURSOR: {
        if (LOWORD(lParam) != HTCLIENT) return false;
        const std::intptr_t cursor = CursorToShow();
        if (cursor == 0) return false;
        ::SetCursor(cursor > 0 ? H<HCURSOR>(static_cast<std::uintptr_t>(cursor))
                               : ::LoadCursorA(nullptr, SystemCursor(static_cast<int>(-cursor))));
        result = TRUE;
        return true;
      }
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN: {
        const int button = message == WM_LBUTTONDOWN   ? platform::kLeftButton
                           : message == WM_RBUTTONDOWN ? platform::kRightButton
                                                       : platform::kMiddleButton;
        if (::GetFocus() != Hwnd()) ::SetFocus(Hwnd());
        // Moves keep coming while a button is held, also outside the window.
        ::SetCapture(Hwnd());
        if (button == platform::kLeftButton) clickArmed_ = true;
        if (events != nullptr) events->OnMouseDown(button, ShiftState(wParam), x, y);
        return true;
      }
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP: {
        const int button = message == WM_LBUTTONUP   ? platform::kLeftButton
                           : message == WM_RBUTTONUP ? platform::kRightButton
                                                     : platform::kMiddleButton;
        const bool click = button == platform::kLeftButton && clickArmed_ && Inside(x, y);
        if (button == platform::kLeftButton) clickArmed_ = false;
        if (HeldButtons(wParam) == 0 && ::GetCapture() == Hwnd()) ::ReleaseCapture();
        if (events != nullptr) events->OnMouseUp(button, ShiftState(wParam), x, y);
        if (click && events != nullptr) events->OnClick();
        return true;
      }
      case WM_MOUSEMOVE:
        if (events != nullptr) events->OnMouseMove(HeldButtons(wParam), ShiftState(wParam), x, y);
        return true;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Hwnd()) clickArmed_ = false;
        return false;
      case WM_GETDLGCODE:
        result = DLGC_WANTCHARS;
        return true;
      case WM_KEYDOWN:
      case WM_KEYUP: {
        std::int16_t keyCode = static_cast<std::int16_t>(wParam);
        std::int16_t shift = static_cast<std::int16_t>(KeyShiftState());
        if (events == nullptr) return false;
        if (message == WM_KEYDOWN) {
          events->OnKeyDown(keyCode, shift);
        } else {
          events->OnKeyUp(keyCode, shift);
        }
        return keyCode == 0;  // a handler that clears the key swallows it
      }
      case WM_CHAR: {
        std::int16_t keyAscii = static_cast<std::int16_t>(wParam);
        if (events != nullptr) events->OnKeyPress(keyAscii);
        return keyAscii == 0;
      }
      case WM_SETFOCUS:
        if (events != nullptr) events->OnGotFocus();
        return true;
      case WM_KILLFOCUS:
        if (events != nullptr) events->OnLostFocus();
        return true;
      default:
        return false;
    }
  }

  // Inside the window and its region.
  bool Inside(float x, float y) const {
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    const POINT at{static_cast<LONG>(x), static_cast<LONG>(y)};
    if (!::PtInRect(&client, at)) return false;
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int kind = ::GetWindowRgn(Hwnd(), region);
    const bool inside = kind == ERROR || kind == NULLREGION || ::PtInRegion(region, at.x, at.y);
    ::DeleteObject(region);
    return inside;
  }

  OleSession& ole_;
  bool clickArmed_ = false;
  DropTargetImpl* dropTarget_ = nullptr;
};

HRESULT DropTargetImpl::Over(DWORD keys, POINTL at, DWORD* effect, std::int16_t state) {
  platform::UserControlEvents* events = surface_.Events();
  if (events == nullptr) return S_OK;
  POINT client{at.x, at.y};
  if (state != platform::kDragLeave) ::ScreenToClient(surface_.Handle(), &client);
  std::int32_t answer = static_cast<std::int32_t>(*effect);
  std::int16_t button = static_cast<std::int16_t>(HeldButtons(keys));
  std::int16_t shift = static_cast<std::int16_t>(ShiftState(keys));
  float x = static_cast<float>(client.x), y = static_cast<float>(client.y);
  events->OnOLEDragOver(data_, answer, button, shift, x, y, state);
  *effect = static_cast<DWORD>(answer);
  return S_OK;
}

HRESULT DropTargetImpl::Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) {
  platform::UserControlEvents* events = surface_.Events();
  if (events == nullptr) return S_OK;
  data_ = Snapshot(data);
  POINT client{at.x, at.y};
  ::ScreenToClient(surface_.Handle(), &client);
  std::int32_t answer = static_cast<std::int32_t>(*effect);
  std::int16_t button = static_cast<std::int16_t>(HeldButtons(keys));
  std::int16_t shift = static_cast<std::int16_t>(ShiftState(keys));
  float x = static_cast<float>(client.x), y = static_cast<float>(client.y);
  events->OnOLEDragDrop(data_, answer, button, shift, x, y);
  *effect = static_cast<DWORD>(answer);
  return S_OK;
}

}  // namespace

std::unique_ptr<platform::UserControlSurface> Win32UserControls::Create(win::HWND parent, int left,
                                                                        int top, int width,
                                                                        int height) {
  return std::make_unique<Win32Surface>(ole_, parent, left, top, width, height);
}

OleSession::~OleSession() {
  if (started_) ::OleUninitialize();
}

bool OleSession::Ensure() {
  if (!tried_) {
    tried_ = true;
    started_ = SUCCEEDED(::OleInitialize(nullptr));
  }
  return started_;
}

bool Win32UserControls::TranslateAccessKey(win::HWND window, win::UINT message,
                                           win::WPARAM wParam) {
  if (message != WM_SYSCHAR) return false;
  HWND root = ::GetAncestor(H<HWND>(window), GA_ROOT);
  const char key = static_cast<char>(wParam);
  for (Win32Surface* surface : LiveSurfaces()) {
    HWND site = surface->Handle();
    if (site == nullptr || ::GetAncestor(site, GA_ROOT) != root) continue;
    if (!::IsWindowVisible(site) || !::IsWindowEnabled(site) || !surface->HasAccessKey(key)) {
      continue;
    }
    if (surface->Events() != nullptr) surface->Events()->OnAccessKeyPress(key);
    return true;
  }
  return false;
}

win::BOOL Win32Pointer::GetCursorPos(win::POINT* point) {
  POINT native{};
  const BOOL ok = ::GetCursorPos(&native);
  *point = win::POINT{native.x, native.y};
  return ok;
}

win::BOOL Win32Pointer::ScreenToClient(win::HWND window, win::POINT* point) {
  POINT native{point->x, point->y};
  const BOOL ok = ::ScreenToClient(H<HWND>(window), &native);
  *point = win::POINT{native.x, native.y};
  return ok;
}

}  // namespace win32
