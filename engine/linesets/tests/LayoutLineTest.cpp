// The LAYOUT LINE DATA section record by record, column by column, for each
// way a layout line can lie, in QlEngl and QlMetr; the flared offset bent
// lines; the boxes of a layout line that cannot be built.
//
// Geometry: the curve of R = 1000 to the right with a deflection of 60
// degrees and no spirals (its TS at 1000.0000308, centre (1000, 0) in the
// HC frame, the point at station s is R (1 - cos(s/R), sin(s/R))); expected
// values are worked out from that circle and from straight-line algebra, and
// printed with the listing's own edits.
#include <gtest/gtest.h>

#include <cmath>

#include "LineSetTestSupport.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {
namespace {

namespace ff = quillon::fixedform;
using linesettest::Card;
using linesettest::Columns;
using linesettest::CurvedAlignment;
using linesettest::kPi;
using linesettest::kRadius;
using linesettest::kTsStation;
using linesettest::LineSetRun;
using linesettest::NoSteps;
using linesettest::ReferenceCard;
using linesettest::StraightAlignment;

constexpr double kMetre = 0.3048006096012192;  // metres per US survey foot

// A record: texts at their columns (1 is the carriage-control column).
std::string Rec(std::initializer_list<std::pair<int, std::string>> fields) {
    ff::Record record;
    for (const auto& [column, text] : fields) record.Column(column).Text(text);
    return record.str();
}

std::string G(double value) { return ff::FormatG(value, 19, 9); }
std::string F(double value) { return ff::FormatF(value, 17, 4); }

// The station text of an internal station (13 characters, or 10 + 5), the
// TS at `origin`.
std::string Station(double internal, size_t tail = 3, EngineVariant v = EngineVariant::English,
                    double origin = kTsStation) {
    RunState state(v);
    if (v == EngineVariant::Metric) state.units = LengthUnits{'\'', 'm'};
    Stationing stationing;
    stationing.originStation = origin;
    const TextPair t = MakeStationText(state, stationing, internal);
    return t.first + ff::PadRight(t.second, 10).substr(0, tail);
}

std::string Skew(double radians) {
    const TextPair t = MakeAngleText(radians);
    return t.first + t.second.substr(0, 4);
}

std::string Girder(const std::string& type, const std::string& offset, const std::string& name,
                   const linesettest::Fields& more = {}) {
    return linesettest::With(Card({{1, "05"}, {3, type}, {4, offset}, {12, "4"}, {30, name}}),
                             more);
}

std::string Bent(const std::string& distance, const std::string& name,
                 const linesettest::Fields& more = {}) {
    return linesettest::With(Card({{1, "06"}, {3, distance}, {29, name}}), more);
}

const std::string kGirder = Girder("0", "", "GIRDER");

// The section from its title to the end of the listing, the title first.
std::vector<std::string> Section(const LineSetRun& run) { return run.From(" LAYOUT LINE DATA"); }

std::unique_ptr<LineSetRun> Layout(std::vector<std::string> alignment,
                                   std::vector<std::string> cards,
                                   EngineVariant variant = EngineVariant::English) {
    auto run = std::make_unique<LineSetRun>(alignment, cards, variant);
    EXPECT_TRUE(run->Run(NoSteps()));
    return run;
}

const std::string kReferenceHeadings =
    Rec({{68, "HCL STA"}, {84, "OFFSET"}, {103, "X"}, {115, "Y"}});

std::string ReferenceRecord(double station, double offset, EngineVariant v = EngineVariant::English,
                            double origin = kTsStation, double x = 0.0, double y = 0.0) {
    return Rec({{26, "LAYOUT LINE INTERSECTS REF LINE AT"},
                {64, Station(station, 3, v, origin)},
                {77, G(offset) + ff::FormatF(x, 12, 4) + ff::FormatF(y, 12, 4)}});
}

TEST(LayoutLine, StraightControlIsTheLayoutLine) {
    // The reference line square to the control at 12+00: the origin there.
    auto run = Layout(StraightAlignment(),
                      {ReferenceCard("1200.", "0", "1", "1", {{41, "    100.5"}, {50, "  -20.25"}}),
                       kGirder, Bent("200.", "PIER")});
    const auto s = Section(*run);
    const std::vector<std::string> expected{
        " LAYOUT LINE DATA",
        "",
        Rec({{9, "LAYOUT LINE DEFINED TO BE COINCIDENT WITH HORIZONTAL CONTROL"}}),
        "",
        kReferenceHeadings,
        ReferenceRecord(run->LineSet().reference.station, 0.0, EngineVariant::English,
                        run->Horizontal().tsStation, 100.5, -20.25)};
    ASSERT_GE(s.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(s.begin(), s.begin() + 6), expected);
    const auto all = run->Lines();
    const size_t at = static_cast<size_t>(run->IndexOf(" LAYOUT LINE DATA"));
    EXPECT_EQ(all[at - 1], "");
    EXPECT_EQ(all[at - 2], "");
    EXPECT_EQ(Columns(expected[5], 64, 76), "   12+00.0000");
    EXPECT_TRUE(run->LineSet().sameReferenceAllowed);
}

TEST(LayoutLine, BackTangentOfACurve) {
    // The radial line at s = 200 (phi = 0.2) crosses the back tangent x = 0
    // at offset -R (1/cos(phi) - 1) = -20.3388386 from the control, at HCL
    // station 12+00.
    auto run = Layout(CurvedAlignment(),
                      {ReferenceCard("1200.", "0", "1", "1"), kGirder, Bent("200.", "PIER")});
    const double s = 1200.0 - kTsStation;
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 6u);
    EXPECT_EQ(sec[2], Rec({{9, "LAYOUT LINE DEFINED AS  BACK TANGENT"}}));
    EXPECT_EQ(sec[5], ReferenceRecord(s, -kRadius * (1.0 / std::cos(s / kRadius) - 1.0)));
    EXPECT_EQ(Columns(sec[5], 77, 91), "    -20.3388386");
}

