// QlEngl: the geometry engine with a english listing.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "engine/problem/EngineMain.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        quillon::SystemEnvironment environment;
        return quillon::engine::RunEngine(args, quillon::engine::EngineVariant::English,
                                          environment, std::cout, std::cerr);
    } catch (const std::exception& failure) {
        std::cerr << "QlEngl: " << failure.what() << '\n';
        return quillon::engine::kExitFailure;
    }
}
