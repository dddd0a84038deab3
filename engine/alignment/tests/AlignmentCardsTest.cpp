// The alignment step as a whole: the DESCRIPTION lines, the override rows
// and their order, the fatal boxes of cards that do not read, and where the
// step leaves the card stream.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "engine/problem/tests/EngineTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using aligntest::AlignmentRun;
using aligntest::Card;
using aligntest::Columns;
using aligntest::Deck;
using aligntest::kCrossSlopeCard;
using aligntest::kVerticalCard;

const std::string kCurveCard = Card({{1, "01"}, {3, "R"}, {4, "30."}, {13, "5000."}, {24, "5."}});

TEST(Description, FurtherZeroCardsAreListedUnderOneHeading) {
    const std::string third = Card({{1, "00"}, {3, "THIRD LINE"}, {78, "END"}});
    AlignmentRun run(Deck({"00 FIRST LINE", "00", third, kVerticalCard, kCrossSlopeCard}));
    ASSERT_TRUE(run.Process());
    const auto lines = run.Lines();
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " DESCRIPTION");
    EXPECT_EQ(lines[3], "");
    // 27 blanks, then columns 3-80 of the card in listing columns 28-105.
    EXPECT_EQ(lines[4], std::string(27, ' ') + Columns(" FIRST LINE", 1, 78));
    EXPECT_EQ(lines[5], std::string(105, ' '));
    EXPECT_EQ(Columns(lines[6], 1, 37), std::string(27, ' ') + "THIRD LINE");
    EXPECT_EQ(Columns(lines[6], 103, 105), "END");
    EXPECT_EQ(lines[6].size(), 105u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), " DESCRIPTION"), 1);
}

TEST(Description, NoneWhenTheAlignmentCardsFollowAtOnce) {
    AlignmentRun withCurve(Deck({kCurveCard, kVerticalCard, kCrossSlopeCard}));
    ASSERT_TRUE(withCurve.Process());
    EXPECT_EQ(withCurve.IndexOf("DESCRIPTION"), -1);
    AlignmentRun withoutCurve(Deck({kVerticalCard, kCrossSlopeCard}));
    ASSERT_TRUE(withoutCurve.Process());
    EXPECT_EQ(withoutCurve.IndexOf("DESCRIPTION"), -1);
}

TEST(AlignmentCards, ReturnsOnTheFirstReferenceLineCard) {
    AlignmentRun run(Deck({kCurveCard, kVerticalCard, kCrossSlopeCard}, "04  1000."));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(run.run.state.currentCardType, 4);
    EXPECT_EQ(run.run.state.cardImage.substr(0, 10), "04  1000. ");
    EXPECT_FALSE(run.run.state.fatalFlag);
    // The marker is a station of the alignment: the TS here.
    EXPECT_DOUBLE_EQ(run.run.state.alignmentMarker, run.Alignment().horizontal.tsStation);
    // The order of the sections.
    const int horizontal = run.IndexOf(" HORIZONTAL ALIGNMENT DATA");
    const int vertical = run.IndexOf(" VERTICAL ALIGNMENT DATA");
    const int crossSlopes = run.IndexOf(" TABLE OF ROADWAY CROSS-SLOPES");
    const int limits = run.IndexOf(" LIMITS OF VALID ELEVATION");
    EXPECT_LT(horizontal, vertical);
    EXPECT_LT(vertical, crossSlopes);
    EXPECT_LT(crossSlopes, limits);
}

std::string Override(const std::string& station, const std::string& right) {
    return Card({{1, "03"}, {3, station}, {17, right}});
}

std::vector<double> HeldStations(const AlignmentRun& run) {
    std::vector<double> stations;
    for (const auto& row : run.Alignment().cards.overrides) stations.push_back(row.station);
    return stations;
}

TEST(OverrideRows, FallingOrderIsHeldRising) {
    AlignmentRun run(
        Deck({kVerticalCard, kCrossSlopeCard, Override("300.", ".01"), Override("200.", ".02"),
              Override("250.", ".03"), Override("100.", ".04")}));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(HeldStations(run), (std::vector<double>{100.0, 200.0, 250.0, 300.0}));
    EXPECT_DOUBLE_EQ(run.Alignment().cards.overrides[2].right, 0.03);
    EXPECT_EQ(run.run.state.ignored.count, 0);
}