TEST(LayoutLine, AheadTangentOfACurve) {
    // The radial line at phi = 0.2 meets the ahead tangent (R from the
    // centre, its normal at 60 degrees) R / cos(60 deg - phi) from the centre:
    // offset -(R / cos(pi/3 - phi) - R) = -510.377913.
    auto run = Layout(CurvedAlignment(),
                      {ReferenceCard("1200.", "0", "1", "3"), kGirder, Bent("200.", "PIER")});
    const double s = 1200.0 - kTsStation;
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 6u);
    EXPECT_EQ(sec[2], Rec({{9, "LAYOUT LINE DEFINED AS AHEAD TANGENT"}}));
    EXPECT_EQ(sec[5], ReferenceRecord(s, -(kRadius / std::cos(kPi / 3 - s / kRadius) - kRadius)));
    EXPECT_EQ(Columns(sec[5], 77, 91), "    -510.377913");
}

// The chord from the reference line at s = 100 to a bent line 200 further:
// its parallel of the control touches it at 200 with the middle ordinate
// R (1 - cos 0.1) = 4.99583472 as offset; it cuts the control at 100 and
// 300 (200 -+ R acos((R - q)/R)); Y from the reference line is 0 at 100,
// R sin 0.1 = 99.8334166 at the middle and 2 R sin 0.1 at 300; the layout X
// axis makes +-0.1 rad (5 43 46.48) with the radial lines there.

std::vector<std::string> ChordCards() {
    return {ReferenceCard("1100.", "0", "1", "2"), kGirder,
            Bent("200.", "PIER", {{21, "1"}, {41, "X"}})};
}

