#include "framework/win/list_view.h"

#include "framework/win/img_list.h"
#include "framework/win/internal.h"
#include "framework/win/text.h"

#include <commctrl.h>

#include <algorithm>

namespace {

int ColumnFormat(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return LVCFMT_RIGHT;
        case taCenter: return LVCFMT_CENTER;
        case taLeftJustify: break;
    }
    return LVCFMT_LEFT;
}

}  // namespace

void TListColumn::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    owner_->UpdateColumns();
}

int TListColumn::Width() const {
    if (owner_->HandleAllocated() && owner_->ViewStyle() == vsReport) {
        const HWND window = static_cast<const TWinControl*>(owner_)->Handle();
        return static_cast<int>(SendMessageW(window, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
    }
    return width_;
}

void TListColumn::SetWidth(int value) {
    width_ = std::max(value, 0);
    if (owner_->HandleAllocated() && owner_->ViewStyle() == vsReport)
        SendMessageW(owner_->Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(Index()), width_);
}

void TListColumn::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    owner_->UpdateColumns();
}

int TListColumn::Index() const {
    const auto& items = owner_->Columns()->items_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

TPropList TListColumn::Published() {
    return {
        propdef::String<TListColumn>("Caption", &TListColumn::Caption, &TListColumn::SetCaption),
        propdef::Integer<TListColumn>("Width", &TListColumn::Width, &TListColumn::SetWidth),
        propdef::Enumeration<TListColumn, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                      &TListColumn::Alignment, &TListColumn::SetAlignment),
    };
}

TListColumns::~TListColumns() = default;

TListColumn* TListColumns::Add() {
    items_.push_back(std::make_unique<TListColumn>(owner_));
    owner_->UpdateColumns();
    return items_.back().get();
}

void TListColumns::Clear() {
    owner_->SaveState();
    items_.clear();
    owner_->UpdateColumns();
}

TListItem::TListItem(TCustomListView* owner) : owner_(owner), subItems_(std::make_unique<TStringList>()) {
    subItems_->OnChange = [this] {
        if (Index() >= 0) owner_->UpdateItems();
    };
}

TListItem::~TListItem() { subItems_->OnChange = nullptr; }

void TListItem::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    owner_->UpdateItems();
}

void TListItem::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    owner_->UpdateItems();
}

int TListItem::Index() const {
    const auto& items = owner_->Items()->items_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

bool TListItem::Selected() const {
    if (!owner_->HandleAllocated()) return selected_;
    const HWND window = static_cast<const TWinControl*>(owner_)->Handle();
    return SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) != 0;
}

void TListItem::SetSelected(bool value) {
    selected_ = value;
    if (!owner_->HandleAllocated()) return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = value ? (LVIS_SELECTED | LVIS_FOCUSED) : 0;
    SendMessageW(owner_->Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()), reinterpret_cast<LPARAM>(&item));
}

TPropList TListItem::Published() {
    return {
        propdef::String<TListItem>("Caption", &TListItem::Caption, &TListItem::SetCaption),
        propdef::Object<TListItem, TStrings>("SubItems", &TListItem::SubItems, &TListItem::SetSubItems),
        propdef::Integer<TListItem>("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex),
        propdef::Boolean<TListItem>("Selected", &TListItem::Selected, &TListItem::SetSelected),
    };
}

TListItems::~TListItems() = default;

TListItem* TListItems::Add() {
    items_.push_back(std::make_unique<TListItem>(owner_));
    owner_->UpdateItems();
    return items_.back().get();
}

void TListItems::Clear() {
    items_.clear();
    owner_->UpdateItems();
}

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner), columns_(std::make_unique<TListColumns>(this)), items_(std::make_unique<TListItems>(this)) {
    TControl::SetBounds(0, 0, 250, 150);
    SetColor(clWindow);
    SetTabStop(true);
}

TCustomListView::~TCustomListView() = default;

void TCustomListView::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_LISTVIEWW;
    params.ExStyle |= WS_EX_CLIENTEDGE;
    params.Style |= LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
    switch (viewStyle_) {
        case vsIcon: params.Style |= LVS_ICON; break;
        case vsSmallIcon: params.Style |= LVS_SMALLICON; break;
        case vsList: params.Style |= LVS_LIST; break;
        case vsReport: params.Style |= LVS_REPORT; break;
    }
}

void TCustomListView::CreateWnd() {
    UpdateExtendedStyle();
    UpdateImages();
    UpdateColumns();
    UpdateItems();
}

void TCustomListView::DestroyWnd() { SaveState(); }

void TCustomListView::SaveState() {
    if (!HandleAllocated() || Destroying()) return;
    HWND window = Handle();
    const int shown = static_cast<int>(SendMessageW(window, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < items_->Count() && i < shown; ++i) {
        items_->Item(i)->selected_ = SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) != 0;
    }
    if (viewStyle_ != vsReport) return;
    for (int i = 0; i < columns_->Count(); ++i) {
        const auto width = SendMessageW(window, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0);
        if (width > 0) columns_->Items(i)->width_ = static_cast<int>(width);
    }
}

