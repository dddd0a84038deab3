// Every form as the user first sees it: caption, labels and headings,
// buttons, option texts, list items and prompts, start values, and the walk
// of the Tab key.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "FormsTestSupport.hpp"

using namespace quillon::editor;
using namespace quillon::editor::test;

Q_DECLARE_METATYPE(quillon::editor::Form)

namespace {

QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

// "name=text" of each control of the kind, sorted.
template <class Control>
QStringList NamedTexts(QWidget* form) {
    QStringList texts;
    for (Control* control : form->findChildren<Control*>())
        texts << control->objectName() + "=" + control->text();
    return Sorted(texts);
}

// The cells of `rows` rows, row after row, then the controls after them.
QStringList RowWalk(const QStringList& columns, int rows, const QStringList& after) {
    QStringList walk;
    for (int row = 0; row < rows; ++row)
        for (const QString& column : columns) walk << QString(column).arg(row);
    return walk + after;
}

const QStringList kGirderColumns = {"Combo1(%1)",   "Text1(%1)",    "Combo3(%1)",   "Text2(%1)",
                                    "Combo2(%1)",   "Text3(%1)",    "Text4(%1)",    "Text13(%1)",
                                    "Text16(%1)",   "List1(%1)[0]", "List1(%1)[1]", "List1(%1)[2]",
                                    "List1(%1)[3]", "List1(%1)[4]"};
const QStringList kBentColumns = {"Text1(%1)",    "Combo1(%1)",  "Text7(%1)",    "Text2(%1)",
                                  "Combo2(%1)",   "Text3(%1)",   "Text4(%1)",    "Text5(%1)",
                                  "Text6(%1)",    "Text8(%1)",   "List1(%1)[0]", "List1(%1)[1]",
                                  "List1(%1)[2]", "List1(%1)[3]"};
const QStringList kDeadColumns = {
    "Text1(%1)", "Text2(%1)", "Text14(%1)", "Text3(%1)",  "Text4(%1)",  "Text5(%1)",  "Text6(%1)",
    "Text7(%1)", "Text8(%1)", "Text9(%1)",  "Text10(%1)", "Text11(%1)", "Text12(%1)", "Text13(%1)"};

}  // namespace

class FormContentsTest : public FormsTestCase {
    Q_OBJECT

private slots:
    void Contents_data();
    void Contents();
    void Items_data();
    void Items();
    void OptionTips();
    void StartValues_data();
    void StartValues();
    void TabOrder_data();
    void TabOrder();
    void HideAndCloseBoxHide_data();
    void HideAndCloseBoxHide();
};

