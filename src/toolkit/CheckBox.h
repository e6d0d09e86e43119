// The standard check box.
#pragma once

#include <functional>
#include <memory>

#include "toolkit/Control.h"

namespace toolkit {

class CheckBox final : public Control {
 public:
  ~CheckBox() override;
  void Create(Form& parent, const LayoutNode& node) override;
  win::HWND hWnd() const override;
  void Relayout(const Form& parent, const LayoutNode& node) override;

  bool Value() const { return window_->GetCheck(); }
  bool Visible() const { return window_->IsWindowVisible(); }

 private:
  Form* parent_ = nullptr;
  std::unique_ptr<platform::CheckBoxWindow> window_;
};

}  // namespace toolkit
