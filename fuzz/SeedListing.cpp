// fuzz_seed_listing <English|Metric> <deck> <listing>: the engine's listing of
// a deck with a fixed clock, so that the seed listings of the corpus are the
// same each time they are written again.
#include <iostream>
#include <string>

#include "engine/problem/EngineMain.hpp"
#include "environment/Environment.hpp"
#include "fuzz/FuzzChecks.hpp"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: fuzz_seed_listing <English|Metric> <deck> <listing>\n";
        return 2;
    }
    const std::string build = argv[1];
    const auto variant = build == "Metric" ? quillon::engine::EngineVariant::Metric
                                           : quillon::engine::EngineVariant::English;
    quillon::FixedEnvironment environment(quillon::fuzz::kFixedClock);
    return quillon::engine::RunEngine({argv[2], argv[3]}, variant, environment, std::cout,
                                      std::cerr);
}
