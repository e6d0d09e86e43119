#include "toolkit/ComboBox.h"

#include <algorithm>

#include "platform/Services.h"
#include "toolkit/Form.h"

namespace toolkit {

ComboBox::~ComboBox() {
  if (parent_ != nullptr && window_) parent_->Detach(*this);
}

void ComboBox::Create(Form& parent, const LayoutNode& node) {
  Remember(node);
  parent_ = &parent;
  window_ = platform::Use<platform::Windowing>().CreateComboBox(PlacementOf(parent, node));
  if (const LayoutValue* color = node.Find("BackColor")) {
    window_->SetBackColor(static_cast<win::COLORREF>(color->AsInteger().value_or(0)));
  }
  parent.Attach(*this);
}

void ComboBox::Relayout(const Form& parent, const LayoutNode& node) {
  window_->MoveWindow(PlacementOf(parent, node).rect);
}

win::HWND ComboBox::hWnd() const { return window_ ? window_->Handle() : 0; }

void ComboBox::AddItem(const std::string& text) {
  items_.push_back(text);
  // The list keeps its own copy: a window that refused the entry still
  // selects and shows it by index.
  (void)window_->AddString(text);
}

bool ComboBox::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  listIndex_ = index;
  window_->SetCurSel(index);
  if (Click) Click();
  return true;
}

std::string ComboBox::Text() const {
  return listIndex_ < 0 ? std::string() : items_[static_cast<std::size_t>(listIndex_)];
}

bool ComboBox::SetText(const std::string& text) {
  const auto found = std::find(items_.begin(), items_.end(), text);
  if (found == items_.end()) return false;
  return SetListIndex(static_cast<int>(found - items_.begin()));
}

bool ComboBox::Enabled() const { return window_->IsWindowEnabled(); }

void ComboBox::SetEnabled(bool enabled) { window_->EnableWindow(enabled); }

void ComboBox::OnCommand(win::WORD code) {
  if (code != win::CBN_SELCHANGE) return;
  const int chosen = window_->GetCurSel();
  if (chosen < 0 || chosen >= ListCount()) return;
  listIndex_ = chosen;
  if (Click) Click();
}

}  // namespace toolkit
