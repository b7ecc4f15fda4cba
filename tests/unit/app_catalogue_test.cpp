// The tree catalogue: shape, texts and the dialog of each node.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/catalogue.h"

namespace {

TEST(AppCatalogue, FiveCategoriesEachFollowedByItsActions) {
    const auto& nodes = Catalogue();
    std::vector<int> categories;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const int level = nodes[static_cast<std::size_t>(i)].level;
        ASSERT_TRUE(level == 0 || level == 1) << i;
        if (level == 0) categories.push_back(i);
    }
    EXPECT_EQ(categories, (std::vector<int>{0, 3, 6, 9, 14}));
    EXPECT_EQ(nodes[0].level, 0);  // an action always has a category above it
}

TEST(AppCatalogue, CategoriesOpenNothingAndEveryActionItsOwnDialogButNodesSevenAndEightShareNone) {
    std::set<TweakDialog> seen;
    for (int i = 0; i < kCatalogueSize; ++i) {
        const TweakDialog dialog = DialogForNode(i);
        if (Catalogue()[static_cast<std::size_t>(i)].level == 0) {
            EXPECT_EQ(dialog, TweakDialog::None) << i;
        } else {
            EXPECT_NE(dialog, TweakDialog::None) << i;
            EXPECT_TRUE(seen.insert(dialog).second) << "dialog used twice at node " << i;
        }
    }
    EXPECT_EQ(seen.size(), 11u);
    EXPECT_EQ(DialogForNode(2), TweakDialog::Form2);
    EXPECT_EQ(DialogForNode(13), TweakDialog::Form8);
    EXPECT_EQ(DialogForNode(15), TweakDialog::Form13);
    EXPECT_EQ(DialogForNode(-1), TweakDialog::None);
    EXPECT_EQ(DialogForNode(kCatalogueSize), TweakDialog::None);
    EXPECT_FALSE(CatalogueAt(16));
}

TEST(AppCatalogue, GroupCaptionsKeepTheirSurroundingSpaces) {
    for (const CatalogueNode& node : Catalogue()) {
        const std::string caption = node.groupCaption;
        EXPECT_EQ(caption.rfind("  ", 0), 0u) << caption;
        EXPECT_EQ(caption.back(), ' ') << caption;
        EXPECT_NE(std::string(node.description).size(), 0u);
    }
    EXPECT_STREQ(CatalogueAt(13)->groupCaption, "  LogOn obavestenje   ");
    EXPECT_STREQ(CatalogueAt(2)->groupCaption, "  Promena pocetne strane u IE-u    ");
    EXPECT_STREQ(CatalogueAt(6)->groupCaption, "  Podesavanja kontrolne table  ");
}

TEST(AppCatalogue, TextsAreSingleBytePrintableAscii) {
    auto printable = [](const char* text) {
        for (const char* p = text; *p; ++p)
            if (static_cast<unsigned char>(*p) < 0x20 || static_cast<unsigned char>(*p) > 0x7E) return false;
        return true;
    };
    for (const CatalogueNode& node : Catalogue()) {
        EXPECT_TRUE(printable(node.title)) << node.title;
        EXPECT_TRUE(printable(node.groupCaption)) << node.groupCaption;
        EXPECT_TRUE(printable(node.description)) << node.description;
    }
}

}  // namespace
