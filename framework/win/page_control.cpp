#include "framework/win/tab_ctrls.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    TControl::SetBounds(0, 0, 200, 150);
    SetVisible(false);  // shown when it becomes the active page
}

void TTabSheet::SetPageControl(TPageControl* value) {
    if (value == pageControl_) return;
    if (pageControl_ != nullptr) pageControl_->RemovePage(this);
    SetParent(value);
    if (value != nullptr) value->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (pageControl_ == nullptr) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value) {
    if (pageControl_ != nullptr) pageControl_->MovePage(this, value);
}

int TTabSheet::TabIndex() const {
    if (pageControl_ == nullptr || !tabVisible_) return -1;
    const std::vector<TTabSheet*> tabs = pageControl_->VisibleTabPages();
    return static_cast<int>(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == tabVisible_) return;
    tabVisible_ = value;
    if (pageControl_ != nullptr) pageControl_->UpdateTabs();
}

void TTabSheet::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    if (pageControl_ != nullptr) pageControl_->UpdateTabs();
}

void TTabSheet::WndProc(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED && pageControl_ != nullptr) pageControl_->UpdateTabs();
    TWinControl::WndProc(message);
}

void TTabSheet::BeforeDestruction() {
    if (pageControl_ != nullptr && IsLive(pageControl_)) pageControl_->RemovePage(this);
    pageControl_ = nullptr;
    TWinControl::BeforeDestruction();
}

TPropList TTabSheet::Published() {
    return {
        propdef::Integer<TTabSheet>("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex),
        propdef::Boolean<TTabSheet>("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible),
        propdef::Integer<TTabSheet>("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex),
    };
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() = default;

void TPageControl::InsertPage(TTabSheet* page) {
    page->pageControl_ = this;
    pages_.push_back(page);
    UpdateTabs();
    if (activePage_ == nullptr) SetActivePage(page);
    AlignPages();
}

void TPageControl::RemovePage(TTabSheet* page) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    page->pageControl_ = nullptr;
    if (activePage_ == page) {
        activePage_ = nullptr;
        if (!Destroying() && !pages_.empty()) SetActivePage(pages_.front());
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
    const auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    index = std::clamp(index, 0, static_cast<int>(pages_.size()));
    pages_.insert(pages_.begin() + index, page);
    UpdateTabs();
}

std::vector<TTabSheet*> TPageControl::VisibleTabPages() const {
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* page : pages_) {
        if (page->TabVisible()) tabs.push_back(page);
    }
    return tabs;
}

std::vector<TCustomTabControl::TTabItem> TPageControl::TabItems() const {
    std::vector<TTabItem> items;
    for (TTabSheet* page : VisibleTabPages()) items.push_back(TTabItem{page->Caption(), page->ImageIndex()});
    return items;
}

int TPageControl::SelectedTab() const { return activePage_ != nullptr ? activePage_->TabIndex() : -1; }

void TPageControl::TabSelected(int tab) {
    const std::vector<TTabSheet*> tabs = VisibleTabPages();
    if (tab < 0 || tab >= static_cast<int>(tabs.size())) return;
    SetActivePage(tabs[static_cast<std::size_t>(tab)]);
    if (OnChange) OnChange(this);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page != nullptr && page->pageControl_ != this) return;
    activePage_ = page;
    SelectTabInWindow(SelectedTab());
    for (TTabSheet* other : pages_) {
        if (other != page) other->SetVisible(false);
    }
    if (page != nullptr) {
        page->SetVisible(true);
        if (page->HandleAllocated()) BringWindowToTop(page->Handle());
    }
}

int TPageControl::ActivePageIndex() const { return activePage_ != nullptr ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int value) {
    SetActivePage(value >= 0 && value < PageCount() ? Pages(value) : nullptr);
}

void TPageControl::SelectNextPage(bool forward) { StepTab(forward); }

void TPageControl::AlignPages() {
    const RECT r = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::TabsUpdated() { AlignPages(); }

void TPageControl::BoundsChanged() {
    TCustomTabControl::BoundsChanged();
    AlignPages();
}

void TPageControl::WndProc(TMessage& message) {
    // Sheets fill the display area once the window knows its tabs' size.
    if (message.Msg == WM_SIZE) {
        TCustomTabControl::WndProc(message);
        AlignPages();
        return;
    }
    TCustomTabControl::WndProc(message);
}

TPropList TPageControl::Published() {
    return {
        propdef::Object<TPageControl, TTabSheet>("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage),
        propdef::Integer<TPageControl>("ActivePageIndex", &TPageControl::ActivePageIndex,
                                       &TPageControl::SetActivePageIndex),
    };
}
