// Ql2Cmb: the camber input of chosen girders from a geometry listing.
//
//   Ql2Cmb listing[.LIS] "girder list"
//
// The listing is read under the first argument as it stands when its file
// name holds a ".", else with ".LIS" added; the camber input is written under
// the base name with ".CMB" (a temporary file beside it, renamed when
// complete), one problem for each selected girder in girder order. Messages
// go to the console and to the log Qlvr2Cmbr.ELF in the working folder;
// usage and file errors to stderr.
//
// Exit status: 1 after a run that wrote the camber input (also when the
// girder list selected nothing: the file is then empty); -1 when the run
// aborts. An aborted run leaves the .CMB of an earlier run as it was. A listing
// that is itself the camber input's name is refused and left as it is.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "environment/Environment.hpp"

namespace quillon::converters::tocamber {

inline constexpr int kNormalStatus = 1;

// `args`: the arguments after the program name.
int RunToCamber(const std::vector<std::string>& args, const Environment& env);

// The same with the console and the log's folder given (empty: the working folder).
int RunToCamber(const std::vector<std::string>& args, const Environment& env,
                ConverterConsole console, const std::filesystem::path& logFolder);

// The files of a run, named from the first argument.
struct CamberFiles {
    std::string listing;  // the argument, or the argument with ".LIS" when its file name has no "."
    std::string output;   // the base name with ".CMB"
};
CamberFiles NameCamberFiles(std::string_view argument);

}  // namespace quillon::converters::tocamber
