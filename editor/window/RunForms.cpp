#include "editor/window/RunForms.hpp"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace quillon::editor {

namespace {

// Widths are the forms' twips at 15 a pixel (96 dots per inch).
int Pixels(int twips) { return twips / 15; }

QLineEdit* TextBox(const QString& name, int twipsWidth) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setMinimumWidth(Pixels(twipsWidth));
    return box;
}

QLabel* Label(const QString& text, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text);
    if (buddy != nullptr) label->setBuddy(buddy);
    return label;
}

QHBoxLayout* Centred(QWidget* widget) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(widget);
    row->addStretch(1);
    return row;
}

}  // namespace

RunForm::RunForm(const QString& name, const QString& caption, QWidget* owner)
    : QWidget(owner, Qt::Window) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

QPushButton* RunForm::MakeCommand1(int twipsWidth) {
    command1_ = new QPushButton(QStringLiteral("OK"));
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setMinimumWidth(Pixels(twipsWidth));
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &RunForm::Command1_Click);
    return command1_;
}

void RunForm::Command1_Click() {
    if (onOk_ && onOk_() == RunFormAfterOk::Close) close();
}

void RunForm::closeEvent(QCloseEvent* event) {
    if (mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

ProjectCoordForm::ProjectCoordForm(QWidget* owner)
    : RunForm(QStringLiteral("ProjectCoord"), QStringLiteral("Project Coordinates"), owner),
      NorthOff(TextBox(QStringLiteral("NorthOff"), 972)),
      EastOff(TextBox(QStringLiteral("EastOff"), 972)),
      NorS(TextBox(QStringLiteral("NorS"), 252)),
      Degrees(TextBox(QStringLiteral("Degrees"), 372)),
      Minutes(TextBox(QStringLiteral("Minutes"), 372)),
      Seconds(TextBox(QStringLiteral("Seconds"), 492)),
      EorW(TextBox(QStringLiteral("EorW"), 252)) {
    auto* offsets = new QGridLayout;
    offsets->addWidget(Label(QStringLiteral("Northing Offset:"), NorthOff), 0, 0, Qt::AlignRight);
    offsets->addWidget(NorthOff, 0, 1);
    offsets->addWidget(Label(QStringLiteral("Easting Offset:"), EastOff), 1, 0, Qt::AlignRight);
    offsets->addWidget(EastOff, 1, 1);
    offsets->setColumnStretch(2, 1);

    auto* bearing = new QHBoxLayout;
    bearing->addWidget(Label(QStringLiteral("N/S"), NorS));
    bearing->addWidget(NorS);
    bearing->addWidget(Label(QStringLiteral("Deg."), Degrees));
    bearing->addWidget(Degrees);
    bearing->addWidget(Label(QStringLiteral("Min."), Minutes));
    bearing->addWidget(Minutes);
    bearing->addWidget(Label(QStringLiteral("Sec."), Seconds));
    bearing->addWidget(Seconds);
    bearing->addWidget(Label(QStringLiteral("E/W"), EorW));
    bearing->addWidget(EorW);
    bearing->addStretch(1);
    // The bearing's boxes keep their narrow widths (with room for the frame).
    for (auto [box, twips] :
         {std::pair{NorS, 252}, std::pair{Degrees, 372}, std::pair{Minutes, 372},
          std::pair{Seconds, 492}, std::pair{EorW, 252}}) {
        box->setFixedWidth(Pixels(twips) + 14);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(offsets);
    layout->addWidget(Label(QStringLiteral("Bearing:")));
    layout->addLayout(bearing);
    layout->addWidget(Label(QStringLiteral("All bearing fields must be filled.")));
    layout->addLayout(Centred(MakeCommand1(972)));
    setTabOrder(NorthOff, EastOff);
    setTabOrder(EastOff, NorS);
    setTabOrder(NorS, Degrees);
    setTabOrder(Degrees, Minutes);
    setTabOrder(Minutes, Seconds);
    setTabOrder(Seconds, EorW);
    setTabOrder(EorW, Command1());
}

ProjectCoordFields ProjectCoordForm::Fields() const {
    auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    return {text(NorthOff), text(EastOff), text(NorS), text(Degrees),
            text(Minutes),  text(Seconds), text(EorW)};
}

StickForm::StickForm(QWidget* owner)
    : RunForm(QStringLiteral("Stick"), QStringLiteral("Stick Figure"), owner),
      cmbOutType(new QComboBox) {
    cmbOutType->setObjectName(QStringLiteral("cmbOutType"));
    cmbOutType->setMinimumWidth(Pixels(1452));
    for (std::string_view item : kStickOutputTypes) {
        cmbOutType->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    }
    cmbOutType->setPlaceholderText(QString::fromLatin1(kStickPlaceholder.data()));
    cmbOutType->setCurrentIndex(-1);

    auto* row = new QHBoxLayout;
    row->addWidget(Label(QStringLiteral("Select Output Type:"), cmbOutType));
    row->addWidget(cmbOutType, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(Centred(MakeCommand1(732)));
}

int StickForm::ChosenItem() const { return cmbOutType->currentIndex(); }

CamberForm::CamberForm(QWidget* owner)
    : RunForm(QStringLiteral("Camber"), QStringLiteral("Camber"), owner),
      GirderSelect(TextBox(QStringLiteral("GirderSelect"), 1452)) {
    auto* grid = new QGridLayout;
    grid->addWidget(Label(QStringLiteral("Girder selection list:"), GirderSelect), 0, 0,
                    Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(GirderSelect, 0, 1);
    grid->addWidget(Label(QStringLiteral("e.g.  1,3,4,6  or 1-20")), 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(Centred(MakeCommand1(612)));
}

std::string CamberForm::GirderSelectText() const { return GirderSelect->text().toStdString(); }

}  // namespace quillon::editor
