// The skin definition linter: what it reports, where, and that clean skins pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "skin/data/pixels.h"
#include "base/bmp_io.h"
#include "skin/source/skin_lint.h"

namespace {

using skin::source::LintSkinDefinition;
using skin::source::TLintFinding;
using skin::source::TLintSeverity;

// Members of a test skin, by lower-case name.
class Members {
public:
    Members& Image(const std::string& name, int width, int height) {
        bytes_[name] = base::WriteBmp24(base::Bitmap(width, height, 0x336699));
        return *this;
    }
    Members& Raw(const std::string& name, std::vector<std::uint8_t> bytes) {
        bytes_[name] = std::move(bytes);
        return *this;
    }
    skin::source::TMemberLookup Lookup() const {
        return [this](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
            const auto it = bytes_.find(name);
            if (it == bytes_.end()) return std::nullopt;
            return it->second;
        };
    }

private:
    std::map<std::string, std::vector<std::uint8_t>> bytes_;
};

std::vector<TLintFinding> Lint(const std::string& text, const Members& members = Members()) {
    return LintSkinDefinition(text, members.Lookup());
}

// The findings of one severity as "line:message-fragment" pairs are awkward to compare; tests
// look for a finding on a line whose message contains a fragment.
bool HasFinding(const std::vector<TLintFinding>& findings, TLintSeverity severity, int line,
                const std::string& fragment) {
    return std::any_of(findings.begin(), findings.end(), [&](const TLintFinding& f) {
        return f.Severity == severity && f.Line == line && f.Message.find(fragment) != std::string::npos;
    });
}

std::string Dump(const std::vector<TLintFinding>& findings) {
    std::string out;
    for (const auto& f : findings) out += skin::source::FormatFinding("skin.ini", f) + "\n";
    return out;
}

TEST(SkinLint, CleanDefinitionHasNoFindings) {
    Members m;
    m.Image("left.bmp", 8, 40)
        .Image("top.bmp", 30, 60)
        .Image("button.bmp", 100, 20)
        .Image("check.bmp", 52, 13)
        .Image("close.bmp", 57, 18)
        .Image("tabs.bmp", 100, 20)
        .Image("border.bmp", 16, 16);
    const std::string text =
        "; comment\n[TitlebarSkin]\nSkinName=Test\n[Personality]\nLeft=left.bmp\nLeftFrame=2\nTop=top.bmp\n"
        "TopFrame=2\nLeftTopHeight=0x1F\nTopStretch=$1\n[Buttons]\nBitmap=button.bmp\nCheckButton=check.bmp\n"
        "NormalColour2=130, 31, 12\n[BUTTON.CLOSE]\nAction=0\nAlign=1\nButtonImage=close.bmp\n"
        "[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\n[Colours]\nbuttonface=1 2 3\n[Colour.Extra]\ncolor=9 9 9\n"
        "[Customcolors]\nColor7=255 255 255\n";
    const auto findings = Lint(text, m);
    EXPECT_TRUE(findings.empty()) << Dump(findings);
}

TEST(SkinLint, UnknownSectionsAndKeysAreErrorsWithTheirLine) {
    const auto findings = Lint("[Personality]\nTextShift=3\nTextShfit=3\n[Wibble]\nx=1\n[progress]\nImage=a.bmp\n");
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 3, "unknown key \"TextShfit\"")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 4, "unknown section")) << Dump(findings);
    // Progress reads "Bitmap", not "Image"; section names match in any case.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 7, "unknown key \"Image\"")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 6, "unknown section"));
    EXPECT_TRUE(skin::source::HasErrors(findings));
    // The findings come in line order and name their section.
    EXPECT_TRUE(std::is_sorted(findings.begin(), findings.end(),
                               [](const TLintFinding& a, const TLintFinding& b) { return a.Line < b.Line; }));
    EXPECT_EQ(findings.front().Section, "Personality");
}

