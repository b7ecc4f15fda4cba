// A plain Win32 program: a main window with a menu, keyboard shortcuts, a tool bar and a status
// bar; a dialog box of the common controls; a message box and two common dialogs. Nothing in it
// knows about skins except the three lines marked "Skinned": with them the skin engine draws the
// program's frames, captions, menus, dialogs, message boxes and standard controls in the skin
// embedded in its resources (plain_win32.rc); docs/adopting.md lists the controls it leaves to
// Windows.
//
// Switches: --plain leaves the program unskinned (the engine is not started); --open-dialog opens
// the "Controls" dialog as soon as the main window shows; --second-window also shows a window
// made by a second GUI thread of its own (skinning is a thread's own: that window is skinned only
// when its thread starts the engine too, or when skinrun starts the program).

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <iterator>
#include <string>

#include "resource.h"
#include "skinengine.h"  // Skinned: 1 of 3

namespace {

constexpr wchar_t kMainClass[] = L"PlainWin32ExampleWindow";
constexpr wchar_t kMainTitle[] = L"Plain Win32 example";

// What the status bar says about the skin: -1 while no skin was asked for, otherwise what
// SkinStartResource returned (0: the skin is on).
int g_skinResult = -1;

HWND g_toolBar = nullptr;
HWND g_statusBar = nullptr;

struct Options {
    bool plain = false;         // --plain
    bool openDialog = false;    // --open-dialog
    bool secondWindow = false;  // --second-window
};

Options ReadOptions() {
    Options options;
    for (int i = 1; i < __argc; ++i) {
        if (std::wcscmp(__wargv[i], L"--plain") == 0) options.plain = true;
        if (std::wcscmp(__wargv[i], L"--open-dialog") == 0) options.openDialog = true;
        if (std::wcscmp(__wargv[i], L"--second-window") == 0) options.secondWindow = true;
    }
    return options;
}

void SetStatus(int part, const std::wstring& text) {
    SendMessageW(g_statusBar, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring SkinStatus() {
    if (g_skinResult == -1) return L"Not skinned";
    if (g_skinResult == 0) return L"Skinned: graphite";
    return L"Not skinned: the skin did not start (" + std::to_wstring(g_skinResult) + L")";
}

// ---- The "Controls" dialog ----

void FillListView(HWND list) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    struct Column {
        const wchar_t* title;
        int width;
    };
    const Column columns[] = {{L"Name", 90}, {L"Size", 50}, {L"Kind", 70}};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.cx = columns[i].width;
        column.iSubItem = i;
        ListView_InsertColumn(list, i, &column);
    }
    const wchar_t* rows[][3] = {{L"readme.txt", L"2 KB", L"Text"},
                                {L"report.doc", L"48 KB", L"Document"},
                                {L"photo.bmp", L"1.2 MB", L"Picture"},
                                {L"setup.exe", L"310 KB", L"Program"},
                                {L"notes.txt", L"1 KB", L"Text"}};
    for (int row = 0; row < 5; ++row) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(rows[row][0]);
        ListView_InsertItem(list, &item);
        for (int sub = 1; sub < 3; ++sub) ListView_SetItemText(list, row, sub, const_cast<wchar_t*>(rows[row][sub]));
    }
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const wchar_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<wchar_t*>(text);
    return TreeView_InsertItem(tree, &insert);
}

void FillTreeView(HWND tree) {
    const HTREEITEM documents = AddTreeItem(tree, TVI_ROOT, L"Documents");
    AddTreeItem(tree, documents, L"Letters");
    AddTreeItem(tree, documents, L"Reports");
    const HTREEITEM pictures = AddTreeItem(tree, TVI_ROOT, L"Pictures");
    AddTreeItem(tree, pictures, L"Holidays");
    AddTreeItem(tree, TVI_ROOT, L"Music");
    TreeView_Expand(tree, documents, TVE_EXPAND);
    TreeView_SelectItem(tree, documents);
}

