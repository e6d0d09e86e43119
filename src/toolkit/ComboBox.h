// A drop-down list combo box: the user can only choose one of its entries,
// and code can only select a text that is an entry. Click runs whenever an
// entry is selected, by the user or by code.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Control.h"

namespace toolkit {

class ComboBox final : public Control {
 public:
  ~ComboBox() override;
  void Create(Form& parent, const LayoutNode& node) override;
  win::HWND hWnd() const override;
  void Relayout(const Form& parent, const LayoutNode& node) override;

  void AddItem(const std::string& text);
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }

  int ListIndex() const { return listIndex_; }
  // Selects an entry (-1 for none) and runs Click; an index outside the list
  // changes nothing and answers false.
  bool SetListIndex(int index);
  // The selected entry's text, "" when none is selected.
  std::string Text() const;
  // Selects the first entry of exactly this text; false when there is none.
  bool SetText(const std::string& text);

  bool Enabled() const;
  void SetEnabled(bool enabled);

  std::function<void()> Click;

  void OnCommand(win::WORD code) override;

 private:
  Form* parent_ = nullptr;
  std::unique_ptr<platform::ComboBoxWindow> window_;
  std::vector<std::string> items_;
  int listIndex_ = -1;
};

}  // namespace toolkit
