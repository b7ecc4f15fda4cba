// TComponent: owner, owned components in creation order, Name, Tag, free notifications.
#pragma once

#include "framework/object.h"

#include <string>
#include <string_view>
#include <vector>

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    T_CLASS_PUBLISHED(TComponent, TPersistent)
public:
    // The owner (may be null) takes the component into its list and frees it with itself.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    // Position of this component in its owner's list, -1 without owner.
    int ComponentIndex() const;
    // Owned component with that name (case-insensitive), or null.
    TComponent* FindComponent(std::string_view name) const;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first.
    void DestroyComponents();

    // `component` gets Notification(this, opRemove) when this component is destroyed.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // True once destruction has begun.
    bool Destroying() const { return destroying_; }
    // True while the component's stored properties are being read (form loading); setters that
    // would act at once only record their value then, and Loaded acts on them afterwards.
    bool Loading() const { return loading_; }
    void SetLoading(bool value) { loading_ = value; }
    // Called once the stored properties have been read.
    virtual void Loaded() { loading_ = false; }
    // Ends loading of the owned components (depth first, in creation order), then of this one:
    // Loaded() runs once for each that is Loading.
    void FinishLoading();

    static TPropList Published();

protected:
    void BeforeDestruction() override;
    // Told when a component is inserted into / removed from this owner, or a watched one is freed.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::string name_;
    int tag_ = 0;
    bool destroying_ = false;
    bool loading_ = false;
};
