// The state of one engine run: the card read last, the heading texts, the
// failure flags and the ignored lines. One instance lives for the whole run;
// page control belongs to the ListingWriter.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/run/EngineVariant.hpp"

namespace quillon::engine {

// Heading texts of every page: 1 structure ID, 2 section number, 3 version,
// 4 date, 5 time; each 10 characters.
struct HeadingTexts {
    std::array<std::string, 5> text{"*  *  *  *", "          ", "          ", "          ",
                                    "          "};
    std::string& StructureId() { return text[0]; }
    std::string& SectionNumber() { return text[1]; }
};

// Lines the card reader set aside, kept until a report lists them.
struct IgnoredLines {
    static constexpr int kKept = 8;  // only the first 8 are listed
    int count = 0;                   // all lines ignored since the last report
    std::vector<std::string> lines;  // columns 1-80 of the first (at most) 8
};

// The length units the metric listing converts between ("'" feet, "m" metres).
struct LengthUnits {
    char fromUnit = ' ';
    char toUnit = ' ';
};

struct RunState {
    explicit RunState(EngineVariant v) : variant(v) {}

    EngineVariant variant;
    std::string cardImage = std::string(80, ' ');  // columns 1-80 of the last line read
    int currentCardType = 8;                       // type 0-8 of the card accepted last
    HeadingTexts headings;
    int sectionCounter = 0;
    bool fatalFlag = false;             // the current Problem or line set cannot be computed
    bool runErrorFlag = false;          // a fatal error or ignored line was reported this run
    char auxOutputStatus = 'A';         // elevation-shift check of the line titles
    double alignmentMarker = -99000.0;  // below -90000: no Problem has reached its alignment
    double stationDivisor = 1.0;
    LengthUnits units;
    IgnoredLines ignored;
};

}  // namespace quillon::engine
