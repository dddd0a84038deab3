#include <gtest/gtest.h>

#include <fstream>

#include "converters/common/tests/TempFolder.hpp"
#include "converters/m2e/M2eRun.hpp"
#include "platform/tests/OutputFaults.hpp"
#include "testsupport/CaseName.hpp"

namespace m2e = quillon::converters::m2e;
namespace qc = quillon::converters;
namespace fs = std::filesystem;

namespace {

// A card with each text placed from its column on; `length` pads or cuts it.
std::string Card(std::initializer_list<std::pair<int, std::string>> pieces, size_t length = 0) {
    std::string card;
    for (const auto& [first, text] : pieces) {
        size_t at = static_cast<size_t>(first - 1);
        if (card.size() < at + text.size()) card.resize(at + text.size(), ' ');
        card.replace(at, text.size(), text);
    }
    if (length > 0) card.resize(length, ' ');
    return card;
}

std::string Read(const fs::path& path) { return qc::testing::ReadFile(path); }

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

const std::string kRule(80, '-');

// A small metric deck: first card, a description card, 01, 02, 03 (hand
// values in the expected English deck below).
std::vector<std::string> MetricDeck() {
    return {
        Card({{1, "00TEST-1"}, {80, "M"}}),
        "00 A DESCRIPTION LINE",
        Card({{1, "01R 30153000"}, {13, "  125000000"}, {32, " 60000 60000"}, {52, "    600"}}),
        Card({{1, "02"},
              {3, "  2000000"},
              {12, "120000"},
              {18, "  1300000"},
              {27, " 10550000"},
              {72, " -1500000"}}),
        Card({{1, "03A00200"}, {51, "50000"}}),
    };
}

std::vector<std::string> EnglishDeck() {
    return {
        Card({{1, "00TEST-1"}}, 80),  // the metric mark is gone
        Card({{1, "00 A DESCRIPTION LINE"}}, 80),
        // PI 1250 m = 4101.041666 ft (7,4); spirals 60 m = 196.85 ft (4,2);
        // radius 600 m = 1968.5 ft, two decimals above 999.999.
        Card({{1, "01R 30153000"}, {13, "   41010416"}, {32, " 19685 19685"}, {52, "1968.50"}}, 80),
        // 120 m = 393.7 ft; 1300 m = 4265.083333 ft (7,2); 105.5 m = 346.127916 ft (5,4).
        Card({{1, "02"},
              {3, "  2000000"},
              {12, " 39370"},
              {18, "   426508"},
              {27, "  3461279"},
              {72, " -1500000"}},
             80),
        // MaxTransVC 50 m = 164.0416 ft, one decimal; blank crown slopes "-" and blanks.
        Card({{1, "03A00200"}, {51, "164.0"}, {71, "-"}, {76, "-"}}, 80),
    };
}

class M2eRunTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    int Run(const std::vector<std::string>& args) {
        return m2e::RunM2e(args, env_, qc::ConverterConsole{out_, err_}, folder_);
    }
    std::string Log() const { return Read(folder_ / "QlvrM2E.ELF"); }
    std::string LogHeader() const {
        return kRule +
               "\nQuillon input metric -> english converter v1.00a\nTIME: Wed Jun  3 09:05:07 "
               "2026\n\n"
               "PATH: /usr/bin:/bin\n" +
               kRule + "\n\n";
    }
    std::string Processing(const std::string& in, const std::string& out) const {
        return "Processing IN = " + in + "\n\nProcessing OUT = " + out + "\n\n";
    }
    bool HasBip(const std::string& base) const { return fs::exists(folder_ / (base + ".BIP")); }
    size_t EntryCount() const { return temp_.EntryCount(); }

    qc::testing::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
    quillon::FixedEnvironment env_{{2026, 6, 3, 9, 5, 7}, "kral", "/usr/bin:/bin"};
    std::ostringstream out_;
    std::ostringstream err_;
};

struct NameCase {
    const char* name;
    const char* argument;
    const char* input;
    const char* output;
};

class DeckNamingTable : public ::testing::TestWithParam<NameCase> {};

