// What tests of the run's pieces share: a fresh folder per test, a fixed
// clock, cards built from texts at their columns, and a listing split into
// records.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "environment/Environment.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine::testing {

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
