// The Win32 peers under Wine: real windows for the components, their state
// following the component and the user's input coming back to it. Only in
// the Windows builds.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/widgets/win32_fixture.h"
#include "widgets/bitmap_button.h"
#include "widgets/blend_transition.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/form_container.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/region.h"
#include "widgets/spin_edit.h"
#include "widgets/timer.h"
#include "widgets/win32/win32_widgets.h"
#include "widgets/win32/window_peer.h"

namespace widgets_test {
namespace {

using namespace widgets;
using widgets::win32::WindowPeer;

class Win32PeersTest : public Win32Test {
protected:
    TForm& Form() {
        TForm& form = MakeForm(300, 200);
        form.SetColor(clSilver);
        return form;
    }

    template <class T>
    T* Add(int left, int top, int width, int height) {
        T* control = new T(&Form());
        control->SetParent(&Form());
        control->SetBounds(left, top, width, height);
        return control;
    }
};

TEST_F(Win32PeersTest, ShownFormsGetWindowsThatFollowTheComponents) {
    NEED_WINDOWS();
    TCheckBox* box = Add<TCheckBox>(10, 10, 150, 17);
    box->SetCaption("Soft Scrolling");
    TLabel* label = Add<TLabel>(10, 40, 100, 13);
    EXPECT_EQ(HandleOf(box), nullptr);
    Form().Show();
    ASSERT_NE(HandleOf(&Form()), nullptr);
    ASSERT_NE(HandleOf(box), nullptr);
    EXPECT_EQ(label->Peer(), nullptr) << "the form paints its labels";
    EXPECT_TRUE(IsWindowVisible(HandleOf(&Form())));
    EXPECT_EQ(GetParent(HandleOf(box)), HandleOf(&Form()));

    box->SetChecked(true);
    EXPECT_EQ(SendMessageA(HandleOf(box), BM_GETCHECK, 0, 0), BST_CHECKED);
    char caption[64] = {};
    GetWindowTextA(HandleOf(box), caption, sizeof caption);
    EXPECT_STREQ(caption, "Soft Scrolling");
    box->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(HandleOf(box)));
    Form().Hide();
    EXPECT_FALSE(IsWindowVisible(HandleOf(&Form())));
}

TEST_F(Win32PeersTest, TheUsersInputReachesTheComponents) {
    NEED_WINDOWS();
    TCheckBox* box = Add<TCheckBox>(10, 10, 150, 17);
    TEdit* edit = Add<TEdit>(10, 40, 150, 21);
    TSpinEdit* spin = Add<TSpinEdit>(10, 70, 60, 21);
    int clicks = 0, changes = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    edit->OnChange = [&](TComponent*) { ++changes; };
    Form().Show();

    SendMessageA(HandleOf(box), BM_CLICK, 0, 0);
    PumpWindows();
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageA(HandleOf(box), BM_GETCHECK, 0, 0), BST_CHECKED);

    SetWindowTextA(HandleOf(edit), "Halvorn");
    EXPECT_EQ(edit->Text(), "Halvorn");
    EXPECT_EQ(changes, 1);
    edit->SetText("Quellwerk");
    EXPECT_EQ(changes, 2) << "no echo from the window";
    char text[64] = {};
    GetWindowTextA(HandleOf(edit), text, sizeof text);
    EXPECT_STREQ(text, "Quellwerk");

    spin->SetText("");
    SendMessageA(HandleOf(spin), WM_CHAR, 'x', 0);
    SendMessageA(HandleOf(spin), WM_CHAR, '7', 0);
    EXPECT_EQ(spin->Text(), "7") << "the spin edit refuses letters";
}

TEST_F(Win32PeersTest, TheFormPaintsItsPicturesAndPassesClicksToThem) {
    NEED_WINDOWS();
    Form().SetBorderStyle(bsNone);
    TImage* image = Add<TImage>(0, 0, 300, 200);
    image->SetPicture(TBitmap(300, 200, 0xFF0000FFu));
    TBitmapButton* button = Add<TBitmapButton>(200, 150, 40, 20);
    button->SetPictureNormal(TBitmap(40, 20, 0xFF00FF00u));
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    Form().Show();
    UpdateWindow(HandleOf(&Form()));
    PumpWindows();

    const TBitmap shot = Form().Peer()->Capture();
    ASSERT_EQ(shot.Width(), 300);
    EXPECT_EQ(shot.Pixel(10, 10) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shot.Pixel(210, 160) & 0xFFFFFF, 0x00FF00u);

    SendMessageA(HandleOf(&Form()), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(210, 160));
    SendMessageA(HandleOf(&Form()), WM_LBUTTONUP, 0, MAKELPARAM(210, 160));
    EXPECT_EQ(clicks, 1);
    SendMessageA(HandleOf(&Form()), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(HandleOf(&Form()), WM_LBUTTONUP, 0, MAKELPARAM(210, 160));
    EXPECT_EQ(clicks, 1) << "a press elsewhere is no click";
}

TEST_F(Win32PeersTest, TheWindowTakesTheOutlineOfItsRegion) {
    NEED_WINDOWS();
    Form().SetRegion({{0, 0, 300, 100}, {50, 100, 250, 200}});
    Form().Show();
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(HandleOf(&Form()), region), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(region, 10, 50));
    EXPECT_FALSE(PtInRegion(region, 10, 150));
    DeleteObject(region);
}

TEST_F(Win32PeersTest, TimersRunOnWindowMessages) {
    NEED_WINDOWS();
    TTimer* timer = new TTimer(&Form());
    timer->SetInterval(20);
    int fired = 0;
    timer->OnTimer = [&](TComponent*) { ++fired; };
    EXPECT_EQ(TimerScheduler::Global().Count(), 0u) << "not on the headless scheduler";
    // A bounded wait for the message, not a fixed sleep.
    const DWORD start = GetTickCount();
    while (fired < 2 && GetTickCount() - start < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpWindows();
    }
    EXPECT_GE(fired, 2);
    timer->SetEnabled(false);
    const int stopped = fired;
    PumpWindows();
    EXPECT_EQ(fired, stopped);
}

TEST_F(Win32PeersTest, ThePageContainerBlendsOnTheScreen) {
    NEED_WINDOWS();
    struct TPage : TForm {
        explicit TPage(TComponent* o) : TForm(o) {
            SetBorderStyle(bsNone);
            SetColor(clWhite);
        }
    };
    TFormContainer* container = Add<TFormContainer>(0, 0, 300, 200);
    Form().Show();
    struct TickClock : BlendClock {
        uint32_t Now() override { return GetTickCount(); }
        void Wait(uint32_t ms) override { Sleep(ms); }
    } clock;
    TBlendTransition transition(nullptr);
    transition.SetClock(&clock);
    transition.SetDuration(60);
    container->ShowForm(container->CreateForm<TPage>(), true, &transition);
    container->ShowForm(container->CreateForm<TPage>(), true, &transition);
    EXPECT_GE(container->LastTransitionFrames(), 1);
    PumpWindows();
    EXPECT_EQ(container->ComponentCount(), 1);
}

}  // namespace
}  // namespace widgets_test

#endif  // _WIN32
