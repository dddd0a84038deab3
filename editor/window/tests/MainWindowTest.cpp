// frmMain offscreen with real clicks: the menu tree, the toolbar, the View
// and Data Entry items, the status bar, the settings, the file commands'
// wiring and closing.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "editor/window/AboutBox.hpp"
#include "editor/window/IniSettingsStore.hpp"
#include "editor/window/tests/WindowTestSupport.hpp"

namespace quillon::editor::test {

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void MenuTree_data();
    void MenuTree();
    void MenuOrder_data();
    void MenuOrder();
    void ToolbarKeys_data();
    void ToolbarKeys();
    void ToolbarKeyRunsItsCommand_data();
    void ToolbarKeyRunsItsCommand();
    void ViewItemsTwice_data();
    void ViewItemsTwice();
    void DataEntryShowsAndTicks_data();
    void DataEntryShowsAndTicks();
    void StatusTexts();
    void ViewerAtStart();
    void SettingsTakeDefaults_data();
    void SettingsTakeDefaults();
    void StoredSettingsApply();
    void OffScreenPositionMoves();
    void IniStoreRoundTrip();
    void MinimisedCloseLeavesTheStore();
    void OpenFillsTheFormsAndTicks();
    void OpenShowsEveryWarningInOneList();
    void CopyPutsTheSelection();
    void HelpItems();
    void AboutBoxShowsItsTexts();
    void UnsavedEditsAsk_data();
    void UnsavedEditsAsk();
    void NewAsksNothingAndTheEditsStayUnsaved();
    void ClosingClosesEverything();
    void RealFormsShowTickAndKeepTheirRows();
    void AnEditInAFormAsksBeforeClosing();
};

// The menu items: name, caption, shortcut, enabled, visible.
void MainWindowTest::MenuTree_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    auto row = [](const char* name, const char* caption, const char* shortcut = "",
                  bool enabled = true, bool visible = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(shortcut) << enabled << visible;
    };
    row("mnuFileNew", "&New", "Ctrl+N");
    row("mnuFileOpen", "&Open", "Ctrl+O");
    row("mnuFileSave", "&Save", "Ctrl+S");
    row("mnuFileSaveAs", "Save &As...");
    row("mnuFileRunGeometry", "Geometry");
    row("mnuFileRunProjCoord", "Project Coordinates");
    row("mnuFileRunCamber", "Camber");
    row("mnuFileRunStick", "Stick Figure");
    row("mnuFileRunEaselor", "Easelor", "", false);
    row("mnuFilePrint", "&Print...", "Ctrl+P");
    row("mnuFileMRU0", "", "", true, false);
    row("mnuFileMRU3", "", "", true, false);
    row("mnuFileBar5", "", "", true, false);
    row("mnuFileExit", "E&xit");
    row("mnuEditCopy", "&Copy from Output", "Ctrl+C");
    row("mnuViewToolbar", "&Toolbar");
    row("mnuViewStatusBar", "Status &Bar");
    row("mnuViewOptions", "&Options...", "", false);
    row("mnuFormDesc", "&Description");
    row("mnuFormHoriz", "&Horizontal Alignment");
    row("mnuFormVert", "&Vertical Alignment");
    row("mnuFormCross", "&Cross Slope and Transition Data");
    row("mnuFormRef", "&Reference Line");
    row("mnuFormGird", "&Girder Line");
    row("mnuFormBent", "&Bent Line");
    row("mnuFormDead", "D&ead Load");
    row("mnuFormRoadApp", "R&oadway Approach");
    row("mnuHelpContents", "&Contents");
    row("mnuHelpSearch", "&Search For Help On...");
    row("mnuHelpAbout", "&About KRAL_Quillon...");
}

void MainWindowTest::MenuTree() {
    QFETCH(QString, name);
    Editor editor;
    QAction* item = editor.Window().Item(name);
    QVERIFY(item != nullptr);
    QTEST(item->text(), "caption");
    QTEST(item->shortcut().toString(), "shortcut");
    QTEST(item->isVisible(), "visible");
    // A hidden item cannot be chosen at all.
    if (item->isVisible()) QTEST(item->isEnabled(), "enabled");
}

