// The cards of one line set. Until the line computations are built, the 04
// card's 05, 06 and 07 cards are taken in deck order.
#include "engine/linesets/LineSetLoop.hpp"

#include <optional>

#include "engine/run/CardStream.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

StepEnd ProcessLineSet(EngineRun& run) {
    RunState& state = run.state;
    ++state.sectionCounter;
    if (!fixedform::IsBlank(state.headings.SectionNumber()))
        state.headings.SectionNumber() = MakeSectionNumberText(state.sectionCounter);
    state.fatalFlag = false;
    std::optional<int> type = ReadNextCard(run);
    while (type && *type >= 5 && *type <= 7) type = ReadNextCard(run);
    return type ? StepEnd::AtNextCard : StepEnd::AtDeckEnd;
}

}  // namespace quillon::engine
