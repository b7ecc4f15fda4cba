// A program nobody here wrote, started plain or through skinrun, seen from the test process as a
// person sees it: its windows, their pixels, its end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/handles.h"

#include <commdlg.h>

namespace foreign_program {

// The folder of this test program, where the tree's other programs are (skinrun, the example).
std::wstring ThisFolder();

// The command of the first item whose text contains `text` in the first menu resource of the
// program `executable` (another process's menus cannot be read); 0 when there is none.
UINT MenuCommandOf(const wchar_t* executable, const wchar_t* text);

// What FindTextW needs to open the common Find dialog owned by `owner` (its text buffer lives
// as long as the program).
FINDREPLACEW FindDialogRequest(HWND owner);

class Program {
public:
    // Starts `commandLine` as it stands (plain), or through the tree's skinrun.exe with `skin`.
    static Program Plain(const std::wstring& commandLine);
    static Program Skinned(const std::wstring& skin, const std::wstring& commandLine);
    Program(Program&&) = default;
    Program& operator=(Program&&) = default;
    // A program still running is ended (no test leaves one behind).
    ~Program();

    bool Started() const { return static_cast<bool>(process_); }
    // The first visible, captioned top-level window whose title contains `title`, waited for.
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = 20000) const;
    // Waits until the started process (skinrun, or the program) ends; its exit code, or -1.
    int WaitForExit(DWORD timeoutMs = 20000);
    bool Running() const;

private:
    Program() = default;
    base::win::UniqueKernelHandle process_;
    mutable DWORD programProcess_ = 0;  // the process of the window found, once one was
};

// The visible top-level windows of `window`'s process (with their children counted too).
int CountProcessWindows(HWND anyWindowOfProcess);
// A visible top-level window of `window`'s process with class `className` other than `window`.
HWND FindProcessWindow(HWND window, const wchar_t* className, HWND except = nullptr);
// The engine's answer: whether it draws `window` (1) or not.
bool AnswersSkinned(HWND window);
// Brings `window` to the front with the keyboard focus, as a click on it would.
void Activate(HWND window);
// The screen's pixels of `window`'s top `height` rows, as 0xRRGGBB values.
std::vector<std::uint32_t> TopRows(HWND window, int height);
// The share (0..1) of differing pixels between two equally sized captures.
double Difference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b);

}  // namespace foreign_program