// Each menu's entries in order; "-" stands for a separator, a name in
// brackets for a submenu.
void MainWindowTest::MenuOrder_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File") << "mnuFile"
                          << "&File"
                          << QStringList{
                                 "mnuFileNew",    "mnuFileOpen", "mnuFileBar1", "mnuFileSave",
                                 "mnuFileSaveAs", "mnuFileBar2", "[Run]",       "mnuFileBar3",
                                 "mnuFilePrint",  "mnuFileBar4", "mnuFileMRU0", "mnuFileMRU1",
                                 "mnuFileMRU2",   "mnuFileMRU3", "mnuFileBar5", "mnuFileExit"};
    QTest::newRow("Run") << "mnuFileRun"
                         << "Run"
                         << QStringList{"mnuFileRunGeometry", "mnuFileRunProjCoord",
                                        "mnuFileRunCamber", "mnuFileRunStick", "mnuFileRunEaselor"};
    QTest::newRow("Edit") << "mnuEdit"
                          << "&Edit" << QStringList{"mnuEditBar1", "mnuEditCopy"};
    QTest::newRow("View") << "mnuView"
                          << "&View"
                          << QStringList{"mnuViewToolbar", "mnuViewStatusBar", "mnuViewBar2",
                                         "mnuViewOptions"};
    QTest::newRow("DataEntry") << "mnuForm"
                               << "&Data Entry"
                               << QStringList{"mnuFormDesc",  "mnuFormHoriz", "mnuFormVert",
                                              "mnuFormCross", "mnuFormRef",   "mnuFormGird",
                                              "mnuFormBent",  "mnuFormDead",  "mnuFormRoadApp"};
    QTest::newRow("Help") << "mnuHelp"
                          << "&Help"
                          << QStringList{"mnuHelpContents", "mnuHelpSearch", "mnuHelpBar1",
                                         "mnuHelpAbout"};
}

void MainWindowTest::MenuOrder() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    Editor editor;
    auto* found = editor.Window().findChild<QMenu*>(menu);
    QVERIFY(found != nullptr);
    QTEST(found->title(), "caption");
    QStringList seen;
    for (QAction* action : found->actions()) {
        if (action->menu() != nullptr) {
            seen << QStringLiteral("[%1]").arg(action->menu()->title());
        } else {
            seen << action->objectName();
            if (action->objectName().contains(QRegularExpression(QStringLiteral("Bar\\d$")))) {
                QVERIFY(action->isSeparator());
            }
        }
    }
    QCOMPARE(seen, entries);
    if (menu == QLatin1String("mnuFile")) {
        // The menu bar holds these five menus and no Window menu.
        QStringList titles;
        for (QAction* top : editor.Window().menuBar()->actions()) titles << top->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&Data Entry", "&Help"}));
    }
}

void MainWindowTest::ToolbarKeys_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("New") << 0 << "New"
                         << "New Quillon input file";
    QTest::newRow("Open") << 1 << "Open"
                          << "Open existing file";
    QTest::newRow("Save") << 2 << "Save"
                          << "Save input file";
    QTest::newRow("Print") << 3 << "Print"
                           << "Print to the default printer";
    QTest::newRow("Copy") << 4 << "Copy"
                          << "Copy text from the output area";
}

void MainWindowTest::ToolbarKeys() {
    QFETCH(int, position);
    QFETCH(QString, key);
    Editor editor;
    auto* bar = editor.Window().findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->actions().size(), 5);
    QAction* button = bar->actions().at(position);
    QCOMPARE(button->objectName(), key);
    QTEST(button->toolTip(), "toolTip");
    QVERIFY(!button->icon().isNull());
}

// What each key's command leaves behind with fake services.
void MainWindowTest::ToolbarKeyRunsItsCommand_data() {
    QTest::addColumn<QString>("key");
    QTest::newRow("New") << "New";
    QTest::newRow("Open") << "Open";
    QTest::newRow("Save") << "Save";
    QTest::newRow("Print") << "Print";
    QTest::newRow("Copy") << "Copy";
}

