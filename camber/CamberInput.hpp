// Reading camber problems from a camber input file.
//
// A problem is card 1 (IFLAG I1, I I1, DSCRPT A72), card 2 (ISPAN, ISPL, 2I5)
// and value lines of up to 11 fields of 7 columns (columns 78-80 are never
// read): SPEL (F7.4), SPLOC (F7.3), SPANL (F7.4), then the GEOEL lines of every
// span and after them the DEFEL lines of every span (F7.4). A span's points
// take one line of 11 values with tenth points and two lines of 10 and 11
// values with twentieth points. Every blank in a numeric field reads as zero.
//
// Each read is numbered (NLINE) and named (LINE) so that a field that cannot
// be read is reported with the read it belongs to and the line it stands in.
#pragma once

#include <istream>
#include <string>

#include "camber/CamberProblem.hpp"

namespace quillon::camber {

enum class ReadStatus {
    Ok,
    NoMoreProblems,    // the input ended where card 1 of a problem was due
    EndInsideProblem,  // the input ended at any later read of a problem
    ReadError,         // a field could not be read
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Ok;
    // With ReadError: the read that failed and the line it failed in.
    int NLINE = 0;
    std::string LINE;     // what the read was reading, 80 characters
    std::string badLine;  // the input line as it stands in the file

    bool ok() const { return status == ReadStatus::Ok; }
};

class CamberInputReader {
public:
    explicit CamberInputReader(std::istream& input) : input_(input) {}

    // Cards 1 and 2 of the next problem into `problem`, which starts afresh.
    ReadOutcome ReadCards(CamberProblem& problem);

    // The value lines of the problem whose cards were just read, into its
    // tables (sized to its counts; the counts must be within the limits).
    ReadOutcome ReadTables(CamberProblem& problem);

    // The same lines read and checked but kept nowhere: passes over a problem
    // that is refused for its counts so that the next problem can be read.
    ReadOutcome SkipTables(const CamberProblem& problem);

private:
    ReadOutcome ReadValueLines(const CamberProblem& counts, CamberProblem* tables);
    ReadOutcome ReadSpanRows(const char* name, int spans, int pointsPerSpan,
                             std::vector<SpanPoints>* rows);
    ReadOutcome ReadValues(int count, int decimals, float* destination);
    void BeginRead(const std::string& what);
    bool NextLine();
    ReadOutcome Failure(ReadStatus status) const;

    std::istream& input_;
    int NLINE_ = 0;
    std::string LINE_;
    std::string current_;  // the line last read
};

}  // namespace quillon::camber
