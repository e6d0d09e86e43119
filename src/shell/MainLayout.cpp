#include "shell/MainLayout.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Ownership.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "shell/mod_Outline.h"
#include "toolkit/Pictures.h"

namespace main_layout {
namespace {

std::unique_ptr<toolkit::PictureBox> MaskBox(toolkit::Form& form, const toolkit::LayoutNode& node) {
  const platform::ChildSpec spec = toolkit::Control::PlacementOf(form, node);
  return std::make_unique<toolkit::PictureBox>(spec.rect.left, spec.rect.top, spec.rect.width,
                                               spec.rect.height);
}

}  // namespace

toolkit::LayoutNode Load(const char* resource) {
  const auto text = platform::Use<platform::Resources>().LoadResourceData(resource);
  if (!text) throw std::runtime_error("the main window's layout is missing");
  toolkit::LayoutParse parsed = toolkit::ParseLayout(*text);
  if (!parsed.root) throw std::runtime_error("the main window's layout: " + parsed.error);
  return std::move(*parsed.root);
}

void SetUpTimer(const toolkit::LayoutNode& layout, toolkit::Timer& timer1) {
  for (const toolkit::LayoutNode& node : layout.children) {
    if (node.kind != "Timer") continue;
    if (node.name != "Timer1") throw std::runtime_error("unknown timer " + node.name);
    timer1.SetInterval(static_cast<win::UINT>(node.Integer("Interval", 0)));
    timer1.SetEnabled(node.Bool("Enabled", true));
  }
}

std::string CreateControls(toolkit::Form& form, const toolkit::LayoutNode& layout,
                           std::span<const Slot> slots,
                           std::unique_ptr<toolkit::PictureBox>& mask) {
  std::string maskPicture;
  std::vector<const toolkit::LayoutNode*> ordered;
  for (const toolkit::LayoutNode& node : layout.children) {
    if (node.kind == "Property" || node.kind == "Timer") continue;
    if (node.kind == "PictureBox") {
      if (node.name != "picSkinMask") throw std::runtime_error("unknown picture box " + node.name);
      mask = MaskBox(form, node);
      maskPicture = node.Text("Picture");
      continue;
    }
    ordered.push_back(&node);
  }
  std::stable_sort(ordered.begin(), ordered.end(), [](const auto* a, const auto* b) {
    return a->Integer("TabIndex", 0) < b->Integer("TabIndex", 0);
  });
  std::size_t bound = 0;
  for (const toolkit::LayoutNode* node : ordered) {
    const auto slot = std::find_if(slots.begin(), slots.end(),
                                   [&](const Slot& s) { return s.name == node->name; });
    if (slot == slots.end() || node->kind != slot->kind) {
      throw std::runtime_error("the layout's " + node->kind + " " + node->name +
                               " is not a control of the window");
    }
    slot->control->Create(form, *node);
    ++bound;
  }
  if (bound != slots.size()) {
    throw std::runtime_error("the layout lacks some of the window's controls");
  }
  if (!mask) throw std::runtime_error("the layout lacks picSkinMask");
  return maskPicture;
}

void Relayout(toolkit::Form& form, const toolkit::LayoutNode& layout, std::span<const Slot> slots,
              std::unique_ptr<toolkit::PictureBox>& mask) {
  for (const toolkit::LayoutNode& node : layout.children) {
    for (const Slot& slot : slots) {
      if (slot.name == node.name) slot.control->Relayout(form, node);
    }
    if (node.kind == "PictureBox" && mask) mask = MaskBox(form, node);
  }
}

void ShapeWindow(toolkit::Form& form, toolkit::PictureBox& mask, const std::string& maskPicture) {
  // A persistent image that takes its picture's size, so that its device
  // context holds every pixel of the mask.
  mask.SetAutoRedraw(true);
  mask.SetPicture(toolkit::LoadLayoutPicture(maskPicture));
  std::int32_t transparent = 0;  // none given: the mask's top-left colour
  platform::UniqueGdiObject region(mod_Outline::CreateSkinRegion(mask, transparent));
  // The mask has done its work and nothing ever shows the box: its two
  // bitmaps of the window's size need not stay for the program's long life
  // in the tray. The box keeps its size.
  mask.SetAutoRedraw(false);
  mask.SetPicture(nullptr);
  // An unreadable mask leaves the window rectangular, never invisible.
  if (!region) return;
  // The window system owns the region from here on (and frees the one it
  // replaces); one it refused is ours to free.
  if (platform::Use<platform::Gdi>().SetWindowRgn(form.hWnd(), region.get(), -1) != 0) {
    region.release();
  }
}

}  // namespace main_layout
