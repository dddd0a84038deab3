#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "camber/CamberRun.hpp"
#include "converters/common/tests/TempFolder.hpp"
#include "converters/tocamber/ToCamberRun.hpp"
#include "converters/tocamber/tests/ToCamberTestSupport.hpp"
#include "fixedform/RecordWriter.hpp"

namespace tc = quillon::converters::tocamber;
namespace qc = quillon::converters;
namespace qt = quillon::converters::testing;
namespace fs = std::filesystem;
using tc::testing::BridgeListing;
using tc::testing::Expect;
using tc::testing::ReadCamberInput;

namespace {

class ToCamberRunTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        return qc::testing::ReadFile(folder_ / name);
    }
    bool Exists(const std::string& name) const { return fs::exists(folder_ / name); }
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return tc::RunToCamber(args, env_, qc::ConverterConsole{out_, err_}, folder_);
    }
    // Ql2Cmb on bridge.lis holding `listing`, for the girders `list`.
    int RunListing(const std::string& listing, const std::string& list = "1") {
        Write("bridge.lis", listing);
        return Run({Path("bridge.lis"), list});
    }
    std::string Log() const { return Read("Qlvr2Cmbr.ELF"); }

    qc::testing::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
    quillon::FixedEnvironment env_{{2026, 3, 14, 9, 30, 0}, "kral", "/usr/bin:/bin"};
    std::ostringstream out_, err_;
};

// ---------------------------------------------------------------- values

struct ValueCase {
    std::string name;
    qt::GirderSpec spec;
};

class ToCamberValues : public ToCamberRunTest, public ::testing::WithParamInterface<ValueCase> {};

qt::GirderSpec TwoSpansOneSplice() { return tc::testing::TwoSpansSplice(); }

qt::GirderSpec TwentiethPoints() {
    qt::GirderSpec spec;
    spec.spans = {80.0, 100.0};
    spec.pointsPerSpan = 20;
    spec.splices = {80.0};  // over the pier
    spec.elevation = [](double d) { return 300.0 + 0.02 * d - 0.0001 * d * d; };
    return spec;
}

qt::GirderSpec TwelveSpansTenSplices() {
    qt::GirderSpec spec;
    spec.spans.assign(12, 50.0);
    spec.firstLength = -25.0;  // the reference line crosses the first span
    for (int i = 1; i <= 10; ++i) spec.splices.push_back(55.0 * i + 2.5);
    spec.elevation = [](double d) { return 512.0 + 0.01 * d; };
    return spec;
}

qt::GirderSpec LevelWithDeflection(double elevation) {
    qt::GirderSpec spec;
    spec.elevation = [elevation](double) { return elevation; };
    spec.deflection = [](double) { return std::optional<double>(0.07); };
    return spec;
}

qt::GirderSpec Decreasing() {
    qt::GirderSpec spec = TwoSpansOneSplice();
    spec.decreasing = true;
    spec.firstLength = 12.5;
    return spec;
}

// Girder lengths from -1100.0000 (its sign in column 113) through zero.
qt::GirderSpec LengthsThroughZero() {
    qt::GirderSpec spec;
    spec.spans = {600.0, 600.0};
    spec.firstLength = -1100.0;
    spec.splices = {1150.0};
    return spec;
}

qt::GirderSpec WithoutDeadLoad() {
    qt::GirderSpec spec;
    spec.deflection = [](double) { return std::optional<double>(); };
    return spec;
}

