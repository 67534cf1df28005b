// The skin of a borderless window: a picture over the whole window that
// carries the window's outline (a region-data block) and, when pressed
// with the left mouse button, drags the window.
#pragma once

#include <string>
#include <vector>

#include "widgets/image.h"

namespace widgets {

class TCoolForm : public TImage {
public:
    explicit TCoolForm(TComponent* owner) : TImage(owner) {}

    const char* ClassName() const override { return "TCoolForm"; }

    // Reads a length-prefixed region-data block and gives the outline to
    // the form beneath; raises ERegionError for a damaged block (the
    // outline stays as it was).
    void SetRegionData(const std::string& block);
    const std::vector<TRect>& Rects() const { return rects_; }

    void SetParent(TWinControl* parent) override;

protected:
    void DoMouseDown(TMouseButton button, int x, int y) override;

private:
    void Apply();

    std::vector<TRect> rects_;
};

}  // namespace widgets
