// The line syntax that script export and import share: lines, blanks,
// comments, and what a line can hold.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace registry {

// A script cut into lines at every CR LF; a bare CR or LF stays in its line.
std::vector<std::string_view> SplitLines(std::string_view script);

bool IsBlank(char c);
std::size_t SkipBlanks(std::string_view text, std::size_t at);
// Lines of a script are trimmed of the blanks an editor may leave around them.
std::string_view TrimLine(std::string_view line);
// Nothing but blanks, and perhaps a ";" comment, from `at` to the end.
bool RestIsEmpty(std::string_view text, std::size_t at);

// A quoted name ends at the first quote, from `from` on, that is followed by
// blanks and "=" (npos when there is none), so a name may hold "=" and quotes.
std::size_t ClosingQuoteOfName(std::string_view line, std::size_t from);

// A CR or LF would end a script line early and turn the rest into lines of
// their own, so an item holding one cannot be written.
bool FitsOnOneLine(std::string_view text);
// Whether a name written in quotes reads back whole: it fits on a line and
// holds no quote that blanks and "=" follow.
bool NameReadsBack(std::string_view name);

}  // namespace registry
