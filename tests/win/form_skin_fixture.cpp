#include "form_skin_fixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "skin/manager/win/skin_manager.h"
#include "support/message_pump.h"

namespace form_test {

std::unique_ptr<skin::win::TSkinData> LoadSkin(const std::string& name) {
    std::ifstream file(std::string(BUILT_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
    std::vector<std::uint8_t> package((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::uint8_t> stored(4);
    const auto length = static_cast<std::uint32_t>(package.size());
    for (int i = 0; i < 4; ++i) stored[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
    stored.insert(stored.end(), package.begin(), package.end());
    auto data = std::make_unique<skin::win::TSkinData>(nullptr);
    data->ReadSkinStream(stored);
    return data;
}

namespace {
constexpr wchar_t kClassName[] = L"FormSkinTestWindow";

void RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
}
}  // namespace

TestWindow::TestWindow(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, HWND owner, HMENU menu) {
    RegisterTestClass();
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, menu != nullptr, exStyle);
    hwnd_ = CreateWindowExW(exStyle, kClassName, L"Skinned window", style, 120, 100, r.right - r.left, r.bottom - r.top,
                            owner, menu, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::Procedure));
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    testing_support::PumpPendingMessages();
}

TestWindow::~TestWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    testing_support::PumpPendingMessages();
}

LRESULT CALLBACK TestWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) {
        std::lock_guard lock(self->mutex_);
        self->log_.push_back(MSG{hwnd, message, wParam, lParam, 0, {}});
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool TestWindow::Received(UINT message) const { return Count(message) > 0; }

int TestWindow::Count(UINT message) const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const MSG& m : log_) count += m.message == message ? 1 : 0;
    return count;
}

std::vector<MSG> TestWindow::Messages() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void TestWindow::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

std::unique_ptr<skin::win::TSkinForm> AttachSkin(skin::win::TSkinData& skin, HWND window) {
    auto form = std::make_unique<skin::win::TSkinForm>(nullptr);
    form->Handle = window;
    form->Attach(&skin);
    SendMessageW(window, skin::win::SM_SKINCONTROLS, 0, 1000);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    testing_support::PumpPendingMessages();
    return form;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

POINT ClientOffset(HWND window) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT r = WindowRectOf(window);
    return {origin.x - r.left, origin.y - r.top};
}

base::win::DibSection PrintWindowPixels(HWND window) {
    const RECT r = WindowRectOf(window);
    base::win::DibSection dib(r.right - r.left, r.bottom - r.top);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dib.Dc()), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    return dib;
}

base::win::DibSection ScreenPixels(HWND window) {
    const RECT r = WindowRectOf(window);
    base::win::DibSection dib(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(dib.Dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return dib;
}

bool ScreenShowsButton(HWND window, const skin::form::CaptionButton& button, int frame) {
    const base::win::DibSection screen = ScreenPixels(window);
    const skin::Bitmap& picture = button.Picture();
    const int width = picture.Width() / std::max(button.FrameCount, 1);
    int compared = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t expected = RgbOf(picture.Row(y)[(frame - 1) * width + x]);
            if (expected == 0x00FF00FF) continue;
            const int wx = button.BoundsRect.Left + x;
            const int wy = button.BoundsRect.Top + y;
            if (!screen.Pixels().Contains(wx, wy) || RgbOf(screen.Pixels().Row(wy)[wx]) != expected) return false;
            ++compared;
        }
    }
    return compared > 0;
}

std::uint32_t RgbOf(std::uint32_t pixel) { return pixel & 0x00FFFFFFu; }

InputThread::InputThread(std::function<void()> script) : thread_(std::move(script)) {}
InputThread::~InputThread() { Join(); }
void InputThread::Join() {
    if (thread_.joinable()) thread_.join();
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(pollMs);
    }
    return true;
}

}  // namespace form_test
