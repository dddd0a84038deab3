// The engine's one length conversion between feet and metres, and the codes
// it takes: a LengthUnitCode for each unit and a FootKind.
#pragma once

namespace quillon::engine {

// LengthUnitCode: "'" feet, "m" metres; a blank is a unit not set (QlEngl).
inline constexpr char kFeetUnit = '\'';
inline constexpr char kMetresUnit = 'm';
inline constexpr char kUnitNotSet = ' ';

// FootKind: "S" the US survey foot (0.3048006096012192 m), which every
// caller in the engine passes; any other character the international foot
// (0.3048 m).
inline constexpr char kSurveyFoot = 'S';

// The length units the metric listing converts between.
struct LengthUnits {
    char fromUnit = kUnitNotSet;
    char toUnit = kUnitNotSet;
};

// from and to are LengthUnitCodes: the same code returns the length as it
// is; from "'" converts feet to metres, any other from metres to feet.
double ConvertLength(char fromUnit, char toUnit, char footKind, double length);

}  // namespace quillon::engine
