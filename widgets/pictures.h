// The pictures of the program's windows, kept as resources of the program
// (platform::System::Resource), for every form that shows one.
#pragma once

#include <string>

#include "widgets/bitmap.h"

namespace widgets {

// The picture of that file name ("main_background.jpg"); an empty picture
// when the program carries none of that name, so that a missing picture
// never keeps a window from opening.
TBitmap LoadPicture(const std::string& fileName);

// The raw bytes of a resource file ("main_region.bin"); empty when missing.
std::string LoadResourceBytes(const std::string& fileName);

}  // namespace widgets
