// QlM2e: converts a metric geometry input deck into a deck in feet.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "converters/m2e/M2eRun.hpp"
#include "environment/Environment.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        quillon::SystemEnvironment env;
        return quillon::converters::m2e::RunM2e(args, env);
    } catch (const std::exception& e) {
        std::cerr << "QlM2e: " << e.what() << '\n';
        return quillon::converters::kAbortStatus;
    }
}
