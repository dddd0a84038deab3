// Runs the engine in-process on a deck written to a fresh folder, with a
// fixed clock, and hands back the listing, the console and the exit status.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/EngineRun.hpp"
#include "environment/Environment.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine::testing {

struct EngineResult {
    int status = -1;
    std::string listing;
    std::string console;
    std::string errors;
    std::vector<std::string> filesAfterRun;  // names in the run's folder
};

// A folder of its own for the running test (tests run in parallel processes).
inline std::filesystem::path FreshFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "run";
    for (char& c : name)
        if (c == '/') c = '_';
    auto base = std::filesystem::temp_directory_path() /
                ("quillon-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(base);
    std::filesystem::create_directories(base);
    return base;
}

inline std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline LocalTime FixedClock() { return LocalTime{2002, 7, 9, 14, 5, 33}; }

inline EngineResult RunOnDeck(const std::string& deck,
                              EngineVariant variant = EngineVariant::English) {
    auto folder = FreshFolder();
    auto input = folder / "deck.dat";
    auto listing = folder / "deck.lis";
    {
        std::ofstream out(input, std::ios::binary);
        out << deck;
    }
    FixedEnvironment environment(FixedClock());
    std::ostringstream console, errors;
    EngineResult result;
    result.status =
        RunEngine({input.string(), listing.string()}, variant, environment, console, errors);
    result.listing = ReadWhole(listing);
    result.console = console.str();
    result.errors = errors.str();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        result.filesAfterRun.push_back(entry.path().filename().string());
    std::filesystem::remove_all(folder);
    return result;
}

// A card built from texts placed at their columns (1-based).
inline std::string Card(const std::vector<std::pair<int, std::string>>& fields) {
    fixedform::Record card;
    for (const auto& [column, text] : fields) card.Column(column).Text(text);
    return card.str();
}

// The listing's records, split at line ends.
inline std::vector<std::string> Records(const std::string& listing) {
    std::vector<std::string> records;
    std::string record;
    std::istringstream in(listing);
    while (std::getline(in, record)) records.push_back(record);
    return records;
}

}  // namespace quillon::engine::testing
