// QlStFi: stick-figure files (S5000, DXF, GENIO) from a geometry listing.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "converters/stick/StickRun.hpp"
#include "environment/Environment.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        quillon::SystemEnvironment env;
        return quillon::converters::stick::RunStFi(args, env);
    } catch (const std::exception& e) {
        std::cerr << "QlStFi: " << e.what() << '\n';
        return quillon::converters::kAbortStatus;
    }
}
