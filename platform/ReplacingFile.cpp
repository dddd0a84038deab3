#include "platform/ReplacingFile.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quillon {

namespace {

constexpr int kNameTries = 100;

// Zero when the output may be replaced, else the reason (an errno value). An
// output that is there and may not be written is kept: renaming would replace
// it all the same. One without any write permission bit is read-only to
// everyone, the superuser too.
int ReplacementRefused(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) return 0;
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    if (::access(path.c_str(), W_OK) != 0) return errno;
    return 0;
}

bool WriteAll(int fd, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ReplacingFile::~ReplacingFile() {
    if (!committed_) Discard();
}

void ReplacingFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
}

bool ReplacingFile::Open() {
    if (fd_ >= 0 || committed_) return false;
    if (const int refused = ReplacementRefused(path_); refused != 0) {
        error_ = std::strerror(refused);
        return false;
    }
    const std::filesystem::path folder = path_.parent_path();
    const std::string stem = ".Quillon-" + std::to_string(static_cast<long>(::getpid())) + "-";
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const std::string file = stem + std::to_string(attempt) + ".tmp";
        const std::string name = folder.empty() ? file : (folder / file).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = name;
            return true;
        }
        if (errno != EEXIST) break;
    }
    error_ = std::strerror(errno);
    return false;
}

bool ReplacingFile::Commit() {
    if (fd_ < 0) {
        if (error_.empty()) error_ = "the file was not opened";
        return false;
    }
    bool done = WriteAll(fd_, content_.view());
    int reason = errno;
    if (::close(fd_) != 0 && done) {
        done = false;
        reason = errno;
    }
    fd_ = -1;
    if (done && std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        done = false;
        reason = errno;
    }
    if (!done) {
        error_ = std::strerror(reason);
        Discard();
        return false;
    }
    temporary_.clear();
    committed_ = true;
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string& error) {
    ReplacingFile file(path);
    if (file.Open()) file.stream() << content;
    if (!file.Commit()) {
        error = file.error();
        return false;
    }
    return true;
}

}  // namespace quillon
