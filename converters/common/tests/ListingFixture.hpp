// Test support: small geometry listings built page by page as the engine
// writes them. The engine's ListingWriter makes the pages (title block,
// heading line, form feed from page 2 on); the table headings, titles and
// rows are laid out here field by field in the columns of the listing's
// line tables:
//
//   longitudinal title   name 9-28, "(CONT)" 31-36, line type 42-71,
//                        elevation shift 99-118, " FINISHED GRADE" 119-133
//   longitudinal header  " BENT LINE" 1-10, "STATION" 19-25,
//                        "OFFSET   ELEVATION  ELEV+DL" 33-59, "X" 68, "Y" 79,
//                        "BENT LNTH" 88-96, "SKEW" 103-106,
//                        "GIRDER LNTH   CRS-SLP" 113-133
//   longitudinal row     1X A10 3X A10 A3 A10 A3 A10 A9 A10 A2 4(A10 A3) A10
//                        of the point's texts: name 2-11, station 15-27,
//                        offset F11.4 28-38, elevation F10.4 41-50, ELEV+DL
//                        1X A8 51-59, X F12.4 60-71, Y F12.4 72-83, girder
//                        length F12.4 111-122, cross slope 124-133
//
// A table of more than 45 rows goes on on a new page under its title with
// "(CONT)"; the last three rows of a table are never split from each other.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/ListingWriter.hpp"
#include "engine/run/RunState.hpp"
#include "engine/run/StationText.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::testing {

namespace fixture_detail {
namespace ff = quillon::fixedform;
}  // namespace fixture_detail

// One row of a longitudinal line table.
struct PointRow {
    std::string name;                             // bent-line description or point label
    double station = 0.0;                         // feet
    double offset = 0.0;                          // feet
    std::optional<double> elevation;              // feet; none: blank columns
    std::optional<double> elevationWithDeadLoad;  // feet; none: blank columns
    double x = 0.0;
    double y = 0.0;
    double girderLength = 0.0;  // feet from the reference line
};

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The label of a fractional or X point: four blanks, the letter, "-" and
// the number squeezed up, padded to 10 ("    F-3   ").
inline std::string PointLabel(char letter, int number) {
    std::string work = std::string(1, letter) + "-" + std::to_string(number);
    return fixture_detail::ff::PadRight("    " + work, 10);
}

inline std::string StationText(double station) {
    engine::RunState state(engine::EngineVariant::English);
    engine::Stationing stationing;
    engine::TextPair text = engine::MakeStationText(state, stationing, station);
    return text.first + text.second.substr(0, 3);
}

// ELEV+DL as the row carries it: a blank and characters 3-10 of the F10.4.
inline std::string ElevationWithDeadLoadText(double value) {
    return " " + fixture_detail::ff::FormatF(value, 10, 4).substr(2, 8);
}

inline std::string LongitudinalRow(const PointRow& row) {
    namespace ff = fixture_detail::ff;
    ff::Record r;
    r.X(1).Text(ff::PadRight(row.name, 10)).X(3);
    r.Text(StationText(row.station));
    r.F(row.offset, 11, 4).X(2);
    r.Text(row.elevation ? ff::FormatF(*row.elevation, 10, 4) : std::string(10, ' '));
    r.Text(row.elevationWithDeadLoad ? ElevationWithDeadLoadText(*row.elevationWithDeadLoad)
                                     : std::string(9, ' '));
    r.F(row.x, 12, 4).F(row.y, 12, 4).X(1);
    r.X(13).X(13);  // bent length and skew: blank on girder points
    r.F(row.girderLength, 12, 4).X(1);
    r.Text(ff::FormatF(-0.02, 10, 6));
    return r.str();
}

// A row of the horizontal-control group of a bent-line intersection table.
inline std::string BentLineRow(const std::string& name, double station) {
    namespace ff = fixture_detail::ff;
    ff::Record r;
    r.X(1).Text(ff::PadRight(name, 10)).X(3).Text(StationText(station));
    r.F(0.0, 11, 4).X(2).Text(ff::FormatF(600.0, 10, 4)).X(1).Text(ff::PadRight("10", 10));
    r.F(0.0, 10, 4).F(station - 2350.0, 12, 4).F(0.0, 13, 4);
    return r.str();
}

