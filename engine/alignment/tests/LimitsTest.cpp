// The valid data limits from the first 04 card and the LIMITS section,
// column by column in both builds.
#include <gtest/gtest.h>

#include <memory>

#include "engine/alignment/ValidDataLimits.hpp"
#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"

namespace quillon::engine {
namespace {

using aligntest::AlignmentRun;
using aligntest::Card;
using aligntest::Columns;
using aligntest::Deck;
using aligntest::kCrossSlopeCard;
using aligntest::kVerticalCard;

const std::string kTitle = " LIMITS OF VALID ELEVATION AND CROSS-SLOPE DATA" +
                           std::string(12, ' ') + "BEGIN" + std::string(16, ' ') + "END";

// The title line and the two lines after it.
std::vector<std::string> LimitsLines(const AlignmentRun& run) {
    const auto lines = run.Lines();
    const int at = run.IndexOf(" LIMITS OF VALID");
    if (at < 0 || static_cast<size_t>(at) + 2 >= lines.size()) return {};
    return {lines[static_cast<size_t>(at)], lines[static_cast<size_t>(at) + 1],
            lines[static_cast<size_t>(at) + 2]};
}

// A tangent alignment whose TS is the 04 card's reference station 1000.
std::unique_ptr<AlignmentRun> TangentRun(const std::string& begin, const std::string& end,
                                         EngineVariant variant = EngineVariant::English,
                                         const std::string& curveCard = "") {
    std::vector<std::string> cards;
    if (!curveCard.empty()) cards.push_back(curveCard);
    cards.push_back(kVerticalCard);
    cards.push_back(kCrossSlopeCard);
    auto run = std::make_unique<AlignmentRun>(
        Deck(cards, Card({{1, "04"}, {3, "1000."}, {59, begin}, {70, end}})), variant);
    EXPECT_TRUE(run->Process());
    return run;
}

TEST(LimitsSection, OpenLimitsInBothBuilds) {
    for (EngineVariant variant : {EngineVariant::English, EngineVariant::Metric}) {
        const auto run = TangentRun("", "", variant);
        const auto lines = run->Lines();
        const int at = run->IndexOf(" LIMITS OF VALID");
        ASSERT_GE(at, 3);
        EXPECT_EQ(lines[static_cast<size_t>(at - 1)], "");
        EXPECT_EQ(lines[static_cast<size_t>(at - 2)], "");
        EXPECT_EQ(lines[static_cast<size_t>(at - 3)], "");
        const auto limits = LimitsLines(*run);
        ASSERT_EQ(limits.size(), 3u);
        EXPECT_EQ(limits[0], kTitle);
        EXPECT_EQ(Columns(limits[0], 60, 64), "BEGIN");
        EXPECT_EQ(Columns(limits[0], 81, 83), "END");
        // 54 blanks, then " * UNLIMIT" "ED *      " for each limit.
        EXPECT_EQ(limits[1],
                  std::string(54, ' ') + " * UNLIMITED *      " + " * UNLIMITED *      ");
        EXPECT_EQ(limits[2], std::string(94, ' '));
        const auto& l = run->Alignment().limits;
        EXPECT_DOUBLE_EQ(l.begin, -5.0e36);
        EXPECT_DOUBLE_EQ(l.end, 5.0e36);
    }
}

TEST(LimitsSection, GivenStationsInBothBuilds) {
    // Begin 11+00, end 19+00 on a tangent whose TS is 10+00.00002: internal
    // stations 99.99998 and 899.99998, widened by 0.002 after the listing.
    const auto english = TangentRun("1100.", "1900.");
    const auto lines = LimitsLines(*english);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Columns(lines[1], 1, 54), std::string(54, ' '));
    EXPECT_EQ(Columns(lines[1], 55, 74), "   11+00.0000       ");
    EXPECT_EQ(Columns(lines[1], 75, 94), "   19+00.0000       ");
    EXPECT_EQ(lines[2], std::string(94, ' '));
    const auto& l = english->Alignment().limits;
    EXPECT_NEAR(l.begin, 99.99998 - 0.002, 1e-9);
    EXPECT_NEAR(l.end, 899.99998 + 0.002, 1e-9);

