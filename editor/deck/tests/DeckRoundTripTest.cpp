// A deck opened and saved, over the sample decks and small irregular ones:
//
//   1. opening and saving the saved deck changes no byte;
//   2. the engine reads every field of the deck and of its saved copy alike
//      (a metric deck: the English decks that the metric converter writes of
//      the two);
//   3. every byte that the save changes is one of the changes listed below.
//
// The engine's reading is stated here on its own, column by column from the
// deck format (blanks as zeros, implied decimals, a punched point honoured,
// and the fields where a blank means "not given"), read with fixedform; it
// shares no table with the editor's card layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "DeckFileTestSupport.hpp"
#include "converters/m2e/M2eRun.hpp"
#include "editor/deck/DeckReader.hpp"
#include "editor/deck/DeckWriter.hpp"
#include "environment/Environment.hpp"
#include "fixedform/DecimalDigits.hpp"
#include "fixedform/FieldReader.hpp"
#include "testsupport/CaseName.hpp"

namespace quillon::editor::test {

namespace {

namespace fs = std::filesystem;
namespace ff = quillon::fixedform;

// ---------------------------------------------------------------------------
// The deck as the engine reads it.

enum class Kind {
    Number,         // Fw.d, blanks as zeros
    Given,          // Fw.d; a field of blanks is a value not given
    GivenNoBlanks,  // the same, blanks inside the field ignored (superelevation rate)
    MaxCurve,       // blank: 50.0, else the absolute value
    LeftSlope,      // blank: minus the right slope
    Code,           // I1, blanks as zeros
    Direction,      // "L", "l" or "-": left, anything else right
    Crown,          // A/a/1 1, B/b/2 2, C/c/3 3, D/d/4 4, anything else 5
    Reverse,        // digits 1-9, anything else 0
    Flag,           // a column that is set when not blank
    Character,      // one column as punched
    Text,           // columns as punched
    Units,          // "F" or "f": feet, anything else inches
    Mark,           // "M" or "m": metric
    Unread,         // columns the engine does not read
    UnreadNumber,   // a number the engine does not read (the editor keeps it)
};

struct Column {
    const char* name;
    int first;
    int last;
    Kind kind;
    int decimals = 0;
};

bool IsNumber(Kind kind) {
    return kind == Kind::Number || kind == Kind::Given || kind == Kind::GivenNoBlanks ||
           kind == Kind::MaxCurve || kind == Kind::LeftSlope || kind == Kind::Code ||
           kind == Kind::UnreadNumber;
}

// Card by card, every column from 3 to 80, in feet.
const std::vector<Column> kFirstCard = {{"StructureID", 3, 12, Kind::Text},
                                        {"spare", 13, 79, Kind::Unread},
                                        {"mark", 80, 80, Kind::Mark}};
const std::vector<Column> k01 = {
    {"CurveDirection", 3, 3, Kind::Direction}, {"Delta degrees", 4, 6, Kind::Number},
    {"Delta minutes", 7, 8, Kind::Number},     {"Delta seconds", 9, 12, Kind::Number, 2},
    {"PIStation", 13, 23, Kind::Number, 4},    {"Degree degrees", 24, 25, Kind::Number},
    {"Degree minutes", 26, 27, Kind::Number},  {"Degree seconds", 28, 31, Kind::Number, 2},
    {"InSpiral", 32, 37, Kind::Number, 2},     {"OutSpiral", 38, 43, Kind::Number, 2},
    {"ProfOffset", 44, 51, Kind::Number, 4},   {"Radius", 52, 58, Kind::Number},
    {"Back", 59, 69, Kind::Number, 4},         {"Ahead", 70, 80, Kind::Number, 4}};
const std::vector<Column> k02 = {
    {"GradeIn", 3, 11, Kind::Given, 6},      {"InLength1", 12, 17, Kind::Number, 2},
    {"PISta1", 18, 26, Kind::Given, 2},      {"PIElev1", 27, 35, Kind::Number, 4},
    {"OutLength1", 36, 41, Kind::Number, 2}, {"InLength2", 42, 47, Kind::Number, 2},
    {"PISta2", 48, 56, Kind::Given, 2},      {"PIElev2", 57, 65, Kind::Number, 4},
    {"OutLength2", 66, 71, Kind::Number, 2}, {"GradeOut", 72, 80, Kind::Given, 6}};
const std::vector<Column> k03 = {{"CrownType", 3, 3, Kind::Crown},
                                 {"CrossSlope", 4, 8, Kind::Number, 4},
                                 {"SuperRate", 9, 12, Kind::GivenNoBlanks, 4},
                                 {"PivotOffset", 13, 20, Kind::Number, 4},
                                 {"InRunOut", 21, 25, Kind::UnreadNumber, 2},
                                 {"InTransLength", 26, 30, Kind::Number, 2},
                                 {"InTransPer", 31, 35, Kind::Given, 2},
                                 {"OutRunout", 36, 40, Kind::UnreadNumber, 2},
                                 {"OutTransLength", 41, 45, Kind::Number, 2},
                                 {"OutTransPer", 46, 50, Kind::Given, 2},
                                 {"MaxTransVC", 51, 55, Kind::MaxCurve, 3},
                                 {"VCLengthFlag", 56, 56, Kind::Character},
                                 {"CrownWidth", 57, 65, Kind::Number, 4},
                                 {"CrownHeight", 66, 70, Kind::Number, 3},
                                 {"CrownLeft", 71, 75, Kind::Number, 4},
                                 {"CrownRight", 76, 80, Kind::Number, 4}};
const std::vector<Column> kOverride = {{"OverSta", 3, 11, Kind::Number, 2},
                                       {"OverLeft", 12, 16, Kind::LeftSlope, 4},
                                       {"OverRight", 17, 21, Kind::Number, 4},
                                       {"spare", 22, 80, Kind::Unread}};
const std::vector<Column> k04 = {
    {"RefLineSta", 3, 13, Kind::Number, 4},     {"StaOn", 14, 14, Kind::Code},
    {"SkewDirection", 15, 15, Kind::Direction}, {"Skew degrees", 16, 17, Kind::Number},
    {"Skew minutes", 18, 19, Kind::Number},     {"Skew seconds", 20, 23, Kind::Number, 2},
    {"SkewRespTo", 24, 24, Kind::Code},         {"BentSkew", 25, 25, Kind::Code},
    {"LayoutLineIs", 26, 26, Kind::Code},       {"Option27", 27, 27, Kind::Flag},
    {"Option28", 28, 28, Kind::Flag},           {"PatternShift", 29, 29, Kind::Flag},
    {"RevLayoutLine", 30, 30, Kind::Reverse},   {"XZeroPoints", 31, 31, Kind::Flag},
    {"Column32", 32, 32, Kind::Character},      {"spare", 33, 40, Kind::Unread},
    {"TransX", 41, 49, Kind::Number, 4},        {"TransY", 50, 58, Kind::Number, 4},
    {"LimitBegSta", 59, 69, Kind::Given, 4},    {"LimitEndSta", 70, 80, Kind::Given, 4}};
const std::vector<Column> k05 = {{"LineType", 3, 3, Kind::Code},
                                 {"InitialOffset", 4, 11, Kind::Number, 4},
                                 {"InitialOffsetType", 12, 12, Kind::Code},
                                 {"TerminalOffset", 13, 20, Kind::Number, 4},
                                 {"TerminalOffsetType", 21, 21, Kind::Code},
                                 {"ElevationShift", 22, 29, Kind::Number, 4},
                                 {"Description", 30, 49, Kind::Text},
                                 {"BaseLine", 50, 50, Kind::Flag},
                                 {"Chord", 51, 51, Kind::Flag},
                                 {"ExteriorGirder", 52, 52, Kind::Character},
                                 {"XTypeRequest", 53, 53, Kind::Character},
                                 {"DeadLoadGirder", 54, 54, Kind::Character},
                                 {"Option55", 55, 55, Kind::Flag},
                                 {"ConstantOffset", 56, 56, Kind::Flag},
                                 {"SuppressListing", 57, 57, Kind::Flag},
                                 {"spare", 58, 80, Kind::Unread}};
const std::vector<Column> k06 = {
    {"BentDistance", 3, 10, Kind::Number, 4},   {"DistanceType", 11, 11, Kind::Code},
    {"SkewDirection", 12, 12, Kind::Character}, {"Skew degrees", 13, 14, Kind::Number},
    {"Skew minutes", 15, 16, Kind::Number},     {"Skew seconds", 17, 20, Kind::Number, 2},
    {"SkewType", 21, 21, Kind::Code},           {"FractionalPoints", 22, 28, Kind::Number, 4},
    {"Description", 29, 38, Kind::Text},        {"BreakGirderLines", 39, 39, Kind::Flag},
    {"FlaredOffsets", 40, 40, Kind::Flag},      {"ChordLayoutLine", 41, 41, Kind::Flag},
    {"SuppressListing", 42, 42, Kind::Flag},    {"SelIntersect", 43, 43, Kind::Character},
    {"DeadLoadFlag", 44, 44, Kind::Character},  {"SecondaryRef", 45, 46, Kind::Text},
    {"Column47", 47, 47, Kind::Character},      {"spare", 48, 80, Kind::Unread}};
const std::vector<Column> k07 = [] {
    std::vector<Column> columns = {{"GirderCode", 3, 3, Kind::Character},
                                   {"BentLineCode", 4, 4, Kind::Character},
                                   {"DeflectionUnits", 5, 5, Kind::Units},
                                   {"Column6", 6, 6, Kind::Character},
                                   {"spare", 7, 14, Kind::Unread}};
    static const char* kNames[] = {"Deflection0", "Deflection1", "Deflection2", "Deflection3",
                                   "Deflection4", "Deflection5", "Deflection6", "Deflection7",
                                   "Deflection8", "Deflection9", "Deflection10"};
    for (int k = 0; k < 11; ++k)
        columns.push_back({kNames[k], 15 + 6 * k, 20 + 6 * k, Kind::Given, 3});
    return columns;
}();
const std::vector<Column> k08 = {
    {"BegStr", 3, 9, Kind::Number},      {"EndStr", 10, 16, Kind::Number},
    {"Length", 17, 24, Kind::Number, 1}, {"Off1", 25, 32, Kind::Given, 4},
    {"Off2", 33, 40, Kind::Given, 4},    {"Off3", 41, 48, Kind::Given, 4},
    {"Off4", 49, 56, Kind::Given, 4},    {"Off5", 57, 64, Kind::Given, 4},
    {"Off6", 65, 72, Kind::Given, 4},    {"Off7", 73, 80, Kind::Given, 4}};

std::string Type(const std::string& line) { return ff::Columns(line, 1, 2); }
std::string Field(const std::string& line, const Column& c) {
    return ff::Columns(line, c.first, c.last - c.first + 1);
}

std::string NumberValue(const std::string& field, int decimals,
                        ff::Blanks blanks = ff::Blanks::AsZeros) {
    ff::FieldValue<ff::DecimalDigits> read = ff::ReadFwdDigits(field, decimals, blanks);
    if (!read.ok()) return "not a number \"" + field + "\"";
    return ff::PlainText(read.value);
}

bool IsLeft(char c) { return c == 'L' || c == 'l' || c == '-'; }

// What the engine makes of a field.
std::string EngineValue(const std::string& field, const Column& c) {
    const char first = field.empty() ? ' ' : field[0];
    switch (c.kind) {
        case Kind::Number:
        case Kind::Code:
            return NumberValue(field, c.decimals);
        case Kind::Given:
        case Kind::GivenNoBlanks:
            if (ff::IsBlank(field)) return "(not given)";
            return NumberValue(field, c.decimals,
                               c.kind == Kind::Given ? ff::Blanks::AsZeros : ff::Blanks::Ignored);
        case Kind::MaxCurve: {
            if (ff::IsBlank(field)) return "50";
            std::string value = NumberValue(field, c.decimals);
            return value[0] == '-' ? value.substr(1) : value;
        }
        case Kind::LeftSlope:
            return ff::IsBlank(field) ? "(minus the right slope)" : NumberValue(field, c.decimals);
        case Kind::Direction:
            return IsLeft(first) ? "left" : "right";
        case Kind::Crown: {
            const std::string codes = "AaBbCcDd";
            if (size_t at = codes.find(first); at != std::string::npos)
                return std::to_string(at / 2 + 1);
            if (first >= '1' && first <= '4') return std::string(1, first);
            return "5";
        }
        case Kind::Reverse:
            return first >= '1' && first <= '9' ? std::string(1, first) : "0";
        case Kind::Flag:
            return ff::IsBlank(field) ? "unset" : "set";
        case Kind::Units:
            return first == 'F' || first == 'f' ? "feet" : "inches";
        case Kind::Mark:
            return first == 'M' || first == 'm' ? "metric" : "in feet";
        case Kind::Character:
        case Kind::Text:
            return "\"" + field + "\"";
        case Kind::Unread:
        case Kind::UnreadNumber:
            return {};
    }
    return {};
}

// A 00 card after the first that holds one of the editor's keys.
bool IsKeyCard(const std::string& line) {
    std::string text = line.size() > 2 ? line.substr(2) : std::string();
    text.erase(0, text.find_first_not_of(' '));
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* key :
         {"units:", "project:", "subaccount:", "designer:", "detailer:", "location:"})
        if (text.rfind(key, 0) == 0) return true;
    return false;
}

// The cards of a deck in the engine's order, by their part in it.
struct DeckCards {
    std::string first;                     // the first card, when the deck has one
    std::vector<std::string> keys;         // 00 key cards
    std::vector<std::string> description;  // the other 00 text cards
    std::vector<std::string> cards;        // 01 to 08
};

DeckCards Sorted(const std::vector<std::string>& lines) {
    DeckCards deck;
    size_t i = 0;
    auto comment = [](const std::string& line) { return Type(line) == "99" || ff::IsBlank(line); };
    while (i < lines.size() && comment(lines[i])) ++i;
    if (i < lines.size() && Type(lines[i]) == "00") deck.first = lines[i++];
    for (; i < lines.size(); ++i) {
        if (comment(lines[i])) continue;
        if (Type(lines[i]) != "00") break;
        (IsKeyCard(lines[i]) ? deck.keys : deck.description).push_back(lines[i]);
    }
    for (; i < lines.size(); ++i)
        if (!comment(lines[i])) deck.cards.push_back(lines[i]);
    return deck;
}

const std::vector<Column>* ColumnsOf(const std::string& type, bool firstOfItsType) {
    static const std::map<std::string, const std::vector<Column>*> kCards = {
        {"01", &k01}, {"02", &k02}, {"04", &k04}, {"05", &k05},
        {"06", &k06}, {"07", &k07}, {"08", &k08}};
    if (type == "03") return firstOfItsType ? &k03 : &kOverride;
    auto found = kCards.find(type);
    return found == kCards.end() ? nullptr : found->second;
}

// Every field the engine reads, as "card.field=value" lines. The four key
// cards, and the one empty description card of a deck without description
// lines, are the editor's own (see the byte changes below).
std::vector<std::string> EngineView(const std::vector<std::string>& lines) {
    const DeckCards deck = Sorted(lines);
    std::vector<std::string> view;
    for (const Column& c : kFirstCard)
        if (c.kind != Kind::Unread)
            view.push_back("00." + std::string(c.name) + "=" +
                           EngineValue(Field(deck.first, c), c));
    std::vector<std::string> description = deck.description;
    if (description.size() == 1 && ff::IsBlank(description[0].substr(2))) description.clear();
    for (const std::string& line : description)
        view.push_back("00.text=" + ff::Columns(line, 3, 78));
    std::string previous;
    std::map<std::string, int> counts;
    for (const std::string& card : deck.cards) {
        const std::string type = Type(card);
        const std::vector<Column>* columns = ColumnsOf(type, type != previous);
        previous = type;
        const std::string label = type + "#" + std::to_string(++counts[type]);
        if (columns == nullptr) {
            view.push_back(label + " not a card: " + card);
            continue;
        }
        for (const Column& c : *columns)
            if (c.kind != Kind::Unread && c.kind != Kind::UnreadNumber)
                view.push_back(label + "." + c.name + "=" + EngineValue(Field(card, c), c));
    }
    return view;
}

// ---------------------------------------------------------------------------
// The byte changes that a save may make, each a rule of the deck writer:
//
//   - every line ends with a line feed alone (CRLF, a lone CR and a missing
//     last line end go);
//   - comment ("99") lines and lines of blanks are left out;
//   - the units, project, designer and location cards stand after the first
//     card in the editor's form, a key card of the deck among them as it was;
//     a deck without description lines gets one empty description card;
//   - a card is written up to its last field: the English first card ends
//     after its identifier, columns that no field is written to are blank,
//     columns past 80 are cut (description lines are kept whole);
//   - numbers are written right-justified with the field's implied decimals:
//     blank numbers become zero digits, leading zeros come and go, punched
//     points become implied decimals, the radius is written with its point;
//   - the curve and skew directions of the 01 and 04 cards are written L or
//     R, the crown type and the metric mark in capitals, a set option as X,
//     a blank reverse layout code as its item's digit 0;
//   - a field that drew a warning may change.

// Warnings of the card readers and the field each is about.
struct WarnedField {
    const char* warning;
    const char* type;
    const char* field;
};
const WarnedField kWarnedFields[] = {
    {"Warning: (04) Reference line data, bad \"Station is on\"", "04", "StaOn"},
    {"Warning: (04) Reference line data, bad \"Skew is with respect to\"", "04", "SkewRespTo"},
    {"Warning: (04) Reference line data, bad \"Layout line is\"", "04", "LayoutLineIs"},
    {"Warning: (04) Reference line data, bad \"Reverse layout line\"", "04", "RevLayoutLine"},
    {"Warning: (05) Girder line data, bad line type.", "05", "LineType"},
    {"Warning: (05) Girder line data, initial offset type invalid.", "05", "InitialOffsetType"},
    {"Warning: (05) Girder line data, terminal offset type invalid.", "05", "TerminalOffsetType"},
    {"Warning: (06) Bent line data, distance type invalid.", "06", "DistanceType"},
    {"Warning: (06) Skew direction invalid. Should be L or R", "06", "SkewDirection"},
    {"Warning: (06) Bent line data, skew type invalid.", "06", "SkewType"},
};

// The rule that allows a field to change from `was` to `is`, or none.
std::optional<std::string> ChangeRule(const Column& c, const std::string& was,
                                      const std::string& is) {
    const bool wasBlank = ff::IsBlank(was);
    if (c.kind == Kind::Unread && ff::IsBlank(is))
        return "columns no field is written to are blank";
    if (IsNumber(c.kind)) {
        if (was.find('.') != std::string::npos || is.find('.') != std::string::npos)
            return "punched points are written as implied decimals, the radius with its point";
        if (NumberValue(was, 0) == NumberValue(is, 0))
            return "numbers right-justified with leading zero digits, blank numbers as zero digits";
        return std::nullopt;
    }
    const char w = wasBlank ? ' ' : was[0];
    switch (c.kind) {
        case Kind::Direction:
            if (is == (IsLeft(w) ? "L" : "R")) return "a direction is written L or R";
            break;
        case Kind::Crown:
        case Kind::Mark:
            if (is.size() == 1 && is[0] == std::toupper(static_cast<unsigned char>(w)))
                return "letters are written in capitals";
            break;
        case Kind::Flag:
            if (!wasBlank && is == "X") return "a set option is written X";
            break;
        case Kind::Reverse:
            if (wasBlank && is == "0") return "a blank code is written as its item's digit 0";
            break;
        default:
            break;
    }
    return std::nullopt;
}

// What the save changed that no rule allows, one line each.
std::vector<std::string> UnlistedChanges(const std::vector<std::string>& original,
                                         const std::vector<std::string>& saved, bool metric,
                                         const std::vector<std::string>& warnings) {
    std::vector<std::string> faults;
    auto fault = [&](const std::string& where, const std::string& was, const std::string& is) {
        faults.push_back(where + ": \"" + was + "\" became \"" + is + "\"");
    };
    const DeckCards was = Sorted(original);
    const DeckCards is = Sorted(saved);

    // The first card: written up to its identifier (English) or with the
    // mark in column 80 (metric).
    for (const Column& c : kFirstCard) {
        const std::string a = Field(was.first, c), b = Field(is.first, c);
        if (a != b && !ChangeRule(c, a, b)) fault("first card " + std::string(c.name), a, b);
    }
    const size_t firstLength = metric ? 80 : 12;
    if (is.first.size() != firstLength) fault("first card length", was.first, is.first);

    // The four key cards are the editor's, in its order; a key card of the
    // deck is among them as it was.
    const std::vector<std::string> keyStarts = {metric ? "00 Units: metric;" : "00 Units: feet;",
                                                "00 Project: ", "00 Designer: ", "00 Location: "};
    if (is.keys.size() != keyStarts.size()) {
        fault("key cards", std::to_string(was.keys.size()), std::to_string(is.keys.size()));
    } else {
        for (size_t k = 0; k < keyStarts.size(); ++k)
            if (is.keys[k].rfind(keyStarts[k], 0) != 0) fault("key card", "", is.keys[k]);
    }
    for (const std::string& key : was.keys)
        if (std::find(is.keys.begin(), is.keys.end(), key) == is.keys.end())
            fault("key card not written back", key, "");

    // Description lines come back byte for byte; a deck without any gets one
    // empty card.
    const std::vector<std::string> none = {"00"};
    if (is.description != was.description && !(was.description.empty() && is.description == none))
        fault("description lines", std::to_string(was.description.size()),
              std::to_string(is.description.size()));

    // Cards 01-08 field by field; cards of a type that drew a warning may
    // change in the warned field.
    if (was.cards.size() != is.cards.size()) {
        fault("cards 01-08", std::to_string(was.cards.size()), std::to_string(is.cards.size()));
        return faults;
    }
    std::string previous;
    for (size_t n = 0; n < was.cards.size(); ++n) {
        const std::string& a = was.cards[n];
        const std::string& b = is.cards[n];
        const std::string type = Type(a);
        const std::vector<Column>* columns = ColumnsOf(type, type != previous);
        previous = type;
        const std::string where = "card " + std::to_string(n + 1) + " (" + type + ")";
        if (columns == nullptr || Type(b) != type) {
            fault(where, a, b);
            continue;
        }
        for (const Column& c : *columns) {
            const std::string fa = Field(a, c), fb = Field(b, c);
            if (fa == fb || ChangeRule(c, fa, fb)) continue;
            const bool warned = std::any_of(
                std::begin(kWarnedFields), std::end(kWarnedFields), [&](const WarnedField& w) {
                    return type == w.type && c.name == std::string(w.field) &&
                           std::any_of(warnings.begin(), warnings.end(),
                                       [&](const std::string& text) {
                                           return text.rfind(w.warning, 0) == 0;
                                       });
                });
            if (!warned) fault(where + " " + c.name, fa, fb);
        }
        // A card is written up to its last field: columns past column 80 are
        // not kept (the engine reads 80).
        if (b.size() > 80) fault(where + " length", a, b);
    }
    return faults;
}

// The fields that two views hold differently, one line each.
std::vector<std::string> Differences(const std::vector<std::string>& saved,
                                     const std::vector<std::string>& original) {
    std::vector<std::string> differences;
    for (size_t i = 0; i < std::max(saved.size(), original.size()); ++i) {
        const std::string a = i < saved.size() ? saved[i] : "(none)";
        const std::string b = i < original.size() ? original[i] : "(none)";
        if (a != b) differences.push_back("saved " + a + ", the deck " + b);
    }
    return differences;
}

// ---------------------------------------------------------------------------

std::vector<std::string> LinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') {
            line += bytes[i];
            continue;
        }
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

