#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "converters/stick/StickFiles.hpp"
#include "converters/stick/tests/StickTestSupport.hpp"
#include "testsupport/CaseName.hpp"

namespace st = quillon::converters::stick;
using st::testing::Entry;
using st::testing::Records;
using st::testing::Row;

namespace {

// Four lines over three bents; every expected value below is worked out by hand from these
// points.
st::BridgeFile SmallBridge() {
    st::BridgeFile bridge;
    bridge.listingName = "bridge.lis";
    bridge.lines.push_back(
        Entry("GIRDER 1", {Row("CL ABUT 1", {0, 0, 100}), Row("SP 1", {5, 0, 100.5}),
                           Row("CL PIER 2", {10, 0, 101}), Row("CL ABUT 3", {20, 0, 102})}));
    bridge.lines.push_back(
        Entry("GIRDER 2", {Row("CL ABUT 1", {0, 10, 100}), Row("CL PIER 2", {10, 10, 101}),
                           Row("PT", {15, 10, 101.5}), Row("CL ABUT 3", {20, 10, 102})}));
    bridge.lines.push_back(Entry("CONT A", {Row("CL ABUT 1", {0, 5, 100})}));
    bridge.lines.push_back(Entry(
        "RIGHT EDGE",
        {Row("WW 1", {-2, -1, 99}), Row("CL ABUT 1", {0, -1, 100}), Row("BF 3", {20, -1, 102})}));
    st::ComputeExtents(bridge);
    return bridge;
}

TEST(S5000File, IsWrittenRecordByRecord) {
    std::ostringstream console;
    std::string file = st::WriteS5000(SmallBridge(), console);
    std::vector<std::string> expected = {
        // x -2..20 (22), y -1..10 (11): 11 x 1.668 < 22, not exchanged; scale 799 / 22,
        // y centre 4.5 +- 239.5 x 22 / 799 = 4.5 +- 6.594493.
        "DP,-2.000000,-2.094493:20.000000,11.094493",
        "",
        "MP,N",
        "*D",
        "LS,W,4",
        "PS,2",
        "*' GIRDER 1",
        // Start (0,0,100) extended away from the splice row (5,0,100.5): (-0.5, 0, 99.95).
        "SM,,-0.5000,0.0000,Z99.9500,2:\\",
        "0.0000,0.0000,Z100.0000,2:\\",
        "10.0000,0.0000,Z101.0000,2:\\",
        "20.0000,0.0000,Z102.0000,2:\\",
        // End (20,0,102) extended away from (10,0,101).
        "21.0000,0.0000,Z102.1000,2",
        "",
        // A girder after a girder keeps the style in force.
        "*' GIRDER 2",
        "SM,,-1.0000,10.0000,Z99.9000,2:\\",
        "0.0000,10.0000,Z100.0000,2:\\",
        "10.0000,10.0000,Z101.0000,2:\\",
        "20.0000,10.0000,Z102.0000,2:\\",
        // The neighbour of the end is the alignment point (15,10,101.5), whatever its kind.
        "20.5000,10.0000,Z102.0500,2",
        "",
        "LS,W,10",
        "PS,7",
        "*' CONT A",
        // One row kept: its ends are not extended.
        "SM,,0.0000,5.0000,Z100.0000,2:\\",
        "0.0000,5.0000,Z100.0000,2:\\",
        "0.0000,5.0000,Z100.0000,2",
        "",
        // RIGHT without OUT: no style of its own.
        "*' RIGHT EDGE",
        // Start: the wing wall (-2,-1,99) extended away from (0,-1,100).
        "SM,,-2.2000,-1.0000,Z98.9000,2:\\",
        "0.0000,-1.0000,Z100.0000,2:\\",
        "20.0000,-1.0000,Z102.0000,2:\\",
        "22.0000,-1.0000,Z102.2000,2",
        "",
        // Transverse CL ABUT 1 through the lines in order; BF 3 has one point and is left out.
        "LS,W,4",
        "PS,2",
        "SM,,0.0000,-1.0000,Z100.0000,2:\\",
        "0.0000,0.0000,Z100.0000,2:\\",
        "0.0000,10.0000,Z100.0000,2:\\",
        "0.0000,5.0000,Z100.0000,2:\\",
        "0.0000,-1.0000,Z100.0000,2:\\",
        "0.0000,-1.6000,Z100.0000,2",
        "",
        "LS,W,4",
        "PS,2",
        "SM,,10.0000,-1.0000,Z101.0000,2:\\",
        "10.0000,0.0000,Z101.0000,2:\\",
        "10.0000,10.0000,Z101.0000,2:\\",
        "10.0000,11.0000,Z101.0000,2",
        "",
        "LS,W,4",
        "PS,2",
        "SM,,20.0000,-1.0000,Z102.0000,2:\\",
        "20.0000,0.0000,Z102.0000,2:\\",
        "20.0000,10.0000,Z102.0000,2:\\",
        "20.0000,11.0000,Z102.0000,2",
        "",
        "LS,W,4",
        "PS,2",
        "",
        "PO,15.0000,10.0000,Z101.5000",
        "MP,Y",
        "*U",
    };
    EXPECT_EQ(Records(file), expected);
    EXPECT_EQ(file.back(), '\n');
    // A "." for each of the 32 point records.
    EXPECT_EQ(console.str(), "Processing S5000 output ... \n" + std::string(32, '.'));
}

TEST(S5000File, DrawsABentFaceLineInTheBentFaceStyle) {
    st::BridgeFile bridge;
    bridge.lines.push_back(Entry("RO EDGE", {Row("BF 1", {0, 0, 1}), Row("BF 2", {10, 0, 1})}));
    bridge.lines.push_back(Entry("LO EDGE", {Row("BF 1", {0, 8, 1}), Row("BF 2", {10, 8, 1})}));
    st::ComputeExtents(bridge);
    std::ostringstream console;
    std::vector<std::string> records = Records(st::WriteS5000(bridge, console));
    // Style lines: the two edges, then the two bent faces.
    std::vector<std::string> styles;
    for (const std::string& r : records)
        if (r.rfind("LS,", 0) == 0) styles.push_back(r);
    EXPECT_EQ(styles, (std::vector<std::string>{"LS,W,2", "LS,W,2", "LS,W,2", "LS,W,2"}));
    EXPECT_EQ(std::count(records.begin(), records.end(), "PS,5"), 4);
}

TEST(S5000File, LeavesOutALineWithNoDrawnRow) {
    st::BridgeFile bridge;
    bridge.lines.push_back(
        Entry("GIRDER 1", {Row("CL ABUT 1", {0, 0, 1}), Row("CL ABUT 2", {9, 0, 1})}));
    bridge.lines.push_back(Entry("GIRDER 2", {Row("SP 1", {0, 5, 1}), Row("WW 1", {9, 5, 1})}));
    st::ComputeExtents(bridge);
    std::ostringstream console;
    std::string file = st::WriteS5000(bridge, console);
    EXPECT_NE(file.find("*' GIRDER 1"), std::string::npos);
    EXPECT_EQ(file.find("GIRDER 2"), std::string::npos);
    // Nor has it a polyline in the DXF file or a string in the GENIO file.
    std::vector<std::string> dxf = Records(st::WriteDxf(bridge, {}, console));
    EXPECT_EQ(std::count(dxf.begin(), dxf.end(), "POLYLINE"), 1);
    EXPECT_EQ(std::count(dxf.begin(), dxf.end(), "  Start of bent line ---------->> GIRDER 2"), 0);
    std::vector<std::string> genio = Records(st::WriteGenio(bridge, console));
    EXPECT_EQ(std::count(genio.begin(), genio.end(), "080,GR 1,    ,5=0.0, 0.0, 3"), 1);
    EXPECT_EQ(std::count(genio.begin(), genio.end(), "080,GR 2,    ,5=0.0, 0.0, 3"), 0);
}

// The `count` records from `first` on (fewer at the end).
std::vector<std::string> Slice(const std::vector<std::string>& records, std::size_t first,
                               std::size_t count) {
    std::vector<std::string> slice;
    for (std::size_t i = first; i < records.size() && i < first + count; ++i)
        slice.push_back(records[i]);
    return slice;
}

// The position of the first record `text` from `from` on; records.size() without one.
std::size_t IndexOf(const std::vector<std::string>& records, const std::string& text,
                    std::size_t from = 0) {
    for (std::size_t i = from; i < records.size(); ++i)
        if (records[i] == text) return i;
    return records.size();
}

std::vector<std::string> Polyline(const std::string& layer, const std::vector<std::string>& head,
                                  const std::vector<st::Point3>& vertices) {
    auto xyz = [](const st::Point3& p) {
        return std::vector<std::string>{" 10", std::to_string(p.x), " 20", std::to_string(p.y),
                                        " 30", std::to_string(p.z)};
    };
    std::vector<std::string> out = head;
    for (const st::Point3& v : vertices) {
        for (const char* s : {"  0", "VERTEX", "  8"}) out.push_back(s);
        out.push_back(layer);
        for (const std::string& s : xyz(v)) out.push_back(s);
        out.push_back(" 70");
        out.push_back(" 32");
    }
    for (const char* s : {"  0", "SEQEND", "  8"}) out.push_back(s);
    out.push_back(layer);
    return out;
}

TEST(DxfFile, HoldsOneThreeDimensionalPolylinePerDrawnLineAndTransverseLine) {
    st::DxfHeader header{"Mon May  4 09:30:00 2026\n", "designer", "/jobs/bridge.lis"};
    std::ostringstream console;
    std::vector<std::string> records = Records(st::WriteDxf(SmallBridge(), header, console));
    std::vector<std::string> head = {
        "999", "Creator: Quillon to Stick figure v 1.00 ",
        "999", "TIME: Mon May  4 09:30:00 2026",
        "999", "USER: designer",
        "999", "BRIDGE FILE: /jobs/bridge.lis",
        "999", std::string(80, '-'),
        "  0", "SECTION",
        "  2", "ENTITIES",
    };
    ASSERT_GE(records.size(), head.size());
    EXPECT_EQ(Slice(records, 0, head.size()), head);
    // The first girder: its drawn rows, the last one twice (std::to_string writes %f).
    std::vector<std::string> girder =
        Polyline("BROKEN",
                 {"  0", "POLYLINE", "999", "  Start of bent line ---------->> GIRDER 1", "  8",
                  "BROKEN", "  6", "BYLAYER", " 66", "  1", " 10", "0.000000", " 20", "0.000000",
                  " 30", "100.000000", " 70", "  8"},
                 {{0, 0, 100}, {10, 0, 101}, {20, 0, 102}, {20, 0, 102}});
    EXPECT_EQ(Slice(records, head.size(), girder.size()), girder);
    // The first transverse line follows the comment line.
    const std::size_t comment =
        IndexOf(records, "------------------------- Transverse Points -------------------------");
    ASSERT_LT(comment, records.size());
    std::vector<std::string> abutment =
        Polyline("BROKEN",
                 {"  0", "POLYLINE", "  8", "BROKEN", "  6", "BYLAYER", " 66", "  1", " 70", "  8",
                  " 10", "0.000000", " 20", "0.000000", " 30", "100.000000"},
                 {{0, 0, 100}, {0, 10, 100}, {0, 5, 100}, {0, -1, 100}, {0, -1, 100}});
    ASSERT_GT(records.size() - comment, abutment.size());
    EXPECT_EQ(Slice(records, comment + 1, abutment.size()), abutment);
    // Four lines and three transverse lines (BF 3 has one point); layers by name.
    EXPECT_EQ(std::count(records.begin(), records.end(), "POLYLINE"), 7);
    std::vector<std::string> layers;
    for (size_t i = 0; i + 3 < records.size(); ++i)
        if (records[i] == "POLYLINE") {
            const std::size_t at = IndexOf(records, "  8", i);
            ASSERT_LT(at + 1, records.size());
            layers.push_back(records[at + 1]);
        }
    EXPECT_EQ(layers, (std::vector<std::string>{"BROKEN", "BROKEN", "BROKEN", "OUTLINE", "BROKEN",
                                                "BROKEN", "BROKEN"}));
    std::vector<std::string> tail(records.end() - 4, records.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"  0", "ENDSEC", "  0", "EOF"}));
}

