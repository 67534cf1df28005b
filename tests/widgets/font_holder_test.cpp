#include "widgets/font_holder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/test_machine.h"
#include "widgets/font_installer.h"
#include "widgets/headless_font_installer.h"
#ifdef _WIN32
#include "widgets/win32/win32_font_installer.h"
#endif

namespace widgets_test {
namespace {

using namespace widgets;
using Outcome = HeadlessFontInstaller::InstallOutcome;

const std::string kFontBytes("\x00\x01\x00\x00\x00\x0Cglyphs", 12);

// The holder on the test machine's files with a recording installer that
// knows Arial and Courier New but no Tahoma.
class FontHolderTest : public testing_support::MachineTest {
protected:
    FontHolderTest() {
        fonts.SetInstalledFamilies({"Arial", "Courier New"});
        InstallFontInstaller(&fonts);
    }
    ~FontHolderTest() override {
        holder.reset();
        InstallFontInstaller(nullptr);
        // What a failing test may have left in the temporary folder.
        for (const std::string& path : {ttf, fot}) machine.P().files().DeleteFile(path);
    }

    TFontHolder& Make(const std::string& fileName, const std::string& bytes, const std::string& family) {
        holder = MakeOwned<TFontHolder>();
        holder->SetFontFile(fileName, bytes);
        holder->SetFamilyName(family);
        return *holder;
    }
    TFontHolder& MakeTahoma() { return Make("TAHOMA.TTF", kFontBytes, "Tahoma"); }
    bool Exists(const std::string& path) const { return machine.P().files().Exists(path); }

