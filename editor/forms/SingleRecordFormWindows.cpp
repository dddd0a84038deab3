#include "editor/forms/SingleRecordFormWindows.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "cards/CardLayouts.hpp"
#include "editor/forms/FormControls.hpp"

namespace quillon::editor {

namespace {

// A label before its box in a grid of fields: the label at (row, column),
// the box right of it.
QLabel* AddField(QGridLayout* grid, int row, int column, QLabel* label, QWidget* box) {
    label->setBuddy(box);
    grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(box, row, column + 1);
    return label;
}

QLabel* AddField(QGridLayout* grid, int row, int column, const QString& text, QWidget* box,
                 bool bold = false) {
    QWidget* parent = grid->parentWidget();
    return AddField(grid, row, column, bold ? MakeHeading(text, parent) : MakeLabel(text, parent),
                    box);
}

// The Hide button, centred in its own row under the fields.
QHBoxLayout* CentredButton(QPushButton* button, int twips) {
    button->setMinimumWidth(Pixels(twips));
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    row->addStretch(1);
    return row;
}

}  // namespace

// Description ---------------------------------------------------------------

DescriptionForm::DescriptionForm(DeckModel& deck) : FormWindow(deck, "Description", "Description") {
    // A fixed single border without a maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    Description& form = deck_.description;
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    QLineEdit* structureId =
        BoundTextBox("StructureID", form.StructureID, 1332,
                     cards::kDescriptionCard["Description.StructureID"].Width());
    metric_ = MakeOption("Option1", "Metric", this);
    english_ = MakeOption("Option2", "English", this);
    metric_->setMinimumWidth(Pixels(852));
    english_->setMinimumWidth(Pixels(852));
    GroupOptions(metric_, english_);
    auto* units = new QHBoxLayout;
    units->addWidget(metric_);
    units->addWidget(english_);
    units->addStretch(1);
    AddField(grid, 0, 0, "Structure ID:", structureId, true);
    grid->addWidget(MakeHeading("Units:", this), 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(units, 0, 3);

    QLineEdit* projNum = BoundTextBox("ProjNum", form.ProjNum, 1332);
    QLineEdit* designer = BoundTextBox("Designer", form.Designer, 1212);
    QLineEdit* subAcc = BoundTextBox("SubAcc", form.SubAcc, 1332);
    QLineEdit* detailer = BoundTextBox("Detailer", form.Detailer, 1212);
    QLineEdit* location = BoundTextBox("Location", form.Location, 1332);
    AddField(grid, 1, 0, "Project Number:", projNum, true);
    AddField(grid, 1, 2, "Designer:", designer, true);
    AddField(grid, 2, 0, "Subaccount:", subAcc, true);
    AddField(grid, 2, 2, "Detailer:", detailer, true);
    // Nothing stands right of the location: its box takes the row.
    QLabel* locationLabel = MakeHeading("Location:", this);
    locationLabel->setBuddy(location);
    grid->addWidget(locationLabel, 3, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(location, 3, 1, 1, 3);

    QLabel* descLabel = MakeLabel("General Description:", this);
    QFont descFont = descLabel->font();
    descFont.setPointSizeF(9.75);
    descLabel->setFont(descFont);
    genDesc_ = new QPlainTextEdit(this);
    genDesc_->setObjectName("GenDesc");
    genDesc_->setTabChangesFocus(true);
    genDesc_->setLineWrapMode(QPlainTextEdit::NoWrap);
    genDesc_->setMinimumSize(Pixels(6852), Pixels(1212));
    descLabel->setBuddy(genDesc_);
    layout->addSpacing(Pixels(300));
    layout->addWidget(descLabel);
    layout->addWidget(genDesc_);

    QPushButton* hide = MakeHideButton("Command2");
    layout->addLayout(CentredButton(hide, 1092));

    OnChosen(metric_, [this] {
        deck_.MetricFlag = true;
        emit UnitsChanged();
    });
    OnChosen(english_, [this] {
        deck_.MetricFlag = false;
        emit UnitsChanged();
    });
    connect(genDesc_, &QPlainTextEdit::textChanged, this, &DescriptionForm::TypedDescription);

    SetTabOrder({structureId, metric_, english_, projNum, designer, subAcc, detailer, location,
                 genDesc_, hide});
    Refresh();
}

void DescriptionForm::TypedDescription() {
    QString text = genDesc_->toPlainText();
    // A deck holds single-byte characters only: others typed or pasted are
    // taken out again, the cursor staying where it was among the rest.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        const int position = genDesc_->textCursor().position();
        QString kept;
        int cursorAt = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].unicode() > 0xFF) continue;
            kept += text[i];
            if (i < position) ++cursorAt;
        }
        {
            const QSignalBlocker quiet(genDesc_);
            genDesc_->setPlainText(kept);
        }
        QTextCursor cursor = genDesc_->textCursor();
        cursor.setPosition(cursorAt);
        genDesc_->setTextCursor(cursor);
        text = kept;
    }
    std::vector<std::string> lines = SplitTypedLines(FromControlText(text));
    if (lines == deck_.description.GenDesc) return;
    deck_.description.GenDesc = std::move(lines);
    emit Edited();
}

