#include "camber/ReplacingFile.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace quillon::camber {

namespace {
constexpr int kNameTries = 100;
}

ReplacingFile::~ReplacingFile() {
    if (!temporary_.empty() && !committed_) {
        if (out_.is_open()) out_.close();
        std::remove(temporary_.c_str());
    }
}

bool ReplacingFile::Open() {
    // A name of our own beside the output: created exclusively, so that no
    // other file is ever written through; the mode is the usual one for a
    // new file (0666 less the umask). The name is short and does not grow
    // with the output's, so that an output whose own name is as long as the
    // file system allows still gets a temporary file in its folder.
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    const std::string stem = ".QlCamb-" + std::to_string(static_cast<long>(::getpid()));
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        std::string name = (folder / (stem + "-" + std::to_string(attempt) + ".tmp")).string();
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        ::close(fd);
        temporary_ = name;
        out_.open(temporary_, std::ios::out | std::ios::trunc | std::ios::binary);
        return out_.is_open();
    }
    return false;
}

bool ReplacingFile::Commit() {
    if (!out_.is_open()) return false;
    out_.flush();
    const bool written = static_cast<bool>(out_);
    out_.close();
    if (!written || out_.fail()) return false;
    if (std::rename(temporary_.c_str(), path_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

}  // namespace quillon::camber
