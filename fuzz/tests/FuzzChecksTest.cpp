#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "fuzz/FuzzChecks.hpp"
#include "testsupport/CaseName.hpp"

namespace qf = quillon::fuzz;

namespace {

struct NonFiniteCase {
    std::string name;
    std::string output;
    std::string input;
    std::optional<std::string> word;
};

class NonFiniteWordTest : public ::testing::TestWithParam<NonFiniteCase> {};

TEST_P(NonFiniteWordTest, FindsTheWordsOfNonFiniteNumbersTheInputDoesNotHold) {
    EXPECT_EQ(qf::NonFiniteWord(GetParam().output, GetParam().input), GetParam().word);
}

// The words are those that printf and iostreams write for NaN and infinity.
INSTANTIATE_TEST_SUITE_P(
    Outputs, NonFiniteWordTest,
    ::testing::Values(NonFiniteCase{"NumbersOnly", "  12.500  -3.25E+02 ****", "", std::nullopt},
                      NonFiniteCase{"NanBetweenNumbers", " 1.0 -nan 2.0", "", "nan"},
                      NonFiniteCase{"NanAgainstDigits", "12.5nan", "", "nan"},
                      NonFiniteCase{"UpperCaseInfinity", "X=INF;", "", "INF"},
                      NonFiniteCase{"SpelledInfinity", "-Infinity", "", "Infinity"},
                      NonFiniteCase{"WordsThatHoldTheLetters", "INFO NANCY FINAL banana", "",
                                    std::nullopt},
                      NonFiniteCase{"EchoOfTheInput", "00 NAN RIVER", "00 nan river", std::nullopt},
                      NonFiniteCase{"InputHoldsAnotherWord", "nan", "inf", "nan"}),
    quillon::testsupport::CaseName());

TEST(FatalErrorBoxLine, FindsALineOfTheBoxAndNotTheWordsElsewhere) {
    const std::string box = std::string(25, ' ') + "ERROR" + std::string(27, ' ') + "FATAL ERROR" +
                            std::string(27, ' ') + "ERROR";
    EXPECT_EQ(qf::FatalErrorBoxLine("1 PAGE\n" + box + "\n"), box);
    EXPECT_EQ(qf::FatalErrorBoxLine(" THE FATAL ERROR OF LAST YEAR\n"), std::nullopt);
    EXPECT_EQ(
        qf::FatalErrorBoxLine(std::string(25, ' ') + "ERROR" + std::string(65, ' ') + "ERROR\n"),
        std::nullopt);
}

TEST(ScratchFolder, HoldsTheFilesOfOneRunAndIsRemovedAfterIt) {
    std::filesystem::path path;
    {
        qf::ScratchFolder folder;
        path = folder.path();
        folder.Write("b.dat", "two\n");
        folder.Write("a.dat", "");
        EXPECT_EQ(folder.Names(), (std::vector<std::string>{"a.dat", "b.dat"}));
        EXPECT_EQ(folder.Read("b.dat"), "two\n");
        EXPECT_EQ(folder.Read("c.dat"), std::nullopt);
        std::filesystem::create_directory(folder.path() / "d");
        EXPECT_EQ(folder.Read("d"), std::nullopt);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CheckFolderAfterRun, AFileLeftBehindOrAChangedInputIsAFinding) {
    qf::ScratchFolder folder;
    folder.Write("deck.dat", "00\n");
    folder.Write("deck.lis", "");
    qf::CheckFolderAfterRun(folder, {"deck.dat", "deck.lis"}, "deck.dat", "00\n");
    folder.Write(".deck.lis.1.tmp", "");
    EXPECT_DEATH(qf::CheckFolderAfterRun(folder, {"deck.dat", "deck.lis"}, "deck.dat", "00\n"),
                 "left files.*\\.deck\\.lis\\.1\\.tmp");
    EXPECT_DEATH(qf::CheckFolderAfterRun(folder, {"deck.dat", "deck.lis", ".deck.lis.1.tmp"},
                                         "deck.dat", "01\n"),
                 "changed its input");
}

TEST(CheckStatus, AStatusOutsideTheProgramsOwnIsAFinding) {
    qf::CheckStatus("QlEngl", 4, {0, 4});
    EXPECT_DEATH(qf::CheckStatus("QlEngl", 1, {0, 4}), "QlEngl ended .*status 1");
}

}  // namespace
