#include "editor/forms/EditorProgram.hpp"

#include <QApplication>

#include "editor/forms/FileDialogChooser.hpp"
#include "editor/forms/HelpWindow.hpp"
#include "editor/forms/IniSettingsStore.hpp"
#include "editor/forms/ListingPrinter.hpp"
#include "editor/forms/MainWindow.hpp"
#include "editor/forms/MainWindowForms.hpp"
#include "editor/forms/MessageBoxes.hpp"
#include "editor/forms/ProcessRunner.hpp"
#include "environment/Environment.hpp"

namespace quillon::editor {

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
    session.AppFolder = QCoreApplication::applicationDirPath().toStdString();
    return application.exec();
}

}  // namespace quillon::editor
