// The fake registry's REGEDIT4 import and export.
#include <string>

#include "platform/fake/fake_platform.h"
#include "tests/support/test_machine.h"

namespace {

using platform::RootKey;
using platform::ValueType;
using testing_support::MachineTest;

class FakeRegeditTest : public MachineTest {
protected:
    platform::fake::FakeRegistry& Reg() { return machine.Fake()->registry(); }
    platform::RegValue Value(RootKey root, const std::string& key, const std::string& name) {
        auto open = Reg().OpenKey(root, key, false);
        if (!open) return {};
        return open->QueryValue(name).value_or(platform::RegValue{});
    }
};

constexpr char kExport[] =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Halvorn]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Halvorn\\Quellwerk]\r\n"
    "@=\"Standard\"\r\n"
    "\"Path\"=\"C:\\\\Programme\\\\\\\"Q\\\"\"\r\n"
    "\"Count\"=dword:0000001f\r\n"
    "\"Blob\"=hex:01,00,ff\r\n"
    "\"Expand\"=hex(2):25,77,25,00\r\n"
    "\"List\"=hex(7):61,00,62,00,00\r\n"
    "\r\n"
    "[HKEY_LOCAL_MACHINE\\Software]\r\n"
    "\"Empty\"=hex:\r\n"
    "\r\n";

TEST_F(FakeRegeditTest, LoadsEveryValueForm) {
    QW_FAKE_ONLY(machine);
    ASSERT_TRUE(Reg().LoadRegedit(kExport));
    const std::string key = "software\\halvorn\\quellwerk";
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "").data, platform::SzData("Standard"));
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "path").data, platform::SzData("C:\\Programme\\\"Q\""));
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "Count").type, ValueType::Dword);
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "Count").data, platform::DwordData(31));
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "Blob").data, std::string("\x01\x00\xff", 3));
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "Expand").type, ValueType::ExpandSz);
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "Expand").data, platform::SzData("%w%"));
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "List").type, ValueType::MultiSz);
    EXPECT_EQ(Value(RootKey::CurrentUser, key, "List").data, std::string("a\0b\0\0", 5));
    EXPECT_EQ(Value(RootKey::LocalMachine, "SOFTWARE", "Empty").type, ValueType::Binary);
}

TEST_F(FakeRegeditTest, SavesWhatItLoadedAsPlainLines) {
    QW_FAKE_ONLY(machine);
    ASSERT_TRUE(Reg().LoadRegedit(kExport));
    EXPECT_EQ(Reg().SaveRegedit(), kExport);
}

TEST_F(FakeRegeditTest, ReadsContinuedHexLinesAndComments) {
    QW_FAKE_ONLY(machine);
    ASSERT_TRUE(Reg().LoadRegedit("REGEDIT4\n\n; a comment\n[HKEY_DYN_DATA\\PerfStats]\n"
                                  "\"Long\"=hex:01,02,\\\n  03,04\n\"Gone\"=dword:1\n\"Gone\"=-\n"));
    EXPECT_EQ(Value(RootKey::DynData, "PerfStats", "Long").data, "\x01\x02\x03\x04");
    EXPECT_EQ(Reg().SaveRegedit(), "REGEDIT4\r\n\r\n[HKEY_DYN_DATA\\PerfStats]\r\n\"Long\"=hex:01,02,03,04\r\n\r\n");
}

TEST_F(FakeRegeditTest, TextThatIsNotRegeditIsRefused) {
    QW_FAKE_ONLY(machine);
    for (const char* text : {"", "Windows Registry Editor\r\n", "REGEDIT4\r\n\"x\"=\"no key\"\r\n",
                             "REGEDIT4\r\n[HKEY_NOWHERE\\A]\r\n", "REGEDIT4\r\n[HKEY_USERS\\A]\r\n\"x\"=dword:xyz\r\n"}) {
        EXPECT_FALSE(Reg().LoadRegedit(text)) << text;
    }
}

TEST_F(FakeRegeditTest, OpenKeyOfADeletedKeyReportsNothing) {
    QW_FAKE_ONLY(machine);
    auto key = Reg().OpenKey(RootKey::CurrentUser, "A\\B", true);
    key->SetValue("V", ValueType::Dword, platform::DwordData(1));
    ASSERT_TRUE(Reg().DeleteKey(RootKey::CurrentUser, "A"));
    EXPECT_FALSE(key->QueryValue("V").has_value());
    EXPECT_FALSE(key->SetValue("V", ValueType::Dword, platform::DwordData(2)));
    EXPECT_EQ(Reg().OpenKey(RootKey::CurrentUser, "A", false), nullptr);
}

}  // namespace
