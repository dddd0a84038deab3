// Station equations: entering one, resolving deck stations onto the
// stationing without equations, the box that reports an ambiguous or
// nonexistent station, and printing a resolved station back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/StationEquation.hpp"
#include "engine/run/StationText.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A 100-column box line built by hand: "ERROR" at 26 and 96, each text at
// its column.
std::string BoxLine(std::vector<std::pair<std::size_t, std::string>> texts = {}) {
    std::string line(100, ' ');
    texts.push_back({26, "ERROR"});
    texts.push_back({96, "ERROR"});
    for (const auto& [column, text] : texts) line.replace(column - 1, text.size(), text);
    return line;
}

struct Listing {
    explicit Listing(EngineVariant variant = EngineVariant::English)
        : run(variant, out, std::vector<std::string>{}) {}
    std::ostringstream out;
    EngineRun run;
};

Stationing WithEquation(double back, double ahead, EngineVariant variant = EngineVariant::English,
                        double origin = 0.0) {
    const EnteredEquation entered = MakeStationEquation(RunState(variant), back, ahead);
    EXPECT_EQ(entered.entry, EquationEntry::Entered);
    Stationing stationing;
    stationing.originStation = origin;
    stationing.equations.push_back(entered.equation);
    return stationing;
}

// ---------------------------------------------------------------------------
// Entering an equation.

TEST(MakeStationEquation, GapShiftsByItsLength) {
    const EnteredEquation entered =
        MakeStationEquation(RunState(EngineVariant::English), 1000.0, 1050.0);
    ASSERT_EQ(entered.entry, EquationEntry::Entered);
    EXPECT_EQ(entered.equation.backStation, 1000.0);
    EXPECT_EQ(entered.equation.length, 50.0);
    EXPECT_EQ(entered.equation.shift, 50.0);
    EXPECT_NEAR(entered.equation.switchPosition, 1000.0, 1e-7);
    EXPECT_LT(entered.equation.switchPosition, 1000.0);
}

TEST(MakeStationEquation, OverlapShiftsToEquationNumberOne) {
    // English: 1,000,000 ft - 50 ft.
    const EnteredEquation english =
        MakeStationEquation(RunState(EngineVariant::English), 1000.0, 950.0);
    ASSERT_EQ(english.entry, EquationEntry::Entered);
    EXPECT_EQ(english.equation.length, -50.0);
    EXPECT_EQ(english.equation.shift, 999950.0);
    // Metric: 1,000,000 m = 1,000,000 x 3937/1200 = 3,280,833.3333... ft, less 50 ft.
    const EnteredEquation metric =
        MakeStationEquation(RunState(EngineVariant::Metric), 1000.0, 950.0);
    ASSERT_EQ(metric.entry, EquationEntry::Entered);
    EXPECT_NEAR(metric.equation.shift, 3280833.3333333333 - 50.0, 1e-6);
}

TEST(MakeStationEquation, NoEquationWithoutBackStationOrLength) {
    const RunState state(EngineVariant::English);
    EXPECT_EQ(MakeStationEquation(state, 0.0, 1050.0).entry, EquationEntry::None);
    EXPECT_EQ(MakeStationEquation(state, -10.0, 1050.0).entry, EquationEntry::None);
    // Ahead within 0.00014 of back, on either side.
    EXPECT_EQ(MakeStationEquation(state, 1000.0, 1000.0001).entry, EquationEntry::None);
    EXPECT_EQ(MakeStationEquation(state, 1000.0, 999.9999).entry, EquationEntry::None);
    EXPECT_EQ(MakeStationEquation(state, 1000.0, 1000.0002).entry, EquationEntry::Entered);
}

TEST(MakeStationEquation, OverlapOfAMillionUnitsIsInvalid) {
    // Shift 1,000,000 + (1 - 1,000,001) = 0: invalid; one foot less is valid.
    const RunState english(EngineVariant::English);
    EXPECT_EQ(MakeStationEquation(english, 1000001.0, 1.0).entry, EquationEntry::Invalid);
    EXPECT_EQ(MakeStationEquation(english, 1000000.0, 1.0).entry, EquationEntry::Entered);
    // Metric: the same test in feet, although the shift printed past a valid
    // overlap takes its million in metres (3,280,833.33 ft), so that a deck
    // is valid in QlMetr exactly when it is valid in QlEngl.
    const RunState metric(EngineVariant::Metric);
    EXPECT_EQ(MakeStationEquation(metric, 1000001.0, 1.0).entry, EquationEntry::Invalid);
    EXPECT_EQ(MakeStationEquation(metric, 1000000.0, 1.0).entry, EquationEntry::Entered);
    EXPECT_EQ(MakeStationEquation(metric, 2000001.0, 1.0).entry, EquationEntry::Invalid);
    EXPECT_EQ(MakeStationEquation(metric, 3300001.0, 1.0).entry, EquationEntry::Invalid);
    // 1,000,000 m = 3,280,833.33 ft, less the overlap of 999,999 ft.
    EXPECT_NEAR(MakeStationEquation(metric, 1000000.0, 1.0).equation.shift,
                3280833.3333333333 - 999999.0, 1e-6);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(MakeStationEquation(english, 1000.0, nan).entry, EquationEntry::Invalid);
}

