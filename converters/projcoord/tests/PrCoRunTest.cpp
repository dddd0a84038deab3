#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "converters/projcoord/PrCoRun.hpp"
#include "fixedform/FieldReader.hpp"
#include "testsupport/CaseName.hpp"

namespace pc = quillon::converters::projcoord;
namespace qc = quillon::converters;
namespace ff = quillon::fixedform;
namespace fs = std::filesystem;

namespace {

// layout.lis beside this test: a two-page listing, laid out column by column
// from the listing's row tables. Its lines by index (from 0):
constexpr size_t kStructureLine = 5;
constexpr size_t kHeading1 = 11, kHeading2 = 12, kHeading3 = 13;
constexpr size_t kBentAbut1 = 18, kBentPier2 = 19, kBentAbut3 = 20;
constexpr size_t kSecondPage = 21;
constexpr size_t kLongitudinalHeader = 30;
constexpr size_t kGirderAbut1 = 32, kGirderF1 = 33, kGirderPier2 = 34;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Fixture() { return Lines(qc::testing::ReadFile("layout.lis")); }

std::string Widened(const std::string& line, const std::string& block) {
    return line.substr(0, 85) + block + line.substr(85);
}

// Lines of the header before the listing: 13, the last ending in the form feed
// that the listing's first line follows, so listing line i is written line 13 + i.
constexpr size_t kHeaderLines = 13;

TEST(ProjectFixture, IsLaidOutInTheListingColumns) {
    std::vector<std::string> lines = Fixture();
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(ff::Columns(lines[kStructureLine], 1, 16), " STRUCTURE ID:  ");
    EXPECT_EQ(ff::Columns(lines[kHeading1], 61, 36), ":    FROM LAYOUT LINE   :  BENT LINE");
    EXPECT_EQ(ff::Columns(lines[kHeading2], 61, 23), ":   OFFSET     ORDINATE");
    EXPECT_EQ(ff::Columns(lines[kHeading3], 61, 47),
              ":      X          Y     :    Y-AXIS     D  M  S");
    // Bent-line rows: fractional-point text 52-61, X F10.4 62-71, Y F12.4 72-83.
    EXPECT_EQ(ff::Columns(lines[kBentPier2], 2, 10), "CL PIER 2 ");
    EXPECT_EQ(ff::Columns(lines[kBentPier2], 52, 10), "( 10     )");
    EXPECT_EQ(ff::Columns(lines[kBentPier2], 62, 10), "-1234.5678");
    EXPECT_EQ(ff::Columns(lines[kBentPier2], 72, 12), "    250.0000");
    EXPECT_EQ(ff::Columns(lines[kBentAbut3], 52, 10), std::string(10, ' '));
    EXPECT_EQ(lines[kSecondPage].substr(0, 2), " \f");
    EXPECT_EQ(ff::Columns(lines[kLongitudinalHeader], 2, 67),
              "BENT LINE        STATION       OFFSET   ELEVATION  ELEV+DL        X");
    // Longitudinal rows: label 2-7, ELEV+DL 51-59, X F12.4 60-71, Y F12.4 72-83.
    EXPECT_EQ(ff::Columns(lines[kGirderF1], 2, 6), "    F-");
    EXPECT_EQ(ff::Columns(lines[kGirderF1], 51, 9), " 000.0500");
    EXPECT_EQ(ff::Columns(lines[kGirderF1], 60, 12), "-123456.7890");
    EXPECT_EQ(ff::Columns(lines[kGirderF1], 72, 12), " 234567.8901");
}

class PrCoRunTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
    void CopyFixture(const std::string& name) const {
        fs::copy_file("layout.lis", folder_.path() / name);
    }
    int Run(const std::vector<std::string>& args) {
        return pc::RunPrCo(args, env_, qc::ConverterConsole{out_, err_});
    }
    // The listing through the bearing N 90 0 0 E and the offsets 1000 and 2000.
    std::vector<std::string> Args(const std::string& listing, const std::string& output) const {
        return {listing, output, "1000", "2000", "N", "90", "0", "0", "E"};
    }

    qc::testing::TempFolder folder_;
    quillon::FixedEnvironment env_{{2026, 5, 4, 9, 30, 0}, "designer", "/usr/bin"};
    std::ostringstream out_, err_;
};

