// The fixture listing of the QlStFi tests (bridge.lis beside them), made
// page by page with the shared listing fixture: one structure, a bent-line
// table of 43 bent lines (its horizontal-control group goes on under
// "(CONT)"), and five longitudinal tables:
//
//   GIRDER 1       y -50: CL ABUT 1 (x -120, elevation 1005.25), F-1, SP 1,
//                  CL BRG 2 (on no other line), CL PIER 2, F-9, CL ABUT 3 (x 0)
//   GIRDER 2       y -40: CL ABUT 1, CL DIA 1, PT, CL DIA 2 (blank
//                  ELEVATION), CL PIER 2, CL TEMP 1, CL ABUT 3
//   RIGHT EDGE     y -30: WW 1, BF 1, CL ABUT 1, CL PIER 2, RET 1, CL ABUT 3
//   CTRL LINE      y -45: CL ABUT 1 only
//   LEFT EDGE OUT  y -55: BF 1, CL ABUT 1, CL ABUT 3
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "converters/common/tests/ListingFixture.hpp"

namespace quillon::converters::stick::testing {

struct FixturePoint {
    std::string name;
    double x;
    std::optional<double> elevation;
};

inline std::vector<converters::testing::PointRow> FixtureRows(
    double y, const std::vector<FixturePoint>& points) {
    std::vector<converters::testing::PointRow> rows;
    double station = 1000.0;
    for (const FixturePoint& p : points) {
        converters::testing::PointRow row;
        row.name = p.name;
        row.station = station;
        row.offset = y;
        row.elevation = p.elevation;
        row.x = p.x;
        row.y = y;
        row.girderLength = station - 1000.0;
        rows.push_back(row);
        station += 10.0;
    }
    return rows;
}

inline std::string StickFixtureListing() {
    converters::testing::ListingFixture f("BR 16-0042");
    std::vector<std::string> bents = {"CL ABUT 1", "CL BRG 2",  "CL DIA 1",  "CL DIA 2",
                                      "CL PIER 2", "CL TEMP 1", "CL ABUT 3", "BF 1"};
    for (int i = 3; bents.size() < 43; ++i) bents.push_back("CL DIA " + std::to_string(i));
    f.BentLineTable(bents);
    const std::string f1 = converters::testing::PointLabel('F', 1);
    const std::string f9 = converters::testing::PointLabel('F', 9);
    f.LongitudinalTable("GIRDER 1", FixtureRows(-50, {{"CL ABUT 1", -120, 1005.25},
                                                      {f1, -110, 1005.30},
                                                      {"SP 1", -100, 1005.35},
                                                      {"CL BRG 2", -80, 1005.45},
                                                      {"CL PIER 2", -60, 1005.55},
                                                      {f9, -30, 1005.70},
                                                      {"CL ABUT 3", 0, 1006.00}}));
    f.LongitudinalTable("GIRDER 2", FixtureRows(-40, {{"CL ABUT 1", -121.5, 1005.20},
                                                      {"CL DIA 1", -90, 1005.36},
                                                      {"PT", -75, 1005.44},
                                                      {"CL DIA 2", -70, std::nullopt},
                                                      {"CL PIER 2", -61.5, 1005.50},
                                                      {"CL TEMP 1", -30, 1005.66},
                                                      {"CL ABUT 3", -1.5, 1005.95}}));
    f.LongitudinalTable("RIGHT EDGE", FixtureRows(-30, {{"WW 1", -130, 1004.90},
                                                        {"BF 1", -124, 1005.00},
                                                        {"CL ABUT 1", -123, 1005.10},
                                                        {"CL PIER 2", -63, 1005.40},
                                                        {"RET 1", -5, 1005.80},
                                                        {"CL ABUT 3", -3, 1005.85}}));
    f.LongitudinalTable("CTRL LINE", FixtureRows(-45, {{"CL ABUT 1", -125, 1005.22}}));
    f.LongitudinalTable("LEFT EDGE OUT", FixtureRows(-55, {{"BF 1", -126, 1005.05},
                                                           {"CL ABUT 1", -125.5, 1005.15},
                                                           {"CL ABUT 3", -4, 1005.90}}));
    return f.Text();
}

}  // namespace quillon::converters::stick::testing
