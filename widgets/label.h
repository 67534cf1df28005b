// A text on a form.
#pragma once

#include <string>
#include <vector>

#include "widgets/control.h"

namespace widgets {

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    const char* ClassName() const override { return "TLabel"; }

    // With AutoSize the label takes the size of its text; with WordWrap as
    // well, it keeps its width and takes the height of the wrapped lines.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // "&" marks the next letter as the access key.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

    // The lines as painted: broken at CR, LF or CR LF and, with WordWrap,
    // between words so that each fits the width.
    std::vector<std::string> Lines() const;
    // Sizes the label to its text when AutoSize is on.
    void AdjustSize();

protected:
    void TextChanged() override;
    void FontChanged() override;
    void StyleChanged();

private:
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool transparent_ = false;
    bool showAccelChar_ = true;
};

// The system's fonts, or the way it draws them, changed (a font was added
// for the run, font smoothing was switched): a label measured before would
// keep a size that no longer fits its text, so every label that sizes
// itself to its text measures it again and repaints.
void RemeasureLabels();

}  // namespace widgets
