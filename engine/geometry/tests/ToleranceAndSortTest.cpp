#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "engine/geometry/TaggedSort.hpp"
#include "engine/geometry/Tolerance.hpp"

namespace g = quillon::geometry;

namespace {

TEST(CompareWithTolerance, ThreeWaysWithAnAbsoluteTolerance) {
    struct {
        double a, b, tol;
        int expected;
    } cases[] = {
        {4.5, 5.0, 0.6, 0},  // within the tolerance
        {4.5, 3.8, 0.6, 1},  // 0.7 apart, a above
        {3.8, 4.5, 0.6, -1},
        {4.5, 5.0, -0.6, 0},  // a negative tolerance acts as its absolute value
        {4.5, 3.8, -0.6, 1},
        {1.0, 1.5, 0.5, -1},  // exactly the tolerance apart is not within it
        {2.0, 2.0, 0.0, -1},  // zero tolerance: equal is not "within"
    };
    for (const auto& c : cases)
        EXPECT_EQ(g::CompareWithTolerance(c.a, c.b, c.tol), c.expected) << c.a << " " << c.b;
}

TEST(SortWithTags, SortsAscendingWithTheTagsMoving) {
    std::vector<double> keys{5, 1, 4, 9, 2, 8, 3, 7, 6, 0};
    std::vector<int> tags{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    g::SortWithTags(10, keys, tags);
    EXPECT_EQ(keys, (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(tags, (std::vector<int>{9, 1, 4, 6, 2, 0, 8, 7, 5, 3}));
}

TEST(SortWithTags, EqualKeysComeOutInTheShellSortsOrder) {
    // Three keys: gaps 4 -> 2, 1. Gap 2 moves key 1 (tag 2) past key 5
    // (tag 0), giving tags 2, 1, 0; gap 1 moves nothing (5 is not below 5).
    std::vector<double> keys{5, 5, 1};
    std::vector<int> tags{0, 1, 2};
    g::SortWithTags(3, keys, tags);
    EXPECT_EQ(tags, (std::vector<int>{2, 1, 0}));
}

TEST(SortWithTags, TenKeysUseTheGapsSevenThreeOne) {
    // Gap 7 swaps positions 1 and 8 (key 1 below key 3); gaps 3 and 1 find
    // no key strictly below the one before it. Tag 0 thus stays ahead of
    // tag 8 but tag 1 ends behind tags 2..7. (Gaps 5, 2, 1 would give the
    // tags 0, 8, 2, 1, 4, 5, 6, 7, 3, 9; a stable sort 0, 8, 1, 2, ...)
    std::vector<double> keys{1, 3, 3, 3, 3, 3, 3, 3, 1, 3};
    std::vector<int> tags{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    g::SortWithTags(10, keys, tags);
    EXPECT_EQ(keys, (std::vector<double>{1, 1, 3, 3, 3, 3, 3, 3, 3, 3}));
    EXPECT_EQ(tags, (std::vector<int>{0, 8, 2, 3, 4, 5, 6, 7, 1, 9}));
}

TEST(SortWithTags, SortsOnlyTheFirstNAndNoPassForOne) {
    std::vector<double> keys{3, 2, 1};
    std::vector<int> tags{0, 1, 2};
    g::SortWithTags(1, keys, tags);
    EXPECT_EQ(tags, (std::vector<int>{0, 1, 2}));
    g::SortWithTags(2, keys, tags);
    EXPECT_EQ(tags, (std::vector<int>{1, 0, 2}));
    g::SortWithTags(0, keys, tags);
    g::SortWithTags(-4, keys, tags);
    // a count beyond the arrays sorts what is there
    g::SortWithTags(50, keys, tags);
    EXPECT_EQ(keys, (std::vector<double>{1, 2, 3}));
}

TEST(SortWithTags, NaNKeysDoNotBreakTheSort) {
    double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> keys{2, nan, 1, 0};
    std::vector<int> tags{0, 1, 2, 3};
    g::SortWithTags(4, keys, tags);
    std::vector<int> sortedTags = tags;
    std::sort(sortedTags.begin(), sortedTags.end());
    EXPECT_EQ(sortedTags, (std::vector<int>{0, 1, 2, 3}));  // a permutation, nothing lost
}

}  // namespace