void DescriptionForm::Refresh() {
    RefreshBound();
    ShowOptionPair(metric_, english_, deck_.MetricFlag, !deck_.MetricFlag);
    // The typed text stands while it holds the model's lines (a line end
    // just typed makes no line yet).
    if (SplitTypedLines(FromControlText(genDesc_->toPlainText())) != deck_.description.GenDesc) {
        QString text;
        for (size_t i = 0; i < deck_.description.GenDesc.size(); ++i)
            text += (i ? "\n" : "") + ToControlText(deck_.description.GenDesc[i]);
        const QSignalBlocker quiet(genDesc_);
        genDesc_->setPlainText(text);
    }
}

// Horizontal ----------------------------------------------------------------

HorizontalForm::HorizontalForm(DeckModel& deck)
    : FormWindow(deck, "Horizontal", "Horizontal Alignment") {
    Horizontal& form = deck_.horizontal;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeHeading("Curve Data", this));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    left_ = MakeOption("Option1", "Left", this);
    right_ = MakeOption("Option2", "Right", this);
    left_->setMinimumWidth(Pixels(612));
    right_->setMinimumWidth(Pixels(852));
    GroupOptions(left_, right_);
    auto* direction = new QHBoxLayout;
    direction->addWidget(left_);
    direction->addWidget(right_);
    direction->addStretch(1);
    grid->addWidget(MakeLabel("Direction:", this), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(direction, 0, 1);

    QLineEdit* delta = BoundTextBox("Delta", form.Delta, 1452);
    QLineEdit* piStation = BoundTextBox("PIStation", form.PIStation, 1452);
    degree_ = BoundTextBox("Degree", form.Degree, 1452);
    QLineEdit* radius = BoundTextBox("Radius", form.Radius, 1452);
    QLineEdit* inSpiral = BoundTextBox("InSpiral", form.InSpiral, 1452);
    QLineEdit* outSpiral = BoundTextBox("OutSpiral", form.OutSpiral, 1452);
    QLineEdit* profOffset = BoundTextBox("ProfOffset", form.ProfOffset, 1452);
    QLineEdit* back = BoundTextBox("Back", form.Back, 1452);
    QLineEdit* ahead = BoundTextBox("Ahead", form.Ahead, 1452);
    AddField(grid, 1, 0, "Combined Delta:", delta);
    AddField(grid, 1, 2, "PI Station:", piStation);
    degreeLabel_ = AddField(grid, 2, 0, MakeLabel("Degree:", this, "Label5"), degree_);
    AddField(grid, 2, 2, "Radius:", radius);
    AddField(grid, 3, 0, "In Spiral Length:", inSpiral);
    AddField(grid, 3, 2, "Out Spiral Length:", outSpiral);
    AddField(grid, 4, 0, "Profile Offset:", profOffset, true);
    grid->addWidget(MakeLabel("(negative values for left)", this), 5, 1);

    // The station equation under its heading, in the columns of the curve data.
    grid->setRowMinimumHeight(6, Pixels(240));
    grid->addWidget(MakeHeading("Station Equation", this), 7, 0, 1, 4);
    AddField(grid, 8, 0, "Back:", back);
    AddField(grid, 8, 2, "Ahead:", ahead);

    QPushButton* hide = MakeHideButton("Command2");
    layout->addLayout(CentredButton(hide, 1212));

    OnChosen(left_, [this] { deck_.horizontal.ChooseLeft(); });
    OnChosen(right_, [this] { deck_.horizontal.ChooseRight(); });

    // The radius comes last.
    SetTabOrder({left_, right_, delta, piStation, degree_, inSpiral, outSpiral, profOffset, back,
                 ahead, hide, radius});
    Refresh();
}

