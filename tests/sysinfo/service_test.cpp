// The service page: its version table from fixture modules, each row on its
// own, and its four buttons.
#include "sysinfo/service.h"

#include <memory>
#include <vector>

#include "platform/fake/fake_platform.h"
#include "platform/helpers.h"
#include "tests/support/pe_fixture.h"
#include "tests/support/test_machine.h"
#include "tests/widgets/widgets_fixture.h"
#include "widgets/headless_help.h"
#include "widgets/help_system.h"
#include "widgets/outside_module.h"

using sysinfo::TAHMFileDetails;
using sysinfo::TFRM_Service;
using testing_support::MakePe;
using testing_support::VersionFixture;

namespace {

// The program folder is the scratch folder on the fake; under Wine it is
// the test program's folder, where the fixtures are removed again.
class ServiceTest : public testing_support::MachineTest {
protected:
    void SetUp() override {
        widgets_test::ResetWidgets();
        if (machine.IsFake()) {
            machine.Fake()->system().SetResourceFolder(std::string(QW_SOURCE_DIR) + "/res/pictures");
            machine.Put(machine.Path("quellwerk.exe"), MakePe(VersionFixture::German("9.8.7.6")));
            machine.Fake()->files().SetModuleFileName(machine.Path("quellwerk.exe"));
        }
        folder = platform::ProgramFolder();
        ownVersion = TAHMFileDetails().FileVersion();
    }
    void TearDown() override {
        for (const auto& path : placed) machine.P().files().DeleteFile(path);
        widgets_test::ResetWidgets();
    }
    void Place(const std::string& name, const std::string& version) {
        const std::string path = folder + name;
        ASSERT_FALSE(!machine.IsFake() && machine.P().files().Exists(path)) << path << " is in the way";
        machine.Put(path, MakePe(VersionFixture::German(version)));
        placed.push_back(path);
    }
    static std::unique_ptr<TFRM_Service> Make() {
        return std::unique_ptr<TFRM_Service>(widgets::CreateForm<TFRM_Service>(nullptr));
    }
    std::string Cell(TFRM_Service& page, int col, int row) { return page.AdvStringGrid1->Cell(col, row); }

    std::string folder;
    std::string ownVersion;
    std::vector<std::string> placed;
};

TEST_F(ServiceTest, TheFormHasItsSizeButtonsAndTable) {
    const auto owned = Make();
    TFRM_Service& page = *owned;
    EXPECT_EQ(page.ClientWidth(), 451);
    EXPECT_EQ(page.ClientHeight(), 396);
    EXPECT_EQ(page.Font().Name(), "MS Sans Serif");
    struct Button {
        widgets::TBUImage* button;
        const char* name;
        int left;
    } buttons[] = {{page.BUImage1, "BUImage1", 7},
                   {page.BUImage4, "BUImage4", 117},
                   {page.BUImage3, "BUImage3", 227},
                   {page.BUImage2, "BUImage2", 337}};
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->Name(), b.name);
        EXPECT_EQ(b.button->Left(), b.left);
        EXPECT_EQ(b.button->Top(), 7);
        EXPECT_EQ(b.button->Width(), 105);
        EXPECT_EQ(b.button->Height(), 26);
    }
    auto& grid = *page.AdvStringGrid1;
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 30);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.ColWidth(0), 0);
    EXPECT_EQ(grid.ColWidth(1), 199);
    EXPECT_EQ(grid.ColWidth(2), 199);
    EXPECT_EQ(grid.RowHeight(29), 18);
    EXPECT_FALSE(grid.Enabled());
    EXPECT_EQ(grid.Parent(), page.Panel1);
    EXPECT_EQ(page.Panel1->Color(), widgets::clWhite);
}

TEST_F(ServiceTest, FillsTheRowsWithNamesAndVersions) {
    Place("qw32vim.dll", "1.2.0.7");
    Place("qw32sermax.ocx", "5.5.5.5");
    Place("qw32ifs.dll", "2.0.0.1");
    const auto owned = Make();
    TFRM_Service& page = *owned;
    const std::string names[17] = {"Versionsinformationen",
                                   "Quellwerk Version",
                                   "Quellwerk Consule Version",
                                   "Quellwerk Performance Modul",
                                   "Quellwerk Reparatur Modul",
                                   "Quellwerk Sicherungs Modul",
                                   "Quellwerk Service Modul",
                                   "Quellwerk Schnittstellen Module",
                                   "Quellwerk IAM Modul",
                                   "Quellwerk System Modul",
                                   "Quellwerk Breakpoint Module",
                                   "Quellwerk QEXT Module",
                                   "Quellwerk QEXT2 Module",
                                   "",
                                   "Umgebungsdateien",
                                   "Gemeinsame Bedienungseinheiten",
                                   "Gemeinsame Dialoge"};
    for (int row = 0; row < 17; ++row) EXPECT_EQ(Cell(page, 1, row), names[row]) << row;
    EXPECT_EQ(Cell(page, 2, 1), "Feldmark-1.2.0.7");
    EXPECT_EQ(Cell(page, 2, 6), "1.2.0.7");  // row 1's version, not the service module's
    EXPECT_EQ(Cell(page, 2, 7), "2.0.0.1");
    // The missing modules show the program's own version.
    EXPECT_EQ(Cell(page, 2, 11), ownVersion);
    EXPECT_EQ(Cell(page, 2, 12), ownVersion);
    for (int row : {0, 13, 14}) EXPECT_EQ(Cell(page, 2, row), "") << row;
    for (int row = 17; row < 30; ++row) EXPECT_EQ(Cell(page, 1, row) + Cell(page, 2, row), "") << row;
}

