#include "DeckFileTestSupport.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "editor/deck/DeckWriter.hpp"

namespace quillon::editor::test {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string LinesText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

std::filesystem::path SourceFile(const std::string& relative) {
    return std::filesystem::path(QUILLON_SOURCE_DIR) / relative;
}

std::vector<std::string> SavedLines(const DeckModel& deck) {
    WrittenCards cards = WriteDeckCards(deck);
    EXPECT_TRUE(cards.ok()) << cards.failure->Message();
    return cards.lines;
}

}  // namespace quillon::editor::test
