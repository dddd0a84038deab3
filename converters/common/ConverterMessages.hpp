// The messages of a converter run: each in the run's log, the ones the user
// is to see on the console too, and the end of a run that aborts.
//
// The log is written message by message (see ConverterLog). When it fails,
// its own failure message is printed on stderr once and every later message
// is refused, so that the run ends at once with the abort status.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "converters/common/ConverterConsole.hpp"
#include "converters/common/ConverterLog.hpp"
#include "environment/Environment.hpp"

namespace quillon::converters {

class ConverterMessages {
public:
    // `folder` empty: the log in the current working folder.
    ConverterMessages(ConverterConsole console, ConverterLogSpec spec,
                      const std::filesystem::path& folder, std::string runTimeText,
                      const Environment& env);

    // A message in the log; false when the log fails (its own message is
    // then on stderr).
    bool Log(std::string_view message);
    // A message on the console (stdout, or stderr for usage and file errors)
    // and in the log.
    bool Say(std::string_view message, bool onStderr = false);
    // Says the message and ends the run: Aborted().
    int Abort(std::string_view message, bool onStderr = false);
    // Ends an aborted run: the console's output flushed; gives the abort status.
    int Aborted();

private:
    ConverterConsole console_;
    ConverterLog log_;
    bool logFailed_ = false;
};

}  // namespace quillon::converters
