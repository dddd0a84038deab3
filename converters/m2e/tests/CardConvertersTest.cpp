#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "cards/CardLayouts.hpp"
#include "converters/m2e/CardConverters.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"
#include "testsupport/CaseName.hpp"

namespace m2e = quillon::converters::m2e;
namespace ff = quillon::fixedform;

namespace {

// Hand values: 1 m = 3937/1200 ft = 3.280833.. ft; 1 mm = 0.03937 in. A
// "w,d" field holds the integer part (cut toward zero) in w columns and the
// first d decimals (cut, not rounded) after it, without a point.

// A metric card of the given type with `text` placed from column `first` on,
// padded to 80 columns as the card loop hands it on.
std::string Card(const std::string& type, int first, const std::string& text) {
    const auto at = static_cast<size_t>(first - 1);
    std::string card = type;
    card.resize(80, ' ');
    if (card.size() < at + text.size()) card.resize(at + text.size(), ' ');
    card.replace(at, text.size(), text);
    return card;
}

using Converter = std::function<m2e::CardConversion(std::string_view)>;

// "03" is the CrossSlopeCard, "03+" an override row, "05/4" a type 4 girder line.
m2e::CardConversion Convert(const std::string& kind, const std::string& card) {
    static const std::map<std::string, Converter> converters = {
        {"01", m2e::ConvertHorizontalAlignmentCard},
        {"02", m2e::ConvertVerticalAlignmentCard},
        {"03", m2e::ConvertCrossSlopeCard},
        {"03+", m2e::ConvertCrossSlopeOverrideCard},
        {"04", m2e::ConvertReferenceLineCard},
        {"05", m2e::ConvertGirderLineCard},
        {"05/4", m2e::ConvertGirderLineCard},
        {"06", m2e::ConvertBentLineCard},
        {"07", m2e::ConvertDeadLoadCard},
        {"08", m2e::ConvertRoadApproachCard}};
    return converters.at(kind)(card);
}

struct FieldCase {
    const char* name;
    const char* kind;
    int first;        // first column of the metric text and of the expected text
    const char* in;   // placed on an otherwise blank card
    const char* out;  // the same columns of the English card
    const char* working;
};

class CardFieldTable : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CardFieldTable, WritesTheHandWorkedValueInTheSameColumns) {
    const FieldCase& c = GetParam();
    std::string kind = c.kind;
    std::string type = kind.substr(0, 2);
    std::string card = Card(type, c.first, c.in);
    if (kind == "05/4") card[2] = '4';
    m2e::CardConversion converted = Convert(kind, card);
    ASSERT_FALSE(converted.fault.has_value()) << c.working << ": " << converted.fault->field;
    EXPECT_EQ(converted.card.substr(0, 2), type);
    std::string out = c.out;
    EXPECT_EQ(ff::Columns(converted.card, c.first, static_cast<int>(out.size())), out)
        << kind << " column " << c.first << ": " << c.working;
}

