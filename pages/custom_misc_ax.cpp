#include "pages/custom_misc_ax.h"

#include "config/temp_config.h"
#include "pages/settings_changed.h"
#include "platform/helpers.h"
#include "platform/platform.h"
#include "sysinfo/collectors/network.h"
#include "widgets/dialog_host.h"
#include "widgets/make_control.h"
#include "widgets/outside_module.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;
namespace keys = config::keys;

const std::string TFrm_More::kLogonQuestion =
    "Wenn die Anmeldung an keinem Windows NT-Server erfolgt, ist diese Funktion nur verfügbar, \r"
    "wenn Sie als primäre Netzwerk-Umgebung Microsoft Family Logon einsetzen.\r\r"
    "Dies ist nach Analyse des Programms nicht der Fall. Möchten Sie trotzdem fortsetzen?";

namespace {

// The three switches with the text under each, in the form's order.
struct BoxRow {
    TFusedCheckBox* TFrm_More::*field;
    const char* name;
    const char* caption;
    int top, width, help;
    const char* text;
};
const BoxRow kBoxes[] = {
    {&TFrm_More::FusedCheckBox1, "FusedCheckBox1", "Abbrechen beim Anmelden deaktivieren", 64, 217, 2090,
     "Hiermit können Sie das Abbrechen bei\r\nder Anmeldung verhindern."},
    {&TFrm_More::FusedCheckBox2, "FusedCheckBox2", "Internet Explorer im Vollbild", 114, 221, 0,
     "Internet Explorer startet hiermit immer im\r\nVollbildmodus."},
    {&TFrm_More::FusedCheckBox3, "FusedCheckBox3", "Autom. Netzwerksuche deaktivieren", 164, 221, 2091,
     "Netcrawling-Funktion durchsucht ständig \r\ndas Netzwerk nach neuen Ordnern."},
};

struct LauncherRow {
    TLauncherRow row;
    TepEfTrBtn* TFrm_More::*field;
    void (TFrm_More::*click)(TComponent*);
};
const LauncherRow kLaunchers[] = {
    {{"epEfTrBtn2", "Zugriff", 278, 29, "RunAxessControl", "launch_keys.bmp"},
     &TFrm_More::epEfTrBtn2,
     &TFrm_More::epEfTrBtn2Click},
    {{"epEfTrBtn1", "Sicherheit", 358, 29, "RunSecControl", "launch_safe.bmp"},
     &TFrm_More::epEfTrBtn1,
     &TFrm_More::epEfTrBtn1Click},
    {{"epEfTrBtn4", "Internet", 278, 103, "GenINS", "launch_scan.bmp"},
     &TFrm_More::epEfTrBtn4,
     &TFrm_More::epEfTrBtn4Click},
    {{"epEfTrBtn3", "Browser", 358, 103, "IESet", "launch_os.bmp"},
     &TFrm_More::epEfTrBtn3,
     &TFrm_More::epEfTrBtn3Click},
    {{"epEfTrBtn6", "Mehr Inter..", 278, 177, "MoreINS", "launch_more.bmp"},
     &TFrm_More::epEfTrBtn6,
     &TFrm_More::epEfTrBtn6Click},
    {{"epEfTrBtn5", "Mehr Bro..", 358, 177, "XtendedIESet", "launch_menu.bmp"},
     &TFrm_More::epEfTrBtn5,
     &TFrm_More::epEfTrBtn5Click},
};

const std::vector<TAppletItem> kApplets = {
    {"Internetoptionen", apInternet, "applet_scan.bmp"},
    {"Netwerkoptionen", apNetwork, "applet_gear.bmp"},
    {"Modems", apModem, "applet_keys.bmp"},
};

void Launch(const char* button) {
    for (const LauncherRow& l : kLaunchers) {
        if (std::string(l.row.name) == button) RunOutsideModule(TFrm_More::kModule, l.row.entry);
    }
}

// The logon can be made compulsory without a Windows NT server only under
// Microsoft's own primary logon; other protocol stacks ignore it.
bool LogonSeemsUnsupported() {
    sysinfo::collectors::TNetwork network;
    network.RefreshProtocols();
    const std::vector<std::string> protocols = network.Protocol;
    return protocols.size() >= 2 && protocols[0].find("Microsoft") == std::string::npos &&
           protocols[0].find("Family") == std::string::npos;
}

}  // namespace

