// The roadway approaches of the 08 card, which closes a Problem: elevations
// before the begin and after the end of the structure, every 10 ft over the
// approach length, at up to seven offsets. The table's pages show no section
// number.
#include "engine/approaches/RoadApproaches.hpp"

#include <algorithm>

#include "engine/alignment/HorizontalAlignmentListing.hpp"
#include "engine/approaches/ApproachCard.hpp"
#include "engine/approaches/ApproachStations.hpp"
#include "engine/approaches/ApproachTable.hpp"
#include "engine/run/StationText.hpp"

namespace quillon::engine {

namespace {

constexpr int kApproachCard = 8;
constexpr double kLowestStation = 1.0;  // feet: stations below are not given
constexpr int kMostRowsNotListed = 3;

// The card's fatal box naming the field that is not a number.
void ReportCardFailure(EngineRun& run, const FieldFailure& failure) {
    constexpr int kTitleBlanks = 22;
    constexpr int kBoxTextWidth = 65;
    const std::string message = FieldFailureText(failure);
    const int messageBlanks = std::max(0, (kBoxTextWidth - static_cast<int>(message.size())) / 2);
    WriteFatalCardBox(run, kApproachCard, kTitleBlanks, message, messageBlanks);
    run.state.runErrorFlag = true;
}

// The lists of the card, or false when it gives neither station.
bool ListsOfCard(EngineRun& run, const Stationing& stationing, const RoadApproachCard& card,
                 const ApproachSpan& span, ApproachLists& lists) {
    const double begin = BeginStationUp(card.begStr);
    const bool endGiven = card.endStr >= kLowestStation;
    if (begin > kLowestStation) {
        const double back = StationToDistance(run, stationing, begin, kApproachCard) - span.length;
        if (!endGiven) {
            lists = {back, 0.0, span.rows, true};
            return true;
        }
        const double ahead =
            StationToDistance(run, stationing, EndStationDown(card.endStr), kApproachCard);
        lists = ArrangeTwoLists(back, ahead, span);
        return true;
    }
    if (!endGiven) return false;
    // The one list starts at the end of the structure.
    const double end =
        StationToDistance(run, stationing, EndStationDown(card.endStr), kApproachCard);
    lists = {end, 0.0, span.rows, true};
    return true;
}

}  // namespace

void ProcessRoadApproaches(EngineRun& run, const AlignmentState& alignment) {
    RunState& state = run.state;
    RoadApproachCard card;
    const FieldFailure failure = ReadRoadApproachCard(state.cardImage, card);
    if (failure.failed) {
        ReportCardFailure(run, failure);
        return;
    }
    const Stationing stationing = alignment.Stationing();
    const ApproachSpan span = ApproachSpanOf(card.length);
    ApproachLists lists;
    if (!ListsOfCard(run, stationing, card, span, lists)) return;
    const ApproachStationLists stations =
        LayOutApproachStations(stationing, alignment.limits, lists);
    const size_t rows = std::max(stations.back.size(), stations.ahead.size());
    if (rows <= kMostRowsNotListed) return;
    state.headings.SectionNumber() = std::string(10, ' ');
    WriteRoadwayApproachTable(run, alignment, stations, ApproachOffsets(card));
}

}  // namespace quillon::engine
