#include "app/frm_template.h"

#include "app/main.h"
#include "platform/platform.h"
#include "widgets/dialog_host.h"
#include "widgets/make_control.h"

namespace app {

using namespace widgets;

namespace {

struct Module {
    int mode;
    const char* classId;
    const char* file;
};

const Module kModules[] = {
    {TWnd_Template::kPerformance, TWnd_Template::kPerformanceClassId, "qw32perfx.ocx"},
    {TWnd_Template::kRepair, TWnd_Template::kRepairClassId, "qw32reax.ocx"},
};

}  // namespace

TWnd_Template::TWnd_Template(TComponent* owner) : TPageForm(owner, 451, 400) {
    Panel1 = MakeControl<TPanel>(this, this, "Panel1", 0, 0, 451, 400);
    Panel1->SetAlign(alClient);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetCaption("");
    OnShow = [this](TComponent* sender) { FormShow(sender); };
    OnHide = [this](TComponent* sender) { FormHide(sender); };
}

// The control goes before the page's windows do.
TWnd_Template::~TWnd_Template() { control_.reset(); }

void TWnd_Template::FormShow(TComponent*) {
    if (control_) return;
    const Module* module = nullptr;
    for (const Module& m : kModules) {
        if (m.mode == mode_) module = &m;
    }
    if (!module) return;  // any other mode leaves the page empty
    platform::ActiveX& host = platform::Get().activex();
    control_ = host.Create(module->classId, Panel1->NativeHandle());
    if (!control_) {
        // A module that is missing or not registered leaves the page
        // empty; the program and the settings changed in this run go on.
        ShowMessageBox(std::string("Das Modul \"") + module->file + "\" ist nicht installiert.", "Hinweis", mbOK,
                       miInformation, MainWindow());
        return;
    }
    if (mode_ == kPerformance) {
        // The main window stands for the application window that the
        // module expects.
        const uintptr_t main = MainWindow() ? MainWindow()->NativeHandle() : 0;
        control_->SetProperty(kHandleWnd, static_cast<int32_t>(main));
    }
    control_->SetProperty(kAxBorderStyle, 0);
    // Larger than the panel, whose edges clip it.
    control_->Place(0, 0, 455, 435);
}

// The container shows the next page before it frees this one; the module
// goes now, so that two modules are never alive at once.
void TWnd_Template::FormHide(TComponent*) { control_.reset(); }

}  // namespace app
