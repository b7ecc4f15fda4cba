#include "skin/manager/select_skin_data.h"

#include "skin/data/ascii_case.h"

namespace skin::manager {
namespace {

template <class Matches>
std::optional<std::size_t> LastMatch(std::span<const SkinDataDescriptor> registered, Matches matches) {
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < registered.size(); ++i) {
        if (matches(registered[i])) found = i;
    }
    return found;
}

bool IsDialogClass(std::string_view className) {
    const std::string lower = skin::AsciiLower(className);
    return lower == "tmessageform" || lower == "#32770";
}

}  // namespace

std::optional<std::size_t> SelectSkinData(std::span<const SkinDataDescriptor> registered, WindowId window,
                                          std::string_view className) {
    using skin::TSkinFormType;
    if (registered.empty()) return std::nullopt;

    if (window != 0) {
        if (auto own = LastMatch(registered, [window](const SkinDataDescriptor& d) {
                return d.formType == TSkinFormType::sfOnlyThisForm && d.ownerWindow == window;
            })) {
            return own;
        }
    }
    if (IsDialogClass(className)) {
        if (auto dialog = LastMatch(
                registered, [](const SkinDataDescriptor& d) { return d.formType == TSkinFormType::sfDialog; })) {
            return dialog;
        }
    }
    if (auto main = LastMatch(registered,
                              [](const SkinDataDescriptor& d) { return d.formType == TSkinFormType::sfMainform; })) {
        return main;
    }
    return 0;
}

}  // namespace skin::manager
