#include "framework/control_layout.h"
#include "framework/win/comctrls.h"
#include "framework/win/text.h"

void TStatusPanel::Changed() { owner_->UpdatePanels(); }

void TStatusPanel::SetText(const std::string& value) {
    if (value == text_) return;
    text_ = value;
    Changed();
}

void TStatusPanel::SetWidth(int value) {
    if (value == width_) return;
    width_ = value;
    Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
    if (value == bevel_) return;
    bevel_ = value;
    Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
    if (value == style_) return;
    style_ = value;
    Changed();
}

int TStatusPanel::Index() const {
    const auto& items = owner_->Panels()->items_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == this) return static_cast<int>(i);
    }
    return -1;
}

TPropList TStatusPanel::Published() {
    return {
        propdef::String<TStatusPanel>("Text", &TStatusPanel::Text, &TStatusPanel::SetText),
        propdef::Integer<TStatusPanel>("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth),
        propdef::Enumeration<TStatusPanel, TStatusPanelBevel>("Bevel", {"pbNone", "pbLowered", "pbRaised"},
                                                              &TStatusPanel::Bevel, &TStatusPanel::SetBevel),
        propdef::Enumeration<TStatusPanel, TAlignment>("Alignment", {"taLeftJustify", "taRightJustify", "taCenter"},
                                                       &TStatusPanel::Alignment, &TStatusPanel::SetAlignment),
        propdef::Enumeration<TStatusPanel, TStatusPanelStyle>("Style", {"psText", "psOwnerDraw"}, &TStatusPanel::Style,
                                                              &TStatusPanel::SetStyle),
    };
}

TStatusPanels::~TStatusPanels() = default;

TStatusPanel* TStatusPanels::Add() {
    items_.push_back(std::make_unique<TStatusPanel>(owner_));
    owner_->UpdatePanels();
    return items_.back().get();
}

void TStatusPanels::Clear() {
    items_.clear();
    owner_->UpdatePanels();
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(std::make_unique<TStatusPanels>(this)) {
    TControl::SetBounds(0, 0, 150, 19);
}

TStatusBar::~TStatusBar() { Unhook(); }

void TStatusBar::BeforeDestruction() {
    Unhook();
    TWinControl::BeforeDestruction();
}

void TStatusBar::CreateParams(TCreateParams& params) {
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX init{};
        init.dwSize = sizeof(init);
        init.dwICC = ICC_BAR_CLASSES;
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)initialized;
    TWinControl::CreateParams(params);
    params.BaseClassName = STATUSCLASSNAMEW;
    params.Style |= CCS_BOTTOM;
    if (sizeGrip_) params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
    UpdatePanels();
    SendMessageW(Handle(), WM_SIZE, 0, 0);  // to the bottom of the parent
}

void TStatusBar::SetParent(TWinControl* parent) {
    Unhook();
    TWinControl::SetParent(parent);
    if (parent == nullptr) return;
    // The bar places itself when told of a size change: pass on the parent's.
    hooked_ = parent;
    parent->AddMessageHook(this, [this](TMessage& message, const TMessageNext& next) {
        next(message);
        if (message.Msg == WM_SIZE && HandleAllocated()) SendMessageW(Handle(), WM_SIZE, 0, 0);
    });
}

void TStatusBar::Unhook() {
    if (hooked_ != nullptr && IsLive(hooked_)) hooked_->RemoveMessageHook(this);
    hooked_ = nullptr;
}

void TStatusBar::SetSimplePanel(bool value) {
    if (value == simplePanel_) return;
    simplePanel_ = value;
    UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& value) {
    if (value == simpleText_) return;
    simpleText_ = value;
    UpdatePanels();
}

void TStatusBar::SetSizeGrip(bool value) {
    if (value == sizeGrip_) return;
    sizeGrip_ = value;
    RecreateWnd();
}

void TStatusBar::UpdatePanels() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    SendMessageW(window, SB_SIMPLE, simplePanel_ ? TRUE : FALSE, 0);
    if (simplePanel_) {
        const std::wstring text = WidenText(simpleText_);
        SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    std::vector<int> widths;
    for (int i = 0; i < panels_->Count(); ++i) widths.push_back(panels_->Items(i)->Width());
    if (widths.empty()) widths.push_back(0);  // one part across the bar
    std::vector<int> edges = StatusBarPartEdges(widths);
    SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < panels_->Count(); ++i) {
        const TStatusPanel* panel = panels_->Items(i);
        WPARAM flags = static_cast<WPARAM>(i);
        if (panel->Bevel() == pbNone) flags |= SBT_NOBORDERS;
        if (panel->Bevel() == pbRaised) flags |= SBT_POPOUT;
        if (panel->Style() == psOwnerDraw) {
            SendMessageW(window, SB_SETTEXTW, flags | SBT_OWNERDRAW, reinterpret_cast<LPARAM>(panel));
            continue;
        }
        // A tab before the text centres it, two put it on the right.
        const std::string prefix = panel->Alignment() == taCenter         ? "\t"
                                   : panel->Alignment() == taRightJustify ? "\t\t"
                                                                          : "";
        const std::wstring text = WidenText(prefix + panel->Text());
        SendMessageW(window, SB_SETTEXTW, flags, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (panels_->Count() == 0) SendMessageW(window, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
}

void TStatusBar::WndProc(TMessage& message) {
    if (message.Msg == CN_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        const int index = static_cast<int>(item->itemID);
        if (OnDrawPanel && index >= 0 && index < panels_->Count()) {
            base::win::ScopedSaveDc save(item->hDC);
            TCanvas::PaintScope scope(canvas_, item->hDC);
            canvas_.Font()->Assign(Font());
            canvas_.Brush()->SetColor(Color());
            OnDrawPanel(this, panels_->Items(index), item->rcItem);
        }
        message.Result = TRUE;
        return;
    }
    TWinControl::WndProc(message);
}

TPropList TStatusBar::Published() {
    return {
        propdef::Object<TStatusBar, TStatusPanels>("Panels", &TStatusBar::Panels, nullptr),
        propdef::Boolean<TStatusBar>("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel),
        propdef::String<TStatusBar>("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText),
        propdef::Boolean<TStatusBar>("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip),
    };
}
