#include <gtest/gtest.h>

#include "cards/DeckRules.hpp"
#include "testsupport/CaseName.hpp"

namespace qc = quillon::cards;

namespace {

// A first card "00" + identifier, padded to 79 columns, then `mark` in column 80.
std::string FirstCard(const char* mark) {
    std::string card = "00B-17";
    card.resize(79, ' ');
    return card + mark;
}

struct UnitsCase {
    const char* name;
    const char* what;
    std::vector<std::string> lines;
    bool metric;
};

class DeckUnitsTable : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(DeckUnitsTable, JudgesTheDeck) {
    const UnitsCase& c = GetParam();
    EXPECT_EQ(qc::IsMetricDeck(c.lines), c.metric) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Decks, DeckUnitsTable,
    ::testing::Values(UnitsCase{"MInColumn80", "M in column 80", {FirstCard("M"), "01"}, true},
                      UnitsCase{"LowerCaseMInColumn80", "m in column 80", {FirstCard("m")}, true},
                      UnitsCase{"BlankColumn80", "blank column 80", {FirstCard(" "), "01"}, false},
                      UnitsCase{"ShortFirstLine", "short first line", {"00B-17"}, false},
                      UnitsCase{
                          "MInColumn81Only", "M in column 81 only", {FirstCard(" ") + "M"}, false},
                      UnitsCase{"UnitsCardSaysMetric",
                                "a units card says metric",
                                {"00B-17", "00 units: METRIC;", "01"},
                                true},
                      UnitsCase{"UnitsCardFeetAfterColumn80Mark",
                                "units card after the first line's column 80 mark says feet",
                                {FirstCard("M"), "00 Units: feet;"},
                                true},
                      UnitsCase{"LaterUnitsCardSaysFeet",
                                "a later units card says feet",
                                {"00B-17", "00 Units: metric;", "00 Units: feet;"},
                                false},
                      UnitsCase{"MetricBeforeUnitsDoesNotCount",
                                "Metric before Units: does not count",
                                {"00B-17", "00 Metric Units:"},
                                false},
                      UnitsCase{"UnitsOnFirstLineAlone",
                                "Units: on the first line alone",
                                {"00 Units: metric;"},
                                false},
                      UnitsCase{"FirstLineAfter00GroupSearched",
                                "the first line after the 00 group is still searched",
                                {"00B-17", "01 Units: metric"},
                                true},
                      UnitsCase{"CardAfterNon00LineNotSearched",
                                "a card after a non-00 line is not searched",
                                {"00B-17", "01", "00 Units: metric;"},
                                false},
                      UnitsCase{"UnitsInColumnsOneTwoNotSearched",
                                "Units: in columns 1-2 is not searched",
                                {"00B-17", "Units: metric"},
                                false},
                      UnitsCase{"EmptyDeck", "empty deck", {}, false},
                      UnitsCase{"CommentCardBeforeTheFirstCard",
                                "a comment card before the first card",
                                {"99 converted from the survey", FirstCard("M"), "01"},
                                true},
                      UnitsCase{"EmptyAndBlankLinesBeforeTheFirstCard",
                                "an empty line and a line of blanks before the first card",
                                {"", "      ", FirstCard("m")},
                                true},
                      UnitsCase{"CommentCardBeforeABlankColumn80",
                                "a comment card with M in column 80 is no card",
                                {FirstCard("M").replace(0, 2, "99"), FirstCard(" ")},
                                false},
                      UnitsCase{"CommentCardWithinTheDescriptionGroup",
                                "a comment card between two 00 cards",
                                {"00B-17", "99 units follow", "00 Units: metric;"},
                                true},
                      UnitsCase{"OnlyCommentCards", "only comment cards", {"99", "99 M"}, false}),
    quillon::testsupport::CaseName());

// A comment card is "99" in columns 1-2 exactly: anything may follow, and a
// type that only looks like it is a card of its own.
TEST(CommentCard, IsNinetyNineInColumnsOneAndTwo) {
    EXPECT_TRUE(qc::IsCommentCard("99"));
    EXPECT_TRUE(qc::IsCommentCard("99 a remark"));
    EXPECT_TRUE(qc::IsCommentCard("9900B-17"));
    EXPECT_FALSE(qc::IsCommentCard(" 99"));
    EXPECT_FALSE(qc::IsCommentCard("9 9"));
    EXPECT_FALSE(qc::IsCommentCard("9"));
    EXPECT_FALSE(qc::IsCommentCard(""));
    EXPECT_FALSE(qc::IsCommentCard("00B-17"));
    EXPECT_FALSE(qc::IsCommentCard("98"));
}

}  // namespace