void FormContentsTest::Contents_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("bold");
    QTest::addColumn<QStringList>("buttons");  // name=caption
    QTest::addColumn<QStringList>("options");  // option buttons and check boxes, name=text

    QTest::newRow("Description")
        << Form::Description << "Description"
        << QStringList{"Structure ID:", "Units:",    "Project Number:", "Designer:",
                       "Subaccount:",   "Detailer:", "Location:",       "General Description:"}
        << QStringList{"Structure ID:", "Units:",    "Project Number:", "Designer:",
                       "Subaccount:",   "Detailer:", "Location:"}
        << QStringList{"Command2=Hide"} << QStringList{"Option1=Metric", "Option2=English"};
    QTest::newRow("Horizontal") << Form::Horizontal << "Horizontal Alignment"
                                << QStringList{"Curve Data",
                                               "Direction:",
                                               "Combined Delta:",
                                               "PI Station:",
                                               "Degree:",
                                               "Radius:",
                                               "In Spiral Length:",
                                               "Out Spiral Length:",
                                               "Profile Offset:",
                                               "(negative values for left)",
                                               "Station Equation",
                                               "Back:",
                                               "Ahead:"}
                                << QStringList{"Curve Data", "Profile Offset:", "Station Equation"}
                                << QStringList{"Command2=Hide"}
                                << QStringList{"Option1=Left", "Option2=Right"};
    QTest::newRow("Vertical")
        << Form::Vertical << "Vertical Alignment"
        << QStringList{"Vertical Curve #1", "Vertical Curve #2", "% Grade In:",   "In Length:",
                       "Out Length:",       "PI Station:",       "PI Elevation:", "In Length:",
                       "Out Length:",       "PI Station:",       "PI Elevation:", "% Grade Out:"}
        << QStringList{"Vertical Curve #1", "Vertical Curve #2"} << QStringList{"Command2=Hide"}
        << QStringList{};
    QTest::newRow("CrossTrans")
        << Form::CrossTrans << "Cross-Slope and Transition Data"
        << QStringList{"Crown Type:",
                       "Nominal Cross-Slope:",
                       "Super Rate (e):",
                       "Pivot Offset from Profile Line (-Left):",
                       "Transition In",
                       "Transition Out",
                       "Run-Out:",
                       "Transition Length:",
                       "Percent of Transition:",
                       "Run-Out:",
                       "Transition Length:",
                       "Percent of Transition:",
                       "Transition Vertical curve Maximum Length:",
                       "Parabolic Crown",
                       "Width:",
                       "Height:",
                       "Left Slope:",
                       "Right Slope:",
                       "Optional Superelevation Override",
                       "Station",
                       "Left Slope",
                       "Right Slope"}
        << QStringList{"Crown Type:",     "Nominal Cross-Slope:",
                       "Super Rate (e):", "Pivot Offset from Profile Line (-Left):",
                       "Transition In",   "Transition Out",
                       "Parabolic Crown", "Optional Superelevation Override"}
        << QStringList{"AddOverRecord=Add New Override", "Command4=Hide"} << QStringList{};
    QTest::newRow("RefLine") << Form::RefLine << "Reference Line"
                             << QStringList{"Reference Station:",
                                            "Station is on:",
                                            "Skew",
                                            "Angle:",
                                            "With Respect to:",
                                            "Default Skew Angle for Bent  Lines:",
                                            "Layout Line Is:",
                                            "Reverse Layout Line:",
                                            "Transform Constant for Layout Coordinates",
                                            "X:",
                                            "Y:",
                                            "Limits of Valid Elevation and Cross-Slope Data",
                                            "Begin Station:",
                                            "End Station:",
                                            "Options"}
                             << QStringList{"Reference Station:",
                                            "Station is on:",
                                            "Skew",
                                            "Layout Line Is:",
                                            "Reverse Layout Line:",
                                            "Transform Constant for Layout Coordinates",
                                            "Limits of Valid Elevation and Cross-Slope Data",
                                            "Options"}
                             << QStringList{"Command4=Hide"}
                             << QStringList{"Option1=Left",
                                            "Option2=Right",
                                            "Option3=Parallel to Ref. Line",
                                            "Option4=Same Skew as Ref. Line",
                                            "Check1=Segmented Girder Lines to Be Broken at "
                                            "Reference Line",
                                            "Check2=Supress Listing",
                                            "Check3=Offset Option for Segmented Girder Pattern "
                                            "Shift",
                                            "Check4=Request X-0 Points"};
    QTest::newRow("GirderLine")
        << Form::GirderLine << "Girder Line"
        << QStringList{"Line Type",       "Initial",     "Offset Distance",     "Terminal",
                       "Elevation Shift", "Description", "X-Type Frac. Points", "DL Char.",
                       "Options"}
        << QStringList{}
        << QStringList{"AddRecord=Add New Row", "Insert=Insert Row", "Delete=Delete Row",
                       "Command3=Hide"}
        << QStringList{};
    QTest::newRow("BentLine") << Form::BentLine << "Bent Line Data"
                              << QStringList{"Distance",    "Skew",           "Fractional Points",
                                             "Description", "Sel. Intersect", "DL",
                                             "Sec. Ref.",   "Options"}
                              << QStringList{}
                              << QStringList{"AddRecord=Add Row", "Insert=Insert Row",
                                             "Delete=Delete Row", "Command1=Hide"}
                              << QStringList{};
    QStringList deadLoadLabels = {"Girder Code", "Bent Line Code", "Units",
                                  "Deflections at Tenth Points"};
    for (int k = 0; k <= 10; ++k) deadLoadLabels << QString::number(k);
    QTest::newRow("DeadLoad") << Form::DeadLoad << "Dead Load Deflection" << deadLoadLabels
                              << QStringList{}
                              << QStringList{"AddRecord=Add Row", "Insert=Insert Row",
                                             "Delete=Delete Row", "Command3=Hide"}
                              << QStringList{};
    QTest::newRow("RoadAppr") << Form::RoadAppr << "Roadway Approaches"
                              << QStringList{"Begin Structure", "End Structure", "Approach Length",
                                             "Offsets from Horizontal Control"}
                              << QStringList{} << QStringList{"Command1=Hide"} << QStringList{};
}