void MainWindowTest::ToolbarKeyRunsItsCommand() {
    QFETCH(QString, key);
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.printer.copies = std::nullopt;
    QApplication::clipboard()->setText(QStringLiteral("before"));
    window.Output()->selectAll();

    ClickToolButton(window, key);

    const bool dialogShown = !editor.chooser.shown.empty();
    QCOMPARE(dialogShown, key == QLatin1String("New") || key == QLatin1String("Open"));
    if (key == QLatin1String("New")) {
        QCOMPARE(editor.chooser.shown[0].dialog.title, std::string("Open New File"));
    } else if (key == QLatin1String("Open")) {
        QCOMPARE(editor.chooser.shown[0].dialog.filter,
                 std::string("Geometry Input Files (*.dat)|*.dat"));
    } else if (key == QLatin1String("Save")) {
        QCOMPARE(editor.messages.texts, std::vector<std::string>{"No file specified for output."});
    }
    QCOMPARE(editor.printer.dialogs, key == QLatin1String("Print") ? 1 : 0);
    QCOMPARE(QApplication::clipboard()->text(), key == QLatin1String("Copy")
                                                    ? QStringLiteral("Geometry Output Display")
                                                    : QStringLiteral("before"));
}

void MainWindowTest::ViewItemsTwice_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("Toolbar") << "mnuViewToolbar";
    QTest::newRow("StatusBar") << "mnuViewStatusBar";
}

void MainWindowTest::ViewItemsTwice() {
    QFETCH(QString, item);
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* bar = item == QLatin1String("mnuViewToolbar")
                       ? static_cast<QWidget*>(window.findChild<QToolBar*>("tbToolBar"))
                       : static_cast<QWidget*>(window.statusBar());
    QAction* tick = window.Item(item);
    QVERIFY(bar->isVisible());
    QVERIFY(tick->isChecked());

    ClickMenu(window, {"mnuView", item});
    QTRY_VERIFY(!bar->isVisible());
    QVERIFY(!tick->isChecked());

    ClickMenu(window, {"mnuView", item});
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(tick->isChecked());
}

void MainWindowTest::DataEntryShowsAndTicks_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("item");
    const char* items[] = {"mnuFormDesc",  "mnuFormHoriz", "mnuFormVert",
                           "mnuFormCross", "mnuFormRef",   "mnuFormGird",
                           "mnuFormBent",  "mnuFormDead",  "mnuFormRoadApp"};
    for (int i = 0; i < 9; ++i) QTest::newRow(items[i]) << i << QString::fromLatin1(items[i]);
}

void MainWindowTest::DataEntryShowsAndTicks() {
    QFETCH(int, index);
    QFETCH(QString, item);
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.Item(item)->isChecked());

    ClickMenu(window, {"mnuForm", item});
    QTRY_COMPARE(editor.forms.shown, std::vector<int>{index});
    QVERIFY(window.Item(item)->isChecked());
    const DataEntryTicks& ticks = editor.session.deck.ticks;
    const bool modelTicks[] = {ticks.mnuFormDesc,  ticks.mnuFormHoriz, ticks.mnuFormVert,
                               ticks.mnuFormCross, ticks.mnuFormRef,   ticks.mnuFormGird,
                               ticks.mnuFormBent,  ticks.mnuFormDead,  ticks.mnuFormRoadApp};
    for (int i = 0; i < 9; ++i) QCOMPARE(modelTicks[i], i == index);

    // Chosen again: shown again, still ticked.
    ClickMenu(window, {"mnuForm", item});
    QTRY_COMPARE(editor.forms.shown, (std::vector<int>{index, index}));
    QVERIFY(window.Item(item)->isChecked());
}