TFrm_More::TFrm_More(TComponent* owner) : TSettingsPage(owner) {
    Font().SetName("Tahoma");
    MakeFrame(this, "Bevel1", 7, 8, 245, 260);
    MakeIcon(this, "Image2", 19, 20, "page_scan.bmp");
    MakeText(this, "Label1", 59, 24, "Bestimmen hier weitere Eigenschaften\r\ndes Netzwerkes und für das Internet.");
    int n = 2;
    for (const BoxRow& b : kBoxes) {
        auto* box = MakeControl<TFusedCheckBox>(this, this, b.name, 20, b.top, b.width, 16);
        box->SetCaption(b.caption);
        box->SetHelpContext(b.help);
        this->*b.field = box;
        TLabel* text = MakeText(this, "Label" + std::to_string(n++), 28, b.top + 17, b.text);
        if (b.field == &TFrm_More::FusedCheckBox3) Label4 = text;
    }
    FusedCheckBox1->OnClick = [this](TComponent* s) { FusedCheckBox1Click(s); };
    FusedCheckBox2->OnClick = [this](TComponent* s) { FusedCheckBox2Click(s); };
    FusedCheckBox3->OnClick = [this](TComponent* s) { FusedCheckBox2Click(s); };
    // Loading and the flush take the keys in this order.
    bindings_ = {
        {FusedCheckBox1, keys::kNoCancel}, {FusedCheckBox3, keys::kNoNetcrawl}, {FusedCheckBox2, keys::kFullScreen}};

    MakeFrame(this, "Bevel2", 7, 278, 245, 83);
    MakeIcon(this, "Image3", 19, 291, "page_safe.bmp");
    MakeText(this, "Label5", 59, 294, "Hier finden Sie das Passwort-Tool mit\r\ndem Sie Passwörter einsehen können.")
        ->SetEnabled(false);
    epEfTrBtn9 = MakeControl<TepEfTrBtn>(this, this, "epEfTrBtn9", 151, 326, 91, 25);
    epEfTrBtn9->SetCaption("Passwort-Tool");
    epEfTrBtn9->Font().SetColor(clGray);
    epEfTrBtn9->OnClick = [this](TComponent* s) { epEfTrBtn9Click(s); };

    Image1 = MakeControl<TImage>(this, this, "Image1", 261, 7, 178, 323);
    Image1->SetPicture(LoadPicture("page_decor.bmp"));
    for (const LauncherRow& l : kLaunchers) {
        TepEfTrBtn* button = MakeLauncher(this, l.row);
        button->OnClick = [this, click = l.click](TComponent* s) { (this->*click)(s); };
        this->*l.field = button;
    }
    ComboBox1 = MakeControl<TImageComboBox>(this, this, "ComboBox1", 263, 336, 151, 24);
    epMorphButton1 = MakeMorphButton(this, 419, 337);
    epMorphButton1->OnClick = [this](TComponent* s) { epMorphButton1Click(s); };
    AppletDialog1 = CreateComponent<TAHMAppletDialog>(this);
    AppletDialog1->SetName("AppletDialog1");
    AppletDialog1->SetAppletType(apTelephone);
}

// ---------------------------------------------------------------- handlers

void TFrm_More::FormCreate(TComponent* Sender) {
    FillAppletSelector(ComboBox1, kApplets);
    TSettingsPage::FormCreate(Sender);
    platform::System& system = platform::Get().system();
    const bool me =
        platform::ClassifyRelease(
            system.GetVersion(), system.GetFileVersion(platform::Get().files().SystemDirectory() + "\\kernel32.dll")) ==
        platform::WindowsRelease::WinME;
    FusedCheckBox3->SetEnabled(me);
    Label4->SetEnabled(me);
}

void TFrm_More::FusedCheckBox1Click(TComponent*) {
    if (Loading()) return;
    if (FusedCheckBox1->Checked() && LogonSeemsUnsupported() &&
        ShowMessageBox(kLogonQuestion, "Hinweis", mbYesNo, miExclamation, TopForm()) == mrNo) {
        // Unchecking runs this handler once more, as any user change does.
        FusedCheckBox1->SetChecked(false);
    }
    FlushData();
    if (SettingsChangedTarget* target = FindSettingsChangedTarget(*this)) target->SetSettingsChanged();
}

void TFrm_More::FusedCheckBox2Click(TComponent*) { UserChange(); }
void TFrm_More::epEfTrBtn1Click(TComponent*) { Launch("epEfTrBtn1"); }
void TFrm_More::epEfTrBtn2Click(TComponent*) { Launch("epEfTrBtn2"); }
void TFrm_More::epEfTrBtn3Click(TComponent*) { Launch("epEfTrBtn3"); }
void TFrm_More::epEfTrBtn4Click(TComponent*) { Launch("epEfTrBtn4"); }
void TFrm_More::epEfTrBtn5Click(TComponent*) { Launch("epEfTrBtn5"); }
void TFrm_More::epEfTrBtn6Click(TComponent*) { Launch("epEfTrBtn6"); }
// The password tool is not part of the program.
void TFrm_More::epEfTrBtn9Click(TComponent*) {}
void TFrm_More::epMorphButton1Click(TComponent*) { LaunchApplet(AppletDialog1, ComboBox1, kApplets); }

// ---------------------------------------------------------------- loading

void TFrm_More::GetData() { LoadBindings(config::kSecNetSets, bindings_); }

void TFrm_More::FlushData() { FlushBindings(config::kSecNetSets, bindings_); }

}  // namespace pages
