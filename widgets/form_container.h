// The page container: shows one page form at a time inside its area.
//
// A page form must be borderless, of normal form style and window state,
// and invisible until the container shows it. The container refuses work
// while it is busy creating or showing a page ("FomContainer is locked").
#pragma once

#include <functional>

#include "widgets/blend_transition.h"
#include "widgets/errors.h"
#include "widgets/form.h"
#include "widgets/win_control.h"

namespace widgets {

class TFormContainer : public TWinControl {
public:
    explicit TFormContainer(TComponent* owner);

    const char* ClassName() const override { return "TFormContainer"; }

    // Creates a page form of class T with the container as its owner and
    // parent window, placed in front and filling the container. Raises
    // EFormContainerError when the container is busy or the form breaks
    // the rules above (the form is freed then).
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        Lock lock(*this);
        T* form = widgets::CreateForm<T>(this, std::forward<Args>(args)...);
        Adopt(form);
        return form;
    }

    // Shows the page: prepares the transition with a picture of the page
    // that goes, raises OnFormChange with it, hides and (when release is
    // true) releases it, makes the new page visible, plays the transition
    // and gives the focus to the new page.
    void ShowForm(TForm* form, bool release = true, TBlendTransition* transition = nullptr);

    // The page shown now, or null.
    TForm* Form() const { return form_; }
    bool Locked() const { return locked_; }

    bool FlickerFree() const { return flickerFree_; }
    void SetFlickerFree(bool flickerFree) { flickerFree_ = flickerFree; }
    bool Bevelled() const { return bevelled_; }
    void SetBevelled(bool bevelled);

    // Frames painted by the last transition (0 when none was played).
    int LastTransitionFrames() const { return lastFrames_; }

    // Raised before a page is replaced, with the page that goes (null for
    // the first page).
    std::function<void(TComponent* Sender, TForm* OldForm)> OnFormChange;

    // The rules a page form must keep; raises EFormContainerError.
    static void CheckPageForm(const TForm& form);

protected:
    void Destroying() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    class Lock {
    public:
        explicit Lock(TFormContainer& container);
        ~Lock() { container_.locked_ = false; }

    private:
        TFormContainer& container_;
    };

    void Adopt(TForm* form);

    TForm* form_ = nullptr;
    bool locked_ = false;
    bool flickerFree_ = true;
    bool bevelled_ = true;
    int lastFrames_ = 0;
};

}  // namespace widgets
