#include "config/temp_config.h"

#include <functional>
#include <optional>
#include <set>

#include "config/attribute_guard.h"
#include "config/errors.h"
#include "config/ini_file.h"
#include "config/registry.h"
#include "config/text.h"
#include "platform/helpers.h"
#include "platform/platform.h"

namespace config {

using platform::RootKey;

namespace {

// Reads one setting from its source. A source that cannot be read gives
// nothing, so that its key is left out and the next setting still comes.
template <typename T>
std::optional<T> ReadSource(const std::function<T()>& read) {
    try {
        return read();
    } catch (const ERegistryException&) {
        return std::nullopt;
    }
}

// The copies that this run's snapshot could neither replace nor remove,
// by their upper-case path.
std::set<std::string>& StaleCopies() {
    static std::set<std::string> stale;
    return stale;
}

// Makes a copy in the program folder the one that this run found. Windows'
// copy carries the read-only and hidden attributes of a protected system
// file over, so they are cleared on the old copy before it is replaced or
// removed, and on the new copy so that the next run and the boot page can
// replace it. Without a source, or when the copy fails, the old copy goes:
// otherwise the boot page and applying would take what an earlier run
// found for the system's own.
void RefreshCopy(const std::string& source, const std::string& copy) {
    platform::FileSystem& files = platform::Get().files();
    StaleCopies().erase(UpperCase(copy));
    const uint32_t old = files.GetAttributes(copy);
    if (old != platform::attr::Invalid) files.SetAttributes(copy, ClearedAttributes(old));
    if (!source.empty() && files.Exists(source) && files.CopyFile(source, copy, false)) {
        files.SetAttributes(copy, ClearedAttributes(files.GetAttributes(copy)));
        return;
    }
    if (files.Exists(copy) && !files.DeleteFile(copy)) StaleCopies().insert(UpperCase(copy));
}

bool NeedsQuotes(const std::string& text) {
    if (text.empty()) return false;
    // The characters that the profile functions take off the ends of a
    // value: the C white space and Ctrl-Z; and the quotes they remove.
    const auto trimmed = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
    };
    const auto quote = [](char c) { return c == '"' || c == '\''; };
    return trimmed(text.front()) || trimmed(text.back()) || quote(text.front()) || quote(text.back());
}

void WriteFlag(const TIniFile& ini, const char* section, const char* key, const std::optional<bool>& value) {
    if (value) ini.WriteBool(section, key, *value);
}

}  // namespace

bool IsStaleCopy(const std::string& path) { return StaleCopies().count(UpperCase(path)) != 0; }

void WriteTextSetting(const TIniFile& ini, const std::string& section, const std::string& key,
                      const std::string& value) {
    ini.WriteString(section, key, NeedsQuotes(value) ? "\"" + value + "\"" : value);
}

std::string BitmapFileType() { return TRegistry::Open(RootKey::ClassesRoot, ".bmp", true)->ReadString(""); }

