#include "toolkit/Layout.h"

#include <charconv>
#include <utility>

#include "platform/Text.h"

namespace toolkit {
namespace {

using platform::EqualsIgnoringCase;

std::string_view Trim(std::string_view text) { return platform::Trim(text, " \t"); }

// Splits "Begin Kind Name" style lines into their words.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    const auto start = line.find_first_not_of(" \t", at);
    if (start == std::string_view::npos) break;
    const auto end = line.find_first_of(" \t", start);
    words.push_back(
        line.substr(start, end == std::string_view::npos ? line.size() - start : end - start));
    at = end == std::string_view::npos ? line.size() : end;
  }
  return words;
}

// A value ends at a comment mark (') outside quotes.
std::string_view StripComment(std::string_view value) {
  bool quoted = false;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '"') quoted = !quoted;
    if (value[i] == '\'' && !quoted) return Trim(value.substr(0, i));
  }
  return value;
}

}  // namespace

bool LayoutValue::IsText() const {
  return raw_.size() >= 2 && raw_.front() == '"' && raw_.back() == '"';
}

std::string LayoutValue::AsText() const {
  if (!IsText()) return raw_;
  std::string text;
  for (std::size_t i = 1; i + 1 < raw_.size(); ++i) {
    text.push_back(raw_[i]);
    if (raw_[i] == '"' && i + 2 < raw_.size() && raw_[i + 1] == '"') ++i;
  }
  return text;
}

std::optional<std::int64_t> LayoutValue::AsInteger() const {
  if (EqualsIgnoringCase(raw_, "True")) return -1;
  if (EqualsIgnoringCase(raw_, "False")) return 0;
  std::string_view digits = raw_;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '&' && (digits[1] == 'H' || digits[1] == 'h')) {
    digits.remove_prefix(2);
    if (!digits.empty() && digits.back() == '&') digits.remove_suffix(1);
    base = 16;
  }
  if (digits.empty()) return std::nullopt;
  std::int64_t value = 0;
  if (base == 16) {
    // Hexadecimal values are 32-bit patterns: &H80000005& is a system colour.
    std::uint32_t pattern = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), pattern, 16);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return static_cast<std::int64_t>(pattern);
  }
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<bool> LayoutValue::AsBool() const {
  const auto number = AsInteger();
  if (!number) return std::nullopt;
  return *number != 0;
}

const LayoutValue* LayoutNode::Find(std::string_view key) const {
  for (const auto& [property, value] : properties) {
    if (EqualsIgnoringCase(property, key)) return &value;
  }
  return nullptr;
}

std::int64_t LayoutNode::Integer(std::string_view key, std::int64_t fallback) const {
  const LayoutValue* value = Find(key);
  if (value == nullptr) return fallback;
  return value->AsInteger().value_or(fallback);
}

bool LayoutNode::Bool(std::string_view key, bool fallback) const {
  const LayoutValue* value = Find(key);
  if (value == nullptr) return fallback;
  return value->AsBool().value_or(fallback);
}

std::string LayoutNode::Text(std::string_view key, std::string fallback) const {
  const LayoutValue* value = Find(key);
  return value == nullptr ? std::move(fallback) : value->AsText();
}

const LayoutNode* LayoutNode::Child(std::string_view wanted) const {
  for (const LayoutNode& child : children) {
    if (child.kind != "Property" && EqualsIgnoringCase(child.name, wanted)) return &child;
  }
  return nullptr;
}

const LayoutNode* LayoutNode::Group(std::string_view wanted) const {
  for (const LayoutNode& child : children) {
    if (child.kind == "Property" && EqualsIgnoringCase(child.name, wanted)) return &child;
  }
  return nullptr;
}

LayoutParse ParseLayout(std::string_view text) {
  // A UTF-8 byte-order mark is tolerated; lines may end in CR LF or LF.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<LayoutNode> open;
  std::optional<LayoutNode> root;
  int lineNumber = 0;
  auto fail = [&](const std::string& why) {
    return LayoutParse{std::nullopt, "line " + std::to_string(lineNumber) + ": " + why};
  };
  while (!text.empty()) {
    const auto newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trim(line);
    if (line.empty() || line.front() == '\'' || line.front() == '#') continue;

    const auto words = Words(line);
    if (EqualsIgnoringCase(words[0], "Begin") || EqualsIgnoringCase(words[0], "BeginProperty")) {
      const bool group = EqualsIgnoringCase(words[0], "BeginProperty");
      if (words.size() != (group ? 2u : 3u)) return fail("malformed " + std::string(words[0]));
      if (root) return fail("text after the end of the form");
      if (open.empty() && group) return fail("a property group outside any block");
      LayoutNode node;
      node.kind = group ? "Property" : std::string(words[1]);
      node.name = std::string(words[group ? 1 : 2]);
      node.line = lineNumber;
      open.push_back(std::move(node));
      continue;
    }
    if (EqualsIgnoringCase(words[0], "End") || EqualsIgnoringCase(words[0], "EndProperty")) {
      const bool group = EqualsIgnoringCase(words[0], "EndProperty");
      if (words.size() != 1) return fail("malformed " + std::string(words[0]));
      if (open.empty() || (open.back().kind == "Property") != group) {
        return fail(std::string(words[0]) + " without its Begin");
      }
      LayoutNode done = std::move(open.back());
      open.pop_back();
      if (open.empty()) {
        root = std::move(done);
      } else {
        if (group) open.back().properties.emplace_back(done.name, LayoutValue());
        open.back().children.push_back(std::move(done));
      }
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || open.empty()) return fail("expected Key = Value");
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = StripComment(Trim(line.substr(equals + 1)));
    if (key.empty() || key.find_first_of(" \t") != std::string_view::npos) {
      return fail("bad property name");
    }
    if (!value.empty() && value.front() == '"' && (value.size() < 2 || value.back() != '"')) {
      return fail("unterminated text");
    }
    open.back().properties.emplace_back(std::string(key), LayoutValue(std::string(value)));
  }
  if (!open.empty()) {
    return LayoutParse{std::nullopt, "block " + open.back().name + " from line " +
                                         std::to_string(open.back().line) + " has no End"};
  }
  if (!root) return LayoutParse{std::nullopt, "no form in the layout"};
  return LayoutParse{std::move(root), {}};
}

}  // namespace toolkit
