// The GDI fonts of the components' fonts, made once per look and kept
// until the peer layer goes.
#pragma once

#include <map>
#include <string>

#include "widgets/font.h"
#include "widgets/win32/gdi_object.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class FontCache {
public:
    HFONT Get(const TFont& font);
    // The brush of a colour (system colours through GetSysColor).
    HBRUSH Brush(TColor color);

private:
    std::map<std::string, GdiObject<HFONT>> fonts_;
    std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
};

// The COLORREF of a component colour.
COLORREF ToColorRef(TColor color);

}  // namespace widgets::win32
