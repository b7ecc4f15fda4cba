// Root classes: TObject (class name, ancestry, two-phase destruction) and TPersistent.
#pragma once

#include "framework/class_info.h"

#include <string>
#include <string_view>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo* StaticClassInfo();
    virtual const TClassInfo* ClassInfo() const { return StaticClassInfo(); }

    std::string ClassName() const { return ClassInfo()->Name; }
    const char* ClassParentName() const;
    // True when this object's class is `cls` or descends from it.
    bool InheritsFrom(const TClassInfo* cls) const;
    // Same, by class name (exact, as ClassName() gives it).
    bool InheritsFrom(std::string_view className) const;
    template <class T>
    bool Is() const {
        return InheritsFrom(T::StaticClassInfo());
    }

    // Runs BeforeDestruction while the object is still whole, then deletes it.
    // Framework objects are freed this way (owners do it for their components).
    void Free();

protected:
    virtual void BeforeDestruction() {}
};

// Frees the object (if any) and nulls the pointer.
template <class T>
void FreeAndNil(T*& object) {
    T* o = object;
    object = nullptr;
    if (o != nullptr) o->Free();
}

class TPersistent : public TObject {
    T_CLASS(TPersistent, TObject)
public:
    // Copies the state of `source`; the base accepts nothing and throws.
    virtual void Assign(const TPersistent* source);
};
