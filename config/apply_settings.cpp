#include "config/apply_settings.h"

#include <functional>
#include <memory>
#include <optional>

#include "config/attribute_guard.h"
#include "config/big_ini_file.h"
#include "config/errors.h"
#include "config/ini_file.h"
#include "config/reg_ini_file.h"
#include "config/registry.h"
#include "config/temp_config.h"
#include "config/text.h"
#include "platform/helpers.h"
#include "platform/platform.h"

namespace config {

using platform::RootKey;

namespace {

// Every registry key of applying is opened with creation.
std::unique_ptr<TRegistry> StepKey(RootKey root, const std::string& path) { return TRegistry::Open(root, path, true); }

// The temp config's value of a setting, or nothing when its key is missing:
// neither the snapshot nor a page wrote it, so there is nothing to apply and
// the system value stays as it is.
std::optional<std::string> Text(const TIniFile& temp, const char* section, const char* key) {
    if (!temp.ValueExists(section, key)) return std::nullopt;
    return temp.ReadString(section, key, "");
}

std::optional<int32_t> Number(const TIniFile& temp, const char* section, const char* key, int32_t defaultValue) {
    if (!temp.ValueExists(section, key)) return std::nullopt;
    return temp.ReadInteger(section, key, defaultValue);
}

std::optional<bool> Flag(const TIniFile& temp, const char* section, const char* key, bool defaultValue) {
    if (!temp.ValueExists(section, key)) return std::nullopt;
    return temp.ReadBool(section, key, defaultValue);
}

// Copies a file over a system file whose attributes are cleared for the
// copy. A failed copy is not reported: the system file stays as it was. A
// copy that the snapshot could not make afresh holds what an earlier run
// found and is not written back.
void ReplaceSystemFile(const std::string& from, const std::string& to, const std::string& attributesOf) {
    if (IsStaleCopy(from)) return;
    AttributeGuard guard(attributesOf);
    platform::Get().files().CopyFile(from, to, false);
}

void ApplyWinIni(const TIniFile& temp, const std::string& windows) {
    const auto noDownMessage = Number(temp, kSecWinIniOptions, keys::kNoDownMessage, 0);
    const auto noEndLogo = Number(temp, kSecWinIniOptions, keys::kNoEndLogo, 0);
    if (!noDownMessage && !noEndLogo) return;
    const std::string path = windows + "win.ini";
    AttributeGuard guard(path);
    TBigIniFile ini(path);
    if (noDownMessage) ini.WriteInteger("Options", "NoDownMessage", *noDownMessage);
    if (noEndLogo) ini.WriteInteger("Options", "NoEndLogo", *noEndLogo);
    ini.Flush();
}

void ApplySystemIni(const TIniFile& temp, const std::string& windows) {
    const auto fileSysChange = Text(temp, kSecSysIni386Enh, keys::kFileSysChange);
    const auto disablePositionSave = Flag(temp, kSecSysSets, keys::kDisablePositionSave, false);
    if (!fileSysChange && !disablePositionSave) return;
    const std::string path = windows + "system.ini";
    AttributeGuard guard(path);
    if (fileSysChange) {
        TBigIniFile ini(path);
        if (SameText(*fileSysChange, "off")) {
            ini.WriteString("386Enh", "FileSysChange", "off");
        } else {
            ini.DeleteKey("386Enh", "FileSysChange");
        }
        ini.Flush();
    }
    if (disablePositionSave) {
        try {
            TIniFile("system.ini").WriteBool("NonWindowsApp", "DisablePositionSave", *disablePositionSave);
        } catch (const EIniFileException&) {
            // A key that cannot be written does not stop the other settings.
        }
    }
}

void ApplyBitmapIcons(bool asIcons) {
    const std::string type = BitmapFileType();
    // Without a file type there is no icon to change, and no key is made
    // at the top of the classes.
    if (type.empty()) return;
    auto key = StepKey(RootKey::ClassesRoot, type + "\\DefaultIcon");
    if (asIcons) {
        const std::string current = key->ReadString("");
        if (current != "%1") key->WriteString("oldicon", current);
        key->WriteString("", "%1");
    } else if (key->ValueExists("oldicon")) {
        key->WriteString("", key->ReadString("oldicon"));
        key->DeleteValue("oldicon");
    }
}

// The network and browser settings: one that is on writes its value, one
// that is off removes it.
void WriteOrDelete(RootKey root, const char* path, bool on, const char* name,
                   const std::function<void(TRegistry&)>& write) {
    auto key = StepKey(root, path);
    if (on) {
        write(*key);
    } else {
        key->DeleteValue(name);
    }
}

}  // namespace

void SetChangedSettings(const std::string& folder) {
    platform::FileSystem& files = platform::Get().files();
    const std::string windows = files.WindowsDirectory() + "\\";

    const std::string msdos = platform::FindOnFixedDrives("msdos.sys");
    if (!msdos.empty()) ReplaceSystemFile(folder + kMsdosCopy, msdos, msdos);

    const TIniFile temp(folder + kSettingsFile);
    ApplyWinIni(temp, windows);
    ApplySystemIni(temp, windows);

    if (const auto beep = Flag(temp, kSecSysSets, keys::kBeepOnError, false)) {
        auto key = StepKey(RootKey::CurrentUser, kKeySound);
        if (*beep) {
            key->DeleteValue("Beep");
        } else {
            key->WriteString("Beep", "No");
        }
    }
    if (const auto tails = Flag(temp, kSecSysSets, keys::kNameNumericTail, true)) {
        const unsigned char tail[2] = {static_cast<unsigned char>(*tails ? 1 : 0), 0};
        StepKey(RootKey::LocalMachine, kKeyFileSystem)->WriteBinaryData("NameNumericTail", tail, 2);
    }
    if (const auto snap = Flag(temp, kSecSysSets, keys::kMouseOnDefault, false)) {
        try {
            StepKey(RootKey::CurrentUser, kKeyMouse)->WriteInteger("SnapToDefaultButton", *snap ? 1 : 0);
        } catch (const std::exception&) {
            // The mouse setting is a convenience; it never stops applying.
        }
    }
    if (const auto icons = Flag(temp, kSecWinSets, keys::kBMPIco, false)) ApplyBitmapIcons(*icons);
    if (const auto smooth = Flag(temp, kSecWinSets, keys::kSmoothScroll, true)) {
        StepKey(RootKey::CurrentUser, kKeyDesktop)->WriteBool("SmoothScroll", *smooth);
    }
    if (const auto fonts = Flag(temp, kSecWinSets, keys::kFontAntiAlising, false)) {
        StepKey(RootKey::CurrentUser, kKeyDesktop)->WriteString("FontSmoothing", *fonts ? "1" : "0");
    }
    if (const auto drag = Flag(temp, kSecWinSets, keys::kDragFull, false)) {
        platform::Get().system().SetSystemParameter(platform::kSpiSetDragFullWindows, *drag ? 1 : 0,
                                                    platform::kSpifUpdateIniFile | platform::kSpifSendChange);
    }
    if (const auto scroll = Flag(temp, kSecWinSets, keys::kMinAnim, false)) {
        StepKey(RootKey::CurrentUser, kKeyExplorerAdvanced)
            ->WriteString("StartMenuScrollPrograms", *scroll ? "YES" : "NO");
    }
    const auto owner = Text(temp, kSecWinSets, keys::kOwner);
    const auto organization = Text(temp, kSecWinSets, keys::kOrgan);
    if (owner || organization) {
        auto key = StepKey(RootKey::LocalMachine, kKeyCurrentVersion);
        if (owner) key->WriteString("RegisteredOwner", *owner);
        if (organization) key->WriteString("RegisteredOrganization", *organization);
    }
    if (const auto validated = Flag(temp, kSecNetSets, keys::kNoCancel, false)) {
        WriteOrDelete(RootKey::LocalMachine, kKeyLogon, *validated, "MustBeValidated",
                      [](TRegistry& key) { key.WriteInteger("MustBeValidated", 1); });
    }
    if (const auto noCrawl = Flag(temp, kSecNetSets, keys::kNoNetcrawl, false)) {
        WriteOrDelete(RootKey::CurrentUser, kKeyExplorerAdvanced, *noCrawl, "NoNetcrawling",
                      [](TRegistry& key) { key.WriteInteger("NoNetcrawling", 1); });
    }
    if (const auto fullScreen = Flag(temp, kSecNetSets, keys::kFullScreen, false)) {
        WriteOrDelete(RootKey::CurrentUser, kKeyInternetExplorerMain, *fullScreen, "FullScreen",
                      [](TRegistry& key) { key.WriteString("FullScreen", "YES"); });
    }

    // The start logo is always written to the root of C:, where the system
    // takes it from; the attributes are those of the logo file found.
    if (files.Exists(folder + kStartLogoCopy)) {
        ReplaceSystemFile(folder + kStartLogoCopy, "c:\\logo.sys", platform::FindOnFixedDrives("logo.sys"));
    }
    if (files.Exists(folder + kShutdownCopy)) {
        ReplaceSystemFile(folder + kShutdownCopy, windows + "logos.sys", windows + "logos.sys");
    }
    if (files.Exists(folder + kWaitCopy)) {
        ReplaceSystemFile(folder + kWaitCopy, windows + "logow.sys", windows + "logow.sys");
    }
}

void CheckReboot(const AskFunction& ask) {
    TRegIniFile options(kOptionsKey);
    const int32_t exitMode = options.ReadInteger("Options", "Exit", 0);
    bool askNow = exitMode == 2;
    if (exitMode == 0 && options.ReadBool("General", "ExitMode", false)) {
        options.DeleteKey("General", "ExitMode");
        askNow = true;
    }
    if (askNow && ask(Question{kRebootQuestion, "Hinweis", QuestionButtons::YesNo}) == Answer::Yes) {
        platform::Get().system().ExitWindows(platform::kEwxReboot);
    }
}

bool CloseQuery(bool settingsChanged, const std::string& folder, const AskFunction& ask) {
    if (settingsChanged) {
        const Answer answer = ask(Question{kApplyQuestion, "Hinweis", QuestionButtons::YesNoCancel});
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::Yes) SetChangedSettings(folder);
    }
    CheckReboot(ask);
    return true;
}

}  // namespace config
