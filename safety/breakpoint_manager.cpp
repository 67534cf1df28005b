#include "safety/breakpoint_manager.h"

#include <algorithm>

#include "config/big_ini_file.h"
#include "config/ini_file.h"
#include "platform/helpers.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "safety/cab_reader.h"
#include "safety/cab_writer.h"
#include "safety/prog_start_breakpoint.h"

namespace safety {

const char kUndoArchiveName[] = "Quellwerk vor Wiederherstellung.cab";
const char kNotAssigned[] = "nicht zugeordnet";

namespace {

const char* const kArchivePattern = "Quellwerk Programmstart (*).cab";
// The registry of Windows 9x, live while Windows runs.
const char* const kRegistryFiles[] = {"system.dat", "user.dat", "classes.dat"};
const char* const kWindowsFiles[] = {"win.ini", "system.ini", "system.cb", "ttfCache", "dosstart.bat", "protocol.ini"};
const char* const kBootFiles[] = {"autoexec.bat", "config.sys", "msdos.sys", "command.com", "io.sys"};

CabUnpacker& Unpacker() {
    static CabUnpacker unpacker;
    return unpacker;
}

std::string Folder() { return platform::ProgramFolder() + "brkpoint"; }

std::string FileName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsRegistryFile(const std::string& name) {
    for (const char* r : kRegistryFiles) {
        if (platform::SameText(name, r)) return true;
    }
    return false;
}

std::optional<CabReader> OpenArchive(const std::string& path) {
    const auto bytes = platform::Get().files().ReadFile(path);
    if (!bytes) throw ECabReader("Das Archiv lässt sich nicht lesen.");
    return CabReader(*bytes);
}

// Where a stored name goes today; empty when nowhere.
std::string TargetOf(const std::string& stored, const std::vector<std::string>& extraFiles) {
    platform::Platform& p = platform::Get();
    const std::string windows = p.files().WindowsDirectory() + "\\";
    const auto same = [&](const char* name) { return platform::SameText(stored, p.codePage().CharToOem(name)); };
    for (const char* name : kRegistryFiles) {
        if (!same(name)) continue;
        if (platform::SameText(name, "classes.dat") && !IsWindowsMe()) return "";
        return windows + name;
    }
    for (const char* name : kBootFiles) {
        if (same(name)) return FindBootFile(name);
    }
    for (const char* name : kWindowsFiles) {
        if (same(name)) return windows + name;
    }
    // The breakpoint stores a file of the Files section by its short name.
    for (const std::string& path : extraFiles) {
        const std::string shortPath = ToShortPath(path);
        for (const std::string& candidate : {FileName(path), FileName(shortPath)}) {
            if (!candidate.empty() && platform::SameText(stored, p.codePage().CharToOem(candidate))) return path;
        }
    }
    return "";
}

std::vector<std::string> TodaysExtraFiles() {
    std::vector<std::string> paths;
    const std::string cfgPath = platform::ProgramFolder() + "qw32break.cfg";
    if (!platform::Get().files().Exists(cfgPath)) return paths;
    config::TBigIniFile cfg(cfgPath);
    std::vector<std::string> keys;
    cfg.ReadSection("Files", keys);
    for (const std::string& key : keys) {
        const std::string value = cfg.ReadString("Files", key, "");
        if (!value.empty()) paths.push_back(value);
    }
    return paths;
}

// A name beside target that nothing else uses.
std::string Beside(const std::string& target, const char* prefix) {
    auto& files = platform::Get().files();
    for (int n = 1; n < 1000; ++n) {
        const std::string path = FolderOf(target) + "\\" + prefix + std::to_string(n) + ".TMP";
        if (!files.Exists(path)) return path;
    }
    return FolderOf(target) + "\\" + prefix + ".TMP";
}

// Saves the current files of the targets; false when the archive could
// not be written whole. Files that do not exist now have nothing to save.
bool WriteUndoArchive(const std::vector<RestoreItem>& items, std::vector<RestoreFailure>& unsaved,
                      std::vector<bool>& saved) {
    platform::Platform& p = platform::Get();
    auto& files = p.files();
    CabWriter writer;
    for (size_t i = 0; i < items.size(); ++i) {
        const RestoreItem& item = items[i];
        if (item.target.empty()) continue;
        if (!files.Exists(item.target)) {
            saved[i] = true;
            continue;
        }
        const auto bytes = files.ReadFile(item.target);
        if (!bytes) {
            unsaved.push_back({item.target, "der jetzige Stand ließ sich nicht lesen und sichern"});
            continue;
        }
        uint16_t date = item.date, time = item.time;
        const platform::FileHandle h = p.fileAccess().Open(item.target, platform::FileMode::Read, false, false);
        if (h != platform::kNoFile) {
            if (const auto stamp = p.fileAccess().LastWriteTime(h)) {
                date = stamp->date;
                time = stamp->time;
            }
            p.fileAccess().Close(h);
        }
        const uint32_t attributes = files.GetAttributes(item.target);
        writer.BeginFile(item.stored, date, time, static_cast<uint16_t>(attributes & kCabAttributeMask));
        writer.AddData(bytes->data(), bytes->size());
        writer.EndFile();
        saved[i] = true;
    }
    std::string cab;
    writer.Finish([&](const char* data, size_t size) {
        cab.append(data, size);
        return true;
    });
    const std::string undo = Folder() + "\\" + kUndoArchiveName;
    const std::string fresh = Folder() + "\\Quellwerk vor Wiederherstellung.tmp";
    if (!files.Exists(Folder())) files.CreateDirectory(Folder());
    if (!files.WriteFile(fresh, cab)) {
        files.DeleteFile(fresh);
        return false;
    }
    // The older undo archive gives way only to a complete new one.
    if (files.Exists(undo) && !files.DeleteFile(undo)) {
        files.DeleteFile(fresh);
        return false;
    }
    return files.MoveFile(fresh, undo);
}

// Writes bytes beside target and swaps them in; the reason when it fails,
// with the target as it was.
std::string ReplaceNow(const std::string& target, const std::string& bytes) {
    auto& files = platform::Get().files();
    const std::string staged = Beside(target, "QWNEU");
    if (!files.WriteFile(staged, bytes)) {
        files.DeleteFile(staged);
        return "die neue Fassung ließ sich neben dem Ziel nicht schreiben";
    }
    const uint32_t attributes = files.GetAttributes(target);
    const bool existed = attributes != platform::attr::Invalid;
    std::string old;
    if (existed) {
        files.SetAttributes(target, attributes & ~platform::attr::Protecting);
        old = Beside(target, "QWALT");
        if (!files.MoveFile(target, old)) {
            files.SetAttributes(target, attributes);
            files.DeleteFile(staged);
            return "die Datei ist in Benutzung oder schreibgeschützt";
        }
    }
    if (!files.MoveFile(staged, target)) {
        if (existed) {
            files.MoveFile(old, target);
            files.SetAttributes(target, attributes);
        }
        files.DeleteFile(staged);
        return "die neue Fassung ließ sich nicht an ihren Platz bringen";
    }
    if (existed) {
        files.DeleteFile(old);
        files.SetAttributes(target, attributes);
    }
    return "";
}

// Stages a registry file beside its target and asks WININIT.INI to swap
// it in at the next start, when the registry is not in use.
std::string ReplaceAtNextStart(const std::string& target, const std::string& bytes) {
    platform::Platform& p = platform::Get();
    auto& files = p.files();
    const std::string staged = Beside(target, "QWREG");
    if (!files.WriteFile(staged, bytes)) {
        files.DeleteFile(staged);
        return "die neue Fassung ließ sich neben dem Ziel nicht schreiben";
    }
    const uint32_t attributes = files.GetAttributes(target);
    // WININIT runs under DOS and knows only short names.
    const std::string stagedShort = files.ShortPath(staged);
    const std::string targetShort = attributes != platform::attr::Invalid ? files.ShortPath(target) : "";
    const std::string wininit = files.WindowsDirectory() + "\\WININIT.INI";
    const std::string key = targetShort.empty() ? target : targetShort;
    if (stagedShort.empty() || !p.profile().WriteString("rename", key, stagedShort, wininit)) {
        files.DeleteFile(staged);
        return "WININIT.INI ließ sich nicht schreiben";
    }
    if (attributes != platform::attr::Invalid) {
        // The staged file takes the target's attributes along; the target
        // must be deletable for the swap.
        files.SetAttributes(staged, attributes);
        files.SetAttributes(target, attributes & ~platform::attr::Protecting);
    }
    return "";
}

}  // namespace

void SetCabUnpacker(CabUnpacker unpacker) { Unpacker() = std::move(unpacker); }

std::vector<BreakpointArchive> ListBreakpointArchives() {
    platform::Platform& p = platform::Get();
    std::vector<BreakpointArchive> list;
    const std::string folder = Folder() + "\\";
    auto add = [&](const platform::FoundFile& found, int number) {
        BreakpointArchive a;
        a.path = folder + found.name;
        a.name = found.name;
        a.number = number;
        a.size = found.size;
        const platform::FileHandle h = p.fileAccess().Open(a.path, platform::FileMode::Read, false, false);
        if (h != platform::kNoFile) {
            if (const auto stamp = p.fileAccess().LastWriteTime(h)) {
                a.date = stamp->date;
                a.time = stamp->time;
            }
            p.fileAccess().Close(h);
        }
        try {
            a.fileCount = static_cast<int>(OpenArchive(a.path)->Files().size());
        } catch (const ECabReader&) {
            // Listed all the same, as unreadable.
        }
        list.push_back(a);
    };
    std::vector<std::pair<int, platform::FoundFile>> numbered;
    for (const auto& found : p.files().Find(folder + kArchivePattern)) {
        const std::string prefix = "Quellwerk Programmstart (";
        if (found.name.size() <= prefix.size() + 5) continue;
        const std::string digits = found.name.substr(prefix.size(), found.name.size() - prefix.size() - 5);
        if (digits.empty() || digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        numbered.emplace_back(std::stoi(digits), found);
    }
    std::sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [number, found] : numbered) add(found, number);
    for (const auto& found : p.files().Find(folder + kUndoArchiveName)) add(found, 0);
    return list;
}

std::vector<RestoreItem> PlanRestore(const std::string& archivePath) {
    const auto reader = OpenArchive(archivePath);
    const std::vector<std::string> extra = TodaysExtraFiles();
    std::vector<RestoreItem> items;
    for (const CabReaderEntry& e : reader->Files()) {
        RestoreItem item;
        item.stored = e.name;
        item.size = e.size;
        item.date = e.date;
        item.time = e.time;
        item.target = TargetOf(e.name, extra);
        item.atNextStart = !item.target.empty() && IsRegistryFile(FileName(item.target));
        items.push_back(item);
    }
    return items;
}

RestoreResult RestoreBreakpoint(const std::string& archivePath) {
    RestoreResult result;
    std::vector<RestoreItem> items;
    std::vector<std::string> contents;
    try {
        items = PlanRestore(archivePath);
        // Everything is unpacked and checked before anything is touched.
        const auto bytes = platform::Get().files().ReadFile(archivePath);
        if (!bytes) throw ECabReader("Das Archiv lässt sich nicht lesen.");
        contents = CabReader(*bytes).ExtractAll();
        if (Unpacker() && Unpacker()(*bytes) != contents) {
            throw ECabReader("Die Cabinet-Bibliothek liest das Archiv anders als Quellwerk; es ist beschädigt.");
        }
    } catch (const ECabReader& e) {
        result.refused = e.what();
        return result;
    }
    std::vector<bool> saved(items.size(), false);
    std::vector<RestoreFailure> unsaved;
    try {
        if (!WriteUndoArchive(items, unsaved, saved)) {
            result.refused = std::string("Die Sicherung \"") + kUndoArchiveName +
                             "\" ließ sich nicht schreiben; es wurde nichts wiederhergestellt.";
            return result;
        }
    } catch (const ECabWriter& e) {
        result.refused = std::string("Die Sicherung \"") + kUndoArchiveName + "\" ließ sich nicht schreiben (" +
                         e.what() + "); es wurde nichts wiederhergestellt.";
        return result;
    }
    result.failed = unsaved;
    for (size_t i = 0; i < items.size(); ++i) {
        const RestoreItem& item = items[i];
        if (item.target.empty() || !saved[i]) continue;
        const std::string reason =
            item.atNextStart ? ReplaceAtNextStart(item.target, contents[i]) : ReplaceNow(item.target, contents[i]);
        if (!reason.empty()) {
            result.failed.push_back({item.target, reason});
        } else if (item.atNextStart) {
            result.staged.push_back(item.target);
        } else {
            result.written.push_back(item.target);
        }
    }
    return result;
}

std::string RestoreReportText(const RestoreResult& result) {
    if (!result.refused.empty()) return result.refused;
    std::string text;
    if (!result.written.empty()) {
        text += "Wiederhergestellt:";
        for (const auto& t : result.written) text += "\r" + t;
    }
    if (!result.staged.empty()) {
        if (!text.empty()) text += "\r\r";
        text += "Beim nächsten Start von Windows ersetzt:";
        for (const auto& t : result.staged) text += "\r" + t;
    }
    if (!result.failed.empty()) {
        if (!text.empty()) text += "\r\r";
        text += "Nicht wiederhergestellt:";
        for (const auto& f : result.failed) text += "\r" + f.target + ": " + f.reason;
    }
    if (text.empty()) text = "Das Archiv enthält keine Datei, die wiederhergestellt werden kann.";
    return text;
}

}  // namespace safety
