// ButtonExDemo: every appearance, border style and state of the skinned
// button on a real window, plus a few live buttons to hover and press.
//
//   ButtonExDemo.exe                 shows the window
//   ButtonExDemo.exe --timer-period  prints the mean period of a 1 ms timer
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "controls/ButtonEx.h"
#include "platform/win32/Win32Platform.h"
#include "toolkit/Timer.h"

// These build on <windows.h>: after every header of the seam.
#include "platform/win32/Win32Ownership.h"
#include "platform/win32/Win32WindowBase.h"

#include <windows.h>

namespace {

using controls::ButtonEx;
using platform::PicturePtr;

constexpr COLORREF kKey = 0xFF0000;  // the button's default transparent colour

// Pixels of a top-down DIB (0x00RRGGBB) from COLORREF-style colours.
std::uint32_t Dib(COLORREF color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

COLORREF Mix(COLORREF a, COLORREF b, double t) {
  auto channel = [&](int shift) {
    const double x = ((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t;
    return static_cast<COLORREF>(std::lround(x)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

// A 16 x 16 glyph on the key colour: a round badge with a check mark.
PicturePtr Glyph(COLORREF badge, COLORREF mark) {
  std::vector<std::uint32_t> pixels(16 * 16, Dib(kKey));
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const double dx = x - 7.5, dy = y - 7.5;
      if (dx * dx + dy * dy <= 7.5 * 7.5) pixels[y * 16 + x] = Dib(badge);
    }
  }
  const int mark_[][2] = {{4, 8}, {5, 9}, {6, 10}, {7, 9}, {8, 8}, {9, 7}, {10, 6}, {11, 5}};
  for (const auto& at : mark_) {
    pixels[at[1] * 16 + at[0]] = Dib(mark);
    pixels[(at[1] + 1) * 16 + at[0]] = Dib(mark);
  }
  return platform::Picture::FromPixels(16, 16, pixels);
}

// A rounded skin with a vertical gradient and a darker rim; key colour outside.
PicturePtr SkinPicture(int width, int height, COLORREF top, COLORREF bottom, COLORREF rim) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, Dib(kKey));
  const double radius = 6;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double cx = std::min(std::max(x + 0.5, radius), width - radius);
      const double cy = std::min(std::max(y + 0.5, radius), height - radius);
      const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d > radius) continue;
      const COLORREF fill = Mix(top, bottom, static_cast<double>(y) / (height - 1));
      pixels[static_cast<std::size_t>(y) * width + x] = Dib(d > radius - 1.5 ? rim : fill);
    }
  }
  return platform::Picture::FromPixels(width, height, pixels);
}

struct Skins {
  PicturePtr up = SkinPicture(96, 28, RGB(96, 140, 210), RGB(40, 70, 150), RGB(20, 35, 90));
  PicturePtr over = SkinPicture(96, 28, RGB(130, 180, 250), RGB(60, 100, 200), RGB(20, 35, 90));
  PicturePtr down = SkinPicture(96, 28, RGB(30, 55, 120), RGB(70, 110, 190), RGB(10, 20, 60));
  PicturePtr disabled =
      SkinPicture(96, 28, RGB(200, 200, 200), RGB(160, 160, 160), RGB(120, 120, 120));
  PicturePtr focus = SkinPicture(96, 28, RGB(96, 140, 210), RGB(40, 70, 150), RGB(250, 200, 40));
};

class DemoWindow final : private win32::WindowBase {
 public:
  DemoWindow() {
    WNDCLASSEXA windowClass{};
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "ButtonExDemo";
    RECT frame{0, 0, 780, 520};
    ::AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    CreateBound(windowClass, 0, "ButtonEx demo", WS_OVERLAPPEDWINDOW, 20, 20,
                frame.right - frame.left, frame.bottom - frame.top, nullptr);
    Populate();
    ::ShowWindow(Hwnd(), SW_SHOW);
  }
  ~DemoWindow() override { DestroyNow(); }
  HWND Handle() const { return Hwnd(); }

 private:
  struct Label {
    int x, y;
    std::string text;
    bool bold;
  };

  ButtonEx& Add(int x, int y, const std::string& caption, int width = 96, int height = 28) {
    auto site = platform::Use<platform::UserControls>().Create(reinterpret_cast<win::HWND>(Hwnd()),
                                                               x, y, width, height);
    buttons_.push_back(std::make_unique<ButtonEx>(std::move(site)));
    ButtonEx& button = *buttons_.back();
    button.InitProperties();
    button.Surface().Move(x, y, width, height);
    button.SetCaption(caption);
    return button;
  }

