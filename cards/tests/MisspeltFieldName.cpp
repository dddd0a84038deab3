// Compiled by the cards_field_names tests: as it stands it must compile; with
// QUILLON_MISSPELT_NAME 1 (a name in a layout's brackets) or 2 (a name as the
// card readers take it) it must not, because a card field name is looked up
// when the program is compiled.
#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"

namespace quillon::cards {

#if QUILLON_MISSPELT_NAME == 1
constexpr const char* kStation = "Horizontal.PiStation";  // for PIStation
#else
constexpr const char* kStation = "Horizontal.PIStation";
#endif
#if QUILLON_MISSPELT_NAME == 2
constexpr const char* kDirection = "RefLine.SkewDirecton";  // for SkewDirection
#else
constexpr const char* kDirection = "RefLine.SkewDirection";
#endif

int StationColumn() { return kHorizontalAlignmentCard[kStation].first; }
char Direction(std::string_view card) {
    return CardReader(kReferenceLineCard, card).Character(FieldName(std::string_view(kDirection)));
}

}  // namespace quillon::cards
