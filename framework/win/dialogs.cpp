#include "framework/win/dialogs.h"

#include "framework/win/application.h"
#include "framework/win/std_ctrls.h"
#include "framework/win/text.h"

#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

TMessageForm::TMessageForm(TComponent* owner, const std::string& message) : TForm(owner), message_(message) {
    SetName("MessageForm");
    SetCaption("Information");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);

    // Text block: wrapped at half the screen width.
    const int maxTextWidth = std::max(Screen->Width() / 2, 100);
    RECT textRect{0, 0, maxTextWidth, 0};
    {
        base::win::WindowDc screen(nullptr);
        base::win::ScopedSelectObject select(screen.Get(), Font()->Handle());
        const std::wstring text = WidenText(message.empty() ? std::string(" ") : message);
        DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    }
    const int textLeft = kMargin + kIconSize + kMargin;
    const int textHeight = textRect.bottom;
    const int blockHeight = std::max(kIconSize, textHeight);
    iconRect_ = RECT{kMargin, kMargin, kMargin + kIconSize, kMargin + kIconSize};

    auto* label = new TLabel(this);
    label->SetName("Message");
    label->SetParent(this);
    label->SetAutoSize(false);
    label->SetWordWrap(true);
    label->SetBounds(textLeft, kMargin + (blockHeight - textHeight) / 2, textRect.right, textHeight);
    label->SetCaption(message);

    const int clientWidth = std::max<int>(textLeft + textRect.right + kMargin, kButtonWidth + 2 * kMargin);
    auto* ok = new TButton(this);
    ok->SetName("OK");
    ok->SetParent(this);
    ok->SetCaption("OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    ok->SetCancel(true);
    ok->SetBounds((clientWidth - kButtonWidth) / 2, kMargin + blockHeight + kMargin, kButtonWidth, kButtonHeight);
    SetActiveControl(ok);

    SetClientSize(clientWidth, kMargin + blockHeight + kMargin + kButtonHeight + kMargin);
}

void TMessageForm::PaintWindow(HDC dc) {
    TForm::PaintWindow(dc);
    HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
    if (icon != nullptr)
        DrawIconEx(dc, iconRect_.left, iconRect_.top, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}

void ShowMessage(const std::string& message) {
    auto* form = new TMessageForm(nullptr, message);
    try {
        form->ShowModal();
    } catch (...) {
        form->Free();
        throw;
    }
    form->Free();
}
