// A window with one of each component on its native peer, to look at them
// and try them by hand: tabs, a table, pictures in a list, spin arrows, a
// slider driving a gauge, check boxes, radio buttons, edits, lists, the
// drive list, labels, frames and a panel. Not part of the program.
//
//     cmake --build --preset win64 --target widget_gallery
//     cmake/wine-run.sh build/win64/widgets/widget_gallery.exe
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "widgets/application.h"
#include "widgets/bevel.h"
#include "widgets/button.h"
#include "widgets/check_box.h"
#include "widgets/combo_box.h"
#include "widgets/drive_combo_box.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/gauge.h"
#include "widgets/group_box.h"
#include "widgets/image_combo_box.h"
#include "widgets/label.h"
#include "widgets/make_control.h"
#include "widgets/notebook.h"
#include "widgets/page_control.h"
#include "widgets/panel.h"
#include "widgets/radio_button.h"
#include "widgets/spin_edit.h"
#include "widgets/string_grid.h"
#include "widgets/tab_sheet.h"
#include "widgets/track_bar.h"
#include "widgets/win32/win32_widgets.h"

using namespace widgets;

namespace {

constexpr uint32_t kKey = 0xFFFF00FFu;

uint32_t Rgb(int r, int g, int b) { return 0xFF000000u | uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b); }

// Small 16 x 16 pictures on the key colour, for the image combo box.
TBitmap Monitor() {
    TBitmap p(16, 16, kKey);
    p.FillRect(TRect{1, 1, 15, 12}, Rgb(128, 128, 128));
    p.FillRect(TRect{2, 2, 14, 10}, Rgb(0, 0, 128));
    p.FillRect(TRect{3, 3, 8, 5}, Rgb(0, 128, 192));
    p.FillRect(TRect{6, 12, 10, 14}, Rgb(128, 128, 128));
    p.FillRect(TRect{3, 14, 13, 15}, Rgb(64, 64, 64));
    return p;
}

TBitmap Keyboard() {
    TBitmap p(16, 16, kKey);
    p.FillRect(TRect{0, 5, 16, 12}, Rgb(64, 64, 64));
    p.FillRect(TRect{1, 6, 15, 11}, Rgb(208, 208, 208));
    for (int x = 2; x < 14; x += 2) {
        p.SetPixel(x, 7, Rgb(64, 64, 64));
        p.SetPixel(x + 1, 9, Rgb(64, 64, 64));
    }
    return p;
}

TBitmap Speaker() {
    TBitmap p(16, 16, kKey);
    p.FillRect(TRect{2, 6, 6, 10}, Rgb(32, 32, 32));
    for (int i = 0; i < 5; ++i) p.FillRect(TRect{6 + i, 5 - i, 7 + i, 11 + i}, Rgb(32, 32, 32));
    p.FillRect(TRect{13, 6, 14, 10}, Rgb(0, 128, 0));
    return p;
}

TBitmap Mouse() {
    TBitmap p(16, 16, kKey);
    p.FillRect(TRect{7, 0, 8, 4}, Rgb(0, 0, 0));
    p.FillRect(TRect{4, 4, 12, 15}, Rgb(64, 64, 64));
    p.FillRect(TRect{5, 5, 11, 14}, Rgb(224, 224, 224));
    p.FillRect(TRect{5, 8, 11, 9}, Rgb(64, 64, 64));
    p.FillRect(TRect{7, 5, 8, 8}, Rgb(64, 64, 64));
    return p;
}

class TGalleryForm : public TForm {
public:
    explicit TGalleryForm(TComponent* owner) : TForm(owner) {
        SetBorderStyle(bsSingle);
        SetCaption("Quellwerk – Komponenten");
        SetPosition(poScreenCenter);
        SetClientSize(620, 440);
        Font().SetName("Tahoma");
        Font().SetHeight(-11);

        PlaceLeftColumn();
        PlaceRightColumn();

        Status = MakeControl<TLabel>(this, this, "Status", 8, 416, 420, 14);
        Status->SetCaption("Bereit.");
        TButton* close = MakeControl<TButton>(this, this, "CloseButton", 532, 408, 80, 24);
        close->SetCaption("Schließen");
        close->OnClick = [this](TComponent*) { Close(); };
    }

    TLabel* Status = nullptr;

private:
    void Say(const std::string& text) { Status->SetCaption(text); }