TEST(LayoutLine, ChordBetweenBentLinesCutsTheControlTwice) {
    for (EngineVariant v : {EngineVariant::English, EngineVariant::Metric}) {
        const double unit = v == EngineVariant::Metric ? kMetre : 1.0;
        auto run = Layout(CurvedAlignment(), ChordCards(), v);
        const double s1 = 1100.0 - kTsStation;
        const double h = 0.1;
        const std::vector<std::string> expected{
            " LAYOUT LINE DATA",
            "",
            Rec({{9, "LAYOUT LINE DEFINED AS CHORD BETWEEN BENT LINES:  PIER      "}}),
            Rec({{53, "AND:  *REF LINE*"}}),
            "",
            Rec({{9, "LAYOUT LINE DEFINED AS CHORD ON HORIZONTAL CONTROL LINE"}}),
            "",
            Rec({{12, "A CURVE PARALLEL TO HORIZONTAL CONTROL AT OFFSET"},
                 {60, F(kRadius * (1.0 - std::cos(h)) * unit)}}),
            Rec({{24, "IS TANGENT TO LAYOUT LINE AT STATION"}, {64, Station(s1 + 100.0, 3, v)}}),
            Rec({{45, "Y FROM REF LINE"}, {62, G(kRadius * std::sin(h) * unit)}}),
            "",
            Rec({{68, "HCL STA"}, {84, "SKEW"}, {93, "Y FROM REF LINE"}}),
            Rec({{16, "LAYOUT LINE INTERSECTS HORIZONTAL CONTROL AT"},
                 {64, Station(s1, 5, v)},
                 {79, Skew(h)},
                 {93, G(0.0)}}),
            Rec({{64, Station(s1 + 200.0, 5, v)},
                 {79, Skew(-h)},
                 {93, G(2.0 * kRadius * std::sin(h) * unit)}}),
            "",
            kReferenceHeadings,
            ReferenceRecord(s1, 0.0, v)};
        const auto sec = Section(*run);
        ASSERT_GE(sec.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(sec[i], expected[i]) << i;
        if (v == EngineVariant::English) {
            EXPECT_EQ(Columns(sec[7], 60, 76), "           4.9958");
            EXPECT_EQ(Columns(sec[9], 62, 80), "     99.8334166    ");
            EXPECT_EQ(Columns(sec[12], 79, 92), "   5 43 46.48 ");
            EXPECT_EQ(Columns(sec[13], 64, 78), "   13+00.0000  ");
        } else {
            EXPECT_EQ(Columns(sec[7], 60, 76), "           1.5227");  // 4.99583 ft
            EXPECT_EQ(Columns(sec[8], 64, 76), "   0+365.7607");      // 1200 ft
        }
    }
}

TEST(LayoutLine, ChordOnAGirderLineOnTheOuterSide) {
    // The chord girder line 30 left of the control: its chord between the
    // radial lines at 100 and 300 touches the parallel at R - 1030 cos 0.1
    // (outward) and is listed by its crossings with both tangents, found here
    // by straight-line algebra.
    auto run = Layout(CurvedAlignment(), {ReferenceCard("1100.", "0", "1", "2"),
                                          Girder("0", "-30.", "OUT GIRDER", {{51, "X"}}),
                                          Bent("200.", "PIER", {{21, "1"}, {41, "X"}})});
    ASSERT_FALSE(run->run.state.fatalFlag);
    const double s1 = 1100.0 - kTsStation;
    const double phi1 = s1 / kRadius;
    const double phiMid = phi1 + 0.1;
    const Pair centre(kRadius, 0.0);
    const auto normal = [](double phi) { return Pair(std::cos(phi), -std::sin(phi)); };
    const Pair z1 = centre - 1030.0 * normal(phi1);
    const Pair z2 = centre - 1030.0 * normal(phi1 + 0.2);
    const Pair d = (z2 - z1) / std::abs(z2 - z1);  // along the chord, up-station
    // Back tangent x = 0.
    const double tBack = -z1.real() / d.real();
    const Pair back = z1 + tBack * d;
    // Ahead tangent through the PI (0, T) along (sin 60, cos 60); the ST is T
    // further on and its station is L = R pi / 3.
    const double t = kRadius * std::tan(kPi / 6);
    const Pair pi(0.0, t);
    const Pair u(std::sin(kPi / 3), std::cos(kPi / 3));
    const Pair n(std::cos(kPi / 3), -std::sin(kPi / 3));
    const double tAhead = geometry::Dot2(pi - z1, n) / geometry::Dot2(d, n);
    const Pair ahead = z1 + tAhead * d;
    const double aheadStation = kRadius * kPi / 3 + geometry::Dot2(ahead - (pi + t * u), u);

    const auto sec = Section(*run);
    const std::vector<std::string> expected{
        Rec({{13, "LAYOUT LINE DEFINED AS CHORD ON GIRDER LINE:  OUT GIRDER          "}}),
        "",
        Rec({{12, "A CURVE PARALLEL TO HORIZONTAL CONTROL AT OFFSET"},
             {60, F(kRadius - 1030.0 * std::cos(0.1))}}),
        Rec({{24, "IS TANGENT TO LAYOUT LINE AT STATION"}, {64, Station(s1 + 100.0)}}),
        Rec({{45, "Y FROM REF LINE"}, {62, G(1030.0 * std::sin(0.1))}}),
        "",
        Rec({{67, "TANG STA"}, {84, "SKEW"}, {93, "Y FROM REF LINE"}}),
        Rec({{21, "LAYOUT LINE INTERSECTS  BACK TANGENT AT"},
             {64, Station(back.imag(), 5)},
             {79, Skew(phiMid)},
             {93, G(tBack)}}),
        Rec({{44, "AHEAD TANGENT AT"},
             {64, Station(aheadStation, 5)},
             {79, Skew(phiMid - kPi / 3)},
             {93, G(tAhead)}}),
        "",
        kReferenceHeadings,
        ReferenceRecord(s1, -30.0)};
    ASSERT_GE(sec.size(), 5 + expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(sec[i + 5], expected[i]) << i;
    EXPECT_EQ(Columns(sec[7], 60, 76), "         -24.8543");
    EXPECT_EQ(Columns(sec[12], 79, 92), "  11 27 32.95 ");
}

TEST(LayoutLine, ChordTouchingTheControl) {
    // A chord girder line at -5.0209 between radial lines 0.2 rad apart: its
    // chord lies R - 1005.0209 cos 0.1 = 1.8e-5 from the control, within
    // 8e-5: tangent to the control at 200; Y = 1005.0209 sin 0.1.
    auto run = Layout(CurvedAlignment(), {ReferenceCard("1100.", "0", "1", "2"),
                                          Girder("0", "-5.0209", "TOUCHING", {{51, "X"}}),
                                          Bent("200.", "PIER", {{21, "1"}, {41, "X"}})});
    const double s1 = 1100.0 - kTsStation;
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 12u);
    EXPECT_EQ(sec[5],
              Rec({{13, "LAYOUT LINE DEFINED AS CHORD ON GIRDER LINE:  TOUCHING            "}}));
    EXPECT_EQ(sec[6], "");
    EXPECT_EQ(sec[7], Rec({{68, "HCL STA"}, {77, "Y FROM REF LINE"}}));
    EXPECT_EQ(sec[8], Rec({{13, "LAYOUT LINE IS TANGENT TO HORIZONTAL CONTROL AT"},
                           {64, Station(s1 + 100.0)},
                           {77, G(1005.0209 * std::sin(0.1))}}));
    EXPECT_EQ(sec[11], ReferenceRecord(s1, -5.0209));
}

TEST(LayoutLine, ParallelToTheBackTangentAndWithinItsTolerance) {
    // Chord ends on the back tangent at offset 12: the line x = 12; within
    // 0.0002 of it the layout line is the back tangent itself.
    for (EngineVariant v : {EngineVariant::English, EngineVariant::Metric}) {
        const double unit = v == EngineVariant::Metric ? kMetre : 1.0;
        auto run = Layout(
            CurvedAlignment(),
            {ReferenceCard("900.", "0", "1", "2"), Girder("0", "12.", "PARALLEL", {{51, "X"}}),
             Bent("-200.", "PIER", {{21, "1"}, {41, "X"}})},
            v);
        const double s = 900.0 - kTsStation;
        const auto sec = Section(*run);
        ASSERT_GE(sec.size(), 13u);
        EXPECT_EQ(sec[6], "");
        EXPECT_EQ(sec[7], Rec({{9, "LAYOUT LINE IS PARALLEL TO  BACK TANGENT"}}));
        EXPECT_EQ(sec[8], Rec({{67, "TANG STA"}, {84, "OFFSET"}}));
        EXPECT_EQ(sec[9], Rec({{26, "LAYOUT LINE INTERSECTS REF LINE AT"},
                               {64, Station(s, 3, v)},
                               {77, G(12.0 * unit)}}));
        EXPECT_EQ(sec[12], ReferenceRecord(s, 12.0 * unit, v));
        EXPECT_EQ(run->LineSet().layout.dir, Pair(1.0, 0.0));
    }
    auto within = Layout(CurvedAlignment(), {ReferenceCard("900.", "0", "1", "2"),
                                             Girder("0", ".0001", "PARALLEL", {{51, "X"}}),
                                             Bent("-200.", "PIER", {{21, "1"}, {41, "X"}})});
    const auto sec = Section(*within);
    ASSERT_GE(sec.size(), 9u);
    EXPECT_EQ(sec[7], Rec({{9, "LAYOUT LINE DEFINED AS  BACK TANGENT"}}));
    EXPECT_EQ(within->LineSet().reference.layoutLineIs, kBackTangentLayout);
}

TEST(LayoutLine, ParallelToTheAheadTangent) {
    // Chord ends 100 and 200 past the ST at offset 12: parallel to the ahead
    // tangent; the reference line's crossing lies at ST + 100.
    const double st = kTsStation + kRadius * kPi / 3;
    auto run =
        Layout(CurvedAlignment(), {ReferenceCard(ff::FormatF(st + 100.0, 11, 4), "0", "1", "2"),
                                   Girder("0", "12.", "PARALLEL", {{51, "X"}}),
                                   Bent("100.", "PIER", {{21, "1"}, {41, "X"}})});
    const double s = std::stod(ff::FormatF(st + 100.0, 11, 4)) - kTsStation;
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 13u);
    EXPECT_EQ(sec[7], Rec({{9, "LAYOUT LINE IS PARALLEL TO AHEAD TANGENT"}}));
    EXPECT_EQ(sec[9],
              Rec({{26, "LAYOUT LINE INTERSECTS REF LINE AT"}, {64, Station(s)}, {77, G(12.0)}}));
}

