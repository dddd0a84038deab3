// Whole runs of the engine on small decks: how a run ends, the ignored-line
// report, comment lines, line ends, exit statuses and the console message.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

#include "EngineTestSupport.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::engine {
namespace {

using testing::Card;
using testing::Records;
using testing::RunOnDeck;

// One card of each type for a Problem on a horizontal tangent: one vertical
// PI with both grades, a crowned section without superelevation.
std::string GoodCard(int type) {
    switch (type) {
        case 0:
            return Card({{1, "00"}, {3, "TEST 1"}});
        case 2:
            return Card({{1, "02"},
                         {3, "    2.000"},
                         {42, " 200.0"},
                         {48, "  1000.00"},
                         {57, "  100.000"},
                         {72, "   -1.000"}});
        case 3:
            return Card({{1, "03"}, {3, "C"}, {4, "0.020"}});
        case 4:
            return Card({{1, "04"}, {3, "     500.00"}});
        default:
            return Card({{1, "0" + std::to_string(type)}});
    }
}

std::string Deck(std::initializer_list<int> types, const char* lineEnd = "\n") {
    std::string deck;
    for (int t : types) deck += GoodCard(t) + lineEnd;
    return deck;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The message line of the "NO nn CARD FOUND" box.
std::string NoCardLine(const char* nn) {
    return ErrorBoxLine({{56, std::string("NO ") + nn + " CARD FOUND"}});
}

struct TruncatedCase {
    const char* name;
    std::vector<int> types;
    const char* missing;  // nullptr: the run ends normally
};

class TruncatedDeck : public ::testing::TestWithParam<TruncatedCase> {};

TEST_P(TruncatedDeck, EndsWithTheBoxOfTheMissingCardOrNormally) {
    const TruncatedCase& c = GetParam();
    std::string deck;
    for (int t : c.types) deck += GoodCard(t) + "\n";
    auto result = RunOnDeck(deck);
    if (c.missing) {
        EXPECT_EQ(result.status, 4) << c.name;
        auto records = Records(result.listing);
        auto at = std::find(records.begin(), records.end(), NoCardLine(c.missing));
        ASSERT_NE(at, records.end()) << c.name << "\n" << result.listing;
        // two empty lines, frame, FATAL ERROR, NO nn CARD FOUND, frame
        ASSERT_GE(at - records.begin(), 4);
        EXPECT_EQ(*(at - 1), ErrorBoxLine({{58, "FATAL ERROR"}}));
        EXPECT_EQ(*(at - 2), ErrorBoxLine());
        EXPECT_EQ(*(at - 3), "");
        EXPECT_EQ(*(at - 4), "");
        EXPECT_EQ(*(at + 1), ErrorBoxLine());
        EXPECT_EQ(result.console, "");
    } else {
        EXPECT_EQ(result.status, 0) << c.name << "\n" << result.listing;
        EXPECT_EQ(result.console, "  Normal termination -- QUILLON\n");
        EXPECT_FALSE(Contains(result.listing, "CARD FOUND"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TruncatedDeck,
    ::testing::Values(TruncatedCase{"after_00", {0}, "02"}, TruncatedCase{"after_01", {0, 1}, "02"},
                      TruncatedCase{"after_02", {0, 2}, "03"},
                      TruncatedCase{"after_03", {0, 2, 3}, "04"},
                      TruncatedCase{"after_override_03", {0, 2, 3, 3}, "04"},
                      TruncatedCase{"after_04", {0, 2, 3, 4}, "05"},
                      TruncatedCase{"after_05", {0, 2, 3, 4, 5}, "06"},
                      TruncatedCase{"after_06", {0, 2, 3, 4, 5, 6}, nullptr},
                      TruncatedCase{"after_07", {0, 2, 3, 4, 5, 6, 7}, nullptr},
                      TruncatedCase{"after_08", {0, 2, 3, 4, 5, 6, 7, 8}, nullptr},
                      TruncatedCase{"two_line_sets", {0, 2, 3, 4, 5, 6, 4, 5, 6, 7}, nullptr},
                      TruncatedCase{"second_problem_after_00", {0, 2, 3, 4, 5, 6, 8, 0}, "02"}),
    quillon::testsupport::CaseName());

TEST(EmptyDeck, ListsTheBoxOfCard00) {
    auto result = RunOnDeck("");
    EXPECT_EQ(result.status, 4);
    auto records = Records(result.listing);
    // page 1: five title records, the heading, then the box
    ASSERT_GE(records.size(), 12u);
    EXPECT_EQ(records[5].substr(16, 10), "*  *  *  *");
    EXPECT_EQ(records[8], ErrorBoxLine());
    EXPECT_EQ(records[10], NoCardLine("00"));
}

TEST(DeckWithoutDescriptionCard, BoxOfCard00FirstThenUpToFiveIgnoredLines) {
    std::string deck;
    for (int i = 1; i <= 7; ++i)
        deck += Card({{1, "01"}, {10, "LINE " + std::to_string(i)}}) + "\n";
    auto result = RunOnDeck(deck);
    EXPECT_EQ(result.status, 4);
    auto records = Records(result.listing);
    auto box = std::find(records.begin(), records.end(), NoCardLine("00"));
    auto report = std::find(records.begin(), records.end(),
                            ErrorBoxLine({{44, "THE FOLLOWING INPUT LINES WERE IGNORED:"}}));
    ASSERT_NE(box, records.end());
    ASSERT_NE(report, records.end());
    EXPECT_LT(box, report);
    int listed =
        static_cast<int>(std::count_if(records.begin(), records.end(), [](const std::string& r) {
            return r.rfind(std::string(30, ' ') + "01", 0) == 0;
        }));
    EXPECT_EQ(listed, 5);  // lines 6 and 7 are dropped, not counted
    EXPECT_FALSE(Contains(result.listing, "-- AND"));
}

// The report of n ignored lines standing before the first 00 card.
std::vector<std::string> IgnoredReport(int n) {
    std::string deck;
    for (int i = 1; i <= n; ++i)
        deck += Card({{1, "05"}, {3, "IGNORED" + std::to_string(i)}}) + "\n";
    deck += Deck({0, 2, 3, 4, 5, 6});
    auto result = RunOnDeck(deck);
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.console, "");
    auto records = Records(result.listing);
    auto top = std::find(records.begin(), records.end(), ErrorBoxLine({{58, "FATAL ERROR"}}));
    EXPECT_NE(top, records.end());
    if (top == records.end()) return {};
    return std::vector<std::string>(top - 3, std::min(records.end(), top + 3 + 8 + 3));
}

std::string IgnoredLine(int i) {
    return std::string(30, ' ') +
           fixedform::PadRight(Card({{1, "05"}, {3, "IGNORED" + std::to_string(i)}}), 80);
}

TEST(IgnoredLinesReport, OneLine) {
    auto r = IgnoredReport(1);
    ASSERT_GE(r.size(), 8u);
    EXPECT_EQ(r[0], "");
    EXPECT_EQ(r[1], "");
    EXPECT_EQ(r[2], ErrorBoxLine());
    EXPECT_EQ(r[3], ErrorBoxLine({{58, "FATAL ERROR"}}));
    EXPECT_EQ(r[4], ErrorBoxLine({{44, "THE FOLLOWING INPUT LINES WERE IGNORED:"}}));
    EXPECT_EQ(r[5], ErrorBoxLine());
    EXPECT_EQ(r[6], IgnoredLine(1));
    EXPECT_EQ(r[6].size(), 110u);  // the card's columns 1-80 in listing columns 31-110
    EXPECT_EQ(r[7], "");           // fewer than 8 listed: one empty line
}

TEST(IgnoredLinesReport, EightLinesWithoutTrailer) {
    auto r = IgnoredReport(8);
    ASSERT_GE(r.size(), 14u);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(r[static_cast<size_t>(5 + i)], IgnoredLine(i));
    for (const auto& record : r) EXPECT_EQ(record.find("-- AND"), std::string::npos);
}

TEST(IgnoredLinesReport, NineAndTwelveLinesCountTheOthers) {
    for (auto [n, others] : {std::pair{9, "  1"}, std::pair{12, "  4"}}) {
        auto r = IgnoredReport(n);
        ASSERT_GE(r.size(), 16u);
        for (int i = 1; i <= 8; ++i) EXPECT_EQ(r[static_cast<size_t>(5 + i)], IgnoredLine(i));
        EXPECT_EQ(r[14], "");
        EXPECT_EQ(r[15], std::string(30, ' ') + "-- AND" + others + " OTHER(S)");
    }
}

TEST(CardStream, CommentLinesLeaveNoTrace) {
    std::string plain = Deck({0, 2, 3, 4, 5, 5, 6, 7, 8});
    std::string withComments;
    std::string comment = Card({{1, "99"}, {3, "A COMMENT"}}) + "\n";
    withComments += comment;
    for (int t : {0, 2, 3, 4, 5}) withComments += GoodCard(t) + "\n" + comment;
    withComments += GoodCard(5) + "\n" + comment + comment;
    for (int t : {6, 7, 8}) withComments += GoodCard(t) + "\n" + comment;
    auto a = RunOnDeck(plain);
    auto b = RunOnDeck(withComments);
    EXPECT_EQ(a.listing, b.listing);
    EXPECT_EQ(a.status, b.status);
    EXPECT_EQ(b.status, 0);
}

TEST(CardStream, CrlfDeckListsLikeLfDeck) {
    // a deck with an ignored line, so that the listing has content to compare
    std::string extra = Card({{1, "07"}, {3, "OUT OF ORDER"}});
    auto lf = RunOnDeck(extra + "\n" + Deck({0, 2, 3, 4, 5, 6}));
    auto crlf = RunOnDeck(extra + "\r\n" + Deck({0, 2, 3, 4, 5, 6}, "\r\n"));
    EXPECT_FALSE(lf.listing.empty());
    EXPECT_EQ(lf.listing, crlf.listing);
    EXPECT_EQ(lf.status, crlf.status);
}

TEST(CardStream, TypesReadWithBlanksIgnored) {
    // "4 " and " 4" are type 04; "A1" and "-1" are ignored lines
    std::string deck = GoodCard(0) + "\n" + GoodCard(2) + "\n" + GoodCard(3) + "\n" +
                       Card({{1, "4 "}, {3, "     500.00"}}) + "\n" + "A1\n" + "-1\n" + " 5\n" +
                       "6\n";
    auto result = RunOnDeck(deck);
    EXPECT_EQ(result.status, 4);
    auto records = Records(result.listing);
    EXPECT_NE(std::find(records.begin(), records.end(),
                        std::string(30, ' ') + fixedform::PadRight("A1", 80)),
              records.end());
    EXPECT_NE(std::find(records.begin(), records.end(),
                        std::string(30, ' ') + fixedform::PadRight("-1", 80)),
              records.end());
    EXPECT_FALSE(Contains(result.listing, "CARD FOUND"));  // 04, 05 and 06 were taken
}

TEST(CardStream, SecondRoadApproachCardIsIgnored) {
    auto result = RunOnDeck(Deck({0, 2, 3, 4, 5, 6, 8, 8}));
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(Contains(result.listing, "THE FOLLOWING INPUT LINES WERE IGNORED:"));
    EXPECT_TRUE(Contains(result.listing, std::string(30, ' ') + "08"));
}

TEST(EndOfInput, BlankLastLineAfterACompleteProblemEndsNormally) {
    auto result = RunOnDeck(Deck({0, 2, 3, 4, 5, 6, 8}) + "\n");
    EXPECT_EQ(result.status, 0) << result.listing;
    EXPECT_EQ(result.console, "  Normal termination -- QUILLON\n");
    auto records = Records(result.listing);
    auto at = std::find(records.begin(), records.end(),
                        ErrorBoxLine({{51, "BLANK LINE(S) ENCOUNTERED"}}));
    ASSERT_NE(at, records.end());
    EXPECT_EQ(*(at + 1), ErrorBoxLine({{52, "JUST BEFORE END-OF-FILE"}}));
    EXPECT_EQ(*(at - 1), ErrorBoxLine());
    EXPECT_EQ(*(at - 2), "");
}

TEST(EndOfInput, BlankDeckLineBeforeAnyAlignmentIsNoCleanRun) {
    auto result = RunOnDeck("\n");
    EXPECT_EQ(result.status, 4);
    EXPECT_TRUE(Contains(result.listing, "BLANK LINE(S) ENCOUNTERED"));
    EXPECT_EQ(result.console, "");
}

// A run whose line titles reported an elevation-shift fault must not end
// cleanly, even when its deck ends with a blank line.
TEST(EndOfInput, BlankLastLineStillPassesTheAuxiliaryOutputCheck) {
    for (char status : {'B', 'C', 'E', 'F'}) {
        std::ostringstream listing;
        EngineRun run(EngineVariant::English, listing,
                      {"00A", "02", "03", "04", "05", "06", "", ""});
        run.state.alignmentMarker = 0.0;
        run.state.currentCardType = 0;
        run.state.cardImage = std::string(80, ' ');
        run.state.auxOutputStatus = static_cast<AuxOutputStatus>(status);
        const int ended = EndOfInputError(run);
        EXPECT_EQ(ended, 4) << status;
        EXPECT_TRUE(Contains(listing.str(), "FATAL ERROR IN WRITING AUXILIARY OUTPUT")) << status;
        auto records = Records(listing.str());
        auto at =
            std::find(records.begin(), records.end(),
                      ErrorBoxLine({{39, "ELEVATION SHIFT IS LESS THAN 0.0002 FEET (AND >0)"}}));
        EXPECT_NE(at, records.end());
    }
}

TEST(FinishRun, AuxiliaryOutputBoxInTheMetricBuild) {
    std::ostringstream listing;
    EngineRun run(EngineVariant::Metric, listing, {});
    run.state.auxOutputStatus = AuxOutputStatus::ShiftNotConstant;
    const int ended = FinishRun(run);
    EXPECT_EQ(ended, 4);
    auto records = Records(listing.str());
    ASSERT_GE(records.size(), 14u);
    EXPECT_EQ(records[6], "");
    EXPECT_EQ(records[7], ErrorBoxLine());
    EXPECT_EQ(records[8], ErrorBoxLine({{44, "FATAL ERROR IN WRITING AUXILIARY OUTPUT"}}));
    EXPECT_EQ(records[9],
              ErrorBoxLine({{39, "ELEVATION SHIFT IS LESS THAN 0.00006 METERS (AND >0)"}}));
    EXPECT_EQ(records[10], ErrorBoxLine({{46, "OR ALL GIRDER LINES ARE LINE TYPE 4"}}));
    EXPECT_EQ(records[11], ErrorBoxLine({{46, "OR ELEVATION SHIFT IS NOT CONSTANT"}}));
    EXPECT_EQ(records[12], ErrorBoxLine({{41, "OR A GIRDER LINE HAS FEWER THAN THREE POINTS"}}));
    EXPECT_EQ(records[13], ErrorBoxLine());
}

TEST(ExitStatus, MissingInputListsTheErrorAndFails) {
    auto folder = testing::FreshFolder();
    auto listing = folder / "out.lis";
    FixedEnvironment environment(testing::FixedClock());
    std::ostringstream console, errors;
    int status = RunEngine({(folder / "no such deck.dat").string(), listing.string()},
                           EngineVariant::English, environment, console, errors);
    EXPECT_EQ(status, 4);
    EXPECT_EQ(testing::ReadWhole(listing), "Error: Input file not found\n");
    EXPECT_EQ(console.str(), "");
    EXPECT_FALSE(errors.str().empty());
    std::filesystem::remove_all(folder);
}

// An input that exists but is no readable file once left an empty listing,
// and cut an existing listing of that name to nothing.
enum class Unreadable { Folder, NoPermission };
struct UnreadableInputCase {
    std::string name;
    Unreadable kind;
};

class UnreadableInput : public ::testing::TestWithParam<UnreadableInputCase> {};

TEST_P(UnreadableInput, ListsTheErrorOfAMissingInputInPlaceOfAnOldListing) {
    auto folder = testing::FreshFolder();
    auto input = folder / "deck.dat";
    if (GetParam().kind == Unreadable::Folder) {
        std::filesystem::create_directory(input);
    } else {
        if (::geteuid() == 0) GTEST_SKIP() << "every file is readable to root";
        { std::ofstream(input) << "00A\n"; }
        std::filesystem::permissions(input, std::filesystem::perms::none);
    }
    auto listing = folder / "deck.lis";
    { std::ofstream(listing) << "the listing of an earlier run\n"; }
    FixedEnvironment environment(testing::FixedClock());
    std::ostringstream console, errors;
    int status = RunEngine({input.string(), listing.string()}, EngineVariant::English, environment,
                           console, errors);
    EXPECT_EQ(status, 4);
    EXPECT_EQ(testing::ReadWhole(listing), "Error: Input file not found\n");
    EXPECT_EQ(errors.str(), "QlEngl: cannot read the input file '" + input.string() + "'\n");
    EXPECT_EQ(console.str(), "");
    std::filesystem::permissions(input, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(ExitStatus, UnreadableInput,
                         ::testing::Values(UnreadableInputCase{"AFolder", Unreadable::Folder},
                                           UnreadableInputCase{"AFileWithoutReadPermission",
                                                               Unreadable::NoPermission}),
                         quillon::testsupport::CaseName());

TEST(ExitStatus, MissingArgumentsUnreadableInputAndUncreatableListing) {
    auto folder = testing::FreshFolder();
    FixedEnvironment environment(testing::FixedClock());
    std::string deck = (folder / "deck.dat").string();
    { std::ofstream(deck) << "00A\n"; }
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {deck},
             {deck, ""},
             {folder.string(), (folder / "a.lis").string()},      // a folder is no deck
             {deck, (folder / "missing" / "a.lis").string()}}) {  // no such folder
        std::ostringstream console, errors;
        EXPECT_EQ(RunEngine(args, EngineVariant::Metric, environment, console, errors), 4);
        EXPECT_FALSE(errors.str().empty());
        EXPECT_EQ(console.str(), "");
    }
    std::filesystem::remove_all(folder);
}

// "QlEngl my bridge.dat my bridge.lis" with the quotes forgotten once read the
// deck "my" and wrote its missing-input listing over "bridge.dat".
TEST(ExitStatus, SurplusArgumentsAreRefusedAndNoFileIsWritten) {
    auto folder = testing::FreshFolder();
    auto deck = folder / "bridge.dat";
    std::string cards = Deck({0, 2, 3, 4, 5, 6});
    { std::ofstream(deck, std::ios::binary) << cards; }
    FixedEnvironment environment(testing::FixedClock());
    for (EngineVariant variant : {EngineVariant::English, EngineVariant::Metric}) {
        std::ostringstream console, errors;
        const std::vector<std::string> args{(folder / "my").string(), deck.string(),
                                            (folder / "my").string(),
                                            (folder / "bridge.lis").string()};
        EXPECT_EQ(RunEngine(args, variant, environment, console, errors), 4);
        EXPECT_EQ(errors.str().rfind("usage: ", 0), 0u) << errors.str();
        EXPECT_EQ(console.str(), "");
        EXPECT_EQ(testing::ReadWhole(deck), cards);
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            files.push_back(entry.path().filename().string());
        EXPECT_EQ(files, std::vector<std::string>{"bridge.dat"});
    }
    std::filesystem::remove_all(folder);
}

TEST(ExitStatus, ListingNamingTheDeckLeavesTheDeckUntouched) {
    auto folder = testing::FreshFolder();
    auto deck = folder / "deck.dat";
    std::string cards = Deck({0, 2, 3, 4, 5, 6});
    { std::ofstream(deck, std::ios::binary) << cards; }
    std::filesystem::create_symlink(deck, folder / "alias.lis");
    FixedEnvironment environment(testing::FixedClock());
    for (const auto& listing : {deck, folder / "." / "deck.dat", folder / "alias.lis"}) {
        std::ostringstream console, errors;
        EXPECT_EQ(RunEngine({deck.string(), listing.string()}, EngineVariant::English, environment,
                            console, errors),
                  4)
            << listing;
        EXPECT_FALSE(errors.str().empty());
        EXPECT_EQ(console.str(), "");
        EXPECT_EQ(testing::ReadWhole(deck), cards);
    }
    std::filesystem::remove_all(folder);
}

TEST(ExitStatus, LongFileNamesWithBlanks) {
    std::string name(300, 'x');
    name.replace(100, 1, " ");
    auto folder = testing::FreshFolder();
    // a 300-character name needs a folder that allows it: make it of shorter parts
    auto dir = folder / std::string(200, 'd') / std::string(200, 'e');
    std::filesystem::create_directories(dir);
    auto input = dir / (name.substr(0, 200) + ".dat");
    auto listing = dir / (name.substr(0, 200) + ".lis");
    { std::ofstream(input) << Deck({0, 2, 3, 4, 5, 6}); }
    ASSERT_GT(input.string().size(), 256u);
    FixedEnvironment environment(testing::FixedClock());
    std::ostringstream console, errors;
    EXPECT_EQ(RunEngine({input.string(), listing.string()}, EngineVariant::English, environment,
                        console, errors),
              0);
    EXPECT_TRUE(std::filesystem::exists(listing));
    std::filesystem::remove_all(folder);
}

TEST(Run, WritesNoFileBesidesTheListing) {
    auto result = RunOnDeck(Deck({0, 2, 3, 4, 5, 6, 7, 8}));
    std::sort(result.filesAfterRun.begin(), result.filesAfterRun.end());
    EXPECT_EQ(result.filesAfterRun, (std::vector<std::string>{"deck.dat", "deck.lis"}));
}

TEST(ProcessDescriptionCard, StructureIdAndSectionNumbers) {
    std::ostringstream listing;
    EngineRun run(EngineVariant::English, listing, {});
    RunState& s = run.state;
    auto open = [&](const std::string& card) {
        s.cardImage = fixedform::PadRight(card, 80);
        ProcessDescriptionCard(run);
    };
    open("00BRIDGE 1");
    EXPECT_EQ(s.headings.text[0], "BRIDGE 1  ");
    EXPECT_EQ(s.headings.text[1], std::string(10, ' '));  // no alignment reached yet
    s.alignmentMarker = 0.0;
    open("00");  // blank ID: same structure, numbered from 2
    EXPECT_EQ(s.headings.text[0], "BRIDGE 1  ");
    EXPECT_EQ(s.headings.text[1], "(2)       ");
    open("00BRIDGE1");  // equal once blanks are removed
    EXPECT_EQ(s.headings.text[1], "(3)       ");
    EXPECT_EQ(s.headings.text[0], "BRIDGE1   ");
    open("00OTHER");
    EXPECT_EQ(s.headings.text[1], std::string(10, ' '));
    EXPECT_EQ(s.sectionCounter, 0);
}

}  // namespace
}  // namespace quillon::engine
