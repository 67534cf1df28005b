#include "widgets/font.h"

namespace widgets {

TFont::TFont(const TFont& other)
    : name_(other.name_), height_(other.height_), style_(other.style_), color_(other.color_) {}

TFont& TFont::operator=(const TFont& other) {
    if (this == &other || SameLook(other)) return *this;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
    return *this;
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size(int pixelsPerInch) const {
    const int pixels = height_ < 0 ? -height_ : height_;
    return (pixels * 72 + pixelsPerInch / 2) / pixelsPerInch;
}

void TFont::SetSize(int points, int pixelsPerInch) { SetHeight(-((points * pixelsPerInch + 36) / 72)); }

void TFont::SetStyle(const TFontStyles& style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

bool TFont::SameLook(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_;
}

void TFont::Changed() {
    if (OnChange) OnChange();
}

}  // namespace widgets
