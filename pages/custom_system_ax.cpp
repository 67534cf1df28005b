#include "pages/custom_system_ax.h"

#include "config/temp_config.h"
#include "platform/platform.h"
#include "widgets/make_control.h"
#include "widgets/outside_module.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;
namespace keys = config::keys;

namespace {

// The four switches with the text under each, in the order of loading and
// of the flush.
struct BoxRow {
    TFusedCheckBox* TFrm_System::*field;
    const char* name;
    const char* caption;
    int top, help;
    const char* key;
    int textLeft;
    const char* text;
};
const BoxRow kBoxes[] = {
    {&TFrm_System::FusedCheckBox1, "FusedCheckBox1", "Bei Fehlern akustischen Alarm ausgeben", 63, 2086,
     keys::kBeepOnError, 31, "Diese Funktion aktiviert bei Systemfehlern \r\neinen Piepton über den PC-Lautsprecher."},
    {&TFrm_System::FusedCheckBox2, "FusedCheckBox2", "Dateinamen mit Tilde kürzen", 113, 2087, keys::kNameNumericTail,
     31, "Mit dieser Funktion werden alle Dateien und \r\nOrdner im 8.3 Format ohne Tilde (~) anlegt."},
    {&TFrm_System::FusedCheckBox3, "FusedCheckBox3", "&Sichern von Schriftart und Position", 163, 0,
     keys::kDisablePositionSave, 29,
     "Hiermit werden die Schriftarten und Posistion \r\nvon DOS-Anwendungen abgespeichert."},
    {&TFrm_System::FusedCheckBox4, "FusedCheckBox4", "&Mauszeiger auf den Standard-Knopf", 212, 2088,
     keys::kMouseOnDefault, 29, "Der Zeiger wird automatisch auf das Element\r\nmit der Standardauswahl gesetzt."},
};

struct LauncherRow {
    TLauncherRow row;
    TepEfTrBtn* TFrm_System::*field;
    void (TFrm_System::*click)(TComponent*);
};
const LauncherRow kLaunchers[] = {
    {{"epEfTrBtn2", "Allgemein", 278, 29, "SysSetSM", "launch_gear.bmp"},
     &TFrm_System::epEfTrBtn2,
     &TFrm_System::epEfTrBtn2Click},
    {{"epEfTrBtn1", "Speicher", 358, 29, "MemSetWndSM", "launch_pack.bmp"},
     &TFrm_System::epEfTrBtn1,
     &TFrm_System::epEfTrBtn1Click},
    {{"epEfTrBtn4", "Laufwerke", 278, 103, "DrvControlSM", "launch_disk.bmp"},
     &TFrm_System::epEfTrBtn4,
     &TFrm_System::epEfTrBtn4Click},
    {{"epEfTrBtn3", "Eingabe", 358, 103, "DeviceSetWndSM", "launch_keys.bmp"},
     &TFrm_System::epEfTrBtn3,
     &TFrm_System::epEfTrBtn3Click},
    {{"epEfTrBtn6", "Uninstall", 278, 177, "ProgEditSM", "launch_log.bmp"},
     &TFrm_System::epEfTrBtn6,
     &TFrm_System::epEfTrBtn6Click},
    {{"epEfTrBtn5", "Video", 358, 177, "ShowVideoSM", "launch_os.bmp"},
     &TFrm_System::epEfTrBtn5,
     &TFrm_System::epEfTrBtn5Click},
};

const std::vector<TAppletItem> kApplets = {
    {"Anzeige", apDisplay, "applet_os.bmp"},
    {"Eingabehilfen", apAccessibility, "applet_safe.bmp"},
    {"Energieverwaltung", apPowerCfg, "applet_clock.bmp"},
    {"Gamecontroller", apJoystick, "applet_keys.bmp"},
    {"Hardware", apControlPanel, "applet_gear.bmp"},
};

constexpr const char* kPif = "\\_default.pif";

void Launch(const char* button) {
    for (const LauncherRow& l : kLaunchers) {
        if (std::string(l.row.name) == button) RunOutsideModule(TFrm_System::kModule, l.row.entry);
    }
}

}  // namespace

