// QlEngl: the geometry engine with a english listing.
#include <iostream>
#include <string>
#include <vector>

#include "engine/run/EngineRun.hpp"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    quillon::SystemEnvironment environment;
    return quillon::engine::RunEngine(args, quillon::engine::EngineVariant::English, environment,
                                      std::cout, std::cerr);
}
