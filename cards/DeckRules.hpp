// The rules of a geometry input deck as a whole, which every program that
// reads a deck applies alike: the engine, QlM2e and the editor.
//
// A comment card has "99" in columns 1-2; it stands anywhere in a deck and is
// passed over by every reader.
//
// A deck is metric when the 80th character of its first line is "M" or "m".
// Otherwise the cards of the deck's leading "00" group are searched: while the
// line read last has "00" in columns 1-2, the next line is searched from
// column 3 on, letter case ignored, for "Units:"; a line that holds it makes
// the deck English, or metric when "Metric" (letter case ignored) follows it
// on that line. The last such line decides; the search ends with the first
// searched line that is not a "00" card. An empty deck is English.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::cards {

// Columns 1-2 of a comment card.
inline constexpr std::string_view kCommentCardType = "99";

// `card`: a line of the deck, as long as it is.
bool IsCommentCard(std::string_view card);

// `lines`: the deck's lines without their line ends.
bool IsMetricDeck(const std::vector<std::string>& lines);

}  // namespace quillon::cards
