// Starting the system's programs from the editor's folder: their names, the
// messages of a program that fails, and whether a file was written by a run.
//
// A program that cannot be started gives "Cannot start <path>: <reason>"; one
// that crashes gives "<path> stopped before its end: <reason>". A wait that
// the user cancels ends the run without a message.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "editor/commands/CommandServices.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

inline constexpr std::string_view kQlM2e = "QlM2e";
inline constexpr std::string_view kQlMetr = "QlMetr";
inline constexpr std::string_view kQlEngl = "QlEngl";
inline constexpr std::string_view kQl2Cmb = "Ql2Cmb";
inline constexpr std::string_view kQlCamb = "QlCamb";
inline constexpr std::string_view kQlStFi = "QlStFi";
inline constexpr std::string_view kQlPrCo = "QlPrCo";

// The program `name` of the editor's folder, with its arguments, working in `folder`.
ProgramCall CallOf(const std::filesystem::path& appFolder, std::string_view name,
                   std::vector<std::string> arguments, const std::filesystem::path& folder);

// The folder a file stands in ("." for a bare name).
std::filesystem::path FolderOf(const std::string& file);

// Runs the program and waits for it. True when it ran to its end, whatever
// its exit status (in `outcome`); otherwise its failure has been reported.
bool RunToItsEnd(ProgramRunner& runner, MessageSink& messages, const ProgramCall& call,
                 ProgramOutcome& outcome);

// Starts the program without waiting. True when it started; otherwise the
// failure has been reported.
bool StartWithoutWaiting(ProgramRunner& runner, MessageSink& messages, const ProgramCall& call);

// What a file is before a run, to tell afterwards whether the run wrote it.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    long long modifiedNs = 0;
    long long size = 0;

    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::filesystem::path& file);

// Whether `file` exists now and was written (or replaced) since `before`.
bool WrittenSince(const FileStamp& before, const std::filesystem::path& file);

}  // namespace quillon::editor