void FormContentsTest::Contents() {
    QFETCH(Form, form);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, bold);
    QFETCH(QStringList, buttons);
    QFETCH(QStringList, options);
    QWidget* window = ShowActive(*forms_, form);
    QCOMPARE(window->windowTitle(), caption);
    QVERIFY(window->isWindow());
    QStringList shown, shownBold;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        shown << label->text();
        if (label->font().bold()) shownBold << label->text();
    }
    QCOMPARE(Sorted(shown), Sorted(labels));
    QCOMPARE(Sorted(shownBold), Sorted(bold));
    QCOMPARE(NamedTexts<QPushButton>(window), Sorted(buttons));
    QStringList choices = NamedTexts<QRadioButton>(window);
    for (QCheckBox* box : window->findChildren<QCheckBox*>())
        if (!box->objectName().startsWith("List1("))
            choices << box->objectName() + "=" + box->text();
    QCOMPARE(Sorted(choices), Sorted(options));
}

void FormContentsTest::Items_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("prompt");
    const QStringList fourOffsetTypes = {"Bent from LOL", "Norm. from LOL", "Bent from HCL",
                                         "Norm. from HCL"};
    QTest::newRow("RefLine.StaOn")
        << Form::RefLine << "StaOn"
        << QStringList{"Horizontal Control", "Back Tangent", "Ahead Tangent", "Same Ref. as Before"}
        << "";
    QTest::newRow("RefLine.SkewRespTo")
        << Form::RefLine << "SkewRespTo"
        << QStringList{"Horizontal Control", "Layout Line", "Back Tangent", "Ahead Tangent"} << "";
    QTest::newRow("RefLine.LayoutLineIs")
        << Form::RefLine << "LayoutLineIs" << QStringList{"Back Tangent", "Chord", "Ahead Tangent"}
        << "";
    QTest::newRow("RefLine.RevLayoutLine")
        << Form::RefLine << "RevLayoutLine"
        << QStringList{"Incr/Not", "Decr/Reversed", "Decr/Not", "Incr/Reversed"} << "";
    QTest::newRow("GirderLine.Combo1")
        << Form::GirderLine << "Combo1(0)"
        << QStringList{"Parallel to Horiz.", "Segmented", "Parallel to Layout",
                       "Flared Girder Line", "Offset Varies"}
        << "Line Type";
    QTest::newRow("GirderLine.Combo3")
        << Form::GirderLine << "Combo3(19)" << fourOffsetTypes << "Offset Type";
    QTest::newRow("GirderLine.Combo2")
        << Form::GirderLine << "Combo2(7)" << fourOffsetTypes << "Offset Type";
    QTest::newRow("BentLine.Combo1")
        << Form::BentLine << "Combo1(0)"
        << QStringList{"Horiz. Control", "Layout Line",   "Back Tangent",     "Ahead Tangent",
                       "Normal to Ref.", "Normal Offset", "Seg. Chord Length"}
        << "Distance Type";
    QTest::newRow("BentLine.Combo2")
        << Form::BentLine << "Combo2(19)"
        << QStringList{"Default", "Horiz. Control", "Layout Line", "Back Tangent", "Ahead Tangent"}
        << "Skew Type";
}

void FormContentsTest::Items() {
    QFETCH(Form, form);
    QFETCH(QString, control);
    QFETCH(QStringList, items);
    QFETCH(QString, prompt);
    auto* box = Find<QComboBox>(ShowActive(*forms_, form), control);
    QVERIFY(box);
    QVERIFY(!box->isEditable());
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->placeholderText(), prompt);
}

