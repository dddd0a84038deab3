#include "editor/commands/FileCommands.hpp"

#include <string>

#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"

namespace quillon::editor {

namespace {

// Writes the forms to `name`; on success the edits count as saved.
bool WriteDeck(EditorSession& session, CommandServices& services, const std::string& name) {
    const DeckFileResult result = WriteInputFile(name, session.deck, services.messages);
    if (result.ok) {
        session.deck.modified = false;
        return true;
    }
    // With no name the writer has said so itself.
    if (!name.empty()) services.messages.Warning("Cannot write " + name + ": " + result.reason);
    return false;
}

}  // namespace

bool MayLeaveEdits(EditorSession& session, CommandServices& services) {
    if (!session.deck.modified) return true;
    switch (services.question.AskAboutUnsavedEdits()) {
        case UnsavedEditsAnswer::Save:
            return session.CurrentFileName.empty() ? FileSaveAs(session, services)
                                                   : FileSave(session, services);
        case UnsavedEditsAnswer::Discard:
            return true;
        case UnsavedEditsAnswer::Cancel:
            return false;
    }
    return false;
}

void FileNew(EditorSession& session, CommandServices& services) {
    session.dialog.filter = kNewFileFilter;
    session.dialog.title = kNewFileTitle;
    std::string chosen = ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Open);
    if (!chosen.empty()) session.CurrentFileName = std::move(chosen);
}

bool FileOpen(EditorSession& session, CommandServices& services) {
    if (!MayLeaveEdits(session, services)) return false;
    session.dialog.filter = kOpenFileFilter;
    std::string chosen = ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Open);
    if (chosen.empty()) return false;
    CollectedWarnings warnings;
    const DeckFileResult result = ReadInputFile(chosen, session.deck, warnings);
    if (!warnings.warnings.empty()) services.messages.Warnings(warnings.warnings);
    if (!result.ok) {
        services.messages.Warning("Cannot read " + chosen + ": " + result.reason);
        return false;
    }
    session.deck.modified = false;
    session.CurrentFileName = std::move(chosen);
    return true;
}

bool FileSave(EditorSession& session, CommandServices& services) {
    return WriteDeck(session, services, session.CurrentFileName);
}

bool FileSaveAs(EditorSession& session, CommandServices& services) {
    session.dialog.filter = kSaveAsFilter;
    std::string chosen = ShowFileDialog(services.chooser, session.dialog, FileDialogMode::Save);
    if (chosen.empty() || !WriteDeck(session, services, chosen)) return false;
    session.CurrentFileName = std::move(chosen);
    return true;
}

void FilePrint(Printer& printer, std::string_view text) {
    const std::optional<int> copies = printer.ChooseCopies();
    if (copies && *copies > 0) printer.PrintCopies(text, *copies);
}

}  // namespace quillon::editor
