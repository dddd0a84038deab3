// The rules of a geometry input deck as a whole, which every program that
// reads a deck applies alike: the engine, QlM2e and the editor.
//
// A comment card has "99" in columns 1-2; it stands anywhere in a deck and is
// passed over by every reader.
//
// A deck is metric when the 80th character of its first card is "M" or "m".
// Its cards are its lines less the comment cards and the lines of blanks
// (empty lines among them), which are passed over wherever they stand, as
// QlM2e and the editor pass them over. Otherwise the cards of the deck's
// leading "00" group are searched: while the card read last has "00" in
// columns 1-2, the next card is searched from column 3 on, letter case
// ignored, for "Units:"; a card that holds it makes the deck English, or
// metric when "Metric" (letter case ignored) follows it on that card. The
// last such card decides; the search ends with the first searched card that
// is not a "00" card. A deck without cards is English.
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
