// QlPrCo: project coordinates from a geometry listing.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "converters/projcoord/PrCoRun.hpp"
#include "environment/Environment.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        quillon::SystemEnvironment env;
        return quillon::converters::projcoord::RunPrCo(args, env);
    } catch (const std::exception& e) {
        std::cerr << "QlPrCo: " << e.what() << '\n';
        return quillon::converters::kAbortStatus;
    }
}
