#pragma once
// TSkinControl: the base of every control skin. A control skin is attached to one control (a
// framework control with a window, a windowless framework control, or a bare window of any
// origin), sees each of its messages first, lets the control do its own work and paints it
// again from the skin. Detaching puts the control's procedure back.

#include <windows.h>

#include <cstdint>
#include <exception>
#include <optional>
#include <string_view>
#include <string>

#include "framework/component.h"
#include "framework/win/controls.h"
#include "skin/data/skin_objects_set.h"

class TWinControl;

namespace skin::win {

class TSkinData;
class TSkinForm;

// A failure of the control's own code (its procedure, its click or mouse handling) that passed
// through a skin: it goes on to the caller as it would without the skin, while a failure of the
// skin's own work on a message is skipped there.
struct ControlCodeFailure {
    std::exception_ptr Error;
};

// How a skin image treats its magenta pixels.
enum class Transparency {
    AsObject,  // as the skin object's Trans flag says
    Always,    // magenta is clear whatever the flag
    Never,     // every pixel is drawn
};

class TSkinControl : public TComponent {
    T_CLASS(TSkinControl, TComponent)
public:
    // Hot and pressed bits of State().
    static constexpr std::uint8_t kHot = 1;
    static constexpr std::uint8_t kPressed = 2;
    // Life states.
    static constexpr int kCreated = 0;
    static constexpr int kAttached = 1;
    static constexpr int kWindowGone = 6;

    explicit TSkinControl(TComponent* owner);
    ~TSkinControl() override;

    // Attach to the windowed framework control that owns the skin.
    virtual void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor);
    // Attach to a bare window through its window procedure.
    virtual void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form);
    // Attach to a window inside a framework control (the inner combo box of an extended combo)
    // through that window's procedure; the skin belongs to and reports `host`.
    void InitSkinInside(TWinControl* host, HWND inner, TSkinData* skinData, TSkinForm* form);
    // Attach as a scroll-bar manager; the base attaches as InitSkin without colours.
    virtual void InitScrollBars(TWinControl* control, TSkinData* skinData, TSkinForm* form);
    // Attach to the windowless framework control that owns the skin.
    void InitSkinGraphic(TSkinForm* form, TSkinData* skinData);
    // Gives back Color and ParentBackground.
    virtual void RestoreColors();
    // Re-applies the skin colour and repaints (after a skin change).
    virtual void SkinChange();
    // The walk gave the control the skin's face colour: a skin change gives it the new one.
    void FollowFaceColor() { followsFaceColor_ = true; }

    // The skin on a bare window, or null.
    static TSkinControl* FromWindow(HWND window);

    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    TControl* GraphicControl() const { return graphicControl_; }
    // The framework control the skin draws (windowed or not), or null on the bare path.
    TControl* SkinnedControl() const;
    TSkinForm* Form() const { return form_; }
    TSkinData* SkinData() const { return skinData_; }
    int LifeState() const { return lifeState_; }
    bool Active() const { return active_; }
    bool Inited() const { return inited_; }
    bool UsesSetColor() const { return setColor_; }
    std::uint8_t State() const { return state_; }

    // Invalidates the control (and updates a bare window at once).
    void Repaint();
    // Sends the mouse-leave notification to this skin's control.
    void SendMouseLeave();
    // Lets go of the control now: its procedure or message method is put back.
    void Detach();

