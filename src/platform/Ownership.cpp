#include "platform/Ownership.h"

#include "platform/Services.h"

namespace platform {

void KeyCloser::operator()(win::HKEY key) const {
  if (!win::IsPredefinedKey(key)) Use<Registry>().RegCloseKey(key);
}

void DcDeleter::operator()(win::HDC dc) const { Use<Gdi>().DeleteDC(dc); }

void ObjectDeleter::operator()(win::HGDIOBJ object) const { Use<Gdi>().DeleteObject(object); }

void DcReleaser::operator()(win::HDC dc) const { Use<Gdi>().ReleaseDC(window, dc); }

WindowDC::WindowDC(win::HWND window) : UniqueHandle(Use<Gdi>().GetDC(window), DcReleaser{window}) {}

void SelectionRestorer::operator()(win::HGDIOBJ previous) const {
  Use<Gdi>().SelectObject(dc, previous);
}

Selection::Selection(win::HDC dc, win::HGDIOBJ object)
    : UniqueHandle(Use<Gdi>().SelectObject(dc, object), SelectionRestorer{dc}) {}

ComApartment::ComApartment(Threads& threads, win::DWORD coInit)
    : threads_(threads), joined_(threads.CoInitializeEx(coInit)) {}

ComApartment::~ComApartment() {
  if (win::SUCCEEDED(joined_)) threads_.CoUninitialize();
}

}  // namespace platform
