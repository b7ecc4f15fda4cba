#include "framework/win/img_list.h"
#include "framework/win/internal.h"
#include "framework/win/list_view.h"
#include "framework/win/text.h"

#include <commctrl.h>

#include <algorithm>

namespace {

int HeaderFormat(TAlignment alignment) {
    switch (alignment) {
        case taRightJustify: return HDF_RIGHT;
        case taCenter: return HDF_CENTER;
        case taLeftJustify: break;
    }
    return HDF_LEFT;
}

}  // namespace

void THeaderSection::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    owner_->UpdateSections();
}

void THeaderSection::SetWidth(int value) {
    value = std::max(value, 0);
    if (value == width_) return;
    width_ = value;
    owner_->UpdateSections();
}

void THeaderSection::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    owner_->UpdateSections();
}

void THeaderSection::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    owner_->UpdateSections();
}

int THeaderSection::Index() const {
    const auto& items = owner_->Sections()->items_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

TPropList THeaderSection::Published() {
    return {
        propdef::String<THeaderSection>("Text", &THeaderSection::Text, &THeaderSection::SetText),
        propdef::Integer<THeaderSection>("Width", &THeaderSection::Width, &THeaderSection::SetWidth),
        propdef::Enumeration<THeaderSection, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                         &THeaderSection::Alignment, &THeaderSection::SetAlignment),
        propdef::Integer<THeaderSection>("ImageIndex", &THeaderSection::ImageIndex, &THeaderSection::SetImageIndex),
    };
}

THeaderSections::~THeaderSections() = default;

THeaderSection* THeaderSections::Add() {
    items_.push_back(std::make_unique<THeaderSection>(owner_));
    owner_->UpdateSections();
    return items_.back().get();
}

void THeaderSections::Clear() {
    items_.clear();
    owner_->UpdateSections();
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<THeaderSections>(this)) {
    TControl::SetBounds(0, 0, 185, 17);
}

THeaderControl::~THeaderControl() = default;

void THeaderControl::CreateParams(TCreateParams& params) {
    framework_internal::InitCommonControlClasses(ICC_LISTVIEW_CLASSES);
    TWinControl::CreateParams(params);
    params.BaseClassName = WC_HEADERW;
    params.Style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::CreateWnd() { UpdateSections(); }

void THeaderControl::DestroyWnd() { ReadWidths(); }

void THeaderControl::UpdateSections() {
    if (!HandleAllocated() || Destroying()) return;
    HWND window = Handle();
    SendMessageW(window, HDM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    while (SendMessageW(window, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(window, HDM_DELETEITEM, 0, 0);
    for (int i = 0; i < sections_->Count(); ++i) {
        const THeaderSection* section = sections_->Items(i);
        std::wstring text = WidenText(section->Text());
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = text.data();
        item.cxy = section->Width();
        item.fmt = HeaderFormat(section->Alignment()) | HDF_STRING;
        if (section->ImageIndex() >= 0 && images_ != nullptr) {
            item.mask |= HDI_IMAGE;
            item.fmt |= HDF_IMAGE;
            item.iImage = section->ImageIndex();
        }
        SendMessageW(window, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void THeaderControl::ReadWidths() {
    if (!HandleAllocated()) return;
    for (int i = 0; i < sections_->Count(); ++i) {
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        if (SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
            sections_->Items(i)->width_ = item.cxy;
    }
}

RECT THeaderControl::SectionRect(int index) const {
    RECT r{};
    if (HandleAllocated())
        SendMessageW(TWinControl::Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void THeaderControl::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    UpdateSections();
}

void THeaderControl::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        UpdateSections();
    }
}

void THeaderControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHEADERW*>(message.LParam);
        message.Result = 0;
        const int index = header->iItem;
        if (index < 0 || index >= sections_->Count()) return;
        THeaderSection* section = sections_->Items(index);
        if (header->hdr.code == HDN_ITEMCLICKW && OnSectionClick) OnSectionClick(this, section);
        if (header->hdr.code == HDN_ENDTRACKW) {
            // The new width comes with the notification, before the header applies it.
            if (header->pitem != nullptr && (header->pitem->mask & HDI_WIDTH) != 0) {
                section->width_ = header->pitem->cxy;
            } else {
                ReadWidths();
            }
            if (OnSectionResize) OnSectionResize(this, section);
        }
        return;
    }
    TWinControl::WndProc(message);
}

TPropList THeaderControl::Published() {
    return {
        propdef::Object<THeaderControl, THeaderSections>("Sections", &THeaderControl::Sections, nullptr),
        propdef::Object<THeaderControl, TCustomImageList>("Images", &THeaderControl::Images,
                                                          &THeaderControl::SetImages),
    };
}
