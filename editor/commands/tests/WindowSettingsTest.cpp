// The main window's stored position and size.
#include <gtest/gtest.h>

#include <string>

#include "editor/commands/WindowSettings.hpp"
#include "editor/commands/tests/CommandFakes.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {
namespace {

TEST(WindowSettings, NothingStoredGivesTheDefaults) {
    const FakeSettings store;
    const WindowPlacement placement = ReadWindowPlacement(store);
    EXPECT_EQ(placement.left, 1000);
    EXPECT_EQ(placement.top, 1000);
    EXPECT_EQ(placement.width, 6500);
    EXPECT_EQ(placement.height, 6500);
}

struct StoredCase {
    std::string name;
    std::string text;
    float read;
};

class StoredText : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredText, ReadsAsANumberOrTakesTheDefault) {
    FakeSettings store;
    store.values["MainWidth"] = GetParam().text;
    EXPECT_EQ(ReadWindowPlacement(store).width, GetParam().read);
    EXPECT_EQ(ReadWindowPlacement(store).left, 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StoredText,
    ::testing::Values(StoredCase{"Whole", "7200", 7200}, StoredCase{"Fraction", "7200.5", 7200.5f},
                      StoredCase{"Signed", "-240", -240}, StoredCase{"PlusSign", "+15", 15},
                      StoredCase{"Blanks", " 900 ", 900}, StoredCase{"Letters", "abc", 6500},
                      StoredCase{"Empty", "", 6500}, StoredCase{"TrailingLetters", "12abc", 6500},
                      StoredCase{"NotFinite", "inf", 6500}, StoredCase{"NotANumber", "nan", 6500}),
    testsupport::CaseName());

TEST(WindowSettings, WrittenAsWholeTwipsAndReadBack) {
    FakeSettings store;
    WriteWindowPlacement(store, {1234.4f, 50, 9000.6f, 4000});
    EXPECT_EQ(store.values["MainLeft"], "1234");
    EXPECT_EQ(store.values["MainTop"], "50");
    EXPECT_EQ(store.values["MainWidth"], "9001");
    EXPECT_EQ(store.values["MainHeight"], "4000");
    const WindowPlacement back = ReadWindowPlacement(store);
    EXPECT_EQ(back.left, 1234);
    EXPECT_EQ(back.width, 9001);
}

TEST(WindowSettings, TwipsAndPixels) {
    // 1440 twips make an inch: at 96 dots per inch 15 twips a pixel, at 144 10.
    EXPECT_EQ(TwipsToPixels(1000, 96), 67);   // 66.67
    EXPECT_EQ(TwipsToPixels(6500, 96), 433);  // 433.3
    EXPECT_EQ(TwipsToPixels(6500, 144), 650);
    EXPECT_EQ(PixelsToTwips(433, 96), 6495);
    EXPECT_EQ(PixelsToTwips(650, 144), 6500);
    EXPECT_EQ(TwipsToPixels(-3000, 96), -200);
    EXPECT_EQ(TwipsToPixels(3.0e38f, 96), 1000000);
}

TEST(WindowSettings, WindowOverlappingAScreenStays) {
    const ScreenRect left{0, 0, 1920, 1080};
    const ScreenRect right{1920, 0, 1280, 1024};
    const ScreenRect window{2500, 900, 600, 400};
    const ScreenRect placed = PlaceOnScreens(window, {left, right}, left);
    EXPECT_EQ(placed.left, 2500);
    EXPECT_EQ(placed.top, 900);
}

TEST(WindowSettings, WindowOffEveryScreenMovesOntoThePrimary) {
    const ScreenRect primary{0, 0, 1920, 1080};
    const ScreenRect other{-1280, 0, 1280, 1024};
    const ScreenRect placed = PlaceOnScreens({5000, 3000, 600, 400}, {other, primary}, primary);
    EXPECT_EQ(placed.left, 0);
    EXPECT_EQ(placed.top, 0);
    EXPECT_EQ(placed.width, 600);
    EXPECT_EQ(placed.height, 400);
    // Larger than the primary screen: cut to it.
    const ScreenRect huge = PlaceOnScreens({-9000, -9000, 4000, 3000}, {primary}, primary);
    EXPECT_EQ(huge.width, 1920);
    EXPECT_EQ(huge.height, 1080);
}

TEST(WindowSettings, WindowJustTouchingAScreenEdgeIsOff) {
    const ScreenRect primary{100, 100, 800, 600};
    const ScreenRect placed = PlaceOnScreens({900, 100, 300, 200}, {primary}, primary);
    EXPECT_EQ(placed.left, 100);
}

}  // namespace
}  // namespace quillon::editor::test
