// Windows itself loads the picture that the import writes. Windows only.
#include <gtest/gtest.h>

#include "pages/custom_bootprocess_ax.h"
#include "tests/pages/pages_fixture.h"
#include "tests/widgets/picture_samples.h"
#include "widgets/headless_dialogs.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pages_test {
namespace {

using pages::TFrm_Boot;

class BootPageOnWindowsTest : public PageTest {};

TEST_F(BootPageOnWindowsTest, WindowsLoadsTheImportedPicture) {
#ifdef _WIN32
    machine.Put(machine.Path("lauf.bmp"), picture_samples::Rle8Sample());
    TFrm_Boot* page = host->ShowPage<TFrm_Boot>();
    widgets::Headless().AnswerOpenDialog(machine.Path("lauf.bmp"));
    page->epEfTrBtn2->PerformClick();
    const std::string path = folder + "logo.bmp";
    HANDLE image = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(image, nullptr);
    DIBSECTION dib{};
    ASSERT_EQ(GetObjectA(image, sizeof(dib), &dib), int(sizeof(dib)));
    EXPECT_EQ(dib.dsBm.bmWidth, 320);
    EXPECT_EQ(dib.dsBm.bmHeight, 400);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 8);
    DeleteObject(image);
#else
    GTEST_SKIP() << "LoadImageA is Windows' own";
#endif
}

}  // namespace
}  // namespace pages_test