struct Fixture {
    const char* name;
    const char* path;  // from the tree's top
};

void PrintTo(const Fixture& f, std::ostream* os) { *os << f.name; }

class DeckRoundTrip : public ::testing::TestWithParam<Fixture> {
protected:
    fs::path Path(const std::string& name) const { return folder_.path() / name; }

    // The deck opened and saved under `name`; the warnings of reading it.
    std::vector<std::string> OpenAndSave(const fs::path& deck, const std::string& name) {
        DeckModel model;
        CollectedWarnings warnings;
        DeckFileResult read = ReadInputFile(deck, model, warnings);
        EXPECT_TRUE(read.ok) << read.reason;
        DeckFileResult written = WriteInputFile(Path(name), model, warnings);
        EXPECT_TRUE(written.ok) << written.reason;
        metric_ = model.MetricFlag;
        return warnings.warnings;
    }

    // The English deck that the metric converter writes of `deck`.
    std::vector<std::string> Converted(const fs::path& deck, const std::string& name) {
        const fs::path folder = Path(name);
        fs::create_directory(folder);
        fs::copy_file(deck, folder / "deck.dat");
        std::ostringstream out, err;
        const int status = converters::m2e::RunM2e({(folder / "deck.dat").string()}, env_,
                                                   converters::ConverterConsole{out, err}, folder);
        EXPECT_EQ(status, 0) << out.str() << err.str();
        return LinesOf(ReadFile(folder / "deck.BIP"));
    }

