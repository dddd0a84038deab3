// Writing whole deck files: the card order, which rows become cards, rows
// and cards read from a deck, and failures that leave the old deck alone.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "CardTestSupport.hpp"
#include "DeckFileTestSupport.hpp"
#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

namespace fs = std::filesystem;

// The card type of every line.
std::vector<std::string> Types(const std::vector<std::string>& lines) {
    std::vector<std::string> types;
    for (const std::string& line : lines) types.push_back(line.substr(0, 2));
    return types;
}

// The lines of one card type.
std::vector<std::string> OfType(const std::vector<std::string>& lines, const std::string& type) {
    std::vector<std::string> cards;
    for (const std::string& line : lines)
        if (line.compare(0, 2, type) == 0) cards.push_back(line);
    return cards;
}

// Columns first..last of a line (1-based).
std::string Columns(const std::string& line, size_t first, size_t last) {
    return line.substr(first - 1, last - first + 1);
}

TEST(DeckWriter, FormsNeverUsedGiveTheDescriptionGroupAndOneCardOf01To04) {
    const std::vector<std::string> lines = SavedLines(DeckModel());
    // The 00 group: the English first card ends after its identifier's ten
    // columns, the four key cards with empty values, one empty description
    // card.
    const std::vector<std::string> description = {
        "00" + std::string(10, ' '),  "00 Units: feet;", "00 Project: ; Subaccount: ;",
        "00 Designer: ; Detailer: ;", "00 Location: ;",  "00"};
    ASSERT_EQ(lines.size(), description.size() + 4);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 6), description);
    EXPECT_EQ(Types(std::vector<std::string>(lines.begin() + 6, lines.end())),
              (std::vector<std::string>{"01", "02", "03", "04"}));
}

// Without road-approach data the deck ends with its last row card, or with
// the 04 card when it has no rows.
struct LastCardCase {
    const char* name;
    std::function<void(DeckModel&)> fill;
    std::string lastType;
};

void PrintTo(const LastCardCase& c, std::ostream* os) { *os << c.name; }

class DeckWriterLastCard : public ::testing::TestWithParam<LastCardCase> {};

TEST_P(DeckWriterLastCard, EndsWithTheLastRowCardWithoutAnApproachCard) {
    DeckModel deck;
    GetParam().fill(deck);
    deck.roadAppr.EndStr = "26+50";  // filled, but without a begin station
    const std::vector<std::string> lines = SavedLines(deck);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().substr(0, 2), GetParam().lastType);
    EXPECT_TRUE(OfType(lines, "08").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeckWriterLastCard,
    ::testing::Values(LastCardCase{"NoRows", [](DeckModel&) {}, "04"},
                      LastCardCase{"GirderLines",
                                   [](DeckModel& d) { d.girderLine.rows[0].Text4 = "G1"; }, "05"},
                      LastCardCase{"BentLines",
                                   [](DeckModel& d) {
                                       d.girderLine.rows[0].Text4 = "G1";
                                       d.bentLine.rows[0].Text4 = "ABUT 1";
                                   },
                                   "06"},
                      LastCardCase{"DeadLoad",
                                   [](DeckModel& d) {
                                       d.bentLine.rows[0].Text4 = "ABUT 1";
                                       d.deadLoad.rows[0].Text1 = "E";
                                   },
                                   "07"},
                      LastCardCase{"BeginStationOfSevenBlanks",
                                   [](DeckModel& d) {
                                       d.girderLine.rows[0].Text4 = "G1";
                                       d.roadAppr.BegStr = std::string(7, ' ');
                                   },
                                   "05"}),
    testsupport::CaseName());

