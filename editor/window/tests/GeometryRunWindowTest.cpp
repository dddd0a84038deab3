// Run Geometry from the menu with real processes: the stand-in program in a
// program folder of the test's own (arguments, working folder, failures,
// Cancel, closing refused), then the system's programs of build/bin on the
// sample decks; a screenshot of the main window with a listing.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "editor/commands/ListingText.hpp"
#include "editor/window/tests/WindowTestSupport.hpp"

namespace quillon::editor::test {

namespace {

const QByteArray kEnglishDeck = "00BRIDGE-1\n01\n";
const QByteArray kMetricDeck = "00BRIDGE-M" + QByteArray(69, ' ') + "M\n01\n";

// What a run of a real program says: nothing, or the size warning when its
// listing is longer than the viewer shows (the whole sample bridge is).
std::vector<std::string> MessagesOfListing(const QString& listing) {
    if (QFileInfo(listing).size() > static_cast<qint64>(kDisplayLimit))
        return {std::string(kListingTooLarge)};
    return {};
}

}  // namespace

class GeometryRunWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void ProgramsAndArguments_data();
    void ProgramsAndArguments();
    void M2eAbortedNamesItsLog();
    void MissingExecutable();
    void CrashedProgram();
    void CancelKillsTheProgramAndClosingIsRefused();
    void OldListingIsNotThisRunsListing();
    void SizeWarningComesOverAnEmptyViewer();
    void RealProgramsFillTheViewer_data();
    void RealProgramsFillTheViewer();
    void NewUserOpensEditsSavesAndRuns();

private:
    // The window, shown, with the program folder as its AppFolder.
    MainWindow& Shown(Editor& editor);
    // Chooses `deck` (made with `bytes`) and runs Run Geometry from the menu.
    void RunGeometryOn(Editor& editor, const QString& deck, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> programs_;
    std::unique_ptr<QTemporaryDir> decks_;
};

void GeometryRunWindowTest::init() {
    programs_ = std::make_unique<QTemporaryDir>();
    decks_ = std::make_unique<QTemporaryDir>();
    QVERIFY(programs_->isValid() && decks_->isValid());
}

MainWindow& GeometryRunWindowTest::Shown(Editor& editor) {
    editor.session.AppFolder = programs_->path().toStdString();
    MainWindow& window = editor.Window();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qWarning("the main window was not exposed");
    return window;
}

void GeometryRunWindowTest::RunGeometryOn(Editor& editor, const QString& deck,
                                          const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(deck).absolutePath());
    WriteBytes(deck, bytes);
    editor.chooser.answers = {deck.toStdString()};
    ClickMenu(*editor.window, {"mnuFile", "mnuFileRun", "mnuFileRunGeometry"});
}

// The deck's place below the test's deck folder, and its base name there.
void GeometryRunWindowTest::ProgramsAndArguments_data() {
    QTest::addColumn<QString>("deck");
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("metric");
    QTest::newRow("English") << "deck.dat"
                             << "deck" << false;
    QTest::newRow("Metric") << "deck.dat"
                            << "deck" << true;
    QTest::newRow("BlanksAndQuotes") << "my \"jobs\"/deck one.dat"
                                     << "my \"jobs\"/deck one" << true;
    QTest::newRow("DottedFolder") << "run.1/deck.dat"
                                  << "run.1/deck" << false;
    QTest::newRow("SecondDot") << "deck.v2.dat"
                               << "deck" << true;
}

