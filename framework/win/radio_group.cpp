#include "framework/control_layout.h"
#include "framework/win/ext_ctrls.h"

#include <algorithm>

// The items of a radio group; every change rebuilds the group's buttons.
class TRadioGroupStrings : public TStringList {
public:
    explicit TRadioGroupStrings(TCustomRadioGroup* group) : group_(group) {}
    void Clear() override {
        TStringList::Clear();
        group_->ItemsChanged();
    }
    int Add(const std::string& line) override {
        const int index = TStringList::Add(line);
        group_->ItemsChanged();
        return index;
    }

private:
    TCustomRadioGroup* group_;
};

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner), items_(std::make_unique<TRadioGroupStrings>(this)) {}

TCustomRadioGroup::~TCustomRadioGroup() = default;

void TCustomRadioGroup::ItemsChanged() {
    if (Destroying()) return;
    const int count = items_->Count();
    while (static_cast<int>(buttons_.size()) > count) {
        TRadioButton* last = buttons_.back();
        buttons_.pop_back();
        last->Free();
    }
    while (static_cast<int>(buttons_.size()) < count) {
        auto* button = new TRadioButton(nullptr);
        button->OnClick = [this, button](TObject*) { ButtonClicked(button); };
        button->SetParent(this);
        buttons_.push_back(button);
    }
    for (int i = 0; i < count; ++i) buttons_[static_cast<std::size_t>(i)]->SetCaption(items_->Get(i));
    if (itemIndex_ >= count) itemIndex_ = -1;
    SetItemIndex(itemIndex_);
    ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    const SIZE text = [this] {
        HDC screen = GetDC(nullptr);
        SIZE size{0, 13};
        {
            base::win::ScopedSelectObject font(screen, Font()->Handle());
            GetTextExtentPoint32W(screen, L"0", 1, &size);
        }
        ReleaseDC(nullptr, screen);
        return size;
    }();
    const int count = static_cast<int>(buttons_.size());
    for (int i = 0; i < count; ++i) {
        const TCellBounds cell = RadioGroupButtonBounds(i, count, columns_, Width(), Height(), text.cy);
        buttons_[static_cast<std::size_t>(i)]->SetBounds(cell.Left, cell.Top, cell.Width, cell.Height);
    }
}

void TCustomRadioGroup::SetItemIndex(int value) {
    if (value < -1 || value >= static_cast<int>(buttons_.size())) value = -1;
    const bool changed = value != itemIndex_;
    itemIndex_ = value;
    updating_ = true;
    if (value >= 0) {
        buttons_[static_cast<std::size_t>(value)]->SetChecked(true);
    } else {
        for (TRadioButton* button : buttons_) button->SetChecked(false);
    }
    updating_ = false;
    // Like a click on the button, a new selection made in code runs OnClick.
    if (changed && value >= 0) Click();
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* button) {
    if (updating_ || !button->Checked()) return;
    const auto it = std::find(buttons_.begin(), buttons_.end(), button);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}

void TCustomRadioGroup::SetColumns(int value) {
    value = std::clamp(value, 1, 16);
    if (value == columns_) return;
    columns_ = value;
    ArrangeButtons();
    Invalidate();
}

void TCustomRadioGroup::BoundsChanged() {
    TCustomGroupBox::BoundsChanged();
    ArrangeButtons();
}

void TCustomRadioGroup::WndProc(TMessage& message) {
    TCustomGroupBox::WndProc(message);
    if (message.Msg == CM_FONTCHANGED) ArrangeButtons();
    if (message.Msg == CM_TEXTCHANGED) Invalidate();
}

TPropList TCustomRadioGroup::Published() {
    return {
        propdef::Object<TCustomRadioGroup, TStrings>("Items", &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems),
        propdef::Integer<TCustomRadioGroup>("ItemIndex", &TCustomRadioGroup::ItemIndex,
                                            &TCustomRadioGroup::SetItemIndex),
        propdef::Integer<TCustomRadioGroup>("Columns", &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns),
    };
}
