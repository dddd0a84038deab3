// Typing and choosing on the forms: what the user types, picks and clicks
// reaches the model at once and, saved, the card's columns; the units
// buttons; hiding keeps everything; the forms show a model that changed.
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

#include "FormsTestSupport.hpp"
#include "cards/CardLayouts.hpp"
#include "editor/deck/BentLineCards.hpp"
#include "editor/deck/CrossSlopeCards.hpp"
#include "editor/deck/DeadLoadCards.hpp"
#include "editor/deck/DescriptionCards.hpp"
#include "editor/deck/GirderLineCards.hpp"
#include "editor/deck/GirderLineType.hpp"
#include "editor/deck/HorizontalCard.hpp"
#include "editor/deck/ReferenceLineCard.hpp"
#include "editor/deck/VerticalCard.hpp"
#include "editor/forms/RowFormWindows.hpp"

using namespace quillon::editor;
using namespace quillon::editor::test;
namespace cards = quillon::cards;

namespace {

// Whether every character a card field can show (printable ASCII and the
// degree sign) takes the same advance in the box's font: the columns of a
// fixed-pitch field line up whatever font the system picked.
bool EveryCharacterHasOneWidth(const QLineEdit& box) {
    const QFontMetrics metrics(box.font());
    const int width = metrics.horizontalAdvance(QLatin1Char(' '));
    bool same = width > 0;
    for (char16_t c = u'!'; c <= u'~'; ++c)
        same = same && metrics.horizontalAdvance(QChar(c)) == width;
    return same && metrics.horizontalAdvance(QChar(u'\u00B0')) == width;
}

// One kind of box: the keys typed into it, what it and the model then hold,
// and the columns of the card written from the model.
struct TypingCase {
    const char* name;
    Form form;
    const char* box;
    const char* keys;
    const char* holds;  // the box's width keeps only so many characters
    std::function<std::string(const DeckModel&)> model;
    std::function<WrittenCard(const DeckModel&)> save;
    const cards::CardLayout* card;
    const char* field;
    const char* columns;
};

const std::vector<TypingCase>& TypingCases() {
    static const std::vector<TypingCase> cases = {
        // Four implied decimals in a deck in feet, right-justified in 3-13.
        {"StationBox", Form::RefLine, "RefLineSta", "12+34.5678", "12+34.5678",
         [](const DeckModel& d) { return d.refLine.RefLineSta; }, WriteReferenceLineCard,
         &cards::kReferenceLineCard, "RefLine.RefLineSta", "   12345678"},
        // Degrees and minutes in two columns each, seconds with two implied decimals.
        {"AngleBox", Form::RefLine, "SkewAngle", "12 30 15", "12 30 15",
         [](const DeckModel& d) { return d.refLine.SkewAngle; }, WriteReferenceLineCard,
         &cards::kReferenceLineCard, "RefLine.SkewAngle", "12301500"},
        // -12.5 with four implied decimals is -125000 in eight columns.
        {"LengthBox", Form::Horizontal, "ProfOffset", "-12.5", "-12.5",
         [](const DeckModel& d) { return d.horizontal.ProfOffset; },
         [](const DeckModel& d) { return WriteHorizontalCard(d); },
         &cards::kHorizontalAlignmentCard, "Horizontal.ProfOffset", " -125000"},
        // A percent with six implied decimals: -1.25 is -1250000 in nine columns.
        {"PercentBox", Form::Vertical, "GradeIn", "-1.25", "-1.25",
         [](const DeckModel& d) { return d.vertical.GradeIn; }, WriteVerticalCard,
         &cards::kVerticalAlignmentCard, "Vertical.GradeIn", " -1250000"},
        // Ten characters at most, blanks kept.
        {"CharacterBox", Form::Description, "StructureID", "BR-101 EAST", "BR-101 EAS",
         [](const DeckModel& d) { return d.description.StructureID; },
         [](const DeckModel& d) {
             const WrittenCards written = WriteDescriptionCards(d);
             return WrittenCard{written.lines.empty() ? "" : written.lines.front(),
                                written.failure};
         },
         &cards::kDescriptionCard, "Description.StructureID", "BR-101 EAS"},
        // An override station with two implied decimals: 1+50 is 15000.
        {"OverrideRowBox", Form::CrossTrans, "OverSta(0)", "1+50", "1+50",
         [](const DeckModel& d) { return d.crossTrans.OverRows[0].OverSta; },
         [](const DeckModel& d) { return WriteOverrideCard(d, 0); },
         &cards::kCrossSlopeOverrideCard, "CrossTrans.OverSta", "    15000"},
        // A deflection in inches with three implied decimals: 1.25 is 1250.
        {"DeflectionBox", Form::DeadLoad, "Text3(4)", "1.25", "1.25",
         [](const DeckModel& d) { return d.deadLoad.rows[4].Text3; },
         [](const DeckModel& d) { return WriteDeadLoadCard(d, 4); }, &cards::kDeadLoadCard,
         "Deflection0", "  1250"},
        // Twenty characters of a girder line's description.
        {"DescriptionBox", Form::GirderLine, "Text4(2)", "G1 LEFT EXTERIOR GIRDER",
         "G1 LEFT EXTERIOR GIR", [](const DeckModel& d) { return d.girderLine.rows[2].Text4; },
         [](const DeckModel& d) { return WriteGirderLineCard(d, 2); }, &cards::kGirderLineCard,
         "GirderDescription", "G1 LEFT EXTERIOR GIR"},
        // One column: the skew direction typed over the design row's "L".
        {"OneColumnBox", Form::BentLine, "Text7(6)", "RX", "R",
         [](const DeckModel& d) { return d.bentLine.rows[6].Text7; },
         [](const DeckModel& d) { return WriteBentLineCard(d, 6); }, &cards::kBentLineCard,
         "SkewDirection", "R"},
        // Two columns in the fixed-pitch font.
        {"TwoColumnBox", Form::GirderLine, "Text13(0)", "123", "12",
         [](const DeckModel& d) { return d.girderLine.rows[0].Text13; },
         [](const DeckModel& d) { return WriteGirderLineCard(d, 0); }, &cards::kGirderLineCard,
         "XTypeFracPoints", "12"},
    };
    return cases;
}

}  // namespace

