#include "skin/controls/win/control_attachment.h"

#include <algorithm>
#include <vector>

#include "framework/typinfo.h"
#include "framework/win/forms.h"
#include "framework/win/std_ctrls.h"
#include "framework/win/win_control.h"
#include "skin/data/ascii_case.h"
#include "skin/data/win/skin_data.h"
#include "skin/controls/win/skin_control.h"
#include "skin/form/win/skin_form.h"
#include "skin/manager/win/skin_manager.h"

namespace skin::win {

namespace {

using skin::controls::AttachExtra;
using skin::controls::SkinKind;

bool IsA(const TControl* control, std::initializer_list<std::string_view> classNames) {
    return std::any_of(classNames.begin(), classNames.end(),
                       [control](std::string_view name) { return control->InheritsFrom(name); });
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

skin::controls::ControlFacts GatherFacts(const TControl* c, const TSkinData& data) {
    skin::controls::ControlFacts f;
    f.ClassUpper = Upper(c->ClassName());
    f.IsPageControl = IsA(c, {"TPageControl", "TCustomTabControl"});  // tab controls with or without pages
    f.IsToolButtonWithMenu = IsA(c, {"TToolButton"}) && GetObjectProp(c, "MenuItem") != nullptr;
    f.IsTabSheet = IsA(c, {"TTabSheet"});
    f.IsCheckBox = IsA(c, {"TCustomCheckBox", "TCheckBox"});
    f.IsTrackBar = IsA(c, {"TTrackBar"});
    f.IsRadioGroup = IsA(c, {"TCustomRadioGroup", "TRadioGroup"});
    f.IsCustomGroupBox = IsA(c, {"TCustomGroupBox"});
    f.IsRadioButton = IsA(c, {"TRadioButton"});
    f.IsToolBar = IsA(c, {"TToolBar"});
    f.IsStatusBar = IsA(c, {"TCustomStatusBar", "TStatusBar"});
    f.IsProgressBar = IsA(c, {"TProgressBar"});
    f.IsScrollBarControl = IsA(c, {"TScrollBar"});
    f.IsComboBox = IsA(c, {"TCustomComboBox", "TComboBox"});
    f.IsBitButton = IsA(c, {"TBitBtn"});
    f.IsSpeedButton = IsA(c, {"TSpeedButton"});
    f.IsCustomPanel = IsA(c, {"TCustomPanel"});
    f.IsListView = IsA(c, {"TCustomListView", "TListView"});
    f.IsCustomMemo = IsA(c, {"TCustomMemo"});
    f.IsColoredList = IsA(c, {"TCustomListBox", "TListBox"});
    f.HasScrollBars = HasScrollBars(c);
    f.IsButton = IsA(c, {"TButton"});
    f.IsCustomEdit = IsA(c, {"TCustomEdit"});
    f.IsFrame = IsA(c, {"TCustomFrame", "TFrame"});
    f.IsCustomForm = IsA(c, {"TCustomForm"});
    if (f.ClassUpper == "TDATETIMEPICKER") {
        const auto kind = GetEnumProp(c, "Kind");
        const auto mode = GetEnumProp(c, "DateMode");
        f.DatePickerAsEdit =
            (kind && skin::AsciiLower(*kind) == "dtktime") || (mode && skin::AsciiLower(*mode) == "dmupdown");
    }
    if (const auto buttons = GetIntProp(c, "NumButtons")) f.NumButtons = static_cast<int>(*buttons);
    f.SkinHasTabObject = data.Objects().Tabs != nullptr;
    return f;
}

// An extended combo draws nothing itself: the combo skin goes on the combo box inside it.
// Null for any other control.
HWND InnerComboOfExtended(const TWinControl* control, SkinKind kind) {
    if (kind != SkinKind::ComBox || control == nullptr || control->Handle() == nullptr) return nullptr;
    wchar_t name[16]{};
    GetClassNameW(control->Handle(), name, 16);
    if (!control->InheritsFrom("TComboBoxEx") && lstrcmpiW(name, L"ComboBoxEx32") != 0) return nullptr;
    return GetWindow(control->Handle(), GW_CHILD);
}

// Starts `skin` on `control` the way its kind attaches.
void StartSkin(TSkinControl* skin, TSkinForm& form, TControl* control, SkinKind kind, bool setColor) {
    TSkinData* data = form.SkinData();
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (const HWND inner = InnerComboOfExtended(windowed, kind)) {
        skin->InitSkinInside(windowed, inner, data, &form);
        return;
    }
    switch (kind) {
        case SkinKind::SpeedButton: skin->InitSkinGraphic(&form, data); break;
        case SkinKind::ObjImageCheck:
        case SkinKind::ObjImageRadio: skin->InitSkin(&form, data, setColor); break;  // windowed or not
        case SkinKind::Scrollbar:
        case SkinKind::ListView:
        case SkinKind::ScControl:
            if (windowed != nullptr) skin->InitScrollBars(windowed, data, &form);
            break;
        default:
            if (windowed != nullptr)
                skin->InitSkin(&form, data, setColor);
            else
                skin->InitSkinGraphic(&form, data);
            break;
    }
}

// True when a skin of the form skin's list sits on `window`, or the window says it has one.
bool IsWindowSkinned(const TSkinForm& form, HWND window) {
    const auto& skins = form.ControlSkins();
    if (std::any_of(skins.begin(), skins.end(), [window](const TSkinControl* s) { return s->Handle() == window; }))
        return true;
    return SendMessageW(window, SM_ISSKINNED, 0, 0) == 1;
}

// Creates and attaches one skin to a framework control; null when the kind has no skin class, the
// control has a skin already (no control ever gets two), or attaching failed.
TSkinControl* AttachTo(TSkinForm& form, TControl* control, SkinKind kind, bool setColor) {
    if (IsControlSkinned(form, control)) return nullptr;
    TSkinControl* skin = CreateControlSkin(kind, control);
    if (skin == nullptr) return nullptr;
    try {
        StartSkin(skin, form, control, kind, setColor);
    } catch (...) {
        delete skin;  // half attached: it lets go of whatever it took
        throw;
    }
    if (!skin->Inited()) {
        delete skin;
        return nullptr;
    }
    return skin;
}

void AttachByHandle(TSkinForm& form, HWND window, SkinKind kind) {
    if (window == nullptr || IsWindowSkinned(form, window)) return;
    TSkinControl* skin = CreateControlSkin(kind, &form);
    if (skin == nullptr) return;
    try {
        skin->InitSkinHandle(window, form.SkinData(), &form);
    } catch (...) {
        delete skin;
        throw;
    }
    if (!skin->Inited()) delete skin;
}

// The control's window, made now if it has none yet; null when it cannot be made.
HWND EnsureWindow(TWinControl* control) {
    try {
        return control->Handle();
    } catch (...) {
        return nullptr;  // a control without a window is left alone
    }
}

void ForEachChild(TControl* control, const std::function<void(TControl*)>& action) {
    auto* container = dynamic_cast<TWinControl*>(control);
    if (container == nullptr) return;
    std::vector<TControl*> children;
    for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
    for (TControl* child : children)
        if (TControl::IsLive(child)) action(child);
}

void SetColorToControlBackground(TControl* control, const TSkinData& data) {
    if (control != nullptr) control->SetColor(data.Objects().ButtonFaceColor);
}

// SkinControl and SkinWindow without their guard against failures.
void SkinOneControl(TSkinForm& form, TControl* control, TComponent* owner);
void SkinOneWindow(TSkinForm& form, HWND window);

}  // namespace

bool HasScrollBars(const TControl* control) {
    const auto* windowed = dynamic_cast<const TWinControl*>(control);
    if (windowed == nullptr) return false;
    if (windowed->HandleAllocated()) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(windowed->Handle(), GWL_STYLE));
        if ((style & (WS_HSCROLL | WS_VSCROLL)) != 0) return true;
    }
    return IsA(control, {"TMemo", "TCustomTreeView", "TCustomListBox", "TListBox", "TCustomListView", "TListView"}) ||
           control->Tag() == 55;
}

