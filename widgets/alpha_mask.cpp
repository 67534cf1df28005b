#include "widgets/alpha_mask.h"

#include <algorithm>

namespace widgets {

namespace {

// One pass of a box blur along a line of n values step apart.
void BoxPass(std::vector<uint32_t>& line, int radius) {
    const int n = static_cast<int>(line.size());
    std::vector<uint32_t> sums(n + 1, 0);
    for (int i = 0; i < n; ++i) sums[i + 1] = sums[i] + line[i];
    const uint32_t box = uint32_t(2 * radius + 1);
    for (int i = 0; i < n; ++i) {
        const int lo = std::max(i - radius, 0), hi = std::min(i + radius + 1, n);
        line[i] = (sums[hi] - sums[lo] + box / 2) / box;
    }
}

}  // namespace

AlphaMask::AlphaMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), coverage_(static_cast<size_t>(width_) * height_, 0) {}

uint8_t AlphaMask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return coverage_[static_cast<size_t>(y) * width_ + x];
}

void AlphaMask::Set(int x, int y, uint8_t coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    coverage_[static_cast<size_t>(y) * width_ + x] = coverage;
}

AlphaMask AlphaMask::FromPixels(const uint32_t* rows, ptrdiff_t stride, int width, int height) {
    AlphaMask mask(width, height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = rows + stride * y;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            mask.coverage_[static_cast<size_t>(y) * width + x] =
                static_cast<uint8_t>(std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}));
        }
    }
    return mask;
}

AlphaMask AlphaMask::Blurred(int radius) const {
    radius = std::max(radius, 0);
    AlphaMask out(width_ + 2 * radius, height_ + 2 * radius);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.Set(x + radius, y + radius, At(x, y));
    if (radius == 0) return out;
    std::vector<uint32_t> line;
    for (int pass = 0; pass < 2; ++pass) {
        line.resize(out.width_);
        for (int y = 0; y < out.height_; ++y) {
            for (int x = 0; x < out.width_; ++x) line[x] = out.At(x, y);
            BoxPass(line, radius);
            for (int x = 0; x < out.width_; ++x) out.Set(x, y, static_cast<uint8_t>(line[x]));
        }
        line.resize(out.height_);
        for (int x = 0; x < out.width_; ++x) {
            for (int y = 0; y < out.height_; ++y) line[y] = out.At(x, y);
            BoxPass(line, radius);
            for (int y = 0; y < out.height_; ++y) out.Set(x, y, static_cast<uint8_t>(line[y]));
        }
    }
    return out;
}

void AlphaMask::DrawOnto(uint32_t* rows, ptrdiff_t stride, int width, int height, int x, int y, uint32_t color,
                         int opacityPercent) const {
    const uint32_t opacity = uint32_t(std::clamp(opacityPercent, 0, 100));
    const uint32_t cr = (color >> 16) & 0xFF, cg = (color >> 8) & 0xFF, cb = color & 0xFF;
    for (int my = 0; my < height_; ++my) {
        const int ty = y + my;
        if (ty < 0 || ty >= height) continue;
        uint32_t* row = rows + stride * ty;
        for (int mx = 0; mx < width_; ++mx) {
            const int tx = x + mx;
            if (tx < 0 || tx >= width) continue;
            // Weight out of 25500: coverage (0..255) times opacity (0..100).
            const uint32_t a = uint32_t(At(mx, my)) * opacity;
            if (a == 0) continue;
            const uint32_t p = row[tx], rest = 25500 - a;
            const uint32_t r = (((p >> 16) & 0xFF) * rest + cr * a + 12750) / 25500;
            const uint32_t g = (((p >> 8) & 0xFF) * rest + cg * a + 12750) / 25500;
            const uint32_t b = ((p & 0xFF) * rest + cb * a + 12750) / 25500;
            row[tx] = (p & 0xFF000000u) | r << 16 | g << 8 | b;
        }
    }
}

}  // namespace widgets