// ---------------------------------------------------------------------------
// Resolving deck stations.

TEST(ResolveStation, WithoutEquationReturnsTheStationAndWritesNothing) {
    Listing listing;
    EXPECT_EQ(ResolveStation(listing.run, Stationing{}, 1234.5678, 4), 1234.5678);
    EXPECT_EQ(ResolveStation(listing.run, Stationing{}, -5.0, 4), -5.0);
    EXPECT_EQ(listing.out.str(), "");
}

struct ResolveCase {
    const char* name;
    double station;
    double resolved;
    bool reported;
};

void ExpectResolves(const Stationing& stationing, const ResolveCase& c) {
    Listing listing;
    EXPECT_NEAR(ResolveStation(listing.run, stationing, c.station, 4), c.resolved, 1e-9)
        << c.station;
    EXPECT_EQ(listing.out.str().find("AMBIGUOUS OR NONEXISTENT STATION USED") != std::string::npos,
              c.reported)
        << c.station;
}

class GapEquation : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(GapEquation, Resolves) { ExpectResolves(WithEquation(1000.0, 1050.0), GetParam()); }

// Back 1000, ahead 1050: stations past the ahead station move back by 50;
// stations strictly between the two do not exist.
INSTANTIATE_TEST_SUITE_P(
    BackAt1000AheadAt1050, GapEquation,
    ::testing::Values(ResolveCase{"BeforeBack", 990.0, 990.0, false},
                      ResolveCase{"JustBeforeBack", 999.9999, 999.9999, false},
                      ResolveCase{"AtBack", 1000.0, 1000.0, false},
                      ResolveCase{"JustPastBackIsReported", 1000.0001, 1000.0001, true},
                      ResolveCase{"InsideGapIsReported", 1020.0, 1020.0, true},
                      ResolveCase{"JustBeforeAheadIsReported", 1049.9999, 1049.9999, true},
                      ResolveCase{"AtAheadMovesBack", 1050.0, 1000.0, false},
                      ResolveCase{"JustPastAheadMovesBack", 1050.0001, 1000.0001, false},
                      ResolveCase{"PastAheadMovesBack", 1070.0, 1020.0, false}),
    quillon::testsupport::CaseName());

class OverlapEquation : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(OverlapEquation, Resolves) { ExpectResolves(WithEquation(1000.0, 950.0), GetParam()); }

// Back 1000, ahead 950: stations past the back station move ahead by 50;
// stations from 950 to 1000, both ends and anything within 0.00009 of
// them, are ambiguous.
INSTANTIATE_TEST_SUITE_P(
    BackAt1000AheadAt950, OverlapEquation,
    ::testing::Values(ResolveCase{"BeforeAhead", 940.0, 940.0, false},
                      ResolveCase{"JustOutsideBeforeAhead", 949.9998, 949.9998, false},
                      ResolveCase{"WithinToleranceOfAheadIsReported", 949.99995, 949.99995, true},
                      ResolveCase{"AtAheadIsReported", 950.0, 950.0, true},
                      ResolveCase{"JustPastAheadIsReported", 950.00005, 950.00005, true},
                      ResolveCase{"InsideOverlapIsReported", 975.0, 975.0, true},
                      ResolveCase{"JustBeforeBackIsReported", 999.99995, 999.99995, true},
                      ResolveCase{"AtBackMovesAheadIsReported", 1000.0, 1050.0, true},
                      ResolveCase{"NearBackMovesAheadIsReported", 1000.00005, 1050.00005, true},
                      ResolveCase{"JustOutsidePastBackMovesAhead", 1000.0002, 1050.0002, false},
                      ResolveCase{"PastBackMovesAhead", 1020.0, 1070.0, false}),
    quillon::testsupport::CaseName());

