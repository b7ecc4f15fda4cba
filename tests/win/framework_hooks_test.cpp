// Stackable message hooks on controls: order, replacement, removal in any order and from inside
// a running hook, destruction with hooks installed, Perform and real input through the hooks,
// and the per-control state slot.
#include "framework/win/framework.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using testing_support::PumpMessagesUntil;
using testing_support::PumpPendingMessages;

namespace {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kInner = WM_APP + 2;

// Hook ids: the address of each party.
int g_parties[3];
const void* const kA = &g_parties[0];
const void* const kB = &g_parties[1];
const void* const kC = &g_parties[2];

class FrameworkHooks : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBounds(120, 120, 300, 200);
        form_->SetCaption("Hooks");
        edit_ = new TEdit(form_);
        edit_->SetParent(form_);
        edit_->SetBounds(10, 10, 120, 22);
        // The control's own end of the chain, seen through the legacy slot.
        saved_ = edit_->WindowProc;
        edit_->WindowProc = [this](TMessage& message) {
            if (message.Msg == kProbe || message.Msg == kInner) log_.push_back("own");
            saved_(message);
        };
    }
    void TearDown() override {
        if (form_ != nullptr) form_->Free();
        PumpPendingMessages();
    }

    // A hook that logs `name` for the probe messages and passes everything on.
    TMessageHook Logging(std::string name) {
        return [this, name](TMessage& message, const TMessageNext& next) {
            if (message.Msg == kProbe || message.Msg == kInner) log_.push_back(name);
            next(message);
        };
    }
    std::vector<std::string> SendProbe() {
        log_.clear();
        SendMessageW(edit_->Handle(), kProbe, 0, 0);
        return log_;
    }

    TForm* form_ = nullptr;
    TEdit* edit_ = nullptr;
    TWndMethod saved_;
    std::vector<std::string> log_;
};

using Log = std::vector<std::string>;

TEST_F(FrameworkHooks, WindowMessagesAndPerformRunNewestFirstDownToTheControl) {
    edit_->AddMessageHook(kA, Logging("A"));
    edit_->AddMessageHook(kB, Logging("B"));
    edit_->AddMessageHook(kC, Logging("C"));
    EXPECT_EQ(edit_->MessageHookCount(), 3);

    EXPECT_EQ(SendProbe(), (Log{"C", "B", "A", "own"}));

    log_.clear();
    edit_->Perform(kProbe);
    EXPECT_EQ(log_, (Log{"C", "B", "A", "own"}));

    // The parent's broadcast reaches the child through its hooks as well.
    log_.clear();
    TMessage broadcast{kProbe, 0, 0, 0};
    form_->Broadcast(broadcast);
    EXPECT_EQ(log_, (Log{"C", "B", "A", "own"}));
}

TEST_F(FrameworkHooks, AHookAnswersAndStopsTheMessageOrChangesItOnTheWayDown) {
    edit_->AddMessageHook(kA, [this](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe) log_.push_back("A saw " + std::to_string(message.WParam));
        next(message);
    });
    edit_->AddMessageHook(kB, [](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe && message.WParam == 0) {
            message.Result = 42;  // answered here: nothing below sees it
            return;
        }
        if (message.Msg == kProbe) message.WParam *= 10;
        next(message);
        if (message.Msg == kProbe) message.Result += 1;
    });

    log_.clear();
    EXPECT_EQ(SendMessageW(edit_->Handle(), kProbe, 0, 0), 42);
    EXPECT_TRUE(log_.empty());

    log_.clear();
    EXPECT_EQ(edit_->Perform(kProbe, 7), 1);  // the edit answers 0 to an unknown message
    EXPECT_EQ(log_, (Log{"A saw 70", "own"}));

    // A window message the edit handles itself still works through both hooks.
    SendMessageW(edit_->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hooked"));
    EXPECT_EQ(edit_->Text(), "hooked");
}

