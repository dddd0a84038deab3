// The Qt implementations of the command services offscreen: printing to PDF,
// the print dialog's Cancel, the help window, the message boxes and the file
// dialog.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>

#include "editor/commands/FileCommands.hpp"
#include "editor/window/FileDialogChooser.hpp"
#include "editor/window/HelpWindow.hpp"
#include "editor/window/ListingPrinter.hpp"
#include "editor/window/MessageBoxes.hpp"
#include "editor/window/tests/WindowTestSupport.hpp"

namespace quillon::editor::test {

namespace {

// The pages of a PDF file: its page objects, "/Type /Page" but not "/Pages".
int PdfPages(const QString& path) {
    const QByteArray pdf = ReadBytes(path);
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int pages = 0;
    auto matches = page.globalMatch(QString::fromLatin1(pdf));
    while (matches.hasNext()) {
        matches.next();
        ++pages;
    }
    return pages;
}

int PrintedPages(const QString& text, int copies, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!PrintListing(printer, text, copies)) return -1;
    return PdfPages(path);
}

}  // namespace

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void PrintsEveryCopy_data();
    void PrintsEveryCopy();
    void PrintFont();
    void PrintDialogCancelPrintsNothing();
    void PrintDialogThreeCopies();
    void HelpWindowShowsThePage_data();
    void HelpWindowShowsThePage();
    void MessageBoxHasOkOnlyNoIconAndTheCaption();
    void WarningsComeInOneBoxThatScrolls_data();
    void WarningsComeInOneBoxThatScrolls();
    void UnsavedEditsQuestion_data();
    void UnsavedEditsQuestion();
    void NameFilters_data();
    void NameFilters();
    void FileDialogAcceptsANewName_data();
    void FileDialogAcceptsANewName();

private:
    QTemporaryDir folder_;
};

// Text, copies and the pages they take: each copy whole, a page at each form
// feed (none for a feed on an empty page), more pages when a page is full.
void QtServicesTest::PrintsEveryCopy_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("copies");
    QTest::addColumn<int>("pages");
    QTest::newRow("StartText") << "Geometry Output Display" << 1 << 1;
    QTest::newRow("ThreeCopies") << "Geometry Output Display" << 3 << 3;
    QTest::newRow("FormFeeds") << "page one\n\fpage two\n\fpage three\n" << 1 << 3;
    QTest::newRow("FormFeedsThreeCopies") << "\fpage one\n\fpage two\n\fpage three\n" << 3 << 9;
    QTest::newRow("FeedInsideALine") << "one\ftwo" << 1 << 2;
    QString longText;
    for (int i = 0; i < 400; ++i) longText += QStringLiteral("line %1\n").arg(i);
    QTest::newRow("FullPages") << longText << 1 << -2;  // more than one page
}

void QtServicesTest::PrintsEveryCopy() {
    QFETCH(QString, text);
    QFETCH(int, copies);
    QFETCH(int, pages);
    const QString path = folder_.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    const int printed = PrintedPages(text, copies, path);
    if (pages > 0) {
        QCOMPARE(printed, pages);
    } else {
        QVERIFY2(printed >= -pages, qPrintable(QString::number(printed)));
        // Three copies of it take three times the pages.
        QCOMPARE(PrintedPages(text, 3, path + ".3.pdf"), 3 * printed);
    }
}

void QtServicesTest::PrintFont() {
    const QFont font = ListingPrintFont();
    QCOMPARE(font.family(), QStringLiteral("Courier"));
    QCOMPARE(font.pointSizeF(), 8.0);
    QVERIFY(font.fixedPitch());
    QCOMPARE(font.styleHint(), QFont::TypeWriter);
}

void QtServicesTest::PrintDialogCancelPrintsNothing() {
    ListingPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder_.filePath(QStringLiteral("cancelled.pdf"));
    printer.Device().setOutputFileName(path);
    bool seen = false;
    std::function<void()> cancel = [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            Later(cancel, 20);
            return;
        }
        seen = true;
        dialog->reject();
    };
    Later(cancel, 20);
    FilePrint(printer, "Geometry Output Display");
    QVERIFY(seen);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(printer.Device().pageLayout().orientation(), QPageLayout::Landscape);
}