TEST(OverrideRows, RowWithinOneFootOfAHeldRowIsIgnored) {
    // 200.5 lies within 1.0 of 200 (after it had moved past 300); 301.0 is
    // exactly 1.0 from 300 and is kept.
    AlignmentRun run(
        Deck({kVerticalCard, kCrossSlopeCard, Override("200.", ".02"), Override("300.", ".01"),
              Override("200.5", ".03"), Override("301.", ".04")}));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(HeldStations(run), (std::vector<double>{200.0, 300.0, 301.0}));
    ASSERT_EQ(run.run.state.ignored.count, 1);
    EXPECT_EQ(run.run.state.ignored.lines[0].substr(0, 14), "03200.5       ");
}

TEST(OverrideRows, SixteenthRowIsIgnored) {
    std::vector<std::string> cards{kVerticalCard, kCrossSlopeCard};
    for (int i = 1; i <= 16; ++i) cards.push_back(Override(std::to_string(i * 10) + ".", ".01"));
    AlignmentRun run(Deck(cards));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(run.Alignment().cards.overrides.size(), 15u);
    EXPECT_EQ(run.Alignment().cards.overrides.back().station, 150.0);
    ASSERT_EQ(run.run.state.ignored.count, 1);
    EXPECT_EQ(run.run.state.ignored.lines[0].substr(0, 6), "03160.");
}

TEST(OverrideRows, ParabolicCrownTakesNone) {
    for (const std::string crown : {"P", " "}) {
        AlignmentRun run(
            Deck({kVerticalCard, Card({{1, "03"}, {3, crown}, {57, "24."}, {66, "3."}}),
                  Override("100.", ".01"), Override("200.", ".01")}));
        ASSERT_TRUE(run.Process());
        EXPECT_TRUE(run.Alignment().cards.overrides.empty()) << crown;
        EXPECT_EQ(run.run.state.ignored.count, 2) << crown;
    }
}

TEST(OverrideRows, IgnoredRowsAreReportedAndTheRunFails) {
    // Through the whole engine: the rejected row stands in the ignored-lines
    // report and the exit status is 4.
    std::string deck;
    for (const std::string& card :
         Deck({kVerticalCard, kCrossSlopeCard, Override("100.", ".01"), Override("100.5", ".02")}))
        deck += card + "\n";
    const auto result = testing::RunOnDeck(deck + "05\n06\n");
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.listing.find("THE FOLLOWING INPUT LINES WERE IGNORED:"), std::string::npos);
    EXPECT_NE(result.listing.find(std::string(30, ' ') + "03100.5"), std::string::npos);
}

// A numeric field that does not read: the card's fatal box naming the field.
struct BadFieldCase {
    const char* name;
    const char* what;
    std::vector<std::string> cards;
    const char* title;
    int titleColumn;
    const char* message;
};

class BadField : public ::testing::TestWithParam<BadFieldCase> {};