void GeometryRunWindowTest::ProgramsAndArguments() {
    QFETCH(QString, deck);
    QFETCH(QString, base);
    QFETCH(bool, metric);
    const QString app = programs_->path();
    InstallFakeProgram(app, "QlEngl", {"write 1"});
    InstallFakeProgram(app, "QlM2e", {"write 1", "exit 0"});
    InstallFakeProgram(app, "QlMetr", {"write 1"});
    Editor editor(Editor::Runner::Processes);
    MainWindow& window = Shown(editor);
    editor.session.deck.MetricFlag = !metric;

    const QString chosen = decks_->filePath(deck);
    const QString stem = decks_->filePath(base);
    const QString folder = QFileInfo(chosen).absolutePath();
    RunGeometryOn(editor, chosen, metric ? kMetricDeck : kEnglishDeck);

    QTRY_VERIFY(!window.Running());
    QCOMPARE(editor.messages.texts, std::vector<std::string>{});
    if (metric) {
        const auto m2e = RecordedRuns(app, "QlM2e");
        const auto metr = RecordedRuns(app, "QlMetr");
        QCOMPARE(m2e.size(), size_t(1));
        QCOMPARE(metr.size(), size_t(1));
        QCOMPARE(m2e[0].arguments, (QStringList{chosen, stem + ".BIP"}));
        QCOMPARE(metr[0].arguments, (QStringList{stem + ".BIP", stem + ".lis"}));
        QCOMPARE(m2e[0].folder, folder);
        QCOMPARE(metr[0].folder, folder);
        QVERIFY(RecordedRuns(app, "QlEngl").empty());
        QCOMPARE(window.Output()->toPlainText(), QStringLiteral("written by QlMetr\n"));
    } else {
        const auto engl = RecordedRuns(app, "QlEngl");
        QCOMPARE(engl.size(), size_t(1));
        QCOMPARE(engl[0].arguments, (QStringList{chosen, stem + ".lis"}));
        QCOMPARE(engl[0].folder, folder);
        QVERIFY(RecordedRuns(app, "QlM2e").empty());
        QCOMPARE(window.Output()->toPlainText(), QStringLiteral("written by QlEngl\n"));
    }
    // The forms' units are the forms' own.
    QCOMPARE(editor.session.deck.MetricFlag, !metric);
}

void GeometryRunWindowTest::M2eAbortedNamesItsLog() {
    InstallFakeProgram(programs_->path(), "QlM2e", {"exit 255"});
    InstallFakeProgram(programs_->path(), "QlMetr", {"write 1"});
    Editor editor(Editor::Runner::Processes);
    Shown(editor);
    const QString deck = decks_->filePath("deck.dat");
    RunGeometryOn(editor, deck, kMetricDeck);
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(QString::fromStdString(editor.messages.texts[0]), "QlM2e could not convert " + deck +
                                                                   "; its messages are in " +
                                                                   decks_->filePath("QlvrM2E.ELF"));
    QVERIFY(RecordedRuns(programs_->path(), "QlMetr").empty());
}

void GeometryRunWindowTest::MissingExecutable() {
    Editor editor(Editor::Runner::Processes);
    MainWindow& window = Shown(editor);
    RunGeometryOn(editor, decks_->filePath("deck.dat"), kEnglishDeck);
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(QString::fromStdString(editor.messages.texts[0]),
             "Cannot start " + programs_->filePath("QlEngl") + ": No such file or directory");
    QCOMPARE(window.Output()->toPlainText(), QString());
}

void GeometryRunWindowTest::CrashedProgram() {
    InstallFakeProgram(programs_->path(), "QlEngl", {"write 1", "crash"});
    Editor editor(Editor::Runner::Processes);
    MainWindow& window = Shown(editor);
    RunGeometryOn(editor, decks_->filePath("deck.dat"), kEnglishDeck);
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(QString::fromStdString(editor.messages.texts[0]),
             programs_->filePath("QlEngl") + " stopped before its end: Process crashed");
    QCOMPARE(window.Output()->toPlainText(), QString());
}

