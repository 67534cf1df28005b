// "qw32perfx.ocx", the performance module THalvorn_qw32perfx: the free space
// of the fixed disks, the Windows temp folder with its cleanup into the
// recycle bin, and the number of autostart entries.
#include <cstdio>
#include <string>
#include <vector>

#include "modules/activex_common/ax_control.h"
#include "modules/activex_common/ax_text.h"
#include "platform/platform.h"
#include "platform/text.h"

namespace modules {

namespace {

using platform::RootKey;

enum : int {
    kRefresh = 100,
    kCleanUp,
    kTempText,
    kAutostartText,
    kAutostartParts,
    kFirstDrive = 200,  // label, bar and text of drive k: 200 + 3k ...
};
constexpr int kMaxDrives = 6;
constexpr int kDriveRow = 22;

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunServicesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Drive {
    std::string root;
    platform::DiskSpace space;
};

struct TempFile {
    std::string path;
    uint64_t size;
};

std::vector<Drive> FixedDrives() {
    std::vector<Drive> drives;
    platform::FileSystem& files = platform::Get().files();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        const std::string root = std::string(1, letter) + ":\\";
        if (files.GetDriveType(root) != platform::DriveType::Fixed) continue;
        if (auto space = files.GetDiskSpace(root)) drives.push_back({root, *space});
    }
    return drives;
}

void CollectFiles(const std::string& folder, std::vector<TempFile>& out, int depth) {
    for (const platform::FoundFile& found : platform::Get().files().Find(folder + "*.*")) {
        if (found.name == "." || found.name == "..") continue;
        if (found.attributes & platform::attr::Directory) {
            if (depth < 8) CollectFiles(folder + found.name + "\\", out, depth + 1);
        } else {
            out.push_back({folder + found.name, found.size});
        }
    }
}

int CountValues(RootKey root, const char* path) {
    auto key = platform::Get().registry().OpenKey(root, path, false);
    if (!key) return 0;
    int count = 0;
    for (const std::string& name : key->ValueNames()) {
        if (!name.empty()) ++count;
    }
    return count;
}

// The programs of "load=" and "run=" in win.ini, separated by blanks or
// commas.
int CountWinIniPrograms() {
    int count = 0;
    for (const char* entry : {"load", "run"}) {
        const std::string text = platform::Get().profile().GetString("windows", entry, "", 1024, "win.ini");
        bool inWord = false;
        for (char c : text) {
            const bool separator = c == ' ' || c == ',' || c == '\t';
            if (!separator && !inWord) ++count;
            inWord = !separator;
        }
    }
    return count;
}

std::string ShellFolder(RootKey root, const char* name) {
    auto key = platform::Get().registry().OpenKey(root, kShellFolders, false);
    if (!key) return std::string();
    auto value = key->QueryValue(name);
    return value ? platform::TextOfSz(value->data) : std::string();
}

int CountFolderEntries(const std::string& folder) {
    if (folder.empty()) return 0;
    int count = 0;
    const std::string base = folder.back() == '\\' ? folder : folder + "\\";
    for (const platform::FoundFile& found : platform::Get().files().Find(base + "*.*")) {
        if (found.attributes & platform::attr::Directory) continue;
        if (platform::SameText(found.name, "desktop.ini")) continue;
        ++count;
    }
    return count;
}

class TPerformance : public TAxControl {
protected:
    void CreateContent(HWND) override {
        MakePicture("TIP_BMP", 12, 8);
        MakeChild("STATIC", "Performance", 0, 54, 10, 380, 16, 0, true);
        MakeChild("STATIC", "Freier Speicherplatz, Temp-Ordner und Autostart auf einen Blick.", 0, 54, 26, 380, 16, 0);

        Heading("Freier Speicherplatz der Festplatten", 52);
        for (int k = 0; k < kMaxDrives; ++k) {
            const int y = 74 + k * kDriveRow;
            MakeChild("STATIC", "", 0, 28, y + 1, 30, 16, kFirstDrive + 3 * k);
            MakeChild("STATIC", "", SS_OWNERDRAW, 62, y, 200, 16, kFirstDrive + 3 * k + 1);
            MakeChild("STATIC", "", 0, 272, y + 1, 170, 16, kFirstDrive + 3 * k + 2);
        }

        Heading("Temp-Ordner", 212);
        MakeChild("STATIC", "", SS_NOPREFIX, 28, 234, 300, 32, kTempText);
        MakeChild("BUTTON", "Aufräumen", WS_TABSTOP | BS_PUSHBUTTON, 340, 236, 96, 24, kCleanUp);

        Heading("Autostart", 280);
        MakeChild("STATIC", "", 0, 28, 302, 300, 16, kAutostartText, true);
        MakeChild("STATIC", "", 0, 28, 320, 410, 32, kAutostartParts);

        MakeChild("BUTTON", "Aktualisieren", WS_TABSTOP | BS_PUSHBUTTON, 340, 364, 96, 24, kRefresh);
        Refresh();
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            if (LOWORD(wParam) == kRefresh) Refresh();
            if (LOWORD(wParam) == kCleanUp) CleanUp();
            result = 0;
            return true;
        }
        if (message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int k = (static_cast<int>(item->CtlID) - kFirstDrive) / 3;
            if (k < 0 || k >= static_cast<int>(drives_.size())) return false;
            DrawBar(item->hDC, item->rcItem, drives_[k].space);
            result = TRUE;
            return true;
        }
        return false;
    }

private:
    void Heading(const char* text, int y) {
        MakePicture("BULLET_BMP", 12, y + 2);
        MakeChild("STATIC", text, 0, 28, y, 400, 16, 0, true);
    }

