// The row forms under real input: Add Row, a click in a cell of a row and
// then Insert Row or Delete Row, option ticks that travel with their row, and
// the girder line's line type.
#include <QCheckBox>
#include <QPushButton>

#include "FormsTestSupport.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "editor/forms/RowFormWindows.hpp"

using namespace quillon::editor;
using namespace quillon::editor::test;

Q_DECLARE_METATYPE(quillon::editor::Form)

namespace {

struct RowFormShape {
    QStringList columns;  // the cells of a row but its options
    int options;          // check boxes of the options cell
    QString counting;     // the column that counts the rows
};

RowFormShape ShapeOf(Form form) {
    switch (form) {
        case Form::GirderLine:
            return {{"Combo1", "Text1", "Combo3", "Text2", "Combo2", "Text3", "Text4", "Text13",
                     "Text16"},
                    5,
                    "Combo1"};
        case Form::BentLine:
            return {{"Text1", "Combo1", "Text7", "Text2", "Combo2", "Text3", "Text4", "Text5",
                     "Text6", "Text8"},
                    4,
                    "Text1"};
        case Form::DeadLoad: {
            QStringList columns = {"Text1", "Text2", "Text14"};
            for (int k = 3; k <= 13; ++k) columns << QString("Text%1").arg(k);
            return {columns, 0, "Text1"};
        }
        default:
            return {{"OverSta", "OverLeft", "OverRight"}, 0, "OverSta"};
    }
}

// What row `row` of the form shows, cell by cell: a box's text, what a
// drop-down shows (with "(off)" while it takes no edits), the option ticks.
QStringList RowView(QWidget* window, Form form, int row) {
    const RowFormShape shape = ShapeOf(form);
    QStringList view;
    for (const QString& column : shape.columns) {
        QWidget* cell = Find(window, QString("%1(%2)").arg(column).arg(row));
        if (!cell) return {"no row " + QString::number(row)};
        QString shown;
        if (auto* box = qobject_cast<QLineEdit*>(cell)) shown = box->text();
        if (auto* box = qobject_cast<QComboBox*>(cell)) {
            shown = Shown(box) + " [";
            for (int i = 0; i < box->count(); ++i) shown += box->itemText(i) + "/";
            shown += "]";
        }
        view << column + "=" + shown + (cell->isEnabled() ? "" : " (off)");
    }
    QString ticks;
    for (int k = 0; k < shape.options; ++k)
        ticks += Find<QCheckBox>(window, QString("List1(%1)[%2]").arg(row).arg(k))->isChecked()
                     ? "X"
                     : ".";
    if (shape.options) view << "List1=" + ticks;
    return view;
}

// Each design row filled with contents of its own: texts naming the row,
// choices and option ticks that differ from row to row.
void FillRows(DeckModel& deck, Form form) {
    for (int i = 0; i < 20; ++i) {
        const std::string n = std::to_string(i);
        if (form == Form::GirderLine) {
            GirderLineRow& row = deck.girderLine.rows[static_cast<size_t>(i)];
            ChooseLineType(row, i % 5);
            row.Text1 = n + ".5";
            row.Combo3.Choose(i % 4 == 1 ? 0 : i % 4);
            row.Text2 = "2" + n;
            row.Combo2.Choose((i + 1) % 4);
            row.Text3 = "3." + n;
            row.Text4 = "GIRDER " + n;
            row.Text13 = n.substr(0, 2);
            row.Text16 = std::string(1, static_cast<char>('A' + i));
            for (size_t k = 0; k < row.List1.size(); ++k) row.List1[k] = (i >> k) & 1;
        } else if (form == Form::BentLine) {
            BentLineRow& row = deck.bentLine.rows[static_cast<size_t>(i)];
            row.Text1 = "1" + n;
            row.Combo1.Choose(i % 7);
            row.Text7 = i % 2 ? "R" : "L";
            row.Text2 = "12 " + n;
            row.Combo2.Choose(i % 5);
            row.Text3 = "4." + n;
            row.Text4 = "BENT " + n;
            row.Text5 = n.substr(0, 1);
            row.Text8 = "AB";
            for (size_t k = 0; k < row.List1.size(); ++k) row.List1[k] = (i >> k) & 1;
        } else {
            DeadLoadRow& row = deck.deadLoad.rows[static_cast<size_t>(i)];
            row.Text1 = std::string(1, static_cast<char>('A' + i));
            row.Text2 = n.substr(0, 1);
            row.Text14 = "I";
            for (int k = 0; k < DeadLoad::kTenthPoints; ++k)
                row.Deflection(k) = n + "." + std::to_string(k);
        }
    }
}

int CurrentRow(const DeckModel& deck, Form form) {
    return form == Form::GirderLine ? deck.girderLine.CurrentRow
           : form == Form::BentLine ? deck.bentLine.CurrentRow
                                    : deck.deadLoad.CurrentRow;
}

const QStringList kLolHcl = {"Bent from LOL", "Norm. from LOL", "Bent from HCL", "Norm. from HCL"};

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

}  // namespace

