// What the points do where the walk could go wrong: fractional walks that
// cannot move or would fill memory, a girder line that never meets the
// reference line, the X-record banks of lines that write fewer records
// than an earlier line, and lines without a point.
#include <gtest/gtest.h>

#include "engine/points/tests/PointsTestSupport.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

const std::string kCutShort = "FRACTIONAL POINTS CUT SHORT ON THIS GIRDER LINE";

testing::EngineResult RunStraight(const std::vector<std::string>& lineSet) {
    std::vector<std::string> cards = {"00STRAIGHT", kVertical, kCrossSlope, Reference("1000.")};
    cards.insert(cards.end(), lineSet.begin(), lineSet.end());
    return testing::RunOnDeck(Deck(cards));
}

int Count(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The box stands right under the line's title and header.
void ExpectCutShortUnderTitle(const std::string& listing, const std::string& name) {
    const auto records = Records(listing);
    for (size_t i = 0; i + 8 < records.size(); ++i) {
        if (!IsTitle(records[i]) || records[i].compare(8, 20, fixedform::PadRight(name, 20)) != 0)
            continue;
        EXPECT_EQ(records[i + 4], "");
        EXPECT_EQ(records[i + 5], ErrorBoxLine());
        EXPECT_EQ(records[i + 6], ErrorBoxLine({{58, "FATAL ERROR"}}));
        EXPECT_EQ(records[i + 7], ErrorBoxLine({{40, kCutShort}}));  // centred
        EXPECT_EQ(records[i + 8], ErrorBoxLine());
        return;
    }
    ADD_FAILURE() << "no table of " << name;
}

TEST(FractionalWalk, ASpacingTooSmallToMoveEndsTheWalkWithTheBox) {
    // 1E-300 (columns 22-28, so a spacing): no step leaves the bent line.
    const auto result = RunStraight({Girder("GIRDER G1", "0."), Girder("GIRDER G2", "10."),
                                     Bent("BENT 1", "0.", " 1E-300"), Bent("BENT 2", "100.")});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.console, "");
    EXPECT_EQ(Count(result.listing, kCutShort), 2);  // once for each line
    ExpectCutShortUnderTitle(result.listing, "GIRDER G1");
    // The points so far are listed: both bent crossings.
    EXPECT_EQ(GirderRows(result.listing, "GIRDER G2").size(), 2u);
}

TEST(FractionalWalk, ASpacingThatFillsALineStopsItAtAHundredThousandPoints) {
    // 9E-10 ft steps over 100 ft would make 1.1e11 points: each line stops
    // at 100 000 and says so.
    const auto result = RunStraight(
        {Girder("GIRDER G1", "0."), Bent("BENT 1", "0.", "  9E-10"), Bent("BENT 2", "100.")});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(Count(result.listing, kCutShort), 1);
    ExpectCutShortUnderTitle(result.listing, "GIRDER G1");
    EXPECT_EQ(GirderRows(result.listing, "GIRDER G1").size(), 100000u);
}

