// The alignment card readers take every column from the card layouts: a
// field that is not a number is named with the columns its layout gives it.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/alignment/AlignmentCardReader.hpp"

namespace quillon::engine {
namespace {

using Reader = std::function<FieldFailure(const std::string&)>;

struct CardCase {
    const char* name;
    const cards::CardLayout* layout;
    Reader read;
    std::set<std::string> notRead;  // numeric fields the engine skips
    std::string crownType;          // for the 03 card: a crown whose fields are all read
};

class CardColumns : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardColumns, ABadFieldIsNamedWithTheColumnsOfItsLayout) {
    const CardCase& c = GetParam();
    for (const cards::Field& field : c.layout->fields) {
        if (field.group || field.edit != cards::Edit::F || c.notRead.count(std::string(field.name)))
            continue;
        std::string card = cards::TypeText(*c.layout);
        if (!c.crownType.empty())
            cards::Put(card, cards::kCrossSlopeCard["CrossTrans.CrownType"], c.crownType);
        cards::Put(card, field, "X");
        const FieldFailure failure = c.read(card);
        ASSERT_TRUE(failure.failed) << field.name;
        EXPECT_EQ(failure.firstColumn, field.first) << field.name;
        EXPECT_EQ(failure.lastColumn, field.last) << field.name;
    }
}

std::string CaseName(const ::testing::TestParamInfo<CardCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(AlignmentCards, CardColumns,
                         ::testing::Values(CardCase{"HorizontalAlignment",
                                                    &cards::kHorizontalAlignmentCard,
                                                    [](const std::string& card) {
                                                        HorizontalAlignmentCard out;
                                                        return ReadHorizontalAlignmentCard(card,
                                                                                           out);
                                                    },
                                                    {},
                                                    ""},
                                           CardCase{"VerticalAlignment",
                                                    &cards::kVerticalAlignmentCard,
                                                    [](const std::string& card) {
                                                        VerticalAlignmentCard out;
                                                        return ReadVerticalAlignmentCard(card, out);
                                                    },
                                                    {},
                                                    ""},
                                           CardCase{"CrossSlope",
                                                    &cards::kCrossSlopeCard,
                                                    [](const std::string& card) {
                                                        CrossSlopeCard out;
                                                        return ReadCrossSlopeCard(card, out);
                                                    },
                                                    {"CrossTrans.InRunOut", "CrossTrans.OutRunout"},
                                                    "A"},
                                           CardCase{"CrossSlopeOverride",
                                                    &cards::kCrossSlopeOverrideCard,
                                                    [](const std::string& card) {
                                                        CrossSlopeOverrideRow out;
                                                        return ReadCrossSlopeOverrideCard(card,
                                                                                          out);
                                                    },
                                                    {},
                                                    ""}),
                         CaseName);

}  // namespace
}  // namespace quillon::engine
