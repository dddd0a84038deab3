// Whether a geometry input deck is metric: the one rule that the metric
// converter and the editor both apply to a deck file.
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
#include <vector>

namespace quillon::converters {

// `lines`: the deck's lines without their line ends.
bool IsMetricDeck(const std::vector<std::string>& lines);

}  // namespace quillon::converters
