// The GDI fonts of the components' fonts, made once per look and kept
// until the peer layer goes.
#pragma once

#include <map>
#include <vector>
#include <string>

#include "widgets/font.h"
#include "widgets/win32/gdi_object.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

class FontCache {
public:
    HFONT Get(const TFont& font);
    // The system's fonts changed (a font was added or removed): later calls
    // of Get make fresh fonts, which map to what is installed now. The old
    // ones stay alive, since windows may still use them.
    void Refresh();
    // The brush of a colour (system colours through GetSysColor).
    HBRUSH Brush(TColor color);

private:
    std::map<std::string, GdiObject<HFONT>> fonts_;
    std::vector<GdiObject<HFONT>> retired_;
    bool refreshed_ = false;
    std::map<COLORREF, GdiObject<HBRUSH>> brushes_;
};

// The COLORREF of a component colour.
COLORREF ToColorRef(TColor color);

}  // namespace widgets::win32
