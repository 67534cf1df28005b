#include "widgets/win32/font_cache.h"

namespace widgets::win32 {

COLORREF ToColorRef(TColor color) {
    if (color & clSystemColor) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color & 0xFFFFFF);
}

HFONT FontCache::Get(const TFont& font) {
    const TFontStyles& style = font.Style();
    const std::string key = font.Name() + "|" + std::to_string(font.Height()) + "|" + (style.bold ? "b" : "") +
                            (style.italic ? "i" : "") + (style.underline ? "u" : "");
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second.Get();
    LOGFONTA logFont = {};
    logFont.lfHeight = font.Height();
    logFont.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = style.italic ? TRUE : FALSE;
    logFont.lfUnderline = style.underline ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    // After a font change the request differs a little, so that a face
    // realised before the change is not found again in the system's cache
    // of realised fonts (Wine keeps one across AddFontResource).
    logFont.lfOutPrecision = refreshed_ ? OUT_TT_PRECIS : OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(logFont.lfFaceName, font.Name().c_str(), LF_FACESIZE);
    HFONT handle = CreateFontIndirectA(&logFont);
    if (!handle)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    else
        fonts_[key].Reset(handle);
    return handle;
}

HBRUSH FontCache::Brush(TColor color) {
    const COLORREF ref = ToColorRef(color);
    auto it = brushes_.find(ref);
    if (it != brushes_.end()) return it->second.Get();
    HBRUSH brush = CreateSolidBrush(ref);
    brushes_[ref].Reset(brush);
    return brush;
}

void FontCache::Refresh() {
    refreshed_ = true;
    for (auto& entry : fonts_) retired_.push_back(std::move(entry.second));
    fonts_.clear();
}

}  // namespace widgets::win32
