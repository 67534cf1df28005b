// qw32brkpnt.dll: RunGUI(owner) opens the breakpoint manager, modal to the
// owner: the archives of the breakpoint set, the files in the chosen one
// with where each goes, and the restore with its report.
// The Windows types first, then the common controls and the cabinet
// library's reader that need them.
// clang-format off
#include "platform/win32/win32_api.h"
#include <commctrl.h>
#include <fdi.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "modules/module_dialog/module_dialog.h"
#include "platform/win32/win32_platform.h"
#include "safety/breakpoint_manager.h"
#include "safety/cab_reader.h"

namespace {

HINSTANCE g_instance = nullptr;

// ------------------------------------------------ FDI of "cabinet.dll"

// The cabinet is read from memory under one handle; each file goes into
// memory under a handle from kOutputBase on.
constexpr INT_PTR kCabinetHandle = 1;
constexpr INT_PTR kOutputBase = 0x100000;
const std::string* g_cabinet = nullptr;
size_t g_position = 0;
std::vector<std::string> g_outputs;

FNALLOC(FdiAlloc) { return std::malloc(cb); }
FNFREE(FdiFree) { std::free(pv); }
FNOPEN(FdiOpen) {
    (void)pszFile;
    (void)oflag;
    (void)pmode;
    g_position = 0;
    return kCabinetHandle;
}
FNREAD(FdiRead) {
    if (hf != kCabinetHandle || !g_cabinet) return static_cast<UINT>(-1);
    const size_t n = std::min<size_t>(cb, g_cabinet->size() - std::min(g_position, g_cabinet->size()));
    if (n) std::memcpy(pv, g_cabinet->data() + g_position, n);
    g_position += n;
    return static_cast<UINT>(n);
}
FNWRITE(FdiWrite) {
    if (hf < kOutputBase) return static_cast<UINT>(-1);
    g_outputs[hf - kOutputBase].append(static_cast<const char*>(pv), cb);
    return cb;
}
FNCLOSE(FdiClose) {
    (void)hf;
    return 0;
}
FNSEEK(FdiSeek) {
    if (hf != kCabinetHandle || !g_cabinet) return -1;
    const long base = seektype == SEEK_SET   ? 0
                      : seektype == SEEK_CUR ? static_cast<long>(g_position)
                                             : static_cast<long>(g_cabinet->size());
    g_position = static_cast<size_t>(base + dist);
    return static_cast<long>(g_position);
}
FNFDINOTIFY(FdiNotify) {
    switch (fdint) {
        case fdintCOPY_FILE:
            g_outputs.emplace_back();
            return kOutputBase + static_cast<INT_PTR>(g_outputs.size() - 1);
        case fdintCLOSE_FILE_INFO:
            return TRUE;
        default:
            return 0;
    }
}

using FdiCreateFn = HFDI(DIAMONDAPI*)(PFNALLOC, PFNFREE, PFNOPEN, PFNREAD, PFNWRITE, PFNCLOSE, PFNSEEK, int, PERF);
using FdiCopyFn = BOOL(DIAMONDAPI*)(HFDI, char*, char*, int, PFNFDINOTIFY, PFNFDIDECRYPT, void*);
using FdiDestroyFn = BOOL(DIAMONDAPI*)(HFDI);

// The files of the cabinet through the library; throws ECabReader when the
// library refuses it.
std::vector<std::string> FdiUnpack(HMODULE library, const std::string& cabinet) {
    const auto create = reinterpret_cast<FdiCreateFn>(reinterpret_cast<void*>(GetProcAddress(library, "FDICreate")));
    const auto copy = reinterpret_cast<FdiCopyFn>(reinterpret_cast<void*>(GetProcAddress(library, "FDICopy")));
    const auto destroy = reinterpret_cast<FdiDestroyFn>(reinterpret_cast<void*>(GetProcAddress(library, "FDIDestroy")));
    g_outputs.clear();
    g_cabinet = &cabinet;
    ERF erf{};
    HFDI fdi = create(FdiAlloc, FdiFree, FdiOpen, FdiRead, FdiWrite, FdiClose, FdiSeek, cpuUNKNOWN, &erf);
    if (!fdi) throw safety::ECabReader("Die Cabinet-Bibliothek lässt sich nicht starten.");
    char name[] = "archive.cab";
    char path[] = "";
    const BOOL ok = copy(fdi, name, path, 0, FdiNotify, nullptr, nullptr);
    const int oper = erf.erfOper;
    destroy(fdi);
    g_cabinet = nullptr;
    if (!ok) {
        throw safety::ECabReader("Die Cabinet-Bibliothek meldet das Archiv als beschädigt (Fehler " +
                                 std::to_string(oper) + ").");
    }
    return std::move(g_outputs);
}

// The library's reader where "cabinet.dll" has it, with our own reader
// checking it; our reader alone otherwise.
struct Library {
    HMODULE module = nullptr;
    Library() {
        const UINT mode = SetErrorMode(SEM_NOOPENFILEERRORBOX | SEM_FAILCRITICALERRORS);
        module = LoadLibraryA("cabinet.dll");
        SetErrorMode(mode);
        if (module && (!GetProcAddress(module, "FDICreate") || !GetProcAddress(module, "FDICopy") ||
                       !GetProcAddress(module, "FDIDestroy"))) {
            FreeLibrary(module);
            module = nullptr;
        }
    }
    ~Library() {
        if (module) FreeLibrary(module);
    }
};

constexpr int kArchiveList = 100;
constexpr int kContentList = 101;
constexpr int kRestore = 102;
constexpr int kNote = 103;

struct Manager {
    std::vector<safety::BreakpointArchive> archives;
    std::vector<safety::RestoreItem> plan;
    int chosen = -1;
};
Manager* g_manager = nullptr;

std::string Date(uint16_t date) {
    if (date == 0) return "";
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04u", date & 31u, (date >> 5) & 15u, 1980u + (date >> 9));
    return text;
}

std::string Time(uint16_t date, uint16_t time) {
    if (date == 0) return "";
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u", time >> 11, (time >> 5) & 63u);
    return text;
}

std::string Size(uint64_t bytes) {
    char text[32];
    if (bytes < 1024) {
        std::snprintf(text, sizeof text, "%u Bytes", static_cast<unsigned>(bytes));
    } else {
        std::snprintf(text, sizeof text, "%u KB", static_cast<unsigned>((bytes + 1023) / 1024));
    }
    return text;
}

void ShowContents(HWND dialog, int index) {
    HWND list = GetDlgItem(dialog, kContentList);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    g_manager->plan.clear();
    g_manager->chosen = index;
    std::string note;
    if (index >= 0 && index < static_cast<int>(g_manager->archives.size())) {
        try {
            g_manager->plan = safety::PlanRestore(g_manager->archives[index].path);
        } catch (const safety::ECabReader& e) {
            note = e.what();
        }
    }
    for (const auto& item : g_manager->plan) {
        std::string target = item.target.empty() ? safety::kNotAssigned : item.target;
        if (item.atNextStart) target += " (beim nächsten Start)";
        modules::AddRow(list,
                        {item.stored, Size(item.size), Date(item.date) + " " + Time(item.date, item.time), target});
    }
    SetDlgItemTextA(dialog, kNote, note.c_str());
    EnableWindow(GetDlgItem(dialog, kRestore), !g_manager->plan.empty());
}

void ShowArchives(HWND dialog) {
    HWND list = GetDlgItem(dialog, kArchiveList);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    g_manager->archives = safety::ListBreakpointArchives();
    int newest = -1;
    for (size_t i = 0; i < g_manager->archives.size(); ++i) {
        const auto& a = g_manager->archives[i];
        const std::string count = a.fileCount < 0 ? "unlesbar" : std::to_string(a.fileCount);
        modules::AddRow(list, {a.number > 0 ? std::to_string(a.number) : "-", a.name, Date(a.date),
                               Time(a.date, a.time), Size(a.size), count});
        if (a.number > 0) newest = static_cast<int>(i);
    }
    if (newest < 0 && !g_manager->archives.empty()) newest = 0;
    ShowContents(dialog, newest);
    if (newest >= 0) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, newest, reinterpret_cast<LPARAM>(&item));
        SendMessageA(list, LVM_ENSUREVISIBLE, newest, FALSE);
    }
}

