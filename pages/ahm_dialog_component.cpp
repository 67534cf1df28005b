#include "pages/ahm_dialog_component.h"

#include "platform/platform.h"

namespace pages {

void TAHMDialogComponent::Beep() const {
    static const uint32_t kTypes[] = {0,
                                      platform::kBeepDefault,
                                      platform::kBeepAsterisk,
                                      platform::kBeepExclamation,
                                      platform::kBeepQuestion,
                                      platform::kBeepHand};
    if (sound_ == bNone) return;
    platform::Get().system().MessageBeep(kTypes[sound_]);
}

}  // namespace pages
