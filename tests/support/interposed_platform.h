// A platform that hands every call to the one installed before it, except
// the calls a test makes fail: a file that cannot be read, a file held open
// by another program (readable, but not to be written, replaced, renamed or
// deleted), a registry key that cannot be opened, a profile write that is
// refused. The faults are the same on the fake and under Wine, so the test
// that needs them runs on both. Installed while it lives.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/text.h"
#include "platform/platform.h"

namespace testing_support {

class InterposedPlatform : public platform::Platform {
public:
    using PathTest = std::function<bool(const std::string& path)>;
    using KeyTest = std::function<bool(platform::RootKey root, const std::string& path)>;

    // The path is the one named, without regard to case.
    static PathTest Is(const std::string& wanted) {
        return [wanted](const std::string& path) { return config::SameText(path, wanted); };
    }

    InterposedPlatform() : inner_(platform::Get()), files_(*this), registry_(*this), profile_(*this) {
        platform::Install(this);
    }
    ~InterposedPlatform() override { platform::Install(&inner_); }

    InterposedPlatform(const InterposedPlatform&) = delete;
    InterposedPlatform& operator=(const InterposedPlatform&) = delete;

    PathTest unreadable;      // ReadFile fails
    PathTest heldOpen;        // readable and copyable, but not changed in any way
    KeyTest closedKey;        // OpenKey gives nothing
    PathTest refusedProfile;  // WritePrivateProfileString on that file fails

    platform::Registry& registry() override { return registry_; }
    platform::Profile& profile() override { return profile_; }
    platform::FileSystem& files() override { return files_; }
    platform::System& system() override { return inner_.system(); }
    platform::Shell& shell() override { return inner_.shell(); }
    platform::FileAccess& fileAccess() override { return inner_.fileAccess(); }
    platform::CodePage& codePage() override { return inner_.codePage(); }
    platform::RecycleBin& recycleBin() override { return inner_.recycleBin(); }
    platform::Cabinet& cabinet() override { return inner_.cabinet(); }
    platform::ActiveX& activex() override { return inner_.activex(); }
    platform::Modules& modules() override { return inner_.modules(); }
    platform::VersionInfo& versionInfo() override { return inner_.versionInfo(); }
    platform::Machine& machine() override { return inner_.machine(); }
    platform::Net& net() override { return inner_.net(); }

private:
    static bool Hit(const PathTest& test, const std::string& path) { return test && test(path); }

    class Files : public platform::FileSystem {
    public:
        explicit Files(InterposedPlatform& owner) : o_(owner) {}
        platform::FileSystem& In() { return o_.inner_.files(); }
        bool Held(const std::string& path) { return Hit(o_.heldOpen, path); }

        bool Exists(const std::string& path) override { return In().Exists(path); }
        uint32_t GetAttributes(const std::string& path) override { return In().GetAttributes(path); }
        bool SetAttributes(const std::string& path, uint32_t attributes) override {
            return In().SetAttributes(path, attributes);
        }
        bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override {
            if (Hit(o_.unreadable, from) || Held(to)) return false;
            return In().CopyFile(from, to, failIfExists);
        }
        bool MoveFile(const std::string& from, const std::string& to) override {
            if (Held(from) || Held(to)) return false;
            return In().MoveFile(from, to);
        }
        bool DeleteFile(const std::string& path) override { return !Held(path) && In().DeleteFile(path); }
        bool CreateDirectory(const std::string& path) override { return In().CreateDirectory(path); }
        bool RemoveDirectory(const std::string& path) override { return In().RemoveDirectory(path); }
        std::optional<std::string> ReadFile(const std::string& path) override {
            if (Hit(o_.unreadable, path)) return std::nullopt;
            return In().ReadFile(path);
        }
        bool WriteFile(const std::string& path, const std::string& bytes) override {
            return !Held(path) && In().WriteFile(path, bytes);
        }
        std::vector<platform::FoundFile> Find(const std::string& pattern) override { return In().Find(pattern); }
        std::string ShortPath(const std::string& path) override { return In().ShortPath(path); }
        platform::DriveType GetDriveType(const std::string& root) override { return In().GetDriveType(root); }
        std::optional<platform::DiskSpace> GetDiskSpace(const std::string& root) override {
            return In().GetDiskSpace(root);
        }
        std::string WindowsDirectory() override { return In().WindowsDirectory(); }
        std::string SystemDirectory() override { return In().SystemDirectory(); }
        std::string TempDirectory() override { return In().TempDirectory(); }
        std::optional<std::string> GetEnvironment(const std::string& name) override {
            return In().GetEnvironment(name);
        }
        std::string ModuleFileName() override { return In().ModuleFileName(); }

    private:
        InterposedPlatform& o_;
    };

    class Keys : public platform::Registry {
    public:
        explicit Keys(InterposedPlatform& owner) : o_(owner) {}
        std::unique_ptr<platform::RegKey> OpenKey(platform::RootKey root, const std::string& path,
                                                  bool create) override {
            if (o_.closedKey && o_.closedKey(root, path)) return nullptr;
            return o_.inner_.registry().OpenKey(root, path, create);
        }
        bool DeleteKey(platform::RootKey root, const std::string& path) override {
            return o_.inner_.registry().DeleteKey(root, path);
        }
        std::optional<std::unique_ptr<platform::RegKey>> OpenRemoteKey(const std::string& machine,
                                                                       platform::RootKey root,
                                                                       const std::string& path) override {
            return o_.inner_.registry().OpenRemoteKey(machine, root, path);
        }

    private:
        InterposedPlatform& o_;
    };

    class Strings : public platform::Profile {
    public:
        explicit Strings(InterposedPlatform& owner) : o_(owner) {}
        std::string GetString(const std::string& section, const std::string& key, const std::string& defaultValue,
                              uint32_t bufferSize, const std::string& file) override {
            return o_.inner_.profile().GetString(section, key, defaultValue, bufferSize, file);
        }
        bool WriteString(const std::string& section, const std::string& key, const std::optional<std::string>& value,
                         const std::string& file) override {
            if (Hit(o_.refusedProfile, file)) return false;
            return o_.inner_.profile().WriteString(section, key, value, file);
        }

    private:
        InterposedPlatform& o_;
    };

    platform::Platform& inner_;
    Files files_;
    Keys registry_;
    Strings profile_;
};

}  // namespace testing_support
