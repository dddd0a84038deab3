// The pieces of a point's row: the order of equal stations, the fractional
// text of a bent row, the ELEV+DL of points in and beyond a dead-load span,
// and the page break of a long horizontal-control group.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/points/PointListing.hpp"
#include "engine/points/PointStore.hpp"
#include "engine/points/PointsSteps.hpp"
#include "engine/points/tests/PointsTestSupport.hpp"

namespace quillon::engine {
namespace {

using namespace pointstest;

TEST(PointRows, EqualStationsComeOutInTheOrderOfTheTaggedSort) {
    // Stations 5, 3, 5, 3, 1 stored as points 0-4. Worked by hand with the
    // gaps 3 and 1 (an element moves only past a strictly larger one):
    // gap 3 gives 3 5 | ... -> tags 3 4 2 0 1; gap 1 gives 1 3 3 5 5 with
    // tags 4 3 1 2 0: the second 3 before the first, the second 5 first.
    LinePoints points;
    for (double s : {5.0, 3.0, 5.0, 3.0, 1.0}) {
        points.records.emplace_back();
        points.stations.push_back(s);
    }
    EXPECT_EQ(SortedByStation(points, 0, 5), (std::vector<int>{4, 3, 1, 2, 0}));
    // A part of the list sorts among itself.
    EXPECT_EQ(SortedByStation(points, 1, 4), (std::vector<int>{1, 3, 2}));
}

TEST(PointRows, FractionalTextsOfTheBentRows) {
    std::ostringstream englishListing, metricListing;
    EngineRun english(EngineVariant::English, englishListing, {});
    EngineRun metric(EngineVariant::Metric, metricListing, {});
    metric.state.units = {kFeetUnit, kMetresUnit};
    struct Case {
        int kind;
        double v;
        int code;
        const char* english;
        const char* metric;
    };
    const Case cases[] = {
        {kEqualParts, 5.0, kNoSelection, "   5      ", "   5      "},
        {kEqualParts, 4.9997, 1, "(  5     )", "(  5     )"},  // integer part of v + 0.0004
        {kEqualParts, 12345.0, kNoSelection, "****      ", "****      "},
        {kSpacingFromBent, 30.0, kNoSelection, "  30.0000 ", "   9.1440 "},  // 30 ft = 9.1440 m
        {kSpacingFromNextBent, 30.0, 2, "(-30.0000)", "( -9.1440)"},
        {kSingleFractionalPoint, 1.0, kNoSelection, "   1      ", "   1      "},
        {kSingleFractionalPoint, 1.0, 0, "  (1  )   ", "  (1  )   "},
        {kNoFractionalPoints, 0.0, 3, "  (   )   ", "  (   )   "},
        {kNoFractionalPoints, 0.0, kStarSelection, "  ( * )   ", "  ( * )   "},
    };
    for (const Case& c : cases) {
        BentLine bent;
        bent.fractionalPointKind = c.kind;
        bent.fractionalPoints = c.v;
        bent.selectionCode = c.code;
        EXPECT_EQ(FractionalPointsText(english.state, bent), c.english) << c.kind << " " << c.v;
        EXPECT_EQ(FractionalPointsText(metric.state, bent), c.metric) << c.kind << " " << c.v;
    }
}

// A line set of two bent lines 100 ft apart and one girder line, the span
// between them open with the dead load 4 x 0.1 t (1 - t) feet.
struct OpenSpan {
    OpenSpan() : run(EngineVariant::English, listing, {}), work(run, alignment, lineSet) {}
    std::ostringstream listing;
    EngineRun run;
    AlignmentState alignment;
    LineSetState lineSet = [] {
        LineSetState l;
        l.bents.slots.resize(2);
        l.bentLineOrder = {{1, 0.0}, {2, 100.0}};
        l.girders.lines.resize(1);
        l.girders.count = 1;
        return l;
    }();
    PointsWork work;
    std::array<double, kCurveTerms> curve{0.0, 0.4, -0.4, 0.0, 0.0, 0.0, 0.0};

    // ELEV+DL of a fractional point at girder length g (elevation 0: the
    // valid data are empty).
    std::string AtLength(double g, double spanLength) {
        alignment.limits.SetEmpty();
        work.baseLength.assign(3, 0.0);
        work.walk.line = 1;
        work.walk.spanLength = spanLength;
        work.walk.deadLoad = {2, 0.0, 0.0, &curve};
        StoredPoint p;
        p.kind = PointKind::FractionalOnParallel;
        p.position = 1;
        p.letter = 'F';
        p.count = 1;
        p.qs = Pair(0.0, g);
        p.girderLength = g;
        EXPECT_TRUE(StoreLinePoint(work, p));
        return std::string(work.points.records.back().Slots(PointRecord::kElevPlusDl));
    }
};

TEST(PointRows, ElevPlusDlOfSpanPointsInsideAndBeyondTheSpan) {
    OpenSpan span;
    // A blank, characters 3-10 of F10.4 and a blank: 0.1 at t = 0.5.
    EXPECT_EQ(span.AtLength(50.0, 100.0), "   0.1000 ");
    EXPECT_EQ(span.AtLength(100.0, 100.0), "   0.0000 ");          // t = 1
    EXPECT_EQ(span.AtLength(100.5, 100.0), std::string(10, ' '));  // t = 1.005
    EXPECT_EQ(span.AtLength(-0.5, 100.0), std::string(10, ' '));   // t < 0
    EXPECT_EQ(span.AtLength(0.0, 0.0), std::string(10, ' '));      // 0 / 0
}

TEST(PointRows, ControlGroupOfFortyFiveBentLinesGoesOnAfterRow42) {
    std::vector<std::string> cards = {"00MANY", kVertical, kCrossSlope, Reference("1000."),
                                      Girder("GIRDER G", "0.")};
    for (int b = 0; b < 45; ++b)
        cards.push_back(
            Bent("B " + std::to_string(b + 1), std::to_string(5 * b) + ".", b < 44 ? "  1" : ""));
    const auto result = testing::RunOnDeck(Deck(cards));
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_EQ(GroupRows(result.listing, "* HORIZONTAL CONTROL").size(), 45u);
    const auto records = Records(result.listing);
    size_t cont = 0;
    for (size_t i = 0; i < records.size(); ++i)
        if (IsTitle(records[i]) && IsContinuation(records[i]) &&
            records[i].compare(8, 20, "* HORIZONTAL CONTROL") == 0)
            cont = i;
    ASSERT_GT(cont, 0u);
    // Row 42 ends the page; the continuation page opens with the title, the
    // header and row 43.
    size_t before = cont;
    while (before > 0 && !IsPointRow(records[before])) --before;
    EXPECT_EQ(Name(records[before]), "B 42      ");
    EXPECT_EQ(Name(records[cont + 4]), "B 43      ");
    EXPECT_EQ(Columns(records[cont], 117, 133), "AT FINISHED GRADE");
}

}  // namespace
}  // namespace quillon::engine