void TCustomListView::UpdateExtendedStyle() {
    if (!HandleAllocated()) return;
    const DWORD mask = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    const DWORD style = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
    SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style);
}

void TCustomListView::UpdateImages() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    SendMessageW(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(smallImages_ != nullptr ? smallImages_->Handle() : nullptr));
}

void TCustomListView::UpdateColumns() {
    if (!HandleAllocated() || Destroying()) return;
    HWND window = Handle();
    while (SendMessageW(window, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int i = 0; i < columns_->Count(); ++i) {
        const TListColumn* column = columns_->Items(i);
        std::wstring caption = WidenText(column->Caption());
        LVCOLUMNW entry{};
        entry.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        entry.fmt = ColumnFormat(column->Alignment());
        entry.cx = column->width_;
        entry.pszText = caption.data();
        entry.iSubItem = i;
        SendMessageW(window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&entry));
    }
}

void TCustomListView::UpdateItems() {
    if (!HandleAllocated() || Destroying()) return;
    SaveState();  // the selection outlives the rebuild
    HWND window = Handle();
    SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < items_->Count(); ++i) {
        const TListItem* item = items_->Item(i);
        std::wstring caption = WidenText(item->Caption());
        LVITEMW entry{};
        entry.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        entry.iItem = i;
        entry.pszText = caption.data();
        entry.iImage = item->ImageIndex();
        entry.stateMask = LVIS_SELECTED;
        entry.state = item->selected_ ? LVIS_SELECTED : 0;
        SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
        for (int s = 0; s < item->subItems_->Count(); ++s) {
            std::wstring text = WidenText(item->subItems_->Get(s));
            LVITEMW sub{};
            sub.iSubItem = s + 1;
            sub.pszText = text.data();
            SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&sub));
        }
    }
}

void TCustomListView::SetViewStyle(TViewStyle value) {
    if (value == viewStyle_) return;
    SaveState();
    viewStyle_ = value;
    RecreateWnd();
}

void TCustomListView::SetRowSelect(bool value) {
    rowSelect_ = value;
    UpdateExtendedStyle();
}

void TCustomListView::SetGridLines(bool value) {
    gridLines_ = value;
    UpdateExtendedStyle();
}

void TCustomListView::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    UpdateImages();
}

void TCustomListView::SetSmallImages(TCustomImageList* images) {
    if (images == smallImages_) return;
    if (smallImages_ != nullptr) smallImages_->RemoveFreeNotification(this);
    smallImages_ = images;
    if (smallImages_ != nullptr) smallImages_->FreeNotification(this);
    UpdateImages();
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) images_ = nullptr;
    if (component == smallImages_) smallImages_ = nullptr;
    if (component == images_ || component == smallImages_) UpdateImages();
}

int TCustomListView::ItemIndex() const {
    if (!HandleAllocated()) {
        for (int i = 0; i < items_->Count(); ++i) {
            if (items_->Item(i)->selected_) return i;
        }
        return -1;
    }
    return static_cast<int>(
        SendMessageW(TWinControl::Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int value) {
    for (int i = 0; i < items_->Count(); ++i) items_->Item(i)->SetSelected(i == value);
}

TListItem* TCustomListView::Selected() const {
    const int index = ItemIndex();
    return index >= 0 && index < items_->Count() ? items_->Item(index) : nullptr;
}

HWND TCustomListView::HeaderWindow() const {
    if (!HandleAllocated()) return nullptr;
    return reinterpret_cast<HWND>(SendMessageW(TWinControl::Handle(), LVM_GETHEADER, 0, 0));
}

void TCustomListView::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        message.Result = 0;
        if (header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
            const bool selectionChanged =
                (change->uChanged & LVIF_STATE) != 0 && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) != 0;
            if (selectionChanged && OnChange) OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomListView::Published() {
    return {
        propdef::Enumeration<TCustomListView, TViewStyle>("ViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"},
                                                          &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle),
        propdef::Object<TCustomListView, TListColumns>("Columns", &TCustomListView::Columns, nullptr),
        propdef::Object<TCustomListView, TListItems>("Items", &TCustomListView::Items, nullptr),
        propdef::Boolean<TCustomListView>("RowSelect", &TCustomListView::RowSelect, &TCustomListView::SetRowSelect),
        propdef::Boolean<TCustomListView>("GridLines", &TCustomListView::GridLines, &TCustomListView::SetGridLines),
        propdef::Object<TCustomListView, TCustomImageList>("Images", &TCustomListView::Images,
                                                           &TCustomListView::SetImages),
        propdef::Object<TCustomListView, TCustomImageList>("SmallImages", &TCustomListView::SmallImages,
                                                           &TCustomListView::SetSmallImages),
        propdef::Integer<TCustomListView>("ItemIndex", &TCustomListView::ItemIndex, &TCustomListView::SetItemIndex),
    };
}
