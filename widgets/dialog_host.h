// Message boxes, modal forms, the file-open dialog and pop-up menus go
// through the installed dialog host: the native one, or headless the
// scripted one, which answers from queues that the test fills and records
// what was asked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "widgets/types.h"

namespace widgets {

class TForm;
class TOpenDialog;

// The MB_ button sets and icons of MessageBoxA.
enum TMsgButtons { mbOK, mbOKCancel, mbAbortRetryIgnore, mbYesNoCancel, mbYesNo, mbRetryCancel };
enum TMsgIcon { miNone = 0x00, miError = 0x10, miQuestion = 0x20, miExclamation = 0x30, miInformation = 0x40 };

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    TMsgButtons buttons = mbOK;
    TMsgIcon icon = miNone;
    int defaultButton = 0;  // index of the default button, 0 the first
    const TForm* owner = nullptr;
};

// The answers a message box with these buttons can give.
std::vector<TModalResult> AnswersOf(TMsgButtons buttons);

class DialogHost {
public:
    virtual ~DialogHost() = default;
    virtual TModalResult MessageBox(const MessageBoxRequest& request) = 0;
    // Runs a shown modal form until its ModalResult is set and its close
    // query allows it to close; returns the result.
    virtual TModalResult RunModal(TForm& form) = 0;
    // The chosen file, or nothing when the user cancelled.
    virtual std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) = 0;
    // The index of the chosen item, or -1 when the menu was dismissed.
    virtual int TrackPopupMenu(const std::vector<std::string>& items, TPoint screenPos) = 0;
};

// The installed host; the headless one when none is installed.
DialogHost& Dialogs();
void InstallDialogHost(DialogHost* host);

// MessageBoxA with the program's texts. Not named MessageBox, which
// <windows.h> defines as a macro.
TModalResult ShowMessageBox(const std::string& text, const std::string& caption, TMsgButtons buttons, TMsgIcon icon,
                            const TForm* owner = nullptr, int defaultButton = 0);

}  // namespace widgets
