// The messages of the line-set steps: ErrorBoxes whose inner lines are
// centred between the frame words, and the plain lines that leave a line set
// uncomputed, each followed by its " FATAL ERROR -- 04 CARD" or
// " FATAL ERROR -- 06 CARD" line.
//
// Listing columns count the carriage-control column as 1; the frame words
// stand in columns 26-30 and 96-100, the 65 columns between them hold the
// inner lines.
#pragma once

#include <string>
#include <vector>

#include "engine/alignment/AlignmentCardReader.hpp"
#include "engine/linesets/LineSetState.hpp"
#include "engine/run/EngineRun.hpp"

namespace quillon::engine {

// One inner line of a box: centred (the odd blank on the right) unless
// `blanks` gives the blanks between the left frame word and the text.
struct BoxText {
    std::string text;
    int blanks = -1;
};

// The record of an inner line.
std::string BoxTextLine(const BoxText& line);
// An inner line that holds only `code` ("(B21)") in columns 90-94.
std::string BoxCodeLine(const std::string& code);

// Where a box's code ("(B21)") stands: on an inner line of its own before
// the closing frame line, or in the closing frame line itself.
enum class CodePlace { OwnLine, ClosingLine };

// An empty line, the frame, the inner lines, the code (when not empty) and
// the closing frame line, without asking the page control; returns the
// number of lines written.
int WriteBoxLines(EngineRun& run, const std::vector<BoxText>& lines, const std::string& code = "",
                  CodePlace place = CodePlace::OwnLine);

// The same after asking the page control for room for `need` lines (at
// least all of them) and counting them.
void WriteLineSetBox(EngineRun& run, const std::vector<BoxText>& lines, int need = 0,
                     const std::string& code = "");

// Page control asks for this much room before a girder or bent line box and
// before a dead-load box.
inline constexpr int kLineBoxRoom = 6;
inline constexpr int kDeadLoadBoxRoom = 7;

// The detail lines (one or two), each as " " and its text, after 5 - n empty
// records; then an empty record, " FATAL ERROR -- 0n CARD" and an empty
// record; page control 8 before, and -1, 0 after (the next block starts a
// new page).
void WritePlainFatal(EngineRun& run, const std::vector<std::string>& details, int cardType);

// A warning: page control 4, 4, three empty records and the text from
// column 9.
void WriteWarningLine(EngineRun& run, const std::string& text);

// "GIRDER LINE:  " and the two description halves; "BENT LINE:  " and the
// description.
std::string GirderLineName(const GirderLine& line);
std::string BentLineName(const BentLine& bent);

}  // namespace quillon::engine
