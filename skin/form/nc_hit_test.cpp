#include "skin/form/nc_hit_test.h"

namespace skin::form {
namespace {

// The topmost pixels of the caption keep the system's sizing answer.
constexpr int kTopResizeBand = 3;

}  // namespace

int AdjustNcHitTest(int defaultAnswer, Point windowPoint, const FrameMetrics& metrics) {
    if (defaultAnswer != hit::kNowhere && defaultAnswer != hit::kCaption) return defaultAnswer;
    int answer = defaultAnswer;
    if (windowPoint.Y > kTopResizeBand) answer = hit::kCaption;
    if (windowPoint.Y > metrics.TitleHeight && metrics.MenuBarHeight > 0) answer = hit::kMenu;
    return answer;
}

int CaptionClickHitCode(int hitCode, bool maximized, bool active) {
    return (hitCode == hit::kCaption && maximized && active) ? hit::kMenu : hitCode;
}

Point PointFromLParam(std::uint32_t lParam) {
    return {static_cast<std::int16_t>(lParam & 0xFFFFu), static_cast<std::int16_t>(lParam >> 16)};
}

Point ClientToWindowPoint(Point client, const FrameMetrics& metrics, bool minimized) {
    if (minimized) return client;
    return {client.X + metrics.BorderLeftWidth, client.Y + metrics.TitleHeight + metrics.MenuBarHeight};
}

}  // namespace skin::form