TEST_P(ToCamberValues, WritesTheProblemTheCamberProgramReadsBack) {
    const qt::GirderSpec& spec = GetParam().spec;
    ASSERT_EQ(RunListing(BridgeListing("GIRDER G1 EXT LEFT", spec)), 1) << out_.str() << err_.str();
    std::vector<quillon::camber::CamberProblem> problems = ReadCamberInput(Read("bridge.CMB"));
    ASSERT_EQ(problems.size(), 1u);
    const quillon::camber::CamberProblem& p = problems[0];
    const tc::testing::ExpectedProblem e = Expect(spec);

    // Tolerances: a unit of the last decimal written (elevations, spans and
    // deflections 0.0001 ft, splice locations 0.001 ft), which also covers
    // the single precision the camber program reads into.
    constexpr double kFourth = 1e-4;
    constexpr double kThird = 1e-3;
    EXPECT_EQ(p.supplementalFlag, 0);
    EXPECT_EQ(p.pointsOption, e.pointsCode);
    EXPECT_EQ(p.description.substr(0, 36), "GIRDER NO. 1  -  GIRDER G1 EXT LEFT ");
    ASSERT_EQ(p.spansAsRead, static_cast<int>(e.spanLengths.size()));
    ASSERT_EQ(p.splicesAsRead, static_cast<int>(e.spliceElevations.size()));
    for (size_t i = 0; i < e.spliceElevations.size(); ++i) {
        EXPECT_NEAR(p.spliceElevations[i], e.spliceElevations[i], kFourth) << "SPEL " << i;
        EXPECT_NEAR(p.spliceLocations[i], e.spliceLocations[i], kThird) << "SPLOC " << i;
    }
    double sum = 0.0;
    for (size_t s = 0; s < e.spanLengths.size(); ++s) {
        EXPECT_NEAR(p.spanLengths[s], e.spanLengths[s], kFourth) << "SPANL " << s;
        sum += p.spanLengths[s];
        for (size_t k = 0; k < e.geometricElevations[s].size(); ++k) {
            EXPECT_NEAR(p.geometricElevations[s][k], e.geometricElevations[s][k], kFourth)
                << "GEOEL " << s << "," << k;
            EXPECT_NEAR(p.deflections[s][k], e.deflections[s][k], kFourth)
                << "DEFEL " << s << "," << k;
        }
    }
    // The splice locations run from 0 to the sum of the spans.
    EXPECT_EQ(p.spliceLocations.front(), 0.0f);
    EXPECT_NEAR(p.spliceLocations.back(), sum, kThird);

    // The camber program computes and lists it.
    std::istringstream in(Read("bridge.CMB"));
    std::ostringstream listing;
    EXPECT_EQ(quillon::camber::ListCamberProblems(in, listing), 0) << listing.str();
}

INSTANTIATE_TEST_SUITE_P(
    Girders, ToCamberValues,
    ::testing::Values(ValueCase{"TwoContinuousSpansTenthPointsOneSplice", TwoSpansOneSplice()},
                      ValueCase{"TwentiethPointsSpliceOverThePier", TwentiethPoints()},
                      ValueCase{"TwelveSpansTenSplicesListsOnTwoLines", TwelveSpansTenSplices()},
                      // 1299.98 + 0.07 lists ELEV+DL as 300.0500 against 299.9800.
                      ValueCase{"DeflectionAcross1300", LevelWithDeflection(1299.98)},
                      // 999.98 + 0.07 lists ELEV+DL as 000.0500 against 999.9800.
                      ValueCase{"DeflectionAcross1000", LevelWithDeflection(999.98)},
                      ValueCase{"DecreasingStationGivesTheMirroredProblem", Decreasing()},
                      ValueCase{"GirderLengthsWithTheirSigns", LengthsThroughZero()},
                      ValueCase{"NoDeadLoadGivesZeroDeflections", WithoutDeadLoad()}),
    [](const ::testing::TestParamInfo<ValueCase>& testInfo) { return testInfo.param.name; });

TEST_F(ToCamberRunTest, WritesTheLinesOfAProblemColumnByColumn) {
    qt::GirderSpec spec;
    spec.spans = {100.0};
    spec.splices = {40.0};
    spec.elevation = [](double d) { return 1500.0 + 0.1 * d; };
    spec.deflection = [](double d) { return std::optional<double>(d * (100.0 - d) * 1e-4); };
    ASSERT_EQ(RunListing(BridgeListing("GIRDER G1", spec)), 1);
    const std::vector<std::string> lines = qt::Lines(Read("bridge.CMB"));
    // Hand-worked: elevations 1500.0 + 0.1 d keep 500.0 + 0.1 d; splice at
    // 40 ft; the deflection d (100 - d) / 10000 is 0.09 at 10 ft, 0.25 at 50.
    const std::vector<std::string> expected = {
        " 1GIRDER NO. 1  -  GIRDER G1",
        "    1    3",
        "500000050400005100000",
        "   0000  40000 100000",
        "1000000",
        "50000005010000502000050300005040000505000050600005070000508000050900005100000",
        "   0000    900   1600   2100   2400   2500   2400   2100   1600    900   0000",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 80u);
        EXPECT_EQ(lines[i].substr(0, 77), quillon::fixedform::PadRight(expected[i], 77)) << i;
        EXPECT_EQ(lines[i].substr(77),
                  quillon::fixedform::FormatI(static_cast<long long>(i) + 1, 3));
    }
}

// ---------------------------------------------------------------- refusals

struct RefusalCase {
    std::string name;
    std::function<std::string()> listing;
    std::string message;
};

