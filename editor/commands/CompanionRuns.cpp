#include "editor/commands/CompanionRuns.hpp"

#include <iterator>

#include "converters/common/ConverterFiles.hpp"
#include "editor/commands/ProgramRuns.hpp"
#include "platform/FileContents.hpp"

namespace quillon::editor {

namespace {

using converters::ConverterFileName;

std::string ChooseListing(EditorSession& session, CommandServices& services) {
    return ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Open);
}

// Whether a camber input holds a problem: any line that is not blank.
bool HoldsCamberProblem(const std::string& camberInput) {
    const FileContents file = ReadFileContents(camberInput);
    return file.ok && file.bytes.find_first_not_of(" \t\r\n") != std::string::npos;
}

// What the console text of a program says, without the line end it ends with.
std::string_view ConsoleMessage(std::string_view console) {
    const std::size_t end = console.find_last_not_of(" \t\r\n");
    return end == std::string_view::npos ? std::string_view() : console.substr(0, end + 1);
}

}  // namespace

RunFormAfterOk ProjectCoordOk(EditorSession& session, CommandServices& services,
                              const ProjectCoordFields& fields) {
    session.dialog.filter = kProjectCoordFilter;
    session.dialog.title = kProjectCoordTitle;
    const std::string listing = ChooseListing(session, services);
    if (listing.empty() || !converters::FileNameExtension(listing)) {
        return RunFormAfterOk::StayOpen;
    }
    const std::string base = converters::BaseName(listing);
    const ProgramCall call = CallOf(
        session.AppFolder, kQlPrCo,
        {ConverterFileName(base, "lis"), ConverterFileName(base, "pcf"), fields.NorthOff,
         fields.EastOff, fields.NorS, fields.Degrees, fields.Minutes, fields.Seconds, fields.EorW},
        FolderOf(listing));
    return StartWithoutWaiting(services.runner, services.messages, call) ? RunFormAfterOk::Close
                                                                         : RunFormAfterOk::StayOpen;
}

RunFormAfterOk StickOk(EditorSession& session, CommandServices& services, int chosenItem) {
    session.dialog.filter = kListingFilter;
    session.dialog.fileName.clear();
    const std::string listing = ChooseListing(session, services);
    if (listing.empty()) return RunFormAfterOk::StayOpen;
    if (chosenItem < 0 || chosenItem >= static_cast<int>(std::size(kStickOutputCodes))) {
        return RunFormAfterOk::Close;
    }
    const ProgramCall call =
        CallOf(session.AppFolder, kQlStFi, {listing, std::string(kStickOutputCodes[chosenItem])},
               FolderOf(listing));
    return StartWithoutWaiting(services.runner, services.messages, call) ? RunFormAfterOk::Close
                                                                         : RunFormAfterOk::StayOpen;
}

RunFormAfterOk CamberOk(EditorSession& session, CommandServices& services,
                        std::string_view girderSelect) {
    session.dialog.filter = kListingFilter;
    session.dialog.fileName.clear();
    const std::string listing = ChooseListing(session, services);
    if (listing.empty() || !converters::FileNameExtension(listing)) {
        return RunFormAfterOk::StayOpen;
    }
    const std::string base = converters::BaseName(listing);
    const std::filesystem::path folder = FolderOf(listing);
    const std::string camberInput = ConverterFileName(base, "CMB");
    const FileStamp before = StampOf(camberInput);
    ProgramOutcome outcome;
    const ProgramCall toCamber =
        CallOf(session.AppFolder, kQl2Cmb,
               {ConverterFileName(base, "lis"), std::string(girderSelect)}, folder);
    if (!RunToItsEnd(services.runner, services.messages, toCamber, outcome)) {
        // A crash has been reported and the run is over; a program that did
        // not start, or a cancelled wait, leaves the form to try again.
        return outcome.ending == ProgramOutcome::Ending::Crashed ? RunFormAfterOk::Close
                                                                 : RunFormAfterOk::StayOpen;
    }
    const bool written = WrittenSince(before, camberInput);
    const bool failed = outcome.exitStatus == kAbortedStatus;
    if (failed || !written || !HoldsCamberProblem(camberInput)) {
        // A failed run, or one whose girder list selected nothing, has said
        // why on its console; QlCamb is not started, so its listing stays.
        const std::string_view said = ConsoleMessage(outcome.consoleText);
        if ((failed || written) && !said.empty()) {
            services.messages.Warning(said);
        } else if (!written) {
            services.messages.Warning("File" + camberInput +
                                      " does not exist.  Camber run aborted.");
        } else {
            services.messages.Warning("File" + camberInput +
                                      " holds no camber problem.  Camber run aborted.");
        }
        return RunFormAfterOk::Close;
    }
    const ProgramCall camber =
        CallOf(session.AppFolder, kQlCamb, {camberInput, ConverterFileName(base, "out")}, folder);
    return StartWithoutWaiting(services.runner, services.messages, camber)
               ? RunFormAfterOk::Close
               : RunFormAfterOk::StayOpen;
}

}  // namespace quillon::editor