  void Populate() {
    const PicturePtr glyph = Glyph(RGB(30, 150, 60), RGB(255, 255, 255));
    const PicturePtr glyphOver = Glyph(RGB(60, 200, 90), RGB(255, 255, 255));
    const PicturePtr glyphDown = Glyph(RGB(20, 100, 40), RGB(230, 230, 230));
    const PicturePtr glyphOff = Glyph(RGB(150, 150, 150), RGB(230, 230, 230));
    constexpr int left = 130, pitch = 108;

    // Border styles 0 to 4, normal state, flat and 3-D.
    labels_.push_back({12, 12, "Border styles 0 to 4 (normal state)", true});
    for (int style = 0; style <= 4; ++style) {
      labels_.push_back({left + style * pitch + 30, 36, "Border " + std::to_string(style), false});
      for (int appearance = 0; appearance <= 1; ++appearance) {
        ButtonEx& button = Add(left + style * pitch, 56 + appearance * 40, "&Apply");
        button.SetAppearance(appearance);
        button.SetBorderStyle(style);
      }
    }
    labels_.push_back({12, 62, "Flat (0)", false});
    labels_.push_back({12, 102, "3-D (1)", false});

    // Every state in each appearance.
    labels_.push_back(
        {12, 152, "States (border style 1; pictures per state; skins per state)", true});
    const char* states[] = {"Normal", "Hot", "Pressed", "Disabled", "Default", "Highlighted"};
    for (int column = 0; column < 6; ++column) {
      labels_.push_back({left + column * pitch + 24, 176, states[column], false});
    }
    const char* rows[] = {"Flat (0)", "3-D (1)", "Skinned (2)"};
    for (int appearance = 0; appearance <= 2; ++appearance) {
      const int y = 196 + appearance * 44;
      labels_.push_back({12, y + 6, rows[appearance], false});
      for (int column = 0; column < 6; ++column) {
        ButtonEx& button = Add(left + column * pitch, y, "&OK");
        button.SetPicture(glyph);
        button.SetPictureOver(glyphOver);
        button.SetPictureDown(glyphDown);
        button.SetPictureFocus(glyph);
        button.SetPictureDisabled(glyphOff);
        button.SetPictureOffsetX(6);
        if (appearance == 2) {
          button.SetSkinUp(skins_.up);
          button.SetSkinOver(skins_.over);
          button.SetSkinDown(skins_.down);
          button.SetSkinDisabled(skins_.disabled);
          button.SetSkinFocus(skins_.focus);
          button.SetForeColor(RGB(255, 255, 255));
          button.SetHighlightColor(RGB(255, 230, 120));
        }
        button.SetAppearance(appearance);
        switch (column) {
          case 1:
            button.SetValue(ButtonEx::StateOver);
            break;
          case 2:
            button.SetValue(ButtonEx::StateDown);
            break;
          case 3:
            button.SetEnabled(false);
            break;
          case 4:
            button.Surface().SetAmbientDisplayAsDefault(true);
            break;
          case 5:
            button.SetHighlightColor(RGB(200, 40, 40));
            button.SetHighlightPicture(true);
            button.SetValue(ButtonEx::StateOver);
            break;
          default:
            break;
        }
      }
    }

    // Live buttons: hover, press, toggle; the main window's kind of button.
    labels_.push_back({12, 342, "Live: point, press, tab, Alt+key", true});
    ButtonEx& push = Add(left, 366, "&Push me");
    push.Click = [this] { Count("Push me"); };
    ButtonEx& toggle = Add(left + pitch, 366, "&Toggle");
    toggle.SetStyle(1);
    toggle.Click = [this] { Count("Toggle"); };
    ButtonEx& skinned = Add(left + 2 * pitch, 366, "&Skinned");
    skinned.SetSkinUp(skins_.up);
    skinned.SetSkinOver(skins_.over);
    skinned.SetSkinDown(skins_.down);
    skinned.SetForeColor(RGB(255, 255, 255));
    skinned.SetHighlightColor(RGB(255, 230, 120));
    skinned.SetAppearance(2);
    skinned.Click = [this] { Count("Skinned"); };
    // Flat, no border, a picture per state and the hand cursor.
    ButtonEx& picture = Add(left + 3 * pitch, 366, "", 58, 24);
    picture.SetAllowDefault(false);
    picture.SetAppearance(0);
    picture.SetBackColor(0);
    picture.SetBorderStyle(0);
    picture.SetPicture(SkinPicture(58, 24, RGB(70, 70, 80), RGB(30, 30, 40), RGB(10, 10, 10)));
    picture.SetPictureOver(
        SkinPicture(58, 24, RGB(110, 110, 130), RGB(50, 50, 70), RGB(10, 10, 10)));
    picture.SetPictureDown(
        SkinPicture(58, 24, RGB(200, 200, 200), RGB(170, 170, 170), RGB(60, 60, 60)));
    picture.SetMouseIcon(platform::Picture::FromCursor(
        reinterpret_cast<win::HCURSOR>(::LoadCursorA(nullptr, IDC_HAND)), 32, 32, false));
    picture.SetMousePointer(platform::kPointerCustom);
    picture.Click = [this] { Count("Picture"); };
    ButtonEx& highlight = Add(left + 4 * pitch - 30, 366, "&Hot glyph");
    highlight.SetPicture(glyph);
    highlight.SetPictureOver(glyph);
    highlight.SetPictureDown(glyph);
    highlight.SetPictureOffsetX(6);
    highlight.SetHighlightPicture(true);
    highlight.SetHighlightColor(RGB(220, 120, 0));
    highlight.SetValue(1);
    highlight.Click = [this] { Count("Hot glyph"); };
    status_ = "Clicks: none yet";
  }

