#include "widgets/bitmap.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"
#include "widgets/errors.h"

namespace widgets {

namespace {

// Pictures larger than this are refused rather than allocated.
constexpr int64_t kMaxPixels = int64_t(1) << 26;
constexpr int kMaxSide = 32767;

const char* const kInvalidBitmap = "Bitmap ist ungültig";

uint32_t U16(const std::string& b, size_t at) { return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8; }

uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

int32_t I32(const std::string& b, size_t at) { return static_cast<int32_t>(U32(b, at)); }

void Put16(std::string& b, uint32_t v) {
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
}

void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

[[noreturn]] void Invalid() { throw EBitmapError(kInvalidBitmap); }

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!(m & 1)) {
            m >>= 1;
            ++shift;
        }
        while (m & 1) {
            m >>= 1;
            ++bits;
        }
    }

    uint32_t Extract(uint32_t value) const {
        if (!bits) return 0;
        const uint32_t raw = (value & mask) >> shift;
        if (bits >= 8) return raw >> (bits - 8);
        const uint32_t max = (1u << bits) - 1;
        return (raw * 255 + max / 2) / max;
    }
};

}  // namespace

TBitmap::TBitmap(int width, int height, uint32_t fill) {
    SetSize(width, height);
    Fill(fill);
}

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    std::vector<uint32_t> resized(static_cast<size_t>(width) * height, 0);
    const int w = std::min(width, width_);
    const int h = std::min(height, height_);
    for (int y = 0; y < h; ++y) std::copy_n(Scanline(y), w, resized.data() + static_cast<size_t>(y) * width);
    pixels_.swap(resized);
    width_ = width;
    height_ = height;
}

void TBitmap::Clear() {
    pixels_.clear();
    width_ = height_ = 0;
    sourceBits_ = 0;
}

uint32_t TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void TBitmap::SetPixel(int x, int y, uint32_t pixel) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = pixel;
}

void TBitmap::Fill(uint32_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

void TBitmap::FillRect(const TRect& rect, uint32_t pixel) {
    const int left = std::max(rect.left, 0), right = std::min(rect.right, width_);
    const int top = std::max(rect.top, 0), bottom = std::min(rect.bottom, height_);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) pixels_[static_cast<size_t>(y) * width_ + x] = pixel;
}

void TBitmap::Draw(int x, int y, const TBitmap& source) {
    for (int sy = 0; sy < source.height_; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= height_) continue;
        for (int sx = 0; sx < source.width_; ++sx) {
            const int tx = x + sx;
            if (tx < 0 || tx >= width_) continue;
            pixels_[static_cast<size_t>(ty) * width_ + tx] = source.Pixel(sx, sy);
        }
    }
}

// The run-length formats: pairs of count and index (for 4 bits, two
// indices that alternate), and escapes for the end of a row, the end of
// the picture, a jump and a literal run. Pixels that no run reaches are
// the first palette colour. Any run that leaves the picture or the file is
// damage.
TBitmap TBitmap::DecodeRle(const std::string& b, uint64_t at, int width, int height, uint32_t bits,
                           const std::vector<uint32_t>& palette) {
    const uint32_t background = palette.empty() ? 0xFF000000u : palette[0];
    TBitmap picture(width, height, background);
    auto colour = [&](uint32_t index) { return index < palette.size() ? palette[index] : 0xFF000000u; };
    int x = 0, row = 0;  // row counts from the bottom
    auto put = [&](uint32_t index) {
        if (x >= width || row >= height) Invalid();
        picture.Scanline(height - 1 - row)[x++] = colour(index);
    };
    while (true) {
        if (at + 2 > b.size()) Invalid();
        const uint8_t count = uint8_t(b[at]), value = uint8_t(b[at + 1]);
        at += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k) put(bits == 8 ? value : (k % 2 == 0 ? value >> 4 : value & 0x0F));
            continue;
        }
        if (value == 0) {  // end of the row
            x = 0;
            ++row;
        } else if (value == 1) {  // end of the picture
            break;
        } else if (value == 2) {  // jump right and up
            if (at + 2 > b.size()) Invalid();
            x += uint8_t(b[at]);
            row += uint8_t(b[at + 1]);
            at += 2;
            if (x > width || row > height) Invalid();
        } else {  // a literal run of value pixels, padded to a whole word
            const uint64_t bytes = bits == 8 ? value : (value + 1) / 2;
            if (at + bytes > b.size()) Invalid();
            for (int k = 0; k < value; ++k) {
                const uint8_t byte = uint8_t(b[at + (bits == 8 ? k : k / 2)]);
                put(bits == 8 ? byte : (k % 2 == 0 ? byte >> 4 : byte & 0x0F));
            }
            at += (bytes + 1) & ~uint64_t(1);
        }
        if (row > height) Invalid();
    }
    return picture;
}