// The tab control's two pages: the range controls, and a note.
void ShowPage(HWND dialog, int page) {
    const int rangeControls[] = {IDC_PROGRESS_LABEL, IDC_PROGRESS, IDC_LEVEL_LABEL, IDC_LEVEL,
                                 IDC_COUNT_LABEL,    IDC_COUNT,    IDC_COUNT_SPIN};
    for (const int id : rangeControls) ShowWindow(GetDlgItem(dialog, id), page == 0 ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(dialog, IDC_NOTES), page == 1 ? SW_SHOW : SW_HIDE);
}

void InitControlsDialog(HWND dialog) {
    const HWND colour = GetDlgItem(dialog, IDC_COLOUR);
    for (const wchar_t* name : {L"Graphite", L"Silver", L"Blue", L"Green"})
        SendMessageW(colour, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(colour, CB_SETCURSEL, 0, 0);

    const HWND items = GetDlgItem(dialog, IDC_ITEMS);
    for (const wchar_t* name : {L"First item", L"Second item", L"Third item", L"Fourth item", L"Fifth item"})
        SendMessageW(items, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    SendMessageW(items, LB_SETCURSEL, 1, 0);

    SetDlgItemTextW(dialog, IDC_NAME, L"A plain edit box");
    CheckDlgButton(dialog, IDC_BOLD, BST_CHECKED);
    CheckRadioButton(dialog, IDC_SMALL, IDC_LARGE, IDC_SMALL);

    FillListView(GetDlgItem(dialog, IDC_FILES));
    FillTreeView(GetDlgItem(dialog, IDC_FOLDERS));

    const HWND pages = GetDlgItem(dialog, IDC_PAGES);
    const wchar_t* pageTitles[] = {L"Ranges", L"Notes"};
    for (int i = 0; i < 2; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(pageTitles[i]);
        TabCtrl_InsertItem(pages, i, &tab);
    }
    ShowPage(dialog, 0);

    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETRANGE32, 0, 100);
    SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, 40, 0);
    SendDlgItemMessageW(dialog, IDC_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendDlgItemMessageW(dialog, IDC_LEVEL, TBM_SETTICFREQ, 10, 0);
    SendDlgItemMessageW(dialog, IDC_LEVEL, TBM_SETPOS, TRUE, 40);
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETRANGE32, 0, 99);
    SendDlgItemMessageW(dialog, IDC_COUNT_SPIN, UDM_SETPOS32, 0, 5);
}

INT_PTR CALLBACK ControlsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: InitControlsDialog(dialog); return TRUE;
        case WM_HSCROLL:
            // The track bar sets the progress bar.
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(dialog, IDC_LEVEL)) {
                const LRESULT level = SendDlgItemMessageW(dialog, IDC_LEVEL, TBM_GETPOS, 0, 0);
                SendDlgItemMessageW(dialog, IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(level), 0);
            }
            return TRUE;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom == IDC_PAGES && header->code == TCN_SELCHANGE)
                ShowPage(dialog, TabCtrl_GetCurSel(header->hwndFrom));
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default: return FALSE;
    }
}

// ---- The main window's commands ----

void OpenFile(HWND window) {
    wchar_t path[MAX_PATH] = L"";
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = window;
    open.lpstrFilter = L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&open)) SetStatus(0, std::wstring(L"Chosen: ") + path);
}

void ChooseTextFont(HWND window) {
    static LOGFONTW font{};
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = window;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | (font.lfFaceName[0] != 0 ? CF_INITTOLOGFONTSTRUCT : 0);
    if (ChooseFontW(&choose))
        SetStatus(0,
                  std::wstring(L"Font: ") + font.lfFaceName + L", " + std::to_wstring(choose.iPointSize / 10) + L" pt");
}

void OnCommand(HWND window, int command) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    switch (command) {
        case IDM_OPEN: OpenFile(window); break;
        case IDM_EXIT: SendMessageW(window, WM_CLOSE, 0, 0); break;
        case IDM_CONTROLS:
            if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_CONTROLS), window, ControlsDialogProc, 0) == IDOK)
                SetStatus(0, L"Controls: OK");
            else
                SetStatus(0, L"Ready");
            break;
        case IDM_FONT: ChooseTextFont(window); break;
        case IDM_ABOUT:
            MessageBoxW(window, L"A plain Win32 program, drawn by the skin engine.", L"About Plain Win32 example",
                        MB_OK | MB_ICONINFORMATION);
            break;
        default: break;
    }
}

// ---- The main window ----

