// An output replaced whole: written, replaced, refused without a trace, and
// with the longest file names the usual file systems allow.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/ReplacingFile.hpp"

namespace fs = std::filesystem;

namespace quillon {
namespace {

class AtomicWrite : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillon-platform-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    size_t EntryCount() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(AtomicWrite, WritesANewFileAndReplacesAnOldOne) {
    fs::path out = folder_ / "deck.BIP";
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(out, "first\n", error)) << error;
    EXPECT_EQ(Read(out), "first\n");
    ASSERT_TRUE(WriteFileAtomically(out, "second\n", error)) << error;
    EXPECT_EQ(Read(out), "second\n");
    EXPECT_EQ(EntryCount(), 1u);  // no temporary file is left beside it
}

TEST_F(AtomicWrite, FailsWithoutLeavingAnythingWhenTheNameIsAFolder) {
    fs::path out = folder_ / "deck.BIP";
    fs::create_directory(out);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(out, "text\n", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(out));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicWrite, OutputWithAFileNameAsLongAsAllowedIsWritten) {
    fs::path out = folder_ / (std::string(251, 'd') + ".BIP");  // 255 bytes, the usual limit
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(out, "text\n", error)) << error;
    EXPECT_EQ(Read(out), "text\n");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicWrite, FailsInAFolderThatDoesNotExist) {
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(folder_ / "missing" / "deck.BIP", "text\n", error));
    EXPECT_FALSE(error.empty());
}

// Renaming would replace a read-only file like any other; the output is
// refused instead, whoever runs the program.
TEST_F(AtomicWrite, ARefusedReadOnlyOutputKeepsItsBytesAndLeavesNoTemporaryFile) {
    const fs::path out = folder_ / "deck.dat";
    { std::ofstream(out) << "old deck\n"; }
    fs::permissions(out, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(out, "new deck\n", error));
    EXPECT_EQ(error, "Permission denied");
    EXPECT_EQ(Read(out), "old deck\n");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicWrite, StreamedOutputTakesItsNameOnlyAtCommit) {
    const fs::path out = folder_ / "job.out";
    { std::ofstream(out) << "old listing\n"; }
    ReplacingFile file(out);
    ASSERT_TRUE(file.Open()) << file.error();
    file.stream() << "new ";
    EXPECT_EQ(Read(out), "old listing\n");  // the old output stays until the commit
    file.stream() << "listing\n";
    ASSERT_TRUE(file.Commit()) << file.error();
    EXPECT_EQ(Read(out), "new listing\n");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicWrite, AnUncommittedFileLeavesTheOldOutputAndNoTemporaryFile) {
    const fs::path out = folder_ / "job.out";
    { std::ofstream(out) << "old listing\n"; }
    {
        ReplacingFile file(out);
        ASSERT_TRUE(file.Open());
        file.stream() << "half a listing";
        EXPECT_EQ(EntryCount(), 2u);  // the temporary file beside it
    }
    EXPECT_EQ(Read(out), "old listing\n");
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(AtomicWrite, ACommitThatCannotTakeTheNameRemovesTheTemporaryFile) {
    // A folder that holds a file cannot be replaced by the output.
    const fs::path out = folder_ / "taken.out";
    fs::create_directory(out);
    { std::ofstream(out / "x") << "x"; }
    ReplacingFile file(out);
    ASSERT_TRUE(file.Open());
    file.stream() << "listing\n";
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(file.error().empty());
    EXPECT_EQ(EntryCount(), 1u);
    EXPECT_TRUE(fs::is_directory(out));
}

TEST_F(AtomicWrite, CommitWithoutOpenFails) {
    ReplacingFile file(folder_ / "job.out");
    EXPECT_FALSE(file.Commit());
    EXPECT_FALSE(file.error().empty());
    EXPECT_EQ(EntryCount(), 0u);
}

TEST_F(AtomicWrite, OutputNamedWithoutAFolderIsWrittenInTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    std::string error;
    const bool written = WriteFileAtomically("deck.BIP", "text\n", error);
    fs::current_path(before);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "text\n");
    EXPECT_EQ(EntryCount(), 1u);
}

}  // namespace
}  // namespace quillon
