#include "widgets/form_container.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/widgets/recording_peer.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/blend_transition.h"
#include "widgets/screen.h"

namespace widgets_test {
namespace {

using namespace widgets;

using Log = std::vector<std::string>;

// A page form that writes its life into a log.
class TLoggedPage : public TForm {
public:
    TLoggedPage(TComponent* owner, Log* log, std::string tag, std::function<void(TLoggedPage&)> atCreate = nullptr)
        : TForm(owner), log_(log), tag_(std::move(tag)) {
        SetBorderStyle(bsNone);
        SetClientSize(451, 400);
        OnCreate = [this, atCreate](TComponent*) {
            log_->push_back(tag_ + " create");
            if (atCreate) atCreate(*this);
        };
        OnShow = [this](TComponent*) { log_->push_back(tag_ + " show"); };
        OnHide = [this](TComponent*) { log_->push_back(tag_ + " hide"); };
        OnDestroy = [this](TComponent*) { log_->push_back(tag_ + " destroy"); };
    }
    const char* ClassName() const override { return "TFrm_Logged"; }

private:
    Log* log_;
    std::string tag_;
};

// A page form that breaks one rule of the container.
class TBadPage : public TForm {
public:
    TBadPage(TComponent* owner, const std::function<void(TForm&)>& breakRule, int* destroyed) : TForm(owner) {
        SetBorderStyle(bsNone);
        breakRule(*this);
        OnDestroy = [destroyed](TComponent*) { ++*destroyed; };
    }
    const char* ClassName() const override { return "TFrm_Bad"; }
};

class FormContainerTest : public WidgetsTest {
protected:
    FormContainerTest() {
        host = MakeOwned<TForm>();
        container = new TFormContainer(host.get());
        container->SetParent(host.get());
        container->SetBounds(5, 33, 451, 400);
    }

    TLoggedPage* NewPage(const std::string& tag) { return container->CreateForm<TLoggedPage>(&log, tag); }

