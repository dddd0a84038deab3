// The card stream's report of the end of the deck: no card, on that call and
// every later one, with the type of the card accepted last kept; and where a
// deck may end.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {
namespace {

struct Stream {
    explicit Stream(std::vector<std::string> deck)
        : run(EngineVariant::English, listing, std::move(deck)) {}
    std::ostringstream listing;
    EngineRun run;
};

TEST(ReadNextCard, ReportsTheEndOfTheDeckOnThatAndEveryLaterCall) {
    Stream s({"00A", "99 A COMMENT", "02"});
    EXPECT_EQ(ReadNextCard(s.run), std::optional<int>(0));
    EXPECT_EQ(ReadNextCard(s.run), std::optional<int>(2));
    for (int call = 0; call < 3; ++call) {
        EXPECT_EQ(ReadNextCard(s.run), std::nullopt) << call;
        EXPECT_EQ(s.run.state.currentCardType, 2) << call;
    }
    // The end is only reported: the listing is left to the caller.
    EXPECT_EQ(s.listing.str(), "");
}

TEST(ReadNextCard, EmptyDeckEndsAtOnceWithTheStartType) {
    Stream s({});
    EXPECT_EQ(ReadNextCard(s.run), std::nullopt);
    EXPECT_EQ(s.run.state.currentCardType, 8);
    EXPECT_EQ(s.listing.str(), "");
}

TEST(ReadNextCard, LinesOutOfOrderAtTheEndAreKeptAsIgnored) {
    Stream s({"00A", "05", "07"});
    EXPECT_EQ(ReadNextCard(s.run), std::optional<int>(0));
    EXPECT_EQ(ReadNextCard(s.run), std::nullopt);
    EXPECT_EQ(s.run.state.ignored.count, 2);
    EXPECT_EQ(s.run.state.currentCardType, 0);
}

TEST(CardsStillExpected, ADeckMayEndOnlyAfterA06_07Or08Card) {
    RunState state(EngineVariant::English);
    for (int type = 0; type <= 8; ++type) {
        state.currentCardType = type;
        EXPECT_EQ(CardsStillExpected(state), type < 6) << type;
    }
}

}  // namespace
}  // namespace quillon::engine
