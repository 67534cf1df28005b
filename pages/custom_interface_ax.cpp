#include "pages/custom_interface_ax.h"

#include "config/temp_config.h"
#include "widgets/make_control.h"
#include "widgets/outside_module.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;
namespace keys = config::keys;

namespace {

struct EditRow {
    TEdit* TFrm_Interface::*field;
    const char* name;
    const char* labelName;
    const char* label;
    int labelTop, top;
    const char* key;
};
const EditRow kEdits[] = {
    {&TFrm_Interface::Edit1, "Edit1", "Label2", "Name:", 59, 55, keys::kOwner},
    {&TFrm_Interface::Edit2, "Edit2", "Label3", "Organis.:", 86, 82, keys::kOrgan},
};

struct BoxRow {
    TFusedCheckBox* TFrm_Interface::*field;
    const char* name;
    const char* caption;
    int top, help;
    const char* key;
    const char* icon;
};
const BoxRow kBoxes[] = {
    {&TFrm_Interface::FusedCheckBox1, "FusedCheckBox1", "Scrolldarstellung im Startmenü anschalten", 162, 2081,
     keys::kMinAnim, "page_menu.bmp"},
    {&TFrm_Interface::FusedCheckBox2, "FusedCheckBox2", "Volle Fenster beim Verschieben an- zeigen.", 201, 2082,
     keys::kDragFull, "page_os.bmp"},
    {&TFrm_Interface::FusedCheckBox3, "FusedCheckBox3", "Font-Anti-Aliasing glättet Schriften auf dem Bildschirm", 240,
     2083, keys::kFontAntiAlising, "page_log.bmp"},
    {&TFrm_Interface::FusedCheckBox4, "FusedCheckBox4", "Bitmap-Bilder im System mit Vorschau anzeigen.", 279, 2084,
     keys::kBMPIco, "page_pack.bmp"},
    {&TFrm_Interface::FusedCheckBox5, "FusedCheckBox5", "Soft Scrolling ermöglicht ein sanftes Rollen.", 318, 2085,
     keys::kSmoothScroll, "page_scan.bmp"},
};

// Loading and the flush take the keys in this order.
const int kKeyOrder[] = {3, 4, 2, 1, 0};

struct LauncherRow {
    TLauncherRow row;
    TepEfTrBtn* TFrm_Interface::*field;
    void (TFrm_Interface::*click)(TComponent*);
};
const LauncherRow kLaunchers[] = {
    {{"epEfTrBtn2", "Startmenü", 278, 29, "qw32SetStart", "launch_menu.bmp"},
     &TFrm_Interface::epEfTrBtn2,
     &TFrm_Interface::epEfTrBtn2Click},
    {{"epEfTrBtn1", "Explorer", 358, 29, "qw32ExplorerSet", "launch_disk.bmp"},
     &TFrm_Interface::epEfTrBtn1,
     &TFrm_Interface::epEfTrBtn1Click},
    {{"epEfTrBtn4", "Desktop", 278, 103, "qw32DesktopSets", "launch_os.bmp"},
     &TFrm_Interface::epEfTrBtn4,
     &TFrm_Interface::epEfTrBtn4Click},
    {{"epEfTrBtn3", "Symbole", 358, 103, "qw32SetIco", "launch_pack.bmp"},
     &TFrm_Interface::epEfTrBtn3,
     &TFrm_Interface::epEfTrBtn3Click},
    {{"epEfTrBtn8", "Autostart", 278, 179, "qw32AutoStart", "launch_clock.bmp"},
     &TFrm_Interface::epEfTrBtn8,
     &TFrm_Interface::epEfTrBtn8Click},
    {{"epEfTrBtn5", "Multimedia", 358, 177, "qw32MMSets", "launch_more.bmp"},
     &TFrm_Interface::epEfTrBtn5,
     &TFrm_Interface::epEfTrBtn5Click},
};

const std::vector<TAppletItem> kApplets = {
    {"Akustische Signale", apControlPanel, "applet_more.bmp"},
    {"Benutzer", apControlPanel, "applet_safe.bmp"},
    {"Desktop Motive", apThemes, "applet_os.bmp"},
};

void Launch(const char* button) {
    for (const LauncherRow& l : kLaunchers) {
        if (std::string(l.row.name) == button) RunOutsideModule(TFrm_Interface::kModule, l.row.entry);
    }
}

}  // namespace

