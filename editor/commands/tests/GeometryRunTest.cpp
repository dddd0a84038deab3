// Run Geometry with fake programs: which programs run, with which arguments,
// in which folder, and what the viewer and the messages show.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/commands/GeometryRun.hpp"
#include "editor/commands/ListingText.hpp"
#include "editor/commands/tests/CommandFakes.hpp"
#include "editor/commands/tests/TestFiles.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {
namespace {

// Line i of a long listing: 98 letters, a to t by turns, and CRLF.
std::string ListingLine(std::size_t i) {
    return std::string(98, "abcdefghijklmnopqrst"[i % 20]) + "\r\n";
}

using converters::testing::TempFolder;
using Ending = ProgramOutcome::Ending;

const std::string kEnglishFirstCard = "00BRIDGE-1";
const std::string kMetricFirstCard = std::string("00BRIDGE-M") + std::string(69, ' ') + "m";

class GeometryRunTest : public ::testing::Test {
protected:
    GeometryRunTest() {
        session.AppFolder = "/opt/quillon/bin";
        // Each engine writes the listing it is given; QlM2e its English deck.
        fakes.runner.programs["QlEngl"] = FakeProgram::Exiting(0).Writing({1});
        fakes.runner.programs["QlMetr"] = FakeProgram::Exiting(0).Writing({1});
        fakes.runner.programs["QlM2e"] = FakeProgram::Exiting(0).Writing({1});
    }

    // A deck of `lines` at `relative` in the test's folder, chosen in the dialog.
    std::string ChooseDeck(const std::string& relative, const std::vector<std::string>& lines) {
        const std::filesystem::path deck = folder.path() / relative;
        std::filesystem::create_directories(deck.parent_path());
        WriteFile(deck, LinesText(lines));
        fakes.chooser.answers.push_back(deck.string());
        return deck.string();
    }

    std::string In(const std::string& relative) const {
        return (folder.path() / relative).string();
    }

    // Runs the command: the viewer's text afterwards, or nothing when the run
    // left the viewer untouched.
    std::optional<std::string> Run() {
        RunGeometry(session, fakes.services, viewer);
        return viewer.Holds();
    }

