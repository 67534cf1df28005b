// "qw32reax.ocx", the repair module THalvorn_qw32reax: autostart entries of
// the Run keys whose program is gone, and "SharedDLLs" entries whose file
// is gone. Chosen entries are removed after a question, and only after
// they were written as a REGEDIT4 file into "brkpoint" beside the program,
// which brings them back with a double-click.
#include <cstdio>
#include <string>
#include <vector>

#include "modules/activex_common/ax_control.h"
#include "modules/activex_common/ax_text.h"
#include "platform/helpers.h"
#include "platform/platform.h"
#include "platform/text.h"
#include "sysinfo/collectors/registry_orphans.h"

namespace modules {

namespace {

using platform::RootKey;
using sysinfo::collectors::RunVerdict;

const char kSharedDlls[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

struct Location {
    RootKey root;
    const char* path;
};
const Location kRunKeys[] = {
    {RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
    {RootKey::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\RunServices"},
    {RootKey::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"},
};

struct Entry {
    sysinfo::collectors::TOrphan orphan;
    bool checked = false;
};

// One check: its controls and what it found.
struct Check {
    const char* heading;
    int checkButton;
    int list;
    int removeButton;
    int status;
    int top;
    std::vector<Entry> entries;
};

std::vector<Entry> FindRunEntries() {
    std::vector<Entry> found;
    for (const Location& at : kRunKeys) {
        for (auto& orphan : sysinfo::collectors::FindRunOrphans(at.root, at.path)) found.push_back({orphan});
    }
    return found;
}

std::vector<Entry> FindSharedDlls() {
    std::vector<Entry> found;
    for (auto& orphan : sysinfo::collectors::FindSharedDllOrphans(RootKey::LocalMachine, kSharedDlls)) {
        found.push_back({orphan});
    }
    return found;
}

// "brkpoint\reax0001.reg" and on, the first free number.
std::string BackupPath() {
    platform::FileSystem& files = platform::Get().files();
    const std::string folder = platform::ProgramFolder() + "brkpoint";
    if (!files.Exists(folder)) files.CreateDirectory(folder);
    char name[32];
    for (int n = 1; n < 10000; ++n) {
        std::snprintf(name, sizeof name, "\\reax%04d.reg", n);
        if (!files.Exists(folder + name)) return folder + name;
    }
    return std::string();
}

enum : int {
    kRunCheck = 100,
    kRunList,
    kRunRemove,
    kRunStatus,
    kDllCheck = 110,
    kDllList,
    kDllRemove,
    kDllStatus,
};
constexpr int kListHeight = 98;

class TRepair : public TAxControl {
public:
    TRepair()
        : checks_{{"Autostart-Einträge ohne Programmdatei", kRunCheck, kRunList, kRunRemove, kRunStatus, 52, {}},
                  {"SharedDLLs-Einträge ohne Datei", kDllCheck, kDllList, kDllRemove, kDllStatus, 210, {}}} {}

protected:
    void CreateContent(HWND) override {
        MakePicture("TIP_BMP", 12, 8);
        MakeChild("STATIC", "Reparieren", 0, 54, 10, 380, 16, 0, true);
        MakeChild("STATIC", "Verwaiste Einträge der Registrierung finden und entfernen.", 0, 54, 26, 380, 16, 0);
        for (Check& check : checks_) {
            const int y = check.top;
            MakePicture("BULLET_BMP", 12, y + 6);
            MakeChild("STATIC", check.heading, 0, 28, y + 4, 300, 16, 0, true);
            MakeChild("BUTTON", "Prüfen", WS_TABSTOP | BS_PUSHBUTTON, 340, y, 96, 24, check.checkButton);
            MakeChild("LISTBOX", "",
                      WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_WANTKEYBOARDINPUT |
                          LBS_NOINTEGRALHEIGHT,
                      12, y + 28, 424, kListHeight, check.list);
            MakeChild("STATIC", "Noch nicht geprüft.", SS_NOPREFIX, 12, y + 32 + kListHeight, 320, 16, check.status);
            MakeChild("BUTTON", "Entfernen", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 340, y + 30 + kListHeight, 96,
                      24, check.removeButton);
        }
        MakeChild("STATIC", "Vor dem Entfernen wird eine Sicherung im Ordner \"brkpoint\" angelegt.", SS_NOPREFIX, 12,
                  374, 424, 16, 0);
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_COMMAND) {
            for (Check& check : checks_) {
                const int id = LOWORD(wParam);
                if (id == check.checkButton && HIWORD(wParam) == BN_CLICKED) Run(check);
                if (id == check.removeButton && HIWORD(wParam) == BN_CLICKED) Remove(check);
            }
            result = 0;
            return true;
        }
        if (message == kChildClick) {
            // A click ticks or clears the entry under the mouse.
            for (Check& check : checks_) {
                HWND list = GetDlgItem(Window(), check.list);
                if (reinterpret_cast<HWND>(wParam) != list) continue;
                const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, lParam);
                if (HIWORD(hit) == 0) Toggle(check, LOWORD(hit));
            }
            result = 0;
            return true;
        }
        if (message == WM_CHARTOITEM) {
            // The space bar ticks the selected entry too.
            if (LOWORD(wParam) == ' ') {
                for (Check& check : checks_) {
                    if (reinterpret_cast<HWND>(lParam) == GetDlgItem(Window(), check.list)) {
                        Toggle(check, HIWORD(wParam));
                    }
                }
                result = -2;
                return true;
            }
            return false;
        }
        if (message == WM_MEASUREITEM) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
            result = TRUE;
            return true;
        }
        if (message == WM_DRAWITEM) {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            for (const Check& check : checks_) {
                if (static_cast<int>(item->CtlID) == check.list) Draw(check, *item);
            }
            result = TRUE;
            return true;
        }
        return false;
    }

private:
    void Run(Check& check) {
        check.entries = check.checkButton == kRunCheck ? FindRunEntries() : FindSharedDlls();
        HWND list = GetDlgItem(Window(), check.list);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        size_t missing = 0;
        for (const Entry& entry : check.entries) {
            SendMessageA(list, LB_ADDSTRING, 0, 0);  // drawn from check.entries
            if (entry.orphan.verdict == RunVerdict::Missing) ++missing;
        }
        std::string status = check.entries.empty() ? std::string("Keine verwaisten Einträge gefunden.")
                                                   : Count(missing, "verwaister Eintrag", "verwaiste Einträge");
        if (check.entries.size() > missing) {
            status += ", " + Count(check.entries.size() - missing, "nicht beurteilbar", "nicht beurteilbar");
        }
        SetDlgItemTextA(Window(), check.status, (status + ".").c_str());
        UpdateRemove(check);
    }

    void Toggle(Check& check, int index) {
        if (index < 0 || index >= static_cast<int>(check.entries.size())) return;
        Entry& entry = check.entries[index];
        // An entry that cannot be judged is never offered for removal.
        if (entry.orphan.verdict != RunVerdict::Missing) return;
        entry.checked = !entry.checked;
        InvalidateRect(GetDlgItem(Window(), check.list), nullptr, FALSE);
        UpdateRemove(check);
    }

    void UpdateRemove(const Check& check) {
        bool any = false;
        for (const Entry& entry : check.entries) any = any || entry.checked;
        EnableWindow(GetDlgItem(Window(), check.removeButton), any);
    }

    void Remove(Check& check) {
        std::vector<const sysinfo::collectors::TOrphan*> chosen;
        for (const Entry& entry : check.entries) {
            if (entry.checked && entry.orphan.verdict == RunVerdict::Missing) chosen.push_back(&entry.orphan);
        }
        if (chosen.empty()) return;
        const std::string question = "Sollen " + Count(chosen.size(), "gewählter Eintrag", "gewählte Einträge") +
                                     " entfernt werden?\rVorher wird eine Sicherung im Ordner \"brkpoint\" angelegt.";
        if (MessageBoxA(OwnerWindow(), question.c_str(), "Hinweis", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
        const std::string path = BackupPath();
        if (path.empty() || !platform::Get().files().WriteFile(path, sysinfo::collectors::RegeditBackup(chosen))) {
            MessageBoxA(OwnerWindow(), "Die Sicherung konnte nicht geschrieben werden. Es wurde nichts entfernt.",
                        "Hinweis", MB_OK | MB_ICONEXCLAMATION);
            return;
        }
        size_t removed = 0;
        for (const sysinfo::collectors::TOrphan* entry : chosen) {
            auto key = platform::Get().registry().OpenKey(entry->root, entry->key, false);
            if (key && key->DeleteValue(entry->name)) ++removed;
        }
        const std::string note =
            Count(removed, "Eintrag wurde", "Einträge wurden") + " entfernt. Die Sicherung liegt in\r" + path;
        MessageBoxA(OwnerWindow(), note.c_str(), "Hinweis", MB_OK | MB_ICONINFORMATION);
        Run(check);
    }

    void Draw(const Check& check, const DRAWITEMSTRUCT& item) {
        HDC dc = item.hDC;
        RECT area = item.rcItem;
        const bool selected = (item.itemState & ODS_SELECTED) != 0;
        FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        if (item.itemID >= check.entries.size()) return;
        const Entry& shown = check.entries[item.itemID];
        const sysinfo::collectors::TOrphan& entry = shown.orphan;
        const bool judged = entry.verdict == RunVerdict::Missing;
        RECT box{area.left + 2, area.top + 2, area.left + 14, area.top + 14};
        DrawFrameControl(
            dc, &box, DFC_BUTTON,
            DFCS_BUTTONCHECK | DFCS_FLAT | (shown.checked ? DFCS_CHECKED : 0) | (judged ? 0 : DFCS_INACTIVE));
        HGDIOBJ oldFont = SelectObject(dc, Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : judged ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
        // A "SharedDLLs" entry is named by its file.
        const std::string text = (entry.name == entry.file ? entry.name : entry.name + ": " + entry.file) +
                                 (judged ? "  (fehlt)" : "  (nicht beurteilbar)");
        RECT textArea{area.left + 18, area.top, area.right - 2, area.bottom};
        DrawTextA(dc, text.c_str(), -1, &textArea, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, oldFont);
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
    }

    Check checks_[2];
};

}  // namespace

const ControlClass kControlClass = {
    {0xE94CC445, 0xDCE9, 0x11D4, {0x89, 0x5F, 0x00, 0xE0, 0x7D, 0x72, 0x46, 0xFD}},
    "{E94CC445-DCE9-11D4-895F-00E07D7246FD}",
    "Halvorn.qw32reax",
    "THalvorn_qw32reax",
    "THalvorn_qw32reax",
    false,
    []() -> TAxControl* { return new TRepair(); },
};

}  // namespace modules
