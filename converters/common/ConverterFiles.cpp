#include "converters/common/ConverterFiles.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

namespace quillon::converters {

namespace {

// Where the file name starts: after the last "/".
size_t FileNameStart(std::string_view path) {
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

size_t FirstDotOfFileName(std::string_view path) { return path.find('.', FileNameStart(path)); }

// A short name of its own in the output's folder: it does not grow with the
// output's name, so an output whose name is as long as the file system allows
// still gets its temporary file.
std::string TemporaryNameBeside(const std::filesystem::path& path, std::mt19937_64& random) {
    std::filesystem::path folder = path.parent_path();
    std::string name = ".QlConv-" + std::to_string(getpid()) + "-" +
                       std::to_string(random() % 1000000007ULL) + ".tmp";
    return (folder.empty() ? std::filesystem::path(name) : folder / name).string();
}

bool WriteAll(int fd, std::string_view content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

std::string BaseName(std::string_view path) {
    return std::string(path.substr(0, FirstDotOfFileName(path)));
}

std::optional<std::string> FileNameExtension(std::string_view path) {
    size_t dot = FirstDotOfFileName(path);
    if (dot == std::string_view::npos) return std::nullopt;
    return std::string(path.substr(dot + 1));
}

std::string ConverterFileName(std::string_view base, std::string_view extension) {
    return std::string(base) + "." + std::string(extension);
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content,
                         std::string& error) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryNameBeside(path, random);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    bool written = WriteAll(fd, content);
    int savedErrno = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        savedErrno = errno;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written) savedErrno = errno;
    std::remove(temporary.c_str());
    error = std::strerror(savedErrno);
    return false;
}

}  // namespace quillon::converters
