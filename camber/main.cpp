// QlCamb <camber input> <camber listing>
#include <exception>
#include <iostream>

#include "camber/CamberRun.hpp"
#include "platform/ProgramStart.hpp"

int main(int argc, char** argv) {
    quillon::StartProgram();
    try {
        std::vector<std::string> args(argv + 1, argv + argc);
        quillon::SystemEnvironment environment;
        return quillon::camber::RunCamber(args, environment);
    } catch (const std::exception& failure) {
        std::cerr << "QlCamb: " << failure.what() << '\n';
        return quillon::camber::kExitFailure;
    }
}
