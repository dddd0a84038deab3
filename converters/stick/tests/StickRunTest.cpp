#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "converters/common/tests/ListingFixture.hpp"
#include "converters/common/tests/TempFolder.hpp"
#include "converters/stick/StickRun.hpp"
#include "converters/stick/tests/StickFixture.hpp"
#include "converters/stick/tests/StickTestSupport.hpp"
#include "fixedform/FieldReader.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace st = quillon::converters::stick;
namespace qc = quillon::converters;
namespace ff = quillon::fixedform;
namespace fs = std::filesystem;
using st::testing::Records;

namespace {

std::string Read(const fs::path& path) { return qc::testing::ReadFile(path); }

TEST(StickFixture, IsTheListingLaidOutColumnByColumn) {
    std::string listing = Read("bridge.lis");
    EXPECT_EQ(listing, st::testing::StickFixtureListing());
    std::vector<std::string> lines = Records(listing);
    auto line = [&](const std::string& start) {
        auto found = std::find_if(lines.begin(), lines.end(),
                                  [&](const std::string& l) { return l.rfind(start, 0) == 0; });
        EXPECT_NE(found, lines.end()) << start;
        return found == lines.end() ? std::string() : *found;
    };
    // The horizontal-control group goes on under "(CONT)" before its 43rd bent line.
    std::string continued = line("        * HORIZONTAL CONTROL");
    EXPECT_EQ(ff::Columns(continued, 31, 6), "(CONT)");
    std::string abutment = line(" CL ABUT 1       10+00.0000   -50.0000");
    EXPECT_EQ(ff::Columns(abutment, 41, 10), " 1005.2500");
    EXPECT_EQ(ff::Columns(abutment, 60, 12), "   -120.0000");
    EXPECT_EQ(ff::Columns(abutment, 72, 12), "    -50.0000");
    EXPECT_EQ(ff::Columns(line("     F-9"), 2, 10), "    F-9   ");
    EXPECT_EQ(ff::Columns(line(" CL DIA 2        10+30.0000"), 41, 10), std::string(10, ' '));
}

class StickRunTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder_.path() / name).string(); }
    void CopyFixture(const std::string& name) const {
        fs::copy_file("bridge.lis", folder_.path() / name);
    }
    int Run(const std::vector<std::string>& args) {
        return st::RunStFi(args, env_, qc::ConverterConsole{out_, err_}, folder_.path());
    }
    std::vector<std::string> Outputs() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            std::string name = entry.path().filename().string();
            if (name != "bridge.lis" && name != "Qlvr2Stick.ELF") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    qc::testing::TempFolder folder_;
    quillon::FixedEnvironment env_{{2026, 5, 4, 9, 30, 0}, "designer", "/usr/bin"};
    std::ostringstream out_, err_;
};

TEST_F(StickRunTest, WritesTheGoldenS5000AndGenioFilesOfTheFixture) {
    CopyFixture("bridge.lis");
    ASSERT_EQ(Run({Path("bridge.lis"), "28"}), 1) << err_.str() << out_.str();
    EXPECT_EQ(Records(Read(Path("bridge.DQ"))), Records(Read("bridge.DQ")));
    EXPECT_EQ(Read(Path("bridge.DQ")), Read("bridge.DQ"));
    // Given by its full path, the listing still names the GENIO job "brid".
    EXPECT_EQ(Records(Read(Path("bridge.MOSS"))), Records(Read("bridge.MOSS")));
    EXPECT_EQ(Read(Path("bridge.MOSS")), Read("bridge.MOSS"));
    EXPECT_TRUE(fs::exists(Path("bridge.DXF")));
    EXPECT_NE(out_.str().find("Processing S5000 output ... \n"), std::string::npos);
    EXPECT_EQ(err_.str(), "");
}

