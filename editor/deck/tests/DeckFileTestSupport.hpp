// What the deck file tests share: a fresh folder per test, files written and
// read back whole, decks as lines, and the sample decks of the tree.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/deck/DeckModel.hpp"

namespace quillon::editor::test {

using converters::testing::ReadFile;
using converters::testing::TempFolder;

// Writes `bytes` to `path` as they stand.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);

// The lines, each ended by LF.
std::string LinesText(const std::vector<std::string>& lines);

// A file of the source tree, by its path from the tree's top.
std::filesystem::path SourceFile(const std::string& relative);

// The deck lines a model is saved as (the test fails when a card cannot be
// written).
std::vector<std::string> SavedLines(const DeckModel& deck);

}  // namespace quillon::editor::test
