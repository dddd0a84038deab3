#include <gtest/gtest.h>

#include "converters/common/tests/ListingFixture.hpp"
#include "converters/tocamber/CamberFile.hpp"
#include "converters/tocamber/EntryCheck.hpp"

namespace tc = quillon::converters::tocamber;
namespace qt = quillon::converters::testing;

namespace {

TEST(WriteCmbLine, PadsToColumn77AndNumbersTheLine) {
    std::string file;
    int count = 0;
    tc::WriteCmbLine("    2    3", count, file);
    tc::WriteCmbLine(std::string(90, 'x'), count, file);  // cut at 77
    EXPECT_EQ(file, "    2    3" + std::string(67, ' ') + "  1\n" + std::string(77, 'x') + "  2\n");
    count = 999;
    file.clear();
    tc::WriteCmbLine("", count, file);  // a number beyond 999 keeps the line 80 columns
    EXPECT_EQ(file, std::string(77, ' ') + "***\n");
}

TEST(WriteGirderProblem, PutsTwentiethPointsOnTwoLinesASpan) {
    tc::GirderProblem p;
    p.number = 7;
    p.name = "GIRDER G7";
    p.pointsPerSpan = 20;
    p.spans = 2;
    p.splicePoints = 2;
    p.spliceElevations = {5000000, 5000400};
    p.spliceLocations = {0, 200000};
    p.spanLengths = {1000000, 1000000};
    for (long long i = 0; i <= 40; ++i) {
        p.geometricElevations.push_back(5000000 + 100 * i);
        p.deflections.push_back(i % 20 == 0 ? 0 : -i);
    }
    std::string file;
    int count = 0;
    tc::WriteGirderProblem(p, count, file);
    const std::vector<std::string> lines = qt::Lines(file);
    // Cards 1 and 2, three list lines, then per span 10 + 11 values of
    // GEOEL, and the same of DEFEL.
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].substr(0, 30), " 2GIRDER NO. 7  -  GIRDER G7  ");
    EXPECT_EQ(lines[1].substr(0, 10), "    2    2");
    EXPECT_EQ(lines[3].substr(0, 14), "   0000 200000");
    EXPECT_EQ(lines[5].substr(0, 77),
              "5000000500010050002005000300500040050005005000600500070050008005000900" +
                  std::string(7, ' '));
    EXPECT_EQ(lines[6].substr(0, 14), "50010005001100");
    EXPECT_EQ(lines[6].substr(70, 7), "5002000");  // point 20 of span 1
    EXPECT_EQ(lines[7].substr(0, 7), "5002000");   // again as point 0 of span 2
    EXPECT_EQ(lines[9].substr(0, 14), "   0000     -1");
    EXPECT_EQ(lines[12].substr(63, 14), "    -39   0000");
    EXPECT_EQ(lines[12].substr(77), " 13");
}

TEST(CheckEntry, TellsAnEmptyListingNameAndAnotherExtension) {
    using tc::EntryKind;
    EXPECT_EQ(tc::CheckEntry(EntryKind::ListingName, "").messages,
              std::vector<std::string>{"Quillon file name must be entered"});
    EXPECT_EQ(tc::CheckEntry(EntryKind::ListingName, "deck.txt").messages,
              std::vector<std::string>{"Input file name extension is not valid"});
    EXPECT_TRUE(tc::CheckEntry(EntryKind::ListingName, "deck.lis").messages.empty());
    EXPECT_TRUE(tc::CheckEntry(EntryKind::ListingName, "deck").messages.empty());
    EXPECT_TRUE(tc::CheckEntry(EntryKind::ListingName, "/jobs/a.b/deck").messages.empty());
}

}  // namespace
