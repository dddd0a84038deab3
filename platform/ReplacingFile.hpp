// An output file that is never left half-written: what it is to hold is
// written to a temporary file beside it, and that file takes the output's
// name only when all of it was written. A failed run leaves the old output
// (or none) in place and no temporary file behind.
//
// The temporary file has a short name of its own (".Quillon-<process>-<n>.tmp"
// in the output's folder), created exclusively, so no other file is ever
// written through it and an output whose own name is as long as the file
// system allows still gets one. It is made with the usual mode of a new file
// (0666 less the umask). Renaming replaces the output's directory entry: a
// link named as the output is replaced, not followed. An output that is there
// and may not be written (read-only: no write permission for this user, or no
// write permission bit at all) is not replaced.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

namespace quillon {

class ReplacingFile {
public:
    explicit ReplacingFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~ReplacingFile();  // removes the temporary file unless committed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file beside the output. False, with the reason in
    // error(), when it cannot (a missing or unwritable folder, a read-only
    // output).
    bool Open();
    // What the output is to hold; kept in memory until Commit.
    std::ostream& stream() { return content_; }
    // Writes what the stream holds to the temporary file, closes it and
    // renames it to the output, replacing any file of that name. False, with
    // the reason in error(), when any of it fails; the temporary file is then
    // removed and the output is as it was.
    bool Commit();
    // The system's reason for the last failure of Open or Commit.
    const std::string& error() const { return error_; }

private:
    void Discard();

    std::filesystem::path path_;
    std::string temporary_;
    int fd_ = -1;
    std::ostringstream content_;
    bool committed_ = false;
    std::string error_;
};

// Writes `content` to `path` through a ReplacingFile. False, with the reason
// in `error`, when it fails; `path` is then as it was.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string& error);

}  // namespace quillon