TEST(LayoutLine, ParallelToAStraightControl) {
    auto run = Layout(StraightAlignment(),
                      {ReferenceCard("1200.", "0", "1", "2"),
                       Girder("0", "12.", "PARALLEL", {{51, "X"}}), Bent("200.", "PIER")});
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 8u);
    EXPECT_EQ(sec[2],
              Rec({{13, "LAYOUT LINE DEFINED AS CHORD ON GIRDER LINE:  PARALLEL            "}}));
    EXPECT_EQ(sec[4], Rec({{9, "LAYOUT LINE IS PARALLEL TO HORIZONTAL CONTROL"}}));
    EXPECT_EQ(sec[7], ReferenceRecord(run->LineSet().reference.station, 12.0,
                                      EngineVariant::English, run->Horizontal().tsStation));
}

TEST(LayoutLine, FlaredChordGivenInFallingStationTurnedAgainstTheCurve) {
    // Flared chord girder line from offset 10 on its initial bent to -10 on
    // its terminal bent; the bents are given in falling station (at -100 and
    // -300) and listed in rising station. The chord x = 10 - (y + 300)/10 is
    // turned against the curve (deflection -atan 0.1): no tangent point; it
    // crosses the back tangent at y = -200 and the ahead tangent where
    // straight-line algebra puts it. The reference line (square to the back
    // tangent at -150) crosses it at (-5, -150).
    auto run = Layout(CurvedAlignment(),
                      {ReferenceCard("850.", "0", "1", "2"),
                       Girder("3", "10.", "FLARED", {{13, "-10."}, {21, "4"}, {51, "X"}}),
                       Bent("50.", "NEAR", {{21, "1"}, {40, "X"}}),
                       Bent("-150.", "FAR", {{21, "1"}, {40, "X"}})});
    ASSERT_FALSE(run->run.state.fatalFlag);
    const double sRef = 850.0 - kTsStation;
    const Pair p(-5.0, sRef);
    const Pair d = Pair(-20.0, 200.0) / std::abs(Pair(-20.0, 200.0));
    const Pair back(0.0, sRef - 50.0);
    const double t = kRadius * std::tan(kPi / 6);
    const Pair pi(0.0, t);
    const Pair u(std::sin(kPi / 3), std::cos(kPi / 3));
    const Pair n(std::cos(kPi / 3), -std::sin(kPi / 3));
    const double tAhead = geometry::Dot2(pi - p, n) / geometry::Dot2(d, n);
    const Pair ahead = p + tAhead * d;
    const double aheadStation = kRadius * kPi / 3 + geometry::Dot2(ahead - (pi + t * u), u);
    const double skew = -std::atan(0.1);

    const auto sec = Section(*run);
    const std::vector<std::string> expected{
        " LAYOUT LINE DATA",
        "",
        Rec({{9, "LAYOUT LINE DEFINED AS CHORD BETWEEN BENT LINES:  FAR       "}}),
        Rec({{53, "AND:  NEAR      "}}),
        "",
        Rec({{13, "LAYOUT LINE DEFINED AS CHORD ON GIRDER LINE:  FLARED              "}}),
        "",
        Rec({{67, "TANG STA"}, {84, "SKEW"}, {93, "Y FROM REF LINE"}}),
        Rec({{21, "LAYOUT LINE INTERSECTS  BACK TANGENT AT"},
             {64, Station(back.imag(), 5)},
             {79, Skew(skew)},
             {93, G(-std::abs(back - p))}}),
        Rec({{44, "AHEAD TANGENT AT"},
             {64, Station(aheadStation, 5)},
             {79, Skew(skew - kPi / 3)},
             {93, G(tAhead)}}),
        "",
        kReferenceHeadings,
        ReferenceRecord(sRef, -5.0)};
    ASSERT_GE(sec.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(sec[i], expected[i]) << i;
    EXPECT_EQ(Columns(sec[8], 64, 92), "    8+00.0000    -5 42 38.14 ");
    EXPECT_EQ(run->LineSet().flaredInitialBent, 3);
    EXPECT_EQ(run->LineSet().flaredTerminalBent, 2);
    EXPECT_TRUE(run->LineSet().flaredBentsLocated);
}

TEST(LayoutLine, FlaredChordOnAStraightControlCrossesIt) {
    // On a straight control: from (10, 100) to (-10, 300); the control x = 0
    // is crossed at 200; the reference line y = S0 at (20, S0).
    for (EngineVariant v : {EngineVariant::English, EngineVariant::Metric}) {
        const double unit = v == EngineVariant::Metric ? kMetre : 1.0;
        auto run = Layout(StraightAlignment(),
                          {ReferenceCard("1200.", "0", "1", "2"),
                           Girder("3", "10.", "FLARED", {{13, "-10."}, {21, "4"}, {51, "X"}}),
                           Bent("100.", "NEAR", {{40, "X"}}), Bent("300.", "FAR", {{40, "X"}})},
                          v);
        const double s0 = run->LineSet().reference.station;
        const double ts = run->Horizontal().tsStation;
        const auto sec = Section(*run);
        ASSERT_GE(sec.size(), 12u);
        EXPECT_EQ(sec[7], Rec({{68, "HCL STA"}, {84, "SKEW"}, {93, "Y FROM REF LINE"}}));
        EXPECT_EQ(sec[8], Rec({{16, "LAYOUT LINE INTERSECTS HORIZONTAL CONTROL AT"},
                               {64, Station(s0 + 200.0, 5, v, ts)},
                               {79, Skew(-std::atan(0.1))},
                               {93, G(std::sqrt(20.0 * 20.0 + 200.0 * 200.0) * unit)}}));
        EXPECT_EQ(sec[11], ReferenceRecord(s0, 20.0 * unit, v, ts));
        if (v == EngineVariant::English) {
            EXPECT_EQ(Columns(sec[8], 64, 76), "   14+00.0000");
        }
    }
}

TEST(LayoutLine, ChordBeyondTheCentreIsListedByItsTangentCrossings) {
    // Deflection 170 degrees, R = 1000, TS at 10000: the chord from 1500
    // before the TS to about 1500 past the ST joins two points about
    // D = T + 1500 from the PI on the two tangents (T = R tan 85 degrees). It
    // is parallel to the curve's middle and lies D cos 5 deg - R (sec 85 deg
    // - 1) from it: about 2407, more than 2R, so (R - q)/R is below -1 and the
    // curve has no crossing to list: the tangent crossings are listed, at the
    // chord's own ends (placed here on the tangents by straight-line algebra).
    const double t = kRadius * std::tan(85.0 * kPi / 180.0);
    const std::string piStation = ff::FormatF(10000.0 + t, 11, 4);
    const double ts = std::stod(piStation) - t;
    const double length = kRadius * 170.0 * kPi / 180.0;
    const std::string distance = ff::FormatF(length + 3000.0, 8, 2);
    auto run = Layout(
        {Card({{1, "01"}, {3, "R"}, {4, "170"}, {13, piStation}, {52, "1000."}}),
         linesettest::kVerticalCard, linesettest::kCrossSlopeCard},
        {ReferenceCard("8500.", "0", "1", "2"), kGirder, Bent(distance, "FAR END", {{41, "X"}})});
    ASSERT_FALSE(run->run.state.fatalFlag);
    const double sRef = 8500.0 - ts;
    const Pair back(0.0, sRef);
    const Pair pi(0.0, t);
    const Pair u(std::sin(170.0 * kPi / 180.0), std::cos(170.0 * kPi / 180.0));
    const double pastSt = sRef + std::stod(distance) - length;
    const Pair far = pi + (t + pastSt) * u;
    const Pair along = (far - back) / std::abs(far - back);
    const Pair axis = Pair(0.0, -1.0) * along;  // the layout X axis: Y turned clockwise
    const double q = (t - sRef) * std::cos(5.0 * kPi / 180.0) -
                     kRadius * (1.0 / std::cos(85.0 * kPi / 180.0) - 1.0);
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 14u);
    EXPECT_NEAR(std::stod(Columns(sec[7], 60, 76)), q, 0.0002);
    EXPECT_GT(q, 2.0 * kRadius);
    EXPECT_EQ(sec[11], Rec({{67, "TANG STA"}, {84, "SKEW"}, {93, "Y FROM REF LINE"}}));
    EXPECT_EQ(sec[12], Rec({{21, "LAYOUT LINE INTERSECTS  BACK TANGENT AT"},
                            {64, Station(sRef, 5, EngineVariant::English, ts)},
                            {79, Skew(-std::arg(axis))},
                            {93, G(0.0)}}));
    EXPECT_EQ(sec[13], Rec({{44, "AHEAD TANGENT AT"},
                            {64, Station(length + pastSt, 5, EngineVariant::English, ts)},
                            {79, Skew(-std::arg(axis) - 170.0 * kPi / 180.0)},
                            {93, G(std::abs(far - back))}}));
    EXPECT_EQ(Columns(sec[12], 64, 76), "   85+00.0000");
}