void MainWindowTest::StatusTexts() {
    Editor editor;
    MainWindow& window = editor.Window();
    auto text = [&](const char* name) { return window.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("sbStatusText"), QStringLiteral("Use File | New or File | Open to start"));
    QCOMPARE(text("sbStatusDate"), QStringLiteral("2026-03-09"));
    QCOMPARE(text("sbStatusTime"), QStringLiteral("14:05"));
    QCOMPARE(window.windowTitle(), QStringLiteral("KRAL Quillon"));
}

void MainWindowTest::ViewerAtStart() {
    Editor editor;
    QPlainTextEdit* output = editor.Window().Output();
    QCOMPARE(output->toPlainText(), QStringLiteral("Geometry Output Display"));
    QVERIFY(!output->isReadOnly());
    QVERIFY(output->font().fixedPitch());
    QCOMPARE(output->font().pointSizeF(), 7.5);
    QCOMPARE(output->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// A stored text that is missing or no number takes the default: at 96 dots
// per inch 1000 twips are 67 pixels and 6500 are 433.
void MainWindowTest::SettingsTakeDefaults_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("missing") << QString();
    QTest::newRow("abc") << QStringLiteral("abc");
}

void MainWindowTest::SettingsTakeDefaults() {
    QFETCH(QString, stored);
    Editor editor;
    if (!stored.isNull()) {
        for (const char* key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
            editor.settings.values[key] = stored.toStdString();
        }
    }
    MainWindow& window = editor.Window();
    QCOMPARE(window.logicalDpiX(), 96);
    QCOMPARE(window.pos(), QPoint(67, 67));
    QCOMPARE(window.size(), QSize(433, 433));
}

void MainWindowTest::StoredSettingsApply() {
    Editor editor;
    editor.settings.values = {
        {"MainLeft", "1500"}, {"MainTop", "750"}, {"MainWidth", "9000"}, {"MainHeight", "6000"}};
    MainWindow& window = editor.Window();
    QCOMPARE(window.pos(), QPoint(100, 50));
    QCOMPARE(window.size(), QSize(600, 400));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.settings.values.clear();
    QVERIFY(window.close());
    QCOMPARE(editor.settings.values["MainLeft"], std::string("1500"));
    QCOMPARE(editor.settings.values["MainTop"], std::string("750"));
    QCOMPARE(editor.settings.values["MainWidth"], std::string("9000"));
    QCOMPARE(editor.settings.values["MainHeight"], std::string("6000"));
}

void MainWindowTest::OffScreenPositionMoves() {
    Editor editor;
    editor.settings.values = {{"MainLeft", "150000"}, {"MainTop", "-90000"}};
    MainWindow& window = editor.Window();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(window.pos(), screen.topLeft());
    QCOMPARE(window.size(), QSize(433, 433));
}

void MainWindowTest::IniStoreRoundTrip() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("KRAL_Quillon.ini"));
    WriteBytes(file, "[Settings]\nMainLeft=3000\nMainTop=abc\nMainWidth=7500\n");
    {
        IniSettingsStore store(file);
        Editor editor;
        MainWindow window(editor.session,
                          MainWindowServices{editor.chooser, editor.messages, editor.question,
                                             editor.fakeRunner, store, editor.printer, editor.help,
                                             editor.environment, editor.forms});
        QCOMPARE(window.pos(), QPoint(200, 67));
        QCOMPARE(window.size(), QSize(500, 433));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(30, 45);
        QVERIFY(window.close());
        store.Sync();
    }
    const QByteArray written = ReadBytes(file);
    QVERIFY2(written.contains("MainLeft=450"), written.constData());
    QVERIFY2(written.contains("MainTop=675"), written.constData());
    QVERIFY2(written.contains("MainWidth=7500"), written.constData());
    QVERIFY2(written.contains("MainHeight=6495"), written.constData());
}

void MainWindowTest::MinimisedCloseLeavesTheStore() {
    Editor editor;
    editor.settings.values = {{"MainLeft", "abc"}};
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    QVERIFY(window.close());
    QCOMPARE(editor.settings.values, (std::map<std::string, std::string>{{"MainLeft", "abc"}}));
}

