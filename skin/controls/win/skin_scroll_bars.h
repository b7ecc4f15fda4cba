#pragma once
// The control skins that keep scroll-bar overlays (TWScrollbar) over real scroll bars: the
// window scroll bars of memos, tree views and list boxes (TSkinScrollbar), scroll bar controls
// (TSkinScControl), and the size boxes that scroll-bar windows can be (TSkinSizer).

#include <memory>

#include "skin/controls/win/scroll_overlay.h"
#include "skin/controls/win/skin_control.h"

namespace skin::win {

// A control with window scroll bars: one overlay for each bar.
class TSkinScrollbar : public TSkinControl {
    T_CLASS(TSkinScrollbar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScrollbar() override;
    void InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) override;
    void RestoreColors() override;
    void SkinChange() override;

    TWScrollbar* HorzBar() const { return horz_.get(); }
    TWScrollbar* VertBar() const { return vert_.get(); }

protected:
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
    // Lays the two overlays over the attached window's bars (`control` may be null: bare window).
    void CreateBars(TWinControl* control);

private:
    void UpdateBars();
    void RepaintBars();
    void FreeBars();
    bool drawBorder_ = false;
    bool addedClipSiblings_ = false;
    std::unique_ptr<TWScrollbar> horz_;
    std::unique_ptr<TWScrollbar> vert_;
};

// The window scroll bars of a bare window (the always-open list of a simple combo box).
class TSkinScrollbarH : public TSkinScrollbar {
    T_CLASS(TSkinScrollbarH, TSkinScrollbar)
public:
    using TSkinScrollbar::TSkinScrollbar;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
};

// A scroll bar control: one overlay over the whole control. Keyboard focus stays on the control.
class TSkinScControl : public TSkinControl {
    T_CLASS(TSkinScControl, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinScControl() override;
    void InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    void RestoreColors() override;
    void SkinChange() override;

    TWScrollbar* Bar() const { return bar_.get(); }

protected:
    bool BeforeProc(TMessage& message) override;
    void AfterProc(TMessage& message) override;

private:
    void CreateBar(bool vertical);
    void FreeBar();
    std::unique_ptr<TWScrollbar> bar_;
    bool addedClipSiblings_ = false;
};

// A size box or size grip: painted in the face colour with the skin's grip image.
class TSkinSizer : public TSkinControl {
    T_CLASS(TSkinSizer, TSkinControl)
public:
    using TSkinControl::TSkinControl;

protected:
    void DrawControl(HDC dc, const RECT& rect) override;
};

}  // namespace skin::win
