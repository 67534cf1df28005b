#include "widgets/picture_pipeline.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <unordered_map>

#include "platform/platform.h"
#include "platform/text.h"
#include "widgets/errors.h"
#include "widgets/jpeg_decoder.h"

namespace widgets {

namespace {

constexpr const char* kPngUnreadable = "Ungültiges PNG-Bild";

std::string UpperExtension(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string();
    std::string ext = path.substr(dot);
    for (char& c : ext) c = platform::UpperAscii(c);
    return ext;
}

// ------------------------------------------------------------ resampling

double Triangle(double x) {
    x = std::fabs(x);
    return x < 1.0 ? 1.0 - x : 0.0;
}

// Mitchell and Netravali's cubic with B = C = 1/3.
double Mitchell(double x) {
    constexpr double B = 1.0 / 3.0, C = 1.0 / 3.0;
    x = std::fabs(x);
    if (x < 1.0) return ((12 - 9 * B - 6 * C) * x * x * x + (-18 + 12 * B + 6 * C) * x * x + (6 - 2 * B)) / 6.0;
    if (x < 2.0)
        return ((-B - 6 * C) * x * x * x + (6 * B + 30 * C) * x * x + (-12 * B - 48 * C) * x + (8 * B + 24 * C)) / 6.0;
    return 0.0;
}

struct Contribution {
    int first = 0;
    std::vector<float> weights;
};

// For each target position, the source positions it draws on and their
// weights, which sum to 1 so that a flat colour stays flat.
std::vector<Contribution> Contributions(int source, int target, TResampleFilter filter) {
    const double scale = double(target) / double(source);
    const double support = filter == TResampleFilter::Triangle ? 1.0 : 2.0;
    const double widen = scale < 1.0 ? 1.0 / scale : 1.0;  // a wider kernel when shrinking
    std::vector<Contribution> out(target);
    for (int i = 0; i < target; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        const int first = std::max(0, int(std::floor(centre - support * widen)));
        const int last = std::min(source - 1, int(std::ceil(centre + support * widen)));
        Contribution& c = out[i];
        c.first = first;
        double sum = 0;
        for (int s = first; s <= last; ++s) {
            const double x = (s - centre) / widen;
            const double w = filter == TResampleFilter::Triangle ? Triangle(x) : Mitchell(x);
            c.weights.push_back(float(w));
            sum += w;
        }
        if (sum == 0) {  // a target between two far-apart sources: the nearest
            c.first = std::clamp(int(std::lround(centre)), 0, source - 1);
            c.weights.assign(1, 1.0f);
            continue;
        }
        for (float& w : c.weights) w = float(w / sum);
    }
    return out;
}

uint8_t ToByte(float v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); }

// ------------------------------------------------------------ palette

struct ColourCount {
    uint32_t colour;
    uint32_t count;
};

int Channel(uint32_t colour, int c) { return int((colour >> (16 - 8 * c)) & 0xFF); }

struct Box {
    size_t begin, end;  // into the colour list
    int longest = 0;    // channel with the widest range
    int range = 0;
};

void Measure(Box& box, const std::vector<ColourCount>& colours) {
    int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
    for (size_t k = box.begin; k < box.end; ++k)
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], Channel(colours[k].colour, c));
            hi[c] = std::max(hi[c], Channel(colours[k].colour, c));
        }
    box.range = -1;
    for (int c = 0; c < 3; ++c)
        if (hi[c] - lo[c] > box.range) {
            box.range = hi[c] - lo[c];
            box.longest = c;
        }
}

}  // namespace

