// The font installer without a screen: it answers as told, notes every
// call, and makes the resource file through the platform as Windows would.
#pragma once

#include <string>
#include <vector>

#include "widgets/font_installer.h"

namespace widgets {

class HeadlessFontInstaller : public FontInstaller {
public:
    // How Install ends.
    enum class InstallOutcome {
        Works,       // makes the resource file and adds the font
        NoResource,  // the resource file cannot be made
        NotAdded,    // the resource file is made, adding the font fails
    };

    // Families that count as installed. Until the first call every family
    // does, so that a headless program adds no fonts.
    void SetInstalledFamilies(const std::vector<std::string>& families);
    void SetInstallOutcome(InstallOutcome outcome) { outcome_ = outcome; }

    bool IsFamilyInstalled(const std::string& family) override;
    // Like CreateScalableFontResourceA, fails when fotPath exists already.
    bool Install(const std::string& ttfPath, const std::string& fotPath) override;
    bool Uninstall(const std::string& fotPath) override;

    // The calls, one line each: "IsFamilyInstalled Tahoma",
    // "Install <ttf> <fot>", "Uninstall <fot>".
    const std::vector<std::string>& Calls() const { return calls_; }
    // The resource files of the fonts added and not yet removed.
    const std::vector<std::string>& Added() const { return added_; }
    // Back to the start: every family installed, nothing added or noted.
    void Reset();

private:
    bool everyFamily_ = true;
    std::vector<std::string> families_;
    InstallOutcome outcome_ = InstallOutcome::Works;
    std::vector<std::string> calls_;
    std::vector<std::string> added_;
};

// The recorder that SystemFonts() uses when no installer is installed.
HeadlessFontInstaller& HeadlessFonts();

}  // namespace widgets
