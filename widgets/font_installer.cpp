#include "widgets/font_installer.h"

#include "widgets/headless_font_installer.h"

namespace widgets {

namespace {
FontInstaller* g_installer = nullptr;
}

FontInstaller& SystemFonts() { return g_installer ? *g_installer : HeadlessFonts(); }

void InstallFontInstaller(FontInstaller* installer) { g_installer = installer; }

}  // namespace widgets
