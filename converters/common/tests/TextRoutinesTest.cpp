#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "converters/common/ConverterConsole.hpp"
#include "converters/common/LineWriter.hpp"
#include "converters/common/TextRoutines.hpp"

namespace qc = quillon::converters;

namespace {

TEST(FindChar, ReportsAnOffsetOutsideTheTextAndYieldsZero) {
    std::vector<std::string> messages;
    qc::MessageSink report = [&](std::string_view m) { messages.emplace_back(m); };
    EXPECT_EQ(qc::FindChar("abc", 4, 'a', report), 0);
    EXPECT_EQ(qc::FindChar("abc", -1, 'a', report), 0);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], "Error, offset cannot be < 0 or > length of string.");
    // An offset at the end is inside: the character is simply not there.
    EXPECT_EQ(qc::FindChar("abc", 3, 'x', report), -1);
    EXPECT_EQ(qc::FindChar("abcabc", 1, 'a', report), 3);
    EXPECT_EQ(qc::FindChar("abc", 0, 'a', report), 0);
    EXPECT_EQ(messages.size(), 2u);
}

TEST(RightTrim, DropsBlanksTabsAndTheLineEnd) {
    EXPECT_EQ(qc::RightTrim("   \r\n"), "");
    EXPECT_EQ(qc::RightTrim(""), "");
    EXPECT_EQ(qc::RightTrim("  00 DECK \t \n"), "  00 DECK");
    EXPECT_EQ(qc::RightTrim("x\xe9"), "x\xe9");  // a code above 127 is not a blank
}

TEST(LeftTrim, DropsLeadingBlanksAndCutsAtTheFirstControlCharacter) {
    EXPECT_EQ(qc::LeftTrim("  abc\tdef"), "abc");
    EXPECT_EQ(qc::LeftTrim(""), "");
    EXPECT_EQ(qc::LeftTrim(" \t "), "");
    EXPECT_EQ(qc::LeftTrim("  STRUCTURE ID: B-17   \n"), "STRUCTURE ID: B-17   ");
}

TEST(LineWriter, WritesToTheConsoleTheOutputOrBoth) {
    std::ostringstream console;
    std::string output;
    qc::LineWriter writer(console, output);
    writer.WriteLine("01", 0, qc::WriteMode::Output);
    writer.WriteLine("R", 1, qc::WriteMode::Output);
    writer.WriteLine(".", 3, qc::WriteMode::Console);  // no newlines on the console
    writer.WriteLine("both", 2, qc::WriteMode::Both);
    EXPECT_EQ(output, "01R\nboth\n\n");
    EXPECT_EQ(console.str(), ".both");
}

TEST(AbortRun, PrintsTheMessageAndGivesTheAbortStatus) {
    std::ostringstream console;
    EXPECT_EQ(qc::AbortRun(console, "Unexpected end of file found at skipRec(), aborting process."),
              -1);
    EXPECT_EQ(console.str(), "Unexpected end of file found at skipRec(), aborting process.\n");
}

}  // namespace
