#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "CamberTestSupport.hpp"
#include "camber/CamberRefusals.hpp"
#include "camber/CamberRun.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::camber {
namespace {

namespace fs = std::filesystem;
using testing::ListingOf;
using testing::ReadFixture;
using testing::SplitLines;

const std::string kNoMoreProblems = " No more problems.\n";

// A problem's listing as it is alone in a file, without the end-of-run record.
std::string PagesAlone(const std::string& input) {
    std::string text = ListingOf(input).text;
    EXPECT_EQ(text.substr(text.size() - kNoMoreProblems.size()), kNoMoreProblems);
    return text.substr(0, text.size() - kNoMoreProblems.size());
}

// Card 1, card 2 and `valueLines` blank value lines (blanks read as zeros).
std::string BlankProblem(const std::string& card2, int valueLines) {
    std::string text = " 1REFUSED\n" + card2 + "\n";
    for (int i = 0; i < valueLines; ++i) text += "\n";
    return text;
}

// The fixture with IFLAG 1 in column 1 of card 1.
std::string WithSupplemental(std::string text) {
    text[0] = '1';
    return text;
}

struct RefusalCase {
    const char* name;
    std::string problem;
    Refusal refusal;
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, GiveOneMessageAndTheNextProblemIsStillListed) {
    const RefusalCase& c = GetParam();
    const std::string next = ReadFixture("two-spans-splice.cmb");
    auto listing = ListingOf(c.problem + next);
    EXPECT_EQ(listing.text, RefusalRecord(c.refusal) + "\n" + PagesAlone(next) + kNoMoreProblems);
    EXPECT_EQ(listing.status, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    ::testing::Values(
        // 56 splice points and one span, tenth points: SPEL and SPLOC take 6
        // lines each, then one line each of SPANL, GEOEL and DEFEL.
        RefusalCase{"TooManySplicePoints", BlankProblem("    1   56", 15),
                    Refusal::TooManySplicePoints},
        // one splice point: one line each of SPEL, SPLOC, SPANL, GEOEL, DEFEL
        RefusalCase{"OneSplicePoint", BlankProblem("    1    1", 5), Refusal::TooFewSplicePoints},
        // no splice points, or a negative count: SPANL, GEOEL, DEFEL only
        RefusalCase{"NoSplicePoints", BlankProblem("    1    0", 3), Refusal::TooFewSplicePoints},
        RefusalCase{"NegativeSplicePoints", BlankProblem("    1   -3", 3),
                    Refusal::TooFewSplicePoints},
        // 33 spans, twentieth points: 1 + 1 + 3 + 66 + 66 lines
        RefusalCase{"TooManySpans", " 2REFUSED\n   33    2\n" + std::string(137, '\n'),
                    Refusal::TooManySpans},
        // no spans: SPEL and SPLOC only (the last location 0.0 equals the
        // sum of no spans, so no splice check block)
        RefusalCase{"NoSpans", BlankProblem("    0    2", 2), Refusal::SpansLessThanOne},
        RefusalCase{"NegativeSpans", BlankProblem("   -2    2", 2), Refusal::SpansLessThanOne},
        // spans 100 and 0 (sum 100 = last location)
        RefusalCase{"ZeroSpan", " 1\n    2    2\n\n   0000 100000\n1000000   0000\n\n\n\n\n",
                    Refusal::SpanLengthNotPositive},
        // spans 150 and -50
        RefusalCase{"NegativeSpan", " 1\n    2    2\n\n   0000 100000\n1500000-500000\n\n\n\n\n",
                    Refusal::SpanLengthNotPositive},
        // two splice points at one place
        RefusalCase{"CoincidingSplices", " 1\n    1    3\n\n   0000 100000 100000\n1000000\n\n\n",
                    Refusal::SpliceLocationsNotIncreasing},
        // a splice at the girder start, as a listing can give one
        RefusalCase{"SpliceAtTheStart", " 1\n    1    3\n\n   0000   0000 100000\n1000000\n\n\n",
                    Refusal::SpliceLocationsNotIncreasing},
        // a decreasing splice location
        RefusalCase{"DecreasingSplices",
                    " 1\n    1    4\n\n   0000  60000  40000 100000\n1000000\n\n\n",
                    Refusal::SpliceLocationsNotIncreasing}),
    quillon::testsupport::CaseName());

TEST(CamberRun, SpliceCheckBlockComesBeforeTheSpanError) {
    // No spans but a last location of 100.0: the block, then the span error.
    auto listing = ListingOf(" 1\n    0    2\n\n   0000 100000\n");
    auto lines = listing.lines;
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "1*****  ERROR  *****");
    EXPECT_EQ(lines[5], " SUMMATION OF SPANS =    0.0000");
    EXPECT_EQ(lines[6], " LOCATION OF SPLICE =  100.0000");
    EXPECT_EQ(lines[10], "       * * * ERROR * * * NUMBER OF SPANS LESS THAN 1");
    EXPECT_EQ(lines[11], " No more problems.");
    EXPECT_EQ(listing.status, 4);
}

TEST(CamberRun, RefusalTextsAreOneRecordInTheStyleOfTheSpanError) {
    EXPECT_EQ(RefusalRecord(Refusal::SpansLessThanOne),
              "       * * * ERROR * * * NUMBER OF SPANS LESS THAN 1");
    EXPECT_EQ(RefusalRecord(Refusal::TooManySpans),
              "       * * * ERROR * * * NUMBER OF SPANS GREATER THAN 32");
}

TEST(CamberRun, CountsFarOutsideTheTablesAreRefusedBeforeAnythingIsRead) {
    // "3    4    " is 30000 spans and 40000 splice points: refused at once;
    // passing over its lines then meets the end of the input.
    auto listing = ListingOf(" 1\n3    4    \n\n\n");
    EXPECT_EQ(SplitLines(listing.text),
              (std::vector<std::string>{RefusalRecord(Refusal::TooManySplicePoints),
                                        " End of input file before end of problem"}));
    EXPECT_EQ(listing.status, 4);
}

TEST(CamberRun, ReadErrorInsideARefusedProblemIsStillReported) {
    auto listing = ListingOf(" 1\n    1   56\nABC\n");
    ASSERT_EQ(listing.lines.size(), 4u);
    EXPECT_EQ(listing.lines[0], RefusalRecord(Refusal::TooManySplicePoints));
    EXPECT_EQ(listing.lines[1].substr(0, 51),
              " Error while reading line   3 of problem: SPEL(i), ");
    EXPECT_EQ(listing.status, 4);
}

TEST(CamberRun, ThreeProblemsListEachAsAlone) {
    // Twentieth points, then tenth points with more spans, then a problem
    // with one span: nothing of one may show in the next.
    const std::string a = ReadFixture("twentieth-splice-over-pier.cmb");
    const std::string b = ReadFixture("twelve-spans.cmb");
    const std::string c = ReadFixture("level-span.cmb");
    auto listing = ListingOf(a + b + c);
    EXPECT_EQ(listing.text, PagesAlone(a) + PagesAlone(b) + PagesAlone(c) + kNoMoreProblems);
    EXPECT_EQ(listing.status, 0);
    auto other = ListingOf(c + WithSupplemental(b) + a);
    EXPECT_EQ(other.text,
              PagesAlone(c) + PagesAlone(WithSupplemental(b)) + PagesAlone(a) + kNoMoreProblems);
}

// --- the program with its files ------------------------------------------

class CamberFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("camber-run-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const { return ReadFixture(Path(name)); }
    int Run(const std::vector<std::string>& args) {
        errors_.str("");
        return RunCamber(args, environment_, errors_);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    FixedEnvironment environment_{LocalTime{}};
    std::ostringstream errors_;
};

TEST_F(CamberFiles, WritesTheListingAndLeavesNoTemporaryFile) {
    Write("job.cmb", ReadFixture("two-spans-splice.cmb"));
    Write("job.out", "an old listing\n");
    EXPECT_EQ(Run({Path("job.cmb"), Path("job.out")}), 0);
    EXPECT_EQ(Read("job.out"), ListingOf(ReadFixture("two-spans-splice.cmb")).text);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb", "job.out"}));
    EXPECT_EQ(errors_.str(), "");
}

TEST_F(CamberFiles, RefusedProblemsAndReadErrorsStillGiveTheirListing) {
    Write("refused.cmb", BlankProblem("    0    2", 2));
    EXPECT_EQ(Run({Path("refused.cmb"), Path("refused.out")}), 4);
    EXPECT_EQ(Read("refused.out"),
              RefusalRecord(Refusal::SpansLessThanOne) + "\n" + kNoMoreProblems);

    Write("bad.cmb", ReadFixture("level-span.cmb") + " 1\n    x\n");
    EXPECT_EQ(Run({Path("bad.cmb"), Path("bad.out")}), 4);
    auto lines = SplitLines(Read("bad.out"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[lines.size() - 2], " Line was:");
    EXPECT_EQ(errors_.str(), "");
}

TEST_F(CamberFiles, MissingArgumentsGiveUsageAndNoListing) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {Path("job.cmb")}, {Path("job.cmb"), Path("job.out"), "extra"}}) {
        Write("job.cmb", ReadFixture("level-span.cmb"));
        EXPECT_EQ(Run(args), 4);
        EXPECT_EQ(errors_.str(), "Usage: QlCamb <camber input> <camber listing>\n");
        EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb"}));
    }
}

