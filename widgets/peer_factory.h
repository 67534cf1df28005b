// Makes the native peers of controls and timers. The Win32 layer installs
// one at start; without one the components run headless.
#pragma once

#include <memory>
#include <string>

#include "widgets/control_peer.h"
#include "widgets/font.h"
#include "widgets/timer_peer.h"
#include "widgets/types.h"

namespace widgets {

class TControl;
class TTimer;

class PeerFactory {
public:
    virtual ~PeerFactory() = default;
    // The peer for a control, or null when the control needs none (for
    // example a label that its parent paints). Called once the parent has
    // its peer.
    virtual std::unique_ptr<ControlPeer> CreatePeer(TControl& control) = 0;
    // The native timer, or null to use the message-pump scheduler.
    virtual std::unique_ptr<TimerPeer> CreateTimerPeer(TTimer& timer) = 0;
    // Width and height of a text in a font, lines broken at CR or LF.
    virtual TSize TextExtent(const TFont& font, const std::string& text) = 0;
};

// The installed factory, or null when running headless.
PeerFactory* Peers();
void InstallPeerFactory(PeerFactory* factory);

// Text size through the factory, or an estimate when headless: half the
// font's pixel height per character and the height plus 2 per line.
TSize TextExtent(const TFont& font, const std::string& text);

}  // namespace widgets
