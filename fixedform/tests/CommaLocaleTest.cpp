// The writers and readers under a locale whose decimal mark is a comma, as
// the editor's process runs where the user's environment sets one (Qt takes
// the locale from it): every text keeps its "." and every field reads as in
// the "C" locale. Skipped where no such locale is installed (`make deps`
// generates de_DE.UTF-8).
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace ff = quillon::fixedform;

namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* current = std::setlocale(LC_NUMERIC, nullptr);
        before_ = current != nullptr ? current : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8"})
            if (std::setlocale(LC_NUMERIC, name) != nullptr) break;
        if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
            std::setlocale(LC_NUMERIC, before_.c_str());
            GTEST_SKIP() << "no locale with a decimal comma (de_DE.UTF-8) is installed";
        }
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, before_.c_str()); }

private:
    std::string before_;
};

// Each of these takes the road through the whole decimal expansion: a tie,
// a kP scale, a value past 1e30, and the exponent form of Gw.d.
TEST_F(CommaLocale, FieldsKeepTheirPointOnEveryRoad) {
    EXPECT_EQ(ff::FormatF(0.125, 6, 2), "  0.13");  // exactly halfway: away from zero
    EXPECT_EQ(ff::FormatF(-2.5, 5, 0), "  -3.");
    EXPECT_EQ(ff::FormatFExact(2.675, 6, 2), "  2.67");  // 2.67499999... in binary
    EXPECT_EQ(ff::FormatF(0.025, 8, 2, ff::PlusSign::Suppress, 2), "    2.50");  // 2P
    EXPECT_EQ(ff::FormatF(1e31, 33, 1), "9999999999999999635896294965248.0");
    EXPECT_EQ(ff::FormatG(1.5e-10, 12, 4), "  0.1500E-09");
    EXPECT_EQ(ff::FormatG(-12345.678, 12, 4), " -0.1235E+05");
    EXPECT_EQ(ff::FormatG(1.0e-120, 14, 6), "  0.100000-119");
    const ff::DecimalDigits digits = ff::RoundToDigits(0.125, 2);
    EXPECT_EQ(digits.fraction, "13");
    EXPECT_EQ(ff::Record().F(1234.5, 10, 3).P(1).F(0.5, 6, 1).str(), "  1234.500   5.0");
}

TEST_F(CommaLocale, FieldsReadAsInTheCLocale) {
    EXPECT_DOUBLE_EQ(ff::ReadFwd("  12.5", 2, ff::Blanks::Ignored).value, 12.5);
    EXPECT_DOUBLE_EQ(ff::ReadFwd("  1250", 2).value, 12.5);
    EXPECT_DOUBLE_EQ(ff::ReadFwd("1.5E3", 0, ff::Blanks::Ignored).value, 1500.0);
    EXPECT_DOUBLE_EQ(ff::ReadFwd(" 250", 2, ff::Blanks::AsZeros, 2).value, 0.025);
    EXPECT_EQ(ff::ReadFwd("1,5", 2, ff::Blanks::Ignored).status, ff::FieldStatus::NotANumber);
}

}  // namespace
