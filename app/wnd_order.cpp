#include "app/wnd_order.h"

#include "app/main.h"
#include "platform/helpers.h"
#include "platform/platform.h"
#include "widgets/make_control.h"
#include "widgets/pictures.h"

namespace app {

using namespace widgets;

namespace {

struct Sentence {
    int left, top, width, height;
    bool bold;
    bool bullet;
    const char* text;
};

const Sentence kSentences[10] = {
    {184, 14, 255, 16, true, false, "Halvorn Quellwerk"},
    {184, 34, 255, 100, false, false,
     "Quellwerk stellt Windows 95, 98 und ME so ein, wie Sie es brauchen: schneller starten, aufgeräumter "
     "arbeiten und jederzeit sicher zum alten Stand zurückkehren."},
    {14, 150, 420, 16, true, false, "Das bietet Ihnen die Vollversion:"},
    {34, 172, 400, 16, false, true, "Alle Einstellungen von Start, Oberfläche, System und Netzwerk an einem Ort."},
    {34, 194, 400, 16, false, true, "Ein Sicherungspunkt bei jedem Start, mit einem Doppelklick zurückgeholt."},
    {34, 216, 400, 16, false, true, "Das Performance-Modul: freier Platz, Temp-Ordner und Autostart im Blick."},
    {34, 238, 400, 16, false, true, "Das Reparatur-Modul: verwaiste Einträge finden und gefahrlos entfernen."},
    {34, 260, 400, 16, false, true, "Ein Jahr lang kostenlose Updates und Hilfe per E-Mail."},
    {14, 290, 420, 30, false, false,
     "Bestellen Sie bequem im Internet, oder drucken Sie das Bestellformular aus und senden Sie es uns per Post "
     "oder Fax."},
    {14, 328, 420, 16, false, false, "Halvorn Software, www.halvorn.de"},
};

constexpr TColor kNoteColor = 0x505050;  // RGB 80,80,80: the address line, quieter than the text

// The shell is asked to open it with the main window as the parent of
// whatever it shows. A target that does not open is not reported.
void OpenForUser(const std::string& file) {
    platform::ShellExecuteRequest request;
    request.ownerWindow = MainWindow() ? MainWindow()->NativeHandle() : 0;
    request.verb = "open";
    request.file = file;
    request.show = 1;  // SW_SHOWNORMAL
    platform::Get().shell().Execute(request);
}

}  // namespace

TWndOrder::TWndOrder(TComponent* owner) : TPageForm(owner, 451, 396) {
    Bevel1 = MakeControl<TBevel>(this, this, "Bevel1", 12, 12, 162, 126);
    Bevel1->SetShape(bsBox);
    Bevel1->SetStyle(bsLowered);
    Image1 = MakeControl<TImage>(this, this, "Image1", 13, 13, 160, 124);
    Image1->SetPicture(LoadPicture("order_picture.jpg"));

    const TBitmap bullet = LoadPicture("bullet.bmp");
    size_t b = 0;
    for (size_t i = 0; i < Labels.size(); ++i) {
        const Sentence& s = kSentences[i];
        auto* label =
            MakeControl<TLabel>(this, this, "Label" + std::to_string(i + 1), s.left, s.top, s.width, s.height);
        label->SetAutoSize(false);
        label->SetBounds(s.left, s.top, s.width, s.height);
        label->SetWordWrap(s.height > 16);
        label->SetTransparent(true);
        if (s.bold) label->Font().SetStyle(TFontStyles{true, false, false});
        if (i == 9) label->Font().SetColor(kNoteColor);
        label->SetCaption(s.text);
        Labels[i] = label;
        if (s.bullet) {
            auto* image = MakeControl<TImage>(this, this, "Image" + std::to_string(2 + b), s.left - 18, s.top, 12, 12);
            image->SetPicture(bullet);
            image->SetTransparent(true);
            Bullets[b++] = image;
        }
    }

    epEfTrBtn1 = MakeControl<TTransparentButton>(this, this, "epEfTrBtn1", 14, 356, 150, 25);
    epEfTrBtn1->SetCaption("Bestellen im Internet");
    epEfTrBtn1->OnClick = [this](TComponent* sender) { epEfTrBtn1Click(sender); };
    epEfTrBtn2 = MakeControl<TTransparentButton>(this, this, "epEfTrBtn2", 287, 356, 150, 25);
    epEfTrBtn2->SetCaption("Bestellformular");
    epEfTrBtn2->OnClick = [this](TComponent* sender) { epEfTrBtn2Click(sender); };
}

void TWndOrder::epEfTrBtn1Click(TComponent*) { OpenForUser(THalvornQuellwerk::kWebAddress); }

void TWndOrder::epEfTrBtn2Click(TComponent*) { OpenForUser(platform::ProgramFolder() + kOrderForm); }

}  // namespace app
