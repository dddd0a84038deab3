#include "engine/points/LineTables.hpp"

#include <algorithm>
#include <cstdlib>

#include "engine/geometry/Tolerance.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

enum TitleText : size_t {
    kNameFirst = 0,
    kNameSecond = 1,
    kMarker = 2,
    kTypeFirst = 3,
    kTypeThird = 5,
    kOffsetFirst = 6,
    kOffsetSecond = 7,
    kShiftNumber = 8,
    kShiftWords = 9,
};

const std::string kContinued = "(CONT)    ";
const std::string kAtWords = "        AT";

constexpr long long kLargestLabelCount = 9999;  // I4

// LineTypeText of line types 0-4, 30 characters each.
constexpr std::array<std::string_view, 5> kLineTypeText = {
    "PARALLEL TO HORIZONTAL CONTROL", "SEGMENTED GIRD LINE           ",
    "     PARALLEL TO LAYOUT LINE  ", "     FLARED GIRDER LINE       ",
    "VARIES WITH SUPER     NOMINAL "};

bool Metric(const RunState& state) { return state.variant == EngineVariant::Metric; }

double Converted(const RunState& state, double feet) {
    return Metric(state) ? ConvertLength(state.units.fromUnit, state.units.toUnit, 'S', feet)
                         : feet;
}

void WriteTableHeading(ListingWriter& out) {
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Text("  BENT LINE  :")
                  .Column(27)
                  .Text("INTERSECTION POINT")
                  .Column(61)
                  .Text(":    FROM LAYOUT LINE   :  BENT LINE")
                  .Column(111)
                  .Text(": GIRDER LINE   ROADWAY")
                  .str());
    out.Write(ff::Record()
                  .Text(" DESCRIPTION :")
                  .Column(61)
                  .Text(":   OFFSET     ORDINATE")
                  .Column(85)
                  .Text(": LENGTH FROM     SKEW    : LENGTH FROM   CROSS-")
                  .str());
    out.Write(ff::Record()
                  .Column(14)
                  .Text(":    STATION       OFFSET   ELEVATION")
                  .Column(61)
                  .Text(":      X          Y     :    Y-AXIS     D  M  S")
                  .Column(111)
                  .Text(":  REF LINE       SLOPE")
                  .str());
}

// Two empty lines, the title line and an empty line.
void WriteGroupTitle(ListingWriter& out, const std::string& first, const std::string& second) {
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Column(6)
                  .Text(first)
                  .Text(second)
                  .Text("  LINE *        AT FINISHED GRADE")
                  .str());
    out.WriteEmpty();
}

void WriteTitleLine(ListingWriter& out, const LineTableState& tables) {
    const auto& t = tables.titleTexts;
    ff::Record record;
    record.Column(9).Text(t[kNameFirst]).Text(t[kNameSecond]);
    record.Column(31).Text(t[kMarker].substr(0, 6));
    record.Column(42);
    for (size_t k = kTypeFirst; k <= kOffsetSecond; ++k) record.Text(t[k]);
    record.Column(99).Text(t[kShiftNumber]).Text(t[kShiftWords]).Text(" FINISHED GRADE");
    out.WriteEmpty();
    out.Write(record.str());
}

