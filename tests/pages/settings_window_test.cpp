// The settings window: its layout, the boot page first, a fresh page on
// every click.
#include "pages/testunit.h"
#include "tests/pages/pages_fixture.h"

namespace pages_test {
namespace {

class SettingsWindowTest : public PageTest {
protected:
    SettingsWindowTest() { window = host->ShowPage<pages::TWnd_Settings>(); }
    const char* PageClass() const { return window->MainFormContainer->Form()->ClassName(); }
    pages::TWnd_Settings* window = nullptr;
};

TEST_F(SettingsWindowTest, IsLaidOutAsDesignedAndOpensOnTheBootPage) {
    // Its design, before a container fits it in.
    widgets::Owned<pages::TWnd_Settings> alone(widgets::CreateForm<pages::TWnd_Settings>(nullptr));
    window = alone.get();
    EXPECT_EQ(window->ClientWidth(), 453);
    EXPECT_EQ(window->ClientHeight(), 400);
    EXPECT_EQ(window->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(window->Color(), widgets::clSilver);
    EXPECT_FALSE(window->Scaled());
    const int lefts[4] = {7, 117, 227, 337};
    for (int k = 0; k < 4; ++k) {
        widgets::TBUImage* button = window->Buttons[k];
        EXPECT_EQ(button->Name(), "BUImage" + std::to_string(k + 1));
        EXPECT_EQ(button->BoundsRect(), widgets::Bounds(lefts[k], 7, 105, 26)) << k;
        EXPECT_EQ(button->Cursor(), widgets::crHandPoint);
        EXPECT_EQ(button->PictureNormal().Width(), 105) << k;
        EXPECT_EQ(button->PictureDown().Height(), 26) << k;
        EXPECT_NE(button->PictureNormal(), button->PictureDown()) << k;
    }
    EXPECT_EQ(window->MainFormContainer->BoundsRect(), widgets::Bounds(0, 33, 453, 367));
    EXPECT_FALSE(window->MainFormContainer->Bevelled());
    EXPECT_FALSE(window->MainFormContainer->FlickerFree());
    ASSERT_NE(window->BlendTransition, nullptr);
    EXPECT_TRUE(window->BlendTransition->Enabled());
    EXPECT_EQ(window->BlendTransition->Duration(), 400u);
    EXPECT_STREQ(PageClass(), "TFrm_Boot");
    EXPECT_EQ(window->MainFormContainer->Form()->ClientHeight(), 367);
}

TEST_F(SettingsWindowTest, AButtonShowsThePressedPictureOnlyWhileHeld) {
    widgets::TBUImage* button = window->Buttons[1];
    button->MouseEnter();
    button->MouseDown(widgets::mbLeft, 5, 5);
    EXPECT_EQ(button->CurrentPicture(), button->PictureDown());
    button->MouseUp(widgets::mbLeft, 5, 5);
    EXPECT_EQ(button->CurrentPicture(), button->PictureNormal());
}

TEST_F(SettingsWindowTest, EveryClickMakesAFreshPageOfItsClass) {
    const char* classes[4] = {"TFrm_Boot", "TFrm_Interface", "TFrm_System", "TFrm_More"};
    for (int k : {1, 2, 3, 0, 3}) {
        widgets::TForm* before = window->MainFormContainer->Form();
        window->Buttons[k]->PerformClick();
        EXPECT_STREQ(PageClass(), classes[k]);
        EXPECT_NE(window->MainFormContainer->Form(), before);
    }
}

}  // namespace
}  // namespace pages_test