// The crown type is a list of four rows beside its drawing, and each option
// check box of a row says its item in its tool tip.
void FormContentsTest::OptionTips() {
    auto* crown = Find<QListWidget>(ShowActive(*forms_, Form::CrossTrans), "CrownType");
    QVERIFY(crown);
    QStringList crownItems;
    for (int i = 0; i < crown->count(); ++i) crownItems << crown->item(i)->text();
    QCOMPARE(crownItems, (QStringList{"A", "B", "C", "P"}));
    QCOMPARE(crown->selectionMode(), QAbstractItemView::SingleSelection);
    for (int i = 0; i < crown->count(); ++i)
        QVERIFY(crown->viewport()->rect().contains(crown->visualItemRect(crown->item(i))));
    QVERIFY(Find(crown->window(), "CrownDrawing"));

    const QStringList girderTips = {"Girder lines Parallel", "Layout line is a chord",
                                    "Camber cutting diagram", "Type 4 constant offset",
                                    "Suppress listing"};
    const QStringList bentTips = {"Break Girder Lines", "Flared Girder Offsets",
                                  "Chord Layout Line", "Suppress Listing"};
    for (auto [form, tips] :
         {std::pair{Form::GirderLine, girderTips}, {Form::BentLine, bentTips}}) {
        QWidget* window = ShowActive(*forms_, form);
        for (int row : {0, 19}) {
            QStringList shown;
            for (int k = 0; k < tips.size(); ++k) {
                auto* box = Find<QCheckBox>(window, QString("List1(%1)[%2]").arg(row).arg(k));
                QVERIFY(box);
                shown << box->toolTip();
            }
            QCOMPARE(shown, tips);
        }
    }
}

void FormContentsTest::StartValues_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QStringList>("checked");  // option buttons and check boxes on
    QTest::addColumn<int>("rows");             // rows of a row form
    QTest::newRow("Description") << Form::Description << QStringList{"Option2"} << 0;
    QTest::newRow("Horizontal") << Form::Horizontal << QStringList{} << 0;
    QTest::newRow("Vertical") << Form::Vertical << QStringList{} << 0;
    QTest::newRow("CrossTrans") << Form::CrossTrans << QStringList{} << 6;
    QTest::newRow("RefLine") << Form::RefLine << QStringList{"Option1", "Option3"} << 0;
    QTest::newRow("GirderLine") << Form::GirderLine << QStringList{} << 20;
    QTest::newRow("BentLine") << Form::BentLine << QStringList{} << 20;
    QTest::newRow("DeadLoad") << Form::DeadLoad << QStringList{} << 20;
    QTest::newRow("RoadAppr") << Form::RoadAppr << QStringList{} << 0;
}

void FormContentsTest::StartValues() {
    QFETCH(Form, form);
    QFETCH(QStringList, checked);
    QFETCH(int, rows);
    QWidget* window = ShowActive(*forms_, form);
    // Every box is empty but the skew direction of the bent line design rows.
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        const bool skewDirection = form == Form::BentLine && box->objectName().startsWith("Text7(");
        QCOMPARE(box->text(), skewDirection ? QString("L") : QString());
    }
    for (QComboBox* box : window->findChildren<QComboBox*>()) QCOMPARE(box->currentIndex(), -1);
    for (QListWidget* list : window->findChildren<QListWidget*>())
        QVERIFY(list->selectedItems().isEmpty());
    QStringList on;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (button->isChecked()) on << button->objectName();
    QCOMPARE(Sorted(on), Sorted(checked));
    if (rows) {
        const QString counting = form == Form::CrossTrans   ? "OverSta(%1)"
                                 : form == Form::GirderLine ? "Combo1(%1)"
                                                            : "Text1(%1)";
        QVERIFY(Find(window, counting.arg(rows - 1)));
        QVERIFY(!Find(window, counting.arg(rows)));
    }
    // A form created while the deck is in feet takes a degree of curve.
    if (form == Form::Horizontal) QVERIFY(Find(window, "Degree")->isEnabled());
}