class SingleRecordFormWindowsTest : public FormsTestCase {
    Q_OBJECT

private slots:
    void init() {
        SetUp();
        edits_ = 0;
        connect(forms_.get(), &Forms::Edited, this, [this] { ++edits_; });
    }

    void Typing_data();
    void Typing();
    void NumberBoxTakesAnyTextAndSaveNamesIt();
    void TypedLinesOfTheDescription();
    void CharactersADeckCannotHoldAreRefused();
    void KeyboardAndMouseChoices();
    void UnitsSetMetricFlagAndDegreeFollows();
    void DegreeOfAFormCreatedWhileMetric();
    void HideKeepsEverything();
    void FormsShowTheModelWhenADeckIsOpened();

private:
    int edits_ = 0;
};

void SingleRecordFormWindowsTest::Typing_data() {
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < TypingCases().size(); ++i)
        QTest::newRow(TypingCases()[i].name) << static_cast<int>(i);
}

void SingleRecordFormWindowsTest::Typing() {
    QFETCH(int, index);
    const TypingCase& c = TypingCases()[static_cast<size_t>(index)];
    auto* box = Find<QLineEdit>(ShowActive(*forms_, c.form), c.box);
    QVERIFY(box);
    TypeInto(box, QString::fromLatin1(c.keys));
    QCOMPARE(box->text(), QString::fromLatin1(c.holds));
    QCOMPARE(c.model(*deck_), std::string(c.holds));
    QVERIFY(edits_ > 0);
    const WrittenCard written = c.save(*deck_);
    QVERIFY2(written.ok(), written.ok() ? "" : written.failure->Message().c_str());
    QCOMPARE(Columns(written.line, *c.card, c.field), std::string(c.columns));
    if (std::string_view(c.name) == "TwoColumnBox") QVERIFY(EveryCharacterHasOneWidth(*box));
}

// A numeric box takes any text; Save refuses it, naming the box.
void SingleRecordFormWindowsTest::NumberBoxTakesAnyTextAndSaveNamesIt() {
    auto* radius = Find<QLineEdit>(ShowActive(*forms_, Form::Horizontal), "Radius");
    TypeInto(radius, "12a");
    QCOMPARE(deck_->horizontal.Radius, std::string("12a"));
    const WrittenCard written = WriteHorizontalCard(*deck_);
    QVERIFY(!written.ok());
    QCOMPARE(written.failure->field, std::string("Radius"));
    QCOMPARE(written.failure->text, std::string("12a"));
}