TEST_P(DeckNamingTable, NamesTheInputAndTheBip) {
    m2e::DeckFiles files = m2e::ConvertDeck(GetParam().argument);
    EXPECT_EQ(files.input, GetParam().input);
    EXPECT_EQ(files.output, GetParam().output);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeckNamingTable,
    ::testing::Values(NameCase{"NoExtensionGetsDat", "deck", "deck.DAT", "deck.BIP"},
                      NameCase{"DottedFolderKeepsExtension", "/home/a.b/deck.dat",
                               "/home/a.b/deck.dat", "/home/a.b/deck.BIP"},
                      NameCase{"DottedFolderNoExtensionGetsDat", "/home/a.b/deck",
                               "/home/a.b/deck.DAT", "/home/a.b/deck.BIP"},
                      NameCase{"DotSlashPrefix", "./deck.dat", "./deck.dat", "./deck.BIP"},
                      NameCase{"BlankInName", "my deck.dat", "my deck.dat", "my deck.BIP"},
                      NameCase{"CutAtFirstOfTwoDots", "x.y.dat", "x.y.dat", "x.BIP"},
                      NameCase{"ColonAndBracketsAreOrdinary", "dka0:[user]deck.dat",
                               "dka0:[user]deck.dat", "dka0:[user]deck.BIP"}),
    quillon::testsupport::CaseName());

TEST_F(M2eRunTest, ConvertsAMetricDeckAndLogsTheRun) {
    Write("deck.dat", Lines(MetricDeck()));
    EXPECT_EQ(Run({Path("deck.dat"), Path("deck.bip")}), 0);  // the second argument is not used
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(EnglishDeck()));
    EXPECT_EQ(Log(), LogHeader() + Processing(Path("deck.dat"), Path("deck.BIP")) +
                         "Checking input file for metric ...\n");
    EXPECT_EQ(out_.str(), "");  // nothing on the console on a normal run
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(EntryCount(), 3u);  // deck, .BIP and log: no temporary file is left
}

TEST_F(M2eRunTest, AnArgumentWithoutExtensionReadsTheDatFile) {
    Write("deck.DAT", Lines(MetricDeck()) + "\r\n");
    EXPECT_EQ(Run({Path("deck")}), 0);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(EnglishDeck()));
    EXPECT_NE(Log().find("Processing IN = " + Path("deck") + ".DAT\n"), std::string::npos);
}

TEST_F(M2eRunTest, ReadsCrlfLinesLikeLfLines) {
    std::string text;
    for (const std::string& line : MetricDeck()) text += line + "\r\n";
    Write("deck.dat", text);
    EXPECT_EQ(Run({Path("deck.dat")}), 0);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(EnglishDeck()));
}

TEST_F(M2eRunTest, ADeckThatIsNotMetricIsCopiedWithStatusOne) {
    std::vector<std::string> deck = {
        "", "00TEST-1",   "00 DESCRIPTION   ",
        "", "99 COMMENT", Card({{1, "01R 30153000"}, {13, "  125000000"}})};
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), 1);
    // From the first card on, every line right-trimmed and padded to 80 columns.
    EXPECT_EQ(Read(folder_ / "deck.BIP"),
              Lines({Card({{1, "00TEST-1"}}, 80), Card({{1, "00 DESCRIPTION"}}, 80),
                     std::string(80, ' '), Card({{1, "99 COMMENT"}}, 80),
                     Card({{1, "01R 30153000"}, {13, "  125000000"}}, 80)}));
    EXPECT_EQ(Log(), LogHeader() + Processing(Path("deck.dat"), Path("deck.BIP")) +
                         "Checking input file for metric ...\n"
                         "\nThe input file specified is not a METRIC Geometry input file.\n"
                         "\nNo conversion processing is required.  Exiting M2E converter.\n");
    EXPECT_EQ(out_.str(), "\n End run QlvrM2E convertor\n Error status 1\n\n");
}

// A metric deck that opened with a comment card or an empty line was once
// judged by that line, called not metric and copied unconverted.
TEST_F(M2eRunTest, ADeckOpeningWithACommentCardOrAnEmptyLineIsJudgedByItsFirstCard) {
    for (const std::vector<std::string>& opening :
         {std::vector<std::string>{"99 converted by hand"}, std::vector<std::string>{""},
          std::vector<std::string>{"", "99 a comment", "   "}}) {
        std::vector<std::string> deck = MetricDeck();
        deck.insert(deck.begin(), opening.begin(), opening.end());
        Write("deck.dat", Lines(deck));
        EXPECT_EQ(Run({Path("deck.dat")}), 0) << deck.front();
        EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(EnglishDeck())) << deck.front();
    }
}

TEST_F(M2eRunTest, AUnitsCardSayingMetricMakesTheDeckMetric) {
    std::vector<std::string> deck = MetricDeck();
    deck[0] = "00TEST-1";  // no mark in column 80
    deck.insert(deck.begin() + 1, "00 Units: metric;");
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), 0);
    std::vector<std::string> english = EnglishDeck();
    english.insert(english.begin() + 1, Card({{1, "00 Units: metric;"}}, 80));
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(english));
}