  void Count(const std::string& name) {
    ++clicks_;
    status_ = "Clicks: " + std::to_string(clicks_) + ", last on " + name;
    RECT area{0, 410, 780, 440};
    ::InvalidateRect(Hwnd(), &area, TRUE);
  }

  void Paint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(Hwnd(), &paint);
    ::SetBkMode(dc, TRANSPARENT);
    HFONT normal = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA bold{};
    ::GetObjectA(normal, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    {
      const win32::UniqueGdi<HFONT> boldFont(::CreateFontIndirectA(&bold));
      for (const Label& label : labels_) {
        const win32::Selection font(dc, label.bold ? boldFont.get() : normal);
        ::TextOutA(dc, label.x, label.y, label.text.c_str(), static_cast<int>(label.text.size()));
      }
      const win32::Selection font(dc, normal);
      ::TextOutA(dc, 130, 416, status_.c_str(), static_cast<int>(status_.size()));
    }
    ::EndPaint(Hwnd(), &paint);
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
      default:
        return WindowBase::OnMessage(message, wParam, lParam);
    }
  }

  Skins skins_;
  std::vector<std::unique_ptr<ButtonEx>> buttons_;
  std::vector<Label> labels_;
  std::string status_;
  int clicks_ = 0;
};

// The mean period of a toolkit timer asked for 1 ms, as the hover timer is.
int MeasureTimerPeriod() {
  toolkit::Timer timer;
  LARGE_INTEGER frequency, start{}, now{};
  ::QueryPerformanceFrequency(&frequency);
  int ticks = 0;
  constexpr int kTicks = 200;
  timer.OnTimer = [&] {
    if (ticks == 0) ::QueryPerformanceCounter(&start);
    if (++ticks > kTicks) {
      ::QueryPerformanceCounter(&now);
      ::PostQuitMessage(0);
      timer.SetEnabled(false);
    }
  };
  timer.SetInterval(1);
  timer.SetEnabled(true);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) ::DispatchMessageA(&message);
  const double milliseconds = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                              static_cast<double>(frequency.QuadPart);
  std::printf("1 ms timer: mean period %.2f ms over %d ticks\n", milliseconds / kTicks, kTicks);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE, LPSTR commandLine, int) {
  win32::Win32Platform platform;
  if (std::strstr(commandLine, "--timer-period") != nullptr) return MeasureTimerPeriod();

  int result = 0;
  {
    DemoWindow demo;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
      if (win32::Win32UserControls::TranslateAccessKey(reinterpret_cast<win::HWND>(message.hwnd),
                                                       message.message, message.wParam)) {
        continue;
      }
      if (::IsDialogMessageA(demo.Handle(), &message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    result = static_cast<int>(message.wParam);
  }
  return result;
}