class ToCamberRefusal : public ToCamberRunTest,
                        public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(ToCamberRefusal, EndsTheRunAndKeepsTheOlderCamberInput) {
    const RefusalCase& c = GetParam();
    Write("bridge.CMB", "an older camber input\n");
    EXPECT_EQ(RunListing(c.listing()), -1);
    EXPECT_EQ(out_.str(), c.message + "\n");
    EXPECT_NE(Log().find(c.message + "\n"), std::string::npos);
    EXPECT_EQ(Read("bridge.CMB"), "an older camber input\n");
}

std::vector<qt::PointRow> Rows(const std::function<void(qt::GirderSpec&)>& change) {
    qt::GirderSpec spec;  // 90 and 120 ft, tenth points from 23+50
    change(spec);
    return qt::GirderRows(spec);
}

// The listing of one girder of these rows.
std::function<std::string()> Listed(std::function<std::vector<qt::PointRow>()> rows) {
    return [rows] { return BridgeListing({{"GIRDER G1 EXT LEFT", rows()}}); };
}

// The listing of tests/two-spans-splice.lis, then pages the walk refuses.
std::string FollowedBy(const std::function<void(qt::ListingFixture&)>& pages) {
    qt::ListingFixture listing;
    listing.LongitudinalTable("GIRDER G1 EXT LEFT", qt::GirderRows(tc::testing::TwoSpansSplice()));
    pages(listing);
    return listing.Text();
}