// Lines typed into the general description stay lines: one 00 card each.
void SingleRecordFormWindowsTest::TypedLinesOfTheDescription() {
    auto* genDesc = Find<QPlainTextEdit>(ShowActive(*forms_, Form::Description), "GenDesc");
    QTest::mouseClick(genDesc->viewport(), Qt::LeftButton);
    QTest::keyClicks(genDesc, "SPAN OVER CREEK");
    QTest::keyClick(genDesc, Qt::Key_Return);
    QCOMPARE(deck_->description.GenDesc, (std::vector<std::string>{"SPAN OVER CREEK"}));
    QTest::keyClicks(genDesc, "THREE GIRDERS");
    QCOMPARE(deck_->description.GenDesc,
             (std::vector<std::string>{"SPAN OVER CREEK", "THREE GIRDERS"}));
    QCOMPARE(genDesc->toPlainText(), QString("SPAN OVER CREEK\nTHREE GIRDERS"));
    const WrittenCards written = WriteDescriptionCards(*deck_);
    QVERIFY(written.ok());
    QVERIFY(written.lines.size() > 2);  // the first card and the key cards come first
    QCOMPARE(written.lines[written.lines.size() - 2], std::string("00SPAN OVER CREEK"));
    QCOMPARE(written.lines.back(), std::string("00THREE GIRDERS"));
}

namespace {

// Types `text` a character at a time, as a keyboard sends characters beyond ASCII.
void TypeCharacters(QWidget* box, const QString& text) {
    for (QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, Qt::NoModifier);
}

}  // namespace

// A deck holds single-byte characters: others are refused in every box.
void SingleRecordFormWindowsTest::CharactersADeckCannotHoldAreRefused() {
    QWidget* description = ShowActive(*forms_, Form::Description);
    auto* genDesc = Find<QPlainTextEdit>(description, "GenDesc");
    QTest::mouseClick(genDesc->viewport(), Qt::LeftButton);
    TypeCharacters(genDesc, QString::fromUtf8("A\u20ACB\u00B0C"));
    QCOMPARE(genDesc->toPlainText(), QString::fromUtf8("AB\u00B0C"));
    QCOMPARE(deck_->description.GenDesc, (std::vector<std::string>{"AB\xB0"
                                                                   "C"}));
    auto* structure = Find<QLineEdit>(description, "StructureID");
    ClickCell(structure);
    TypeCharacters(structure, QString::fromUtf8("B\u2013R"));
    QCOMPARE(structure->text(), QString("BR"));
    QCOMPARE(deck_->description.StructureID, std::string("BR"));
}

