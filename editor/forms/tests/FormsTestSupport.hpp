// What the form tests share: forms shown, active and laid out on the
// offscreen platform, their controls found by name, real input, and the
// card columns of what a form holds.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QString>
#include <QStringList>
#include <QtTest>
#include <memory>
#include <string>

#include "cards/CardLayout.hpp"
#include "editor/deck/DeckModel.hpp"
#include "editor/forms/Forms.hpp"

namespace quillon::editor::test {

// A test case with a fresh deck model and its forms for each test function.
class FormsTestCase : public QObject {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

protected:
    void SetUp();
    void TearDown();

    std::unique_ptr<DeckModel> deck_;
    std::unique_ptr<Forms> forms_;
};

// Shows the form, makes it the active window and lets its layouts settle.
QWidget* ShowActive(Forms& forms, Form form);
// Runs the queued layout and paint work.
void Settle();

// The control named `name` of the form (null when there is none).
template <class Control = QWidget>
Control* Find(QWidget* form, const QString& name) {
    return form->findChild<Control*>(name, Qt::FindChildrenRecursively);
}

// The object names of the controls that take the focus by `steps` presses
// of Tab, starting from the control named `first`.
QStringList TabWalk(QWidget* form, const QString& first, int steps);

// Scrolls `cell` into view and clicks it (a line edit or combo takes the
// focus so).
void ClickCell(QWidget* cell);
// Focuses `box`, selects what it holds and types `keys` over it.
void TypeInto(QLineEdit* box, const QString& keys);
// Chooses item `item` of a drop-down by the keyboard: opens its list, moves
// to the item and presses Return (so the item already chosen is chosen
// again).
void ChooseByKeyboard(QComboBox* box, int item);

// What a combo box shows: its chosen item's text, or its prompt.
QString Shown(const QComboBox* box);

// The field `name` of a card line by its layout.
std::string Columns(const std::string& line, const cards::CardLayout& layout,
                    std::string_view name);

}  // namespace quillon::editor::test
