#include "app/pictures.h"

#include "platform/platform.h"
#include "widgets/errors.h"
#include "widgets/jpeg_decoder.h"

namespace app {

std::string LoadResourceBytes(const std::string& fileName) {
    return platform::Get().system().Resource(platform::ResourceName(fileName)).value_or(std::string());
}

widgets::TBitmap LoadPicture(const std::string& fileName) {
    const std::string bytes = LoadResourceBytes(fileName);
    if (bytes.empty()) return widgets::TBitmap();
    try {
        return widgets::LoadPictureBytes(bytes);
    } catch (const widgets::EBitmapError&) {
        return widgets::TBitmap();
    }
}

}  // namespace app