TFrm_Interface::TFrm_Interface(TComponent* owner) : TSettingsPage(owner) {
    Font().SetName("Tahoma");
    MakeFrame(this, "Bevel1", 9, 7, 245, 133);
    MakeIcon(this, "Image2", 17, 15, "page_safe.bmp");
    MakeText(this, "Label1", 57, 19, "Sie können hier die Registrierung von\r\nWindows verändern.");
    for (const EditRow& e : kEdits) {
        MakeText(this, std::string("Label") + (e.field == &TFrm_Interface::Edit1 ? "2" : "3"), 18, e.labelTop, e.label);
        auto* edit = MakeControl<TEdit>(this, this, e.name, 70, e.top, 174, 21);
        edit->SetHelpContext(2079);
        this->*e.field = edit;
    }
    Edit1->OnChange = [this](TComponent* s) { Edit1Change(s); };
    Edit2->OnChange = [this](TComponent* s) { Edit2Change(s); };

    MakeFrame(this, "Bevel2", 9, 150, 245, 210);
    int n = 3;
    for (const BoxRow& b : kBoxes) {
        MakeIcon(this, "Image" + std::to_string(n++), 17, b.top - 1, b.icon);
        auto* box = MakeControl<TFusedCheckBox>(this, this, b.name, 57, b.top, 193, 31);
        box->SetCaption(b.caption);
        box->SetWordWrap(true);
        box->SetHelpContext(b.help);
        box->OnClick = [this](TComponent* s) { FusedCheckBox1Click(s); };
        this->*b.field = box;
    }

    Image1 = MakeControl<TImage>(this, this, "Image1", 262, 7, 178, 323);
    Image1->SetPicture(LoadPicture("page_decor.bmp"));
    for (const LauncherRow& l : kLaunchers) {
        TepEfTrBtn* button = MakeLauncher(this, l.row);
        button->OnClick = [this, click = l.click](TComponent* s) { (this->*click)(s); };
        this->*l.field = button;
    }
    ComboBox1 = MakeControl<TImageComboBox>(this, this, "ComboBox1", 264, 336, 151, 24);
    epMorphButton1 = MakeMorphButton(this, 420, 337);
    epMorphButton1->OnClick = [this](TComponent* s) { epMorphButton1Click(s); };
    AppletDialog1 = CreateComponent<TAHMAppletDialog>(this);
    AppletDialog1->SetName("AppletDialog1");
    AppletDialog1->SetAppletType(apMultimedia);

    for (int k : kKeyOrder) bindings_.push_back({this->*kBoxes[k].field, kBoxes[k].key});
    for (const EditRow& e : kEdits) bindings_.push_back({this->*e.field, e.key});
}

// ---------------------------------------------------------------- handlers

void TFrm_Interface::FormCreate(TComponent* Sender) {
    FillAppletSelector(ComboBox1, kApplets);
    TSettingsPage::FormCreate(Sender);
}

void TFrm_Interface::FusedCheckBox1Click(TComponent*) { UserChange(); }
void TFrm_Interface::Edit1Change(TComponent*) { UserChange(); }
void TFrm_Interface::Edit2Change(TComponent*) { UserChange(); }
void TFrm_Interface::epEfTrBtn1Click(TComponent*) { Launch("epEfTrBtn1"); }
void TFrm_Interface::epEfTrBtn2Click(TComponent*) { Launch("epEfTrBtn2"); }
void TFrm_Interface::epEfTrBtn3Click(TComponent*) { Launch("epEfTrBtn3"); }
void TFrm_Interface::epEfTrBtn4Click(TComponent*) { Launch("epEfTrBtn4"); }
void TFrm_Interface::epEfTrBtn5Click(TComponent*) { Launch("epEfTrBtn5"); }
void TFrm_Interface::epEfTrBtn8Click(TComponent*) { Launch("epEfTrBtn8"); }
void TFrm_Interface::epMorphButton1Click(TComponent*) { LaunchApplet(AppletDialog1, ComboBox1, kApplets); }

// ---------------------------------------------------------------- loading

void TFrm_Interface::GetData() { LoadBindings(config::kSecWinSets, bindings_); }

void TFrm_Interface::FlushData() { FlushBindings(config::kSecWinSets, bindings_); }

}  // namespace pages
