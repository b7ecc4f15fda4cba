#include "framework/object.h"

#include <stdexcept>

const TClassInfo* TObject::StaticClassInfo() {
    static const TClassInfo info{"TObject", nullptr, nullptr};
    return &info;
}

const char* TObject::ClassParentName() const {
    const TClassInfo* parent = ClassInfo()->Parent;
    return parent != nullptr ? parent->Name : "";
}

bool TObject::InheritsFrom(const TClassInfo* cls) const {
    for (const TClassInfo* c = ClassInfo(); c != nullptr; c = c->Parent) {
        if (c == cls) return true;
    }
    return false;
}

bool TObject::InheritsFrom(std::string_view className) const {
    for (const TClassInfo* c = ClassInfo(); c != nullptr; c = c->Parent) {
        if (className == c->Name) return true;
    }
    return false;
}

void TObject::Free() {
    BeforeDestruction();
    delete this;
}

void TPersistent::Assign(const TPersistent* source) {
    throw std::invalid_argument("Cannot assign a " + (source ? source->ClassName() : std::string("nil")) + " to a " +
                                ClassName());
}