TEST(SkinLint, KeysOfOneSectionKindAreNotAcceptedInAnother) {
    // Style is read by generic image objects but not by Tabs; FrameCount only by the thumbs.
    const auto findings = Lint("[Tabs]\nStyle=1\n[SunkEdge]\nStyle=1\nFrameCount=2\n[VertScrollThumb]\nFrameCount=2\n");
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 2, "unknown key"));
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 4, "unknown key"));
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 5, "unknown key"));
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 7, "unknown key"));
}

TEST(SkinLint, ImageKeysNeedAnExistingReadableBmpMember) {
    Members m;
    m.Image("there.bmp", 20, 10).Raw("broken.bmp", {'B', 'M', 1, 2, 3});
    const auto findings = Lint(
        "[ExtraImages]\nImage=missing.bmp\n[SunkEdge]\nImage=pic.tga\n[Headerbar]\nImage=PIC.BMP\n"
        "[MenuItem]\nImage=c:\\skins\\there.bmp\n[MenuBackground]\nImage=broken.bmp\n",
        m);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 2, "missing")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 4, "not a .bmp")) << Dump(findings);
    // The engine compares the extension byte for byte: upper case is not loaded.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 6, "not a .bmp")) << Dump(findings);
    // A directory part is dropped, as the engine does.
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 8, "")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 10, "not a readable BMP")) << Dump(findings);
}

TEST(SkinLint, ImageSizesMustHoldWholeFrames) {
    Members m;
    m.Image("side.bmp", 9, 40)
        .Image("top.bmp", 30, 61)
        .Image("scroll.bmp", 23 * 16, 16)
        .Image("tabs.bmp", 101, 20)
        .Image("thumb.bmp", 40, 16)
        .Image("mdi.bmp", 12 * 16, 16);
    const auto findings = Lint(
        "[Personality]\nLeft=side.bmp\nLeftFrame=2\nTop=top.bmp\nTopFrame=2\n[Scrollbar]\nImage=scroll.bmp\n"
        "[Tabs]\nImage=tabs.bmp\n[HorzScrollThumb]\nImage=thumb.bmp\nFrameCount=4\n[MDICONTROLS]\nImage=mdi.bmp\n",
        m);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 2, "width is not a multiple of 2")) << Dump(findings);
    // Top and bottom frames are stacked, so their height counts.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 4, "height is not a multiple of 2")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 7, "")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 9, "multiple of 5")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 11, "")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 14, "")) << Dump(findings);
}

TEST(SkinLint, DerivedFrameCountsFollowTheLoader) {
    Members m;
    // 57 x 18 gives 3 frames (57 / 3 whole); 58 x 18 also 3 frames but not whole;
    // 120 x 18 gives 6 frames; a glyph strip 48 x 16 gives 4 frames (48 / 16, at least 4).
    m.Image("three.bmp", 57, 18)
        .Image("bad.bmp", 58, 18)
        .Image("six.bmp", 120, 18)
        .Image("radio.bmp", 48, 16)
        .Image("check.bmp", 66, 13);
    const auto findings = Lint(
        "[BUTTON.A]\nAction=0\nButtonImage=three.bmp\n[BUTTON.B]\nAction=1\nButtonImage=bad.bmp\n"
        "[BUTTON.C]\nAction=2\nButtonImage=six.bmp\n[Buttons]\nRadioButton=radio.bmp\nCheckButton=check.bmp\n",
        m);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 3, "")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 6, "multiple of 3")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 9, "")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 11, "")) << Dump(findings);
    // 66 / 13 = 5 frames, but 66 is not a multiple of 5.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 12, "multiple of 5")) << Dump(findings);
}

TEST(SkinLint, CaptionButtonRules) {
    Members m;
    m.Image("icon.bmp", 16, 16);
    const auto findings = Lint(
        "[BUTTON.NOACTION]\nAlign=1\n[BUTTON.DECOR]\nAction=-1\n[BUTTON.SHOWN]\nAction=-1\nVisibility=0\n"
        "[BUTTON.ICON]\nAction=3\nButtonImage=icon.bmp\n[BUTTON.RADIO]\nx=1\n",
        m);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 1, "without an Action")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 3, "Visibility=0")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Warning, 5, "")) << Dump(findings);
    // The icon button's image is dropped without a frame key: a warning, not a frame error.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 10, "window icon")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 11, "not read")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 12, "")) << Dump(findings);
}