TEST(DxfFile, NoValueHoldsALineEnd) {
    st::BridgeFile bridge = SmallBridge();
    bridge.listingName = "job\r\n.lis";
    bridge.lines[0].name = "GIRDER\r 1";
    st::DxfHeader header{"Mon May  4 09:30:00 2026\n", "de\r\nsigner", "/jobs/job\r\n.lis"};
    std::ostringstream console;
    std::vector<std::string> records = Records(st::WriteDxf(bridge, header, console));
    EXPECT_EQ(records[3], "TIME: Mon May  4 09:30:00 2026");
    EXPECT_EQ(records[5], "USER: designer");
    EXPECT_EQ(records[7], "BRIDGE FILE: /jobs/job.lis");
    EXPECT_EQ(records[17], "  Start of bent line ---------->> GIRDER 1");
    for (const std::string& r : records) EXPECT_EQ(r.find('\r'), std::string::npos);
    // Group codes and values alternate to the end: an even number of lines.
    EXPECT_EQ(records.size() % 2, 0u);
}

TEST(DxfFile, LayersFollowTheLineNames) {
    st::BridgeFile bridge;
    for (const char* name :
         {"WEB 1", "RO EDGE", "RIGHT EDGE OUT", "CTRL LINE", "CONT 2", "RIGHT EDGE", "WEB RO"})
        bridge.lines.push_back(Entry(name, {Row("CL ABUT 1", {0, 0, 1})}));
    std::vector<std::string> records = Records(st::WriteDxf(bridge, {}, std::cout));
    std::vector<std::string> layers;
    for (size_t i = 0; i + 5 < records.size(); ++i)
        if (records[i] == "POLYLINE") layers.push_back(records[i + 4]);
    EXPECT_EQ(layers, (std::vector<std::string>{"BROKEN", "OUTLINE", "OUTLINE", "BROKEN", "BROKEN",
                                                "OUTLINE", "BROKEN"}));
}

