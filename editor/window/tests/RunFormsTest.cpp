// The Project Coordinates, Stick Figure and Camber forms offscreen, opened
// from the Run menu and filled by typing; their OK buttons with fake programs
// and once with a real process; screenshots of the three forms.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "editor/window/tests/WindowTestSupport.hpp"

namespace quillon::editor::test {

namespace {

using Args = std::vector<std::string>;

QStringList LabelTexts(const QWidget& form) {
    QStringList texts;
    for (const QLabel* label : form.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

void Type(QWidget& form, const char* box, const QString& text) {
    auto* edit = form.findChild<QLineEdit*>(box);
    QVERIFY2(edit != nullptr, box);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClicks(edit, text);
}

void ClickOk(QWidget& form) {
    auto* ok = form.findChild<QPushButton*>("Command1");
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
}

}  // namespace

class RunFormsTest : public QObject {
    Q_OBJECT

private slots:
    void FormsAsTheyOpen_data();
    void FormsAsTheyOpen();
    void ProjectCoordinatesPassesNineTypedArguments();
    void ProjectCoordinatesThroughARealProcess();
    void StickCodes_data();
    void StickCodes();
    void Camber_data();
    void Camber();
    void CamberOfRealProgramsKeepsTheLastListingWhenNothingIsSelected();
    void CancelKeepsFormAndFields();
    void OfferedNames();

private:
    MainWindow& Shown(Editor& editor) {
        editor.session.AppFolder = "/opt/quillon/bin";
        for (const char* name : {"QlPrCo", "QlStFi", "Ql2Cmb", "QlCamb"}) {
            editor.fakeRunner.programs[name] = {};
        }
        MainWindow& window = editor.Window();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) qWarning("the main window was not exposed");
        return window;
    }
};

void RunFormsTest::FormsAsTheyOpen_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("ProjectCoord") << "mnuFileRunProjCoord"
                                  << "ProjectCoord"
                                  << "Project Coordinates"
                                  << QStringList{"Northing Offset:",
                                                 "Easting Offset:",
                                                 "Bearing:",
                                                 "N/S",
                                                 "Deg.",
                                                 "Min.",
                                                 "Sec.",
                                                 "E/W",
                                                 "All bearing fields must be filled."};
    QTest::newRow("Stick") << "mnuFileRunStick"
                           << "Stick"
                           << "Stick Figure" << QStringList{"Select Output Type:"};
    QTest::newRow("Camber") << "mnuFileRunCamber"
                            << "Camber"
                            << "Camber"
                            << QStringList{"Girder selection list:", "e.g.  1,3,4,6  or 1-20"};
}

void RunFormsTest::FormsAsTheyOpen() {
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QStringList, labels);
    Editor editor;
    MainWindow& window = Shown(editor);
    ClickMenu(window, {"mnuFile", "mnuFileRun", item});
    QWidget* form = nullptr;
    QTRY_VERIFY((form = window.findChild<QWidget*>(name)) != nullptr && form->isVisible());
    QVERIFY(form->isWindow());
    QTEST(form->windowTitle(), "caption");
    for (const QString& label : labels)
        QVERIFY2(LabelTexts(*form).contains(label), qPrintable(label));
    for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
        if (qobject_cast<const QComboBox*>(box->parentWidget()) == nullptr) {
            QVERIFY(box->text().isEmpty());
        }
    }
    if (name == QLatin1String("Stick")) {
        auto* combo = form->findChild<QComboBox*>("cmbOutType");
        QVERIFY(combo != nullptr);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(), QStringLiteral("Output Type"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("Series 5000"));
        QCOMPARE(combo->itemText(1), QStringLiteral("AutoCAD DXF"));
        QCOMPARE(combo->itemText(2), QStringLiteral("MX Genio"));
    }
    // Chosen again: the same form.
    ClickMenu(window, {"mnuFile", "mnuFileRun", item});
    QCOMPARE(window.findChildren<QWidget*>(name).size(), 1);
    form->adjustSize();
    QVERIFY(SaveScreenshot(*form, name));
}

void RunFormsTest::ProjectCoordinatesPassesNineTypedArguments() {
    Editor editor;
    MainWindow& window = Shown(editor);
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunProjCoord"});
    QTRY_VERIFY(window.ProjectCoord() != nullptr);
    QWidget& form = *window.ProjectCoord();
    Type(form, "NorthOff", "1\"2");
    Type(form, "NorS", "n");
    Type(form, "Degrees", "12");
    Type(form, "Seconds", "30.5");
    Type(form, "EorW", "W");
    editor.chooser.answers = {"/jobs/a.b/job.x.lis"};
    ClickOk(form);

    QTRY_VERIFY(window.ProjectCoord() == nullptr);
    QCOMPARE(editor.fakeRunner.calls.size(), size_t(1));
    QCOMPARE(
        editor.fakeRunner.calls[0].call.arguments,
        (Args{"/jobs/a.b/job.lis", "/jobs/a.b/job.pcf", "1\"2", "", "n", "12", "", "30.5", "W"}));
    QCOMPARE(editor.fakeRunner.calls[0].call.folder, std::filesystem::path("/jobs/a.b"));
    QVERIFY(!editor.fakeRunner.calls[0].waited);

    // A new form starts empty.
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunProjCoord"});
    QTRY_VERIFY(window.ProjectCoord() != nullptr);
    QCOMPARE(window.ProjectCoord()->Fields().NorthOff, std::string());
}

