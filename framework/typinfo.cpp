#include "framework/typinfo.h"

#include "framework/same_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace {

const TPropInfo* Find(const TObject* obj, std::string_view name, TTypeKind kind) {
    const TPropInfo* info = GetPropInfo(obj, name);
    return info != nullptr && info->Kind == kind ? info : nullptr;
}

// Decimal, or hexadecimal with a "$" or "0x" prefix; an optional leading minus.
std::optional<std::int64_t> ParseInteger(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty()) return std::nullopt;
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return std::nullopt;
    const auto signedValue = static_cast<std::int64_t>(value);
    return negative ? -signedValue : signedValue;
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name) {
    if (obj == nullptr || name.empty()) return nullptr;
    for (const TClassInfo* c = obj->ClassInfo(); c != nullptr; c = c->Parent) {
        for (const TPropInfo& p : c->OwnProperties()) {
            if (SameText(p.Name, name)) return &p;
        }
    }
    return nullptr;
}

bool IsPublishedProp(const TObject* obj, std::string_view name) { return GetPropInfo(obj, name) != nullptr; }

std::optional<TTypeKind> PropType(const TObject* obj, std::string_view name) {
    const TPropInfo* info = GetPropInfo(obj, name);
    if (info == nullptr) return std::nullopt;
    return info->Kind;
}

std::optional<std::int64_t> GetIntProp(const TObject* obj, std::string_view name) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkInteger);
    if (info == nullptr) return std::nullopt;
    return info->GetOrd(*obj);
}

std::optional<std::string> GetEnumProp(const TObject* obj, std::string_view name) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkEnumeration);
    if (info == nullptr) return std::nullopt;
    const std::int64_t ordinal = info->GetOrd(*obj);
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(info->EnumNames.size())) return std::to_string(ordinal);
    return info->EnumNames[static_cast<std::size_t>(ordinal)];
}

std::optional<std::string> GetStrProp(const TObject* obj, std::string_view name) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkString);
    if (info == nullptr) return std::nullopt;
    return info->GetStr(*obj);
}

TObject* GetObjectProp(const TObject* obj, std::string_view name) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkClass);
    return info != nullptr ? info->GetObj(*obj) : nullptr;
}

bool SetIntProp(TObject* obj, std::string_view name, std::int64_t value) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkInteger);
    if (info == nullptr || !info->SetOrd) return false;
    info->SetOrd(*obj, value);
    return true;
}

bool SetEnumProp(TObject* obj, std::string_view name, std::string_view member) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkEnumeration);
    if (info == nullptr || !info->SetOrd) return false;
    for (std::size_t i = 0; i < info->EnumNames.size(); ++i) {
        if (SameText(info->EnumNames[i], member)) {
            info->SetOrd(*obj, static_cast<std::int64_t>(i));
            return true;
        }
    }
    return false;
}

bool SetStrProp(TObject* obj, std::string_view name, const std::string& value) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkString);
    if (info == nullptr || !info->SetStr) return false;
    info->SetStr(*obj, value);
    return true;
}

bool SetObjectProp(TObject* obj, std::string_view name, TObject* value) {
    const TPropInfo* info = Find(obj, name, TTypeKind::tkClass);
    if (info == nullptr || !info->SetObj) return false;
    info->SetObj(*obj, value);
    return true;
}

std::optional<std::string> GetPropValue(const TObject* obj, std::string_view name) {
    const TPropInfo* info = GetPropInfo(obj, name);
    if (info == nullptr) return std::nullopt;
    switch (info->Kind) {
        case TTypeKind::tkInteger: return std::to_string(info->GetOrd(*obj));
        case TTypeKind::tkEnumeration: return GetEnumProp(obj, name);
        case TTypeKind::tkString: return info->GetStr(*obj);
        case TTypeKind::tkClass: return std::nullopt;
    }
    return std::nullopt;
}

bool SetPropValue(TObject* obj, std::string_view name, std::string_view value) {
    const TPropInfo* info = GetPropInfo(obj, name);
    if (info == nullptr) return false;
    switch (info->Kind) {
        case TTypeKind::tkInteger: {
            const auto parsed = ParseInteger(value);
            if (!parsed || !info->SetOrd) return false;
            info->SetOrd(*obj, *parsed);
            return true;
        }
        case TTypeKind::tkEnumeration: return SetEnumProp(obj, name, value);
        case TTypeKind::tkString:
            if (!info->SetStr) return false;
            info->SetStr(*obj, std::string(value));
            return true;
        case TTypeKind::tkClass: return false;
    }
    return false;
}
