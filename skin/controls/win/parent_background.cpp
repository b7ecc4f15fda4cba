#include "skin/controls/win/parent_background.h"

#include <memory>
#include <stdexcept>

#include "base/win/dib_section.h"
#include "framework/win/controls.h"
#include "framework/win/paint_parent_background.h"

namespace skin::win {

namespace {

struct KeptPicture {
    base::win::DibSection Picture;
    bool Fresh = false;
    bool Painting = false;  // the parent's paint reached back here: paint it through instead
};

// The key of the kept picture in the parent's engine data and of its message hook.
const int kKeptParentPicture = 0;

std::shared_ptr<KeptPicture> KeptPictureOf(TWinControl* parent) {
    if (auto kept = parent->EngineDataAs<KeptPicture>(&kKeptParentPicture)) return kept;
    auto kept = std::make_shared<KeptPicture>();
    parent->SetEngineData(&kKeptParentPicture, kept);
    // Whatever the parent paints for itself may differ from the kept picture; the hook holds the
    // picture weakly, it goes with the parent's engine data.
    std::weak_ptr<KeptPicture> weak = kept;
    parent->AddMessageHook(&kKeptParentPicture, [weak](TMessage& message, const TMessageNext& next) {
        if ((message.Msg == WM_PAINT && message.WParam == 0) || message.Msg == WM_SIZE || message.Msg == WM_SETTEXT ||
            message.Msg == WM_ENABLE) {
            if (auto picture = weak.lock()) picture->Fresh = false;
        }
        next(message);
    });
    return kept;
}

}  // namespace

bool PaintKeptParentBackground(TControl* control, HDC dc, const RECT& rect) {
    TWinControl* parent = control != nullptr ? control->Parent() : nullptr;
    if (parent == nullptr || !parent->HandleAllocated() || dc == nullptr) return false;
    const HWND window = parent->Handle();
    RECT client{};
    GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return false;
    const std::shared_ptr<KeptPicture> kept = KeptPictureOf(parent);
    if (kept->Painting) return false;
    // A paint pending on the parent means it is about to show something else.
    const bool pending = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    const bool sized = kept->Picture.Width() == client.right && kept->Picture.Height() == client.bottom;
    if (!kept->Fresh || pending || !sized) {
        try {
            if (!sized) kept->Picture = base::win::DibSection(client.right, client.bottom, dc);
        } catch (const std::exception&) {
            kept->Picture = {};
            kept->Fresh = false;
            return false;
        }
        // The parent paints its whole client into the picture, as it would under the control
        // at the picture's origin.
        kept->Painting = true;
        const HDC memory = kept->Picture.Dc();
        SetViewportOrgEx(memory, control->Left(), control->Top(), nullptr);
        PaintParentBackground(control, memory, false);
        SetViewportOrgEx(memory, 0, 0, nullptr);
        kept->Painting = false;
        kept->Fresh = !pending;
    }
    BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, kept->Picture.Dc(),
           control->Left() + rect.left, control->Top() + rect.top, SRCCOPY);
    return true;
}

}  // namespace skin::win