TEST_F(FrameworkHooks, AddingAKnownIdReplacesTheHandlerInPlace) {
    edit_->AddMessageHook(kA, Logging("A"));
    edit_->AddMessageHook(kB, Logging("B"));
    edit_->AddMessageHook(kC, Logging("C"));
    edit_->AddMessageHook(kA, Logging("A2"));
    EXPECT_EQ(edit_->MessageHookCount(), 3);
    EXPECT_EQ(SendProbe(), (Log{"C", "B", "A2", "own"}));
}

TEST_F(FrameworkHooks, RemovalInEveryOrderLeavesTheOthersInTheirOrder) {
    const std::array<const void*, 3> ids{kA, kB, kC};
    const std::array<std::string, 3> names{"A", "B", "C"};
    std::array<int, 3> order{0, 1, 2};
    int permutations = 0;
    do {
        SCOPED_TRACE("removal order " + names[order[0]] + names[order[1]] + names[order[2]]);
        for (int i = 0; i < 3; ++i) edit_->AddMessageHook(ids[i], Logging(names[i]));
        std::array<bool, 3> present{true, true, true};
        for (int step = 0; step < 3; ++step) {
            EXPECT_TRUE(edit_->RemoveMessageHook(ids[order[step]]));
            EXPECT_FALSE(edit_->RemoveMessageHook(ids[order[step]]));
            present[order[step]] = false;
            Log expected;
            for (int i = 2; i >= 0; --i) {
                if (present[i]) expected.push_back(names[i]);
            }
            expected.push_back("own");
            EXPECT_EQ(SendProbe(), expected);
            EXPECT_EQ(edit_->MessageHookCount(), 2 - step);
        }
        ++permutations;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(permutations, 6);
    EXPECT_FALSE(edit_->HasMessageHook(kA));
}

TEST_F(FrameworkHooks, AHookRemovedWhileRunningFinishesAndItsStateIsFreedAfterwards) {
    auto state = std::make_shared<std::string>("B's state");
    std::weak_ptr<std::string> watch = state;
    bool aliveDuringOwnRemoval = false;
    edit_->AddMessageHook(kA, Logging("A"));
    edit_->AddMessageHook(kB, [this, state, &aliveDuringOwnRemoval](TMessage& message, const TMessageNext& next) {
        if (message.Msg != kProbe) return next(message);
        log_.push_back("B");
        edit_->RemoveMessageHook(kB);
        aliveDuringOwnRemoval = *state == "B's state";  // still on the stack: not freed yet
        next(message);
    });
    edit_->AddMessageHook(kC, Logging("C"));
    state.reset();

    EXPECT_EQ(SendProbe(), (Log{"C", "B", "A", "own"}));
    EXPECT_TRUE(aliveDuringOwnRemoval);
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(SendProbe(), (Log{"C", "A", "own"}));
}

TEST_F(FrameworkHooks, AHookRemovingOthersAboveAndBelowItMidMessage) {
    edit_->AddMessageHook(kA, Logging("A"));
    edit_->AddMessageHook(kB, [this](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe) {
            log_.push_back("B");
            edit_->RemoveMessageHook(kA);  // below: not reached by this message any more
            edit_->RemoveMessageHook(kC);  // above: already ran
        }
        next(message);
    });
    edit_->AddMessageHook(kC, Logging("C"));

    EXPECT_EQ(SendProbe(), (Log{"C", "B", "own"}));
    EXPECT_EQ(SendProbe(), (Log{"B", "own"}));
    EXPECT_EQ(edit_->MessageHookCount(), 1);
}

TEST_F(FrameworkHooks, AMessageSentFromInsideAHookStartsAgainAtTheTop) {
    edit_->AddMessageHook(kA, Logging("A"));
    edit_->AddMessageHook(kB, [this](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe) {
            log_.push_back("B");
            SendMessageW(edit_->Handle(), kInner, 0, 0);
        } else if (message.Msg == kInner) {
            log_.push_back("B inner");
        }
        next(message);
    });
    edit_->AddMessageHook(kC, Logging("C"));
    EXPECT_EQ(SendProbe(), (Log{"C", "B", "C", "B inner", "A", "own", "A", "own"}));
}