    TempFolder folder;
    Fakes fakes;
    FakeViewer viewer;
    EditorSession session;
};

TEST_F(GeometryRunTest, EnglishDeckRunsQlEnglOnTheChosenFileInItsFolder) {
    const std::string deck = ChooseDeck("deck.dat", {kEnglishFirstCard, "01"});
    const std::optional<std::string> text = Run();

    ASSERT_EQ(fakes.runner.calls.size(), 1u);
    const FakeRunner::Call& call = fakes.runner.calls[0];
    EXPECT_EQ(call.call.program, std::filesystem::path("/opt/quillon/bin/QlEngl"));
    EXPECT_EQ(call.call.arguments, (std::vector<std::string>{deck, In("deck.lis")}));
    EXPECT_EQ(call.call.folder, folder.path());
    EXPECT_TRUE(call.waited);
    EXPECT_EQ(text, "written by the fake program\n");
    EXPECT_TRUE(fakes.messages.texts.empty());
    ASSERT_EQ(fakes.chooser.shown.size(), 1u);
    EXPECT_EQ(fakes.chooser.shown[0].dialog.filter, "Quillon input (*.dat)|*.dat");
    EXPECT_EQ(fakes.chooser.shown[0].mode, FileDialogMode::Open);
}

struct UnitsCase {
    std::string name;
    std::vector<std::string> deck;
    bool metric;
};

class GeometryRunUnits : public GeometryRunTest, public ::testing::WithParamInterface<UnitsCase> {};

TEST_P(GeometryRunUnits, MetricDeckRunsQlM2eThenQlMetrAndEnglishQlEngl) {
    const std::string deck = ChooseDeck("job/deck.dat", GetParam().deck);
    Run();

    const std::string bip = In("job/deck.BIP");
    const std::string lis = In("job/deck.lis");
    if (GetParam().metric) {
        ASSERT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e", "QlMetr"}));
        EXPECT_EQ(fakes.runner.calls[0].call.arguments, (std::vector<std::string>{deck, bip}));
        EXPECT_EQ(fakes.runner.calls[1].call.arguments, (std::vector<std::string>{bip, lis}));
    } else {
        ASSERT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlEngl"}));
        EXPECT_EQ(fakes.runner.calls[0].call.arguments, (std::vector<std::string>{deck, lis}));
    }
    for (const FakeRunner::Call& call : fakes.runner.calls) {
        EXPECT_EQ(call.call.folder, folder.path() / "job");
        EXPECT_TRUE(call.waited);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decks, GeometryRunUnits,
    ::testing::Values(
        UnitsCase{"LowerMInColumn80", {kMetricFirstCard, "01"}, true},
        UnitsCase{
            "CapitalMInColumn80", {std::string("00BRIDGE-M") + std::string(69, ' ') + "M"}, true},
        UnitsCase{"UnitsCardMetricAnyCase", {kEnglishFirstCard, "00 uNiTs: METRIC", "01"}, true},
        UnitsCase{"LaterUnitsCardSetsEnglishAgain",
                  {kEnglishFirstCard, "00 Units: Metric", "00 Units: feet", "01"},
                  false},
        UnitsCase{"UnitsOnTheFirstLineAloneIsEnglish", {"00 Units: Metric", "01"}, false},
        UnitsCase{"PlainEnglishDeck", {kEnglishFirstCard, "00 Project: Elm St", "01"}, false},
        UnitsCase{"EmptyDeckIsEnglish", {}, false}),
    testsupport::CaseName());

TEST_F(GeometryRunTest, MetricFlagOfTheFormsStaysAfterMetricAndEnglishRuns) {
    session.deck.MetricFlag = false;
    ChooseDeck("metric.dat", {kMetricFirstCard});
    Run();
    EXPECT_FALSE(session.deck.MetricFlag);

    session.deck.MetricFlag = true;
    ChooseDeck("english.dat", {kEnglishFirstCard});
    Run();
    EXPECT_TRUE(session.deck.MetricFlag);
    EXPECT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e", "QlMetr", "QlEngl"}));
}

struct NameCase {
    std::string name;
    std::string chosen;  // below the test's folder
    std::string base;    // below the test's folder
};

class GeometryRunNames : public GeometryRunTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(GeometryRunNames, ChosenFileRunsAndTheOthersAreNamedFromItsBase) {
    const std::string deck = ChooseDeck(GetParam().chosen, {kMetricFirstCard});
    Run();
    const std::string base = In(GetParam().base);
    ASSERT_EQ(fakes.runner.calls.size(), 2u);
    EXPECT_EQ(fakes.runner.calls[0].call.arguments,
              (std::vector<std::string>{deck, base + ".BIP"}));
    EXPECT_EQ(fakes.runner.calls[1].call.arguments,
              (std::vector<std::string>{base + ".BIP", base + ".lis"}));
    EXPECT_EQ(fakes.runner.calls[0].call.folder, std::filesystem::path(deck).parent_path());
}

INSTANTIATE_TEST_SUITE_P(
    Names, GeometryRunNames,
    ::testing::Values(NameCase{"Plain", "deck.dat", "deck"},
                      NameCase{"BlanksInFolderAndName", "my jobs/deck one.dat", "my jobs/deck one"},
                      NameCase{"QuotesInTheName", "say \"hi\"/de\"ck.dat", "say \"hi\"/de\"ck"},
                      NameCase{"DottedFolderDoesNotCut", "run.1/deck.dat", "run.1/deck"},
                      NameCase{"SecondDotOfTheFileName", "deck.v2.dat", "deck"},
                      NameCase{"OtherExtension", "deck.txt", "deck"}),
    testsupport::CaseName());

TEST_F(GeometryRunTest, DeckV2RunsItselfNotDeckDat) {
    ChooseDeck("deck.dat", {kEnglishFirstCard, "00 the other deck"});
    fakes.chooser.answers.clear();
    const std::string v2 = ChooseDeck("deck.v2.dat", {kEnglishFirstCard});
    Run();
    ASSERT_EQ(fakes.runner.calls.size(), 1u);
    EXPECT_EQ(fakes.runner.calls[0].call.arguments[0], v2);
    EXPECT_EQ(fakes.runner.calls[0].call.arguments[1], In("deck.lis"));
}

TEST_F(GeometryRunTest, M2eAbortedEndsTheRunNamingItsLog) {
    fakes.runner.programs["QlM2e"] = FakeProgram::Exiting(kAbortedStatus);
    const std::string deck = ChooseDeck("deck.dat", {kMetricFirstCard});
    const std::optional<std::string> text = Run();
    EXPECT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e"}));
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_EQ(fakes.messages.texts[0],
              "QlM2e could not convert " + deck + "; its messages are in " + In("QlvrM2E.ELF"));
    EXPECT_EQ(text, "");
}

TEST_F(GeometryRunTest, M2eNotMetricStatusGoesOnToQlMetr) {
    // QlM2e exits 1 when it copied a deck it judged English; the run goes on.
    fakes.runner.programs["QlM2e"].exitStatus = 1;
    ChooseDeck("deck.dat", {kMetricFirstCard});
    Run();
    EXPECT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e", "QlMetr"}));
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(GeometryRunTest, EngineErrorStatusStillShowsItsListing) {
    fakes.runner.programs["QlEngl"].exitStatus = 4;
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    EXPECT_EQ(Run(), "written by the fake program\n");
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(GeometryRunTest, MissingExecutableCannotStart) {
    fakes.runner.programs.erase("QlEngl");
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    const std::optional<std::string> text = Run();
    EXPECT_EQ(fakes.messages.texts,
              (std::vector<std::string>{
                  "Cannot start /opt/quillon/bin/QlEngl: No such file or directory"}));
    EXPECT_EQ(text, "");
}

TEST_F(GeometryRunTest, CrashedProgramEndsTheRunWithAMessage) {
    fakes.runner.programs["QlM2e"] = FakeProgram::Failing(Ending::Crashed, "Process crashed");
    ChooseDeck("deck.dat", {kMetricFirstCard});
    Run();
    EXPECT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e"}));
    EXPECT_EQ(fakes.messages.texts,
              (std::vector<std::string>{
                  "/opt/quillon/bin/QlM2e stopped before its end: Process crashed"}));
}

TEST_F(GeometryRunTest, CancelEndsTheRunWithoutAMessage) {
    fakes.runner.programs["QlM2e"] = FakeProgram::Failing(Ending::Cancelled);
    ChooseDeck("deck.dat", {kMetricFirstCard});
    const std::optional<std::string> text = Run();
    EXPECT_EQ(fakes.runner.Names(), (std::vector<std::string>{"QlM2e"}));
    EXPECT_TRUE(fakes.messages.texts.empty());
    EXPECT_EQ(text, "");
}

TEST_F(GeometryRunTest, ListingLeftFromBeforeCountsAsNotFound) {
    fakes.runner.programs["QlEngl"].writesArguments.clear();
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    WriteFile(In("deck.lis"), "an old listing\n");
    const std::optional<std::string> text = Run();
    EXPECT_EQ(fakes.messages.texts,
              (std::vector<std::string>{"Output file not found " + In("deck.lis")}));
    EXPECT_EQ(text, "");
}

TEST_F(GeometryRunTest, ListingOf65000BytesShowsWholeWithoutWarning) {
    // 650 lines of 98 characters and CRLF: 65000 bytes, counted 65000.
    std::string listing;
    for (std::size_t i = 0; i < 650; ++i) listing += ListingLine(i);
    ASSERT_EQ(listing.size(), 65000u);
    fakes.runner.programs["QlEngl"].content = listing;
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    const std::optional<std::string> text = Run();
    EXPECT_TRUE(fakes.messages.texts.empty());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 650u * 99u);
}

TEST_F(GeometryRunTest, ListingOf65001BytesWarnsAndShowsTheFirstPart) {
    std::string listing;
    for (std::size_t i = 0; i < 650; ++i) listing += ListingLine(i);
    listing += "x";
    ASSERT_EQ(listing.size(), 65001u);
    fakes.runner.programs["QlEngl"].content = listing;
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    const std::optional<std::string> text = Run();
    EXPECT_EQ(
        fakes.messages.texts,
        (std::vector<std::string>{"Warning: the output file is too large to display completely."}));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 650u * 99u);
    EXPECT_EQ(text->find('x'), std::string::npos);
}

// Each message of a run that reached the viewer comes over the emptied viewer,
// never over the last run's listing.
struct EmptiedCase {
    std::string name;
    bool writesListing;
    std::string listing;
    std::string message;  // {} stands for the listing's name
};

class GeometryRunEmptiesTheViewer : public GeometryRunTest,
                                    public ::testing::WithParamInterface<EmptiedCase> {};

TEST_P(GeometryRunEmptiesTheViewer, BeforeItsMessage) {
    viewer.ShowListing("the last run's listing\n");
    if (!GetParam().writesListing) fakes.runner.programs["QlEngl"].writesArguments.clear();
    fakes.runner.programs["QlEngl"].content = GetParam().listing;
    ChooseDeck("deck.dat", {kEnglishFirstCard});
    std::vector<std::optional<std::string>> behind;
    fakes.messages.onWarning = [&] { behind.push_back(viewer.Holds()); };
    Run();
    std::string message = GetParam().message;
    if (auto at = message.find("{}"); at != std::string::npos)
        message.replace(at, 2, In("deck.lis"));
    EXPECT_EQ(fakes.messages.texts, (std::vector<std::string>{message}));
    EXPECT_EQ(behind, (std::vector<std::optional<std::string>>{std::string()}));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, GeometryRunEmptiesTheViewer,
    ::testing::Values(EmptiedCase{"TooLarge", true, std::string(65001, 'a'),
                                  "Warning: the output file is too large to display completely."},
                      EmptiedCase{"NotFound", false, "", "Output file not found {}"}),
    testsupport::CaseName());

TEST_F(GeometryRunTest, CancelledDialogChangesNothing) {
    session.deck.MetricFlag = true;
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_TRUE(fakes.runner.calls.empty());
    EXPECT_TRUE(fakes.messages.texts.empty());
    EXPECT_TRUE(session.deck.MetricFlag);
}

struct RefusedCase {
    std::string name;
    std::string chosen;   // below the test's folder; not created
    std::string message;  // {} stands for the chosen name
};

class GeometryRunRefused : public GeometryRunTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(GeometryRunRefused, NothingRuns) {
    const std::string chosen = In(GetParam().chosen);
    fakes.chooser.answers.push_back(chosen);
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_TRUE(fakes.runner.calls.empty());
    std::string message = GetParam().message;
    if (auto at = message.find("{}"); at != std::string::npos) message.replace(at, 2, chosen);
    EXPECT_EQ(fakes.messages.texts, (std::vector<std::string>{message}));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, GeometryRunRefused,
    ::testing::Values(
        RefusedCase{"NoDotInTheFileName", "deck", "No input file has been selected."},
        RefusedCase{"DotOnlyInTheFolder", "run.1/deck", "No input file has been selected."},
        RefusedCase{"NothingBeforeTheDot", ".dat", "No input file has been selected."},
        RefusedCase{"MissingFile", "missing.dat", "Cannot read {}: No such file or directory"}),
    testsupport::CaseName());

TEST_F(GeometryRunTest, FolderChosenCannotBeRead) {
    std::filesystem::create_directories(In("decks.dat"));
    fakes.chooser.answers.push_back(In("decks.dat"));
    EXPECT_EQ(Run(), std::nullopt);
    EXPECT_TRUE(fakes.runner.calls.empty());
    EXPECT_EQ(fakes.messages.texts,
              (std::vector<std::string>{"Cannot read " + In("decks.dat") + ": Is a directory"}));
}

}  // namespace
}  // namespace quillon::editor::test
