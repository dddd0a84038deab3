// The OK buttons of the Project Coordinates, Stick Figure and Camber forms
// with fake programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "converters/common/tests/TempFolder.hpp"
#include "editor/commands/CompanionRuns.hpp"
#include "editor/commands/tests/CommandFakes.hpp"
#include "editor/commands/tests/TestFiles.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {
namespace {

using converters::testing::TempFolder;
using Ending = ProgramOutcome::Ending;
using Args = std::vector<std::string>;

class CompanionRunsTest : public ::testing::Test {
protected:
    CompanionRunsTest() {
        session.AppFolder = "/opt/quillon/bin";
        for (const char* name : {"QlPrCo", "QlStFi", "QlCamb"}) fakes.runner.programs[name] = {};
        // Ql2Cmb writes the camber input under the listing's base name.
        fakes.runner.programs["Ql2Cmb"] = FakeProgram::Exiting(1).WritingFiles({"job.CMB"});
    }

    std::string In(const std::string& relative) const {
        return (folder.path() / relative).string();
    }

    TempFolder folder;
    Fakes fakes;
    EditorSession session;
};

TEST_F(CompanionRunsTest, ProjectCoordinatesPassesNineArgumentsAsTyped) {
    fakes.chooser.answers = {In("a.b/job.x.lis")};
    const ProjectCoordFields fields{"1\"2", "", "N", "12", "", "30.5", " w "};
    EXPECT_EQ(ProjectCoordOk(session, fakes.services, fields), RunFormAfterOk::Close);

    ASSERT_EQ(fakes.runner.calls.size(), 1u);
    const FakeRunner::Call& call = fakes.runner.calls[0];
    EXPECT_EQ(call.call.program, std::filesystem::path("/opt/quillon/bin/QlPrCo"));
    EXPECT_EQ(call.call.arguments, (Args{In("a.b/job.lis"), In("a.b/job.pcf"), "1\"2", "", "N",
                                         "12", "", "30.5", " w "}));
    EXPECT_EQ(call.call.folder, folder.path() / "a.b");
    EXPECT_FALSE(call.waited);
    const FakeChooser::Shown& shown = fakes.chooser.shown.at(0);
    EXPECT_EQ(shown.dialog.title, "Select Quillon Output file for processing.");
    EXPECT_EQ(shown.dialog.filter, "Quillon Output Files (*.lis)|*.lis");
}

TEST_F(CompanionRunsTest, ProjectCoordinatesWithEveryFieldEmptyStillPassesNine) {
    fakes.chooser.answers = {In("job.lis")};
    ProjectCoordOk(session, fakes.services, {});
    ASSERT_EQ(fakes.runner.calls.size(), 1u);
    EXPECT_EQ(fakes.runner.calls[0].call.arguments,
              (Args{In("job.lis"), In("job.pcf"), "", "", "", "", "", "", ""}));
}

TEST_F(CompanionRunsTest, ProjectCoordinatesOffersTheLastNameStickAndCamberAnEmptyOne) {
    session.dialog.fileName = In("last.dat");
    fakes.chooser.answers = {"", "", ""};
    EXPECT_EQ(ProjectCoordOk(session, fakes.services, {}), RunFormAfterOk::StayOpen);
    EXPECT_EQ(StickOk(session, fakes.services, 0), RunFormAfterOk::StayOpen);
    session.dialog.fileName = In("last.dat");
    EXPECT_EQ(CamberOk(session, fakes.services, "1-20"), RunFormAfterOk::StayOpen);
    ASSERT_EQ(fakes.chooser.shown.size(), 3u);
    EXPECT_EQ(fakes.chooser.shown[0].dialog.fileName, In("last.dat"));
    EXPECT_EQ(fakes.chooser.shown[1].dialog.fileName, "");
    EXPECT_EQ(fakes.chooser.shown[2].dialog.fileName, "");
    EXPECT_EQ(fakes.chooser.shown[1].dialog.filter, "Geometry Output Files (*.lis)|*.lis");
    EXPECT_EQ(fakes.chooser.shown[2].dialog.filter, "Geometry Output Files (*.lis)|*.lis");
    // Cancelled: nothing ran and nothing was said.
    EXPECT_TRUE(fakes.runner.calls.empty());
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(CompanionRunsTest, ProjectCoordinatesWithoutADotEndsQuietlyWithTheFormOpen) {
    fakes.chooser.answers = {In("run.1/job")};
    EXPECT_EQ(ProjectCoordOk(session, fakes.services, {}), RunFormAfterOk::StayOpen);
    EXPECT_TRUE(fakes.runner.calls.empty());
    EXPECT_TRUE(fakes.messages.texts.empty());
}

struct StickCase {
    std::string name;
    int item;
    std::string code;  // empty: nothing starts
};

class StickCodes : public CompanionRunsTest, public ::testing::WithParamInterface<StickCase> {};

TEST_P(StickCodes, ChosenItemGivesTheCodeAndTheFormCloses) {
    fakes.chooser.answers = {In("job.x.lis")};
    EXPECT_EQ(StickOk(session, fakes.services, GetParam().item), RunFormAfterOk::Close);
    if (GetParam().code.empty()) {
        EXPECT_TRUE(fakes.runner.calls.empty());
        return;
    }
    ASSERT_EQ(fakes.runner.calls.size(), 1u);
    EXPECT_EQ(fakes.runner.calls[0].name(), "QlStFi");
    // The chosen name itself, not one made from its base name.
    EXPECT_EQ(fakes.runner.calls[0].call.arguments, (Args{In("job.x.lis"), GetParam().code}));
    EXPECT_FALSE(fakes.runner.calls[0].waited);
    EXPECT_EQ(fakes.runner.calls[0].call.folder, folder.path());
}

INSTANTIATE_TEST_SUITE_P(Items, StickCodes,
                         ::testing::Values(StickCase{"Series5000", 0, "4"},
                                           StickCase{"AutoCadDxf", 1, "8"},
                                           StickCase{"MxGenio", 2, "16"},
                                           StickCase{"NothingChosen", -1, ""}),
                         testsupport::CaseName());

TEST_F(CompanionRunsTest, StickThatCannotStartSaysSoAndStaysOpen) {
    fakes.runner.programs.erase("QlStFi");
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(StickOk(session, fakes.services, 1), RunFormAfterOk::StayOpen);
    EXPECT_EQ(fakes.messages.texts,
              (Args{"Cannot start /opt/quillon/bin/QlStFi: No such file or directory"}));
}

TEST_F(CompanionRunsTest, CamberRunsQl2CmbThenQlCambOnTheWrittenInput) {
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "1-20"), RunFormAfterOk::Close);
    ASSERT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb", "QlCamb"}));
    EXPECT_EQ(fakes.runner.calls[0].call.arguments, (Args{In("job.lis"), "1-20"}));
    EXPECT_TRUE(fakes.runner.calls[0].waited);
    EXPECT_EQ(fakes.runner.calls[1].call.arguments, (Args{In("job.CMB"), In("job.out")}));
    EXPECT_FALSE(fakes.runner.calls[1].waited);
    for (const FakeRunner::Call& call : fakes.runner.calls) {
        EXPECT_EQ(call.call.folder, folder.path());
    }
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(CompanionRunsTest, CamberNamesEveryFileFromTheBase) {
    std::filesystem::create_directories(In("a.b"));
    fakes.runner.programs["Ql2Cmb"].writesFiles = {"job.CMB"};
    fakes.chooser.answers = {In("a.b/job.v2.lis")};
    CamberOk(session, fakes.services, "1,3");
    ASSERT_EQ(fakes.runner.calls.size(), 2u);
    EXPECT_EQ(fakes.runner.calls[0].call.arguments, (Args{In("a.b/job.lis"), "1,3"}));
}

const std::string kNoCamberInput = "does not exist.  Camber run aborted.";

TEST_F(CompanionRunsTest, CamberWithoutItsInputSaysSoAndCloses) {
    fakes.runner.programs["Ql2Cmb"] = FakeProgram::Exiting(kAbortedStatus);
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "9"), RunFormAfterOk::Close);
    EXPECT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb"}));
    EXPECT_EQ(fakes.messages.texts, (Args{"File" + In("job.CMB") + " " + kNoCamberInput}));
}

