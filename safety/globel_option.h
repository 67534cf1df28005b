// The program options dialog: the exit question, the window position, the
// security level, the Explorer context-menu entry, the start-up breakpoint
// switch and the way to the password dialog.
#pragma once

#include <string>

#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/form.h"
#include "widgets/group_box.h"
#include "widgets/label.h"
#include "widgets/page_control.h"
#include "widgets/radio_button.h"
#include "widgets/tab_sheet.h"
#include "widgets/track_bar.h"

namespace safety {

class TDlgOptions : public widgets::TForm {
public:
    explicit TDlgOptions(widgets::TComponent* owner);
    const char* ClassName() const override { return "TDlgOptions"; }

    void FormShow(widgets::TComponent* Sender);
    // Names and describes the level the track bar stands on.
    void TrackBar1Change(widgets::TComponent* Sender);
    // "Passwort": the password dialog, owned by this one.
    void CorelButton3Click(widgets::TComponent* Sender);

    widgets::TPageControl* PageControl1 = nullptr;
    widgets::TTabSheet* TabSheet1 = nullptr;  // "Allgemein"
    widgets::TTabSheet* TabSheet2 = nullptr;  // "Sicherheit"
    widgets::TTabSheet* TabSheet3 = nullptr;  // "Erweitert"

    // "Allgemein": each radio group has a parent of its own.
    widgets::TGroupBox* GroupBox1 = nullptr;  // "Beenden "
    widgets::TLabel* Label1 = nullptr;
    widgets::TRadioButton* RadioButton1 = nullptr;
    widgets::TRadioButton* RadioButton2 = nullptr;
    widgets::TRadioButton* RadioButton3 = nullptr;
    widgets::TGroupBox* GroupBox2 = nullptr;  // "Position "
    widgets::TLabel* Label2 = nullptr;
    widgets::TRadioButton* RadioButton4 = nullptr;
    widgets::TRadioButton* RadioButton5 = nullptr;

    // "Sicherheit"
    widgets::TGroupBox* GroupBox3 = nullptr;  // "Sicherheitsabfragen "
    widgets::TLabel* Label9 = nullptr;
    widgets::TLabel* Label10 = nullptr;
    widgets::TTrackBar* TrackBar1 = nullptr;
    widgets::TLabel* Label11 = nullptr;  // the level's name, bold
    widgets::TLabel* Label12 = nullptr;  // its description

    // "Erweitert"
    widgets::TGroupBox* GroupBox4 = nullptr;  // "Weiter Einstellungen "
    widgets::TCheckBox* CheckBox1 = nullptr;
    widgets::TCheckBox* CheckBox2 = nullptr;
    widgets::TGroupBox* GroupBox5 = nullptr;  // "Passwortschutz "
    widgets::TLabel* Label13 = nullptr;
    widgets::TButton* CorelButton3 = nullptr;  // "Passwort"

    widgets::TButton* CorelButton2 = nullptr;  // "OK"
    widgets::TButton* CorelButton1 = nullptr;  // "Abbrechen"
};

// The registry key of the program's options below HKEY_CURRENT_USER.
extern const char kOptionsKey[];
// The Explorer's verb for folders and its command key below
// HKEY_CLASSES_ROOT.
extern const char kContextMenuVerb[];
extern const char kContextMenuCommand[];

// The command of the context-menu entry: the program folder followed by
// "quellwerk.exe", in quotes when the path holds a blank.
std::string ContextMenuCommand();

// The options cycle of the service page's options button: reads the
// stored values into a fresh dialog, shows it modally and, after "OK",
// writes them back and registers or removes the context-menu entry.
// "Abbrechen" and the close box write nothing.
void ShowProgramOptions();

}  // namespace safety
