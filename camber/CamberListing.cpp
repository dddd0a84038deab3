#include "camber/CamberListing.hpp"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "fixedform/RecordWriter.hpp"

namespace quillon::camber {

namespace ff = quillon::fixedform;

namespace {

constexpr size_t kValuesPerLine = 11;
constexpr int kLeadWidth = 19;  // the first value of a table stands in columns 20-29

// Points of a span as the rows in which they are printed: points 1-11 with
// tenth points; points 1-10 and 11-21 with twentieth points.
std::vector<std::span<const float>> PointRows(const SpanPoints& points, int pointsOption) {
    std::span<const float> all(points);
    if (pointsOption == 2) return {all.subspan(0, 10), all.subspan(10, 11)};
    return {all.subspan(0, 11)};
}

// A lead text followed by values in F10.4.
std::string ValueLine(std::string_view lead, std::span<const float> values) {
    ff::Record record;
    record.Text(lead);
    for (float value : values) record.F(value, 10, 4);
    return record.str();
}

// A table of values 11 a line: the first line after `label` (19 columns),
// later lines after 19 blanks. An empty label gives every line the second
// form. With `spaced`, the third and every later line follows an empty record.
void WriteValueTable(std::ostream& out, std::string_view label, std::span<const float> values,
                     bool spaced) {
    const std::string blanks(kLeadWidth, ' ');
    size_t lines = (values.size() + kValuesPerLine - 1) / kValuesPerLine;
    if (lines == 0 && !label.empty()) lines = 1;  // a label is written even over no values
    for (size_t line = 0; line < lines; ++line) {
        if (spaced && line >= 2) PutRecord(out, "");
        const size_t first = line * kValuesPerLine;
        auto chunk = values.subspan(first, std::min(kValuesPerLine, values.size() - first));
        PutRecord(out, ValueLine(line == 0 && !label.empty() ? label : blanks, chunk));
    }
}

// " SPAN NUMBER  1    " and the span's first row of points, the second row
// (twentieth points) after 19 blanks.
void WriteSpanRows(std::ostream& out, const std::vector<SpanPoints>& rows, int pointsOption) {
    for (size_t s = 0; s < rows.size(); ++s) {
        std::string lead =
            ff::Record().Text(" SPAN NUMBER").I(static_cast<long long>(s + 1), 3).X(4).str();
        for (std::span<const float> row : PointRows(rows[s], pointsOption)) {
            PutRecord(out, ValueLine(lead, row));
            lead = std::string(kLeadWidth, ' ');
        }
    }
}

// The heading over one row of points: the point numbers within the span,
// ten columns apart, the last point of a span numbered 0.
std::string PointHeading(int pointsOption, size_t rowIndex) {
    ff::Record record;
    record.Text(pointsOption == 2 ? " TWENTIETH POINT" : " TENTH POINT");
    const int first = pointsOption == 2 && rowIndex == 1 ? 10 : 0;
    const int labels = pointsOption == 2 && rowIndex == 0 ? 10 : 11;
    const int lastPoint = pointsOption == 2 ? 20 : 10;
    for (int i = 0; i < labels; ++i) {
        const int point = (first + i) % lastPoint;
        record.Column(31 + 10 * i).A(std::to_string(point), 2);
    }
    return record.str();
}

// A row of distances or off-sets in hundredths after its lead text: the
// first value's field reaches column 33, the others are F10.2.
std::string HundredthsRow(std::string_view lead, std::span<const float> values) {
    ff::Record record;
    record.Text(lead);
    const int firstWidth = 33 - static_cast<int>(lead.size());
    for (size_t i = 0; i < values.size(); ++i) record.F(values[i], i == 0 ? firstWidth : 10, 2);
    return record.str();
}

std::string Separator() {
    std::string text = " ";
    for (int i = 0; i < 66; ++i) text += "- ";
    return text;
}

std::string Indented(int blanks, std::string_view text) {
    return std::string(static_cast<size_t>(blanks), ' ') + std::string(text);
}

constexpr std::string_view kDistanceLead = " HORIZ. DIST. FROM ABUT.1";

void WriteEchoPage(std::ostream& out, const CamberProblem& p) {
    PutRecord(out, "1");
    if (p.supplementalFlag == 1) PutRecord(out, " REQUEST SUPPLEMENTAL INFORMATION");
    PutRecord(out, " ");
    PutRecord(out, p.pointsOption == 2 ? "  GIRDER DIVIDED INTO 20TH POINTS"
                                       : "  GIRDER DIVIDED INTO 10TH POINTS");
    PutRecord(out, " ");
    PutRecord(out, ff::Record()
                       .Text(" DESCRIPTION CARD    ")
                       .I(p.supplementalFlag, 5)
                       .I(p.pointsOption, 5)
                       .X(4)
                       .A(p.description, kDescriptionWidth)
                       .str());
    PutRecord(out, " ");
    PutRecord(
        out, ff::Record().Text(" CODE CARD").X(11).I(p.spansAsRead, 5).I(p.splicesAsRead, 5).str());
    PutRecord(out, " ");
    WriteValueTable(out, " SPLICE ELEVATIONS ", p.spliceElevations, true);
    PutRecord(out, " ");
    WriteValueTable(out, " SPLICE LOCATIONS  ", p.spliceLocations, true);
    PutRecord(out, " ");
    WriteValueTable(out, " SPAN LENGTHS      ", p.spanLengths, true);
    PutRecord(out, " ");
    PutRecord(out, " TENTH AND TWENTIETH POINT ELEVATIONS");
    WriteSpanRows(out, p.geometricElevations, p.pointsOption);
    PutRecord(out, " ");
    PutRecord(out, " TENTH AND TWENTIETH POINT - DEAD LOAD DEFLECTIONS");
    WriteSpanRows(out, p.deflections, p.pointsOption);
}

void WriteSupplementalTables(std::ostream& out, const CamberProblem& p, const CamberTables& t) {
    PutRecord(out, "1DEFLECTION AT SPLICE POINTS");
    WriteValueTable(out, "", t.spliceDeflections, false);
    PutRecord(out, " ");
    PutRecord(out, " SPLICE ELEVATIONS (CORRECTED FOR DEAD LOAD DEFLECTION)");
    WriteValueTable(out, "", t.correctedSpliceElevations, false);
    if (p.spansAsRead > 1) {
        PutRecord(out, " ");
        PutRecord(out, " ELEVATIONS AT PIERS");
        WriteValueTable(out, "", t.pierElevations, false);
    }
    PutRecord(out, " ");
    PutRecord(out, " SLOPE OF CHORD BETWEEN CORRECTED SPLICE ELEVATIONS");
    WriteValueTable(out, "", t.chordSlopes, false);
    PutRecord(out, " ");
    PutRecord(out, " ELEVATIONS ALONG CHORD AT 10TH OR 20TH POINTS");
    WriteSpanRows(out, t.chordElevations, p.pointsOption);
}

void WriteCamberPage(std::ostream& out, const CamberProblem& p, const CamberTables& t) {
    PutRecord(out, "1" + Indented(32, "CAMBER CUTTING DIMENSIONS FOR A WELDED PLATE GIRDER"));
    PutRecord(out, " " + Indented(32, std::string(51, '-')));
    PutRecord(out, " ");
    PutRecord(out, Indented(21, ff::PadRight(p.description, kDescriptionWidth)));
    PutRecord(out, " ");
    PutRecord(out, Indented(21, "CAMBER OFF-SETS (IN DECIMALS OF A FOOT)"));
    PutRecord(out, Separator());
    for (int s = 0; s < p.spansAsRead; ++s) {
        const size_t span = static_cast<size_t>(s);
        PutRecord(out, ff::Record()
                           .Text(" SPAN NUMBER")
                           .I(s + 1, 3)
                           .X(2)
                           .Text("HORIZONTAL LENGTH (CL BEARING TO CL BEARING) = ")
                           .F(p.spanLengths[span], 8, 4)
                           .str());
        auto distances = PointRows(t.pointDistances[span], p.pointsOption);
        auto offsets = PointRows(t.camberOffsets[span], p.pointsOption);
        for (size_t row = 0; row < distances.size(); ++row) {
            PutRecord(out, " ");
            PutRecord(out, PointHeading(p.pointsOption, row));
            PutRecord(out, HundredthsRow(kDistanceLead, distances[row]));
            PutRecord(out, HundredthsRow(" CAMBER OFF-SETS *      ", offsets[row]));
        }
        PutRecord(out, Separator());
    }
}

void WriteBlockingPage(std::ostream& out, const CamberProblem& p, const CamberTables& t) {
    PutRecord(out, "1");
    PutRecord(out, " ");
    PutRecord(out, Indented(21, ff::PadRight(p.description, kDescriptionWidth)));
    PutRecord(out, " ");
    PutRecord(out, Indented(33, "BLOCKING DIMENSIONS (IN DECIMALS OF A FOOT)"));
    PutRecord(out, " " + Indented(32, std::string(43, '-')));
    for (size_t first = 0; first < t.columns.size(); first += kValuesPerLine) {
        const size_t last = std::min(first + kValuesPerLine, t.columns.size());
        ff::Record labels;
        labels.X(23);
        std::vector<float> distances, dimensions;
        for (size_t c = first; c < last; ++c) {
            labels.A(t.columns[c].label, 10);
            distances.push_back(t.columns[c].location);
            dimensions.push_back(t.columns[c].dimension);
        }
        PutRecord(out, " ");
        PutRecord(out, labels.str());
        PutRecord(out, HundredthsRow(kDistanceLead, distances));
        PutRecord(out, HundredthsRow(" BLOCKING DIMENSION *   ", dimensions));
    }
    PutRecord(out, Separator());
    PutRecord(out,
              " * INCLUDES DEAD LOAD DEFLECTION AND VERTICAL CURVE"
              "AND/OR HORIZONTAL CURVE CORRECTION.  - FOR SHOP USE ONLY -");
    PutRecord(out, "");
    PutRecord(out, Indented(3,
                            "CAMBER OFF-SETS ARE DIMENSIONS FROM A CHORD "
                            "(DRAWN BETWEEN ABUTMENTS AND/OR SPLICES) TO THE TOP OF "
                            "THE GIRDER WEB."));
    PutRecord(out, "");
    PutRecord(out, Indented(3,
                            "BLOCKING DIMENSIONS ARE FROM A LEVEL BASE LINE "
                            "(DRAWN THRU THE LOWEST ABUTMENT OR SPLICE) TO THE TOP "
                            "OF THE GIRDER WEB."));
    PutRecord(out, Indented(11,
                            "BLOCKING DIMENSIONS FOR ABUTMENTS AND SPLICES"
                            " ARE FROM CHORD TO BASE LINE."));
    PutRecord(out, Indented(11,
                            "BLOCKING DIMENSIONS FOR PIERS ARE FROM"
                            " VERTICAL CURVE TO BASE LINE."));
}

void WriteDeadLoadPage(std::ostream& out, const CamberProblem& p) {
    PutRecord(out, "1" + Indented(32, "DEAD LOAD DEFLECTION (IN DECIMALS OF A FOOT) - "));
    PutRecord(out, " " + Indented(32, std::string(44, '-')));
    for (int s = 0; s < p.spansAsRead; ++s) {
        PutRecord(out, " ");
        PutRecord(out, ff::Record().X(5).Text("SPAN NUMBER").I(s + 1, 3).str());
        auto rows = PointRows(p.deflections[static_cast<size_t>(s)], p.pointsOption);
        for (size_t row = 0; row < rows.size(); ++row) {
            PutRecord(out, PointHeading(p.pointsOption, row));
            PutRecord(out, HundredthsRow(" DEAD LOAD DEFLECTION   ", rows[row]));
        }
    }
}

}  // namespace

void PutRecord(std::ostream& listing, std::string_view record) { listing << record << '\n'; }

void WriteSpliceCheckBlock(std::ostream& out, const SpliceCheck& check) {
    PutRecord(out, "1*****  ERROR  *****");
    PutRecord(out, "");
    PutRecord(out, " LAST SPLICE LOCATION IS NOT");
    PutRecord(out, " EQUAL TO SUMMATION OF SPANS");
    PutRecord(out, "");
    PutRecord(out, ff::Record().Text(" SUMMATION OF SPANS = ").F(check.spanSum, 9, 4).str());
    PutRecord(out, ff::Record().Text(" LOCATION OF SPLICE = ").F(check.locationAsRead, 9, 4).str());
    PutRecord(out, "");
    PutRecord(out, " LOCATION OF LAST SPLICE WILL BE");
    PutRecord(out, " SET EQUAL TO SUMMATION OF SPANS.");
}

void WriteCamberListing(std::ostream& out, const CamberProblem& problem,
                        const CamberTables& tables) {
    WriteEchoPage(out, problem);
    if (problem.supplementalFlag != 0) WriteSupplementalTables(out, problem, tables);
    WriteCamberPage(out, problem, tables);
    WriteBlockingPage(out, problem, tables);
    WriteDeadLoadPage(out, problem);
}

}  // namespace quillon::camber