TEST_P(BadField, BoxNamesTheFieldAndTheProblemIsFatal) {
    const BadFieldCase& c = GetParam();
    AlignmentRun run(Deck(c.cards));
    ASSERT_TRUE(run.Process());
    const auto lines = run.Lines();
    const int at = run.IndexOf(c.title);
    ASSERT_GE(at, 2) << c.what;
    const std::string title = c.title;
    EXPECT_EQ(Columns(lines[static_cast<size_t>(at)], c.titleColumn,
                      c.titleColumn + static_cast<int>(title.size()) - 1),
              title);
    const std::string& message = lines[static_cast<size_t>(at + 1)];
    EXPECT_EQ(Columns(message, 26, 30), "ERROR");
    EXPECT_EQ(Columns(message, 96, 100), "ERROR");
    EXPECT_NE(message.find(c.message), std::string::npos) << message;
    EXPECT_EQ(Columns(lines[static_cast<size_t>(at - 1)], 26, 100),
              "ERROR" + std::string(65, ' ') + "ERROR");
    EXPECT_EQ(Columns(lines[static_cast<size_t>(at + 2)], 26, 100),
              "ERROR" + std::string(65, ' ') + "ERROR");
    EXPECT_TRUE(run.run.state.fatalFlag) << c.what;
    // The step still reads to the first 04 card and writes the limits.
    EXPECT_EQ(run.run.state.currentCardType, 4);
    EXPECT_GE(run.IndexOf(" LIMITS OF VALID ELEVATION"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cards, BadField,
    ::testing::Values(
        BadFieldCase{"HorizontalPIStation",
                     "01",
                     {Card({{1, "01"}, {4, "30."}, {13, "50+00"}, {24, "5."}}), kVerticalCard,
                      kCrossSlopeCard},
                     "FATAL ERROR -- 01 CARD",
                     53,
                     "INVALID NUMBER IN COLUMNS 13-23 (PI STATION)"},
        BadFieldCase{"VerticalPIElevation2",
                     "02",
                     {Card({{1, "02"}, {3, "2."}, {48, "1000."}, {57, "1OO."}}), kCrossSlopeCard},
                     "FATAL ERROR -- 02 CARD",
                     53,
                     "INVALID NUMBER IN COLUMNS 57-65 (ELEVATION OF PI 2)"},
        BadFieldCase{"CrossSlopeSuperRate",
                     "03",
                     {kVerticalCard, Card({{1, "03"}, {3, "C"}, {4, ".02"}, {9, "6%"}})},
                     "FATAL ERROR -- 03 CARD",
                     52,
                     "INVALID NUMBER IN COLUMNS 9-12 (SUPERELEVATION RATE)"},
        BadFieldCase{"OverrideSlopeRight",
                     "override",
                     {kVerticalCard, kCrossSlopeCard, Card({{1, "03"}, {3, "100."}, {17, "-.O2"}})},
                     "FATAL ERROR -- 03 CARD",
                     52,
                     "INVALID NUMBER IN COLUMNS 17-21 (OVERRIDE SLOPE RIGHT)"}),
    quillon::testsupport::CaseName());

TEST(BadField, HorizontalCardIsTakenAsATangent) {
    AlignmentRun run(Deck({Card({{1, "01"}, {4, "30."}, {13, "5000."}, {24, "5."}, {32, "2OO."}}),
                           kVerticalCard, kCrossSlopeCard},
                          "04  700."));
    ASSERT_TRUE(run.Process());
    EXPECT_GE(run.IndexOf("HORIZONTAL TANGENT"), 0);
    EXPECT_GE(run.IndexOf("ASSUMED FOR FURTHER PROCESSING"), 0);
    EXPECT_FALSE(run.Alignment().horizontal.curveFlag);
    EXPECT_NEAR(run.Alignment().horizontal.tsStation, 700.00002, 1e-9);
    // The box stands before the horizontal section, at the card.
    EXPECT_LT(run.IndexOf("FATAL ERROR -- 01 CARD"), run.IndexOf(" HORIZONTAL ALIGNMENT DATA"));
}

TEST(BadField, VerticalCardSkipsTheProfileAndEmptiesTheLimits) {
    AlignmentRun run(Deck({Card({{1, "02"}, {3, "2,5"}, {48, "1000."}}), kCrossSlopeCard},
                          Card({{1, "04"}, {59, "100."}, {70, "900."}})));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(run.IndexOf(" VERTICAL ALIGNMENT DATA"), -1);
    EXPECT_GT(run.Alignment().limits.begin, run.Alignment().limits.end);
    EXPECT_FALSE(run.Alignment().profile.built);
}

TEST(BadField, CrossSlopeCardSkipsTheCrossSlopeSection) {
    AlignmentRun run(Deck({kVerticalCard, Card({{1, "03"}, {3, "C"}, {4, "2/100"}})}));
    ASSERT_TRUE(run.Process());
    EXPECT_EQ(run.IndexOf("TABLE OF ROADWAY CROSS-SLOPES"), -1);
    EXPECT_GT(run.Alignment().limits.begin, run.Alignment().limits.end);
}

TEST(BadField, WholeRunEndsWithStatusFour) {
    std::string deck;
    for (const std::string& card :
         Deck({Card({{1, "01"}, {13, "x"}}), kVerticalCard, kCrossSlopeCard}))
        deck += card + "\n";
    const auto result = testing::RunOnDeck(deck + "05\n06\n");
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.listing.find("INVALID NUMBER IN COLUMNS 13-23 (PI STATION)"),
              std::string::npos);
    EXPECT_EQ(result.console.find("Normal termination"), std::string::npos);
}

TEST(AlignmentCards, CleanDeckEndsNormally) {
    // The 04 card places the reference line radially and takes the back
    // tangent as the layout line, so that the line set is clean as well.
    std::string deck;
    for (const std::string& card : Deck({kCurveCard, kVerticalCard, kCrossSlopeCard},
                                        Card({{1, "04"}, {24, "1"}, {26, "1"}})))
        deck += card + "\n";
    const auto result = testing::RunOnDeck(deck + "05\n06\n");
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_NE(result.console.find("Normal termination"), std::string::npos);
}

// The listing lines from the HORIZONTAL ALIGNMENT DATA heading of the
// listing's `problem`-th Problem (1 = the first) to the end, without page
// headings, the continuation headings of a section and empty lines (where a
// page breaks depends on what came before).
std::vector<std::string> ProblemSections(const std::string& listing, int problem) {
    std::vector<std::string> lines;
    int headings = 0;
    for (const std::string& record : testing::Records(listing)) {
        if (record.find(" HORIZONTAL ALIGNMENT DATA") == 0) ++headings;
        if (headings < problem || record.empty() || record.find('\f') != std::string::npos ||
            record.find("STRUCTURE ID:") != std::string::npos ||
            record.find("KK") != std::string::npos || record.find("Normal termination") == 2 ||
            record.find(" (CONT)") != std::string::npos)
            continue;
        lines.push_back(record);
    }
    return lines;
}

TEST(AlignmentCards, SecondProblemListsAsItWouldAlone) {
    // The first Problem has a left spiralled curve with a station equation
    // that lies before it (so the TS is shifted and the equation used), a
    // profile offset and superelevation; the second is a tangent with its own
    // limits. Nothing of the first may show in the second.
    const std::string first =
        Card({{1, "01"},
              {3, "L"},
              {4, "30."},
              {13, "5000."},
              {24, "4."},
              {32, "150."},
              {38, "100."},
              {44, "5."},
              {59, "4000."},
              {70, "4100."}}) +
        "\n" + kVerticalCard + "\n" + Card({{1, "03"}, {3, "C"}, {4, ".02"}, {9, ".06"}}) + "\n" +
        Card({{1, "04"}, {3, "4500."}, {24, "1"}, {26, "1"}, {59, "4600."}, {70, "5500."}}) +
        "\n05\n06\n";
    const std::string second = "00BRIDGE 2\n" + kVerticalCard + "\n" + kCrossSlopeCard + "\n" +
                               Card({{1, "04"}, {3, "1200."}, {59, "1300."}}) + "\n05\n06\n";
    for (EngineVariant variant : {EngineVariant::English, EngineVariant::Metric}) {
        const auto both = testing::RunOnDeck("00BRIDGE 1\n" + first + second, variant);
        const auto alone = testing::RunOnDeck(second, variant);
        ASSERT_EQ(both.status, 0) << both.listing;
        ASSERT_NE(both.listing.find("STATION EQUATION:"), std::string::npos);
        const auto expected = ProblemSections(alone.listing, 1);
        ASSERT_FALSE(expected.empty());
        EXPECT_NE(std::find(expected.begin(), expected.end(), "       HORIZONTAL TANGENT"),
                  expected.end());
        EXPECT_EQ(ProblemSections(both.listing, 2), expected);
    }
}

}  // namespace
}  // namespace quillon::engine
