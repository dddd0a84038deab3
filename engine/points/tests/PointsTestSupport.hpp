// Decks run through the whole engine, and the rows of their point tables
// read back by the columns of the tables' layout.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/problem/tests/EngineTestSupport.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine::pointstest {

using Fields = std::vector<std::pair<int, std::string>>;

// A card from texts at their columns (1-based).
inline std::string Card(const Fields& fields) {
    fixedform::Record card;
    for (const auto& [column, text] : fields) card.Column(column).Text(text);
    return card.str();
}

inline std::string Deck(const std::vector<std::string>& cards) {
    std::string deck;
    for (const std::string& card : cards) deck += card + "\n";
    return deck;
}

// Alignment cards: a grade of 2 % through elevation 100.00 at 10+00 and a
// crown falling 2 % to both sides; a curve to the right of 60 degrees and
// radius 1000 without spirals, its TS at 10+00.0000 (PI 15+77.3503).
inline const std::string kVertical =
    Card({{1, "02"}, {3, "2."}, {48, "1000."}, {57, "100."}, {72, "2."}});
inline const std::string kCrossSlope = Card({{1, "03"}, {3, "C"}, {4, ".02"}});
inline const std::string kCurve =
    Card({{1, "01"}, {3, "R"}, {4, "60."}, {13, "1577.3503"}, {52, "1000."}});

// A 04 card at `station` (deck feet) on the control, skew with respect to
// the control, layout line code `layout`; more fields as given.
inline std::string Reference(const std::string& station, const std::string& layout = "1",
                             const Fields& more = {}) {
    Fields fields = {{1, "04"}, {3, station}, {14, "0"}, {24, "1"}, {26, layout}};
    fields.insert(fields.end(), more.begin(), more.end());
    return Card(fields);
}

// A 05 card of line type `type`, offset `offset` of type `offsetType`.
inline std::string Girder(const std::string& name, const std::string& offset,
                          const std::string& type = "0", const std::string& offsetType = "4",
                          const Fields& more = {}) {
    Fields fields = {{1, "05"}, {3, type}, {4, offset}, {12, offsetType}, {30, name}};
    fields.insert(fields.end(), more.begin(), more.end());
    return Card(fields);
}

// A 06 card at `distance` along the control from the reference station,
// fractional points `fractional` (columns 22-28 as punched).
inline std::string Bent(const std::string& name, const std::string& distance,
                        const std::string& fractional = "", const Fields& more = {}) {
    Fields fields = {{1, "06"}, {3, distance}, {11, "0"}, {21, "0"}, {22, fractional}, {29, name}};
    fields.insert(fields.end(), more.begin(), more.end());
    return Card(fields);
}

inline std::vector<std::string> Records(const std::string& listing) {
    return testing::Records(listing);
}

inline bool IsTitle(const std::string& r) {
    return r.size() >= 133 && r.compare(118, 15, " FINISHED GRADE") == 0;
}
inline bool IsContinuation(const std::string& r) {
    return r.size() > 36 && r.compare(30, 6, "(CONT)") == 0;
}
inline bool IsGroupTitle(const std::string& r) {
    return r.size() >= 58 && r.compare(25, 33, "  LINE *        AT FINISHED GRADE") == 0;
}
// A data row: its station text has "+" in column 20 (QlEngl) or 19 (QlMetr).
inline bool IsPointRow(const std::string& r) {
    return r.size() >= 27 && r[0] == ' ' && (r[19] == '+' || r[18] == '+') && !IsTitle(r);
}

// The rows after record `start` up to the next table or group.
inline std::vector<std::string> RowsAfter(const std::vector<std::string>& records, size_t start) {
    std::vector<std::string> rows;
    for (size_t i = start + 1; i < records.size(); ++i) {
        const std::string& r = records[i];
        if ((IsTitle(r) && !IsContinuation(r)) || IsGroupTitle(r)) break;
        if (r.find("DEAD LOAD DEFLECTION DATA") != std::string::npos) break;
        if (IsPointRow(r)) rows.push_back(r);
    }
    return rows;
}

// The rows of the table of the girder line named `name` (its 20-character
// description), continuation pages included.
inline std::vector<std::string> GirderRows(const std::string& listing, const std::string& name) {
    const std::vector<std::string> records = Records(listing);
    const std::string key = fixedform::PadRight(name, 20);
    for (size_t i = 0; i < records.size(); ++i)
        if (IsTitle(records[i]) && !IsContinuation(records[i]) &&
            records[i].compare(8, 20, key) == 0)
            return RowsAfter(records, i);
    return {};
}

// The rows of a group of the bent-line table: "* HORIZONTAL CONTROL",
// "* LAYOUT", "* BACK  TANGENT" or "* AHEAD  TANGENT".
inline std::vector<std::string> GroupRows(const std::string& listing, const std::string& group) {
    const std::vector<std::string> records = Records(listing);
    for (size_t i = 0; i < records.size(); ++i)
        if (IsGroupTitle(records[i]) && records[i].find(group + "  LINE *") != std::string::npos)
            return RowsAfter(records, i);
    return {};
}

// Columns first..last of a row (1-based), and the number they hold.
inline std::string Columns(const std::string& row, int first, int last) {
    if (static_cast<int>(row.size()) < first) return std::string();
    return row.substr(static_cast<size_t>(first - 1), static_cast<size_t>(last - first + 1));
}
inline double Number(const std::string& row, int first, int last) {
    return std::strtod(Columns(row, first, last).c_str(), nullptr);
}

// The columns of a longitudinal row.
inline std::string Name(const std::string& row) { return Columns(row, 2, 11); }
inline std::string Station(const std::string& row) { return Columns(row, 15, 27); }
inline double Offset(const std::string& row) { return Number(row, 28, 38); }
inline double Elevation(const std::string& row) { return Number(row, 41, 50); }
inline std::string ElevationWithDeadLoad(const std::string& row) { return Columns(row, 51, 59); }
inline double X(const std::string& row) { return Number(row, 60, 71); }
inline double Y(const std::string& row) { return Number(row, 72, 83); }
inline double BentLength(const std::string& row) { return Number(row, 85, 96); }
inline std::string Skew(const std::string& row) { return Columns(row, 98, 110); }
inline double GirderLength(const std::string& row) { return Number(row, 111, 122); }

// A station text back as feet: "     10+25.0000" gives 1025.0.
inline double StationFeet(const std::string& row) {
    const std::string text = Station(row);
    const size_t plus = text.find('+');
    if (plus == std::string::npos) return -1.0;
    return std::strtod(text.substr(0, plus).c_str(), nullptr) * 100.0 +
           std::strtod(text.substr(plus + 1).c_str(), nullptr);
}

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace quillon::engine::pointstest
