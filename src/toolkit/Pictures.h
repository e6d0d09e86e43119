// Pictures of the program's resources, by the names layouts use (res:NAME).
#pragma once

#include <string>

#include "platform/Picture.h"
#include "ui/Dib.h"

namespace toolkit {

// A colour bitmap of a decoded image (whose pixels it reorders in place).
platform::PicturePtr PictureOf(ui::Image image);

// The picture of a bitmap, cursor or icon resource of the program, drawn for
// the screen's density where the program has pictures for several. A name
// the program does not have, or a bitmap that does not decode, gives an empty
// picture: the control shows no image rather than the program failing.
// Pictures are never changed once made, so a resource is decoded once and
// its picture shared for as long as anyone holds it (the buttons show one
// picture in several states).
platform::PicturePtr LoadPicture(const std::string& resourceName);

// A window's icon at the large (SM_CXICON) or small (SM_CXSMICON) size of the
// screen's density, the handle owned by the picture; an empty picture when
// the program has no such icon.
enum class IconSize { Large, Small };
platform::PicturePtr LoadIconPicture(const std::string& resourceName, IconSize size);

// LoadPicture of a layout value "res:NAME"; nothing (null) for any other value.
platform::PicturePtr LoadLayoutPicture(const std::string& value);

}  // namespace toolkit