protected:
    // Pre-filter: false means the message is fully handled here.
    virtual bool BeforeProc(TMessage& message);
    // After the control's own procedure ran.
    virtual void AfterProc(TMessage& message);
    // Paints the whole window (borders included) into `dc`, or into the window DC when null.
    virtual void PaintControl(HDC dc);
    // Draws the skin into `dc` inside `rect` (window coordinates).
    virtual void DrawControl(HDC dc, const RECT& rect);
    // DrawControl with its failures swallowed: the control keeps what it painted itself.
    void DrawSafely(HDC dc, const RECT& rect);
    // Takes the child window `child` (arrows, a scroller sitting on the control) out of the
    // clipping of `dc`, a DC of this control's window: what the child drew of itself stays.
    void ExcludeChildWindow(HDC dc, HWND child) const;

    void SkinWndProc(TMessage& message);
    void CallOldProc(TMessage& message);
    // Runs code of the control (or of the program behind it) from inside the skin: its failures
    // are the control's, not the skin's, and go on to the window procedure's caller.
    template <class Code>
    static void RunControlCode(Code&& code) {
        try {
            code();
        } catch (const ControlCodeFailure&) {
            throw;
        } catch (...) {
            throw ControlCodeFailure{std::current_exception()};
        }
    }
    // After the framework gave the control a new window: descendants take up what lived on the
    // old window's children (inner edits, lists, arrows, headers).
    virtual void WindowRecreated() {}

    // Skin data shortcuts; Objects() is an empty set when there is no skin data.
    const TSkinObjects& Objects() const;
    bool HasOption(int option) const;
    TColor FaceColor() const;
    TColor ParentColor(TColor fallback) const;
    void FillFace(HDC dc, const RECT& rect) const;
    void FillParentColor(HDC dc, const RECT& rect) const;
    LONG_PTR GetLong(int index) const;
    std::wstring WindowText() const;
    // The font to draw with: the framework control's, else the window's own (WM_GETFONT).
    HFONT ControlFont() const;

    // Focus rectangle around the caption measured with `format` inside `rect`.
    void DrawFocus(HDC dc, UINT format, const RECT& rect);
    // Delivers a consumed left press to the framework control's mouse-down handling.
    void ForwardMouseDown(const TMessage& message);
    // WM_PAINT for skins that paint instead of the control.
    void PaintWhole(TMessage& message);
    // WM_ERASEBKGND: the parent's image (framework) or its colour (bare window).
    void EraseToParent(TMessage& message);
    void PaintParentImage(HDC dc, const RECT& rect);
    // Frame `frameIndex` (1-based) of `object`'s image cut into `frameCount` frames (a count below
    // 1 counts as 1), with the object's margins and tiling, magenta clear as `clear` says.
    // Nothing for a negative rect.
    void DrawSkinImage(HDC dc, const RECT& rect, int frameCount, int frameIndex, const TDataSkinObject& object,
                       Transparency clear = Transparency::AsObject) const;
    // Frame `index` of `bitmap` cut into `frameCount` frames (below 1 counts as 1), stretched to
    // `rect`, magenta clear.
    static void DrawFrameStretched(HDC dc, const RECT& rect, int frameCount, int index, const skin::Bitmap& bitmap);
    // An enumeration property read by name, lower-cased (a boolean reads "true"/"false").
    static std::optional<std::string> LowerEnumProp(const TObject* object, std::string_view name);
    // A boolean property read by name that is "True" (any letter case); false when missing.
    static bool PropIsTrue(const TObject* object, std::string_view name);
    // Height of the text "0" in the DC's font: where captions and group-box frames line up.
    static int TextHeightOfZero(HDC dc);
    // Where a caption measured with align | format goes in `rect`: centred across (DT_CENTER) or
    // as wide as `rect`, and centred down (one pixel high of the middle).
    static RECT CaptionBox(HDC dc, const std::wstring& text, const RECT& rect, UINT align, UINT format);
    // Centred (align 1) or full-width caption, vertically centred; grey when disabled.
    static void DrawCaptionText(HDC dc, const RECT& rect, UINT align, bool enabled, const std::wstring& text);

    std::uint8_t state_ = 0;
    bool enabledWnd_ = true;
    bool focused_ = false;
    std::wstring caption_;
    bool active_ = true;
    bool unicode_ = true;
    TSkinData* skinData_ = nullptr;
    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    TControl* graphicControl_ = nullptr;
    TWinControl* hostControl_ = nullptr;  // InitSkinInside only
    RECT windowRect_{};
    bool setColor_ = false;
    TColor oldColor_ = 0;
    bool inited_ = false;
    int lifeState_ = kCreated;
    TSkinForm* form_ = nullptr;
    std::uint8_t flag_ = 0;
    bool parentBack_ = false;
    bool trackingLeave_ = false;  // bare windows: WM_MOUSELEAVE requested
    bool followsFaceColor_ = false;

private:
    friend LRESULT CALLBACK ControlSkinWindowProc(HWND, UINT, WPARAM, LPARAM);
    // The window-procedure boundary: SkinWndProc for one message. A failure of the skin's own
    // work is skipped (the control still gets the message when it has not yet); a failure of
    // the control's code goes on.
    void Dispatch(TMessage& message);
    // After the framework re-created the control's window.
    void Revive();

protected:
    // Colour and ParentBackground of a SetColor skin: the face colour, opaque.
    void TakeOverColors();

private:
    void HookControl(TControl* control);
    void UnhookControl();
    void SubclassWindow(HWND window);
    void UnsubclassWindow();

    bool hooked_ = false;  // a message hook sits on the framework control
    TControl* hookedControl_ = nullptr;
    const TMessageNext* next_ = nullptr;  // the rest of the control's chain while a message runs
    WNDPROC oldProc_ = nullptr;           // bare path: the replaced window procedure
    bool subclassed_ = false;
};

}  // namespace skin::win