class ListingFixture {
public:
    explicit ListingFixture(std::string structureId = "BR 47-0317")
        : writer_(out_, headings_, engine::EngineVariant::English) {
        SetStructureId(std::move(structureId));
        headings_.text[2] = "WIN2.1.0e)";
        headings_.text[3] = " 26/03/14 ";
        headings_.text[4] = "09:30     ";
    }

    void SetStructureId(std::string id) {
        headings_.StructureId() = fixture_detail::ff::PadRight(id, 10);
    }
    void SetSectionNumber(int number) {
        headings_.SectionNumber() = engine::MakeSectionNumberText(number);
    }
    // "*  *  *  *": what pages written before the first 00 card show.
    void SetPlaceholderId() { headings_.StructureId() = "*  *  *  *"; }

    // A page of plain lines (an alignment listing, a box).
    void TextPage(const std::vector<std::string>& lines) {
        writer_.WritePageHeading(-1, static_cast<int>(lines.size()));
        for (const std::string& line : lines) writer_.Write(line);
    }

    // The bent-line intersection table with its horizontal-control group;
    // the group goes on under a continuation title before its 43rd row.
    void BentLineTable(const std::vector<std::string>& names) {
        namespace ff = fixture_detail::ff;
        writer_.WritePageHeading(-1, 8);
        writer_.WriteEmpty();
        writer_.Write(ff::Record()
                          .Text("  BENT LINE  :")
                          .Column(27)
                          .Text("INTERSECTION POINT")
                          .Column(61)
                          .Text(":    FROM LAYOUT LINE   :  BENT LINE")
                          .Column(111)
                          .Text(": GIRDER LINE   ROADWAY")
                          .str());
        writer_.Write(ff::Record()
                          .Text(" DESCRIPTION :")
                          .Column(61)
                          .Text(":   OFFSET     ORDINATE")
                          .Column(85)
                          .Text(": LENGTH FROM     SKEW    : LENGTH FROM   CROSS-")
                          .str());
        writer_.Write(ff::Record()
                          .Column(14)
                          .Text(":    STATION       OFFSET   ELEVATION")
                          .Column(61)
                          .Text(":      X          Y     :    Y-AXIS     D  M  S")
                          .Column(111)
                          .Text(":  REF LINE       SLOPE")
                          .str());
        writer_.WriteEmpty();
        writer_.WriteEmpty();
        writer_.Write(ff::Record()
                          .Column(6)
                          .Text("* HORIZONTAL CONTROL")
                          .Text("  LINE *        AT FINISHED GRADE")
                          .str());
        writer_.WriteEmpty();
        for (size_t i = 0; i < names.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            if (number % (writer_.PageLength() - 7) == 0)
                Title("* HORIZONTAL CONTROL", "(CONT)", "", std::string(10, ' ') + "        AT");
            writer_.Write(BentLineRow(names[i], 2350.0 + 10.0 * static_cast<double>(i)));
        }
    }

    // A longitudinal line table: its title, header and rows, paged.
    void LongitudinalTable(const std::string& name, const std::vector<PointRow>& rows,
                           const std::string& lineType = "PARALLEL TO HORIZONTAL CONTROL") {
        const std::string shift = " 0.875000 FEET BELOW";
        Title(name, "", lineType, shift);
        const int n = static_cast<int>(rows.size());
        int free = writer_.PageLength() - 5;
        for (int i = 1; i <= n; ++i) {
            if (free <= n - i && (free <= 0 || n - i <= 2)) {
                Title(name, "(CONT)", lineType, shift);
                free = writer_.PageLength() - 5;
            }
            --free;
            writer_.Write(LongitudinalRow(rows[static_cast<size_t>(i - 1)]));
        }
    }

