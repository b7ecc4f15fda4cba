#include "framework/win/combo_box.h"

#include "framework/win/internal.h"
#include "framework/win/text.h"

#include <algorithm>
#include <stdexcept>

// The items of a combo box: the window's strings while it exists, the saved copy otherwise.
class TComboBoxStrings : public TStrings {
public:
    explicit TComboBoxStrings(TCustomComboBox* box) : box_(box) {}

    int Count() const override {
        if (!box_->HandleAllocated()) return static_cast<int>(box_->saved_.size());
        return static_cast<int>(SendMessageW(Window(), CB_GETCOUNT, 0, 0));
    }
    std::string Get(int index) const override {
        if (!box_->HandleAllocated()) return box_->saved_.at(static_cast<std::size_t>(index));
        const auto length = SendMessageW(Window(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == CB_ERR) throw std::out_of_range("Combo box index out of range: " + std::to_string(index));
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(Window(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return NarrowText(text);
    }
    void Clear() override {
        box_->saved_.clear();
        box_->savedIndex_ = -1;
        if (box_->HandleAllocated()) SendMessageW(Window(), CB_RESETCONTENT, 0, 0);
    }
    int Add(const std::string& line) override {
        if (!box_->HandleAllocated()) {
            box_->saved_.push_back(line);
            return Count() - 1;
        }
        const std::wstring wide = WidenText(line);
        return static_cast<int>(SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    }

private:
    HWND Window() const { return static_cast<const TWinControl*>(box_)->Handle(); }
    TCustomComboBox* box_;
};

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboBoxStrings>(this)) {
    TControl::SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

TCustomComboBox::~TCustomComboBox() = default;

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"COMBOBOX";
    params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    switch (style_) {
        case csDropDown: params.Style |= CBS_DROPDOWN; break;
        case csSimple: params.Style |= CBS_SIMPLE; break;
        case csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
        case csOwnerDrawFixed: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
        case csOwnerDrawVariable: params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
    }
    if (sorted_) params.Style |= CBS_SORT;
    // A dropping combo is given the height of its list too; it keeps the field's for itself.
    if (style_ != csSimple) params.Height += ListHeight();
}

void TCustomComboBox::CreateWnd() {
    HWND window = Handle();
    if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) {
        SendMessageW(window, CB_SETITEMHEIGHT, 0, itemHeight_);
        SendMessageW(window, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    }
    std::vector<std::string> lines;
    lines.swap(saved_);
    for (const std::string& line : lines) {
        const std::wstring wide = WidenText(line);
        SendMessageW(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    if (savedIndex_ >= 0) {
        const std::wstring selection = WidenText(savedSelection_);
        const auto found = SendMessageW(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(selection.c_str()));
        SendMessageW(window, CB_SETCURSEL, static_cast<WPARAM>(found != CB_ERR ? found : savedIndex_), 0);
    } else if (style_ == csDropDown || style_ == csSimple) {
        SetWindowTextW(window, WidenText(caption_).c_str());
    }
}

void TCustomComboBox::DestroyWnd() {
    savedIndex_ = ItemIndex();
    savedSelection_ = savedIndex_ >= 0 ? items_->Get(savedIndex_) : std::string();
    std::vector<std::string> lines;
    for (int i = 0; i < items_->Count(); ++i) lines.push_back(items_->Get(i));
    saved_ = std::move(lines);
}

int TCustomComboBox::ListHeight() const {
    int itemHeight = itemHeight_;
    if (HandleAllocated()) {
        const auto measured = SendMessageW(TWinControl::Handle(), CB_GETITEMHEIGHT, 0, 0);
        if (measured > 0) itemHeight = static_cast<int>(measured);
    }
    return dropDownCount_ * itemHeight + 2;
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
    if (HandleAllocated() && style_ != csSimple) height += ListHeight();
    TWinControl::SetBounds(left, top, width, height);
}

int TCustomComboBox::ItemIndex() const {
    if (!HandleAllocated()) return savedIndex_;
    return static_cast<int>(SendMessageW(TWinControl::Handle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int value) {
    if (value < -1 || value >= items_->Count()) value = -1;
    savedIndex_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomComboBox::SetTextValue(const std::string& text) {
    if (style_ == csDropDown || style_ == csSimple) {
        TWinControl::SetTextValue(text);
        return;
    }
    // A list-only combo shows an item: the one with that text, or none.
    int found = -1;
    for (int i = 0; i < items_->Count() && found < 0; ++i) {
        if (items_->Get(i) == text) found = i;
    }
    SetItemIndex(found);
    Perform(CM_TEXTCHANGED);
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
    if (value == style_) return;
    style_ = value;
    RecreateWnd();
}

void TCustomComboBox::SetSorted(bool value) {
    if (value == sorted_) return;
    sorted_ = value;
    RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int value) {
    value = std::max(value, 1);
    if (value == dropDownCount_) return;
    dropDownCount_ = value;
    if (HandleAllocated()) SetBounds(Left(), Top(), Width(), Height());
}

void TCustomComboBox::SetItemHeight(int value) {
    value = std::max(value, 1);
    if (value == itemHeight_) return;
    itemHeight_ = value;
    if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) RecreateWnd();
}

bool TCustomComboBox::DroppedDown() const {
    return HandleAllocated() && SendMessageW(TWinControl::Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool value) { SendMessageW(Handle(), CB_SHOWDROPDOWN, value ? TRUE : FALSE, 0); }

void TCustomComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    TOwnerDrawState state = 0;
    if (item.itemState & ODS_SELECTED) state |= odSelected;
    if (item.itemState & ODS_DISABLED) state |= odDisabled;
    if (item.itemState & ODS_FOCUS) state |= odFocused;
    if (item.itemState & ODS_COMBOBOXEDIT) state |= odComboBoxEdit;
    const int index = static_cast<int>(item.itemID);
    base::win::ScopedSaveDc save(item.hDC);
    TCanvas::PaintScope scope(canvas_, item.hDC);
    canvas_.Font()->Assign(Font());
    const bool selected = (state & odSelected) != 0;
    canvas_.Brush()->SetColor(selected ? clHighlight : Color());
    if (selected) canvas_.Font()->SetColor(clHighlightText);
    if (OnDrawItem) {
        OnDrawItem(this, index, item.rcItem, state);
        return;
    }
    canvas_.FillRect(item.rcItem);
    if (index >= 0 && index < items_->Count()) {
        RECT text = item.rcItem;
        text.left += 2;
        canvas_.Brush()->SetStyle(bsClear);
        canvas_.DrawText(items_->Get(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (state & odFocused) canvas_.DrawFocusRect(item.rcItem);
}

void TCustomComboBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            switch (HIWORD(message.WParam)) {
                case CBN_SELCHANGE:
                    Click();
                    if (OnSelect) OnSelect(this);
                    if (OnChange) OnChange(this);
                    break;
                case CBN_EDITCHANGE:
                    if (OnChange) OnChange(this);
                    break;
                case CBN_DROPDOWN:
                    if (OnDropDown) OnDropDown(this);
                    break;
                case CBN_CLOSEUP:
                    if (OnCloseUp) OnCloseUp(this);
                    break;
                default: break;
            }
            message.Result = 0;
            return;
        case CN_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
            message.Result = TRUE;
            return;
        default: break;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomComboBox::Published() {
    return {
        propdef::Enumeration<TCustomComboBox, TComboBoxStyle>(
            "Style", {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"},
            &TCustomComboBox::Style, &TCustomComboBox::SetStyle),
        propdef::Object<TCustomComboBox, TStrings>("Items", &TCustomComboBox::Items, &TCustomComboBox::SetItems),
        propdef::Integer<TCustomComboBox>("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex),
        propdef::Boolean<TCustomComboBox>("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted),
        propdef::Integer<TCustomComboBox>("DropDownCount", &TCustomComboBox::DropDownCount,
                                          &TCustomComboBox::SetDropDownCount),
        propdef::Integer<TCustomComboBox>("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight),
    };
}
