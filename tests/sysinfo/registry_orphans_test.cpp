// FindRunOrphans, FindSharedDllOrphans and RegeditBackup on keys below the
// test's own registry key: what is listed, and that the backup text brings
// removed values back unchanged. The same on the fake and under Wine.
#include "sysinfo/collectors/registry_orphans.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/regedit.h"
#include "tests/support/test_machine.h"

namespace {

using platform::RootKey;
using platform::ValueType;
using sysinfo::collectors::RunVerdict;
using sysinfo::collectors::TOrphan;

class RegistryOrphansTest : public testing_support::MachineTest {
protected:
    std::string Key(const char* name) const { return machine.RegPath() + "\\" + name; }
    void Set(const std::string& path, const std::string& name, ValueType type, const std::string& data) {
        auto key = machine.P().registry().OpenKey(RootKey::CurrentUser, path, true);
        ASSERT_TRUE(key);
        ASSERT_TRUE(key->SetValue(name, type, data));
    }
    std::optional<platform::RegValue> Get(const std::string& path, const std::string& name) {
        auto key = machine.P().registry().OpenKey(RootKey::CurrentUser, path, false);
        return key ? key->QueryValue(name) : std::nullopt;
    }
    static std::map<std::string, RunVerdict> Verdicts(const std::vector<TOrphan>& found) {
        std::map<std::string, RunVerdict> out;
        for (const TOrphan& orphan : found) out[orphan.name] = orphan.verdict;
        return out;
    }
    // Removes the entries, then imports their backup.
    void RemoveAndRestore(const std::vector<TOrphan>& found) {
        std::vector<const TOrphan*> chosen;
        for (const TOrphan& orphan : found) {
            if (orphan.verdict == RunVerdict::Missing) chosen.push_back(&orphan);
        }
        const std::string backup = sysinfo::collectors::RegeditBackup(chosen);
        for (const TOrphan* orphan : chosen) {
            auto key = machine.P().registry().OpenKey(orphan->root, orphan->key, false);
            ASSERT_TRUE(key && key->DeleteValue(orphan->name));
            ASSERT_FALSE(Get(orphan->key, orphan->name));
        }
        ASSERT_TRUE(platform::ImportRegedit(machine.P().registry(), backup)) << backup;
        for (const TOrphan* orphan : chosen) {
            auto value = Get(orphan->key, orphan->name);
            ASSERT_TRUE(value) << orphan->name;
            EXPECT_EQ(value->type, orphan->value.type) << orphan->name;
            EXPECT_EQ(value->data, orphan->value.data) << orphan->name;
        }
    }
};

TEST_F(RegistryOrphansTest, RunEntriesWithoutTheirProgramAreFoundAndComeBackFromTheBackup) {
    machine.Put(machine.Path("tool.exe"), "MZ");
    const std::string run = Key("Run");
    Set(run, "Da", ValueType::Sz, platform::SzData("\"" + machine.Path("tool.exe") + "\" /x"));
    Set(run, "Weg", ValueType::Sz, platform::SzData(machine.Path("Alt Prog\\gone.exe") + " /min \"a\\b\""));
    Set(run, "WegErweitert", ValueType::ExpandSz, platform::SzData(machine.Path("gone2.exe") + " -q"));
    Set(run, "Ohne Pfad", ValueType::Sz, platform::SzData("qwnirgends.exe /autorun"));
    Set(run, "Zahl", ValueType::Dword, platform::DwordData(1));
    const auto found = sysinfo::collectors::FindRunOrphans(RootKey::CurrentUser, run);
    const std::map<std::string, RunVerdict> expected = {{"Weg", RunVerdict::Missing},
                                                        {"WegErweitert", RunVerdict::Missing},
                                                        {"Ohne Pfad", RunVerdict::Unjudged},
                                                        {"Zahl", RunVerdict::Unjudged}};
    EXPECT_EQ(Verdicts(found), expected);
    RemoveAndRestore(found);
    EXPECT_TRUE(Get(run, "Ohne Pfad"));
    EXPECT_TRUE(sysinfo::collectors::FindRunOrphans(RootKey::CurrentUser, Key("Gone")).empty());
}

TEST_F(RegistryOrphansTest, SharedDllsWithoutTheirFileAreFoundAndComeBackFromTheBackup) {
    machine.Put(machine.Path("da.dll"), "MZ");
    const std::string shared = Key("SharedDLLs");
    Set(shared, machine.Path("da.dll"), ValueType::Dword, platform::DwordData(1));
    Set(shared, machine.Path("weg.dll"), ValueType::Dword, platform::DwordData(3));
    Set(shared, machine.Path("Gemeinsam\\alt\"s.dll"), ValueType::Binary, std::string("\x02\x00\x00\x00", 4));
    Set(shared, "A:\\SETUP.DLL", ValueType::Dword, platform::DwordData(1));
    Set(shared, "relativ.dll", ValueType::Dword, platform::DwordData(1));
    const auto found = sysinfo::collectors::FindSharedDllOrphans(RootKey::CurrentUser, shared);
    const std::map<std::string, RunVerdict> expected = {{machine.Path("weg.dll"), RunVerdict::Missing},
                                                        {machine.Path("Gemeinsam\\alt\"s.dll"), RunVerdict::Missing},
                                                        {"A:\\SETUP.DLL", RunVerdict::Unjudged},
                                                        {"relativ.dll", RunVerdict::Unjudged}};
    EXPECT_EQ(Verdicts(found), expected);
    RemoveAndRestore(found);
}

}  // namespace
