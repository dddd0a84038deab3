#include <gtest/gtest.h>

#include "engine/run/TextHelpers.hpp"

namespace quillon::engine {
namespace {

TEST(SqueezeText, RemovesBlanksFromTheFirstNCharacters) {
    std::string t = "(   2)";
    EXPECT_EQ(SqueezeText(6, t), 3);
    EXPECT_EQ(t, "(2)   ");
    std::string u = "A B C D";
    EXPECT_EQ(SqueezeText(3, u), 1);
    EXPECT_EQ(u, "AB  C D");  // characters after the 3rd stay
    std::string v = "NOBLANKS";
    EXPECT_EQ(SqueezeText(-1, v), 0);
    EXPECT_EQ(v, "NOBLANKS");
}

TEST(SqueezeText, SafeForAnyCountAndLength) {
    std::string t = " a ";
    EXPECT_EQ(SqueezeText(1000, t), 2);
    EXPECT_EQ(t, "a  ");
    std::string empty;
    EXPECT_EQ(SqueezeText(5, empty), 0);
    std::string longText(50, ' ');
    longText[40] = 'x';
    EXPECT_EQ(SqueezeText(-1, longText), 49);
    EXPECT_EQ(longText[0], 'x');
}

TEST(ReplaceCharacterAt, ResultsAndBounds) {
    std::string t = "0 5";
    EXPECT_EQ(ReplaceCharacterAt(t, 0, ' ', '0'), -1);
    EXPECT_EQ(ReplaceCharacterAt(t, 4, ' ', '0'), -1);  // beyond the text
    EXPECT_EQ(ReplaceCharacterAt(t, -7, ' ', '0'), -1);
    EXPECT_EQ(BlankToZeroAt(t, 2), 1);
    EXPECT_EQ(t, "005");
    EXPECT_EQ(BlankToZeroAt(t, 2), 0);
    EXPECT_EQ(ZeroToBlankAt(t, 1), 1);
    EXPECT_EQ(t, " 05");
    EXPECT_EQ(BlankToPlusAt(t, 1), 1);
    EXPECT_EQ(t, "+05");
    EXPECT_EQ(ForceMinusAt(t, 1), 1);  // forces the character whatever stood there
    EXPECT_EQ(t, "-05");
    EXPECT_EQ(ForceMinusAt(t, 1), 0);
}

TEST(CharacterCode, Table) {
    EXPECT_EQ(CharacterCode(' '), 0);
    EXPECT_EQ(CharacterCode('0'), 0);
    EXPECT_EQ(CharacterCode('A'), 1);
    EXPECT_EQ(CharacterCode('C'), 3);
    EXPECT_EQ(CharacterCode('c'), 3);
    EXPECT_EQ(CharacterCode('Z'), 26);
    EXPECT_EQ(CharacterCode('1'), 28);
    EXPECT_EQ(CharacterCode('3'), 30);
    EXPECT_EQ(CharacterCode('9'), 36);
    EXPECT_EQ(CharacterCode(':'), 37);
    EXPECT_EQ(CharacterCode('@'), 43);
    EXPECT_EQ(CharacterCode('-'), 60);
    EXPECT_EQ(CharacterCode('['), 60);
    EXPECT_EQ(CharacterCode('\xe9'), 60);
}

TEST(SectionNumberText, SqueezedAndLeftJustified) {
    EXPECT_EQ(MakeSectionNumberText(2), "(2)       ");
    EXPECT_EQ(MakeSectionNumberText(13), "(13)      ");
    EXPECT_EQ(MakeSectionNumberText(12345), "(****)    ");
}

}  // namespace
}  // namespace quillon::engine
