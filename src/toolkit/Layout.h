// A form's design-time definition, read from the text a form designer saves:
// nested "Begin <Kind> <Name>" ... "End" blocks of "Key = Value" lines, with
// "BeginProperty <Name>" ... "EndProperty" groups for compound properties
// such as a font.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace toolkit {

// One property value as written: a quoted text ("..." with "" for a quote),
// a decimal number, a hexadecimal number &H...& (or &H...), True or False,
// or a bare word such as a resource reference (res:NAME).
class LayoutValue {
 public:
  LayoutValue() = default;
  explicit LayoutValue(std::string raw) : raw_(std::move(raw)) {}

  const std::string& Raw() const { return raw_; }
  bool IsText() const;
  // The text of a quoted value; the raw value otherwise.
  std::string AsText() const;
  // Numbers, hexadecimal numbers and Booleans (True is -1, as a form designer
  // writes it); nothing for anything else.
  std::optional<std::int64_t> AsInteger() const;
  std::optional<bool> AsBool() const;

 private:
  std::string raw_;
};

struct LayoutNode {
  std::string kind;  // "Form", "ComboBox", ... or "Property" for a group
  std::string name;
  int line = 0;  // where the block begins, for messages
  // In file order. A property group (BeginProperty) stands here with an empty
  // value, in its place among the others, and its content in `children`.
  std::vector<std::pair<std::string, LayoutValue>> properties;
  std::vector<LayoutNode> children;  // in file order

  // Keys match without regard to case.
  const LayoutValue* Find(std::string_view key) const;
  std::int64_t Integer(std::string_view key, std::int64_t fallback) const;
  bool Bool(std::string_view key, bool fallback) const;
  std::string Text(std::string_view key, std::string fallback = {}) const;
  const LayoutNode* Child(std::string_view wanted) const;
  // The property group of that name, or null.
  const LayoutNode* Group(std::string_view wanted) const;
};

struct LayoutParse {
  std::optional<LayoutNode> root;
  std::string error;  // "line N: ..." when root is empty
};

LayoutParse ParseLayout(std::string_view text);

}  // namespace toolkit
