#include "pages/ahm_applet_dialog.h"

#include "platform/platform.h"
#include "widgets/application.h"
#include "widgets/form.h"

namespace pages {

const TAppletRow kAppletTable[kAppletTypeCount] = {
    {"", 0},        {"appwiz", 0},   {"access", 0},   {"bdeadmin", 0}, {"desk", 0},   {"findfast", 0},
    {"inetcpl", 0}, {"Intl", 0},     {"Joy", 0},      {"Main", 0},     {"Mmsys", 0},  {"Modem", 0},
    {"Netcpl", 0},  {"odbccp32", 0}, {"password", 0}, {"powercfg", 0}, {"sysdm", 0},  {"telephon", 0},
    {"themes", 0},  {"timedate", 0}, {"Main", 1},     {"Main", 2},     {"Main", 3},   {"", 0},
    {"hdwwiz", 0},  {"sticpl", 0},   {"ncpa", 0},     {"fax", 0},      {"appwiz", 1},
};

namespace {
constexpr const char* kPrefix = "shell32.dll,Control_RunDLL ";
}

void TAHMAppletDialog::SetAppletType(TAHMAppletType type) {
    type_ = type;
    ApplyTable();
}

void TAHMAppletDialog::SetAppletName(const std::string& name) {
    name_ = name;
    ApplyTable();
}

void TAHMAppletDialog::SetAppletModule(uint8_t module) {
    module_ = module;
    ApplyTable();
}

void TAHMAppletDialog::ApplyTable() {
    if (type_ == apCustom) return;
    name_ = kAppletTable[type_].name;
    module_ = kAppletTable[type_].module;
}

std::string TAHMAppletDialog::Parameters() const {
    const std::string module = std::to_string(module_);
    switch (type_) {
        case apPrinters:
            return kPrefix + name_ + ".cpl,@" + module;
        case apControlPanel:
            return kPrefix;
        case apScanner2K:
            return kPrefix + name_ + ".cpl";
        default:
            return kPrefix + name_ + ".cpl,@" + module + "," + std::to_string(tab_);
    }
}

bool TAHMAppletDialog::Execute() {
    platform::ShellExecuteRequest request;
    request.verb = "open";
    request.file = "rundll32.exe";
    request.parameters = Parameters();
    request.show = platform::kSwShowNormal;
    widgets::TForm* owner = widgets::Application().MainForm();
    if (owner && owner->Peer()) request.ownerWindow = owner->Peer()->NativeHandle();
    // The applet runs on its own; whether it started is not the page's
    // concern, as the control panel itself reports a missing applet.
    platform::Get().shell().ExecuteEx(request);
    Beep();
    return false;
}

}  // namespace pages
