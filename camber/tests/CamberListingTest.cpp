#include <gtest/gtest.h>

#include "CamberTestSupport.hpp"
#include "camber/CamberListing.hpp"

namespace quillon::camber {
namespace {

using testing::Cols;
using testing::ListingOf;
using testing::Pages;
using testing::ReadFixture;

using Lines = std::vector<std::string>;

std::string Blanks(int n) { return std::string(static_cast<size_t>(n), ' '); }

// The fixture with column 1 of card 1 (IFLAG) set.
std::string WithIflag(const std::string& fixture, char iflag) {
    std::string text = ReadFixture(fixture);
    text[0] = iflag;
    return text;
}

const std::string kSeparator = [] {
    std::string s = " ";
    for (int i = 0; i < 66; ++i) s += "- ";
    return s;
}();

const std::string kTwoSpansDescription =
    "GIRDER NO. 2  -  TWO SPANS, SPLICE AT 125 FT" + Blanks(72 - 44);

TEST(CamberListing, EchoPageColumnByColumn) {
    auto pages = Pages(ListingOf(ReadFixture("two-spans-splice.cmb")).lines);
    ASSERT_EQ(pages.size(), 4u);
    const Lines expected = {
        "1",
        " ",
        "  GIRDER DIVIDED INTO 10TH POINTS",
        " ",
        // 1-21 " DESCRIPTION CARD    ", 22-26 IFLAG, 27-31 IPTS, 32-35 blanks,
        // 36-107 DSCRPT with its trailing blanks
        " DESCRIPTION CARD        0    1    " + kTwoSpansDescription,
        " ",
        // 1-10 " CODE CARD", 11-21 blanks, 22-26 ISPAN, 27-31 ISPL
        " CODE CARD               2    3",
        " ",
        // label in 1-19, values F10.4 from column 20
        " SPLICE ELEVATIONS   500.0000  501.2500  502.2000",
        " ",
        " SPLICE LOCATIONS      0.0000  125.0000  220.0000",
        " ",
        " SPAN LENGTHS        100.0000  120.0000",
        " ",
        " TENTH AND TWENTIETH POINT ELEVATIONS",
        // " SPAN NUMBER" 1-12, I3 13-15, 4 blanks 16-19, values from 20
        " SPAN NUMBER  1      500.0000  500.1000  500.2000  500.3000  500.4000  500.5000"
        "  500.6000  500.7000  500.8000  500.9000  501.0000",
        " SPAN NUMBER  2      501.0000  501.1200  501.2400  501.3600  501.4800  501.6000"
        "  501.7200  501.8400  501.9600  502.0800  502.2000",
        " ",
        " TENTH AND TWENTIETH POINT - DEAD LOAD DEFLECTIONS",
        " SPAN NUMBER  1        0.0000    0.0900    0.1600    0.2100    0.2400    0.2500"
        "    0.2400    0.2100    0.1600    0.0900    0.0000",
        " SPAN NUMBER  2        0.0000    0.1296    0.2304    0.3024    0.3456    0.3600"
        "    0.3456    0.3024    0.2304    0.1296    0.0000",
    };
    EXPECT_EQ(pages[0], expected);
    EXPECT_EQ(Cols(pages[0][4], 22, 31), "    0    1");
    EXPECT_EQ(Cols(pages[0][4], 36, 47), "GIRDER NO. 2");
    EXPECT_EQ(pages[0][4].size(), 107u);
    EXPECT_EQ(Cols(pages[0][8], 20, 29), "  500.0000");
}

TEST(CamberListing, PagesFollowIflag) {
    // IFLAG 0: echo, camber, blocking, dead load.
    auto zero = Pages(ListingOf(ReadFixture("two-spans-splice.cmb")).lines);
    ASSERT_EQ(zero.size(), 4u);
    EXPECT_EQ(zero[1][0].substr(0, 34), "1" + Blanks(32) + "C");
    EXPECT_EQ(zero[2][0], "1");
    EXPECT_EQ(zero[3][0].substr(0, 34), "1" + Blanks(32) + "D");

    // IFLAG 1: the request line opens the echo; the supplemental page follows.
    auto one = Pages(ListingOf(WithIflag("two-spans-splice.cmb", '1')).lines);
    ASSERT_EQ(one.size(), 5u);
    EXPECT_EQ(one[0][1], " REQUEST SUPPLEMENTAL INFORMATION");
    EXPECT_EQ(one[0][5], " DESCRIPTION CARD        1    1    " + kTwoSpansDescription);
    EXPECT_EQ(one[1][0], "1DEFLECTION AT SPLICE POINTS");

    // IFLAG 2: the supplemental page without the request line.
    auto two = Pages(ListingOf(WithIflag("two-spans-splice.cmb", '2')).lines);
    ASSERT_EQ(two.size(), 5u);
    EXPECT_EQ(two[0][1], " ");
    EXPECT_EQ(two[0][4], " DESCRIPTION CARD        2    1    " + kTwoSpansDescription);
    EXPECT_EQ(two[1][0], "1DEFLECTION AT SPLICE POINTS");
    // The pages after it are those of IFLAG 0.
    EXPECT_EQ(two[2], zero[1]);
    EXPECT_EQ(two[3], zero[2]);
}

// A row of F10.4 values after a 19-column lead, each within 0.0001 of its
// hand value.
void ExpectRowNear(const std::string& line, const std::string& lead,
                   const std::vector<double>& values) {
    ASSERT_EQ(line.size(), 19 + 10 * values.size()) << line;
    EXPECT_EQ(line.substr(0, 19), lead);
    for (size_t i = 0; i < values.size(); ++i) {
        const std::string field = line.substr(19 + 10 * i, 10);
        EXPECT_EQ(field.find('.'), 5u) << field;  // F10.4: four decimals
        EXPECT_NEAR(std::stod(field), values[i], 1.0e-4 + 1e-9) << "value " << i + 1;
    }
}

TEST(CamberListing, SupplementalTablesOfTwoSpans) {
    // DEFSPL 0, .2364, 0; CSPEL 500, 501.4864, 502.2; pier 501.0;
    // SLOPE .0118912 -> 0.0119, .0075116 -> 0.0075; chord rows as the echo.
    auto pages = Pages(ListingOf(WithIflag("two-spans-splice.cmb", '1')).lines);
    const Lines expected = {
        "1DEFLECTION AT SPLICE POINTS",
        Blanks(19) + "    0.0000    0.2364    0.0000",
        " ",
        " SPLICE ELEVATIONS (CORRECTED FOR DEAD LOAD DEFLECTION)",
        Blanks(19) + "  500.0000  501.4864  502.2000",
        " ",
        " ELEVATIONS AT PIERS",
        Blanks(19) + "  501.0000",
        " ",
        " SLOPE OF CHORD BETWEEN CORRECTED SPLICE ELEVATIONS",
        Blanks(19) + "    0.0119    0.0075",
        " ",
        " ELEVATIONS ALONG CHORD AT 10TH OR 20TH POINTS",
    };
    ASSERT_EQ(pages[1].size(), expected.size() + 2);
    EXPECT_EQ(Lines(pages[1].begin(), pages[1].begin() + 13), expected);

    // The chord rows are laid out as the echo rows; their values agree with
    // the hand values within 0.0001 (single precision near 500 ft carries
    // about 0.00003 ft, and 500.59456 lies closer than that to a tie).
    // Span 1: 500 + .0118912 x, x = 0, 10, ... 100.
    // Span 2: x = 100, 112, 124 on the first chord; 136 ... 220 on
    // 501.4864 + .00751157895 (x - 125).
    const std::vector<double> span1 = {500.0,      500.118912, 500.237824, 500.356736,
                                       500.475648, 500.59456,  500.713472, 500.832384,
                                       500.951296, 501.070208, 501.18912};
    const std::vector<double> span2 = {501.18912,   501.3318144, 501.4745088, 501.5690274,
                                       501.6591663, 501.7493053, 501.8394442, 501.9295832,
                                       502.0197221, 502.1098611, 502.2};
    ExpectRowNear(pages[1][13], " SPAN NUMBER  1    ", span1);
    ExpectRowNear(pages[1][14], " SPAN NUMBER  2    ", span2);
}

TEST(CamberListing, CamberPageWithTenthPoints) {
    auto pages = Pages(ListingOf(ReadFixture("two-spans-splice.cmb")).lines);
    const Lines& page = pages[1];
    ASSERT_GE(page.size(), 17u);
    EXPECT_EQ(page[0], "1" + Blanks(32) + "CAMBER CUTTING DIMENSIONS FOR A WELDED PLATE GIRDER");
    EXPECT_EQ(page[1], " " + Blanks(32) + std::string(51, '-'));
    EXPECT_EQ(page[2], " ");
    EXPECT_EQ(page[3], Blanks(21) + kTwoSpansDescription);  // DSCRPT in 22-93
    EXPECT_EQ(page[4], " ");
    EXPECT_EQ(page[5], Blanks(21) + "CAMBER OFF-SETS (IN DECIMALS OF A FOOT)");
    EXPECT_EQ(page[6], kSeparator);
    EXPECT_EQ(kSeparator.size(), 133u);
    // " SPAN NUMBER" 1-12, I3 13-15, 2 blanks, the text 18-64, F8.4 65-72
    EXPECT_EQ(page[7], " SPAN NUMBER  1  HORIZONTAL LENGTH (CL BEARING TO CL BEARING) = 100.0000");
    EXPECT_EQ(page[8], " ");
    // labels ten columns apart, the first in column 32, the last in 132
    EXPECT_EQ(page[9], " TENTH POINT" + Blanks(19) + "0" + Blanks(9) + "1" + Blanks(9) + "2" +
                           Blanks(9) + "3" + Blanks(9) + "4" + Blanks(9) + "5" + Blanks(9) + "6" +
                           Blanks(9) + "7" + Blanks(9) + "8" + Blanks(9) + "9" + Blanks(9) + "0");
    EXPECT_EQ(page[9].size(), 132u);
    // first value F8.2 in 26-33, then F10.2
    EXPECT_EQ(page[10],
              " HORIZ. DIST. FROM ABUT.1    0.00     10.00     20.00     30.00     40.00"
              "     50.00     60.00     70.00     80.00     90.00    100.00");
    // " CAMBER OFF-SETS *" 1-18, 6 blanks, F9.2 in 25-33, then F10.2
    EXPECT_EQ(page[11],
              " CAMBER OFF-SETS *           0.00      0.07      0.12      0.15      0.16"
              "      0.16      0.13      0.08      0.01     -0.08     -0.19");
    EXPECT_EQ(Cols(page[11], 25, 33), "     0.00");
    EXPECT_EQ(page[12], kSeparator);
    EXPECT_EQ(page[13], " SPAN NUMBER  2  HORIZONTAL LENGTH (CL BEARING TO CL BEARING) = 120.0000");
    EXPECT_EQ(page[16],
              " HORIZ. DIST. FROM ABUT.1  100.00    112.00    124.00    136.00    148.00"
              "    160.00    172.00    184.00    196.00    208.00    220.00");
    EXPECT_EQ(page[17],
              " CAMBER OFF-SETS *          -0.19     -0.08      0.00      0.09      0.17"
              "      0.21      0.23      0.21      0.17      0.10      0.00");
    EXPECT_EQ(page[18], kSeparator);
    EXPECT_EQ(page.size(), 19u);
}

const std::string kTwentiethFirst = [] {
    std::string s = " TWENTIETH POINT" + Blanks(15) + "0";
    for (int i = 1; i <= 9; ++i) s += Blanks(9) + std::to_string(i);
    return s;
}();
const std::string kTwentiethSecond = [] {
    std::string s = " TWENTIETH POINT" + Blanks(14) + "10";
    for (int i = 11; i <= 19; ++i) s += Blanks(8) + std::to_string(i);
    return s + Blanks(9) + "0";
}();

TEST(CamberListing, CamberPageWithTwentiethPoints) {
    auto pages = Pages(ListingOf(ReadFixture("twentieth-splice-over-pier.cmb")).lines);
    ASSERT_EQ(pages.size(), 4u);
    const Lines& page = pages[1];
    EXPECT_EQ(Cols(kTwentiethFirst, 32, 32), "0");
    EXPECT_EQ(Cols(kTwentiethFirst, 122, 122), "9");
    EXPECT_EQ(Cols(kTwentiethSecond, 31, 32), "10");
    EXPECT_EQ(Cols(kTwentiethSecond, 121, 122), "19");
    EXPECT_EQ(Cols(kTwentiethSecond, 132, 132), "0");
    const Lines span1 = {
        " SPAN NUMBER  1  HORIZONTAL LENGTH (CL BEARING TO CL BEARING) =  80.0000",
        " ",
        kTwentiethFirst,
        " HORIZ. DIST. FROM ABUT.1    0.00      4.00      8.00     12.00     16.00"
        "     20.00     24.00     28.00     32.00     36.00",
        " CAMBER OFF-SETS *           0.00      0.07      0.13      0.18      0.23"
        "      0.27      0.30      0.33      0.35      0.36",
        " ",
        kTwentiethSecond,
        " HORIZ. DIST. FROM ABUT.1   40.00     44.00     48.00     52.00     56.00"
        "     60.00     64.00     68.00     72.00     76.00     80.00",
        " CAMBER OFF-SETS *           0.36      0.36      0.35      0.33      0.30"
        "      0.27      0.23      0.18      0.13      0.07      0.00",
        kSeparator,
        " SPAN NUMBER  2  HORIZONTAL LENGTH (CL BEARING TO CL BEARING) = 100.0000",
        " ",
        kTwentiethFirst,
        " HORIZ. DIST. FROM ABUT.1   80.00     85.00     90.00     95.00    100.00"
        "    105.00    110.00    115.00    120.00    125.00",
        " CAMBER OFF-SETS *           0.00      0.10      0.20      0.28      0.35"
        "      0.41      0.46      0.50      0.53      0.54",
        " ",
        kTwentiethSecond,
        " HORIZ. DIST. FROM ABUT.1  130.00    135.00    140.00    145.00    150.00"
        "    155.00    160.00    165.00    170.00    175.00    180.00",
        " CAMBER OFF-SETS *           0.55      0.54      0.53      0.50      0.46"
        "      0.41      0.35      0.28      0.20      0.10      0.00",
        kSeparator,
    };
    EXPECT_EQ(Lines(page.begin() + 7, page.end()), span1);
}

TEST(CamberListing, DeadLoadPageWithTwentiethPointsHasNoBlankBeforeItsHeadings) {
    auto pages = Pages(ListingOf(ReadFixture("twentieth-splice-over-pier.cmb")).lines);
    Lines page = pages[3];
    ASSERT_EQ(page.back(), " No more problems.");
    page.pop_back();
    const Lines expected = {
        "1" + Blanks(32) + "DEAD LOAD DEFLECTION (IN DECIMALS OF A FOOT) - ",
        " " + Blanks(32) + std::string(44, '-'),
        " ",
        Blanks(5) + "SPAN NUMBER  1",
        kTwentiethFirst,
        // " DEAD LOAD DEFLECTION" 1-21, 3 blanks, F9.2 in 25-33; .8 t(1-t):
        // .038 .072 .102 .128 .15 .168 .182 .192 .198, then .2 at midspan
        " DEAD LOAD DEFLECTION        0.00      0.04      0.07      0.10      0.13"
        "      0.15      0.17      0.18      0.19      0.20",
        kTwentiethSecond,
        " DEAD LOAD DEFLECTION        0.20      0.20      0.19      0.18      0.17"
        "      0.15      0.13      0.10      0.07      0.04      0.00",
        " ",
        Blanks(5) + "SPAN NUMBER  2",
        kTwentiethFirst,
        // 1.2 t(1-t): .057 .108 .153 .192 .225 .252 .273 .288 .297, .3. The
        // .225 read from "   2250" is the float 0.22499999..., below the tie:
        // it prints 0.22.
        " DEAD LOAD DEFLECTION        0.00      0.06      0.11      0.15      0.19"
        "      0.22      0.25      0.27      0.29      0.30",
        kTwentiethSecond,
        " DEAD LOAD DEFLECTION        0.30      0.30      0.29      0.27      0.25"
        "      0.22      0.19      0.15      0.11      0.06      0.00",
    };
    EXPECT_EQ(page, expected);
}

TEST(CamberListing, BlockingPageWithNotes) {
    auto pages = Pages(ListingOf(ReadFixture("two-spans-splice.cmb")).lines);
    const Lines expected = {
        "1",
        " ",
        Blanks(21) + kTwoSpansDescription,
        " ",
        Blanks(33) + "BLOCKING DIMENSIONS (IN DECIMALS OF A FOOT)",
        " " + Blanks(32) + std::string(43, '-'),
        " ",
        // labels A10 from column 24
        Blanks(23) + "     ABUT    PIER 2     SPL 1      ABUT ",
        " HORIZ. DIST. FROM ABUT.1    0.00    100.00    125.00    220.00",
        // " BLOCKING DIMENSION *" 1-21, 3 blanks, F9.2 in 25-33
        " BLOCKING DIMENSION *        0.00      1.00      1.49      2.20",
        kSeparator,
        " * INCLUDES DEAD LOAD DEFLECTION AND VERTICAL CURVEAND/OR HORIZONTAL CURVE "
        "CORRECTION.  - FOR SHOP USE ONLY -",
        "",
        "   CAMBER OFF-SETS ARE DIMENSIONS FROM A CHORD (DRAWN BETWEEN ABUTMENTS AND/OR "
        "SPLICES) TO THE TOP OF THE GIRDER WEB.",
        "",
        "   BLOCKING DIMENSIONS ARE FROM A LEVEL BASE LINE (DRAWN THRU THE LOWEST ABUTMENT "
        "OR SPLICE) TO THE TOP OF THE GIRDER WEB.",
        Blanks(11) + "BLOCKING DIMENSIONS FOR ABUTMENTS AND SPLICES ARE FROM CHORD TO BASE LINE.",
        Blanks(11) + "BLOCKING DIMENSIONS FOR PIERS ARE FROM VERTICAL CURVE TO BASE LINE.",
    };
    EXPECT_EQ(pages[2], expected);
    EXPECT_EQ(Cols(pages[2][7], 24, 33), "     ABUT ");
}

TEST(CamberListing, MoreThanElevenBlockingColumnsGoInBlocksOfEleven) {
    // Twelve spans of 10 ft: ABUT, PIER 2 .. PIER 12, ABUT = 13 columns.
    // Pier k stands at 10k with GEOEL(k+1,1) = 50 + k/10; the base line is
    // the lower splice elevation 50.0, so pier k's dimension is k/10 and
    // the far abutment's 51.2 - 50 = 1.2.
    auto pages = Pages(ListingOf(ReadFixture("twelve-spans.cmb")).lines);
    ASSERT_EQ(pages.size(), 4u);
    const Lines& page = pages[2];
    const Lines expected = {
        " ",
        Blanks(23) +
            "     ABUT    PIER 2    PIER 3    PIER 4    PIER 5    PIER 6    PIER 7"
            "    PIER 8    PIER 9   PIER 10   PIER 11 ",
        " HORIZ. DIST. FROM ABUT.1    0.00     10.00     20.00     30.00     40.00     50.00"
        "     60.00     70.00     80.00     90.00    100.00",
        " BLOCKING DIMENSION *        0.00      0.10      0.20      0.30      0.40      0.50"
        "      0.60      0.70      0.80      0.90      1.00",
        " ",
        Blanks(23) + "  PIER 12      ABUT ",
        " HORIZ. DIST. FROM ABUT.1  110.00    120.00",
        " BLOCKING DIMENSION *        1.10      1.20",
        kSeparator,
    };
    ASSERT_GE(page.size(), 15u);
    EXPECT_EQ(Lines(page.begin() + 6, page.begin() + 15), expected);
    EXPECT_EQ(page[7].size(), 23u + 110);

    // The twelve span lengths echo on two lines, with no empty record
    // before the second.
    const Lines& echo = pages[0];
    auto at = std::find(echo.begin(), echo.end(),
                        " SPAN LENGTHS         10.0000   10.0000   10.0000   10.0000   10.0000"
                        "   10.0000   10.0000   10.0000   10.0000   10.0000   10.0000");
    ASSERT_NE(at, echo.end());
    EXPECT_EQ(*(at + 1), Blanks(19) + "   10.0000");
    EXPECT_EQ(*(at + 2), " ");
}

TEST(CamberListing, LongListsOfTwentyFiveSplicePoints) {
    // 25 splice points every 10 ft on one span of 240 ft; SPEL 200.00 ..
    // 200.24 in steps of .01; IFLAG 2; no dead load.
    auto listing = ListingOf(ReadFixture("many-splices.cmb"));
    EXPECT_EQ(listing.status, 0);
    auto pages = Pages(listing.lines);
    ASSERT_EQ(pages.size(), 5u);
    const Lines& echo = pages[0];
    EXPECT_EQ(echo[1], " ");  // IFLAG 2: no request line
    auto at = std::find(echo.begin(), echo.end(),
                        " SPLICE ELEVATIONS   200.0000  200.0100  200.0200  200.0300  200.0400"
                        "  200.0500  200.0600  200.0700  200.0800  200.0900  200.1000");
    ASSERT_NE(at, echo.end());
    EXPECT_EQ(*(at + 1), Blanks(19) +
                             "  200.1100  200.1200  200.1300  200.1400  200.1500"
                             "  200.1600  200.1700  200.1800  200.1900  200.2000  200.2100");
    EXPECT_EQ(*(at + 2), "");
    EXPECT_EQ(*(at + 3), Blanks(19) + "  200.2200  200.2300  200.2400");
    EXPECT_EQ(*(at + 4), " ");
    EXPECT_EQ(*(at + 5),
              " SPLICE LOCATIONS      0.0000   10.0000   20.0000   30.0000   40.0000"
              "   50.0000   60.0000   70.0000   80.0000   90.0000  100.0000");
    EXPECT_EQ(*(at + 7), "");
    EXPECT_EQ(*(at + 8), Blanks(19) + "  220.0000  230.0000  240.0000");

    // The supplemental table of deflections at splice points: 11, 11, 3
    // values with no empty records; one span gives no pier table.
    const Lines& supplemental = pages[1];
    const std::string zeros11 = [] {
        std::string s = Blanks(19);
        for (int i = 0; i < 11; ++i) s += "    0.0000";
        return s;
    }();
    const Lines head = {"1DEFLECTION AT SPLICE POINTS",
                        zeros11,
                        zeros11,
                        Blanks(19) + "    0.0000    0.0000    0.0000",
                        " ",
                        " SPLICE ELEVATIONS (CORRECTED FOR DEAD LOAD DEFLECTION)"};
    EXPECT_EQ(Lines(supplemental.begin(), supplemental.begin() + 6), head);
    EXPECT_EQ(std::find(supplemental.begin(), supplemental.end(), " ELEVATIONS AT PIERS"),
              supplemental.end());
    // 24 slopes of .01 / 10 = .001: 11, 11 and 2 values
    auto slopes = std::find(supplemental.begin(), supplemental.end(),
                            " SLOPE OF CHORD BETWEEN CORRECTED SPLICE ELEVATIONS");
    ASSERT_NE(slopes, supplemental.end());
    EXPECT_EQ(*(slopes + 3), Blanks(19) + "    0.0010    0.0010");

    // 25 blocking columns: blocks of 11, 11 and 3.
    const Lines& blocking = pages[3];
    Lines labels;  // each block's label line stands right above its distance row
    for (size_t i = 1; i < blocking.size(); ++i)
        if (blocking[i].rfind(" HORIZ. DIST. FROM ABUT.1", 0) == 0)
            labels.push_back(blocking[i - 1]);
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0].size(), 23u + 110);
    EXPECT_EQ(labels[2], Blanks(23) + "   SPL 22    SPL 23      ABUT ");
}

