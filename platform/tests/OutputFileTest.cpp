// An output replaced whole or not at all: what each kind of thing at the
// output's name becomes, the longest file names, a full disk, a failed
// rename, the folder that may not be written, and the temporary file made
// only when there is something to write.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/OutputFile.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace fs = std::filesystem;

namespace quillon {
namespace {

using testing::ExitStatus;
using testing::TemporaryFilesIn;
using testing::WaitStatusOfChild;

std::string Read(const fs::path& path) { return testing::ReadFileText(path); }
void Write(const fs::path& path, const std::string& text) { testing::WriteFileText(path, text); }

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.empty());
        umask_ = ::umask(022);
    }
    void TearDown() override { ::umask(umask_); }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
    mode_t umask_ = 022;
};

// What is at the output's name before the write, and what the write must
// leave: the text and mode of the file the content went to, whether the
// write was refused, and the names in the folder afterwards.
struct OutputKind {
    const char* name;
    // Makes what is at `out` in `folder`; gives the file to look at after.
    fs::path (*make)(const fs::path& folder, const fs::path& out);
    bool refused;
    const char* textAfter;  // of the file looked at
    mode_t modeAfter;       // 0: not looked at
    std::vector<std::string> entriesAfter;
};

const std::vector<OutputKind> kOutputKinds = {
    {"Absent",
     [](const fs::path&, const fs::path& out) { return out; },
     false,
     "new\n",
     0644,
     {"out.lis"}},
    {"Regular",
     [](const fs::path&, const fs::path& out) {
         Write(out, "old\n");
         ::chmod(out.c_str(), 0664);
         return out;
     },
     false,
     "new\n",
     0664,
     {"out.lis"}},
    {"OwnerOnly",
     [](const fs::path&, const fs::path& out) {
         Write(out, "old\n");
         ::chmod(out.c_str(), 0600);
         return out;
     },
     false,
     "new\n",
     0600,
     {"out.lis"}},
    {"ReadOnly",
     [](const fs::path&, const fs::path& out) {
         Write(out, "old\n");
         ::chmod(out.c_str(), 0444);
         return out;
     },
     true,
     "old\n",
     0444,
     {"out.lis"}},
    {"LinkToAFile",
     [](const fs::path& folder, const fs::path& out) {
         fs::create_directory(folder / "real");
         Write(folder / "real" / "listing", "old\n");
         ::chmod((folder / "real" / "listing").c_str(), 0640);
         fs::create_symlink("real/listing", out);
         return folder / "real" / "listing";
     },
     false,
     "new\n",
     0640,
     {"out.lis", "real"}},
    {"LinkToAReadOnlyFile",
     [](const fs::path& folder, const fs::path& out) {
         Write(folder / "listing", "old\n");
         ::chmod((folder / "listing").c_str(), 0444);
         fs::create_symlink("listing", out);
         return folder / "listing";
     },
     true,
     "old\n",
     0444,
     {"listing", "out.lis"}},
    {"DanglingLink",
     [](const fs::path& folder, const fs::path& out) {
         fs::create_symlink("made.lis", out);
         return folder / "made.lis";
     },
     false,
     "new\n",
     0644,
     {"made.lis", "out.lis"}},
    {"Folder",
     [](const fs::path&, const fs::path& out) {
         fs::create_directory(out);
         return fs::path();
     },
     true,
     "",
     0,
     {"out.lis"}},
};

class EachKindOfOutput : public OutputFileTest, public ::testing::WithParamInterface<OutputKind> {};

TEST_P(EachKindOfOutput, IsReplacedOrKeptWithItsModeAndNoTemporaryFileLeft) {
    const OutputKind& kind = GetParam();
    const fs::path out = folder_ / "out.lis";
    const fs::path lookAt = kind.make(folder_, out);
    const bool wasLink = fs::is_symlink(fs::symlink_status(out));
    const fs::path linkText = wasLink ? fs::read_symlink(out) : fs::path();
    std::string error;
    EXPECT_EQ(WriteOutputFile(out, "new\n", error), !kind.refused) << error;
    EXPECT_EQ(error.empty(), !kind.refused) << error;
    if (!lookAt.empty()) {
        EXPECT_EQ(Read(lookAt), kind.textAfter);
        if (kind.modeAfter != 0) {
            EXPECT_EQ(ModeOf(lookAt), kind.modeAfter);
        }
    } else {
        EXPECT_TRUE(fs::is_directory(out));
    }
    if (wasLink) {  // the link stays, pointing where it did
        ASSERT_TRUE(fs::is_symlink(fs::symlink_status(out)));
        EXPECT_EQ(fs::read_symlink(out), linkText);
    }
    EXPECT_EQ(Entries(), kind.entriesAfter);
    if (fs::is_directory(folder_ / "real")) {
        EXPECT_TRUE(TemporaryFilesIn(folder_ / "real").empty());
    }
}