TEST_F(PrCoRunTest, WidensTheCoordinateRowsAndHeadingsOfTheListing) {
    CopyFixture("job.lis");
    ASSERT_EQ(Run(Args(Path("job.lis"), Path("job.pcf"))), 0) << err_.str();
    EXPECT_EQ(err_.str(), "");
    std::vector<std::string> written = Lines(qc::testing::ReadFile(Path("job.pcf")));
    std::vector<std::string> listing = Fixture();
    ASSERT_EQ(written.size(), kHeaderLines + listing.size());
    EXPECT_EQ(written[8], "Run date & time = Mon May  4 09:30:00 2026");
    EXPECT_EQ(written[10], "Input Northing Offset =  1000.000000");
    EXPECT_EQ(written[11], "Input Easting Offset =  2000.000000");
    EXPECT_EQ(written[12], "Input Bearing =  N 90 0  0.0000 E");
    // Under N 90 0 0 E the layout's Y axis points east: northing = 1000 - X, easting = 2000 + Y.
    const std::string kNorthingEasting = "   NORTHING      EASTING ";
    std::map<size_t, std::string> blocks = {
        {kHeading1, "    PROJECT COORDINATES  "},
        {kHeading2, kNorthingEasting},
        {kHeading3, std::string(25, ' ')},
        {kBentAbut1, "   1000.0000    2000.0000"},  // X 0, Y 0
        {kBentPier2, "   2234.5678    2250.0000"},  // X -1234.5678 after ")", Y 250
        {kBentAbut3, "    987.5000    2500.0000"},  // X 12.5, Y 500
        {kLongitudinalHeader, kNorthingEasting},
        {kGirderAbut1, "    997.0000    2004.0000"},  // X 3, Y 4
        {kGirderF1, " 124456.7890  236567.8901"},  // X -123456.789, Y 234567.8901 (12 characters)
        {kGirderPier2, "   2234.5678    2250.0000"},
    };
    for (size_t i = 0; i < listing.size(); ++i) {
        std::string expected = blocks.count(i) ? Widened(listing[i], blocks[i]) : listing[i];
        if (i == 0) expected = "\f" + expected;  // after the bearing line's form feed
        EXPECT_EQ(written[kHeaderLines + i], expected) << "listing line " << i;
    }
}

TEST_F(PrCoRunTest, ReadsCrLfListingsAndWritesLf) {
    std::string text = qc::testing::ReadFile("layout.lis");
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::ofstream(Path("crlf.lis"), std::ios::binary) << crlf;
    CopyFixture("lf.lis");
    ASSERT_EQ(Run(Args(Path("crlf.lis"), Path("crlf.pcf"))), 0);
    ASSERT_EQ(Run(Args(Path("lf.lis"), Path("lf.pcf"))), 0);
    EXPECT_EQ(qc::testing::ReadFile(Path("crlf.pcf")), qc::testing::ReadFile(Path("lf.pcf")));
}

// The output once replaced the listing it was made from, whatever its
// spelling: the geometry listing was gone and the run ended with 0.
TEST_F(PrCoRunTest, RefusesAnOutputThatIsTheListingItself) {
    CopyFixture("job.lis");
    const std::string listing = qc::testing::ReadFile(Path("job.lis"));
    fs::create_hard_link(Path("job.lis"), Path("linked.pcf"));
    const std::string dotted = (folder_.path() / "." / "job.lis").string();
    for (const std::string& output : {Path("job.lis"), dotted, Path("linked.pcf")}) {
        err_.str("");
        EXPECT_EQ(Run(Args(Path("job.lis"), output)), -1) << output;
        EXPECT_EQ(err_.str(), "PRCO-E-SameFile listing '" + Path("job.lis") +
                                  "' is also the output file.  Aborting process\n");
        EXPECT_EQ(out_.str(), "");
        EXPECT_EQ(qc::testing::ReadFile(Path("job.lis")), listing) << output;
        EXPECT_EQ(folder_.EntryCount(), 2u);
    }
}

TEST_F(PrCoRunTest, TakesNamesWithBlanksAndSemicolonsAsTheyStand) {
    CopyFixture("my job; touch x.lis");
    ASSERT_EQ(Run(Args(Path("my job; touch x.lis"), Path("my job; touch x.pcf"))), 0) << err_.str();
    EXPECT_TRUE(fs::exists(Path("my job; touch x.pcf")));
    EXPECT_FALSE(fs::exists(Path("x.lis")));
    EXPECT_FALSE(fs::exists("x.lis"));
    EXPECT_EQ(folder_.EntryCount(), 2u);
}

TEST_F(PrCoRunTest, LeavesNoFileBesideTheOutput) {
    CopyFixture("job.lis");
    ASSERT_EQ(Run(Args(Path("job.lis"), Path("job.pcf"))), 0);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"job.lis", "job.pcf"}));
}