void HorizontalForm::Refresh() {
    RefreshBound();
    ShowOptionPair(left_, right_, deck_.horizontal.Option1, deck_.horizontal.Option2);
    ShowUnits();
}

void HorizontalForm::ShowUnits() {
    degree_->setEnabled(!deck_.MetricFlag);
    degreeLabel_->setEnabled(!deck_.MetricFlag);
}

// Vertical ------------------------------------------------------------------

VerticalForm::VerticalForm(DeckModel& deck) : FormWindow(deck, "Vertical", "Vertical Alignment") {
    Vertical& form = deck_.vertical;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    grid->addWidget(MakeHeading("Vertical Curve #1", this), 0, 0, 1, 2);
    grid->addWidget(MakeHeading("Vertical Curve #2", this), 0, 2, 1, 2);
    grid->setColumnMinimumWidth(2, Pixels(1800));

    const struct {
        const char* name;
        const char* label;
        std::string* target;
    } boxes[] = {
        {"GradeIn", "% Grade In:", &form.GradeIn},
        {"InLength1", "In Length:", &form.InLength1},
        {"OutLength1", "Out Length:", &form.OutLength1},
        {"PISta1", "PI Station:", &form.PISta1},
        {"PIElev1", "PI Elevation:", &form.PIElev1},
        {"InLength2", "In Length:", &form.InLength2},
        {"OutLength2", "Out Length:", &form.OutLength2},
        {"PISta2", "PI Station:", &form.PISta2},
        {"PIElev2", "PI Elevation:", &form.PIElev2},
        {"GradeOut", "% Grade Out:", &form.GradeOut},
    };
    std::vector<QWidget*> order;
    for (int i = 0; i < 10; ++i) {
        QLineEdit* box = BoundTextBox(boxes[i].name, *boxes[i].target, 1092);
        AddField(grid, 1 + i % 5, i < 5 ? 0 : 2, boxes[i].label, box);
        order.push_back(box);
    }
    QPushButton* hide = MakeHideButton("Command2");
    layout->addLayout(CentredButton(hide, 1092));
    order.push_back(hide);
    SetTabOrder(order);
    Refresh();
}

// RefLine -------------------------------------------------------------------

QComboBox* RefLineForm::BoundDropDown(const QString& name, const QStringList& items, Choice& target,
                                      int twips) {
    QComboBox* box = MakeDropDown(name, items, QString(), twips, this);
    lists_.emplace_back(box, &target);
    connect(box, &QComboBox::activated, this, [this, &target](int item) {
        target.Choose(item);
        emit Edited();
    });
    return box;
}

// The reference station and what it is measured on.
std::vector<QWidget*> RefLineForm::AddStationFields(QVBoxLayout* layout) {
    RefLine& form = deck_.refLine;
    auto* station = new QGridLayout;
    layout->addLayout(station);
    QLineEdit* refLineSta = BoundTextBox("RefLineSta", form.RefLineSta, 1212);
    QComboBox* staOn = BoundDropDown("StaOn", ItemTexts(RefLine::kStaOnItems), form.StaOn, 1692);
    AddField(station, 0, 0, "Reference Station:", refLineSta, true);
    AddField(station, 0, 2, "Station is on:", staOn, true);
    return {refLineSta, staOn};
}

