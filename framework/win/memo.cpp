#include "framework/win/std_ctrls.h"

namespace {

// The memo's lines, kept in the memo's text (lines joined by CR LF).
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

    int Count() const override { return static_cast<int>(SplitLines(memo_->Text()).size()); }
    std::string Get(int index) const override { return SplitLines(memo_->Text()).at(static_cast<std::size_t>(index)); }
    void Clear() override { memo_->SetText(""); }
    int Add(const std::string& line) override {
        std::vector<std::string> lines = SplitLines(memo_->Text());
        lines.push_back(line);
        memo_->SetText(Join(lines));
        return static_cast<int>(lines.size()) - 1;
    }
    void SetText(const std::string& text) override { memo_->SetText(Join(SplitLines(text))); }

private:
    static std::string Join(const std::vector<std::string>& lines) {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0) text += "\r\n";
            text += lines[i];
        }
        return text;
    }

    TCustomMemo* memo_;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
    TControl::SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!wordWrap_ || scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) params.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) params.Style |= WS_HSCROLL;
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
    if (value == scrollBars_) return;
    scrollBars_ = value;
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    RecreateWnd();
}

void TCustomMemo::WndProc(TMessage& message) {
    if (message.Msg == WM_GETDLGCODE) {
        TCustomEdit::WndProc(message);
        // Tab moves the focus on; the memo keeps Enter and the arrows.
        if (message.WParam == VK_TAB) {
            message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
        } else {
            message.Result |= DLGC_WANTALLKEYS;
        }
        return;
    }
    TCustomEdit::WndProc(message);
}

TPropList TCustomMemo::Published() {
    return {
        propdef::Object<TCustomMemo, TStrings>("Lines", &TCustomMemo::Lines, &TCustomMemo::SetLines),
        propdef::Enumeration<TCustomMemo, TScrollStyle>("ScrollBars",
                                                        {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                                        &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars),
        propdef::Boolean<TCustomMemo>("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap),
    };
}