TEST_F(PrCoRunTest, ReadsEmptyArgumentsAsZeroAndLettersInEitherCase) {
    CopyFixture("job.lis");
    ASSERT_EQ(Run({Path("job.lis"), Path("job.pcf"), "", "", "north", "", "", "", "east"}), 0)
        << err_.str();
    std::vector<std::string> written = Lines(qc::testing::ReadFile(Path("job.pcf")));
    EXPECT_EQ(written[10], "Input Northing Offset =  0.000000");
    EXPECT_EQ(written[12], "Input Bearing =  N 0 0  0.0000 E");
    // N 0 0 0 E with no offsets: northing = Y, easting = X.
    std::vector<std::string> listing = Fixture();
    EXPECT_EQ(written[kHeaderLines + kBentPier2],
              Widened(listing[kBentPier2], "    250.0000   -1234.5678"));
}

struct FailureCase {
    std::string name;
    size_t argument;  // the argument replaced, or 99 for none
    std::string value;
    std::string message;  // a part of the message on stderr
};

class PrCoFailure : public PrCoRunTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PrCoFailure, PrintsItsReasonWritesNothingAndEndsWithMinusOne) {
    const FailureCase& c = GetParam();
    CopyFixture("job.lis");
    std::ofstream(Path("not-a-listing.lis")) << "1\n2\n3\n4\n5\n SEVENTH WORD\n";
    std::ofstream(Path("short.lis")) << "1\n2\n3\n4\n5\n";
    fs::create_directory(Path("folder.lis"));
    std::vector<std::string> args = Args(Path("job.lis"), Path("job.pcf"));
    if (c.argument < args.size()) {
        args[c.argument] = c.value;
        if (c.argument == 0) args[0] = Path(c.value);
    }
    size_t before = folder_.EntryCount();
    EXPECT_EQ(Run(args), -1);
    EXPECT_EQ(static_cast<unsigned char>(Run(args)), 255);
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_EQ(out_.str(), "");
    EXPECT_FALSE(fs::exists(Path("job.pcf")));
    EXPECT_EQ(folder_.EntryCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrCoFailure,
    ::testing::Values(
        FailureCase{"FirstLetterNotNorthOrSouth", 4, "E",
                    "the bearing's first letter must be N or S, not 'E'"},
        FailureCase{"FirstLetterEmpty", 4, "", "the bearing's first letter must be N or S"},
        FailureCase{"LastLetterNotEastOrWest", 8, "N",
                    "the bearing's last letter must be E or W, not 'N'"},
        FailureCase{"NorthingNotANumber", 2, "1O00", "the northing offset '1O00' is not a number"},
        FailureCase{"EastingNotANumber", 3, "2000 ft", "the easting offset '2000 ft'"},
        FailureCase{"DegreesNotWhole", 5, "30.5", "the degrees '30.5' are not a whole number"},
        FailureCase{"MinutesNotANumber", 6, "x", "the minutes 'x' are not a whole number"},
        FailureCase{"SecondsNotANumber", 7, "12,5", "the seconds '12,5' is not a number"},
        FailureCase{"ListingMissing", 0, "missing.lis", "unable to open file"},
        FailureCase{"ListingIsAFolder", 0, "folder.lis", "(a folder)"},
        FailureCase{"SixthLineNotTheStructureLine", 0, "not-a-listing.lis",
                    "its sixth line does not begin with STRUCTURE"},
        FailureCase{"ListingOfFiveLines", 0, "short.lis",
                    "its sixth line does not begin with STRUCTURE"},
        FailureCase{"OutputInAMissingFolder", 1, "/nonexistent-folder/job.pcf",
                    "unable to write file '/nonexistent-folder/job.pcf'"}),
    quillon::testsupport::CaseName());

TEST_F(PrCoRunTest, WithoutNineArgumentsPrintsTheUsage) {
    CopyFixture("job.lis");
    std::vector<std::string> args = Args(Path("job.lis"), Path("job.pcf"));
    args.pop_back();
    EXPECT_EQ(Run(args), -1);
    args.push_back("E");
    args.push_back("extra");
    EXPECT_EQ(Run(args), -1);
    EXPECT_EQ(Run({}), -1);
    EXPECT_EQ(err_.str().find("Usage: QlPrCo listing output"), 0u) << err_.str();
    EXPECT_FALSE(fs::exists(Path("job.pcf")));
}

}  // namespace
