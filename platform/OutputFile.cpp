#include "platform/OutputFile.hpp"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/TemporaryFiles.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

constexpr int kNameTries = 100;
constexpr int kLinkHops = 40;  // as many as the system follows
constexpr size_t kLongestFileName = NAME_MAX;
constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;

// Zero when this process may write the existing file `path`, else the
// reason. A file without any write permission bit is read-only to everyone:
// the superuser would be let through by the system, so the bits are looked
// at here.
int WriteRefusal(const fs::path& path, mode_t mode) {
    if ((mode & kAnyWrite) == 0) return EACCES;
    if (::geteuid() == 0) return 0;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno;
    return 0;
}

// The name a link that points nowhere would make, when written through: its
// text, taken from the link's folder when relative, followed through further
// links to the first name that is not there.
fs::path DanglingTarget(fs::path link) {
    for (int hop = 0; hop < kLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(link.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return link;
        std::vector<char> text(static_cast<size_t>(status.st_size > 0 ? status.st_size : PATH_MAX) +
                               1);
        const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
        if (length < 0 || static_cast<size_t>(length) >= text.size()) return link;
        const fs::path pointed(std::string(text.data(), static_cast<size_t>(length)));
        link = pointed.is_absolute() ? pointed : link.parent_path() / pointed;
    }
    return link;
}

// The folder that holds `path` ("." for a bare name).
fs::path FolderOf(const fs::path& path) {
    const fs::path folder = path.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// ".<name>.<process>.tmp", or with "-<attempt>" after the process; the name
// is cut so that the whole stays within the longest file name.
std::string TemporaryName(const fs::path& target, int attempt) {
    std::string tail = "." + std::to_string(static_cast<long>(::getpid()));
    if (attempt > 0) tail += "-" + std::to_string(attempt);
    tail += ".tmp";
    std::string name = target.filename().string();
    const size_t room = kLongestFileName - 1 - tail.size();
    if (name.size() > room) name.resize(room);
    const std::string file = "." + name + tail;
    const fs::path folder = target.parent_path();
    return folder.empty() ? file : (folder / file).string();
}

bool WriteAll(int fd, const char* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

OutputFile::OutputFile(fs::path path, size_t bufferBytes)
    : path_(std::move(path)), buffer_(bufferBytes > 1 ? bufferBytes : 2), stream_(this) {
    // One place is kept free for the character that overflows.
    setp(buffer_.data(), buffer_.data() + buffer_.size() - 1);
}

OutputFile::~OutputFile() {
    if (!committed_) Discard();
}

bool OutputFile::Fail(int reason) {
    failed_ = true;
    error_ = std::strerror(reason);
    return false;
}

bool OutputFile::Open() {
    if (road_ != Road::Unknown) return true;
    struct stat status {};
    if (::stat(path_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) return Fail(EISDIR);
        if (const int refused = WriteRefusal(path_, status.st_mode); refused != 0)
            return Fail(refused);
        if (!S_ISREG(status.st_mode)) {
            road_ = Road::InPlace;  // a device, a pipe: written, never replaced
            return true;
        }
        target_ = path_;
        struct stat link {};
        if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            char* real = ::realpath(path_.c_str(), nullptr);
            if (real == nullptr) return Fail(errno);
            target_ = real;
            std::free(real);
        }
        existing_ = true;
        mode_ = status.st_mode & 07777;
        owner_ = status.st_uid;
        group_ = status.st_gid;
        road_ = Road::Replace;
        return true;
    }
    if (errno != ENOENT) return Fail(errno);
    target_ = DanglingTarget(path_);
    struct stat folder {};
    if (::stat(FolderOf(target_).c_str(), &folder) != 0) return Fail(errno);
    if (!S_ISDIR(folder.st_mode)) return Fail(ENOTDIR);
    road_ = Road::Replace;
    return true;
}

bool OutputFile::CreateTemporary() {
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        const std::string name = TemporaryName(target_, attempt);
        // Remembered first: a signal that comes as the file is made removes it.
        const int slot = RememberTemporaryFile(name.c_str());
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              existing_ ? S_IRUSR | S_IWUSR : 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = name;
            slot_ = slot;
            return true;
        }
        const int reason = errno;
        ForgetTemporaryFile(slot);
        errno = reason;
        if (reason != EEXIST) return false;
    }
    return false;
}

