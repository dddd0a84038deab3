#include "converters/common/ListingLayout.hpp"

#include "fixedform/FieldReader.hpp"

namespace quillon::converters::listing {

namespace ff = quillon::fixedform;

std::string FieldText(std::string_view row, RowField field) {
    return ff::Columns(row, field.first, field.width);
}

bool HeaderHoldsCaption(std::string_view header, RowField field) {
    const Caption& caption = field.caption;
    return ff::Columns(header, caption.first, static_cast<int>(caption.text.size())) ==
           caption.text;
}

bool IsFractionalPointRow(std::string_view row) {
    if (ff::Columns(row, 2, 4) != "    " || ff::Columns(row, 7, 1) != "-") return false;
    const std::string letter = ff::Columns(row, 6, 1);
    return letter == "F" || letter == "X" || letter == "D" || letter == "E";
}

int PointsPerSpanAfter(std::string_view row, int pointsPerSpan) {
    const std::string number = ff::Columns(row, 7, 3);  // right after the letter
    if (number == "-19") return 20;
    if (number == "-9 " && pointsPerSpan != 20) return 10;
    return pointsPerSpan;
}

}  // namespace quillon::converters::listing
