#include "toolkit/CheckBox.h"

#include "platform/Services.h"
#include "toolkit/Form.h"

namespace toolkit {

CheckBox::~CheckBox() {
  if (parent_ != nullptr && window_) parent_->Detach(*this);
}

void CheckBox::Create(Form& parent, const LayoutNode& node) {
  Remember(node);
  parent_ = &parent;
  window_ = platform::Use<platform::Windowing>().CreateCheckBox(PlacementOf(parent, node));
  window_->SetCheck(node.Integer("Value", 0) != 0);
  parent.Attach(*this);
}

void CheckBox::Relayout(const Form& parent, const LayoutNode& node) {
  window_->MoveWindow(PlacementOf(parent, node).rect);
}

win::HWND CheckBox::hWnd() const { return window_ ? window_->Handle() : 0; }

}  // namespace toolkit