    void PlaceLeftColumn() {
        TGroupBox* options = MakeControl<TGroupBox>(this, this, "GroupBox1", 8, 4, 284, 118);
        options->SetCaption("Optionen");
        TCheckBox* soft = MakeControl<TCheckBox>(this, options, "CheckBox1", 12, 18, 130, 17);
        soft->SetCaption("Weiches Scrollen");
        soft->SetChecked(true);
        TCheckBox* anim = MakeControl<TCheckBox>(this, options, "CheckBox2", 12, 40, 130, 17);
        anim->SetCaption("Menüanimation");
        anim->OnClick = [this, anim](TComponent*) { Say(anim->Checked() ? "Menüanimation an" : "Menüanimation aus"); };
        TCheckBox* grey = MakeControl<TCheckBox>(this, options, "CheckBox3", 12, 62, 130, 17);
        grey->SetCaption("Unbestimmt");
        grey->SetAllowGrayed(true);
        grey->SetState(cbGrayed);
        TCheckBox* off = MakeControl<TCheckBox>(this, options, "CheckBox4", 12, 84, 130, 17);
        off->SetCaption("Gesperrt");
        off->SetEnabled(false);
        const char* sizes[] = {"Kleine Symbole", "Große Symbole", "Riesige Symbole"};
        for (int i = 0; i < 3; ++i) {
            TRadioButton* radio = MakeControl<TRadioButton>(this, options, "RadioButton" + std::to_string(i + 1), 150,
                                                            18 + 22 * i, 126, 17);
            radio->SetCaption(sizes[i]);
            radio->SetChecked(i == 1);
            radio->OnClick = [this, radio](TComponent*) { Say("Gewählt: " + radio->Caption()); };
        }

        int y = 132;
        auto caption = [this, &y](const std::string& text) {
            TLabel* label = MakeControl<TLabel>(this, this, "", 8, y + 4, 80, 13);
            label->SetCaption(text);
        };
        caption("Name:");
        TEdit* name = MakeControl<TEdit>(this, this, "Edit1", 96, y, 196, 21);
        name->SetText("Halvorn");
        y += 28;
        caption("Kennwort:");
        TEdit* password = MakeControl<TEdit>(this, this, "Edit2", 96, y, 196, 21);
        password->SetPasswordChar('*');
        password->SetText("geheim");
        y += 28;
        caption("Start:");
        TComboBox* list = MakeControl<TComboBox>(this, this, "ComboBox1", 96, y, 196, 21);
        list->SetItems({"Standard", "Protokolliert (Bootlog.txt)", "Abgesichert", "Nur Eingabeaufforderung"});
        list->SetItemIndex(0);
        list->OnChange = [this, list](TComponent*) { Say("Start: " + list->SelectedText()); };
        y += 28;
        caption("Laufwerk:");
        TDriveComboBox* drives = MakeControl<TDriveComboBox>(this, this, "DriveComboBox1", 96, y, 196, 21);
        drives->SetDrive('C');
        drives->OnChange = [this, drives](TComponent*) { Say(std::string("Laufwerk ") + drives->Drive() + ":"); };
        y += 28;
        caption("Applet:");
        TImageComboBox* applets = MakeControl<TImageComboBox>(this, this, "ComboBox2", 96, y, 196, 24);
        applets->SetImages({Monitor(), Keyboard(), Speaker(), Mouse()});
        applets->AddItem("Anzeige", 0);
        applets->AddItem("Tastatur", 1);
        applets->AddItem("Multimedia", 2);
        applets->AddItem("Maus", 3);
        applets->SetItemIndex(0);
        applets->OnChange = [this, applets](TComponent*) { Say("Applet: " + applets->SelectedText()); };
        y += 32;
        caption("Wartezeit:");
        TSpinEdit* spin = MakeControl<TSpinEdit>(this, this, "SpinEdit1", 96, y, 49, 22);
        spin->SetMinValue(1);
        spin->SetMaxValue(100);
        spin->SetValue(30);
        spin->OnChange = [this, spin](TComponent*) { Say("Wartezeit: " + spin->Text()); };
        TLabel* unit = MakeControl<TLabel>(this, this, "", 152, y + 4, 80, 13);
        unit->SetCaption("Sekunde(n)");
        y += 32;

        TBevel* line = MakeControl<TBevel>(this, this, "Bevel1", 8, y, 284, 2);
        line->SetShape(bsTopLine);
        y += 10;
        TPanel* panel = MakeControl<TPanel>(this, this, "Panel1", 8, y, 284, 36);
        panel->SetCaption("Ein Panel mit erhabenem Rand");
        y += 44;
        TBevel* box = MakeControl<TBevel>(this, this, "Bevel2", 8, y, 284, 40);
        box->SetShape(bsBox);
        TLabel* inBox = MakeControl<TLabel>(this, this, "", 16, y + 13, 260, 13);
        inBox->SetCaption("Text in einem abgesenkten Rahmen");
    }

