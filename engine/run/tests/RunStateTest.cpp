// The named codes of the run state: the auxiliary-output letters that end a
// run with the auxiliary-output box, and the alignment marker's floor.
#include <gtest/gtest.h>

#include "engine/run/RunState.hpp"

namespace quillon::engine {
namespace {

TEST(AuxOutputStatus, OnlyTheLettersBCEAndFAreFaults) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const bool fault = letter == 'B' || letter == 'C' || letter == 'E' || letter == 'F';
        EXPECT_EQ(IsAuxOutputFault(static_cast<AuxOutputStatus>(letter)), fault) << letter;
    }
    EXPECT_EQ(RunState(EngineVariant::English).auxOutputStatus, AuxOutputStatus::NoFault);
    EXPECT_EQ(static_cast<char>(AuxOutputStatus::NoFault), 'A');
    EXPECT_EQ(static_cast<char>(AuxOutputStatus::ShiftNotConstant), 'E');
}

TEST(AlignmentMarker, BelowTheFloorUntilAProblemReachesItsAlignment) {
    RunState state(EngineVariant::Metric);
    EXPECT_EQ(state.alignmentMarker, -99000.0);
    EXPECT_TRUE(state.NoAlignmentReached());
    state.alignmentMarker = -90000.0;  // a TS station at or below the floor is held at it
    EXPECT_FALSE(state.NoAlignmentReached());
    state.alignmentMarker = -90000.0001;
    EXPECT_TRUE(state.NoAlignmentReached());
}

TEST(HeadingTexts, NamedTextsAreTheFiveOfTheHeading) {
    HeadingTexts h;
    h.StructureId() = "BRIDGE 12 ";
    h.SectionNumber() = "(13)      ";
    h.Version() = "WIN2.1.0e)";
    h.Date() = " 02/07/09 ";
    h.Time() = "14:05 33  ";
    EXPECT_EQ(h.text[0], "BRIDGE 12 ");
    EXPECT_EQ(h.text[1], "(13)      ");
    EXPECT_EQ(h.text[2], "WIN2.1.0e)");
    EXPECT_EQ(h.text[3], " 02/07/09 ");
    EXPECT_EQ(h.text[4], "14:05 33  ");
    EXPECT_EQ(h[HeadingTexts::kTime], "14:05 33  ");
}

}  // namespace
}  // namespace quillon::engine
