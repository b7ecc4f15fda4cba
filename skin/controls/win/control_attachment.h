#pragma once
// The walk that gives the controls of a skinned window their control skins: framework controls
// by the ordered table, the Skin3rd class-name mapping and the OnSkinControl event; bare windows
// by window class and style. The only place control skins are created.

#include <windows.h>

#include <string>

#include "skin/controls/attach_table.h"

class TComponent;
class TControl;
class TWinControl;

namespace skin::win {

class TSkinControl;
class TSkinForm;

// A window that is a framework form or container: owned controls first, then the tab order.
void SkinChildControls(TSkinForm& form, TWinControl* container);
// Every control owned by `owner`, in ownership order.
void SkinOwnedControls(TSkinForm& form, TComponent* owner);
// Chooses and attaches at most one skin for one framework control (may recurse).
void SkinControl(TSkinForm& form, TControl* control, TComponent* owner);
// Applies the Skin3rd line for the class; true when there is one (whatever it attached).
bool SkinByMapping(TSkinForm& form, const std::string& className, TControl* control);
// Every child window of `parent`, top to bottom of the z-order.
void SkinChildWindows(TSkinForm& form, HWND parent);
// One bare window by its class and style.
void SkinWindow(TSkinForm& form, HWND window);

bool IsControlSkinned(const TSkinForm& form, const TControl* control);
bool HasScrollBars(const TControl* control);

// A new, unattached skin of `kind` owned by `owner`; null for a kind without a skin class.
TSkinControl* CreateControlSkin(skin::controls::SkinKind kind, TComponent* owner);

}  // namespace skin::win
