// The console of a converter run: where its progress and abort messages go.
// Programs pass std::cout and std::cerr; tests pass string streams.
#pragma once

#include <ostream>
#include <string_view>

namespace quillon::converters {

struct ConverterConsole {
    std::ostream& out;  // progress and end-of-run lines
    std::ostream& err;  // usage and file errors
};

// The exit status of a run that cannot go on.
inline constexpr int kAbortStatus = -1;

// Prints the message and a newline on the console and gives the abort status,
// which the caller returns from its run.
int AbortRun(std::ostream& console, std::string_view message);

}  // namespace quillon::converters
