#include <gtest/gtest.h>

#include <sstream>

#include "converters/common/ListingLayout.hpp"
#include "converters/common/ListingWalker.hpp"
#include "converters/common/TextRoutines.hpp"
#include "converters/common/tests/ListingFixture.hpp"
#include "fixedform/FieldReader.hpp"

namespace qc = quillon::converters;
namespace qt = quillon::converters::testing;
namespace ff = quillon::fixedform;
using Kind = qc::WalkEvent::Kind;

namespace {

using qt::Lines;

bool TakesGirdersAndWebs(std::string_view name) {
    return name.find("GIR") != std::string_view::npos || name.find("WEB") != std::string_view::npos;
}

// The options of the two readers, with the fields each reads.
qc::ListingWalkOptions CamberOptions() {
    qc::ListingWalkOptions options;
    options.takesTable = TakesGirdersAndWebs;
    options.fieldsRead = {qc::listing::kElevation, qc::listing::kElevationWithDeadLoad,
                          qc::listing::kGirderLength};
    options.listingName = "job.lis";
    return options;
}
qc::ListingWalkOptions StickOptions() {
    qc::ListingWalkOptions options;
    options.progressDots = true;
    options.endAtSeekAborts = true;
    options.fieldsRead = {qc::listing::kX, qc::listing::kY, qc::listing::kElevation};
    options.listingName = "job.lis";
    return options;
}

struct Walk {
    std::vector<qc::WalkEvent> events;
    std::string console;

    const qc::WalkEvent& Last() const { return events.back(); }
    std::vector<std::string> Tables() const {
        std::vector<std::string> names;
        for (const auto& e : events)
            if (e.kind == Kind::TableOpened) names.push_back(e.text);
        return names;
    }
    std::vector<std::string> Rows(int table) const {
        std::vector<std::string> rows;
        for (const auto& e : events)
            if (e.kind == Kind::Row && e.table == table) rows.push_back(e.text);
        return rows;
    }
};

Walk WalkListing(const std::string& text, qc::ListingWalkOptions options = CamberOptions()) {
    std::istringstream in(text);
    std::ostringstream console;
    qc::ListingWalker walker(in, std::move(options), console);
    Walk walk;
    for (int guard = 0; guard < 100000; ++guard) {
        walk.events.push_back(walker.Next());
        if (walk.Last().kind == Kind::End || walk.Last().kind == Kind::Abort) break;
    }
    // Once ended, the walk stays ended.
    EXPECT_EQ(walker.Next().kind, walk.Last().kind);
    walk.console = console.str();
    return walk;
}

std::string Name(const std::string& row) {
    return qc::RightTrim(qc::listing::FieldText(row, qc::listing::kPointName));
}

std::vector<std::string> Names(const std::vector<std::string>& rows) {
    std::vector<std::string> names;
    for (const std::string& row : rows) names.push_back(Name(row));
    return names;
}

std::vector<std::string> Names(const std::vector<qt::PointRow>& rows) {
    std::vector<std::string> texts;
    for (const qt::PointRow& row : rows) texts.push_back(qt::LongitudinalRow(row));
    return Names(texts);
}

// One structure, one line set: the alignment page, the bent-line table,
// girders G1 (five spans: 51 rows, so continued on a second page) and G2,
// a layout line between them, and the roadway approaches after them.
struct OneLineSet {
    qt::ListingFixture listing;
    std::vector<qt::PointRow> g1, g2, layout;