    TempFolder folder_;
    FixedEnvironment env_{{2026, 6, 3, 9, 5, 7}, "kral", "/usr/bin"};
    bool metric_ = false;
};

TEST_P(DeckRoundTrip, SavedDeckReadsAsTheDeckDid) {
    const fs::path deck = SourceFile(GetParam().path);
    const std::string original = ReadFile(deck);
    ASSERT_FALSE(original.empty()) << deck;
    const std::vector<std::string> warnings = OpenAndSave(deck, "saved.dat");
    const std::string saved = ReadFile(Path("saved.dat"));

    // Every warning is one the byte changes know; the comment lines are the
    // only cards not kept (each fixture holds one line set).
    const std::vector<std::string> lines = LinesOf(original);
    int comments = 0, firstComment = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (Type(lines[i]) == "99" && comments++ == 0) firstComment = static_cast<int>(i) + 1;
    for (const std::string& warning : warnings) {
        const bool known =
            std::any_of(std::begin(kWarnedFields), std::end(kWarnedFields),
                        [&](const WarnedField& w) { return warning.rfind(w.warning, 0) == 0; });
        const std::string notKept = "Warning: (99) " + std::to_string(comments) +
                                    (comments == 1 ? " card is not kept, at line "
                                                   : " cards are not kept, the first at line ") +
                                    std::to_string(firstComment) + " ";
        EXPECT_TRUE(known || (comments > 0 && warning.rfind(notKept, 0) == 0)) << warning;
    }

    // 1. The saved deck comes back byte for byte.
    OpenAndSave(Path("saved.dat"), "again.dat");
    EXPECT_EQ(ReadFile(Path("again.dat")), saved);

    // 2. The engine reads the two decks alike.
    const std::vector<std::string> differences =
        metric_ ? Differences(EngineView(Converted(Path("saved.dat"), "saved")),
                              EngineView(Converted(deck, "original")))
                : Differences(EngineView(LinesOf(saved)), EngineView(lines));
    for (const std::string& difference : differences) ADD_FAILURE() << difference;

    // 3. Every byte the save changed is one of the listed changes. Every line
    // is ended by a line feed alone.
    EXPECT_EQ(saved.find('\r'), std::string::npos);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.back(), '\n');
    for (const std::string& change : UnlistedChanges(lines, LinesOf(saved), metric_, warnings))
        ADD_FAILURE() << change;
}