bool OutputFile::Create() {
    if (road_ == Road::Unknown && !Open()) return false;
    if (road_ == Road::InPlace) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        return fd_ >= 0 || Fail(errno);
    }
    if (!CreateTemporary()) {
        const int reason = errno;
        if (!existing_ || (reason != EACCES && reason != EPERM)) return Fail(reason);
        // The folder may not be written but the output may: in place.
        fd_ = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY);
        if (fd_ < 0) return Fail(errno);
        road_ = Road::InPlace;
        return true;
    }
    if (existing_) {
        // The owner first: changing it may clear the set-id bits. Only a
        // privileged process may give a file away; where this one may not,
        // the group alone is kept where it may be, and where that is not
        // permitted either (or the ids cannot be given in this user
        // namespace, or the file system keeps no owners) the file stays the
        // process's own, as a new output would: no error for the output.
        // Any other failure is one.
        if (::fchown(fd_, owner_, group_) != 0 &&
            ::fchown(fd_, static_cast<uid_t>(-1), group_) != 0 && errno != EPERM &&
            errno != EINVAL && errno != EOPNOTSUPP && errno != ENOSYS)
            return Fail(errno);
        if (::fchmod(fd_, mode_) != 0) return Fail(errno);
    }
    return true;
}

bool OutputFile::Flush() {
    if (failed_) return false;
    const size_t size = static_cast<size_t>(pptr() - pbase());
    if (fd_ < 0 && !Create()) return false;
    if (!WriteAll(fd_, pbase(), size)) return Fail(errno);
    setp(buffer_.data(), buffer_.data() + buffer_.size() - 1);
    return true;
}

int OutputFile::overflow(int c) {
    if (failed_ || finished_) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return Flush() ? traits_type::not_eof(c) : traits_type::eof();
}

// A flush of the stream writes nothing out early: the buffer goes when it is
// full, so that a short output makes its file only at the end.
int OutputFile::sync() { return failed_ ? -1 : 0; }

bool OutputFile::Finish() {
    if (finished_) return !failed_;
    if (failed_ || !Flush()) {
        Discard();
        return false;
    }
    finished_ = true;
    // Only a regular file is flushed to the disk; a device or pipe has no
    // such thing.
    struct stat status {};
    const bool regular = ::fstat(fd_, &status) == 0 && S_ISREG(status.st_mode);
    bool done = !regular || ::fsync(fd_) == 0;
    int reason = errno;
    if (::close(fd_) != 0 && done) {
        done = false;
        reason = errno;
    }
    fd_ = -1;
    if (!done) {
        Fail(reason);
        Discard();
        return false;
    }
    return true;
}

bool OutputFile::Commit() {
    if (committed_) return true;
    if (!Finish()) return false;
    if (road_ == Road::Replace && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Fail(errno);
        Discard();
        return false;
    }
    ForgetTemporaryFile(slot_);
    slot_ = -1;
    temporary_.clear();
    committed_ = true;
    return true;
}

void OutputFile::Discard() {
    failed_ = true;
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    ForgetTemporaryFile(slot_);
    slot_ = -1;
    temporary_.clear();
}

bool IsSameFile(const fs::path& input, const fs::path& output) {
    std::error_code notThere;
    return fs::equivalent(input, output, notThere);
}

bool WriteOutputFile(const fs::path& path, std::string_view content, std::string& error) {
    OutputFile file(path);
    if (file.Open())
        file.stream().write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!file.Commit()) {
        error = file.error();
        return false;
    }
    return true;
}

}  // namespace quillon
