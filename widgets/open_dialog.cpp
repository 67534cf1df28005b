#include "widgets/open_dialog.h"

#include "widgets/dialog_host.h"

namespace widgets {

bool TOpenDialog::Execute() {
    const std::optional<std::string> chosen = Dialogs().ExecuteOpenDialog(*this);
    if (!chosen) return false;
    fileName_ = *chosen;
    return true;
}

}  // namespace widgets
