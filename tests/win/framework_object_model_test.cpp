// Class names, ancestry, published properties by name and component ownership.
#include "framework/win/framework.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TForm7 : public TForm {
    T_CLASS(TForm7, TForm)
public:
    explicit TForm7(TComponent* owner) : TForm(owner) {}
};

}  // namespace

TEST(FrameworkClassInfo, ClassNamesAndAncestryFollowTheHierarchy) {
    TSpeedButton button(nullptr);
    TLabel label(nullptr);
    TMemo memo(nullptr);
    TGroupBox groupBox(nullptr);
    TTreeView tree(nullptr);
    TButton push(nullptr);

    EXPECT_EQ(button.ClassName(), "TSpeedButton");
    EXPECT_TRUE(button.InheritsFrom("TGraphicControl"));
    EXPECT_FALSE(button.InheritsFrom("TWinControl"));
    EXPECT_TRUE(label.Is<TGraphicControl>());
    EXPECT_TRUE(memo.Is<TCustomEdit>());
    EXPECT_TRUE(memo.InheritsFrom("TCustomMemo"));
    EXPECT_FALSE(TEdit(nullptr).Is<TCustomMemo>());
    EXPECT_TRUE(groupBox.Is<TCustomControl>());
    EXPECT_TRUE(groupBox.InheritsFrom("TCustomGroupBox"));
    EXPECT_TRUE(tree.InheritsFrom("TCustomTreeView"));
    EXPECT_TRUE(push.InheritsFrom("TButtonControl"));
    EXPECT_TRUE(push.Is<TWinControl>() && push.Is<TControl>() && push.Is<TComponent>() && push.Is<TObject>());
    EXPECT_EQ(std::string(push.ClassParentName()), "TButtonControl");

    // A class declared by the application reports its own name and the framework ancestry.
    TForm7* form = new TForm7(nullptr);
    EXPECT_EQ(form->ClassName(), "TForm7");
    EXPECT_TRUE(form->InheritsFrom("TCustomForm"));
    EXPECT_TRUE(form->InheritsFrom("TScrollingWinControl"));
    EXPECT_FALSE(form->InheritsFrom("TCustomControl"));
    form->Free();
}

TEST(FrameworkProperties, BooleansReadAsTrueFalseAndSetByMemberName) {
    TSpeedButton button(nullptr);
    EXPECT_EQ(GetEnumProp(&button, "Flat"), "False");
    EXPECT_TRUE(SetPropValue(&button, "flat", "TRUE"));  // names compare without case
    EXPECT_TRUE(button.Flat());
    EXPECT_EQ(GetPropValue(&button, "Flat"), "True");
    EXPECT_FALSE(SetEnumProp(&button, "Flat", "Maybe"));
    EXPECT_TRUE(button.Flat());

    button.SetGroupIndex(1);
    EXPECT_TRUE(SetEnumProp(&button, "Down", "True"));
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(GetEnumProp(&button, "Enabled"), "True");
    EXPECT_TRUE(SetPropValue(&button, "Enabled", "False"));
    EXPECT_FALSE(button.Enabled());
}

TEST(FrameworkProperties, IntegersAndEnumerationsByName) {
    TSpeedButton button(nullptr);
    EXPECT_EQ(GetIntProp(&button, "Margin"), -1);
    EXPECT_TRUE(SetPropValue(&button, "Margin", "7"));
    EXPECT_EQ(button.Margin(), 7);
    EXPECT_TRUE(SetPropValue(&button, "Spacing", "$10"));
    EXPECT_EQ(button.Spacing(), 16);
    EXPECT_FALSE(SetPropValue(&button, "Spacing", "12abc"));
    EXPECT_FALSE(SetPropValue(&button, "Spacing", ""));
    EXPECT_EQ(button.Spacing(), 16);
    EXPECT_TRUE(SetPropValue(&button, "NumGlyphs", "2"));
    EXPECT_EQ(button.NumGlyphs(), 2);

    EXPECT_EQ(GetEnumProp(&button, "Layout"), "blGlyphLeft");
    EXPECT_TRUE(SetPropValue(&button, "Layout", "blGlyphTop"));
    EXPECT_EQ(button.Layout(), blGlyphTop);
    // An integer property is not an enumeration and the other way round.
    EXPECT_FALSE(GetEnumProp(&button, "Margin").has_value());
    EXPECT_FALSE(GetIntProp(&button, "Layout").has_value());

    // Colors are integers; a system color keeps its high byte.
    TForm* form = new TForm(nullptr);
    ASSERT_TRUE(SetIntProp(form, "Color", static_cast<std::int32_t>(clBtnFace)));
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(GetPropValue(form, "BorderStyle"), "bsSizeable");
    EXPECT_TRUE(SetPropValue(form, "BorderStyle", "bsDialog"));
    EXPECT_EQ(form->BorderStyle(), bsDialog);
    EXPECT_EQ(GetEnumProp(form, "AutoScroll"), "True");
    EXPECT_TRUE(SetEnumProp(form, "AutoScroll", "False"));
    EXPECT_FALSE(form->AutoScroll());
    form->Free();
}

