// What the card tests share: cards built column by column from the deck's
// column tables, the texts every control of a form shows, and the table
// checks of a card reader and writer.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "editor/deck/CardFieldAccess.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor::test {

// A text placed from a column on (1-based).
struct At {
    int column;
    std::string text;
};

// A card line: the type in columns 1-2, then each text at its column, blanks
// between; `length` pads the line with blanks (0: it ends after the last text).
std::string Card(const std::string& type, const std::vector<At>& texts, size_t length = 0);

// A form of the deck, for ControlTexts.
enum class Form {
    Description,
    Horizontal,
    Vertical,
    CrossTrans,
    OverrideRow,
    RefLine,
    GirderLine,
    BentLine,
    DeadLoad,
    RoadAppr
};

using Texts = std::vector<std::pair<std::string, std::string>>;

// Every control of the form (of row `row` for a row form) as text, in the
// form's order, with the form's Data Entry tick ("True" / "False"). A choice
// shows its item's text or, with nothing chosen, its prompt ("(none)" for a
// list box), followed by " kept 'c'" when a card character is kept; an
// options list shows "X" or "." per item.
Texts ControlTexts(const DeckModel& deck, Form form, int row = 0);

const std::string kDeg(1, kDegreeSign);

// `base` with the texts of `changes` in place of its own.
Texts Changed(Texts base, const Texts& changes);

// Reads a card into a deck.
using Reader = std::function<void(DeckModel&, std::string_view, MessageSink&)>;
// Writes the card of a deck.
using Writer = std::function<WrittenCard(const DeckModel&)>;

// One card through its reader and writer.
struct ReadCase {
    const char* name;
    bool metric;
    std::string card;
    Texts controls;  // every control after reading
    std::vector<std::string> warnings;
    std::string written;      // the card written from those controls
    std::string before = "";  // a card read first into the same form, when not empty
};

// Reads `c.card` (after `c.before`) into a deck of its units and checks every
// control, the warnings in order and the line written; then reads the line
// written into a new deck and checks that it is written again unchanged.
void CheckReadCase(const ReadCase& c, Form form, const Reader& read, const Writer& write,
                   int row = 0);

// A card written from controls set by hand.
struct WriteCase {
    const char* name;
    bool metric;
    std::function<void(DeckModel&)> set;
    std::string written;  // the line, or the failure's message when `fails`
    bool fails = false;
};

void CheckWriteCase(const WriteCase& c, const Writer& write);

// A failing case is shown by its name.
inline void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
inline void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

}  // namespace quillon::editor::test
