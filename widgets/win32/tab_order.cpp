#include "widgets/win32/tab_order.h"

#include <algorithm>

#include "widgets/radio_button.h"
#include "widgets/win32/window_peer.h"

namespace widgets::win32 {

namespace {

bool HasTabStopWindow(const TWinControl& control) {
    const auto* peer = dynamic_cast<const WindowPeer*>(control.Peer());
    return peer && peer->Handle() && (GetWindowLongA(peer->Handle(), GWL_STYLE) & WS_TABSTOP) != 0 &&
           IsWindowVisible(peer->Handle());
}

// A radio button stands for its group when it is checked, or when it is
// the first of a group without a checked one.
bool StandsForItsGroup(const TRadioButton& radio) {
    if (radio.Checked() || !radio.Parent()) return true;
    const TRadioButton* first = nullptr;
    for (TControl* sibling : radio.Parent()->Children()) {
        const auto* other = dynamic_cast<const TRadioButton*>(sibling);
        if (!other || !other->Visible() || !other->Enabled()) continue;
        if (other->Checked()) return false;
        if (!first) first = other;
    }
    return first == &radio;
}

void Collect(TWinControl& parent, std::vector<TWinControl*>& stops) {
    for (TControl* child : parent.Children()) {
        auto* window = dynamic_cast<TWinControl*>(child);
        if (!window || !window->Visible() || !window->Enabled()) continue;
        if (window->TabStop() && HasTabStopWindow(*window) && window->CanFocus()) {
            const auto* radio = dynamic_cast<const TRadioButton*>(window);
            if (!radio || StandsForItsGroup(*radio)) stops.push_back(window);
        }
        Collect(*window, stops);
    }
}

}  // namespace

std::vector<TWinControl*> TabStops(TWinControl& root) {
    std::vector<TWinControl*> stops;
    Collect(root, stops);
    return stops;
}

TWinControl* NextTabStop(TWinControl& root, const TControl* from, bool backward) {
    const std::vector<TWinControl*> stops = TabStops(root);
    if (stops.empty()) return nullptr;
    const int count = static_cast<int>(stops.size());
    auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end()) {
        // A radio button that is not its group's stop moves on from the
        // group's place, as does any other control that is no stop.
        if (const auto* radio = dynamic_cast<const TRadioButton*>(from))
            for (auto it = stops.begin(); it != stops.end(); ++it)
                if (dynamic_cast<const TRadioButton*>(*it) && (*it)->Parent() == radio->Parent()) at = it;
    }
    if (at == stops.end()) return backward ? stops.back() : stops.front();
    const int index = static_cast<int>(at - stops.begin());
    return stops[(index + (backward ? count - 1 : 1)) % count];
}

}  // namespace widgets::win32
