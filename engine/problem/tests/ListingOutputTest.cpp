// The listing as an output of its own: replaced whole or not at all when the
// disk fills, when the run gets SIGTERM, when two runs write it at once, and
// kept when it may not be written; a run that reports errors still replaces
// it. The signal and the two runs at once are tried on the real program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/problem/EngineMain.hpp"
#include "engine/run/tests/RunTestSupport.hpp"
#include "environment/Environment.hpp"
#include "platform/tests/OutputFaults.hpp"

extern char** environ;

namespace quillon::engine {
namespace {

namespace fs = std::filesystem;
using quillon::testing::ExitStatus;
using quillon::testing::TemporaryFilesIn;
using quillon::testing::WaitStatusOfChild;

// A deck of `girders` girder lines 1 ft apart and `bents` bent lines 50 ft
// apart on a spiralled curve, each span with ten fractional points: its
// listing grows with both counts.
std::string LongDeck(int girders, int bents, const char* title = "LONG DECK") {
    std::string deck = std::string("00") + title + "\n";
    deck += "01R 60000000   50000000 1000000 30000 30000\n";
    deck += "02  3000000 30000   300000  6325000 30000 20000   500000  6156250 20000  1000000\n";
    deck += "03C  2000600\n";
    deck += "04   160000000R10000000111                                   14000000   72000000\n";
    char card[100];
    const int first = -(girders - 1) / 2;
    for (int g = 0; g < girders; ++g) {
        std::snprintf(card, sizeof card, "050%8d4        0 -105000GIRDER %-3d%-7s\n",
                      (first + g) * 10000, g + 1, "");
        deck += card;
    }
    for (int b = 0; b < bents; ++b) {
        std::snprintf(card, sizeof card, "06%8d0         0%s    BENT %-5d\n", b * 500000,
                      b < bents - 1 ? " 10" : "   ", b + 1);
        deck += card;
    }
    return deck;
}

std::string Read(const fs::path& path) { return quillon::testing::ReadFileText(path); }
void Write(const fs::path& path, const std::string& text) {
    quillon::testing::WriteFileText(path, text);
}

// The same listing but for the clock: as long, and every byte that differs
// a digit in both.
bool SameListingButTheClock(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && !(std::isdigit(static_cast<unsigned char>(a[i])) &&
                              std::isdigit(static_cast<unsigned char>(b[i]))))
            return false;
    return true;
}

pid_t StartEngine(const fs::path& deck, const fs::path& listing) {
    const std::string program = QUILLON_QLENGL;
    std::vector<std::string> args = {program, deck.string(), listing.string()};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int failed =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

int WaitFor(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid ? status : -1;
}

class ListingOutput : public ::testing::Test {
protected:
    void SetUp() override { folder_ = testing::FreshFolder(); }
    void TearDown() override { fs::remove_all(folder_); }

    int Run(const fs::path& deck, const fs::path& listing) {
        FixedEnvironment environment(testing::FixedClock());
        std::ostringstream console;
        errors_.str("");
        return RunEngine({deck.string(), listing.string()}, EngineVariant::English, environment,
                         console, errors_);
    }

    fs::path folder_;
    std::ostringstream errors_;
};

TEST_F(ListingOutput, AReadOnlyListingIsRefusedAndKeptForRootToo) {
    Write(folder_ / "deck.dat", LongDeck(2, 3));
    Write(folder_ / "deck.lis", "old listing\n");
    ::chmod((folder_ / "deck.lis").c_str(), 0444);
    EXPECT_EQ(Run(folder_ / "deck.dat", folder_ / "deck.lis"), 4);
    EXPECT_NE(errors_.str().find("cannot create the listing"), std::string::npos);
    EXPECT_NE(errors_.str().find("Permission denied"), std::string::npos);
    EXPECT_EQ(Read(folder_ / "deck.lis"), "old listing\n");
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

TEST_F(ListingOutput, AReplacedListingKeepsItsModeAndALinkToItStays) {
    Write(folder_ / "deck.dat", LongDeck(2, 3));
    Write(folder_ / "real.lis", "old listing\n");
    ::chmod((folder_ / "real.lis").c_str(), 0600);
    fs::create_symlink("real.lis", folder_ / "deck.lis");
    EXPECT_EQ(Run(folder_ / "deck.dat", folder_ / "deck.lis"), 0) << errors_.str();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder_ / "deck.lis")));
    EXPECT_NE(Read(folder_ / "real.lis").find("GIRDER 2"), std::string::npos);
    struct stat status {};
    ASSERT_EQ(::stat((folder_ / "real.lis").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

// Status 4 with boxes inside is still a whole listing: it replaces the old.
TEST_F(ListingOutput, TheListingOfARunThatReportsErrorsReplacesTheOldOne) {
    std::string deck = LongDeck(2, 3);
    deck.resize(deck.find("06"));  // the bent lines are missing
    Write(folder_ / "deck.dat", deck);
    Write(folder_ / "deck.lis", "old listing\n");
    EXPECT_EQ(Run(folder_ / "deck.dat", folder_ / "deck.lis"), 4);
    EXPECT_NE(Read(folder_ / "deck.lis").find("FATAL ERROR"), std::string::npos);
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

TEST_F(ListingOutput, ADiskThatFillsHalfWayKeepsTheOldListing) {
    Write(folder_ / "deck.dat", LongDeck(10, 20));
    Write(folder_ / "deck.lis", "old listing\n");
    const int status = WaitStatusOfChild(
        [&] {
            const int ended = Run(folder_ / "deck.dat", folder_ / "deck.lis");
            const bool said = errors_.str().find("File too large") != std::string::npos;
            return said ? ended : 99;
        },
        48 * 1024);
    EXPECT_EQ(ExitStatus(status), 4);
    EXPECT_EQ(Read(folder_ / "deck.lis"), "old listing\n");
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

// The program gets SIGTERM while its temporary file is being written.
TEST_F(ListingOutput, SigtermDuringALongListingKeepsTheOldOneAndLeavesNoTemporaryFile) {
    Write(folder_ / "deck.dat", LongDeck(30, 80));
    Write(folder_ / "deck.lis", "old listing\n");
    const pid_t engine = StartEngine(folder_ / "deck.dat", folder_ / "deck.lis");
    ASSERT_GT(engine, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    bool writing = false;
    while (!writing && std::chrono::steady_clock::now() < deadline) {
        writing = !TemporaryFilesIn(folder_).empty();
        if (!writing) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(engine, SIGTERM);
    const int status = WaitFor(engine);
    ASSERT_TRUE(writing) << "the run ended before its listing was half written";
    EXPECT_EQ(ExitStatus(status), 128 + SIGTERM);
    EXPECT_EQ(Read(folder_ / "deck.lis"), "old listing\n");
    EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
}

// Two runs on one listing at once: whichever renames last wins, whole.
TEST_F(ListingOutput, TwoRunsAtOnceLeaveOneRunsWholeListing) {
    Write(folder_ / "a.dat", LongDeck(8, 20, "DECK A"));
    Write(folder_ / "b.dat", LongDeck(9, 20, "DECK B"));
    ASSERT_EQ(ExitStatus(WaitFor(StartEngine(folder_ / "a.dat", folder_ / "a.lis"))), 0);
    ASSERT_EQ(ExitStatus(WaitFor(StartEngine(folder_ / "b.dat", folder_ / "b.lis"))), 0);
    const std::string a = Read(folder_ / "a.lis"), b = Read(folder_ / "b.lis");
    for (int attempt = 0; attempt < 5; ++attempt) {
        const pid_t first = StartEngine(folder_ / "a.dat", folder_ / "both.lis");
        const pid_t second = StartEngine(folder_ / "b.dat", folder_ / "both.lis");
        EXPECT_EQ(ExitStatus(WaitFor(first)), 0);
        EXPECT_EQ(ExitStatus(WaitFor(second)), 0);
        const std::string both = Read(folder_ / "both.lis");
        EXPECT_TRUE(SameListingButTheClock(both, a) || SameListingButTheClock(both, b))
            << "attempt " << attempt << ": " << both.size() << " bytes";
        EXPECT_TRUE(TemporaryFilesIn(folder_).empty());
    }
}

}  // namespace
}  // namespace quillon::engine
