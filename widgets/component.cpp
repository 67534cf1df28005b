#include "widgets/component.h"

#include <algorithm>

#include "widgets/application.h"
#include "widgets/errors.h"

namespace widgets {

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Those watching this component let go of it.
    while (!watchers_.empty()) {
        TComponent* watcher = watchers_.back();
        watchers_.pop_back();
        Erase(watcher->watched_, this);
        watcher->Notification(this, opRemove);
    }
    for (TComponent* other : watched_) Erase(other->watchers_, this);
    watched_.clear();
    FreeOwned();  // only left when the object was deleted without Free
    Application().CancelRelease(this);
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name) {
    if (name == name_) return;
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError("Eine Komponente mit der Bezeichnung " + name + " existiert bereits");
    }
    name_ = name;
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* component : components_)
        if (SameText(component->name_, name)) return component;
    return nullptr;
}

void TComponent::FreeNotification(TComponent* watcher) {
    if (!watcher || watcher == this) return;
    if (std::find(watchers_.begin(), watchers_.end(), watcher) != watchers_.end()) return;
    watchers_.push_back(watcher);
    watcher->watched_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* watcher) {
    if (!watcher) return;
    Erase(watchers_, watcher);
    Erase(watcher->watched_, this);
}

void TComponent::Free(TComponent* component) {
    if (!component) return;
    if (component->freeing_) return;  // already on its way out
    component->freeing_ = true;
    TFirstError errors;
    errors.Run([&] { component->BeforeDestruction(); });
    errors.Run([&] { component->FreeOwned(); });
    delete component;
    errors.Rethrow();
}

void FreeComponent::operator()(TComponent* component) const noexcept {
    TFirstError errors;
    errors.Run([&] { TComponent::Free(component); });
    if (errors.Error()) Application().DeferError(errors.Error());
}

void TComponent::FreeOwned() {
    TFirstError errors;
    while (!components_.empty()) {
        TComponent* component = components_.back();
        if (component->freeing_) {
            RemoveComponent(component);  // its own Free is running further up
            continue;
        }
        errors.Run([&] { Free(component); });
    }
    errors.Rethrow();
}

void TComponent::BeforeDestruction() { Destroying(); }

void TComponent::Destroying() {
    if (destroying_) return;
    destroying_ = true;
    // A copy: a component may free others while it is told.
    const std::vector<TComponent*> owned = components_;
    TFirstError errors;
    for (TComponent* component : owned)
        if (std::find(components_.begin(), components_.end(), component) != components_.end())
            errors.Run([&] { component->Destroying(); });
    errors.Rethrow();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::InsertComponent(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Erase(components_, component);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

}  // namespace widgets