    Log log;
    Owned<TForm> host;
    TFormContainer* container = nullptr;
};

struct RuleCase {
    const char* name;
    std::function<void(TForm&)> breakRule;
    const char* message;
};

TEST_F(FormContainerTest, RefusesPageFormsThatBreakARuleAndFreesThem) {
    const RuleCase cases[] = {
        {"border", [](TForm& f) { f.SetBorderStyle(bsSingle); },
         "'BorderStyle' property of 'TFrm_Bad' must be 'bsNone'"},
        {"dialog", [](TForm& f) { f.SetBorderStyle(bsDialog); },
         "'BorderStyle' property of 'TFrm_Bad' must be 'bsNone'"},
        {"style", [](TForm& f) { f.SetFormStyle(fsStayOnTop); },
         "'FormStyle' property of 'TFrm_Bad' must be 'fsNormal'"},
        {"state", [](TForm& f) { f.SetWindowState(wsMaximized); },
         "'WindowState' property of 'TFrm_Bad' must be 'wsNormal'"},
        {"visible", [](TForm& f) { f.SetVisible(true); },
         "'Visible' property of 'TFrm_Bad' must be 'False' at design time"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        int destroyed = 0;
        try {
            container->CreateForm<TBadPage>(c.breakRule, &destroyed);
            ADD_FAILURE() << "no error";
        } catch (const EFormContainerError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(container->ComponentCount(), 0);
        EXPECT_EQ(container->ControlCount(), 0);
        EXPECT_FALSE(container->Locked());
    }
    // The container still works after the refusals.
    EXPECT_NE(NewPage("A"), nullptr);
}

TEST_F(FormContainerTest, NewPageIsAnInvisibleChildInFront) {
    TLoggedPage* a = NewPage("A");
    TLoggedPage* b = NewPage("B");
    EXPECT_EQ(b->Parent(), container);
    EXPECT_EQ(b->Owner(), container);
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(container->Children().back(), b);
    EXPECT_EQ(a->BoundsRect(), TRect({0, 0, 451, 400}));
    EXPECT_EQ(log, Log({"A create", "B create"}));
}

TEST_F(FormContainerTest, RefusesWorkWhileBusy) {
    TLoggedPage* a = NewPage("A");
    container->ShowForm(a, true, nullptr);

    // From the change event of a page switch.
    std::string message;
    container->OnFormChange = [&](TComponent*, TForm*) {
        try {
            NewPage("X");
        } catch (const EFormContainerError& error) {
            message = error.what();
        }
    };
    container->ShowForm(NewPage("B"), true, nullptr);
    EXPECT_EQ(message, "FomContainer is locked");
    container->OnFormChange = nullptr;

    // From the OnCreate of a page that the container is creating.
    try {
        container->CreateForm<TLoggedPage>(&log, "C", [this](TLoggedPage&) { NewPage("D"); });
        ADD_FAILURE() << "no error";
    } catch (const EFormContainerError& error) {
        EXPECT_STREQ(error.what(), "FomContainer is locked");
    }
    EXPECT_FALSE(container->Locked());
}

TEST_F(FormContainerTest, ShowingAPageRaisesTheChangeThenSwapsAndReleasesTheOldOne) {
    TLoggedPage* a = NewPage("A");
    container->OnFormChange = [&](TComponent* sender, TForm* old) {
        EXPECT_EQ(sender, container);
        log.push_back(std::string("change from ") + (old == a ? "A" : old ? "?" : "none"));
    };
    container->ShowForm(a, true, nullptr);
    TLoggedPage* b = NewPage("B");
    container->ShowForm(b, true, nullptr);

    EXPECT_EQ(log, Log({"A create", "change from none", "A show", "B create", "change from A", "A hide", "B show"}));
    EXPECT_EQ(container->Form(), b);
    EXPECT_TRUE(b->Visible());
    EXPECT_FALSE(a->Visible());
    // The old page goes once the current message has been handled.
    EXPECT_TRUE(Application().ReleasePending(a));
    log.clear();
    Pump();
    EXPECT_EQ(log, Log({"A destroy"}));
    EXPECT_EQ(container->ComponentCount(), 1);
}

TEST_F(FormContainerTest, ShowingWithoutReleaseKeepsTheOldPageHidden) {
    TLoggedPage* a = NewPage("A");
    container->ShowForm(a, true, nullptr);
    container->ShowForm(NewPage("B"), false, nullptr);
    Pump();
    EXPECT_EQ(container->ComponentCount(), 2);
    EXPECT_FALSE(a->Visible());
}

TEST_F(FormContainerTest, PagesGoBeforeTheFormAroundTheContainerRunsOnDestroy) {
    host->OnDestroy = [&](TComponent*) { log.push_back("host destroy"); };
    TLoggedPage* a = NewPage("A");
    container->ShowForm(a, true, nullptr);
    container->ShowForm(NewPage("B"), true, nullptr);  // A waits for release
    log.clear();
    host.reset();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log.back(), "host destroy");
    EXPECT_EQ(Application().PendingCount(), 0u);
}

TEST_F(FormContainerTest, APageWhoseOnDestroyThrowsIsFreedWithEverythingElse) {
    // Counts the components alive, so that nothing left behind goes unseen.
    struct TCounted : TComponent {
        TCounted(TComponent* owner, int* alive) : TComponent(owner), alive_(alive) { ++*alive_; }
        ~TCounted() override { --*alive_; }
        int* alive_;
    };
    int alive = 0;
    TLoggedPage* page = NewPage("A");
    new TCounted(page, &alive);
    page->OnDestroy = [this](TComponent*) {
        log.push_back("A destroy");
        throw std::runtime_error("page flush failed");
    };
    container->ShowForm(page, true, nullptr);
    new TCounted(container, &alive);
    new TCounted(host.get(), &alive);
    host->OnDestroy = [this](TComponent*) { log.push_back("host destroy"); };
    ASSERT_EQ(alive, 3);
    log.clear();

    EXPECT_THROW(TComponent::Free(host.release()), std::runtime_error) << "the first error is raised once all is freed";
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(log, Log({"A destroy", "host destroy"}));
}

TEST_F(FormContainerTest, BlendsFromThePictureOfTheOldPageWithPeers) {
    PeerLog peers;
    RecordingFactory factory(peers);
    InstallPeerFactory(&factory);
    Screen().SetBitsPerPixel(16);
    int captureCountAtChange = -1;
    peers.capture = [](const TControl& c) { return TBitmap(c.Width(), c.Height(), c.Visible() ? 0xFF0000FFu : 0); };
    container->OnFormChange = [&](TComponent*, TForm*) { captureCountAtChange = peers.captures; };

    host->Show();
    TBlendTransition transition(nullptr);
    struct InstantClock : BlendClock {
        uint32_t t = 0;
        uint32_t Now() override { return t; }
        void Wait(uint32_t ms) override { t += ms; }
    } clock;
    transition.SetClock(&clock);
    transition.SetDuration(400);

    container->ShowForm(NewPage("A"), true, &transition);
    EXPECT_EQ(container->LastTransitionFrames(), 0) << "the first page comes without a blend";
    container->ShowForm(NewPage("B"), true, &transition);
    EXPECT_EQ(captureCountAtChange, 1) << "the old picture is taken before the change event";
    EXPECT_EQ(container->LastTransitionFrames(), 16);
    // Before them the old picture, which stands while the pages change.
    ASSERT_EQ(peers.frames.size(), 17u);
    EXPECT_EQ(peers.frames.front(), TBitmap(container->Width(), container->Height(), 0xFF0000FFu));
    EXPECT_GE(clock.t, 400u);
    EXPECT_EQ(peers.framesEnded, 1);

    // A change that fails half-way takes the frames away as well.
    container->OnFormChange = [](TComponent*, TForm*) { throw EInvalidOperation("Seite defekt"); };
    EXPECT_THROW(container->ShowForm(NewPage("C"), true, &transition), EInvalidOperation);
    EXPECT_EQ(peers.framesEnded, 2);
    EXPECT_FALSE(container->Locked());
    host.reset();  // its peers write into the log of this test
    InstallPeerFactory(nullptr);
}

}  // namespace
}  // namespace widgets_test
