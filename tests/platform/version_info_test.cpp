// The version resources of files: the same cases against the fake's PE
// reader and version.dll under Wine.
#include "platform/version_info.h"

#include "tests/support/pe_fixture.h"
#include "tests/support/test_machine.h"

using testing_support::MakePe;
using testing_support::VersionFixture;

namespace {

class VersionInfoTest : public testing_support::MachineTest {
protected:
    platform::VersionInfo& V() { return machine.P().versionInfo(); }
};

TEST_F(VersionInfoTest, ReadsTheTranslationsAndTheStringTable) {
    VersionFixture f = VersionFixture::German("1.2.0.7");
    f.translations.push_back({0x0409, 0x04B0});
    machine.Put(machine.Path("qw32vim.dll"), MakePe(f));
    const uint32_t size = V().FileVersionInfoSize(machine.Path("qw32vim.dll"));
    ASSERT_GT(size, 0u);
    const auto block = V().FileVersionInfo(machine.Path("qw32vim.dll"), size);
    ASSERT_TRUE(block);
    EXPECT_EQ(V().QueryValue(*block, "\\VarFileInfo\\Translation"), std::string("\x07\x04\xE4\x04\x09\x04\xB0\x04", 8));
    const auto version = V().QueryValue(*block, "\\StringFileInfo\\040704E4\\FileVersion");
    ASSERT_TRUE(version);
    EXPECT_EQ(version->substr(0, version->find('\0')), "1.2.0.7");
    EXPECT_FALSE(V().QueryValue(*block, "\\StringFileInfo\\040904B0\\FileVersion"));
    const auto fixed = V().QueryValue(*block, "\\");
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->size(), 52u);
}

TEST_F(VersionInfoTest, FilesWithoutAResourceHaveSizeZero) {
    VersionFixture none;
    none.hasResource = false;
    machine.Put(machine.Path("bare.dll"), MakePe(none));
    machine.Put(machine.Path("win.ini"), "[windows]\r\n");
    for (const char* name : {"bare.dll", "win.ini", "missing.dll"}) {
        EXPECT_EQ(V().FileVersionInfoSize(machine.Path(name)), 0u) << name;
    }
}

}  // namespace