    void SetText(int id, const std::string& text) { SetDlgItemTextA(Window(), id, text.c_str()); }

    void Refresh() {
        drives_ = FixedDrives();
        for (int k = 0; k < kMaxDrives; ++k) {
            const bool shown = k < static_cast<int>(drives_.size());
            for (int part = 0; part < 3; ++part) {
                ShowWindow(GetDlgItem(Window(), kFirstDrive + 3 * k + part), shown ? SW_SHOW : SW_HIDE);
            }
            if (!shown) continue;
            const Drive& drive = drives_[k];
            SetText(kFirstDrive + 3 * k, drive.root);
            SetText(kFirstDrive + 3 * k + 2,
                    Megabytes(drive.space.freeBytes) + " von " + Megabytes(drive.space.totalBytes) + " frei");
            InvalidateRect(GetDlgItem(Window(), kFirstDrive + 3 * k + 1), nullptr, TRUE);
        }

        temp_.clear();
        const std::string folder = platform::Get().files().TempDirectory();
        CollectFiles(folder, temp_, 0);
        uint64_t bytes = 0;
        for (const TempFile& file : temp_) bytes += file.size;
        SetText(kTempText, folder + "\r\n" + Count(temp_.size(), "Datei", "Dateien") + ", " + Kilobytes(bytes));
        EnableWindow(GetDlgItem(Window(), kCleanUp), !temp_.empty());

        const int run = CountValues(RootKey::LocalMachine, kRunKey) + CountValues(RootKey::CurrentUser, kRunKey);
        const int services = CountValues(RootKey::LocalMachine, kRunServicesKey);
        const int winIni = CountWinIniPrograms();
        std::string startUp = ShellFolder(RootKey::CurrentUser, "Startup");
        if (startUp.empty()) startUp = platform::Get().files().WindowsDirectory() + "\\Startmenü\\Programme\\Autostart";
        int folder_entries = CountFolderEntries(startUp);
        const std::string common = ShellFolder(RootKey::LocalMachine, "Common Startup");
        if (!common.empty() && !platform::SameText(common, startUp)) folder_entries += CountFolderEntries(common);
        SetText(kAutostartText, "Einträge insgesamt: " + std::to_string(run + services + winIni + folder_entries));
        SetText(kAutostartParts, "Run: " + std::to_string(run) + "    RunServices: " + std::to_string(services) +
                                     "    win.ini (load=, run=): " + std::to_string(winIni) +
                                     "\r\nAutostart-Ordner: " + std::to_string(folder_entries));
    }

    // After a question, every file of the temp folder goes to the recycle
    // bin; a file that another program holds open stays and is counted.
    void CleanUp() {
        Refresh();
        if (temp_.empty()) return;
        const std::string question = "Sollen " + Count(temp_.size(), "Datei", "Dateien") +
                                     " des Temp-Ordners in den Papierkorb verschoben werden?";
        if (MessageBoxA(OwnerWindow(), question.c_str(), "Hinweis", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
        size_t moved = 0;
        size_t inUse = 0;
        size_t failed = 0;
        for (const TempFile& file : temp_) {
            if (InUse(file.path)) {
                ++inUse;
                continue;
            }
            const uint16_t flags = platform::kFofAllowUndo | platform::kFofNoConfirmation | platform::kFofSilent;
            if (platform::Get().recycleBin().Delete(file.path, flags) == 0 &&
                !platform::Get().files().Exists(file.path)) {
                ++moved;
            } else {
                ++failed;
            }
        }
        std::string note = Count(moved, "Datei wurde", "Dateien wurden") + " in den Papierkorb verschoben.";
        if (inUse)
            note += "\r" + Count(inUse, "Datei ist in Gebrauch und blieb", "Dateien sind in Gebrauch und blieben") +
                    " liegen.";
        if (failed) note += "\r" + Count(failed, "Datei konnte", "Dateien konnten") + " nicht verschoben werden.";
        MessageBoxA(OwnerWindow(), note.c_str(), "Hinweis", MB_OK | MB_ICONINFORMATION);
        Refresh();
    }

    // A file that cannot be opened alone is held by another program.
    static bool InUse(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
        CloseHandle(file);
        return false;
    }

    void DrawBar(HDC dc, RECT area, const platform::DiskSpace& space) {
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(dc, &area, white);
        DeleteObject(white);
        if (space.totalBytes == 0) return;
        RECT filled = area;
        const uint64_t width = static_cast<uint64_t>(area.right - area.left);
        filled.right = area.left + static_cast<LONG>(width * (space.freeBytes / 1024) / (space.totalBytes / 1024 + 1));
        HBRUSH blue = CreateSolidBrush(RGB(48, 72, 128));
        FillRect(dc, &filled, blue);
        DeleteObject(blue);
    }

    std::vector<Drive> drives_;
    std::vector<TempFile> temp_;
};

}  // namespace

const ControlClass kControlClass = {
    {0x69DE8265, 0xE4C4, 0x11D4, {0x89, 0x5F, 0x00, 0xE0, 0x7D, 0x72, 0x46, 0xFD}},
    "{69DE8265-E4C4-11D4-895F-00E07D7246FD}",
    "Halvorn.qw32perfx",
    "THalvorn_qw32perfx",
    "THalvorn_qw32perfx",
    true,
    []() -> TAxControl* { return new TPerformance(); },
};

}  // namespace modules
