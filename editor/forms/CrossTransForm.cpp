#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/forms/RowFormWindows.hpp"

namespace quillon::editor {

namespace {

// The four crown shapes beside the crown type list, each on the row of its
// letter: A and B are one-way sections sloping opposite ways, C a crowned
// section, P a parabolic crown.
class CrownDrawing : public QWidget {
public:
    CrownDrawing(int rowHeight, QWidget* parent) : QWidget(parent), rowHeight_(rowHeight) {
        setObjectName("CrownDrawing");
        setFixedSize(fontMetrics().horizontalAdvance("P") + 64, 4 * rowHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
        const int letterWidth = fontMetrics().horizontalAdvance("P") + 6;
        const double left = letterWidth, right = width() - 4.0;
        const double middle = (left + right) / 2;
        for (int i = 0; i < 4; ++i) {
            const double top = i * rowHeight_ + rowHeight_ * 0.3;
            const double bottom = (i + 1) * rowHeight_ - rowHeight_ * 0.3;
            painter.drawText(QRectF(0, i * rowHeight_, letterWidth, rowHeight_), Qt::AlignCenter,
                             QString("ABCP")[i]);
            QPainterPath section;
            switch (i) {
                case 0:  // down to the right
                    section.moveTo(left, top);
                    section.lineTo(right, bottom);
                    break;
                case 1:  // down to the left
                    section.moveTo(left, bottom);
                    section.lineTo(right, top);
                    break;
                case 2:  // two slopes from a crown
                    section.moveTo(left, bottom);
                    section.lineTo(middle, top);
                    section.lineTo(right, bottom);
                    break;
                default:  // a parabola through the crown
                    section.moveTo(left, bottom);
                    section.quadTo(middle, 2 * top - bottom, right, bottom);
                    break;
            }
            painter.drawPath(section);
        }
    }

private:
    int rowHeight_;
};

QLabel* AddField(QGridLayout* grid, int row, int column, QLabel* label, QWidget* box) {
    label->setBuddy(box);
    grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(box, row, column + 1);
    return label;
}

// The grids of label and box pairs keep their columns aligned.
void AlignColumns(QGridLayout* grid) {
    grid->setColumnMinimumWidth(0, Pixels(2400));
    grid->setColumnMinimumWidth(2, Pixels(2400));
    grid->setColumnStretch(4, 1);
}

constexpr int kBox = 1092;

}  // namespace

// The crown type list with its drawing, and the first three slopes.
std::vector<QWidget*> CrossTransForm::AddCrownAndSlopes(QVBoxLayout* layout) {
    CrossTrans& form = deck_.crossTrans;
    auto* top = new QGridLayout;
    layout->addLayout(top);
    crownType_ = new QListWidget(this);
    crownType_->setObjectName("CrownType");
    crownType_->addItems(ItemTexts(CrossTrans::kCrownTypeItems));
    crownType_->setSelectionMode(QAbstractItemView::SingleSelection);
    crownType_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    crownType_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = crownType_->sizeHintForRow(0);
    crownType_->setFixedSize(crownType_->sizeHintForColumn(0) + 24,
                             4 * rowHeight + 2 * crownType_->frameWidth());
    auto* drawing = new CrownDrawing(rowHeight, this);
    auto* crown = new QHBoxLayout;
    crown->addWidget(crownType_);
    crown->addWidget(drawing, 0, Qt::AlignTop);
    crown->addStretch(1);
    QLabel* crownLabel = MakeHeading("Crown Type:", this);
    crownLabel->setBuddy(crownType_);
    top->addWidget(crownLabel, 0, 0, Qt::AlignRight | Qt::AlignTop);
    top->addLayout(crown, 0, 1, 4, 1);
    QLineEdit* crossSlope = BoundTextBox("CrossSlope", form.CrossSlope, kBox);
    QLineEdit* superRate = BoundTextBox("SuperRate", form.SuperRate, kBox);
    QLineEdit* pivotOffset = BoundTextBox("PivotOffset", form.PivotOffset, kBox);
    AddField(top, 0, 2, MakeHeading("Nominal Cross-Slope:", this), crossSlope);
    AddField(top, 1, 2, MakeHeading("Super Rate (e):", this), superRate);
    AddField(top, 2, 2, MakeHeading("Pivot Offset from Profile Line (-Left):", this), pivotOffset);
    top->setColumnStretch(1, 1);

    connect(crownType_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = crownType_->selectedItems();
        Choice& crownType = deck_.crossTrans.CrownType;
        if (chosen.isEmpty()) {
            crownType = Choice();
        } else {
            crownType.Choose(crownType_->row(chosen.front()));
        }
        emit Edited();
    });
    return {crownType_, crossSlope, superRate, pivotOffset};
}

// The transitions in and out side by side, and the maximum length of a
// transition's vertical curve; in and out alternate in the tab order.
std::vector<QWidget*> CrossTransForm::AddTransitions(QVBoxLayout* layout) {
    CrossTrans& form = deck_.crossTrans;
    layout->addSpacing(Pixels(120));
    auto* transitions = new QGridLayout;
    layout->addLayout(transitions);
    AlignColumns(transitions);
    transitions->addWidget(MakeHeading("Transition In", this), 0, 0, 1, 2, Qt::AlignHCenter);
    transitions->addWidget(MakeHeading("Transition Out", this), 0, 2, 1, 2, Qt::AlignHCenter);
    QLineEdit* inRunOut = BoundTextBox("InRunOut", form.InRunOut, kBox);
    QLineEdit* inTransLength = BoundTextBox("InTransLength", form.InTransLength, kBox);
    QLineEdit* inTransPer = BoundTextBox("InTransPer", form.InTransPer, kBox);
    QLineEdit* outRunout = BoundTextBox("OutRunout", form.OutRunout, kBox);
    QLineEdit* outTransLength = BoundTextBox("OutTransLength", form.OutTransLength, kBox);
    QLineEdit* outTransPer = BoundTextBox("OutTransPer", form.OutTransPer, kBox);
    const char* transitionLabels[] = {"Run-Out:", "Transition Length:", "Percent of Transition:"};
    QLineEdit* in[] = {inRunOut, inTransLength, inTransPer};
    QLineEdit* out[] = {outRunout, outTransLength, outTransPer};
    for (int i = 0; i < 3; ++i) {
        AddField(transitions, 1 + i, 0, MakeLabel(transitionLabels[i], this), in[i]);
        AddField(transitions, 1 + i, 2, MakeLabel(transitionLabels[i], this), out[i]);
    }
    QLineEdit* maxTransVC = BoundTextBox("MaxTransVC", form.MaxTransVC, kBox);
    auto* maxLength = new QHBoxLayout;
    QLabel* maxLabel = MakeLabel("Transition Vertical curve Maximum Length:", this);
    maxLabel->setBuddy(maxTransVC);
    maxLength->addStretch(1);
    maxLength->addWidget(maxLabel);
    maxLength->addWidget(maxTransVC);
    maxLength->addStretch(1);
    layout->addLayout(maxLength);
    return {inRunOut,   outRunout,   inTransLength, outTransLength,
            inTransPer, outTransPer, maxTransVC};
}

// The parabolic crown: width and height, left and right slope.
std::vector<QWidget*> CrossTransForm::AddParabolicCrown(QVBoxLayout* layout) {
    CrossTrans& form = deck_.crossTrans;
    layout->addSpacing(Pixels(120));
    auto* parabolic = new QGridLayout;
    layout->addLayout(parabolic);
    AlignColumns(parabolic);
    parabolic->addWidget(MakeHeading("Parabolic Crown", this), 0, 0, 1, 4, Qt::AlignHCenter);
    QLineEdit* crownWidth = BoundTextBox("CrownWidth", form.CrownWidth, kBox);
    QLineEdit* crownHeight = BoundTextBox("CrownHeight", form.CrownHeight, kBox);
    QLineEdit* crownLeft = BoundTextBox("CrownLeft", form.CrownLeft, kBox);
    QLineEdit* crownRight = BoundTextBox("CrownRight", form.CrownRight, kBox);
    AddField(parabolic, 1, 0, MakeLabel("Width:", this), crownWidth);
    AddField(parabolic, 2, 0, MakeLabel("Height:", this), crownHeight);
    AddField(parabolic, 1, 2, MakeLabel("Left Slope:", this), crownLeft);
    AddField(parabolic, 2, 2, MakeLabel("Right Slope:", this), crownRight);
    return {crownWidth, crownLeft, crownHeight, crownRight};
}

// The override rows under their headings.
void CrossTransForm::AddOverrideRows(QVBoxLayout* layout) {
    layout->addSpacing(Pixels(120));
    layout->addWidget(MakeSeparator(Qt::Horizontal, this));
    std::vector<OverrideRow>& rows = deck_.crossTrans.OverRows;
    overrides_ = std::make_unique<BoundRows>(
        std::vector<CellBinding>{
            TextColumn(this, rows, "OverSta", kBox, &OverrideRow::OverSta),
            TextColumn(this, rows, "OverLeft", kBox, &OverrideRow::OverLeft),
            TextColumn(this, rows, "OverRight", kBox, &OverrideRow::OverRight),
        },
        std::vector<RowTable::Heading>{{"Optional Superelevation Override", 0, 3, 0, true},
                                       {"Station", 0, 1, 1},
                                       {"Left Slope", 1, 1, 1},
                                       {"Right Slope", 2, 1, 1}},
        CrossTrans::kDesignOverrideRows, this);
    auto* overrideRow = new QHBoxLayout;
    overrideRow->addStretch(1);
    overrideRow->addWidget(Table());
    overrideRow->addStretch(1);
    layout->addLayout(overrideRow, 1);
}

// Add New Override and Hide, in tab order.
std::vector<QWidget*> CrossTransForm::AddButtons(QVBoxLayout* layout) {
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    auto* add = new QPushButton("Add New Override", this);
    add->setObjectName("AddOverRecord");
    QPushButton* hide = MakeHideButton("Command4");
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(hide);
    buttons->addStretch(1);
    connect(add, &QPushButton::clicked, this, [this] {
        deck_.crossTrans.AddOverRecord();
        Refresh();
        emit Edited();
    });
    return {add, hide};
}

CrossTransForm::CrossTransForm(DeckModel& deck)
    : FormWindow(deck, "CrossTrans", "Cross-Slope and Transition Data") {
    auto* layout = new QVBoxLayout(this);
    std::vector<QWidget*> fields = AddCrownAndSlopes(layout);
    const std::vector<QWidget*> transitions = AddTransitions(layout);
    fields.insert(fields.end(), transitions.begin(), transitions.end());
    const std::vector<QWidget*> parabolic = AddParabolicCrown(layout);
    fields.insert(fields.end(), parabolic.begin(), parabolic.end());
    AddOverrideRows(layout);
    std::vector<QWidget*> buttons = AddButtons(layout);

    // The fields, then the override rows, then the buttons.
    SetTabOrder(fields);
    Table()->FollowInTabOrder(fields.back());
    buttons.insert(buttons.begin(), Table()->LastInTabOrder());
    SetTabOrder(buttons);
    Refresh();
}

void CrossTransForm::Refresh() {
    RefreshBound();
    const Choice& crownType = deck_.crossTrans.CrownType;
    {
        const QSignalBlocker quiet(crownType_);
        crownType_->clearSelection();
        if (crownType.chosen && *crownType.chosen < crownType_->count())
            crownType_->setCurrentRow(*crownType.chosen);
    }
    overrides_->Show(static_cast<int>(deck_.crossTrans.OverRows.size()));
}

void CrossTransForm::DeckOpened() {
    Refresh();
    Table()->ScrollToTop();
}

}  // namespace quillon::editor
