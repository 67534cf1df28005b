#include "safety/u1.h"

#include "safety/base64.h"
#include "safety/password_file.h"
#include "safety/wipe.h"
#include "widgets/dialog_host.h"
#include "widgets/make_control.h"

namespace safety {

using namespace widgets;

namespace {

constexpr int kMinimumLength = 8;

const char kMsgWrongOld[] = "Bitte geben Sie unter \"Altes Passwort\" Ihr aktuelles Passwort korrekt ein.";
const char kMsgRemove[] =
    "Sie haben kein neues Passwort eingegeben. Sind Sie sicher,\r"
    "daß der Passwortschutz aufgehoben werden soll?";
const char kMsgRepeat[] =
    "Die Wiederholung des Passwortes ist falsch. Bitte geben Sie unter neuem Passwort \r"
    " und der Wiederholung ein identisches Passwort ein.";
const char kMsgTooShort[] =
    "Das Passwort des Programms muß aus Sichheitsgründen mindestens 8 Zeichen haben. \r"
    "Bitte wiederholen Sie den Vorgang.";
const char kMsgNotStored[] = "Das Passwort konnte nicht gespeichert werden.";

// Labels keep their width: a disabled caption is painted a pixel wider than
// it measures.
TLabel* MakeLabel(TForm* form, const char* name, int left, int top, int width, int height, const char* text) {
    TLabel* label = MakeControl<TLabel>(form, form, name, left, top, width, height);
    label->SetAutoSize(false);
    label->SetCaption(text);
    return label;
}

TEdit* PasswordField(TForm* form, const char* name, int left, int top) {
    TEdit* edit = MakeControl<TEdit>(form, form, name, left, top, 150, 21);
    edit->SetPasswordChar('*');
    return edit;
}

// Overwrites the field's text in place before it is emptied.
void WipeField(TEdit* edit) {
    if (edit->Text().empty()) return;
    edit->SetText(std::string(edit->Text().size(), '\xFF'));
    edit->SetText(std::string());
}

}  // namespace

TDlgPassSet::TDlgPassSet(TComponent* owner) : TForm(owner) {
    SetName("DlgPassSet");
    SetVisible(false);
    SetBorderStyle(bsDialog);
    SetPosition(poOwnerFormCenter);
    SetCaption("Passworteigenschaften");
    SetClientSize(322, 226);

    DCP_cast1281 = CreateComponent<TDCP_cast128>(this);
    DCP_cast1281->SetName("DCP_cast1281");

    // Focused first and never seen.
    Edit4 = MakeControl<TEdit>(this, this, "Edit4", -200, -200, 20, 21);

    Label1 = MakeLabel(this, "Label1", 12, 10, 300, 26,
                       "Bestimmen hier ein Passwort, welches das Programm mit \r\n"
                       "einen Zugriffschutzt schützt.");
    Label6 = MakeLabel(this, "Label6", 12, 48, 100, 13, "Passwortschutz:");
    Label7 = MakeLabel(this, "Label7", 120, 48, 150, 13, "");
    Label7->Font().SetStyle(TFontStyles{true, false, false});
    Label2 = MakeLabel(this, "Label2", 12, 80, 100, 13, "Altes Passwort:");
    Edit1 = PasswordField(this, "Edit1", 120, 76);
    Label3 = MakeLabel(this, "Label3", 12, 112, 100, 13, "Neues Passwort:");
    Edit2 = PasswordField(this, "Edit2", 120, 108);
    Label4 = MakeLabel(this, "Label4", 12, 144, 100, 13, "Wiederholung:");
    Edit3 = PasswordField(this, "Edit3", 120, 140);

    CorelButton3 = MakeControl<TButton>(this, this, "CorelButton3", 150, 186, 80, 25);
    CorelButton3->SetCaption("Übernehmen");
    CorelButton3->SetDefault(true);
    CorelButton3->SetModalResult(mrOk);
    CorelButton3->OnClick = [this](TComponent* sender) { CorelButton4Click(sender); };
    CorelButton2 = MakeControl<TButton>(this, this, "CorelButton2", 236, 186, 80, 25);
    CorelButton2->SetCaption("Schließen");
    CorelButton2->SetCancel(true);
    CorelButton2->SetModalResult(mrCancel);

    Label5 = MakeLabel(this, "Label5", 12, 192, 130, 13, "Halvorn Quellwerk ");
    Label5->Font().SetColor(clGray);

    SetActiveControl(Edit4);
    OnShow = [this](TComponent* sender) { FormShow(sender); };
}

bool TDlgPassSet::OnlyReadWnd(const std::string& text) {
    const auto line = ReadCheckLine();
    if (!line || *line == kNoPasswordMarker) return true;
    WipedText password(text);
    std::string cipherText;
    try {
        cipherText = Base64Decode(*line);
    } catch (const EBase64Error&) {
        // A damaged check value matches no password.
        return false;
    }
    DCP_cast1281->InitStr(password.Get());
    std::string plain = DCP_cast1281->DecryptCFB8bit(cipherText);
    DCP_cast1281->Burn();
    const bool right = plain == kVerificationText;
    Wipe(plain);
    return right;
}

void TDlgPassSet::StorePassword(const std::string& password) {
    WipedText copy(password);
    DCP_cast1281->InitStr(copy.Get());
    const std::string checkValue = Base64Encode(DCP_cast1281->EncryptCFB8bit(kVerificationText));
    DCP_cast1281->Burn();
    WriteLine(checkValue);
}

void TDlgPassSet::RemovePassword() {
    // A missing or short file already means "no password"; there is
    // nothing to take back.
    if (!ReadCheckLine()) return;
    WriteLine(kNoPasswordMarker);
}

void TDlgPassSet::WriteLine(const std::string& value) {
    try {
        WriteCheckLine(value);
    } catch (const EPasswordFileError&) {
        // The old file stays whole; the user keeps the state shown and the
        // program goes on with the settings not applied yet.
        Note(kMsgNotStored);
    }
}

void TDlgPassSet::Note(const std::string& text) { ShowMessageBox(text, "Hinweis", mbOK, miInformation, this); }

void TDlgPassSet::FormShow(TComponent*) {
    if (PassUses()) {
        Edit1->SetEnabled(true);
        Label7->SetCaption("Aktiviert");
    } else {
        Label2->SetEnabled(false);
        Edit1->SetEnabled(false);
        Edit1->SetColor(clBtnFace);
        Label7->SetCaption("Deaktiviert");
    }
}

void TDlgPassSet::CorelButton4Click(TComponent*) {
    WipedText old(Edit1->Text());
    WipedText fresh(Edit2->Text());
    WipedText repeat(Edit3->Text());
    for (TEdit* edit : {Edit1, Edit2, Edit3}) WipeField(edit);

    if (Edit1->Enabled() && !OnlyReadWnd(old.Get())) {
        Note(kMsgWrongOld);
        return;
    }
    if (!Edit1->Enabled() && fresh.Get().empty() && repeat.Get().empty()) return;
    if (fresh.Get().empty()) {
        if (ShowMessageBox(kMsgRemove, "Hinweis", mbOKCancel, miInformation, this) == mrOk) RemovePassword();
        return;
    }
    if (fresh.Get() != repeat.Get()) {
        Note(kMsgRepeat);
        return;
    }
    if (static_cast<int>(fresh.Get().size()) < kMinimumLength) {
        Note(kMsgTooShort);
        return;
    }
    StorePassword(fresh.Get());
}

}  // namespace safety
