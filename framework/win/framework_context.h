// The framework's state of one thread: the control atom and the registries that map Windows'
// identifiers (window classes, menu commands, timer ids) back to framework objects.
#pragma once

#include "framework/win/types.h"

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

class TControl;
class TWinControl;
class TMenuItem;
class TTimer;

// Ends the framework on the calling thread: the thread's control atom is deleted and its
// registries are dropped. Free the thread's framework objects first. The thread that runs the
// program's exit does this itself once the application is gone; other threads that used the
// framework call it before they end.
void EndFrameworkOnThread();

namespace framework_internal {

class FrameworkContext {
public:
    // The calling thread's context, made on first use (again after EndFrameworkOnThread).
    static FrameworkContext& Current();
    // Whether the calling thread has a context now.
    static bool Exists();

    FrameworkContext();
    ~FrameworkContext();
    FrameworkContext(const FrameworkContext&) = delete;
    FrameworkContext& operator=(const FrameworkContext&) = delete;

    // Added to the global atom table on first use, deleted with the context.
    ATOM ControlAtom();
    const std::wstring& ControlAtomName() const { return controlAtomName_; }

    // The control whose window CreateWindowExW is making (it attaches on the first message).
    TWinControl* creatingControl = nullptr;
    // The control under the mouse, windowless ones included.
    TControl* mouseControl = nullptr;
    // Window procedure that default processing calls, by registered class name.
    std::map<std::wstring, WNDPROC> baseProcs;
    std::unordered_set<const TControl*> liveControls;
    std::map<UINT, TMenuItem*> menuCommands;
    UINT lastMenuCommand = 0;
    std::unordered_set<const TMenuItem*> liveMenuItems;
    std::map<UINT_PTR, TTimer*> timers;
    // Controls whose parent is painting for them right now: the parent's painting must not paint
    // them again (a windowless control's skin would otherwise recurse without end).
    std::vector<const TControl*> parentBackgroundsInProgress;
    // Set by CreateForm: the next form constructed starts in the loading state.
    bool nextFormLoads = false;

private:
    std::wstring controlAtomName_;
    ATOM controlAtom_ = 0;
};

}  // namespace framework_internal