TEST(CamberListing, SpliceCheckBlockStandsOnItsOwnPageBeforeTheProblem) {
    // Spans 100 + 120 sum to 220.0; a last location of 220.010 is 0.01 off.
    std::string text = ReadFixture("two-spans-splice.cmb");
    auto lines = testing::SplitLines(text);
    lines[3].replace(14, 7, " 220010");
    std::string input;
    for (const auto& line : lines) input += line + "\n";
    auto listing = ListingOf(input);
    const Lines block = {
        "1*****  ERROR  *****",
        "",
        " LAST SPLICE LOCATION IS NOT",
        " EQUAL TO SUMMATION OF SPANS",
        "",
        " SUMMATION OF SPANS =  220.0000",
        " LOCATION OF SPLICE =  220.0100",
        "",
        " LOCATION OF LAST SPLICE WILL BE",
        " SET EQUAL TO SUMMATION OF SPANS.",
    };
    ASSERT_GT(listing.lines.size(), block.size());
    EXPECT_EQ(Lines(listing.lines.begin(), listing.lines.begin() + 10), block);
    // The problem follows on its own pages, with the location set to the sum.
    auto alone = ListingOf(text);
    EXPECT_EQ(Lines(listing.lines.begin() + 10, listing.lines.end()), alone.lines);
    EXPECT_EQ(listing.status, 0);
}

TEST(CamberListing, SpliceCheckPrintsNineColumnsWithFourDecimals) {
    // 100.0002 + 100.0002 = 200.0004 (single precision 200.000397); last
    // location 200.010.
    std::ostringstream out;
    SpliceCheck check{true, 100.0002f + 100.0002f, 200.01f};
    WriteSpliceCheckBlock(out, check);
    auto lines = testing::SplitLines(out.str());
    EXPECT_EQ(lines[5], " SUMMATION OF SPANS =  200.0004");
    EXPECT_EQ(lines[6], " LOCATION OF SPLICE =  200.0100");
}

}  // namespace
}  // namespace quillon::camber
