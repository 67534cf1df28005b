#include "app/main.h"

#include "app/app_exception.h"
#include "app/buttontemplate.h"
#include "app/form_placement.h"
#include "app/frm_template.h"
#include "app/frm_welcommer.h"
#include "app/splash.h"
#include "app/wnd_order.h"
#include "config/apply_settings.h"
#include "config/temp_config.h"
#include "pages/testunit.h"
#include "platform/helpers.h"
#include "safety/globel_option.h"
#include "sysinfo/scope.h"
#include "sysinfo/service.h"
#include "sysinfo/sys_mon.h"
#include "sysinfo/wnd_sysinfo.h"
#include "widgets/application.h"
#include "widgets/dialog_host.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace app {

using namespace widgets;

namespace {

THalvornQuellwerk* g_mainWindow = nullptr;

// The six page buttons, by tag: where each stands and what it shows.
struct PageButtonRow {
    int top;
    void (THalvornQuellwerk::*click)(TComponent*);
};
const PageButtonRow kPageButtons[6] = {
    {134, &THalvornQuellwerk::BitmapButton1Click}, {167, &THalvornQuellwerk::BitmapButton2Click},
    {200, &THalvornQuellwerk::BitmapButton3Click}, {233, &THalvornQuellwerk::BitmapButton4Click},
    {266, &THalvornQuellwerk::BitmapButton5Click}, {299, &THalvornQuellwerk::BitmapButton6Click},
};
constexpr TColor kTitleColor = 0xFAF1EC;  // RGB 236,241,250 on the dark title strip

TBitmapButton* TitleButton(THalvornQuellwerk* form, const char* name, int left, const char* picture) {
    auto* button = MakeControl<TBitmapButton>(form, form, name, left, 8, 19, 19);
    const std::string stem(picture);
    button->SetPictureNormal(LoadPicture(stem + "_n.bmp"));
    button->SetPictureActive(LoadPicture(stem + "_a.bmp"));
    button->SetPictureDown(LoadPicture(stem + "_d.bmp"));
    return button;
}

// The questions of closing, as message boxes with the exclamation icon.
config::Answer AskUser(const TForm* owner, const config::Question& question) {
    const TMsgButtons buttons = question.buttons == config::QuestionButtons::YesNoCancel ? mbYesNoCancel : mbYesNo;
    switch (ShowMessageBox(question.text, question.caption, buttons, miExclamation, owner)) {
        case mrYes:
            return config::Answer::Yes;
        case mrNo:
            return config::Answer::No;
        default:
            return config::Answer::Cancel;
    }
}

}  // namespace

THalvornQuellwerk* MainWindow() { return g_mainWindow; }