TEST(DeckWriter, GapsBetweenRowsLeaveNoCard) {
    DeckModel deck;
    for (int row : {0, 1, 3}) {
        deck.girderLine.rows[static_cast<size_t>(row)].Text4 = "G" + std::to_string(row);
        deck.bentLine.rows[static_cast<size_t>(row)].Text4 = "B" + std::to_string(row);
        deck.deadLoad.rows[static_cast<size_t>(row)].Text1 = std::to_string(row);
    }
    deck.girderLine.rows[2].Text4 = std::string(20, ' ');  // a description of blanks only
    deck.bentLine.rows[2].Text1 = "100";                   // no description
    const std::vector<std::string> lines = SavedLines(deck);

    const std::vector<std::string> girders = OfType(lines, "05");
    ASSERT_EQ(girders.size(), 3u);
    EXPECT_EQ(Columns(girders[0], 30, 31), "G0");  // description, columns 30-49
    EXPECT_EQ(Columns(girders[1], 30, 31), "G1");
    EXPECT_EQ(Columns(girders[2], 30, 31), "G3");
    const std::vector<std::string> bents = OfType(lines, "06");
    ASSERT_EQ(bents.size(), 3u);
    EXPECT_EQ(Columns(bents[2], 29, 30), "B3");  // description, columns 29-38
    // Row 2 of the dead load is entirely empty: skipped, and row 3 is still
    // written (the empty row once ended the group).
    const std::vector<std::string> deadLoad = OfType(lines, "07");
    ASSERT_EQ(deadLoad.size(), 3u);
    EXPECT_EQ(Columns(deadLoad[2], 3, 3), "3");  // girder code, column 3
}

TEST(DeckWriter, AnOverrideRowIsWrittenWhenItsStationHoldsText) {
    DeckModel deck;
    deck.crossTrans.OverRows[0] = {"", "0.02", "0.03"};  // empty station: no card
    deck.crossTrans.OverRows[1] = {" ", "0.04", ""};     // a station of blanks is text
    deck.crossTrans.OverRows[2].OverSta = "1+00.00";
    const std::vector<std::string> overrides = OfType(SavedLines(deck), "03");
    // The first 03 card and the override cards of rows 1 and 2: station 3-11
    // (2 decimals), left slope 12-16 (4), right slope 17-21.
    ASSERT_EQ(overrides.size(), 3u);
    EXPECT_EQ(overrides[1], "03" + std::string(9, ' ') + "00400" + std::string(5, ' '));
    EXPECT_EQ(overrides[2], "03    10000" + std::string(10, ' '));
}

// Rows and cards read from a deck come back even when their key box is
// blank: girder and bent lines without a description were dropped, and so
// were an override with a blank station and an 08 card without a begin
// station.
TEST(DeckWriter, RowsReadFromADeckAreWrittenBackWithABlankKeyBox) {
    const std::vector<std::string> deck = {
        "00BLANKKEYS",
        "03C  2000600",
        Card("03", {{12, " -200 -300"}}),  // station 3-11 blank
        "04   235000000R10000000111",
        Card("05", {{3, "0"}, {4, " -200000"}, {12, "4"}, {30, "GIRDER G1"}}),
        Card("05", {{3, "0"}, {4, "  200000"}, {12, "4"}}),  // no description
        Card("06", {{3, "       0"}, {11, "0"}, {12, "L"}, {29, "ABUT 1"}}),
        Card("06", {{3, " 9000000"}, {11, "0"}, {12, "L"}}),  // no description
        Card("08", {{10, "   2650    4000"}}),                // begin station 3-9 blank
    };
    DeckModel model;
    CollectedWarnings warnings;
    ReadDeckLines(deck, model, warnings);
    EXPECT_TRUE(warnings.warnings.empty());
    const std::vector<std::string> lines = SavedLines(model);

    EXPECT_EQ(OfType(lines, "03").size(), 2u);
    EXPECT_EQ(Columns(OfType(lines, "03")[1], 3, 16), std::string(9, ' ') + "-0200");
    const std::vector<std::string> girders = OfType(lines, "05");
    ASSERT_EQ(girders.size(), 2u);
    EXPECT_EQ(Columns(girders[1], 4, 11), "  200000");
    EXPECT_EQ(Columns(girders[1], 30, 49), std::string(20, ' '));
    const std::vector<std::string> bents = OfType(lines, "06");
    ASSERT_EQ(bents.size(), 2u);
    EXPECT_EQ(Columns(bents[1], 3, 10), " 9000000");
    const std::vector<std::string> approach = OfType(lines, "08");
    ASSERT_EQ(approach.size(), 1u);
    EXPECT_EQ(Columns(approach[0], 3, 24), "          2650    4000");

    // Rows a user adds are still written only with a key.
    model.girderLine.rows[5].Text1 = "30";
    model.crossTrans.OverRows[4].OverLeft = "0.02";
    EXPECT_EQ(SavedLines(model), lines);
}

class DeckWriterFiles : public ::testing::Test {
protected:
    fs::path Path(const std::string& name) const { return folder_.path() / name; }
    DeckModel Sample() const {
        DeckModel deck;
        CollectedWarnings warnings;
        EXPECT_TRUE(ReadInputFile(SourceFile("samples/bridge.dat"), deck, warnings).ok);
        return deck;
    }