// Three copies chosen in the print dialog: three whole printouts, while the
// printer itself prints each once.
void QtServicesTest::PrintDialogThreeCopies() {
    ListingPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder_.filePath(QStringLiteral("three.pdf"));
    printer.Device().setOutputFileName(path);
    bool seen = false;
    std::function<void()> choose = [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            Later(choose, 20);
            return;
        }
        auto* copies = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        QVERIFY(copies != nullptr);
        copies->setValue(3);
        seen = true;
        dialog->accept();
    };
    Later(choose, 20);
    FilePrint(printer, "page one\n\fpage two\n");
    QVERIFY(seen);
    QCOMPARE(PdfPages(path), 6);
    QCOMPARE(printer.Device().copyCount(), 1);
}

void QtServicesTest::HelpWindowShowsThePage_data() {
    QTest::addColumn<bool>("search");
    QTest::newRow("Contents") << false;
    QTest::newRow("Search") << true;
}

void QtServicesTest::HelpWindowShowsThePage() {
    QFETCH(bool, search);
    HelpWindow help;
    help.Show(std::filesystem::path(QUILLON_BIN_DIR) / "Quillon.html", search);
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QVERIFY(help.Page()->toPlainText().contains(QStringLiteral("Getting started")));
    QCOMPARE(QApplication::focusWidget() == help.FindBox(), search);
    if (search) {
        QTest::keyClicks(help.FindBox(), QStringLiteral("Run | Geometry"));
        QTest::keyClick(help.FindBox(), Qt::Key_Return);
        QCOMPARE(help.Page()->textCursor().selectedText(), QStringLiteral("Run | Geometry"));
    }
}

void QtServicesTest::MessageBoxHasOkOnlyNoIconAndTheCaption() {
    MessageBoxes boxes;
    bool seen = false;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            Later(answer, 20);
            return;
        }
        seen = true;
        QCOMPARE(box->windowTitle(), QStringLiteral("KRAL_Quillon"));
        QCOMPARE(box->text(), QStringLiteral("No input file has been selected."));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
    };
    Later(answer, 20);
    boxes.Warning("No input file has been selected.");
    QVERIFY(seen);
}

// One modal box for all the warnings, with their count and their texts in
// order in a list; 80 of them scroll. One OK closes it.
void QtServicesTest::WarningsComeInOneBoxThatScrolls_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("heading");
    QTest::newRow("One") << 1 << "1 warning:";
    QTest::newRow("Eighty") << 80 << "80 warnings:";
}

void QtServicesTest::WarningsComeInOneBoxThatScrolls() {
    QFETCH(int, count);
    std::vector<std::string> texts;
    for (int i = 1; i <= count; ++i) {
        texts.push_back("Warning: (06) Skew direction invalid. Should be L or R (" +
                        std::to_string(i) + ")");
    }
    MessageBoxes boxes;
    QList<QWidget*> shown;
    std::function<void()> answer = [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            Later(answer, 20);
            return;
        }
        shown << box;
        QCOMPARE(box->objectName(), QStringLiteral("WarningList"));
        QCOMPARE(box->windowTitle(), QStringLiteral("KRAL_Quillon"));
        QTEST(box->findChild<QLabel*>("WarningCount")->text(), "heading");
        auto* list = box->findChild<QListWidget*>("Warnings");
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), count);
        for (int i = 0; i < count; ++i) {
            QCOMPARE(list->item(i)->text().toStdString(), texts[static_cast<std::size_t>(i)]);
        }
        QCOMPARE(list->verticalScrollBar()->maximum() > 0, count == 80);
        QVERIFY(SaveScreenshot(*box, QStringLiteral("WarningList-%1").arg(count)));
        auto* buttons = box->findChild<QDialogButtonBox*>();
        QVERIFY(buttons != nullptr);
        QCOMPARE(buttons->buttons().size(), 1);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    };
    Later(answer, 20);
    // One OK ends it: a second box would never be answered.
    boxes.Warnings(texts);
    QCOMPARE(shown.size(), 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void QtServicesTest::UnsavedEditsQuestion_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Save") << int(QMessageBox::Save) << int(UnsavedEditsAnswer::Save);
    QTest::newRow("Discard") << int(QMessageBox::Discard) << int(UnsavedEditsAnswer::Discard);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << int(UnsavedEditsAnswer::Cancel);
}

