// What the main window's commands need of the world, behind small interfaces:
// the programs they start, the shared file dialog, message boxes and the
// question about unsaved edits, the listing viewer, the settings store, the
// printer and the help viewer. The window hands the commands Qt implementations; tests hand fakes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// One program to start: its executable, its arguments each passed as it
// stands (no shell: blanks, quotes and empty arguments arrive intact), and the
// folder it works in, where the converters leave their logs.
struct ProgramCall {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    std::filesystem::path folder;
};

// How a program that was waited for ended.
struct ProgramOutcome {
    enum class Ending {
        Exited,      // ran to its end; exitStatus holds its status
        NotStarted,  // could not be started; reason says why
        Crashed,     // killed by a signal or lost; reason says why
        Cancelled,   // the user cancelled the wait and the program was killed
    };
    Ending ending = Ending::Exited;
    int exitStatus = 0;  // as the system reports it, 0-255: exit(-1) reads 255
    std::string reason;
    std::string consoleText;  // what it printed, standard output and error as they came
};

// exit(-1), the converters' status for an aborted run, as the system reports it.
inline constexpr int kAbortedStatus = 255;

class ProgramRunner {
public:
    virtual ~ProgramRunner() = default;
    // Starts the program and waits for its end, showing "Running <name>..."
    // with a Cancel that kills it; the windows keep repainting meanwhile.
    virtual ProgramOutcome RunAndWait(const ProgramCall& call) = 0;
    // Starts the program without waiting for it: nothing when it started,
    // else the reason it could not.
    virtual std::optional<std::string> StartDetached(const ProgramCall& call) = 0;
};

// The properties of the one file dialog that every file command shares. Each
// command sets only its own; the rest stays as the command before left it.
struct FileDialogState {
    std::string title;     // empty: the dialog's own title
    std::string filter;    // "Geometry Input Files (*.dat)|*.dat"
    std::string fileName;  // the name offered; after a choice, the chosen one
};

enum class FileDialogMode {
    Open,  // accepts a name that does not exist
    Save,  // replaces an existing file without asking
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen name as a full path, or empty when the dialog was cancelled.
    virtual std::string Choose(FileDialogMode mode, const FileDialogState& dialog) = 0;
};

// The answer to "save the edits first?" before they would be left behind.
enum class UnsavedEditsAnswer { Save, Discard, Cancel };

class UnsavedEditsQuestion {
public:
    virtual ~UnsavedEditsQuestion() = default;
    virtual UnsavedEditsAnswer AskAboutUnsavedEdits() = 0;
};

// The listing viewer as Run Geometry fills it.
class ListingViewer {
public:
    virtual ~ListingViewer() = default;
    // Replaces the viewer's text (single-byte characters, lines ended by "\n").
    virtual void ShowListing(std::string_view text) = 0;
};

// The per-user settings: texts under keys of the group "Settings".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or nothing when the key is not stored.
    virtual std::optional<std::string> Read(std::string_view key) const = 0;
    virtual void Write(std::string_view key, std::string_view value) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the print dialog: the number of copies chosen, or nothing when
    // the user cancelled (then nothing is printed).
    virtual std::optional<int> ChooseCopies() = 0;
    // Prints `text` (UTF-8) as `copies` whole printouts, one after another.
    virtual void PrintCopies(std::string_view text, int copies) = 0;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows the help page; for a search, with its find box focused.
    virtual void Show(const std::filesystem::path& page, bool search) = 0;
};

// The services of one editor, as the commands reach them.
struct CommandServices {
    FileChooser& chooser;
    MessageSink& messages;
    UnsavedEditsQuestion& question;
    ProgramRunner& runner;
};

}  // namespace quillon::editor
