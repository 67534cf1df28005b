#include "widgets/label.h"

#include <algorithm>
#include <set>

#include "widgets/peer_factory.h"

namespace widgets {

namespace {

// The labels that exist, for RemeasureLabels.
std::set<TLabel*>& LiveLabels() {
    static std::set<TLabel*> labels;
    return labels;
}

}  // namespace

TLabel::TLabel(TComponent* owner) : TControl(owner) {
    SetParentColor(true);
    LiveLabels().insert(this);
}

TLabel::~TLabel() { LiveLabels().erase(this); }

void RemeasureLabels() {
    // A repaint cannot make or free labels, but a copy costs little.
    const std::set<TLabel*> labels = LiveLabels();
    for (TLabel* label : labels) {
        if (label->IsDestroying() || !label->AutoSize()) continue;
        label->AdjustSize();
        label->Invalidate();
    }
}

void TLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    PeerChanged(PeerProperty::WordWrap);
    AdjustSize();
    Invalidate();
}

void TLabel::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    PeerChanged(PeerProperty::Alignment);
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout) {
    if (layout == layout_) return;
    layout_ = layout;
    StyleChanged();
}

void TLabel::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    StyleChanged();
}

void TLabel::SetShowAccelChar(bool show) {
    if (show == showAccelChar_) return;
    showAccelChar_ = show;
    StyleChanged();
}

void TLabel::StyleChanged() {
    PeerChanged(PeerProperty::Style);
    Invalidate();
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    AdjustSize();
    Invalidate();
}

std::vector<std::string> TLabel::Lines() const {
    std::vector<std::string> hard;
    std::string current;
    const std::string& text = Caption();
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            hard.push_back(current);
            current.clear();
            continue;
        }
        current += c;
    }
    hard.push_back(current);
    if (!wordWrap_) return hard;

    std::vector<std::string> lines;
    for (const std::string& line : hard) {
        std::string row;
        size_t at = 0;
        while (at <= line.size()) {
            size_t end = line.find(' ', at);
            if (end == std::string::npos) end = line.size();
            const std::string word = line.substr(at, end - at);
            const std::string candidate = row.empty() ? word : row + " " + word;
            if (!row.empty() && TextExtent(Font(), candidate).cx > Width()) {
                lines.push_back(row);
                row = word;
            } else {
                row = candidate;
            }
            at = end + 1;
        }
        lines.push_back(row);
    }
    return lines;
}

void TLabel::AdjustSize() {
    if (!autoSize_ || IsDestroying()) return;
    if (wordWrap_) {
        const int lineHeight = TextExtent(Font(), "Ag").cy;
        SetBounds(Left(), Top(), Width(), lineHeight * static_cast<int>(Lines().size()));
        return;
    }
    const TSize size = TextExtent(Font(), Caption().empty() ? std::string(" ") : Caption());
    // A right-aligned label keeps its right edge, a centred one its middle.
    int left = Left();
    if (alignment_ == taRightJustify)
        left = Left() + Width() - size.cx;
    else if (alignment_ == taCenter)
        left = Left() + (Width() - size.cx) / 2;
    SetBounds(left, Top(), size.cx, size.cy);
}

}  // namespace widgets