TEST_F(FrameworkHooks, AHookAddedWhileAMessageRunsSeesOnlyLaterMessages) {
    edit_->AddMessageHook(kA, [this](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe) {
            log_.push_back("A");
            if (!edit_->HasMessageHook(kC)) edit_->AddMessageHook(kC, Logging("C"));
        }
        next(message);
    });
    EXPECT_EQ(SendProbe(), (Log{"A", "own"}));
    EXPECT_EQ(SendProbe(), (Log{"C", "A", "own"}));
}

TEST_F(FrameworkHooks, HooksSeeTheWindowGoAndAreReleasedWithTheControl) {
    auto state = std::make_shared<int>(1);
    std::weak_ptr<int> watch = state;
    std::vector<UINT> seen;
    edit_->AddMessageHook(kA, [state, &seen](TMessage& message, const TMessageNext& next) {
        if (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY) seen.push_back(message.Msg);
        next(message);
    });
    state.reset();
    HWND window = edit_->Handle();
    edit_->Free();
    edit_ = nullptr;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_TRUE(watch.expired());
}

TEST_F(FrameworkHooks, AHookThatFreesTheControlEndsTheMessageSafely) {
    auto state = std::make_shared<int>(1);
    std::weak_ptr<int> watch = state;
    bool belowCalled = false;
    edit_->AddMessageHook(kA, [&belowCalled, state](TMessage& message, const TMessageNext& next) {
        if (message.Msg == kProbe) belowCalled = true;
        next(message);
    });
    HWND window = edit_->Handle();
    TEdit* edit = edit_;
    bool stillRunning = false;
    edit_->AddMessageHook(kB, [edit, &stillRunning](TMessage& message, const TMessageNext& next) {
        if (message.Msg != kProbe) return next(message);
        edit->Free();
        next(message);  // the rest of the chain is gone with the control: nothing runs
        stillRunning = true;
        message.Result = 5;
    });
    state.reset();
    edit_ = nullptr;

    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 5);
    EXPECT_TRUE(stillRunning);
    EXPECT_FALSE(belowCalled);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(TControl::IsLive(edit));
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(form_->ControlCount(), 0);
}

TEST_F(FrameworkHooks, HooksSurviveTheWindowBeingMadeAgain) {
    edit_->AddMessageHook(kA, Logging("A"));
    HWND before = edit_->Handle();
    edit_->RecreateWnd();
    EXPECT_NE(edit_->Handle(), before);
    EXPECT_EQ(SendProbe(), (Log{"A", "own"}));
}

TEST_F(FrameworkHooks, AddingAHookWithoutHandlerIsRefused) {
    EXPECT_THROW(edit_->AddMessageHook(kA, TMessageHook{}), std::invalid_argument);
    EXPECT_FALSE(edit_->HasMessageHook(kA));
}

// Presses and releases the left button at a screen point from another thread, so the window's
// thread receives it as real input while it pumps.
void ClickFromAnotherThread(POINT screen, std::atomic<bool>& done) {
    std::thread([screen, &done] {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        INPUT inputs[3] = {};
        for (INPUT& input : inputs) input.type = INPUT_MOUSE;
        inputs[0].mi.dx = screen.x * 65535 / (width - 1);
        inputs[0].mi.dy = screen.y * 65535 / (height - 1);
        inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(3, inputs, sizeof(INPUT));
        done = true;
    }).detach();
}