TEST(SkinLint, ColorsMustBeThreeNumbersInRange) {
    const auto findings = Lint(
        "[Colours]\nWindowText=130 31 12\nButtonFace=10 20\nMenu=255\nMenuText=300 0 0\nHilight=a,b,c\n"
        "ButtonText=1;2;3\nButtonShadow=\n[Buttons]\nNormalColour2=1 2 3 4\n");
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 2, ""));
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 3, "not three numbers")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 4, "not three numbers")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 5, "not three numbers")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 6, "not three numbers")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 7, ""));
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 8, ""));  // empty: the default is used
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 10, "not three numbers")) << Dump(findings);
}

TEST(SkinLint, IntegersFollowTheDefinitionReader) {
    const auto findings = Lint(
        "[Buttons]\nLeftWidth=0x1F\nRightWidth=$1f\nTopHeight=-4\nBottomHeight=12abc\nTrans=0x\nTile=99999999999\n");
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 2, "")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 3, "")) << Dump(findings);
    EXPECT_FALSE(HasFinding(findings, TLintSeverity::Error, 4, "")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 5, "not an integer")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 6, "not an integer")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 7, "not an integer")) << Dump(findings);
}

TEST(SkinLint, StructureMistakesTheEngineWouldIgnore) {
    const auto findings = Lint(
        "SkinName=early\n[ Buttons]\nTile=1\n[Fonts]\nFontHeight=14\nFontHeight=16\nno equals sign\n[fonts]\n"
        "FontHeight=20\n");
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 1, "before the first section")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 2, "blanks inside the brackets")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 6, "only the first counts")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 7, "not a key=value")) << Dump(findings);
    // A second section of the same name (in any case) is never searched.
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Warning, 8, "reads only the first")) << Dump(findings);
}

TEST(SkinLint, LineNumbersCountEveryKindOfLineEnd) {
    // CR LF, CR alone and LF alone each end one line; blank and comment lines count too.
    const auto findings = Lint("[Fonts]\r\n\r\n; note\rBad=1\n\nWorse=2\r\n");
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 4, "unknown key \"Bad\"")) << Dump(findings);
    EXPECT_TRUE(HasFinding(findings, TLintSeverity::Error, 6, "unknown key \"Worse\"")) << Dump(findings);
    // A NUL byte ends the text.
    EXPECT_TRUE(Lint(std::string("[Fonts]\n\0Bad=1\n", 15)).empty());
}

TEST(SkinLint, FormatNamesFileLineAndSection) {
    const TLintFinding f{TLintSeverity::Error, 12, "Tabs", "unknown key \"x\""};
    EXPECT_EQ(skin::source::FormatFinding("skin.ini", f), "skin.ini:12: [Tabs] error: unknown key \"x\"");
    const TLintFinding w{TLintSeverity::Warning, 0, "", "note"};
    EXPECT_EQ(skin::source::FormatFinding("a.skn", w), "a.skn: warning: note");
}

TEST(SkinLint, ArbitraryBytesNeverCrash) {
    std::mt19937 random(7);
    const std::string alphabet = std::string("[]=;\r\n \t.0123456789xX$-abcBUTTONImageColoursbmp") + '\0' + '\xff';
    Members m;
    m.Image("a.bmp", 5, 3).Raw("b.bmp", {'B', 'M'});
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i) text.push_back(alphabet[random() % alphabet.size()]);
        const auto findings = Lint(text, m);
        // Every finding points into the text: no line beyond its last line break.
        const auto breaks = std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r');
        for (const auto& f : findings) {
            EXPECT_GE(f.Line, 1);
            EXPECT_LE(f.Line, breaks + 1);
            EXPECT_FALSE(f.Message.empty());
        }
    }
}

}  // namespace
