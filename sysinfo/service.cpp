#include "sysinfo/service.h"

#include "platform/helpers.h"
#include "platform/platform.h"
#include "widgets/application.h"
#include "widgets/help_system.h"
#include "widgets/make_control.h"
#include "widgets/outside_module.h"
#include "widgets/pictures.h"

namespace sysinfo {

using namespace widgets;

namespace {

struct ButtonRow {
    const char* name;
    int left;
    const char* picture;  // with _n and _d for normal and pressed
    TBUImage* TFRM_Service::*field;
    void (TFRM_Service::*click)(TComponent*);
};
const ButtonRow kButtons[4] = {
    {"BUImage1", 7, "service_about", &TFRM_Service::BUImage1, &TFRM_Service::BUImage1Click},
    {"BUImage4", 117, "service_options", &TFRM_Service::BUImage4, &TFRM_Service::BUImage4Click},
    {"BUImage3", 227, "service_help", &TFRM_Service::BUImage3, &TFRM_Service::BUImage3Click},
    {"BUImage2", 337, "service_undo", &TFRM_Service::BUImage2, &TFRM_Service::BUImage2Click},
};

enum class Folder { None, Program, System };
enum class Shows { Nothing, Version, Product, ProductAgain };

struct VersionRow {
    const char* name;
    Folder folder;
    const char* file;
    Shows shows;
};
const VersionRow kRows[17] = {
    {"Versionsinformationen", Folder::None, "", Shows::Nothing},
    {"Quellwerk Version", Folder::Program, "qw32vim.dll", Shows::Product},
    {"Quellwerk Consule Version", Folder::Program, "quellwerk.exe", Shows::Version},
    {"Quellwerk Performance Modul", Folder::Program, "qw32perfx.ocx", Shows::Version},
    {"Quellwerk Reparatur Modul", Folder::Program, "qw32reax.ocx", Shows::Version},
    {"Quellwerk Sicherungs Modul", Folder::Program, "qw32bsax.ocx", Shows::Version},
    {"Quellwerk Service Modul", Folder::Program, "qw32sermax.ocx", Shows::ProductAgain},
    {"Quellwerk Schnittstellen Module", Folder::Program, "qw32ifs.dll", Shows::Version},
    {"Quellwerk IAM Modul", Folder::Program, "qw32ians.dll", Shows::Version},
    {"Quellwerk System Modul", Folder::Program, "qw32ssm.dll", Shows::Version},
    {"Quellwerk Breakpoint Module", Folder::Program, "qw32brkpnt.dll", Shows::Version},
    {"Quellwerk QEXT Module", Folder::Program, "qw32expr.exe", Shows::Version},
    {"Quellwerk QEXT2 Module", Folder::Program, "qw32re.exe", Shows::Version},
    {"", Folder::None, "", Shows::Nothing},
    {"Umgebungsdateien", Folder::None, "", Shows::Nothing},
    {"Gemeinsame Bedienungseinheiten", Folder::System, "\\Comctl32.dll", Shows::Version},
    {"Gemeinsame Dialoge", Folder::System, "\\Comdlg32.dll", Shows::Version},
};

}  // namespace

TFRM_Service::TFRM_Service(TComponent* owner) : TPageForm(owner, 451, 396) {
    SetScaled(false);
    Font().SetName("MS Sans Serif");
    Font().SetHeight(-11);

    for (const ButtonRow& row : kButtons) {
        auto* button = MakeControl<TBUImage>(this, this, row.name, row.left, 7, 105, 26);
        button->SetPictureNormal(LoadPicture(std::string(row.picture) + "_n.bmp"));
        button->SetPictureDown(LoadPicture(std::string(row.picture) + "_d.bmp"));
        button->OnClick = [this, click = row.click](TComponent* s) { (this->*click)(s); };
        this->*row.field = button;
    }

    Panel1 = MakeControl<TPanel>(this, this, "Panel1", 8, 42, 432, 339);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetBorderStyle(bsSingle);
    Panel1->SetColor(clWhite);
    // The single border takes one pixel of each side, the margin six more.
    AdvStringGrid1 = MakeControl<TStringGrid>(this, Panel1, "AdvStringGrid1", 6, 6, 432 - 2 - 12, 339 - 2 - 12);
    AdvStringGrid1->SetColCount(3);
    AdvStringGrid1->SetRowCount(30);
    AdvStringGrid1->SetFixedCols(1);
    AdvStringGrid1->SetFixedRows(1);
    AdvStringGrid1->SetDefaultRowHeight(18);
    AdvStringGrid1->SetColWidth(0, 0);
    AdvStringGrid1->SetColWidth(1, 199);
    AdvStringGrid1->SetColWidth(2, 199);
    AdvStringGrid1->SetVertLines(true);
    AdvStringGrid1->SetHorzLines(true);
    AdvStringGrid1->SetEnabled(false);

    OnCreate = [this](TComponent* s) { FormCreate(s); };
}

void TFRM_Service::FormCreate(TComponent*) {
    const std::string program = platform::ProgramFolder();
    const std::string system = platform::Get().files().SystemDirectory();
    for (int row = 0; row < static_cast<int>(std::size(kRows)); ++row) {
        const VersionRow& r = kRows[row];
        if (r.folder == Folder::None) {
            AdvStringGrid1->SetCell(1, row, r.name);
            continue;
        }
        // Each row on its own: a row that fails keeps what it has, and the
        // next one is filled.
        try {
            FileVersion.SetAboutFile((r.folder == Folder::Program ? program : system) + r.file);
            AdvStringGrid1->SetCell(1, row, r.name);
            switch (r.shows) {
                case Shows::Product:
                    AdvStringGrid1->SetCell(2, row, "Feldmark-" + FileVersion.FileVersion());
                    productVersion_ = FileVersion.FileVersion();
                    break;
                case Shows::ProductAgain:
                    AdvStringGrid1->SetCell(2, row, productVersion_);
                    break;
                default:
                    AdvStringGrid1->SetCell(2, row, FileVersion.FileVersion());
                    break;
            }
        } catch (const std::exception&) {
        }
    }
}

void TFRM_Service::BUImage1Click(TComponent*) { RunOutsideModule(kAboutModule, kAboutEntry); }

void TFRM_Service::BUImage4Click(TComponent*) {
    if (OptionsCycle) OptionsCycle();
}

void TFRM_Service::BUImage3Click(TComponent*) {
    // A help viewer that does not come up is not reported.
    Application().HelpCommand(kHelpFinder, 0);
}

void TFRM_Service::BUImage2Click(TComponent*) { RunOutsideModule(kBreakpointModule, kBreakpointEntry); }

}  // namespace sysinfo
