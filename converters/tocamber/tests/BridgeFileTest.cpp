#include <gtest/gtest.h>

#include <sstream>

#include "converters/tocamber/BridgeFile.hpp"
#include "converters/tocamber/tests/ToCamberTestSupport.hpp"

namespace tc = quillon::converters::tocamber;
namespace qt = quillon::converters::testing;

namespace {

struct KindCase {
    std::string name;
    std::string pointName;  // columns 2-11
    std::optional<tc::RowKind> kind;
};

class RowKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(RowKinds, AreTakenFromThePointName) {
    qt::PointRow row;
    row.name = GetParam().pointName;
    row.elevation = 600.0;
    EXPECT_EQ(tc::RowKindOf(qt::LongitudinalRow(row)), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RowKinds,
    ::testing::Values(KindCase{"Abutment", "CL ABUT 1", tc::RowKind::Support},
                      KindCase{"AbutmentBearing", "CL BRG 1", tc::RowKind::Support},
                      KindCase{"BearingBackOfPier", "CL BRG BK 2", std::nullopt},
                      KindCase{"BearingAheadOfPier", "CL BRG AH 2", std::nullopt},
                      KindCase{"Pier", "CL PIER 2", tc::RowKind::Pier},
                      KindCase{"PierBearing", "CLPIER BRG", tc::RowKind::Support},
                      KindCase{"SpliceRecord", "SP 1", tc::RowKind::Splice},
                      KindCase{"SpliceBentLine", "CL SPLICE", tc::RowKind::Splice},
                      KindCase{"TenthPoint", qt::PointLabel('F', 3), tc::RowKind::FractionalPoint},
                      KindCase{"XPoint", qt::PointLabel('X', 0), tc::RowKind::FractionalPoint},
                      KindCase{"DPoint", qt::PointLabel('D', 2), tc::RowKind::FractionalPoint},
                      KindCase{"EPoint", qt::PointLabel('E', 12), tc::RowKind::FractionalPoint},
                      KindCase{"BentFace", "BF PIER 2", std::nullopt},
                      KindCase{"CurvePoint", "*TS OR PC*", std::nullopt},
                      KindCase{"Diaphragm", "CL DIA 3", std::nullopt}),
    [](const ::testing::TestParamInfo<KindCase>& testInfo) { return testInfo.param.name; });

tc::BridgeLoad Load(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream console;
    tc::BridgeLoad load = tc::LoadBridgeFile(in, "job.lis", console);
    EXPECT_EQ(console.str(), "");
    return load;
}

TEST(LoadBridgeFile, KeepsTheRowsOfEveryGirderAndWebTable) {
    qt::GirderSpec twentieth;
    twentieth.pointsPerSpan = 20;
    twentieth.splices = {30.0, 150.0};
    qt::GirderSpec ninths;
    ninths.pointsPerSpan = 9;
    std::vector<qt::PointRow> web = qt::GirderRows({});
    qt::PointRow face = web[0];
    face.name = "BF ABUT 1";
    web.insert(web.begin(), face);
    web.push_back(face);
    tc::BridgeLoad load = Load(tc::testing::BridgeListing({{"GIRDER G1", qt::GirderRows({})},
                                                           {"EDGE OF DECK", qt::GirderRows({})},
                                                           {"GIRDER G2", qt::GirderRows(twentieth)},
                                                           {"WEB W3", web},
                                                           {"GIRDER G4", qt::GirderRows(ninths)}}));
    ASSERT_FALSE(load.abortMessage) << *load.abortMessage;
    ASSERT_EQ(load.girders.size(), 4u);
    EXPECT_EQ(load.girders[0].name, "GIRDER G1");
    EXPECT_EQ(load.girders[0].pointsPerSpan, 10);
    EXPECT_EQ(load.girders[0].rows.size(), 21u);
    EXPECT_EQ(load.girders[0].lastRow, 20);
    EXPECT_EQ(load.girders[1].name, "GIRDER G2");
    EXPECT_EQ(load.girders[1].pointsPerSpan, 20);
    EXPECT_EQ(load.girders[1].rows.size(), 43u);                   // 41 points and 2 splices
    EXPECT_EQ(load.girders[1].rows[7].kind, tc::RowKind::Splice);  // 30 ft: after F-6 at 27 ft
    // The bent faces are not kept; the last row is the last abutment.
    EXPECT_EQ(load.girders[2].name, "WEB W3");
    EXPECT_EQ(load.girders[2].rows.size(), 21u);
    EXPECT_EQ(load.girders[2].lastRow, 20);
    EXPECT_EQ(load.girders[3].pointsPerSpan, 0);  // F-1 to F-8: neither -9 nor -19
}

TEST(LoadBridgeFile, EndsTheLastGirderAtItsLastSupport) {
    std::vector<qt::PointRow> rows = qt::GirderRows({});
    qt::PointRow beyond = rows.back();
    beyond.name = qt::PointLabel('F', 1);
    rows.push_back(beyond);
    beyond.name = "SP 9";
    rows.push_back(beyond);
    tc::BridgeLoad load = Load(tc::testing::BridgeListing({{"GIRDER G1", rows}}));
    ASSERT_EQ(load.girders.size(), 1u);
    EXPECT_EQ(load.girders[0].rows.size(), 23u);
    EXPECT_EQ(load.girders[0].lastRow, 20);
}

TEST(LoadBridgeFile, EndsARunWithoutGirders) {
    tc::BridgeLoad load = Load(tc::testing::BridgeListing({{"LAYOUT LINE", qt::GirderRows({})}}));
    EXPECT_TRUE(load.girders.empty());
    EXPECT_EQ(load.abortMessage, "No Girders or Webs found to process in file, ABORTING PROCESS");
    ASSERT_EQ(load.logMessages.size(), 1u);
    EXPECT_EQ(load.logMessages[0].rfind("Unexpected EOF found at seekStructure() cnt = ", 0), 0u);
}

}  // namespace