TEST(FrameworkProperties, StringsObjectsAndMissingProperties) {
    TButton push(nullptr);
    EXPECT_TRUE(SetPropValue(&push, "Caption", "  Potvrdi  "));
    EXPECT_EQ(push.Caption(), "  Potvrdi  ");
    EXPECT_EQ(GetStrProp(&push, "Caption"), "  Potvrdi  ");
    EXPECT_EQ(GetEnumProp(&push, "Default"), "False");
    EXPECT_TRUE(SetEnumProp(&push, "Default", "True"));
    EXPECT_TRUE(push.Default());

    TObject* font = GetObjectProp(&push, "Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font, push.Font());
    EXPECT_EQ(font->ClassName(), "TFont");
    EXPECT_EQ(GetStrProp(font, "Name"), "MS Sans Serif");
    EXPECT_EQ(GetIntProp(font, "Height"), -11);

    TSpeedButton button(nullptr);
    EXPECT_EQ(GetObjectProp(&button, "Glyph"), button.Glyph());

    // Missing properties are reported as missing, for a null object too.
    EXPECT_FALSE(IsPublishedProp(&push, "Glyph"));
    EXPECT_EQ(GetPropInfo(&push, "NoSuchProperty"), nullptr);
    EXPECT_FALSE(GetPropValue(&push, "NoSuchProperty").has_value());
    EXPECT_FALSE(SetPropValue(&push, "NoSuchProperty", "1"));
    EXPECT_FALSE(GetIntProp(nullptr, "Tag").has_value());
    EXPECT_EQ(GetObjectProp(nullptr, "Font"), nullptr);
    EXPECT_FALSE(SetPropValue(nullptr, "Tag", "1"));

    // Properties of ancestors are found; the kind is reported.
    EXPECT_EQ(PropType(&push, "Tag"), TTypeKind::tkInteger);
    EXPECT_EQ(PropType(&push, "Font"), TTypeKind::tkClass);
    EXPECT_EQ(PropType(&push, "Name"), TTypeKind::tkString);
    EXPECT_TRUE(SetPropValue(&push, "Tag", "-99"));
    EXPECT_EQ(push.Tag(), -99);
}

TEST(FrameworkComponents, ParentFreesChildControlsThatLeaveTheirOwner) {
    TForm* form = new TForm(nullptr);
    auto* group = new TGroupBox(form);
    group->SetParent(form);
    auto* label = new TLabel(form);
    label->SetParent(group);
    ASSERT_EQ(form->ComponentCount(), 2);
    ASSERT_EQ(group->ControlCount(), 1);
    EXPECT_EQ(label->Parent(), group);
    EXPECT_EQ(GetParentForm(label), form);

    group->Free();  // frees the label too, which leaves the form's components
    EXPECT_EQ(form->ComponentCount(), 0);
    EXPECT_EQ(form->ControlCount(), 0);
    form->Free();
}

TEST(FrameworkFont, SizeAndHeightAgreeAndChangesAreReported) {
    TFont font;
    EXPECT_EQ(font.Size(), 8);
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetStyle(fsBold);
    font.SetStyle(fsBold);  // no change, no notification
    EXPECT_EQ(changes, 2);
    LOGFONTW lf{};
    ASSERT_NE(GetObjectW(font.Handle(), sizeof(lf), &lf), 0);
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(NarrowText(lf.lfFaceName), "MS Sans Serif");
}

TEST(FrameworkButtonLayout, GlyphAndTextArePlacedAlongTheLayout) {
    const RECT client{0, 0, 145, 57};
    // Glyph above the caption, centred as a block (margin -1, spacing 4).
    TButtonLayoutResult top = CalcButtonLayout(client, SIZE{30, 30}, SIZE{40, 13}, blGlyphTop, -1, 4);
    EXPECT_EQ(top.GlyphPos.x, (145 - 30 + 1) / 2);
    EXPECT_EQ(top.GlyphPos.y, (57 - (30 + 4 + 13) + 1) / 2);
    EXPECT_EQ(top.TextBounds.top, top.GlyphPos.y + 30 + 4);
    EXPECT_EQ(top.TextBounds.left, (145 - 40 + 1) / 2);

    // Glyph left with a fixed margin; the text follows after the spacing.
    TButtonLayoutResult left = CalcButtonLayout(client, SIZE{16, 16}, SIZE{40, 13}, blGlyphLeft, 5, 3);
    EXPECT_EQ(left.GlyphPos.x, 5);
    EXPECT_EQ(left.TextBounds.left, 5 + 16 + 3);
    EXPECT_EQ(left.TextBounds.right - left.TextBounds.left, 40);

    // Glyph right: mirrored.
    TButtonLayoutResult right = CalcButtonLayout(client, SIZE{16, 16}, SIZE{40, 13}, blGlyphRight, 5, 3);
    EXPECT_EQ(right.GlyphPos.x, 145 - 5 - 16);
    EXPECT_EQ(right.TextBounds.right, right.GlyphPos.x - 3);

    // No glyph: the spacing does not count and the text is centred.
    TButtonLayoutResult textOnly = CalcButtonLayout(client, SIZE{0, 0}, SIZE{41, 13}, blGlyphLeft, -1, 4);
    EXPECT_EQ(textOnly.TextBounds.left, (145 - 41 + 1) / 2);

    // The client offset is applied to both.
    TButtonLayoutResult shifted = CalcButtonLayout(RECT{2, 3, 147, 60}, SIZE{30, 30}, SIZE{40, 13}, blGlyphTop, -1, 4);
    EXPECT_EQ(shifted.GlyphPos.x, top.GlyphPos.x + 2);
    EXPECT_EQ(shifted.TextBounds.top, top.TextBounds.top + 3);
}