    std::string Text() const { return out_.str(); }

private:
    // Title line and header, on a new page.
    void Title(const std::string& name, const std::string& marker, const std::string& lineType,
               const std::string& shift) {
        namespace ff = fixture_detail::ff;
        writer_.WritePageHeading(-1, 5);
        writer_.WriteEmpty();
        writer_.Write(ff::Record()
                          .Column(9)
                          .Text(ff::PadRight(name, 20))
                          .Column(31)
                          .Text(ff::PadRight(marker, 6))
                          .Column(42)
                          .Text(ff::PadRight(lineType, 50))
                          .Column(99)
                          .Text(ff::PadRight(shift, 20))
                          .Text(" FINISHED GRADE")
                          .str());
        writer_.WriteEmpty();
        writer_.Write(ff::Record()
                          .Text(" BENT LINE")
                          .Column(19)
                          .Text("STATION")
                          .Column(33)
                          .Text("OFFSET   ELEVATION  ELEV+DL")
                          .Column(68)
                          .Text("X")
                          .Column(79)
                          .Text("Y")
                          .Column(88)
                          .Text("BENT LNTH")
                          .Column(103)
                          .Text("SKEW")
                          .Column(113)
                          .Text("GIRDER LNTH   CRS-SLP")
                          .str());
        writer_.WriteEmpty();
    }

    std::ostringstream out_;
    engine::HeadingTexts headings_;
    engine::ListingWriter writer_;
};

// A girder laid out from its supports: the rows of its table in station
// order (or reversed), with the fractional points of every span and the
// splice rows at their distances.
struct GirderSpec {
    std::vector<double> spans = {90.0, 120.0};  // feet along the girder
    int pointsPerSpan = 10;  // 10, 20, or a count whose labels reach neither F-9 nor F-19
    double firstStation = 2350.0;
    double firstLength = 0.0;     // girder length at the first support
    std::vector<double> splices;  // distances from the first support
    // Elevation and deflection (ELEV+DL minus elevation) at a distance from
    // the first support; a deflection of none leaves ELEV+DL blank.
    std::function<double(double)> elevation = [](double d) { return 600.0 + 0.01 * d; };
    std::function<std::optional<double>(double)> deflection = [](double) {
        return std::optional<double>(0.05);
    };
    bool decreasing = false;  // listed from the last support to the first
};

inline std::vector<PointRow> GirderRows(const GirderSpec& spec) {
    std::vector<PointRow> rows;
    auto add = [&](std::string name, double distance) {
        PointRow row;
        row.name = std::move(name);
        row.station = spec.firstStation + distance;
        row.offset = -10.0;
        row.elevation = spec.elevation(distance);
        if (std::optional<double> d = spec.deflection(distance))
            row.elevationWithDeadLoad = *row.elevation + *d;
        row.x = distance;
        row.y = -10.0;
        row.girderLength = spec.firstLength + distance;
        rows.push_back(row);
    };
    const int n = spec.pointsPerSpan;
    double start = 0.0;
    size_t splice = 0;
    auto splicesUpTo = [&](double distance) {
        while (splice < spec.splices.size() && spec.splices[splice] <= distance + 1e-9) {
            add("SP " + std::to_string(splice + 1), spec.splices[splice]);
            ++splice;
        }
    };
    const size_t spans = spec.spans.size();
    for (size_t s = 0; s <= spans; ++s) {
        std::string support = s == 0 || s == spans ? "CL ABUT " + std::to_string(s + 1)
                                                   : "CL PIER " + std::to_string(s + 1);
        splicesUpTo(start - 1e-6);
        add(support, start);
        if (s == spans) break;
        for (int k = 1; k < n; ++k) {
            const double d = start + spec.spans[s] * k / n;
            splicesUpTo(d - 1e-6);
            add(PointLabel('F', k), d);
        }
        start += spec.spans[s];
    }
    splicesUpTo(start + 1.0);
    if (spec.decreasing) std::reverse(rows.begin(), rows.end());
    return rows;
}

}  // namespace quillon::converters::testing