TEST_F(FrameworkHooks, RealClicksOnAWindowlessControlPassItsHooksInClientCoordinates) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(40, 60, 80, 30);
    int clicks = 0;
    speed->OnClick = [&clicks](TObject*) { ++clicks; };
    std::vector<std::pair<UINT, POINT>> seen;
    speed->AddMessageHook(kA, [&seen](TMessage& message, const TMessageNext& next) {
        if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONUP) {
            seen.push_back({message.Msg, POINT{static_cast<short>(LOWORD(message.LParam)),
                                               static_cast<short>(HIWORD(message.LParam))}});
        }
        next(message);
    });
    form_->Show();
    ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(form_->Handle()) != FALSE; }));
    PumpPendingMessages();

    const POINT target = speed->ClientToScreen(POINT{10, 5});
    std::atomic<bool> sent{false};
    ClickFromAnotherThread(target, sent);
    ASSERT_TRUE(PumpMessagesUntil([&] { return sent && clicks == 1; }));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(seen[1].first, static_cast<UINT>(WM_LBUTTONUP));
    for (const auto& [msg, p] : seen) {
        EXPECT_EQ(p.x, 10);
        EXPECT_EQ(p.y, 5);
    }
}

TEST_F(FrameworkHooks, AHookPaintingAWindowlessControlShowsOnTheParent) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(40, 60, 80, 30);
    speed->AddMessageHook(kA, [](TMessage& message, const TMessageNext& next) {
        if (message.Msg != WM_PAINT || message.WParam == 0) return next(message);
        // A skin painting the control itself: solid blue over the control's area.
        auto dc = reinterpret_cast<HDC>(message.WParam);
        const base::win::UniqueHBrush blue(CreateSolidBrush(RGB(0, 0, 255)));
        const RECT r{0, 0, 80, 30};
        FillRect(dc, &r, blue.Get());
        message.Result = 0;
    });
    form_->Show();
    ASSERT_TRUE(PumpMessagesUntil([&] { return IsWindowVisible(form_->Handle()) != FALSE; }));
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPendingMessages();

    base::win::WindowDc dc(form_->Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 45, 65), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc.Get(), 119, 89), RGB(0, 0, 255));
    EXPECT_NE(GetPixel(dc.Get(), 125, 95), RGB(0, 0, 255));
}

// State kept per control by another layer.
struct Tracked {
    explicit Tracked(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    ~Tracked() { log_.push_back(name_ + " freed"); }
    std::vector<std::string>& log_;
    std::string name_;
};

TEST_F(FrameworkHooks, EngineDataIsKeptPerKeyReplacedAndFreedWithTheControl) {
    std::vector<std::string> freed;
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetEngineData(kA, std::make_shared<Tracked>(freed, "speed A"));
    edit_->SetEngineData(kA, std::make_shared<Tracked>(freed, "edit A"));
    edit_->SetEngineData(kB, std::make_shared<Tracked>(freed, "edit B"));

    ASSERT_NE(edit_->EngineDataAs<Tracked>(kA), nullptr);
    EXPECT_EQ(edit_->EngineDataAs<Tracked>(kA)->name_, "edit A");
    EXPECT_EQ(edit_->EngineDataAs<Tracked>(kB)->name_, "edit B");
    EXPECT_EQ(edit_->EngineData(kC), nullptr);

    edit_->SetEngineData(kA, std::make_shared<Tracked>(freed, "edit A2"));
    EXPECT_EQ(freed, (Log{"edit A freed"}));
    edit_->SetEngineData(kB, nullptr);
    EXPECT_EQ(freed, (Log{"edit A freed", "edit B freed"}));
    EXPECT_EQ(edit_->EngineData(kB), nullptr);

    // The form frees its children, windowed and windowless.
    form_->Free();
    form_ = nullptr;
    edit_ = nullptr;
    std::sort(freed.begin(), freed.end());
    EXPECT_EQ(freed, (Log{"edit A freed", "edit A2 freed", "edit B freed", "speed A freed"}));
}

TEST_F(FrameworkHooks, LiveControlsAreKnownUntilTheyGo) {
    auto* speed = new TSpeedButton(form_);
    EXPECT_TRUE(TControl::IsLive(speed));
    EXPECT_TRUE(TControl::IsLive(edit_));
    EXPECT_FALSE(TControl::IsLive(nullptr));
    speed->Free();
    EXPECT_FALSE(TControl::IsLive(speed));
}

}  // namespace
