// Fakes of the command services: a file chooser that answers from a list, a
// message sink and a question that record, a program runner whose programs
// record their calls, write the files they are told to and end as they are
// told, a printer, a help viewer and a settings store in memory.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editor/commands/CommandServices.hpp"

namespace quillon::editor::test {

class FakeChooser : public FileChooser {
public:
    struct Shown {
        FileDialogMode mode;
        FileDialogState dialog;  // as the command left it for the dialog
    };
    std::string Choose(FileDialogMode mode, const FileDialogState& dialog) override {
        shown.push_back({mode, dialog});
        if (answers.empty()) return {};
        std::string answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::string> answers;  // an empty answer cancels
    std::vector<Shown> shown;
};

class FakeMessages : public MessageSink {
public:
    void Warning(std::string_view text) override {
        if (onWarning) onWarning();
        texts.emplace_back(text);
    }
    void Warnings(const std::vector<std::string>& list) override {
        if (onWarning) onWarning();
        lists.push_back(list);
    }
    std::vector<std::string> texts;               // one entry per message box
    std::vector<std::vector<std::string>> lists;  // one entry per box of several
    std::function<void()> onWarning;              // runs as a box would show
};

class FakeQuestion : public UnsavedEditsQuestion {
public:
    UnsavedEditsAnswer AskAboutUnsavedEdits() override {
        ++asked;
        return answer;
    }
    UnsavedEditsAnswer answer = UnsavedEditsAnswer::Cancel;
    int asked = 0;
};

// What a fake program does when it is run.
struct FakeProgram {
    ProgramOutcome::Ending ending = ProgramOutcome::Ending::Exited;
    int exitStatus = 0;
    std::string reason = "fake failure";
    std::vector<std::size_t> writesArguments;        // the files its arguments name
    std::vector<std::filesystem::path> writesFiles;  // further files
    std::string content = "written by the fake program\n";
    std::string console;  // what it prints

    static FakeProgram Exiting(int status) {
        FakeProgram program;
        program.exitStatus = status;
        return program;
    }
    static FakeProgram Failing(ProgramOutcome::Ending ending, std::string reason = "fake failure") {
        FakeProgram program;
        program.ending = ending;
        program.reason = std::move(reason);
        return program;
    }
    FakeProgram Writing(std::vector<std::size_t> arguments) && {
        writesArguments = std::move(arguments);
        return std::move(*this);
    }
    FakeProgram WritingFiles(std::vector<std::filesystem::path> files) && {
        writesFiles = std::move(files);
        return std::move(*this);
    }
    FakeProgram Holding(std::string text) && {
        content = std::move(text);
        return std::move(*this);
    }
    FakeProgram Printing(std::string text) && {
        console = std::move(text);
        return std::move(*this);
    }
};

class FakeRunner : public ProgramRunner {
public:
    struct Call {
        ProgramCall call;
        bool waited = false;
        std::string name() const { return call.program.filename().string(); }
    };

    ProgramOutcome RunAndWait(const ProgramCall& call) override;
    std::optional<std::string> StartDetached(const ProgramCall& call) override;

    // The programs that exist, by file name; any other cannot be started.
    std::map<std::string, FakeProgram> programs;
    std::vector<Call> calls;

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Call& c : calls) names.push_back(c.name());
        return names;
    }

private:
    const FakeProgram* Run(const ProgramCall& call, bool waited);
};

class FakePrinter : public Printer {
public:
    std::optional<int> ChooseCopies() override {
        ++dialogs;
        return copies;
    }
    void PrintCopies(std::string_view text, int n) override {
        for (int i = 0; i < n; ++i) printed.emplace_back(text);
    }
    std::optional<int> copies = 1;  // nothing: the dialog is cancelled
    int dialogs = 0;
    std::vector<std::string> printed;  // one entry per printout
};

class FakeHelpViewer : public HelpViewer {
public:
    void Show(const std::filesystem::path& page, bool search) override {
        shown.push_back({page, search});
    }
    std::vector<std::pair<std::filesystem::path, bool>> shown;
};

class FakeSettings : public SettingsStore {
public:
    std::optional<std::string> Read(std::string_view key) const override {
        auto found = values.find(std::string(key));
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
    void Write(std::string_view key, std::string_view value) override {
        values[std::string(key)] = std::string(value);
    }
    std::map<std::string, std::string> values;
};

// All the fakes, and the services made of them.
struct Fakes {
    FakeChooser chooser;
    FakeMessages messages;
    FakeQuestion question;
    FakeRunner runner;
    CommandServices services{chooser, messages, question, runner};
};

// A viewer that keeps every text it was given.
class FakeViewer : public ListingViewer {
public:
    void ShowListing(std::string_view text) override { shown.emplace_back(text); }
    // What the viewer holds now: the last text, or nothing when never touched.
    std::optional<std::string> Holds() const {
        if (shown.empty()) return std::nullopt;
        return shown.back();
    }
    std::vector<std::string> shown;
};

}  // namespace quillon::editor::test