void FormContentsTest::TabOrder_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QStringList>("walk");  // from the first control round to it again
    QTest::newRow("Description") << Form::Description
                                 << QStringList{"StructureID", "Option1",  "Option2",    "ProjNum",
                                                "Designer",    "SubAcc",   "Detailer",   "Location",
                                                "GenDesc",     "Command2", "StructureID"};
    QTest::newRow("Horizontal") << Form::Horizontal
                                << QStringList{"Option1", "Option2",  "Delta",     "PIStation",
                                               "Degree",  "InSpiral", "OutSpiral", "ProfOffset",
                                               "Back",    "Ahead",    "Command2",  "Radius",
                                               "Option1"};
    QTest::newRow("Vertical") << Form::Vertical
                              << QStringList{"GradeIn", "InLength1", "OutLength1", "PISta1",
                                             "PIElev1", "InLength2", "OutLength2", "PISta2",
                                             "PIElev2", "GradeOut",  "Command2",   "GradeIn"};
    QTest::newRow("CrossTrans") << Form::CrossTrans
                                << QStringList{"CrownType",     "CrossSlope",     "SuperRate",
                                               "PivotOffset",   "InRunOut",       "OutRunout",
                                               "InTransLength", "OutTransLength", "InTransPer",
                                               "OutTransPer",   "MaxTransVC",     "CrownWidth",
                                               "CrownLeft",     "CrownHeight",    "CrownRight"} +
                                       RowWalk({"OverSta(%1)", "OverLeft(%1)", "OverRight(%1)"}, 6,
                                               {"AddOverRecord", "Command4", "CrownType"});
    QTest::newRow("RefLine") << Form::RefLine
                             << QStringList{
                                    "RefLineSta",   "StaOn",         "Option1",  "Option2",
                                    "SkewAngle",    "SkewRespTo",    "Option3",  "Option4",
                                    "LayoutLineIs", "RevLayoutLine", "TransX",   "TransY",
                                    "LimitBegSta",  "LimitEndSta",   "Check1",   "Check2",
                                    "Check3",       "Check4",        "Command4", "RefLineSta"};
    QTest::newRow("GirderLine") << Form::GirderLine
                                << RowWalk(
                                       kGirderColumns, 20,
                                       {"AddRecord", "Insert", "Delete", "Command3", "Combo1(0)"});
    QTest::newRow("BentLine") << Form::BentLine
                              << RowWalk(kBentColumns, 20,
                                         {"AddRecord", "Insert", "Delete", "Command1", "Text1(0)"});
    QTest::newRow("DeadLoad") << Form::DeadLoad
                              << RowWalk(kDeadColumns, 20,
                                         {"AddRecord", "Insert", "Delete", "Command3", "Text1(0)"});
    QTest::newRow("RoadAppr") << Form::RoadAppr
                              << QStringList{"BegStr", "EndStr", "Length",   "Off1",
                                             "Off2",   "Off3",   "Off4",     "Off5",
                                             "Off6",   "Off7",   "Command1", "BegStr"};
}

void FormContentsTest::TabOrder() {
    QFETCH(Form, form);
    QFETCH(QStringList, walk);
    QWidget* window = ShowActive(*forms_, form);
    QCOMPARE(TabWalk(window, walk.front(), static_cast<int>(walk.size()) - 1), walk);
}

void FormContentsTest::HideAndCloseBoxHide_data() {
    QTest::addColumn<Form>("form");
    QTest::addColumn<QString>("hide");
    QTest::newRow("Description") << Form::Description << "Command2";
    QTest::newRow("Horizontal") << Form::Horizontal << "Command2";
    QTest::newRow("Vertical") << Form::Vertical << "Command2";
    QTest::newRow("CrossTrans") << Form::CrossTrans << "Command4";
    QTest::newRow("RefLine") << Form::RefLine << "Command4";
    QTest::newRow("GirderLine") << Form::GirderLine << "Command3";
    QTest::newRow("BentLine") << Form::BentLine << "Command1";
    QTest::newRow("DeadLoad") << Form::DeadLoad << "Command3";
    QTest::newRow("RoadAppr") << Form::RoadAppr << "Command1";
}

// The Hide button and the close box hide the one form; showing it again
// shows the same window.
void FormContentsTest::HideAndCloseBoxHide() {
    QFETCH(Form, form);
    QFETCH(QString, hide);
    QWidget* window = ShowActive(*forms_, form);
    auto* button = Find<QPushButton>(window, hide);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QCOMPARE(ShowActive(*forms_, form), window);
    QVERIFY(window->isVisible());
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QCOMPARE(forms_->Created(form), window);
    QCOMPARE(ShowActive(*forms_, form), window);
}

QTEST_MAIN(FormContentsTest)
#include "FormContentsTest.moc"
