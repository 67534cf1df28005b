#include "safety/globel_option.h"

#include "config/big_ini_file.h"
#include "config/reg_ini_file.h"
#include "config/registry.h"
#include "platform/helpers.h"
#include "safety/u1.h"
#include "widgets/make_control.h"

namespace safety {

using namespace widgets;

const char kOptionsKey[] = "Software\\Halvorn\\Quellwerk";
const char kContextMenuVerb[] = "Folder\\Shell\\Quellwerk starten";
const char kContextMenuCommand[] = "Folder\\Shell\\Quellwerk starten\\command";

namespace {

struct Level {
    const char* name;
    const char* description;
};

const Level kLevels[3] = {
    {"Niedrig", "+ Keine Hinweise bei Änderungen, gleich welchen Grades"},
    {"Mittel", "+ Hinweise bei Änderungen von kritischen Systemeinstellungen"},
    {"Hoch", "+ Hinweise bei Änderungen, gleich welchen Grades"},
};

TLabel* Note(TComponent* owner, TWinControl* parent, const char* name, int left, int top, const char* text) {
    TLabel* label = MakeControl<TLabel>(owner, parent, name, left, top, 0, 13);
    label->SetCaption(text);
    return label;
}

template <class T>
T* Choice(TComponent* owner, TWinControl* parent, const char* name, int left, int top, int width, const char* text) {
    T* control = MakeControl<T>(owner, parent, name, left, top, width, 17);
    control->SetCaption(text);
    return control;
}

TGroupBox* Group(TComponent* owner, TWinControl* parent, const char* name, int top, int height, const char* text) {
    TGroupBox* group = MakeControl<TGroupBox>(owner, parent, name, 8, top, 397, height);
    group->SetCaption(text);
    return group;
}

TTabSheet* Sheet(TComponent* owner, TPageControl* control, const char* name, const char* caption) {
    TTabSheet* sheet = CreateComponent<TTabSheet>(owner);
    sheet->SetName(name);
    sheet->SetCaption(caption);
    sheet->SetPageControl(control);
    return sheet;
}

}  // namespace

TDlgOptions::TDlgOptions(TComponent* owner) : TForm(owner) {
    SetName("DlgOptions");
    SetVisible(false);
    SetBorderStyle(bsDialog);
    SetPosition(poMainFormCenter);
    SetCaption("Programmoptionen");
    SetClientSize(437, 318);

    PageControl1 = MakeControl<TPageControl>(this, this, "PageControl1", 8, 8, 421, 265);
    TabSheet1 = Sheet(this, PageControl1, "TabSheet1", "Allgemein");
    TabSheet2 = Sheet(this, PageControl1, "TabSheet2", "Sicherheit");
    TabSheet3 = Sheet(this, PageControl1, "TabSheet3", "Erweitert");

    GroupBox1 = Group(this, TabSheet1, "GroupBox1", 6, 116, "Beenden ");
    Label1 = Note(this, GroupBox1, "Label1", 12, 20,
                  "Bestimmen Sie ob und welche Hinweise beim Beenden des Programms\r\n"
                  "angezeigt werden müssen.");
    RadioButton1 =
        Choice<TRadioButton>(this, GroupBox1, "RadioButton1", 20, 52, 340, "Wenn nötig Beenden-Modus abfragen");
    RadioButton2 =
        Choice<TRadioButton>(this, GroupBox1, "RadioButton2", 20, 72, 340, "Modus nie abfragen und Programm beenden.");
    RadioButton3 = Choice<TRadioButton>(this, GroupBox1, "RadioButton3", 20, 92, 340, "Modus immer abfragen.");
    GroupBox2 = Group(this, TabSheet1, "GroupBox2", 128, 98, "Position ");
    Label2 = Note(this, GroupBox2, "Label2", 12, 20,
                  "Bestimmen Sie ob das Programm die letzt Posistion beim Programmstart\r\n"
                  "wiederherstellen soll.");
    RadioButton4 =
        Choice<TRadioButton>(this, GroupBox2, "RadioButton4", 20, 52, 340, "Position bei jedem Start wiederherstellen");
    RadioButton5 = Choice<TRadioButton>(this, GroupBox2, "RadioButton5", 20, 72, 340, "Bei jedem Start zentrieren");

    GroupBox3 = Group(this, TabSheet2, "GroupBox3", 6, 220, "Sicherheitsabfragen ");
    Label9 = Note(this, GroupBox3, "Label9", 12, 20,
                  "Hier finden Sie ein Hilfmittel, welches Sie wartn, wenn Sie kritische \r\n"
                  "Einstellungen verändern.");
    Label10 = Note(this, GroupBox3, "Label10", 12, 56,
                   "Verwenden Sie den unteren Schieberegler, um die Sicherheitsstufe \r\n"
                   "festzulegen:");
    TrackBar1 = MakeControl<TTrackBar>(this, GroupBox3, "TrackBar1", 16, 94, 45, 110);
    TrackBar1->SetOrientation(trVertical);
    TrackBar1->SetParams(0, 2, 0);
    TrackBar1->SetFrequency(1);
    TrackBar1->SetTickMarks(tmBoth);
    TrackBar1->OnChange = [this](TComponent* sender) { TrackBar1Change(sender); };
    Label11 = Note(this, GroupBox3, "Label11", 76, 118, "");
    Label11->Font().SetStyle(TFontStyles{true, false, false});
    Label12 = Note(this, GroupBox3, "Label12", 76, 138, "");

    GroupBox4 = Group(this, TabSheet3, "GroupBox4", 6, 72, "Weiter Einstellungen ");
    CheckBox1 =
        Choice<TCheckBox>(this, GroupBox4, "CheckBox1", 20, 22, 340, "Quellwerk in das Kontextmenü des Arbeitsplatzes");
    CheckBox2 =
        Choice<TCheckBox>(this, GroupBox4, "CheckBox2", 20, 44, 340, "Breakpoint bei jedem Programmstart erstellen");
    GroupBox5 = Group(this, TabSheet3, "GroupBox5", 84, 142, "Passwortschutz ");
    Label13 = Note(this, GroupBox5, "Label13", 12, 20,
                   "Sie können das Programm durch ein Passwort vor unberechtigtem \r\n"
                   "Zugriff schützen.\r\n"
                   " \r\n"
                   "Vorsicht! Bewahren Sie das Passwort gut auf. Es läßt sich nicht \r\n"
                   "wiederherstellen und wir besitzen kein Masterpasswort.");
    CorelButton3 = MakeControl<TButton>(this, GroupBox5, "CorelButton3", 12, 104, 90, 25);
    CorelButton3->SetCaption("Passwort");
    CorelButton3->OnClick = [this](TComponent* sender) { CorelButton3Click(sender); };

    CorelButton2 = MakeControl<TButton>(this, this, "CorelButton2", 268, 283, 75, 25);
    CorelButton2->SetCaption("OK");
    CorelButton2->SetDefault(true);
    CorelButton2->SetModalResult(mrOk);
    CorelButton1 = MakeControl<TButton>(this, this, "CorelButton1", 354, 283, 75, 25);
    CorelButton1->SetCaption("Abbrechen");
    CorelButton1->SetCancel(true);
    CorelButton1->SetModalResult(mrCancel);

    PageControl1->SetActivePage(TabSheet1);
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TDlgOptions::FormShow(TComponent* sender) { TrackBar1Change(sender); }

void TDlgOptions::TrackBar1Change(TComponent*) {
    const Level& level = kLevels[TrackBar1->Position()];
    Label11->SetCaption(level.name);
    Label12->SetCaption(level.description);
}

void TDlgOptions::CorelButton3Click(TComponent*) {
    Owned<TDlgPassSet> dialog(CreateForm<TDlgPassSet>(this));
    dialog->ShowModal();
}

std::string ContextMenuCommand() {
    const std::string path = platform::ProgramFolder() + "quellwerk.exe";
    // Without quotes the shell would start the first part of a path with
    // blanks ("C:\Program") instead of the program.
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

void ShowProgramOptions() {
    config::TRegIniFile registry(kOptionsKey);
    Owned<TDlgOptions> dialog(CreateForm<TDlgOptions>(nullptr));
    const std::string breakpointFile = platform::ProgramFolder() + "qw32break.cfg";

    dialog->RadioButton1->SetChecked(true);
    switch (registry.ReadInteger("Options", "Exit", 0)) {
        case 1:
            dialog->RadioButton2->SetChecked(true);
            break;
        case 2:
            dialog->RadioButton3->SetChecked(true);
            break;
        default:
            break;
    }
    if (registry.ReadBool("Options", "RestorePos", false))
        dialog->RadioButton4->SetChecked(true);
    else
        dialog->RadioButton5->SetChecked(true);
    dialog->TrackBar1->SetPosition(registry.ReadInteger("Options", "Level", 1));
    dialog->CheckBox1->SetChecked(registry.ReadBool("Options", "ContextMenu", false));
    {
        config::TBigIniFile breakpoint(breakpointFile);
        dialog->CheckBox2->SetChecked(breakpoint.ReadBool("Option", "ProgStart", true));
    }

    if (dialog->ShowModal() != mrOk) return;

    int exitMode = 0;
    if (dialog->RadioButton2->Checked()) exitMode = 1;
    if (dialog->RadioButton3->Checked()) exitMode = 2;
    registry.WriteInteger("Options", "Exit", exitMode);
    registry.WriteBool("Options", "RestorePos", dialog->RadioButton4->Checked());
    registry.WriteInteger("Options", "Level", dialog->TrackBar1->Position());
    registry.WriteBool("Options", "ContextMenu", dialog->CheckBox1->Checked());
    config::TRegistry classes;
    classes.SetRootKey(platform::RootKey::ClassesRoot);
    if (dialog->CheckBox1->Checked()) {
        // A key that cannot be made lets the write below fail with its error.
        classes.OpenKey(kContextMenuCommand, true);
        classes.WriteString("", ContextMenuCommand());
    } else {
        classes.OpenKey("Folder\\Shell", true);
        platform::Get().registry().DeleteKey(platform::RootKey::ClassesRoot, kContextMenuVerb);
    }
    classes.CloseKey();
    config::TBigIniFile breakpoint(breakpointFile);
    breakpoint.WriteBool("Option", "ProgStart", dialog->CheckBox2->Checked());
    breakpoint.Flush();
}

}  // namespace safety