bool IsControlSkinned(const TSkinForm& form, const TControl* control) {
    if (control == nullptr) return false;
    const auto* windowed = dynamic_cast<const TWinControl*>(control);
    const HWND window = windowed != nullptr ? windowed->Handle() : nullptr;
    if (window != nullptr && SendMessageW(window, SM_ISSKINNED, 0, 0) == 1) return true;
    return std::any_of(form.ControlSkins().begin(), form.ControlSkins().end(), [&](const TSkinControl* skin) {
        return skin->SkinnedControl() == control || (window != nullptr && skin->Handle() == window);
    });
}

void SkinChildControls(TSkinForm& form, TWinControl* container) {
    if (container == nullptr || form.SkinData() == nullptr) return;
    form.PurgeControlSkins();
    SkinOwnedControls(form, container);
    if (!TControl::IsLive(container)) return;
    std::vector<TWinControl*> tabOrder;
    container->GetTabOrderList(tabOrder);
    for (TWinControl* entry : tabOrder)
        if (TControl::IsLive(entry) && !IsControlSkinned(form, entry)) SkinControl(form, entry, container);
}

void SkinOwnedControls(TSkinForm& form, TComponent* owner) {
    if (owner == nullptr) return;
    // Attaching adds skins to the owners' lists; walk a snapshot of the controls only.
    std::vector<TControl*> owned;
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(owner->Components(i))) owned.push_back(control);
    for (TControl* control : owned)
        if (TControl::IsLive(control)) SkinControl(form, control, owner);
}

