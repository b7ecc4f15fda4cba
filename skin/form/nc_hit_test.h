#pragma once
// The skinned window's answers about its non-client area: hit-test codes and the conversion of
// mouse positions into window coordinates.

#include <cstdint>

#include "skin/form/frame_metrics.h"

namespace skin::form {

// WM_NCHITTEST after the default answer: where the system sees no frame or its own caption, the
// skinned caption (below the top 3 pixels, which stay for resizing) and the skinned menu bar
// answer instead. `windowPoint` is the mouse position in window coordinates.
int AdjustNcHitTest(int defaultAnswer, Point windowPoint, const FrameMetrics& metrics);

// A maximized window cannot be dragged by its caption: a click there is reported as on the menu.
int CaptionClickHitCode(int hitCode, bool maximized, bool active);

// The signed 16-bit halves of a mouse message's lParam.
Point PointFromLParam(std::uint32_t lParam);

// Window coordinates of a point given in client coordinates (a minimized window has no frame
// of ours, so its point stays as it is).
Point ClientToWindowPoint(Point client, const FrameMetrics& metrics, bool minimized);

}  // namespace skin::form
