// One run of the geometry engine: the deck, the listing and the run state,
// the two ends of a run and its exit statuses.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/run/DeckInput.hpp"
#include "engine/run/EngineVariant.hpp"
#include "engine/run/ListingWriter.hpp"
#include "engine/run/RunState.hpp"
#include "environment/Environment.hpp"

namespace quillon::engine {

// Everything a step of the run works on.
struct EngineRun {
    EngineRun(EngineVariant variant, std::ostream& listingStream,
              std::vector<std::string> deckLines)
        : state(variant),
          listing(listingStream, state.headings, variant),
          deck(std::move(deckLines)) {}

    RunState state;
    ListingWriter listing;
    DeckInput deck;
};

// The exit statuses of QlEngl and QlMetr: a clean run (no fatal error and no
// ignored line), and every other end, a run that could not start included.
inline constexpr int kExitNormal = 0;
inline constexpr int kExitFailure = 4;

// The deck ended where the deck rules still expect cards: the box of the
// missing card (or of a blank last line), then FinishRun. Returns the run's
// exit status.
[[nodiscard]] int EndOfInputError(EngineRun& run);
// The end of every run: the end-of-run boxes and the ignored lines still
// pending. Returns the exit status, kExitNormal after a clean run and
// kExitFailure otherwise; the caller ends the run with it and writes nothing
// more to the listing.
[[nodiscard]] int FinishRun(EngineRun& run);

}  // namespace quillon::engine
