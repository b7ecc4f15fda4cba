// Painting: form color and OnPaint, windowless children painted by their parent, double
// buffering with the memory DC in WM_PAINT's wParam, PaintParentBackground, ParentBackground.
#include "framework/win/framework.h"
#include "base/win/handles.h"
#include "support/message_pump.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::PumpMessagesFor;
using testing_support::PumpPendingMessages;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// A 32-bit memory DC of the given size, cleared to white.
class MemorySurface {
public:
    MemorySurface(int width, int height)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(MakeBitmap(width, height)), select_(dc_.Get(), bitmap_.Get()) {
        RECT r{0, 0, width, height};
        FillRect(dc_.Get(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC Dc() const { return dc_.Get(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_.Get(), x, y); }

private:
    static HBITMAP MakeBitmap(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    }
    base::win::UniqueMemoryDc dc_;
    base::win::UniqueHBitmap bitmap_;
    base::win::ScopedSelectObject select_;
};

class FrameworkPaint : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        form_ = new TForm(nullptr);
        form_->SetBorderStyle(bsSingle);
        form_->SetBounds(50, 50, 300, 220);
        form_->SetColor(kRed);
        form_->OnPaint = [this](TObject*) {
            TCanvas* canvas = form_->Canvas();
            canvas->Brush()->SetColor(kBlue);
            canvas->FillRect(RECT{50, 50, 60, 60});
        };
    }
    void TearDown() override {
        form_->Free();
        PumpPendingMessages();
    }

    COLORREF ScreenPixel(TWinControl* control, int x, int y) {
        HDC dc = GetDC(control->Handle());
        const COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(control->Handle(), dc);
        return color;
    }

    TForm* form_ = nullptr;
};

TEST_F(FrameworkPaint, FormPaintsItsColorAndOnPaint) {
    form_->Show();
    UpdateWindow(form_->Handle());
    PumpMessagesFor(50);
    EXPECT_EQ(ScreenPixel(form_, 5, 5), kRed);
    EXPECT_EQ(ScreenPixel(form_, 55, 55), kBlue);
    EXPECT_EQ(ScreenPixel(form_, 61, 61), kRed);
}

TEST_F(FrameworkPaint, WindowlessChildrenGetWmPaintWithTheirOriginThroughWindowProc) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(100, 20, 60, 30);
    speed->SetCaption("OK");
    std::vector<POINT> origins;
    const TWndMethod saved = speed->WindowProc;
    speed->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_PAINT) {
            POINT origin{};
            GetViewportOrgEx(reinterpret_cast<HDC>(message.WParam), &origin);
            origins.push_back(origin);
        }
        saved(message);
    };
    form_->Show();
    UpdateWindow(form_->Handle());
    PumpMessagesFor(50);
    speed->WindowProc = saved;

    ASSERT_FALSE(origins.empty());
    EXPECT_EQ(origins[0].x, 100);
    EXPECT_EQ(origins[0].y, 20);
    // The button face replaced the form's red inside its bounds, not outside.
    EXPECT_NE(ScreenPixel(form_, 110, 25), kRed);
    EXPECT_EQ(ScreenPixel(form_, 98, 25), kRed);
}

TEST_F(FrameworkPaint, DoubleBufferedPaintPassesAMemoryDcInWParam) {
    auto* label = new TLabel(form_);
    label->SetParent(form_);
    label->SetBounds(10, 100, 0, 0);
    label->SetCaption("Tekst");
    form_->SetDoubleBuffered(true);
    std::vector<DWORD> dcKinds;
    const TWndMethod saved = form_->WindowProc;
    form_->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_PAINT) {
            dcKinds.push_back(message.WParam == 0 ? 0 : GetObjectType(reinterpret_cast<HGDIOBJ>(message.WParam)));
        }
        saved(message);
    };
    form_->Show();
    UpdateWindow(form_->Handle());
    PumpMessagesFor(50);
    form_->WindowProc = saved;

    // Windows' WM_PAINT, then the framework's own with the memory DC.
    ASSERT_GE(dcKinds.size(), 2u);
    EXPECT_EQ(dcKinds[0], 0u);
    EXPECT_EQ(dcKinds[1], static_cast<DWORD>(OBJ_MEMDC));
    // The composed picture reached the screen.
    EXPECT_EQ(ScreenPixel(form_, 5, 5), kRed);
    EXPECT_EQ(ScreenPixel(form_, 55, 55), kBlue);
    bool textFound = false;
    for (int y = label->Top(); y < label->Top() + label->Height() && !textFound; ++y) {
        for (int x = label->Left(); x < label->Left() + label->Width(); ++x) {
            if (ScreenPixel(form_, x, y) != kRed) {
                textFound = true;
                break;
            }
        }
    }
    EXPECT_TRUE(textFound);
    EXPECT_GT(label->Width(), 10);  // auto-sized to its caption
}

