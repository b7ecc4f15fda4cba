#include "framework/win/paint_parent_background.h"

#include "framework/win/forms.h"
#include "framework/win/framework_context.h"
#include "framework/win/win_control.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<const TControl*>& ControlsInProgress() {
    return framework_internal::FrameworkContext::Current().parentBackgroundsInProgress;
}

}  // namespace

namespace framework_internal {

bool PaintingParentBackgroundFor(const TControl* control) {
    const auto& list = ControlsInProgress();
    return std::find(list.begin(), list.end(), control) != list.end();
}

}  // namespace framework_internal

void PaintParentBackground(TControl* control, HDC dc, bool invalidate) {
    if (control == nullptr || dc == nullptr) return;
    TWinControl* parent = control->Parent();
    if (parent == nullptr) return;
    if (framework_internal::PaintingParentBackgroundFor(control)) return;
    {
        base::win::ScopedSaveDc save(dc);
        POINT origin{};
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
        const RECT client = parent->ClientRect();
        IntersectClipRect(dc, 0, 0, client.right - client.left, client.bottom - client.top);
        ControlsInProgress().push_back(control);
        struct Pop {
            ~Pop() { ControlsInProgress().pop_back(); }
        } pop;
        const auto wParam = reinterpret_cast<WPARAM>(dc);
        if (parent->HandleAllocated()) {
            SendMessageW(parent->Handle(), WM_ERASEBKGND, wParam, 0);
            SendMessageW(parent->Handle(), WM_PAINT, wParam, 0);
        } else {
            parent->Perform(WM_ERASEBKGND, wParam, 0);
            parent->Perform(WM_PAINT, wParam, 0);
        }
    }
    if (invalidate && !parent->Is<TCustomControl>() && !parent->Is<TCustomForm>()) parent->Invalidate();
}
