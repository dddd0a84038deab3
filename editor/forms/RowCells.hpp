// The cells of a row form bound to the rows of the model: each column is a
// binding that makes the cell of a row and shows that row's value in it.
// Every user edit of a cell is written into its row of the model at once,
// and the form says so (FormWindow::Edited).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/deck/Choice.hpp"
#include "editor/forms/FormControls.hpp"
#include "editor/forms/FormWindow.hpp"
#include "editor/forms/RowTable.hpp"

namespace quillon::editor {

struct CellBinding {
    RowTable::Column column;
    std::function<QWidget*(int row)> make;
    std::function<void(QWidget* cell, int row)> show;
};

// The table of a form's rows with its bindings.
class BoundRows {
public:
    BoundRows(std::vector<CellBinding> bindings, std::vector<RowTable::Heading> headings,
              int visibleRows, QWidget* parent);

    RowTable* Table() const { return table_; }
    // Gives the table `rows` rows and shows every row.
    void Show(int rows);
    void ShowRow(int row);

private:
    std::vector<CellBinding> bindings_;
    RowTable* table_;
};

// A text box column on `box` of each row of `rows` (which must outlive the
// form; it may grow).
template <class Row>
CellBinding TextColumn(FormWindow* form, std::vector<Row>& rows, const QString& name, int twips,
                       std::string Row::*box, int maxLength = -1, bool fixedPitch = false) {
    return {{name, twips},
            [=, &rows](int row) {
                QLineEdit* cell = MakeTextBox(name, twips, nullptr, maxLength, fixedPitch);
                QObject::connect(cell, &QLineEdit::textEdited, form, [=, &rows](const QString& t) {
                    rows[static_cast<size_t>(row)].*box = FromControlText(t);
                    emit form->Edited();
                });
                return cell;
            },
            [=, &rows](QWidget* cell, int row) {
                ShowText(static_cast<QLineEdit*>(cell), rows[static_cast<size_t>(row)].*box);
            }};
}

// A drop-down column on `choice` of each row; `chosen` runs when the user
// picks an item (the item already chosen too), by default choosing it.
template <class Row>
CellBinding ChoiceColumn(FormWindow* form, std::vector<Row>& rows, const QString& name, int twips,
                         Choice Row::*choice, const QStringList& items, const QString& prompt,
                         std::function<void(int row, int item)> chosen = {}) {
    if (!chosen)
        chosen = [choice, &rows](int row, int item) {
            (rows[static_cast<size_t>(row)].*choice).Choose(item);
        };
    return {{name, twips},
            [=](int row) {
                QComboBox* cell = MakeDropDown(name, items, prompt, twips, nullptr);
                QObject::connect(cell, &QComboBox::activated, form, [=](int item) {
                    chosen(row, item);
                    emit form->Edited();
                });
                return cell;
            },
            [=, &rows](QWidget* cell, int row) {
                ShowChoice(static_cast<QComboBox*>(cell), rows[static_cast<size_t>(row)].*choice);
            }};
}

// The options column: one small check box per item of `list`, its item's
// text as tool tip.
template <class Row, size_t N>
CellBinding OptionsColumn(FormWindow* form, std::vector<Row>& rows, int twips,
                          std::array<bool, N> Row::*list, const QStringList& texts) {
    return {{"List1", twips},
            [=, &rows](int row) {
                auto* cell = new QWidget;
                auto* layout = new QHBoxLayout(cell);
                layout->setContentsMargins(2, 0, 2, 0);
                layout->setSpacing(2);
                for (size_t k = 0; k < N; ++k) {
                    auto* box = new QCheckBox(cell);
                    box->setObjectName(QString("List1(%1)[%2]").arg(row).arg(k));
                    box->setToolTip(texts[static_cast<qsizetype>(k)]);
                    box->setAccessibleName(texts[static_cast<qsizetype>(k)]);
                    layout->addWidget(box);
                    QObject::connect(box, &QCheckBox::toggled, form, [=, &rows](bool on) {
                        (rows[static_cast<size_t>(row)].*list)[k] = on;
                        emit form->Edited();
                    });
                }
                layout->addStretch(1);
                return cell;
            },
            [=, &rows](QWidget* cell, int row) {
                const std::array<bool, N>& ticks = rows[static_cast<size_t>(row)].*list;
                const QList<QCheckBox*> boxes = cell->findChildren<QCheckBox*>();
                for (size_t k = 0; k < N && k < static_cast<size_t>(boxes.size()); ++k) {
                    const QSignalBlocker quiet(boxes[static_cast<qsizetype>(k)]);
                    boxes[static_cast<qsizetype>(k)]->setChecked(ticks[k]);
                }
            }};
}

}  // namespace quillon::editor
