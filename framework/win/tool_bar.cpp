#include "framework/win/comctrls.h"

#include "framework/win/img_list.h"
#include "framework/win/menus.h"
#include "framework/win/text.h"

#include <algorithm>

namespace {

// Command identifiers of the bar's buttons: the button's index plus this.
constexpr int kFirstCommand = 1;

TCustomDrawState DrawStateFromItemState(UINT state) {
    TCustomDrawState result = 0;
    if (state & CDIS_SELECTED) result |= cdsSelected;
    if (state & CDIS_GRAYED) result |= cdsGrayed;
    if (state & CDIS_DISABLED) result |= cdsDisabled;
    if (state & CDIS_CHECKED) result |= cdsChecked;
    if (state & CDIS_FOCUS) result |= cdsFocused;
    if (state & CDIS_DEFAULT) result |= cdsDefault;
    if (state & CDIS_HOT) result |= cdsHot;
    return result;
}

}  // namespace

TToolButton::TToolButton(TComponent* owner) : TComponent(owner) {
    if (auto* bar = dynamic_cast<TToolBar*>(owner)) bar->AddButton(this);
}

TToolButton::~TToolButton() = default;

void TToolButton::Changed() {
    if (toolBar_ != nullptr) toolBar_->RebuildButtons();
}

void TToolButton::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    Changed();
}

void TToolButton::SetImageIndex(int value) {
    if (value == imageIndex_) return;
    imageIndex_ = value;
    Changed();
}

void TToolButton::SetStyle(TToolButtonStyle value) {
    if (value == style_) return;
    style_ = value;
    Changed();
}

bool TToolButton::Down() const {
    if (toolBar_ != nullptr && toolBar_->HandleAllocated()) {
        const HWND bar = static_cast<const TWinControl*>(toolBar_)->Handle();
        return SendMessageW(bar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(Index() + kFirstCommand), 0) != 0;
    }
    return down_;
}

void TToolButton::SetDown(bool value) {
    down_ = value;
    if (toolBar_ != nullptr && toolBar_->HandleAllocated()) {
        SendMessageW(toolBar_->Handle(), TB_CHECKBUTTON, static_cast<WPARAM>(Index() + kFirstCommand),
                     MAKELPARAM(value ? TRUE : FALSE, 0));
    }
}

void TToolButton::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    if (toolBar_ != nullptr && toolBar_->HandleAllocated()) {
        SendMessageW(toolBar_->Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(Index() + kFirstCommand),
                     MAKELPARAM(value ? TRUE : FALSE, 0));
    }
}

void TToolButton::SetMenuItem(TMenuItem* value) {
    if (value == menuItem_) return;
    if (menuItem_ != nullptr) menuItem_->RemoveFreeNotification(this);
    menuItem_ = value;
    if (menuItem_ != nullptr) menuItem_->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == menuItem_) menuItem_ = nullptr;
}

