#include "widgets/region.h"

#include <algorithm>

#include "widgets/errors.h"

namespace widgets {

namespace {

constexpr uint32_t kHeaderSize = 32;
constexpr uint32_t kRdhRectangles = 1;
constexpr uint32_t kRectSize = 16;

uint32_t U32(const std::string& b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}

TRect RectAt(const std::string& b, size_t at) {
    return TRect{static_cast<int32_t>(U32(b, at)), static_cast<int32_t>(U32(b, at + 4)),
                 static_cast<int32_t>(U32(b, at + 8)), static_cast<int32_t>(U32(b, at + 12))};
}

void Put32(std::string& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b += char((v >> (8 * i)) & 0xFF);
}

void PutRect(std::string& b, const TRect& r) {
    Put32(b, static_cast<uint32_t>(r.left));
    Put32(b, static_cast<uint32_t>(r.top));
    Put32(b, static_cast<uint32_t>(r.right));
    Put32(b, static_cast<uint32_t>(r.bottom));
}

[[noreturn]] void Bad(const char* why) { throw ERegionError(std::string("Fensterregion ungültig: ") + why); }

}  // namespace

RegionData ParseRegionBlock(const std::string& block) {
    if (block.size() < 4) Bad("Längenangabe fehlt");
    const uint32_t length = U32(block, 0);
    if (length > block.size() - 4) Bad("Daten kürzer als angegeben");
    if (length < kHeaderSize) Bad("Kopf unvollständig");
    if (U32(block, 4) != kHeaderSize) Bad("falsche Kopfgröße");
    if (U32(block, 8) != kRdhRectangles) Bad("keine Rechteckliste");
    const uint32_t count = U32(block, 12);
    if (count > (length - kHeaderSize) / kRectSize) Bad("mehr Rechtecke angegeben als vorhanden");
    RegionData data;
    data.bound = RectAt(block, 4 + 16);
    data.rects.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const TRect r = RectAt(block, 4 + kHeaderSize + size_t(i) * kRectSize);
        if (r.right < r.left || r.bottom < r.top) Bad("verkehrtes Rechteck");
        data.rects.push_back(r);
    }
    return data;
}

std::string BuildRegionBlock(const std::vector<TRect>& rects) {
    TRect bound;
    if (!rects.empty()) {
        bound = rects.front();
        for (const TRect& r : rects) {
            bound.left = std::min(bound.left, r.left);
            bound.top = std::min(bound.top, r.top);
            bound.right = std::max(bound.right, r.right);
            bound.bottom = std::max(bound.bottom, r.bottom);
        }
    }
    const uint32_t rectBytes = static_cast<uint32_t>(rects.size()) * kRectSize;
    std::string block;
    Put32(block, kHeaderSize + rectBytes);
    Put32(block, kHeaderSize);
    Put32(block, kRdhRectangles);
    Put32(block, static_cast<uint32_t>(rects.size()));
    Put32(block, rectBytes);
    PutRect(block, bound);
    for (const TRect& r : rects) PutRect(block, r);
    return block;
}

bool RegionContains(const std::vector<TRect>& rects, int x, int y) {
    return std::any_of(rects.begin(), rects.end(), [x, y](const TRect& r) { return r.Contains(x, y); });
}

}  // namespace widgets
