// Reading whole deck files: which step takes which card, the rows the forms
// grow to, the counters, the ticks, the units of the run and the one warning
// for the cards that are not kept; failures that leave the model alone.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CardTestSupport.hpp"
#include "DeckFileTestSupport.hpp"
#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

// Cards of the sample bridge (samples/bridge.dat); the texts their fields
// show are worked from the deck columns by hand below.
const std::string kFirst = "00BR 47-0317";
const std::string kText = "00 SPAN OVER CREEK";
// Column 3 "R"; PI station 13-23 "   25000000" with 4 decimals: 25+00.0000.
const std::string k01 = "01R 28300000   25000000 4000000 20000 20000";
// Grade in 3-11 "  3000000" with 6 decimals: 3.
const std::string k02 =
    "02  3000000 30000   245000  6325000 30000 20000   320000  6156250 20000  1000000";
// Crown "C"; cross slope 4-8 "  200" with 4 decimals: 0.02.
const std::string k03 = "03C  2000600";
// Station 3-11 "   308000" with 2 decimals: 30+80.00; slopes -0.02 and -0.03.
const std::string kOverride = "03   308000 -200 -300";
// Reference station 3-13 "   23500000" with 4 decimals: 23+50.0000.
const std::string k04 =
    "04   235000000R10000000111                                   19000000   31000000";
// Begin station 3-9 "   2350" with no decimals.
const std::string k08 = "08   2350   2650    4000 -220000 -120000       0  120000  220000";
const std::string kComment = "99 line set 1: reference line, girders, bents, dead load";

// A girder line of type 0 measured normal to the horizontal control.
std::string Girder(const std::string& description) {
    return Card("05", {{3, "0"}, {12, "4"}, {30, description}});
}
// A bent line at distance 0 with its skew direction given.
std::string Bent(const std::string& description) {
    return Card("06", {{3, "       0"}, {11, "0"}, {12, "L"}, {29, description}});
}
// Dead-load deflections of girder `girder` in the span of bent `bent`.
std::string DeadLoadCard(const std::string& girder, const std::string& bent) {
    return Card("07", {{3, girder + bent}, {15, "     0   473   886"}});
}

std::string Deck(const std::vector<std::string>& lines) { return LinesText(lines); }

std::string Padded(const std::string& text, size_t width) {
    std::string padded = text;
    padded.resize(width, ' ');
    return padded;
}

std::string NotKept(const std::string& type, int count, int line) {
    const std::string why =
        " (the editor holds one line set of one problem, and no comment cards); a saved deck "
        "leaves ";
    if (count == 1)
        return "Warning: (" + type + ") 1 card is not kept, at line " + std::to_string(line) + why +
               "it out.";
    return "Warning: (" + type + ") " + std::to_string(count) +
           " cards are not kept, the first at line " + std::to_string(line) + why + "them out.";
}

// A control of a form (of a row, for a row form) and the text it shows.
struct Filled {
    Form form;
    int row;
    std::string control;
    std::string text;
};

struct ReaderCase {
    const char* name;
    std::string deck;             // the file's bytes
    std::string ticks;            // Data Entry items 00 to 08 in order: "x" ticked, "." not
    std::array<size_t, 4> rows;   // override, girder-line, bent-line and dead-load rows held
    std::array<int, 3> counters;  // GirderLineCount, BentLineCount, DeadLoadCount
    std::vector<Filled> filled;
    std::vector<std::string> warnings;
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.name; }

std::string Ticks(const DataEntryTicks& t) {
    std::string text;
    for (bool tick : {t.mnuFormDesc, t.mnuFormHoriz, t.mnuFormVert, t.mnuFormCross, t.mnuFormRef,
                      t.mnuFormGird, t.mnuFormBent, t.mnuFormDead, t.mnuFormRoadApp})
        text += tick ? 'x' : '.';
    return text;
}

std::string Shown(const DeckModel& deck, const Filled& filled) {
    for (const auto& [control, text] : ControlTexts(deck, filled.form, filled.row))
        if (control == filled.control) return text;
    ADD_FAILURE() << "no control " << filled.control;
    return {};
}

constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::vector<std::string> Many(std::size_t count,
                              const std::function<std::string(std::size_t)>& card) {
    std::vector<std::string> cards;
    for (std::size_t i = 0; i < count; ++i) cards.push_back(card(i));
    return cards;
}

