// The window of a form: a top-level window, or a child window when the
// form is a page inside a page container.
#pragma once

#include "widgets/form.h"
#include "widgets/win32/container_peer.h"

namespace widgets::win32 {

class FormPeer : public ContainerPeer {
public:
    FormPeer(TForm& form, FontCache& fonts);

    // The window styles of a top-level form of the border style.
    static DWORD StyleOf(TFormBorderStyle border);
    static DWORD ExStyleOf(TFormBorderStyle border, TFormStyle style);

    void SetVisible(bool visible) override;
    void Changed(PeerProperty property) override;
    TBitmap Capture() override;
    void PaintFrame(const TBitmap& frame) override;
    void BeginWindowMove() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool TopLevel() const { return form_.Parent() == nullptr; }
    void ApplyRegion();
    void ApplyWindowState();

    TForm& form_;
};

}  // namespace widgets::win32
