#include "skin/controls/status_bar_layout.h"

namespace skin::controls {

StatusText SplitStatusText(std::wstring_view stored) {
    int tabs = 0;
    while (tabs < 2 && static_cast<std::size_t>(tabs) < stored.size() &&
           stored[static_cast<std::size_t>(tabs)] == L'\t')
        ++tabs;
    return {std::wstring(stored.substr(static_cast<std::size_t>(tabs))), tabs == 0   ? TextAlign::Left
                                                                         : tabs == 1 ? TextAlign::Center
                                                                                     : TextAlign::Right};
}

}  // namespace skin::controls