// The skew: its direction, angle and reference, the default skew of the bent
// lines as an option group of its own, and the layout line.
std::vector<QWidget*> RefLineForm::AddSkewFields(QVBoxLayout* layout) {
    RefLine& form = deck_.refLine;
    layout->addWidget(MakeSeparator(Qt::Horizontal, this));
    layout->addWidget(MakeHeading("Skew", this));
    auto* skew = new QGridLayout;
    layout->addLayout(skew);
    AlignColumns(skew);
    skewLeft_ = MakeOption("Option1", "Left", this);
    skewRight_ = MakeOption("Option2", "Right", this);
    skewLeft_->setMinimumWidth(Pixels(732));
    skewRight_->setMinimumWidth(Pixels(732));
    GroupOptions(skewLeft_, skewRight_);
    auto* direction = new QHBoxLayout;
    direction->addWidget(skewLeft_);
    direction->addWidget(skewRight_);
    direction->addStretch(1);
    skew->addLayout(direction, 0, 0, 1, 2);
    QLineEdit* skewAngle = BoundTextBox("SkewAngle", form.SkewAngle, 1452);
    AddField(skew, 0, 2, "Angle:", skewAngle);
    QComboBox* skewRespTo =
        BoundDropDown("SkewRespTo", ItemTexts(RefLine::kSkewRespToItems), form.SkewRespTo, 1332);
    AddField(skew, 1, 0, "With Respect to:", skewRespTo);

    auto* picture1 = new QWidget(this);
    picture1->setObjectName("Picture1");
    auto* bentSkew = new QVBoxLayout(picture1);
    bentSkew->setContentsMargins(0, 0, 0, 0);
    parallel_ = MakeOption("Option3", "Parallel to Ref. Line", picture1);
    sameSkew_ = MakeOption("Option4", "Same Skew as Ref. Line", picture1);
    GroupOptions(parallel_, sameSkew_);
    bentSkew->addWidget(parallel_);
    bentSkew->addWidget(sameSkew_);
    auto* bentSkewGroup = new QVBoxLayout;
    bentSkewGroup->addWidget(MakeLabel("Default Skew Angle for Bent  Lines:", this));
    bentSkewGroup->addWidget(picture1);
    skew->addLayout(bentSkewGroup, 1, 2, 2, 2);

    QComboBox* layoutLineIs = BoundDropDown("LayoutLineIs", ItemTexts(RefLine::kLayoutLineIsItems),
                                            form.LayoutLineIs, 1332);
    QComboBox* revLayoutLine = BoundDropDown(
        "RevLayoutLine", ItemTexts(RefLine::kRevLayoutLineItems), form.RevLayoutLine, 1572);
    AddField(skew, 3, 0, "Layout Line Is:", layoutLineIs, true);
    AddField(skew, 3, 2, "Reverse Layout Line:", revLayoutLine, true);

    OnChosen(skewLeft_, [this] { deck_.refLine.ChooseSkewLeft(); });
    OnChosen(skewRight_, [this] { deck_.refLine.ChooseSkewRight(); });
    OnChosen(parallel_, [this] { deck_.refLine.ChooseParallelBentSkew(); });
    OnChosen(sameSkew_, [this] { deck_.refLine.ChooseSameBentSkew(); });
    return {skewLeft_, skewRight_, skewAngle,    skewRespTo,
            parallel_, sameSkew_,  layoutLineIs, revLayoutLine};
}

// A heading over a grid of two label and box pairs: X and Y of the transform
// constant, or the begin and end stations of the valid data.
std::vector<QWidget*> RefLineForm::AddPairOfFields(QVBoxLayout* layout, const char* heading,
                                                   const FieldOfForm& first,
                                                   const FieldOfForm& second) {
    layout->addWidget(MakeSeparator(Qt::Horizontal, this));
    layout->addWidget(MakeHeading(heading, this));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    AlignColumns(grid);
    QLineEdit* firstBox = BoundTextBox(first.name, first.text, first.twips);
    QLineEdit* secondBox = BoundTextBox(second.name, second.text, second.twips);
    AddField(grid, 0, 0, first.label, firstBox);
    AddField(grid, 0, 2, second.label, secondBox);
    return {firstBox, secondBox};
}

// The four one-column options.
std::vector<QWidget*> RefLineForm::AddOptionFields(QVBoxLayout* layout) {
    RefLine& form = deck_.refLine;
    layout->addWidget(MakeSeparator(Qt::Horizontal, this));
    layout->addWidget(MakeHeading("Options", this));
    auto* options = new QGridLayout;
    layout->addLayout(options);
    QCheckBox* check1 = BoundCheckBox(
        "Check1", "Segmented Girder Lines to Be Broken at Reference Line", form.Check1);
    QCheckBox* check2 = BoundCheckBox("Check2", "Supress Listing", form.Check2);
    QCheckBox* check3 =
        BoundCheckBox("Check3", "Offset Option for Segmented Girder Pattern Shift", form.Check3);
    QCheckBox* check4 = BoundCheckBox("Check4", "Request X-0 Points", form.Check4);
    options->addWidget(check1, 0, 0);
    options->addWidget(check2, 0, 1);
    options->addWidget(check3, 1, 0);
    options->addWidget(check4, 1, 1);
    return {check1, check2, check3, check4};
}