void CreateToolBar(HWND window, HINSTANCE instance) {
    g_toolBar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0, window,
                                nullptr, instance, nullptr);
    SendMessageW(g_toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard{HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageW(g_toolBar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    TBBUTTON buttons[] = {
        {STD_FILEOPEN, IDM_OPEN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_PROPERTIES, IDM_CONTROLS, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0},
        {STD_FIND, IDM_FONT, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
        {STD_HELP, IDM_ABOUT, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    };
    SendMessageW(g_toolBar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(g_toolBar, TB_AUTOSIZE, 0, 0);
}

const wchar_t* ToolTipText(UINT_PTR command) {
    switch (command) {
        case IDM_OPEN: return L"Open a file (Ctrl+O)";
        case IDM_CONTROLS: return L"The Controls dialog (Ctrl+D)";
        case IDM_FONT: return L"Choose a font";
        case IDM_ABOUT: return L"About (F1)";
        default: return L"";
    }
}

void LayOutBars(HWND window) {
    SendMessageW(g_toolBar, TB_AUTOSIZE, 0, 0);
    SendMessageW(g_statusBar, WM_SIZE, 0, 0);
    RECT client{};
    GetClientRect(window, &client);
    const int parts[] = {std::max(100, static_cast<int>(client.right) - 260), -1};
    SendMessageW(g_statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void PaintClient(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    RECT area{};
    GetClientRect(window, &area);
    RECT bar{};
    GetWindowRect(g_toolBar, &bar);
    area.top += bar.bottom - bar.top + 16;
    area.left += 16;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextW(dc,
              L"View > Controls (Ctrl+D) opens a dialog of the common controls.\n"
              L"File > Open and Format > Font show the common dialogs; Help > About a message box.",
              -1, &area, DT_LEFT | DT_TOP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            CreateToolBar(window, create->hInstance);
            g_statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                          0, window, nullptr, create->hInstance, nullptr);
            LayOutBars(window);
            SetStatus(0, L"Ready");
            SetStatus(1, SkinStatus());
            return 0;
        }
        case WM_SIZE: LayOutBars(window); return 0;
        case WM_PAINT: PaintClient(window); return 0;
        case WM_COMMAND: OnCommand(window, LOWORD(wParam)); return 0;
        case WM_NOTIFY: {
            auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            if (tip->hdr.code == TTN_GETDISPINFOW) tip->lpszText = const_cast<wchar_t*>(ToolTipText(tip->hdr.idFrom));
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

// ---- A window of a second GUI thread ----

constexpr wchar_t kSecondClass[] = L"PlainWin32SecondWindow";

LRESULT CALLBACK SecondWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

DWORD WINAPI SecondThread(void* ready) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = SecondWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kSecondClass;
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, kSecondClass, L"Second thread", WS_OVERLAPPEDWINDOW, 700, 60, 320, 200,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"Button", L"Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 16, 100, 28, window, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    *static_cast<HWND*>(ready) = window;
    ShowWindow(window, SW_SHOW);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const Options options = ReadOptions();

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                        ICC_TAB_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    if (!options.plain) g_skinResult = SkinStartResource(nullptr, L"SKIN");  // Skinned: 2 of 3

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
    windowClass.lpszClassName = kMainClass;
    if (!RegisterClassExW(&windowClass)) return 1;

    const HWND window = CreateWindowExW(0, kMainClass, kMainTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                        640, 420, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    if (options.openDialog) PostMessageW(window, WM_COMMAND, IDM_CONTROLS, 0);
    static HWND secondWindow = nullptr;
    HANDLE secondThread =
        options.secondWindow ? CreateThread(nullptr, 0, SecondThread, &secondWindow, 0, nullptr) : nullptr;

    const HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorW(window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    if (secondThread != nullptr) {
        while (secondWindow == nullptr && WaitForSingleObject(secondThread, 10) == WAIT_TIMEOUT) {
        }
        if (secondWindow != nullptr) PostMessageW(secondWindow, WM_CLOSE, 0, 0);
        WaitForSingleObject(secondThread, INFINITE);
        CloseHandle(secondThread);
    }

    SkinStop();  // Skinned: 3 of 3
    return static_cast<int>(message.wParam);
}
