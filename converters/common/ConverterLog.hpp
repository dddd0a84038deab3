// The run log of a converter (.ELF): a header and the messages of the last
// run. The log is created anew by the first message of a run, so it holds
// only that run, and every message reaches it after the header.
//
// Layout:
//   80 "-"
//   the title line: title and version
//   "TIME: " and the run time text (its own newline leaves an empty line)
//   "USER: " and USER            (only for programs that show the user)
//   "PATH: " and PATH
//   80 "-", then an empty line
//   each message as given, followed by a newline
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "environment/Environment.hpp"

namespace quillon::converters {

// The start time of a run as asctime writes it: weekday, month, day (in three
// columns), hh:mm:ss and the year, then a newline ("Wed Jun  3 09:05:07 2026\n").
std::string RunTimeText(const LocalTime& time);

// What differs between the converters' logs.
struct ConverterLogSpec {
    std::string fileName;  // in the current working folder
    std::string title;     // the title line before its version
    std::string version;
    bool showsUser = false;          // a "USER: " line in the header
    std::string openFailureMessage;  // printed on the console when the log cannot be opened
};

ConverterLogSpec M2eLogSpec();       // QlM2e: "QlvrM2E.ELF"
ConverterLogSpec ToCamberLogSpec();  // Ql2Cmb: "Qlvr2Cmbr.ELF"
ConverterLogSpec StickLogSpec();     // QlStFi: "Qlvr2Stick.ELF"

class ConverterLog {
public:
    // `folder` empty: the current working folder. The header takes the run
    // time text and the USER and PATH values of `env` (unset reads as empty).
    ConverterLog(ConverterLogSpec spec, const std::filesystem::path& folder,
                 std::string runTimeText, const Environment& env);

    // Appends the message and a newline, creating the log with its header at
    // the first message of the run. False when the log cannot be opened or
    // written; the caller then prints Spec().openFailureMessage and aborts.
    bool WriteLog(std::string_view message);

    // WriteLog for a message that is not empty; an empty one is dropped.
    bool WriteLogIfAny(std::string_view message);

    std::string Header() const;
    const std::filesystem::path& path() const { return path_; }
    const ConverterLogSpec& Spec() const { return spec_; }

private:
    ConverterLogSpec spec_;
    std::filesystem::path path_;
    std::string runTimeText_;
    std::string user_;
    std::string pathVariable_;
    std::ofstream stream_;
    bool started_ = false;
};

}  // namespace quillon::converters
