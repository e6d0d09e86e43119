// The generator's parts: each returns its files by name, under src/ui/assets
// for the program's pictures and under installer/art for the installer's.
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
// The installer's header and wizard pictures at each density.
Files InstallerAssets();

}  // namespace assetgen
