// The geometry engine's program: the run's files, and the loop over the
// Problems of the deck and the steps of each Problem. QlEngl and QlMetr are
// this one entry with their build.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "engine/run/EngineRun.hpp"
#include "engine/run/EngineVariant.hpp"
#include "environment/Environment.hpp"

namespace quillon::engine {

// args: the deck and the listing (without the program name). Returns the exit
// status: kExitNormal after a clean run, kExitFailure otherwise.
int RunEngine(const std::vector<std::string>& args, EngineVariant variant,
              const Environment& environment, std::ostream& console, std::ostream& errors);

// The loop over Problems and line sets, once the files are open; returns the
// exit status of the end of the run (FinishRun or EndOfInputError).
[[nodiscard]] int EngineMain(EngineRun& run);

}  // namespace quillon::engine
