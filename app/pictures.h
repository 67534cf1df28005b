// The pictures of the program's windows, kept as resources of the program.
#pragma once

#include <string>

#include "widgets/bitmap.h"

namespace app {

// The picture of that file name ("main_background.jpg"); an empty picture
// when the program carries none of that name, so that a missing picture
// never keeps a window from opening.
widgets::TBitmap LoadPicture(const std::string& fileName);

// The raw bytes of a resource file ("main_region.bin"); empty when missing.
std::string LoadResourceBytes(const std::string& fileName);

}  // namespace app
