// JPEG pictures through libjpeg: the backgrounds of the forms and a JPEG
// file that the user picks as a new logo.
//
//     widgets::TBitmap background = widgets::DecodeJpeg(bytes);
//     widgets::TBitmap any = widgets::LoadPictureBytes(bytes);  // BMP or JPEG
//
// Damaged data never brings the program down: libjpeg's errors come back
// as EBitmapError.
#pragma once

#include <string>

#include "widgets/bitmap.h"

namespace widgets {

// The largest width and height a JPEG picture may have. Larger pictures
// would need hundreds of megabytes and are refused before any is taken.
constexpr int kMaxJpegSide = 8192;

// The messages of EBitmapError for JPEG pictures.
extern const char* const kJpegUnreadable;   // damaged, cut short or not a JPEG at all
extern const char* const kJpegTooLarge;     // wider or higher than kMaxJpegSide
extern const char* const kJpegColourSpace;  // CMYK or YCCK: only grey and colour are shown
extern const char* const kPictureUnknown;   // LoadPictureBytes: neither BMP nor JPEG

// Decodes a baseline or progressive JPEG in grey or colour (YCbCr or RGB)
// to an opaque 32-bit picture (0xFFRRGGBB). Raises EBitmapError with one
// of the messages above. A file that ends before its end marker is refused,
// not shown with a grey remainder: a picture cut short is damaged. So is a
// progressive picture that would need more than 64 MB of libjpeg's own
// working memory.
TBitmap DecodeJpeg(const std::string& bytes);
// The same, scaled down on decoding by 1/2, 1/4 or 1/8 as far as the
// picture stays at least minWidth x minHeight (0, 0: full size).
TBitmap DecodeJpeg(const std::string& bytes, int minWidth, int minHeight);

// A picture from the bytes of a file, told apart by its start: "BM" is a
// Windows bitmap (TBitmap::FromBmp), FF D8 a JPEG (DecodeJpeg). Anything
// else raises EBitmapError with kPictureUnknown.
TBitmap LoadPictureBytes(const std::string& bytes);

}  // namespace widgets