TEST(LayoutLine, FlaredOffsetBentLinesAreListedInRisingStation) {
    // A back-tangent layout line with a flared girder line: its bent lines
    // (given later one first) are located and listed after the section.
    auto run = Layout(CurvedAlignment(),
                      {ReferenceCard("1200.", "0", "1", "1"),
                       Girder("3", "10.", "FLARED", {{13, "-10."}, {21, "4"}}),
                       Bent("300.", "LATER", {{40, "X"}}), Bent("100.", "EARLIER", {{40, "X"}})});
    const auto lines = run->From(" BENT LINES TO DEFINE");
    ASSERT_EQ(lines.size(), 3u);
    const auto all = run->Lines();
    const size_t at = static_cast<size_t>(run->IndexOf(" BENT LINES TO DEFINE"));
    EXPECT_EQ(all[at - 1], "");
    EXPECT_EQ(all[at - 2], "");
    EXPECT_EQ(lines[0], " BENT LINES TO DEFINE OFFSETS FOR FLARED GIRDER LINES");
    EXPECT_EQ(lines[1], Rec({{52, "INITIAL BENT:  EARLIER   "}}));
    EXPECT_EQ(lines[2], Rec({{51, "TERMINAL BENT:  LATER     "}}));
    EXPECT_EQ(run->LineSet().flaredInitialBent, 3);
    EXPECT_NEAR(run->LineSet().bents.Slot(3).station, 1300.0 - kTsStation, 1e-7);
}

