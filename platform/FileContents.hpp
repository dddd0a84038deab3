// A file read whole into memory, or the system's reason why it could not be.
//
// The file is opened for reading and read to its end in one go; its bytes
// come back as they are (no line ends changed). A folder is not a file: it
// fails to open with EISDIR ("Is a directory"). A failure after the file was
// opened (an input/output error) leaves no bytes, only its reason, so that no
// caller works on part of a file.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace quillon {

struct FileContents {
    bool ok = false;        // the whole file was read
    bool opened = false;    // it was opened; when !ok the reading failed
    std::string bytes;      // when ok: everything the file holds
    std::error_code error;  // when !ok: the system's error (a generic errno value)
    std::string reason;     // when !ok: its text, as "No such file or directory"
};

FileContents ReadFileContents(const std::filesystem::path& path);

}  // namespace quillon
