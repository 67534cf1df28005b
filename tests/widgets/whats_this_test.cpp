#include "widgets/whats_this.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/bitmap_button.h"
#include "widgets/check_box.h"
#include "widgets/form.h"
#include "widgets/form_container.h"
#include "widgets/headless_help.h"
#include "widgets/panel.h"

namespace widgets_test {
namespace {

using namespace widgets;

// A page with a box that has a topic, a panel with one and a box inside
// the panel without one of its own.
class THelpPage : public TForm {
public:
    explicit THelpPage(TComponent* owner) : TForm(owner) {
        SetBorderStyle(bsNone);
        Box = new TCheckBox(this);
        Box->SetParent(this);
        Box->SetBounds(10, 10, 100, 17);
        Box->SetHelpContext(2081);
        Panel = new TPanel(this);
        Panel->SetParent(this);
        Panel->SetHelpContext(2079);
        Inner = new TCheckBox(this);
        Inner->SetParent(Panel);
        Bare = new TCheckBox(this);
        Bare->SetParent(this);
    }
    TCheckBox* Box;
    TPanel* Panel;
    TCheckBox* Inner;
    TCheckBox* Bare;  // no topic anywhere above it
};

class WhatsThisTest : public WidgetsTest {
protected:
    WhatsThisTest() {
        Application().HelpFile = "C:\\QW\\quellwerk.hlp";
        main->SetBorderStyle(bsNone);
        whatsThis = new TWhatsThis(main.get());
        modeButton = new TBitmapButton(main.get());
        modeButton->SetParent(main.get());
        modeButton->SetBounds(466, 8, 19, 19);
        modeButton->SetHelpContext(2040);
        modeButton->OnClick = [this](TComponent*) { whatsThis->EnterMode(); };
        container = new TFormContainer(main.get());
        container->SetParent(main.get());
        page = container->CreateForm<THelpPage>();
        container->ShowForm(page, true, nullptr);
        main->Show();
    }

    const std::vector<HelpCall>& Calls() { return HeadlessHelpRecorder().Calls(); }
    static HelpCall Popup(uint32_t context) { return HelpCall{"C:\\QW\\quellwerk.hlp", kHelpContextPopup, context}; }

    Owned<TForm> main{CreateForm<TForm>(nullptr)};
    TWhatsThis* whatsThis = nullptr;
    TBitmapButton* modeButton = nullptr;
    TFormContainer* container = nullptr;
    THelpPage* page = nullptr;
};

TEST_F(WhatsThisTest, AControlStandsForItsOwnContextOrThatOfItsNearestParent) {
    EXPECT_EQ(TWhatsThis::ContextOf(page->Box), 2081);
    EXPECT_EQ(TWhatsThis::ContextOf(page->Inner), 2079);
    EXPECT_EQ(TWhatsThis::ContextOf(page->Bare), 0);
    EXPECT_EQ(TWhatsThis::ContextOf(nullptr), 0);
}

TEST_F(WhatsThisTest, RightClickOffersTheMenuAndShowsTheTopic) {
    Headless().AnswerPopup(0);
    page->Inner->PerformRightClick();
    ASSERT_EQ(Headless().Popups().size(), 1u);
    EXPECT_EQ(Headless().Popups()[0], std::vector<std::string>({"Was ist das?"}));
    EXPECT_EQ(Calls(), std::vector<HelpCall>({Popup(2079)}));

    Headless().AnswerPopup(-1);  // dismissed
    page->Box->PerformRightClick();
    EXPECT_EQ(Calls().size(), 1u);

    page->Bare->PerformRightClick();  // nothing to offer
    EXPECT_EQ(Headless().Popups().size(), 2u);
}

TEST_F(WhatsThisTest, F1ShowsTheTopicOfTheFocusedControl) {
    page->Box->SetFocus();
    EXPECT_EQ(main->ActiveControl(), page->Box);
    page->Box->KeyDown(kVkF1);
    EXPECT_TRUE(whatsThis->ShowFocusedTopic());
    EXPECT_EQ(Calls(), std::vector<HelpCall>({Popup(2081), Popup(2081)}));
}

TEST_F(WhatsThisTest, InModeTheNextClickShowsTheTopicInsteadOfActing) {
    modeButton->PerformClick();
    EXPECT_TRUE(whatsThis->InMode());
    EXPECT_TRUE(Calls().empty());

    page->Box->PerformClick();
    EXPECT_FALSE(page->Box->Checked()) << "the click did not act";
    EXPECT_EQ(Calls(), std::vector<HelpCall>({Popup(2081)}));
    EXPECT_FALSE(whatsThis->InMode());

    page->Box->PerformClick();
    EXPECT_TRUE(page->Box->Checked());
    EXPECT_EQ(Calls().size(), 1u);

    modeButton->PerformClick();
    main->KeyDown(kVkEscape);
    EXPECT_FALSE(whatsThis->InMode());
}

}  // namespace
}  // namespace widgets_test
