// A file read whole: every byte as it stands, and the system's reason for a
// file that is missing, a folder or not readable.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileContents.hpp"

namespace fs = std::filesystem;

namespace quillon {
namespace {

class ReadWhole : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quillon-contents-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_ / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(folder_, ignored);
    }
    fs::path Write(const std::string& name, const std::string& bytes) const {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path folder_;
};

TEST_F(ReadWhole, GivesEveryByteAsItStands) {
    // CRLF and a lone CR stay, a NUL byte too, and a last line without its end.
    const std::string bytes = std::string("00DECK\r\n01\rX\n") + '\0' + "END";
    const FileContents read = ReadFileContents(Write("deck.dat", bytes));
    ASSERT_TRUE(read.ok) << read.reason;
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.bytes, bytes);
    EXPECT_EQ(read.reason, "");
}

TEST_F(ReadWhole, ReadsAFileLargerThanOneChunk) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes += "line " + std::to_string(i) + '\n';
    ASSERT_GT(bytes.size(), size_t{1} << 16);
    const FileContents read = ReadFileContents(Write("large.lis", bytes));
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, bytes);
}

TEST_F(ReadWhole, AnEmptyFileIsReadAsNoBytes) {
    const FileContents read = ReadFileContents(Write("empty.dat", ""));
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, "");
}

TEST_F(ReadWhole, AMissingFileIsNotOpenedAndSaysWhy) {
    const FileContents read = ReadFileContents(folder_ / "missing.dat");
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(read.error, std::errc::no_such_file_or_directory);
    EXPECT_EQ(read.reason, "No such file or directory");
}

TEST_F(ReadWhole, AFolderIsNotAFile) {
    const FileContents read = ReadFileContents(folder_);
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(read.error, std::errc::is_a_directory);
    EXPECT_EQ(read.reason, "Is a directory");
    EXPECT_EQ(read.bytes, "");
}

TEST_F(ReadWhole, AFileWithoutReadPermissionSaysWhy) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    const fs::path path = Write("locked", "secret\n");
    fs::permissions(path, fs::perms::none);
    const FileContents read = ReadFileContents(path);
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.opened);
    EXPECT_EQ(read.error, std::errc::permission_denied);
    EXPECT_EQ(read.reason, "Permission denied");
}

}  // namespace
}  // namespace quillon
