#include "engine/alignment/HorizontalAlignmentListing.hpp"

#include <cmath>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// The stations either side of the equation are this far (feet) from it.
constexpr double kEquationSide = 0.0000001;
// Message text of a box line starts after this column plus its blanks.
constexpr int kBoxTextColumn = 31;

// The first `count` characters of a station or angle text pair.
std::string Leading(const TextPair& texts, size_t count) {
    return (texts.first + texts.second).substr(0, count);
}

}  // namespace

std::vector<CurveLine> CurveLines(const geometry::HorizontalAlignment& h) {
    const bool inSpiral = h.ls1 > kNoSpiralLength;
    const bool outSpiral = h.ls2 > kNoSpiralLength;
    std::vector<CurveLine> lines;
    using K = CurveLineKind;
    if (inSpiral) {
        lines.push_back({K::Tangent, " TS", 0.0, "T", h.t1, 0.0});
        lines.push_back({K::Spiral, " SC", h.ls1, "Ls", h.ls1, h.theta1});
    } else {
        lines.push_back({K::Tangent, outSpiral ? "TSC" : " PC", h.ls1, "T", h.t1, 0.0});
    }
    lines.push_back({K::PI, " PI", h.t1, "Lc", h.lc, h.delta});
    if (outSpiral) {
        lines.push_back({K::Spiral, " CS", h.csDistance, "Ls", h.ls2, h.theta2});
        lines.push_back({K::Tangent, " ST", h.length, "T", h.t2, 0.0});
    } else {
        lines.push_back({K::Tangent, inSpiral ? "CST" : " PT", h.csDistance, "T", h.t2, 0.0});
    }
    return lines;
}

std::string CurveLineRecord(const RunState& state, const Stationing& stationing,
                            const geometry::HorizontalAlignment& h, const CurveLine& line) {
    const TextPair station = MakeStationTextAllEquations(state, stationing, line.station);
    ff::Record record;
    record.Column(7)
        .Text(ff::PadRight(line.pointLabel, 5))
        .Text(station.first)
        .Text(station.second)
        .Text(ff::PadRight(line.lengthLabel, 2))
        .F(ListedLength(state, line.length), 12, 4);
    if (line.kind == CurveLineKind::Tangent) return record.str();

    const TextPair angle = MakeAngleText(std::fabs(line.angle));
    record.Column(54)
        .Text(line.kind == CurveLineKind::PI ? "DELTA" : "   SA")
        .Text(Leading(angle, 14));
    if (line.kind == CurveLineKind::Spiral) return record.str();

    record.Text(ff::PadRight(h.f > 0.0 ? "RT" : "LT", 10));
    if (state.variant == EngineVariant::English) {
        const TextPair degree = MakeAngleText(std::fabs(h.degree));
        record.Text("Dc").Text(degree.first).Text(degree.second);
    }
    record.Text("RADIUS").F(ListedLength(state, std::fabs(h.radius)), 14, 6);
    return record.str();
}

void WriteHorizontalHeading(EngineRun& run, int linesAfter) {
    run.listing.WritePageHeading(4 + linesAfter, 4);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" HORIZONTAL ALIGNMENT DATA");
    run.listing.WriteEmpty();
}

void WriteCurveLine(EngineRun& run, const Stationing& stationing,
                    const geometry::HorizontalAlignment& h, const CurveLine& line) {
    run.listing.WritePageHeading(1, 1);
    run.listing.Write(CurveLineRecord(run.state, stationing, h, line));
}

void WriteTangentLines(EngineRun& run, bool assumed) {
    const int lines = assumed ? 3 : 2;
    run.listing.WritePageHeading(lines, lines);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record().Column(8).Text("HORIZONTAL TANGENT").str());
    if (assumed)
        run.listing.Write(ff::Record().Column(8).Text("ASSUMED FOR FURTHER PROCESSING").str());
}

void WriteStationEquationLine(EngineRun& run, const Stationing& stationing,
                              const geometry::HorizontalAlignment& h) {
    const double back = h.equation.back;
    const std::string before = StationColumnText(run.state, stationing, back - kEquationSide, 4);
    const std::string after = StationColumnText(run.state, stationing, back + kEquationSide, 4);
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .Column(8)
                          .Text("STATION EQUATION:")
                          .Column(33)
                          .Text(before)
                          .Text("BACK   =    ")
                          .Text(after)
                          .Text("AHEAD")
                          .str());
    run.listing.WriteEmpty();
}

void WriteProfileOffsetLine(EngineRun& run, double profOffset) {
    const bool metric = run.state.variant == EngineVariant::Metric;
    run.listing.WritePageHeading(3, 3);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(ff::Record()
                          .Text(" OFFSET HORIZ CONTROL TO PROFILE CONTROL LINE =")
                          .G(ListedLength(run.state, profOffset), 14, 6)
                          .Text(metric ? "m   " : "FEET")
                          .str());
}

void WriteFatalCardBox(EngineRun& run, int cardType, int titleBlanks, const std::string& message,
                       int messageBlanks) {
    const std::string title =
        ff::Record().Text("FATAL ERROR --").I(cardType, 3, 2).Text(" CARD").str();
    WriteMessageBox(
        run, {{kBoxTextColumn + titleBlanks, title}, {kBoxTextColumn + messageBlanks, message}});
}

}  // namespace quillon::engine
