// The rule every settings page keeps: the loading flag, a user change,
// and the flush when the page is released.
#include "pages/settings_page.h"

#include <stdexcept>

#include "tests/pages/pages_fixture.h"

namespace pages_test {
namespace {

class TProbePage : public pages::TSettingsPage {
public:
    explicit TProbePage(widgets::TComponent* owner) : TSettingsPage(owner) {}
    void GetData() override {
        loadingSeen = Loading();
        ++loads;
        if (failLoad) throw std::runtime_error("load");
    }
    void FlushData() override {
        ++flushes;
        ++allFlushes;
        if (failFlush) throw std::runtime_error("flush");
    }
    bool loadingSeen = false;
    bool failLoad = false;
    bool failFlush = false;
    int loads = 0;
    int flushes = 0;
    static inline int allFlushes = 0;
};

class SettingsPageTest : public PageTest {};

TEST_F(SettingsPageTest, LoadsWithTheFlagSetAndAChangeSetsTheFlagAndFlushes) {
    TProbePage* page = host->ShowPage<TProbePage>();
    EXPECT_EQ(page->loads, 1);
    EXPECT_TRUE(page->loadingSeen);
    EXPECT_FALSE(page->Loading());
    page->UserChange();
    EXPECT_EQ(host->changes, 1);
    EXPECT_EQ(page->flushes, 1);
}

TEST_F(SettingsPageTest, AChangeWhileLoadingIsNoUserChange) {
    struct TChangingPage : TProbePage {
        using TProbePage::TProbePage;
        void GetData() override { UserChange(); }
    };
    TChangingPage* page = host->ShowPage<TChangingPage>();
    EXPECT_EQ(host->changes, 0);
    EXPECT_EQ(page->flushes, 0);
}

TEST_F(SettingsPageTest, AFailedLoadClearsTheLoadingFlag) {
    TProbePage* page = host->ShowPage<TProbePage>();
    page->failLoad = true;
    EXPECT_THROW(page->Load(), std::runtime_error);
    EXPECT_FALSE(page->Loading());
    page->UserChange();
    EXPECT_EQ(host->changes, 1);
}

TEST_F(SettingsPageTest, TheReleaseFlushDropsItsErrorButAChangeFlushDoesNot) {
    TProbePage* page = host->ShowPage<TProbePage>();
    page->failFlush = true;
    EXPECT_THROW(page->UserChange(), std::runtime_error);
    EXPECT_EQ(host->changes, 1);
    const int before = TProbePage::allFlushes;
    EXPECT_NO_THROW(widgets::TComponent::Free(page));
    EXPECT_EQ(TProbePage::allFlushes, before + 1);
    EXPECT_EQ(host->Container->Form(), nullptr);
}

TEST_F(SettingsPageTest, APageOnItsOwnHasItsDesignSizeAndFlushesWithoutAFlag) {
    widgets::Owned<TProbePage> page(widgets::CreateForm<TProbePage>(nullptr));
    EXPECT_EQ(page->ClientWidth(), 452);
    EXPECT_EQ(page->ClientHeight(), 367);
    EXPECT_FALSE(page->Scaled());
    EXPECT_EQ(page->Font().Name(), "Tahoma");
    page->UserChange();
    EXPECT_EQ(page->flushes, 1);
}

}  // namespace
}  // namespace pages_test
