// The deck of a run: its lines, read whole when the run opens its files, and
// handed out one at a time.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace quillon::engine {

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

}  // namespace quillon::engine
