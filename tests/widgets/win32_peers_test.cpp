// The Win32 peers under Wine: real windows for the components, their state
// following the component and the user's input coming back to it. Only in
// the Windows builds.
#ifdef _WIN32

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/widgets/win32_fixture.h"
#include "widgets/bitmap_button.h"
#include "widgets/blend_transition.h"
#include "widgets/check_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/form_container.h"
#include "widgets/image.h"
#include "widgets/label.h"
#include "widgets/panel.h"
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

// The page change as the user sees it: the container's colour, read from
// the screen whenever the blend looks at its clock, goes from the old page
// to the new one through colours between them, without showing the new
// page first, in no more steps than the plan has, and arrives after about
// the blend's time.
TEST_F(Win32PeersTest, ThePageContainerCrossFadesOnTheScreen) {
    NEED_WINDOWS();
    struct TPage : TForm {
        TPage(TComponent* o, TColor color) : TForm(o) {
            SetBorderStyle(bsNone);
            SetColor(color);
        }
    };
    TFormContainer* container = Add<TFormContainer>(0, 0, 300, 200);
    Form().Show();
    container->ShowForm(container->CreateForm<TPage>(clWhite), true, nullptr);
    PumpWindows();

    struct Sample {
        uint32_t at;
        int red;  // mean over a few points spread across the container
    };
    struct SamplingClock : BlendClock {
        HWND window = nullptr;
        std::vector<Sample> samples;
        uint32_t Now() override {
            const uint32_t now = GetTickCount();
            // Without clipping the children away: what the screen shows there.
            HDC dc = GetDCEx(window, nullptr, DCX_CACHE);
            int sum = 0;
            for (int x : {30, 150, 270})
                for (int y : {20, 100, 180}) sum += GetRValue(GetPixel(dc, x, y));
            ReleaseDC(window, dc);
            samples.push_back({now, sum / 9});
            return now;
        }
        void Wait(uint32_t ms) override { Sleep(ms); }
    } clock;
    clock.window = HandleOf(container);
    TBlendTransition transition(nullptr);
    transition.SetClock(&clock);
    transition.SetDuration(810);
    container->ShowForm(container->CreateForm<TPage>(clBlack), true, &transition);
    clock.Now();  // the screen once the change is over

    ASSERT_FALSE(clock.samples.empty());
    EXPECT_EQ(clock.samples.front().red, 255) << "the old page stands when the blend starts";
    std::set<int> between;
    uint32_t arrived = 0;
    for (size_t i = 0; i < clock.samples.size(); ++i) {
        const Sample& s = clock.samples[i];
        if (i > 0) {
            EXPECT_LE(s.red, clock.samples[i - 1].red) << "sample " << i << ": the fade goes one way";
        }
        if (s.red > 0 && s.red < 255) between.insert(s.red);
        if (s.red == 0 && !arrived) arrived = s.at - clock.samples.front().at;
    }
    EXPECT_GE(between.size(), 8u) << "colours between the two pages showed";
    EXPECT_LE(between.size(), static_cast<size_t>(transition.StepCount() - 1)) << "no more steps than planned";
    EXPECT_GE(arrived, 800u);
    EXPECT_LE(arrived, 1300u);
    PumpWindows();
    EXPECT_EQ(container->ComponentCount(), 1);
    EXPECT_EQ(GetWindow(HandleOf(container), GW_CHILD), HandleOf(container->Form()))
        << "the window of the frames is gone";
}

// While the frames cover the container, the picture of the new page is
// painted off screen; it must be the page as the screen shows it once the
// frames are gone, standard controls and panels included, or the page
// would jump at the end of the blend.
TEST_F(Win32PeersTest, ThePictureBeneathTheFramesIsThePageAsShown) {
    NEED_WINDOWS();
    struct TPage : TForm {
        explicit TPage(TComponent* o) : TForm(o) {
            SetBorderStyle(bsNone);
            SetColor(clSilver);
            auto* panel = new TPanel(this);
            panel->SetParent(this);
            panel->SetBounds(10, 10, 120, 60);
            panel->SetColor(clWhite);
            auto* box = new TCheckBox(this);
            box->SetParent(panel);
            box->SetBounds(8, 8, 100, 17);
            box->SetCaption("Soft Scrolling");
            box->SetChecked(true);
            auto* edit = new TEdit(this);
            edit->SetParent(this);
            edit->SetBounds(150, 20, 120, 21);
            edit->SetText("C:\\WINDOWS");
            auto* label = new TLabel(this);
            label->SetParent(this);
            label->SetBounds(10, 100, 200, 13);
            label->SetCaption("Systemeinstellungen");
        }
    };
    TFormContainer* container = Add<TFormContainer>(0, 0, 300, 200);
    Form().Show();
    TForm* page = container->CreateForm<TPage>();
    container->ShowForm(page, true, nullptr);
    PumpWindows();
    const TBitmap shown = container->Peer()->Capture();
    ASSERT_EQ(shown.Width(), 300);

    container->Peer()->PaintFrame(TBitmap(300, 200, 0xFF000000u));
    const TBitmap beneath = container->Peer()->Capture();
    container->Peer()->EndFrames();
    ASSERT_EQ(beneath.Width(), 300);
    ASSERT_EQ(beneath.Height(), 200);
    int differ = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if ((shown.Pixel(x, y) & 0xFFFFFF) != (beneath.Pixel(x, y) & 0xFFFFFF)) ++differ;
    // A blinking caret or a focus frame may differ.
    EXPECT_LE(differ, 300 * 200 / 100) << differ << " pixels differ";
    EXPECT_EQ(beneath.Pixel(60, 30) & 0xFFFFFF, shown.Pixel(60, 30) & 0xFFFFFF) << "the panel";
}

}  // namespace
}  // namespace widgets_test

#endif  // _WIN32
