// Station texts (kkkk+mmm.mmmm in QlMetr, sssss+ff.ffff in QlEngl) and angle
// texts (ddd mm ss.ss) of the listing.
#include "engine/run/StationText.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "angles/Angles.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kTextWidth = 10;
constexpr double kOverflowStation = 10999900.0;  // feet: at and above, the overflow texts
constexpr double kNegativeStation = -0.00005;    // feet: at and below, the negative texts
constexpr double kZeroStation = 0.00004;         // feet: at and below, the zero texts

// The 13 characters of a station or angle, cut into the two 10-character
// texts the tables print side by side.
TextPair SplitText(std::string_view thirteen) {
    return {std::string(thirteen.substr(0, kTextWidth)),
            ff::PadRight(thirteen.substr(kTextWidth), kTextWidth)};
}

// The two texts side by side in `out`, each cut or padded to 10 characters.
void PutTexts(std::string_view first, std::string_view second, StationChars out) {
    ff::WriteA(out.first(kTextWidth), "");
    ff::WriteA(out.last(kTextWidth), "");
    std::copy_n(first.data(), std::min<size_t>(first.size(), kTextWidth), out.data());
    std::copy_n(second.data(), std::min<size_t>(second.size(), kTextWidth),
                out.data() + kTextWidth);
}

void PutOverflowTexts(StationChars out) { PutTexts("   *OVERFL", "OW*       ", out); }

// The F17.4 field of the station in the listing's unit, cut into whole units,
// "+" and the rest, as the 13 characters that start `out`. False when the
// whole part needs more digits than the text gives (the leading digit would
// be lost).
bool PutStationDigits(const RunState& state, double station, StationChars out) {
    const bool metric = state.variant == EngineVariant::Metric;
    const double value =
        metric ? ConvertLength(state.units.fromUnit, state.units.toUnit, kSurveyFoot, station)
               : station;
    char field[17];
    ff::WriteF(field, value, 4);
    constexpr size_t kDropped = 5;  // characters 1-5 of the field are not shown
    for (size_t i = 0; i < kDropped; ++i)
        if (field[i] != ' ') return false;
    // QlMetr: characters 6-9 kilometres, 10-17 metres; QlEngl: 6-10 stations, 11-17 feet.
    const size_t unitDigits = metric ? 4 : 5;
    ff::WriteA(out.last(kTextWidth), "");
    std::copy_n(field + kDropped, unitDigits, out.data());
    out[unitDigits] = '+';
    std::copy_n(field + kDropped + unitDigits, sizeof field - kDropped - unitDigits,
                out.data() + unitDigits + 1);
    return true;
}

// Leading zeros: characters 2, 3 and 4 become blanks in turn while they are
// zeros. Past an overlapping equation this leaves the equation number in the
// first character ("1  10+20.0000").
void BlankLeadingZeros(StationChars out) {
    if (ZeroToBlankAt(out, 2) == 1 && ZeroToBlankAt(out, 3) == 1) ZeroToBlankAt(out, 4);
}

// Below one whole unit: the last whole-unit digit becomes "0", and so do the
// blank digits in front of the last whole digit of the rest.
void FillZerosBelowOneUnit(StationChars out, EngineVariant variant) {
    const int lastUnitDigit = variant == EngineVariant::Metric ? 4 : 5;
    if (BlankToZeroAt(out, lastUnitDigit) != 1) return;
    constexpr int kLastWholeDigit = 8;
    for (int position = lastUnitDigit + 2; position < kLastWholeDigit; ++position)
        BlankToZeroAt(out, position);
}

void PutStationTexts(const RunState& state, double station, StationChars out) {
    if (station >= kOverflowStation) return PutOverflowTexts(out);
    if (station <= kNegativeStation) return PutTexts("   *NEGATI", "VE*       ", out);
    if (station <= kZeroStation) {
        if (state.variant == EngineVariant::Metric)
            return PutTexts("    +000.0", "000       ", out);
        return PutTexts("    0+00.0", "000       ", out);
    }
    if (!PutStationDigits(state, station, out)) return PutOverflowTexts(out);
    BlankLeadingZeros(out);
    FillZerosBelowOneUnit(out, state.variant);
}

TextPair TextsOf(StationChars out) {
    return {std::string(out.data(), kTextWidth), std::string(out.data() + kTextWidth, kTextWidth)};
}

double StationWithEquations(const Stationing& stationing, double distance) {
    double station = stationing.originStation + distance;
    for (const StationEquation& equation : stationing.equations) {
        if (!(station >= equation.switchPosition)) break;
        station += equation.shift;
    }
    return station;
}

}  // namespace

void WriteStationText(const RunState& state, const Stationing& stationing, double distance,
                      StationChars out) {
    PutStationTexts(state, StationWithEquations(stationing, distance), out);
}

TextPair MakeStationText(const RunState& state, const Stationing& stationing, double distance) {
    std::array<char, 20> out;
    WriteStationText(state, stationing, distance, out);
    return TextsOf(out);
}

TextPair MakeStationTextAllEquations(const RunState& state, const Stationing& stationing,
                                     double distance) {
    double station = stationing.originStation + distance;
    const size_t used = stationing.usedCount > 0 ? static_cast<size_t>(stationing.usedCount) : 0;
    for (size_t i = 0; i < used && i < stationing.equations.size(); ++i)
        station += stationing.equations[i].shift;
    std::array<char, 20> out;
    PutStationTexts(state, station, out);
    return TextsOf(out);
}

TextPair MakeAngleText(double radians) {
    const double minutes = angles::MinutesOfArc(radians);
    // Beyond this the whole minutes no longer fit an integer exactly; the
    // degrees could not be printed in 4 columns anyway.
    if (!(minutes < 1.0e12)) return SplitText(std::string(13, '*'));

    constexpr double kShownAsSixtySeconds = 59.99499;  // F6.2 would print 60.00
    const angles::DegreesMinutesSeconds angle =
        angles::SplitMinutesOfArc(minutes, kShownAsSixtySeconds);
    const bool negative = radians < 0.0;
    const long long degrees = negative ? -angle.degrees : angle.degrees;
    const long long minutesOfDegree = angle.minutes;
    const double seconds = angle.seconds;

    std::string text = ff::Record().I(degrees, 4).I(minutesOfDegree, 3, 2).F(seconds, 6, 2).str();
    TextPair texts = SplitText(text);
    // A negative angle of less than one degree shows its sign in front of the
    // 0 degrees, unless it prints as 0 00 00.00.
    if (negative && degrees == 0 &&
        (static_cast<double>(minutesOfDegree) + seconds > 0.006 ||
         texts.second.compare(0, 3, ".00") != 0))
        ForceMinusAt(texts.first, 3);
    // Seconds always show two digits.
    BlankToZeroAt(texts.first, 9);
    BlankToZeroAt(texts.first, 10);
    return texts;
}

}  // namespace quillon::engine
