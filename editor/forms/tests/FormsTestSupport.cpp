#include "FormsTestSupport.hpp"

#include <QAbstractItemView>

#include "cards/CardFields.hpp"

namespace quillon::editor::test {

void FormsTestCase::SetUp() {
    deck_ = std::make_unique<DeckModel>();
    forms_ = std::make_unique<Forms>(*deck_);
}

void FormsTestCase::TearDown() {
    forms_.reset();
    deck_.reset();
}

void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QWidget* ShowActive(Forms& forms, Form form) {
    QWidget* window = forms.Show(form);
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window)) qWarning("the form did not become active");
    Settle();
    return window;
}

QStringList TabWalk(QWidget* form, const QString& first, int steps) {
    QStringList walk;
    QWidget* start = Find(form, first);
    if (!start) return {"no control " + first};
    start->setFocus(Qt::TabFocusReason);
    walk << QApplication::focusWidget()->objectName();
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk << QApplication::focusWidget()->objectName();
    }
    return walk;
}

void ClickCell(QWidget* cell) {
    for (QWidget* up = cell->parentWidget(); up; up = up->parentWidget())
        if (auto* scroll = qobject_cast<QScrollArea*>(up)) {
            scroll->ensureWidgetVisible(cell);
            break;
        }
    Settle();
    if (auto* combo = qobject_cast<QComboBox*>(cell)) {
        // A click opens a drop-down's list; a second closes it again.
        QTest::mouseClick(combo, Qt::LeftButton);
        combo->hidePopup();
        return;
    }
    QTest::mouseClick(cell, Qt::LeftButton);
}

void TypeInto(QLineEdit* box, const QString& keys) {
    ClickCell(box);
    box->selectAll();
    QTest::keyClicks(box, keys);
}

void ChooseByKeyboard(QComboBox* box, int item) {
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_F4);  // opens the list
    QAbstractItemView* list = box->view();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < item; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    Settle();
}

QString Shown(const QComboBox* box) {
    return box->currentIndex() < 0 ? box->placeholderText() : box->currentText();
}

std::string Columns(const std::string& line, const cards::CardLayout& layout,
                    std::string_view name) {
    return cards::Text(line, layout.Find(name));
}

}  // namespace quillon::editor::test