TEST(FractionalWalk, ASpacingLongerThanTheSpanMakesNoPoint) {
    // 9E9 ft: the first step passes the next bent line.
    const auto result = RunStraight(
        {Girder("GIRDER G1", "0."), Bent("BENT 1", "0.", "    9E9"), Bent("BENT 2", "100.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_EQ(GirderRows(result.listing, "GIRDER G1").size(), 2u);
}

TEST(ReferenceCrossing, AGirderLineParallelToTheReferenceLineGetsTheBoxAndTheRunGoesOn) {
    // The flared line through the crossings of bent lines skewed 45 degrees
    // at 11+00 (0 along it from the control) and 12+00 (141.4214 along it)
    // runs at 11+00 square to the control, parallel to the reference line.
    const auto result =
        RunStraight({Girder("GIRDER F", "0.", "3", "3", {{13, "141.4214"}, {21, "3"}}),
                     Girder("GIRDER G", "0."), Bent("BENT 1", "0.", "  2"),
                     Bent("BENT 2", "100.", "", {{12, "R"}, {13, "45"}, {21, "1"}, {40, "X"}}),
                     Bent("BENT 3", "200.", "", {{12, "R"}, {13, "45"}, {21, "1"}, {40, "X"}})});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.console, "");
    const auto records = Records(result.listing);
    size_t title = 0;
    for (size_t i = 0; i < records.size(); ++i)
        if (IsTitle(records[i]) && records[i].compare(8, 8, "GIRDER F") == 0) title = i;
    ASSERT_GT(title, 0u);
    // Title, header (three lines), eight empty lines, the box.
    for (size_t i = title + 4; i < title + 12; ++i) EXPECT_EQ(records[i], "") << i;
    EXPECT_EQ(records[title + 12], ErrorBoxLine());
    EXPECT_EQ(records[title + 13], ErrorBoxLine({{58, "FATAL ERROR"}}));
    EXPECT_EQ(records[title + 14],
              ErrorBoxLine({{39, "REFERENCE LINE DOES NOT INTERSECT THIS GIRDER LINE"}}));
    EXPECT_EQ(records[title + 15], ErrorBoxLine());
    EXPECT_TRUE(GirderRows(result.listing, "GIRDER F").empty());
    EXPECT_EQ(GirderRows(result.listing, "GIRDER G").size(), 4u);
}

TEST(XPoints, AnXLineProjectsOnlyTheRecordsOfTheLineBeforeIt) {
    // G1 (exterior A, selection letter Q) walks both spans, 9 F points
    // each: 18 records. G2 (exterior B) misses BENT 2 (letter Q) and walks
    // one span of 200 ft: 9 records into the same bank. G3 takes G2's
    // points: 9 X points at 20 ft steps, none of G1's left behind.
    const auto result =
        RunStraight({Girder("GIRDER G1", "0.", "0", "4", {{52, "A"}, {53, "Q"}}),
                     Girder("GIRDER G2", "10.", "0", "4", {{52, "B"}}),
                     Girder("GIRDER G3", "15.", "0", "4", {{53, "B"}}),
                     Girder("GIRDER G4", "5.", "0", "4", {{53, "A"}}), Bent("BENT 1", "0.", " 10"),
                     Bent("BENT 2", "100.", " 10", {{43, "Q"}}), Bent("BENT 3", "200.")});
    EXPECT_EQ(result.status, 0) << result.listing;
    auto xPoints = [&result](const std::string& name) {
        std::vector<double> stations;
        for (const std::string& row : GirderRows(result.listing, name))
            if (Name(row).compare(0, 6, "    X-") == 0) stations.push_back(StationFeet(row));
        return stations;
    };
    EXPECT_EQ(xPoints("GIRDER G4").size(), 18u);
    const std::vector<double> g3 = xPoints("GIRDER G3");
    ASSERT_EQ(g3.size(), 9u);
    for (size_t i = 0; i < g3.size(); ++i)
        EXPECT_NEAR(g3[i], 1020.0 + 20.0 * static_cast<double>(i), 0.00005) << i;
}

TEST(PointRows, ALineWithoutPointsWritesNoRow) {
    // The valid data end at 9+50, before every bent line: titles only.
    const auto result = testing::RunOnDeck(Deck(
        {"00EMPTY", kVertical, kCrossSlope, Reference("1000.", "1", {{59, "900."}, {70, "950."}}),
         Girder("GIRDER G1", "0."), Bent("BENT 1", "0.", "  2"), Bent("BENT 2", "100.")}));
    const auto records = Records(result.listing);
    size_t title = 0;
    for (size_t i = 0; i < records.size(); ++i)
        if (IsTitle(records[i]) && records[i].compare(8, 9, "GIRDER G1") == 0) title = i;
    ASSERT_GT(title, 0u) << result.listing;
    EXPECT_TRUE(GirderRows(result.listing, "GIRDER G1").empty());
    // Nothing but the title, the header and the end of the listing follows.
    for (size_t i = title + 4; i < records.size(); ++i)
        EXPECT_FALSE(IsPointRow(records[i])) << records[i];
}

}  // namespace
}  // namespace quillon::engine
