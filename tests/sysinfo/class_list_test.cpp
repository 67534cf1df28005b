// ReadClassList on registry fixtures below the test's own key, so the same
// cases run on the fake registry and on Wine's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "sysinfo/collectors/network.h"
#include "tests/support/test_machine.h"

namespace {

using platform::RootKey;
using sysinfo::collectors::ReadClassList;
using Names = std::vector<std::string>;

class ClassListTest : public testing_support::MachineTest {
protected:
    // Sets the string values of RegPath()\path, creating the key.
    void Key(const std::string& path, std::initializer_list<std::pair<const char*, const char*>> values) {
        auto key = machine.P().registry().OpenKey(RootKey::CurrentUser, machine.RegPath() + "\\" + path, true);
        ASSERT_TRUE(key);
        for (const auto& [name, text] : values) ASSERT_TRUE(key->SetValue(name, platform::ValueType::Sz, platform::SzData(text)));
    }
    sysinfo::collectors::TClassList Read(const std::string& className) {
        return ReadClassList(RootKey::CurrentUser, machine.RegPath(), className, "DriverDesc");
    }
};

TEST_F(ClassListTest, ListsTheFirstMatchingClassInOrderWithoutDuplicates) {
    Key("Adapter", {{"Class", "Net"}, {"Link", "net"}});
    Key("Protocols", {{"Class", "nettrans"}, {"Link", "NetTrans"}});
    Key("Twice", {{"Class", "NetTrans"}, {"Link", "Other"}});  // a second registration is not read
    Key("NETTRANS\\0000", {{"DriverDesc", "TCP/IP"}});
    Key("NETTRANS\\0001", {{"DeviceVxDs", "nwlink.vxd"}});  // without the value
    Key("NETTRANS\\0002", {{"DriverDesc", "IPX/SPX-kompatibles Protokoll"}});
    Key("NETTRANS\\0003", {{"DriverDesc", "tcp/ip"}});
    Key("OTHER\\0000", {{"DriverDesc", "NetBEUI"}});
    const auto list = Read("NetTrans");
    EXPECT_EQ(list.link, "NETTRANS");
    EXPECT_EQ(list.items, (Names{"TCP/IP", "IPX/SPX-kompatibles Protokoll"}));
}

TEST_F(ClassListTest, AnythingMissingGivesAnEmptyList) {
    EXPECT_TRUE(Read("NetTrans").items.empty());  // no class key at all
    Key("Protocols", {{"Class", "NetTrans"}});     // no link: the class key's own subkeys are no protocols
    Key("Stray", {{"DriverDesc", "not a protocol"}});
    auto list = Read("NetTrans");
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(list.link, "");
    Key("Protocols", {{"Link", "Gone"}});  // a link to a missing key
    list = Read("NetTrans");
    EXPECT_TRUE(list.items.empty());
    EXPECT_EQ(list.link, "");
    EXPECT_TRUE(Read("Display").items.empty());  // no such class
    // Reading opens keys only.
    EXPECT_FALSE(machine.P().registry().OpenKey(RootKey::CurrentUser, machine.RegPath() + "\\GONE", false));
}

}  // namespace
