// QlPrCo: a geometry listing turned into a project-coordinate listing.
//
//   QlPrCo listing output northing easting N|S degrees minutes seconds E|W
//
// The listing is read whole into memory, then the output is written (through
// a temporary file beside it, renamed when complete), so the output may name
// the listing itself. The offsets (feet) and the seconds are decimal numbers,
// degrees and minutes whole numbers; an empty argument reads as 0. The
// letters are the first characters of their arguments, in either case.
//
// Exit status 0 after a written listing. Every failure prints its reason on
// stderr, writes nothing and ends with -1: a call without nine arguments,
// bearing letters other than N/S and E/W, an argument that is not a number,
// a listing that cannot be read or whose sixth line does not begin with
// "STRUCTURE", and an output that cannot be written.
#pragma once

#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "environment/Environment.hpp"

namespace quillon::converters::projcoord {

inline constexpr int kWrittenStatus = 0;

// `args`: the arguments after the program name.
int RunPrCo(const std::vector<std::string>& args, const Environment& env);

int RunPrCo(const std::vector<std::string>& args, const Environment& env, ConverterConsole console);

}  // namespace quillon::converters::projcoord
