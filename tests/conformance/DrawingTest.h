// Base of the drawing contracts: the backend's GDI at hand.
#pragma once

#include "conformance/ContractTest.h"

namespace conformance {

class DrawingTest : public ContractTest {
 protected:
  platform::Gdi& Gdi() { return Platform().Gdi(); }

  // Wine makes some objects of its own on first use (the screen DC's, the
  // system colour brushes of DrawEdge, a first window's): let it, before a
  // test counts objects.
  void WarmUp() {
    Platform().Window();
    auto& gdi = Gdi();
    const win::HDC screen = gdi.GetDC(0);
    const win::HDC dc = gdi.CreateCompatibleDC(screen);
    const win::HBITMAP bitmap = gdi.CreateCompatibleBitmap(screen, 8, 8);
    const win::HGDIOBJ previous = gdi.SelectObject(dc, bitmap);
    const win::UINT edges[] = {win::EDGE_RAISED,
                               win::EDGE_SUNKEN,
                               win::EDGE_BUMP,
                               win::EDGE_ETCHED,
                               win::BDR_RAISEDINNER,
                               win::BDR_SUNKENOUTER,
                               win::BDR_RAISEDOUTER | win::BDR_SUNKENOUTER};
    const win::UINT flags[] = {win::BF_RECT, win::BF_RECT | win::BF_FLAT,
                               win::BF_RECT | win::BF_ADJUST | win::BF_MONO};
    win::RECT rect{0, 0, 8, 8};
    for (win::UINT edge : edges) {
      for (win::UINT flag : flags) {
        win::RECT edged = rect;
        gdi.DrawEdge(dc, &edged, edge, flag);
      }
    }
    gdi.DrawFocusRect(dc, &rect);
    gdi.DrawStateA(dc, 0, "&x", 2, 0, 0, 0, 0, win::DST_PREFIXTEXT | win::DSS_DISABLED);
    gdi.SelectObject(dc, previous);
    gdi.DeleteObject(bitmap);
    gdi.DeleteDC(dc);
    gdi.ReleaseDC(0, screen);
  }
};

}  // namespace conformance