TEST(LayoutLine, ReusedReferenceLineListsOnlyTheFlaredBentLines) {
    auto run = std::make_unique<LineSetRun>(
        CurvedAlignment(),
        std::vector<std::string>{
            ReferenceCard("1200.", "0", "1", "1"), kGirder, Bent("200.", "PIER"),
            Card({{1, "04"}, {14, "3"}}), Girder("3", "10.", "FLARED", {{13, "-10."}, {21, "4"}}),
            Bent("300.", "LATER", {{40, "X"}}), Bent("100.", "EARLIER", {{40, "X"}})});
    ASSERT_TRUE(run->Run(NoSteps()));
    const size_t before = run->Lines().size();
    ASSERT_TRUE(run->Next(NoSteps()));
    const auto lines = run->Lines();
    const std::vector<std::string> added(lines.begin() + static_cast<long>(before), lines.end());
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(added[0], "");
    EXPECT_EQ(added[1], "");
    EXPECT_EQ(added[2], " BENT LINES TO DEFINE OFFSETS FOR FLARED GIRDER LINES");
    EXPECT_EQ(added[3], Rec({{52, "INITIAL BENT:  EARLIER   "}}));
    EXPECT_EQ(added[4], Rec({{51, "TERMINAL BENT:  LATER     "}}));
}