void WriteTableHeader(ListingWriter& out) {
    out.WriteEmpty();
    out.Write(ff::Record()
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
    out.WriteEmpty();
}

// The type 4 offset texts (texts 7-10) and the line's offset rule.
void MakeType4TitleText(const RunState& state, LineTableState& tables, GirderLine& line,
                        const Type4TitleValues& v, double& normalShift) {
    const double x = line.elevationShift;
    double d = line.initialOffset - v.baseOffset;
    if (line.initialOffsetType > kNormalFromLayoutLine) d += v.addedOffset;
    if (line.initialOffsetType % 2 == 1) d = v.f1 * d - v.f2 * x;
    line.initialOffset = line.terminalOffset;
    std::string unit = "-U-";
    if (line.terminalOffsetType != kType4TerminalOffset) {
        line.initialOffset = v.baseOffset + d * v.unit.real() - x * v.unit.imag();
        unit = Metric(state) ? "  m" : " FT";
    }
    const std::string text = ff::Record()
                                 .Text("OFFSET =")
                                 .F(Converted(state, line.initialOffset), 9, 4)
                                 .Text(unit.substr(0, 3))
                                 .F(Converted(state, x), 8, 4)
                                 .Text(" NORMAL FROM")
                                 .str();
    for (size_t q = 0; q < 4; ++q) tables.titleTexts[kOffsetFirst + q] = text.substr(10 * q, 10);
    line.terminalOffset = d;
    normalShift = x;
}

// MakeBaseChordText: texts 6-10 of the current line.
void MakeBaseChordText(RunState& state, LineTableState& tables, GirderLine& line,
                       const Type4TitleValues& type4, double& normalShift) {
    double x = line.elevationShift;
    if (!state.fatalFlag) {
        if (!tables.firstShiftSet) {
            tables.firstShift = x;
            tables.firstShiftSet = true;
        } else if (geometry::CompareWithTolerance(tables.firstShift, x, kShiftsDiffer) != 0) {
            state.auxOutputStatus = AuxOutputStatus::ShiftNotConstant;
        }
    }
    auto& t = tables.titleTexts;
    if (line.lineType == kOffsetVariesWithSuper) {
        MakeType4TitleText(state, tables, line, type4, normalShift);
        return;
    }
    const bool metric = Metric(state);
    const int sign = geometry::CompareWithTolerance(x, 0.0, kNoShift);
    if (sign == 0) {
        t[kShiftNumber] = kBlankTen;
        t[kShiftWords] = kAtWords;
    } else {
        if (sign < 0) {
            t[kShiftWords] = metric ? "  mm BELOW" : "FEET BELOW";
            x = -x;
        }
        t[kShiftNumber] = metric ? ff::FormatF(Converted(state, x) * 1000.0, 9, 2) + " "
                                 : ff::FormatF(x, 9, 6) + " ";
    }
    if (line.lineType == kSegmentedLine) {
        t[kTypeThird] = ff::FormatF(Converted(state, line.initialOffset), 10, 4);
        t[kOffsetFirst] = metric ? "  m  FROM " : " FT  FROM ";
        t[kOffsetSecond] = "BASE CHORD";
    }
}

}  // namespace

void WriteBentLineTableHeading(ListingWriter& out, LineTableState& tables, int rowsPerGroup) {
    out.WritePageHeading(-1, 8);
    WriteTableHeading(out);
    WriteGroupTitle(out, "* HORIZONT", "AL CONTROL");
    auto& t = tables.titleTexts;
    t.fill(kBlankTen);
    t[kNameFirst] = "* HORIZONT";
    t[kNameSecond] = "AL CONTROL";
    t[kMarker] = kContinued;
    t[kShiftWords] = kAtWords;
    tables.groupsPerPage = std::max(1, (out.PageLength() - 4) / (rowsPerGroup + 4));
    tables.groupCountdown = tables.groupsPerPage;
    tables.firstShiftSet = false;
}

void WriteBentLineGroupTitle(ListingWriter& out, LineTableState& tables, int kind) {
    std::string first, second;
    if (kind < 0) {
        first = kBlankTen;
        second = "  * LAYOUT";
    } else if (kind == 0) {
        first = "     * BAC";
        second = "K  TANGENT";
    } else {
        first = "    * AHEA";
        second = "D  TANGENT";
    }
    if (--tables.groupCountdown <= 0) {
        tables.groupCountdown = tables.groupsPerPage;
        out.WritePageHeading(-1, 4);
        WriteTableHeading(out);
    }
    WriteGroupTitle(out, first, second);
}