void MainWindowTest::OpenFillsTheFormsAndTicks() {
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.chooser.answers = {SourceFile("samples/bridge.dat").toStdString()};
    ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    QTRY_COMPARE(editor.forms.opened, 1);
    // The sample's bent lines give their skew direction: it opens without a warning.
    QVERIFY(editor.messages.texts.empty());
    QVERIFY(editor.messages.lists.empty());
    QCOMPARE(editor.session.CurrentFileName, SourceFile("samples/bridge.dat").toStdString());
    for (const char* item :
         {"mnuFormDesc", "mnuFormHoriz", "mnuFormVert", "mnuFormCross", "mnuFormRef", "mnuFormGird",
          "mnuFormBent", "mnuFormDead", "mnuFormRoadApp"}) {
        QVERIFY2(window.Item(item)->isChecked(), item);
    }

    // A failed open leaves the forms as they are.
    editor.chooser.answers = {"/nonexistent/deck.dat"};
    ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(editor.messages.texts[0],
             std::string("Cannot read /nonexistent/deck.dat: No such file or directory"));
    QCOMPARE(editor.forms.opened, 1);
    QCOMPARE(editor.session.CurrentFileName, SourceFile("samples/bridge.dat").toStdString());
}

// A deck of 80 bent lines with a blank skew direction (column 12): its 80 warnings come
// in one list, in card order, and no box of their own.
void MainWindowTest::OpenShowsEveryWarningInOneList() {
    QTemporaryDir folder;
    // The sample's cards before its bent lines, then 80 bent lines.
    QByteArray deck;
    for (const QByteArray& line : ReadBytes(SourceFile("samples/bridge.dat")).split('\n')) {
        if (line.startsWith("06")) break;
        deck += line + '\n';
    }
    for (int i = 1; i <= 80; ++i) {
        deck += QStringLiteral("06%1         0 10    CL PIER %2\n")
                    .arg(i * 1000000, 9)
                    .arg(i)
                    .toLatin1();
    }
    WriteBytes(folder.filePath("bents.dat"), deck);
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.chooser.answers = {folder.filePath("bents.dat").toStdString()};
    ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    QTRY_COMPARE(editor.forms.opened, 1);
    QVERIFY(editor.messages.texts.empty());
    QCOMPARE(editor.messages.lists.size(), size_t(1));
    QCOMPARE(
        editor.messages.lists[0],
        std::vector<std::string>(80, "Warning: (06) Skew direction invalid. Should be L or R"));
    QCOMPARE(editor.session.deck.bentLine.rows.size(), size_t(80));
}