std::vector<std::string> Joined(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

const std::array<size_t, 4> kDesignRows = {6, 20, 20, 20};

class DeckReaderSteps : public ::testing::TestWithParam<ReaderCase> {
protected:
    TempFolder folder_;
};

TEST_P(DeckReaderSteps, FillsTheFormsFromTheCardsOfEachStep) {
    const ReaderCase& c = GetParam();
    const auto path = folder_.path() / "deck.dat";
    WriteFile(path, c.deck);
    DeckModel deck;
    CollectedWarnings warnings;
    DeckFileResult result = ReadInputFile(path, deck, warnings);
    ASSERT_TRUE(result.ok) << result.reason;

    EXPECT_EQ(Ticks(deck.ticks), c.ticks);
    EXPECT_EQ(deck.crossTrans.OverRows.size(), c.rows[0]);
    EXPECT_EQ(deck.girderLine.rows.size(), c.rows[1]);
    EXPECT_EQ(deck.bentLine.rows.size(), c.rows[2]);
    EXPECT_EQ(deck.deadLoad.rows.size(), c.rows[3]);
    EXPECT_EQ(deck.GirderLineCount, c.counters[0]);
    EXPECT_EQ(deck.BentLineCount, c.counters[1]);
    EXPECT_EQ(deck.DeadLoadCount, c.counters[2]);
    for (const Filled& filled : c.filled)
        EXPECT_EQ(Shown(deck, filled), filled.text) << filled.control << " of row " << filled.row;
    EXPECT_EQ(warnings.warnings, c.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DeckReaderSteps,
    ::testing::Values(
        ReaderCase{
            "EmptyFile",
            "",
            ".........",
            kDesignRows,
            {0, 0, 0},
            {{Form::Description, 0, "StructureID", ""}, {Form::Description, 0, "Units", "English"}},
            {}},
        ReaderCase{"OneLine",
                   Deck({kFirst}),
                   ".........",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "StructureID", "BR 47-0317"},
                    {Form::Description, 0, "Units", "English"},
                    {Form::Description, 0, "GenDesc", ""}},
                   {}},
        // Column 80 of a short card reads as a blank: English.
        ReaderCase{"ShortFirstCardIsEnglish",
                   Deck({"00AB", kText}),
                   "x........",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "StructureID", Padded("AB", 10)},
                    {Form::Description, 0, "Units", "English"},
                    {Form::Description, 0, "GenDesc", " SPAN OVER CREEK"}},
                   {}},
        // "m" marks a metric deck like "M"; the 01 card then has 5 decimals
        // on its PI station (13-23 "  125000000": 1250.00000 m = 1+250.00000).
        ReaderCase{"LowerCaseMInColumn80IsMetric",
                   Deck({Card("00", {{3, "M-1"}, {80, "m"}}), "01R 30153000  125000000"}),
                   ".x.......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "StructureID", Padded("M-1", 10)},
                    {Form::Description, 0, "Units", "Metric"},
                    {Form::Horizontal, 0, "PIStation", "1+250.00000"}},
                   {}},
        // A units card alone marks the run metric, and a marked deck stays
        // metric whatever its units card says: the converter's rule.
        ReaderCase{"UnitsCardAloneMakesTheDeckMetric",
                   Deck({"00M-2", "00 Units: metric;", "01R 30153000  125000000"}),
                   "xx.......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "Units", "Metric"},
                    {Form::Horizontal, 0, "PIStation", "1+250.00000"}},
                   {}},
        ReaderCase{"MetricMarkHoldsAgainstAUnitsCardInFeet",
                   Deck({Card("00", {{3, "M-3"}, {80, "M"}}), "00 Units: feet;",
                         "01R 30153000  125000000"}),
                   "xx.......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "Units", "Metric"},
                    {Form::Description, 0, "GenDesc", ""},
                    {Form::Horizontal, 0, "PIStation", "1+250.00000"}},
                   {}},
        ReaderCase{"NoDescriptionCards",
                   Deck({kFirst, k01, k02}),
                   ".xx......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Horizontal, 0, "Option2", "True"},
                    {Form::Horizontal, 0, "PIStation", "25+00.0000"},
                    {Form::Vertical, 0, "GradeIn", "3"}},
                   {}},
        // Without a 00 card the first line is no structure identifier: it is
        // offered to the next steps.
        ReaderCase{"NoFirstCard",
                   Deck({k01, k02}),
                   ".xx......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "StructureID", ""},
                    {Form::Horizontal, 0, "PIStation", "25+00.0000"},
                    {Form::Vertical, 0, "GradeIn", "3"}},
                   {}},
        ReaderCase{"NoHorizontalCard",
                   Deck({kFirst, kText, k02, k03}),
                   "x.xx.....",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Horizontal, 0, "PIStation", ""},
                    {Form::Vertical, 0, "GradeIn", "3"},
                    {Form::CrossTrans, 0, "CrownType", "C"}},
                   {}},
        // The 03 card is no 02 card: nothing is read shifted.
        ReaderCase{"NoVerticalCard",
                   Deck({kFirst, k01, k03, kOverride, k04}),
                   ".x.xx....",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Vertical, 0, "GradeIn", ""},
                    {Form::CrossTrans, 0, "CrownType", "C"},
                    {Form::CrossTrans, 0, "CrossSlope", "0.02"},
                    {Form::OverrideRow, 0, "OverSta", "30+80.00"},
                    {Form::RefLine, 0, "RefLineSta", "23+50.0000"}},
                   {}},
        ReaderCase{"CommentLineIsSkipped",
                   Deck({kFirst, kComment, k01}),
                   ".x.......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Horizontal, 0, "PIStation", "25+00.0000"}},
                   {NotKept("99", 1, 2)}},
        ReaderCase{"CommentLinesAmongRowsAreSkipped",
                   Deck({kFirst, k04, Girder("G1"), kComment, Girder("G2"), kComment}),
                   "....xx...",
                   kDesignRows,
                   {2, 0, 0},
                   {{Form::GirderLine, 1, "Text4", Padded("G2", 20)}},
                   {NotKept("99", 2, 4)}},
        ReaderCase{"TrailingBlankLines",
                   Deck({kFirst, k01, "", "   ", ""}),
                   ".x.......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Horizontal, 0, "PIStation", "25+00.0000"}},
                   {}},
        ReaderCase{"BlankLineBetweenRows",
                   Deck({kFirst, k04, Girder("G1"), "", Girder("G2")}),
                   "....xx...",
                   kDesignRows,
                   {2, 0, 0},
                   {{Form::GirderLine, 1, "Text4", Padded("G2", 20)}},
                   {}},
        // The last line has no line end.
        ReaderCase{"LastLineIsAnOverride",
                   Deck({kFirst, k01, k02, k03, kOverride}) + kOverride,
                   ".xxx.....",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::OverrideRow, 0, "OverSta", "30+80.00"},
                    {Form::OverrideRow, 1, "OverSta", "30+80.00"},
                    {Form::OverrideRow, 1, "OverLeft", "-0.02"},
                    {Form::OverrideRow, 1, "OverRight", "-0.03"},
                    {Form::OverrideRow, 2, "OverSta", ""}},
                   {}},
        ReaderCase{"CrLfAndLoneCrEndLines",
                   kFirst + "\r\n" + k01 + "\r" + k02 + "\r\n",
                   ".xx......",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::Description, 0, "StructureID", "BR 47-0317"},
                    {Form::Horizontal, 0, "PIStation", "25+00.0000"},
                    {Form::Vertical, 0, "GradeIn", "3"}},
                   {}},
        ReaderCase{"SecondLineSetIsNotKept",
                   Deck({kFirst, k04, Girder("G1"), Bent("ABUT 1"), DeadLoadCard("E", "A"), k04,
                         Girder("G9"), Bent("ABUT 9"), DeadLoadCard("E", "Z"), k08}),
                   "....xxxx.",
                   kDesignRows,
                   {1, 1, 1},
                   {{Form::GirderLine, 0, "Text4", Padded("G1", 20)},
                    {Form::GirderLine, 1, "Text4", ""},
                    {Form::BentLine, 0, "Text4", Padded("ABUT 1", 10)},
                    {Form::DeadLoad, 0, "Text2", "A"},
                    {Form::RoadAppr, 0, "BegStr", ""}},
                   {NotKept("04", 5, 6)}},
        ReaderCase{"SecondRoadApproachCardIsNotKept",
                   Deck({kFirst, k04, k08, k08}),
                   "....x...x",
                   kDesignRows,
                   {0, 0, 0},
                   {{Form::RoadAppr, 0, "BegStr", "23+50.0"}},
                   {NotKept("08", 1, 4)}},
        ReaderCase{"CardOutOfOrderEndsTheDeck",
                   Deck({kFirst, k04, Bent("ABUT 1"), Girder("G1"), DeadLoadCard("E", "A")}),
                   "....x.x..",
                   kDesignRows,
                   {0, 1, 0},
                   {{Form::BentLine, 0, "Text4", Padded("ABUT 1", 10)},
                    {Form::GirderLine, 0, "Text4", ""}},
                   {NotKept("05", 2, 4)}},
        // The design rows hold 20 girder lines; rows 20-24 are added.
        ReaderCase{"TwentyFiveGirderLines",
                   Deck(Joined(
                       {{kFirst, k04},
                        Many(25, [](std::size_t i) { return Girder("G" + std::to_string(i + 1)); }),
                        {k08}})),
                   "....xx..x",
                   {6, 25, 20, 20},
                   {25, 0, 0},
                   {{Form::GirderLine, 0, "Text4", Padded("G1", 20)},
                    {Form::GirderLine, 19, "Text4", Padded("G20", 20)},
                    {Form::GirderLine, 20, "Text4", Padded("G21", 20)},
                    {Form::GirderLine, 24, "Text4", Padded("G25", 20)},
                    {Form::GirderLine, 24, "Combo3", "Norm. from HCL"},
                    {Form::RoadAppr, 0, "BegStr", "23+50.0"}},
                   {}},
        ReaderCase{"OneHundredThirtyDeadLoadRows",
                   Deck(Joined({{kFirst, k04, Bent("ABUT 1")},
                                Many(130,
                                     [](std::size_t i) {
                                         return DeadLoadCard(std::string(1, kLetters[i % 26]),
                                                             std::string(1, kLetters[i / 26]));
                                     })})),
                   "....x.xx.",
                   {6, 20, 20, 130},
                   {0, 1, 130},
                   {{Form::DeadLoad, 0, "Text1", "A"},
                    {Form::DeadLoad, 129, "Text1", "Z"},
                    {Form::DeadLoad, 129, "Text2", "E"},
                    {Form::DeadLoad, 129, "Text4", "0.473"}},
                   {}}),
    testsupport::CaseName());

