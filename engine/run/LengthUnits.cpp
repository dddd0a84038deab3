#include "engine/run/LengthUnits.hpp"

namespace quillon::engine {

namespace {

constexpr double kMetresPerSurveyFoot = 0.3048006096012192;  // 1200/3937
constexpr double kMetresPerFoot = 0.3048;

}  // namespace

double ConvertLength(char fromUnit, char toUnit, char footKind, double length) {
    if (fromUnit == toUnit) return length;
    const double metresPerFoot = footKind == kSurveyFoot ? kMetresPerSurveyFoot : kMetresPerFoot;
    if (fromUnit == kFeetUnit) return length * metresPerFoot;
    return length / metresPerFoot;
}

}  // namespace quillon::engine