    void PlaceRightColumn() {
        TPageControl* pages = MakeControl<TPageControl>(this, this, "PageControl1", 304, 8, 308, 216);
        TTabSheet* tableSheet = MakeControl<TTabSheet>(this, pages, "TabSheet1", 0, 0, 0, 0);
        tableSheet->SetCaption("Versionen");
        TTabSheet* sliderSheet = MakeControl<TTabSheet>(this, pages, "TabSheet2", 0, 0, 0, 0);
        sliderSheet->SetCaption("Regler");
        pages->SetActivePage(tableSheet);
        pages->OnChange = [this, pages](TComponent*) { Say("Seite: " + pages->ActivePage()->Caption()); };

        TStringGrid* grid = MakeControl<TStringGrid>(this, tableSheet, "StringGrid1", 6, 6, 288, 170);
        grid->SetColCount(3);
        grid->SetRowCount(8);
        grid->SetDefaultRowHeight(18);
        grid->SetColWidth(0, 24);
        grid->SetColWidth(1, 130);
        grid->SetColWidth(2, 128);
        grid->SetCell(1, 0, "Komponente");
        grid->SetCell(2, 0, "Version");
        const char* rows[][2] = {{"Kernel", "4.10.2222"},  {"Benutzer", "4.10.2222"},   {"GDI", "4.10.2222"},
                                 {"Shell", "4.72.3110.1"}, {"DirectX", "4.07.00.0700"}, {"Internet Explorer", "5.00"}};
        for (int i = 0; i < 6; ++i) {
            grid->SetCell(0, i + 1, std::to_string(i + 1));
            grid->SetCell(1, i + 1, rows[i][0]);
            grid->SetCell(2, i + 1, rows[i][1]);
        }

        TLabel* level = MakeControl<TLabel>(this, sliderSheet, "Label1", 12, 12, 200, 13);
        level->SetCaption("Sicherheitsstufe:");
        TTrackBar* vertical = MakeControl<TTrackBar>(this, sliderSheet, "TrackBar1", 12, 32, 45, 110);
        vertical->SetOrientation(trVertical);
        vertical->SetTickMarks(tmBoth);
        vertical->SetMax(2);
        vertical->SetPosition(1);
        vertical->OnChange = [this, vertical](TComponent*) { Say("Stufe " + std::to_string(vertical->Position())); };
        TLabel* speed = MakeControl<TLabel>(this, sliderSheet, "Label2", 80, 32, 200, 13);
        speed->SetCaption("Fortschritt (steuert die Anzeige):");
        Progress = MakeControl<TTrackBar>(this, sliderSheet, "TrackBar2", 76, 52, 210, 32);
        Progress->SetMax(10);
        Progress->SetPosition(4);

        // A notebook: pages without tabs, turned by buttons.
        TNotebook* notebook = MakeControl<TNotebook>(this, this, "Notebook1", 304, 232, 308, 76);
        notebook->SetPages({"Eins", "Zwei"});
        const char* texts[] = {"Seite 1: ohne Reiter, mit Knöpfen geblättert",
                               "Seite 2: die andere Seite des Notizbuchs"};
        for (int i = 0; i < 2; ++i) {
            TPanel* face = MakeControl<TPanel>(this, notebook->Page(i), "", 0, 0, 308, 46);
            face->SetBevelOuter(bvLowered);
            face->SetCaption(texts[i]);
            for (int b = 0; b < 2; ++b) {
                TButton* turn = MakeControl<TButton>(this, notebook->Page(i), "", 8 + 84 * b, 50, 76, 24);
                turn->SetCaption("Seite " + std::to_string(b + 1));
                turn->OnClick = [notebook, b](TComponent*) { notebook->SetPageIndex(b); };
            }
        }

        TLabel* gaugeLabel = MakeControl<TLabel>(this, this, "", 304, 318, 200, 13);
        gaugeLabel->SetCaption("Fortschritt:");
        TGauge* gauge = MakeControl<TGauge>(this, this, "Gauge1", 304, 334, 308, 20);
        gauge->SetProgress(40);
        Progress->OnChange = [this, gauge](TComponent*) { gauge->SetProgress(Progress->Position() * 10); };

        TBevel* frame = MakeControl<TBevel>(this, this, "Bevel3", 304, 364, 308, 34);
        frame->SetShape(bsFrame);
        TLabel* shaded = MakeControl<TLabel>(this, this, "", 312, 374, 292, 14);
        shaded->SetCaption("Ein Rahmen (bsFrame) mit einer Beschriftung");
    }

    TTrackBar* Progress = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    platform::win32::InstallWin32Platform();
    win32::Win32Widgets native;
    TGalleryForm* form = CreateForm<TGalleryForm>(nullptr);
    Application().SetMainForm(form);
    form->Show();
    Application().Run();
    TComponent::Free(form);
    return 0;
}
