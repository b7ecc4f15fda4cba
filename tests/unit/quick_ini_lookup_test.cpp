// String and integer lookups of the skin definition reader.
#include <gtest/gtest.h>

#include <climits>

#include "skin/data/quick_ini.h"

namespace {

using skin::TQuickIni;

TQuickIni Load(std::string_view text) {
    TQuickIni ini;
    ini.LoadFromStream(text);
    return ini;
}

TEST(QuickIniLookup, SectionsAndKeysMatchWithoutCase) {
    const TQuickIni ini = Load("[personality]\nInactiveTextR=12\n[TitleBarSkin]\nSKINNAME=Steel\n");
    EXPECT_EQ(ini.SectionLine("Personality"), 0);
    EXPECT_EQ(ini.SectionLine("PERSONALITY"), 0);
    EXPECT_EQ(ini.ReadInteger("Personality", "InActiveTextR", -1), 12);
    EXPECT_EQ(ini.ReadString("titlebarskin", "SkinName"), "Steel");
}

TEST(QuickIniLookup, BlanksInsideBracketsAreSignificant) {
    const TQuickIni ini = Load("[ Buttons]\nBitmap=b.bmp\n[Tabs ]\nImage=t.bmp\n");
    EXPECT_EQ(ini.SectionLine("Buttons"), -1);
    EXPECT_EQ(ini.SectionLine(" Buttons"), 0);
    EXPECT_EQ(ini.ReadString("Buttons", "Bitmap", "none"), "none");
    EXPECT_EQ(ini.ReadString(" buttons", "bitmap", "none"), "b.bmp");
    EXPECT_EQ(ini.ReadString("Tabs", "Image", "none"), "none");
}

TEST(QuickIniLookup, FirstOccurrenceOfAKeyWinsEvenWhenEmpty) {
    const TQuickIni ini = Load("[S]\nA=1\na=2\nB=\nb=7\nC = \n");
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "B", -3), -3);
    EXPECT_EQ(ini.ReadString("S", "b", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "c", "dflt"), "dflt");
}

TEST(QuickIniLookup, KeysBeforeTheFirstHeaderAreNeverFound) {
    const TQuickIni ini = Load("Key=top\n[S]\nOther=1\n");
    EXPECT_EQ(ini.ReadString("S", "Key", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "Key", "none"), "none");
}

TEST(QuickIniLookup, OnlyTheFirstOfRepeatedSectionsIsSearched) {
    const TQuickIni ini = Load("[S]\nA=1\n[T]\nB=2\n[s]\nA=9\nC=3\n");
    EXPECT_EQ(ini.SectionLine("S"), 0);
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "C", -1), -1);
    EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"S", "T", "s"}));
}

TEST(QuickIniLookup, SearchStopsAtTheNextHeader) {
    const TQuickIni ini = Load("[A]\nx=1\n[B]\ny=2\n");
    EXPECT_EQ(ini.ReadString("A", "y", "none"), "none");
    EXPECT_EQ(ini.ReadString("B", "x", "none"), "none");
    EXPECT_EQ(ini.ReadString("B", "y", "none"), "2");
}

TEST(QuickIniLookup, ValueKeepsEverythingAfterTheFirstEquals) {
    const TQuickIni ini = Load("[S]\na=b=c\n  Spaced Key  =  two words  \n=anonymous\n");
    EXPECT_EQ(ini.ReadString("S", "a"), "b=c");
    EXPECT_EQ(ini.ReadString("S", "spaced key"), "two words");
    EXPECT_EQ(ini.ReadString("S", ""), "anonymous");
}

TEST(QuickIniLookup, LineWithoutEqualsHasEmptyKeyAndNoValue) {
    const TQuickIni ini = Load("[S]\njust text\n=later\n");
    // the first line with the empty key has no value: the default, not "later"
    EXPECT_EQ(ini.ReadString("S", "", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("S", "just text", "dflt"), "dflt");
}

TEST(QuickIniLookup, EmptyReaderAndMissingSectionGiveTheDefault) {
    const TQuickIni empty;
    EXPECT_EQ(empty.ReadString("S", "k", "d"), "d");
    EXPECT_EQ(empty.ReadInteger("S", "k", 42), 42);
    EXPECT_EQ(empty.SectionLine("S"), -1);
    const TQuickIni ini = Load("[S]\nk=1\n");
    EXPECT_EQ(ini.ReadInteger("T", "k", 42), 42);
}

TEST(QuickIniLookup, ValueMayAliasTheDefault) {
    const TQuickIni ini = Load("[S]\nk=\n");
    std::string value = "keep me";
    ini.ReadString("S", "k", value, value);
    EXPECT_EQ(value, "keep me");
}

TEST(QuickIniLookup, IntegerPrefixRulesOfTheDefinition) {
    const TQuickIni ini = Load(
        "[N]\nhex0x=0x1F\nhexX=0X1f\ndollar=$1F\nbare0x=0x\nletters=12px\nneg=-7\nplus=+8\n"
        "space=1 2\nbig=2147483648\nmin=-2147483648\nallbits=0xFFFFFFFF\nneghex=-$10\n"
        "negzerox=-0x10\nempty=\n");
    EXPECT_EQ(ini.ReadInteger("N", "hex0x", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "hexX", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "dollar", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "bare0x", -5), -5);
    EXPECT_EQ(ini.ReadInteger("N", "letters", -5), -5);
    EXPECT_EQ(ini.ReadInteger("N", "neg", 0), -7);
    EXPECT_EQ(ini.ReadInteger("N", "plus", 0), 8);
    EXPECT_EQ(ini.ReadInteger("N", "space", -5), -5);
    EXPECT_EQ(ini.ReadInteger("N", "big", -5), -5);
    EXPECT_EQ(ini.ReadInteger("N", "min", 0), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "allbits", 0), -1);
    EXPECT_EQ(ini.ReadInteger("N", "neghex", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "negzerox", -5), -5);  // "0x" is rewritten only at the start
    EXPECT_EQ(ini.ReadInteger("N", "empty", -5), -5);
}

}  // namespace