void WriteContinuationTitle(ListingWriter& out, const LineTableState& tables) {
    out.WritePageHeading(-1, 5);
    WriteTitleLine(out, tables);
    WriteTableHeader(out);
}

void WriteLongitudinalTitle(EngineRun& run, LineTableState& tables, GirderLine& line,
                            const Type4TitleValues& type4, double& normalShift) {
    auto& t = tables.titleTexts;
    t[kNameFirst] = ff::PadRight(line.description[0], 10);
    t[kNameSecond] = ff::PadRight(line.description[1], 10);
    t[kMarker] = kBlankTen;
    const std::string_view typeText =
        kLineTypeText[static_cast<size_t>(std::clamp(line.lineType, 0, 4))];
    for (size_t q = 0; q < 3; ++q) t[kTypeFirst + q] = std::string(typeText.substr(10 * q, 10));
    t[kOffsetFirst] = t[kOffsetSecond] = kBlankTen;
    t[kShiftWords] = Metric(run.state) ? "  mm ABOVE" : "FEET ABOVE";
    MakeBaseChordText(run.state, tables, line, type4, normalShift);
    ListingWriter& out = run.listing;
    out.WritePageHeading(-1, 5);
    WriteTitleLine(out, tables);
    WriteTableHeader(out);
    t[kMarker] = kContinued;
}

void WritePointLabel(std::span<char, 10> label, char letter, long long number) {
    // "    ", then the letter, "-" and the I4 count with their blanks
    // squeezed out, in 6 columns.
    char count[4];
    const long long magnitude = number < -kLargestLabelCount ? kLargestLabelCount + 1
                                : number < 0                 ? -number
                                                             : number;
    ff::WriteI(count, magnitude);
    ff::WriteA(label, "");
    size_t at = 4;
    for (char c : {letter, '-', count[0], count[1], count[2], count[3]})
        if (c != ' ') label[at++] = c;
}

std::string MakePointLabel(char letter, long long number) {
    std::string label(10, ' ');
    WritePointLabel(std::span<char, 10>(label.data(), 10), letter, number);
    return label;
}

std::string BentLineRow(const RunState& state, const BentLineRowValues& row) {
    return ff::Record()
        .X(1)
        .A(ff::PadRight(row.description, 10), 10)
        .X(3)
        .A(ff::PadRight(row.station.first, 10), 10)
        .A(ff::PadRight(row.station.second, 10), 3)
        .F(Converted(state, row.offset), 11, 4)
        .X(2)
        .A(ff::PadRight(row.elevation, 10), 10)
        .X(1)
        .A(ff::PadRight(row.fractionalPoints, 10), 10)
        .F(Converted(state, row.x), 10, 4)
        .F(Converted(state, row.y), 12, 4)
        .F(Converted(state, row.bentLength), 13, 4)
        .X(1)
        .A(ff::PadRight(row.skew.first, 10), 10)
        .A(ff::PadRight(row.skew.second, 10), 3)
        .F(Converted(state, row.girderLength), 12, 4)
        .X(1)
        .A(ff::PadRight(row.crossSlope, 10), 10)
        .str();
}

ff::Record LongitudinalRow(const PointRecord& r) {
    using P = PointRecord;
    auto slot = [&r](int n) { return r.Slots(n); };
    ff::Record row;
    row.X(1).A(slot(P::kName), 10).X(3);
    row.A(slot(P::kStation), 10).A(slot(P::kStation + 1), 3);
    row.A(slot(P::kOffset), 10).A(slot(P::kOffset + 1), 3);
    row.A(slot(P::kElevation), 10).A(slot(P::kElevPlusDl), 9);
    row.A(slot(P::kX), 10).A(slot(P::kX + 1), 2);
    for (int first : {P::kY, P::kBentLength, P::kSkew, P::kGirderLength})
        row.A(slot(first), 10).A(slot(first + 1), 3);
    row.A(slot(P::kCrossSlope), 10);
    return row;
}

}  // namespace quillon::engine
