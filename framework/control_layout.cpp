#include "framework/control_layout.h"

#include <algorithm>

TCellBounds RadioGroupButtonBounds(int index, int count, int columns, int width, int height, int textHeight) {
    if (count <= 0) return {};
    columns = std::clamp(columns, 1, 16);
    const int perColumn = (count + columns - 1) / columns;
    const int buttonWidth = std::max(0, (width - 10) / columns);
    // The caption takes the top; what is left is shared by the rows, the remainder split above
    // and below them.
    const int available = std::max(0, height - textHeight - 6);
    const int buttonHeight = available / perColumn;
    const int topMargin = textHeight + 1 + (available % perColumn) / 2;
    TCellBounds cell;
    cell.Left = 8 + (index / perColumn) * buttonWidth;
    cell.Top = topMargin + (index % perColumn) * buttonHeight;
    cell.Width = buttonWidth;
    cell.Height = buttonHeight;
    return cell;
}

std::vector<int> StatusBarPartEdges(const std::vector<int>& widths) {
    std::vector<int> edges;
    edges.reserve(widths.size());
    int right = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        right += std::max(0, widths[i]);
        edges.push_back(i + 1 == widths.size() ? -1 : right);
    }
    return edges;
}