class RowFormsTest : public FormsTestCase {
    Q_OBJECT

private slots:
    void AddRow_data();
    void AddRow();
    void NewGirderRowOffersTheDesignOffsetTypes();
    void InsertRow_data() { ShiftRows_data(); }
    void InsertRow();
    void DeleteRow_data() { ShiftRows_data(); }
    void DeleteRow();
    void LineType_data();
    void LineType();
    void LineTypeChosenTwice();

private:
    void ShiftRows_data();
    // Fills the form's rows, ticks one option of row `row` by a click (on
    // forms with options), clicks a cell of the row and then `button`.
    QWidget* ClickRowThen(Form form, int row, const QString& button);
};

void RowFormsTest::AddRow_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rows");
    QTest::newRow("GirderLine") << Form::GirderLine << "AddRecord" << 20;
    QTest::newRow("BentLine") << Form::BentLine << "AddRecord" << 20;
    QTest::newRow("DeadLoad") << Form::DeadLoad << "AddRecord" << 20;
    QTest::newRow("CrossTrans") << Form::CrossTrans << "AddOverRecord" << 6;
}

// One more row in every column, empty, its drop-downs at their prompts.
void RowFormsTest::AddRow() {
    QFETCH(Form, form);
    QFETCH(QString, button);
    QFETCH(int, rows);
    QWidget* window = ShowActive(*forms_, form);
    if (form != Form::CrossTrans) {
        FillRows(*deck_, form);
        forms_->Refresh();
    }
    for (int added = 1; added <= 2; ++added) {
        QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
        const int last = rows + added - 1;
        const QStringList view = RowView(window, form, last);
        const RowFormShape shape = ShapeOf(form);
        QCOMPARE(view.size(), shape.columns.size() + (shape.options ? 1 : 0));
        for (const QString& cell : view) {
            const QString name = cell.section('=', 0, 0);
            const QString shown = cell.section('=', 1);
            if (name == "List1")
                QCOMPARE(shown, QString(shape.options, '.'));
            else if (name.startsWith("Combo"))
                QVERIFY2(Find<QComboBox>(window, QString("%1(%2)").arg(name).arg(last))
                                 ->currentIndex() == -1,
                         qPrintable(cell));
            else
                QCOMPARE(shown, QString());
        }
        QVERIFY(!Find(window, QString("%1(%2)").arg(shape.counting).arg(last + 1)));
    }
    const size_t modelRows = form == Form::GirderLine ? deck_->girderLine.rows.size()
                             : form == Form::BentLine ? deck_->bentLine.rows.size()
                             : form == Form::DeadLoad ? deck_->deadLoad.rows.size()
                                                      : deck_->crossTrans.OverRows.size();
    QCOMPARE(modelRows, static_cast<size_t>(rows + 2));
    if (form == Form::BentLine) {
        auto* combo = Find<QComboBox>(window, "Combo1(21)");
        QCOMPARE(Shown(combo), QString("Distance Type"));
        QCOMPARE(Find<QComboBox>(window, "Combo2(21)")->placeholderText(), QString("Skew Type"));
    }
}

