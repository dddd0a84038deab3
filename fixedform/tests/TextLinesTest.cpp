#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// A text split whole gives the lines that reading it line by line gives: LF
// or CRLF, one CR dropped, a lone CR kept, an empty last line only where a
// line end follows it, nothing for an empty text.
TEST(SplitTextLines, GivesTheLinesThatReadingLineByLineGives) {
    using Lines = std::vector<std::string>;
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"", {}},
        {"\n", {""}},
        {"\r\n", {""}},
        {"only", {"only"}},
        {"00 A\n01 B\n\nlast", {"00 A", "01 B", "", "last"}},
        {"00 A\r\n01 B\r\n\r\nlast\r\n", {"00 A", "01 B", "", "last"}},
        {"AB\r\r\nC\rD\n", {"AB\r", "C\rD"}},
        {"end\n\r", {"end", ""}},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ff::SplitTextLines(text), expected) << '"' << text << '"';
        std::istringstream in(text);
        Lines read;
        for (std::string line; ff::ReadTextLine(in, line);) read.push_back(line);
        EXPECT_EQ(read, expected) << '"' << text << '"';
    }
}
