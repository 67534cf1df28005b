// The components of the settings pages: fused and flat check boxes, the
// effect button and the morph button.
#include <gtest/gtest.h>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/ep_ef_tr_btn.h"
#include "widgets/ep_morph_button.h"
#include "widgets/flat_check_box.h"
#include "widgets/form.h"
#include "widgets/fused_check_box.h"
#include "widgets/make_control.h"

namespace widgets_test {
namespace {

using namespace widgets;

class PageComponentsTest : public WidgetsTest {
protected:
    PageComponentsTest() {
        form->SetColor(clSilver);
        form->Show();
    }
    Owned<TForm> form{CreateForm<TForm>(nullptr)};
};

TEST_F(PageComponentsTest, AFusedCheckBoxTakesItsParentsColourAndAFlatOneIsTransparent) {
    auto* fused = MakeControl<TFusedCheckBox>(form.get(), form.get(), "FusedCheckBox1", 5, 5, 100, 17);
    EXPECT_EQ(fused->Color(), clSilver);
    form->SetColor(clWhite);
    EXPECT_EQ(fused->Color(), clWhite);
    EXPECT_FALSE(fused->Transparent());
    auto* flat = MakeControl<TFlatCheckBox>(form.get(), form.get(), "FlatCheckBox1", 5, 30, 100, 17);
    EXPECT_TRUE(flat->Transparent());
    int clicks = 0;
    flat->OnClick = [&](TComponent*) { ++clicks; };
    flat->PerformClick();
    EXPECT_TRUE(flat->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST_F(PageComponentsTest, AnEffectButtonLightsWhileTheMouseIsOverItAndClicks) {
    auto* button = MakeControl<TepEfTrBtn>(form.get(), form.get(), "epEfTrBtn1", 10, 10, 124, 89);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    EXPECT_EQ(button->Cursor(), crHandPoint);
    EXPECT_FALSE(button->Lit());
    button->MouseEnter();
    EXPECT_TRUE(button->Lit());
    button->MouseDown(mbLeft, 5, 5);
    EXPECT_TRUE(button->Sunken());
    button->MouseUp(mbLeft, 5, 5);
    EXPECT_FALSE(button->Sunken());
    button->MouseLeave();
    EXPECT_FALSE(button->Lit());
    button->PerformClick();
    EXPECT_GE(clicks, 1);
    button->SetEnabled(false);
    button->MouseEnter();
    EXPECT_FALSE(button->Lit());
}

TEST_F(PageComponentsTest, AMorphButtonStepsToItsLastFrameAndBack) {
    auto* button = MakeControl<TepMorphButton>(form.get(), form.get(), "epMorphButton1", 10, 10, 32, 32);
    std::vector<TBitmap> frames;
    for (uint32_t k = 0; k < 4; ++k) frames.emplace_back(32, 32, 0xFF000000 | (k * 0x40));
    button->SetFrames(frames);
    ASSERT_NE(button->OwnPicture(), nullptr);
    EXPECT_EQ(*button->OwnPicture(), frames[0]);
    button->MouseEnter();
    Advance(400);
    EXPECT_EQ(button->Frame(), 3);
    button->MouseLeave();
    Advance(60);
    EXPECT_GT(button->Frame(), 0);
    Advance(400);
    EXPECT_EQ(button->Frame(), 0);
}

}  // namespace
}  // namespace widgets_test

#include "widgets/radio_button.h"

namespace widgets_test {
namespace {

TEST_F(PageComponentsTest, ArrowKeysMoveBetweenTheRadioButtonsOfAGroup) {
    std::vector<widgets::TRadioButton*> radios;
    for (int k = 0; k < 3; ++k)
        radios.push_back(widgets::MakeControl<widgets::TRadioButton>(
            form.get(), form.get(), "Radio" + std::to_string(k), 5, 5 + 20 * k, 100, 17));
    radios[1]->SetEnabled(false);
    radios[0]->SetChecked(true);
    radios[0]->SetFocus();
    EXPECT_EQ(radios[0]->KeyDown(0x28), 0);  // down skips the disabled one
    EXPECT_TRUE(radios[2]->Checked());
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[2]->Focused());
    radios[2]->KeyDown(0x27);  // right, round to the first
    EXPECT_TRUE(radios[0]->Checked());
    radios[0]->KeyDown(0x26);  // up, round to the last
    EXPECT_TRUE(radios[2]->Checked());
}

}  // namespace
}  // namespace widgets_test

#include "widgets/page_control.h"
#include "widgets/tab_sheet.h"

namespace widgets_test {
namespace {

TEST_F(PageComponentsTest, ATabSheetLiesBelowItsTabRow) {
    auto* control = widgets::MakeControl<widgets::TPageControl>(form.get(), form.get(), "PageControl1", 0, 0, 300, 200);
    auto* sheet = widgets::CreateComponent<widgets::TTabSheet>(form.get());
    sheet->SetCaption("Allgemein");
    sheet->SetPageControl(control);
    control->SetActivePage(sheet);
    EXPECT_GE(sheet->Top(), 20);
    EXPECT_LE(sheet->Top() + sheet->Height(), 200);
    EXPECT_LT(sheet->Height(), 200 - 20);
    EXPECT_GT(sheet->Left(), 0);
}

}  // namespace
}  // namespace widgets_test
