// The walk of a geometry listing that the listing readers share: page by page
// to the longitudinal line tables of one line set, handing on the rows of the
// tables the reader takes.
//
// A page opens with the title block (its first line holds "State  of
// Vandemor") and the heading line ("STRUCTURE ID:"). On a table page an
// empty line and the table's title follow, then an empty line, the column
// header and an empty line, then the rows. The walk:
//
//   SeekStructure   reads lines up to the heading line;
//   CheckStructure  takes the page's structure key (the structure ID and the
//                   section number) and compares it with the key kept;
//   SkipRec 2       reaches the title;
//   IsContinuation  tells a continued table ("(CONT)") from a new one, whose
//                   name it takes;
//   SkipRec 2       reaches the column header.
//
// Page rules:
// - Until the first table is opened (searching), pages are passed over: the
//   placeholder pages before the first structure, the bent-line intersection
//   table with its continuation pages, and every table that the reader does
//   not take or whose header is not the longitudinal header. A continued
//   table ("(CONT)") never opens a table.
// - The page of the first table opened gives the structure key; earlier pages
//   are not compared.
// - From then on each page is checked: a page of another key (another
//   structure, or a later Problem of it) ends the walk with the "Current
//   structure is" message, but for the page of the box the engine lists for a
//   deck that ends in a blank card, which ends the walk as the end of the
//   file does (the engine counts the blank card as a Problem of its own); a
//   page with the heading of a bent-line intersection table is a second line
//   set and ends the walk too.
// - A "(CONT)" page goes on with the table of the page before. A new table
//   that the reader takes opens the next table; one that it does not take
//   closes the table open, and the next table taken opens the next one. The
//   first page that is not a longitudinal table (the roadway approaches, the
//   end-of-run boxes) ends the walk: the rest of the file is not read.
// - Every longitudinal column header the walk reads must hold the captions
//   of the fields the reader reads in their columns; a listing whose columns
//   were moved is refused.
//
// Both readers walk with it; their differences are its options (Ql2Cmb:
// takesTable, and the fields it reads; QlStFi: progressDots, endAtSeekAborts
// and the fields it reads).
#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "converters/common/ListingLayout.hpp"

namespace quillon::converters {

struct ListingWalkOptions {
    // Which longitudinal tables the reader takes, by name. Empty: every one.
    std::function<bool(std::string_view name)> takesTable;
    // One "." on the console for every line that SkipRec reads and every line
    // that SeekStructure passes over.
    bool progressDots = false;
    // The end of the file while SeekStructure looks for a heading line ends
    // the walk with "Unexpected end of file found at SeekStructure(),
    // aborting process."; without it the walk ends there (the table open
    // closes).
    bool endAtSeekAborts = false;
    // The fields of a row the reader reads: their captions must stand in
    // their columns of every longitudinal column header.
    std::vector<listing::RowField> fieldsRead;
    // The listing's name, for the message that refuses its columns.
    std::string listingName;
};

struct WalkEvent {
    enum class Kind {
        TableOpened,  // text: the table's name; table: its index
        Row,          // text: the line (not empty) as read; table: the table it belongs to
        End,          // the end of the file: every table is closed
        Abort,        // text: the message; the run ends with the abort status
    };
    Kind kind = Kind::End;
    std::string text;
    int table = -1;  // tables count from 0 in listing order
};

class ListingWalker {
public:
    ListingWalker(std::istream& listing, ListingWalkOptions options, std::ostream& console);

    // The next table opened, row of a table taken, the end or an abort.
    // After End or Abort every call gives the same event again.
    WalkEvent Next();

    int TablesOpened() const { return tablesOpened_; }
    long LinesRead() const { return linesRead_; }

private:
    enum class Step { Found, EndOfFile, Abort };
    enum class State { Searching, InTable, BetweenTables, Finished };

    bool ReadLine();
    Step SeekStructure();
    Step CheckStructure();
    Step SkipRec(int count);
    bool IsContinuation();

    // The end of the walk when the file ends before the next heading line.
    std::optional<WalkEvent> ReachHeading();
    // A page after the first table (its title-block line read), or the next
    // page while searching: an event when the page opens a table or ends the
    // walk; nothing when rows (or the next page) follow.
    std::optional<WalkEvent> WalkPage();
    std::optional<WalkEvent> SearchPage();
    // The refusal of a column header (line_) that lacks a caption of the
    // fields the reader reads; `page`: the page number, or empty.
    std::optional<WalkEvent> RefuseMovedColumns(const std::string& page);
    WalkEvent OpenTable();
    WalkEvent Finish(WalkEvent event);
    WalkEvent AbortWith(std::string message);

    std::istream& listing_;
    ListingWalkOptions options_;
    std::ostream& console_;
    State state_ = State::Searching;
    WalkEvent final_;
    std::string line_;      // the line last read
    std::string lineName_;  // the name IsContinuation took
    std::string key_;       // the structure key kept from the first table's page
    std::string pageKey_;   // the structure key of the current page
    int table_ = -1;        // the table rows go to
    int tablesOpened_ = 0;
    long linesRead_ = 0;
};

// The heading line left-trimmed, cut after its 43rd character and
// right-trimmed: "STRUCTURE ID:", the structure ID and the section number.
std::string TrimmedStructureLine(std::string_view line);

// Characters 16 to 43 of the trimmed heading line: the structure ID and the
// section number (at most 28 characters).
std::string StructureKey(std::string_view line);

// A table's name from its title line: left-trimmed, cut to 32 characters and
// right-trimmed.
std::string TableName(std::string_view title);

}  // namespace quillon::converters
