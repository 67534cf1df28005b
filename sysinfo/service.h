// The service page: the about box, the program options, the help finder
// and the breakpoint manager, above the version table of the suite's
// modules.
#pragma once

#include <functional>
#include <string>

#include "sysinfo/collectors/ahm_file_details.h"
#include "widgets/bu_image.h"
#include "widgets/page_form.h"
#include "widgets/panel.h"
#include "widgets/string_grid.h"

namespace sysinfo {

class TFRM_Service : public widgets::TPageForm {
public:
    explicit TFRM_Service(widgets::TComponent* owner);
    const char* ClassName() const override { return "TFRM_Service"; }

    static constexpr const char* kAboutModule = "qw32vim.dll";
    static constexpr const char* kAboutEntry = "RunQWVI";
    static constexpr const char* kBreakpointModule = "qw32brkpnt.dll";
    static constexpr const char* kBreakpointEntry = "RunGUI";

    // The options dialog's cycle, handed in by the main window: this layer
    // does not know the options dialog.
    std::function<void()> OptionsCycle;

    void FormCreate(widgets::TComponent* Sender);
    void BUImage1Click(widgets::TComponent* Sender);  // "Über..."
    void BUImage4Click(widgets::TComponent* Sender);  // "Optionen"
    void BUImage3Click(widgets::TComponent* Sender);  // "Hilfe"
    void BUImage2Click(widgets::TComponent* Sender);  // "Rückgängig"

    widgets::TBUImage* BUImage1 = nullptr;
    widgets::TBUImage* BUImage4 = nullptr;
    widgets::TBUImage* BUImage3 = nullptr;
    widgets::TBUImage* BUImage2 = nullptr;
    widgets::TPanel* Panel1 = nullptr;  // the white frame of the table
    widgets::TStringGrid* AdvStringGrid1 = nullptr;
    TAHMFileDetails FileVersion;

private:
    std::string productVersion_;  // row 1's version, shown again in row 6
};

}  // namespace sysinfo