// Row 0 segmented offered its list ("Normal from base") to every new row.
void RowFormsTest::NewGirderRowOffersTheDesignOffsetTypes() {
    QWidget* window = ShowActive(*forms_, Form::GirderLine);
    ChooseByKeyboard(Find<QComboBox>(window, "Combo1(0)"), GirderLine::kSegmented);
    QCOMPARE(Find<QComboBox>(window, "Combo3(0)")->itemText(0), QString("Normal from base"));
    QTest::mouseClick(Find<QPushButton>(window, "AddRecord"), Qt::LeftButton);
    auto* combo3 = Find<QComboBox>(window, "Combo3(20)");
    QCOMPARE(Items(combo3), kLolHcl);
    QCOMPARE(Shown(combo3), QString("Offset Type"));
    QCOMPARE(Shown(Find<QComboBox>(window, "Combo1(20)")), QString("Line Type"));
    QVERIFY(Find(window, "Text2(20)")->isEnabled() && Find(window, "Combo2(20)")->isEnabled());
}

void RowFormsTest::ShiftRows_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<int>("row");
    for (auto [form, name] : {std::pair{Form::GirderLine, "GirderLine"},
                              {Form::BentLine, "BentLine"},
                              {Form::DeadLoad, "DeadLoad"}}) {
        QTest::addRow("%s first row", name) << form << 0;
        QTest::addRow("%s middle row", name) << form << 5;
        QTest::addRow("%s last row", name) << form << 19;
    }
}

namespace {

// The model's side of ClickRowThen's option clicks.
void SetRowOptions(DeckModel& deck, Form form, int row) {
    auto set = [](auto& list) {
        list.front() = true;
        list.back() = false;
    };
    if (form == Form::GirderLine) set(deck.girderLine.rows[static_cast<size_t>(row)].List1);
    if (form == Form::BentLine) set(deck.bentLine.rows[static_cast<size_t>(row)].List1);
}

// What the 20 rows show before Insert or Delete, on a form of its own.
std::vector<QStringList> RowsBefore(Form form, int row) {
    DeckModel deck;
    FillRows(deck, form);
    SetRowOptions(deck, form, row);
    Forms forms(deck);
    QWidget* window = ShowActive(forms, form);
    std::vector<QStringList> rows;
    for (int i = 0; i < 20; ++i) rows.push_back(RowView(window, form, i));
    return rows;
}

// What a new row shows: the row Add Row makes on a fresh form.
QStringList NewRowView(Form form) {
    DeckModel deck;
    Forms forms(deck);
    QWidget* window = ShowActive(forms, form);
    QTest::mouseClick(Find<QPushButton>(window, "AddRecord"), Qt::LeftButton);
    return RowView(window, form, 20);
}

}  // namespace

QWidget* RowFormsTest::ClickRowThen(Form form, int row, const QString& button) {
    QWidget* window = ShowActive(*forms_, form);
    FillRows(*deck_, form);
    forms_->Refresh();
    if (const int options = ShapeOf(form).options) {
        auto* first = Find<QCheckBox>(window, QString("List1(%1)[0]").arg(row));
        auto* last = Find<QCheckBox>(window, QString("List1(%1)[%2]").arg(row).arg(options - 1));
        if (!first->isChecked()) ClickCell(first);
        if (last->isChecked()) ClickCell(last);
    }
    ClickCell(Find(window, QString("Text1(%1)").arg(row)));
    QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
    return window;
}

// Insert opens an empty row at the row clicked and moves it and every row
// below it, option ticks included, one place down.
void RowFormsTest::InsertRow() {
    QFETCH(Form, form);
    QFETCH(int, row);
    const std::vector<QStringList> before = RowsBefore(form, row);
    const QStringList empty = NewRowView(form);

    QWidget* window = ClickRowThen(form, row, "Insert");

    QCOMPARE(CurrentRow(*deck_, form), row);
    QVERIFY(Find(window, ShapeOf(form).counting + "(20)"));
    QVERIFY(!Find(window, ShapeOf(form).counting + "(21)"));
    for (int i = 0; i < row; ++i)
        QCOMPARE(RowView(window, form, i), before[static_cast<size_t>(i)]);
    QCOMPARE(RowView(window, form, row), empty);
    for (int i = row + 1; i <= 20; ++i)
        QCOMPARE(RowView(window, form, i), before[static_cast<size_t>(i - 1)]);
}

