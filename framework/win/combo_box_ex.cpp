#include "framework/win/combo_box.h"

#include "framework/win/img_list.h"
#include "framework/win/internal.h"
#include "framework/win/text.h"

#include <commctrl.h>

#include <algorithm>

void TComboExItem::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    owner_->RebuildItems();
}

void TComboExItem::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    owner_->RebuildItems();
}

TPropList TComboExItem::Published() {
    return {
        propdef::String<TComboExItem>("Caption", &TComboExItem::Caption, &TComboExItem::SetCaption),
        propdef::Integer<TComboExItem>("ImageIndex", &TComboExItem::ImageIndex, &TComboExItem::SetImageIndex),
    };
}

TComboExItems::~TComboExItems() = default;

TComboExItem* TComboExItems::Add() { return AddItem("", -1); }

TComboExItem* TComboExItems::AddItem(const std::string& caption, int imageIndex) {
    auto item = std::make_unique<TComboExItem>(owner_);
    TComboExItem* result = item.get();
    items_.push_back(std::move(item));
    // Set after it is in the list so that the window gets the finished item.
    result->caption_ = caption;
    result->imageIndex_ = imageIndex;
    owner_->RebuildItems();
    return result;
}

void TComboExItems::Clear() {
    items_.clear();
    owner_->savedIndex_ = -1;
    owner_->RebuildItems();
}

TComboBoxEx::TComboBoxEx(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TComboExItems>(this)) {
    TControl::SetBounds(0, 0, 145, 22);
    SetColor(clWindow);
    SetTabStop(true);
}

TComboBoxEx::~TComboBoxEx() = default;

void TComboBoxEx::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_USEREX_CLASSES);
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_COMBOBOXEXW;
    params.Style |= WS_VSCROLL;
    switch (style_) {
        case csExDropDown: params.Style |= CBS_DROPDOWN; break;
        case csExSimple: params.Style |= CBS_SIMPLE; break;
        case csExDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
    }
    if (style_ != csExSimple) params.Height += ListHeight();
}

void TComboBoxEx::CreateWnd() {
    const int index = savedIndex_;
    RebuildItems();
    SetItemIndex(index);
}

void TComboBoxEx::DestroyWnd() { savedIndex_ = ItemIndex(); }

void TComboBoxEx::SetBounds(int left, int top, int width, int height) {
    if (HandleAllocated() && style_ != csExSimple) height += ListHeight();
    TWinControl::SetBounds(left, top, width, height);
}

void TComboBoxEx::RebuildItems() {
    if (!HandleAllocated() || Destroying()) return;
    HWND window = Handle();
    const int index = ItemIndex();
    SendMessageW(window, CBEM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    SendMessageW(window, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < items_->Count(); ++i) {
        const TComboExItem* item = items_->Items(i);
        std::wstring caption = WidenText(item->Caption());
        COMBOBOXEXITEMW entry{};
        entry.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        entry.iItem = i;
        entry.pszText = caption.data();
        entry.iImage = item->ImageIndex();
        entry.iSelectedImage = item->ImageIndex();
        SendMessageW(window, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&entry));
    }
    if (index >= 0 && index < items_->Count()) SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TComboBoxEx::ItemIndex() const {
    if (!HandleAllocated()) return savedIndex_;
    return static_cast<int>(SendMessageW(TWinControl::Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBoxEx::SetItemIndex(int value) {
    if (value < -1 || value >= items_->Count()) value = -1;
    savedIndex_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TComboBoxEx::SetStyle(TComboBoxExStyle value) {
    if (value == style_) return;
    style_ = value;
    RecreateWnd();
}

void TComboBoxEx::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    RebuildItems();
}

void TComboBoxEx::SetDropDownCount(int value) {
    value = std::max(value, 1);
    if (value == dropDownCount_) return;
    dropDownCount_ = value;
    if (HandleAllocated()) SetBounds(Left(), Top(), Width(), Height());
}

bool TComboBoxEx::DroppedDown() const {
    return HandleAllocated() && SendMessageW(TWinControl::Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBoxEx::SetDroppedDown(bool value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0); }

void TComboBoxEx::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        RebuildItems();
    }
}

void TComboBoxEx::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        // The extended combo passes on its inner combo's notifications.
        const auto code = HIWORD(message.WParam);
        if (code == CBN_SELCHANGE) {
            Click();
            if (OnSelect) OnSelect(this);
        }
        if ((code == CBN_SELCHANGE || code == CBN_EDITCHANGE) && OnChange) OnChange(this);
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TComboBoxEx::Published() {
    return {
        propdef::Object<TComboBoxEx, TComboExItems>("ItemsEx", &TComboBoxEx::ItemsEx, nullptr),
        propdef::Integer<TComboBoxEx>("ItemIndex", &TComboBoxEx::ItemIndex, &TComboBoxEx::SetItemIndex),
        propdef::Enumeration<TComboBoxEx, TComboBoxExStyle>("Style", {"csExDropDown", "csExSimple", "csExDropDownList"},
                                                            &TComboBoxEx::Style, &TComboBoxEx::SetStyle),
        propdef::Object<TComboBoxEx, TCustomImageList>("Images", &TComboBoxEx::Images, &TComboBoxEx::SetImages),
        propdef::Integer<TComboBoxEx>("DropDownCount", &TComboBoxEx::DropDownCount, &TComboBoxEx::SetDropDownCount),
    };
}
