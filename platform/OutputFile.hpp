// An output file replaced whole or not at all: the one way every program
// writes its outputs.
//
// What is at the output's name decides how it is written:
// - no file, or a regular file: the content is streamed (through a buffer of
//   a fixed size, so a long output takes no more memory than a short one)
//   into a temporary file beside the output, flushed to the disk and renamed
//   over the output only when all of it was written. A replaced file keeps
//   its permission bits, and its owner and group where the process may set
//   them; a new one has the usual mode (0666 less the umask).
// - a symbolic link: the file it points to is written that way (the
//   temporary file goes into that file's folder) and the link stays; a link
//   that points nowhere gives a new file at the name it points to.
// - a character or block device, a named pipe or a socket: written in place,
//   never renamed over.
// - a folder: refused.
// An output that is there and may not be written (no write permission for
// this user, or no write permission bit at all, which stops the superuser
// too) is refused, and kept.
//
// When the output may be written but its folder may not, no temporary file
// can be made beside it: the output is then written in place, as a text
// editor does, and a failure half-way leaves it part written.
//
// The temporary file is named for the output and the process
// (".bridge.lis.<process>.tmp", a short form of the name when the output's
// own is as long as the file system allows), created exclusively, and made
// only when there is something to write: at the first full buffer or at the
// end. Any failure removes it and leaves the old output byte for byte; so do
// SIGINT, SIGTERM and SIGHUP once StartProgram (platform/ProgramStart.hpp)
// has run. Only SIGKILL leaves it behind.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

inline constexpr size_t kOutputBufferBytes = 64 * 1024;

class OutputFile : private std::streambuf {
public:
    explicit OutputFile(std::filesystem::path path, size_t bufferBytes = kOutputBufferBytes);
    ~OutputFile() override;  // an output not committed: its temporary file is removed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Finds out how the output is written, making no file yet. False, with
    // the reason in error(), when it is refused: a folder, an output that may
    // not be written, a folder of the output that does not exist.
    bool Open();
    // Where the content goes. Once a write has failed the stream is bad and
    // takes nothing more.
    std::ostream& stream() { return stream_; }
    // Writes out the rest of the content, flushes it to the disk and closes
    // the file, renaming nothing yet (so that all outputs of a run can be
    // complete before the first takes its name). False, with the reason in
    // error(), when any of it fails; the temporary file is then removed.
    bool Finish();
    // Finishes the file, when that was not done, and gives it the output's
    // name. False, with the reason in error(), when any of it fails; the
    // output is then as it was and no temporary file is left.
    bool Commit();
    // The system's reason for the last failure.
    const std::string& error() const { return error_; }

private:
    enum class Road { Unknown, Replace, InPlace };

    int overflow(int c) override;
    int sync() override;
    bool Flush();
    bool Create();
    bool CreateTemporary();
    bool Fail(int reason);
    void Discard();

    std::filesystem::path path_;    // as given
    std::filesystem::path target_;  // the file that takes the content
    Road road_ = Road::Unknown;
    bool existing_ = false;  // a regular file is there: its mode and owners are kept
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    std::vector<char> buffer_;
    std::ostream stream_;
    int fd_ = -1;
    std::string temporary_;
    int slot_ = -1;  // the temporary file's place among those a signal removes
    bool failed_ = false;
    bool finished_ = false;
    bool committed_ = false;
    std::string error_;
};

// True when `output` is the file `input` is (the same device and inode),
// whatever the spelling of the two names, a symbolic link or a hard link
// between them; false when either is not there. A program refuses such an
// output before it writes anything, so that replacing it never destroys the
// input it is made from.
bool IsSameFile(const std::filesystem::path& input, const std::filesystem::path& output);

// Writes `content` to `path` through an OutputFile. False, with the reason in
// `error`, when it fails; `path` is then as it was.
bool WriteOutputFile(const std::filesystem::path& path, std::string_view content,
                     std::string& error);

}  // namespace quillon
