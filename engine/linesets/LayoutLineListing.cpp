#include "engine/linesets/LayoutLineListing.hpp"

#include <cmath>

#include "engine/alignment/ElevationListing.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kLabelEnd = 59;          // relation texts end here
constexpr int kStationColumn = 64;     // after 4 blanks
constexpr int kValueColumn = 60;       // a length right after a text
constexpr int kCurveValueColumn = 62;  // Y of the parallel curve: its digits end in 76
constexpr int kCrossingSkew = 79;
constexpr int kCrossingY = 93;
constexpr double kPrintsAsZero = 2e-8;  // feet

// A length as listed: metres in QlMetr, 0 below 2e-8 ft.
double Listed(const RunState& state, double feet) {
    return std::abs(feet) < kPrintsAsZero ? 0.0 : ListedLength(state, feet);
}

// A record with `label` right-aligned to end in column 59.
ff::Record Labelled(const std::string& label) {
    ff::Record record;
    record.Column(kLabelEnd + 1 - static_cast<int>(label.size())).Text(label);
    return record;
}

std::string Thirteen(const TextPair& station) {
    return station.first + ff::PadRight(station.second, 10).substr(0, 3);
}

void WriteCounted(EngineRun& run, const std::vector<std::string>& records) {
    run.listing.WritePageHeading(0, static_cast<int>(records.size()));
    for (const std::string& record : records) run.listing.Write(record);
}

}  // namespace

void WriteLayoutLineTitle(EngineRun& run, int need) {
    run.listing.WritePageHeading(need, 3);
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" LAYOUT LINE DATA");
}

void WriteLayoutDefinition(EngineRun& run, const std::string& text, int column) {
    WriteCounted(run, {"", ff::Record().Column(column).Text(text).str()});
}

void WriteChordBentNames(EngineRun& run, const std::string& first, const std::string& second) {
    WriteCounted(run,
                 {"",
                  ff::Record()
                      .Column(9)
                      .Text("LAYOUT LINE DEFINED AS CHORD BETWEEN BENT LINES:  ")
                      .Text(ff::PadRight(first, 10))
                      .str(),
                  ff::Record().Column(53).Text("AND:  ").Text(ff::PadRight(second, 10)).str()});
}

void WriteTangentToControl(EngineRun& run, const Stationing& stationing, double station,
                           double yFromReference) {
    const RunState& state = run.state;
    WriteCounted(
        run, {"", ff::Record().Column(68).Text("HCL STA").Column(77).Text("Y FROM REF LINE").str(),
              Labelled("LAYOUT LINE IS TANGENT TO HORIZONTAL CONTROL AT")
                  .Column(kStationColumn)
                  .Text(Thirteen(MakeStationText(state, stationing, station)))
                  .G(Listed(state, yFromReference), 19, 9)
                  .str()});
}

void WriteParallelCurve(EngineRun& run, const Stationing& stationing, double offset, double station,
                        double yFromReference) {
    const RunState& state = run.state;
    WriteCounted(run, {"",
                       Labelled("A CURVE PARALLEL TO HORIZONTAL CONTROL AT OFFSET")
                           .Column(kValueColumn)
                           .F(Listed(state, offset), 17, 4)
                           .str(),
                       Labelled("IS TANGENT TO LAYOUT LINE AT STATION")
                           .Column(kStationColumn)
                           .Text(Thirteen(MakeStationText(state, stationing, station)))
                           .str(),
                       Labelled("Y FROM REF LINE")
                           .Column(kCurveValueColumn)
                           .G(Listed(state, yFromReference), 19, 9)
                           .str()});
}

void WriteLayoutCrossings(EngineRun& run, bool onTangents,
                          const std::vector<LayoutCrossing>& crossings) {
    const RunState& state = run.state;
    std::vector<std::string> records{"", ff::Record()
                                             .Column(onTangents ? 67 : 68)
                                             .Text(onTangents ? "TANG STA" : "HCL STA")
                                             .Column(84)
                                             .Text("SKEW")
                                             .Column(kCrossingY)
                                             .Text("Y FROM REF LINE")
                                             .str()};
    for (const LayoutCrossing& crossing : crossings) {
        const TextPair skew = MakeAngleText(crossing.skew);
        ff::Record record = crossing.label.empty() ? ff::Record() : Labelled(crossing.label);
        records.push_back(record.Column(kStationColumn)
                              .Text(crossing.station.first)
                              .Text(ff::PadRight(crossing.station.second, 10).substr(0, 5))
                              .Column(kCrossingSkew)
                              .Text(skew.first)
                              .Text(ff::PadRight(skew.second, 10).substr(0, 4))
                              .Column(kCrossingY)
                              .G(Listed(state, crossing.yFromReference), 19, 9)
                              .str());
    }
    WriteCounted(run, records);
}

void WriteParallelToControl(EngineRun& run) {
    WriteLayoutDefinition(run, "LAYOUT LINE IS PARALLEL TO HORIZONTAL CONTROL");
}

void WriteParallelToTangent(EngineRun& run, const std::string& tangentText, const TextPair& station,
                            double offset) {
    WriteCounted(
        run,
        {"",
         ff::Record().Column(9).Text("LAYOUT LINE IS PARALLEL TO " + tangentText + "TANGENT").str(),
         ff::Record().Column(67).Text("TANG STA").Column(84).Text("OFFSET").str(),
         ff::Record()
             .Column(26)
             .Text("LAYOUT LINE INTERSECTS REF LINE AT")
             .Column(kStationColumn)
             .Text(Thirteen(station))
             .G(Listed(run.state, offset), 19, 9)
             .str()});
}

void WriteReferenceOnLayoutLine(EngineRun& run, const TextPair& station, double offset,
                                double transX, double transY) {
    const RunState& state = run.state;
    WriteCounted(run, {"",
                       ff::Record()
                           .Column(68)
                           .Text("HCL STA")
                           .Column(84)
                           .Text("OFFSET")
                           .Column(103)
                           .Text("X")
                           .Column(115)
                           .Text("Y")
                           .str(),
                       ff::Record()
                           .Column(26)
                           .Text("LAYOUT LINE INTERSECTS REF LINE AT")
                           .Column(kStationColumn)
                           .Text(Thirteen(station))
                           .G(Listed(state, offset), 19, 9)
                           .F(ListedLength(state, transX), 12, 4)
                           .F(ListedLength(state, transY), 12, 4)
                           .str()});
}

void WriteFlaredBentNames(EngineRun& run, const std::string& initial, const std::string& terminal) {
    ListingWriter& out = run.listing;
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(" BENT LINES TO DEFINE OFFSETS FOR FLARED GIRDER LINES");
    out.Write(
        ff::Record().Column(52).Text("INITIAL BENT:  ").Text(ff::PadRight(initial, 10)).str());
    out.Write(
        ff::Record().Column(51).Text("TERMINAL BENT:  ").Text(ff::PadRight(terminal, 10)).str());
}

}  // namespace quillon::engine
