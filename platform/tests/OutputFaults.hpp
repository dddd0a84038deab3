// What the tests of every program's outputs share: a run in a child process,
// under a limit on the size of the files it writes (a full disk without a
// disk to fill), the temporary files a run left in a folder, a scratch
// folder, and a whole file read or written.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace quillon::testing {

inline constexpr rlim_t kNoFileSizeLimit = RLIM_INFINITY;

// Runs `body` in a child process, with files limited to `fileSizeLimit`
// bytes and SIGXFSZ ignored (so a write past the limit fails with EFBIG);
// the child's wait status. The child ends with _exit: nothing of the test
// program's own runs there after the body.
inline int WaitStatusOfChild(const std::function<int()>& body,
                             rlim_t fileSizeLimit = kNoFileSizeLimit) {
    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (fileSizeLimit != kNoFileSizeLimit) {
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::signal(SIGXFSZ, SIG_IGN);
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(125);
        }
        int status = 126;
        try {
            status = body();
        } catch (const std::exception&) {
            status = 127;
        }
        std::cout.flush();
        std::cerr.flush();
        ::_exit(status & 0xff);
    }
    int status = -1;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return status;
}

// The exit status of a child that ended by exit, -1 for one ended otherwise.
inline int ExitStatus(int waitStatus) {
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

// The names in `folder` that look like a temporary file of an output:
// ".<name>.<process>[-<n>].tmp".
inline std::vector<std::string> TemporaryFilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> found;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 5 && name.front() == '.' && name.ends_with(".tmp")) found.push_back(name);
    }
    return found;
}

// A fresh folder of its own under the system's temporary folder, removed
// with all it holds (made writable again first) at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quillon-output-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace quillon::testing