void SkinControl(TSkinForm& form, TControl* control, TComponent* owner) {
    try {
        SkinOneControl(form, control, owner);
    } catch (...) {
        // A control whose skin could not be made stays as it is; the walk goes on without it.
    }
}

namespace {

void SkinOneControl(TSkinForm& form, TControl* control, TComponent* owner) {
    TSkinData* data = form.SkinData();
    if (control == nullptr || data == nullptr) return;
    if (skin::controls::TagDisablesSkin(control->Tag(), data->DisableTag()) || control->Parent() == nullptr ||
        IsControlSkinned(form, control))
        return;
    const std::string className = control->ClassName();
    const std::string classUpper = Upper(className);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed != nullptr && EnsureWindow(windowed) == nullptr)
        return;

    if (data->OnSkinControl) {
        TComponent* supplied = nullptr;
        data->OnSkinControl(&form, data, owner, control, classUpper, supplied);
        if (auto* skin = dynamic_cast<TSkinControl*>(supplied)) {
            const bool listed =
                std::find(form.ControlSkins().begin(), form.ControlSkins().end(), skin) != form.ControlSkins().end();
            if (!listed) {
                form.AddControlSkin(skin);
                skin->InitSkin(&form, data, skin->UsesSetColor());
                if (IsA(control, {"TCustomPanel"})) SkinOwnedControls(form, control);
            }
            return;
        }
    }

    if (SkinByMapping(form, className, control)) return;

    const TSkinControls enabled = data->SkinControls();
    const auto decision = skin::controls::ChooseBuiltInSkin(GatherFacts(control, *data), enabled);
    switch (decision.Extra) {
        case AttachExtra::ChildrenRadio:
            ForEachChild(control, [&](TControl* child) {
                if (!IsControlSkinned(form, child)) AttachTo(form, child, SkinKind::RadioButton, false);
            });
            break;
        case AttachExtra::FlatOn:
        case AttachExtra::ToolBar: SetEnumProp(control, "Flat", "True"); break;
        case AttachExtra::StatusBarGripOff: break;  // the status bar skin takes the grip over itself
        default: break;
    }
    TSkinControl* attached = nullptr;
    if (decision.Kind != SkinKind::None) {
        if (decision.Extra == AttachExtra::ByHandle) {
            if (auto* windowed = dynamic_cast<TWinControl*>(control))
                AttachByHandle(form, windowed->Handle(), decision.Kind);
        } else {
            attached = AttachTo(form, control, decision.Kind, decision.SetColor);
        }
    }
    if (decision.Extra == AttachExtra::ControlColor) {
        SetColorToControlBackground(control, *data);
        if (attached != nullptr) attached->FollowFaceColor();
    }
    if (decision.Extra == AttachExtra::SkinOwned && TControl::IsLive(control)) SkinOwnedControls(form, control);
}

}  // namespace

