// Line sets run in memory: a Problem's alignment step as the run loop takes
// it, then ProcessLineSet (with the engine's own steps or stand-ins) on the
// cards that follow; the listing goes to a string. Decks are lists of cards
// built by placing texts at their columns.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "engine/linesets/LineSetLoop.hpp"
#include "engine/problem/EngineLineSetSteps.hpp"

namespace quillon::engine::linesettest {

using aligntest::Card;
using aligntest::Columns;
using aligntest::kCrossSlopeCard;
using aligntest::kVerticalCard;

inline constexpr double kPi = 3.141592653589793;
inline double Degrees(double radians) { return radians * 180.0 / kPi; }

// A simple curve to the right: deflection 60 degrees, radius 1000, no
// spirals, PI at 1577.3503 (so the TS lies 1000 * tan 30 = 577.350269
// before it, at 1000.0000308).
inline const std::string kCurveCard =
    Card({{1, "01"}, {3, "R"}, {4, "60."}, {13, "1577.3503"}, {52, "1000."}});
inline const double kRadius = 1000.0;
inline const double kTsStation = 1577.3503 - 1000.0 * std::tan(kPi / 6.0);

struct LineSetRun : aligntest::AlignmentRun {
    // A deck of the 00 card, the alignment cards and then `lineSetCards`
    // (from the first 04 card on).
    LineSetRun(const std::vector<std::string>& alignmentCards,
               const std::vector<std::string>& lineSetCards,
               EngineVariant variant = EngineVariant::English)
        : AlignmentRun(Build(alignmentCards, lineSetCards), variant) {}

    static std::vector<std::string> Build(const std::vector<std::string>& alignmentCards,
                                          const std::vector<std::string>& lineSetCards) {
        std::vector<std::string> deck{"00BRIDGE 1"};
        deck.insert(deck.end(), alignmentCards.begin(), alignmentCards.end());
        deck.insert(deck.end(), lineSetCards.begin(), lineSetCards.end());
        return deck;
    }

    // The alignment step and one line set; false when the deck ended where
    // cards were still expected.
    bool Run(const LineSetSteps& steps = EngineLineSetSteps()) {
        if (!Process()) return false;
        return Next(steps);
    }

    // One more line set, from the current card.
    bool Next(const LineSetSteps& steps = EngineLineSetSteps()) {
        const StepEnd end = ProcessLineSet(run, alignmentState, lineSetState, steps);
        return end == StepEnd::AtNextCard || !CardsStillExpected(run.state);
    }

    // The listing lines from the first that holds `text` on.
    std::vector<std::string> From(const std::string& text) const {
        const auto lines = Lines();
        const int at = IndexOf(text);
        if (at < 0) return {};
        return std::vector<std::string>(lines.begin() + at, lines.end());
    }

    // Starts a new page and uses all of it but `n` lines.
    void LeaveLines(int n) {
        run.listing.WritePageHeading(-1, 0);
        run.listing.WritePageHeading(run.listing.PageLength(), run.listing.PageLength() - n);
    }

    LineSetState& LineSet() { return lineSetState; }
    const geometry::HorizontalAlignment& Horizontal() const { return alignmentState.horizontal; }

    LineSetState lineSetState;
};

// The alignment cards of a curved Problem and of a straight one.
inline std::vector<std::string> CurvedAlignment() {
    return {kCurveCard, kVerticalCard, kCrossSlopeCard};
}
inline std::vector<std::string> StraightAlignment() { return {kVerticalCard, kCrossSlopeCard}; }

using Fields = std::vector<std::pair<int, std::string>>;

// `card` with the texts of `more` placed over it at their columns (1-based).
inline std::string With(std::string card, const Fields& more) {
    for (const auto& [column, text] : more) {
        const size_t at = static_cast<size_t>(column - 1);
        if (card.size() < at + text.size()) card.resize(at + text.size(), ' ');
        card.replace(at, text.size(), text);
    }
    return card;
}

// A 04 card: reference station `station` (deck, feet) and the codes of
// columns 14 (station on), 24 (skew with respect to) and 26 (layout line);
// further fields as given.
inline std::string ReferenceCard(const std::string& station, const std::string& staOn,
                                 const std::string& skewRespTo, const std::string& layout,
                                 const Fields& more = {}) {
    return With(Card({{1, "04"}, {3, station}, {14, staOn}, {24, skewRespTo}, {26, layout}}), more);
}

// A box in the listing from the line that holds the text of its first inner
// line: an empty line and the frame before, the inner lines at their
// columns, the frame after.
inline void ExpectBox(const LineSetRun& run, const Fields& inner) {
    const auto lines = run.Lines();
    const int at = run.IndexOf(inner[0].second);
    ASSERT_GE(at, 2) << inner[0].second;
    const size_t a = static_cast<size_t>(at);
    ASSERT_LT(a + inner.size(), lines.size());
    EXPECT_EQ(lines[a - 2], "");
    EXPECT_EQ(lines[a - 1], ErrorBoxLine());
    for (size_t i = 0; i < inner.size(); ++i)
        EXPECT_EQ(lines[a + i], ErrorBoxLine({inner[i]})) << inner[i].second;
    EXPECT_EQ(lines[a + inner.size()], ErrorBoxLine());
}

// A plain message: (5 - n) empty records, the n details (each after the
// carriage-control blank), an empty record, the fatal line, an empty record;
// then the page is ended and the line set fatal.
inline void ExpectPlain(const LineSetRun& run, const std::vector<std::string>& details,
                        const std::string& fatal) {
    const auto lines = run.Lines();
    const int at = run.IndexOf(details[0]);
    ASSERT_GE(at, 0) << details[0];
    const size_t a = static_cast<size_t>(at);
    const size_t empties = 5 - details.size();
    ASSERT_GE(a, empties);
    ASSERT_LT(a + details.size() + 2, lines.size());
    for (size_t i = 1; i <= empties; ++i) EXPECT_EQ(lines[a - i], "");
    if (a > empties) {
        EXPECT_NE(lines[a - empties - 1], "");
    }
    for (size_t i = 0; i < details.size(); ++i) EXPECT_EQ(lines[a + i], " " + details[i]);
    const size_t after = a + details.size();
    EXPECT_EQ(lines[after], "");
    EXPECT_EQ(lines[after + 1], fatal);
    EXPECT_EQ(lines[after + 2], "");
    EXPECT_EQ(run.run.listing.LinesLeft(), -1);
    EXPECT_TRUE(run.run.state.fatalFlag);
}

// Steps that do nothing, or that record their calls.
inline LineSetSteps NoSteps() {
    auto none = [](EngineRun&, AlignmentState&, LineSetState&) {};
    return {none, none, none};
}

}  // namespace quillon::engine::linesettest
