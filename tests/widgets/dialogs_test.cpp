#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/widgets/widgets_fixture.h"
#include "widgets/dialog_host.h"
#include "widgets/form.h"
#include "widgets/headless_dialogs.h"
#include "widgets/open_dialog.h"

namespace widgets_test {
namespace {

using namespace widgets;

class DialogsTest : public WidgetsTest {};

TEST_F(DialogsTest, AMessageBoxGivesTheScriptedAnswerAndIsRecorded) {
    Owned<TForm> owner(CreateForm<TForm>(nullptr));
    Headless().AnswerMessage(mrNo);
    EXPECT_EQ(ShowMessageBox("Sollen die veränderten Einstellungen übernommen werden?", "Hinweis", mbYesNoCancel,
                             miExclamation, owner.get()),
              mrNo);
    ASSERT_EQ(Headless().Messages().size(), 1u);
    const MessageBoxRequest& asked = Headless().Messages()[0];
    EXPECT_EQ(asked.text, "Sollen die veränderten Einstellungen übernommen werden?");
    EXPECT_EQ(asked.caption, "Hinweis");
    EXPECT_EQ(asked.buttons, mbYesNoCancel);
    EXPECT_EQ(asked.icon, miExclamation);
    EXPECT_EQ(asked.owner, owner.get());
}

TEST_F(DialogsTest, OnlyABoxWithTheSingleButtonOkAnswersByItself) {
    EXPECT_EQ(ShowMessageBox("Fehler 441", "Fehler beim Öffnen", mbOK, miError), mrOk);
    EXPECT_THROW(ShowMessageBox("Frage?", "Hinweis", mbYesNo, miExclamation), std::logic_error);
    EXPECT_EQ(Headless().Messages().size(), 2u);
}

TEST_F(DialogsTest, AnAnswerTheBoxHasNoButtonForIsAnError) {
    Headless().AnswerMessage(mrCancel);
    EXPECT_THROW(ShowMessageBox("Neu starten?", "Hinweis", mbYesNo, miExclamation), std::logic_error);
}

TEST_F(DialogsTest, TheFileDialogTakesTheScriptedFileOrCancel) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Bitmap-Grafiken (*.bmp)|*.BMP");
    dialog.SetFileName("alt.bmp");
    Headless().AnswerOpenDialog(std::nullopt);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "alt.bmp");
    Headless().AnswerOpenDialog(std::string("C:\\BILDER\\LOGO.BMP"));
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "C:\\BILDER\\LOGO.BMP");
    EXPECT_EQ(Headless().OpenDialogs(),
              std::vector<std::string>({"Bitmap-Grafiken (*.bmp)|*.BMP", "Bitmap-Grafiken (*.bmp)|*.BMP"}));
    EXPECT_THROW(dialog.Execute(), std::logic_error);
}

TEST_F(DialogsTest, AnotherHostTakesOverWhenInstalled) {
    struct AlwaysYes : DialogHost {
        TModalResult MessageBox(const MessageBoxRequest&) override { return mrYes; }
        TModalResult RunModal(TForm&) override { return mrOk; }
        std::optional<std::string> ExecuteOpenDialog(const TOpenDialog&) override { return std::nullopt; }
        int TrackPopupMenu(const std::vector<std::string>&, TPoint) override { return -1; }
    } host;
    InstallDialogHost(&host);
    EXPECT_EQ(ShowMessageBox("?", "Hinweis", mbYesNo, miExclamation), mrYes);
    InstallDialogHost(nullptr);
    EXPECT_TRUE(Headless().Messages().empty());
}

}  // namespace
}  // namespace widgets_test
