// The password prompt of the start: a starred edit field, a note that case
// counts, OK and Cancel. It has no behaviour of its own; the start reads
// Edit1 after OK.
#pragma once

#include "widgets/button.h"
#include "widgets/edit.h"
#include "widgets/form.h"
#include "widgets/label.h"

namespace safety {

class TDlgPass : public widgets::TForm {
public:
    explicit TDlgPass(widgets::TComponent* owner);
    const char* ClassName() const override { return "TDlgPass"; }

    widgets::TLabel* Label1 = nullptr;  // "Kennwort:"
    widgets::TEdit* Edit1 = nullptr;
    widgets::TLabel* Label2 = nullptr;  // the note on case
    widgets::TButton* OKBtn = nullptr;
    widgets::TButton* CancelBtn = nullptr;
};

}  // namespace safety
