#include "widgets/component.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/widgets/recording_peer.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/check_box.h"
#include "widgets/combo_box.h"
#include "widgets/drive_combo_box.h"
#include "widgets/edit.h"
#include "widgets/errors.h"
#include "widgets/form.h"
#include "widgets/notebook.h"
#include "widgets/page_control.h"
#include "widgets/panel.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"
#include "widgets/tab_sheet.h"
#include "widgets/track_bar.h"

namespace widgets_test {
namespace {

using namespace widgets;

class ComponentTest : public WidgetsTest {
protected:
    Owned<TForm> form{CreateForm<TForm>(nullptr)};
};

TEST_F(ComponentTest, TheOwnerFreesWhatItOwnsAndNamesAreUniqueWithinIt) {
    std::vector<std::string> gone;
    struct TTracked : TComponent {
        TTracked(TComponent* owner, std::vector<std::string>* log, std::string n) : TComponent(owner), log_(log) {
            SetName(n);
        }
        ~TTracked() override { log_->push_back(Name()); }
        std::vector<std::string>* log_;
    };
    Owned<TComponent> owner(new TComponent(nullptr));
    new TTracked(owner.get(), &gone, "First");
    TTracked* second = new TTracked(owner.get(), &gone, "Second");
    EXPECT_EQ(owner->FindComponent("SECOND"), second);
    EXPECT_THROW(second->SetName("first"), EComponentError);
    EXPECT_EQ(second->Name(), "Second");
    owner.reset();
    EXPECT_EQ(gone, std::vector<std::string>({"Second", "First"}));
}

TEST_F(ComponentTest, AWatcherLearnsWhenTheWatchedComponentGoes) {
    struct TWatcher : TComponent {
        using TComponent::TComponent;
        void Notification(TComponent* c, TOperation op) override {
            if (op == opRemove && c == watched) watched = nullptr;
        }
        TComponent* watched = nullptr;
    };
    Owned<TWatcher> watcher(new TWatcher(nullptr));
    TEdit* edit = new TEdit(form.get());
    watcher->watched = edit;
    edit->FreeNotification(watcher.get());
    TComponent::Free(edit);
    EXPECT_EQ(watcher->watched, nullptr);
}

TEST_F(ComponentTest, ChildControlsGoWithTheirParent) {
    TPanel* panel = new TPanel(form.get());
    panel->SetParent(form.get());
    TEdit* edit = new TEdit(form.get());
    edit->SetParent(panel);
    EXPECT_EQ(form->ComponentCount(), 2);
    TComponent::Free(panel);
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
}

// Each setter that fires an event fires it only when the value changes.
struct SetterCase {
    const char* name;
    // Makes the control on the form, counting its event; returns the
    // setter for the two states 1 and 0.
    std::function<std::function<void(int)>(TForm&, int&)> make;
};

TEST_F(ComponentTest, SettersFireTheirEventOnlyWhenTheValueChanges) {
    const SetterCase cases[] = {
        {"check box",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TCheckBox(&f);
             c->OnClick = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetChecked(v != 0); };
         }},
        {"edit",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TEdit(&f);
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetText(v ? "Halvorn" : ""); };
         }},
        {"combo box",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TComboBox(&f);
             c->SetItems({"Gar nicht starten", "Automatisch starten"});
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetItemIndex(v); };
         }},
        {"spin edit",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TSpinEdit(&f);
             c->SetMinValue(1);
             c->SetMaxValue(100);
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetValue(v ? 50 : 2); };
         }},
        {"track bar",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TTrackBar(&f);
             c->SetParams(0, 2, 0);
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetPosition(v ? 2 : 1); };
         }},
        {"page control",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TPageControl(&f);
             for (const char* caption : {"Allgemein", "Sicherheit"}) {
                 auto* sheet = new TTabSheet(&f);
                 sheet->SetCaption(caption);
                 sheet->SetPageControl(c);
             }
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetActivePageIndex(v); };
         }},
        {"notebook",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TNotebook(&f);
             c->SetPages({"Boot-Menü", "Vorgang", "Weiteres"});
             c->OnPageChanged = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetPageIndex(v ? 2 : 1); };
         }},
        {"drive list",
         [](TForm& f, int& n) -> std::function<void(int)> {
             auto* c = new TDriveComboBox(&f);
             c->SetDriveTypeSource([](const std::string& root) {
                 return root[0] <= 'D' ? platform::DriveType::Fixed : platform::DriveType::NoRootDir;
             });
             c->OnChange = [&n](TComponent*) { ++n; };
             return [c](int v) { c->SetDrive(v ? 'C' : 'd'); };
         }},
    };
    for (const SetterCase& c : cases) {
        SCOPED_TRACE(c.name);
        int fired = 0;
        const auto set = c.make(*form, fired);
        const int sequence[] = {1, 1, 0, 0, 1};
        const int expected[] = {1, 1, 2, 2, 3};
        for (int i = 0; i < 5; ++i) {
            set(sequence[i]);
            EXPECT_EQ(fired, expected[i]) << "after step " << i;
        }
    }
}