void RunFormsTest::ProjectCoordinatesThroughARealProcess() {
    QTemporaryDir programs;
    QTemporaryDir listings;
    InstallFakeProgram(programs.path(), "QlPrCo");
    Editor editor(Editor::Runner::Processes);
    editor.session.AppFolder = programs.path().toStdString();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunProjCoord"});
    QTRY_VERIFY(window.ProjectCoord() != nullptr);
    Type(*window.ProjectCoord(), "EastOff", "say \"1 2\"");
    const QString listing = listings.filePath("job 1.lis");
    editor.chooser.answers = {listing.toStdString()};
    ClickOk(*window.ProjectCoord());

    QTRY_COMPARE(RecordedRuns(programs.path(), "QlPrCo").size(), size_t(1));
    const RecordedRun run = RecordedRuns(programs.path(), "QlPrCo")[0];
    QCOMPARE(run.arguments,
             (QStringList{listings.filePath("job 1.lis"), listings.filePath("job 1.pcf"), "",
                          "say \"1 2\"", "", "", "", "", ""}));
    QCOMPARE(run.folder, listings.path());
    QVERIFY(editor.messages.texts.empty());
}

// Down keys pressed in the drop-down, and the code they give.
void RunFormsTest::StickCodes_data() {
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("code");
    QTest::newRow("Series5000") << 1 << "4";
    QTest::newRow("AutoCadDxf") << 2 << "8";
    QTest::newRow("MxGenio") << 3 << "16";
    QTest::newRow("NothingChosen") << 0 << "";
}

void RunFormsTest::StickCodes() {
    QFETCH(int, downs);
    QFETCH(QString, code);
    Editor editor;
    MainWindow& window = Shown(editor);
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunStick"});
    QTRY_VERIFY(window.Stick() != nullptr);
    auto* combo = window.Stick()->findChild<QComboBox*>("cmbOutType");
    combo->setFocus();
    for (int i = 0; i < downs; ++i) QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentIndex(), downs - 1);
    editor.chooser.answers = {"/jobs/job.v1.lis"};
    ClickOk(*window.Stick());

    QTRY_VERIFY(window.Stick() == nullptr);
    if (code.isEmpty()) {
        QVERIFY(editor.fakeRunner.calls.empty());
    } else {
        QCOMPARE(editor.fakeRunner.calls.size(), size_t(1));
        QCOMPARE(editor.fakeRunner.calls[0].name(), std::string("QlStFi"));
        QCOMPARE(editor.fakeRunner.calls[0].call.arguments,
                 (Args{"/jobs/job.v1.lis", code.toStdString()}));
    }
    QVERIFY(editor.messages.texts.empty());
}

// What Ql2Cmb leaves: "written" (a new .CMB), "missing" or "old" (one from before).
void RunFormsTest::Camber_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("written") << "written";
    QTest::newRow("missing") << "missing";
    QTest::newRow("old") << "old";
}

void RunFormsTest::Camber() {
    QFETCH(QString, input);
    QTemporaryDir folder;
    const std::string base = folder.filePath("job").toStdString();
    Editor editor;
    MainWindow& window = Shown(editor);
    if (input == QLatin1String("written")) {
        editor.fakeRunner.programs["Ql2Cmb"].writesFiles = {base + ".CMB"};
    } else if (input == QLatin1String("old")) {
        WriteBytes(QString::fromStdString(base + ".CMB"), "other girders\n");
    }
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunCamber"});
    QTRY_VERIFY(window.Camber() != nullptr);
    Type(*window.Camber(), "GirderSelect", "1-20");
    editor.chooser.answers = {base + ".lis"};
    ClickOk(*window.Camber());

    QTRY_VERIFY(window.Camber() == nullptr);
    QCOMPARE(editor.fakeRunner.calls.at(0).name(), std::string("Ql2Cmb"));
    QCOMPARE(editor.fakeRunner.calls[0].call.arguments, (Args{base + ".lis", "1-20"}));
    QVERIFY(editor.fakeRunner.calls[0].waited);
    if (input == QLatin1String("written")) {
        QCOMPARE(editor.fakeRunner.calls.size(), size_t(2));
        QCOMPARE(editor.fakeRunner.calls[1].call.arguments, (Args{base + ".CMB", base + ".out"}));
        QVERIFY(editor.messages.texts.empty());
    } else {
        QCOMPARE(editor.fakeRunner.calls.size(), size_t(1));
        QCOMPARE(editor.messages.texts,
                 (Args{"File" + base + ".CMB does not exist.  Camber run aborted."}));
    }
}

