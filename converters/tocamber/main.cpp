// Ql2Cmb: the camber input of chosen girders from a geometry listing.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "converters/tocamber/ToCamberRun.hpp"
#include "environment/Environment.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        quillon::SystemEnvironment env;
        return quillon::converters::tocamber::RunToCamber(args, env);
    } catch (const std::exception& e) {
        std::cerr << "Ql2Cmb: " << e.what() << '\n';
        return quillon::converters::kAbortStatus;
    }
}
