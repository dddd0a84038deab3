// Runs the engine in-process on a deck written to a fresh folder, with a
// fixed clock, and hands back the listing, the console and the exit status.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/problem/EngineMain.hpp"
#include "engine/run/tests/RunTestSupport.hpp"
#include "environment/Environment.hpp"

namespace quillon::engine::testing {

struct EngineResult {
    int status = -1;
    std::string listing;
    std::string console;
    std::string errors;
    std::vector<std::string> filesAfterRun;  // names in the run's folder
};

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

}  // namespace quillon::engine::testing
