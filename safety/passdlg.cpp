#include "safety/passdlg.h"

#include "widgets/make_control.h"

namespace safety {

using namespace widgets;

TDlgPass::TDlgPass(TComponent* owner) : TForm(owner) {
    SetName("DlgPass");
    SetVisible(false);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption("Quellwerk - Kennwort");
    SetClientSize(254, 146);

    Label1 = MakeControl<TLabel>(this, this, "Label1", 8, 9, 100, 13);
    Label1->SetAutoSize(false);
    Label1->SetCaption("Kennwort:");
    Edit1 = MakeControl<TEdit>(this, this, "Edit1", 8, 26, 238, 21);
    Edit1->SetPasswordChar('*');
    Label2 = MakeControl<TLabel>(this, this, "Label2", 8, 58, 238, 39);
    Label2->SetCaption(
        "Hinweis: Die Passwortkennung des\r\n"
        "Programm unterscheidet zwischen Groß- \r\n"
        "und Kleinschreibung.");

    OKBtn = MakeControl<TButton>(this, this, "OKBtn", 90, 112, 75, 25);
    OKBtn->SetCaption("OK");
    OKBtn->SetDefault(true);
    OKBtn->SetModalResult(mrOk);
    CancelBtn = MakeControl<TButton>(this, this, "CancelBtn", 171, 112, 75, 25);
    CancelBtn->SetCaption("Abbrechen");
    CancelBtn->SetCancel(true);
    CancelBtn->SetModalResult(mrCancel);
    SetActiveControl(Edit1);
}

}  // namespace safety
