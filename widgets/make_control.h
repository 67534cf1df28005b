// Places a component on a form as the form's description gives it: owned
// by the form, inside a parent, with a name and bounds.
#pragma once

#include <string>

#include "widgets/component.h"
#include "widgets/control.h"
#include "widgets/win_control.h"

namespace widgets {

template <class T>
T* MakeControl(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
               int height) {
    T* control = CreateComponent<T>(owner);
    control->SetName(name);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

}  // namespace widgets
