// Where the card readers send their warnings, one text each, in the order the
// fields are read ("Warning: (06) Skew direction invalid. Should be L or R").
// Reading goes on after each; File Open collects a deck's warnings and shows
// them together.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::editor {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void Warning(std::string_view text) = 0;
    // Several warnings of one command at once, in the order they came.
    virtual void Warnings(const std::vector<std::string>& texts) = 0;
};

// A sink that keeps the warnings, for a caller that shows them later.
class CollectedWarnings : public MessageSink {
public:
    void Warning(std::string_view text) override { warnings.emplace_back(text); }
    void Warnings(const std::vector<std::string>& texts) override {
        warnings.insert(warnings.end(), texts.begin(), texts.end());
    }
    std::vector<std::string> warnings;
};

}  // namespace quillon::editor
