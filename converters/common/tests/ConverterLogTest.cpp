#include <gtest/gtest.h>

#include "converters/common/ConverterLog.hpp"
#include "converters/common/tests/TempFolder.hpp"
#include "testsupport/CaseName.hpp"

namespace qc = quillon::converters;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) { return qc::testing::ReadFile(path); }

const std::string kRule(80, '-');

struct TimeCase {
    const char* name;
    quillon::LocalTime time;
    const char* text;
};

class RunTimeTextTable : public ::testing::TestWithParam<TimeCase> {};

TEST_P(RunTimeTextTable, HasTheAsctimeForm) {
    EXPECT_EQ(qc::RunTimeText(GetParam().time), GetParam().text);
}

// Weekdays from a calendar: 3 June 2026 is a Wednesday, 29 February 2000 a
// Tuesday, 31 December 1999 a Friday.
INSTANTIATE_TEST_SUITE_P(
    Times, RunTimeTextTable,
    ::testing::Values(
        TimeCase{"DayPaddedWithBlank", {2026, 6, 3, 9, 5, 7}, "Wed Jun  3 09:05:07 2026\n"},
        TimeCase{"LeapDayLastSecond", {2000, 2, 29, 23, 59, 59}, "Tue Feb 29 23:59:59 2000\n"},
        TimeCase{"MidnightAtEndOfYear", {1999, 12, 31, 0, 0, 0}, "Fri Dec 31 00:00:00 1999\n"}),
    quillon::testsupport::CaseName());

class LogTest : public ::testing::Test {
protected:
    qc::testing::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
    quillon::FixedEnvironment env_{{2026, 6, 3, 9, 5, 7}, "kral", "/usr/bin:/bin"};
};

TEST_F(LogTest, HeaderAndMessagesOfTheMetricConverter) {
    qc::ConverterLog log(qc::M2eLogSpec(), folder_, qc::RunTimeText(env_.Now()), env_);
    ASSERT_TRUE(log.WriteLog("Processing IN = deck.dat\n"));
    ASSERT_TRUE(log.WriteLogIfAny(""));  // dropped
    ASSERT_TRUE(log.WriteLog(""));       // an empty line
    ASSERT_TRUE(log.WriteLog("Checking input file for metric ..."));
    EXPECT_EQ(log.path(), folder_ / "QlvrM2E.ELF");
    EXPECT_EQ(Read(log.path()), kRule +
                                    "\n"
                                    "Quillon input metric -> english converter v1.00a\n"
                                    "TIME: Wed Jun  3 09:05:07 2026\n"
                                    "\n"
                                    "PATH: /usr/bin:/bin\n" +
                                    kRule +
                                    "\n"
                                    "\n"
                                    "Processing IN = deck.dat\n"
                                    "\n"
                                    "\n"
                                    "Checking input file for metric ...\n");
}

TEST_F(LogTest, ListingReadersShowTheUserAndTheirVersion) {
    quillon::FixedEnvironment unset{{2026, 6, 3, 9, 5, 7}};  // USER and PATH unset
    qc::ConverterLog log(qc::ToCamberLogSpec(), folder_, qc::RunTimeText(unset.Now()), unset);
    ASSERT_TRUE(log.WriteLog("message"));
    EXPECT_EQ(Read(folder_ / "Qlvr2Cmbr.ELF"), kRule +
                                                   "\n"
                                                   "Quillon to Camber data transfer v 1.00 \n"
                                                   "TIME: Wed Jun  3 09:05:07 2026\n"
                                                   "\n"
                                                   "USER: \n"
                                                   "PATH: \n" +
                                                   kRule + "\n\nmessage\n");
    EXPECT_EQ(qc::StickLogSpec().fileName, "Qlvr2Stick.ELF");
    EXPECT_EQ(qc::StickLogSpec().title + qc::StickLogSpec().version,
              "Quillon to Stick figure v 1.00 ");
}

TEST_F(LogTest, TwoRunsInOneFolderLeaveOnlyTheSecondRunsLog) {
    {
        qc::ConverterLog first(qc::M2eLogSpec(), folder_, "Mon\n", env_);
        ASSERT_TRUE(first.WriteLog("first run"));
    }
    qc::ConverterLog second(qc::M2eLogSpec(), folder_, "Tue\n", env_);
    ASSERT_TRUE(second.WriteLog("second run"));
    std::string text = Read(folder_ / "QlvrM2E.ELF");
    EXPECT_EQ(text.find("first run"), std::string::npos);
    EXPECT_NE(text.find("TIME: Tue\n"), std::string::npos);
    EXPECT_NE(text.find("second run\n"), std::string::npos);
}

TEST_F(LogTest, ALogThatCannotBeOpenedIsReported) {
    qc::ConverterLog log(qc::M2eLogSpec(), folder_ / "missing", "Mon\n", env_);
    EXPECT_FALSE(log.WriteLog("message"));
    EXPECT_EQ(log.Spec().openFailureMessage,
              "M2E-E-OpenErr unable to open file 'QlvrM2E.ELF'.  Aborting process");
}

}  // namespace