TEST(ResolveStation, ReportsInAnErrorBoxNamingTheCard) {
    Listing listing;
    const Stationing stationing = WithEquation(1000.0, 1050.0);
    EXPECT_EQ(ResolveStation(listing.run, stationing, 1020.0, 4), 1020.0);
    const std::vector<std::string> lines = Lines(listing.out.str());
    // A fresh listing: the page heading (title block and heading line), then
    // the empty record and the five box lines.
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_NE(lines[5].find("STRUCTURE ID:"), std::string::npos);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], BoxLine());
    EXPECT_EQ(
        lines[8],
        BoxLine({{40, "AMBIGUOUS OR NONEXISTENT STATION USED --"}, {80, " 04"}, {83, " CARD"}}));
    EXPECT_EQ(lines[9], BoxLine({{52, "CHECK ALL INPUT STATIONS"}}));
    EXPECT_EQ(lines[10],
              BoxLine({{36, "EQUATION NUMBER SHOULD BE USED WITH OVERLAPPING EQUATION"}}));
    EXPECT_EQ(lines[11], BoxLine());
    EXPECT_EQ(listing.run.listing.PageCounter(), 1);
    EXPECT_EQ(listing.run.listing.LinesLeft(), 50 - 6);
    // The report is a warning: no failure flag is set.
    EXPECT_FALSE(listing.run.state.fatalFlag);
    EXPECT_FALSE(listing.run.state.runErrorFlag);
}

TEST(ResolveStation, EachReportTakesSixLinesOfThePage) {
    Listing listing;
    const Stationing stationing = WithEquation(1000.0, 950.0);
    ResolveStation(listing.run, stationing, 975.0, 8);
    ResolveStation(listing.run, stationing, 1000.0, 13);
    const std::vector<std::string> lines = Lines(listing.out.str());
    ASSERT_EQ(lines.size(), 18u);  // one page heading, two boxes
    EXPECT_EQ(lines[8].substr(79, 8), " 08 CARD");
    EXPECT_EQ(lines[14].substr(79, 8), " 13 CARD");
    EXPECT_EQ(listing.run.listing.LinesLeft(), 50 - 12);
}

TEST(ResolveStation, NotANumberIsReportedWithoutCrashing) {
    Listing listing;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(std::isnan(ResolveStation(listing.run, WithEquation(1000.0, 1050.0), nan, 4)));
    EXPECT_NE(listing.out.str().find("AMBIGUOUS"), std::string::npos);
}

TEST(StationToDistance, SubtractsTheOriginStation) {
    Listing listing;
    // 1070.25 resolves to 1020.25; 1020.25 - 512.34 = 507.91.
    const Stationing stationing = WithEquation(1000.0, 1050.0, EngineVariant::English, 512.34);
    EXPECT_NEAR(StationToDistance(listing.run, stationing, 1070.25, 4), 507.91, 1e-9);
    EXPECT_NEAR(StationToDistance(listing.run, stationing, 612.34, 4), 100.0, 1e-9);
    EXPECT_EQ(listing.out.str(), "");
}

// ---------------------------------------------------------------------------
// Printing a resolved station gives the deck station back.

std::string Printed(const RunState& state, const Stationing& stationing, double distance) {
    const TextPair texts = MakeStationText(state, stationing, distance);
    return texts.first + texts.second;
}

RunState StateOf(EngineVariant variant) {
    RunState state(variant);
    if (variant == EngineVariant::Metric) state.units = {'\'', 'm'};
    return state;
}

class GapRoundTrip : public ::testing::TestWithParam<EngineVariant> {};

TEST_P(GapRoundTrip, EveryExistingStationPrintsAsItself) {
    const RunState state = StateOf(GetParam());
    for (double origin : {0.0, 512.34, 987.654321, -0.1}) {
        const Stationing stationing = WithEquation(1000.0, 1050.0, GetParam(), origin);
        for (double station :
             {600.0, 999.99, 999.9999, 1050.0, 1050.0001, 1050.01, 1070.25, 1234.5678, 5000.0}) {
            Listing listing(GetParam());
            const double distance = StationToDistance(listing.run, stationing, station, 4);
            EXPECT_EQ(listing.out.str(), "") << station;
            // The same station printed without any equation.
            Stationing plain;
            EXPECT_EQ(Printed(state, stationing, distance), Printed(state, plain, station))
                << "station " << station << " origin " << origin;
        }
    }
}

TEST_P(GapRoundTrip, AheadStationIsNotPrintedAsTheBackStationThroughRounding) {
    // 12395.67 resolves to the back station 12345.67 exactly; with the origin
    // 916.46, (12345.67 - 916.46) + 916.46 comes out one unit in the last
    // place below 12345.67. The text must still show the ahead station.
    const RunState state = StateOf(GetParam());
    const Stationing stationing = WithEquation(12345.67, 12395.67, GetParam(), 916.46);
    Listing listing(GetParam());
    const double distance = StationToDistance(listing.run, stationing, 12395.67, 4);
    ASSERT_LT(stationing.originStation + distance, 12345.67);
    EXPECT_EQ(Printed(state, stationing, distance), Printed(state, Stationing{}, 12395.67));
    EXPECT_EQ(listing.out.str(), "");
}

