// Test support for Ql2Cmb: listings of girders, the camber input read back
// with the camber program's own reader, and the problem a girder's layout
// should give, worked out from the layout itself.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "camber/CamberInput.hpp"
#include "converters/common/tests/ListingFixture.hpp"

namespace quillon::converters::tocamber::testing {

namespace qt = quillon::converters::testing;

struct NamedRows {
    std::string name;
    std::vector<qt::PointRow> rows;
};

// A listing of one structure and line set: the alignment page, the
// bent-line table, one longitudinal table per girder and the approaches.
inline std::string BridgeListing(const std::vector<NamedRows>& girders) {
    qt::ListingFixture listing;
    listing.TextPage({"", " HORIZONTAL ALIGNMENT", " PI STATION 25+00.00"});
    listing.BentLineTable({"CL ABUT 1", "CL PIER 2", "CL ABUT 3"});
    for (const NamedRows& girder : girders) listing.LongitudinalTable(girder.name, girder.rows);
    listing.TextPage({"", " ROADWAY APPROACHES", " BACK APPROACH"});
    return listing.Text();
}

inline std::string BridgeListing(const std::string& name, const qt::GirderSpec& spec) {
    return BridgeListing({{name, qt::GirderRows(spec)}});
}

// The listing of tests/two-spans-splice.lis: girder G1 of 90 and 120 ft in
// tenth points with a splice 125 ft from its first abutment, elevation
// 600 + 0.01 d and a deflection d (210 - d) / 100000 ft at d ft from it.
inline qt::GirderSpec TwoSpansSplice() {
    qt::GirderSpec spec;
    spec.splices = {125.0};
    spec.deflection = [](double d) { return std::optional<double>(d * (210.0 - d) * 1e-5); };
    return spec;
}
inline std::string TwoSpansSpliceListing() {
    return BridgeListing("GIRDER G1 EXT LEFT", TwoSpansSplice());
}

// The listing of tests/second-line-set.lis: the same girder, then the
// bent-line table of a second line set.
inline std::string SecondLineSetListing() {
    qt::ListingFixture listing;
    listing.BentLineTable({"CL ABUT 1", "CL PIER 2", "CL ABUT 3"});
    listing.LongitudinalTable("GIRDER G1 EXT LEFT", qt::GirderRows(TwoSpansSplice()));
    listing.BentLineTable({"CL ABUT 1", "CL PIER 2", "CL ABUT 3"});
    listing.LongitudinalTable("GIRDER G1 EXT LEFT", qt::GirderRows(TwoSpansSplice()));
    return listing.Text();
}

// Every problem of a camber input, read as the camber program reads it.
inline std::vector<camber::CamberProblem> ReadCamberInput(const std::string& text) {
    std::istringstream in(text);
    camber::CamberInputReader reader(in);
    std::vector<camber::CamberProblem> problems;
    for (;;) {
        camber::CamberProblem problem;
        camber::ReadOutcome cards = reader.ReadCards(problem);
        if (cards.status == camber::ReadStatus::NoMoreProblems) break;
        EXPECT_TRUE(cards.ok()) << "card " << cards.NLINE << ": " << cards.badLine;
        if (!cards.ok()) break;
        camber::ReadOutcome tables = reader.ReadTables(problem);
        EXPECT_TRUE(tables.ok()) << tables.LINE << ": " << tables.badLine;
        if (!tables.ok()) break;
        problems.push_back(problem);
    }
    return problems;
}

// The problem a girder should give, in feet, worked out from its spans,
// splices and the elevation and deflection functions of its layout (the
// listing never enters it). A table in decreasing station gives the problem
// of the girder seen from its other end.
struct ExpectedProblem {
    int pointsCode = 1;
    std::vector<double> spliceElevations, spliceLocations, spanLengths;
    std::vector<std::vector<double>> geometricElevations, deflections;
};

// An elevation as the camber input holds it: its last three integer digits.
inline double ThreeDigits(double elevation) { return std::fmod(elevation, 1000.0); }

inline ExpectedProblem Expect(const qt::GirderSpec& spec) {
    double total = 0.0;
    for (double span : spec.spans) total += span;
    // Distance from the girder's first row: from the far end when decreasing.
    auto along = [&](double d) { return spec.decreasing ? total - d : d; };
    std::vector<double> spans = spec.spans;
    std::vector<double> splices = spec.splices;
    if (spec.decreasing) {
        std::reverse(spans.begin(), spans.end());
        std::reverse(splices.begin(), splices.end());
        for (double& s : splices) s = total - s;
    }
    ExpectedProblem e;
    e.pointsCode = spec.pointsPerSpan / 10;
    std::vector<double> locations = {0.0};
    locations.insert(locations.end(), splices.begin(), splices.end());
    locations.push_back(total);
    for (double x : locations) {
        e.spliceLocations.push_back(x);
        e.spliceElevations.push_back(ThreeDigits(spec.elevation(along(x))));
    }
    e.spanLengths = spans;
    double start = 0.0;
    for (double span : spans) {
        std::vector<double> geo, def;
        for (int k = 0; k <= spec.pointsPerSpan; ++k) {
            const double x = start + span * k / spec.pointsPerSpan;
            geo.push_back(ThreeDigits(spec.elevation(along(x))));
            def.push_back(spec.deflection(along(x)).value_or(0.0));
        }
        e.geometricElevations.push_back(geo);
        e.deflections.push_back(def);
        start += span;
    }
    return e;
}

}  // namespace quillon::converters::tocamber::testing
