#include "tests/win/support/foreign_program.h"

#include <utility>

#include "base/win/dib_section.h"

namespace foreign_program {

std::wstring ThisFolder() {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

FINDREPLACEW FindDialogRequest(HWND owner) {
    static wchar_t what[80] = L"";
    FINDREPLACEW find{};
    find.lStructSize = sizeof find;
    find.hwndOwner = owner;
    find.lpstrFindWhat = what;
    find.wFindWhatLen = 80;
    return find;
}

namespace {

UINT MenuCommand(HMENU menu, const wchar_t* text) {
    for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            if (const UINT found = MenuCommand(sub, text)) return found;
            continue;
        }
        wchar_t item[128]{};
        GetMenuStringW(menu, i, item, 128, MF_BYPOSITION);
        if (std::wstring(item).find(text) != std::wstring::npos) return GetMenuItemID(menu, i);
    }
    return 0;
}

BOOL CALLBACK FirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<LPWSTR*>(found) = name;
    return FALSE;
}

HANDLE Start(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return nullptr;
    CloseHandle(info.hThread);
    return info.hProcess;
}

struct Search {
    const std::wstring* title;
    DWORD process;
    const wchar_t* className;
    HWND except;
    HWND found;
    int count;
};

bool IsShownTopLevel(HWND window) {
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    return IsWindowVisible(window) && (style & WS_CHILD) == 0;
}

BOOL CALLBACK FindTitled(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (!IsShownTopLevel(window) || (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) != WS_CAPTION) return TRUE;
    wchar_t text[256]{};
    GetWindowTextW(window, text, 256);
    if (std::wstring(text).find(*search.title) == std::wstring::npos) return TRUE;
    search.found = window;
    return FALSE;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

BOOL CALLBACK CountSearchedChild(HWND, LPARAM data) {
    ++reinterpret_cast<Search*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountOfProcess(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (ProcessOf(window) != search.process || !IsWindowVisible(window)) return TRUE;
    ++search.count;
    EnumChildWindows(window, CountSearchedChild, data);
    return TRUE;
}

BOOL CALLBACK FindOfProcess(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<Search*>(data);
    if (window == search.except || ProcessOf(window) != search.process || !IsShownTopLevel(window)) return TRUE;
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (lstrcmpiW(name, search.className) != 0) return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

UINT MenuCommandOf(const wchar_t* executable, const wchar_t* text) {
    HMODULE module = LoadLibraryExW(executable, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return 0;
    LPWSTR name = nullptr;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(4) /* RT_MENU */, FirstName, reinterpret_cast<LONG_PTR>(&name));
    HMENU menu = name != nullptr ? LoadMenuW(module, name) : nullptr;
    const UINT command = MenuCommand(menu, text);
    if (menu != nullptr) DestroyMenu(menu);
    FreeLibrary(module);
    return command;
}

Program Program::Plain(const std::wstring& commandLine) {
    Program program;
    program.process_.Reset(Start(commandLine));
    return program;
}

Program Program::Skinned(const std::wstring& skin, const std::wstring& commandLine) {
    Program program;
    program.process_.Reset(Start(L"\"" + ThisFolder() + L"skinrun.exe\" --skin " + skin + L" " + commandLine));
    return program;
}

Program::~Program() {
    if (!process_ || !Running()) return;
    // Through skinrun the program is a process of its own: ended by its windows' process.
    if (programProcess_ != 0) {
        if (HANDLE program = OpenProcess(PROCESS_TERMINATE, FALSE, programProcess_)) {
            TerminateProcess(program, 1);
            CloseHandle(program);
        }
    }
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
}

HWND Program::WaitForWindow(const std::wstring& title, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    do {
        Search search{&title, 0, nullptr, nullptr, nullptr, 0};
        EnumWindows(FindTitled, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            programProcess_ = ProcessOf(search.found);
            return search.found;
        }
        if (!Running()) return nullptr;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

int Program::WaitForExit(DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<int>(code);
}

bool Program::Running() const { return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

int CountProcessWindows(HWND anyWindowOfProcess) {
    Search search{nullptr, ProcessOf(anyWindowOfProcess), nullptr, nullptr, nullptr, 0};
    EnumWindows(CountOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

HWND FindProcessWindow(HWND window, const wchar_t* className, HWND except) {
    Search search{nullptr, ProcessOf(window), className, except, nullptr, 0};
    EnumWindows(FindOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool AnswersSkinned(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, 0x3504 /* SM_ISSKINNED */, 0, 0, SMTO_NORMAL, 5000, &answer) != 0 && answer == 1;
}

void Activate(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

std::vector<std::uint32_t> TopRows(HWND window, int height) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    base::win::DibSection dib(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(dib.Dc(), 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(dib.Pixels().At(x, y) & 0x00FFFFFFu);
    return pixels;
}

double Difference(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size() || a.empty()) return 1.0;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i) differing += a[i] != b[i] ? 1 : 0;
    return static_cast<double>(differing) / static_cast<double>(a.size());
}

}  // namespace foreign_program