TEST_P(GapRoundTrip, TheBackStationPrintsAsTheAheadStation) {
    // Back and ahead station name the same point; the text shows the ahead one.
    const RunState state = StateOf(GetParam());
    const Stationing stationing = WithEquation(1000.0, 1050.0, GetParam(), 512.34);
    Listing listing(GetParam());
    const double distance = StationToDistance(listing.run, stationing, 1000.0, 4);
    EXPECT_EQ(Printed(state, stationing, distance), Printed(state, Stationing{}, 1050.0));
}

TEST_P(GapRoundTrip, EveryDeckStationNearBothEndsPrintsAsItself) {
    // Deck stations carry four decimals: every one of them in the 0.3 ft
    // before the back station and the 0.3 ft from the ahead station on,
    // resolved and printed again, reads as the deck station itself. The back
    // station itself is the one exception (it prints as the ahead station).
    const RunState state = StateOf(GetParam());
    constexpr long long kBack = 123456700;   // 12345.6700 ft in ten-thousandths
    constexpr long long kAhead = 123961700;  // 12396.1700 ft, a gap of 50.5 ft
    constexpr long long kSpan = 3000;
    for (double origin : {0.0, 916.46, 987.654321, 12000.0001}) {
        const Stationing stationing =
            WithEquation(kBack / 1.0e4, kAhead / 1.0e4, GetParam(), origin);
        Listing listing(GetParam());
        std::vector<long long> stations;
        for (long long n = kBack - kSpan; n < kBack; ++n) stations.push_back(n);
        for (long long n = kAhead; n <= kAhead + kSpan; ++n) stations.push_back(n);
        int wrong = 0;
        for (long long n : stations) {
            const double station = static_cast<double>(n) / 1.0e4;
            const double distance = StationToDistance(listing.run, stationing, station, 4);
            if (Printed(state, stationing, distance) != Printed(state, Stationing{}, station) &&
                ++wrong <= 5)
                ADD_FAILURE() << "station " << n << " origin " << origin;
        }
        EXPECT_EQ(wrong, 0) << "origin " << origin;
        EXPECT_EQ(listing.out.str(), "") << "origin " << origin;
    }
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, GapRoundTrip,
                         ::testing::Values(EngineVariant::English, EngineVariant::Metric),
                         [](const ::testing::TestParamInfo<EngineVariant>& testInfo) {
                             return testInfo.param == EngineVariant::Metric ? "Metric" : "English";
                         });

TEST(OverlapRoundTrip, StationsPastTheEquationPrintWithItsNumber) {
    // English: back 1000, ahead 950; deck station 1020 on the ahead side
    // prints 1,000,000 + 1020 = 1001020 ft.
    {
        const RunState state = StateOf(EngineVariant::English);
        const Stationing stationing = WithEquation(1000.0, 950.0, EngineVariant::English, 512.34);
        Listing listing;
        const double distance = StationToDistance(listing.run, stationing, 1020.0, 4);
        EXPECT_EQ(Printed(state, stationing, distance).substr(0, 13), "1  10+20.0000");
        const double before = StationToDistance(listing.run, stationing, 940.0, 4);
        EXPECT_EQ(Printed(state, stationing, before).substr(0, 13), "    9+40.0000");
    }
    // Metric: back 1010 m, ahead 990 m (in feet, 3937/1200 ft a metre);
    // deck station 1020 m prints 1,000,000 m + 1020 m.
    {
        constexpr double kFeetPerMetre = 3937.0 / 1200.0;
        const RunState state = StateOf(EngineVariant::Metric);
        const Stationing stationing = WithEquation(1010.0 * kFeetPerMetre, 990.0 * kFeetPerMetre,
                                                   EngineVariant::Metric, 100.0);
        Listing listing(EngineVariant::Metric);
        const double distance =
            StationToDistance(listing.run, stationing, 1020.0 * kFeetPerMetre, 4);
        EXPECT_EQ(Printed(state, stationing, distance).substr(0, 13), "1  1+020.0000");
        const double before = StationToDistance(listing.run, stationing, 980.0 * kFeetPerMetre, 4);
        EXPECT_EQ(Printed(state, stationing, before).substr(0, 13), "   0+980.0000");
        EXPECT_EQ(listing.out.str(), "");
    }
}

}  // namespace
}  // namespace quillon::engine