// The grids of label and box pairs keep their columns aligned.
void RefLineForm::AlignColumns(QGridLayout* grid) {
    grid->setColumnMinimumWidth(0, Pixels(1440));
    grid->setColumnMinimumWidth(2, Pixels(1500));
}

RefLineForm::RefLineForm(DeckModel& deck) : FormWindow(deck, "RefLine", "Reference Line") {
    RefLine& form = deck_.refLine;
    auto* layout = new QVBoxLayout(this);
    std::vector<QWidget*> tabOrder = AddStationFields(layout);
    auto follow = [&tabOrder](const std::vector<QWidget*>& next) {
        tabOrder.insert(tabOrder.end(), next.begin(), next.end());
    };
    follow(AddSkewFields(layout));
    follow(AddPairOfFields(layout, "Transform Constant for Layout Coordinates",
                           {"TransX", "X:", form.TransX, 1212},
                           {"TransY", "Y:", form.TransY, 1452}));
    follow(AddPairOfFields(layout, "Limits of Valid Elevation and Cross-Slope Data",
                           {"LimitBegSta", "Begin Station:", form.LimitBegSta, 1332},
                           {"LimitEndSta", "End Station:", form.LimitEndSta, 1212}));
    follow(AddOptionFields(layout));
    QPushButton* hide = MakeHideButton("Command4");
    layout->addLayout(CentredButton(hide, 972));
    tabOrder.push_back(hide);
    SetTabOrder(tabOrder);
    Refresh();
}

void RefLineForm::Refresh() {
    RefreshBound();
    for (auto& [box, target] : lists_) ShowChoice(box, *target);
    const RefLine& form = deck_.refLine;
    ShowOptionPair(skewLeft_, skewRight_, form.Option1, form.Option2);
    ShowOptionPair(parallel_, sameSkew_, form.Option3, form.Option4);
}

// RoadAppr ------------------------------------------------------------------

RoadApprForm::RoadApprForm(DeckModel& deck) : FormWindow(deck, "RoadAppr", "Roadway Approaches") {
    RoadAppr& form = deck_.roadAppr;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    layout->addLayout(grid);

    const struct {
        const char* name;
        std::string* target;
        int twips;
    } boxes[] = {
        {"BegStr", &form.BegStr, 852}, {"EndStr", &form.EndStr, 732}, {"Length", &form.Length, 972},
        {"Off1", &form.Off1, 972},     {"Off2", &form.Off2, 852},     {"Off3", &form.Off3, 852},
        {"Off4", &form.Off4, 852},     {"Off5", &form.Off5, 852},     {"Off6", &form.Off6, 852},
        {"Off7", &form.Off7, 852},
    };
    // Columns: the three single fields, each with a separator after it, then
    // the seven offsets under one label.
    std::vector<QWidget*> order;
    int column = 0;
    const char* singleLabels[] = {"Begin Structure", "End Structure", "Approach Length"};
    for (int i = 0; i < 10; ++i) {
        QLineEdit* box = BoundTextBox(boxes[i].name, *boxes[i].target, boxes[i].twips);
        if (i < 3) {
            grid->addWidget(MakeLabel(singleLabels[i], this), 0, column, Qt::AlignBottom);
            grid->addWidget(box, 1, column);
            grid->addWidget(MakeSeparator(Qt::Vertical, this), 0, column + 1);
            column += 2;
        } else {
            grid->addWidget(box, 1, column++);
        }
        order.push_back(box);
    }
    grid->addWidget(MakeLabel("Offsets from Horizontal Control", this), 0, 6, 1, 7,
                    Qt::AlignHCenter | Qt::AlignBottom);

    QPushButton* hide = MakeHideButton("Command1");
    layout->addLayout(CentredButton(hide, 1092));
    order.push_back(hide);
    SetTabOrder(order);
    Refresh();
}

}  // namespace quillon::editor