TEST_F(CompanionRunsTest, CamberInputLeftFromBeforeIsNotThisRunsInput) {
    WriteFile(In("job.CMB"), "other girders\n");
    fakes.runner.programs["Ql2Cmb"] = FakeProgram::Exiting(kAbortedStatus);
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "1"), RunFormAfterOk::Close);
    EXPECT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb"}));
    EXPECT_EQ(fakes.messages.texts, (Args{"File" + In("job.CMB") + " " + kNoCamberInput}));
}

// A girder list that selects nothing leaves an empty camber input and a
// message on Ql2Cmb's console: the message is shown, QlCamb is not started
// and the last camber listing stays.
struct UnstartedCamberCase {
    std::string name;
    int status;
    std::string camberInput;  // what Ql2Cmb writes; "-" for nothing
    std::string console;
    std::string message;  // {} stands for the camber input's name
};

class CamberStartsNoQlCamb : public CompanionRunsTest,
                             public ::testing::WithParamInterface<UnstartedCamberCase> {};

TEST_P(CamberStartsNoQlCamb, AndShowsWhy) {
    const UnstartedCamberCase& c = GetParam();
    WriteFile(In("job.out"), "the last camber listing\n");
    FakeProgram toCamber = FakeProgram::Exiting(c.status).Printing(c.console);
    if (c.camberInput != "-")
        toCamber = std::move(toCamber).WritingFiles({"job.CMB"}).Holding(c.camberInput);
    fakes.runner.programs["Ql2Cmb"] = std::move(toCamber);
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "abc"), RunFormAfterOk::Close);
    EXPECT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb"}));
    std::string message = c.message;
    if (auto at = message.find("{}"); at != std::string::npos)
        message.replace(at, 2, In("job.CMB"));
    EXPECT_EQ(fakes.messages.texts, (Args{message}));
    EXPECT_EQ(converters::testing::ReadFile(In("job.out")), "the last camber listing\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CamberStartsNoQlCamb,
    ::testing::Values(
        UnstartedCamberCase{"NothingSelected", 1, "", "Illegal character 'a' found, re-enter.\n",
                            "Illegal character 'a' found, re-enter."},
        UnstartedCamberCase{"OnlyBlankLinesWritten", 1, "   \r\n\n",
                            "Select girder numbers between 1 and 4\n",
                            "Select girder numbers between 1 and 4"},
        UnstartedCamberCase{"ConverterAborted", kAbortedStatus, "-",
                            "No girders were found in bridge file :job.lis, aborting run.\n",
                            "No girders were found in bridge file :job.lis, aborting run."},
        UnstartedCamberCase{"SeveralLinesPrinted", kAbortedStatus, "-", "first line\nsecond line\n",
                            "first line\nsecond line"},
        UnstartedCamberCase{"NothingSelectedSilently", 1, "", "",
                            "File{} holds no camber problem.  Camber run aborted."},
        UnstartedCamberCase{"AbortedSilently", kAbortedStatus, "-", "",
                            "File{} does not exist.  Camber run aborted."}),
    testsupport::CaseName());

