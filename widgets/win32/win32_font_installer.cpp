#include "widgets/win32/win32_font_installer.h"

#include "widgets/win32/gdi_object.h"
#include "widgets/win32/win32_api.h"

namespace widgets::win32 {

namespace {

int CALLBACK FindTrueType(const LOGFONTA*, const TEXTMETRICA*, DWORD fontType, LPARAM found) {
    if (!(fontType & TRUETYPE_FONTTYPE)) return 1;  // go on: maybe a TrueType style follows
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

// Tells all top-level windows that the fonts changed. Posted rather than
// sent: a sent broadcast waits for every window, and one hung program
// would hang this one at start and at exit.
void TellWindows() { PostMessageA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0); }

}  // namespace

bool Win32FontInstaller::IsFamilyInstalled(const std::string& family) {
    if (family.empty() || family.size() >= LF_FACESIZE) return false;
    WindowDC screen(nullptr);
    if (!screen.Get()) return false;
    bool found = false;
    EnumFontFamiliesA(screen.Get(), family.c_str(), FindTrueType, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool Win32FontInstaller::Install(const std::string& ttfPath, const std::string& fotPath) {
    // With the full path of the font file and no current folder, the
    // resource file names the font file where it is.
    if (!CreateScalableFontResourceA(0, fotPath.c_str(), ttfPath.c_str(), nullptr)) return false;
    if (AddFontResourceA(fotPath.c_str()) == 0) return false;
    TellWindows();
    return true;
}

bool Win32FontInstaller::Uninstall(const std::string& fotPath) {
    const bool removed = RemoveFontResourceA(fotPath.c_str()) != FALSE;
    if (removed) TellWindows();
    return removed;
}

}  // namespace widgets::win32
