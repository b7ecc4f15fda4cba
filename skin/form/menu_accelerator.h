#pragma once
// Menu accelerators: the character after '&' in a caption ("&&" is a literal ampersand).

#include <optional>
#include <span>
#include <string_view>

#include "skin/form/menu_bar_button.h"

namespace skin::form {

// The accelerator character of a caption, if it has one.
std::optional<wchar_t> AcceleratorOf(std::wstring_view caption);

// Case folding for accelerator comparison: ASCII and the Latin letters of Western and Central
// European languages (Latin-1 and Latin Extended-A), so Alt+S finds "&Snimi" and Alt+č finds "&Čuvaj".
wchar_t FoldAcceleratorCase(wchar_t c);

// A caption without an accelerator answers to its first letter, as in a framework that gives
// every item an access key of its own ("Akcija" opens with Alt+A); nothing for one with an
// accelerator, an empty one, or one starting with "&&".
std::optional<wchar_t> ImplicitAcceleratorOf(std::wstring_view caption);

// The first enabled, visible button whose accelerator is `key`, compared without case; when no
// accelerator matches, the first such button whose first letter (without an accelerator) does.
std::optional<std::size_t> FindAccelButton(std::span<const MenuBarButton> buttons, wchar_t key);

}  // namespace skin::form