    HeadlessFontInstaller fonts;
    Owned<TFontHolder> holder;
    const std::string ttf = machine.P().files().TempDirectory() + "TAHOMA.ttf";
    const std::string fot = machine.P().files().TempDirectory() + "TAHOMA.fot";
};

TEST_F(FontHolderTest, NamesItsFilesInTheTemporaryFolder) {
    const std::string temp = machine.P().files().TempDirectory();
    const struct {
        const char* fileName;
        const char* base;
    } cases[] = {
        {"TAHOMA.TTF", "TAHOMA"},
        {"C:\\FONTS\\Tahoma.ttf", "Tahoma"},
        {"TAHOMA", "TAHOMA"},
        {"", "Tahoma"},  // no stored name: the family's
    };
    for (const auto& c : cases) {
        TFontHolder& h = Make(c.fileName, kFontBytes, "Tahoma");
        EXPECT_EQ(h.TtfPath(), temp + c.base + ".ttf") << c.fileName;
        EXPECT_EQ(h.FotPath(), temp + c.base + ".fot") << c.fileName;
    }
}

TEST_F(FontHolderTest, AnInstalledFamilyIsLeftAlone) {
    fonts.SetInstalledFamilies({"Arial", "TAHOMA"});  // compared without regard to case
    EXPECT_FALSE(MakeTahoma().Activate());
    EXPECT_FALSE(holder->Active());
    holder.reset();
    EXPECT_EQ(fonts.Calls(), std::vector<std::string>{"IsFamilyInstalled Tahoma"});
    EXPECT_FALSE(Exists(ttf));
    EXPECT_FALSE(Exists(fot));
}

TEST_F(FontHolderTest, AMissingFamilyIsAddedForTheRunAndRemovedAfterIt) {
    for (bool byFreeing : {false, true}) {
        SCOPED_TRACE(byFreeing ? "freed" : "deactivated");
        fonts.Reset();
        fonts.SetInstalledFamilies({"Arial"});
        ASSERT_TRUE(MakeTahoma().Activate());
        EXPECT_TRUE(holder->Active());
        EXPECT_EQ(machine.Get(ttf), kFontBytes);
        EXPECT_TRUE(Exists(fot));
        EXPECT_EQ(fonts.Added(), std::vector<std::string>{fot});
        EXPECT_TRUE(holder->Activate());  // once is enough
        EXPECT_EQ(fonts.Calls(), (std::vector<std::string>{"IsFamilyInstalled Tahoma", "Install " + ttf + " " + fot}));

        if (byFreeing) {
            holder.reset();
        } else {
            holder->Deactivate();
            EXPECT_FALSE(holder->Active());
            holder->Deactivate();  // nothing more
        }
        EXPECT_EQ(fonts.Calls().back(), "Uninstall " + fot);
        EXPECT_EQ(fonts.Calls().size(), 3u);
        EXPECT_TRUE(fonts.Added().empty());
        EXPECT_FALSE(Exists(ttf));
        EXPECT_FALSE(Exists(fot));
    }
}

TEST_F(FontHolderTest, AFailedInstallLeavesNoFilesBehind) {
    for (Outcome outcome : {Outcome::NoResource, Outcome::NotAdded}) {
        SCOPED_TRACE(int(outcome));
        fonts.Reset();
        fonts.SetInstalledFamilies({});
        fonts.SetInstallOutcome(outcome);
        EXPECT_FALSE(MakeTahoma().Activate());
        EXPECT_FALSE(holder->Active());
        EXPECT_FALSE(Exists(ttf));
        EXPECT_FALSE(Exists(fot));
        holder.reset();
        EXPECT_EQ(fonts.Calls().size(), 2u) << "no Uninstall for a font that was never added";
    }
}

TEST_F(FontHolderTest, AResourceFileLeftByAnEarlierRunIsMadeAgain) {
    // Making the resource file refuses to overwrite one; a run that ended
    // without cleaning up must not keep the font away for good.
    machine.Put(fot, "old");
    machine.Put(ttf, "old");
    ASSERT_TRUE(MakeTahoma().Activate());
    EXPECT_EQ(machine.Get(fot), "FOT " + ttf);
    EXPECT_EQ(machine.Get(ttf), kFontBytes);
}

TEST_F(FontHolderTest, NothingHappensWithoutFontOrWhenTheFileCannotBeWritten) {
    EXPECT_FALSE(Make("TAHOMA.TTF", "", "Tahoma").Activate());
    EXPECT_TRUE(fonts.Calls().empty());

    // A read-only file of that name that is not the holder's stays as it is.
    machine.Put(ttf, "someone else's");
    ASSERT_TRUE(machine.P().files().SetAttributes(ttf, platform::attr::ReadOnly));
    EXPECT_FALSE(MakeTahoma().Activate());
    EXPECT_EQ(fonts.Calls(), std::vector<std::string>{"IsFamilyInstalled Tahoma"});
    EXPECT_FALSE(Exists(fot));
    EXPECT_EQ(machine.Get(ttf), "someone else's");
    machine.P().files().SetAttributes(ttf, platform::attr::Normal);
}

#ifdef _WIN32
// The Win32 installer under Wine with the font file that the program
// carries, Wine's free Tahoma. Wine may or may not have a Tahoma of its own.
TEST_F(FontHolderTest, Win32InstallerAddsTahomaOnlyWhereItIsMissing) {
    const std::optional<std::string> tahoma = machine.P().files().ReadFile("Z:\\usr\\share\\wine\\fonts\\tahoma.ttf");
    if (!tahoma) GTEST_SKIP() << "no fonts-wine on this machine";
    win32::Win32FontInstaller system;
    EXPECT_FALSE(system.IsFamilyInstalled("Quellwerk Nirgendschrift"));
    EXPECT_FALSE(system.IsFamilyInstalled(""));
    const bool hadTahoma = system.IsFamilyInstalled("Tahoma");

    InstallFontInstaller(&system);
    EXPECT_EQ(Make("TAHOMA.TTF", *tahoma, "Tahoma").Activate(), !hadTahoma);
    EXPECT_TRUE(system.IsFamilyInstalled("Tahoma"));
    EXPECT_EQ(Exists(ttf), !hadTahoma);
    EXPECT_EQ(Exists(fot), !hadTahoma);
    holder.reset();
    EXPECT_EQ(system.IsFamilyInstalled("Tahoma"), hadTahoma);
    EXPECT_FALSE(Exists(ttf));
    EXPECT_FALSE(Exists(fot));
    InstallFontInstaller(&fonts);
}
#endif

}  // namespace
}  // namespace widgets_test
