#include "sysinfo/collectors/ahm_file_details.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace sysinfo {

namespace {

constexpr uint16_t kUsEnglish = 0x0409;

// A path counts only when the directory search finds it too: a name that
// Exists accepts but the search does not (wildcards, a trailing
// backslash) is treated as missing rather than read.
bool IsThere(const std::string& path) {
    auto& files = platform::Get().files();
    return !path.empty() && files.Exists(path) && !files.Find(path).empty();
}

}  // namespace

TAHMFileDetails::TAHMFileDetails() { SetAboutFile(platform::Get().files().ModuleFileName()); }

void TAHMFileDetails::SetAboutFile(const std::string& path) {
    if (IsThere(path)) {
        aboutFile_ = path;
        fileVersion_ = kNoVersion;
        Read(path);
        return;
    }
    if (!path.empty() && OnError) OnError();
    const std::string own = platform::Get().files().ModuleFileName();
    // The executable runs, so it is there; the guard keeps a broken
    // platform from sending this round in circles.
    if (!own.empty() && IsThere(own)) {
        aboutFile_ = own;
        fileVersion_ = kNoVersion;
        Read(own);
    }
}

void TAHMFileDetails::Read(const std::string& path) {
    auto& versions = platform::Get().versionInfo();
    const uint32_t size = versions.FileVersionInfoSize(path);
    if (size == 0) return;
    const auto block = versions.FileVersionInfo(path, size);
    if (!block) return;

    std::vector<std::pair<uint16_t, uint16_t>> translations;
    if (const auto list = versions.QueryValue(*block, "\\VarFileInfo\\Translation")) {
        // Only as many pairs as the returned length holds.
        for (size_t at = 0; at + 4 <= list->size(); at += 4) {
            auto word = [&](size_t i) {
                return static_cast<uint16_t>(static_cast<unsigned char>((*list)[i]) |
                                             static_cast<unsigned char>((*list)[i + 1]) << 8);
            };
            translations.emplace_back(word(at), word(at + 2));
        }
    }
    std::pair<uint16_t, uint16_t> chosen{kUsEnglish, 0};
    if (!translations.empty()) {
        chosen = translations.back();
        for (const auto& t : translations) {
            if (t.first == kUsEnglish) {
                chosen = t;
                break;
            }
        }
    }
    char table[32];
    std::snprintf(table, sizeof table, "\\StringFileInfo\\%04X%04X\\", chosen.first, chosen.second);
    if (const auto value = versions.QueryValue(*block, std::string(table) + "FileVersion")) {
        fileVersion_ = value->substr(0, value->find('\0'));
    }
}

}  // namespace sysinfo
