// QlStFi: stick figures of a geometry listing for outside drafting and
// road-design systems.
//
//   QlStFi listing[.LIS] mask
//
// The listing is read as named when its file name holds a ".", else with
// ".LIS" added. The mask is a whole number of at most three digits; from 0 to
// 31 its value 4 writes the S5000 file (.DQ), 8 the DXF file (.DXF) and 16
// the GENIO file (.MOSS), in that order, each under the listing's base name
// (through a temporary file beside it, renamed when complete). A mask of 0 or
// above 31 reads the listing and writes nothing. Messages go to the console
// and to the log Qlvr2Stick.ELF in the working folder.
//
// Exit status 1 after a normal run; -1 when the run aborts: more than two
// arguments ("Too many arguments, aborting."), fewer, or a mask that is not
// such a number (a usage line), a listing that is itself one of the outputs,
// a listing that cannot be opened, a refusal of the listing walk, a listing
// without any longitudinal table ("No girders were found in bridge file
// :name, aborting run."), or an output that cannot be written. Files already
// written stay.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "environment/Environment.hpp"

namespace quillon::converters::stick {

inline constexpr int kNormalStatus = 1;

int RunStFi(const std::vector<std::string>& args, const Environment& env);

// The same with the console and the log's folder given (empty: the working folder).
int RunStFi(const std::vector<std::string>& args, const Environment& env, ConverterConsole console,
            const std::filesystem::path& logFolder);

// The files of a run, named from the first argument.
struct StickFiles {
    std::string listing;  // the argument, or the argument with ".LIS" when its file name has no "."
    std::string s5000;    // base name ".DQ"
    std::string dxf;      // base name ".DXF"
    std::string genio;    // base name ".MOSS"
};
StickFiles NameStickFiles(std::string_view argument);

}  // namespace quillon::converters::stick
