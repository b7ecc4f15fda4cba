#include "skin/controls/win/skin_edit.h"

#include <cwctype>
#include <string>

#include "base/win/handles.h"
#include "framework/win/win_control.h"
#include "skin/controls/win/skin_up_down.h"

namespace skin::win {

namespace {

bool IsArrowClass(HWND window) {
    wchar_t name[101]{};
    GetClassNameW(window, name, 100);
    std::wstring lower(name);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
    return lower == L"msctls_updown32" || lower.find(L"spin") != std::wstring::npos ||
           lower.find(L"updown") != std::wstring::npos;
}

void FrameInColor(HDC dc, const RECT& rect, COLORREF color) {
    base::win::UniqueHBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.Get());
}

}  // namespace

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
    TSkinControl::Notification(component, operation);
    if (operation == opRemove && component == upDown_) upDown_ = nullptr;
}

void TSkinEdit::WindowRecreated() {
    delete upDown_;  // leaving, it drops out of the form skin's list
    upDown_ = nullptr;
}

bool TSkinEdit::BeforeProc(TMessage& message) {
    if (message.Msg != WM_PRINT) return TSkinControl::BeforeProc(message);
    // The system's printing may leave the DC's origin on the client area: the border goes on
    // the DC as the caller handed it.
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    const int saved = dc != nullptr ? SaveDC(dc) : 0;
    CallOldProc(message);
    if (saved != 0) RestoreDC(dc, saved);
    PrintBorder(dc);
    return false;
}

void TSkinEdit::AfterProc(TMessage& message) {
    switch (message.Msg) {
        case WM_PAINT: PaintControl(reinterpret_cast<HDC>(message.WParam)); return;
        case WM_NCPAINT: PaintControl(nullptr); return;  // the edge comes back with each frame paint
        default: TSkinControl::AfterProc(message); return;
    }
}

void TSkinEdit::FindUpDown() {
    if (upDown_ != nullptr || handle_ == nullptr) return;
    for (HWND child = GetTopWindow(handle_); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsArrowClass(child)) continue;
        upDown_ = AttachUpDownSkin(form_, skinData_, child, this, UpDownPlacement::InEdit);
        return;
    }
}

COLORREF TSkinEdit::FieldColor() const {
    if (control_ != nullptr) return ColorToRGB(control_->Color());
    return RGB(255, 255, 255);
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
    FindUpDown();
    RECT client{};
    GetClientRect(handle_, &client);
    if (client.right == rect.right - rect.left || client.bottom == rect.bottom - rect.top) return;
    // The rings stay on the border: with a two-pixel edge the innermost would cover the first
    // row and column of the text.
    POINT clientOrigin{0, 0};
    RECT window{};
    ClientToScreen(handle_, &clientOrigin);
    GetWindowRect(handle_, &window);
    const int left = rect.left + clientOrigin.x - window.left, top = rect.top + clientOrigin.y - window.top;
    base::win::ScopedSaveDc saved(dc);
    ExcludeClipRect(dc, left, top, left + client.right, top + client.bottom);
    RECT frame = rect;
    FrameInColor(dc, frame, ColorToRGB(Objects().ButtonShadowColor));
    const COLORREF field = FieldColor();
    for (int i = 0; i < 2; ++i) {
        InflateRect(&frame, -1, -1);
        FrameInColor(dc, frame, field);
    }
}

void TSkinEdit::PrintBorder(HDC dc) {
    if (handle_ == nullptr) return;
    RECT window{}, client{};
    if (!GetWindowRect(handle_, &window) || !GetClientRect(handle_, &client)) return;
    const RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    if (client.right + 2 >= r.right || client.bottom + 2 >= r.bottom) return;
    const auto draw = [&](HDC target) {
        RECT inner = r;
        InflateRect(&inner, -1, -1);
        FrameInColor(target, inner, FieldColor());
        FrameInColor(target, r, ColorToRGB(Objects().ButtonShadowColor));
    };
    if (dc != nullptr) {
        draw(dc);
        return;
    }
    base::win::WindowDc own(handle_, base::win::WindowDc::Area::Window);
    if (own.Get() != nullptr) draw(own.Get());
}

}  // namespace skin::win
