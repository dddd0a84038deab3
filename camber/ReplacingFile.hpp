// An output file that is written under a temporary name beside it and takes
// its own name only when it is complete, so that a failed run never leaves a
// half-written file in place of the old one.
#pragma once

#include <fstream>
#include <string>

namespace quillon::camber {

class ReplacingFile {
public:
    explicit ReplacingFile(std::string path) : path_(std::move(path)) {}
    ~ReplacingFile();  // removes the temporary file unless committed
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file beside the output. False when it cannot.
    bool Open();
    std::ostream& stream() { return out_; }
    // Flushes and closes the temporary file and renames it to the output,
    // replacing any file of that name. False when anything of it fails.
    bool Commit();

private:
    std::string path_;
    std::string temporary_;
    std::ofstream out_;
    bool committed_ = false;
};

}  // namespace quillon::camber
