// Reading and writing fields of a card through its layout.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

namespace quillon::cards {
namespace {

// A blank card of 80 columns with `text` placed from column `first` on.
std::string Card(std::string text, int first, std::string card = std::string(80, ' ')) {
    card.replace(static_cast<size_t>(first - 1), text.size(), text);
    return card;
}

const Field& PIStation() { return kHorizontalAlignmentCard["Horizontal.PIStation"]; }

TEST(CardFields, ANumberTakesTheImpliedDecimalsOfTheDeckUnits) {
    const std::string card = Card("00025000000", 13);
    // 25000000 with 4 implied decimals in feet, 5 in a metric deck.
    EXPECT_DOUBLE_EQ(Number(card, PIStation()).value, 2500.0);
    EXPECT_DOUBLE_EQ(Number(card, PIStation(), DeckUnits::Metric).value, 250.0);
    // A punched point overrides them.
    EXPECT_DOUBLE_EQ(Number(Card("   2500.125", 13), PIStation()).value, 2500.125);
}

TEST(CardFields, BlanksReadAsZerosAndAShortCardAsBlanks) {
    // "25  " in the seconds F4.2: the blanks after the digits are zeros.
    const Field& seconds = kHorizontalAlignmentCard["Horizontal.Delta seconds"];
    EXPECT_DOUBLE_EQ(Number(Card("25  ", 9), seconds).value, 25.0);
    auto blank = Number("01", PIStation());
    ASSERT_TRUE(blank.ok());
    EXPECT_EQ(blank.value, 0.0);
    EXPECT_TRUE(IsBlank("01", PIStation()));
    EXPECT_EQ(Text("01L", PIStation()), std::string(11, ' '));
    EXPECT_EQ(Character("01L", kHorizontalAlignmentCard["CurveDirection"]), 'L');
    EXPECT_EQ(Character("01", kHorizontalAlignmentCard["CurveDirection"]), ' ');
}

TEST(CardFields, AFieldThatIsNoNumberIsAStatus) {
    auto read = Number(Card("   25X00000", 13), PIStation());
    EXPECT_EQ(read.status, fixedform::FieldStatus::NotANumber);
    EXPECT_FALSE(Integer(Card("X", 14), kReferenceLineCard["RefLine.StaOn"]).ok());
}

TEST(CardFields, TheCardTypeIgnoresBlanks) {
    for (const char* type : {" 4", "4 ", "04"}) EXPECT_EQ(Integer(type, kCardType).value, 4);
    EXPECT_EQ(Integer("  ", kCardType).value, 0);
    EXPECT_FALSE(Integer("A1", kCardType).ok());
}

TEST(CardFields, ASmallLengthInMetresHasItsOwnDecimals) {
    const Field& shift = kGirderLineCard["ElevationShift"];
    const std::string card = Card("   12345", 22);
    // 12345: 1.2345 in inches, 12.345 mm, 0.12345 m on a type 4 line.
    EXPECT_DOUBLE_EQ(Number(card, shift).value, 1.2345);
    EXPECT_DOUBLE_EQ(Number(card, shift, DeckUnits::Metric).value, 12.345);
    EXPECT_DOUBLE_EQ(Number(card, shift, DeckUnits::Metric, MetricLength::Metres).value, 0.12345);
    // In a deck in feet the choice does not change the decimals.
    EXPECT_DOUBLE_EQ(Number(card, shift, DeckUnits::Feet, MetricLength::Metres).value, 1.2345);
}

TEST(CardFields, DigitsKeepTheDecimalDigitsOfTheField) {
    auto read = Digits(Card("-0200", 12), kCrossSlopeOverrideCard["CrossTrans.OverLeft"]);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.value.negative);
    EXPECT_EQ(read.value.whole, "");
    EXPECT_EQ(read.value.fraction, "0200");
}

TEST(CardFields, PutPlacesATextInItsColumnsAndPadsAShortCard) {
    std::string card = "05";
    Put(card, kGirderLineCard["GirderDescription"], "G1");
    EXPECT_EQ(card, "05" + std::string(27, ' ') + "G1" + std::string(18, ' '));
    Put(card, kGirderLineCard["LineType"], "4");
    EXPECT_EQ(card.substr(0, 4), "054 ");
    EXPECT_EQ(card.size(), 49u);
    EXPECT_THROW(Put(card, kGirderLineCard["LineType"], "12"), std::length_error);
}

TEST(CardFields, AWriterStartsWithTheTypeAndEndsAfterItsRightmostField) {
    CardWriter out(kRoadApproachCard);
    out.Put("RoadAppr.Length", "    1640").Put("RoadAppr.BegStr", "   3772");
    EXPECT_EQ(out.str(), "08   3772       " + std::string("    1640"));
    EXPECT_EQ(CardWriter(kDescriptionCard).str(), "00");
}

TEST(CardFields, AReaderReadsFieldsByName) {
    const std::string card = Card("  0125", 15, Card("07A1M", 1));
    CardReader metric(kDeadLoadCard, card, DeckUnits::Metric);
    EXPECT_EQ(metric.Character("DeflectionUnits"), 'M');
    EXPECT_EQ(metric.Text("DeadLoadLabel"), "A1M ");
    EXPECT_DOUBLE_EQ(metric.Number("Deflection0", MetricLength::Metres).value, 0.0125);
    EXPECT_DOUBLE_EQ(metric.Number("Deflection0").value, 1.25);  // millimetres
    EXPECT_TRUE(metric.IsBlank("Deflection1"));
    // A name of another card compiles (a name of no card does not) but is refused.
    EXPECT_THROW(metric.Number("Horizontal.Radius"), std::out_of_range);
}

}  // namespace
}  // namespace quillon::cards