TEST_F(CamberFiles, MissingOrUnreadableInputGivesAMessageAndNoListing) {
    Write("job.out", "an old listing\n");
    EXPECT_EQ(Run({Path("missing.cmb"), Path("job.out")}), 4);
    EXPECT_NE(errors_.str().find("cannot open the camber input"), std::string::npos);
    EXPECT_NE(errors_.str().find("missing.cmb"), std::string::npos);
    EXPECT_EQ(Read("job.out"), "an old listing\n");

    fs::create_directory(Path("folder.cmb"));
    EXPECT_EQ(Run({Path("folder.cmb"), Path("job.out")}), 4);
    EXPECT_EQ(Read("job.out"), "an old listing\n");
}

TEST_F(CamberFiles, ListingThatNamesTheInputIsRefusedAndTheInputKept) {
    // Under its own name or another path to the same file.
    const std::string input = ReadFixture("level-span.cmb");
    Write("job.cmb", input);
    fs::create_directory(Path("sub"));
    for (const std::string& listing : {Path("job.cmb"), Path("sub/../job.cmb")}) {
        EXPECT_EQ(Run({Path("job.cmb"), listing}), 4);
        EXPECT_NE(errors_.str().find("is the camber input itself"), std::string::npos);
        EXPECT_EQ(Read("job.cmb"), input);
    }
    EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb", "sub"}));
}

