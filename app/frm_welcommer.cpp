#include "app/frm_welcommer.h"

#include "platform/helpers.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace app {

using namespace widgets;

namespace {

struct Explanation {
    const char* name;
    int top;
    const char* text;
};

const Explanation kExplanations[6] = {
    {"Label1", 107, "Ändern Sie hier das System nach Ihren Vorstellungen und Bedürfnissen um."},
    {"Label2", 134, "Wird Ihr System immer träger? Duchsuchen Sie es dann nach Fehlern und\r\nÜberflüssigem."},
    {"Label3", 174, "Erfahren Sie mehr über die aktuelle Systemauslastung und Ausstattung."},
    {"Label4", 206, "Sie können hier häufige Fehler im System reparieren und beheben."},
    {"Label5", 232, "Programm-Optionen, Zugriff auf die Hilfe-Funktionen und Rückgängig-\r\nFunktion finden Sie hier."},
    {"Label11", 270, "Informationen und Bestellmöglichkeiten finden Sie hier."},
};

constexpr TColor kLabelColor = 0x302018;  // RGB 24,32,48 on the light picture

}  // namespace

TTipList& TFrame_Welcome::Tips() {
    static TTipList tips;
    return tips;
}

TFrame_Welcome::TFrame_Welcome(TComponent* owner) : TPageForm(owner, 451, 400) {
    Image1 = MakeControl<TImage>(this, this, "Image1", 16, 16, 417, 369);
    Image1->SetPicture(LoadPicture("welcome_picture.jpg"));

    const TBitmap arrow = LoadPicture("arrow.bmp");
    for (size_t i = 0; i < Labels.size(); ++i) {
        const Explanation& e = kExplanations[i];
        auto* label = MakeControl<TLabel>(this, this, e.name, 22, e.top, 378, 28);
        label->SetAutoSize(false);
        label->SetBounds(22, e.top, 378, 28);
        label->SetTransparent(true);
        label->SetCaption(e.text);
        label->Font().SetColor(kLabelColor);
        Labels[i] = label;
        auto* image = MakeControl<TImage>(this, this, "Image" + std::to_string(3 + i), 402, e.top - 3, 18, 17);
        image->SetPicture(arrow);
        image->SetTransparent(true);  // the magenta of its bottom-left pixel lets the page through
    }

    Panel1 = MakeControl<TPanel>(this, this, "Panel1", 28, 311, 393, 63);
    Panel1->SetColor(clWhite);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetBorderStyle(bsSingle);
    Image9 = MakeControl<TImage>(this, Panel1, "Image9", 8, 15, 32, 32);
    Image9->SetPicture(LoadPicture("tip.bmp"));
    Label6 = MakeControl<TLabel>(this, Panel1, "Label6", 48, 4, 286, 54);
    Label6->SetAutoSize(false);
    Label6->SetBounds(48, 4, 286, 54);
    Label6->SetWordWrap(true);
    Label6->SetTransparent(true);
    TransparentButton1 = MakeControl<TTransparentButton>(this, Panel1, "TransparentButton1", 341, 8, 45, 19);
    TransparentButton1->SetCaption("Weiter");
    TransparentButton1->OnClick = [this](TComponent* sender) { TransparentButton1Click(sender); };
    TransparentButton2 = MakeControl<TTransparentButton>(this, Panel1, "TransparentButton2", 341, 34, 45, 19);
    TransparentButton2->SetCaption("Zurück");
    TransparentButton2->OnClick = [this](TComponent* sender) { TransparentButton2Click(sender); };

    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnDestroy = [this](TComponent* sender) { FormDestroy(sender); };
}

void TFrame_Welcome::ShowTip() { Label6->SetCaption(Tips().Current()); }

// A missing, unreadable or empty tips file leaves the box empty: the
// program still opens, and the two buttons have nothing to step through.
void TFrame_Welcome::FormCreate(TComponent*) {
    Tips().LoadFromFile(platform::ProgramFolder() + "qw32tt.tip");
    Tips().First();
    ShowTip();
}

void TFrame_Welcome::FormDestroy(TComponent*) { Tips() = TTipList(); }

void TFrame_Welcome::TransparentButton1Click(TComponent*) {
    Tips().Next();
    ShowTip();
}

void TFrame_Welcome::TransparentButton2Click(TComponent*) {
    Tips().Previous();
    ShowTip();
}

}  // namespace app
