#include "platform/sim/SimUserControls.h"

namespace sim {

SimUserControlSurface::SimUserControlSurface(SimDesktop& desktop, win::HWND hwnd, win::HWND parent,
                                             int left, int top, int width, int height)
    : UserControlSurfaceBase(left, top, width, height),
      desktop_(desktop),
      hwnd_(hwnd),
      parent_(parent) {
  desktop_.surfaces_[hwnd_] = this;
  // A child starts with its window's keyboard cues.
  const auto cues = desktop_.cuesShown_.find(parent);
  SetFocusCuesShown(cues != desktop_.cuesShown_.end() && cues->second);
}

SimUserControlSurface::~SimUserControlSurface() {
  // A destroyed window takes its region with it.
  desktop_.gdi_.SetWindowRgn(hwnd_, 0, win::FALSE);
  desktop_.surfaces_.erase(hwnd_);
}

void SimUserControlSurface::OLEDrag() {
  platform::UserControlEvents* events = Events();
  if (events == nullptr) return;
  platform::DataObject data;
  std::int32_t allowed = win::DROPEFFECT_COPY | win::DROPEFFECT_MOVE;
  events->OnOLEStartDrag(data, allowed);
  std::int32_t effect = win::DROPEFFECT_NONE;
  droppedData.reset();
  if (allowed != 0 && !data.Formats().empty()) {
    effect = static_cast<std::int32_t>(static_cast<win::DWORD>(allowed) & targetEffects);
    bool defaultCursors = true;
    events->OnOLEGiveFeedback(effect, defaultCursors);
    usedDefaultCursors = defaultCursors;
    if (targetFormat && data.GetFormat(*targetFormat)) {
      if (!data.GetData(*targetFormat)) {
        std::int16_t format = *targetFormat;
        events->OnOLESetData(data, format);
      }
      droppedData = data.GetData(*targetFormat);
    }
  }
  events->OnOLECompleteDrag(effect);
}

void SimUserControlSurface::MouseDown(int button, int shift, float x, float y) {
  if (Listening()) Events()->OnMouseDown(button, shift, x, y);
}

void SimUserControlSurface::MouseMove(int button, int shift, float x, float y) {
  if (Listening()) Events()->OnMouseMove(button, shift, x, y);
}

void SimUserControlSurface::MouseUp(int button, int shift, float x, float y) {
  if (Listening()) Events()->OnMouseUp(button, shift, x, y);
}

void SimUserControlSurface::Click() {
  if (Listening()) Events()->OnClick();
}

std::int16_t SimUserControlSurface::KeyDown(std::int16_t keyCode, std::int16_t shift) {
  if (Listening()) Events()->OnKeyDown(keyCode, shift);
  return keyCode;
}

std::int16_t SimUserControlSurface::KeyPress(std::int16_t keyAscii) {
  if (Listening()) Events()->OnKeyPress(keyAscii);
  return keyAscii;
}

std::int16_t SimUserControlSurface::KeyUp(std::int16_t keyCode, std::int16_t shift) {
  if (Listening()) Events()->OnKeyUp(keyCode, shift);
  return keyCode;
}

void SimUserControlSurface::GotFocus() {
  if (!Listening()) return;
  focused_ = true;
  Events()->OnGotFocus();
}

void SimUserControlSurface::LostFocus() {
  // Only the window that has the focus hears it go.
  if (!focused_) return;
  focused_ = false;
  if (Events() != nullptr) Events()->OnLostFocus();
}

std::optional<platform::AccessibleFacts> SimUserControlSurface::AccessibleObject() {
  if (Events() == nullptr) return std::nullopt;
  return Events()->OnAccessibleQuery();
}

bool SimUserControlSurface::DoDefaultAction() {
  const auto facts = AccessibleObject();
  if (!facts || !platform::AcceptsDefaultAction(*facts)) return false;
  ++postedActions_;
  return true;
}

void SimUserControlSurface::RunPosted() {
  for (; postedActions_ > 0; --postedActions_) {
    if (Events() != nullptr) Events()->OnAccessibleDefaultAction();
  }
}

bool SimUserControlSurface::PressAccessKey(char key) {
  if (!Listening() || !HasAccessKey(key)) return false;
  Events()->OnAccessKeyPress(static_cast<std::int16_t>(key));
  return true;
}

std::int32_t SimUserControlSurface::DragOver(platform::DataObject& data, std::int32_t effect,
                                             std::int16_t state, float x, float y) {
  if (!acceptsDrops_ || !Listening()) return win::DROPEFFECT_NONE;
  std::int16_t button = platform::kLeftButton, shift = 0;
  Events()->OnOLEDragOver(data, effect, button, shift, x, y, state);
  return effect;
}

std::int32_t SimUserControlSurface::DragDrop(platform::DataObject& data, std::int32_t effect,
                                             float x, float y) {
  if (!acceptsDrops_ || !Listening()) return win::DROPEFFECT_NONE;
  std::int16_t button = platform::kLeftButton, shift = 0;
  Events()->OnOLEDragDrop(data, effect, button, shift, x, y);
  return effect;
}

win::COLORREF SimUserControlSurface::PixelAt(int x, int y) const {
  return desktop_.gdi_.GetPixel(hdc(), x, y);
}

bool SimUserControlSurface::HasRegion() const {
  return desktop_.gdi_.WindowRegion(hwnd_) != nullptr;
}

bool SimUserControlSurface::IsHit(int x, int y) const {
  if (x < 0 || y < 0 || x >= ScaleWidth() || y >= ScaleHeight()) return false;
  const SimRegion* region = desktop_.gdi_.WindowRegion(hwnd_);
  return region == nullptr || region->Contains(x, y);
}

std::unique_ptr<platform::UserControlSurface> SimDesktop::Create(win::HWND parent, int left,
                                                                 int top, int width, int height) {
  const win::HWND hwnd = next_++;
  return std::make_unique<SimUserControlSurface>(*this, hwnd, parent, left, top, width, height);
}

win::BOOL SimDesktop::GetCursorPos(win::POINT* point) {
  if (point == nullptr) return win::FALSE;
  *point = cursor_;
  return win::TRUE;
}

std::optional<win::POINT> SimDesktop::Origin(win::HWND window) const {
  const auto surface = surfaces_.find(window);
  if (surface != surfaces_.end()) {
    const auto parent = Origin(surface->second->Parent());
    const win::POINT base = parent.value_or(win::POINT{0, 0});
    return win::POINT{base.x + surface->second->Left(), base.y + surface->second->Top()};
  }
  const auto found = origins_.find(window);
  if (found == origins_.end()) return std::nullopt;
  return found->second;
}

win::BOOL SimDesktop::ScreenToClient(win::HWND window, win::POINT* point) {
  const auto origin = Origin(window);
  if (!origin || point == nullptr) return win::FALSE;
  point->x -= origin->x;
  point->y -= origin->y;
  return win::TRUE;
}

win::POINT SimDesktop::ClientToScreen(win::HWND window, int x, int y) const {
  const win::POINT origin = Origin(window).value_or(win::POINT{0, 0});
  return {origin.x + x, origin.y + y};
}

void SimDesktop::ShowFocusCues(win::HWND container, bool shown) {
  cuesShown_[container] = shown;
  for (const auto& [hwnd, surface] : surfaces_) {
    if (surface->Parent() == container) surface->SetFocusCuesShown(shown);
  }
}

SimUserControlSurface* SimDesktop::Surface(win::HWND window) const {
  const auto found = surfaces_.find(window);
  return found == surfaces_.end() ? nullptr : found->second;
}

}  // namespace sim
