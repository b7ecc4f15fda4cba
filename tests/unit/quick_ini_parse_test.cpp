// Parsing of skin definition text into significant lines and the section index.
#include <gtest/gtest.h>

#include <sstream>

#include "skin/data/quick_ini.h"

namespace {

using skin::TQuickIni;

TEST(QuickIniParse, KeepsTrimmedSignificantLinesAndIndexesHeaders) {
    TQuickIni ini;
    ini.LoadFromStream(
        std::string_view("  ; leading comment\r\n"
                         "\r\n"
                         "orphan=1\r\n"
                         " [Personality] \r\n"
                         "\tLeft = left.bmp\t\r\n"
                         "   \r\n"
                         "[ Buttons]\r\n"
                         ";Bitmap=x.bmp\r\n"
                         "Bitmap=b.bmp"));
    EXPECT_EQ(ini.Lines(),
              (std::vector<std::string>{"orphan=1", "[Personality]", "Left = left.bmp", "[ Buttons]", "Bitmap=b.bmp"}));
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[0].Header, "[Personality]");
    EXPECT_EQ(ini.Sections()[0].Line, 1);
    EXPECT_EQ(ini.Sections()[1].Header, "[ Buttons]");
    EXPECT_EQ(ini.Sections()[1].Line, 3);
}

TEST(QuickIniParse, CarriageReturnLineFeedOrBothParseTheSame) {
    const std::string lf = "[A]\nk=1\n\n[B]\nk=2\n";
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    std::string crlf;
    for (const char c : lf) crlf += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    const std::string mixed = "[A]\rk=1\n\r\n[B]\r\nk=2";
    TQuickIni reference;
    reference.LoadFromStream(std::string_view(lf));
    for (const std::string& text : {cr, crlf, mixed}) {
        TQuickIni ini;
        ini.LoadFromStream(std::string_view(text));
        EXPECT_EQ(ini.Lines(), reference.Lines());
        ASSERT_EQ(ini.Sections().size(), 2u);
        EXPECT_EQ(ini.Sections()[1].Line, 2);
        EXPECT_EQ(ini.ReadInteger("b", "K", 0), 2);
    }
}

TEST(QuickIniParse, NulByteEndsTheText) {
    TQuickIni ini;
    const std::string text("[A]\r\nk=1\0\r\n[B]\r\nk=2\r\n", 20);
    ini.LoadFromStream(std::string_view(text));
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k=1"}));
    EXPECT_EQ(ini.SectionLine("B"), -1);
}

TEST(QuickIniParse, HeaderNeedsBothBracketsAtTheEnds) {
    TQuickIni ini;
    ini.LoadFromStream(std::string_view("[A\r\n B] \r\n[C]x\r\n[]\r\n[x=1]\r\n[D] ; note\r\n"));
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"", "x=1"}));
}

TEST(QuickIniParse, ReadSectionsStripsBracketsAndTrimsInside) {
    TQuickIni ini;
    ini.LoadFromStream(std::string_view("[ Colours ]\n[BUTTON1]\n[button1]\n[Colour.Red]\n"));
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Colours", "BUTTON1", "button1", "Colour.Red"}));
    std::vector<std::string> list{"stale"};
    ini.ReadSections(list);
    EXPECT_EQ(list.size(), 4u);
}

TEST(QuickIniParse, LoadingReplacesEarlierText) {
    TQuickIni ini;
    ini.LoadFromStream(std::string_view("[A]\nk=1\n"));
    ini.LoadFromStream(std::string_view("[B]\nk=2\n"));
    EXPECT_EQ(ini.SectionLine("A"), -1);
    EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
    ini.LoadFromStream(std::string_view());
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_TRUE(ini.Sections().empty());
}

TEST(QuickIniParse, StreamIsReadFromItsPositionAndNullChangesNothing) {
    std::istringstream stream("[Skip]\nk=0\n[A]\nk=5\n");
    stream.seekg(11);  // start at "[A]"
    TQuickIni ini;
    ini.LoadFromStream(&stream);
    EXPECT_EQ(ini.SectionLine("Skip"), -1);
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 5);
    ini.LoadFromStream(static_cast<std::istream*>(nullptr));
    EXPECT_EQ(ini.ReadInteger("A", "k", 0), 5);
}

TEST(QuickIniParse, BytesAboveAsciiAreKeptAsText) {
    TQuickIni ini;
    const std::vector<std::uint8_t> bytes = {'[', 0xC8, ']', '\n', 'k', '=', 0xE9, 0xFF, '\n'};
    ini.LoadFromStream(std::span<const std::uint8_t>(bytes));
    EXPECT_EQ(ini.ReadString("\xC8", "k"), "\xE9\xFF");
    EXPECT_EQ(ini.SectionLine("\xE8"), -1);  // no case folding above ASCII
}

}  // namespace
