#include <gtest/gtest.h>

#include <sstream>

#include "engine/run/EngineRun.hpp"
#include "engine/run/HeadingDateTime.hpp"
#include "engine/run/ListingWriter.hpp"
#include "engine/run/tests/RunTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using testing::Records;

struct Pages {
    explicit Pages(EngineVariant variant = EngineVariant::English)
        : writer(out, headings, variant) {}
    std::ostringstream out;
    HeadingTexts headings;
    ListingWriter writer;
};

TEST(WritePageHeading, FirstPageHasNoFormFeedAndSixHeadingRecords) {
    Pages p;
    p.writer.WritePageHeading(1, 1);
    auto records = Records(p.out.str());
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(p.out.str().find('\f'), std::string::npos);
    EXPECT_EQ(p.writer.PageCounter(), 1);
    EXPECT_EQ(p.writer.LinesLeft(), 49);  // the six heading records are not counted
}

TEST(WritePageHeading, SecondPageOpensWithBlankAndFormFeedOnTheTitleLine) {
    Pages p;
    p.writer.WritePageHeading(1, 1);
    p.writer.WritePageHeading(-1, 0);
    p.writer.WritePageHeading(1, 1);
    auto records = Records(p.out.str());
    ASSERT_EQ(records.size(), 12u);
    // " \f" and the first title record share one line.
    EXPECT_EQ(records[6].substr(0, 2), " \f");
    EXPECT_EQ(records[6].substr(2), p.writer.TitleBlock()[0]);
    EXPECT_EQ(p.writer.PageCounter(), 2);
}

struct PageCase {
    const char* name;
    int usedBefore;     // lines counted on page 1 before the request
    bool endPageFirst;  // a (-1, 0) request first
    int need, use;
    int pagesAfter;
    int linesLeftAfter;
};

class PageControl : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageControl, OpensPagesOnlyWhenTheBlockDoesNotFit) {
    const PageCase& c = GetParam();
    Pages p;
    p.writer.WritePageHeading(1, 1);
    if (c.usedBefore > 1) p.writer.WritePageHeading(0, c.usedBefore - 1);
    if (c.endPageFirst) p.writer.WritePageHeading(-1, 0);
    p.writer.WritePageHeading(c.need, c.use);
    EXPECT_EQ(p.writer.PageCounter(), c.pagesAfter) << c.name;
    EXPECT_EQ(p.writer.LinesLeft(), c.linesLeftAfter) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PageControl,
                         ::testing::Values(
                             // 41 used, 9 left: a block of 10 goes to page 2, which keeps 40
                             PageCase{"ten_with_nine_left", 41, false, 10, 10, 2, 40},
                             PageCase{"ten_with_ten_left", 40, false, 10, 10, 1, 0},
                             // need 0 never opens a page, even with no lines left
                             PageCase{"zero_need_no_lines", 50, false, 0, 3, 1, -3},
                             // ending the page, then counting lines without need: no new page
                             PageCase{"end_then_zero_need", 5, true, 0, 1, 1, -2},
                             // ending the page, then a block: a new page
                             PageCase{"end_then_block", 5, true, 1, 1, 2, 49},
                             // arguments out of range are ignored
                             PageCase{"need_below_minus_one", 5, false, -2, 0, 1, 45},
                             PageCase{"use_below_zero", 5, false, 3, -1, 1, 45}),
                         quillon::testsupport::CaseName());

TEST(WritePageHeading, BlockLongerThanAPageStaysOnAFreshPage) {
    Pages p;
    p.writer.WritePageHeading(60, 0);  // opens page 1
    EXPECT_EQ(p.writer.PageCounter(), 1);
    p.writer.WritePageHeading(60, 0);  // nothing counted yet: stays
    EXPECT_EQ(p.writer.PageCounter(), 1);
    p.writer.WritePageHeading(0, 55);
    EXPECT_EQ(p.writer.LinesLeft(), -5);
    p.writer.WritePageHeading(1, 1);
    EXPECT_EQ(p.writer.PageCounter(), 2);
}