TFrm_System::TFrm_System(TComponent* owner) : TSettingsPage(owner) {
    Font().SetName("Tahoma");
    MakeFrame(this, "Bevel1", 8, 7, 245, 259);
    MakeIcon(this, "Image2", 19, 18, "page_gear.bmp");
    MakeText(this, "Label1", 60, 18,
             "Hier finden Sie allgemeine Einstellung,\r\ndie Ihr System beeinflussen. Gehen \r\nSie sorgfälltig mit "
             "diesen Optionen um.");
    int n = 2;
    for (const BoxRow& b : kBoxes) {
        auto* box = MakeControl<TFusedCheckBox>(this, this, b.name, 23, b.top, 217, 16);
        box->SetCaption(b.caption);
        box->SetHelpContext(b.help);
        box->OnClick = [this](TComponent* s) { FusedCheckBox1Click(s); };
        this->*b.field = box;
        MakeText(this, "Label" + std::to_string(n++), b.textLeft, b.top + 17, b.text);
        bindings_.push_back({box, b.key});
    }
    MakeFrame(this, "Bevel2", 8, 276, 245, 85);
    MakeIcon(this, "Image3", 19, 289, "page_keys.bmp");
    MakeText(this, "Label6", 60, 287,
             "Hier können Sie von MS-DOS-Anwen-\r\ndungen die Standardeinstellungen \r\nkonfigurieren.");
    epEfTrBtn7 = MakeControl<TepEfTrBtn>(this, this, "epEfTrBtn7", 148, 327, 91, 25);
    epEfTrBtn7->SetCaption("Einstellungen");
    epEfTrBtn7->Font().SetColor(clGray);
    epEfTrBtn7->OnClick = [this](TComponent* s) { epEfTrBtn7Click(s); };

    Image1 = MakeControl<TImage>(this, this, "Image1", 262, 7, 178, 323);
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
    AppletDialog1->SetAppletType(apKeyboard);

    ShellLinks1 = CreateComponent<TAHMShellLinks>(this);
    ShellLinks1->SetName("ShellLinks1");
    TAHMShortCut item;
    item.ShortCutName = "_default.lnk";
    item.Path = "C:\\WINDOWS\\";
    item.Properties.Description = "_default";
    item.Properties.IconFile = "PIFMGR.DLL";
    ShellLinks1->ShortCuts.push_back(item);
}

// ---------------------------------------------------------------- handlers

void TFrm_System::FormCreate(TComponent* Sender) {
    FillAppletSelector(ComboBox1, kApplets);
    TSettingsPage::FormCreate(Sender);
}

void TFrm_System::FusedCheckBox1Click(TComponent*) { UserChange(); }
void TFrm_System::epEfTrBtn1Click(TComponent*) { Launch("epEfTrBtn1"); }
void TFrm_System::epEfTrBtn2Click(TComponent*) { Launch("epEfTrBtn2"); }
void TFrm_System::epEfTrBtn3Click(TComponent*) { Launch("epEfTrBtn3"); }
void TFrm_System::epEfTrBtn4Click(TComponent*) { Launch("epEfTrBtn4"); }
void TFrm_System::epEfTrBtn5Click(TComponent*) { Launch("epEfTrBtn5"); }
void TFrm_System::epEfTrBtn6Click(TComponent*) { Launch("epEfTrBtn6"); }

// The property sheet of the MS-DOS defaults changes the PIF file itself;
// the temp config is not involved, so nothing counts as changed.
void TFrm_System::epEfTrBtn7Click(TComponent*) {
    platform::FileSystem& files = platform::Get().files();
    const std::string windows = files.WindowsDirectory();
    if (!files.Exists(windows + kPif)) {
        ShellLinks1->ShortCuts[0].Path = windows + "\\";
        // The shell makes "_default.pif" of the link, where it does so.
        ShellLinks1->CreateShortCut(0);
    }
    if (!files.Exists(windows + kPif)) return;
    platform::ShellExecuteRequest request;
    request.verb = "properties";
    request.file = windows + kPif;
    request.show = 0;
    request.invokeIdList = true;
    platform::Get().shell().ExecuteEx(request);
}

void TFrm_System::epMorphButton1Click(TComponent*) { LaunchApplet(AppletDialog1, ComboBox1, kApplets); }

// ---------------------------------------------------------------- loading

void TFrm_System::GetData() { LoadBindings(config::kSecSysSets, bindings_); }

void TFrm_System::FlushData() { FlushBindings(config::kSecSysSets, bindings_); }

}  // namespace pages
