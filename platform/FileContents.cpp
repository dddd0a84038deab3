#include "platform/FileContents.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillon {

namespace {

constexpr size_t kReadChunk = 1 << 16;

FileContents Failed(FileContents result, int error) {
    result.ok = false;
    result.bytes.clear();
    result.error = std::error_code(error, std::generic_category());
    result.reason = result.error.message();
    return result;
}

}  // namespace

FileContents ReadFileContents(const std::filesystem::path& path) {
    FileContents result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failed(std::move(result), errno);
    struct stat status {};
    if (::fstat(fd, &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            ::close(fd);
            return Failed(std::move(result), EISDIR);
        }
        if (S_ISREG(status.st_mode) && status.st_size > 0)
            result.bytes.reserve(static_cast<size_t>(status.st_size));
    }
    result.opened = true;
    std::string chunk(kReadChunk, '\0');
    for (;;) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            ::close(fd);
            return Failed(std::move(result), error);
        }
        result.bytes.append(chunk.data(), static_cast<size_t>(n));
    }
    ::close(fd);
    result.ok = true;
    return result;
}

}  // namespace quillon
