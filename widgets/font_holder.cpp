#include "widgets/font_holder.h"

#include "platform/platform.h"
#include "widgets/font_installer.h"

namespace widgets {

TFontHolder::TFontHolder(TComponent* owner) : TComponent(owner) {}

TFontHolder::~TFontHolder() {
    try {
        Deactivate();
    } catch (...) {
    }
}

void TFontHolder::BeforeDestruction() {
    try {
        Deactivate();
    } catch (...) {
    }
    TComponent::BeforeDestruction();
}

void TFontHolder::SetFontFile(const std::string& fileName, const std::string& bytes) {
    fileName_ = fileName;
    data_ = bytes;
}

std::string TFontHolder::BasePath() const {
    std::string base = fileName_.substr(fileName_.find_last_of("\\/:") + 1);
    const size_t dot = base.rfind('.');
    if (dot != std::string::npos) base.erase(dot);
    if (base.empty()) base = family_;
    std::string folder = platform::Get().files().TempDirectory();
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder + base;
}

std::string TFontHolder::TtfPath() const { return BasePath() + ".ttf"; }

std::string TFontHolder::FotPath() const { return BasePath() + ".fot"; }

void TFontHolder::DeleteFiles(const std::string& ttfPath, const std::string& fotPath) {
    platform::FileSystem& files = platform::Get().files();
    files.DeleteFile(fotPath);
    files.DeleteFile(ttfPath);
}

bool TFontHolder::Activate() {
    if (active_) return true;
    if (data_.empty() || family_.empty()) return false;
    FontInstaller& fonts = SystemFonts();
    if (fonts.IsFamilyInstalled(family_)) return false;

    const std::string ttf = TtfPath();
    const std::string fot = FotPath();
    platform::FileSystem& files = platform::Get().files();
    // A resource file that an earlier run left behind would make the new
    // one fail: making it refuses to overwrite.
    files.DeleteFile(fot);
    if (!files.WriteFile(ttf, data_) || !fonts.Install(ttf, fot)) {
        DeleteFiles(ttf, fot);
        return false;
    }
    installer_ = &fonts;
    ttfAdded_ = ttf;
    fotAdded_ = fot;
    active_ = true;
    return true;
}

void TFontHolder::Deactivate() {
    if (!active_) return;
    active_ = false;
    // The font goes first: the system holds its file open while it is added.
    installer_->Uninstall(fotAdded_);
    DeleteFiles(ttfAdded_, fotAdded_);
    ttfAdded_.clear();
    fotAdded_.clear();
}

}  // namespace widgets
