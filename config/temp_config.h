// The temp config: every operating-system setting the program manages,
// copied at start into files in the program folder. The settings pages edit
// only these files; closing with the user's consent writes them back.
#pragma once

#include <string>

#include "config/ini_file.h"

namespace config {

// File names in the program folder.
inline constexpr const char* kMsdosCopy = "tmpcfg.twc";       // byte copy of MSDOS.SYS
inline constexpr const char* kSettingsFile = "tmpcfg32.twc";  // all other settings
inline constexpr const char* kStartLogoCopy = "Logo.bmp";
inline constexpr const char* kShutdownCopy = "logos.bmp";
inline constexpr const char* kWaitCopy = "logow.bmp";

// Sections of "tmpcfg32.twc".
inline constexpr const char* kSecWinIniOptions = "winini_Options";
inline constexpr const char* kSecSysIni386Enh = "sysini_386Enh";
inline constexpr const char* kSecSysSets = "SysSets";
inline constexpr const char* kSecWinSets = "WinSets";
inline constexpr const char* kSecNetSets = "NetSets";

// Keys of "tmpcfg32.twc", section by section: the snapshot, applying and the
// settings pages all name them from here.
namespace keys {
// winini_Options
inline constexpr const char* kNoDownMessage = "NoDownMessage";
inline constexpr const char* kNoEndLogo = "NoEndLogo";
// sysini_386Enh
inline constexpr const char* kFileSysChange = "FileSysChange";
// SysSets
inline constexpr const char* kBeepOnError = "BeepOnError";
inline constexpr const char* kNameNumericTail = "NameNumericTail";
inline constexpr const char* kDisablePositionSave = "DisablePositionSave";
inline constexpr const char* kMouseOnDefault = "MouseOnDefault";
// WinSets; the key of font smoothing is spelt as stored files have it
inline constexpr const char* kBMPIco = "BMPIco";
inline constexpr const char* kSmoothScroll = "SmoothScroll";
inline constexpr const char* kFontAntiAlising = "FontAntiAlising";
inline constexpr const char* kDragFull = "DragFull";
inline constexpr const char* kMinAnim = "MinAnim";
inline constexpr const char* kOwner = "Owner";
inline constexpr const char* kOrgan = "Organ";
// NetSets
inline constexpr const char* kNoCancel = "NoCancel";
inline constexpr const char* kFullScreen = "FullScreen";
inline constexpr const char* kNoNetcrawl = "NoNetcrawl";
}  // namespace keys

// Registry keys of the managed settings.
inline constexpr const char* kKeySound = "Control Panel\\Sound";
inline constexpr const char* kKeyFileSystem = "System\\CurrentControlSet\\Control\\FileSystem";
inline constexpr const char* kKeyMouse = "Control Panel\\Mouse";
inline constexpr const char* kKeyDesktop = "Control Panel\\desktop";
inline constexpr const char* kKeyExplorerAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr const char* kKeyCurrentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kKeyLogon = "Network\\Logon";
inline constexpr const char* kKeyInternetExplorerMain = "Software\\Microsoft\\Internet Explorer\\Main";

// Copies every managed setting into the temp config in the program folder
// (a path with a trailing backslash). Each setting is read on its own: one
// that cannot be read is left out and the others still come. A failed write
// to "tmpcfg32.twc" ends the snapshot with EIniFileException.
void CreateTempConfig(const std::string& programFolder);

// The name of the file type of ".bmp" files, or empty when there is none.
std::string BitmapFileType();

// Writes a text value into the temp config so that reading it back gives
// exactly this text. The profile functions take the blanks off both ends of
// a value and one pair of quotes around it; a value that would lose either
// is enclosed in one more pair of quotes, which the read takes off again.
// Every writer of a text setting uses it.
void WriteTextSetting(const TIniFile& ini, const std::string& section, const std::string& key,
                      const std::string& value);

// True when the snapshot of this program run could neither replace nor
// remove that copy in the program folder ("tmpcfg.twc" or a picture copy):
// it still holds what an earlier run found, and applying must not write it
// back over the system file.
bool IsStaleCopy(const std::string& path);

}  // namespace config
