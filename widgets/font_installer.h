// Adding a TrueType font to the system's fonts for the run of the program.
//
// TFontHolder decides what to do; the installer does the system's part.
// The Win32 one (widgets/win32/win32_font_installer.h) goes through GDI;
// without one, the headless recorder (widgets/headless_font_installer.h)
// answers and notes the calls.
#pragma once

#include <string>

namespace widgets {

class FontInstaller {
public:
    virtual ~FontInstaller() = default;
    // True when a TrueType family of that name is installed.
    virtual bool IsFamilyInstalled(const std::string& family) = 0;
    // Makes the scalable-font resource file fotPath for the font file
    // ttfPath (both full paths; fotPath must not exist), adds it to the
    // system's fonts and tells all windows. False when a step failed; the
    // font is then not added, though fotPath may have been made.
    virtual bool Install(const std::string& ttfPath, const std::string& fotPath) = 0;
    // Removes the font added from fotPath and tells all windows. False
    // when the system did not know it.
    virtual bool Uninstall(const std::string& fotPath) = 0;
};

// The installed font installer; the headless recorder when none is.
FontInstaller& SystemFonts();
void InstallFontInstaller(FontInstaller* installer);

}  // namespace widgets
