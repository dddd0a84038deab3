#include "converters/projcoord/ProjectListing.hpp"

#include "converters/common/ListingLayout.hpp"
#include "converters/common/NumberText.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::projcoord {

namespace ff = quillon::fixedform;

namespace {

// The three pieces of a listing line.
constexpr int kFirstPieceColumns = 60;  // P1: columns 1-60
constexpr int kMiddleFirstColumn = 61;  // P2: columns 61-85
constexpr int kMiddleColumns = 25;
constexpr int kBlockColumns = 25;  // the inserted block

// The form of the northing and the easting in the block.
constexpr int kCoordinateWidth = 12;
constexpr int kCoordinateDecimals = 4;

constexpr std::string_view kProjectCaption = "    PROJECT COORDINATES  ";
constexpr std::string_view kNorthingEastingCaption = "   NORTHING      EASTING ";

bool Holds(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

char At(std::string_view line, int column) {
    size_t at = static_cast<size_t>(column - 1);
    return at < line.size() ? line[at] : ' ';
}

// The text that ends in the field's last column and reaches back to its
// first, not past a blank or a ")".
std::string NumberEndingIn(std::string_view line, listing::RowField columns) {
    std::string field = ff::Columns(line, columns.first, columns.width);
    size_t begin = field.size();
    while (begin > 0 && field[begin - 1] != ' ' && field[begin - 1] != ')') --begin;
    return field.substr(begin);
}

}  // namespace

bool CheckStructureLine(std::string_view line) {
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos) return false;
    return line.substr(start, 9) == "STRUCTURE";
}

bool IsCoordinateRow(std::string_view line) {
    return (At(line, 67) == '.' || At(line, 68) == '.') &&
           (At(line, 79) == '.' || At(line, 80) == '.');
}

std::optional<LayoutPoint> ReadLayoutPoint(std::string_view line) {
    std::optional<double> x = ReadDecimalText(NumberEndingIn(line, listing::kX));
    std::optional<double> y = ReadDecimalText(NumberEndingIn(line, listing::kY));
    if (!x || !y) return std::nullopt;
    return LayoutPoint{*x, *y};
}

std::string ProjectListingLine(std::string_view line, const ProjectFrame& frame) {
    if (line.size() <= 1 || Holds(line, "ECTS REF LINE") || Holds(line, "ON TANGENT"))
        return std::string(line);
    std::string middle = ff::Columns(line, kMiddleFirstColumn, kMiddleColumns);
    std::string block;
    if (Holds(middle, "FROM LAYOUT LINE ")) {
        block = kProjectCaption;
    } else if (Holds(middle, " OFFSET     ORDINATE")) {
        block = kNorthingEastingCaption;
    } else if (Holds(middle, ":")) {
        block = std::string(kBlockColumns, ' ');
    } else if (Holds(middle, "     X          Y    ")) {
        block = kNorthingEastingCaption;
    } else if (IsCoordinateRow(line)) {
        std::optional<LayoutPoint> point = ReadLayoutPoint(line);
        if (!point) return std::string(line);
        ProjectPoint project = ToProjectCoordinates(point->x, point->y, frame);
        block = ff::FormatF(project.northing, kCoordinateWidth, kCoordinateDecimals) + " " +
                ff::FormatF(project.easting, kCoordinateWidth, kCoordinateDecimals);
    } else {
        return std::string(line);
    }
    std::string out(line.substr(0, kFirstPieceColumns));
    out += middle;
    out += block;
    if (line.size() > static_cast<size_t>(kFirstPieceColumns + kMiddleColumns))
        out += line.substr(kFirstPieceColumns + kMiddleColumns);
    return out;
}

std::string ProjectListingHeader(const ProjectRunValues& values) {
    const Bearing& b = values.bearing;
    std::string header = "State of Vandemor\n";
    header += "Quillon Project Coordinate Converter\n";
    header += "Version 1.00\n\n\n\n\n\n";
    header += "Run date & time = " + values.runTimeText + "\n";
    header += "Input Northing Offset =  " + FormatDecimal(values.northingOffset, 6) + "\n";
    header += "Input Easting Offset =  " + FormatDecimal(values.eastingOffset, 6) + "\n";
    header += "Input Bearing =  " + std::string(1, b.northSouth) + " " + std::to_string(b.degrees) +
              " " + std::to_string(b.minutes) + " " + ff::FormatF(b.seconds, 7, 4) + " " +
              std::string(1, b.eastWest) + "\n\f";
    return header;
}

std::string WriteProjectListing(const ProjectRunValues& values, const ProjectFrame& frame,
                                const std::vector<std::string>& lines) {
    std::string out = ProjectListingHeader(values);
    for (const std::string& line : lines) out += ProjectListingLine(line, frame) + "\n";
    return out;
}

}  // namespace quillon::converters::projcoord
