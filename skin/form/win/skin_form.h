#pragma once
// TSkinForm: the form skin that takes over the non-client area of one top-level window (a
// framework form or a bare window such as a "#32770" dialog): frame, caption, caption buttons,
// window region, system menu and menu bar, all drawn from the skin; everything it changed is
// put back when the skin is switched off or the window goes.

#include <windows.h>

#include "framework/component.h"

class TCustomForm;

namespace skin::win {

class TSkinData;

class TSkinForm : public TComponent {
    T_CLASS(TSkinForm, TComponent)
public:
    // owner: the framework form, or null for a bare window.
    explicit TSkinForm(TComponent* owner);
    ~TSkinForm() override;

    // Whether `skin` is a live form skin (the manager's list may outlive a form skin whose form
    // freed it without the manager noticing).
    static bool IsLive(const TSkinForm* skin);

    HWND Handle = nullptr;
    const void* SkinDataOwner = nullptr;

    void AttachForm(TSkinData* skinData, TCustomForm* form);
    void Attach(TSkinData* skinData);
    void Detach();
    void FreeCaptionButtons();
    void MeasureFrame();
    // Re-applies the skin's form colour (and frame) after a skin change.
    void ReapplySkin();
    void SetCaptionStyles(bool restore);
    void UpdateRegion();
    void RemoveRegion();
    void FrameChanged();

    TSkinData* SkinData() const;
    int Phase() const;        // 0 created, 1 active, 3 re-applying, 4 being destroyed, 5 fitting, 6 window gone
    int MdiRole() const;      // 0 ordinary, 1 MDI frame, 2 MDI child
    int WindowState() const;  // 0 normal, 1 maximised, 2 minimised
    bool HasRegion() const;

private:
    /* implementation owned by the form skin */
};

}  // namespace skin::win