void MainWindowTest::CopyPutsTheSelection() {
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Output()->setPlainText(QStringLiteral("first line\nsecond line"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    ClickMenu(window, {"mnuEdit", "mnuEditCopy"});
    QTRY_COMPARE(QApplication::clipboard()->text(), QString());

    window.Output()->selectAll();
    ClickMenu(window, {"mnuEdit", "mnuEditCopy"});
    QTRY_COMPARE(QApplication::clipboard()->text(), QStringLiteral("first line\nsecond line"));
}

void MainWindowTest::HelpItems() {
    QTemporaryDir folder;
    Editor editor;
    editor.session.HelpFolder = folder.path().toStdString();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    ClickMenu(window, {"mnuHelp", "mnuHelpContents"});
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(editor.messages.texts[0], "Cannot open the help file " +
                                           folder.filePath("Quillon.html").toStdString() +
                                           ": No such file or directory");

    WriteBytes(folder.filePath("Quillon.html"), "<html><body>Help</body></html>");
    ClickMenu(window, {"mnuHelp", "mnuHelpContents"});
    ClickMenu(window, {"mnuHelp", "mnuHelpSearch"});
    QTRY_COMPARE(editor.help.shown.size(), size_t(2));
    QCOMPARE(editor.help.shown[0].second, false);
    QCOMPARE(editor.help.shown[1].second, true);
    QCOMPARE(QString::fromStdString(editor.help.shown[0].first.string()),
             folder.filePath("Quillon.html"));
}

void MainWindowTest::AboutBoxShowsItsTexts() {
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool checked = false;
    Later(
        [&] {
            auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            QCOMPARE(about->windowTitle(), QStringLiteral("About KRAL_Quillon"));
            QCOMPARE(about->parentWidget(), &window);
            QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("KRAL_Quillon"));
            QVERIFY(!about->findChild<QLabel*>("lblDisclaimer")->text().isEmpty());
            QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
            QCOMPARE(about->findChild<QPushButton*>("cmdSysInfo")->text(),
                     QStringLiteral("&System Info..."));
            QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
            QCOMPARE(editor.messages.texts,
                     std::vector<std::string>{SystemInfoText().toStdString()});
            QVERIFY(SystemInfoText().contains(QSysInfo::kernelType()));
            checked = true;
            QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        50);
    ClickMenu(window, {"mnuHelp", "mnuHelpAbout"});
    QTRY_VERIFY(checked);
    QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
}

// With unsaved edits, closing and Open ask; Cancel keeps everything.
void MainWindowTest::UnsavedEditsAsk_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("closing") << "closing";
    QTest::newRow("Open") << "Open";
}

void MainWindowTest::UnsavedEditsAsk() {
    QFETCH(QString, how);
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    editor.session.deck.modified = true;
    editor.session.deck.description.StructureID = "EDITED";
    editor.session.CurrentFileName = "/nowhere/edited.dat";
    editor.question.answer = UnsavedEditsAnswer::Cancel;
    editor.chooser.answers = {SourceFile("samples/bridge.dat").toStdString()};

    if (how == QLatin1String("closing")) {
        QVERIFY(!window.close());
    } else {
        ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    }
    QTRY_COMPARE(editor.question.asked, 1);
    QVERIFY(window.isVisible());
    QVERIFY(editor.chooser.shown.empty());
    QCOMPARE(editor.session.deck.description.StructureID, std::string("EDITED"));
    QCOMPARE(editor.session.CurrentFileName, std::string("/nowhere/edited.dat"));
    QVERIFY(editor.session.deck.modified);
    QCOMPARE(editor.forms.closed, 0);
    QVERIFY(editor.settings.values.empty());

    // Discard goes on.
    editor.question.answer = UnsavedEditsAnswer::Discard;
    if (how == QLatin1String("closing")) {
        QVERIFY(window.close());
        QCOMPARE(editor.forms.closed, 1);
    }
}

// Typed into a form, then File > New: nothing is asked, the edit stays and
// stays unsaved, so Open and Exit ask; a later Save writes it to the new name.
void MainWindowTest::NewAsksNothingAndTheEditsStayUnsaved() {
    QTemporaryDir folder;
    Editor editor;
    editor.UseRealForms();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuForm", "mnuFormDesc"});
    QWidget* form = editor.realForms->Owner().Created(Form::Description);
    QTRY_VERIFY(form != nullptr && form->isVisible());
    auto* id = form->findChild<QLineEdit*>("StructureID");
    QVERIFY(id != nullptr);
    QTest::mouseClick(id, Qt::LeftButton);
    QTest::keyClicks(id, "BR 9");
    QVERIFY(editor.session.deck.modified);

    const std::string named = folder.filePath("new.dat").toStdString();
    editor.chooser.answers = {named};
    ClickMenu(window, {"mnuFile", "mnuFileNew"});
    QTRY_COMPARE(editor.session.CurrentFileName, named);
    QCOMPARE(editor.question.asked, 0);
    QVERIFY(editor.session.deck.modified);
    QCOMPARE(id->text(), QStringLiteral("BR 9"));
    QVERIFY(!QFile::exists(folder.filePath("new.dat")));
    QVERIFY(SaveScreenshot(window, QStringLiteral("MainWindow-after-New")));

    editor.question.answer = UnsavedEditsAnswer::Cancel;
    editor.chooser.answers = {SourceFile("samples/bridge.dat").toStdString()};
    ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    QTRY_COMPARE(editor.question.asked, 1);
    QCOMPARE(editor.session.CurrentFileName, named);
    ClickMenu(window, {"mnuFile", "mnuFileExit"});
    QTRY_COMPARE(editor.question.asked, 2);
    QVERIFY(window.isVisible());

    ClickMenu(window, {"mnuFile", "mnuFileSave"});
    QTRY_VERIFY(!editor.session.deck.modified);
    QVERIFY(ReadBytes(folder.filePath("new.dat")).contains("BR 9"));
}

void MainWindowTest::ClosingClosesEverything() {
    Editor editor;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunStick"});
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunCamber"});
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunProjCoord"});
    QTRY_VERIFY(window.Stick() != nullptr && window.Camber() != nullptr &&
                window.ProjectCoord() != nullptr);
    QVERIFY(window.Stick()->isVisible());
    bool closedSignal = false;
    connect(&window, &MainWindow::Closed, this, [&] { closedSignal = true; });

    ClickMenu(window, {"mnuFile", "mnuFileExit"});
    QTRY_VERIFY(!window.isVisible());
    QTRY_VERIFY(window.Stick() == nullptr && window.Camber() == nullptr &&
                window.ProjectCoord() == nullptr);
    QCOMPARE(editor.forms.closed, 1);
    QVERIFY(closedSignal);
    QCOMPARE(editor.settings.values.size(), size_t(4));
    QCOMPARE(editor.question.asked, 0);
}

// Data Entry > Bent Line, hidden and chosen again: the same form with the
// rows entered before; the item stays ticked.
void MainWindowTest::RealFormsShowTickAndKeepTheirRows() {
    Editor editor;
    editor.UseRealForms();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuForm", "mnuFormBent"});
    QWidget* form = editor.realForms->Owner().Created(Form::BentLine);
    QTRY_VERIFY(form != nullptr && form->isVisible());
    QVERIFY(window.Item("mnuFormBent")->isChecked());
    auto* distance = form->findChild<QLineEdit*>("Text1(2)");
    QVERIFY(distance != nullptr);
    QTest::mouseClick(distance, Qt::LeftButton);
    QTest::keyClicks(distance, "123.5");
    QCOMPARE(editor.session.deck.bentLine.rows.at(2).Text1, std::string("123.5"));
    QVERIFY(editor.session.deck.modified);

    QTest::mouseClick(form->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QTRY_VERIFY(!form->isVisible());
    ClickMenu(window, {"mnuForm", "mnuFormBent"});
    QTRY_VERIFY(form->isVisible());
    QCOMPARE(editor.realForms->Owner().Created(Form::BentLine), form);
    QCOMPARE(form->findChild<QLineEdit*>("Text1(2)")->text(), QStringLiteral("123.5"));
    QVERIFY(window.Item("mnuFormBent")->isChecked());
}

// Typed into a form, then the window closed: the question comes; Cancel
// keeps the window and the form; Discard closes both.
void MainWindowTest::AnEditInAFormAsksBeforeClosing() {
    Editor editor;
    editor.UseRealForms();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuForm", "mnuFormDesc"});
    QPointer<QWidget> form = editor.realForms->Owner().Created(Form::Description);
    QTRY_VERIFY(form != nullptr && form->isVisible());
    auto* id = form->findChild<QLineEdit*>("StructureID");
    QVERIFY(id != nullptr);
    QTest::mouseClick(id, Qt::LeftButton);
    QTest::keyClicks(id, "BR 9");
    QVERIFY(editor.session.deck.modified);

    editor.question.answer = UnsavedEditsAnswer::Cancel;
    QVERIFY(!window.close());
    QCOMPARE(editor.question.asked, 1);
    QVERIFY(form && form->isVisible());
    QCOMPARE(editor.session.deck.description.StructureID, std::string("BR 9"));

    editor.question.answer = UnsavedEditsAnswer::Discard;
    QVERIFY(window.close());
    QTRY_VERIFY(form == nullptr);
}

}  // namespace quillon::editor::test

QTEST_MAIN(quillon::editor::test::MainWindowTest)
#include "MainWindowTest.moc"
