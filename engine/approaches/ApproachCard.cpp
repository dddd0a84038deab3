#include "engine/approaches/ApproachCard.hpp"

#include <string>

#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

struct ApproachField {
    int first;
    int width;
    int decimals;
    std::string name;
};

const ApproachField kBeginField{3, 7, 0, "BEGIN STATION"};
const ApproachField kEndField{10, 7, 0, "END STATION"};
const ApproachField kLengthField{17, 8, 1, "APPROACH LENGTH"};

ApproachField OffsetField(int index) {
    constexpr int kFirstOffsetColumn = 25;
    constexpr int kOffsetWidth = 8;
    return {kFirstOffsetColumn + kOffsetWidth * index, kOffsetWidth, 4,
            "OFFSET " + std::to_string(index + 1)};
}

double Read(std::string_view card, const ApproachField& field, FieldFailure& failure) {
    auto read = ff::ReadReal(card, field.first, field.width, field.decimals);
    if (read.ok()) return read.value;
    if (!failure.failed) {
        failure.failed = true;
        failure.firstColumn = field.first;
        failure.lastColumn = field.first + field.width - 1;
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
    for (int i = 0; i < kApproachOffsets; ++i) {
        const ApproachField field = OffsetField(i);
        const size_t at = static_cast<size_t>(i);
        out.offsets[at] = Read(card, field, failure);
        out.offsetGiven[at] = !ff::IsBlank(ff::ReadText(card, field.first, field.width));
    }
    return failure;
}

}  // namespace quillon::engine
