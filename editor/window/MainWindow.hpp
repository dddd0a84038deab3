// frmMain, the editor's main window: the menu bar, the toolbar tbToolBar, the
// status bar sbStatusBar and the listing viewer Output as its central text
// box. Its commands are the plain functions of FileCommands, GeometryRun,
// CompanionRuns and HelpCommands on the editor's session and services; the
// window wires them to its menus and buttons, shows their results and keeps
// its place in the settings.
//
// Closing (the close box or File > Exit) is refused while a program is being
// waited for, asks about unsaved edits, then closes the data-entry forms, the
// run forms and the help window, and writes the window's place to the
// settings unless the window is minimised.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "editor/commands/CommandServices.hpp"
#include "editor/commands/EditorSession.hpp"
#include "editor/window/RunForms.hpp"
#include "environment/Environment.hpp"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;

namespace quillon::editor {

// The data-entry forms as the Data Entry items reach them.
class DataEntryForms {
public:
    virtual ~DataEntryForms() = default;
    // Shows the form of Data Entry item `item` (0-8 in menu order).
    virtual void Show(int item) = 0;
    // A deck was read into the model: the forms show it.
    virtual void DeckOpened() = 0;
    // The main window closes: the forms go with it.
    virtual void CloseAll() = 0;
};

struct MainWindowServices {
    FileChooser& chooser;
    MessageSink& messages;
    UnsavedEditsQuestion& question;
    ProgramRunner& runner;
    SettingsStore& settings;
    Printer& printer;
    HelpViewer& help;
    const Environment& environment;
    DataEntryForms& forms;
};

inline constexpr const char* kStatusText = "Use File | New or File | Open to start";
inline constexpr int kDataEntryItems = 9;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The window places itself from the settings; it is shown by the caller.
    MainWindow(EditorSession& session, MainWindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    QPlainTextEdit* Output() const { return output_; }
    // A menu item or toolbar key by its name ("mnuFileOpen", "New").
    QAction* Item(const QString& name) const;
    // The run forms while they are open, else null.
    ProjectCoordForm* ProjectCoord() const { return projectCoord_; }
    StickForm* Stick() const { return stick_; }
    CamberForm* Camber() const { return camber_; }
    // Whether a command is waiting for a program.
    bool Running() const { return running_; }

    // The toolbar's button click: the command of the key, compared exactly.
    void tbToolBar_ButtonClick(const QString& key);
    // The status bar's date and time again, from the environment's clock.
    void UpdateClock();

signals:
    // The window has closed (after its closing steps).
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void PlaceFromSettings();
    void WritePlacement();
    void RefreshTicks();

    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileRunGeometry_Click();
    void mnuFileRunProjCoord_Click();
    void mnuFileRunStick_Click();
    void mnuFileRunCamber_Click();
    void mnuFilePrint_Click();
    void mnuEditCopy_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void mnuForm_Click(std::size_t item);

    // Runs a command that waits for programs; closing is refused meanwhile.
    template <class Command>
    auto WhileRunning(Command command);
    // Shows a run form, making it on first use.
    template <class Form, class Ok>
    void ShowRunForm(QPointer<Form>& form, Ok ok);

    EditorSession& session_;
    MainWindowServices services_;
    CommandServices commands_;
    bool running_ = false;

    QPlainTextEdit* output_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* statusDate_ = nullptr;
    QLabel* statusTime_ = nullptr;
    QTimer* clock_ = nullptr;
    std::array<QAction*, kDataEntryItems> dataEntry_{};
    QPointer<ProjectCoordForm> projectCoord_;
    QPointer<StickForm> stick_;
    QPointer<CamberForm> camber_;
};

}  // namespace quillon::editor