TEST_F(StickRunTest, LogsTheRunAndTheRowThatIsNotDrawn) {
    CopyFixture("bridge.lis");
    ASSERT_EQ(Run({Path("bridge.lis"), "4"}), 1);
    std::string log = Read(Path("Qlvr2Stick.ELF"));
    EXPECT_EQ(log.rfind(std::string(80, '-') + "\nQuillon to Stick figure v 1.00 \n", 0), 0u)
        << log;
    EXPECT_NE(log.find("TIME: Mon May  4 09:30:00 2026\n\nUSER: designer\nPATH: /usr/bin\n"),
              std::string::npos);
    EXPECT_NE(log.find("Loading bridge file: " + Path("bridge.lis") + "\n"), std::string::npos);
    EXPECT_NE(
        log.find("Row 'CL DIA 2' of line 'GIRDER 2' has no X, Y or ELEVATION; it is not drawn."),
        std::string::npos);
}

TEST_F(StickRunTest, DxfHoldsAPolylinePerDrawnLineAndTransverseLine) {
    CopyFixture("bridge.lis");
    ASSERT_EQ(Run({Path("bridge.lis"), "8"}), 1);
    std::vector<std::string> records = Records(Read(Path("bridge.DXF")));
    // Five lines; CL ABUT 1, CL PIER 2, CL ABUT 3 and BF 1 across them (CL BRG 2, CL DIA 1
    // and CL TEMP 1 cross one line each).
    EXPECT_EQ(std::count(records.begin(), records.end(), "POLYLINE"), 9);
    EXPECT_EQ(records[3], "TIME: Mon May  4 09:30:00 2026");
    EXPECT_EQ(records[7], "BRIDGE FILE: " + Path("bridge.lis"));
    EXPECT_EQ(Outputs(), std::vector<std::string>{"bridge.DXF"});
}

TEST_F(StickRunTest, DxfNamesTheBridgeFileByItsAbsolutePath) {
    // Named from the folder it lies in, the listing is still named whole
    // (and not after PATH, which the environment holds as "/usr/bin").
    CopyFixture("bridge.lis");
    const fs::path before = fs::current_path();
    fs::current_path(folder_.path());
    const int status = Run({"./bridge.lis", "8"});
    fs::current_path(before);
    ASSERT_EQ(status, 1) << err_.str();
    std::vector<std::string> records = Records(Read(Path("bridge.DXF")));
    ASSERT_GT(records.size(), 7u);
    EXPECT_EQ(records[7],
              "BRIDGE FILE: " + (fs::canonical(folder_.path()) / "bridge.lis").string());
}

struct MaskCase {
    std::string name;
    std::string mask;
    int status;
    std::vector<std::string> outputs;
};