void GeometryRunWindowTest::CancelKillsTheProgramAndClosingIsRefused() {
    InstallFakeProgram(programs_->path(), "QlEngl", {"sleep", "write 1"});
    Editor editor(Editor::Runner::Processes);
    MainWindow& window = Shown(editor);
    bool checked = false;
    std::function<void()> whileWaiting = [&] {
        QProgressDialog* wait = editor.processRunner.WaitDialog();
        if (wait == nullptr || !wait->isVisible()) {
            Later(whileWaiting, 20);
            return;
        }
        QCOMPARE(wait->labelText(), QStringLiteral("Running QlEngl..."));
        QVERIFY(wait->isModal());
        QVERIFY(window.Running());
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        auto* cancel = wait->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        checked = true;
        QTest::mouseClick(cancel, Qt::LeftButton);
    };
    Later(whileWaiting, 20);
    QElapsedTimer clock;
    clock.start();
    RunGeometryOn(editor, decks_->filePath("deck.dat"), kEnglishDeck);
    QTRY_VERIFY(checked);
    QTRY_VERIFY(!window.Running());
    QVERIFY(clock.elapsed() < 30000);
    QCOMPARE(editor.messages.texts, std::vector<std::string>{});
    QVERIFY(!QFile::exists(decks_->filePath("deck.lis")));
    QCOMPARE(window.Output()->toPlainText(), QString());
    // Once the run has ended the window closes again.
    QVERIFY(window.close());
}

void GeometryRunWindowTest::OldListingIsNotThisRunsListing() {
    InstallFakeProgram(programs_->path(), "QlEngl", {"exit 4"});
    WriteBytes(decks_->filePath("deck.lis"), "an old listing\n");
    Editor editor(Editor::Runner::Processes);
    MainWindow& window = Shown(editor);
    window.Output()->setPlainText(QStringLiteral("the last run's listing"));
    QStringList behind;
    editor.messages.onWarning = [&] { behind << window.Output()->toPlainText(); };
    RunGeometryOn(editor, decks_->filePath("deck.dat"), kEnglishDeck);
    QTRY_COMPARE(editor.messages.texts.size(), size_t(1));
    QCOMPARE(QString::fromStdString(editor.messages.texts[0]),
             "Output file not found " + decks_->filePath("deck.lis"));
    // The message comes over the emptied viewer.
    QCOMPARE(behind, QStringList{QString()});
    QCOMPARE(window.Output()->toPlainText(), QString());
}

// The sample's listing is longer than the viewer shows: its warning comes
// over the emptied viewer, not over the last listing; then the listing shows.
void GeometryRunWindowTest::SizeWarningComesOverAnEmptyViewer() {
    Editor editor(Editor::Runner::Processes);
    editor.session.AppFolder = QUILLON_BIN_DIR;
    MainWindow& window = editor.Window();
    window.resize(900, 640);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Output()->setPlainText(QStringLiteral("the last run's listing"));
    QStringList behind;
    editor.messages.onWarning = [&] {
        behind << window.Output()->toPlainText();
        QVERIFY(SaveScreenshot(window, QStringLiteral("MainWindow-size-warning")));
    };
    RunGeometryOn(editor, decks_->filePath("bridge.dat"),
                  ReadBytes(SourceFile("samples/bridge.dat")));
    QTRY_VERIFY_WITH_TIMEOUT(!window.Running(), 30000);
    QVERIFY(QFileInfo(decks_->filePath("bridge.lis")).size() > qint64(kDisplayLimit));
    QCOMPARE(editor.messages.texts, std::vector<std::string>{std::string(kListingTooLarge)});
    QCOMPARE(behind, QStringList{QString()});
    QVERIFY(window.Output()->toPlainText().contains(QStringLiteral("STRUCTURE ID:")));
}

void GeometryRunWindowTest::RealProgramsFillTheViewer_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("structure");
    QTest::newRow("English") << "samples/bridge.dat"
                             << "BR 47-0317";
    QTest::newRow("Metric") << "converters/m2e/tests/bridge-metric.dat"
                            << "M2E-DEMO";
}

