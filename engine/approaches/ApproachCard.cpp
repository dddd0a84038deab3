#include "engine/approaches/ApproachCard.hpp"

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

namespace quillon::engine {

namespace {

// A field of the card and how the listing names it.
struct ApproachField {
    const cards::Field& field;
    const char* name;
};

constexpr const cards::CardLayout& kCard = cards::kRoadApproachCard;

const ApproachField kBeginField{kCard["RoadAppr.BegStr"], "BEGIN STATION"};
const ApproachField kEndField{kCard["RoadAppr.EndStr"], "END STATION"};
const ApproachField kLengthField{kCard["RoadAppr.Length"], "APPROACH LENGTH"};
const ApproachField kOffsetFields[kApproachOffsets] = {
    {kCard["RoadAppr.Off1"], "OFFSET 1"}, {kCard["RoadAppr.Off2"], "OFFSET 2"},
    {kCard["RoadAppr.Off3"], "OFFSET 3"}, {kCard["RoadAppr.Off4"], "OFFSET 4"},
    {kCard["RoadAppr.Off5"], "OFFSET 5"}, {kCard["RoadAppr.Off6"], "OFFSET 6"},
    {kCard["RoadAppr.Off7"], "OFFSET 7"},
};

double Read(std::string_view card, const ApproachField& field, FieldFailure& failure) {
    const auto read = cards::Number(card, field.field);
    if (read.ok()) return read.value;
    if (!failure.failed) {  // the first failing field is the one named
        failure.failed = true;
        failure.firstColumn = field.field.first;
        failure.lastColumn = field.field.last;
        failure.name = field.name;
    }
    return 0.0;
}

}  // namespace

FieldFailure ReadRoadApproachCard(std::string_view card, RoadApproachCard& out) {
    FieldFailure failure;
    out = RoadApproachCard{};
    out.begStr = Read(card, kBeginField, failure);
    out.endStr = Read(card, kEndField, failure);
    out.length = Read(card, kLengthField, failure);
    for (size_t i = 0; i < kApproachOffsets; ++i) {
        out.offsets[i] = Read(card, kOffsetFields[i], failure);
        out.offsetGiven[i] = !cards::IsBlank(card, kOffsetFields[i].field);
    }
    return failure;
}

}  // namespace quillon::engine
