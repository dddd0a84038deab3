// A program's start: the standard descriptors it was started without, and
// the signals that remove the run's temporary files and end it with
// 128 + the signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/OutputFile.hpp"
#include "platform/ProgramStart.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using testing::ExitStatus;
using testing::TemporaryFilesIn;
using testing::WaitStatusOfChild;

class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder_.empty()); }
    testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

bool IsDevNull(int fd) {
    struct stat device {
    }, open{};
    return ::stat("/dev/null", &device) == 0 && ::fstat(fd, &open) == 0 && S_ISCHR(open.st_mode) &&
           open.st_rdev == device.st_rdev;
}

// Started with its standard output closed, a program's first file would take
// descriptor 1 and the console's text would land in it.
TEST_F(ProgramStartTest, AClosedStandardDescriptorIsOpenedOnDevNull) {
    for (int closed = 0; closed <= 2; ++closed) {
        const fs::path file = folder_ / "log";
        const int status = WaitStatusOfChild([&] {
            ::close(closed);
            StartProgram();
            if (!IsDevNull(closed)) return 1;
            const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
            return fd > 2 ? 0 : 2;
        });
        EXPECT_EQ(ExitStatus(status), 0) << "descriptor " << closed;
    }
}

TEST_F(ProgramStartTest, OpenStandardDescriptorsAreLeftAsTheyAre) {
    const int status = WaitStatusOfChild([&] {
        int ends[2];
        if (::pipe(ends) != 0 || ::dup2(ends[1], 1) != 1) return 3;
        StartProgram();
        return IsDevNull(1) ? 1 : 0;
    });
    EXPECT_EQ(ExitStatus(status), 0);
}

struct SignalCase {
    const char* name;
    int signal;
};

class EachEndingSignal : public ProgramStartTest,
                         public ::testing::WithParamInterface<SignalCase> {};

// The child has an output half written when the signal comes.
TEST_P(EachEndingSignal, RemovesTheTemporaryFileKeepsTheOldOutputAndEndsWith128PlusTheSignal) {
    const fs::path out = folder_ / "bridge.lis";
    testing::WriteFileText(out, "old listing\n");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    std::cout.flush();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StartProgram();
        OutputFile file(out, 16);
        if (!file.Open()) ::_exit(1);
        file.stream() << std::string(100, 'x');
        if (::write(ready[1], "r", 1) != 1) ::_exit(2);
        for (;;) ::pause();
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_EQ(TemporaryFilesIn(folder_).size(), 1u);
    ::kill(child, GetParam().signal);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(ExitStatus(status), 128 + GetParam().signal);
    EXPECT_EQ(testing::ReadFileText(out), "old listing\n");
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

INSTANTIATE_TEST_SUITE_P(ProgramStart, EachEndingSignal,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT},
                                           SignalCase{"Terminate", SIGTERM},
                                           SignalCase{"HangUp", SIGHUP}),
                         testsupport::CaseName());

// nohup starts a program with SIGHUP ignored: it must stay so.
TEST_F(ProgramStartTest, ASignalIgnoredAtTheStartStaysIgnored) {
    const int status = WaitStatusOfChild([] {
        ::signal(SIGHUP, SIG_IGN);
        StartProgram();
        ::raise(SIGHUP);
        return 0;
    });
    EXPECT_EQ(ExitStatus(status), 0);
}

}  // namespace
}  // namespace quillon