void CreateTempConfig(const std::string& folder) {
    platform::FileSystem& files = platform::Get().files();
    const std::string windows = files.WindowsDirectory() + "\\";

    RefreshCopy(platform::FindOnFixedDrives("logo.sys"), folder + kStartLogoCopy);
    RefreshCopy(windows + "logos.sys", folder + kShutdownCopy);
    RefreshCopy(windows + "logow.sys", folder + kWaitCopy);
    // A copy left by an earlier run that did not end in order must not be
    // taken for this run's MSDOS.SYS either.
    RefreshCopy(platform::FindOnFixedDrives("msdos.sys"), folder + kMsdosCopy);

    const TIniFile ini(folder + kSettingsFile);
    const TIniFile winIni("win.ini");
    const TIniFile systemIni("system.ini");

    ini.WriteInteger(kSecWinIniOptions, keys::kNoDownMessage, winIni.ReadInteger("Options", "NoDownMessage", 0));
    ini.WriteInteger(kSecWinIniOptions, keys::kNoEndLogo, winIni.ReadInteger("Options", "NoEndLogo", 0));
    WriteTextSetting(ini, kSecSysIni386Enh, keys::kFileSysChange,
                     systemIni.ReadString("386Enh", "FileSysChange", "on"));

    WriteFlag(ini, kSecSysSets, keys::kBeepOnError, ReadSource<bool>([] {
                  const auto key = TRegistry::Open(RootKey::CurrentUser, kKeySound, true);
                  return !key->ValueExists("Beep") || SameText(key->ReadString("Beep"), "Yes");
              }));
    WriteFlag(ini, kSecSysSets, keys::kNameNumericTail, ReadSource<bool>([] {
                  const auto key = TRegistry::Open(RootKey::LocalMachine, kKeyFileSystem, false);
                  unsigned char bytes[2] = {0, 0};
                  const uint32_t count = key->ReadBinaryData("NameNumericTail", bytes, sizeof bytes);
                  return count >= 1 && bytes[0] == 1 && (count == 1 || bytes[1] == 0);
              }));
    ini.WriteBool(kSecSysSets, keys::kDisablePositionSave,
                  systemIni.ReadBool("NonWindowsApp", "DisablePositionSave", false));
    ini.WriteBool(kSecSysSets, keys::kMouseOnDefault, [] {
        const auto key = TRegistry::Open(RootKey::CurrentUser, kKeyMouse, false);
        return ReadSource<int32_t>([&] { return key->ReadInteger("SnapToDefaultButton"); }).value_or(0) == 1;
    }());

    WriteFlag(ini, kSecWinSets, keys::kBMPIco, ReadSource<bool>([] {
                  const std::string type = BitmapFileType();
                  // Without a file type there is no icon key to look at, and none is
                  // made at the top of the classes.
                  if (type.empty()) return false;
                  return TRegistry::Open(RootKey::ClassesRoot, type + "\\DefaultIcon", true)->ReadString("") == "%1";
              }));
    WriteFlag(ini, kSecWinSets, keys::kSmoothScroll, ReadSource<bool>([] {
                  return TRegistry::Open(RootKey::CurrentUser, kKeyDesktop, true)->ReadInteger("SmoothScroll") != 0;
              }));
    WriteFlag(ini, kSecWinSets, keys::kFontAntiAlising, ReadSource<bool>([] {
                  return TRegistry::Open(RootKey::CurrentUser, kKeyDesktop, true)->ReadString("FontSmoothing") == "1";
              }));
    const auto dragFull = platform::Get().system().GetSystemParameterFlag(platform::kSpiGetDragFullWindows);
    WriteFlag(ini, kSecWinSets, keys::kDragFull, dragFull);
    WriteFlag(ini, kSecWinSets, keys::kMinAnim, ReadSource<bool>([] {
                  const auto key = TRegistry::Open(RootKey::CurrentUser, kKeyExplorerAdvanced, false);
                  return SameText(key->ReadString("StartMenuScrollPrograms"), "Yes");
              }));
    for (const auto& [key, value] :
         {std::pair{keys::kOwner, "RegisteredOwner"}, std::pair{keys::kOrgan, "RegisteredOrganization"}}) {
        const auto text = ReadSource<std::string>([name = value] {
            return TRegistry::Open(RootKey::LocalMachine, kKeyCurrentVersion, true)->ReadString(name);
        });
        if (text) WriteTextSetting(ini, kSecWinSets, key, *text);
    }

    WriteFlag(ini, kSecNetSets, keys::kNoCancel, ReadSource<bool>([] {
                  return TRegistry::Open(RootKey::LocalMachine, kKeyLogon, true)->ReadInteger("MustBeValidated") == 1;
              }));
    WriteFlag(ini, kSecNetSets, keys::kFullScreen, ReadSource<bool>([] {
                  return SameText(
                      TRegistry::Open(RootKey::CurrentUser, kKeyInternetExplorerMain, true)->ReadString("FullScreen"),
                      "YES");
              }));
    WriteFlag(
        ini, kSecNetSets, keys::kNoNetcrawl, ReadSource<bool>([] {
            return TRegistry::Open(RootKey::CurrentUser, kKeyExplorerAdvanced, true)->ReadInteger("NoNetcrawling") == 1;
        }));
}

}  // namespace config