// The system's Ql2Cmb on a listing of the sample: the girder list "abc"
// selects nothing, so its console message is shown, QlCamb is not started
// and the last camber listing stays; the list "1" then runs QlCamb.
void RunFormsTest::CamberOfRealProgramsKeepsTheLastListingWhenNothingIsSelected() {
    QTemporaryDir folder;
    const QString bin = QStringLiteral(QUILLON_BIN_DIR);
    WriteBytes(folder.filePath("job.dat"), ReadBytes(SourceFile("samples/bridge.dat")));
    QProcess engine;
    engine.setWorkingDirectory(folder.path());
    engine.start(bin + "/QlEngl", {folder.filePath("job.dat"), folder.filePath("job.lis")});
    QVERIFY(engine.waitForFinished(30000));
    QVERIFY(QFile::exists(folder.filePath("job.lis")));
    const QByteArray lastListing = "the last camber listing\n";
    WriteBytes(folder.filePath("job.out"), lastListing);

    Editor editor(Editor::Runner::Processes);
    editor.session.AppFolder = bin.toStdString();
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunCamber"});
    QTRY_VERIFY(window.Camber() != nullptr);
    Type(*window.Camber(), "GirderSelect", "abc");
    QVERIFY(SaveScreenshot(*window.Camber(), QStringLiteral("Camber-abc")));
    editor.chooser.answers = {folder.filePath("job.lis").toStdString()};
    ClickOk(*window.Camber());
    QTRY_VERIFY_WITH_TIMEOUT(window.Camber() == nullptr, 30000);
    QCOMPARE(editor.messages.texts, (Args{"Illegal character 'a' found, re-enter."}));
    QTest::qWait(200);
    QCOMPARE(ReadBytes(folder.filePath("job.out")), lastListing);

    editor.messages.texts.clear();
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunCamber"});
    QTRY_VERIFY(window.Camber() != nullptr);
    Type(*window.Camber(), "GirderSelect", "1");
    editor.chooser.answers = {folder.filePath("job.lis").toStdString()};
    ClickOk(*window.Camber());
    QTRY_VERIFY_WITH_TIMEOUT(window.Camber() == nullptr, 30000);
    QVERIFY(editor.messages.texts.empty());
    QTRY_VERIFY_WITH_TIMEOUT(ReadBytes(folder.filePath("job.out")).contains("GIRDER NO."), 30000);
}

void RunFormsTest::CancelKeepsFormAndFields() {
    Editor editor;
    MainWindow& window = Shown(editor);
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunCamber"});
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunStick"});
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunProjCoord"});
    QTRY_VERIFY(window.Camber() && window.Stick() && window.ProjectCoord());
    Type(*window.Camber(), "GirderSelect", "2,4");
    Type(*window.ProjectCoord(), "Minutes", "15");
    auto* combo = window.Stick()->findChild<QComboBox*>("cmbOutType");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    editor.chooser.answers = {"", "", ""};
    ClickOk(*window.Camber());
    ClickOk(*window.Stick());
    ClickOk(*window.ProjectCoord());
    QTest::qWait(20);
    QVERIFY(window.Camber() && window.Stick() && window.ProjectCoord());
    QVERIFY(window.Camber()->isVisible());
    QCOMPARE(window.Camber()->GirderSelectText(), std::string("2,4"));
    QCOMPARE(window.ProjectCoord()->Fields().Minutes, std::string("15"));
    QCOMPARE(window.Stick()->ChosenItem(), 0);
    QVERIFY(editor.fakeRunner.calls.empty());
    QVERIFY(editor.messages.texts.empty());
}

void RunFormsTest::OfferedNames() {
    Editor editor;
    MainWindow& window = Shown(editor);
    editor.session.dialog.fileName = "/jobs/last.dat";
    for (const char* item : {"mnuFileRunProjCoord", "mnuFileRunStick", "mnuFileRunCamber"}) {
        ClickMenu(window, {"mnuFile", "mnuFileRun", item});
    }
    QTRY_VERIFY(window.Camber() && window.Stick() && window.ProjectCoord());
    editor.chooser.answers = {"", "", ""};
    ClickOk(*window.ProjectCoord());
    ClickOk(*window.Stick());
    editor.session.dialog.fileName = "/jobs/last.dat";
    ClickOk(*window.Camber());
    QCOMPARE(editor.chooser.shown.size(), size_t(3));
    QCOMPARE(editor.chooser.shown[0].dialog.fileName, std::string("/jobs/last.dat"));
    QCOMPARE(editor.chooser.shown[0].dialog.title,
             std::string("Select Quillon Output file for processing."));
    QCOMPARE(editor.chooser.shown[1].dialog.fileName, std::string());
    QCOMPARE(editor.chooser.shown[2].dialog.fileName, std::string());
}

}  // namespace quillon::editor::test

QTEST_MAIN(quillon::editor::test::RunFormsTest)
#include "RunFormsTest.moc"