INSTANTIATE_TEST_SUITE_P(
    Listings, ToCamberRefusal,
    ::testing::Values(
        RefusalCase{"ElevationsAcross5000", Listed([] {
                        return Rows([](qt::GirderSpec& s) {
                            s.elevation = [](double d) { return 4999.9 + 0.001 * d; };
                        });
                    }),
                    "Found elevations spanning 4000 - 5000, aborting process"},
        RefusalCase{"NoNinthPoint",
                    Listed([] { return Rows([](qt::GirderSpec& s) { s.pointsPerSpan = 9; }); }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has no tenth or twentieth points (no point "
                    "labelled -9 or -19), aborting process"},
        RefusalCase{"ExtraXPointRow", Listed([] {
                        std::vector<qt::PointRow> rows = Rows([](qt::GirderSpec&) {});
                        qt::PointRow x = rows[0];
                        x.name = qt::PointLabel('X', 0);
                        rows.insert(rows.begin() + 1, x);
                        return rows;
                    }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has 22 point rows where 2 spans of tenth "
                    "points have 21, aborting process"},
        RefusalCase{"ThirtyThreeSpans", Listed([] {
                        return Rows([](qt::GirderSpec& s) { s.spans.assign(33, 20.0); });
                    }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has 33 spans; 1 to 32 can be written, "
                    "aborting process"},
        RefusalCase{"SpanOf1000Feet",
                    Listed([] { return Rows([](qt::GirderSpec& s) { s.spans = {1000.0}; }); }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has span 1 of 1000.0000, which does not fit 7 "
                    "columns, aborting process"},
        RefusalCase{"OneBlankElevationWithDeadLoad", Listed([] {
                        return Rows([](qt::GirderSpec& s) {
                            s.deflection = [](double d) {
                                return d == 45.0 ? std::optional<double>() : 0.01;
                            };
                        });
                    }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has a blank ELEV+DL at F-5 at 23+95.0000 "
                    "where other points have one, aborting process"},
        RefusalCase{"BlankElevation", Listed([] {
                        std::vector<qt::PointRow> rows = Rows([](qt::GirderSpec&) {});
                        rows[3].elevation.reset();  // F-3, 27 ft from the abutment
                        rows[3].elevationWithDeadLoad.reset();
                        return rows;
                    }),
                    "Girder 1 'GIRDER G1 EXT LEFT' has a blank ELEVATION at F-3 at 23+77.0000, "
                    "aborting process"},
        // The walk's refusals end the run as well.
        RefusalCase{"SecondLineSet", tc::testing::SecondLineSetListing,
                    "Found a second line set on page 3; only one line set can be read, aborting "
                    "process"},
        RefusalCase{"SecondProblemOfTheStructure",
                    [] {
                        return FollowedBy([](qt::ListingFixture& l) {
                            l.SetSectionNumber(2);
                            l.TextPage({"", " HORIZONTAL ALIGNMENT"});
                        });
                    },
                    "Current structure is 'BR 47-0317', found = 'STRUCTURE ID:  BR 47-0317     "
                    "(2), aborting process'"},
        RefusalCase{"AnotherStructure",
                    [] {
                        return FollowedBy([](qt::ListingFixture& l) {
                            l.SetStructureId("BR 99-0001");
                            l.TextPage({"", " HORIZONTAL ALIGNMENT"});
                        });
                    },
                    "Current structure is 'BR 47-0317', found = 'STRUCTURE ID:  BR 99-0001, "
                    "aborting process'"},
        RefusalCase{"PageCutShort",
                    [] {
                        std::string text = FollowedBy([](qt::ListingFixture& l) {
                            l.LongitudinalTable("GIRDER G2", qt::GirderRows({}));
                        });
                        size_t heading = text.rfind("STRUCTURE ID:");
                        return text.substr(0, text.find('\n', heading) + 1);
                    },
                    "Unexpected end of file found at skipRec(), aborting process."}),
    [](const ::testing::TestParamInfo<RefusalCase>& testInfo) { return testInfo.param.name; });

// ---------------------------------------------------------------- selection

struct SelectionCase {
    std::string name;
    std::string list;
    std::vector<int> girders;  // the problems written, in order
    std::string message;       // on the console, empty for none
};

class ToCamberSelection : public ToCamberRunTest,
                          public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(ToCamberSelection, WritesTheSelectedGirdersInOrder) {
    const SelectionCase& c = GetParam();
    std::vector<tc::testing::NamedRows> girders;
    for (int n = 1; n <= 5; ++n) {
        qt::GirderSpec spec;
        spec.spans = {10.0 * n};
        girders.push_back({"GIRDER G" + std::to_string(n), qt::GirderRows(spec)});
    }
    EXPECT_EQ(RunListing(BridgeListing(girders), c.list), 1);
    EXPECT_EQ(out_.str(), c.message.empty() ? "" : c.message + "\n");
    ASSERT_TRUE(Exists("bridge.CMB"));
    std::vector<int> written;
    for (const auto& problem : ReadCamberInput(Read("bridge.CMB"))) {
        written.push_back(std::stoi(problem.description.substr(11, 2)));
        // Girder n is the one of n x 10 ft.
        EXPECT_EQ(problem.spanLengths[0], 10.0f * static_cast<float>(written.back()));
    }
    EXPECT_EQ(written, c.girders);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ToCamberSelection,
    ::testing::Values(
        SelectionCase{"TwoGirders", "2,4", {2, 4}, ""},
        SelectionCase{"InOrderOfTheListing", "4 2", {2, 4}, ""},
        SelectionCase{"RangeFromOne", "-3", {1, 2, 3}, ""},
        SelectionCase{"RangeWithBlanks", "1 - 3", {1, 2, 3}, ""},
        SelectionCase{"TwoRanges", "1-2,4-5", {1, 2, 4, 5}, ""},
        // "5" is selected before the range 5 to 3 stops the list.
        SelectionCase{
            "ReversedRange", "5-3", {5}, "Cannot process range selection in reverse order"},
        SelectionCase{"GirderZero", "1,0", {}, "Select girder numbers between 1 and 5"},
        SelectionCase{"Letter", "a", {}, "Illegal character 'a' found, re-enter."},
        SelectionCase{"Empty", "", {}, "Please enter something."},
        SelectionCase{"AboveTheGirderCount", "2,6", {}, "Select girder numbers between 1 and 5"}),
    [](const ::testing::TestParamInfo<SelectionCase>& testInfo) { return testInfo.param.name; });

// ---------------------------------------------------------------- the run

TEST_F(ToCamberRunTest, LogsTheRunAfterItsHeader) {
    ASSERT_EQ(RunListing(BridgeListing("GIRDER G1", qt::GirderSpec{}), "1"), 1);
    EXPECT_EQ(Log(), std::string(80, '-') + "\n" +
                         "Quillon to Camber data transfer v 1.00 \n"
                         "TIME: Sat Mar 14 09:30:00 2026\n\n"
                         "USER: kral\n"
                         "PATH: /usr/bin:/bin\n" +
                         std::string(80, '-') + "\n\n" +
                         "Processing load for bridge file: " + Path("bridge.lis") + "\n");
}

TEST_F(ToCamberRunTest, EndsWhenTheListingHasNoGirderOrWebTable) {
    qt::ListingFixture listing;
    listing.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
    listing.LongitudinalTable("LAYOUT LINE", qt::GirderRows({}));
    EXPECT_EQ(RunListing(listing.Text()), -1);
    EXPECT_EQ(out_.str(), "No Girders or Webs found to process in file, ABORTING PROCESS\n");
    // The whole listing was read: two pages of 6 heading records, 8 + 2
    // lines of the bent-line table and 5 + 21 of the layout line.
    EXPECT_NE(Log().find("Unexpected EOF found at seekStructure() cnt = 48, loadBridgeFile().\n"),
              std::string::npos);
}

// The listings the program tests (CTest) run are the ones made here.
TEST(FixtureListings, AreTheListingsTheTestsMake) {
    EXPECT_EQ(qc::testing::ReadFile("two-spans-splice.lis"), tc::testing::TwoSpansSpliceListing());
    EXPECT_EQ(qc::testing::ReadFile("second-line-set.lis"), tc::testing::SecondLineSetListing());
}

TEST_F(ToCamberRunTest, ChecksTheArguments) {
    EXPECT_EQ(Run({"a.lis", "1", "2"}), -1);
    EXPECT_EQ(err_.str(), "Too many arguments, aborting.\n");
    EXPECT_EQ(Run({"a.lis"}), -1);
    EXPECT_EQ(err_.str().rfind("Usage: Ql2Cmb listing[.LIS] \"girder list\"", 0), 0u);
    EXPECT_EQ(Run({}), -1);
    EXPECT_FALSE(err_.str().empty());
}

TEST_F(ToCamberRunTest, ReadsAListingWithCarriageReturnsAsTheSame) {
    const std::string listing = tc::testing::TwoSpansSpliceListing();
    ASSERT_EQ(RunListing(listing), 1);
    const std::string expected = Read("bridge.CMB");
    std::string crlf;
    for (char c : listing) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    ASSERT_EQ(RunListing(crlf), 1);
    EXPECT_EQ(Read("bridge.CMB"), expected);
}

TEST_F(ToCamberRunTest, ReadsAListingNamedWithoutExtensionAsLis) {
    Write("bridge.LIS", BridgeListing("GIRDER G1", qt::GirderSpec{}));
    EXPECT_EQ(Run({Path("bridge"), "1"}), 1);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(ReadCamberInput(Read("bridge.CMB")).size(), 1u);
}

TEST_F(ToCamberRunTest, WarnsOfAnotherExtensionAndGoesOn) {
    Write("bridge.txt", BridgeListing("GIRDER G1", qt::GirderSpec{}));
    EXPECT_EQ(Run({Path("bridge.txt"), "1"}), 1);
    EXPECT_EQ(out_.str(), "Input file name extension is not valid\n");
    EXPECT_TRUE(Exists("bridge.CMB"));
}

TEST_F(ToCamberRunTest, EndsWhenTheListingCannotBeOpened) {
    Write("bridge.CMB", "older\n");
    EXPECT_EQ(Run({Path("bridge.lis"), "1"}), -1);
    EXPECT_EQ(err_.str(),
              "Qlvr->Cmbr-E-Error opening " + Path("bridge.lis") + ".  Aborting process\n");
    EXPECT_EQ(Read("bridge.CMB"), "older\n");
    EXPECT_EQ(Run({"", "1"}), -1);
    EXPECT_EQ(out_.str(), "Quillon file name must be entered\n");
}

// Read-only for everyone, root too: refused, and never removed.
TEST_F(ToCamberRunTest, AReadOnlyCamberInputIsRefusedAndKept) {
    Write("bridge.CMB", "a read-only camber input\n");
    fs::permissions(folder_ / "bridge.CMB",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(RunListing(BridgeListing("GIRDER G1", qt::GirderSpec{})), -1);
    EXPECT_NE(err_.str().find("(Permission denied)"), std::string::npos) << err_.str();
    EXPECT_EQ(Read("bridge.CMB"), "a read-only camber input\n");
}

TEST_F(ToCamberRunTest, LeavesAListingNamedAsTheCamberInputAlone) {
    const std::string listing = BridgeListing("GIRDER G1", qt::GirderSpec{});
    Write("bridge.CMB", listing);
    EXPECT_EQ(Run({Path("bridge.CMB"), "1"}), -1);
    EXPECT_EQ(Read("bridge.CMB"), listing);
    EXPECT_NE(err_.str().find("is also the camber input file"), std::string::npos);
}

TEST_F(ToCamberRunTest, EndsWhenTheLogCannotBeOpened) {
    fs::create_directory(folder_ / "Qlvr2Cmbr.ELF");  // a folder where the log belongs
    EXPECT_EQ(RunListing(BridgeListing("GIRDER G1", qt::GirderSpec{})), -1);
    EXPECT_EQ(err_.str(), "Qlvr->Cmbr-E-Error opening log file.  Aborting process\n");
    EXPECT_FALSE(Exists("bridge.CMB"));
}

}  // namespace
