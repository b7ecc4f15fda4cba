#include "skin/controls/win/skin_tab_set.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/win/handles.h"
#include "framework/strings.h"
#include "framework/typinfo.h"
#include "framework/win/text.h"
#include "framework/win/win_control.h"
#include "skin/controls/tab_geometry.h"
#include "skin/controls/win/paint_buffer.h"
#include "skin/data/skin_image.h"
#include "skin/data/win/skin_data.h"
#include "skin/data/win/skin_image_dc.h"

namespace skin::win {

namespace {

int IntProp(const TObject* object, std::string_view name, int fallback) {
    const auto value = GetIntProp(object, name);
    return value ? static_cast<int>(*value) : fallback;
}

}  // namespace

void TSkinTab31::InitSkin(TSkinForm* form, TSkinData* skinData, bool) {
    if (inited_) return;
    auto* control = dynamic_cast<TWinControl*>(Owner());
    if (control == nullptr || control->Handle() == nullptr) return;
    InitSkinHandle(control->Handle(), skinData, form);
    if (!inited_) return;
    control_ = control;
    PrepareImage();
    if (control->ComponentCount() > 0) {
        auto* scroller = dynamic_cast<TWinControl*>(control->Components(0));
        if (scroller != nullptr && scroller->HandleAllocated()) {
            scrollerControl_ = scroller;
            if (TabArrowsSkinner skinner = CurrentTabArrowsSkinner())
                scroller_ = skinner(form_, skinData_, scroller->Handle(), scroller, TabArrowsPlace::TabSetScroller);
        }
    }
}

void TSkinTab31::SkinChange() {
    TSkinControl::SkinChange();
    PrepareImage();
}

void TSkinTab31::PrepareImage() {
    tabImage_ = skin::Bitmap();
    const TDataSkinBorder* tabs = Objects().Tabs.get();
    if (tabs == nullptr || tabs->Map.Empty()) return;
    tabImage_ = tabs->Map;
    skin::FlipVertical(tabImage_);  // tab-set tabs hang down
}

bool TSkinTab31::BeforeProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: {
            // Painted here, and once more after the tab set's own drawing (AfterProc).
            TMessage first = message;
            PaintWhole(first);
            return true;
        }
        case WM_ERASEBKGND: message.Result = 1; return false;
        default: return TSkinControl::BeforeProc(message);
    }
}

void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = Objects().Tabs.get();
    if (tabs == nullptr || tabs->Map.Empty() || tabImage_.Empty()) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    PaintBufferLease buffer(dc, width, height);
    HDC memory = buffer.Dc();
    if (memory == nullptr) return;
    FillFace(memory, RECT{0, 0, width, height});
    HFONT font = ControlFont();
    base::win::ScopedSelectObject selectFont(memory, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));

    std::vector<std::wstring> texts;
    const TObject* owner = control_ != nullptr ? static_cast<const TObject*>(control_) : Owner();
    if (const auto* list = dynamic_cast<const TStrings*>(GetObjectProp(owner, "Tabs")))
        for (int i = 0; i < list->Count(); ++i) texts.push_back(WidenText(list->Get(i)));
    std::vector<int> widths;
    for (const std::wstring& text : texts) {
        SIZE size{};
        GetTextExtentPoint32W(memory, text.c_str(), static_cast<int>(text.size()), &size);
        widths.push_back(size.cx);
    }
    const int selected = IntProp(owner, "TabIndex", -1);
    const int start = IntProp(owner, "StartMargin", 0);
    const int end = width - IntProp(owner, "EndMargin", 0);
    const int first = IntProp(owner, "FirstIndex", 0);
    const bool scrollerShown = scrollerControl_ != nullptr && TControl::IsLive(scrollerControl_) &&
                               scrollerControl_->HandleAllocated() && IsWindowVisible(scrollerControl_->Handle());
    const int frames = std::max(tabs->FrameCount, 1);
    for (const auto& tab : skin::controls::FitTabSetTabs(widths, first, start, end, scrollerShown)) {
        const int state = tab.Index == selected ? 2 : 1;
        const RECT r{tab.Left, 0, tab.Right, height};
        skin::DrawSkinObject(memory, skin::Rect{r.left, r.top, r.right, r.bottom}, tabImage_, false, tabs->Tile != 0,
                             tabs->Trans != 0, frames, std::min(state, frames), tabs->Margins);
        SetTextColor(memory, ColorToRGB(state == 1 ? tabs->NormalColor2 : tabs->MouseOverColor2));
        DrawCaptionText(memory, r, DT_CENTER, IsWindowEnabled(handle_) != FALSE,
                        texts[static_cast<std::size_t>(tab.Index)]);
    }
    base::win::ScopedSaveDc saved(dc);
    if (scrollerShown) ExcludeChildWindow(dc, scrollerControl_->Handle());  // it sits on the tabs
    buffer.CopyTo(dc, rect.left, rect.top);
}

}  // namespace skin::win