TEST_F(FrameworkPaint, WmPaintWithADcPaintsIntoThatDc) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(100, 20, 60, 30);
    form_->Show();
    PumpMessagesFor(30);
    MemorySurface surface(300, 200);
    SendMessageW(form_->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.Dc()), 0);
    SendMessageW(form_->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(surface.Dc()), 0);
    EXPECT_EQ(surface.Pixel(5, 5), kRed);
    EXPECT_EQ(surface.Pixel(55, 55), kBlue);
    EXPECT_NE(surface.Pixel(110, 25), kRed);  // the windowless child is in the picture
    EXPECT_NE(surface.Pixel(110, 25), RGB(255, 255, 255));
}

TEST_F(FrameworkPaint, PaintParentBackgroundShowsTheParentThroughTheControl) {
    auto* speed = new TSpeedButton(form_);
    speed->SetParent(form_);
    speed->SetBounds(40, 40, 40, 40);
    form_->Show();
    PumpMessagesFor(30);

    MemorySurface surface(40, 40);
    PaintParentBackground(speed, surface.Dc(), false);
    EXPECT_EQ(surface.Pixel(0, 0), kRed);     // form color at (40,40); the button itself is left out
    EXPECT_EQ(surface.Pixel(15, 15), kBlue);  // OnPaint's square at (55,55)
    EXPECT_EQ(surface.Pixel(25, 25), kRed);
    // The DC is given back as it came.
    POINT origin{};
    GetViewportOrgEx(surface.Dc(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);

    // No parent: nothing is painted.
    TSpeedButton orphan(nullptr);
    MemorySurface untouched(10, 10);
    PaintParentBackground(&orphan, untouched.Dc(), true);
    EXPECT_EQ(untouched.Pixel(5, 5), RGB(255, 255, 255));
}

TEST_F(FrameworkPaint, PaintParentBackgroundInvalidatesOnlyPlainParents) {
    auto* plain = new TWinControl(form_);
    plain->SetParent(form_);
    plain->SetBounds(10, 10, 100, 100);
    auto* child = new TSpeedButton(form_);
    child->SetParent(plain);
    child->SetBounds(5, 5, 20, 20);
    auto* group = new TGroupBox(form_);
    group->SetParent(form_);
    group->SetBounds(150, 10, 100, 100);
    auto* inGroup = new TSpeedButton(form_);
    inGroup->SetParent(group);
    inGroup->SetBounds(5, 20, 20, 20);
    form_->Show();
    UpdateWindow(form_->Handle());
    PumpMessagesFor(30);
    ValidateRect(plain->Handle(), nullptr);
    ValidateRect(group->Handle(), nullptr);

    MemorySurface surface(20, 20);
    PaintParentBackground(inGroup, surface.Dc(), true);
    EXPECT_FALSE(GetUpdateRect(group->Handle(), nullptr, FALSE));  // a TCustomControl is not invalidated
    PaintParentBackground(child, surface.Dc(), false);
    EXPECT_FALSE(GetUpdateRect(plain->Handle(), nullptr, FALSE));
    PaintParentBackground(child, surface.Dc(), true);
    EXPECT_TRUE(GetUpdateRect(plain->Handle(), nullptr, FALSE));
}

TEST_F(FrameworkPaint, ParentBackgroundShowsTheParentInsteadOfTheColor) {
    auto* group = new TGroupBox(form_);
    group->SetParent(form_);
    group->SetBounds(20, 20, 100, 100);
    group->SetColor(kGreen);
    form_->Show();
    UpdateWindow(form_->Handle());
    PumpMessagesFor(30);
    EXPECT_EQ(ScreenPixel(group, 50, 50), kGreen);
    EXPECT_EQ(GetEnumProp(group, "ParentBackground"), "False");

    ASSERT_TRUE(SetEnumProp(group, "ParentBackground", "True"));
    UpdateWindow(group->Handle());
    PumpMessagesFor(30);
    EXPECT_EQ(ScreenPixel(group, 50, 50), kRed);
    EXPECT_EQ(ScreenPixel(group, 35, 35), kBlue);  // the form's OnPaint square at (55,55)
}

}  // namespace
