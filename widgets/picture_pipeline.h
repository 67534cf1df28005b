// Pictures that the user picks as a start or shut-down picture: loading by
// the file's extension, resampling, reduction to 256 colours and the 8-bit
// Windows bitmap that Windows expects of its logo files.
//
//     TBitmap picture = LoadPictureFile(path, 320, 400);  // may decode smaller
//     TBitmap sized = Resample(picture, 320, 400, TResampleFilter::Triangle);
//     std::string bmp = ToBmp8(ReduceTo256(sized));
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "widgets/bitmap.h"

namespace widgets {

// Decodes a PNG picture of any colour type to an opaque 32-bit picture;
// transparent parts are laid on black. Raises EBitmapError when the data
// is damaged or the picture larger than kMaxJpegSide on a side.
TBitmap DecodePng(const std::string& bytes);

// Reads a picture file through the platform and decodes it by its
// extension: ".bmp", ".dib", ".rle" Windows bitmaps, ".jpg", ".jpeg",
// ".jpe", ".jfif" JPEG, ".png" PNG; any other name by its first bytes.
// A JPEG is scaled down while decoding as far as it stays at least
// minWidth x minHeight. Raises EBitmapError when the file cannot be read
// or decoded.
TBitmap LoadPictureFile(const std::string& path, int minWidth = 0, int minHeight = 0);

enum class TResampleFilter { Triangle, Mitchell };

// The picture at the new size, without regard to its aspect ratio.
TBitmap Resample(const TBitmap& picture, int width, int height, TResampleFilter filter);

// A picture of palette indices, top row first.
struct TPalettePicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> palette;  // 256 entries, 0xFFRRGGBB
    std::vector<uint8_t> indices;   // width * height
};

// Reduces to an adaptive palette of 256 colours (median cut, no
// dithering). A picture of 256 colours or fewer keeps them exactly.
TPalettePicture ReduceTo256(const TBitmap& picture);

// An uncompressed, bottom-up 8-bit Windows bitmap with the 40-byte
// information header and all 256 palette entries.
std::string ToBmp8(const TPalettePicture& picture);

}  // namespace widgets
