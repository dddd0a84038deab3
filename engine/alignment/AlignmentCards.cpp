// The alignment cards of a Problem. Until their computations are built, the
// cards are taken in deck order up to the first 04 card.
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineSteps.hpp"

namespace quillon::engine {

void ProcessAlignmentCards(EngineRun& run, ProblemState&) {
    run.state.fatalFlag = false;
    int type = ReadNextCard(run);
    while (type >= 0 && type <= 3) type = ReadNextCard(run);
    run.state.alignmentMarker = 0.0;
}

}  // namespace quillon::engine
