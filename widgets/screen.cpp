#include "widgets/screen.h"

namespace widgets {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TSize TScreen::FrameExtra(TFormBorderStyle style) const { return frames_[style]; }

void TScreen::SetFrameExtra(TFormBorderStyle style, TSize extra) { frames_[style] = extra; }

void TScreen::Reset() { *this = TScreen(); }

}  // namespace widgets