TEST_F(CamberFiles, ListingThatCannotBeCreatedFails) {
    Write("job.cmb", ReadFixture("level-span.cmb"));
    EXPECT_EQ(Run({Path("job.cmb"), Path("no-such-folder/job.out")}), 4);
    EXPECT_NE(errors_.str().find("cannot create the camber listing"), std::string::npos);
    // A listing name that is a folder is refused before anything is
    // written; nothing stays behind.
    fs::create_directory(Path("taken.out"));
    fs::path inside = fs::path(Path("taken.out")) / "x";
    std::ofstream(inside.string()) << "x";
    EXPECT_EQ(Run({Path("job.cmb"), Path("taken.out")}), 4);
    EXPECT_NE(errors_.str().find("cannot create the camber listing"), std::string::npos);
    EXPECT_NE(errors_.str().find("Is a directory"), std::string::npos);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb", "taken.out"}));
}

TEST_F(CamberFiles, ListingWithAFileNameAsLongAsAllowedIsWritten) {
    // 255 characters, the longest file name the usual file systems take: the
    // temporary file beside it must not need a longer one.
    const std::string name = std::string(251, 'w') + ".out";
    Write("job.cmb", ReadFixture("level-span.cmb"));
    EXPECT_EQ(Run({Path("job.cmb"), Path(name)}), 0);
    EXPECT_EQ(errors_.str(), "");
    EXPECT_EQ(Read(name), ListingOf(ReadFixture("level-span.cmb")).text);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb", name}));
}

TEST_F(CamberFiles, FileNamesWithBlanksAndSeveralDots) {
    Write("my job.v2.cmb", ReadFixture("level-span.cmb"));
    EXPECT_EQ(Run({Path("my job.v2.cmb"), Path("my job.v2.out")}), 0);
    EXPECT_EQ(Read("my job.v2.out"), ListingOf(ReadFixture("level-span.cmb")).text);
}

// A full disk half-way through the listing: the old listing stays, no
// temporary file is left and the run fails.
TEST_F(CamberFiles, ADiskThatFillsHalfWayKeepsTheOldListing) {
    const std::string input = ReadFixture("twelve-spans.cmb");
    const std::string listing = ListingOf(input).text;
    Write("job.cmb", input);
    Write("job.out", "an old listing\n");
    const int status = quillon::testing::WaitStatusOfChild(
        [&] {
            return Run({Path("job.cmb"), Path("job.out")});
        },
        listing.size() / 2);
    EXPECT_EQ(quillon::testing::ExitStatus(status), kExitFailure);
    EXPECT_EQ(Read("job.out"), "an old listing\n");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"job.cmb", "job.out"}));
}

// The listing's temporary file is made when there is something to write:
// a run stopped while it still reads its input leaves none, SIGKILL too.
TEST_F(CamberFiles, ARunStoppedWhileReadingLeavesNoTemporaryFile) {
    ASSERT_EQ(::mkfifo(Path("job.cmb").c_str(), 0644), 0);
    std::cout.flush();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(Run({Path("job.cmb"), Path("job.out")}));
    const int input = ::open(Path("job.cmb").c_str(), O_WRONLY);
    ASSERT_GE(input, 0);
    const std::string part = ReadFixture("twelve-spans.cmb").substr(0, 200);
    ASSERT_EQ(::write(input, part.data(), part.size()), static_cast<ssize_t>(part.size()));
    // Time for the child to take the part and wait for more.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(input);
    EXPECT_EQ(Entries(), std::vector<std::string>{"job.cmb"});
}

}  // namespace
}  // namespace quillon::camber
