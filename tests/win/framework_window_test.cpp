// Framework windows: the window property lookup, class names, WindowProc chaining,
// notifications, mouse routing to windowless controls, reflected notifications, tab order.
#include "framework/win/framework.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using testing_support::PumpMessagesFor;
using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;

namespace {

class FrameworkWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBounds(100, 100, 300, 200);
        form_->SetCaption("Framework test");
    }
    void TearDown() override {
        if (form_ != nullptr) form_->Free();
        PumpPendingMessages();
    }

    std::wstring ClassNameOf(HWND hwnd) {
        wchar_t name[100] = {};
        GetClassNameW(hwnd, name, 100);
        return name;
    }

    TForm* form_ = nullptr;
};

// Installs a recording WindowProc in front of a control's own and restores it when it ends.
class MessageRecorder {
public:
    MessageRecorder(TControl* control, std::vector<UINT> interesting)
        : control_(control), saved_(control->WindowProc), interesting_(std::move(interesting)) {
        control->WindowProc = [this](TMessage& message) {
            if (std::find(interesting_.begin(), interesting_.end(), message.Msg) != interesting_.end()) {
                messages.push_back(message.Msg);
                params.push_back(message.WParam);
            }
            saved_(message);
        };
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    ~MessageRecorder() { control_->WindowProc = saved_; }

    std::vector<UINT> messages;
    std::vector<WPARAM> params;

private:
    TControl* control_;
    TWndMethod saved_;
    std::vector<UINT> interesting_;
};

TEST_F(FrameworkWindow, EveryWindowCarriesItsObjectUnderTheControlAtom) {
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    HWND formWindow = form_->Handle();
    HWND editWindow = edit->Handle();
    ASSERT_NE(formWindow, nullptr);
    ASSERT_NE(editWindow, nullptr);
    EXPECT_EQ(GetParent(editWindow), formWindow);

    // The atom name is built from the module instance and the thread id.
    wchar_t expected[64];
    std::swprintf(expected, 64, L"ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetModuleHandleW(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    EXPECT_EQ(ControlAtomName(), expected);
    const ATOM atom = GlobalFindAtomW(expected);
    ASSERT_NE(atom, 0);
    EXPECT_EQ(atom, ControlAtom());
    auto key = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(atom));
    EXPECT_EQ(GetPropW(formWindow, key), static_cast<TWinControl*>(form_));
    EXPECT_EQ(GetPropW(editWindow, key), static_cast<TWinControl*>(edit));
    EXPECT_EQ(FindControl(editWindow), edit);
    EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);

    // Destroying the window removes the link.
    edit->Free();
    EXPECT_FALSE(IsWindow(editWindow));
    EXPECT_EQ(FindControl(editWindow), nullptr);
}

TEST_F(FrameworkWindow, WindowClassesAreTheFrameworkClassNames) {
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    auto* button = new TButton(form_);
    button->SetParent(form_);
    auto* tree = new TTreeView(form_);
    tree->SetParent(form_);
    auto* group = new TGroupBox(form_);
    group->SetParent(form_);
    EXPECT_EQ(ClassNameOf(form_->Handle()), L"TForm");
    EXPECT_EQ(ClassNameOf(edit->Handle()), L"TEdit");
    EXPECT_EQ(ClassNameOf(button->Handle()), L"TButton");
    EXPECT_EQ(ClassNameOf(tree->Handle()), L"TTreeView");
    EXPECT_EQ(ClassNameOf(group->Handle()), L"TGroupBox");
    EXPECT_TRUE(IsWindowUnicode(edit->Handle()));
    // The windows behave as the standard controls they are built on.
    edit->SetText("abc");
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_LINELENGTH, 0, 0), 3);
    EXPECT_EQ(ClassNameOf(Application->Handle()), L"TApplication");
}