    OneLineSet() {
        qt::GirderSpec five;
        five.spans = {50.0, 60.0, 60.0, 60.0, 50.0};
        g1 = qt::GirderRows(five);
        g2 = qt::GirderRows(qt::GirderSpec{});
        layout = qt::GirderRows(qt::GirderSpec{});
        listing.TextPage({"", " HORIZONTAL ALIGNMENT", " PI STATION 25+00.00"});
        listing.BentLineTable({"CL ABUT 1", "CL PIER 2", "CL ABUT 3"});
    }
    void Girders() {
        listing.LongitudinalTable("GIRDER G1 EXT LEFT", g1);
        listing.LongitudinalTable("LAYOUT LINE", layout);
        listing.LongitudinalTable("GIRDER G2 INTERIOR", g2);
    }
    void Approaches() { listing.TextPage({"", " ROADWAY APPROACHES", " BACK APPROACH"}); }
};

// ---------------------------------------------------------------- fixtures

TEST(ListingFixture, LaysOutTitlesHeaderAndRowsInTheTableColumns) {
    qt::ListingFixture listing;
    qt::GirderSpec spec;
    spec.spans = {50.0, 60.0, 60.0, 60.0, 50.0};
    spec.deflection = [](double) { return std::optional<double>(0.0512); };
    listing.LongitudinalTable("GIRDER G1 EXT LEFT", qt::GirderRows(spec));
    const std::vector<std::string> lines = Lines(listing.Text());

    // Page 1: five title-block records, the heading, an empty line, the title,
    // an empty line, the header, an empty line and 45 rows; page 2 opens with
    // a blank and a form feed before the title block's first record.
    ASSERT_GE(lines.size(), 62u);
    EXPECT_EQ(ff::Columns(lines[0], 56, 19), "State  of  Vandemor");
    EXPECT_EQ(ff::Columns(lines[5], 2, 15), "STRUCTURE ID:  ");
    EXPECT_EQ(ff::Columns(lines[5], 17, 10), "BR 47-0317");
    EXPECT_EQ(ff::Columns(lines[7], 9, 20), "GIRDER G1 EXT LEFT  ");
    EXPECT_EQ(ff::Columns(lines[7], 31, 6), "      ");
    EXPECT_EQ(ff::Columns(lines[7], 42, 30), "PARALLEL TO HORIZONTAL CONTROL");
    EXPECT_EQ(ff::Columns(lines[7], 99, 35), " 0.875000 FEET BELOW FINISHED GRADE");
    const std::string& header = lines[9];
    EXPECT_EQ(ff::Columns(header, 1, 10), " BENT LINE");
    EXPECT_EQ(ff::Columns(header, 2, 67),
              "BENT LINE        STATION       OFFSET   ELEVATION  ELEV+DL        X");
    EXPECT_EQ(ff::Columns(header, 79, 1), "Y");
    EXPECT_EQ(ff::Columns(header, 88, 9), "BENT LNTH");
    EXPECT_EQ(ff::Columns(header, 103, 4), "SKEW");
    EXPECT_EQ(ff::Columns(header, 113, 21), "GIRDER LNTH   CRS-SLP");

    // Rows: the abutment, then F-1 at 5 ft (elevation 600.05, ELEV+DL 600.1012).
    const std::string& abutment = lines[11];
    const std::string& point = lines[12];
    EXPECT_EQ(ff::Columns(abutment, 1, 11), " CL ABUT 1 ");
    EXPECT_EQ(ff::Columns(point, 2, 6), "    F-");
    EXPECT_EQ(ff::Columns(point, 2, 10), "    F-1   ");
    EXPECT_EQ(ff::Columns(point, 15, 13), "   23+55.0000");
    EXPECT_EQ(ff::Columns(point, 28, 11), "   -10.0000");
    EXPECT_EQ(ff::Columns(point, 41, 10), "  600.0500");
    EXPECT_EQ(ff::Columns(point, 51, 9), " 600.1012");  // 1X A8: characters 3-10 of F10.4
    EXPECT_EQ(ff::Columns(point, 60, 12), "      5.0000");
    EXPECT_EQ(ff::Columns(point, 67, 1), ".");
    EXPECT_EQ(ff::Columns(point, 72, 12), "    -10.0000");
    EXPECT_EQ(ff::Columns(point, 79, 1), ".");
    EXPECT_EQ(ff::Columns(point, 111, 12), "      5.0000");
    EXPECT_EQ(ff::Columns(point, 124, 10), " -0.020000");

    // 51 rows: 45 on page 1 would leave 6 for page 2, so the break comes
    // after 45 rows; the continued title carries "(CONT)" in 31-36.
    const std::string& pageTwo = lines[11 + 45];
    EXPECT_EQ(pageTwo.substr(0, 2), " \f");
    EXPECT_EQ(ff::Columns(pageTwo, 58, 19), "State  of  Vandemor");  // after " \f"
    EXPECT_EQ(ff::Columns(lines[11 + 45 + 7], 31, 6), "(CONT)");
    EXPECT_EQ(ff::Columns(lines[11 + 45 + 7], 9, 20), "GIRDER G1 EXT LEFT  ");
    EXPECT_EQ(ff::Columns(lines[11 + 45 + 9], 2, 9), "BENT LINE");
    EXPECT_EQ(Name(lines[11 + 45 + 11]), "    F-5");  // row 46: span 5, point 5
}

TEST(ListingFixture, ContinuesTheHorizontalControlGroupBeforeItsFortyThirdRow) {
    qt::ListingFixture listing;
    std::vector<std::string> bents;
    for (int i = 1; i <= 43; ++i) bents.push_back("CL BENT " + std::to_string(i));
    listing.BentLineTable(bents);
    const std::vector<std::string> lines = Lines(listing.Text());
    EXPECT_EQ(ff::Columns(lines[7], 27, 18), "INTERSECTION POINT");
    EXPECT_EQ(ff::Columns(lines[12], 6, 53),
              "* HORIZONTAL CONTROL  LINE *        AT FINISHED GRADE");
    EXPECT_EQ(Name(lines[14 + 41]), "CL BENT 42");
    const std::string& title = lines[14 + 42 + 7];
    EXPECT_EQ(ff::Columns(title, 9, 28), "* HORIZONTAL CONTROL  (CONT)");
    EXPECT_EQ(ff::Columns(title, 109, 25), "        AT FINISHED GRADE");
    EXPECT_EQ(ff::Columns(lines[14 + 42 + 9], 2, 9), "BENT LINE");
    EXPECT_EQ(Name(lines[14 + 42 + 11]), "CL BENT 43");
}

// ------------------------------------------------------------------- walks

TEST(ListingWalker, HandsOnTheRowsOfEveryGirderTableAcrossPages) {
    OneLineSet bridge;
    bridge.Girders();
    bridge.Approaches();
    Walk walk = WalkListing(bridge.listing.Text());
    ASSERT_EQ(walk.Last().kind, Kind::End);
    EXPECT_EQ(walk.Tables(),
              (std::vector<std::string>{"GIRDER G1 EXT LEFT", "GIRDER G2 INTERIOR"}));
    // All 51 rows of G1, the six of its second page (after the form feed) too.
    EXPECT_EQ(Names(walk.Rows(0)), Names(bridge.g1));
    EXPECT_EQ(Names(walk.Rows(1)), Names(bridge.g2));
    EXPECT_EQ(walk.console, "");
}

TEST(ListingWalker, TakesEveryLongitudinalTableWhenTheReaderAsksForAll) {
    OneLineSet bridge;
    bridge.Girders();
    Walk walk = WalkListing(bridge.listing.Text(), StickOptions());
    ASSERT_EQ(walk.Last().kind, Kind::End);
    EXPECT_EQ(walk.Tables(), (std::vector<std::string>{"GIRDER G1 EXT LEFT", "LAYOUT LINE",
                                                       "GIRDER G2 INTERIOR"}));
    EXPECT_EQ(Names(walk.Rows(1)), Names(bridge.layout));
    // A dot for every line skipped or passed over on the way.
    EXPECT_FALSE(walk.console.empty());
    EXPECT_EQ(walk.console.find_first_not_of('.'), std::string::npos);
}

TEST(ListingWalker, PassesOverPagesWrittenBeforeTheFirstStructure) {
    qt::ListingFixture listing;
    listing.SetPlaceholderId();
    listing.TextPage({"", " IGNORED LINES", " 04 CARD BEFORE ITS PROBLEM"});
    listing.SetStructureId("BR 47-0317");
    listing.LongitudinalTable("GIRDER G1", qt::GirderRows(qt::GirderSpec{}));
    Walk walk = WalkListing(listing.Text());
    ASSERT_EQ(walk.Last().kind, Kind::End) << walk.Last().text;
    EXPECT_EQ(walk.Tables(), std::vector<std::string>{"GIRDER G1"});
}

TEST(ListingWalker, OpensNoTableAtTheHorizontalControlContinuation) {
    qt::ListingFixture listing;
    std::vector<std::string> bents;
    for (int i = 1; i <= 43; ++i) bents.push_back("CL BENT " + std::to_string(i));
    listing.BentLineTable(bents);
    listing.LongitudinalTable("GIRDER G1", qt::GirderRows(qt::GirderSpec{}));
    for (const auto& options : {CamberOptions(), StickOptions()}) {
        Walk walk = WalkListing(listing.Text(), options);
        ASSERT_EQ(walk.Last().kind, Kind::End) << walk.Last().text;
        EXPECT_EQ(walk.Tables(), std::vector<std::string>{"GIRDER G1"});
        EXPECT_EQ(walk.Rows(0).size(), 21u);
    }
}

TEST(ListingWalker, PassesOverAGirderTitleWithoutTheLongitudinalHeader) {
    qt::ListingFixture listing;
    listing.TextPage({"", ff::Record().Column(9).Text("GIRDER SCHEDULE").Column(60).Text("X").str(),
                      "", " NOT THE HEADER", ""});
    listing.LongitudinalTable("GIRDER G1", qt::GirderRows(qt::GirderSpec{}));
    Walk walk = WalkListing(listing.Text());
    ASSERT_EQ(walk.Last().kind, Kind::End);
    EXPECT_EQ(walk.Tables(), std::vector<std::string>{"GIRDER G1"});
}

TEST(ListingWalker, KeepsAContinuedTableNotTakenClosed) {
    qt::ListingFixture listing;
    qt::GirderSpec five;
    five.spans = {50.0, 60.0, 60.0, 60.0, 50.0};
    listing.LongitudinalTable("GIRDER G1", qt::GirderRows(qt::GirderSpec{}));
    listing.LongitudinalTable("EDGE OF DECK LEFT", qt::GirderRows(five));  // 51 rows, continued
    listing.LongitudinalTable("GIRDER G2", qt::GirderRows(qt::GirderSpec{}));
    Walk walk = WalkListing(listing.Text());
    ASSERT_EQ(walk.Last().kind, Kind::End);
    EXPECT_EQ(walk.Rows(0).size(), 21u);
    EXPECT_EQ(walk.Rows(1).size(), 21u);
}

TEST(ListingWalker, EndsWhereTheListingEndsAfterATitleBlockLine) {
    OneLineSet bridge;
    bridge.Girders();
    std::string text = bridge.listing.Text() + " \f" + "    State  of  Vandemor\n";
    EXPECT_EQ(WalkListing(text).Last().kind, Kind::End);
    Walk stick = WalkListing(text, StickOptions());
    EXPECT_EQ(stick.Last().kind, Kind::Abort);
    EXPECT_EQ(stick.Last().text,
              "Unexpected end of file found at seekStructure(), aborting process.");
}

TEST(ListingWalker, EndsWithoutTablesOrAbortsAtSeekByTheReadersOption) {
    qt::ListingFixture listing;
    listing.TextPage({"", " HORIZONTAL ALIGNMENT"});
    std::istringstream in(listing.Text());
    std::ostringstream console;
    qc::ListingWalker walker(in, CamberOptions(), console);
    EXPECT_EQ(walker.Next().kind, Kind::End);
    EXPECT_EQ(walker.TablesOpened(), 0);
    EXPECT_EQ(walker.LinesRead(), 8);

    Walk stick = WalkListing(listing.Text(), StickOptions());
    EXPECT_EQ(stick.Last().text,
              "Unexpected end of file found at seekStructure(), aborting process.");
}

// ------------------------------------------------------------ refusals

struct RefusalCase {
    std::string name;
    std::function<void(OneLineSet&)> after;  // what follows the girder tables
    std::function<std::string(std::string)> cut;
    std::string message;
};

class ListingWalkerRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ListingWalkerRefusal, EndsTheWalkWithItsMessage) {
    const RefusalCase& c = GetParam();
    OneLineSet bridge;
    bridge.Girders();
    if (c.after) c.after(bridge);
    std::string text = bridge.listing.Text();
    if (c.cut) text = c.cut(text);
    for (const auto& options : {CamberOptions(), StickOptions()}) {
        Walk walk = WalkListing(text, options);
        ASSERT_EQ(walk.Last().kind, Kind::Abort);
        EXPECT_EQ(walk.Last().text, c.message);
    }
}