    // 1100 ft = 335.2807 m, 1900 ft = 579.1212 m (US survey foot).
    const auto metric = TangentRun("1100.", "1900.", EngineVariant::Metric);
    const auto metricLines = LimitsLines(*metric);
    ASSERT_EQ(metricLines.size(), 3u);
    EXPECT_EQ(Columns(metricLines[1], 55, 74), "   0+335.2807       ");
    EXPECT_EQ(Columns(metricLines[1], 75, 94), "   0+579.1212       ");
}

TEST(Limits, OneFieldGivenKeepsTheOtherOpen) {
    const auto run = TangentRun("", "1900.");
    const auto lines = LimitsLines(*run);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Columns(lines[1], 55, 74), " * UNLIMITED *      ");
    EXPECT_EQ(Columns(lines[1], 75, 94), "   19+00.0000       ");
    EXPECT_DOUBLE_EQ(run->Alignment().limits.begin, -5.0e36 - 0.002);
}

TEST(Limits, FieldThatDoesNotReadLeavesTheLimitsOpen) {
    const auto run = TangentRun("11+00", "1900.");
    const auto lines = LimitsLines(*run);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], std::string(54, ' ') + " * UNLIMITED *      " + " * UNLIMITED *      ");
    EXPECT_DOUBLE_EQ(run->Alignment().limits.end, 5.0e36 + 0.002);
}

// The box of a limit that does not read stands before the LIMITS section:
// an empty line, the frame, three centred lines (the odd blank on the
// right), the frame; the run can then not end cleanly.
TEST(Limits, FieldThatDoesNotReadIsReportedInABox) {
    struct Case {
        const char* begin;
        const char* end;
        int column;  // of the message: 31 + (65 - its length) / 2
        const char* message;
    } cases[] = {
        {"11+00", "1900.", 37, "INVALID NUMBER IN COLUMNS 59-69 (LIMIT BEGIN STATION)"},
        {"1100.", "19 00.X", 38, "INVALID NUMBER IN COLUMNS 70-80 (LIMIT END STATION)"},
        {"11+00", "X", 37, "INVALID NUMBER IN COLUMNS 59-69 (LIMIT BEGIN STATION)"},
    };
    for (const Case& c : cases) {
        const auto run = TangentRun(c.begin, c.end);
        const auto lines = run->Lines();
        const int at = run->IndexOf("LIMITS UNCHANGED");
        ASSERT_GE(at, 4) << c.message;
        const auto line = [&](int i) { return lines[static_cast<size_t>(at + i)]; };
        EXPECT_EQ(line(-4), "");
        EXPECT_EQ(line(-3), ErrorBoxLine());
        EXPECT_EQ(line(-2), ErrorBoxLine({{60, "04 CARD"}}));  // (65 - 7) / 2 = 29 blanks
        EXPECT_EQ(line(-1), ErrorBoxLine({{c.column, c.message}}));
        EXPECT_EQ(line(0), ErrorBoxLine({{55, "LIMITS UNCHANGED"}}));  // 24 blanks
        EXPECT_EQ(line(1), ErrorBoxLine());
        EXPECT_LT(at, run->IndexOf(" LIMITS OF VALID"));
        EXPECT_TRUE(run->run.state.runErrorFlag);
        EXPECT_DOUBLE_EQ(run->Alignment().limits.begin, -5.0e36 - 0.002);
        EXPECT_DOUBLE_EQ(run->Alignment().limits.end, 5.0e36 + 0.002);
    }
}

