#include "pages/custom_bootprocess_ax.h"

#include <new>

#include "config/errors.h"
#include "config/ini_file.h"
#include "config/temp_config.h"
#include "pages/settings_changed.h"
#include "platform/helpers.h"
#include "platform/text.h"
#include "widgets/dialog_host.h"
#include "widgets/errors.h"
#include "widgets/make_control.h"
#include "widgets/picture_pipeline.h"
#include "widgets/pictures.h"

namespace pages {

using namespace widgets;

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kNetworkItem = "Abgesichert mit Netzwerk";
constexpr int kNetworkIndex = 3;
constexpr int kFirstBuildOf98 = 1998;
// The picture files Windows shows at start and shut-down.
constexpr int kLogoWidth = 320;
constexpr int kLogoHeight = 400;
constexpr int kPreviewWidth = 110;
constexpr int kPreviewHeight = 77;

// The check boxes of the notebook, page by page.
struct BoxRow {
    TFusedCheckBox* TFrm_Boot::*field;
    const char* name;
    const char* caption;
    int page, left, top, width, height, help;
};
const BoxRow kBoxes[] = {
    {&TFrm_Boot::CheckBox2, "CheckBox2", "Netzwerkeintrag im Bootmenü anzeigen.", 0, 25, 103, 240, 17, 2062},
    {&TFrm_Boot::CheckBox1, "CheckBox1", "Abgesicherten Modus verstecken (ab Win98)", 0, 25, 126, 240, 17, 2063},
    {&TFrm_Boot::CheckBox3, "CheckBox3", "Bootmenü immer anzeigen.", 0, 62, 179, 210, 17, 2064},
    {&TFrm_Boot::CheckBox4, "CheckBox4", "Bootmenü bei jedem Absturz anzeigen.", 0, 62, 201, 210, 17, 2065},
    {&TFrm_Boot::MultiCheckBox4, "MultiCheckBox4", "Windows im abgesicherten Modus starten.", 1, 21, 101, 245, 17,
     2068},
    {&TFrm_Boot::MultiCheckBox5, "MultiCheckBox5", "Bootvorgang protokollieren (bootlog.txt)", 1, 56, 246, 217, 17,
     2070},
    {&TFrm_Boot::MultiCheckBox20, "MultiCheckBox20", "Hardwareprofile von Windows9x deaktivieren", 1, 56, 270, 217, 33,
     0},
    {&TFrm_Boot::CheckBox5, "CheckBox5", "Das Hochladen von Treibern aktivieren", 1, 56, 302, 217, 17, 2071},
    {&TFrm_Boot::MultiCheckBox3, "MultiCheckBox3", "Starttasten (F5, F6, F8) zum Ändern des ", 2, 24, 54, 245, 17,
     2072},
    {&TFrm_Boot::MultiCheckBox2, "MultiCheckBox2", "Funktionstaste F4 zum Booten einer alten DOS Version freigeben.", 2,
     23, 100, 250, 33, 2073},
    {&TFrm_Boot::MultiCheckBox9, "MultiCheckBox9", "DoubleSpace automatisch laden.", 2, 32, 199, 230, 17, 2074},
    {&TFrm_Boot::MultiCheckBox10, "MultiCheckBox10", "DriveSpace automatisch laden.", 2, 32, 220, 230, 17, 2074},
    {&TFrm_Boot::MultiCheckBox8, "MultiCheckBox8", "Festplattenanzeige abschalten.", 2, 32, 304, 230, 17, 2075},
};

// Texts and labels of the notebook.
struct LabelRow {
    int page, left, top;
    const char* caption;
};
const LabelRow kLabels[] = {
    {0, 59, 18, "Bestimmen Sie den Standardeintrag, der im Bootmenü voreingestellt werden soll. "},
    {0, 25, 55, "Standard-Menüeintrag:"},
    {0, 59, 257, "Bestimmen Sie die Wartezeit des Systems\r\nvor dem Booten."},
    {0, 65, 297, "Wartezeit:"},
    {0, 182, 297, "Sekunde(n)"},
    {1, 57, 19, "Legen Sie das Standardbetriebssystem fest, \r\nmit dem Ihr System gestartet werden soll."},
    {1, 22, 57, "Betriebssystem:"},
    {1, 58, 153, "Bestimmen Sie wie Win9x ScanDisk starten \r\nsoll, wenn es nicht korrekt beendet wurde."},
    {1, 22, 195, "Modus:"},
    {2, 60, 21, "Mit den Funktionstasten können Sie den \r\nBootvorgang beeinflussen."},
    {2, 41, 76, "Bootverhaltens für:"},
    {2, 190, 76, " sec. aktiv."},
    {2, 57, 163, "Geben Sie Windows vor, ob es die system-\r\neigenen Komprimierer automatisch laden soll."},
    {2, 57, 269, "Sie können mit dieser Option die Festplatten-\r\nanzeige ein- oder abschalten."},
};

// The bevelled frames, three on each notebook page, each with its icon.
struct FrameRow {
    int page, left, top, width, height;
};
const FrameRow kFrames[] = {
    {0, 7, 6, 275, 149},  {0, 7, 166, 275, 64}, {0, 7, 241, 275, 87}, {1, 7, 6, 275, 123},  {1, 7, 140, 275, 83},
    {1, 7, 234, 275, 94}, {2, 7, 6, 275, 133},  {2, 7, 149, 275, 96}, {2, 7, 255, 275, 73},
};

const char* const kTabCaptions[3] = {"Boot-Menü", "Vorgang", "Weiteres"};
const char* const kBootMenuItems[] = {"Standard", "Protokolliert (Bootlog.txt)", "Abgesichert",
                                      "Nur Eingabeaufforderung", "Abgesichert, nur Eingabeaufforderung"};
const char* const kSystemItems[] = {"Microsoft Windows9x", "MS-DOS-Modus von Windows", "Vorherige DOS-Version"};
const char* const kScanDiskItems[] = {"Gar nicht starten", "Automatisch starten", "Autom. starten ohne Bestätigung"};
enum { kWindows9x, kDosMode, kPreviousDos };

// The picture of a file, made to fit its preview; empty when the file
// cannot be read or decoded.
TBitmap PreviewOf(const std::string& path) {
    try {
        return Resample(LoadPictureFile(path, kPreviewWidth, kPreviewHeight), kPreviewWidth - 3, kPreviewHeight - 3,
                        TResampleFilter::Mitchell);
    } catch (const EBitmapError&) {
        return TBitmap();
    } catch (const std::bad_alloc&) {
        return TBitmap();
    }
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

platform::WindowsRelease RunningRelease() {
    platform::System& system = platform::Get().system();
    return platform::ClassifyRelease(
        system.GetVersion(), system.GetFileVersion(platform::Get().files().SystemDirectory() + "\\kernel32.dll"));
}

}  // namespace

std::string TFrm_Boot::UnreadableMessage(const std::string& fileName) {
    return "Die Datei \"" + fileName + "\" ist kein lesbares Bild.";
}

TFrm_Boot::TFrm_Boot(TComponent* owner) : TSettingsPage(owner) {
    for (int k = 0; k < 3; ++k) {
        auto* tab = MakeControl<TTransparentButton>(this, this, "TransparentButton" + std::to_string(k + 1), 9 + 92 * k,
                                                    7, 89, 23);
        tab->SetCaption(kTabCaptions[k]);
        tab->SetGlyph(LoadPicture("boot_tab" + std::to_string(k + 1) + ".bmp"));
        tab->SetAlignment(taRightJustify);
        tab->SetTag(k);
        tab->SetDown(k == 0);
        tab->OnClick = [this](TComponent* s) { TransparentButton1Click(s); };
        TabButtons[k] = tab;
    }
    Notebook1 = MakeControl<TNotebook>(this, this, "Notebook1", 0, 32, 284, 330);
    Notebook1->SetPages({"Boot-Menü", "Vorgang", "Weiteres"});
    for (int k = 0; k < 9; ++k) {
        const FrameRow& f = kFrames[k];
        TNotebookPage* page = Notebook1->Page(f.page);
        const std::string number = std::to_string(k + 1);
        MakeControl<TBevel>(this, page, "Bevel" + number, f.left, f.top, f.width, f.height);
        auto* icon = MakeControl<TImage>(this, page, "FrameIcon" + number, f.left + 8, f.top + 8, 32, 32);
        icon->SetPicture(LoadPicture("boot_icon" + number + ".bmp"));
    }
    for (size_t k = 0; k < sizeof(kLabels) / sizeof(kLabels[0]); ++k) {
        const LabelRow& l = kLabels[k];
        auto* label =
            MakeControl<TLabel>(this, Notebook1->Page(l.page), "Label" + std::to_string(k + 1), l.left, l.top, 0, 13);
        label->SetTransparent(true);
        label->SetCaption(l.caption);
        label->SetAutoSize(true);
        if (k == 0) {  // the only text that wraps by itself
            label->SetAutoSize(false);
            label->SetWordWrap(true);
            label->SetBounds(59, 18, 209, 26);
        }
    }

    TNotebookPage* menu = Notebook1->Page(0);
    ComboBox1 = MakeControl<TComboBox>(this, menu, "ComboBox1", 25, 72, 240, 21);
    ComboBox1->SetItems(std::vector<std::string>(std::begin(kBootMenuItems), std::end(kBootMenuItems)));
    ComboBox1->SetHelpContext(2061);
    TrackBar5 = MakeControl<TSpinEdit>(this, menu, "TrackBar5", 125, 293, 49, 22);
    TrackBar5->SetHelpContext(2066);
    TrackBar5->OnChange = [this](TComponent* s) { ComboBox1Change(s); };

    TNotebookPage* process = Notebook1->Page(1);
    ComboBox2 = MakeControl<TComboBox>(this, process, "ComboBox2", 21, 73, 244, 21);
    ComboBox2->SetItems(std::vector<std::string>(std::begin(kSystemItems), std::end(kSystemItems)));
    ComboBox2->SetHelpContext(2067);
    ComboBox3 = MakeControl<TComboBox>(this, process, "ComboBox3", 64, 191, 204, 21);
    ComboBox3->SetItems(std::vector<std::string>(std::begin(kScanDiskItems), std::end(kScanDiskItems)));
    ComboBox3->SetHelpContext(2069);
    for (TComboBox* list : {ComboBox1, ComboBox2, ComboBox3}) {
        list->SetStyle(csDropDownList);
        list->OnChange = [this](TComponent* s) { ComboBox1Change(s); };
    }

    SpinEdit2 = MakeControl<TSpinEdit>(this, Notebook1->Page(2), "SpinEdit2", 142, 73, 41, 22);
    SpinEdit2->SetMinValue(1);
    SpinEdit2->SetMaxValue(100);
    SpinEdit2->SetValue(1);
    SpinEdit2->SetHelpContext(2072);
    SpinEdit2->OnChange = [this](TComponent* s) { CheckBox2Click(s); };

    for (const BoxRow& row : kBoxes) {
        auto* box = MakeControl<TFusedCheckBox>(this, Notebook1->Page(row.page), row.name, row.left, row.top, row.width,
                                                row.height);
        box->SetCaption(row.caption);
        box->SetHelpContext(row.help);
        box->SetWordWrap(row.height > 17);
        box->OnClick = [this](TComponent* s) { CheckBox2Click(s); };
        this->*row.field = box;
    }

    // The right part: the decorative picture, the previews, the import
    // buttons over them and the flat check boxes below them.
    Image1 = MakeControl<TImage>(this, this, "Image1", 290, 7, 152, 357);
    Image1->SetPicture(LoadPicture("boot_decor.bmp"));
    ImageEn1 = MakeControl<TImage>(this, this, "ImageEn1", 311, 28, kPreviewWidth, kPreviewHeight);
    ImageEn1->SetHelpContext(2058);
    ImageEn3 = MakeControl<TImage>(this, this, "ImageEn3", 311, 140, kPreviewWidth, kPreviewHeight);
    ImageEn3->SetHelpContext(2059);
    ImageEn2 = MakeControl<TImage>(this, this, "ImageEn2", 311, 252, kPreviewWidth, kPreviewHeight);
    ImageEn2->SetHelpContext(2060);
    for (TImage* preview : {ImageEn1, ImageEn3, ImageEn2}) preview->SetCenter(true);
    epEfTrBtn2 = MakeControl<TepEfTrBtn>(this, this, "epEfTrBtn2", 304, 22, 124, 89);
    epEfTrBtn2->OnClick = [this](TComponent* s) { epEfTrBtn2Click(s); };
    epEfTrBtn1 = MakeControl<TepEfTrBtn>(this, this, "epEfTrBtn1", 304, 134, 124, 89);
    epEfTrBtn1->OnClick = [this](TComponent* s) { epEfTrBtn1Click(s); };
    epEfTrBtn3 = MakeControl<TepEfTrBtn>(this, this, "epEfTrBtn3", 304, 247, 124, 89);
    epEfTrBtn3->OnClick = [this](TComponent* s) { epEfTrBtn3Click(s); };
    struct PictureBox {
        TFlatCheckBox** field;
        const char* name;
        const char* caption;
        int left, top, width, help;
    };
    const PictureBox pictureBoxes[] = {
        {&FusedCheckBox1, "FusedCheckBox1", "Start-Logo", 327, 113, 81, 2076},
        {&FusedCheckBox2, "FusedCheckBox2", "Herunterfahren", 317, 225, 97, 2077},
        {&FusedCheckBox3, "FusedCheckBox3", "Abschalten", 329, 338, 73, 2078},
    };
    for (const PictureBox& row : pictureBoxes) {
        auto* box = MakeControl<TFlatCheckBox>(this, this, row.name, row.left, row.top, row.width, 17);
        box->SetCaption(row.caption);
        box->SetHelpContext(row.help);
        box->OnClick = [this](TComponent* s) { CheckBox2Click(s); };
        *row.field = box;
    }
    Image2 = MakeControl<TImage>(this, this, "Image2", 0, 0, 109, 81);
    Image2->SetPicture(LoadPicture("boot_default_logo.bmp"));
    Image2->SetVisible(false);
    OpenDialog1 = CreateComponent<TOpenDialog>(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter("Bitmap-Grafiken (*.bmp)|*.BMP");
}

// ---------------------------------------------------------------- handlers

void TFrm_Boot::FormCreate(TComponent* Sender) {
    TSettingsPage::FormCreate(Sender);
    FusedCheckBox1->BringToFront();
    FusedCheckBox2->BringToFront();
    FusedCheckBox3->BringToFront();
}

int TFrm_Boot::WinVer() const { return static_cast<int>(platform::Get().system().GetVersion().build & 0xFFFF); }

void TFrm_Boot::TransparentButton1Click(TComponent* Sender) {
    for (TTransparentButton* tab : TabButtons) tab->SetDown(tab == Sender);
    Notebook1->SetPageIndex(Sender->Tag());
}

void TFrm_Boot::CheckBox2Click(TComponent* Sender) {
    if (Sender == CheckBox2 && !Loading()) {
        // The list follows the network entry at once, keeping the chosen
        // entry by its meaning; otherwise the stored number would come to
        // mean another boot mode.
        const bool shown = ComboBox1->ItemCount() > 5;
        const int index = ComboBox1->ItemIndex();
        if (CheckBox2->Checked() && !shown) {
            ComboBox1->InsertItem(kNetworkIndex, kNetworkItem);
        } else if (!CheckBox2->Checked() && shown) {
            ComboBox1->DeleteItem(kNetworkIndex);
            const int kept = index < kNetworkIndex ? index : index == kNetworkIndex ? kNetworkIndex - 1 : index - 1;
            ComboBox1->SetItemIndex(kept);
        }
    }
    UserChange();
}

void TFrm_Boot::ComboBox1Change(TComponent*) { UserChange(); }

void TFrm_Boot::epEfTrBtn2Click(TComponent*) { Import(ImageEn1, "logo.bmp"); }
void TFrm_Boot::epEfTrBtn1Click(TComponent*) { Import(ImageEn3, "logow.bmp"); }
void TFrm_Boot::epEfTrBtn3Click(TComponent*) { Import(ImageEn2, "logos.bmp"); }

// ---------------------------------------------------------------- loading

void TFrm_Boot::GetData() {
    loaded_.clear();
    LoadPreviews();
    LoadOptions();
    LoadSwitches();
    SetEnabledStates();
}

void TFrm_Boot::LoadPreviews() {
    const std::string folder = platform::ProgramFolder();
    platform::FileSystem& files = platform::Get().files();
    // The start picture falls back to the built-in one, shown from memory,
    // also when the copy cannot be read.
    TBitmap start = files.Exists(folder + "Logo.bmp") ? PreviewOf(folder + "Logo.bmp") : TBitmap();
    if (start.Empty()) {
        start = Resample(Image2->Picture(), kPreviewWidth - 3, kPreviewHeight - 3, TResampleFilter::Mitchell);
    }
    ImageEn1->SetPicture(start);
    ImageEn2->SetPicture(files.Exists(folder + "logos.bmp") ? PreviewOf(folder + "logos.bmp") : TBitmap());
    ImageEn3->SetPicture(files.Exists(folder + "logow.bmp") ? PreviewOf(folder + "logow.bmp") : TBitmap());
}

void TFrm_Boot::LoadOptions() {
    const std::string path = platform::ProgramFolder() + config::kMsdosCopy;
    // Without the copy of an existing MSDOS.SYS, a flush would make a
    // fragment that applying copies over the whole file.
    optionsAvailable_ = platform::Get().files().Exists(path) || platform::FindOnFixedDrives("msdos.sys").empty();
    if (!optionsAvailable_) return;
    try {
        const config::TIniFile ini(path);
        auto read = [&](const char* key, int defaultValue) { return ini.ReadInteger(kOptions, key, defaultValue); };
        auto check = [&](TCheckBox* box, const char* key, int defaultValue, bool (*shown)(int)) {
            box->SetChecked(shown(read(key, defaultValue)));
            loaded_.insert(key);
        };
        auto isOne = [](int v) { return v == 1; };
        auto isZero = [](int v) { return v == 0; };
        auto notZero = [](int v) { return v != 0; };

        const int network = read("Network", 0);
        CheckBox2->SetChecked(network == 1);
        if (network == 1 && ComboBox1->ItemCount() == 5) ComboBox1->InsertItem(kNetworkIndex, kNetworkItem);
        loaded_.insert("Network");
        const int gui = read("BootGUI", 1);
        const int win = read("BootWIN", 1);
        ComboBox2->SetItemIndex(win == 0 ? kPreviousDos : gui != 0 ? kWindows9x : kDosMode);
        loaded_.insert("BootGUI");
        loaded_.insert("BootWIN");
        TrackBar5->SetText(std::to_string(read("BootMenuDelay", 30)));
        loaded_.insert("BootMenuDelay");
        check(MultiCheckBox4, "BootSafe", 0, isOne);
        check(CheckBox5, "LoadTop", 1, isOne);
        CheckBox5->SetEnabled(WinVer() >= kFirstBuildOf98);
        check(MultiCheckBox5, "DisableLog", 1, isZero);
        check(MultiCheckBox20, "SystemReg", 1, isZero);
        ComboBox3->SetItemIndex(read("Autoscan", 0));
        loaded_.insert("Autoscan");
        check(CheckBox3, "BootMenu", 0, notZero);
        check(CheckBox4, "BootWarn", 1, notZero);
        SpinEdit2->SetValue(read("BootDelay", 2));
        loaded_.insert("BootDelay");
        ComboBox1->SetItemIndex(read("BootMenuDefault", 1) - 1);
        loaded_.insert("BootMenuDefault");
        if (WinVer() >= kFirstBuildOf98) check(CheckBox1, "BootFailSafe", 1, isZero);
        check(MultiCheckBox2, "BootMulti", 0, notZero);
        check(MultiCheckBox3, "BootKeys", 0, notZero);
        check(MultiCheckBox10, "DrvSpace", 1, notZero);
        check(MultiCheckBox9, "DblSpace", 1, notZero);
        check(FusedCheckBox1, "Logo", 1, notZero);
    } catch (const std::exception&) {
        // The step ends here; what it did not reach keeps its design-time
        // state and is not written back.
    }
}

void TFrm_Boot::LoadSwitches() {
    try {
        const config::TIniFile ini(platform::ProgramFolder() + config::kSettingsFile);
        FusedCheckBox2->SetChecked(ini.ReadInteger(config::kSecWinIniOptions, config::keys::kNoDownMessage, 0) == 0);
        loaded_.insert(config::keys::kNoDownMessage);
        FusedCheckBox3->SetChecked(ini.ReadInteger(config::kSecWinIniOptions, config::keys::kNoEndLogo, 0) == 0);
        loaded_.insert(config::keys::kNoEndLogo);
        MultiCheckBox8->SetChecked(
            platform::SameText(ini.ReadString(config::kSecSysIni386Enh, config::keys::kFileSysChange, "on"), "off"));
        loaded_.insert(config::keys::kFileSysChange);
    } catch (const std::exception&) {
        // As above: the step ends, the rest is not written back.
    }
}

void TFrm_Boot::SetEnabledStates() {
    const platform::WindowsRelease release = RunningRelease();
    // Windows ME starts without the real-mode boot of its elders and
    // ignores these options; from Windows 98 on safe mode can be hidden.
    const bool bootOptions = release != platform::WindowsRelease::WinME;
    ComboBox3->SetEnabled(release != platform::WindowsRelease::Win95);
    MultiCheckBox4->SetEnabled(bootOptions);
    CheckBox1->SetEnabled(bootOptions && WinVer() >= kFirstBuildOf98);
    MultiCheckBox5->SetEnabled(bootOptions);
    CheckBox5->SetEnabled(WinVer() >= kFirstBuildOf98);
    if (optionsAvailable_) return;
    for (TControl* control : std::initializer_list<TControl*>{
             ComboBox1, CheckBox2, CheckBox1, CheckBox3, CheckBox4, TrackBar5, ComboBox2, MultiCheckBox4, ComboBox3,
             MultiCheckBox5, MultiCheckBox20, CheckBox5, MultiCheckBox3, SpinEdit2, MultiCheckBox2, MultiCheckBox9,
             MultiCheckBox10, FusedCheckBox1}) {
        control->SetEnabled(false);
    }
}

// ---------------------------------------------------------------- flush

void TFrm_Boot::FlushData() {
    FlushSwitches();
    FlushOptions();
}

void TFrm_Boot::FlushSwitches() {
    try {
        const config::TIniFile ini(platform::ProgramFolder() + config::kSettingsFile);
        if (Loaded(config::keys::kNoDownMessage))
            ini.WriteInteger(config::kSecWinIniOptions, config::keys::kNoDownMessage,
                             FusedCheckBox2->Checked() ? 0 : 1);
        if (Loaded(config::keys::kNoEndLogo))
            ini.WriteInteger(config::kSecWinIniOptions, config::keys::kNoEndLogo, FusedCheckBox3->Checked() ? 0 : 1);
        if (Loaded(config::keys::kFileSysChange))
            config::WriteTextSetting(ini, config::kSecSysIni386Enh, config::keys::kFileSysChange,
                                     MultiCheckBox8->Checked() ? "off" : "On");
    } catch (const std::exception&) {
        // The step ends silently; the other file's step still runs.
    }
}

void TFrm_Boot::FlushOptions() {
    if (!optionsAvailable_) return;
    try {
        const config::TIniFile ini(platform::ProgramFolder() + config::kMsdosCopy);
        auto write = [&](const char* key, int value) {
            if (Loaded(key)) ini.WriteInteger(kOptions, key, value);
        };
        auto box = [&](const char* key, const TCheckBox* check, int whenChecked) {
            write(key, check->Checked() ? whenChecked : 1 - whenChecked);
        };
        switch (ComboBox2->ItemIndex()) {
            case kWindows9x:
                write("BootGUI", 1);
                write("BootWIN", 1);
                break;
            case kDosMode:
                write("BootGUI", 0);
                write("BootWIN", 1);
                break;
            case kPreviousDos:
                write("BootWIN", 0);
                write("BootGUI", 0);
                break;
            default:
                break;
        }
        if (MultiCheckBox4->Enabled()) box("BootSafe", MultiCheckBox4, 1);
        if (WinVer() >= kFirstBuildOf98) box("LoadTop", CheckBox5, 1);
        box("DisableLog", MultiCheckBox5, 0);
        box("SystemReg", MultiCheckBox20, 0);
        // A list without a selection (its stored value lay outside it)
        // leaves its key as it is.
        if (RunningRelease() != platform::WindowsRelease::Win95 && ComboBox3->ItemIndex() >= 0)
            write("Autoscan", ComboBox3->ItemIndex());
        box("BootMenu", CheckBox3, 1);
        box("BootWarn", CheckBox4, 1);
        write("BootDelay", SpinEdit2->Value());
        write("BootMenuDelay", TrackBar5->Value());
        box("Network", CheckBox2, 1);
        if (ComboBox1->ItemIndex() >= 0) write("BootMenuDefault", ComboBox1->ItemIndex() + 1);
        if (MultiCheckBox4->Enabled()) box("BootFailSafe", CheckBox1, 0);
        box("BootMulti", MultiCheckBox2, 1);
        box("BootKeys", MultiCheckBox3, 1);
        box("DrvSpace", MultiCheckBox10, 1);
        box("DblSpace", MultiCheckBox9, 1);
        box("Logo", FusedCheckBox1, 1);
    } catch (const std::exception&) {
        // The step ends silently; keys not yet written keep their values.
    }
}

// ---------------------------------------------------------------- import

void TFrm_Boot::Import(TImage* preview, const char* copyName) {
    if (!OpenDialog1->Execute()) return;
    const std::string chosen = OpenDialog1->FileName();
    auto note = [this](const std::string& text) { ShowMessageBox(text, "Hinweis", mbOK, miInformation, TopForm()); };
    TBitmap picture;
    try {
        picture = LoadPictureFile(chosen, kLogoWidth, kLogoHeight);
    } catch (const EBitmapError&) {
        return note(UnreadableMessage(BaseName(chosen)));
    } catch (const std::bad_alloc&) {
        return note(UnreadableMessage(BaseName(chosen)));
    }
    const std::string bytes =
        ToBmp8(ReduceTo256(Resample(picture, kLogoWidth, kLogoHeight, TResampleFilter::Triangle)));

    // The new copy is written beside the old one and takes its place only
    // when complete, so that applying never copies a cut-off picture.
    platform::FileSystem& files = platform::Get().files();
    const std::string target = platform::ProgramFolder() + copyName;
    const std::string part = target.substr(0, target.size() - 4) + ".neu";
    files.DeleteFile(part);
    const bool written = files.WriteFile(part, bytes) && files.GetAttributes(part) != platform::attr::Invalid;
    if (!written || (files.Exists(target) && !files.DeleteFile(target)) || !files.MoveFile(part, target)) {
        files.DeleteFile(part);
        return note(kNotSavedMessage);
    }
    preview->SetPicture(Resample(picture, kPreviewWidth, kPreviewHeight, TResampleFilter::Triangle));
    if (SettingsChangedTarget* changed = FindSettingsChangedTarget(*this)) changed->SetSettingsChanged();
    FlushData();
}

}  // namespace pages
