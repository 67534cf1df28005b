// The base of every component: a name, an owner that frees it, a tag and
// a help context.
//
// A component is freed through Free() (or by its owner), never by a plain
// delete: Free first runs BeforeDestruction while the object is still
// whole, so that a form's OnDestroy handler sees its own fields and a page
// container can release its page before the form around it goes.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.h"
#include "widgets/types.h"

namespace widgets {

enum TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // The class name as the forms spell it, for example "TFrm_Boot".
    virtual const char* ClassName() const { return "TComponent"; }

    const std::string& Name() const { return name_; }
    // Raises EComponentError when another component of the owner has the
    // name already (compared without regard to case).
    void SetName(const std::string& name);
    TComponent* Owner() const { return owner_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Component(int index) const { return components_.at(index); }
    // The owned component of that name (case-insensitive), or null.
    TComponent* FindComponent(const std::string& name) const;

    // Asks to be told (Notification with opRemove) when the component is
    // destroyed; the request is dropped when either side goes.
    void FreeNotification(TComponent* watcher);
    void RemoveFreeNotification(TComponent* watcher);

    // True from the start of Free until the object is gone.
    bool IsDestroying() const { return destroying_; }
    // True once Free has started on this component.
    bool IsFreeing() const { return freeing_; }

    // Frees the component: BeforeDestruction, then the components it owns
    // (and, for a window, its child controls), then delete. Everything
    // runs while the object is still whole. Null is allowed. An error of
    // any step (an OnDestroy handler, a page written when released) does
    // not stop the others: everything is freed, then the first error is
    // raised.
    static void Free(TComponent* component);
    void Free() { Free(this); }

    // Runs after the constructor of the most derived class; forms fire
    // their OnCreate here. CreateComponent calls it.
    virtual void AfterConstruction() {}

protected:
    // Runs at the start of Free while the object is whole: marks this
    // component and all it owns as destroying. Overrides call the base.
    virtual void BeforeDestruction();
    // Marks the component and, recursively, those it owns.
    virtual void Destroying();
    // Frees what the component owns, the last made first. Windows free
    // their child controls first.
    virtual void FreeOwned();
    // Another component this one owns or watches is inserted or removed.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    int helpContext_ = 0;
    bool destroying_ = false;
    bool freeing_ = false;  // BeforeDestruction has run
    std::vector<TComponent*> components_;
    std::vector<TComponent*> watchers_;  // told when this one goes
    std::vector<TComponent*> watched_;   // this one watches them
};

// Runs the steps of a release one after another and keeps the first error,
// so that one failing step (an OnDestroy handler that throws) never leaves
// the rest undone. Rethrow hands the kept error on once everything ran.
class TFirstError {
public:
    template <class Step>
    void Run(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            if (!error_) error_ = std::current_exception();
        }
    }
    std::exception_ptr Error() const { return error_; }
    void Rethrow() {
        if (!error_) return;
        std::exception_ptr error = error_;
        error_ = nullptr;
        std::rethrow_exception(error);
    }

private:
    std::exception_ptr error_;
};

// Frees a component that has no owner when it leaves scope. A scope that
// ends cannot raise, so an error of the release waits for the message loop
// (TApplication::DeferError), which reports it like any other.
struct FreeComponent {
    void operator()(TComponent* component) const noexcept;
};
template <class T>
using Owned = std::unique_ptr<T, FreeComponent>;

// Constructs a component and runs its AfterConstruction. With an owner the
// owner frees it; without one, wrap the result in Owned<T>.
template <class T, class... Args>
T* CreateComponent(TComponent* owner, Args&&... args) {
    T* component = new T(owner, std::forward<Args>(args)...);
    try {
        component->AfterConstruction();
    } catch (...) {
        TComponent::Free(component);
        throw;
    }
    return component;
}

template <class T, class... Args>
Owned<T> MakeOwned(Args&&... args) {
    return Owned<T>(CreateComponent<T>(nullptr, std::forward<Args>(args)...));
}

// Names are compared without regard to the case of ASCII letters.
using platform::SameText;

}  // namespace widgets