INSTANTIATE_TEST_SUITE_P(
    HorizontalAlignment, CardFieldTable,
    ::testing::Values(
        FieldCase{"CurveDirectionCopied", "01", 3, "L", "L", "CurveDirection copied"},
        FieldCase{"DeltaDegreesAsRead", "01", 4, " 30", " 30", "Delta degrees as read"},
        FieldCase{"DeltaDegreesBlankAfterDigitIsZero", "01", 4, " 3 ", " 30",
                  "a blank after a digit is a zero"},
        FieldCase{"DeltaSecondsAsRead", "01", 9, "1537", "1537", "seconds 15.37 as read"},
        FieldCase{"DeltaSecondsBelowOne", "01", 9, "0003", " 003",
                  "seconds 0.03: integer 0 in 2 columns, 03"},
        FieldCase{"PIStationToFeet", "01", 13, "  125000000", "   41010416",
                  "PI 1250 m = 4101.041666 ft, 7,4"},
        FieldCase{"DegreeDegreesAsRead", "01", 24, " 1", " 1", "Degree degrees as read"},
        FieldCase{"InSpiralToFeet", "01", 32, " 60000", " 19685", "spiral 60 m = 196.85 ft, 4,2"},
        FieldCase{"NegativeProfOffsetToFeet", "01", 44, " -150000", "  -49212",
                  "-1.5 m = -4.92125 ft, 4,4"},
        FieldCase{"RadiusThreeDecimals", "01", 52, "    300", "984.250",
                  "radius 300 m = 984.25 ft, three decimals"},
        FieldCase{"BlankRadius", "01", 52, "       ", "       ", "blank radius"},
        FieldCase{"BackToFeet", "01", 59, "  100000000", "   32808333",
                  "back 1000 m = 3280.833333 ft"},
        FieldCase{"AheadToFeet", "01", 70, "  100500000", "   32972375",
                  "ahead 1005 m = 3297.2375 ft"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    VerticalAlignment, CardFieldTable,
    ::testing::Values(
        FieldCase{"GradeInAsRead", "02", 3, "  2000000", "  2000000", "grade +2 % as read, 3,6"},
        FieldCase{"NegativeGradeIn", "02", 3, " -1500000", " -1500000",
                  "grade -1.5 %: -1 in 3 columns"},
        FieldCase{"NegativeGradeInBelowOne", "02", 3, "  -500000", "-  500000",
                  "grade -0.5 %: '-', 2 blanks, 500000"},
        FieldCase{"InLength1ToFeet", "02", 12, "120000", " 39370", "120 m = 393.7 ft, 4,2"},
        FieldCase{"PISta1ToFeet", "02", 18, "  1300000", "   426508",
                  "PI 1300 m = 4265.083333 ft, 7,2"},
        FieldCase{"PIElev1ToFeet", "02", 27, " 10550000", "  3461279",
                  "105.5 m = 346.127916 ft, 5,4"},
        FieldCase{"BlankPISta2StaysBlank", "02", 48, "         ", "         ",
                  "blank PI station stays blank"},
        FieldCase{"OutLength2ToFeet", "02", 66, " 80000", " 26246", "80 m = 262.466666 ft"},
        FieldCase{"GradeOutAsRead", "02", 72, " -1500000", " -1500000", "grade out as read"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    CrossSlope, CardFieldTable,
    ::testing::Values(
        FieldCase{"CrownTypeCopied", "03", 3, "B", "B", "CrownType copied"},
        FieldCase{"CrossSlopeAsRead", "03", 4, "00200", "00200", "cross slope 0.02, 1,4"},
        FieldCase{"NegativeCrossSlope", "03", 4, "-0200", "-0200", "cross slope -0.02"},
        FieldCase{"SuperRateFourDecimals", "03", 9, "0600", "0600",
                  "super rate 0.06: its four decimals"},
        FieldCase{"SuperRateBlanksAreZeros", "03", 9, "06  ", "0600",
                  "blanks after the digits are zeros"},
        FieldCase{"SuperRateTakesItsSize", "03", 9, "-600", "0600",
                  "the engine takes the size of the rate"},
        FieldCase{"PivotOffsetToFeet", "03", 13, " -350000", " -114829",
                  "pivot -3.5 m = -11.482916 ft, 4,4"},
        FieldCase{"InRunOutAsRead", "03", 21, " 5000", " 5000", "run-out 50.00 as read, 3,2"},
        FieldCase{"InTransLengthToFeet", "03", 26, "30000", " 9842",
                  "transition 30 m = 98.425 ft, 3,2"},
        FieldCase{"InTransPerAsRead", "03", 31, " 5000", " 5000", "percent as read"},
        FieldCase{"MaxTransVCOneDecimal", "03", 51, "50000", "164.0",
                  "MaxTransVC 50 m = 164.0416 ft, one decimal"},
        FieldCase{"MaxTransVCFourDigitsAndPoint", "03", 51, "3047.", "9997.",
                  "3047 m = 9996.699 ft passes: four digits and a point"},
        FieldCase{"BlankMaxTransVC", "03", 51, "     ", "     ", "blank MaxTransVC"},
        FieldCase{"VCLengthFlagCopied", "03", 56, "X", "X", "VCLengthFlag copied"},
        FieldCase{"CrownWidthToFeet", "03", 57, "  1200000", "   393700",
                  "crown width 12 m = 39.37 ft, 5,4"},
        FieldCase{"CrownHeightToInches", "03", 66, "10000", " 3937",
                  "crown height 100 mm = 3.937 in, 2,3"},
        FieldCase{"CrownLeftAlwaysNegative", "03", 71, " 0200", "-0200",
                  "crown slope always negative"},
        FieldCase{"CrownLeftColumn71NotRead", "03", 71, "X0200", "-0200", "column 71 is not read"},
        FieldCase{"BlankCrownLeft", "03", 71, "     ", "-    ",
                  "blank crown slope: '-' and 4 blanks"},
        FieldCase{"CrownRightAlwaysNegative", "03", 76, " 0150", "-0150", "right crown slope"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(CrossSlopeOverride, CardFieldTable,
                         ::testing::Values(FieldCase{"OverStaToFeet", "03+", 3, "  1100000",
                                                     "   360891", "1100 m = 3608.916666 ft, 7,2"},
                                           FieldCase{"OverLeftAsRead", "03+", 12, "-0150", "-0150",
                                                     "left slope as read"},
                                           FieldCase{"OverRightAsRead", "03+", 17, "00150", "00150",
                                                     "right slope as read"},
                                           FieldCase{"Columns22To25Copied", "03+", 22, "ABCZ",
                                                     "ABCZ", "columns 22-25 copied"}),
                         quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    ReferenceLine, CardFieldTable,
    ::testing::Values(FieldCase{"RefLineStaToFeet", "04", 3, "  115000000", "   37729583",
                                "1150 m = 3772.958333 ft, 7,4"},
                      FieldCase{"StaOnDirectionSkewAndCodes", "04", 14, "2L123015503",
                                "2L123015503", "StaOn, direction, skew 12 30 15.50, codes"},
                      FieldCase{"SkewRespToThroughRevLayoutLine", "04", 24, "3122XYZ1", "3122XYZ1",
                                "SkewRespTo .. RevLayoutLine"},
                      FieldCase{"LetterInCodeFieldPassedOn", "04", 30, "A", "A",
                                "a letter in a code field is passed on for the engine"},
                      FieldCase{"Columns31To40Copied", "04", 31, "1234567890", "1234567890",
                                "columns 31-40 copied"},
                      FieldCase{"TransXToFeet", "04", 41, "  1000000", "   328083",
                                "TransX 10 m = 32.808333 ft, 5,4"},
                      FieldCase{"NegativeTransY", "04", 50, " -1000000", "  -328083",
                                "TransY -10 m"},
                      FieldCase{"LimitBegStaExactFeet", "04", 59, "  108000000", "   35433000",
                                "1080 m = 3543.3 ft exactly"},
                      FieldCase{"LimitEndStaToFeet", "04", 70, "  142000000", "   46587833",
                                "1420 m = 4658.783333 ft"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    GirderLine, CardFieldTable,
    ::testing::Values(FieldCase{"NegativeInitialOffsetToFeet", "05", 3, "0 -3500001", "0 -1148291",
                                "type, offset -3.5 m = -11.482916 ft, type 1"},
                      FieldCase{"TerminalOffsetToFeet", "05", 13, "  3500003", "  1148293",
                                "terminal 3.5 m, type 3"},
                      FieldCase{"ElevationShiftMillimetresCut", "05", 22, "   25400", "   09999",
                                "shift 25.4 mm = 0.999998 in, cut to 4 decimals"},
                      FieldCase{"TypeFourElevationShiftInFeet", "05/4", 22, "  150000", "   49212",
                                "type 4: shift 1.5 m = 4.92125 ft"},
                      FieldCase{"DescriptionAndOptionsCopied", "05", 30,
                                "GIRDER ONE          ABCDEFGHXY", "GIRDER ONE          ABCDEFGHXY",
                                "description, options and columns 58-59 copied"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    BentLine, CardFieldTable,
    ::testing::Values(FieldCase{"BentDistanceToFeet", "06", 3, " 30000002L", "  9842502L",
                                "30 m = 98.425 ft, 4,4; columns 11-12 copied"},
                      FieldCase{"BentSkewAndSkewType", "06", 13, "45 7 0031", "45 7 0031",
                                "skew 45 7' 0.03\", skew type 1"},
                      FieldCase{"FractionalPointsCount", "06", 22, " 10    ", " 10    ",
                                "a count of 10: %3d and 4 blanks"},
                      FieldCase{"FractionalPointsLength", "06", 22, "  12500", "  41010",
                                "a length of 1.25 m = 4.101041 ft, 3,4"},
                      FieldCase{"DescriptionAndCodesCopied", "06", 29, "PIER 1    ABCDEFQR",
                                "PIER 1    ABCDEFQR", "description and codes copied"},
                      FieldCase{"Columns47To80Copied", "06", 47, "TAIL OF THE CARD",
                                "TAIL OF THE CARD", "columns 47-80 copied"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    DeadLoad, CardFieldTable,
    ::testing::Values(FieldCase{"MetresToFeetWithLetterF", "07", 3, "A1M123456789  0125",
                                "A1F123456789  0041", "M: 0.0125 m = 0.041010 ft, 3,3, letter F"},
                      FieldCase{"millimetresToInches", "07", 3, "A1 123456789  1250",
                                "A1 123456789  0492", "mm: 12.50 mm = 0.492125 in"},
                      FieldCase{"LowerCaseMIsMillimetres", "07", 5, "m           1250",
                                "            0492", "lower-case m means millimetres"},
                      FieldCase{"LetterMBecomesF", "07", 5, "M", "F", "the letter F"},
                      FieldCase{"Deflection10ToInches", "07", 69, "        0125", "        0049",
                                "Deflection9 blank, Deflection10 1.25 mm = 0.049212 in"}),
    quillon::testsupport::CaseName());

INSTANTIATE_TEST_SUITE_P(
    RoadApproach, CardFieldTable,
    ::testing::Values(FieldCase{"BegStrAndEndStrWholeFeet", "08", 3, "   1150   1250",
                                "   3772   4101", "3772.958 and 4101.041 ft, whole"},
                      FieldCase{"LengthOneDecimal", "08", 17, "    5000", "    1640",
                                "50 m = 164.041666 ft, 7,1"},
                      FieldCase{"NegativeOff1ToFeet", "08", 25, " -500000", " -164041",
                                "-5 m = -16.404166 ft, 4,4"},
                      FieldCase{"Off7ToFeet", "08", 73, "  500000", "  164041", "Off7 5 m"}),
    quillon::testsupport::CaseName());

TEST(CardConverters, ABlankCardKeepsItsTypeAndBlanksToItsLastField) {
    struct Length {
        const char* kind;
        size_t columns;
    };
    for (Length c :
         {Length{"01", 80}, Length{"02", 80}, Length{"03", 80}, Length{"03+", 25}, Length{"04", 80},
          Length{"05", 59}, Length{"06", 80}, Length{"07", 80}, Length{"08", 80}}) {
        std::string type = std::string(c.kind).substr(0, 2);
        m2e::CardConversion out = Convert(c.kind, Card(type, 3, ""));
        ASSERT_FALSE(out.fault.has_value()) << c.kind;
        std::string expected = type + std::string(c.columns - 2, ' ');
        if (std::string(c.kind) == "03") expected.replace(70, 1, "-").replace(75, 1, "-");
        EXPECT_EQ(out.card, expected) << c.kind;
    }
}

TEST(CardConverters, DescriptionCardsLoseTheMetricMark) {
    std::string first = Card("00", 3, "M2E-DEMO");
    first[65] = 'x';
    first[79] = 'M';
    std::string expected = first;
    expected[79] = ' ';
    EXPECT_EQ(m2e::ConvertFirstDescriptionCard(first), expected);
    EXPECT_EQ(m2e::ConvertDescriptionCard(first),
              first);  // later 00 cards: columns 3-80 as they stand
    EXPECT_EQ(m2e::ConvertDescriptionCard(Card("00", 3, "")),
              std::string("00") + std::string(78, ' '));
}

TEST(CardConverters, TheFieldTablesCoverTheirColumnsWithoutGapOrOverlap) {
    std::vector<std::pair<const char*, std::vector<m2e::CardField>>> tables = {
        {"01", m2e::HorizontalAlignmentFields()}, {"02", m2e::VerticalAlignmentFields()},
        {"03", m2e::CrossSlopeFields()},          {"03+", m2e::CrossSlopeOverrideFields()},
        {"04", m2e::ReferenceLineFields()},       {"05", m2e::GirderLineFields(false)},
        {"05/4", m2e::GirderLineFields(true)},    {"06", m2e::BentLineFields()},
        {"07", m2e::DeadLoadFields(true)},        {"08", m2e::RoadApproachFields()}};
    for (const auto& [kind, fields] : tables) {
        int next = 3;
        for (const m2e::CardField& field : fields) {
            if (std::string(kind) == "07" && field.first == 6)
                next = 6;  // column 5: the unit letter
            EXPECT_EQ(field.first, next) << kind << " " << field.name;
            next = field.last + 1;
            bool widthAndDecimals = field.rule == m2e::FieldRule::AsRead ||
                                    field.rule == m2e::FieldRule::Metres ||
                                    field.rule == m2e::FieldRule::Millimetres;
            if (widthAndDecimals) {
                EXPECT_EQ(field.width + field.decimals, field.Columns())
                    << kind << " " << field.name;
            }
        }
    }
}

TEST(CardConverters, ATransitionCurveOver3047MetresStopsTheCard) {
    for (const char* length : {"3048.", "-4.E3", "3.1E3"}) {
        m2e::CardConversion out = m2e::ConvertCrossSlopeCard(Card("03", 51, length));
        ASSERT_TRUE(out.fault.has_value()) << length;
        EXPECT_EQ(out.fault->kind, m2e::FieldFault::Kind::TransitionCurveTooLong) << length;
    }
    // 3047.1 and -3047.1 need more than five columns; the limit itself, on a
    // field wide enough for them:
    m2e::CardField wide{"CrossTrans.MaxTransVC", 51, 57, m2e::FieldRule::TransitionCurve, 3};
    for (const char* length : {"3047.1", "-3047.1"}) {
        auto out = m2e::ConvertFields(Card("03", 51, length), "03", {wide});
        ASSERT_TRUE(out.fault.has_value()) << length;
        EXPECT_EQ(out.fault->kind, m2e::FieldFault::Kind::TransitionCurveTooLong);
    }
    EXPECT_FALSE(m2e::ConvertFields(Card("03", 51, "3047.0"), "03", {wide}).fault.has_value());
    EXPECT_FALSE(m2e::ConvertFields(Card("03", 51, "-3047."), "03", {wide}).fault.has_value());
    // It is checked before any other field of the card.
    std::string card = Card("03", 13, "9999.999");  // a pivot offset too wide for 4,4
    card.replace(50, 5, "3048.");
    EXPECT_EQ(m2e::ConvertCrossSlopeCard(card).fault->kind,
              m2e::FieldFault::Kind::TransitionCurveTooLong);
}

TEST(CardConverters, AValueTooWideForItsColumnsStopsTheCardAndNamesTheField) {
    // 9999.999 m = 32808.330 ft: five integer digits in a 4,4 field.
    m2e::CardConversion out = m2e::ConvertCrossSlopeCard(Card("03", 13, "9999.999"));
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(out.fault->kind, m2e::FieldFault::Kind::TooWide);
    EXPECT_EQ(out.fault->field, "CrossTrans.PivotOffset");
    EXPECT_EQ(out.fault->first, 13);
    EXPECT_EQ(out.fault->last, 20);
    EXPECT_EQ(out.fault->value, "32808.3300 ft");  // 32808.330052 ft cut to 4 decimals
    // A crown slope of 1 or more has no room for its integer part.
    EXPECT_EQ(m2e::ConvertCrossSlopeCard(Card("03", 72, "1.5")).fault->field,
              "CrossTrans.CrownLeft");
    // A seconds value of 100 or more has no room either.
    EXPECT_EQ(m2e::ConvertHorizontalAlignmentCard(Card("01", 9, "100.")).fault->field,
              "Horizontal.Delta seconds");
    EXPECT_EQ(m2e::ConvertHorizontalAlignmentCard(Card("01", 52, "   -300")).fault->field,
              "Horizontal.Radius");
    // A value whose conversion leaves the range of doubles is not written as zero.
    EXPECT_EQ(m2e::ConvertHorizontalAlignmentCard(Card("01", 13, "    1.7E308")).fault->field,
              "Horizontal.PIStation");
    EXPECT_EQ(m2e::ConvertHorizontalAlignmentCard(Card("01", 52, "1.7E308")).fault->field,
              "Horizontal.Radius");
}

// Column 30 of the 04 card is a character code for the engine ("-" is code 60,
// so 33 after the offset of 27: stationing decreases and the layout axis turns,
// as for the digits 4-9). Writing it as a whole number made "-" a "0".
TEST(CardConverters, TheReversedLayoutCodeIsPassedOnAsItsCharacter) {
    for (const char* code : {"-", "+", ".", "0", "1", "9", "A", " "}) {
        m2e::CardConversion out = m2e::ConvertReferenceLineCard(Card("04", 30, code));
        ASSERT_FALSE(out.fault.has_value()) << code;
        EXPECT_EQ(ff::Columns(out.card, 30, 1), code);
    }
}

TEST(CardConverters, ALengthThatIsNoNumberStopsTheCardButACodeIsPassedOn) {
    m2e::CardConversion out = m2e::ConvertHorizontalAlignmentCard(Card("01", 13, "   12A45   "));
    ASSERT_TRUE(out.fault.has_value());
    EXPECT_EQ(out.fault->kind, m2e::FieldFault::Kind::NotANumber);
    EXPECT_EQ(out.fault->field, "Horizontal.PIStation");
    EXPECT_EQ(out.fault->value, "'   12A45   '");
    out = m2e::ConvertHorizontalAlignmentCard(Card("01", 4, "3X"));
    ASSERT_FALSE(out.fault.has_value());
    EXPECT_EQ(ff::Columns(out.card, 4, 3), "3X ");
}

// Every four-digit slope and every seconds value comes out with the digits
// it went in with (read back with blanks as zeros), however its binary
// value would round.
TEST(CardConverters, EveryFourDigitSlopeAndSecondsValuePassesThroughUnchanged) {
    struct Place {
        const char* kind;
        int first;         // where the four digits go
        int outFirst;      // where they come out
        const char* lead;  // written before them in the input (in columns first - lead size ..)
        const char* outLead;
    };
    const Place places[] = {
        {"01", 9, 9, "", ""},       // Delta seconds
        {"01", 28, 28, "", ""},     // Degree seconds
        {"04", 20, 20, "", ""},     // skew seconds
        {"06", 17, 17, "", ""},     // bent skew seconds
        {"03", 9, 9, "", ""},       // super rate
        {"03", 5, 4, "0", "0"},     // cross slope 0.dddd
        {"03+", 13, 12, "-", "-"},  // override slope -0.dddd
        {"03", 72, 71, "", "-"},    // crown slope left
        {"03", 77, 76, "", "-"},    // crown slope right
    };
    for (const Place& place : places) {
        std::string kind = place.kind;
        for (int n = 0; n <= 9999; ++n) {
            std::string digits = ff::FormatI(n, 4, 4);
            std::string lead = place.lead;
            std::string card =
                Card(kind.substr(0, 2), place.first - static_cast<int>(lead.size()), lead + digits);
            m2e::CardConversion out = Convert(kind, card);
            ASSERT_FALSE(out.fault.has_value()) << kind << " " << digits;
            std::string outLead = place.outLead;
            if (n == 0 && outLead == "-" && kind == "03+") outLead = "0";  // a zero has no sign
            std::string written =
                ff::Columns(out.card, place.outFirst, static_cast<int>(outLead.size()) + 4);
            for (char& c : written)
                if (c == ' ') c = '0';
            ASSERT_EQ(written, outLead + digits) << kind << " column " << place.first;
        }
    }
}

// The converted fields keep the columns of the card layouts, are read with the
// decimals of a metric deck and written with those of a deck in feet.
TEST(CardConverters, TheFieldTablesTakeColumnsAndDecimalsFromTheCardLayouts) {
    namespace cards = quillon::cards;
    using Length = cards::MetricLength;
    struct Table {
        const cards::CardLayout* layout;
        std::vector<m2e::CardField> fields;
        Length length;
    };
    const Table tables[] = {
        {&cards::kHorizontalAlignmentCard, m2e::HorizontalAlignmentFields(), Length::Millimetres},
        {&cards::kVerticalAlignmentCard, m2e::VerticalAlignmentFields(), Length::Millimetres},
        {&cards::kCrossSlopeCard, m2e::CrossSlopeFields(), Length::Millimetres},
        {&cards::kCrossSlopeOverrideCard, m2e::CrossSlopeOverrideFields(), Length::Millimetres},
        {&cards::kReferenceLineCard, m2e::ReferenceLineFields(), Length::Millimetres},
        {&cards::kGirderLineCard, m2e::GirderLineFields(false), Length::Millimetres},
        {&cards::kGirderLineCard, m2e::GirderLineFields(true), Length::Metres},
        {&cards::kBentLineCard, m2e::BentLineFields(), Length::Millimetres},
        {&cards::kDeadLoadCard, m2e::DeadLoadFields(false), Length::Millimetres},
        {&cards::kDeadLoadCard, m2e::DeadLoadFields(true), Length::Metres},
        {&cards::kRoadApproachCard, m2e::RoadApproachFields(), Length::Millimetres}};
    int converted = 0;
    for (const Table& table : tables) {
        for (const m2e::CardField& field : table.fields) {
            if (field.rule == m2e::FieldRule::Copied) continue;
            ASSERT_TRUE(table.layout->Has(field.name)) << field.name;
            const cards::Field& layout = table.layout->Find(field.name);
            EXPECT_EQ(field.first, layout.first) << field.name;
            EXPECT_EQ(field.last, layout.last) << field.name;
            EXPECT_EQ(field.decimalsIn, layout.Decimals(cards::DeckUnits::Metric, table.length))
                << field.name;
            EXPECT_EQ(field.decimals, layout.Decimals(cards::DeckUnits::Feet)) << field.name;
            ++converted;
        }
    }
    EXPECT_GT(converted, 0);
}

}  // namespace
