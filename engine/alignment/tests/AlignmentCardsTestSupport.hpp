// The alignment step run in memory on a deck given as lines: the first 00
// card is taken as the run loop takes it, then ProcessAlignmentCards runs;
// the listing goes to a string. Cards are built by placing texts at columns.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/alignment/AlignmentState.hpp"
#include "engine/alignment/AlignmentStep.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine::aligntest {

// A card image: each text placed from its column on (1-based).
inline std::string Card(std::initializer_list<std::pair<int, std::string>> fields) {
    std::string card;
    for (const auto& [column, text] : fields) {
        const size_t at = static_cast<size_t>(column - 1);
        if (card.size() < at + text.size()) card.resize(at + text.size(), ' ');
        card.replace(at, text.size(), text);
    }
    return card;
}

// Columns first..last (1-based, inclusive) of a line, padded with blanks.
inline std::string Columns(const std::string& line, int first, int last) {
    std::string padded = line;
    if (static_cast<int>(padded.size()) < last) padded.resize(static_cast<size_t>(last), ' ');
    return padded.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}

struct AlignmentRun {
    explicit AlignmentRun(std::vector<std::string> deck,
                          EngineVariant variant = EngineVariant::English)
        : run(variant, listing, std::move(deck)) {
        if (variant == EngineVariant::Metric) run.state.units = LengthUnits{'\'', 'm'};
    }
    AlignmentRun(const AlignmentRun&) = delete;  // the run writes to this object's listing
    AlignmentRun& operator=(const AlignmentRun&) = delete;

    // Takes the first 00 card and runs the alignment step; false when the
    // deck ran out before the step's end.
    bool Process() {
        if (!ReadNextCard(run)) return false;
        ProcessDescriptionCard(run);
        return ProcessAlignmentCards(run, alignmentState) == StepEnd::AtNextCard;
    }

    // The listing's lines after the six heading records of page 1.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(listing.str());
        std::string line;
        for (int skipped = 0; std::getline(in, line);) {
            if (skipped < 6) {
                ++skipped;
                continue;
            }
            lines.push_back(line);
        }
        return lines;
    }

    // The first line that holds `text`, or an empty text.
    std::string LineWith(const std::string& text) const {
        for (const std::string& line : Lines())
            if (line.find(text) != std::string::npos) return line;
        return std::string();
    }

    // The index of the first line that holds `text`, or -1.
    int IndexOf(const std::string& text) const {
        const auto lines = Lines();
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].find(text) != std::string::npos) return static_cast<int>(i);
        return -1;
    }

    const AlignmentState& Alignment() const { return alignmentState; }

    std::ostringstream listing;
    EngineRun run;
    AlignmentState alignmentState;
};

// A deck: the 00 card, the given alignment cards, and a 04 card (with the
// reference station and limits given, blank when empty).
inline std::vector<std::string> Deck(std::vector<std::string> alignmentCards,
                                     const std::string& fourCard = "04") {
    std::vector<std::string> deck{"00BRIDGE 1"};
    for (std::string& card : alignmentCards) deck.push_back(std::move(card));
    deck.push_back(fourCard);
    return deck;
}

// One vertical PI (in the PI 2 fields, PI 1 blank) with equal grades either
// side: no vertical curve.
inline const std::string kVerticalCard =
    Card({{1, "02"}, {3, "2."}, {48, "1000."}, {57, "100."}, {72, "2."}});
inline const std::string kCrossSlopeCard = Card({{1, "03"}, {3, "C"}, {4, ".02"}});

}  // namespace quillon::engine::aligntest