class DeckReaderFiles : public ::testing::Test {
protected:
    TempFolder folder_;
};

// The model as a deck, to compare one model with another.
std::string Saved(const DeckModel& deck) { return LinesText(SavedLines(deck)); }

TEST_F(DeckReaderFiles, AnUnreadableDeckLeavesTheModelAsItWas) {
    DeckModel deck;
    CollectedWarnings warnings;
    ASSERT_TRUE(ReadInputFile(SourceFile("samples/bridge.dat"), deck, warnings).ok);
    deck.girderLine.CurrentRow = 3;
    const std::string before = Saved(deck);

    DeckFileResult missing = ReadInputFile(folder_.path() / "missing.dat", deck, warnings);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
    DeckFileResult folder = ReadInputFile(folder_.path(), deck, warnings);
    EXPECT_FALSE(folder.ok);
    EXPECT_EQ(folder.reason, "Is a directory");

    EXPECT_EQ(Saved(deck), before);
    EXPECT_EQ(deck.girderLine.CurrentRow, 3);
    EXPECT_TRUE(deck.ticks.mnuFormRoadApp);
}

// Everything the first deck left (extra rows, ticks, the 08 card, the
// description lines, the units, the current rows) is gone once the second is
// read: the two are saved alike.
TEST_F(DeckReaderFiles, ASecondDeckIsReadIntoAResetModel) {
    const auto first = folder_.path() / "a.dat";
    WriteFile(first,
              Deck(Joined({{Card("00", {{3, "A"}, {80, "M"}}), kText, k01, k03, k04},
                           Many(22, [](std::size_t i) { return Girder("A" + std::to_string(i)); }),
                           {Bent("ABUT A"), DeadLoadCard("E", "A"), k08}})));
    const auto second = folder_.path() / "b.dat";
    WriteFile(second, Deck({"00B", k02, k04, Girder("B1")}));

    DeckModel both;
    CollectedWarnings warnings;
    ASSERT_TRUE(ReadInputFile(first, both, warnings).ok);
    both.deadLoad.CurrentRow = 2;
    ASSERT_TRUE(ReadInputFile(second, both, warnings).ok);
    DeckModel fresh;
    ASSERT_TRUE(ReadInputFile(second, fresh, warnings).ok);

    ASSERT_TRUE(WriteInputFile(folder_.path() / "both.dat", both, warnings).ok);
    ASSERT_TRUE(WriteInputFile(folder_.path() / "fresh.dat", fresh, warnings).ok);
    EXPECT_EQ(ReadFile(folder_.path() / "both.dat"), ReadFile(folder_.path() / "fresh.dat"));
    EXPECT_EQ(Ticks(both.ticks), "..x.xx...");
    EXPECT_EQ(both.girderLine.rows.size(), 20u);
    EXPECT_FALSE(both.MetricFlag);
    EXPECT_EQ(both.deadLoad.CurrentRow, 0);
    EXPECT_TRUE(warnings.warnings.empty());
}

}  // namespace

}  // namespace quillon::editor::test
