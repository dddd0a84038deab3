// The forms on decks read from files: a deck's rows appear as rows, rows
// inserted on a form reach the saved file, and a picture of each form filled
// from the sample deck, checked for clipped labels and overlapping controls.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "FormsTestSupport.hpp"
#include "cards/CardLayouts.hpp"
#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"
#include "editor/forms/RowFormWindows.hpp"

using namespace quillon::editor;
using namespace quillon::editor::test;

Q_DECLARE_METATYPE(quillon::editor::Form)

namespace {

std::vector<std::string> FileLines(const QString& path) {
    std::ifstream in(path.toStdString());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void WriteFile(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString()) << text;
}

// The controls a user reads or works: each must show whole and stand clear
// of the others beside it.
bool IsControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w) ||
           qobject_cast<const QListWidget*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

// Labels and captions narrower or lower than their text, and controls of one
// container that overlap.
QStringList LayoutFaults(QWidget* window) {
    QStringList faults;
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && IsControl(w) && !qobject_cast<const QCheckBox*>(w->parentWidget()))
            controls << w;
    for (QWidget* w : controls) {
        const QSize need = w->sizeHint();
        // A box of a card field shows a full field (trailing blanks show nothing).
        if (auto* box = qobject_cast<QLineEdit*>(w); box && box->maxLength() < 1000) {
            const int textWidth = box->fontMetrics().horizontalAdvance(box->text().trimmed());
            if (textWidth > box->contentsRect().width() - 6)
                faults << QString("%1 \"%2\" shows only part of its text")
                              .arg(box->objectName(), box->text());
        }
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QComboBox*>(w))
            if (w->width() < need.width() || w->height() < w->minimumSizeHint().height())
                faults << QString("%1 \"%2\" clipped: %3x%4 for %5x%6")
                              .arg(w->metaObject()->className(), w->property("text").toString())
                              .arg(w->width())
                              .arg(w->height())
                              .arg(need.width())
                              .arg(need.height());
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->parentWidget() != b->parentWidget()) continue;
            if (a->geometry().intersects(b->geometry()))
                faults << QString("%1 overlaps %2").arg(a->objectName(), b->objectName());
        }
    return faults;
}

// True when the picture holds more than one colour.
bool HasDrawing(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first) return true;
    return false;
}

}  // namespace

class DeckFormsTest : public FormsTestCase {
    Q_OBJECT

private slots:
    void DeckOfTwentyFiveGirderLinesShowsTwentyFiveRows();
    void InsertOnDeadLoadThenSaveWritesEveryFilledRow();
    void Screenshots_data();
    void Screenshots();

private:
    // Reads `path` into the model and shows it on the forms.
    void Open(const QString& path) {
        CollectedWarnings warnings;
        const DeckFileResult read = ReadInputFile(path.toStdString(), *deck_, warnings);
        QVERIFY2(read.ok, read.reason.c_str());
        forms_->DeckOpened();
    }

    QTemporaryDir dir_;
};

void DeckFormsTest::DeckOfTwentyFiveGirderLinesShowsTwentyFiveRows() {
    QWidget* girders = ShowActive(*forms_, Form::GirderLine);
    std::ostringstream deck;
    deck << "00BR 25\n01\n02\n03C  2000600\n04   235000000R10000000111\n";
    for (int i = 1; i <= 25; ++i) deck << "050       04        0 -105000GIRDER G" << i << "\n";
    const QString path = dir_.filePath("twenty-five.dat");
    WriteFile(path, deck.str());
    Open(path);
    QCOMPARE(deck_->girderLine.rows.size(), size_t(25));
    QVERIFY(Find(girders, "Combo1(24)") && !Find(girders, "Combo1(25)"));
    QCOMPARE(Find<QLineEdit>(girders, "Text4(24)")->text(),
             QString("GIRDER G25").leftJustified(20));
    QCOMPARE(Shown(Find<QComboBox>(girders, "Combo1(24)")), QString("Parallel to Horiz."));
    // Initial offset type code 4: the fourth item.
    QCOMPARE(Shown(Find<QComboBox>(girders, "Combo3(24)")), QString("Norm. from HCL"));
}

// Insert Row opens an empty dead-load row; a save writes every filled row
// around it, and the row once filled in its place.
void DeckFormsTest::InsertOnDeadLoadThenSaveWritesEveryFilledRow() {
    const QString sample = QUILLON_SOURCE_DIR "/samples/bridge.dat";
    Open(sample);
    QWidget* deadLoad = ShowActive(*forms_, Form::DeadLoad);
    ClickCell(Find(deadLoad, "Text3(2)"));
    QTest::mouseClick(Find<QPushButton>(deadLoad, "Insert"), Qt::LeftButton);
    QCOMPARE(deck_->deadLoad.CurrentRow, 2);
    QCOMPARE(Find<QLineEdit>(deadLoad, "Text1(2)")->text(), QString());

    // The girder and bent line codes of the saved 07 cards, in their order.
    const auto savedLoads = [&] {
        CollectedWarnings messages;
        const QString saved = dir_.filePath("saved.dat");
        const DeckFileResult written = WriteInputFile(saved.toStdString(), *deck_, messages);
        QStringList labels;
        if (!written.ok) return QStringList{QString::fromStdString(written.reason)};
        for (const std::string& line : FileLines(saved))
            if (line.rfind("07", 0) == 0)
                labels << QString::fromStdString(
                              Columns(line, quillon::cards::kDeadLoadCard, "DeadLoadLabel"))
                              .trimmed();
        return labels;
    };
    // The empty row leaves no card; the rows after it are all written.
    QCOMPARE(savedLoads(), (QStringList{"EA", "EB", "EC", "IA", "IB", "IC"}));

    TypeInto(Find<QLineEdit>(deadLoad, "Text1(2)"), "E");
    TypeInto(Find<QLineEdit>(deadLoad, "Text2(2)"), "X");
    TypeInto(Find<QLineEdit>(deadLoad, "Text3(2)"), "0");
    QCOMPARE(savedLoads(), (QStringList{"EA", "EB", "EX", "EC", "IA", "IB", "IC"}));
}

void DeckFormsTest::Screenshots_data() {
    QTest::addColumn<Form>("form");
    QTest::newRow("Description") << Form::Description;
    QTest::newRow("Horizontal") << Form::Horizontal;
    QTest::newRow("Vertical") << Form::Vertical;
    QTest::newRow("CrossTrans") << Form::CrossTrans;
    QTest::newRow("RefLine") << Form::RefLine;
    QTest::newRow("GirderLine") << Form::GirderLine;
    QTest::newRow("BentLine") << Form::BentLine;
    QTest::newRow("DeadLoad") << Form::DeadLoad;
    QTest::newRow("RoadAppr") << Form::RoadAppr;
}

// Each form filled from the sample deck, as a picture beside the build.
void DeckFormsTest::Screenshots() {
    QFETCH(Form, form);
    Open(QUILLON_SOURCE_DIR "/samples/bridge.dat");
    QWidget* window = ShowActive(*forms_, form);
    Settle();
    const QStringList faults = LayoutFaults(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    const QImage picture = window->grab().toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(HasDrawing(picture));
    QVERIFY(QDir().mkpath(QUILLON_SCREENSHOT_DIR));
    const QString path = QString(QUILLON_SCREENSHOT_DIR "/%1.png").arg(QTest::currentDataTag());
    QVERIFY(picture.save(path));
}

QTEST_MAIN(DeckFormsTest)
#include "DeckFormsTest.moc"
