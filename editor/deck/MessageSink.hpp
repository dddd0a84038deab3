// Where the card readers send their warnings, one text each, in the order the
// fields are read ("Warning: (06) Skew direction invalid. Should be L or R").
// The forms show each in a message box; reading goes on after it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::editor {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Warning(std::string_view text) = 0;
};

// A sink that keeps the warnings, for a caller that shows them later.
class CollectedWarnings : public MessageSink {
public:
    void Warning(std::string_view text) override { warnings.emplace_back(text); }
    std::vector<std::string> warnings;
};

}  // namespace quillon::editor
