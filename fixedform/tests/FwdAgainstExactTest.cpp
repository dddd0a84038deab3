// FormatF takes a fast path (integer rounding for listing-sized values,
// std::to_chars at the field's precision beyond them) and leaves possible ties
// of the latter to the whole decimal expansion. These tests prove the
// two paths print the same text: on random values of every kind the listing
// meets, on values a hair from a tie, and on exact ties of every width and
// number of decimals the listing uses (an exact tie at d decimals is a value
// j / 2^(d+1) with j odd, the only binary fractions whose d+1-th decimal is a
// 5 followed by zeros).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "fixedform/RecordWriter.hpp"

namespace ff = quillon::fixedform;

namespace {

struct Edit {
    int width;
    int decimals;
};

// The Fw.d edits of the listing and the camber listing, and those the Gw.d
// edits (G12.6, G19.9) fall back to.
std::vector<Edit> ListingEdits() {
    std::vector<Edit> edits = {{6, 2},   {8, 4},  {9, 2},  {9, 4},  {9, 6},  {10, 4},
                               {10, 6},  {11, 4}, {12, 4}, {12, 6}, {13, 4}, {17, 4},
                               {18, 4},  {19, 4}, {25, 4}, {48, 4}, {90, 6}, {16, 6},
                               {20, 10}, {7, 3},  {5, 1},  {4, 0},  {3, 0},  {10, 0}};
    for (int d = 0; d <= 6; ++d) edits.push_back({8, d});
    for (int d = 0; d <= 9; ++d) edits.push_back({15, d});
    return edits;
}

void ExpectSameText(double value, int width, int decimals, ff::PlusSign plus) {
    ASSERT_EQ(ff::FormatF(value, width, decimals, plus),
              ff::FormatFExact(value, width, decimals, plus))
        << "value " << std::hexfloat << value << std::defaultfloat << " F" << width << "."
        << decimals;
}

// The digits RoundToDigits gives are the digits the exact Fw.d prints.
void ExpectSameDigits(double value, int decimals) {
    ff::DecimalDigits digits = ff::RoundToDigits(value, decimals);
    std::string text = ff::FormatFExact(value, 1200, decimals);  // room for any double
    std::string expected = (digits.negative ? "-" : "") +
                           (digits.whole.empty() ? std::string("0") : digits.whole) + "." +
                           digits.fraction;
    size_t first = text.find_first_not_of(' ');
    ASSERT_EQ(text.substr(first), expected) << std::hexfloat << value << " to " << decimals;
}

// A value of every kind: listing-sized numbers, tiny and huge ones, whole
// numbers, and random bit patterns over the whole range of doubles.
double RandomValue(std::mt19937_64& random) {
    std::uniform_int_distribution<int> kind(0, 5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    switch (kind(random)) {
        case 0:
            return unit(random) * 1000.0;
        case 1:
            return unit(random) *
                   std::pow(10.0, std::uniform_int_distribution<int>(-12, 14)(random));
        case 2:
            return std::ldexp(unit(random), std::uniform_int_distribution<int>(-60, 80)(random));
        case 3:
            return std::round(unit(random) * 1e6);
        case 4: {
            std::uint64_t bits = random();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        default:
            return unit(random) * 1e-3;
    }
}

TEST(FwdFastPath, PrintsTheExactTextOnAHundredThousandRandomValues) {
    std::mt19937_64 random(20240611);
    const std::vector<Edit> edits = ListingEdits();
    std::uniform_int_distribution<size_t> pick(0, edits.size() - 1);
    for (int n = 0; n < 100000; ++n) {
        double value = RandomValue(random);
        const Edit& edit = edits[pick(random)];
        ExpectSameText(value, edit.width, edit.decimals,
                       n % 7 == 0 ? ff::PlusSign::Show : ff::PlusSign::Suppress);
        if (n % 10 == 0 && std::isfinite(value)) ExpectSameDigits(value, edit.decimals);
    }
}

// (k + 1/2) / 10^d as the nearest double: never an exact tie for d >= 1, but
// within an ulp of one, where a wrong rounding would show first.
TEST(FwdFastPath, PrintsTheExactTextNextToTies) {
    std::mt19937_64 random(7);
    for (const Edit& edit : ListingEdits()) {
        double scale = std::pow(10.0, edit.decimals);
        for (int n = 0; n < 400; ++n) {
            double k = std::floor(std::uniform_real_distribution<double>(0.0, 1e6)(random));
            double value = (k + 0.5) / scale;
            for (double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e300)}) {
                ExpectSameText(v, edit.width, edit.decimals, ff::PlusSign::Suppress);
                ExpectSameText(-v, edit.width, edit.decimals, ff::PlusSign::Suppress);
            }
        }
    }
}

TEST(FwdFastPath, RoundsExactTiesAwayFromZeroInEveryEdit) {
    std::mt19937_64 random(11);
    std::vector<Edit> edits = ListingEdits();
    for (int width = 1; width <= 20; ++width)
        for (int decimals = 0; decimals < width; ++decimals) edits.push_back({width, decimals});
    for (const Edit& edit : edits) {
        // Small odd numerators (0.5, 0.25, 0.125 ... at their decimals) and
        // random ones up to 2^53, which reach every magnitude of the field.
        std::vector<std::uint64_t> numerators;
        for (std::uint64_t j = 1; j < 200; j += 2) numerators.push_back(j);
        for (int n = 0; n < 200; ++n) {
            int bits = std::uniform_int_distribution<int>(1, 53)(random);
            std::uint64_t j = random() >> (64 - bits);
            numerators.push_back(j | 1);
        }
        for (std::uint64_t j : numerators) {
            double tie = std::ldexp(static_cast<double>(j), -(edit.decimals + 1));
            ExpectSameText(tie, edit.width, edit.decimals, ff::PlusSign::Suppress);
            ExpectSameText(-tie, edit.width, edit.decimals, ff::PlusSign::Show);
            ExpectSameDigits(tie, edit.decimals);
        }
    }
    // Worked by hand: 0.03125 = 1/32 is a tie at 4 decimals and rounds up.
    EXPECT_EQ(ff::FormatF(0.03125, 10, 4), "    0.0313");
    EXPECT_EQ(ff::FormatF(-0.03125, 10, 4), "   -0.0313");
    EXPECT_EQ(ff::FormatF(2.5, 4, 0), "  3.");
    EXPECT_EQ(ff::FormatF(0.5, 2, 0), "1.");
}

// The fixed-point writer builds its text in one word of eight digits, in two, or
// digit by digit, by the count of digits; every count meets every width here
// at both sides of its power of ten, with the signs, and below one where the
// leading zero gives way.
TEST(FwdFastPath, PrintsTheExactTextAtEveryCountOfDigitsAndWidth) {
    for (int decimals = 0; decimals <= 10; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        for (int digits = 0; digits <= 16; ++digits) {
            const double power = std::pow(10.0, digits);
            for (double n : {power - 1.0, power, power + 1.0}) {
                const double value = n / scale;
                for (double v : {value, std::nextafter(value, 0.0), std::nextafter(value, 1e300)})
                    for (int width = 1; width <= 24; ++width) {
                        ExpectSameText(v, width, decimals, ff::PlusSign::Suppress);
                        ExpectSameText(-v, width, decimals, ff::PlusSign::Suppress);
                        ExpectSameText(v, width, decimals, ff::PlusSign::Show);
                    }
            }
        }
    }
}

TEST(FwdFastPath, LeavesOutOfRangeValuesToTheExactExpansion) {
    // Above 1e30, or more than 40 decimals: the exact expansion prints them.
    for (double value : {1e30, -3.5e40, 1.7976931348623157e308, 4.9e-324}) {
        ExpectSameText(value, 48, 4, ff::PlusSign::Suppress);
        ExpectSameText(value, 90, 45, ff::PlusSign::Suppress);
    }
}

}  // namespace
