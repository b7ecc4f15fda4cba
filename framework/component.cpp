#include "framework/component.h"

#include "framework/same_text.h"
#include "framework/typinfo.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    // Created while its owner is being loaded: part of what is loaded, so Loading from the start.
    if (owner != nullptr && owner->Loading()) loading_ = true;
    if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    // Objects deleted without Free still leave every list they are in.
    if (!destroying_) TComponent::BeforeDestruction();
}

void TComponent::BeforeDestruction() {
    if (destroying_) return;
    destroying_ = true;
    // Tell the watchers, then free what we own, then leave our owner.
    while (!freeNotifies_.empty()) {
        TComponent* watcher = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = watcher->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        watcher->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr) owner_->RemoveComponent(this);
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr) return -1;
    const auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_) {
        if (SameText(c->Name(), name)) return c;
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (component == nullptr || component->owner_ == this) return;
    if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end()) return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        RemoveComponent(last);
        last->Free();
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (component == nullptr || component == this) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
        freeNotifies_.push_back(component);
        component->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
    if (component != nullptr) {
        auto& other = component->freeNotifies_;
        other.erase(std::remove(other.begin(), other.end(), this), other.end());
    }
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::FinishLoading() {
    // By index: a Loaded handler may create (or free) components of this owner.
    for (std::size_t i = 0; i < components_.size(); ++i) components_[i]->FinishLoading();
    if (!loading_) return;
    Loaded();
    loading_ = false;  // even when an override forgot to call the base
}

TPropList TComponent::Published() {
    return {
        propdef::String<TComponent>("Name", &TComponent::Name, &TComponent::SetName),
        propdef::Integer<TComponent>("Tag", &TComponent::Tag, &TComponent::SetTag),
    };
}