TEST(LayoutLine, FlaredBentThatCannotBeLocated) {
    // A flared offset bent line skewed 90 degrees runs along the straight
    // control: page control 12, the two names as located, then the box.
    auto run =
        Layout(StraightAlignment(), {ReferenceCard("1200.", "0", "1", "1"),
                                     Girder("3", "10.", "FLARED", {{13, "-10."}, {21, "4"}}),
                                     Bent("200.", "PIER", {{13, "90"}, {21, "1"}, {40, "X"}})});
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto lines = run->From(" BENT LINES TO DEFINE");
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[1], Rec({{52, "INITIAL BENT:  PIER      "}}));
    EXPECT_EQ(lines[2], Rec({{51, "TERMINAL BENT:  *REF LINE*"}}));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], ErrorBoxLine());
    EXPECT_EQ(lines[5], ErrorBoxLine({{58, "FATAL ERROR"}}));
    EXPECT_EQ(lines[6], ErrorBoxLine({{43, "INTERSECTION OF INITIAL OR TERMINAL BENT"}}));
    EXPECT_EQ(lines[7], ErrorBoxLine({{42, "WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"}}));
    EXPECT_EQ(lines[8], ErrorBoxLine({{44, "OR WITH TANGENT LINE IS ILL-CONDITIONED"}}));
    EXPECT_EQ(lines[9], ErrorBoxLine());
}

