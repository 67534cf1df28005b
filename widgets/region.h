// A window outline stored as a length-prefixed Win32 region-data block:
// a 4-byte little-endian byte count, then that many bytes of RGNDATA (a
// 32-byte RGNDATAHEADER with dwSize 32, iType RDH_RECTANGLES, nCount,
// nRgnSize and rcBound, followed by nCount RECTs of four 32-bit numbers).
#pragma once

#include <string>
#include <vector>

#include "widgets/types.h"

namespace widgets {

struct RegionData {
    TRect bound;
    std::vector<TRect> rects;
};

// Reads a block; raises ERegionError when it is short, its header is not
// the rectangles header, its counts do not fit the bytes or a rectangle is
// inverted. Bytes after the counted block are ignored.
RegionData ParseRegionBlock(const std::string& block);

// Writes the block for the rectangles (rcBound is their union).
std::string BuildRegionBlock(const std::vector<TRect>& rects);

// True when the point lies in one of the rectangles.
bool RegionContains(const std::vector<TRect>& rects, int x, int y);

}  // namespace widgets
