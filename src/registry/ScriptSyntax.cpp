#include "registry/ScriptSyntax.h"

#include <string>

#include "registry/RegistryText.h"

namespace registry {

std::vector<std::string_view> SplitLines(std::string_view script) {
  std::vector<std::string_view> lines;
  std::size_t from = 0;
  for (std::size_t at = script.find("\r\n"); at != std::string_view::npos;
       at = script.find("\r\n", from)) {
    lines.push_back(script.substr(from, at - from));
    from = at + 2;
  }
  lines.push_back(script.substr(from));
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

std::string_view TrimLine(std::string_view line) { return Trim(line, " \t"); }

bool RestIsEmpty(std::string_view text, std::size_t at) {
  at = SkipBlanks(text, at);
  return at == text.size() || text[at] == ';';
}

std::size_t ClosingQuoteOfName(std::string_view line, std::size_t from) {
  for (std::size_t quote = line.find('"', from); quote != std::string_view::npos;
       quote = line.find('"', quote + 1)) {
    const std::size_t equals = SkipBlanks(line, quote + 1);
    if (equals < line.size() && line[equals] == '=') return quote;
  }
  return std::string_view::npos;
}

bool FitsOnOneLine(std::string_view text) {
  return text.find_first_of("\r\n") == std::string_view::npos;
}

bool NameReadsBack(std::string_view name) {
  // The name as its line holds it, closing quote and "=" included, must end
  // at that closing quote and no sooner.
  return FitsOnOneLine(name) && ClosingQuoteOfName(std::string(name) + "\"=", 0) == name.size();
}

}  // namespace registry
