#include <gtest/gtest.h>

#include <sstream>

#include "CamberTestSupport.hpp"
#include "camber/CamberInput.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::camber {
namespace {

using testing::Cols;
using testing::ListingOf;
using testing::ReadFixture;

std::string Padded(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

TEST(CamberInput, ReadsCardsAndTablesOfAConverterProblem) {
    // two-spans-splice.cmb as the converter writes it: column 1 blank, "1" in
    // column 2, line numbers in columns 78-80.
    std::istringstream in(ReadFixture("two-spans-splice.cmb"));
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    EXPECT_EQ(p.supplementalFlag, 0);
    EXPECT_EQ(p.pointsOption, 1);
    EXPECT_EQ(p.description.size(), 72u);
    EXPECT_EQ(p.description.substr(0, 44), "GIRDER NO. 2  -  TWO SPANS, SPLICE AT 125 FT");
    // Columns 75-77 are blank in the file and 78-80 hold the line number,
    // which the description (3-74) does not reach.
    EXPECT_EQ(p.description.find_last_not_of(' '), 43u);
    EXPECT_EQ(p.spansAsRead, 2);
    EXPECT_EQ(p.splicesAsRead, 3);
    ASSERT_TRUE(reader.ReadTables(p).ok());
    // "5000000" F7.4 = 500.0, "5012500" = 501.25, "5022000" = 502.2
    EXPECT_EQ(p.spliceElevations, (std::vector<float>{500.0f, 501.25f, 502.2f}));
    // "   0000", " 125000" F7.3 = 125.0, " 220000" = 220.0
    EXPECT_EQ(p.spliceLocations, (std::vector<float>{0.0f, 125.0f, 220.0f}));
    EXPECT_EQ(p.spanLengths, (std::vector<float>{100.0f, 120.0f}));
    EXPECT_EQ(p.geometricElevations[0][0], 500.0f);
    EXPECT_EQ(p.geometricElevations[0][10], 501.0f);
    EXPECT_EQ(p.geometricElevations[1][10], 502.2f);
    EXPECT_EQ(p.deflections[0][5], 0.25f);    // "   2500"
    EXPECT_EQ(p.deflections[1][1], 0.1296f);  // "   1296"
}

TEST(CamberInput, TwentiethPointsTakeTwoLinesASpanOfTenAndElevenValues) {
    std::istringstream in(ReadFixture("twentieth-splice-over-pier.cmb"));
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    ASSERT_TRUE(reader.ReadTables(p).ok());
    EXPECT_EQ(p.pointsOption, 2);
    // GEOEL = 300 + 0.02x - 0.0001x^2 at x = 4i (span 1), 80 + 5i (span 2)
    EXPECT_EQ(p.geometricElevations[0][9], 300.5904f);  // x = 36: 300 + 0.72 - 0.1296
    EXPECT_EQ(p.geometricElevations[0][10], 300.64f);   // x = 40, first value of the second line
    EXPECT_EQ(p.geometricElevations[0][20], 300.96f);   // x = 80
    EXPECT_EQ(p.geometricElevations[1][0], 300.96f);
    EXPECT_EQ(p.geometricElevations[1][20], 300.36f);  // x = 180
    EXPECT_EQ(p.deflections[0][10], 0.2f);             // 0.8 * 0.5 * 0.5
    EXPECT_EQ(p.deflections[1][10], 0.3f);             // 1.2 * 0.5 * 0.5
}

TEST(CamberInput, ListsLongerThanElevenValuesGoOnOverLines) {
    std::istringstream in(ReadFixture("many-splices.cmb"));
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    ASSERT_TRUE(reader.ReadTables(p).ok());
    ASSERT_EQ(p.spliceLocations.size(), 25u);
    EXPECT_EQ(p.spliceElevations[11], 200.11f);  // first value of the second line
    EXPECT_EQ(p.spliceElevations[24], 200.24f);  // third line
    EXPECT_EQ(p.spliceLocations[24], 240.0f);
    EXPECT_EQ(p.spanLengths, (std::vector<float>{240.0f}));
    EXPECT_EQ(p.geometricElevations[0][10], 200.24f);
}

struct CardCase {
    const char* name;
    const char* card1;
    const char* card2;
    int supplementalFlag, pointsOption, spansAsRead, splicesAsRead;
};

class CardTable : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardTable, ReadsBlanksAsZeros) {
    const CardCase& c = GetParam();
    std::istringstream in(std::string(c.card1) + "\n" + c.card2 + "\n");
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    EXPECT_EQ(p.supplementalFlag, c.supplementalFlag);
    EXPECT_EQ(p.pointsOption, c.pointsOption);
    EXPECT_EQ(p.spansAsRead, c.spansAsRead);
    EXPECT_EQ(p.splicesAsRead, c.splicesAsRead);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CardTable,
    ::testing::Values(
        // only 2 in column 2 means twentieth points
        CardCase{"TwoInColumnTwoIsTwentiethPoints", " 2G", "    2    3", 0, 2, 2, 3},
        CardCase{"FlagInColumnOne", "10G", "    2    3", 1, 1, 2, 3},
        CardCase{"OneInColumnTwoIsTenthPoints", " 1G", "    2    3", 0, 1, 2, 3},
        CardCase{"BlankColumnTwoIsTenthPoints", "  G", "    2    3", 0, 1, 2, 3},
        CardCase{"OtherDigitInColumnTwoIsTenthPoints", "93G", "    2    3", 9, 1, 2, 3},
        // blanks after the digits are zeros: "3    " is 30000
        CardCase{"TrailingBlanksAreZeros", "", "3    4    ", 0, 1, 30000, 40000},
        // a card shorter than its fields is padded with blanks
        CardCase{"ShortCardsPaddedWithBlanks", "1", "    1", 1, 1, 1, 0},
        CardCase{"EmptyCardsAreZeros", "", "", 0, 1, 0, 0},
        CardCase{"NegativeCounts", "", "   -1   -2", 0, 1, -1, -2}),
    quillon::testsupport::CaseName());

TEST(CamberInput, ValueFieldsTakeImpliedDecimalsUnlessAPointIsPunched) {
    // SPEL, F7.4: "1234567" = 123.4567; " 12.5  " = 12.5 (the blanks after the
    // point are zeros); "   12  " = digits 1200 with four implied decimals = 0.12.
    // SPLOC, F7.3: "   1000" = 1.0; "   2.5" = 2.5.
    std::istringstream in(" 1\n    0    3\n1234567 12.5     12  \n   0000   1000   2.5\n");
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    ASSERT_TRUE(reader.ReadTables(p).ok());
    EXPECT_EQ(p.spliceElevations, (std::vector<float>{123.4567f, 12.5f, 0.12f}));
    EXPECT_EQ(p.spliceLocations, (std::vector<float>{0.0f, 1.0f, 2.5f}));
}

TEST(CamberInput, CrlfInputReadsLikeLf) {
    std::string lf = ReadFixture("twentieth-splice-over-pier.cmb");
    std::string crlf;
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    auto a = ListingOf(lf);
    auto b = ListingOf(crlf);
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(b.status, 0);
    EXPECT_EQ(a.text, b.text);
}

// --- the end of the input ---------------------------------------------------

TEST(CamberInput, EmptyInputListsOnlyTheEndOfTheRun) {
    auto listing = ListingOf("");
    EXPECT_EQ(listing.text, " No more problems.\n");
    EXPECT_EQ(listing.status, 0);
}

TEST(CamberInput, InputEndingAfterTheLastProblemEndsNormally) {
    auto listing = ListingOf(ReadFixture("level-span.cmb"));
    EXPECT_EQ(listing.status, 0);
    ASSERT_FALSE(listing.lines.empty());
    EXPECT_EQ(listing.lines.back(), " No more problems.");
    EXPECT_EQ(listing.lines.front(), "1");
}

TEST(CamberInput, LastLineWithoutLineEndIsStillRead) {
    std::string text = ReadFixture("level-span.cmb");
    text.pop_back();
    EXPECT_EQ(ListingOf(text).text, ListingOf(ReadFixture("level-span.cmb")).text);
}

struct EndCase {
    const char* name;
    const char* fixture;
    int keepLines;  // lines of the fixture left in the input
};

class EndInsideProblem : public ::testing::TestWithParam<EndCase> {};

TEST_P(EndInsideProblem, SaysSoAndListsNothingOfTheProblem) {
    auto lines = testing::SplitLines(ReadFixture(GetParam().fixture));
    std::string input;
    for (int i = 0; i < GetParam().keepLines; ++i) input += lines[static_cast<size_t>(i)] + "\n";
    auto listing = ListingOf(input);
    EXPECT_EQ(listing.text, " End of input file before end of problem\n");
    EXPECT_EQ(listing.status, 4);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EndInsideProblem,
    ::testing::Values(EndCase{"AfterCardOne", "level-span.cmb", 1},          // after card 1
                      EndCase{"AfterCardTwo", "level-span.cmb", 2},          // after card 2
                      EndCase{"AfterSpliceLocations", "level-span.cmb", 4},  // after SPLOC
                      // inside the SPEL list
                      EndCase{"InsideSpliceElevationList", "many-splices.cmb", 3},
                      // tenth points: after span 1's elevation line
                      EndCase{"AfterFirstSpanElevationLine", "two-spans-splice.cmb", 6},
                      // twentieth points: between a span's two lines
                      EndCase{"BetweenTwentiethPointLines", "twentieth-splice-over-pier.cmb", 6},
                      // before the last deflection line
                      EndCase{"BeforeLastDeflectionLine", "twentieth-splice-over-pier.cmb", 12}),
    quillon::testsupport::CaseName());

// --- fields that cannot be read ----------------------------------------------

// The three records of a read error.
std::vector<std::string> ReadErrorRecords(int nline, const std::string& what,
                                          const std::string& line) {
    std::string number = std::to_string(nline);
    number.insert(0, 3 - number.size(), ' ');
    return {" Error while reading line " + number + " of problem: " + Padded(what),
            " Line was:", " " + Padded(line)};
}

TEST(CamberInput, LetterInASpanLengthNamesTheReadAndShowsTheLine) {
    // Three spans: the span-length read is read 5; its third value holds a letter.
    const std::string bad = "1000000100000010X0000";
    std::string input = " 1GIRDER\n    3    2\n5000000500000\n   0000 300000\n" + bad + "\n";
    auto listing = ListingOf(input);
    EXPECT_EQ(listing.lines, ReadErrorRecords(5, "SPANL(i), i=1, 3", bad));
    EXPECT_EQ(listing.status, 4);
    // The record: " Error while reading line " (26) + "  5" + " of problem: " (13)
    // + 80 characters.
    EXPECT_EQ(listing.lines[0].size(), 26u + 3 + 13 + 80);
    EXPECT_EQ(Cols(listing.lines[0], 27, 29), "  5");
    EXPECT_EQ(listing.lines[2].size(), 81u);
}

TEST(CamberInput, SecondElevationLineIsSevenEitherWayButNamedByThePoints) {
    // Read 6 is span 1's first elevation read; read 7 is span 1's points 11-21
    // with twentieth points but span 2's points 1-11 with tenth points.
    for (int points : {1, 2}) {
        auto lines = testing::SplitLines(
            ReadFixture(points == 2 ? "twentieth-splice-over-pier.cmb" : "two-spans-splice.cmb"));
        lines[6].replace(10, 1, "?");  // a field of the second elevation line
        std::string input;
        for (const auto& line : lines) input += line + "\n";
        auto listing = ListingOf(input);
        EXPECT_EQ(
            listing.lines,
            ReadErrorRecords(7, points == 2 ? "SPAN( 1), GEOEL(11-21)" : "SPAN( 2), GEOEL( 1-11)",
                             lines[6].substr(0, 80)));
    }
}

TEST(CamberInput, DeflectionReadsGoOnCountingAfterTheElevations) {
    // Twentieth points, two spans: reads 6-9 are GEOEL, 10-13 DEFEL; read 12
    // is span 2's points 1-10.
    auto lines = testing::SplitLines(ReadFixture("twentieth-splice-over-pier.cmb"));
    lines[11][0] = 'x';
    std::string input;
    for (const auto& line : lines) input += line + "\n";
    EXPECT_EQ(ListingOf(input).lines, ReadErrorRecords(12, "SPAN( 2), DEFEL( 1-10)", lines[11]));
}

TEST(CamberInput, ErrorOnCardOneOfALaterProblemKeepsWhatWasListed) {
    std::string first = ReadFixture("level-span.cmb");
    auto alone = ListingOf(first);
    auto listing = ListingOf(first + "X1GIRDER\n");
    std::string before =
        alone.text.substr(0, alone.text.size() - std::string(" No more problems.\n").size());
    ASSERT_EQ(listing.text.substr(0, before.size()), before);
    EXPECT_EQ(testing::SplitLines(listing.text.substr(before.size())),
              ReadErrorRecords(1, "IFLAG, I, DSCRPT", "X1GIRDER"));
    EXPECT_EQ(listing.status, 4);
}

TEST(CamberInput, ErrorOnCardTwoAndInSpliceLists) {
    EXPECT_EQ(ListingOf(" 1G\n    2  3.0\n").lines,
              ReadErrorRecords(2, "ISPAN, ISPL", "    2  3.0"));
    EXPECT_EQ(ListingOf(" 1G\n    1    2\n   00001.0.0\n").lines,
              ReadErrorRecords(3, "SPEL(i), i=1, 2", "   00001.0.0"));
    EXPECT_EQ(ListingOf(" 1G\n    1    2\n\n\t\n").lines,
              ReadErrorRecords(4, "SPLOC(i), i=1, 2", "\t"));
}

TEST(CamberInput, ValueBeyondSinglePrecisionIsAFieldThatCannotBeRead) {
    EXPECT_EQ(ListingOf(" 1G\n    1    2\n  1.E39\n").lines,
              ReadErrorRecords(3, "SPEL(i), i=1, 2", "  1.E39"));
    // An exponent within range reads. The field is all 7 columns, and a
    // blank after the exponent would be a zero of it ("1.E2 " is 1.E20).
    std::istringstream in(" 1G\n    1    2\n  1.E+2 -1.E-2\n");
    CamberInputReader reader(in);
    CamberProblem p;
    ASSERT_TRUE(reader.ReadCards(p).ok());
    EXPECT_EQ(reader.ReadTables(p).status, ReadStatus::EndInsideProblem);
    EXPECT_EQ(p.spliceElevations, (std::vector<float>{100.0f, -0.01f}));
}

}  // namespace
}  // namespace quillon::camber
