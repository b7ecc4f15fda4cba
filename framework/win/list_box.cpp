#include "framework/win/std_ctrls.h"

#include "framework/win/text.h"

#include <stdexcept>

// The items of a list box: the window's strings while it exists, the saved copy otherwise.
class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TCustomListBox* box) : box_(box) {}

    int Count() const override {
        if (!box_->HandleAllocated()) return static_cast<int>(box_->saved_.size());
        return static_cast<int>(SendMessageW(Window(), LB_GETCOUNT, 0, 0));
    }
    std::string Get(int index) const override {
        if (!box_->HandleAllocated()) return box_->saved_.at(static_cast<std::size_t>(index));
        const auto length = SendMessageW(Window(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length == LB_ERR) throw std::out_of_range("List box index out of range: " + std::to_string(index));
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(Window(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return NarrowText(text);
    }
    void Clear() override {
        box_->saved_.clear();
        box_->savedIndex_ = -1;
        if (box_->HandleAllocated()) SendMessageW(Window(), LB_RESETCONTENT, 0, 0);
    }
    int Add(const std::string& line) override {
        if (!box_->HandleAllocated()) {
            box_->saved_.push_back(line);
            return Count() - 1;
        }
        const std::wstring wide = WidenText(line);
        return static_cast<int>(SendMessageW(Window(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
    }

private:
    HWND Window() const { return static_cast<const TWinControl*>(box_)->Handle(); }
    TCustomListBox* box_;
};

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(this)) {
    TControl::SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.BaseClassName = L"LISTBOX";
    params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (sorted_) params.Style |= LBS_SORT;
    if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
    std::vector<std::string> lines;
    lines.swap(saved_);
    for (const std::string& line : lines) {
        const std::wstring wide = WidenText(line);
        SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(savedIndex_), 0);
}

void TCustomListBox::DestroyWnd() {
    savedIndex_ = ItemIndex();
    std::vector<std::string> lines;
    for (int i = 0; i < items_->Count(); ++i) lines.push_back(items_->Get(i));
    saved_ = std::move(lines);
}

int TCustomListBox::ItemIndex() const {
    if (!HandleAllocated()) return savedIndex_;
    return static_cast<int>(SendMessageW(TWinControl::Handle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int value) {
    if (value < -1 || value >= items_->Count()) value = -1;
    savedIndex_ = value;
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void TCustomListBox::SetSorted(bool value) {
    if (value == sorted_) return;
    sorted_ = value;
    RecreateWnd();
}

void TCustomListBox::SetBorderStyle(TBorderStyle value) {
    if (value != bsNone) value = bsSingle;
    if (value == borderStyle_) return;
    borderStyle_ = value;
    RecreateWnd();
}

void TCustomListBox::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND) {
        if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TCustomListBox::Published() {
    return {
        propdef::Object<TCustomListBox, TStrings>("Items", &TCustomListBox::Items, &TCustomListBox::SetItems),
        propdef::Integer<TCustomListBox>("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex),
        propdef::Boolean<TCustomListBox>("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted),
        propdef::Enumeration<TCustomListBox, TBorderStyle>(
            "BorderStyle", {"bsNone", "bsSingle"}, &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle),
    };
}
