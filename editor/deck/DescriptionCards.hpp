// The 00 group: the first card (structure identifier, metric mark) and the
// 00 text cards, of which the key cards ("Units:", "Project:", "Subaccount:",
// "Designer:", "Detailer:", "Location:") fill the Description form's boxes
// and every other card is one line of its general description.
//
// Readers take a card as the file holds it (any length, no padding).
#pragma once

#include <string_view>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// The first card: the structure identifier (ten characters, blanks kept) and
// the units ("M" or "m" in the mark column: metric).
void ReadFirstCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// A 00 card after the first. A key card is one whose text, after leading
// blanks, begins with a key; each key it holds sets its box with the text
// after the key (one blank after it skipped) up to a ";", trailing blanks cut.
// "Units:" makes the deck English, and metric when "Metric" follows it. Any
// other card is a description line: the card's text as it stands.
void ReadDescriptionCard(DeckModel& deck, std::string_view card, MessageSink& sink);

// The first card, the units, project, designer and location cards, and one
// card per description line (one card "00" when there is none).
WrittenCards WriteDescriptionCards(const DeckModel& deck);

}  // namespace quillon::editor
