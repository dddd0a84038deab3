// The editor-wide values of one editor run, as the commands share them: the
// deck in the forms, the deck file being edited, the folders of the programs
// it starts and of its help page, and the shared file dialog's properties.
#pragma once

#include <filesystem>
#include <string>

#include "editor/commands/CommandServices.hpp"
#include "editor/deck/DeckModel.hpp"

namespace quillon::editor {

struct EditorSession {
    DeckModel deck;
    // The deck file being edited: empty at start, set by File New, File Open
    // and File Save As when they succeed, written by File Save.
    std::string CurrentFileName;
    // The folder the editor starts its programs from (InstalledFolders.hpp).
    std::filesystem::path AppFolder;
    // The folder of the editor's help page (InstalledFolders.hpp).
    std::filesystem::path HelpFolder;
    FileDialogState dialog;
};

// Shows the shared file dialog; a chosen name stays in it as the name offered
// next time. Empty when cancelled.
std::string ShowFileDialog(FileChooser& chooser, FileDialogState& dialog, FileDialogMode mode);

}  // namespace quillon::editor
