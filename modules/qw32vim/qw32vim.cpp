// qw32vim.dll: RunQWVI(owner) shows the about and version window of the
// suite, modal to the owner: the product, its version and maker, and the
// version of each of the suite's files, read as the service page reads them.
#include <string>

#include "modules/module_dialog/module_dialog.h"
#include "platform/helpers.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "sysinfo/collectors/ahm_file_details.h"

namespace {

HINSTANCE g_instance = nullptr;

const char* const kSuiteFiles[] = {"quellwerk.exe", "qw32vim.dll",    "qw32perfx.ocx", "qw32reax.ocx",
                                   "qw32bsax.ocx",  "qw32sermax.ocx", "qw32ifs.dll",   "qw32ians.dll",
                                   "qw32ssm.dll",   "qw32brkpnt.dll", "qw32expr.exe",  "qw32re.exe"};

std::string OwnPath() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(g_instance, path, MAX_PATH);
    return path;
}

// The version of a file of the suite; a file that is not there says so
// instead of showing the program's own version.
std::string VersionOf(const std::string& path) {
    if (!platform::Get().files().Exists(path)) return "fehlt";
    sysinfo::TAHMFileDetails details;
    details.SetAboutFile(path);
    return details.FileVersion();
}

void Fill(HWND dialog) {
    const std::string version = VersionOf(OwnPath());
    const std::string lines[] = {"Halvorn Quellwerk", "Version " + version, "System-Tuning für Windows 95, 98 und ME",
                                 "Hersteller: Halvorn Software", "Die Dateien von Quellwerk und ihre Versionen:"};
    const int tops[] = {8, 20, 32, 44, 62};
    for (int i = 0; i < 5; ++i) modules::AddControl(dialog, "STATIC", lines[i], SS_LEFT, 10, tops[i], 250, 10, -1);
    HWND list = modules::AddReport(dialog, 10, 74, 250, 128, 100, {{"Datei", 110}, {"Version", 126}});
    const std::string folder = platform::ProgramFolder();
    for (const char* file : kSuiteFiles) modules::AddRow(list, {file, VersionOf(folder + file)});
    modules::AddControl(dialog, "BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 210, 210, 50, 14, IDOK);
}

}  // namespace

extern "C" __declspec(dllexport) void WINAPI RunQWVI(HWND owner) {
    platform::win32::InstallWin32Platform();
    modules::DialogHooks hooks;
    hooks.init = Fill;
    modules::RunDialog(g_instance, owner, "Über Quellwerk", 270, 232, hooks);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) g_instance = instance;
    return TRUE;
}