TEST_F(FrameworkWindow, ReplacedWindowProcSeesMessagesAndCanBeRestored) {
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    HWND hwnd = edit->Handle();
    const TWndMethod original = edit->WindowProc;

    std::vector<UINT> seen;
    constexpr UINT kProbe = WM_APP + 7;
    edit->WindowProc = [&](TMessage& message) {
        seen.push_back(message.Msg);
        if (message.Msg == kProbe) {
            message.Result = 1234;  // answered here; the control never sees it
            return;
        }
        original(message);
    };
    EXPECT_EQ(SendMessageW(hwnd, kProbe, 0, 0), 1234);
    EXPECT_EQ(edit->Perform(kProbe), 1234);
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"typed"));
    EXPECT_EQ(edit->Text(), "typed");  // passed through to the edit control
    EXPECT_EQ(std::count(seen.begin(), seen.end(), kProbe), 2);
    EXPECT_NE(std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETTEXT)), seen.end());

    edit->WindowProc = original;
    seen.clear();
    EXPECT_EQ(SendMessageW(hwnd, kProbe, 0, 0), 0);
    EXPECT_TRUE(seen.empty());
}

TEST_F(FrameworkWindow, EnabledAndVisibleChangesAreNotified) {
    auto* button = new TButton(form_);
    button->SetParent(form_);
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    MessageRecorder buttonLog(button, {CM_ENABLEDCHANGED, CM_VISIBLECHANGED});
    MessageRecorder speedLog(speed, {CM_ENABLEDCHANGED, CM_VISIBLECHANGED});

    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button->Handle()));
    button->SetEnabled(false);  // unchanged: no notification
    button->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(button->Handle()));
    speed->SetEnabled(false);
    speed->SetVisible(false);
    speed->SetVisible(true);

    EXPECT_EQ(buttonLog.messages, (std::vector<UINT>{CM_ENABLEDCHANGED, CM_VISIBLECHANGED}));
    EXPECT_EQ(buttonLog.params[1], 0u);
    EXPECT_EQ(speedLog.messages, (std::vector<UINT>{CM_ENABLEDCHANGED, CM_VISIBLECHANGED, CM_VISIBLECHANGED}));
    EXPECT_EQ(speedLog.params[2], 1u);
    EXPECT_EQ(0xB00Cu, CM_ENABLEDCHANGED);
    EXPECT_EQ(0xB00Bu, CM_VISIBLECHANGED);
}

TEST_F(FrameworkWindow, MouseEnterAndLeaveReachWindowlessControls) {
    auto* first = new TSpeedButton(form_);
    first->SetParent(form_);
    first->SetBounds(10, 10, 50, 30);
    auto* second = new TSpeedButton(form_);
    second->SetParent(form_);
    second->SetBounds(100, 10, 50, 30);
    form_->Show();
    PumpMessagesFor(50);
    // Keep the real pointer over the form (off both buttons) so Windows does not report it left.
    POINT over = form_->ClientToScreen(POINT{200, 100});
    SetCursorPos(over.x, over.y);
    PumpMessagesFor(50);

    MessageRecorder firstLog(first, {CM_MOUSEENTER, CM_MOUSELEAVE, WM_MOUSEMOVE});
    MessageRecorder secondLog(second, {CM_MOUSEENTER, CM_MOUSELEAVE, WM_MOUSEMOVE});
    HWND hwnd = form_->Handle();
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));  // over the first
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(25, 22));  // still over it
    EXPECT_TRUE(first->MouseInControl());
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(110, 20));  // over the second
    EXPECT_FALSE(first->MouseInControl());
    EXPECT_TRUE(second->MouseInControl());
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));  // over the form itself
    EXPECT_FALSE(second->MouseInControl());

    EXPECT_EQ(firstLog.messages, (std::vector<UINT>{CM_MOUSEENTER, WM_MOUSEMOVE, WM_MOUSEMOVE, CM_MOUSELEAVE}));
    EXPECT_EQ(secondLog.messages, (std::vector<UINT>{CM_MOUSEENTER, WM_MOUSEMOVE, CM_MOUSELEAVE}));

    // Leaving the window tells the control under the mouse.
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(110, 20));
    ASSERT_TRUE(second->MouseInControl());
    SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(second->MouseInControl());
    EXPECT_EQ(secondLog.messages.back(), CM_MOUSELEAVE);
    EXPECT_EQ(0xB013u, CM_MOUSEENTER);
    EXPECT_EQ(0xB014u, CM_MOUSELEAVE);
}

