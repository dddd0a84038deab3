#include <gtest/gtest.h>

#include <sstream>

#include "fixedform/TextLines.hpp"

namespace ff = quillon::fixedform;

TEST(ReadTextLine, LfAndCrlfGiveTheSameLines) {
    std::istringstream lf("00 A\n01 B\n\nlast"), crlf("00 A\r\n01 B\r\n\r\nlast");
    for (std::istream* in : {static_cast<std::istream*>(&lf), static_cast<std::istream*>(&crlf)}) {
        std::string line;
        ASSERT_TRUE(ff::ReadTextLine(*in, line));
        EXPECT_EQ(line, "00 A");
        ASSERT_TRUE(ff::ReadTextLine(*in, line));
        EXPECT_EQ(line, "01 B");
        ASSERT_TRUE(ff::ReadTextLine(*in, line));
        EXPECT_EQ(line, "");
        ASSERT_TRUE(ff::ReadTextLine(*in, line));
        EXPECT_EQ(line, "last");
        EXPECT_FALSE(ff::ReadTextLine(*in, line));
    }
}

TEST(ReadTextLine, OnlyOneTrailingCarriageReturnIsDropped) {
    std::istringstream in("AB\r\r\n");
    std::string line;
    ASSERT_TRUE(ff::ReadTextLine(in, line));
    EXPECT_EQ(line, "AB\r");
}

TEST(CardColumns, PadsAndCutsToTheCard) {
    EXPECT_EQ(ff::CardColumns("01", 4), "01  ");
    EXPECT_EQ(ff::CardColumns(std::string(90, 'x')).size(), 80u);
}
