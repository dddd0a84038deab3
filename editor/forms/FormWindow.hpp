// What every data-entry form shares: a modeless top-level window named for
// its form, on the deck model. It shows the model (Refresh) and writes each
// user edit into the model at once, then says so (Edited). Its Hide button
// and its close box hide it; nothing it holds is dropped.
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/deck/DeckModel.hpp"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillon::editor {

class FormWindow : public QWidget {
    Q_OBJECT

public:
    // `name` is the form's name (its object name), `caption` its title.
    FormWindow(DeckModel& deck, const QString& name, const QString& caption);

    // Shows the model's values in every control.
    virtual void Refresh() = 0;
    // A deck was opened: show it, from the top of any rows.
    virtual void DeckOpened() { Refresh(); }

signals:
    void Edited();

protected:
    // The form's "Hide" button, with its control name.
    QPushButton* MakeHideButton(const QString& name);
    // A text box (FormControls.hpp) whose every edit is written into
    // `target`, which lives in the model as long as the form does.
    QLineEdit* BoundTextBox(const QString& name, std::string& target, int twips,
                            int maxLength = -1);
    // A check box whose every click is written into `target`.
    QCheckBox* BoundCheckBox(const QString& name, const QString& text, bool& target);
    // `choose` writes the choice of an option button into the model each
    // time the button comes on.
    void OnChosen(QRadioButton* button, std::function<void()> choose);
    // Shows the targets of the bound boxes.
    void RefreshBound();
    // Chains the controls into the tab order, in the order given.
    static void SetTabOrder(const std::vector<QWidget*>& order);
    void closeEvent(QCloseEvent* event) override;

    DeckModel& deck_;

private:
    std::vector<std::pair<QLineEdit*, std::string*>> boundTexts_;
    std::vector<std::pair<QCheckBox*, bool*>> boundChecks_;
};

}  // namespace quillon::editor