TEST_F(M2eRunTest, TheCardLoopDropsEmptyAndCommentLinesAndPassesForeignLinesOn) {
    std::vector<std::string> deck = MetricDeck();
    deck.insert(deck.begin() + 2, "   ");
    deck.insert(deck.begin() + 3, "99 a comment");
    deck.insert(deck.begin() + 4, "A1 a line the engine will report  ");
    deck.insert(deck.begin() + 5, "12 a card type above 08");
    deck.insert(deck.begin() + 6, "   blank columns 1-2: a 00 card");
    deck.push_back(Card({{1, " 3"}, {3, "  1100000-0150"}}));  // type " 3": an override row
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), 0);
    std::vector<std::string> english = EnglishDeck();
    english.insert(english.begin() + 2, "A1 a line the engine will report  ");
    english.insert(english.begin() + 3, "12 a card type above 08");
    english.insert(english.begin() + 4, Card({{1, "00 blank columns 1-2: a 00 card"}}, 80));
    english.push_back(Card({{1, "03"}, {3, "   360891-0150"}}, 25));  // 1100 m = 3608.916666 ft
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(english));
}

TEST_F(M2eRunTest, TheFirst03CardOfEveryProblemIsItsCrossSlopeCard) {
    std::vector<std::string> deck = MetricDeck();
    deck.push_back(Card({{1, "03"}, {3, "  1100000-0150"}}));
    std::vector<std::string> second = MetricDeck();
    second[0] = "00TEST-2";
    deck.insert(deck.end(), second.begin(), second.end());
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), 0);
    std::vector<std::string> english = EnglishDeck();
    english.push_back(Card({{1, "03"}, {3, "   360891-0150"}}, 25));
    std::vector<std::string> secondEnglish = EnglishDeck();
    secondEnglish[0] = Card({{1, "00TEST-2"}}, 80);
    english.insert(english.end(), secondEnglish.begin(), secondEnglish.end());
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(english));
}

TEST_F(M2eRunTest, ATransitionCurveOf3047MetresPasses) {
    std::vector<std::string> deck = MetricDeck();
    deck[4] = Card({{1, "03A00200"}, {51, "3047."}});
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), 0);
    EXPECT_NE(Read(folder_ / "deck.BIP")
                  .find(Card({{1, "03A00200"}, {51, "9997."}, {71, "-"}, {76, "-"}}, 80)),
              std::string::npos);
}

TEST_F(M2eRunTest, ALongerTransitionCurveEndsTheRunWithoutANewBip) {
    for (const char* length : {"3048.", "-4.E3"}) {
        std::vector<std::string> deck = MetricDeck();
        deck[4] = Card({{1, "03A00200"}, {51, length}});
        Write("deck.dat", Lines(deck));
        Write("deck.BIP", "an older deck\n");
        out_.str("");
        EXPECT_EQ(Run({Path("deck.dat")}), -1) << length;
        // No part of this deck: the older deck stays under the name.
        EXPECT_EQ(Read(folder_ / "deck.BIP"), "an older deck\n") << length;
        EXPECT_EQ(Log(), LogHeader() + Processing(Path("deck.dat"), Path("deck.BIP")) +
                             "Checking input file for metric ...\n"
                             "Input error detected while processing cross slope record.\n"
                             "\n"
                             "Max length of trans VC cannot exceed 3047.0 M.\n"
                             "Aborting M2E processing run.\n")
            << length;
        EXPECT_EQ(out_.str(), "\n End run QlvrM2E convertor\n Error status -1\n\n");
        EXPECT_EQ(EntryCount(), 3u);  // the deck, the older deck and the log
    }
}

// A failed conversion leaves the .BIP of an earlier run as it was, like every
// other program's output; the editor runs the engine only on a deck its own
// run just wrote.
TEST_F(M2eRunTest, TheBipOfAnEarlierRunIsKeptWhenTheRunFails) {
    struct FailedRun {
        const char* what;
        std::string deck;  // "" leaves deck.dat missing
    };
    std::vector<std::string> tooWide = MetricDeck();
    tooWide[3].replace(17, 9, "  13O0000");
    std::vector<std::string> cardFirst = MetricDeck();
    cardFirst.insert(cardFirst.begin(), cardFirst[2]);
    for (const FailedRun& run :
         {FailedRun{"a length that is no number", Lines(tooWide)},
          FailedRun{"a card before the first 00 card", Lines(cardFirst)},
          FailedRun{"no 00 card at all", "99 only a comment\n"}, FailedRun{"a missing deck", ""}}) {
        fs::remove(folder_ / "deck.dat");
        if (!run.deck.empty()) Write("deck.dat", run.deck);
        Write("deck.BIP", "the English deck of an earlier run\n");
        EXPECT_EQ(Run({Path("deck.dat"), Path("deck.bip")}), -1) << run.what;
        EXPECT_EQ(Read(folder_ / "deck.BIP"), "the English deck of an earlier run\n") << run.what;
    }
}

