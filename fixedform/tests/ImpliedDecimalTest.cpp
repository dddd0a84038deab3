// Fields with implied decimals written digit for digit ("w,d", no point).
#include <gtest/gtest.h>

#include "fixedform/ImpliedDecimal.hpp"

namespace quillon::fixedform {
namespace {

TEST(FormatImpliedDecimal, CutsTheFractionAndRightJustifiesTheIntegerPart) {
    // 12.349 in "4,2": integer 12 in 4 columns, fraction cut (not rounded) to 34.
    EXPECT_EQ(FormatImpliedDecimal({false, "12", "349"}, 4, 2), "  1234");
    // Missing fraction digits are zeros.
    EXPECT_EQ(FormatImpliedDecimal({false, "5", ""}, 2, 3), " 5000");
    // Below 1 the integer part is a 0.
    EXPECT_EQ(FormatImpliedDecimal({false, "", "25"}, 3, 2), "  025");
}

TEST(FormatImpliedDecimal, AValueBetweenMinusOneAndZeroKeepsItsSignInTheFirstColumn) {
    // -0.25 in "4,2": "-", three blanks, 25.
    EXPECT_EQ(FormatImpliedDecimal({true, "", "25"}, 4, 2), "-   25");
    // -0.004 is zero at two decimals and has no sign.
    EXPECT_EQ(FormatImpliedDecimal({true, "", "004"}, 3, 2), "  000");
    EXPECT_FALSE(FormatImpliedDecimal({true, "", "25"}, 0, 2).has_value());
}

TEST(FormatImpliedDecimal, AnIntegerPartWiderThanItsColumnsDoesNotFit) {
    EXPECT_FALSE(FormatImpliedDecimal({false, "100", ""}, 2, 0).has_value());
    EXPECT_FALSE(FormatImpliedDecimal({true, "10", "5"}, 2, 1).has_value());  // "-10"
    EXPECT_EQ(FormatImpliedDecimal({true, "1", "5"}, 2, 1), "-15");
}

}  // namespace
}  // namespace quillon::fixedform
