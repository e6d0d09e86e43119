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

// LoadPicture of a layout value "res:NAME"; nothing (null) for any other value.
platform::PicturePtr LoadLayoutPicture(const std::string& value);

}  // namespace toolkit
