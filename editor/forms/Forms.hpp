// The owner of the nine data-entry forms: each form is a top-level window on
// the deck model, created the first time it is shown, hidden (never closed)
// by its Hide button and its close box, and deleted with its owner.
#pragma once

#include <QObject>
#include <array>

#include "editor/deck/DeckModel.hpp"

class QWidget;

namespace quillon::editor {

class FormWindow;

// The forms in the order of the Data Entry menu.
enum class Form {
    Description,  // 00 cards
    Horizontal,   // 01
    Vertical,     // 02
    CrossTrans,   // 03
    RefLine,      // 04
    GirderLine,   // 05
    BentLine,     // 06
    DeadLoad,     // 07
    RoadAppr,     // 08
};
inline constexpr int kFormCount = 9;

class Forms : public QObject {
    Q_OBJECT

public:
    // The forms show and edit `deck`, which must outlive them.
    explicit Forms(DeckModel& deck, QObject* parent = nullptr);
    // Deletes the forms that were created, in the main window's closing
    // order: BentLine, CrossTrans, DeadLoad, Description, GirderLine,
    // Horizontal, RefLine, Vertical, RoadAppr.
    ~Forms() override;

    // A Data Entry item: the form, created on first use, shown as a modeless
    // top-level window and brought to the front.
    QWidget* Show(Form form);
    // The form, created on first use, without showing it.
    QWidget* Window(Form form);
    // The form if it was created, else null.
    QWidget* Created(Form form) const;

    // The model changed under the forms (a deck was read, or a new one
    // begun): every created form shows it again, the row forms scrolled back
    // to their first row. The reader resets the current rows to 0.
    void DeckOpened();
    // Every created form shows the model again, keeping its scroll position.
    void Refresh();

signals:
    // A user's edit reached the model: a text typed, an item chosen, a
    // button or box clicked, a row added, inserted or deleted.
    void Edited();

private:
    FormWindow* Make(Form form);

    DeckModel& deck_;
    std::array<FormWindow*, kFormCount> forms_{};
};

}  // namespace quillon::editor
