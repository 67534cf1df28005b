// A control's font: face name, pixel height, style and colour.
#pragma once

#include <functional>
#include <string>

#include "widgets/types.h"

namespace widgets {

struct TFontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const TFontStyles& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline;
    }
    bool operator!=(const TFontStyles& o) const { return !(*this == o); }
};

class TFont {
public:
    TFont() = default;
    // Copies the look, not the change callback.
    TFont(const TFont& other);
    TFont& operator=(const TFont& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Pixel height as LOGFONT takes it: negative for the character height
    // (Tahoma 8 point at 96 dpi is -11).
    int Height() const { return height_; }
    void SetHeight(int height);
    // The size in points at the given screen resolution.
    int Size(int pixelsPerInch = 96) const;
    void SetSize(int points, int pixelsPerInch = 96);
    const TFontStyles& Style() const { return style_; }
    void SetStyle(const TFontStyles& style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    bool SameLook(const TFont& other) const;

    // Called after every change; the owning control sets it.
    std::function<void()> OnChange;

private:
    void Changed();

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_;
    TColor color_ = clWindowText;
};

}  // namespace widgets
