#include "widgets/outside_module.h"

#include "platform/helpers.h"
#include "platform/platform.h"
#include "widgets/application.h"
#include "widgets/dialog_host.h"
#include "widgets/form.h"

namespace widgets {

std::string MissingModuleText(const std::string& file) {
    return "Das Modul \"" + file + "\" fehlt oder ist beschädigt.";
}

bool RunOutsideModule(const std::string& file, const std::string& entry) {
    TForm* main = Application().MainForm();
    const bool wasEnabled = main && main->Enabled();
    if (main) main->SetEnabled(false);
    platform::ModuleCall result = platform::ModuleCall::MissingFile;
    try {
        result = platform::Get().modules().CallWithWindow(platform::ProgramFolder() + file, entry,
                                                          main ? main->NativeHandle() : 0);
    } catch (...) {
        if (main) main->SetEnabled(wasEnabled);
        throw;
    }
    if (main) main->SetEnabled(wasEnabled);
    if (result == platform::ModuleCall::Done) return true;
    ShowMessageBox(MissingModuleText(file), "Hinweis", mbOK, miInformation, main);
    return false;
}

}  // namespace widgets