THalvornQuellwerk::THalvornQuellwerk(TComponent* owner) : TForm(owner) {
    g_mainWindow = this;
    SetName("HalvornQuellwerk");
    SetCaption("Halvorn Quellwerk");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetScaled(false);
    SetClientSize(620, 440);
    SetVisible(false);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);

    A_FirstImage = MakeControl<TImage>(this, this, "A_FirstImage", 0, 0, 620, 440);
    A_FirstImage->SetPicture(LoadPicture("main_background.jpg"));
    CoolForm1 = MakeControl<TCoolForm>(this, this, "CoolForm1", 0, 0, 620, 440);
    const std::string outline = LoadResourceBytes("main_region.bin");
    if (!outline.empty()) CoolForm1->SetRegionData(outline);

    RGBALabel1 = MakeControl<TRGBALabel>(this, this, "RGBALabel1", 8, 7, 200, 14);
    RGBALabel1->Font().SetName("Tahoma");
    RGBALabel1->Font().SetHeight(-11);
    RGBALabel1->Font().SetStyle(TFontStyles{true, true, false});
    RGBALabel1->Font().SetColor(kTitleColor);
    RGBALabel1->SetTransparent(true);
    RGBALabel1->SetAutoSize(true);
    RGBALabel1->SetCaption("Willkommen");

    MainFormContainer = MakeControl<TFormContainer>(this, this, "MainFormContainer", 5, 33, 451, 400);
    MainFormContainer->OnFormChange = [this](TComponent* sender, TForm* old) {
        MainFormContainerFormChange(sender, old);
    };

    for (int k = 0; k < 6; ++k) {
        auto* button = MakeControl<TBitmapButton>(this, this, "BitmapButton" + std::to_string(k + 1), 472,
                                                  kPageButtons[k].top, 115, 24);
        button->SetTag(k + 1);
        button->SetHelpContext(2034 + k);
        button->OnClick = [this, click = kPageButtons[k].click](TComponent* s) { (this->*click)(s); };
        PageButtons[k] = button;
    }
    BitmapButton30 = TitleButton(this, "BitmapButton30", 466, "help");
    BitmapButton30->OnClick = [this](TComponent* s) { BitmapButton30Click(s); };
    BitmapButton20 = TitleButton(this, "BitmapButton20", 488, "min");
    BitmapButton20->OnClick = [this](TComponent* s) { BitmapButton20Click(s); };
    BitmapButton10 = TitleButton(this, "BitmapButton10", 510, "close");
    BitmapButton10->OnClick = [this](TComponent* s) { BitmapButton10Click(s); };

    Image1 = MakeControl<TImage>(this, this, "Image1", 471, 391, 117, 34);
    Image1->SetPicture(LoadPicture("weblink_shadow.bmp"));
    Image1->SetCursor(crHandPoint);
    Image2 = MakeControl<TImage>(this, this, "Image2", 472, 392, 117, 34);
    Image2->SetPicture(LoadPicture("weblink.bmp"));
    Image2->SetCursor(crHandPoint);
    Image2->OnClick = [this](TComponent* s) { Image2Click(s); };

    SysMon1 = CreateComponent<sysinfo::TSysMon>(this);
    SysMon1->SetName("SysMon1");
    sysinfo::TMonObject& cpu = SysMon1->Monitors.Add();
    cpu.SysObject = "KERNEL";
    cpu.Counter = "CPUUsage";
    Scope1 = MakeControl<sysinfo::TScope>(this, this, "Scope1", -208, 104, 190, 96);
    Scope1->SetBaseline(50);
    Scope1->SetGridsize(8);
    Scope1->SetActive(true);
    Scope1->SetPosition(50);
    Scope1->SetInterval(50);
    Scope1->SetColor(clBlack);
    Scope1->SetGridcolor(clGreen);
    Scope1->SetLinecolor(clLime);
    Scope1->SetBasecolor(clRed);
    Scope1->OnUpdate = [this](TComponent* s) { Scope1Update(s); };

    WhatsThis1 = CreateComponent<TWhatsThis>(this);
    WhatsThis1->SetName("WhatsThis1");
    FormPlacement1 = CreateComponent<TFormPlacement>(this, *this);
    FormPlacement1->SetName("FormPlacement1");
    FontHolder1 = CreateComponent<TFontHolder>(this);
    FontHolder1->SetName("FontHolder1");
    FontHolder1->SetFontFile("TAHOMA.TTF", LoadResourceBytes("tahoma.ttf"));
    FontHolder1->SetFamilyName("Tahoma");

    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnShow = [this](TComponent* s) { FormShow(s); };
    OnCloseQuery = [this](TComponent* s, bool& canClose) { FormCloseQuery(s, canClose); };
    OnClose = [this](TComponent* s, TCloseAction& action) { FormClose(s, action); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void THalvornQuellwerk::FormCreate(TComponent*) {
    // Before any window of the main window asks for its font.
    FontHolder1->Activate();
    Application().HelpFile = platform::ProgramFolder() + "quellwerk.hlp";
    platform::Delay(1200);
    Application().ProcessMessages();
    if (FrmSplash()) FrmSplash()->TickLine(1);
    Application().ProcessMessages();
    Application().OnException = [this](TComponent* sender, const std::exception& e) { AppException(sender, e); };
    FormPlacement1->SetActive(RestorePosOption());
    settingsChanged_ = false;
    BlendTransition = CreateComponent<TBlendTransition>(this);
    BlendTransition->SetEnabled(true);
    BlendTransition->SetDuration(810);
    try {
        config::CreateTempConfig(platform::ProgramFolder());
    } catch (...) {
        // The start goes on with whatever the snapshot wrote so far.
    }
    platform::Delay(1300);
    if (FrmSplash()) FrmSplash()->TickLine(2);
    Application().ProcessMessages();
}

void THalvornQuellwerk::FormShow(TComponent*) {
    if (FormPlacement1->Active()) FormPlacement1->RestorePlacement();
    ButtonCalc(0);
    Frame_Welcome = MainFormContainer->CreateForm<TFrame_Welcome>();
    MainFormContainer->ShowForm(Frame_Welcome, true, nullptr);
    RGBALabel1->SetCaption("Willkommen");
    Repaint();
}

void THalvornQuellwerk::ButtonCalc(int tag) {
    TButtTemplate* pictures = ButtTemplate();
    if (!pictures) return;
    for (int k = 1; k <= 6; ++k) {
        TBitmapButton* button = PageButtons[k - 1];
        const TBitmap& plain = pictures->Image(2 * k - 1)->Picture();
        const TBitmap& lit = pictures->Image(2 * k)->Picture();
        button->SetPictureActive(lit);
        button->SetPictureDown(lit);
        // The selected page's button stays lit while the mouse is elsewhere.
        button->SetPictureNormal(button->Tag() == tag ? lit : plain);
        button->Repaint();
    }
}

template <class Page>
void THalvornQuellwerk::ShowPage(int tag, const char* title, Page*& shown, void (*prepare)(Page&)) {
    if (title) RGBALabel1->SetCaption(title);
    ButtonCalc(tag);
    shown = MainFormContainer->CreateForm<Page>();
    if (prepare) prepare(*shown);
    MainFormContainer->ShowForm(shown, true, BlendTransition);
}

void THalvornQuellwerk::BitmapButton1Click(TComponent*) { ShowPage(1, "Systemeinstellungen", Wnd_Settings); }

void THalvornQuellwerk::BitmapButton2Click(TComponent*) {
    ShowPage<TWnd_Template>(2, "Performance", Wnd_Template, [](TWnd_Template& page) {
        page.SetMode(TWnd_Template::kPerformance);
    });
}

void THalvornQuellwerk::BitmapButton3Click(TComponent*) { ShowPage(3, "Systeminformationen", Frm_SysInfos); }

void THalvornQuellwerk::BitmapButton4Click(TComponent*) {
    ShowPage<TWnd_Template>(4, "Reparieren", Wnd_Template, [](TWnd_Template& page) {
        page.SetMode(TWnd_Template::kRepair);
    });
}

void THalvornQuellwerk::BitmapButton5Click(TComponent*) {
    ShowPage<sysinfo::TFRM_Service>(5, "Service und Optionen", FRM_Service, [](sysinfo::TFRM_Service& page) {
        page.OptionsCycle = safety::ShowProgramOptions;
    });
}

void THalvornQuellwerk::BitmapButton6Click(TComponent*) { ShowPage(6, nullptr, WndOrder); }

void THalvornQuellwerk::BitmapButton10Click(TComponent*) { Close(); }

void THalvornQuellwerk::BitmapButton20Click(TComponent*) { Application().Minimize(); }

void THalvornQuellwerk::BitmapButton30Click(TComponent*) { WhatsThis1->EnterMode(); }

void THalvornQuellwerk::Image2Click(TComponent*) {
    // A shell that cannot open the address is not reported.
    platform::Get().shell().ShellOpen(kWebAddress);
}

void THalvornQuellwerk::MainFormContainerFormChange(TComponent*, TForm* OldForm) {
    // The first page has no old page; a null one matches only references
    // that are null already.
    if (OldForm == Frm_SysInfos) Frm_SysInfos = nullptr;
    if (OldForm == Frame_Welcome) Frame_Welcome = nullptr;
    if (OldForm == Wnd_Settings) Wnd_Settings = nullptr;
    if (OldForm == Wnd_Template) Wnd_Template = nullptr;
    if (OldForm == FRM_Service) FRM_Service = nullptr;
    if (OldForm == WndOrder) WndOrder = nullptr;
    FormPlacement1->SetActive(RestorePosOption());
}

void THalvornQuellwerk::FormCloseQuery(TComponent*, bool& CanClose) {
    CanClose = config::CloseQuery(settingsChanged_, platform::ProgramFolder(),
                                  [this](const config::Question& q) { return AskUser(this, q); });
}

void THalvornQuellwerk::FormClose(TComponent*, TCloseAction&) {
    if (FormPlacement1->Active()) FormPlacement1->SavePlacement();
    Application().Terminate();
}

void THalvornQuellwerk::Scope1Update(TComponent*) {
    const int v = SysMon1->Monitors.Items(0).GetValue();
    Scope1->SetPosition(v);
    if (Frm_SysInfos) {
        if (Frm_SysInfos->Image2) Frm_SysInfos->Image2->SetPicture(Scope1->BitMap());
        if (Frm_SysInfos->Label1) Frm_SysInfos->Label1->SetCaption("Auslastung " + std::to_string(v) + " %");
    }
}

void THalvornQuellwerk::FormDestroy(TComponent*) {
    TComponent::Free(BlendTransition);
    BlendTransition = nullptr;
    // The temp config belongs to this run; the picture copies stay.
    platform::FileSystem& files = platform::Get().files();
    files.DeleteFile(platform::ProgramFolder() + config::kMsdosCopy);
    files.DeleteFile(platform::ProgramFolder() + config::kSettingsFile);
    if (g_mainWindow == this) g_mainWindow = nullptr;
}

void THalvornQuellwerk::AppException(TComponent*, const std::exception& E) {
    const ErrorMessage message = AppExceptionMessage(E, Application().Title);
    ShowMessageBox(message.text, message.caption, mbOK, miError, this);
    Application().Terminate();
}

}  // namespace app
