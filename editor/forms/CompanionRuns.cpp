#include "editor/forms/CompanionRuns.hpp"

#include <iterator>

#include "converters/common/ConverterFiles.hpp"
#include "editor/forms/ProgramRuns.hpp"

namespace quillon::editor {

namespace {

using converters::ConverterFileName;

std::string ChooseListing(EditorSession& session, CommandServices& services) {
    return ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Open);
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
    if (!WrittenSince(before, camberInput)) {
        services.messages.Warning("File" + camberInput + " does not exist.  Camber run aborted.");
        return RunFormAfterOk::Close;
    }
    const ProgramCall camber =
        CallOf(session.AppFolder, kQlCamb, {camberInput, ConverterFileName(base, "out")}, folder);
    return StartWithoutWaiting(services.runner, services.messages, camber)
               ? RunFormAfterOk::Close
               : RunFormAfterOk::StayOpen;
}

}  // namespace quillon::editor
