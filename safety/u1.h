// The password properties dialog: sets, changes and removes the program's
// password. It holds the cipher component, so the start's check also runs
// on an instance of it.
#pragma once

#include <string>

#include "safety/dcp_cast128.h"
#include "widgets/button.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/label.h"

namespace safety {

class TDlgPassSet : public widgets::TForm {
public:
    explicit TDlgPassSet(widgets::TComponent* owner);
    const char* ClassName() const override { return "TDlgPassSet"; }

    // True when no password is set, or when the text is the password.
    bool OnlyReadWnd(const std::string& text);
    // Makes the text the password. A file that cannot be written is told
    // in a message; the program goes on.
    void StorePassword(const std::string& password);
    // Removes the password, told like StorePassword when that fails.
    void RemovePassword();

    void FormShow(widgets::TComponent* Sender);
    // "Übernehmen": checks the fields and stores, removes or refuses.
    void CorelButton4Click(widgets::TComponent* Sender);

    TDCP_cast128* DCP_cast1281 = nullptr;
    widgets::TLabel* Label1 = nullptr;  // the text at the top
    widgets::TLabel* Label6 = nullptr;  // "Passwortschutz:"
    widgets::TLabel* Label7 = nullptr;  // "Aktiviert" or "Deaktiviert"
    widgets::TLabel* Label2 = nullptr;  // "Altes Passwort:"
    widgets::TEdit* Edit1 = nullptr;
    widgets::TLabel* Label3 = nullptr;  // "Neues Passwort:"
    widgets::TEdit* Edit2 = nullptr;
    widgets::TLabel* Label4 = nullptr;  // "Wiederholung:"
    widgets::TEdit* Edit3 = nullptr;
    widgets::TButton* CorelButton3 = nullptr;  // "Übernehmen"
    widgets::TButton* CorelButton2 = nullptr;  // "Schließen"
    widgets::TLabel* Label5 = nullptr;         // "Halvorn Quellwerk "
    // Takes the focus when the dialog opens, outside the visible area, so
    // that no field shows a caret at first.
    widgets::TEdit* Edit4 = nullptr;

private:
    void Note(const std::string& text);
    void WriteLine(const std::string& value);
};

}  // namespace safety
