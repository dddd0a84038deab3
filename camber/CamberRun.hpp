// The camber program: QlCamb <camber input> <camber listing>.
//
// Reads one camber problem after another, computes each and writes its pages
// to the listing; its own messages go into the listing too. Exit status 0
// after " No more problems." when every problem was listed; 4 after a read
// error, an input that ends inside a problem, or a refused problem. Missing
// arguments, an input that cannot be read or a listing that cannot be written:
// a message on the error stream and 4 (no listing when the input is missing).
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "environment/Environment.hpp"

namespace quillon::camber {

inline constexpr int kExitNormal = 0;
inline constexpr int kExitFailure = 4;

// `args` without the program name; messages to std::cerr.
int RunCamber(const std::vector<std::string>& args, const quillon::Environment& env);
int RunCamber(const std::vector<std::string>& args, const quillon::Environment& env,
              std::ostream& errors);

// The problem loop on an open input and listing; returns the exit status.
int ListCamberProblems(std::istream& input, std::ostream& listing);

}  // namespace quillon::camber
