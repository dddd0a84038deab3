// The roadway approaches run in memory: a deck's alignment cards up to its
// first 04 card go through the alignment step, then an 08 card is made the
// current card and the approaches step runs on it. The listing goes to a
// string, and the table's rows are read back by their columns.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/alignment/tests/AlignmentCardsTestSupport.hpp"
#include "engine/approaches/RoadApproaches.hpp"
#include "engine/run/EngineRun.hpp"
#include "fixedform/TextLines.hpp"

namespace quillon::engine::approachtest {

using aligntest::Card;
using aligntest::Columns;

// A case of a parameterised suite (named by quillon::testsupport::CaseName):
// a failure shows its name.
struct NamedCase {
    std::string name;
};

inline void PrintTo(const NamedCase& c, std::ostream* os) { *os << c.name; }

// The 08 card: begin and end station, approach length and offsets, each
// text right-justified in its field (blanks read as zeros, so a text must
// stand at the right of its columns); an empty text leaves the field blank.
inline std::string ApproachCard(const std::string& begin, const std::string& end,
                                const std::string& length,
                                const std::vector<std::string>& offsets = {}) {
    cards::CardWriter card(cards::kRoadApproachCard);
    auto put = [&card](cards::FieldName name, const std::string& text) {
        const size_t width =
            static_cast<size_t>(cards::kRoadApproachCard.Find(name.View()).Width());
        card.Put(name, text.size() < width ? std::string(width - text.size(), ' ') + text : text);
    };
    put("RoadAppr.BegStr", begin);
    put("RoadAppr.EndStr", end);
    put("RoadAppr.Length", length);
    const cards::FieldName offsetNames[] = {"RoadAppr.Off1", "RoadAppr.Off2", "RoadAppr.Off3",
                                            "RoadAppr.Off4", "RoadAppr.Off5", "RoadAppr.Off6",
                                            "RoadAppr.Off7"};
    for (size_t i = 0; i < 7; ++i) put(offsetNames[i], i < offsets.size() ? offsets[i] : "");
    return card.str();
}

// A straight alignment: a +2 % grade through PI 10+00 at elevation 100.00
// and a one-way section falling 0.02 to the left and rising 0.02 to the
// right (crown "A"), so elevation = 100 + 0.02 (s - 1000) - 0.02 |q| left
// and + 0.02 q right.
inline const std::string kGradeCard =
    Card({{1, "02"}, {3, "2."}, {48, "1000."}, {57, "100."}, {72, "2."}});
inline const std::string kOneWayCard = Card({{1, "03"}, {3, "A"}, {4, ".02"}});

// The 04 card with the limits of valid data (deck stations; blank: none).
inline std::string LimitsCard(const std::string& begin = "", const std::string& end = "") {
    return Card({{1, "04"}, {59, begin}, {70, end}});
}

// The 01 card of a straight alignment with a station equation.
inline std::string EquationCard(const std::string& back, const std::string& ahead) {
    return Card({{1, "01"}, {59, back}, {70, ahead}});
}

// A deck of the straight alignment: 00, the given cards before the 02 card,
// 02, 03 and the 04 card.
inline std::vector<std::string> StraightDeck(const std::string& fourCard = LimitsCard(),
                                             const std::vector<std::string>& before = {}) {
    std::vector<std::string> deck{"00APPROACH"};
    for (const std::string& card : before) deck.push_back(card);
    deck.push_back(kGradeCard);
    deck.push_back(kOneWayCard);
    deck.push_back(fourCard);
    return deck;
}

// The alignment run of the alignment tests, then the approaches.
struct ApproachRun : aligntest::AlignmentRun {
    using AlignmentRun::AlignmentRun;

    // The alignment step up to the 04 card, then the approaches of `card`;
    // runError stands for a fatal error earlier in the run.
    void Process(const std::string& card, bool runError = false) {
        ASSERT_TRUE(AlignmentRun::Process());
        listedBefore = listing.str().size();
        run.state.runErrorFlag = run.state.runErrorFlag || runError;
        if (!section.empty()) run.state.headings.SectionNumber() = section;
        run.state.cardImage = fixedform::CardColumns(card);
        run.state.currentCardType = 8;
        ProcessRoadApproaches(run, alignmentState);
    }

    // What the approaches step wrote.
    std::string Written() const { return listing.str().substr(listedBefore); }

    std::string section;  // when given, the section text the approaches find
    size_t listedBefore = 0;
};

// The listing's records, split at line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// A station text as the table prints it: whole units, "+", two or three
// digits; an equation number may stand in front.
inline bool IsStation(const std::string& text) {
    static const std::regex kStation("^ *([0-9] +)?[0-9]+\\+[0-9]+$|^   \\*(OVER|NEGA)$");
    return std::regex_match(text, kStation);
}

// One row of the table, read by its columns.
struct TableRow {
    std::string line;
    std::string back;    // columns 7-14, empty when the left half is blank
    std::string ahead;   // columns 82-89, empty when the right half is blank
    std::string offset;  // columns 15-26 or 90-101, as printed
};

inline std::vector<TableRow> TableRows(const std::string& text) {
    std::vector<TableRow> rows;
    for (const std::string& line : Lines(text)) {
        TableRow row{line, Columns(line, 7, 14), Columns(line, 82, 89), ""};
        const bool back = IsStation(row.back), ahead = IsStation(row.ahead);
        if (!back && !ahead) continue;
        if (!back) row.back.clear();
        if (!ahead) row.ahead.clear();
        row.offset = back ? Columns(line, 15, 26) : Columns(line, 90, 101);
        rows.push_back(row);
    }
    return rows;
}

// The rows of each offset, in table order.
inline std::vector<std::vector<TableRow>> Blocks(const std::string& text) {
    std::vector<std::vector<TableRow>> blocks;
    for (const TableRow& row : TableRows(text)) {
        if (blocks.empty() || blocks.back().front().offset != row.offset) blocks.emplace_back();
        blocks.back().push_back(row);
    }
    return blocks;
}

// The stations of one half of a block, trimmed of their leading blanks.
inline std::vector<std::string> Stations(const std::vector<TableRow>& block, bool back) {
    std::vector<std::string> stations;
    for (const TableRow& row : block) {
        const std::string& s = back ? row.back : row.ahead;
        if (s.empty()) continue;
        stations.push_back(s.substr(s.find_first_not_of(' ')));
    }
    return stations;
}

// Station texts 10 ft apart: from..to (feet, deck stationing) as sss+ff.
inline std::vector<std::string> StationRange(int from, int to) {
    std::vector<std::string> texts;
    for (int s = from; s <= to; s += 10) {
        std::string feet = std::to_string(s % 100);
        if (feet.size() < 2) feet = "0" + feet;
        texts.push_back(std::to_string(s / 100) + "+" + feet);
    }
    return texts;
}

// The lines under each header of the table up to the next page: rows and
// empty lines (the header's 4 lines and the note's 3 are not counted).
inline std::vector<std::vector<std::string>> Pages(const std::string& text) {
    std::vector<std::vector<std::string>> pages;
    const std::vector<std::string> lines = Lines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("* ROADWAY  APPROACHES *") == std::string::npos) continue;
        size_t j = i + 3;  // past the captions and the empty line after them
        if (j < lines.size() && lines[j].find("( ABBREVIATED") != std::string::npos) j += 3;
        pages.emplace_back();
        for (; j < lines.size() && lines[j].find('\f') == std::string::npos; ++j)
            pages.back().push_back(lines[j]);
    }
    return pages;
}

}  // namespace quillon::engine::approachtest
