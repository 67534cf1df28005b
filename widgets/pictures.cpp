#include "widgets/pictures.h"

#include "platform/platform.h"
#include "widgets/errors.h"
#include "widgets/jpeg_decoder.h"

namespace widgets {

std::string LoadResourceBytes(const std::string& fileName) {
    return platform::Get().system().Resource(platform::ResourceName(fileName)).value_or(std::string());
}

TBitmap LoadPicture(const std::string& fileName) {
    const std::string bytes = LoadResourceBytes(fileName);
    if (bytes.empty()) return TBitmap();
    try {
        return LoadPictureBytes(bytes);
    } catch (const EBitmapError&) {
        return TBitmap();
    }
}

}  // namespace widgets
