#include "pages/ahm_shell_links.h"

#include "platform/platform.h"

namespace pages {

bool TAHMShellLinks::CreateShortCut(size_t n) {
    if (n >= ShortCuts.size()) return false;
    const TAHMShortCut& item = ShortCuts[n];
    const TAHMShortCutProperties& p = item.Properties;
    platform::ShellLinkRequest link;
    link.arguments = p.Parameters;
    link.description = p.Description;
    link.hotKey = p.ShortCutKey;
    link.iconFile = p.IconFile;
    link.iconIndex = p.IconIndex;
    link.target = p.TargetFile;
    link.show = p.StartupState == ssMinimized   ? platform::kSwShowMinNoActive
                : p.StartupState == ssMaximized ? platform::kSwShowMaximized
                                                : platform::kSwShowNormal;
    link.workingDirectory = p.StartupDir;
    if (link.workingDirectory.empty()) {
        const size_t slash = p.TargetFile.find_last_of('\\');
        if (slash != std::string::npos) link.workingDirectory = p.TargetFile.substr(0, slash);
    }
    std::string folder = item.Path;
    if (!folder.empty() && folder.back() != '\\') folder += "\\" + item.PathExtra;
    // An existing folder is no failure.
    if (!folder.empty()) platform::Get().files().CreateDirectory(folder);
    link.linkFile = folder + item.ShortCutName;
    return platform::Get().shell().CreateShellLink(link);
}

}  // namespace pages