// The deck of line ends holds what its case is for, whatever a checkout does
// to text files.
TEST(DeckRoundTripFixtures, TheLineEndDeckHoldsCrLfADegreeSignNoFinalLineEndAndLongLines) {
    const std::string bytes = ReadFile(SourceFile("editor/deck/tests/decks/line-ends.dat"));
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    EXPECT_NE(bytes.find('\xB0'), std::string::npos);
    EXPECT_NE(bytes.back(), '\n');
    const std::vector<std::string> lines = LinesOf(bytes);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.size() > 80; }));
}

INSTANTIATE_TEST_SUITE_P(
    Decks, DeckRoundTrip,
    ::testing::Values(
        Fixture{"SampleBridge", "samples/bridge.dat"},
        Fixture{"MetricSample", "converters/m2e/tests/bridge-metric.dat"},
        Fixture{"PunchedPointsAndNegativeStations", "editor/deck/tests/decks/punched-points.dat"},
        Fixture{"MetricPunchedPoints", "editor/deck/tests/decks/metric-points.dat"},
        Fixture{"MinusDirectionsAndBlankCrownType", "editor/deck/tests/decks/minus-directions.dat"},
        Fixture{"ColumnsNoControlShows", "editor/deck/tests/decks/kept-columns.dat"},
        Fixture{"RowsWithoutKeysAndAnEmptyDeadLoadCard", "editor/deck/tests/decks/blank-keys.dat"},
        Fixture{"CrLfDegreeSignNoFinalLineEndLongLines", "editor/deck/tests/decks/line-ends.dat"}),
    testsupport::CaseName());

}  // namespace

}  // namespace quillon::editor::test
