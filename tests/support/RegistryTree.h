// Whole registry trees as plain data: a sample tree with the awkward values a
// script must carry, and a snapshot to compare a tree before and after.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/RegistryTools.h"

namespace testing_support {

// Key paths relative to the top of the tree ("" for the top itself), each
// with its values sorted by name ignoring case: Wine enumerates values by
// name, Windows and the sim in creation order.
using TreeSnapshot = std::map<std::string, std::vector<RawValue>>;

TreeSnapshot ReadTree(platform::Registry& registry, win::HKEY root, const std::string& path);

// Writes the sample tree below root\path: string, number and binary values
// that are empty, long, or hold backslashes, quotes, "=", what looks like a
// comment, blanks at either end and the bytes 0x00 and 0xFF; default values
// of each type and a string named "@"; names with spaces, quotes and "=" and
// longer than 255 characters; keys named like roots; a key without values.
void WriteSampleTree(platform::Registry& registry, win::HKEY root, const std::string& path);

}  // namespace testing_support