TEST_F(ComponentTest, RadioButtonsOfOneParentFormAGroup) {
    std::vector<std::string> clicks;
    TRadioButton* buttons[3];
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new TRadioButton(form.get());
        buttons[i]->SetParent(form.get());
        buttons[i]->SetBounds(10, 10 + 20 * i, 200, 17);
        buttons[i]->OnClick = [&clicks, i](TComponent*) { clicks.push_back("click " + std::to_string(i)); };
    }
    TPanel* other = new TPanel(form.get());
    other->SetParent(form.get());
    TRadioButton* elsewhere = new TRadioButton(form.get());
    elsewhere->SetParent(other);
    elsewhere->SetChecked(true);

    buttons[0]->SetChecked(true);
    buttons[2]->PerformClick();
    buttons[2]->SetChecked(true);
    EXPECT_FALSE(buttons[0]->Checked());
    EXPECT_TRUE(buttons[2]->Checked());
    EXPECT_TRUE(elsewhere->Checked());
    EXPECT_EQ(clicks, std::vector<std::string>({"click 0", "click 2"}));
}

TEST_F(ComponentTest, AUserClickTogglesACheckBoxUnlessItIsReadOnly) {
    TCheckBox* box = new TCheckBox(form.get());
    box->SetBounds(0, 0, 100, 17);
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    box->PerformClick();
    EXPECT_TRUE(box->Checked());
    box->SetReadOnly(true);
    box->PerformClick();
    EXPECT_TRUE(box->Checked());
    box->SetChecked(false);  // the program still can
    EXPECT_EQ(clicks, 2);
    box->SetEnabled(false);
    box->SetReadOnly(false);
    box->PerformClick();
    EXPECT_FALSE(box->Checked());
}

TEST_F(ComponentTest, PeersAreMadeWhenShownAndHearOnlyOfChanges) {
    EXPECT_EQ(form->Peer(), nullptr) << "headless without a factory";
    PeerLog log;
    RecordingFactory factory(log);
    InstallPeerFactory(&factory);
    {
        Owned<TForm> shown(CreateForm<TForm>(nullptr));
        shown->SetName("Form");
        TCheckBox* box = new TCheckBox(shown.get());
        box->SetName("Box");
        box->SetParent(shown.get());
        EXPECT_EQ(box->Peer(), nullptr) << "not before the form shows";
        shown->Show();
        ASSERT_NE(box->Peer(), nullptr);
        int clicks = 0;
        box->OnClick = [&](TComponent*) { ++clicks; };
        box->SetChecked(true);
        box->SetChecked(true);
        box->SetCaption("Soft Scrolling");
        box->SetEnabled(false);
        box->UserClick();  // as the native peer reports a click
        box->SetColor(0x00C0C0C0);
        box->SetColor(0x00C0C0C0);
        EXPECT_EQ(CallsOf(log, "Box"), std::vector<std::string>({"Create", "SetChecked(1)", "SetText(Soft Scrolling)",
                                                                 "SetEnabled(0)", "SetChecked(0)", "Changed(Color)"}));
        EXPECT_EQ(clicks, 2);

        TEdit* late = new TEdit(shown.get());
        late->SetName("Late");
        late->SetParent(shown.get());
        EXPECT_NE(late->Peer(), nullptr) << "a control added to a shown form gets its peer at once";
    }
    EXPECT_EQ(CallsOf(log, "Box").back(), "Destroy");
    InstallPeerFactory(nullptr);
}

TEST_F(ComponentTest, ChildrenTakeTheFontOfTheirParentUntilGivenTheirOwn) {
    form->Font().SetName("Tahoma");
    TEdit* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    EXPECT_EQ(edit->Font().Name(), "Tahoma");
    form->Font().SetStyle(TFontStyles{true, true, false});
    EXPECT_TRUE(edit->Font().Style().bold);
    edit->Font().SetHeight(-13);
    EXPECT_FALSE(edit->ParentFont());
    form->Font().SetName("MS Sans Serif");
    EXPECT_EQ(edit->Font().Name(), "Tahoma");
}

TEST_F(ComponentTest, AlignedChildrenShareTheParentsArea) {
    form->SetBorderStyle(bsNone);
    form->SetClientSize(453, 400);
    TPanel* top = new TPanel(form.get());
    top->SetHeight(33);
    top->SetAlign(alTop);
    top->SetParent(form.get());
    TPanel* rest = new TPanel(form.get());
    rest->SetAlign(alClient);
    rest->SetParent(form.get());
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 453, 33));
    EXPECT_EQ(rest->BoundsRect(), Bounds(0, 33, 453, 367));
    form->SetClientSize(400, 300);
    EXPECT_EQ(rest->BoundsRect(), Bounds(0, 33, 400, 267));
}

}  // namespace
}  // namespace widgets_test
