#include "widgets/headless_font_installer.h"

#include <algorithm>

#include "platform/platform.h"
#include "widgets/component.h"

namespace widgets {

void HeadlessFontInstaller::SetInstalledFamilies(const std::vector<std::string>& families) {
    everyFamily_ = false;
    families_ = families;
}

bool HeadlessFontInstaller::IsFamilyInstalled(const std::string& family) {
    calls_.push_back("IsFamilyInstalled " + family);
    return everyFamily_ ||
           std::any_of(families_.begin(), families_.end(), [&](const std::string& f) { return SameText(f, family); });
}

bool HeadlessFontInstaller::Install(const std::string& ttfPath, const std::string& fotPath) {
    calls_.push_back("Install " + ttfPath + " " + fotPath);
    platform::FileSystem& files = platform::Get().files();
    if (outcome_ == InstallOutcome::NoResource || files.Exists(fotPath) || !files.Exists(ttfPath)) return false;
    if (!files.WriteFile(fotPath, "FOT " + ttfPath)) return false;
    if (outcome_ == InstallOutcome::NotAdded) return false;
    added_.push_back(fotPath);
    return true;
}

bool HeadlessFontInstaller::Uninstall(const std::string& fotPath) {
    calls_.push_back("Uninstall " + fotPath);
    const auto found = std::find(added_.begin(), added_.end(), fotPath);
    if (found == added_.end()) return false;
    added_.erase(found);
    return true;
}

void HeadlessFontInstaller::Reset() { *this = HeadlessFontInstaller(); }

HeadlessFontInstaller& HeadlessFonts() {
    static HeadlessFontInstaller recorder;
    return recorder;
}

}  // namespace widgets
