// The generator's parts: each returns its files by name under src/ui/assets.
#pragma once

#include <map>
#include <string>

#include "Formats.h"

namespace assetgen {

using Files = std::map<std::string, Bytes>;

// Skin, mask and the button pictures cut from the skin.
Files SkinAssets();
// Application icon and hand cursor.
Files IconAssets();

}  // namespace assetgen
