#include "pages/settings_page.h"

#include <exception>

#include "pages/settings_changed.h"

namespace pages {

using namespace widgets;

SettingsChangedTarget* FindSettingsChangedTarget(TControl& control) {
    return dynamic_cast<SettingsChangedTarget*>(control.TopForm());
}

TSettingsPage::TSettingsPage(TComponent* owner) : TPageForm(owner, 452, 367) {
    SetScaled(false);
    OnCreate = [this](TComponent* s) { FormCreate(s); };
    OnDestroy = [this](TComponent* s) { FormDestroy(s); };
}

void TSettingsPage::Load() {
    struct LoadingGuard {
        bool& flag;
        explicit LoadingGuard(bool& f) : flag(f) { flag = true; }
        ~LoadingGuard() { flag = false; }
    } guard(loading_);
    GetData();
}

void TSettingsPage::UserChange() {
    if (loading_) return;
    if (SettingsChangedTarget* target = FindSettingsChangedTarget(*this)) target->SetSettingsChanged();
    FlushData();
}

void TSettingsPage::FormCreate(TComponent*) { Load(); }

void TSettingsPage::FormDestroy(TComponent*) {
    try {
        FlushData();
    } catch (const std::exception&) {
        // Every change was flushed when it was made; this write only
        // repeats them, and the program is on its way out of the page.
    }
}

}  // namespace pages
