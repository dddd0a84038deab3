// The run frame of the converters: where each message goes, a log that fails
// said once on stderr with every later message refused, and the abort status.
#include <gtest/gtest.h>

#include <sstream>

#include "converters/common/ConverterMessages.hpp"
#include "converters/common/tests/TempFolder.hpp"

namespace qc = quillon::converters;
namespace fs = std::filesystem;

namespace {

class MessagesTest : public ::testing::Test {
protected:
    qc::ConverterMessages Messages(const fs::path& folder) {
        return qc::ConverterMessages({out_, err_}, qc::StickLogSpec(), folder, "Mon\n", env_);
    }
    std::string Log() const { return qc::testing::ReadFile(temp_.path() / "Qlvr2Stick.ELF"); }
    // What the log holds after its header.
    std::string LogMessages() const {
        const std::string log = Log();
        const std::string rule(80, '-');
        const size_t end = log.find(rule + "\n\n", rule.size());
        return end == std::string::npos ? log : log.substr(end + rule.size() + 2);
    }

    qc::testing::TempFolder temp_;
    quillon::FixedEnvironment env_{{2026, 6, 3, 9, 5, 7}, "kral", "/usr/bin"};
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(MessagesTest, EachMessageGoesToTheLogAndWhatIsSaidToTheConsoleToo) {
    qc::ConverterMessages messages = Messages(temp_.path());
    EXPECT_TRUE(messages.Log("logged only"));
    EXPECT_TRUE(messages.Say("said"));
    EXPECT_TRUE(messages.Say("a file error", true));
    EXPECT_EQ(out_.str(), "said\n");
    EXPECT_EQ(err_.str(), "a file error\n");
    EXPECT_EQ(LogMessages(), "logged only\nsaid\na file error\n");
}

TEST_F(MessagesTest, AbortSaysTheMessageAndGivesTheAbortStatus) {
    qc::ConverterMessages messages = Messages(temp_.path());
    EXPECT_EQ(messages.Abort("No girders were found"), -1);
    EXPECT_EQ(messages.Abort("Too many arguments, aborting.", true), qc::kAbortStatus);
    EXPECT_EQ(out_.str(), "No girders were found\n");
    EXPECT_EQ(err_.str(), "Too many arguments, aborting.\n");
    EXPECT_EQ(LogMessages(), "No girders were found\nToo many arguments, aborting.\n");
}

TEST_F(MessagesTest, ALogThatFailsIsSaidOnceAndRefusesEveryLaterMessage) {
    qc::ConverterMessages messages = Messages(temp_.path() / "missing");
    EXPECT_FALSE(messages.Log("first"));
    EXPECT_FALSE(messages.Say("second"));
    EXPECT_FALSE(messages.Log("third"));
    EXPECT_EQ(err_.str(), "Qlvr->Stick-E-Error opening log file.  Aborting process\n");
    EXPECT_EQ(out_.str(), "second\n");  // the console still shows what is said
    EXPECT_FALSE(fs::exists(temp_.path() / "missing"));
}

}  // namespace
