// The engine's one length conversion between feet and metres.
#include "engine/run/StationText.hpp"

namespace quillon::engine {

namespace {

constexpr char kFeet = '\'';
constexpr char kSurveyFoot = 'S';
constexpr double kMetresPerSurveyFoot = 0.3048006096012192;  // 1200/3937
constexpr double kMetresPerFoot = 0.3048;

}  // namespace

double ConvertLength(char fromUnit, char toUnit, char footKind, double length) {
    if (fromUnit == toUnit) return length;
    const double metresPerFoot = footKind == kSurveyFoot ? kMetresPerSurveyFoot : kMetresPerFoot;
    if (fromUnit == kFeet) return length * metresPerFoot;
    return length / metresPerFoot;
}

}  // namespace quillon::engine
