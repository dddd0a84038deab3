#include "engine/run/DeckInput.hpp"

namespace quillon::engine {

bool DeckInput::NextLine(std::string& line) {
    if (next_ >= lines_.size()) return false;
    line = lines_[next_++];
    return true;
}

}  // namespace quillon::engine
