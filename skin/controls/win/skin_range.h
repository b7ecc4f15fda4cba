#pragma once
// The range and header control skins: progress bars (TSkinProgress), track bar thumbs
// (TSkinTrackBar), header controls (TSkinHeader), and list views: their scroll bars plus a
// header skin (TSkinListView).

#include "skin/controls/win/skin_control.h"
#include "skin/controls/win/skin_scroll_bars.h"

// After <windows.h>, which the skin base brings.
#include <commctrl.h>

namespace skin::win {

class TSkinProgress : public TSkinControl {
    T_CLASS(TSkinProgress, TSkinControl)
public:
    using TSkinControl::TSkinControl;

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

// Only the thumb is the skin's: drawn in answer to the track bar's custom-draw notification.
// A framework track bar gets the notification reflected to itself (CN_NOTIFY); for a bare track
// bar the skin also sits on the parent's procedure and answers the notifications its skinned
// track bars send there, passing everything else on.
class TSkinTrackBar : public TSkinControl {
    T_CLASS(TSkinTrackBar, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    ~TSkinTrackBar() override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    void RestoreColors() override;
    // Repaints only: a skin change leaves the keyboard focus where it is.
    void SkinChange() override;

    // The answer to one custom-draw notification of the track bar.
    LRESULT AnswerCustomDraw(const NMCUSTOMDRAW& draw);

protected:
    bool BeforeProc(TMessage& message) override;

private:
    void DrawThumb(HDC dc);
    void ReleaseParent();
    HWND hookedParent_ = nullptr;
};

// Attached by handle to a header control; draws the items from the skin's HeaderBar object.
class TSkinHeader : public TSkinControl {
    T_CLASS(TSkinHeader, TSkinControl)
public:
    using TSkinControl::TSkinControl;

protected:
    bool BeforeProc(TMessage& message) override;
    void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinListView : public TSkinScrollbar {
    T_CLASS(TSkinListView, TSkinScrollbar)
public:
    using TSkinScrollbar::TSkinScrollbar;
    void InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    TSkinHeader* Header() const { return header_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The header went with the old window: the new one gets a header skin.
    void WindowRecreated() override;

private:
    void AttachHeader();
    TSkinHeader* header_ = nullptr;  // owned by this skin
};

}  // namespace skin::win
