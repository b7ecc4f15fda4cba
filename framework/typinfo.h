// Reading and writing published properties by name at run time.
// Property and enumeration member names compare without regard to case.
#pragma once

#include "framework/object.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The property of that name of the object's class or an ancestor; null when missing or obj is null.
const TPropInfo* GetPropInfo(const TObject* obj, std::string_view name);
bool IsPublishedProp(const TObject* obj, std::string_view name);
std::optional<TTypeKind> PropType(const TObject* obj, std::string_view name);

// Integer property value; empty when missing or not an integer property.
std::optional<std::int64_t> GetIntProp(const TObject* obj, std::string_view name);
// Enumeration property as its member name ("True"/"False" for booleans); empty when missing.
std::optional<std::string> GetEnumProp(const TObject* obj, std::string_view name);
// String property; empty when missing or not a string property.
std::optional<std::string> GetStrProp(const TObject* obj, std::string_view name);
// Object property; null when missing or not an object property.
TObject* GetObjectProp(const TObject* obj, std::string_view name);

// Setters return false (and change nothing) when the property is missing, of another kind,
// or the value is not valid for it.
bool SetIntProp(TObject* obj, std::string_view name, std::int64_t value);
bool SetEnumProp(TObject* obj, std::string_view name, std::string_view member);
bool SetStrProp(TObject* obj, std::string_view name, const std::string& value);
bool SetObjectProp(TObject* obj, std::string_view name, TObject* value);

// Value as text: integer in decimal, enumeration member name, string as is; empty for objects/missing.
std::optional<std::string> GetPropValue(const TObject* obj, std::string_view name);
// Sets from text: enumeration by member name, integer parsed (decimal or $/0x hex), string as is.
bool SetPropValue(TObject* obj, std::string_view name, std::string_view value);
