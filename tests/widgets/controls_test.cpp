#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/bitmap_button.h"
#include "widgets/combo_box.h"
#include "widgets/edit.h"
#include "widgets/errors.h"
#include "widgets/form.h"
#include "widgets/gauge.h"
#include "widgets/image_combo_box.h"
#include "widgets/label.h"
#include "widgets/peer_factory.h"
#include "widgets/spin_edit.h"
#include "widgets/string_grid.h"
#include "widgets/track_bar.h"

namespace widgets_test {
namespace {

using namespace widgets;

class ControlsTest : public WidgetsTest {
protected:
    ControlsTest() { form->Show(); }

    template <class T>
    T* Add() {
        T* control = new T(form.get());
        control->SetParent(form.get());
        control->SetBounds(10, 10, 100, 22);
        return control;
    }

    testing_support::TestMachine machine;  // a refused character beeps through it
    Owned<TForm> form{CreateForm<TForm>(nullptr)};
};

TEST_F(ControlsTest, ASpinEditKeepsATypedValueUntilTheFieldIsLeft) {
    TSpinEdit* spin = Add<TSpinEdit>();
    TEdit* next = Add<TEdit>();
    spin->SetMinValue(1);
    spin->SetMaxValue(100);
    std::vector<std::string> written;
    spin->OnChange = [&](TComponent*) { written.push_back(std::to_string(spin->Value())); };

    spin->SetFocus();
    spin->TypeText("\b2x5");  // letters are refused with a beep
    EXPECT_EQ(spin->Text(), "25");
    if (machine.IsFake()) {
        EXPECT_EQ(machine.Fake()->system().Beeps(), std::vector<uint32_t>({platform::kBeepDefault}));
    }
    spin->TypeText("00");
    EXPECT_EQ(spin->Value(), 2500) << "kept as typed";
    next->SetFocus();
    EXPECT_EQ(spin->Text(), "100");
    EXPECT_EQ(written, std::vector<std::string>({"1", "2", "25", "250", "2500", "100"}));
}

TEST_F(ControlsTest, ASpinEditStepsAndStopsAtItsBounds) {
    TSpinEdit* spin = Add<TSpinEdit>();
    spin->SetMinValue(1);
    spin->SetMaxValue(100);
    spin->SetValue(99);
    spin->StepUp();
    spin->KeyDown(kVkUp);
    EXPECT_EQ(spin->Value(), 100);
    spin->SetValue(-7);
    EXPECT_EQ(spin->Value(), 1);

    TSpinEdit* free = Add<TSpinEdit>();  // no bounds
    free->SetValue(-7);
    free->StepDown();
    EXPECT_EQ(free->Value(), -8);
}

TEST_F(ControlsTest, ASpinEditWithoutAWholeNumberCountsAsItsLowerBound) {
    TSpinEdit* spin = Add<TSpinEdit>();
    spin->SetMinValue(1);
    spin->SetMaxValue(100);
    for (const char* text : {"", "-", "+", "1,5", "99999999999"}) {
        spin->SetText(text);
        EXPECT_EQ(spin->Value(), 1) << '"' << text << '"';
    }
    TSpinEdit* free = Add<TSpinEdit>();
    free->SetText("-");
    EXPECT_EQ(free->Value(), 0);
    EXPECT_TRUE(TSpinEdit::IsValidChar(','));
    EXPECT_FALSE(TSpinEdit::IsValidChar('e'));
    EXPECT_FALSE(TSpinEdit::IsValidChar('\r'));
}

TEST_F(ControlsTest, AnEditFiresPerKeystrokeAndLimitsOnlyTyping) {
    TEdit* edit = Add<TEdit>();
    edit->SetMaxLength(4);
    edit->SetPasswordChar('*');
    int changes = 0;
    edit->OnChange = [&](TComponent*) { ++changes; };
    edit->TypeText("geheim");
    EXPECT_EQ(edit->Text(), "gehe");
    EXPECT_EQ(edit->DisplayText(), "****");
    EXPECT_EQ(changes, 4);
    edit->SetText("länger als vier");
    EXPECT_EQ(edit->Text(), "länger als vier");
    edit->SetReadOnly(true);
    edit->TypeText("\b");
    EXPECT_EQ(changes, 5);
}

TEST_F(ControlsTest, AComboBoxKeepsItsSelectionWhenItemsAreInserted) {
    TComboBox* combo = Add<TComboBox>();
    combo->SetItems({"Standard", "Protokolliert (Bootlog.txt)", "Abgesichert", "Nur Eingabeaufforderung"});
    combo->SetItemIndex(3);
    int changes = 0;
    combo->OnChange = [&](TComponent*) { ++changes; };
    combo->InsertItem(3, "Abgesichert mit Netzwerk");
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(combo->SelectedText(), "Nur Eingabeaufforderung");
    combo->SetItemIndex(9);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(combo->InsertItem(7, "x"), EInvalidOperation);
}

TEST_F(ControlsTest, AnImageComboBoxGivesEachItemItsPicture) {
    TImageComboBox* combo = Add<TImageComboBox>();
    const int speaker = combo->AddImage(TBitmap(16, 16, 0xFF00FF00u));
    combo->AddItem("Akustische Signale", speaker);
    combo->AddItem("Benutzer", 5);
    ASSERT_NE(combo->ItemImage(0), nullptr);
    EXPECT_EQ(combo->ItemImage(0)->Pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(combo->ItemImage(1), nullptr);
    EXPECT_EQ(combo->ItemHeight(), 18);
}

TEST_F(ControlsTest, ATrackBarKeepsItsPositionInRange) {
    TTrackBar* bar = Add<TTrackBar>();
    bar->SetParams(0, 2, 1);
    bar->SetPosition(7);
    EXPECT_EQ(bar->Position(), 2);
    bar->SetPosition(-1);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_THROW(bar->SetMin(3), EInvalidOperation);
    EXPECT_EQ(bar->Min(), 0);
}

TEST_F(ControlsTest, AStringGridKeepsItsTextsWhenResized) {
    TStringGrid* grid = Add<TStringGrid>();
    grid->SetColCount(3);
    grid->SetRowCount(30);
    grid->SetColWidth(0, 0);
    grid->SetCell(1, 0, "Modul");
    grid->SetCell(2, 16, "4.10.2222");
    EXPECT_THROW(grid->SetFixedCols(3), EInvalidOperation);
    grid->SetRowCount(17);
    EXPECT_EQ(grid->Cell(2, 16), "4.10.2222");
    EXPECT_EQ(grid->Cell(2, 29), "");
    EXPECT_EQ(grid->ColWidth(0), 0);
    EXPECT_THROW(grid->SetCell(3, 0, "x"), EInvalidOperation);
    grid->SetColCount(1);
    EXPECT_EQ(grid->FixedCols(), 0);
}

TEST_F(ControlsTest, AGaugeKeepsItsProgressInRange) {
    TGauge* gauge = Add<TGauge>();
    gauge->SetProgress(140);
    EXPECT_EQ(gauge->Progress(), 100);
    gauge->SetRange(0, 200);
    gauge->SetProgress(50);
    EXPECT_EQ(gauge->PercentDone(), 25);
    EXPECT_THROW(gauge->SetRange(5, 4), EInvalidOperation);
}

TEST_F(ControlsTest, ALabelSizesItselfToItsTextAndWraps) {
    TLabel* label = Add<TLabel>();
    label->Font().SetHeight(-10);
    label->SetCaption("Auslastung 37 %");
    EXPECT_EQ(label->Width(), 15 * 5);
    EXPECT_EQ(label->Height(), 12);
    label->SetCaption("zwei\r\nZeilen");
    EXPECT_EQ(label->Height(), 24);

    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(0, 0, 50, 40);
    label->SetCaption("Ein Tipp der länger ist als die Box");
    const std::vector<std::string> lines = label->Lines();
    ASSERT_GT(lines.size(), 1u);
    for (const std::string& line : lines) EXPECT_LE(static_cast<int>(line.size()) * 5, 50) << line;
}

TEST_F(ControlsTest, ALabelSizedToItsTextGrowsWithAWiderFont) {
    TLabel* label = Add<TLabel>();
    label->SetCaption("Willkommen");
    const int narrow = label->Width();
    TFont wider = label->Font();
    wider.SetHeight(-16);
    label->SetFont(wider);
    EXPECT_EQ(label->Width(), TextExtent(wider, "Willkommen").cx);
    EXPECT_GT(label->Width(), narrow);
    EXPECT_EQ(label->Height(), TextExtent(wider, "Willkommen").cy);
}

// The face that stood in for the interface font gives way to the real one,
// which is wider: the labels take its width without a new text or font.
TEST_F(ControlsTest, LabelsMeasureAgainWhenTheSystemsFontsChange) {
    struct Fonts : PeerFactory {
        int perLetter = 6;
        std::unique_ptr<ControlPeer> CreatePeer(TControl&) override { return nullptr; }
        std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer&) override { return nullptr; }
        TSize TextExtent(const TFont&, const std::string& text) override {
            return TSize{static_cast<int>(text.size()) * perLetter, 13};
        }
    } fonts;
    InstallPeerFactory(&fonts);
    TLabel* sized = Add<TLabel>();
    sized->SetCaption("Willkommen");
    TLabel* fixed = Add<TLabel>();
    fixed->SetAutoSize(false);
    fixed->SetBounds(10, 40, 40, 13);
    fixed->SetCaption("Willkommen");
    ASSERT_EQ(sized->Width(), 60);

    fonts.perLetter = 7;
    sized->SetCaption("Willkommen");  // the same text again changes nothing
    EXPECT_EQ(sized->Width(), 60);
    RemeasureLabels();
    EXPECT_EQ(sized->Width(), 70);
    EXPECT_EQ(fixed->Width(), 40) << "a label of fixed size keeps it";
    form.reset();
    InstallPeerFactory(nullptr);
}

TEST_F(ControlsTest, APictureButtonShowsTheLookOfTheMouse) {
    TBitmapButton* button = Add<TBitmapButton>();
    const TBitmap plain(2, 2, 1), lit(2, 2, 2), down(2, 2, 3);
    button->SetPictureNormal(plain);
    EXPECT_EQ(button->CurrentPicture(), plain);
    button->SetPictureActive(lit);
    button->SetPictureDown(down);
    button->MouseEnter();
    EXPECT_EQ(button->CurrentPicture(), lit);
    button->MouseDown(mbLeft, 1, 1);
    EXPECT_EQ(button->CurrentPicture(), down);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    button->MouseUp(mbLeft, 1, 1);
    button->MouseLeave();
    EXPECT_EQ(button->CurrentPicture(), plain);
    // A selected page button: all three pictures highlighted, exchanged
    // at run time.
    button->SetPictureNormal(lit);
    EXPECT_EQ(button->CurrentPicture(), lit);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace widgets_test
