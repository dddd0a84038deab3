#include "converters/stick/StickFigure.hpp"

#include <algorithm>
#include <cmath>

#include "converters/common/ListingLayout.hpp"
#include "converters/common/NumberText.hpp"
#include "converters/common/TextRoutines.hpp"

namespace quillon::converters::stick {

namespace {

// The screen the S5000 window is fitted to: 800 by 480 dots, whose sides are
// 1.668 to 1.
constexpr double kScreenAspect = 1.668;
constexpr double kScreenWidthSpan = 799.0, kScreenHeightSpan = 479.0;
constexpr double kScreenHalfWidth = 399.5, kScreenHalfHeight = 239.5;

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

std::optional<double> Field(std::string_view row, listing::RowField field) {
    return ReadDecimalText(listing::FieldText(row, field));
}

}  // namespace

bool IsDrawn(RowKind kind) {
    switch (kind) {
        case RowKind::Splice:
        case RowKind::WingWall:
        case RowKind::RetainingWall:
        case RowKind::AlignmentPoint:
            return false;
        default:
            return true;
    }
}

bool IsInTransverseLine(RowKind kind) {
    switch (kind) {
        case RowKind::Pier:
        case RowKind::Abutment:
        case RowKind::Bearing:
        case RowKind::Diaphragm:
        case RowKind::TemporarySupport:
        case RowKind::BentFace:
            return true;
        default:
            return false;
    }
}

std::vector<Point3> DrawnPoints(const LongitudinalLineEntry& line) {
    std::vector<Point3> points;
    for (const ListingRow& row : line.rows)
        if (IsDrawn(row.kind) && row.point) points.push_back(*row.point);
    return points;
}

std::vector<Point3> KeptPoints(const LongitudinalLineEntry& line) {
    std::vector<Point3> points;
    for (const ListingRow& row : line.rows)
        if (row.point) points.push_back(*row.point);
    return points;
}

std::optional<RowKind> ClassifyRow(std::string_view row) {
    std::string_view text = row.size() > 1 ? row.substr(1) : std::string_view();
    if (StartsWith(text, "CL")) {
        std::string name = listing::FieldText(row, listing::kPointName);
        if (NameHolds(name, "PIER")) return RowKind::Pier;
        if (NameHolds(name, "ABUT")) return RowKind::Abutment;
        if (NameHolds(name, "BRG")) return RowKind::Bearing;
        if (NameHolds(name, "DIA")) return RowKind::Diaphragm;
        if (NameHolds(name, "TEMP")) return RowKind::TemporarySupport;
        return RowKind::OtherCrossing;
    }
    if (StartsWith(text, "SP")) return RowKind::Splice;
    if (listing::IsFractionalPointRow(row)) return RowKind::FractionalPoint;
    if (StartsWith(text, "BF")) return RowKind::BentFace;
    if (StartsWith(text, "WW")) return RowKind::WingWall;
    if (StartsWith(text, "RET")) return RowKind::RetainingWall;
    for (std::string_view alignment : {"PT", "PC", "PS"})
        if (StartsWith(text, alignment)) return RowKind::AlignmentPoint;
    return std::nullopt;
}

std::optional<Point3> ReadRowPoint(std::string_view row) {
    std::optional<double> x = Field(row, listing::kX);
    std::optional<double> y = Field(row, listing::kY);
    std::optional<double> z = Field(row, listing::kElevation);
    if (!x || !y || !z) return std::nullopt;
    return Point3{*x, *y, *z};
}

std::string BentLineName(std::string_view row) {
    return RightTrim(LeftTrim(listing::FieldText(row, listing::kPointName)));
}

Point3 ExtendEndPoint(const Point3& end, const Point3& neighbour) {
    return {end.x + (end.x - neighbour.x) / 10.0, end.y + (end.y - neighbour.y) / 10.0,
            end.z + (end.z - neighbour.z) / 10.0};
}

bool NameHolds(std::string_view name, std::string_view part) {
    return name.find(part) != std::string_view::npos;
}

bool IsEdgeName(std::string_view name) {
    return NameHolds(name, "RO") || NameHolds(name, "LO") ||
           (NameHolds(name, "RIGHT") && NameHolds(name, "OUT")) ||
           (NameHolds(name, "LEFT") && NameHolds(name, "OUT"));
}

void ComputeExtents(BridgeFile& bridge) {
    Extents& e = bridge.extents;
    bool first = true;
    for (const LongitudinalLineEntry& line : bridge.lines) {
        for (const Point3& p : KeptPoints(line)) {
            if (first) {
                e = {p.x, p.y, p.x, p.y};
                first = false;
            }
            e.minX = std::min(e.minX, p.x);
            e.maxX = std::max(e.maxX, p.x);
            e.minY = std::min(e.minY, p.y);
            e.maxY = std::max(e.maxY, p.y);
        }
    }

    double width = std::fabs(e.maxX - e.minX);
    double height = std::fabs(e.maxY - e.minY);
    if (width == 0.0) width = 1.0;
    if (height == 0.0) height = 1.0;
    DisplayWindow& w = bridge.window;
    w.exchanged = height * kScreenAspect >= width;
    // The window's first axis lies along the screen's long side.
    double firstMin = e.minX, firstMax = e.maxX, secondMin = e.minY, secondMax = e.maxY;
    if (w.exchanged) {
        std::swap(width, height);
        std::swap(firstMin, secondMin);
        std::swap(firstMax, secondMax);
    }
    w.firstMin = firstMin;
    w.firstMax = firstMax;
    w.secondMin = secondMin;
    w.secondMax = secondMax;
    if (height * kScreenAspect >= width) {
        double scale = kScreenHeightSpan / height;
        double centre = (firstMin + firstMax) / 2.0;
        w.firstMin = centre - kScreenHalfWidth / scale;
        w.firstMax = centre + kScreenHalfWidth / scale;
    } else {
        double scale = kScreenWidthSpan / width;
        double centre = (secondMin + secondMax) / 2.0;
        w.secondMin = centre - kScreenHalfHeight / scale;
        w.secondMax = centre + kScreenHalfHeight / scale;
    }

    bridge.transverseLines.clear();
    for (const LongitudinalLineEntry& line : bridge.lines) {
        for (const ListingRow& row : line.rows) {
            if (!IsInTransverseLine(row.kind) || !row.point) continue;
            std::string name = BentLineName(row.text);
            auto found = std::find_if(bridge.transverseLines.begin(), bridge.transverseLines.end(),
                                      [&](const TransverseLine& t) { return t.name == name; });
            if (found == bridge.transverseLines.end()) {
                bridge.transverseLines.push_back({name, row.kind, {}});
                found = std::prev(bridge.transverseLines.end());
            }
            found->points.push_back(*row.point);
        }
    }
}

}  // namespace quillon::converters::stick