// The heading line, column by column (column 1 is the carriage control).
void ExpectHeadingColumns(EngineVariant variant, const std::string& version) {
    Pages p(variant);
    p.headings.text = {"BRIDGE 12 ", "(13)      ", version, MakeDateText(testing::FixedClock()),
                       MakeTimeText(testing::FixedClock())};
    p.writer.WritePageHeading(1, 1);
    p.writer.WritePageHeading(-1, 0);
    p.writer.WritePageHeading(1, 1);
    std::string line = p.writer.HeadingLine();
    auto cols = [&](std::size_t first, std::size_t last) {
        return line.substr(first - 1, last - first + 1);
    };
    ASSERT_EQ(line.size(), 133u);
    EXPECT_EQ(cols(1, 1), " ");
    EXPECT_EQ(cols(2, 16), "STRUCTURE ID:  ");
    EXPECT_EQ(cols(17, 26), "BRIDGE 12 ");
    EXPECT_EQ(cols(27, 31), "     ");
    EXPECT_EQ(cols(32, 37), "(13)  ");
    EXPECT_EQ(cols(38, 45), std::string(8, ' '));
    EXPECT_EQ(cols(46, 62), "QUILLON         (");
    EXPECT_EQ(cols(63, 72), version);
    EXPECT_EQ(cols(73, 90), std::string(18, ' '));
    EXPECT_EQ(cols(91, 99), " 02/07/09");  // 9 July 2002
    EXPECT_EQ(cols(100, 100), " ");
    EXPECT_EQ(cols(101, 106), "14:05 ");  // hours, colon, minutes, blank
    EXPECT_EQ(cols(107, 125), std::string(19, ' '));
    EXPECT_EQ(cols(126, 129), "PAGE");
    EXPECT_EQ(cols(130, 133), "   2");
    // The heading printed on the page is the same line.
    auto records = Records(p.out.str());
    EXPECT_EQ(records.back(), line);
}

TEST(HeadingLine, EnglishBuildColumnByColumn) {
    ExpectHeadingColumns(EngineVariant::English, "WIN2.1.0e)");
}
TEST(HeadingLine, MetricBuildColumnByColumn) {
    ExpectHeadingColumns(EngineVariant::Metric, "WIN2.1.0m)");
}

TEST(HeadingLine, StructureIdBeforeTheFirstDescriptionCard) {
    Pages p;
    EXPECT_EQ(p.writer.HeadingLine().substr(16, 10), "*  *  *  *");
}

TEST(TitleBlock, FixedTextsInTheirColumns) {
    for (auto [variant, output] : {std::pair{EngineVariant::English, "English Output"},
                                   std::pair{EngineVariant::Metric, "Metric  Output"}}) {
        Pages p(variant);
        auto block = p.writer.TitleBlock();
        ASSERT_EQ(block.size(), 5u);
        EXPECT_EQ(block[0].substr(0, 1), " ");
        EXPECT_EQ(block[0].substr(55, 19), "State  of  Vandemor");
        EXPECT_EQ(block[1].substr(50, 30).size(), 30u);
        EXPECT_NE(block[2].find("Ostrel"), std::string::npos);
        EXPECT_EQ(block[3].substr(57, 14), output);
        EXPECT_EQ(block[4], "");
    }
}

TEST(DateAndTime, TextsOfTheHeading) {
    LocalTime t{2026, 12, 1, 7, 9, 4};
    EXPECT_EQ(MakeDateText(t), " 26/12/01 ");
    EXPECT_EQ(MakeTimeText(t), "07:09 04  ");
    EXPECT_EQ(MakeDateText(LocalTime{2000, 1, 2, 0, 0, 0}), " 00/01/02 ");
}

TEST(ErrorBoxLine, ErrorWordsInColumns26And96) {
    std::string frame = ErrorBoxLine();
    ASSERT_EQ(frame.size(), 100u);
    EXPECT_EQ(frame.substr(0, 25), std::string(25, ' '));
    EXPECT_EQ(frame.substr(25, 5), "ERROR");
    EXPECT_EQ(frame.substr(30, 65), std::string(65, ' '));
    EXPECT_EQ(frame.substr(95, 5), "ERROR");
    std::string message = ErrorBoxLine({{58, "FATAL ERROR"}});
    EXPECT_EQ(message.substr(57, 11), "FATAL ERROR");
    EXPECT_EQ(message.substr(95, 5), "ERROR");
}

}  // namespace
}  // namespace quillon::engine
