#include "config/apply_settings.h"

#include <memory>

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

// Copies a file over a system file whose attributes are cleared for the
// copy. A failed copy is not reported: the system file stays as it was.
void ReplaceSystemFile(const std::string& from, const std::string& to, const std::string& attributesOf) {
    AttributeGuard guard(attributesOf);
    platform::Get().files().CopyFile(from, to, false);
}

void ApplyWinIni(const TIniFile& temp, const std::string& windows) {
    const std::string path = windows + "win.ini";
    AttributeGuard guard(path);
    TBigIniFile ini(path);
    ini.WriteInteger("Options", "NoDownMessage", temp.ReadInteger(kSecWinIniOptions, "NoDownMessage", 0));
    ini.WriteInteger("Options", "NoEndLogo", temp.ReadInteger(kSecWinIniOptions, "NoEndLogo", 0));
    ini.Flush();
}

void ApplySystemIni(const TIniFile& temp, const std::string& windows) {
    const std::string path = windows + "system.ini";
    AttributeGuard guard(path);
    {
        TBigIniFile ini(path);
        if (SameText(temp.ReadString(kSecSysIni386Enh, "FileSysChange", "on"), "off")) {
            ini.WriteString("386Enh", "FileSysChange", "off");
        } else {
            ini.DeleteKey("386Enh", "FileSysChange");
        }
        ini.Flush();
    }
    try {
        TIniFile("system.ini")
            .WriteBool("NonWindowsApp", "DisablePositionSave",
                       temp.ReadBool(kSecSysSets, "DisablePositionSave", false));
    } catch (const EIniFileException&) {
        // A key that cannot be written does not stop the other settings.
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

}  // namespace

void SetChangedSettings(const std::string& folder) {
    platform::FileSystem& files = platform::Get().files();
    const std::string windows = files.WindowsDirectory() + "\\";

    const std::string msdos = platform::FindOnFixedDrives("msdos.sys");
    if (!msdos.empty()) ReplaceSystemFile(folder + kMsdosCopy, msdos, msdos);

    const TIniFile temp(folder + kSettingsFile);
    ApplyWinIni(temp, windows);
    ApplySystemIni(temp, windows);

    {
        auto key = StepKey(RootKey::CurrentUser, kKeySound);
        if (temp.ReadBool(kSecSysSets, "BeepOnError", false)) {
            key->DeleteValue("Beep");
        } else {
            key->WriteString("Beep", "No");
        }
    }
    {
        const unsigned char tail[2] = {
            static_cast<unsigned char>(temp.ReadBool(kSecSysSets, "NameNumericTail", true) ? 1 : 0), 0};
        StepKey(RootKey::LocalMachine, kKeyFileSystem)->WriteBinaryData("NameNumericTail", tail, 2);
    }
    try {
        StepKey(RootKey::CurrentUser, kKeyMouse)
            ->WriteInteger("SnapToDefaultButton", temp.ReadBool(kSecSysSets, "MouseOnDefault", false) ? 1 : 0);
    } catch (const std::exception&) {
        // The mouse setting is a convenience; it never stops applying.
    }
    ApplyBitmapIcons(temp.ReadBool(kSecWinSets, "BMPIco", false));
    StepKey(RootKey::CurrentUser, kKeyDesktop)
        ->WriteBool("SmoothScroll", temp.ReadBool(kSecWinSets, "SmoothScroll", true));
    StepKey(RootKey::CurrentUser, kKeyDesktop)
        ->WriteString("FontSmoothing", temp.ReadBool(kSecWinSets, "FontAntiAlising", false) ? "1" : "0");
    platform::Get().system().SetSystemParameter(platform::kSpiSetDragFullWindows,
                                                temp.ReadBool(kSecWinSets, "DragFull", false) ? 1 : 0,
                                                platform::kSpifUpdateIniFile | platform::kSpifSendChange);
    StepKey(RootKey::CurrentUser, kKeyExplorerAdvanced)
        ->WriteString("StartMenuScrollPrograms", temp.ReadBool(kSecWinSets, "MinAnim", false) ? "YES" : "NO");
    {
        auto key = StepKey(RootKey::LocalMachine, kKeyCurrentVersion);
        key->WriteString("RegisteredOwner", temp.ReadString(kSecWinSets, "Owner", ""));
        key->WriteString("RegisteredOrganization", temp.ReadString(kSecWinSets, "Organ", ""));
    }
    {
        auto key = StepKey(RootKey::LocalMachine, kKeyLogon);
        if (temp.ReadBool(kSecNetSets, "NoCancel", false)) {
            key->WriteInteger("MustBeValidated", 1);
        } else {
            key->DeleteValue("MustBeValidated");
        }
    }
    {
        auto key = StepKey(RootKey::CurrentUser, kKeyExplorerAdvanced);
        if (temp.ReadBool(kSecNetSets, "NoNetcrawl", false)) {
            key->WriteInteger("NoNetcrawling", 1);
        } else {
            key->DeleteValue("NoNetcrawling");
        }
    }
    {
        auto key = StepKey(RootKey::CurrentUser, kKeyInternetExplorerMain);
        if (temp.ReadBool(kSecNetSets, "FullScreen", false)) {
            key->WriteString("FullScreen", "YES");
        } else {
            key->DeleteValue("FullScreen");
        }
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