TEST(Limits, StationsAreResolvedThroughTheEquation) {
    // Equation 40+00 back = 41+00 ahead on the tangent: 41+50 (ahead side)
    // is 4050 without the equation, 3049.99998 from the TS, and prints in
    // the deck's stationing again.
    const std::string curve = Card({{1, "01"}, {59, "4000."}, {70, "4100."}});
    const auto run = TangentRun("4150.", "5000.", EngineVariant::English, curve);
    const auto& l = run->Alignment().limits;
    EXPECT_NEAR(l.begin + 0.002, 4050.0 - 1000.00002, 1e-8);
    EXPECT_NEAR(l.end - 0.002, 4900.0 - 1000.00002, 1e-8);
    const auto lines = LimitsLines(*run);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Columns(lines[1], 55, 74), "   41+50.0000       ");
    EXPECT_EQ(Columns(lines[1], 75, 94), "   50+00.0000       ");
}

TEST(Limits, StationInTheGapIsReportedAndStillTaken) {
    const std::string curve = Card({{1, "01"}, {59, "4000."}, {70, "4100."}});
    const auto run = TangentRun("4050.", "", EngineVariant::English, curve);
    const std::string box = run->LineWith("AMBIGUOUS OR NONEXISTENT STATION USED --");
    EXPECT_EQ(Columns(box, 80, 87), " 04 CARD");
    EXPECT_NEAR(run->Alignment().limits.begin + 0.002, 4050.0 - 1000.00002, 1e-8);
}

TEST(ReadValidDataLimits, OnlyAStationNotBeforeTheLimitMovesIt) {
    AlignmentRun run(Deck({}));
    const Stationing stationing;  // origin 0, no equation
    ValidDataLimits limits;
    limits.begin = 500.0;
    limits.end = 800.0;
    // 400 + 0.002 is below 500: the begin stays; 800.5 - 0.002 is above
    // 800: the end stays.
    run.run.state.cardImage = Card({{1, "04"}, {59, "400."}, {70, "800.5"}});
    ReadValidDataLimits(run.run, stationing, limits);
    EXPECT_EQ(limits.begin, 500.0);
    EXPECT_EQ(limits.end, 800.0);
    EXPECT_EQ(limits.beginText[0], " * UNLIMIT");
    // Within 0.002 counts as not before.
    run.run.state.cardImage = Card({{1, "04"}, {59, "499.999"}, {70, "800.001"}});
    ReadValidDataLimits(run.run, stationing, limits);
    EXPECT_EQ(limits.begin, 499.999);
    EXPECT_EQ(limits.end, 800.001);
    EXPECT_EQ(limits.beginText[0] + limits.beginText[1], "    4+99.9990       ");
}

TEST(ReadValidDataLimits, InvalidLimitsBecomeTheEmptyRange) {
    AlignmentRun run(Deck({}));
    ValidDataLimits limits;
    limits.valid = false;
    run.run.state.cardImage = Card({{1, "04"}, {59, "100."}, {70, "900."}});
    ReadValidDataLimits(run.run, Stationing{}, limits);
    EXPECT_EQ(limits.begin, 1.0);
    EXPECT_EQ(limits.end, 0.0);
    EXPECT_TRUE(limits.valid);
}

TEST(LimitsSection, LabelsStandUnderTheirStations) {
    AlignmentRun run(Deck({}));
    ValidDataLimits limits;
    limits.endText[0] = "   30+55.0";
    limits.endText[1] = "000       ";
    limits.endLabel[0] = "SUPERELEVA";
    limits.endLabel[1] = "TION      ";
    WriteLimitsSection(run.run, limits);
    const auto lines = LimitsLines(run);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], std::string(54, ' ') + " * UNLIMITED *      " + "   30+55.0000       ");
    EXPECT_EQ(lines[2], std::string(74, ' ') + "SUPERELEVATION      ");
}

TEST(WidenValidDataLimits, ByTwoThousandthsEachSide) {
    ValidDataLimits limits;
    limits.begin = 10.0;
    limits.end = 20.0;
    WidenValidDataLimits(limits);
    EXPECT_DOUBLE_EQ(limits.begin, 9.998);
    EXPECT_DOUBLE_EQ(limits.end, 20.002);
}

}  // namespace
}  // namespace quillon::engine
