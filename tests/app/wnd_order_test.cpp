// The product information page: its two order buttons go to the shell.
#include "app/wnd_order.h"

#include "tests/app/shell_fixture.h"

using namespace app_test;

namespace {

class WndOrderTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        if (IsSkipped()) return;
        main = Start();
        ASSERT_NE(main, nullptr);
        main->PageButtons.at(5)->PerformClick();
        Pump();
        ASSERT_NE(main->WndOrder, nullptr);
    }
    const std::vector<platform::ShellExecuteRequest>& Executes() { return machine.Fake()->shell().Executes(); }

    app::THalvornQuellwerk* main = nullptr;
};

TEST_F(WndOrderTest, ShowsItsPictureLabelsAndButtons) {
    app::TWndOrder& page = *main->WndOrder;
    EXPECT_FALSE(page.Image1->Picture().Empty());
    for (size_t i = 0; i < page.Labels.size(); ++i) EXPECT_FALSE(page.Labels[i]->Caption().empty()) << i;
    for (auto* bullet : page.Bullets) EXPECT_FALSE(bullet->Picture().Empty());
    EXPECT_EQ(page.epEfTrBtn1->Caption(), "Bestellen im Internet");
    EXPECT_EQ(page.epEfTrBtn2->Caption(), "Bestellformular");
    EXPECT_LT(page.epEfTrBtn1->Left(), page.epEfTrBtn2->Left());
}

TEST_F(WndOrderTest, TheButtonsOpenTheAddressAndTheFormWithTheMainWindowAsParent) {
    machine.Put(folder + "bestellen.pdf", "%PDF-1.4");
    main->WndOrder->epEfTrBtn1->PerformClick();
    main->WndOrder->epEfTrBtn2->PerformClick();
    platform::ShellExecuteRequest web;
    web.verb = "open";
    web.ownerWindow = main->NativeHandle();
    web.file = "http://www.halvorn.de";
    platform::ShellExecuteRequest form = web;
    form.file = folder + "bestellen.pdf";
    EXPECT_EQ(Executes(), std::vector<platform::ShellExecuteRequest>({web, form}));
    EXPECT_EQ(Executes().at(0).verb, "open");
    EXPECT_EQ(Executes().at(0).show, 1);
}

TEST_F(WndOrderTest, AMissingOrderFormIsNotReported) {
    main->WndOrder->epEfTrBtn2->PerformClick();
    Pump();
    EXPECT_EQ(Executes().size(), 1u);
    EXPECT_EQ(main->MainFormContainer->Form(), main->WndOrder);
}

}  // namespace
