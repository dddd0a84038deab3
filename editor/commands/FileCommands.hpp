// The main window's File New, Open, Save, Save As and Print, and the question
// that closing and Open ask while the forms hold edits not yet saved.
//
// A cancelled dialog ends a command without effect or message. The warnings
// of one Open are shown together, in card order, once the deck is read. A
// deck that cannot be read gives "Cannot read <name>: <reason>" and leaves the forms and
// CurrentFileName as they were; a deck that cannot be written gives "Cannot
// write <name>: <reason>" and leaves the forms, the old file and
// CurrentFileName as they were.
#pragma once

#include <string_view>

#include "editor/commands/CommandServices.hpp"
#include "editor/commands/EditorSession.hpp"

namespace quillon::editor {

inline constexpr std::string_view kNewFileFilter = "All Files (*.dat)|*.dat";
inline constexpr std::string_view kNewFileTitle = "Open New File";
inline constexpr std::string_view kOpenFileFilter = "Geometry Input Files (*.dat)|*.dat";
inline constexpr std::string_view kSaveAsFilter = "Quillon input (*.dat)|*.dat";

// Whether the caller may leave the forms' edits behind (closing, File Open). With unsaved edits the
// user is asked: Save saves them (through Save As while no file is named) and goes on only when
// that succeeded, Discard goes on, Cancel stops.
bool MayLeaveEdits(EditorSession& session, CommandServices& services);

// File New: the chosen name becomes CurrentFileName and nothing is asked. The
// forms keep their content and stay marked as edited, so the next Save writes
// them under the new name and closing or Open still ask.
void FileNew(EditorSession& session, CommandServices& services);

// File Open: the chosen deck is read into the forms. True when it was.
bool FileOpen(EditorSession& session, CommandServices& services);

// File Save: the forms written to CurrentFileName, without a dialog. True
// when they were. With no name yet the deck writer says "No file specified
// for output." and nothing is written.
bool FileSave(EditorSession& session, CommandServices& services);

// File Save As: the forms written to the chosen name, which then becomes
// CurrentFileName. True when they were.
bool FileSaveAs(EditorSession& session, CommandServices& services);

// File Print: the viewer's text, as many whole printouts as the print dialog
// asks for; nothing when it is cancelled.
void FilePrint(Printer& printer, std::string_view text);

}  // namespace quillon::editor
