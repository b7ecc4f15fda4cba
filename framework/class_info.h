// Run-time class information: class name, ancestry and published properties.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class TObject;

// Kind of a published property.
enum class TTypeKind { tkInteger, tkEnumeration, tkString, tkClass };

// One published property: accessors work on any object of the declaring class.
struct TPropInfo {
    std::string Name;
    TTypeKind Kind = TTypeKind::tkInteger;
    std::vector<std::string> EnumNames;  // tkEnumeration: member names by ordinal ({"False","True"} for bool)
    std::function<std::int64_t(const TObject&)> GetOrd;  // tkInteger, tkEnumeration
    std::function<void(TObject&, std::int64_t)> SetOrd;
    std::function<std::string(const TObject&)> GetStr;  // tkString
    std::function<void(TObject&, const std::string&)> SetStr;
    std::function<TObject*(const TObject&)> GetObj;  // tkClass
    std::function<void(TObject&, TObject*)> SetObj;
};

using TPropList = std::vector<TPropInfo>;

struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;
    TPropList (*Publish)();  // null: the class adds no published properties

    // Properties declared by this class itself (built on first use).
    const TPropList& OwnProperties() const {
        if (!built_) {
            if (Publish != nullptr) props_ = Publish();
            built_ = true;
        }
        return props_;
    }

    mutable TPropList props_{};
    mutable bool built_ = false;
};

// Declares a framework class: its name, its parent, ClassInfo() and `inherited`.
#define T_CLASS_BODY(Self, Parent, PublishFn)                                      \
public:                                                                            \
    using inherited = Parent;                                                      \
    static const TClassInfo* StaticClassInfo() {                                   \
        static const TClassInfo info{#Self, Parent::StaticClassInfo(), PublishFn}; \
        return &info;                                                              \
    }                                                                              \
    const TClassInfo* ClassInfo() const override { return StaticClassInfo(); }

#define T_CLASS(Self, Parent) T_CLASS_BODY(Self, Parent, nullptr)
// Same, with the class's own published properties from `static TPropList Self::Published()`.
#define T_CLASS_PUBLISHED(Self, Parent) T_CLASS_BODY(Self, Parent, &Self::Published)

// Builders for published properties. Getters/setters are member functions of C.
namespace propdef {

template <class C, class G, class S>
TPropInfo Integer(std::string name, G get, S set) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::tkInteger;
    p.GetOrd = [get](const TObject& o) { return static_cast<std::int64_t>((static_cast<const C&>(o).*get)()); };
    p.SetOrd = [set](TObject& o, std::int64_t v) {
        using Arg = std::remove_cvref_t<decltype((static_cast<const C&>(o).*std::declval<G>())())>;
        (static_cast<C&>(o).*set)(static_cast<Arg>(v));
    };
    return p;
}

template <class C, class G, class S>
TPropInfo Boolean(std::string name, G get, S set) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::tkEnumeration;
    p.EnumNames = {"False", "True"};
    p.GetOrd = [get](const TObject& o) -> std::int64_t { return (static_cast<const C&>(o).*get)() ? 1 : 0; };
    p.SetOrd = [set](TObject& o, std::int64_t v) { (static_cast<C&>(o).*set)(v != 0); };
    return p;
}

template <class C, class E, class G, class S>
TPropInfo Enumeration(std::string name, std::vector<std::string> members, G get, S set) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::tkEnumeration;
    p.EnumNames = std::move(members);
    p.GetOrd = [get](const TObject& o) { return static_cast<std::int64_t>((static_cast<const C&>(o).*get)()); };
    p.SetOrd = [set](TObject& o, std::int64_t v) { (static_cast<C&>(o).*set)(static_cast<E>(v)); };
    return p;
}

template <class C, class G, class S>
TPropInfo String(std::string name, G get, S set) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::tkString;
    p.GetStr = [get](const TObject& o) { return std::string((static_cast<const C&>(o).*get)()); };
    p.SetStr = [set](TObject& o, const std::string& v) { (static_cast<C&>(o).*set)(v); };
    return p;
}

// Object property; `set` may be nullptr for a property that is only read (changed through the object).
template <class C, class T, class G>
TPropInfo Object(std::string name, G get, void (C::*set)(T*)) {
    TPropInfo p;
    p.Name = std::move(name);
    p.Kind = TTypeKind::tkClass;
    // Getters of owned objects (Lines, Items) need not be const.
    p.GetObj = [get](const TObject& o) -> TObject* { return (const_cast<C&>(static_cast<const C&>(o)).*get)(); };
    if (set != nullptr) {
        p.SetObj = [set](TObject& o, TObject* v) { (static_cast<C&>(o).*set)(dynamic_cast<T*>(v)); };
    }
    return p;
}

}  // namespace propdef
