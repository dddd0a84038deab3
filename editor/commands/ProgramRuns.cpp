#include "editor/commands/ProgramRuns.hpp"

#include <sys/stat.h>

namespace quillon::editor {

ProgramCall CallOf(const std::filesystem::path& appFolder, std::string_view name,
                   std::vector<std::string> arguments, const std::filesystem::path& folder) {
    return ProgramCall{appFolder / std::string(name), std::move(arguments), folder};
}

std::filesystem::path FolderOf(const std::string& file) {
    std::filesystem::path folder = std::filesystem::path(file).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

bool RunToItsEnd(ProgramRunner& runner, MessageSink& messages, const ProgramCall& call,
                 ProgramOutcome& outcome) {
    outcome = runner.RunAndWait(call);
    switch (outcome.ending) {
        case ProgramOutcome::Ending::Exited:
            return true;
        case ProgramOutcome::Ending::NotStarted:
            messages.Warning("Cannot start " + call.program.string() + ": " + outcome.reason);
            return false;
        case ProgramOutcome::Ending::Crashed:
            messages.Warning(call.program.string() + " stopped before its end: " + outcome.reason);
            return false;
        case ProgramOutcome::Ending::Cancelled:
            return false;
    }
    return false;
}

bool StartWithoutWaiting(ProgramRunner& runner, MessageSink& messages, const ProgramCall& call) {
    const std::optional<std::string> refused = runner.StartDetached(call);
    if (!refused) return true;
    messages.Warning("Cannot start " + call.program.string() + ": " + *refused);
    return false;
}

FileStamp StampOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return {};
    return FileStamp{
        true, status.st_dev, status.st_ino,
        static_cast<long long>(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec,
        static_cast<long long>(status.st_size)};
}

bool WrittenSince(const FileStamp& before, const std::filesystem::path& file) {
    const FileStamp now = StampOf(file);
    return now.exists && now != before;
}

}  // namespace quillon::editor
