// A settings page on the test machine: the program's pictures, headless
// components, and a small host window with a page container that stands
// for the main window and keeps the settings-changed flag.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "pages/settings_changed.h"
#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/application.h"
#include "widgets/form.h"
#include "widgets/form_container.h"
#include "widgets/make_control.h"

namespace pages_test {

// The main window as a page sees it.
class THost : public widgets::TForm, public pages::SettingsChangedTarget {
public:
    explicit THost(widgets::TComponent* owner) : TForm(owner) {
        SetClientSize(460, 410);
        Container = widgets::MakeControl<widgets::TFormContainer>(this, this, "Container", 0, 0, 460, 410);
    }
    void SetSettingsChanged() override { ++changes; }

    template <class Page>
    Page* ShowPage() {
        Page* page = Container->CreateForm<Page>();
        Container->ShowForm(page, true, nullptr);
        return page;
    }

    widgets::TFormContainer* Container = nullptr;
    int changes = 0;
};

class PageTest : public testing_support::MachineTest {
protected:
    PageTest() {
        widgets_test::ResetWidgets();
        if (machine.IsFake()) {
            machine.Fake()->system().SetResourceFolder(std::string(QW_SOURCE_DIR) + "/res/pictures");
        }
        folder = platform::ProgramFolder();
        // Under Windows the program folder is the suite's own and outlives
        // a test: each page starts without the files of an earlier one.
        RemoveTempConfig();
        host.reset(widgets::CreateForm<THost>(nullptr));
        host->Show();
    }
    ~PageTest() override {
        host.reset();
        RemoveTempConfig();
        EXPECT_EQ(widgets::Headless().UnusedAnswers(), 0u) << "scripted answers were left unused";
        widgets_test::ResetWidgets();
    }

    void RemoveTempConfig() const {
        for (const char* name : {"tmpcfg.twc", "tmpcfg32.twc", "Logo.bmp", "logos.bmp", "logow.bmp", "logo.neu",
                                 "logos.neu", "logow.neu"}) {
            machine.P().files().DeleteFile(folder + name);
        }
    }

    std::string folder;
    widgets::Owned<THost> host;
};

}  // namespace pages_test
