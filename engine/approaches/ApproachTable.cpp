#include "engine/approaches/ApproachTable.hpp"

#include <algorithm>

#include "engine/alignment/ElevationListing.hpp"
#include "engine/alignment/PointElevation.hpp"
#include "engine/geometry/TaggedSort.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr double kDistinctOffset = 0.000001;  // feet
constexpr size_t kStationCharacters = 8;
constexpr int kHeaderLines = 4;
// Lines of rows and empty lines under one header: the page length less this.
constexpr int kTableMargin = 4;

constexpr int kLeftStationColumn = 7;
constexpr int kLeftSlopeColumn = 43;
constexpr int kRightStationColumn = 82;
constexpr int kRightSlopeColumn = 118;

void PutHalf(ff::Record& record, const ApproachHalf& half, int stationColumn, int slopeColumn) {
    record.Column(stationColumn)
        .Text(ff::PadRight(half.station, static_cast<int>(kStationCharacters)))
        .F(half.offset, 12, 4)
        .F(half.elevation, 12, 4)
        .Column(slopeColumn)
        .Text(ff::PadRight(half.crossSlope, 10));
}

void WriteHeader(EngineRun& run, bool abbreviated) {
    run.listing.WritePageHeading(-1, kHeaderLines);
    for (const std::string& line : ApproachTableHeader()) run.listing.Write(line);
    if (abbreviated)
        for (const std::string& line : AbbreviationNote()) run.listing.Write(line);
}

}  // namespace

std::vector<double> ApproachOffsets(const RoadApproachCard& card) {
    std::array<double, kApproachOffsets> keys = card.offsets;
    std::array<int, kApproachOffsets> tags{};
    for (size_t i = 0; i < kApproachOffsets; ++i) tags[i] = static_cast<int>(i);
    geometry::SortWithTags(static_cast<int>(kApproachOffsets), keys, tags);
    std::vector<double> taken;
    for (size_t i = 0; i < kApproachOffsets; ++i) {
        if (!card.offsetGiven[static_cast<size_t>(tags[i])]) continue;
        if (!taken.empty() && !(keys[i] - taken.back() >= kDistinctOffset)) continue;
        taken.push_back(keys[i]);
    }
    return taken;
}

int ApproachRowStep(bool runError, int backEntries, int rows) {
    if (!runError) return 1;
    const int step = backEntries >= 2 ? backEntries - 1 : rows - 1;
    return std::max(step, 1);
}

std::string ApproachStationText(const RunState& state, const Stationing& stationing,
                                double station) {
    return MakeStationText(state, stationing, station).first.substr(0, kStationCharacters);
}

ApproachHalf MakeApproachHalf(const RunState& state, const AlignmentState& alignment,
                              const std::string& stationText, double offset, double station) {
    const PointElevationResult point =
        PointElevation(state, alignment.profile, alignment.crossSlope,
                       alignment.horizontal.profOffset, alignment.limits, {offset, station}, 0.0);
    ApproachHalf half;
    half.station = stationText;
    half.offset = ListedLength(state, offset);
    half.elevation = ListedLength(state, point.elevation);
    half.crossSlope = point.crossSlopeText;
    return half;
}

std::string ApproachRow(const std::optional<ApproachHalf>& back,
                        const std::optional<ApproachHalf>& ahead) {
    ff::Record record;
    if (back) PutHalf(record, *back, kLeftStationColumn, kLeftSlopeColumn);
    if (ahead) PutHalf(record, *ahead, kRightStationColumn, kRightSlopeColumn);
    return record.str();
}

std::vector<std::string> ApproachTableHeader() {
    return {
        "",
        ff::Record().Column(57).Text("* ROADWAY  APPROACHES *").str(),
        ff::Record()
            .Column(8)
            .Text("STATION")
            .Column(21)
            .Text("OFFSET   ELEVATION")
            .Column(43)
            .Text("CROSS-SLOPE")
            .Column(83)
            .Text("STATION")
            .Column(96)
            .Text("OFFSET   ELEVATION")
            .Column(118)
            .Text("CROSS-SLOPE")
            .str(),
        "",
    };
}

std::vector<std::string> AbbreviationNote() {
    return {
        ff::Record().Column(53).Text("( ABBREVIATED DUE TO PREVIOUS )").str(),
        ff::Record()
            .Column(53)
            .Text("(")
            .Column(58)
            .Text("FATAL ERROR CONDITION")
            .Column(83)
            .Text(")")
            .str(),
        "",
    };
}

void WriteRoadwayApproachTable(EngineRun& run, const AlignmentState& alignment,
                               const ApproachStationLists& lists,
                               const std::vector<double>& offsets) {
    const RunState& state = run.state;
    const Stationing stationing = alignment.Stationing();
    const int backEntries = static_cast<int>(lists.back.size());
    const int aheadEntries = static_cast<int>(lists.ahead.size());
    const int rows = std::max(backEntries, aheadEntries);
    const int step = ApproachRowStep(state.runErrorFlag, backEntries, rows);
    const int pageRows = run.listing.PageLength() - kTableMargin;

    std::vector<std::string> backTexts, aheadTexts;
    for (double s : lists.back) backTexts.push_back(ApproachStationText(state, stationing, s));
    for (double s : lists.ahead) aheadTexts.push_back(ApproachStationText(state, stationing, s));

    int count = 0;
    bool headerWritten = false;
    for (double offset : offsets) {
        for (int r = 0; r < rows; r += step) {
            ++count;
            if (!headerWritten || count >= pageRows) {
                WriteHeader(run, step > 1);
                headerWritten = true;
                count = 0;
            }
            const size_t at = static_cast<size_t>(r);
            std::optional<ApproachHalf> back, ahead;
            if (r < backEntries)
                back = MakeApproachHalf(state, alignment, backTexts[at], offset, lists.back[at]);
            if (r < aheadEntries)
                ahead = MakeApproachHalf(state, alignment, aheadTexts[at], offset, lists.ahead[at]);
            run.listing.Write(ApproachRow(back, ahead));
        }
        ++count;
        if (count < pageRows) run.listing.WriteEmpty();
    }
    if (!offsets.empty()) run.listing.WritePageHeading(-1, 0);
}

}  // namespace quillon::engine