class Masks : public StickRunTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(Masks, ChooseTheFilesWritten) {
    CopyFixture("bridge.lis");
    EXPECT_EQ(Run({Path("bridge.lis"), GetParam().mask}), GetParam().status) << err_.str();
    EXPECT_EQ(Outputs(), GetParam().outputs);
    if (GetParam().status == -1) {
        EXPECT_EQ(static_cast<unsigned char>(GetParam().status), 255);
        EXPECT_EQ(err_.str().rfind("Usage: QlStFi listing[.LIS] mask", 0), 0u) << err_.str();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, Masks,
    ::testing::Values(MaskCase{"S5000AndDxf", "12", 1, {"bridge.DQ", "bridge.DXF"}},
                      MaskCase{"Genio", "16", 1, {"bridge.MOSS"}},
                      MaskCase{"All", "28", 1, {"bridge.DQ", "bridge.DXF", "bridge.MOSS"}},
                      MaskCase{"LowBitsOnly", "3", 1, {}}, MaskCase{"Zero", "0", 1, {}},
                      MaskCase{"Above31", "64", 1, {}},
                      MaskCase{"LeadingZeros", "016", 1, {"bridge.MOSS"}},
                      MaskCase{"Letters", "abc", -1, {}}, MaskCase{"Negative", "-4", -1, {}},
                      MaskCase{"Empty", "", -1, {}}, MaskCase{"FourDigits", "0016", -1, {}},
                      MaskCase{"Blank", " 4", -1, {}}),
    quillon::testsupport::CaseName());

TEST_F(StickRunTest, RefusesMoreThanTwoArgumentsAndFewer) {
    CopyFixture("bridge.lis");
    EXPECT_EQ(Run({Path("bridge.lis"), "4", "x"}), -1);
    EXPECT_EQ(err_.str(), "Too many arguments, aborting.\n");
    err_.str("");
    EXPECT_EQ(Run({Path("bridge.lis")}), -1);
    EXPECT_EQ(Run({}), -1);
    EXPECT_EQ(err_.str().rfind("Usage: QlStFi", 0), 0u);
    EXPECT_EQ(Outputs(), std::vector<std::string>{});
}

TEST_F(StickRunTest, AddsLisToANameWithoutExtension) {
    CopyFixture("job.LIS");
    ASSERT_EQ(Run({Path("job"), "16"}), 1) << err_.str();
    EXPECT_EQ(Records(Read(Path("job.MOSS")))[0], "GENIO, job");
}

// The header once took four bytes of the name and ended inside its "\xC3\xBC".
TEST_F(StickRunTest, TheGenioHeaderKeepsAWholeCharacterOfTheListingName) {
    CopyFixture("aaa\xC3\xBC.lis");
    ASSERT_EQ(Run({Path("aaa\xC3\xBC.lis"), "16"}), 1) << err_.str();
    EXPECT_EQ(Records(Read(Path("aaa\xC3\xBC.MOSS")))[0], "GENIO, aaa\xC3\xBC");
}

TEST_F(StickRunTest, RefusesAListingThatIsOneOfItsOutputs) {
    CopyFixture("x.DXF");
    EXPECT_EQ(Run({Path("x.DXF"), "12"}), -1);
    EXPECT_NE(err_.str().find("is also the output file"), std::string::npos);
    EXPECT_EQ(Read(Path("x.DXF")), Read("bridge.lis"));
    EXPECT_FALSE(fs::exists(Path("x.DQ")));
    // The S5000 file alone is another file.
    EXPECT_EQ(Run({Path("x.DXF"), "4"}), 1);
    EXPECT_TRUE(fs::exists(Path("x.DQ")));
}

TEST_F(StickRunTest, ReportsAListingThatCannotBeOpened) {
    EXPECT_EQ(Run({Path("missing.lis"), "4"}), -1);
    EXPECT_EQ(err_.str(),
              "Qlvr->Stick-E-Error opening " + Path("missing.lis") + ".  Aborting process\n");
}

TEST_F(StickRunTest, ReportsAnOutputThatCannotBeWritten) {
    CopyFixture("bridge.lis");
    fs::create_directory(Path("bridge.MOSS"));
    fs::create_directory(Path("bridge.MOSS/inside"));
    EXPECT_EQ(Run({Path("bridge.lis"), "20"}), -1);
    EXPECT_NE(err_.str().find("Qlvr->Stick-E-Error opening " + Path("bridge.MOSS")),
              std::string::npos);
    // Complete before it but not renamed: no file takes its name until all are whole.
    EXPECT_FALSE(fs::exists(Path("bridge.DQ")));
    EXPECT_EQ(Outputs(), std::vector<std::string>{"bridge.MOSS"});
}

// A full disk stops one of the three files half-way: none of the old ones
// is replaced, so the set stays one run's.
TEST_F(StickRunTest, ADiskThatFillsHalfWayKeepsAllThreeOldFiles) {
    CopyFixture("bridge.lis");
    ASSERT_EQ(Run({Path("bridge.lis"), "28"}), 1) << err_.str();
    std::vector<size_t> sizes;
    for (const char* name : {"bridge.DQ", "bridge.DXF", "bridge.MOSS"}) {
        sizes.push_back(Read(Path(name)).size());
        std::ofstream(Path(name)) << "old " << name << "\n";
    }
    std::sort(sizes.begin(), sizes.end());
    ASSERT_LT(sizes.front(), sizes.back());
    const int status = quillon::testing::WaitStatusOfChild(
        [&] {
            return Run({Path("bridge.lis"), "28"});
        },
        (sizes.front() + sizes.back()) / 2);
    EXPECT_EQ(quillon::testing::ExitStatus(status), 255);  // -1
    for (const char* name : {"bridge.DQ", "bridge.DXF", "bridge.MOSS"})
        EXPECT_EQ(Read(Path(name)), std::string("old ") + name + "\n");
    EXPECT_EQ(Outputs(), (std::vector<std::string>{"bridge.DQ", "bridge.DXF", "bridge.MOSS"}));
}

TEST_F(StickRunTest, ReportsALogThatCannotBeOpened) {
    CopyFixture("bridge.lis");
    EXPECT_EQ(st::RunStFi({Path("bridge.lis"), "4"}, env_, qc::ConverterConsole{out_, err_},
                          folder_.path() / "no-such-folder"),
              -1);
    EXPECT_EQ(err_.str(), "Qlvr->Stick-E-Error opening log file.  Aborting process\n");
    EXPECT_FALSE(fs::exists(Path("bridge.DQ")));
}

// Listings made in the test: what the walk refuses or does not find.
struct ListingCase {
    std::string name;
    std::function<std::string()> listing;
    std::string message;
    std::string messageEnd = "\n";  // how the console line ends
};

class Listings : public StickRunTest, public ::testing::WithParamInterface<ListingCase> {};

TEST_P(Listings, EndTheRunWithTheirMessage) {
    std::ofstream(Path("job.lis"), std::ios::binary) << GetParam().listing();
    EXPECT_EQ(Run({Path("job.lis"), "28"}), -1);
    EXPECT_NE(out_.str().find(GetParam().message), std::string::npos) << out_.str();
    EXPECT_TRUE(out_.str().ends_with(GetParam().messageEnd)) << out_.str();
    EXPECT_NE(Read(Path("Qlvr2Stick.ELF")).find(GetParam().message), std::string::npos);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder_.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Qlvr2Stick.ELF", "job.lis"}));
}

std::string BentTableOnly() {
    qc::testing::ListingFixture f;
    f.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
    return f.Text();
}

std::string TwoLineSets() {
    qc::testing::ListingFixture f;
    f.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
    f.LongitudinalTable("GIRDER 1", st::testing::FixtureRows(0, {{"CL ABUT 1", 0, 100}}));
    f.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
    return f.Text();
}

std::string AnotherStructure() {
    qc::testing::ListingFixture f;
    f.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
    f.LongitudinalTable("GIRDER 1", st::testing::FixtureRows(0, {{"CL ABUT 1", 0, 100}}));
    f.SetStructureId("BR 99");
    f.LongitudinalTable("GIRDER 2", st::testing::FixtureRows(0, {{"CL ABUT 1", 0, 100}}));
    return f.Text();
}

INSTANTIATE_TEST_SUITE_P(
    Refused, Listings,
    ::testing::Values(
        ListingCase{"NoLongitudinalTable", BentTableOnly, "No girders were found in bridge file :/",
                    ", aborting run.\n"},
        ListingCase{"Empty", [] { return std::string(); },
                    "No girders were found in bridge file :/", ", aborting run.\n"},
        ListingCase{"SecondLineSet", TwoLineSets,
                    "Found a second line set on page 3; only one line set can be read, aborting "
                    "process"},
        ListingCase{"AnotherStructure", AnotherStructure,
                    "Current structure is 'BR 47-0317', found = 'STRUCTURE ID:  BR 99, aborting "
                    "process'"}),
    quillon::testsupport::CaseName());

}  // namespace