TBitmap DecodePng(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) throw EBitmapError(kPngUnreadable);
    if (image.width == 0 || image.height == 0 || image.width > uint32_t(kMaxJpegSide) ||
        image.height > uint32_t(kMaxJpegSide)) {
        png_image_free(&image);
        throw EBitmapError(kJpegTooLarge);
    }
    TBitmap picture(int(image.width), int(image.height));
    png_color black{0, 0, 0};
    image.format = PNG_FORMAT_BGR;  // composed on black: the logo files have no transparency
    std::vector<uint8_t> rows(size_t(image.width) * image.height * 3);
    if (!png_image_finish_read(&image, &black, rows.data(), 0, nullptr)) {
        png_image_free(&image);
        throw EBitmapError(kPngUnreadable);
    }
    for (int y = 0; y < picture.Height(); ++y) {
        uint32_t* out = picture.Scanline(y);
        const uint8_t* in = rows.data() + size_t(y) * image.width * 3;
        for (int x = 0; x < picture.Width(); ++x)
            out[x] = 0xFF000000u | uint32_t(in[3 * x + 2]) << 16 | uint32_t(in[3 * x + 1]) << 8 | in[3 * x];
    }
    return picture;
}

TBitmap LoadPictureFile(const std::string& path, int minWidth, int minHeight) {
    const std::optional<std::string> bytes = platform::Get().files().ReadFile(path);
    if (!bytes) throw EBitmapError("Datei " + path + " kann nicht geöffnet werden");
    const std::string ext = UpperExtension(path);
    if (ext == ".BMP" || ext == ".DIB" || ext == ".RLE") return TBitmap::FromBmp(*bytes);
    if (ext == ".JPG" || ext == ".JPEG" || ext == ".JPE" || ext == ".JFIF")
        return DecodeJpeg(*bytes, minWidth, minHeight);
    if (ext == ".PNG") return DecodePng(*bytes);
    if (bytes->size() >= 8 && bytes->compare(0, 4, "\x89PNG") == 0) return DecodePng(*bytes);
    return LoadPictureBytes(*bytes);
}

TBitmap Resample(const TBitmap& picture, int width, int height, TResampleFilter filter) {
    if (picture.Empty() || width <= 0 || height <= 0) return TBitmap();
    const int sw = picture.Width(), sh = picture.Height();
    const std::vector<Contribution> across = Contributions(sw, width, filter);
    const std::vector<Contribution> down = Contributions(sh, height, filter);
    // Across first, into floats of three channels, then down.
    std::vector<float> middle(size_t(width) * sh * 3);
    for (int y = 0; y < sh; ++y) {
        const uint32_t* in = picture.Scanline(y);
        float* out = middle.data() + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            const Contribution& c = across[x];
            float r = 0, g = 0, b = 0;
            for (size_t k = 0; k < c.weights.size(); ++k) {
                const uint32_t p = in[c.first + int(k)];
                const float w = c.weights[k];
                r += w * float((p >> 16) & 0xFF);
                g += w * float((p >> 8) & 0xFF);
                b += w * float(p & 0xFF);
            }
            out[3 * x] = r;
            out[3 * x + 1] = g;
            out[3 * x + 2] = b;
        }
    }
    TBitmap result(width, height);
    for (int y = 0; y < height; ++y) {
        const Contribution& c = down[y];
        uint32_t* out = result.Scanline(y);
        for (int x = 0; x < width; ++x) {
            float r = 0, g = 0, b = 0;
            for (size_t k = 0; k < c.weights.size(); ++k) {
                const float* in = middle.data() + (size_t(c.first + int(k)) * width + x) * 3;
                const float w = c.weights[k];
                r += w * in[0];
                g += w * in[1];
                b += w * in[2];
            }
            out[x] = 0xFF000000u | uint32_t(ToByte(r)) << 16 | uint32_t(ToByte(g)) << 8 | ToByte(b);
        }
    }
    return result;
}