// Delete moves every row below the row clicked one place up and empties the
// last row; the rows stay as many.
void RowFormsTest::DeleteRow() {
    QFETCH(Form, form);
    QFETCH(int, row);
    const std::vector<QStringList> before = RowsBefore(form, row);
    const QStringList empty = NewRowView(form);

    QWidget* window = ClickRowThen(form, row, "Delete");

    QCOMPARE(CurrentRow(*deck_, form), row);
    QVERIFY(!Find(window, ShapeOf(form).counting + "(20)"));
    for (int i = 0; i < row; ++i)
        QCOMPARE(RowView(window, form, i), before[static_cast<size_t>(i)]);
    for (int i = row; i < 19; ++i)
        QCOMPARE(RowView(window, form, i), before[static_cast<size_t>(i + 1)]);
    QCOMPARE(RowView(window, form, 19), empty);  // no option ticked either
}

void RowFormsTest::LineType_data() {
    QTest::addColumn<int>("lineType");
    QTest::addColumn<QStringList>("offsetTypes");
    QTest::addColumn<bool>("terminal");
    const QStringList varies = {"Fr HC at Nom. CS", "Fr HC at Level CS", "Fr Pivot at Nom. CS",
                                "Fr Pivot at Level CS"};
    QTest::newRow("Parallel to Horiz.") << 0 << kLolHcl << false;
    QTest::newRow("Segmented") << 1 << QStringList{"Normal from base", "", "", ""} << false;
    QTest::newRow("Parallel to Layout") << 2 << kLolHcl << false;
    QTest::newRow("Flared Girder Line") << 3 << kLolHcl << true;
    QTest::newRow("Offset Varies") << 4 << varies << false;
}

// Row 3's line type refills only row 3's offset types, shows "Offset Type"
// and lets the terminal offset take edits only on a flared line; the
// terminal offset keeps its text.
void RowFormsTest::LineType() {
    QFETCH(int, lineType);
    QFETCH(QStringList, offsetTypes);
    QFETCH(bool, terminal);
    QWidget* window = ShowActive(*forms_, Form::GirderLine);
    TypeInto(Find<QLineEdit>(window, "Text2(3)"), "7.5");
    ChooseByKeyboard(Find<QComboBox>(window, "Combo3(3)"), 2);
    QCOMPARE(deck_->girderLine.rows[3].Combo3.chosen, std::optional<int>(2));

    ChooseByKeyboard(Find<QComboBox>(window, "Combo1(3)"), lineType);

    QCOMPARE(deck_->girderLine.rows[3].Combo1.chosen, std::optional<int>(lineType));
    auto* combo3 = Find<QComboBox>(window, "Combo3(3)");
    QCOMPARE(Items(combo3), offsetTypes);
    QCOMPARE(Shown(combo3), QString("Offset Type"));
    QCOMPARE(Find(window, "Text2(3)")->isEnabled(), terminal);
    QCOMPARE(Find(window, "Combo2(3)")->isEnabled(), terminal);
    QCOMPARE(Find<QLineEdit>(window, "Text2(3)")->text(), QString("7.5"));
    QCOMPARE(Items(Find<QComboBox>(window, "Combo2(3)")), kLolHcl);
    for (int row : {0, 2, 4, 19}) {
        QCOMPARE(Items(Find<QComboBox>(window, QString("Combo3(%1)").arg(row))), kLolHcl);
        QVERIFY(Find(window, QString("Text2(%1)").arg(row))->isEnabled());
    }
}

// Choosing the line type a row has again runs the rule again: the offset
// type chosen in between gives way to the prompt.
void RowFormsTest::LineTypeChosenTwice() {
    QWidget* window = ShowActive(*forms_, Form::GirderLine);
    auto* lineType = Find<QComboBox>(window, "Combo1(3)");
    auto* combo3 = Find<QComboBox>(window, "Combo3(3)");
    ChooseByKeyboard(lineType, GirderLine::kOffsetVaries);
    ChooseByKeyboard(combo3, 1);
    QCOMPARE(Shown(combo3), QString("Fr HC at Level CS"));
    ChooseByKeyboard(lineType, GirderLine::kOffsetVaries);
    QCOMPARE(Shown(lineType), QString("Offset Varies"));
    QCOMPARE(Shown(combo3), QString("Offset Type"));
    QVERIFY(!deck_->girderLine.rows[3].Combo3.chosen.has_value());
}

QTEST_MAIN(RowFormsTest)
#include "RowFormsTest.moc"
