#include "widgets/dialog_host.h"

#include "widgets/headless_dialogs.h"

namespace widgets {

namespace {
DialogHost* g_host = nullptr;
}

std::vector<TModalResult> AnswersOf(TMsgButtons buttons) {
    switch (buttons) {
        case mbOK:
            return {mrOk};
        case mbOKCancel:
            return {mrOk, mrCancel};
        case mbAbortRetryIgnore:
            return {mrAbort, mrRetry, mrIgnore};
        case mbYesNoCancel:
            return {mrYes, mrNo, mrCancel};
        case mbYesNo:
            return {mrYes, mrNo};
        case mbRetryCancel:
            return {mrRetry, mrCancel};
    }
    return {};
}

DialogHost& Dialogs() { return g_host ? *g_host : Headless(); }

void InstallDialogHost(DialogHost* host) { g_host = host; }

TModalResult ShowMessageBox(const std::string& text, const std::string& caption, TMsgButtons buttons, TMsgIcon icon,
                            const TForm* owner, int defaultButton) {
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.buttons = buttons;
    request.icon = icon;
    request.defaultButton = defaultButton;
    request.owner = owner;
    return Dialogs().MessageBox(request);
}

}  // namespace widgets
