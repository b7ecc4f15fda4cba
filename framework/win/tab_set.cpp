#include "framework/win/tab_ctrls.h"
#include "framework/win/text.h"

#include <algorithm>

namespace {

// Room left and right of a tab's caption.
constexpr int kTabPadding = 9;
// How far a tab's sides lean in towards its lower edge.
constexpr int kTabSlant = 3;

}  // namespace

TTabSet::TTabSet(TComponent* owner)
    : TCustomControl(owner), scroller_(new TUpDown(this)), tabs_(std::make_unique<TStringList>()) {
    TControl::SetBounds(0, 0, 185, 21);
    scroller_->SetOrientation(udHorizontal);
    scroller_->SetVisible(false);
    scroller_->SetBounds(0, 0, 30, 18);
    scroller_->SetParent(this);
    scroller_->OnClick = [this](TObject*, TUDBtnType) { SetFirstIndex(scroller_->Position()); };
    tabs_->OnChange = [this] {
        if (tabIndex_ >= tabs_->Count()) tabIndex_ = tabs_->Count() - 1;
        Relayout();
    };
}

TTabSet::~TTabSet() { tabs_->OnChange = nullptr; }

void TTabSet::Relayout() {
    std::vector<int> widths;
    {
        base::win::WindowDc dc(nullptr);
        base::win::ScopedSelectObject font(dc.Get(), Font()->Handle());
        for (int i = 0; i < tabs_->Count(); ++i) {
            const std::wstring caption = WidenText(tabs_->Get(i));
            SIZE size{};
            GetTextExtentPoint32W(dc.Get(), caption.c_str(), static_cast<int>(caption.size()), &size);
            widths.push_back(size.cx + 2 * kTabPadding);
        }
    }
    const int scrollerWidth = scroller_->Width();
    layout_ = LayoutTabSet(widths, requestedFirst_, startMargin_, endMargin_, ClientWidth(), scrollerWidth);
    scroller_->SetMax(std::max(layout_.LastFirstIndex, 1));
    scroller_->SetPosition(layout_.FirstIndex);
    scroller_->SetBounds(ClientWidth() - scrollerWidth, 0, scrollerWidth, std::min(ClientHeight(), 18));
    scroller_->SetVisible(layout_.Overflow);
    Invalidate();
}

void TTabSet::SetTabIndex(int value) {
    if (value < -1 || value >= tabs_->Count()) value = -1;
    if (value == tabIndex_) return;
    bool allow = true;
    if (OnChange) OnChange(this, value, allow);
    if (!allow) return;
    tabIndex_ = value;
    // The selected tab is scrolled into view.
    if (value >= 0 && !layout_.Lefts.empty()) {
        const int last = layout_.FirstIndex + static_cast<int>(layout_.Lefts.size()) - 1;
        if (value < layout_.FirstIndex) SetFirstIndex(value);
        if (value > last) SetFirstIndex(layout_.FirstIndex + (value - last));
    }
    Invalidate();
}

void TTabSet::SetStartMargin(int value) {
    startMargin_ = std::max(value, 0);
    Relayout();
}

void TTabSet::SetEndMargin(int value) {
    endMargin_ = std::max(value, 0);
    Relayout();
}

void TTabSet::SetFirstIndex(int value) {
    requestedFirst_ = std::max(value, 0);
    Relayout();
}

int TTabSet::ItemAtPos(POINT p) const {
    if (p.y < 0 || p.y >= Height()) return -1;
    return TabSetTabAt(layout_, p.x);
}

void TTabSet::BoundsChanged() {
    TCustomControl::BoundsChanged();
    Relayout();
}

void TTabSet::FontChanged() {
    TCustomControl::FontChanged();
    Relayout();
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        const int tab = ItemAtPos(POINT{x, y});
        if (tab >= 0) SetTabIndex(tab);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTabSet::Paint() {
    TCanvas* canvas = Canvas();
    const RECT client = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(client);
    const int bottom = client.bottom - 1;
    // The edge the tabs hang from, broken under the selected tab.
    canvas->Pen()->SetColor(clWindowFrame);
    canvas->MoveTo(0, 0);
    canvas->LineTo(client.right, 0);
    for (std::size_t i = 0; i < layout_.Lefts.size(); ++i) {
        const int index = layout_.FirstIndex + static_cast<int>(i);
        const int left = layout_.Lefts[i];
        const int right = layout_.Rights[i];
        const bool selected = index == tabIndex_;
        canvas->Brush()->SetColor(selected ? clBtnFace : clWindow);
        for (int y = selected ? 0 : 1; y < bottom; ++y) {
            const int inset = kTabSlant * y / std::max(bottom, 1);
            canvas->FillRect(RECT{left + inset, y, right - inset, y + 1});
        }
        canvas->Pen()->SetColor(clWindowFrame);
        canvas->MoveTo(left, 0);
        canvas->LineTo(left + kTabSlant, bottom);
        canvas->LineTo(right - kTabSlant, bottom);
        canvas->LineTo(right, 0);
        RECT text{left, 0, right, bottom};
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->SetColor(clBtnText);
        canvas->DrawText(tabs_->Get(index), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        canvas->Brush()->SetStyle(bsSolid);
    }
}

TPropList TTabSet::Published() {
    return {
        propdef::Object<TTabSet, TStrings>("Tabs", &TTabSet::Tabs, &TTabSet::SetTabs),
        propdef::Integer<TTabSet>("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex),
        propdef::Integer<TTabSet>("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin),
        propdef::Integer<TTabSet>("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin),
        propdef::Integer<TTabSet>("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex),
    };
}
