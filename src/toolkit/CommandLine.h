// The program's arguments: the command line after the program's name.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Drops the program name (quoted or not) and the blanks that follow it; the
// arguments themselves are kept exactly, trailing blanks included.
std::string CommandArguments(std::string_view commandLine);

}  // namespace toolkit
