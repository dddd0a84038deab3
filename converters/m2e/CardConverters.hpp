// One converter per card type: a metric card in, the English card out.
// Lengths, stations, offsets and elevations go from metres to feet, small
// lengths from millimetres to inches; angles, slopes, percentages, codes and
// texts pass unchanged. Every field keeps its columns and is written with the
// implied decimals of an English deck.
//
// `card`: the metric card right-trimmed and padded with blanks to at least 80
// columns. A converted card has no line end and ends after its last field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "converters/m2e/FieldConversion.hpp"

namespace quillon::converters::m2e {

// 00, the first of the run: "00", the structure identifier, the unused
// columns after it and a blank metric mark, so the deck is no longer metric.
std::string ConvertFirstDescriptionCard(std::string_view card);
// 00, later ones: "00" and the card's text.
std::string ConvertDescriptionCard(std::string_view card);

CardConversion ConvertHorizontalAlignmentCard(std::string_view card);  // 01
CardConversion ConvertVerticalAlignmentCard(std::string_view card);    // 02
// 03 after an 02 card. `CrossTrans.MaxTransVC` is checked before anything else.
CardConversion ConvertCrossSlopeCard(std::string_view card);
CardConversion ConvertCrossSlopeOverrideCard(std::string_view card);  // further 03 cards
CardConversion ConvertReferenceLineCard(std::string_view card);       // 04
CardConversion ConvertGirderLineCard(std::string_view card);          // 05
CardConversion ConvertBentLineCard(std::string_view card);            // 06
CardConversion ConvertDeadLoadCard(std::string_view card);            // 07
CardConversion ConvertRoadApproachCard(std::string_view card);        // 08

// The field tables, left to right (the card type is not in them).
const std::vector<CardField>& HorizontalAlignmentFields();
const std::vector<CardField>& VerticalAlignmentFields();
const std::vector<CardField>& CrossSlopeFields();
const std::vector<CardField>& CrossSlopeOverrideFields();
const std::vector<CardField>& ReferenceLineFields();
// `ElevationShift` is in metres on a type "4" line and in millimetres otherwise.
std::vector<CardField> GirderLineFields(bool lineTypeFour);
const std::vector<CardField>& BentLineFields();
// The deflections are in metres when DeflectionUnits is "M", else in millimetres.
std::vector<CardField> DeadLoadFields(bool metres);
const std::vector<CardField>& RoadApproachFields();

}  // namespace quillon::converters::m2e
