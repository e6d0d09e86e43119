#include "platform/Ownership.h"

#include "platform/Services.h"

namespace platform {

// A guard closes at the end of a scope, with no one left to tell: a failed
// close changes nothing the caller could act on.
void KeyCloser::operator()(win::HKEY key) const {
  if (!win::IsPredefinedKey(key)) (void)Use<Registry>().RegCloseKey(key);
}

void DcDeleter::operator()(win::HDC dc) const { (void)Use<Gdi>().DeleteDC(dc); }

void ObjectDeleter::operator()(win::HGDIOBJ object) const { (void)Use<Gdi>().DeleteObject(object); }

void DcReleaser::operator()(win::HDC dc) const { (void)Use<Gdi>().ReleaseDC(window, dc); }

WindowDC::WindowDC(win::HWND window) : UniqueHandle(Use<Gdi>().GetDC(window), DcReleaser{window}) {}

void SelectionRestorer::operator()(win::HGDIOBJ previous) const {
  (void)Use<Gdi>().SelectObject(dc, previous);
}

Selection::Selection(win::HDC dc, win::HGDIOBJ object)
    : UniqueHandle(Use<Gdi>().SelectObject(dc, object), SelectionRestorer{dc}) {}

ComApartment::ComApartment(Threads& threads, win::DWORD coInit)
    : threads_(threads), joined_(threads.CoInitializeEx(coInit)) {}

ComApartment::~ComApartment() {
  if (win::SUCCEEDED(joined_)) threads_.CoUninitialize();
}

}  // namespace platform
