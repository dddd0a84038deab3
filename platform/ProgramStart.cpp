#include "platform/ProgramStart.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/TemporaryFiles.hpp"

namespace quillon {

void StartProgram() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        // open gives the lowest free descriptor: this one.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened != fd && opened >= 0) ::close(opened);
    }
    RemoveTemporaryFilesOnSignals();
}

}  // namespace quillon
