#include "widgets/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/button.h"
#include "widgets/edit.h"
#include "widgets/errors.h"

namespace widgets_test {
namespace {

using namespace widgets;

using Log = std::vector<std::string>;

class FormTest : public WidgetsTest {};

// A dialog with an edit field and the buttons OK and Abbrechen.
class TDlgTest : public TForm {
public:
    explicit TDlgTest(TComponent* owner) : TForm(owner) {
        SetBorderStyle(bsDialog);
        Edit1 = new TEdit(this);
        Edit1->SetName("Edit1");
        Edit1->SetParent(this);
        Ok = new TButton(this);
        Ok->SetName("CorelButton2");
        Ok->SetParent(this);
        Ok->SetModalResult(mrOk);
        Ok->SetBounds(10, 80, 75, 25);
        Cancel = new TButton(this);
        Cancel->SetParent(this);
        Cancel->SetModalResult(mrCancel);
        Ok->SetDefault(true);
        Cancel->SetCancel(true);
    }
    const char* ClassName() const override { return "TDlgTest"; }

    TEdit* Edit1;
    TButton* Ok;
    TButton* Cancel;
};

TEST_F(FormTest, OnCreateRunsAfterTheConstructorAndOnDestroyBeforeTheFieldsGo) {
    Log log;
    {
        Owned<TDlgTest> dlg(CreateForm<TDlgTest>(nullptr));
        dlg->OnDestroy = [&log, d = dlg.get()](TComponent*) { log.push_back("destroy " + d->Edit1->Name()); };
    }
    EXPECT_EQ(log, Log({"destroy Edit1"}));

    struct TCreated : TForm {
        explicit TCreated(TComponent* o) : TForm(o) {
            OnCreate = [this](TComponent*) { seen = ClassName(); };
        }
        const char* ClassName() const override { return "TCreated"; }
        std::string seen;
    };
    Owned<TCreated> form(CreateForm<TCreated>(nullptr));
    EXPECT_EQ(form->seen, "TCreated");
}

TEST_F(FormTest, AnErrorInOnCreateGoesToTheApplicationHandler) {
    std::string handled;
    Application().OnException = [&](TComponent*, const std::exception& e) { handled = e.what(); };
    struct TFailing : TForm {
        explicit TFailing(TComponent* o) : TForm(o) {
            OnCreate = [](TComponent*) { throw std::runtime_error("Datei fehlt"); };
        }
    };
    Owned<TFailing> form(CreateForm<TFailing>(nullptr));
    EXPECT_EQ(handled, "Datei fehlt");
    EXPECT_NE(form, nullptr);

    Application().OnException = nullptr;
    EXPECT_THROW(CreateForm<TFailing>(nullptr), std::runtime_error);
}

struct CloseCase {
    const char* name;
    bool canClose;
    TCloseAction action;
    bool visibleAfter;
    bool freedAfterPump;
};

TEST_F(FormTest, CloseFollowsTheCloseQueryAndTheCloseAction) {
    const CloseCase cases[] = {
        {"hide", true, caHide, false, false},
        {"none", true, caNone, true, false},
        {"free", true, caFree, true, true},
        {"refused", false, caHide, true, false},
    };
    for (const CloseCase& c : cases) {
        SCOPED_TRACE(c.name);
        bool destroyed = false;
        TForm* form = CreateForm<TForm>(nullptr);
        form->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = c.canClose; };
        form->OnClose = [&](TComponent*, TCloseAction& action) { action = c.action; };
        form->OnDestroy = [&](TComponent*) { destroyed = true; };
        form->Show();
        form->Close();
        EXPECT_EQ(form->Visible(), c.visibleAfter);
        EXPECT_FALSE(destroyed) << "nothing is freed before the message is handled";
        Pump();
        EXPECT_EQ(destroyed, c.freedAfterPump);
        if (!destroyed) TComponent::Free(form);
    }
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgram) {
    Owned<TForm> main(CreateForm<TForm>(nullptr));
    Application().SetMainForm(main.get());
    main->Show();
    main->Close();
    EXPECT_TRUE(Application().Terminated());
    main.reset();
    EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST_F(FormTest, ShowModalReturnsTheScriptedResultAfterShowingAndHides) {
    Owned<TDlgTest> dlg(CreateForm<TDlgTest>(nullptr));
    int shown = 0;
    dlg->OnShow = [&](TComponent*) { ++shown; };
    Headless().AnswerModal([](TForm& form) {
        auto& d = static_cast<TDlgTest&>(form);
        d.Edit1->TypeText("geheim");
        d.Ok->PerformClick();
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->Edit1->Text(), "geheim");
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(dlg->Visible());
    EXPECT_EQ(Headless().Modals(), std::vector<std::string>({"TDlgTest"}));

    Headless().AnswerModal(mrCancel);
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
}

TEST_F(FormTest, EnterAndEscapePressTheDefaultAndTheCancelButton) {
    Owned<TDlgTest> dlg(CreateForm<TDlgTest>(nullptr));
    Headless().AnswerModal([](TForm& form) { static_cast<TDlgTest&>(form).Edit1->KeyDown(kVkReturn); });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    Headless().AnswerModal([](TForm& form) { static_cast<TDlgTest&>(form).Edit1->KeyDown(kVkEscape); });
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
}

TEST_F(FormTest, ARefusedCloseQueryKeepsTheModalFormUntilTheNextAnswer) {
    Owned<TDlgTest> dlg(CreateForm<TDlgTest>(nullptr));
    int queries = 0;
    dlg->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++queries > 1; };
    Headless().AnswerModal(mrOk);
    Headless().AnswerModal(mrCancel);
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
}

TEST_F(FormTest, ShowModalRefusesAVisibleFormAndAnUnscriptedOne) {
    Owned<TDlgTest> dlg(CreateForm<TDlgTest>(nullptr));
    EXPECT_THROW(dlg->ShowModal(), std::logic_error);
    EXPECT_FALSE(dlg->Visible());
    EXPECT_FALSE(dlg->IsModal());
    dlg->Show();
    EXPECT_THROW(dlg->ShowModal(), EInvalidOperation);
}

TEST_F(FormTest, CentresOnTheScreenOrOnItsOwnerWhenFirstShown) {
    Owned<TForm> owner(CreateForm<TForm>(nullptr));
    owner->SetBounds(100, 50, 400, 300);
    TForm* dlg = CreateForm<TForm>(owner.get());
    dlg->SetBounds(0, 0, 200, 100);
    dlg->SetPosition(poOwnerFormCenter);
    dlg->Show();
    EXPECT_EQ(dlg->BoundsRect(), Bounds(200, 150, 200, 100));

    Owned<TForm> centred(CreateForm<TForm>(nullptr));
    centred->SetBorderStyle(bsNone);
    centred->SetClientSize(620, 440);
    centred->SetPosition(poScreenCenter);
    centred->Show();
    EXPECT_EQ(centred->BoundsRect(), Bounds(90, 80, 620, 440));
}

TEST_F(FormTest, ClientSizeDependsOnTheBorder) {
    Owned<TForm> form(CreateForm<TForm>(nullptr));
    form->SetBorderStyle(bsDialog);
    form->SetClientSize(300, 200);
    EXPECT_EQ(form->Width(), 306);
    EXPECT_EQ(form->Height(), 225);
    form->SetBorderStyle(bsNone);
    EXPECT_EQ(form->ClientWidth(), 300);
    EXPECT_EQ(form->Width(), 300);
}

}  // namespace
}  // namespace widgets_test
