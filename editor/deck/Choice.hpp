// A combo box or single-selection list box of a data-entry form: the item
// chosen, or none (a combo box then shows its prompt).
//
// A coded card column whose character selects no item (a letter, a sign, a
// digit out of range) is kept as that character: the choice stays as it was,
// and the card is written back with the character as it stood, until a
// choice is made in the control.
#pragma once

#include <optional>

namespace quillon::editor {

struct Choice {
    std::optional<int> chosen;     // item index from 0; none: the prompt shows
    std::optional<char> keptCode;  // the card's character, written back as it stood

    // The user's or the reader's choice of item `item`; a kept character goes.
    void Choose(int item) {
        chosen = item;
        keptCode.reset();
    }
    // The card's character is kept; the choice stays as it was.
    void Keep(char code) { keptCode = code; }
    bool Is(int item) const { return chosen == item; }
};

}  // namespace quillon::editor
