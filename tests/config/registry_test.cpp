#include "config/registry.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/errors.h"
#include "config/reg_ini_file.h"
#include "tests/support/test_machine.h"

using config::ERegistryException;
using config::TRegIniFile;
using config::TRegistry;
using platform::RootKey;
using platform::ValueType;

namespace {

const char* const kKey = "Software\\QuellwerkTest";

// Every test starts and ends without its key under HKEY_CURRENT_USER.
class RegistryTest : public testing_support::MachineTest {
protected:
    RegistryTest() { machine.P().registry().DeleteKey(RootKey::CurrentUser, kKey); }
    ~RegistryTest() override { machine.P().registry().DeleteKey(RootKey::CurrentUser, kKey); }

    void Raw(const std::string& subkey, const std::string& name, ValueType type, const std::string& data) {
        auto key = machine.P().registry().OpenKey(RootKey::CurrentUser, std::string(kKey) + subkey, true);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->SetValue(name, type, data));
    }

    static std::string ErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.what();
        }
        return "no error";
    }
};

TEST_F(RegistryTest, TypedValuesRoundTrip) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("Text", "Grüße");
    reg.WriteInteger("Number", -7);
    reg.WriteBool("Flag", true);
    const unsigned char bytes[2] = {1, 0};
    reg.WriteBinaryData("Bin", bytes, 2);
    reg.CloseKey();

    ASSERT_TRUE(reg.OpenKey(kKey, false));
    EXPECT_EQ(reg.ReadString("Text"), "Grüße");
    EXPECT_EQ(reg.ReadInteger("Number"), -7);
    EXPECT_TRUE(reg.ReadBool("Flag"));
    unsigned char buffer[2] = {9, 9};
    EXPECT_EQ(reg.ReadBinaryData("Bin", buffer, 2), 2u);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[1], 0);
    EXPECT_TRUE(reg.ValueExists("flag"));
    EXPECT_TRUE(reg.DeleteValue("Flag"));
    EXPECT_FALSE(reg.ValueExists("Flag"));
}

TEST_F(RegistryTest, MissingValuesAndKeys) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(std::string(kKey) + "\\Absent", false));
    EXPECT_FALSE(reg.HasCurrentKey());
    EXPECT_EQ(reg.ReadString("X"), "");
    unsigned char buffer[2];
    EXPECT_EQ(reg.ReadBinaryData("X", buffer, 2), 0u);
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("X"); }), "Konnte Daten für 'X' nicht holen");
    EXPECT_EQ(ErrorOf([&] { reg.WriteString("X", "1"); }), "Konnte Daten für 'X' nicht setzen");

    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_EQ(ErrorOf([&] { reg.ReadBool("Missing"); }), "Konnte Daten für 'Missing' nicht holen");
}

struct TypeCase {
    ValueType type;
    std::string data;
    const char* readInteger;  // error text, or "no error"
    const char* readString;
    const char* readBinary;  // into a 2-byte buffer
};

class RegistryTypeTest : public RegistryTest, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(RegistryTypeTest, ReadsCheckTypeAndSize) {
    const TypeCase& c = GetParam();
    Raw("", "V", c.type, c.data);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, false));
    unsigned char buffer[2];
    EXPECT_EQ(ErrorOf([&] { reg.ReadInteger("V"); }), c.readInteger);
    EXPECT_EQ(ErrorOf([&] { reg.ReadString("V"); }), c.readString);
    EXPECT_EQ(ErrorOf([&] { reg.ReadBinaryData("V", buffer, 2); }), c.readBinary);
}

const char* const kNone = "no error";
const char* const kType = "Ungültiger Datentyp für 'V'";
const char* const kGet = "Konnte Daten für 'V' nicht holen";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryTypeTest,
    ::testing::Values(TypeCase{ValueType::Dword, platform::DwordData(5), kNone, kType, kType},
                      TypeCase{ValueType::Sz, platform::SzData("1"), kType, kNone, kType},
                      TypeCase{ValueType::Sz, platform::SzData("Hallo"), kGet, kNone, kType},
                      TypeCase{ValueType::ExpandSz, platform::SzData("%W%"), kType, kNone, kType},
                      TypeCase{ValueType::Binary, std::string("\x01\x00", 2), kType, kType, kNone},
                      TypeCase{ValueType::Binary, std::string("\x01\x00\x00\x00", 4), kType, kType, kType},
                      TypeCase{ValueType::Binary, std::string("\x01\x00\x00\x00\x00", 5), kGet, kType, kType}));

TEST_F(RegistryTest, RegIniFileKeepsSectionsAsSubkeysAndEveryValueAsText) {
    {
        TRegIniFile ini(kKey);
        ini.WriteInteger("Options", "Exit", 2);
        ini.WriteBool("General", "ExitMode", true);
        ini.WriteString("Options", "Name", "x");
    }
    auto key = machine.P().registry().OpenKey(RootKey::CurrentUser, std::string(kKey) + "\\Options", false);
    ASSERT_TRUE(key);
    const auto exitValue = key->QueryValue("Exit");
    ASSERT_TRUE(exitValue);
    EXPECT_EQ(exitValue->type, ValueType::Sz);
    EXPECT_EQ(platform::TextOfSz(exitValue->data), "2");

    TRegIniFile ini(kKey);
    EXPECT_EQ(ini.ReadInteger("Options", "Exit", 0), 2);
    EXPECT_TRUE(ini.ReadBool("General", "ExitMode", false));
    ini.DeleteKey("General", "ExitMode");
    ini.DeleteKey("Absent", "ExitMode");
    EXPECT_FALSE(ini.ReadBool("General", "ExitMode", false));
    EXPECT_EQ(ini.ReadString("Absent", "Name", "def"), "def");
}

TEST_F(RegistryTest, RegIniFileBaseKeyIsCreatedWhenMade) {
    TRegIniFile ini(std::string(kKey) + "\\Base");
    EXPECT_TRUE(machine.P().registry().OpenKey(RootKey::CurrentUser, std::string(kKey) + "\\Base", false));
}

TEST_F(RegistryTest, RegIniFileNumbersAreDecimalOnlyAndOtherTypesRaise) {
    Raw("\\Options", "Hex", ValueType::Sz, platform::SzData("0x1F"));
    Raw("\\Options", "Word", ValueType::Sz, platform::SzData("yes"));
    Raw("\\Options", "Exit", ValueType::Dword, platform::DwordData(1));
    TRegIniFile ini(kKey);
    EXPECT_EQ(ini.ReadInteger("Options", "Hex", 7), 7);
    EXPECT_FALSE(ini.ReadBool("Options", "Word", false));
    EXPECT_TRUE(ini.ReadBool("Options", "Word", true));
    EXPECT_EQ(ErrorOf([&] { ini.ReadInteger("Options", "Exit", 0); }), "Ungültiger Datentyp für 'Exit'");
    EXPECT_EQ(ErrorOf([&] { ini.ReadString("Options", "Exit", ""); }), "Ungültiger Datentyp für 'Exit'");
}

}  // namespace