    TempFolder folder_;
    CollectedWarnings messages_;
};

TEST_F(DeckWriterFiles, WritesEveryCardEndedByALineFeedOverAnOldDeck) {
    const DeckModel deck = Sample();
    WriteFile(Path("deck.dat"), "old deck\r\n");
    DeckFileResult result = WriteInputFile(Path("deck.dat"), deck, messages_);
    ASSERT_TRUE(result.ok) << result.reason;
    const std::string written = ReadFile(Path("deck.dat"));
    EXPECT_EQ(written, LinesText(SavedLines(deck)));
    EXPECT_EQ(written.find('\r'), std::string::npos);
    EXPECT_EQ(folder_.EntryCount(), 1u);
    EXPECT_TRUE(messages_.warnings.empty());
}

TEST_F(DeckWriterFiles, ACardThatCannotBeWrittenNamesItsFieldAndTouchesNoFile) {
    DeckModel deck = Sample();
    deck.girderLine.rows[2].Text3 = "abc";
    WriteFile(Path("deck.dat"), "old deck\n");
    DeckFileResult result = WriteInputFile(Path("deck.dat"), deck, messages_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason,
              "Cannot write card 05, girder line row 3: Elevation Shift \"abc\" is not a number.");
    EXPECT_EQ(ReadFile(Path("deck.dat")), "old deck\n");
    EXPECT_FALSE(WriteInputFile(Path("new.dat"), deck, messages_).ok);
    EXPECT_FALSE(fs::exists(Path("new.dat")));
    EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(DeckWriterFiles, AMissingFolderGivesTheReasonAndLeavesNothing) {
    DeckFileResult result = WriteInputFile(Path("missing") / "deck.dat", Sample(), messages_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "No such file or directory");
    EXPECT_EQ(folder_.EntryCount(), 0u);
}

TEST_F(DeckWriterFiles, AReadOnlyDeckKeepsItsBytesAndNoTemporaryFileIsLeft) {
    WriteFile(Path("deck.dat"), "old deck\n");
    fs::permissions(Path("deck.dat"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    DeckFileResult result = WriteInputFile(Path("deck.dat"), Sample(), messages_);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "Permission denied");
    EXPECT_EQ(ReadFile(Path("deck.dat")), "old deck\n");
    EXPECT_EQ(folder_.EntryCount(), 1u);
}

// A deck kept to its owner stays so, and a deck saved through a link is the
// file the link points to.
TEST_F(DeckWriterFiles, ASavedDeckKeepsItsModeAndALinkToItStays) {
    WriteFile(Path("real.dat"), "old deck\n");
    fs::permissions(Path("real.dat"), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.dat", Path("link.dat"));
    const DeckModel deck = Sample();
    DeckFileResult result = WriteInputFile(Path("link.dat"), deck, messages_);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(ReadFile(Path("real.dat")), LinesText(SavedLines(deck)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("link.dat"))));
    EXPECT_EQ(fs::status(Path("real.dat")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(folder_.EntryCount(), 2u);
}

// A full disk half-way through the save keeps the old deck whole.
TEST_F(DeckWriterFiles, ADiskThatFillsHalfWayKeepsTheOldDeck) {
    const DeckModel deck = Sample();
    WriteFile(Path("deck.dat"), "old deck\n");
    const size_t size = LinesText(SavedLines(deck)).size();
    const int status = quillon::testing::WaitStatusOfChild(
        [&] {
            const DeckFileResult result = WriteInputFile(Path("deck.dat"), deck, messages_);
            return result.ok ? 0 : result.reason == "File too large" ? 1 : 2;
        },
        size / 2);
    EXPECT_EQ(quillon::testing::ExitStatus(status), 1);
    EXPECT_EQ(ReadFile(Path("deck.dat")), "old deck\n");
    EXPECT_EQ(folder_.EntryCount(), 1u);
}

TEST_F(DeckWriterFiles, AnEmptyPathGivesItsMessageAndWritesNothing) {
    const fs::path before = fs::current_path();
    fs::current_path(folder_.path());
    DeckFileResult result = WriteInputFile("", Sample(), messages_);
    fs::current_path(before);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "No file specified for output.");
    EXPECT_EQ(messages_.warnings, std::vector<std::string>{"No file specified for output."});
    EXPECT_EQ(folder_.EntryCount(), 0u);
}

}  // namespace

}  // namespace quillon::editor::test