struct GenioNameCase {
    std::string name;
    std::string listing;
    std::string genio;
};

class GenioNames : public ::testing::TestWithParam<GenioNameCase> {};

TEST_P(GenioNames, AreTheFirstFourCharactersOfTheFileName) {
    EXPECT_EQ(st::GenioName(GetParam().listing), GetParam().genio);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, GenioNames,
    ::testing::Values(GenioNameCase{"PlainName", "bridge.lis", "brid"},
                      GenioNameCase{"FullPath", "/home/jobs/bridge.lis", "brid"},
                      GenioNameCase{"PointInAFolder", "/home/a.b/ab.lis", "ab"},
                      GenioNameCase{"NoExtension", "/home/jobs/deck", "deck"},
                      GenioNameCase{"TwoPoints", "x.y.lis", "x"},
                      // Four characters, not four bytes, of a name in UTF-8; a
                      // byte that is not UTF-8 is a character of its own.
                      GenioNameCase{"TwoByteCharacterFourth", "aaa\xC3\xBC.lis", "aaa\xC3\xBC"},
                      GenioNameCase{"ThreeAndFourByteCharacters",
                                    "\xE2\x82\xAC\xF0\x9F\x8C\x89"
                                    "ab.lis",
                                    "\xE2\x82\xAC\xF0\x9F\x8C\x89"
                                    "ab"},
                      GenioNameCase{"TwoByteCharacterAfterFour", "abcd\xC3\xBC.lis", "abcd"},
                      GenioNameCase{"LoneBytesCountOneEach", "\xC3\xFF\xBCxy.lis", "\xC3\xFF\xBCx"},
                      GenioNameCase{"CutSequenceIsBytes", "ab\xE2\x82.lis", "ab\xE2\x82"},
                      GenioNameCase{"OverlongFormIsBytes",
                                    "\xC0\xAF"
                                    "abc.lis",
                                    "\xC0\xAF"
                                    "ab"}),
    quillon::testsupport::CaseName());