// The listing up to and including its last heading line.
std::string CutAfterLastHeading(const std::string& text) {
    size_t at = text.rfind("STRUCTURE ID:");
    return text.substr(0, text.find('\n', at) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, ListingWalkerRefusal,
    ::testing::Values(
        RefusalCase{"SecondLineSet",
                    [](OneLineSet& b) {
                        b.listing.BentLineTable({"CL ABUT 1", "CL ABUT 2"});
                        b.listing.LongitudinalTable("GIRDER G1", qt::GirderRows({}));
                    },
                    {},
                    // Pages: alignment 1, bent lines 2, G1 3-4, layout 5, G2 6.
                    "Found a second line set on page 7; only one line set can be read, aborting "
                    "process"},
        RefusalCase{"SecondProblemOfTheStructure",
                    [](OneLineSet& b) {
                        b.listing.SetSectionNumber(2);
                        b.listing.TextPage({"", " HORIZONTAL ALIGNMENT"});
                    },
                    {},
                    "Current structure is 'BR 47-0317', found = 'STRUCTURE ID:  BR 47-0317     "
                    "(2), aborting process'"},
        RefusalCase{"AnotherStructure",
                    [](OneLineSet& b) {
                        b.listing.SetStructureId("BR 99-0001");
                        b.listing.TextPage({"", " HORIZONTAL ALIGNMENT"});
                    },
                    {},
                    "Current structure is 'BR 47-0317', found = 'STRUCTURE ID:  BR 99-0001, "
                    "aborting process'"},
        RefusalCase{"PageCutShort",
                    {},
                    CutAfterLastHeading,
                    "Unexpected end of file found at skipRec(), aborting process."}),
    [](const ::testing::TestParamInfo<RefusalCase>& testInfo) { return testInfo.param.name; });

// ------------------------------------------------------------ the end

// The box the engine lists when a deck ends in a blank card: it takes the
// card for a new Problem, so the page carries the next section number.
void BlankCardBoxOfTheNextSection(OneLineSet& b) {
    const std::string frame = ff::Record().Column(26).Text("ERROR").Column(96).Text("ERROR").str();
    b.listing.SetSectionNumber(2);
    b.listing.TextPage({"", frame,
                        ff::Record()
                            .Column(26)
                            .Text("ERROR")
                            .Column(51)
                            .Text("BLANK LINE(S) ENCOUNTERED")
                            .Column(96)
                            .Text("ERROR")
                            .str(),
                        ff::Record()
                            .Column(26)
                            .Text("ERROR")
                            .Column(52)
                            .Text("JUST BEFORE END-OF-FILE")
                            .Column(96)
                            .Text("ERROR")
                            .str(),
                        frame});
}

struct EndCase {
    std::string name;
    std::function<void(OneLineSet&)> after;  // the pages after the girder tables
};

class ListingWalkerEnd : public ::testing::TestWithParam<EndCase> {};

// The walk ends at the first page after the tables that is no longitudinal
// table: what follows it is not read. A deck that ended in a blank line once
// had both readers refuse its listing at the page of its box.
TEST_P(ListingWalkerEnd, ReadsTheTablesAndNothingAfterThem) {
    OneLineSet bridge;
    bridge.Girders();
    GetParam().after(bridge);
    Walk camber = WalkListing(bridge.listing.Text());
    ASSERT_EQ(camber.Last().kind, Kind::End) << camber.Last().text;
    EXPECT_EQ(camber.Tables(),
              (std::vector<std::string>{"GIRDER G1 EXT LEFT", "GIRDER G2 INTERIOR"}));
    EXPECT_EQ(Names(camber.Rows(0)), Names(bridge.g1));
    EXPECT_EQ(Names(camber.Rows(1)), Names(bridge.g2));
    Walk stick = WalkListing(bridge.listing.Text(), StickOptions());
    ASSERT_EQ(stick.Last().kind, Kind::End) << stick.Last().text;
    EXPECT_EQ(stick.Tables().size(), 3u);
    EXPECT_EQ(Names(stick.Rows(2)), Names(bridge.g2));
}

INSTANTIATE_TEST_SUITE_P(
    Listings, ListingWalkerEnd,
    ::testing::Values(EndCase{"TheApproachesAndTheIgnoredLines",
                              [](OneLineSet& b) {
                                  b.Approaches();
                                  b.listing.TextPage({"", " IGNORED LINES"});
                              }},
                      EndCase{"TheApproachesAndTheBoxOfATrailingBlankCard",
                              [](OneLineSet& b) {
                                  b.Approaches();
                                  BlankCardBoxOfTheNextSection(b);
                              }},
                      EndCase{"TheBoxOfATrailingBlankCardRightAfterTheTables",
                              BlankCardBoxOfTheNextSection},
                      EndCase{"TheApproachesAndAnotherStructure",
                              [](OneLineSet& b) {
                                  b.Approaches();
                                  b.listing.SetStructureId("BR 99-0001");
                                  b.listing.TextPage({"", " HORIZONTAL ALIGNMENT"});
                              }}),
    [](const ::testing::TestParamInfo<EndCase>& testInfo) { return testInfo.param.name; });

// ------------------------------------------------------------ columns

// The listing with 25 columns put in after column 85 of every line but the
// page headings, as a listing with project coordinates has them; on page
// `onlyPage` alone when it is not 0.
std::string WithColumnsPutInAfter85(const std::string& text, int onlyPage = 0) {
    std::string widened;
    int page = 0;
    for (std::string line : Lines(text)) {
        if (line.find("State  of  Vandemor") != std::string::npos) ++page;
        if ((onlyPage == 0 || page == onlyPage) && line.size() > 85 &&
            line.find("STRUCTURE ID:") == std::string::npos)
            line.insert(85, "   NORTHING      EASTING ");
        widened += line + "\n";
    }
    return widened;
}

// Ql2Cmb once read the girder lengths of such a listing from the columns the
// project coordinates had pushed them out of, and wrote wrong spans.
TEST(ListingWalker, RefusesAListingWhoseColumnsTheReaderReadsWereMoved) {
    OneLineSet bridge;
    bridge.Girders();
    const std::string text = WithColumnsPutInAfter85(bridge.listing.Text());
    Walk camber = WalkListing(text);
    ASSERT_EQ(camber.Last().kind, Kind::Abort);
    EXPECT_EQ(camber.Tables(), std::vector<std::string>{});
    // Pages: alignment 1, bent lines 2, G1 3.
    EXPECT_EQ(camber.Last().text,
              "Bridge file job.lis is not laid out as a geometry listing: the column header on "
              "page 3 has no GIRDER LNTH in columns 113-123, aborting process");
    // X, Y and ELEVATION stand where they stood: QlStFi reads the tables.
    Walk stick = WalkListing(text, StickOptions());
    ASSERT_EQ(stick.Last().kind, Kind::End) << stick.Last().text;
    EXPECT_EQ(stick.Tables().size(), 3u);
    EXPECT_EQ(Names(stick.Rows(0)), Names(bridge.g1));
}

TEST(ListingWalker, RefusesAMovedColumnOnAContinuationPage) {
    OneLineSet bridge;
    bridge.Girders();
    // G1's second page (4) alone has the columns moved.
    Walk camber = WalkListing(WithColumnsPutInAfter85(bridge.listing.Text(), 4));
    ASSERT_EQ(camber.Last().kind, Kind::Abort);
    EXPECT_EQ(camber.Last().text,
              "Bridge file job.lis is not laid out as a geometry listing: the column header on "
              "page 4 has no GIRDER LNTH in columns 113-123, aborting process");
}

// ------------------------------------------------------------ texts

TEST(StructureKey, IsTheStructureIdAndTheSectionNumber) {
    const std::string heading =
        ff::Record()
            .Text(" STRUCTURE ID:  BR 47-0317     (13)          QUILLON         (WIN2.1.0e)")
            .Column(126)
            .Text("PAGE   3")
            .str();
    EXPECT_EQ(qc::TrimmedStructureLine(heading), "STRUCTURE ID:  BR 47-0317     (13)");
    EXPECT_EQ(qc::StructureKey(heading), "BR 47-0317     (13)");
    EXPECT_EQ(qc::StructureKey(" STRUCTURE ID:  *  *  *  *"), "*  *  *  *");
    EXPECT_EQ(qc::StructureKey(" STRUCTURE ID:"), "");
}

TEST(TableName, IsTheTitleTrimmedAndCutToThirtyTwoCharacters) {
    const std::string title = ff::Record()
                                  .Column(9)
                                  .Text("GIRDER G1 EXT LEFT")
                                  .Column(42)
                                  .Text("PARALLEL TO HORIZONTAL CONTROL")
                                  .str();
    EXPECT_EQ(qc::TableName(title), "GIRDER G1 EXT LEFT");
    // A name that starts late runs into the line type.
    EXPECT_EQ(qc::TableName(ff::Record().Column(13).Text("G1").Column(42).Text("PARALLEL").str()),
              "G1" + std::string(27, ' ') + "PAR");
}

TEST(ListingLayout, TellsFractionalPointsAndTheirSpacing) {
    namespace li = qc::listing;
    EXPECT_TRUE(li::IsFractionalPointRow(" " + qt::PointLabel('F', 3)));
    EXPECT_TRUE(li::IsFractionalPointRow(" " + qt::PointLabel('X', 0)));
    EXPECT_TRUE(li::IsFractionalPointRow(" " + qt::PointLabel('D', 12)));
    EXPECT_TRUE(li::IsFractionalPointRow(" " + qt::PointLabel('E', 1)));
    EXPECT_FALSE(li::IsFractionalPointRow(" " + qt::PointLabel('G', 1)));
    EXPECT_FALSE(li::IsFractionalPointRow(" CL ABUT 1"));
    EXPECT_FALSE(li::IsFractionalPointRow("    F-1"));  // one column to the left
    EXPECT_EQ(li::PointsPerSpanAfter(" " + qt::PointLabel('F', 9), 0), 10);
    EXPECT_EQ(li::PointsPerSpanAfter(" " + qt::PointLabel('F', 9), 20), 20);
    EXPECT_EQ(li::PointsPerSpanAfter(" " + qt::PointLabel('F', 19), 10), 20);
    EXPECT_EQ(li::PointsPerSpanAfter(" " + qt::PointLabel('F', 90), 0), 0);
    EXPECT_EQ(li::PointsPerSpanAfter(" " + qt::PointLabel('F', 8), 0), 0);
}

}  // namespace
