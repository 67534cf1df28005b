// The base of the non-visual dialog components: the beep given after the
// dialog has run.
#pragma once

#include "widgets/component.h"

namespace pages {

// The spellings are the component's own.
enum TAHMBeeptype { bNone, bDefault, bAsterix, bExclamation, bQuestion, bCriticalStop };

class TAHMDialogComponent : public widgets::TComponent {
public:
    explicit TAHMDialogComponent(widgets::TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TAHMDialogComponent"; }

    TAHMBeeptype Sound() const { return sound_; }
    void SetSound(TAHMBeeptype sound) { sound_ = sound; }

protected:
    // The beep of Sound through MessageBeep; none for bNone.
    void Beep() const;

private:
    TAHMBeeptype sound_ = bNone;
};

}  // namespace pages