TEST(GenioFile, WritesTheGirdersEdgesAndControlLines) {
    st::BridgeFile bridge;
    bridge.listingName = "/home/jobs/bridge.lis";
    bridge.lines.push_back(
        Entry("GIRDER 1", {Row("CL ABUT 1", {0, 0, 100}), Row("SP 1", {5, 0, 100.5}),
                           Row("CL ABUT 3", {20, 0, 102})}));
    bridge.lines.push_back(Entry("RIGHT EDGE", {Row("CL ABUT 1", {0, 1, 100})}));
    bridge.lines.push_back(Entry("left EDGE LO", {Row("CL ABUT 1", {0, -1, -1234.5})}));
    bridge.lines.push_back(Entry("CTRL LINE", {Row("CL ABUT 1", {5, 5, 5})}));
    bridge.lines.push_back(Entry("WEB 1", {Row("CL ABUT 1", {6, 6, 6})}));
    std::ostringstream console;
    std::vector<std::string> expected = {
        "GENIO, brid",
        "001FORMAT(3F12.3)",
        "003ORDR,4=1,1,2,3",
        "080,GR 1,    ,5=0.0, 0.0, 3",
        "       0.000       0.000     100.000",
        "      20.000       0.000     102.000",
        "       0.000       0.000",
        // RIGHT without OUT is left out; the edge after it keeps its place number 3.
        "080,LO 3,    ,5=0.0, 0.0, 3",
        "       0.000      -1.000   -1234.500",
        "       0.000       0.000",
        "080,CO 4,    ,5=0.0, 0.0, 3",
        "       5.000       5.000       5.000",
        "       0.000       0.000",
        "999",
    };
    EXPECT_EQ(Records(st::WriteGenio(bridge, console)), expected);
    EXPECT_EQ(console.str(), "....");
}

}  // namespace