// Read-only for everyone, root too: refused, and never removed.
TEST_F(M2eRunTest, AReadOnlyBipIsRefusedAndKept) {
    Write("deck.dat", Lines(MetricDeck()));
    Write("deck.BIP", "a read-only deck\n");
    fs::permissions(folder_ / "deck.BIP",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_NE(err_.str().find("(Permission denied)"), std::string::npos) << err_.str();
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "a read-only deck\n");
    EXPECT_EQ(EntryCount(), 3u);  // the deck, the old .BIP and the log
}

// A full disk half-way through the .BIP keeps the old one.
TEST_F(M2eRunTest, ADiskThatFillsHalfWayKeepsTheOldBip) {
    // Long enough that half the .BIP is far more than the log holds.
    std::vector<std::string> deck = MetricDeck();
    deck.insert(deck.begin() + 1, 100, "00 A DESCRIPTION LINE");
    Write("deck.dat", Lines(deck));
    ASSERT_EQ(Run({Path("deck.dat")}), 0);
    const std::string bip = Read(folder_ / "deck.BIP");
    Write("deck.BIP", "the English deck of an earlier run\n");
    fs::remove(folder_ / "QlvrM2E.ELF");
    const int status = quillon::testing::WaitStatusOfChild([&] { return Run({Path("deck.dat")}); },
                                                           bip.size() / 2);
    EXPECT_EQ(quillon::testing::ExitStatus(status), 255);  // -1
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "the English deck of an earlier run\n");
    EXPECT_NE(Log().find("(File too large)"), std::string::npos) << Log();
    EXPECT_EQ(EntryCount(), 3u);
}

TEST_F(M2eRunTest, AFailedRunKeepsWhatIsNotItsOwnOutput) {
    // Usage errors name no files: nothing is touched.
    Write("deck.BIP", "kept\n");
    EXPECT_EQ(Run({Path("deck.dat"), "b", "c"}), -1);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "kept\n");
    // An input named like the output is refused and kept.
    EXPECT_EQ(Run({Path("deck.BIP")}), -1);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), "kept\n");
    // So is an input that is the output file under another name.
    fs::remove(folder_ / "deck.BIP");
    Write("deck.dat", Lines(MetricDeck()));
    fs::create_hard_link(folder_ / "deck.dat", folder_ / "deck.BIP");
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(MetricDeck()));
    EXPECT_EQ(Read(folder_ / "deck.dat"), Lines(MetricDeck()));
}

TEST_F(M2eRunTest, AValueTooWideForItsFieldEndsTheRunNamingCardAndField) {
    std::vector<std::string> deck = MetricDeck();
    deck.push_back(Card({{1, "03"}, {3, "  1100000-0150"}}));
    deck.push_back(
        Card({{1, "04"}, {3, "  115000000"}, {41, "99999.999"}}));  // 328083.330 ft in 5,4
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_FALSE(HasBip("deck"));
    EXPECT_EQ(Log(),
              LogHeader() + Processing(Path("deck.dat"), Path("deck.BIP")) +
                  "Checking input file for metric ...\n"
                  "Input error detected while processing 04 card at input line 7.\n"
                  "RefLine.TransX in columns 41-49 does not fit its columns: 328083.3300 ft.\n"
                  "Aborting M2E processing run.\n");
}

TEST_F(M2eRunTest, ALengthThatIsNoNumberEndsTheRun) {
    std::vector<std::string> deck = MetricDeck();
    deck[3].replace(17, 9, "  13O0000");  // a letter O for a zero in PISta1
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_FALSE(HasBip("deck"));
    EXPECT_NE(Log().find("Input error detected while processing 02 card at input line 4.\n"
                         "Vertical.PISta1 in columns 18-26 is not a number: '  13O0000'.\n"),
              std::string::npos);
}

TEST_F(M2eRunTest, ACardBeforeTheFirstDescriptionCardEndsTheRun) {
    std::vector<std::string> deck = MetricDeck();
    deck.insert(deck.begin(), "99 comment lines may come first");
    deck.insert(deck.begin() + 1, deck[3]);  // the 01 card
    Write("deck.dat", Lines(deck));
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_FALSE(HasBip("deck"));
    EXPECT_EQ(
        Log(),
        LogHeader() + Processing(Path("deck.dat"), Path("deck.BIP")) +
            "Input error detected at input line 2: a 01 card comes before the first 00 card.\n"
            "Aborting M2E processing run.\n");
}