TPalettePicture ReduceTo256(const TBitmap& picture) {
    TPalettePicture out;
    out.width = picture.Width();
    out.height = picture.Height();
    std::unordered_map<uint32_t, uint32_t> histogram;
    for (uint32_t p : picture.Pixels()) ++histogram[p & 0xFFFFFF];
    std::vector<ColourCount> colours;
    colours.reserve(histogram.size());
    for (const auto& [colour, count] : histogram) colours.push_back({colour, count});
    std::sort(colours.begin(), colours.end(),
              [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

    std::unordered_map<uint32_t, uint8_t> index;
    if (colours.size() <= 256) {
        for (size_t k = 0; k < colours.size(); ++k) {
            out.palette.push_back(0xFF000000u | colours[k].colour);
            index[colours[k].colour] = uint8_t(k);
        }
    } else {
        // Median cut: split the box of the widest colour range at the
        // median of its pixels until there are 256 boxes.
        std::vector<Box> boxes{{0, colours.size()}};
        Measure(boxes[0], colours);
        while (boxes.size() < 256) {
            auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                return (a.end - a.begin < 2 ? -1 : a.range) < (b.end - b.begin < 2 ? -1 : b.range);
            });
            if (widest->end - widest->begin < 2) break;
            Box box = *widest;
            const int c = box.longest;
            std::sort(colours.begin() + long(box.begin), colours.begin() + long(box.end),
                      [c](const ColourCount& a, const ColourCount& b) {
                          return Channel(a.colour, c) < Channel(b.colour, c);
                      });
            uint64_t total = 0;
            for (size_t k = box.begin; k < box.end; ++k) total += colours[k].count;
            uint64_t seen = 0;
            size_t split = box.begin + 1;
            for (size_t k = box.begin; k < box.end - 1; ++k) {
                seen += colours[k].count;
                split = k + 1;
                if (seen * 2 >= total) break;
            }
            Box low{box.begin, split}, high{split, box.end};
            Measure(low, colours);
            Measure(high, colours);
            *widest = low;
            boxes.push_back(high);
        }
        for (const Box& box : boxes) {
            double sum[3] = {0, 0, 0};
            uint64_t total = 0;
            for (size_t k = box.begin; k < box.end; ++k) {
                for (int c = 0; c < 3; ++c) sum[c] += double(Channel(colours[k].colour, c)) * colours[k].count;
                total += colours[k].count;
            }
            uint32_t colour = 0xFF000000u;
            for (int c = 0; c < 3; ++c) colour |= uint32_t(std::lround(sum[c] / double(total))) << (16 - 8 * c);
            out.palette.push_back(colour);
        }
        // Each colour takes the colour of its own box.
        for (size_t b = 0; b < boxes.size(); ++b)
            for (size_t k = boxes[b].begin; k < boxes[b].end; ++k) index[colours[k].colour] = uint8_t(b);
    }
    out.palette.resize(256, 0xFF000000u);
    out.indices.reserve(picture.Pixels().size());
    for (uint32_t p : picture.Pixels()) out.indices.push_back(index[p & 0xFFFFFF]);
    return out;
}

std::string ToBmp8(const TPalettePicture& picture) {
    const uint32_t stride = (uint32_t(picture.width) + 3) & ~3u;
    const uint32_t dataAt = 14 + 40 + 256 * 4;
    const uint32_t size = dataAt + stride * uint32_t(picture.height);
    std::string b;
    b.reserve(size);
    auto u16 = [&](uint32_t v) {
        b.push_back(char(v & 0xFF));
        b.push_back(char((v >> 8) & 0xFF));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    b += "BM";
    u32(size);
    u32(0);
    u32(dataAt);
    u32(40);  // BITMAPINFOHEADER
    u32(uint32_t(picture.width));
    u32(uint32_t(picture.height));  // bottom-up
    u16(1);
    u16(8);
    u32(0);  // BI_RGB
    u32(stride * uint32_t(picture.height));
    u32(3780);  // 96 dpi
    u32(3780);
    u32(256);
    u32(0);
    for (size_t k = 0; k < 256; ++k) {
        const uint32_t c = k < picture.palette.size() ? picture.palette[k] : 0;
        b.push_back(char(c & 0xFF));
        b.push_back(char((c >> 8) & 0xFF));
        b.push_back(char((c >> 16) & 0xFF));
        b.push_back('\0');
    }
    for (int y = picture.height - 1; y >= 0; --y) {
        const uint8_t* row = picture.indices.data() + size_t(y) * picture.width;
        b.append(reinterpret_cast<const char*>(row), size_t(picture.width));
        b.append(stride - uint32_t(picture.width), '\0');
    }
    return b;
}

}  // namespace widgets