int TToolButton::Index() const {
    if (toolBar_ == nullptr) return -1;
    const auto& list = toolBar_->buttons_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TToolButton::Click() {
    if (OnClick) {
        OnClick(this);
    } else if (menuItem_ != nullptr) {
        menuItem_->Click();
    }
}

TPropList TToolButton::Published() {
    return {
        propdef::String<TToolButton>("Caption", &TToolButton::Caption, &TToolButton::SetCaption),
        propdef::Integer<TToolButton>("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex),
        propdef::Enumeration<TToolButton, TToolButtonStyle>("Style",
                                                            {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator"},
                                                            &TToolButton::Style, &TToolButton::SetStyle),
        propdef::Boolean<TToolButton>("Down", &TToolButton::Down, &TToolButton::SetDown),
        propdef::Boolean<TToolButton>("Enabled", &TToolButton::Enabled, &TToolButton::SetEnabled),
        propdef::Object<TToolButton, TMenuItem>("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem),
    };
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) { TControl::SetBounds(0, 0, 150, 29); }

TToolBar::~TToolBar() = default;

void TToolBar::CreateParams(TCreateParams& params) {
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_BAR_CLASSES;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)initialized;
    TWinControl::CreateParams(params);
    params.BaseClassName = TOOLBARCLASSNAMEW;
    params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (flat_) params.Style |= TBSTYLE_FLAT;
}

void TToolBar::CreateWnd() {
    SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    RebuildButtons();
}

void TToolBar::DestroyWnd() {
    for (TToolButton* button : buttons_) button->down_ = button->Down();
}

void TToolBar::AddButton(TToolButton* button) {
    button->toolBar_ = this;
    buttons_.push_back(button);
    RebuildButtons();
}

void TToolBar::RebuildButtons() {
    if (!HandleAllocated() || Destroying()) return;
    HWND bar = Handle();
    while (SendMessageW(bar, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(bar, TB_DELETEBUTTON, 0, 0);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    if (images_ != nullptr) SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(images_->Width(), images_->Height()));
    std::vector<std::wstring> captions;
    captions.reserve(buttons_.size());
    std::vector<TBBUTTON> items(buttons_.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TToolButton* button = buttons_[i];
        TBBUTTON& item = items[i];
        item.idCommand = static_cast<int>(i) + kFirstCommand;
        item.iBitmap = button->imageIndex_ >= 0 && images_ != nullptr ? button->imageIndex_ : I_IMAGENONE;
        item.fsState =
            static_cast<BYTE>((button->enabled_ ? TBSTATE_ENABLED : 0) | (button->down_ ? TBSTATE_CHECKED : 0));
        switch (button->style_) {
            case tbsButton: item.fsStyle = BTNS_BUTTON; break;
            case tbsCheck: item.fsStyle = BTNS_CHECK; break;
            case tbsDropDown: item.fsStyle = BTNS_DROPDOWN; break;
            case tbsSeparator:
                item.fsStyle = BTNS_SEP;
                item.iBitmap = 6;  // a separator's width
                break;
        }
        captions.push_back(WidenText(button->caption_));
        item.iString =
            showCaptions_ && button->style_ != tbsSeparator ? reinterpret_cast<INT_PTR>(captions.back().c_str()) : -1;
    }
    if (!items.empty()) SendMessageW(bar, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
    SendMessageW(bar, TB_AUTOSIZE, 0, 0);
    InvalidateRect(bar, nullptr, TRUE);
}

RECT TToolBar::ButtonRect(int index) const {
    RECT r{};
    if (HandleAllocated())
        SendMessageW(TWinControl::Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

void TToolBar::SetFlat(bool value) {
    if (value == flat_) return;
    flat_ = value;
    RecreateWnd();
}

void TToolBar::SetImages(TCustomImageList* images) {
    if (images == images_) return;
    if (images_ != nullptr) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_ != nullptr) images_->FreeNotification(this);
    RebuildButtons();
}

void TToolBar::SetShowCaptions(bool value) {
    if (value == showCaptions_) return;
    showCaptions_ = value;
    RecreateWnd();  // the bar measures its buttons once, with or without text
}

void TToolBar::SetMenu(TMainMenu* menu) {
    if (menu == menu_) return;
    if (menu_ != nullptr) menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_ != nullptr) menu_->FreeNotification(this);
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == images_) {
        images_ = nullptr;
        RebuildButtons();
    }
    if (component == menu_) menu_ = nullptr;
    const auto it = std::find(buttons_.begin(), buttons_.end(), component);
    if (it != buttons_.end()) {
        (*it)->toolBar_ = nullptr;
        buttons_.erase(it);
        RebuildButtons();
    }
}

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
    if (!OnCustomDrawButton) return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const int index = static_cast<int>(draw.nmcd.dwItemSpec) - kFirstCommand;
    if (index < 0 || index >= ButtonCount()) return CDRF_DODEFAULT;
    bool defaultDraw = true;
    {
        base::win::ScopedSaveDc save(draw.nmcd.hdc);
        TCanvas::PaintScope scope(canvas_, draw.nmcd.hdc);
        canvas_.Font()->Assign(Font());
        canvas_.Brush()->SetColor(Color());
        OnCustomDrawButton(this, Buttons(index), DrawStateFromItemState(draw.nmcd.uItemState), defaultDraw);
    }
    // The handler painted the face: the bar adds only the image and the caption.
    return defaultDraw ? CDRF_DODEFAULT : (TBCDRF_NOEDGES | TBCDRF_NOBACKGROUND | TBCDRF_NOOFFSET);
}

void TToolBar::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND: {
            const int index = static_cast<int>(LOWORD(message.WParam)) - kFirstCommand;
            message.Result = 0;
            if (index < 0 || index >= ButtonCount()) return;
            TToolButton* button = Buttons(index);
            button->down_ = button->Down();
            button->Click();
            return;
        }
        case CN_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(message.LParam);
            message.Result = header->code == NM_CUSTOMDRAW ? CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(header)) : 0;
            return;
        }
        default: break;
    }
    TWinControl::WndProc(message);
}

TPropList TToolBar::Published() {
    return {
        propdef::Boolean<TToolBar>("Flat", &TToolBar::Flat, &TToolBar::SetFlat),
        propdef::Object<TToolBar, TCustomImageList>("Images", &TToolBar::Images, &TToolBar::SetImages),
        propdef::Boolean<TToolBar>("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions),
        propdef::Object<TToolBar, TMainMenu>("Menu", &TToolBar::Menu, &TToolBar::SetMenu),
    };
}