TEST_F(M2eRunTest, ADeckWithoutCardsEndsTheRun) {
    Write("deck.dat", "\n99 nothing but a comment\n");
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_FALSE(HasBip("deck"));
    EXPECT_NE(err_.str().find("M2E-E-NoDeck no 00 card found in file '" + Path("deck.dat") + "'"),
              std::string::npos);
}

TEST_F(M2eRunTest, ArgumentsMissingOrTooMany) {
    EXPECT_EQ(Run({}), -1);
    EXPECT_EQ(Log(), LogHeader() + "No arguments passed, aborting.\n");
    EXPECT_EQ(err_.str(), "No arguments passed, aborting.\n");
    EXPECT_EQ(out_.str(), "\n End run QlvrM2E convertor\n Error status -1\n\n");
    err_.str("");
    EXPECT_EQ(Run({"a", "b", "c"}), -1);
    EXPECT_EQ(Log(),
              LogHeader() + "Too many arguments, aborting.\n");  // the log holds the last run only
    EXPECT_EQ(err_.str(), "Too many arguments, aborting.\n");
}

TEST_F(M2eRunTest, AMissingDeckEndsTheRun) {
    EXPECT_EQ(Run({Path("deck")}), -1);
    std::string message =
        "M2E-E-OpenErr unable to open file '" + Path("deck.DAT") + "'.  Aborting process";
    EXPECT_EQ(Log(), LogHeader() + Processing(Path("deck.DAT"), Path("deck.BIP")) + message + "\n");
    EXPECT_EQ(err_.str(), message + "\n");
    EXPECT_FALSE(HasBip("deck"));
}

TEST_F(M2eRunTest, AFolderGivenAsTheDeckEndsTheRun) {
    fs::create_directory(folder_ / "deck.dat");
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_FALSE(HasBip("deck"));
}

TEST_F(M2eRunTest, ADeckNamedLikeItsOutputIsRefused) {
    Write("deck.BIP", Lines(MetricDeck()));
    EXPECT_EQ(Run({Path("deck.BIP")}), -1);
    EXPECT_EQ(Read(folder_ / "deck.BIP"), Lines(MetricDeck()));  // untouched
    EXPECT_NE(
        Log().find("M2E-E-SameFile input file '" + Path("deck.BIP") + "' is also the output file."),
        std::string::npos);
}

TEST_F(M2eRunTest, AnOutputThatCannotBeWrittenEndsTheRun) {
    Write("deck.dat", Lines(MetricDeck()));
    fs::create_directory(folder_ / "deck.BIP");  // a folder stands where the deck would go
    EXPECT_EQ(Run({Path("deck.dat")}), -1);
    EXPECT_NE(err_.str().find("M2E-E-OpenErr unable to open file '" + Path("deck.BIP") + "'"),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder_ / "deck.BIP"));
    EXPECT_EQ(EntryCount(), 3u);
}

TEST_F(M2eRunTest, ALogThatCannotBeOpenedEndsTheRunBeforeAnyOutput) {
    Write("deck.dat", Lines(MetricDeck()));
    int status = m2e::RunM2e({Path("deck.dat")}, env_, qc::ConverterConsole{out_, err_},
                             folder_ / "missing");
    EXPECT_EQ(status, -1);
    EXPECT_EQ(err_.str(), "M2E-E-OpenErr unable to open file 'QlvrM2E.ELF'.  Aborting process\n");
    EXPECT_FALSE(HasBip("deck"));
}

TEST_F(M2eRunTest, UnsetUserAndPathLeaveTheirTextsEmpty) {
    quillon::FixedEnvironment unset{{2026, 6, 3, 9, 5, 7}};
    Write("deck.dat", Lines(MetricDeck()));
    EXPECT_EQ(m2e::RunM2e({Path("deck.dat")}, unset, qc::ConverterConsole{out_, err_}, folder_), 0);
    EXPECT_NE(Log().find("\nPATH: \n"), std::string::npos);
}

// The sample bridge in this folder: every line checked against hand values
// once, then kept as the expected English deck.
TEST_F(M2eRunTest, TheSampleBridgeConvertsToItsEnglishDeck) {
    fs::copy_file("bridge-metric.dat", folder_ / "bridge-metric.dat");
    EXPECT_EQ(Run({Path("bridge-metric.dat")}), 0);
    std::string english = Read(folder_ / "bridge-metric.BIP");
    EXPECT_EQ(english, Read("bridge-metric.BIP"));
}

}  // namespace
