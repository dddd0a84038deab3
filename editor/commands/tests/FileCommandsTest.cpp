// File New, Open, Save, Save As and Print with a fake chooser, and the
// question before unsaved edits are left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/commands/FileCommands.hpp"
#include "editor/commands/tests/CommandFakes.hpp"
#include "editor/commands/tests/TestFiles.hpp"
#include "editor/deck/DeckReader.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {
namespace {

using converters::testing::ReadFile;
using converters::testing::TempFolder;

const std::filesystem::path kSample =
    std::filesystem::path(QUILLON_SOURCE_DIR) / "samples/bridge.dat";

class FileCommandsTest : public ::testing::Test {
protected:
    std::string In(const std::string& relative) const {
        return (folder.path() / relative).string();
    }

    // The forms hold the sample deck, read as File Open reads it.
    void HoldSample() {
        CollectedWarnings ignored;
        ASSERT_TRUE(ReadInputFile(kSample, session.deck, ignored).ok);
    }

    TempFolder folder;
    Fakes fakes;
    EditorSession session;
};

TEST_F(FileCommandsTest, NewThenOpenShowsOpenNewFile) {
    fakes.chooser.answers = {In("new.dat"), ""};
    FileNew(session, fakes.services);
    EXPECT_EQ(session.CurrentFileName, In("new.dat"));
    FileOpen(session, fakes.services);

    ASSERT_EQ(fakes.chooser.shown.size(), 2u);
    EXPECT_EQ(fakes.chooser.shown[0].dialog.title, "Open New File");
    EXPECT_EQ(fakes.chooser.shown[0].dialog.filter, "All Files (*.dat)|*.dat");
    EXPECT_EQ(fakes.chooser.shown[1].dialog.title, "Open New File");
    EXPECT_EQ(fakes.chooser.shown[1].dialog.filter, "Geometry Input Files (*.dat)|*.dat");
    // The dialog offers the name chosen last.
    EXPECT_EQ(fakes.chooser.shown[1].dialog.fileName, In("new.dat"));
    EXPECT_EQ(fakes.chooser.shown[1].mode, FileDialogMode::Open);
}

TEST_F(FileCommandsTest, NewKeepsTheFormsAndSaveWritesThemUnderTheNewName) {
    HoldSample();
    const std::string project = session.deck.description.Location;
    ASSERT_FALSE(project.empty());
    fakes.chooser.answers = {In("copy.dat")};
    FileNew(session, fakes.services);
    EXPECT_EQ(session.deck.description.Location, project);
    EXPECT_FALSE(std::filesystem::exists(In("copy.dat")));

    ASSERT_TRUE(FileSave(session, fakes.services));
    DeckModel reread;
    CollectedWarnings warnings;
    ASSERT_TRUE(ReadInputFile(In("copy.dat"), reread, warnings).ok);
    EXPECT_EQ(reread.description.Location, project);
}

TEST_F(FileCommandsTest, OpenReadsTheDeckAndNamesIt) {
    fakes.chooser.answers = {kSample.string()};
    ASSERT_TRUE(FileOpen(session, fakes.services));
    EXPECT_EQ(session.CurrentFileName, kSample.string());
    EXPECT_EQ(session.deck.GirderLineCount, 5);
    EXPECT_TRUE(session.deck.ticks.mnuFormGird);
    EXPECT_FALSE(session.deck.modified);
}

TEST_F(FileCommandsTest, OpenOfAMissingFileKeepsFormsAndName) {
    HoldSample();
    session.CurrentFileName = kSample.string();
    session.deck.modified = false;
    const DeckModel before = session.deck;
    fakes.chooser.answers = {In("missing.dat")};
    EXPECT_FALSE(FileOpen(session, fakes.services));
    EXPECT_EQ(fakes.messages.texts, (std::vector<std::string>{"Cannot read " + In("missing.dat") +
                                                              ": No such file or directory"}));
    EXPECT_EQ(session.CurrentFileName, kSample.string());
    EXPECT_EQ(session.deck.description.StructureID, before.description.StructureID);
    EXPECT_EQ(session.deck.girderLine.rows.size(), before.girderLine.rows.size());
}

// The warnings of one Open come together, in card order, in one box: a
// girder line of line type 9, then bent lines with the skew directions X, R
// and Q.
TEST_F(FileCommandsTest, OpenShowsTheReadersWarningsInOneListInCardOrder) {
    WriteFile(In("warned.dat"),
              LinesText({"00BR 47-0317", "01R 28300000   25000000 4000000 20000 20000",
                         "02  3000000 30000   245000  6325000 30000 20000   320000  6156250",
                         "03C  2000600",
                         "04   235000000R10000000111                                   "
                         "19000000   31000000",
                         "050 -2000004        0 -105000GIRDER G1 EXT LEFT      E",
                         "059 -1000004        0 -105000GIRDER G2 INTERIOR      I",
                         "06       00X        0 10    CL ABUT 1      A",
                         "06  9000000R        0 10    CL PIER 2      B",
                         "06 21000000Q        0 10    CL PIER 3      C"}));
    fakes.chooser.answers = {In("warned.dat")};
    ASSERT_TRUE(FileOpen(session, fakes.services));
    EXPECT_TRUE(fakes.messages.texts.empty());
    ASSERT_EQ(fakes.messages.lists.size(), 1u);
    const std::string skew = "Warning: (06) Skew direction invalid. Should be L or R";
    EXPECT_EQ(
        fakes.messages.lists[0],
        (std::vector<std::string>{"Warning: (05) Girder line data, bad line type.", skew, skew}));
}

TEST_F(FileCommandsTest, OpenOfADeckWithoutWarningsShowsNoList) {
    WriteFile(In("quiet.dat"), LinesText({"00BRIDGE", "01"}));
    fakes.chooser.answers = {In("quiet.dat")};
    ASSERT_TRUE(FileOpen(session, fakes.services));
    EXPECT_TRUE(fakes.messages.lists.empty());
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(FileCommandsTest, SaveAfterSaveAsWritesTheSaveAsName) {
    HoldSample();
    session.CurrentFileName = In("first.dat");
    fakes.chooser.answers = {In("second.dat")};
    ASSERT_TRUE(FileSaveAs(session, fakes.services));
    EXPECT_EQ(fakes.chooser.shown[0].mode, FileDialogMode::Save);
    EXPECT_EQ(fakes.chooser.shown[0].dialog.filter, "Quillon input (*.dat)|*.dat");
    EXPECT_EQ(session.CurrentFileName, In("second.dat"));
    std::filesystem::remove(In("second.dat"));

    ASSERT_TRUE(FileSave(session, fakes.services));
    EXPECT_TRUE(std::filesystem::exists(In("second.dat")));
    EXPECT_FALSE(std::filesystem::exists(In("first.dat")));
}

TEST_F(FileCommandsTest, SaveAsReplacesAnExistingFile) {
    HoldSample();
    WriteFile(In("old.dat"), "old\n");
    fakes.chooser.answers = {In("old.dat")};
    ASSERT_TRUE(FileSaveAs(session, fakes.services));
    EXPECT_EQ(ReadFile(In("old.dat")).rfind("00BR 47-0317", 0), 0u);
}

TEST_F(FileCommandsTest, SaveWithNoNameSaysSoAndWritesNothing) {
    HoldSample();
    EXPECT_FALSE(FileSave(session, fakes.services));
    EXPECT_EQ(fakes.messages.texts, (std::vector<std::string>{"No file specified for output."}));
    EXPECT_EQ(folder.EntryCount(), 0u);
    EXPECT_TRUE(fakes.chooser.shown.empty());
}

TEST_F(FileCommandsTest, SaveClearsTheModifiedFlag) {
    session.CurrentFileName = In("deck.dat");
    session.deck.modified = true;
    ASSERT_TRUE(FileSave(session, fakes.services));
    EXPECT_FALSE(session.deck.modified);
}

TEST_F(FileCommandsTest, SaveIntoAMissingFolderFailsAndKeepsTheEdits) {
    HoldSample();
    session.deck.modified = true;
    session.CurrentFileName = In("gone/deck.dat");
    EXPECT_FALSE(FileSave(session, fakes.services));
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_EQ(fakes.messages.texts[0].rfind("Cannot write " + In("gone/deck.dat") + ": ", 0), 0u)
        << fakes.messages.texts[0];
    EXPECT_TRUE(session.deck.modified);
    EXPECT_EQ(session.CurrentFileName, In("gone/deck.dat"));
}

// No temporary file can be made in a folder that may not be written: a deck
// in it that may be written is saved in place, as other editors do.
TEST_F(FileCommandsTest, SaveIntoAReadOnlyFolderWritesTheDeckInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "a read-only folder does not stop root";
    std::filesystem::create_directories(In("locked"));
    WriteFile(In("locked/deck.dat"), "old deck\n");
    ASSERT_EQ(::chmod(In("locked").c_str(), 0555), 0);
    HoldSample();
    session.CurrentFileName = In("locked/deck.dat");
    EXPECT_TRUE(FileSave(session, fakes.services));
    ::chmod(In("locked").c_str(), 0755);
    EXPECT_TRUE(fakes.messages.texts.empty());
    EXPECT_NE(ReadFile(In("locked/deck.dat")), "old deck\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(In("locked")),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileCommandsTest, SaveOverAReadOnlyDeckFailsAndKeepsItsBytes) {
    WriteFile(In("deck.dat"), "old deck\n");
    ASSERT_EQ(::chmod(In("deck.dat").c_str(), 0444), 0);
    HoldSample();
    session.deck.modified = true;
    session.CurrentFileName = In("deck.dat");
    EXPECT_FALSE(FileSave(session, fakes.services));
    EXPECT_EQ(fakes.messages.texts,
              (std::vector<std::string>{"Cannot write " + In("deck.dat") + ": Permission denied"}));
    EXPECT_EQ(ReadFile(In("deck.dat")), "old deck\n");
    EXPECT_TRUE(session.deck.modified);
    ::chmod(In("deck.dat").c_str(), 0644);
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheOldName) {
    HoldSample();
    session.CurrentFileName = In("deck.dat");
    WriteFile(In("plain-file"), "not a folder\n");
    fakes.chooser.answers = {In("plain-file/deck.dat")};
    EXPECT_FALSE(FileSaveAs(session, fakes.services));
    EXPECT_EQ(session.CurrentFileName, In("deck.dat"));
    ASSERT_EQ(fakes.messages.texts.size(), 1u);
    EXPECT_EQ(fakes.messages.texts[0],
              "Cannot write " + In("plain-file/deck.dat") + ": Not a directory");
}

TEST_F(FileCommandsTest, CancelledDialogsChangeNothing) {
    session.CurrentFileName = In("deck.dat");
    FileNew(session, fakes.services);
    EXPECT_FALSE(FileOpen(session, fakes.services));
    EXPECT_FALSE(FileSaveAs(session, fakes.services));
    EXPECT_EQ(session.CurrentFileName, In("deck.dat"));
    EXPECT_TRUE(fakes.messages.texts.empty());
    EXPECT_EQ(folder.EntryCount(), 0u);
}

struct AskCase {
    std::string name;
    UnsavedEditsAnswer answer;
    bool goesOn;
};

class UnsavedEdits : public FileCommandsTest, public ::testing::WithParamInterface<AskCase> {};

TEST_P(UnsavedEdits, OpenAsksFirst) {
    HoldSample();
    session.deck.modified = true;
    session.CurrentFileName = In("edited.dat");
    fakes.question.answer = GetParam().answer;
    fakes.chooser.answers = {kSample.string()};
    const bool opened = FileOpen(session, fakes.services);
    EXPECT_EQ(fakes.question.asked, 1);
    EXPECT_EQ(opened, GetParam().goesOn);
    EXPECT_EQ(fakes.chooser.shown.size(), GetParam().goesOn ? 1u : 0u);
    EXPECT_EQ(std::filesystem::exists(In("edited.dat")),
              GetParam().answer == UnsavedEditsAnswer::Save);
    EXPECT_EQ(session.CurrentFileName, GetParam().goesOn ? kSample.string() : In("edited.dat"));
}

TEST_P(UnsavedEdits, ClosingAsks) {
    session.deck.modified = true;
    session.CurrentFileName = In("edited.dat");
    fakes.question.answer = GetParam().answer;
    EXPECT_EQ(MayLeaveEdits(session, fakes.services), GetParam().goesOn);
    EXPECT_EQ(session.deck.modified, GetParam().answer != UnsavedEditsAnswer::Save);
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedEdits,
                         ::testing::Values(AskCase{"Save", UnsavedEditsAnswer::Save, true},
                                           AskCase{"Discard", UnsavedEditsAnswer::Discard, true},
                                           AskCase{"Cancel", UnsavedEditsAnswer::Cancel, false}),
                         testsupport::CaseName());

// New only names the file a later Save writes: it asks nothing, and the
// edits stay unsaved, so Open and closing still ask.
TEST_F(FileCommandsTest, NewAsksNothingAndTheEditsStayUnsaved) {
    session.deck.modified = true;
    session.deck.description.StructureID = "EDITED";
    session.CurrentFileName = In("edited.dat");
    fakes.chooser.answers = {In("new.dat")};
    FileNew(session, fakes.services);
    EXPECT_EQ(fakes.question.asked, 0);
    EXPECT_EQ(session.CurrentFileName, In("new.dat"));
    EXPECT_TRUE(session.deck.modified);
    EXPECT_EQ(session.deck.description.StructureID, "EDITED");

    fakes.question.answer = UnsavedEditsAnswer::Cancel;
    fakes.chooser.answers = {kSample.string()};
    EXPECT_FALSE(FileOpen(session, fakes.services));
    EXPECT_EQ(fakes.question.asked, 1);
    EXPECT_FALSE(MayLeaveEdits(session, fakes.services));
    EXPECT_EQ(fakes.question.asked, 2);
    EXPECT_EQ(session.deck.description.StructureID, "EDITED");
}

TEST_F(FileCommandsTest, NoQuestionWithoutEdits) {
    EXPECT_TRUE(MayLeaveEdits(session, fakes.services));
    EXPECT_EQ(fakes.question.asked, 0);
}

TEST_F(FileCommandsTest, SaveAnswerWithNoNameAsksForOneAndStopsWhenCancelled) {
    session.deck.modified = true;
    fakes.question.answer = UnsavedEditsAnswer::Save;
    fakes.chooser.answers = {""};
    EXPECT_FALSE(MayLeaveEdits(session, fakes.services));
    ASSERT_EQ(fakes.chooser.shown.size(), 1u);
    EXPECT_EQ(fakes.chooser.shown[0].mode, FileDialogMode::Save);
    EXPECT_TRUE(session.deck.modified);
}

TEST_F(FileCommandsTest, SaveAnswerThatFailsToWriteStops) {
    session.deck.modified = true;
    session.CurrentFileName = In("gone/deck.dat");
    fakes.question.answer = UnsavedEditsAnswer::Save;
    EXPECT_FALSE(MayLeaveEdits(session, fakes.services));
    EXPECT_EQ(fakes.messages.texts.size(), 1u);
}

TEST_F(FileCommandsTest, PrintSendsOneWholePrintoutPerCopy) {
    FakePrinter printer;
    printer.copies = 3;
    FilePrint(printer, "Geometry Output Display");
    EXPECT_EQ(printer.printed, (std::vector<std::string>(3, "Geometry Output Display")));
}

TEST_F(FileCommandsTest, CancelledPrintPrintsNothing) {
    FakePrinter printer;
    printer.copies = std::nullopt;
    FilePrint(printer, "text");
    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_TRUE(printer.printed.empty());
}

}  // namespace
}  // namespace quillon::editor::test
