// The font installer on Windows 95/98/ME: EnumFontFamiliesA to find a
// family, CreateScalableFontResourceA and AddFontResourceA to add a
// TrueType file, RemoveFontResourceA to take it away again. Every change
// is posted to all top-level windows as WM_FONTCHANGE.
//
// Install it for as long as fonts may be added and removed, that is, until
// the windows whose TFontHolder added a font are gone:
//
//     widgets::win32::Win32FontInstaller fonts;
//     widgets::InstallFontInstaller(&fonts);
#pragma once

#include "widgets/font_installer.h"

namespace widgets::win32 {

class Win32FontInstaller : public FontInstaller {
public:
    bool IsFamilyInstalled(const std::string& family) override;
    bool Install(const std::string& ttfPath, const std::string& fotPath) override;
    bool Uninstall(const std::string& fotPath) override;
};

}  // namespace widgets::win32
