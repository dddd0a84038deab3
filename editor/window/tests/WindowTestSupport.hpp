// What the window tests share: the main window on fake services (or the
// real program runner), real clicks through its menus, the stand-in program
// copied into a program folder, and screenshots.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/commands/tests/CommandFakes.hpp"
#include "editor/window/MainWindow.hpp"
#include "editor/window/MainWindowForms.hpp"
#include "editor/window/ProcessRunner.hpp"
#include "environment/Environment.hpp"

class QWidget;

namespace quillon::editor::test {

class FakeForms : public DataEntryForms {
public:
    void Show(int item) override { shown.push_back(item); }
    void DeckOpened() override { ++opened; }
    void CloseAll() override { ++closed; }
    std::vector<int> shown;
    int opened = 0;
    int closed = 0;
};

// The clock of every window test: 14:05 on 9 March 2026.
inline constexpr LocalTime kTestTime{2026, 3, 9, 14, 5, 30};

// One editor: its session, fakes for every service, and its main window.
struct Editor {
    enum class Runner { Fake, Processes };
    explicit Editor(Runner runner = Runner::Fake);
    ~Editor();

    // The window, made on first use (after the test has set up the settings).
    MainWindow& Window();
    // The window shows the real data-entry forms in place of the fake ones.
    void UseRealForms() { realForms = std::make_unique<MainWindowForms>(session.deck); }

    EditorSession session;
    FakeChooser chooser;
    FakeMessages messages;
    FakeQuestion question;
    FakeRunner fakeRunner;
    ProcessRunner processRunner;
    FakeSettings settings;
    FakePrinter printer;
    FakeHelpViewer help;
    FixedEnvironment environment{kTestTime};
    FakeForms forms;
    std::unique_ptr<MainWindowForms> realForms;
    Runner runnerKind;
    std::unique_ptr<MainWindow> window;
};

// Clicks through the menus: the menu names from the menu bar down, then the
// item's name, e.g. {"mnuFile", "mnuFileRun", "mnuFileRunGeometry"}.
void ClickMenu(QMainWindow& window, const QStringList& path);

// Clicks the toolbar button of `key`.
void ClickToolButton(QMainWindow& window, const QString& key);

// The stand-in program copied into `folder` as `name`, doing `plan`.
void InstallFakeProgram(const QString& folder, const QString& name, const QStringList& plan = {});

// One run of a stand-in program as it recorded it.
struct RecordedRun {
    QString folder;
    QStringList arguments;
};
std::vector<RecordedRun> RecordedRuns(const QString& folder, const QString& name);

// Runs `step` once the event loop next turns (to answer a modal window).
void Later(std::function<void()> step, int milliseconds = 0);

// Saves the window's picture as <name>.png among the screenshots; false when
// it is blank (a single colour) or cannot be written.
bool SaveScreenshot(QWidget& widget, const QString& name);

// A file of the source tree, by its path from the top.
QString SourceFile(const QString& relative);

// Writes `bytes` to `path` as they stand.
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadBytes(const QString& path);

}  // namespace quillon::editor::test
