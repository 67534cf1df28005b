// Mouse and key input as the controls receive it, and the filters through
// which a form sees the input of all its controls first (the what's-this
// help uses them).
#pragma once

#include <cstdint>

#include "widgets/types.h"

namespace widgets {

class TControl;

struct InputEvent {
    enum Kind { MouseDown, MouseUp, KeyDown, ContextMenu };
    Kind kind = MouseDown;
    TMouseButton button = mbLeft;
    int x = 0;  // client coordinates of the target
    int y = 0;
    uint16_t key = 0;

    static InputEvent Mouse(Kind kind, TMouseButton button, int x, int y) {
        InputEvent event;
        event.kind = kind;
        event.button = button;
        event.x = x;
        event.y = y;
        return event;
    }
    static InputEvent Key(uint16_t key) {
        InputEvent event;
        event.kind = KeyDown;
        event.key = key;
        return event;
    }
};

class InputFilter {
public:
    virtual ~InputFilter() = default;
    // True when the filter handled the event; the target then does not see it.
    virtual bool FilterInput(TControl& target, const InputEvent& event) = 0;
};

}  // namespace widgets
