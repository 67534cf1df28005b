// The registry of the platform: the same rules on the fake and under Wine.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/regedit.h"
#include "tests/support/test_machine.h"

namespace {

using platform::RegValue;
using platform::RootKey;
using platform::ValueType;
using testing_support::MachineTest;

class PlatformRegistryTest : public MachineTest {
protected:
    platform::Registry& Reg() { return machine.P().registry(); }
    std::unique_ptr<platform::RegKey> Open(const std::string& sub, bool create) {
        return Reg().OpenKey(RootKey::CurrentUser, machine.RegPath() + sub, create);
    }
};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(PlatformRegistryTest, OpensOnlyExistingKeysUnlessCreating) {
    EXPECT_EQ(Open("\\A\\B", false), nullptr);
    ASSERT_NE(Open("\\A\\B", true), nullptr);  // the missing parent A is made too
    EXPECT_NE(Open("\\A", false), nullptr);
    EXPECT_NE(Open("\\A\\B", false), nullptr);
    EXPECT_EQ(Reg().OpenKey(RootKey::CurrentUser, "\\" + machine.RegPath(), false), nullptr);
}

struct TypedCase {
    const char* name;
    ValueType type;
    std::string data;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }

class PlatformRegistryTypedTest : public PlatformRegistryTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(PlatformRegistryTypedTest, StoresTypeAndBytes) {
    const TypedCase& c = GetParam();
    auto key = Open("", true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->SetValue(c.name, c.type, c.data));
    auto reopened = Open("", false);
    auto value = reopened->QueryValue(c.name);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, c.type);
    EXPECT_EQ(value->data, c.data);
    EXPECT_EQ(reopened->QueryValueSize(c.name), c.data.size());
}

INSTANTIATE_TEST_SUITE_P(
    Types, PlatformRegistryTypedTest,
    ::testing::Values(TypedCase{"Text", ValueType::Sz, platform::SzData("Ölpreis \"100\"")},
                      TypedCase{"Path", ValueType::ExpandSz, platform::SzData("%windir%\\system")},
                      TypedCase{"Number", ValueType::Dword, platform::DwordData(0x8000001Fu)},
                      TypedCase{"Bytes", ValueType::Binary, std::string("\x01\x00\xff\x00", 4)},
                      TypedCase{"Empty", ValueType::Binary, std::string()},
                      TypedCase{"List", ValueType::MultiSz, std::string("a\0bc\0\0", 6)}));

TEST_F(PlatformRegistryTest, DefaultValueHasTheEmptyName) {
    auto key = Open("", true);
    EXPECT_FALSE(key->QueryValue("").has_value());
    ASSERT_TRUE(key->SetValue("", ValueType::Sz, platform::SzData("standard")));
    EXPECT_EQ(platform::TextOfSz(key->QueryValue("")->data), "standard");
    EXPECT_EQ(key->ValueNames(), std::vector<std::string>{""});
}

TEST_F(PlatformRegistryTest, MissingAndDeletedValuesReportNothing) {
    auto key = Open("", true);
    EXPECT_FALSE(key->QueryValue("Gone").has_value());
    EXPECT_FALSE(key->QueryValueSize("Gone").has_value());
    EXPECT_FALSE(key->DeleteValue("Gone"));
    key->SetValue("Gone", ValueType::Dword, platform::DwordData(1));
    EXPECT_TRUE(key->DeleteValue("GONE"));
    EXPECT_FALSE(key->QueryValue("Gone").has_value());
    EXPECT_TRUE(key->ValueNames().empty());
}

TEST_F(PlatformRegistryTest, DeleteKeyTakesItsSubkeys) {
    Open("\\Top\\Mid\\Low", true)->SetValue("V", ValueType::Dword, platform::DwordData(7));
    Open("\\Top\\Side", true);
    Open("\\Other", true);
    EXPECT_TRUE(Reg().DeleteKey(RootKey::CurrentUser, machine.RegPath() + "\\top"));
    EXPECT_EQ(Open("\\Top", false), nullptr);
    EXPECT_EQ(Open("\\Top\\Mid\\Low", false), nullptr);
    EXPECT_NE(Open("\\Other", false), nullptr);
    EXPECT_FALSE(Reg().DeleteKey(RootKey::CurrentUser, machine.RegPath() + "\\Top"));
}

TEST_F(PlatformRegistryTest, EnumeratesSubkeysAndValues) {
    auto key = Open("", true);
    for (const char* name : {"Zeta", "alpha", "Mid"}) {
        Open(std::string("\\") + name, true);
        key->SetValue(name, ValueType::Sz, platform::SzData(name));
    }
    // Windows 9x lists in creation order, Windows NT and Wine sorted.
    const std::vector<std::string> expected{"Mid", "Zeta", "alpha"};
    EXPECT_EQ(Sorted(key->SubkeyNames()), expected);
    EXPECT_EQ(Sorted(key->ValueNames()), expected);
}

TEST_F(PlatformRegistryTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    auto key = Open("\\MixedCase", true);
    key->SetValue("ValueName", ValueType::Sz, platform::SzData("one"));
    key->SetValue("VALUENAME", ValueType::Sz, platform::SzData("two"));
    Open("\\MIXEDCASE", true);

    auto parent = Open("", false);
    EXPECT_EQ(parent->SubkeyNames(), std::vector<std::string>{"MixedCase"});
    auto again = Open("\\mixedcase", false);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->ValueNames(), std::vector<std::string>{"ValueName"});
    EXPECT_EQ(platform::TextOfSz(again->QueryValue("valuename")->data), "two");
}

TEST_F(PlatformRegistryTest, ImportsRegeditText) {
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + machine.RegPath() +
                             "\\Imported]\r\n@=\"std\"\r\n\"Name\"=\"C:\\\\WINDOWS\"\r\n\"Count\"=dword:00000010\r\n";
    ASSERT_TRUE(platform::ImportRegedit(Reg(), text));
    auto key = Open("\\Imported", false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryValue("")->data, platform::SzData("std"));
    EXPECT_EQ(key->QueryValue("Name")->data, platform::SzData("C:\\WINDOWS"));
    EXPECT_EQ(key->QueryValue("Count")->data, platform::DwordData(16));
}

}  // namespace
