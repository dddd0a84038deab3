// The state of one engine run: the card read last, the heading texts, the
// failure flags and the ignored lines. One instance lives for the whole run;
// page control belongs to the ListingWriter.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/run/EngineVariant.hpp"
#include "engine/run/LengthUnits.hpp"

namespace quillon::engine {

// Heading texts of every page: 1 structure ID, 2 section number, 3 version,
// 4 date, 5 time; each 10 characters.
struct HeadingTexts {
    enum Index : size_t { kStructureId, kSectionNumber, kVersion, kDate, kTime, kCount };
    std::array<std::string, kCount> text{"*  *  *  *", "          ", "          ", "          ",
                                         "          "};
    std::string& StructureId() { return text[kStructureId]; }
    std::string& SectionNumber() { return text[kSectionNumber]; }
    std::string& Version() { return text[kVersion]; }
    std::string& Date() { return text[kDate]; }
    std::string& Time() { return text[kTime]; }
    const std::string& operator[](Index i) const { return text[i]; }
};

// Lines the card reader set aside, kept until a report lists them.
struct IgnoredLines {
    static constexpr int kKept = 8;  // only the first 8 are listed
    int count = 0;                   // all lines ignored since the last report
    std::vector<std::string> lines;  // columns 1-80 of the first (at most) 8
};

// AlignmentMarker: a station of the alignment of the Problem read last
// (feet), never below kAlignmentMarkerFloor once a Problem has reached its
// alignment; kNoAlignmentMarker until then.
inline constexpr double kNoAlignmentMarker = -99000.0;
inline constexpr double kAlignmentMarkerFloor = -90000.0;

// AuxOutputStatus: the letter the elevation-shift checks of the longitudinal
// line titles leave. A fault letter gets the auxiliary-output box at the end
// of the run; the fault letters stand for the box's four reasons, in its
// order. The line titles set only ShiftNotConstant.
enum class AuxOutputStatus : char {
    NoFault = 'A',           // the start of every run
    ShiftTooSmall = 'B',     // an elevation shift below 0.0002 ft and above 0
    AllLinesType4 = 'C',     // all girder lines are line type 4
    ShiftNotConstant = 'E',  // the elevation shifts of a line set's lines differ
    TooFewLinePoints = 'F',  // a girder line has fewer than three points
};

// Whether the status is a fault that the end of the run reports.
constexpr bool IsAuxOutputFault(AuxOutputStatus status) {
    return status == AuxOutputStatus::ShiftTooSmall || status == AuxOutputStatus::AllLinesType4 ||
           status == AuxOutputStatus::ShiftNotConstant ||
           status == AuxOutputStatus::TooFewLinePoints;
}

struct RunState {
    explicit RunState(EngineVariant v) : variant(v) {}

    EngineVariant variant;
    std::string cardImage = std::string(80, ' ');  // columns 1-80 of the last line read
    int currentCardType = 8;                       // type 0-8 of the card accepted last
    HeadingTexts headings;
    int sectionCounter = 0;
    bool fatalFlag = false;     // the current Problem or line set cannot be computed
    bool runErrorFlag = false;  // a fatal error or ignored line was reported this run
    AuxOutputStatus auxOutputStatus = AuxOutputStatus::NoFault;
    double alignmentMarker = kNoAlignmentMarker;
    double stationDivisor = 1.0;
    LengthUnits units;
    IgnoredLines ignored;

    // No Problem of this run has reached its alignment yet.
    bool NoAlignmentReached() const { return alignmentMarker < kAlignmentMarkerFloor; }
};

}  // namespace quillon::engine
