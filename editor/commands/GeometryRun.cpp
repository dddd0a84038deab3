#include "editor/commands/GeometryRun.hpp"

#include "cards/DeckRules.hpp"
#include "converters/common/ConverterFiles.hpp"
#include "editor/commands/ListingText.hpp"
#include "editor/commands/ProgramRuns.hpp"
#include "fixedform/TextLines.hpp"
#include "platform/FileContents.hpp"

namespace quillon::editor {

namespace {

// Runs the programs of the deck's units; true when the engine ran to its end.
bool RunPrograms(const EditorSession& session, CommandServices& services, const std::string& deck,
                 bool metric, const std::string& base, const std::string& listing) {
    const std::filesystem::path folder = FolderOf(deck);
    ProgramOutcome outcome;
    if (!metric) {
        return RunToItsEnd(services.runner, services.messages,
                           CallOf(session.AppFolder, kQlEngl, {deck, listing}, folder), outcome);
    }
    const std::string english = converters::ConverterFileName(base, "BIP");
    const ProgramCall m2e = CallOf(session.AppFolder, kQlM2e, {deck, english}, folder);
    if (!RunToItsEnd(services.runner, services.messages, m2e, outcome)) return false;
    if (outcome.exitStatus == kAbortedStatus) {
        services.messages.Warning(std::string(kQlM2e) + " could not convert " + deck +
                                  "; its messages are in " +
                                  (folder / std::string(kM2eLogName)).string());
        return false;
    }
    return RunToItsEnd(services.runner, services.messages,
                       CallOf(session.AppFolder, kQlMetr, {english, listing}, folder), outcome);
}

}  // namespace

bool RunGeometry(EditorSession& session, CommandServices& services, ListingViewer& viewer) {
    session.dialog.filter = kGeometryRunFilter;
    const std::string deck = ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Open);
    if (deck.empty()) return false;
    const std::string base = converters::BaseName(deck);
    if (!converters::FileNameExtension(deck) || base.empty() || base.back() == '/') {
        services.messages.Warning(kNoInputFileSelected);
        return false;
    }
    const FileContents chosen = ReadFileContents(deck);
    if (!chosen.ok) {
        services.messages.Warning("Cannot read " + deck + ": " + chosen.reason);
        return false;
    }
    const bool metric = cards::IsMetricDeck(fixedform::SplitTextLines(chosen.bytes));

    const std::string listing = converters::ConverterFileName(base, "lis");
    const FileStamp before = StampOf(listing);
    const bool ran = RunPrograms(session, services, deck, metric, base, listing);
    // The last listing goes before anything is said about this run's.
    viewer.ShowListing({});
    if (!ran) return true;

    if (!WrittenSince(before, listing)) {
        services.messages.Warning(std::string(kOutputFileNotFound) + listing);
        return true;
    }
    const FileContents written = ReadFileContents(listing);
    if (!written.ok) {
        services.messages.Warning("Cannot read " + listing + ": " + written.reason);
        return true;
    }
    const ListingDisplay display = ListingForDisplay(written.bytes);
    if (display.tooLarge) services.messages.Warning(kListingTooLarge);
    viewer.ShowListing(display.text);
    return true;
}

}  // namespace quillon::editor