TEST_F(CompanionRunsTest, CamberAfterACrashStartsNoQlCamb) {
    WriteFile(In("job.CMB"), "other girders\n");
    fakes.runner.programs["Ql2Cmb"] = FakeProgram::Failing(Ending::Crashed, "Process crashed");
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "1"), RunFormAfterOk::Close);
    EXPECT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb"}));
    EXPECT_EQ(fakes.messages.texts,
              (Args{"/opt/quillon/bin/Ql2Cmb stopped before its end: Process crashed"}));
}

TEST_F(CompanionRunsTest, CamberWhoseConverterCannotStartStaysOpen) {
    fakes.runner.programs.erase("Ql2Cmb");
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "1"), RunFormAfterOk::StayOpen);
    EXPECT_EQ(fakes.messages.texts,
              (Args{"Cannot start /opt/quillon/bin/Ql2Cmb: No such file or directory"}));
}

TEST_F(CompanionRunsTest, CamberCancelledWaitStaysOpenWithoutAMessage) {
    fakes.runner.programs["Ql2Cmb"] = FakeProgram::Failing(Ending::Cancelled);
    fakes.chooser.answers = {In("job.lis")};
    EXPECT_EQ(CamberOk(session, fakes.services, "1"), RunFormAfterOk::StayOpen);
    EXPECT_EQ(fakes.runner.Names(), (Args{"Ql2Cmb"}));
    EXPECT_TRUE(fakes.messages.texts.empty());
}

}  // namespace
}  // namespace quillon::editor::test