TBitmap TBitmap::FromBmp(const std::string& b) {
    if (b.size() < 14 + 12 || b[0] != 'B' || b[1] != 'M') Invalid();
    const uint64_t offBits = U32(b, 10);
    const uint32_t headerSize = U32(b, 14);
    const bool core = headerSize == 12;
    if (!core && headerSize < 40) Invalid();
    if (14 + uint64_t(headerSize) > b.size()) Invalid();

    int64_t width, height;
    uint32_t planes, bits, compression = 0, colorsUsed = 0;
    if (core) {
        width = U16(b, 18);
        height = static_cast<int16_t>(U16(b, 20));
        planes = U16(b, 22);
        bits = U16(b, 24);
    } else {
        width = I32(b, 18);
        height = I32(b, 22);
        planes = U16(b, 26);
        bits = U16(b, 28);
        compression = U32(b, 30);
        colorsUsed = U32(b, 46);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (planes != 1 || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        width * height > kMaxPixels)
        Invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();

    // Colour masks for 16 and 32 bits.
    uint32_t masks[3] = {0, 0, 0};
    size_t paletteAt = 14 + headerSize;
    if (compression == 3) {  // BI_BITFIELDS
        if (bits != 16 && bits != 32) Invalid();
        size_t masksAt = 14 + 40;
        if (headerSize == 40) paletteAt += 12;
        if (masksAt + 12 > b.size()) Invalid();
        for (int i = 0; i < 3; ++i) masks[i] = U32(b, masksAt + 4 * i);
    } else if (compression == 0) {
        if (bits == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else {
            masks[0] = 0xFF0000;
            masks[1] = 0x00FF00;
            masks[2] = 0x0000FF;
        }
    } else if ((compression == 1 && bits == 8) || (compression == 2 && bits == 4)) {
        if (topDown) Invalid();  // run-length pictures are bottom-up only
    } else {
        Invalid();  // embedded formats are not read
    }

    std::vector<uint32_t> palette;
    if (bits <= 8) {
        const uint32_t maxColors = 1u << bits;
        uint32_t count = colorsUsed ? colorsUsed : maxColors;
        if (count > 256) Invalid();
        const size_t entry = core ? 3 : 4;
        if (paletteAt + uint64_t(count) * entry > b.size()) Invalid();
        for (uint32_t i = 0; i < count; ++i) {
            const size_t at = paletteAt + i * entry;
            palette.push_back(0xFF000000u | uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 1])) << 8 |
                              uint8_t(b[at]));
        }
    }

    if (compression == 1 || compression == 2) {
        TBitmap picture = DecodeRle(b, offBits, static_cast<int>(width), static_cast<int>(height), bits, palette);
        picture.sourceBits_ = static_cast<int>(bits);
        return picture;
    }

    const uint64_t stride = ((uint64_t(width) * bits + 31) / 32) * 4;
    if (offBits > b.size() || stride * uint64_t(height) > b.size() - offBits) Invalid();

    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    TBitmap picture(static_cast<int>(width), static_cast<int>(height));
    picture.sourceBits_ = static_cast<int>(bits);
    for (int64_t row = 0; row < height; ++row) {
        const size_t at = static_cast<size_t>(offBits + stride * uint64_t(row));
        const int y = static_cast<int>(topDown ? row : height - 1 - row);
        uint32_t* out = picture.Scanline(y);
        for (int64_t x = 0; x < width; ++x) {
            uint32_t pixel = 0;
            if (bits <= 8) {
                const uint64_t bitPos = uint64_t(x) * bits;
                const uint8_t byte = uint8_t(b[at + bitPos / 8]);
                const int shift = 8 - bits - int(bitPos % 8);
                const uint32_t index = (byte >> shift) & ((1u << bits) - 1);
                pixel = index < palette.size() ? palette[index] : 0xFF000000u;
            } else if (bits == 24) {
                const size_t p = at + static_cast<size_t>(x) * 3;
                pixel =
                    0xFF000000u | uint32_t(uint8_t(b[p + 2])) << 16 | uint32_t(uint8_t(b[p + 1])) << 8 | uint8_t(b[p]);
            } else {
                const uint32_t value =
                    bits == 16 ? U16(b, at + static_cast<size_t>(x) * 2) : U32(b, at + static_cast<size_t>(x) * 4);
                pixel = 0xFF000000u | red.Extract(value) << 16 | green.Extract(value) << 8 | blue.Extract(value);
            }
            out[x] = pixel;
        }
    }
    return picture;
}

TBitmap TBitmap::FromFile(const std::string& path) {
    const std::optional<std::string> bytes = platform::Get().files().ReadFile(path);
    if (!bytes) throw EBitmapError("Datei " + path + " kann nicht geöffnet werden");
    return FromBmp(*bytes);
}

std::string TBitmap::ToBmp24() const {
    const uint32_t stride = ((uint32_t(width_) * 24 + 31) / 32) * 4;
    const uint32_t imageSize = stride * uint32_t(height_);
    std::string out;
    out.reserve(54 + imageSize);
    out += "BM";
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, uint32_t(width_));
    Put32(out, uint32_t(height_));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        const uint32_t* row = Scanline(y);
        for (int x = 0; x < width_; ++x) {
            out += char(row[x] & 0xFF);
            out += char((row[x] >> 8) & 0xFF);
            out += char((row[x] >> 16) & 0xFF);
        }
        out.append(stride - uint32_t(width_) * 3, '\0');
    }
    return out;
}

uint32_t ColorToPixel(TColor color) {
    if (color & clSystemColor) {
        switch (color & 0xFF) {
            case 5:
                color = clWhite;
                break;  // window
            case 8:
                color = clBlack;
                break;  // window text
            case 15:
                color = clSilver;
                break;  // button face
            case 17:
                color = clGray;
                break;  // grey text
            case 18:
                color = clBlack;
                break;  // button text
            default:
                color = clSilver;
                break;
        }
    }
    return 0xFF000000u | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

}  // namespace widgets
