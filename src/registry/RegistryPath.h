// Key paths: a root name, long or short, then a backslash and the sub-key.
#pragma once

#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace registry {

// The root key a path's first component names, whole and in any case, in its
// long or short form; 0 for any other first component.
win::HKEY RootKeyOf(std::string_view path);
// Everything after the first backslash: the sub-key below the root.
std::string SubKeyOf(std::string_view path);
// The path with its first component lengthened when that is a short root
// name, as the headers of an export show it; the rest is never touched.
std::string LongRootPath(const std::string& path);

}  // namespace registry