INSTANTIATE_TEST_SUITE_P(OutputFile, EachKindOfOutput, ::testing::ValuesIn(kOutputKinds),
                         testsupport::CaseName());

// A named pipe is written into, for the reader at its other end, and stays a
// pipe.
TEST_F(OutputFileTest, ANamedPipeIsWrittenIntoAndNeverReplaced) {
    const fs::path out = folder_ / "out.lis";
    ASSERT_EQ(::mkfifo(out.c_str(), 0644), 0);
    std::string read;
    std::thread reader([&] { read = Read(out); });
    std::string error;
    const bool written = WriteOutputFile(out, "new\n", error);
    reader.join();
    EXPECT_TRUE(written) << error;
    EXPECT_EQ(read, "new\n");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(out)));
    EXPECT_EQ(Entries(), std::vector<std::string>{"out.lis"});
}

// The system's /dev/null takes the output and is still the device after.
TEST_F(OutputFileTest, ACharacterDeviceIsWrittenIntoAndNeverReplaced) {
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    std::string error;
    EXPECT_TRUE(WriteOutputFile("/dev/null", "new\n", error)) << error;
    struct stat after {};
    ASSERT_EQ(::stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_FALSE(fs::exists("/dev/.null." + std::to_string(::getpid()) + ".tmp"));
}

TEST_F(OutputFileTest, AnOutputWithAFileNameAsLongAsAllowedIsWritten) {
    const std::string name = std::string(251, 'd') + ".BIP";  // 255 bytes, the usual limit
    std::string error;
    ASSERT_TRUE(WriteOutputFile(folder_ / name, "text\n", error)) << error;
    EXPECT_EQ(Read(folder_ / name), "text\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{name});
}

TEST_F(OutputFileTest, AnOutputInAFolderThatDoesNotExistIsRefusedAtOpen) {
    OutputFile file(folder_ / "missing" / "deck.BIP");
    EXPECT_FALSE(file.Open());
    EXPECT_EQ(file.error(), "No such file or directory");
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(Entries().empty());
}

TEST_F(OutputFileTest, AnOutputNamedWithoutAFolderIsWrittenInTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    std::string error;
    const bool written = WriteOutputFile("deck.BIP", "text\n", error);
    fs::current_path(before);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "text\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"deck.BIP"});
}

// The temporary file is made at the first full buffer, named for the output
// and the process, and the old output stays until the commit.
TEST_F(OutputFileTest, TheTemporaryFileIsMadeOnlyWhenABufferIsFullAndIsNamedForTheOutput) {
    const fs::path out = folder_ / "bridge.lis";
    Write(out, "old listing\n");
    OutputFile file(out, 16);
    ASSERT_TRUE(file.Open()) << file.error();
    file.stream() << "new listing ";
    file.stream().flush();
    EXPECT_EQ(Entries(), std::vector<std::string>{"bridge.lis"});  // nothing made yet
    file.stream() << "of two lines\nthe second\n";
    const std::string temporary = ".bridge.lis." + std::to_string(::getpid()) + ".tmp";
    EXPECT_EQ(Entries(), (std::vector<std::string>{temporary, "bridge.lis"}));
    EXPECT_EQ(Read(out), "old listing\n");
    ASSERT_TRUE(file.Commit()) << file.error();
    EXPECT_EQ(Read(out), "new listing of two lines\nthe second\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"bridge.lis"});
}

TEST_F(OutputFileTest, AnEmptyOutputReplacesTheOldOne) {
    const fs::path out = folder_ / "job.out";
    Write(out, "old\n");
    std::string error;
    ASSERT_TRUE(WriteOutputFile(out, "", error)) << error;
    EXPECT_EQ(Read(out), "");
    EXPECT_EQ(Entries(), std::vector<std::string>{"job.out"});
}

TEST_F(OutputFileTest, AnOutputNeverCommittedLeavesTheOldOneAndNoTemporaryFile) {
    const fs::path out = folder_ / "job.out";
    Write(out, "old listing\n");
    {
        OutputFile file(out, 8);
        ASSERT_TRUE(file.Open());
        file.stream() << "half a listing";
        EXPECT_EQ(Entries().size(), 2u);  // the temporary file beside it
    }
    EXPECT_EQ(Read(out), "old listing\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"job.out"});
}

TEST_F(OutputFileTest, ARenameThatFailsRemovesTheTemporaryFile) {
    // A folder that holds a file, made at the name after the output was
    // opened, cannot be replaced by the output.
    const fs::path out = folder_ / "taken.out";
    OutputFile file(out, 8);
    ASSERT_TRUE(file.Open());
    file.stream() << "listing\nlisting\n";
    fs::create_directory(out);
    Write(out / "x", "x");
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(file.error().empty());
    EXPECT_TRUE(fs::is_directory(out));
    EXPECT_EQ(Entries(), std::vector<std::string>{"taken.out"});
}

TEST_F(OutputFileTest, TwoOutputsOfOneNameInOneProcessGetTemporaryFilesOfTheirOwn) {
    const fs::path out = folder_ / "job.out";
    OutputFile first(out, 4), second(out, 4);
    ASSERT_TRUE(first.Open() && second.Open());
    first.stream() << "first run\n";
    second.stream() << "second run\n";
    EXPECT_EQ(TemporaryFilesIn(folder_).size(), 2u);
    ASSERT_TRUE(second.Commit()) << second.error();
    ASSERT_TRUE(first.Commit()) << first.error();
    EXPECT_EQ(Read(out), "first run\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"job.out"});
}

// A full disk: the file size limit stops the write half-way with EFBIG.
TEST_F(OutputFileTest, ADiskThatFillsHalfWayLeavesTheOldOutputAndNoTemporaryFile) {
    const fs::path out = folder_ / "bridge.lis";
    Write(out, "old listing\n");
    const std::string content(4 * kOutputBufferBytes, 'x');
    const int status = WaitStatusOfChild(
        [&] {
            std::string error;
            if (WriteOutputFile(out, content, error)) return 0;
            return error == "File too large" ? 1 : 2;
        },
        kOutputBufferBytes + 100);
    EXPECT_EQ(ExitStatus(status), 1);
    EXPECT_EQ(Read(out), "old listing\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"bridge.lis"});
}

// No temporary file can be made in a folder that may not be written; a file
// in it that may be written is then written in place.
TEST_F(OutputFileTest, AnOutputInAFolderThatMayNotBeWrittenIsWrittenInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "every folder may be written by root";
    const fs::path out = folder_ / "deck.dat";
    Write(out, "old deck\n");
    ::chmod(out.c_str(), 0600);
    struct stat before {};
    ASSERT_EQ(::stat(out.c_str(), &before), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    std::string error;
    const bool written = WriteOutputFile(out, "new deck\n", error);
    ::chmod(folder_.c_str(), 0755);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(Read(out), "new deck\n");
    struct stat after {};
    ASSERT_EQ(::stat(out.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0600u);
    EXPECT_EQ(Entries(), std::vector<std::string>{"deck.dat"});
}

// A new owner and group can be given only by root.
TEST_F(OutputFileTest, AReplacedFileKeepsItsOwnerAndGroup) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    const fs::path out = folder_ / "deck.dat";
    Write(out, "old deck\n");
    ASSERT_EQ(::chown(out.c_str(), 4321, 8765), 0);
    std::string error;
    ASSERT_TRUE(WriteOutputFile(out, "new deck\n", error)) << error;
    struct stat after {};
    ASSERT_EQ(::stat(out.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 8765u);
    EXPECT_EQ(Read(out), "new deck\n");
}

// A file of root's that another user may write: he may not give the new
// file to root, nor to root's group, so it stays his own, with the mode.
TEST_F(OutputFileTest, AFileThatMayNotBeGivenBackToItsOwnerBecomesTheWritersOwn) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may run as another user";
    const fs::path out = folder_ / "deck.dat";
    Write(out, "old deck\n");
    ASSERT_EQ(::chown(out.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(out.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
    const int status = WaitStatusOfChild([&] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(8765) != 0 || ::setuid(4321) != 0) return 2;
        std::string error;
        return WriteOutputFile(out, "new deck\n", error) ? 0 : 1;
    });
    ASSERT_EQ(ExitStatus(status), 0);
    struct stat after {};
    ASSERT_EQ(::stat(out.c_str(), &after), 0);
    EXPECT_EQ(after.st_uid, 4321u);
    EXPECT_EQ(after.st_gid, 8765u);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    EXPECT_EQ(Read(out), "new deck\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"deck.dat"});
}

}  // namespace
}  // namespace quillon
