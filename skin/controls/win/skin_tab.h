#pragma once
// Tab controls and page controls drawn from the skin's tab images: the control paints itself,
// then the skin paints the tab strip (one tab image per tab, the current one in its own frame)
// and the page border over it, for tabs on any of the four sides.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "skin/controls/tab_geometry.h"
#include "skin/controls/win/skin_control.h"
#include "skin/data/pixels.h"

namespace skin::win {

// Scroll arrows a tab skin finds: a tab control's own arrows or a tab set's scroller.
enum class TabArrowsPlace { TabControl, TabSetScroller };

// Gives the arrows window `arrows` its own skin, owned by `owner`; returns it (or null). By
// default the arrows get an up-down skin; a test may watch the hand-over with a skinner of its
// own, and null puts the default back.
using TabArrowsSkinner = TSkinControl* (*)(TSkinForm* form, TSkinData* data, HWND arrows, TComponent* owner,
                                           TabArrowsPlace place);
void SetTabArrowsSkinner(TabArrowsSkinner skinner);
TabArrowsSkinner CurrentTabArrowsSkinner();

// The image at `imageIndex` of `images` (when there is one) and the text beside it, centred in
// `rect` together, in the DC's current font and text colour.
void DrawImageCaption(HDC dc, const RECT& rect, HIMAGELIST images, int imageIndex, const std::wstring& text);

class TSkinTab : public TSkinControl {
    T_CLASS(TSkinTab, TSkinControl)
public:
    using TSkinControl::TSkinControl;
    void InitSkin(TSkinForm* form, TSkinData* skinData, bool setColor) override;
    void InitSkinHandle(HWND handle, TSkinData* skinData, TSkinForm* form) override;
    void SkinChange() override;

    skin::controls::TabOrientation Orientation() const { return orientation_; }
    // The prepared images: the tab strip (flipped for bottom tabs) and the page border (flipped
    // or turned to the tabs' side); each empty when the skin has no such image.
    const skin::Bitmap& TabImage() const { return tabImage_; }
    const skin::Bitmap& BorderImage() const { return borderImage_; }
    // The control's scroll arrows window once seen, and the skin they were given.
    HWND ArrowsWindow() const { return arrows_; }
    TSkinControl* ArrowsSkin() const { return upDown_; }

protected:
    void DrawControl(HDC dc, const RECT& rect) override;
    void Notification(TComponent* component, TOperation operation) override;
    // The arrows went with the old window: the new ones get their skin.
    void WindowRecreated() override;

private:
    void PrepareImages();
    // Looks for the arrows child (skinning it the first time); true when it shows.
    bool FindArrows();
    void DrawStrip(HDC dc, const RECT& rect, const skin::controls::Rect& page, bool arrowsShown);

    skin::controls::TabOrientation orientation_ = skin::controls::TabOrientation::Top;
    skin::Bitmap tabImage_;
    skin::Bitmap borderImage_;
    HWND arrows_ = nullptr;
    TSkinControl* upDown_ = nullptr;
};

}  // namespace skin::win
