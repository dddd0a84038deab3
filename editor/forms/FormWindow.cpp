#include "editor/forms/FormWindow.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "editor/forms/FormControls.hpp"

namespace quillon::editor {

FormWindow::FormWindow(DeckModel& deck, const QString& name, const QString& caption)
    : QWidget(nullptr, Qt::Window), deck_(deck) {
    setObjectName(name);
    setWindowTitle(caption);
}

QPushButton* FormWindow::MakeHideButton(const QString& name) {
    auto* button = new QPushButton("Hide", this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, &QWidget::hide);
    return button;
}

QLineEdit* FormWindow::BoundTextBox(const QString& name, std::string& target, int twips,
                                    int maxLength) {
    QLineEdit* box = MakeTextBox(name, twips, this, maxLength);
    boundTexts_.emplace_back(box, &target);
    connect(box, &QLineEdit::textEdited, this, [this, &target](const QString& text) {
        target = FromControlText(text);
        emit Edited();
    });
    return box;
}

QCheckBox* FormWindow::BoundCheckBox(const QString& name, const QString& text, bool& target) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    boundChecks_.emplace_back(box, &target);
    connect(box, &QCheckBox::toggled, this, [this, &target](bool on) {
        target = on;
        emit Edited();
    });
    return box;
}

void FormWindow::OnChosen(QRadioButton* button, std::function<void()> choose) {
    connect(button, &QRadioButton::toggled, this, [this, choose](bool on) {
        if (!on) return;
        choose();
        emit Edited();
    });
}

void FormWindow::RefreshBound() {
    for (auto& [box, target] : boundTexts_) ShowText(box, *target);
    for (auto& [box, target] : boundChecks_) {
        const QSignalBlocker quiet(box);
        box->setChecked(*target);
    }
}

void FormWindow::SetTabOrder(const std::vector<QWidget*>& order) {
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box does what Hide does: the form stays, with its values
    // (a window without delete-on-close is only hidden by closing).
    hide();
    event->accept();
}

}  // namespace quillon::editor
