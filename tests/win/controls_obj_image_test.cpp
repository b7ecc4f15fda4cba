// Custom glyph skins: check boxes and radio buttons of another component set that paint from a
// glyph strip of their own get one built from the skin's frames through their published
// properties, reload it, and go back to their own glyphs when the skin lets go.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_skin_fixture.h"
#include "framework/win/framework.h"
#include "skin/controls/win/skin_obj_image.h"
#include "support/control_forms.h"
#include "support/message_pump.h"

namespace {

// Stands in for such a control: publishes the glyph properties and records the switch.
class TRzCheckBox : public TPanel {
    T_CLASS_PUBLISHED(TRzCheckBox, TPanel)
public:
    explicit TRzCheckBox(TComponent* owner) : TPanel(owner) {}
    TBitmap* CustomGlyphs() const { return glyphs_.get(); }
    void SetCustomGlyphs(TBitmap* value) { glyphs_->Assign(value); }
    int TransparentColorValue() const { return transparent_; }
    void SetTransparentColorValue(int value) { transparent_ = value; }
    bool UseCustomGlyphs() const { return use_; }
    void SetUseCustomGlyphs(bool value) {
        use_ = value;
        switches.push_back(value);
    }
    static TPropList Published() {
        return {
            propdef::Object<TRzCheckBox, TBitmap>("CustomGlyphs", &TRzCheckBox::CustomGlyphs,
                                                  &TRzCheckBox::SetCustomGlyphs),
            propdef::Integer<TRzCheckBox>("TransparentColor", &TRzCheckBox::TransparentColorValue,
                                          &TRzCheckBox::SetTransparentColorValue),
            propdef::Boolean<TRzCheckBox>("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs,
                                          &TRzCheckBox::SetUseCustomGlyphs),
        };
    }
    std::vector<bool> switches;

private:
    std::unique_ptr<TBitmap> glyphs_ = std::make_unique<TBitmap>();
    int transparent_ = 0;
    bool use_ = false;
};

class TRzRadioButton : public TRzCheckBox {
    T_CLASS(TRzRadioButton, TRzCheckBox)
public:
    using TRzCheckBox::TRzCheckBox;
};

TEST(ControlsObjImage, GlyphStripsHandedOverAndTakenBack) {
    Application->Initialize();
    auto data = form_test::LoadSkin("graphite");
    const auto& buttons = *data->Objects().Buttons;
    ASSERT_EQ(buttons.CheckFrameCount, 4);
    auto* form = new TForm(nullptr);
    form->SetBounds(20, 20, 300, 200);
    auto* check = new TRzCheckBox(form);
    check->SetParent(form);
    check->SetBounds(10, 10, 120, 24);
    auto* radio = new TRzRadioButton(form);
    radio->SetParent(form);
    radio->SetBounds(10, 50, 120, 24);
    form->Show();
    skin::win::TSkinForm* formSkin = testing_support::SkinFrameworkForm(*data, form);
    testing_support::PumpMessagesFor(50);

    std::vector<int> modes;
    for (auto* skin : formSkin->ControlSkins())
        if (auto* glyphs = dynamic_cast<skin::win::TSkinObjImage*>(skin)) modes.push_back(glyphs->GlyphMode());
    EXPECT_EQ(modes, (std::vector<int>{1, 2}));

    const int fw = buttons.CheckMap.Width() / 4;
    ASSERT_EQ(check->CustomGlyphs()->Width(), 9 * fw);
    EXPECT_EQ(radio->CustomGlyphs()->Width(), 6 * (buttons.RadioMap.Width() / buttons.RadioFrameCount));
    EXPECT_EQ(check->TransparentColorValue(), 0xFF00FF);
    EXPECT_EQ(check->switches, (std::vector<bool>{false, true}));
    // Frame 3 repeats source frame 0, frame 7 is source frame 3, frame 2 stays clear.
    const int y = buttons.CheckMap.Height() / 2;
    TCanvas* canvas = check->CustomGlyphs()->Canvas();
    for (int x = 0; x < fw; ++x) {
        EXPECT_EQ(canvas->Pixel(3 * fw + x, y), skin::PixelToColor(buttons.CheckMap.At(x, y))) << x;
        EXPECT_EQ(canvas->Pixel(7 * fw + x, y), skin::PixelToColor(buttons.CheckMap.At(3 * fw + x, y))) << x;
        EXPECT_EQ(canvas->Pixel(2 * fw + x, y), 0xFF00FFu) << x;
    }

    formSkin->FreeControlSkins();
    EXPECT_FALSE(check->UseCustomGlyphs());
    EXPECT_FALSE(radio->UseCustomGlyphs());
    delete form;
}

}  // namespace