// Drop-down items chosen by the keyboard, a list row and buttons clicked.
void SingleRecordFormWindowsTest::KeyboardAndMouseChoices() {
    QWidget* refLine = ShowActive(*forms_, Form::RefLine);
    ChooseByKeyboard(Find<QComboBox>(refLine, "StaOn"), 1);
    QCOMPARE(deck_->refLine.StaOn.chosen, std::optional<int>(1));  // "Back Tangent"
    auto* skewRespTo = Find<QComboBox>(refLine, "SkewRespTo");
    skewRespTo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(skewRespTo, Qt::Key_Down);  // from nothing to the first item
    QTest::keyClick(skewRespTo, Qt::Key_Down);
    QCOMPARE(Shown(skewRespTo), QString("Layout Line"));
    QCOMPARE(deck_->refLine.SkewRespTo.chosen, std::optional<int>(1));
    QTest::mouseClick(Find<QRadioButton>(refLine, "Option2"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(refLine, "Option4"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(refLine, "Check3"), Qt::LeftButton);
    QVERIFY(deck_->refLine.Option2 && !deck_->refLine.Option1);
    QVERIFY(deck_->refLine.Option4 && !deck_->refLine.Option3);
    QVERIFY(!Find<QRadioButton>(refLine, "Option1")->isChecked());
    QVERIFY(deck_->refLine.Check3);
    // The item index is the code: "Station is on" from 0, "With Respect to" from 1.
    const WrittenCard card = WriteReferenceLineCard(*deck_);
    QVERIFY(card.ok());
    QCOMPARE(Columns(card.line, cards::kReferenceLineCard, "RefLine.StaOn"), std::string("1"));
    QCOMPARE(Columns(card.line, cards::kReferenceLineCard, "RefLine.SkewRespTo"), std::string("2"));
    // Clicking the option that is on leaves it on.
    QTest::mouseClick(Find<QRadioButton>(refLine, "Option2"), Qt::LeftButton);
    QVERIFY(Find<QRadioButton>(refLine, "Option2")->isChecked());
    QVERIFY(deck_->refLine.Option2);

    auto* crown = Find<QListWidget>(ShowActive(*forms_, Form::CrossTrans), "CrownType");
    QTest::mouseClick(crown->viewport(), Qt::LeftButton, {},
                      crown->visualItemRect(crown->item(2)).center());
    QCOMPARE(deck_->crossTrans.CrownType.chosen, std::optional<int>(2));
    const WrittenCard cross = WriteCrossSectionCard(*deck_);
    QVERIFY(cross.ok());
    QCOMPARE(Columns(cross.line, cards::kCrossSlopeCard, "CrossTrans.CrownType"), std::string("C"));
}

void SingleRecordFormWindowsTest::UnitsSetMetricFlagAndDegreeFollows() {
    QWidget* horizontal = ShowActive(*forms_, Form::Horizontal);
    auto* degree = Find<QLineEdit>(horizontal, "Degree");
    auto* degreeLabel = Find<QLabel>(horizontal, "Label5");
    QVERIFY(degree->isEnabled() && degreeLabel->isEnabled());
    QWidget* description = ShowActive(*forms_, Form::Description);
    auto* metric = Find<QRadioButton>(description, "Option1");
    auto* english = Find<QRadioButton>(description, "Option2");
    QTest::mouseClick(metric, Qt::LeftButton);
    QVERIFY(deck_->MetricFlag);
    QVERIFY(metric->isChecked() && !english->isChecked());
    QVERIFY(!degree->isEnabled() && !degreeLabel->isEnabled());
    QTest::mouseClick(english, Qt::LeftButton);
    QVERIFY(!deck_->MetricFlag);
    QVERIFY(degree->isEnabled() && degreeLabel->isEnabled());
    QTest::mouseClick(metric, Qt::LeftButton);
    QTest::mouseClick(metric, Qt::LeftButton);  // a second click leaves it on
    QVERIFY(deck_->MetricFlag && metric->isChecked());
}

// A metric deck neither reads nor writes the degree of curve: the box takes
// no edits however the units came to be metric.
void SingleRecordFormWindowsTest::DegreeOfAFormCreatedWhileMetric() {
    QTest::mouseClick(Find<QRadioButton>(ShowActive(*forms_, Form::Description), "Option1"),
                      Qt::LeftButton);
    QWidget* horizontal = ShowActive(*forms_, Form::Horizontal);
    QVERIFY(!Find(horizontal, "Degree")->isEnabled());
    QVERIFY(!Find(horizontal, "Label5")->isEnabled());
    deck_->MetricFlag = false;  // an English deck was read
    forms_->DeckOpened();
    QVERIFY(Find(horizontal, "Degree")->isEnabled());
    QVERIFY(Find<QRadioButton>(forms_->Created(Form::Description), "Option2")->isChecked());
}

// Values, list choices, checks, rows and the scroll position survive Hide.
void SingleRecordFormWindowsTest::HideKeepsEverything() {
    QWidget* refLine = ShowActive(*forms_, Form::RefLine);
    TypeInto(Find<QLineEdit>(refLine, "TransX"), "1000");
    ChooseByKeyboard(Find<QComboBox>(refLine, "LayoutLineIs"), 2);
    QTest::mouseClick(Find<QCheckBox>(refLine, "Check4"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(refLine, "Option2"), Qt::LeftButton);
    QWidget* girders = ShowActive(*forms_, Form::GirderLine);
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(Find<QPushButton>(girders, "AddRecord"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(girders, "List1(24)[3]"), Qt::LeftButton);
    TypeInto(Find<QLineEdit>(girders, "Text4(25)"), "LAST");
    QScrollBar* scroll =
        static_cast<RowFormWindow*>(girders)->Table()->ScrollArea()->verticalScrollBar();
    Settle();
    QVERIFY(scroll->value() > 0);  // the last row was scrolled into view
    const int position = scroll->value();

    QTest::mouseClick(Find<QPushButton>(refLine, "Command4"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(girders, "Command3"), Qt::LeftButton);
    QVERIFY(!refLine->isVisible() && !girders->isVisible());
    QCOMPARE(ShowActive(*forms_, Form::RefLine), refLine);
    QCOMPARE(ShowActive(*forms_, Form::GirderLine), girders);

    QCOMPARE(Find<QLineEdit>(refLine, "TransX")->text(), QString("1000"));
    QCOMPARE(Shown(Find<QComboBox>(refLine, "LayoutLineIs")), QString("Ahead Tangent"));
    QVERIFY(Find<QCheckBox>(refLine, "Check4")->isChecked());
    QVERIFY(Find<QRadioButton>(refLine, "Option2")->isChecked());
    QVERIFY(Find<QCheckBox>(girders, "List1(24)[3]")->isChecked());
    QCOMPARE(Find<QLineEdit>(girders, "Text4(25)")->text(), QString("LAST"));
    QVERIFY(Find(girders, "Combo1(25)") && !Find(girders, "Combo1(26)"));
    QCOMPARE(scroll->value(), position);
    QCOMPARE(deck_->girderLine.rows.size(), size_t(26));
    QCOMPARE(deck_->girderLine.CurrentRow, 25);
}

// The model changed under the forms, as when a deck is read: they show it,
// the row forms from the top.
void SingleRecordFormWindowsTest::FormsShowTheModelWhenADeckIsOpened() {
    QWidget* girders = ShowActive(*forms_, Form::GirderLine);
    QWidget* description = ShowActive(*forms_, Form::Description);
    QWidget* crossTrans = ShowActive(*forms_, Form::CrossTrans);
    QScrollBar* scroll =
        static_cast<RowFormWindow*>(girders)->Table()->ScrollArea()->verticalScrollBar();
    scroll->setValue(scroll->maximum());

    deck_->Reset();
    deck_->MetricFlag = true;
    deck_->description.StructureID = "BRIDGE 7";
    deck_->description.GenDesc = {"ONE", "TWO"};
    deck_->crossTrans.CrownType.Choose(3);
    deck_->crossTrans.AddOverRecord();
    deck_->crossTrans.OverRows[6].OverSta = "5+00";
    for (int i = 0; i < 25; ++i) deck_->girderLine.AddRecord();
    ChooseLineType(deck_->girderLine.rows[30], GirderLine::kSegmented);
    deck_->girderLine.rows[30].Combo3.Choose(0);
    forms_->DeckOpened();

    QCOMPARE(Find<QLineEdit>(description, "StructureID")->text(), QString("BRIDGE 7"));
    QCOMPARE(Find<QPlainTextEdit>(description, "GenDesc")->toPlainText(), QString("ONE\nTWO"));
    QVERIFY(Find<QRadioButton>(description, "Option1")->isChecked());
    QCOMPARE(Find<QListWidget>(crossTrans, "CrownType")->selectedItems().front()->text(),
             QString("P"));
    QCOMPARE(Find<QLineEdit>(crossTrans, "OverSta(6)")->text(), QString("5+00"));
    auto* combo3 = Find<QComboBox>(girders, "Combo3(30)");
    QVERIFY(combo3);
    QCOMPARE(Shown(combo3), QString("Normal from base"));
    QCOMPARE(combo3->itemText(1), QString());
    QVERIFY(!Find(girders, "Text2(30)")->isEnabled());
    QVERIFY(!Find(girders, "Combo1(45)"));
    Settle();
    QCOMPARE(scroll->value(), 0);

    // A smaller deck after it: the rows it does not hold go.
    deck_->Reset();
    forms_->DeckOpened();
    QVERIFY(Find(girders, "Combo1(19)") && !Find(girders, "Combo1(20)"));
    QCOMPARE(Find<QLineEdit>(description, "StructureID")->text(), QString());
    QVERIFY(Find<QListWidget>(crossTrans, "CrownType")->selectedItems().isEmpty());
}

QTEST_MAIN(SingleRecordFormWindowsTest)
#include "SingleRecordFormWindowsTest.moc"