TEST(LayoutLine, ChordEndsAtOneStationAreRecursive) {
    // The reference line waits for the layout line (skew from it), and the
    // two chord ends are 0.00003 apart: "(B22)" closes the box.
    auto run = Layout(CurvedAlignment(),
                      {ReferenceCard("1100.", "0", "2", "2"), kGirder,
                       Bent("20.", "PIER", {{41, "X"}}), Bent("20.00003", "PIER 2", {{41, "X"}})});
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 8u);
    EXPECT_EQ(sec[4], "");
    EXPECT_EQ(sec[5], ErrorBoxLine());
    EXPECT_EQ(sec[6], ErrorBoxLine({{39, "FATAL ERROR -- LAYOUT LINE IS RECURSIVELY DEFINED"}}));
    ASSERT_EQ(sec.size(), 8u);
    EXPECT_EQ(sec[7], ErrorBoxLine({{90, "(B22)"}}));
    EXPECT_FALSE(run->LineSet().sameReferenceAllowed);
}

TEST(LayoutLine, ReferenceLineAlongTheLayoutLine) {
    // A reference line on the back tangent skewed 90 degrees runs along it.
    auto run = Layout(CurvedAlignment(), {ReferenceCard("900.", "0", "1", "1", {{16, "90"}}),
                                          kGirder, Bent("200.", "PIER")});
    EXPECT_TRUE(run->run.state.fatalFlag);
    const auto sec = Section(*run);
    ASSERT_GE(sec.size(), 7u);
    EXPECT_EQ(sec[1], "");
    EXPECT_EQ(sec[2], ErrorBoxLine());
    EXPECT_EQ(sec[3], ErrorBoxLine({{41, "FATAL ERROR -- INTERSECTION OF REFERENCE LINE"}}));
    EXPECT_EQ(sec[4], ErrorBoxLine({{42, "WITH HORIZONTAL CONTROL OR WITH LAYOUT LINE"}}));
    EXPECT_EQ(sec[5], ErrorBoxLine({{44, "OR WITH TANGENT LINE IS ILL-CONDITIONED"}}));
    EXPECT_EQ(sec[6], ErrorBoxLine({{90, "(B22)"}}));
}

TEST(LayoutLine, TitleKeepsItsBlockOnOnePage) {
    // A tangent layout line needs 9 lines, a chord 20.
    struct Case {
        const char* name;
        std::vector<std::string> cards;
        int need;
    } cases[] = {
        {"Tangent", {ReferenceCard("1200.", "0", "1", "1"), kGirder, Bent("200.", "PIER")}, 9},
        {"Chord", ChordCards(), 20}};
    for (const Case& c : cases) {
        for (int left : {c.need - 1, c.need}) {
            LineSetRun run(CurvedAlignment(), c.cards);
            ASSERT_TRUE(run.Process());
            run.LeaveLines(left);
            const int page = run.run.listing.PageCounter();
            ASSERT_TRUE(run.Next(NoSteps()));
            EXPECT_EQ(run.run.listing.PageCounter(), left < c.need ? page + 1 : page)
                << c.name << " " << left;
        }
    }
}

}  // namespace
}  // namespace quillon::engine