void Restore(HWND dialog) {
    Manager& m = *g_manager;
    if (m.chosen < 0 || m.plan.empty()) return;
    std::string replaced;
    for (const auto& item : m.plan) {
        if (!item.target.empty()) replaced += "\r" + item.target + (item.atNextStart ? " (beim nächsten Start)" : "");
    }
    if (replaced.empty()) {
        MessageBoxA(dialog, "Keine Datei dieses Archivs hat heute einen Platz; es wird nichts wiederhergestellt.",
                    "Hinweis", MB_OK | MB_ICONINFORMATION);
        return;
    }
    const std::string question = "Aus \"" + m.archives[m.chosen].name + "\" werden diese Dateien ersetzt:" + replaced +
                                 "\r\rDer jetzige Stand wird vorher in \"" + safety::kUndoArchiveName +
                                 "\" gesichert.\rJetzt wiederherstellen?";
    if (MessageBoxA(dialog, question.c_str(), "Hinweis", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const safety::RestoreResult result = safety::RestoreBreakpoint(m.archives[m.chosen].path);
    SetCursor(cursor);
    const bool clean = result.refused.empty() && result.failed.empty();
    MessageBoxA(dialog, safety::RestoreReportText(result).c_str(), "Hinweis",
                MB_OK | (clean ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
    ShowArchives(dialog);
    if (result.RestartNeeded() &&
        MessageBoxA(dialog,
                    "Die Registrierung wird beim nächsten Start von Windows ersetzt. Windows muss dazu neu "
                    "gestartet werden.\rJetzt neu starten?",
                    "Hinweis", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES) {
        ExitWindowsEx(EWX_REBOOT, 0);
    }
}

void Build(HWND dialog) {
    modules::AddControl(dialog, "STATIC", "Sicherungen im Ordner \"brkpoint\" (die neueste ist gewählt):", SS_LEFT, 8,
                        6, 344, 10, -1);
    modules::AddReport(dialog, 8, 18, 344, 76, kArchiveList,
                       {{"Nr.", 22}, {"Archiv", 124}, {"Datum", 46}, {"Uhrzeit", 36}, {"Größe", 44}, {"Dateien", 36}});
    modules::AddControl(dialog, "STATIC", "Inhalt des gewählten Archivs und wohin jede Datei zurückkehrt:", SS_LEFT, 8,
                        100, 344, 10, -1);
    modules::AddReport(dialog, 8, 112, 344, 96, kContentList,
                       {{"Datei", 62}, {"Größe", 40}, {"Datum", 66}, {"Wiederherstellen nach", 160}});
    modules::AddControl(dialog, "STATIC", "", SS_LEFT, 8, 214, 230, 18, kNote);
    modules::AddControl(dialog, "BUTTON", "&Wiederherstellen", WS_TABSTOP | BS_PUSHBUTTON, 240, 214, 66, 14, kRestore);
    modules::AddControl(dialog, "BUTTON", "Schließen", WS_TABSTOP | BS_DEFPUSHBUTTON, 310, 214, 42, 14, IDCANCEL);
    ShowArchives(dialog);
}

}  // namespace

extern "C" __declspec(dllexport) void WINAPI RunGUI(HWND owner) {
    platform::win32::InstallWin32Platform();
    Manager manager;
    g_manager = &manager;
    Library library;
    if (library.module) {
        safety::SetCabUnpacker(
            [module = library.module](const std::string& cabinet) { return FdiUnpack(module, cabinet); });
    }
    modules::DialogHooks hooks;
    hooks.init = Build;
    hooks.command = [](HWND dialog, int id, int) {
        if (id != kRestore) return false;
        Restore(dialog);
        return true;
    };
    hooks.notify = [](HWND dialog, const NMHDR& header) {
        if (header.idFrom != kArchiveList || header.code != LVN_ITEMCHANGED) return;
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
            change.iItem != g_manager->chosen) {
            ShowContents(dialog, change.iItem);
        }
    };
    modules::RunDialog(g_instance, owner, "Quellwerk Breakpoint-Manager - Rückgängig", 360, 236, hooks);
    safety::SetCabUnpacker(nullptr);
    g_manager = nullptr;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}