bool SkinByMapping(TSkinForm& form, const std::string& className, TControl* control) {
    TSkinData* data = form.SkinData();
    if (data == nullptr) return false;
    const auto keyword = skin::controls::FindMappingKeyword(data->Skin3rd(), className);
    if (!keyword) return false;
    const auto action =
        skin::controls::ActOnKeyword(*keyword, data->SkinControls(), data->Objects().Tabs != nullptr, Upper(className));
    if (action.TransparentOn) SetEnumProp(control, "Transparent", "True");
    if (action.Container) {
        ForEachChild(control, [&](TControl* child) {
            if (!IsControlSkinned(form, child)) SkinByMapping(form, child->ClassName(), child);
        });
        return true;
    }
    if (action.EmbedScrollBars) {
        ForEachChild(control, [&](TControl* child) {
            if (IsControlSkinned(form, child)) return;
            if (IsA(child, {"TScrollBar"}))
                AttachTo(form, child, SkinKind::ScControl, false);
            else if (HasScrollBars(child))
                AttachTo(form, child, SkinKind::Scrollbar, false);
        });
        return true;
    }
    if (action.ChildKind != SkinKind::None) {
        ForEachChild(control, [&](TControl* child) {
            if (!IsControlSkinned(form, child)) AttachTo(form, child, action.ChildKind, true);
        });
    }
    if (action.Kind == SkinKind::Edit && action.BorderedOnly) {
        auto* windowed = dynamic_cast<TWinControl*>(control);
        if (windowed == nullptr || windowed->Handle() == nullptr) return true;
        RECT window{}, client{};
        GetWindowRect(windowed->Handle(), &window);
        GetClientRect(windowed->Handle(), &client);
        if (window.right - window.left == client.right && window.bottom - window.top == client.bottom) return true;
    }
    if (action.Kind != SkinKind::None) AttachTo(form, control, action.Kind, action.SetColor);
    if (action.SkinOwnedAfter && TControl::IsLive(control)) SkinOwnedControls(form, control);
    return true;
}

void SkinChildWindows(TSkinForm& form, HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetTopWindow(parent); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) != 0) children.push_back(child);
    }
    for (HWND child : children)
        if (IsWindow(child)) SkinWindow(form, child);
}

void SkinWindow(TSkinForm& form, HWND window) {
    if (window == nullptr || form.SkinData() == nullptr) return;
    try {
        SkinOneWindow(form, window);
    } catch (...) {
        // A window whose skin could not be made stays as it is; the walk goes on without it.
    }
}

namespace {

void SkinOneWindow(TSkinForm& form, HWND window) {
    if (IsWindowSkinned(form, window)) return;
    wchar_t name[101]{};
    GetClassNameW(window, name, 100);
    std::string classLower;
    for (const wchar_t* p = name; *p != 0; ++p)
        classLower.push_back(*p < 128 ? skin::AsciiLower(static_cast<char>(*p)) : '?');
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    const HWND firstChild = GetWindow(window, GW_CHILD);
    const auto decision = skin::controls::ChooseBareWindowSkin(classLower, style, firstChild != nullptr);
    if (decision.SkinChildrenFirst) SkinChildWindows(form, window);
    if (decision.SetControlColor) SetColorToControlBackground(FindControl(window), *form.SkinData());
    if (decision.Kind == SkinKind::None) return;
    AttachByHandle(form, decision.OnFirstChild ? firstChild : window, decision.Kind);
}

}  // namespace

}  // namespace skin::win