void GeometryRunWindowTest::RealProgramsFillTheViewer() {
    QFETCH(QString, sample);
    QFETCH(QString, structure);
    Editor editor(Editor::Runner::Processes);
    editor.session.AppFolder = QUILLON_BIN_DIR;
    MainWindow& window = editor.Window();
    window.resize(900, 640);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString deck = decks_->filePath(QFileInfo(sample).fileName());
    RunGeometryOn(editor, deck, ReadBytes(SourceFile(sample)));
    QTRY_VERIFY_WITH_TIMEOUT(!window.Running(), 30000);
    const QString listingFile =
        decks_->filePath(QFileInfo(sample).completeBaseName().section('.', 0, 0) + ".lis");
    QCOMPARE(editor.messages.texts, MessagesOfListing(listingFile));

    const QString listing = QString::fromLatin1(ReadBytes(listingFile));
    QVERIFY(listing.contains("STRUCTURE ID:  " + structure));
    const QString shown = window.Output()->toPlainText();
    QCOMPARE(shown + QString(), listing.left(shown.size()));
    QVERIFY(shown.contains(QLatin1Char('\f')));
    QVERIFY(shown.size() > 1000);
    if (QTest::currentDataTag() == QLatin1String("Metric")) {
        QVERIFY(QFile::exists(decks_->filePath("bridge-metric.BIP")));
        QVERIFY(QFile::exists(decks_->filePath("QlvrM2E.ELF")));
    }
    QVERIFY(SaveScreenshot(window,
                           QStringLiteral("MainWindow-listing-%1").arg(QTest::currentDataTag())));
}

// As a new user would: open the sample, change the initial offset of the
// last girder line in the GirderLine form, save, run geometry on the saved
// deck and read its listing; closing then asks nothing.
void GeometryRunWindowTest::NewUserOpensEditsSavesAndRuns() {
    const QString deck = decks_->filePath("bridge.dat");
    WriteBytes(deck, ReadBytes(SourceFile("samples/bridge.dat")));
    Editor editor(Editor::Runner::Processes);
    editor.UseRealForms();
    editor.session.AppFolder = QUILLON_BIN_DIR;
    MainWindow& window = editor.Window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    editor.chooser.answers = {deck.toStdString()};
    ClickMenu(window, {"mnuFile", "mnuFileOpen"});
    QTRY_COMPARE(QString::fromStdString(editor.session.CurrentFileName), deck);
    ClickMenu(window, {"mnuForm", "mnuFormGird"});
    QWidget* girders = editor.realForms->Owner().Created(Form::GirderLine);
    QTRY_VERIFY(girders != nullptr && girders->isVisible());
    auto* offset = girders->findChild<QLineEdit*>("Text1(4)");
    QVERIFY(offset != nullptr);
    QCOMPARE(offset->text(), QStringLiteral("20"));
    QTest::mouseClick(offset, Qt::LeftButton);
    offset->selectAll();
    QTest::keyClicks(offset, "22.5");
    QVERIFY(editor.session.deck.modified);

    ClickMenu(window, {"mnuFile", "mnuFileSave"});
    QTRY_VERIFY(!editor.session.deck.modified);
    // The fifth girder line's initial offset, 8 columns with 4 decimals.
    QVERIFY(ReadBytes(deck).contains("\n050  2250004"));

    editor.messages.texts.clear();
    editor.chooser.answers = {deck.toStdString()};
    ClickMenu(window, {"mnuFile", "mnuFileRun", "mnuFileRunGeometry"});
    QTRY_VERIFY_WITH_TIMEOUT(!window.Running(), 30000);
    QString listingFile = deck;
    listingFile.replace(QRegularExpression("\\.dat$"), ".lis");
    QCOMPARE(editor.messages.texts, MessagesOfListing(listingFile));
    QVERIFY(window.Output()->toPlainText().contains("STRUCTURE ID:  BR 47-0317"));
    QVERIFY(window.close());
    QCOMPARE(editor.question.asked, 0);
}

}  // namespace quillon::editor::test

QTEST_MAIN(quillon::editor::test::GeometryRunWindowTest)
#include "GeometryRunWindowTest.moc"
