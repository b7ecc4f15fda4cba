#include "framework/mdi_layout.h"

#include <algorithm>

TLayoutRect MdiClientArea(const TLayoutRect& client, std::span<const TLayoutRect> bars) {
    TLayoutRect area = client;
    for (const TLayoutRect& bar : bars) {
        if (bar.Left > client.Left || bar.Right < client.Right || bar.Bottom <= bar.Top) continue;
        if (bar.Top <= client.Top)
            area.Top = std::max(area.Top, bar.Bottom);
        else if (bar.Bottom >= client.Bottom)
            area.Bottom = std::min(area.Bottom, bar.Top);
    }
    if (area.Bottom < area.Top) area.Bottom = area.Top;
    return area;
}
