// What the viewer shows of a listing file.
#include <gtest/gtest.h>

#include <string>

#include "editor/commands/ListingText.hpp"

namespace quillon::editor {
namespace {

TEST(ListingText, LinesOfLfAndCrlfEndWithOneLineEndEach) {
    const ListingDisplay shown = ListingForDisplay("one\r\ntwo\nthree\r\n");
    EXPECT_EQ(shown.text, "one\ntwo\nthree\n");
    EXPECT_FALSE(shown.tooLarge);
}

TEST(ListingText, LastLineWithoutALineEndIsShown) {
    EXPECT_EQ(ListingForDisplay("one\r\nlast").text, "one\nlast\n");
}

TEST(ListingText, FormFeedsAndSingleByteCharactersStay) {
    // The listing's page mark and a degree sign in Latin-1.
    const std::string listing = "\f1 PAGE\r\n12\xB0 30'\r\n\r\n";
    EXPECT_EQ(ListingForDisplay(listing).text, "\f1 PAGE\n12\xB0 30'\n\n");
}

TEST(ListingText, EmptyFileShowsNothing) { EXPECT_EQ(ListingForDisplay("").text, ""); }

TEST(ListingText, TextPassesTheLimitByLessThanOneLine) {
    // Lines of 8 characters count 10 each: after 6499 lines the text counts
    // 64990, under the limit, so line 6500 is appended too (65000) and the
    // rest is left out.
    std::string listing;
    for (int i = 0; i < 8000; ++i) listing += "LINE" + std::to_string(1000 + i % 9000) + "\n";
    const ListingDisplay shown = ListingForDisplay(listing);
    EXPECT_TRUE(shown.tooLarge);
    EXPECT_EQ(shown.text.size(), 6500u * 9u);

    // One line more than the limit needs: 64995 counted after 4333 lines of
    // 13 characters (15 each), so line 4334 still goes in, to 65010.
    std::string longer;
    for (int i = 0; i < 5000; ++i) longer += std::string(13, 'x') + "\n";
    EXPECT_EQ(ListingForDisplay(longer).text.size(), 4334u * 14u);
}

TEST(ListingText, LimitCountsTwoForEveryLineEnd) {
    // 65000 bytes of LF lines (64 characters, 65 bytes each: 1000 lines)
    // count 66000 with two for each line end: the text stops at line 985,
    // where 985 x 66 = 65010 first reaches the limit.
    std::string listing;
    for (int i = 0; i < 1000; ++i) listing += std::string(64, 'a') + "\n";
    ASSERT_EQ(listing.size(), 65000u);
    const ListingDisplay shown = ListingForDisplay(listing);
    EXPECT_FALSE(shown.tooLarge);
    EXPECT_EQ(shown.text.size(), 985u * 65u);
}

}  // namespace
}  // namespace quillon::editor
