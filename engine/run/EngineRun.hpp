// One run of the geometry engine: the deck, the listing and the run state,
// and the two ends of a run.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/run/EngineVariant.hpp"
#include "engine/run/ListingWriter.hpp"
#include "engine/run/RunState.hpp"
#include "environment/Environment.hpp"

namespace quillon::engine {

// The deck's lines, read whole when the run opens its files.
class DeckInput {
public:
    explicit DeckInput(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    // The next line, or false at the end of the deck.
    bool NextLine(std::string& line);
    bool Ended() const { return ended_; }
    void MarkEnded() { ended_ = true; }

private:
    std::vector<std::string> lines_;
    size_t next_ = 0;
    bool ended_ = false;
};

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

// " yy/mm/dd " from the clock.
std::string MakeDateText(const LocalTime& now);
// "hh:mm ss  " (the second colon blanked; the heading prints "hh:mm ").
std::string MakeTimeText(const LocalTime& now);

// The deck ended where the deck rules still expect cards: the box of the
// missing card (or of a blank last line), then FinishRun. Returns the run's
// exit status.
[[nodiscard]] int EndOfInputError(EngineRun& run);
// The end of every run: the end-of-run boxes and the ignored lines still
// pending. Returns the exit status, 0 after a clean run and 4 otherwise; the
// caller ends the run with it and writes nothing more to the listing.
[[nodiscard]] int FinishRun(EngineRun& run);

}  // namespace quillon::engine