TEST_F(FrameworkWindow, MousePressOnASpeedButtonClicksItWithLocalCoordinates) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(40, 30, 60, 25);
    int clicks = 0;
    POINT down{-1, -1};
    speed->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, speed);
        ++clicks;
    };
    speed->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { down = POINT{x, y}; };
    form_->Show();
    HWND hwnd = form_->Handle();

    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 33));
    EXPECT_EQ(down.x, 5);
    EXPECT_EQ(down.y, 3);
    EXPECT_TRUE(speed->Pressed());
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(46, 34));
    EXPECT_FALSE(speed->Pressed());
    EXPECT_EQ(clicks, 1);

    // Released outside the button: no click. The press captured the mouse for the button.
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 33));
    SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 150));
    EXPECT_FALSE(speed->Pressed());
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
    EXPECT_EQ(clicks, 1);

    // A disabled button does not click.
    speed->SetEnabled(false);
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 33));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(45, 33));
    EXPECT_EQ(clicks, 1);
}

TEST_F(FrameworkWindow, ChildNotificationsAreReflectedToTheChild) {
    auto* button = new TButton(form_);
    button->SetParent(form_);
    button->SetCaption("Go");
    MessageRecorder log(button, {CN_COMMAND});
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    form_->Show();
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    PumpPendingMessages();
    EXPECT_EQ(clicks, 1);
    ASSERT_EQ(log.messages.size(), 1u);
    EXPECT_EQ(log.messages[0], 0xBC00u + WM_COMMAND);
    EXPECT_EQ(HIWORD(log.params[0]), BN_CLICKED);
}

TEST_F(FrameworkWindow, EditColorsComeFromTheControl) {
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    edit->SetColor(clYellow);
    edit->Font()->SetColor(clRed);
    HDC dc = GetDC(edit->Handle());
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        form_->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit->Handle())));
    EXPECT_EQ(GetTextColor(dc), static_cast<COLORREF>(clRed));
    EXPECT_EQ(GetBkColor(dc), static_cast<COLORREF>(clYellow));
    LOGBRUSH info{};
    ASSERT_NE(GetObjectW(brush, sizeof(info), &info), 0);
    EXPECT_EQ(info.lbColor, static_cast<COLORREF>(clYellow));
    ReleaseDC(edit->Handle(), dc);
}

TEST_F(FrameworkWindow, TabOrderListIncludesNestedControlsInOrder) {
    auto* group = new TGroupBox(form_);
    group->SetParent(form_);
    auto* inner = new TMemo(form_);
    inner->SetParent(group);
    auto* edit = new TEdit(form_);
    edit->SetParent(form_);
    auto* button = new TButton(form_);
    button->SetParent(form_);
    auto* label = new TLabel(form_);
    label->SetParent(form_);
    button->SetTabOrder(0);

    EXPECT_EQ(button->TabOrder(), 0);
    EXPECT_EQ(group->TabOrder(), 1);
    EXPECT_EQ(edit->TabOrder(), 2);
    std::vector<TWinControl*> list;
    form_->GetTabOrderList(list);
    EXPECT_EQ(list, (std::vector<TWinControl*>{button, group, inner, edit}));

    // Tab moves through the tab stops in that order.
    form_->Show();
    PumpMessagesFor(30);
    button->SetFocus();
    form_->SelectNext(button, true);
    EXPECT_TRUE(inner->Focused());  // the group box is no tab stop
    form_->SelectNext(inner, true);
    EXPECT_TRUE(edit->Focused());
    form_->SelectNext(edit, true);
    EXPECT_TRUE(button->Focused());
    form_->SelectNext(button, false);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(FrameworkWindow, ScreenListsFormsAndHandCursorIsShown) {
    const int before = Screen->FormCount();
    TForm* second = new TForm(nullptr);
    EXPECT_EQ(Screen->FormCount(), before + 1);
    EXPECT_EQ(Screen->Forms(Screen->FormCount() - 1), second);
    second->Free();
    EXPECT_EQ(Screen->FormCount(), before);
    ASSERT_NE(Screen->MenuFont(), nullptr);
    EXPECT_FALSE(Screen->MenuFont()->Name().empty());

    auto* tree = new TTreeView(form_);
    tree->SetParent(form_);
    tree->SetBounds(10, 10, 100, 100);
    tree->SetCursor(crHandPoint);
    form_->Show();
    POINT inside = tree->ClientToScreen(POINT{20, 20});
    SetCursorPos(inside.x, inside.y);
    PumpMessagesFor(30);
    const LRESULT handled = SendMessageW(tree->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(tree->Handle()),
                                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(handled, TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
}

}  // namespace
