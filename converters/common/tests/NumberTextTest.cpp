#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "converters/common/NumberText.hpp"
#include "testsupport/CaseName.hpp"

namespace qc = quillon::converters;

namespace {

struct NumberCase {
    std::string name;
    std::string text;
    std::optional<double> decimal;
    std::optional<int> whole;
};

class NumberText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, ReadsTheWholeTextOrNothing) {
    const NumberCase& c = GetParam();
    EXPECT_EQ(qc::ReadDecimalText(c.text), c.decimal);
    EXPECT_EQ(qc::ReadWholeText(c.text), c.whole);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberText,
    ::testing::Values(NumberCase{"Whole", "1000", 1000.0, 1000},
                      NumberCase{"SignedWhole", "-42", -42.0, -42},
                      NumberCase{"PlusSign", "+7", 7.0, 7},
                      NumberCase{"Decimal", "56.78", 56.78, std::nullopt},
                      NumberCase{"LeadingPoint", "-.5", -0.5, std::nullopt},
                      NumberCase{"Exponent", "1.5E3", 1500.0, std::nullopt},
                      NumberCase{"DExponent", "25d-1", 2.5, std::nullopt},
                      NumberCase{"BlanksAround", "  12 ", 12.0, 12},
                      NumberCase{"LetterOForZero", "1O00", std::nullopt, std::nullopt},
                      NumberCase{"BlankInside", "1 000", std::nullopt, std::nullopt},
                      NumberCase{"SignAlone", "-", std::nullopt, std::nullopt},
                      NumberCase{"PointAlone", ".", std::nullopt, std::nullopt},
                      NumberCase{"Empty", "", std::nullopt, std::nullopt},
                      NumberCase{"Blank", "   ", std::nullopt, std::nullopt},
                      NumberCase{"TooLargeForADouble", "1E999", std::nullopt, std::nullopt},
                      NumberCase{"TooLargeForAnInt", "99999999999", 99999999999.0, std::nullopt},
                      NumberCase{"Comma", "1,5", std::nullopt, std::nullopt},
                      NumberCase{"Tab", "\t5", std::nullopt, std::nullopt}),
    quillon::testsupport::CaseName());

struct FormatCase {
    std::string name;
    double value;
    int decimals;
    std::string text;
};

class DecimalForm : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DecimalForm, TakesAsManyColumnsAsTheValueNeeds) {
    EXPECT_EQ(qc::FormatDecimal(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DecimalForm,
    ::testing::Values(FormatCase{"SixDecimals", 1000.0, 6, "1000.000000"},
                      FormatCase{"Negative", -1234.5678, 4, "-1234.5678"},
                      FormatCase{"BelowOne", 0.25, 4, "0.2500"},
                      // 1/128 = 0.0078125 exactly: half away from zero, not to even.
                      FormatCase{"ExactHalfRoundsAwayFromZero", 0.0078125, 6, "0.007813"},
                      FormatCase{"NegativeZeroHasNoSign", -0.0000001, 6, "0.000000"},
                      FormatCase{"Wide", 1e20, 2, "100000000000000000000.00"},
                      FormatCase{"Infinity", -HUGE_VAL, 3, "-inf"}),
    quillon::testsupport::CaseName());

}  // namespace
