#include "app/splash.h"

#include "app/start_hooks.h"
#include "safety/prog_start_breakpoint.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace app {

namespace {

TFrmSplash* g_splash = nullptr;

const char* const kLineCaptions[4] = {"Lade Oberfläche...", "Lese System-Informationen...", "Lade Module...",
                                      "Erstelle Sicherung..."};
// The progress lines stand on the calm panel of the background picture.
constexpr int kLineTops[4] = {250, 272, 294, 316};
constexpr widgets::TColor kCaptionColor = 0xF3E7E0;  // RGB 224,231,243
constexpr widgets::TColor kPanelColor = 0x342720;    // RGB 32,39,52

}  // namespace

TFrmSplash* FrmSplash() { return g_splash; }
void SetFrmSplash(TFrmSplash* splash) { g_splash = splash; }

TFrmSplash::TFrmSplash(widgets::TComponent* owner) : widgets::TForm(owner) {
    using namespace widgets;
    SetName("FrmSplash");
    SetBorderStyle(bsNone);
    SetPosition(poScreenCenter);
    SetFormStyle(fsStayOnTop);
    SetClientSize(530, 400);
    SetVisible(false);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);

    Image1 = MakeControl<TImage>(this, this, "Image1", 0, 0, 530, 400);
    Image1->SetPicture(LoadPicture("splash_background.jpg"));
    Image2 = MakeControl<TImage>(this, this, "Image2", 105, 40, 320, 96);
    Image2->SetPicture(LoadPicture("splash_logo.bmp"));

    for (int i = 0; i < 4; ++i) {
        auto* line = MakeControl<TCheckBox>(this, this, "CheckBox" + std::to_string(i + 1), 40, kLineTops[i], 300, 17);
        line->SetCaption(kLineCaptions[i]);
        line->SetReadOnly(true);
        line->SetColor(kPanelColor);
        line->Font().SetColor(kCaptionColor);
        lines_[i] = line;
    }
    // Line 4 shows only when the start-up breakpoint option is on.
    lines_[3]->SetVisible(false);

    Image3 = MakeControl<TImage>(this, this, "Image3", 36, 341, 458, 20);
    Image3->SetPicture(LoadPicture("gauge_frame.bmp"));
    Image3->SetVisible(false);
    Gauge1 = MakeControl<TGauge>(this, this, "Gauge1", 40, 345, 450, 12);
    Gauge1->SetRange(0, 100);
    Gauge1->SetVisible(false);

    MakeCab2 = new safety::TMakeCab(this);
    MakeCab2->ArcType = safety::TArcType::atCab;
    MakeCab2->CompressMethod = safety::TCompressMethod::cmMsZip;
    MakeCab2->DeleteOptions = safety::TDeleteOptions::doAllowUndo;
    MakeCab2->DefaultExt = ".cab";
    MakeCab2->RecurseDirs = false;
    MakeCab2->OnProgress = [this](safety::TMakeCab* sender, uint8_t byFile, uint8_t byArchive) {
        MakeCab2Progress(sender, byFile, byArchive);
    };
}

void TFrmSplash::MakeCab2Progress(safety::TMakeCab*, uint8_t, uint8_t progressByArchive) {
    Gauge1->SetProgress(progressByArchive);
}

void TFrmSplash::TickLine(int number) {
    Line(number)->SetChecked(true);
    Line(number)->Repaint();
}

void TFrmSplash::CreateProgStartBreakPoint() {
    if (StartHooks().createProgStartBreakPoint) {
        StartHooks().createProgStartBreakPoint(*this);
        return;
    }
    safety::CreateProgStartBreakPoint(*MakeCab2, [this] {
        Image3->SetVisible(true);
        Gauge1->SetVisible(true);
        Image3->Repaint();
        Gauge1->Repaint();
    });
}

}  // namespace app
