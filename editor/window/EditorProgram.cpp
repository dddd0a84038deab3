#include "editor/window/EditorProgram.hpp"

#include <QApplication>
#include <iostream>

#include "editor/commands/HelpCommands.hpp"
#include "editor/commands/InstalledFolders.hpp"
#include "editor/window/FileDialogChooser.hpp"
#include "editor/window/HelpWindow.hpp"
#include "editor/window/IniSettingsStore.hpp"
#include "editor/window/ListingPrinter.hpp"
#include "editor/window/MainWindow.hpp"
#include "editor/window/MainWindowForms.hpp"
#include "editor/window/MessageBoxes.hpp"
#include "editor/window/ProcessRunner.hpp"
#include "environment/Environment.hpp"

namespace quillon::editor {

namespace {

// The install this build makes, as the build configured it.
InstallLayout ConfiguredLayout() {
    return InstallLayout{QUILLON_INSTALL_PREFIX, QUILLON_INSTALL_BINDIR, QUILLON_INSTALL_HELPDIR};
}

// The test hook of the install check (`make ci`): with QUILLON_REPORT_FOLDERS
// set, the editor prints the folders it found and ends once its window is up.
constexpr const char* kReportFoldersVariable = "QUILLON_REPORT_FOLDERS";

}  // namespace

int RunQuillon(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KRAL_Quillon"));

    EditorSession session;
    SystemEnvironment environment;
    FileDialogChooser chooser;
    MessageBoxes messages;
    ProcessRunner runner;
    IniSettingsStore settings;
    ListingPrinter printer;
    HelpWindow help;
    MainWindowForms forms(session.deck);
    MainWindow window(session, MainWindowServices{chooser, messages, messages, runner, settings,
                                                  printer, help, environment, forms});
    chooser.SetOwner(&window);
    messages.SetOwner(&window);
    runner.SetOwner(&window);
    printer.SetOwner(&window);
    QObject::connect(&window, &MainWindow::Closed, &help, &QWidget::close);

    window.show();
    const EditorFolders folders = ResolveEditorFolders(
        QCoreApplication::applicationDirPath().toStdString(), ConfiguredLayout());
    session.AppFolder = folders.programs;
    session.HelpFolder = folders.help;
    if (qEnvironmentVariableIsSet(kReportFoldersVariable)) {
        std::cout << "programs: " << folders.programs.string() << '\n'
                  << "help page: " << HelpPage(folders.help).string() << '\n';
        return std::cout.flush() ? 0 : 1;
    }
    return application.exec();
}

}  // namespace quillon::editor
