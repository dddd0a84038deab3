// What reading or writing a deck file comes to: done, or failed with the
// reason (the system's reason for a file that cannot be read or written, or
// the card that cannot be written).
#pragma once

#include <string>

namespace quillon::editor {

struct DeckFileResult {
    bool ok = true;
    std::string reason;  // empty when done

    static DeckFileResult Done() { return {}; }
    static DeckFileResult Failed(std::string why) { return {false, std::move(why)}; }
};

}  // namespace quillon::editor