void QtServicesTest::UnsavedEditsQuestion() {
    QFETCH(int, button);
    MessageBoxes boxes;
    std::function<void()> answer = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            Later(answer, 20);
            return;
        }
        QCOMPARE(box->windowTitle(), QStringLiteral("KRAL_Quillon"));
        QCOMPARE(box->buttons().size(), 3);
        QTest::mouseClick(box->button(QMessageBox::StandardButton(button)), Qt::LeftButton);
    };
    Later(answer, 20);
    QTEST(int(boxes.AskAboutUnsavedEdits()), "answer");
}

void QtServicesTest::NameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("One") << "Geometry Input Files (*.dat)|*.dat"
                         << "Geometry Input Files (*.dat)";
    QTest::newRow("Two") << "Listings (*.lis)|*.lis|All (*.*)|*.*"
                         << "Listings (*.lis);;All (*.*)";
}

void QtServicesTest::NameFilters() {
    QFETCH(QString, filter);
    QTEST(QtNameFilters(filter.toStdString()), "qt");
}

void QtServicesTest::FileDialogAcceptsANewName_data() {
    QTest::addColumn<bool>("save");
    QTest::newRow("Open") << false;
    QTest::newRow("Save") << true;
}

// The open dialog takes a name that does not exist; the save dialog replaces
// a file without asking. Both show the state's title, filter and name.
void QtServicesTest::FileDialogAcceptsANewName() {
    QFETCH(bool, save);
    const QString existing = folder_.filePath(QStringLiteral("old.dat"));
    WriteBytes(existing, "old\n");
    const QString wanted = save ? existing : folder_.filePath(QStringLiteral("new deck.dat"));
    FileDialogChooser chooser;
    FileDialogState state{"Open New File", "All Files (*.dat)|*.dat", existing.toStdString()};
    bool seen = false;
    std::function<void()> choose = [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        // Typed only once the folder is listed and the offered name chosen in
        // it: the listing selects that name when it arrives.
        auto* list =
            dialog == nullptr ? nullptr : dialog->findChild<QAbstractItemView*>("listView");
        if (list == nullptr || !list->selectionModel()->hasSelection()) {
            Later(choose, 20);
            return;
        }
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Open New File"));
        QCOMPARE(dialog->nameFilters(), QStringList{"All Files (*.dat)"});
        QCOMPARE(dialog->directory().absolutePath(), folder_.path());
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name != nullptr);
        // The user types into the focused name box (a box without the focus
        // leaves the offered file chosen in the list).
        QApplication::setActiveWindow(dialog);
        name->setFocus();
        if (!name->hasFocus()) {
            Later(choose, 20);
            return;
        }
        QCOMPARE(name->text(), QStringLiteral("old.dat"));
        seen = true;
        name->selectAll();
        QTest::keyClicks(name, QFileInfo(wanted).fileName());
        QTest::keyClick(name, Qt::Key_Return);
    };
    Later(choose, 20);
    const std::string chosen =
        chooser.Choose(save ? FileDialogMode::Save : FileDialogMode::Open, state);
    QVERIFY(seen);
    QCOMPARE(QString::fromStdString(chosen), wanted);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

}  // namespace quillon::editor::test

QTEST_MAIN(quillon::editor::test::QtServicesTest)
#include "QtServicesTest.moc"