// Under Wine: the modules of this build, laid out beside the program, show
// the version set in CMake through version.dll.
TEST_F(ServiceTest, TheBuiltModulesShowTheirVersion) {
    if (machine.IsFake()) GTEST_SKIP() << "the modules are Windows files";
    // Wine shows the host's root as drive Z:.
    std::string built = "Z:" + std::string(QW_MODULES_DIR);
    for (char& c : built) {
        if (c == '/') c = '\\';
    }
    const char* const modules[] = {"qw32vim.dll",    "qw32brkpnt.dll", "qw32bsax.ocx",
                                   "qw32sermax.ocx", "qw32expr.exe",   "qw32re.exe"};
    for (const char* name : modules) {
        ASSERT_FALSE(machine.P().files().Exists(folder + name)) << name << " is in the way";
        ASSERT_TRUE(machine.P().files().CopyFile(built + "\\" + name, folder + name, true)) << name;
        placed.push_back(folder + name);
    }
    const auto owned = Make();
    TFRM_Service& page = *owned;
    const std::string version = QW_VERSION;
    EXPECT_EQ(Cell(page, 2, 1), "Feldmark-" + version);
    for (int row : {6, 10, 5, 11, 12}) EXPECT_EQ(Cell(page, 2, row), version) << row;
}

TEST_F(ServiceTest, TheSystemLibrariesAreReadFromTheSystemFolder) {
    QW_FAKE_ONLY(machine);
    const std::string system = machine.P().files().SystemDirectory();
    machine.Put(system + "\\COMCTL32.DLL", MakePe(VersionFixture::German("4.72.3110.1")));
    placed.push_back(system + "\\COMCTL32.DLL");
    const auto owned = Make();
    TFRM_Service& page = *owned;
    EXPECT_EQ(Cell(page, 2, 15), "4.72.3110.1");
    EXPECT_EQ(Cell(page, 2, 16), ownVersion);  // no Comdlg32.dll on this machine
}

TEST_F(ServiceTest, ARowThatFailsLeavesItsOwnCellsAndRowSixEmpty) {
    QW_FAKE_ONLY(machine);
    Place("qw32vim.dll", "1.2.0.7");
    Place("qw32ians.dll", "3.0");
    machine.Fake()->versionInfo().RaiseOn(folder + "qw32vim.dll");
    const auto owned = Make();
    TFRM_Service& page = *owned;
    EXPECT_EQ(Cell(page, 1, 1), "");
    EXPECT_EQ(Cell(page, 2, 1), "");
    EXPECT_EQ(Cell(page, 1, 6), "Quellwerk Service Modul");
    EXPECT_EQ(Cell(page, 2, 6), "");
    EXPECT_EQ(Cell(page, 2, 8), "3.0");
}

TEST_F(ServiceTest, TheButtonsCallTheModulesTheOptionsAndTheHelpFinder) {
    QW_FAKE_ONLY(machine);
    auto& modules = machine.Fake()->modules();
    modules.Add(folder + "qw32vim.dll", {"RunQWVI"});
    const auto owned = Make();
    TFRM_Service& page = *owned;
    int options = 0;
    page.OptionsCycle = [&] { ++options; };
    widgets::Application().HelpFile = folder + "quellwerk.hlp";

    page.BUImage1->PerformClick();
    page.BUImage4->PerformClick();
    page.BUImage3->PerformClick();
    page.BUImage2->PerformClick();  // no breakpoint manager: the note, and on

    ASSERT_EQ(modules.Calls().size(), 2u);
    EXPECT_EQ(modules.Calls()[0].path, folder + "qw32vim.dll");
    EXPECT_EQ(modules.Calls()[0].entry, "RunQWVI");
    EXPECT_EQ(modules.Calls()[1].path, folder + "qw32brkpnt.dll");
    EXPECT_EQ(modules.Calls()[1].entry, "RunGUI");
    EXPECT_EQ(modules.Calls()[1].result, platform::ModuleCall::MissingFile);
    EXPECT_EQ(options, 1);
    ASSERT_EQ(widgets::HeadlessHelpRecorder().Calls().size(), 1u);
    EXPECT_EQ(widgets::HeadlessHelpRecorder().Calls()[0].file, folder + "quellwerk.hlp");
    EXPECT_EQ(widgets::HeadlessHelpRecorder().Calls()[0].command, widgets::kHelpFinder);
    EXPECT_EQ(widgets::HeadlessHelpRecorder().Calls()[0].data, 0u);
    ASSERT_EQ(widgets::Headless().Messages().size(), 1u);
    EXPECT_EQ(widgets::Headless().Messages()[0].text, widgets::MissingModuleText("qw32brkpnt.dll"));
}

}  // namespace
