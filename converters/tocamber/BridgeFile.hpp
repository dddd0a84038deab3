// The girders of a geometry listing as Ql2Cmb reads them: the longitudinal
// line tables whose names hold "GIR" or "WEB", each with the rows it keeps.
//
// Rows kept (the point name in columns 2-11 decides):
//   support  a "CL" row holding "ABUT", or "BRG" without "BK" and "AH"
//   pier     a "CL" row holding "PIER" that is not a support
//   splice   a row starting "SP", or a "CL" row holding "SP" that is neither
//   point    a fractional point: "    F-", "    X-", "    D-" or "    E-"
// Every other row (bent faces, alignment points, other crossings) is not kept.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::converters::tocamber {

enum class RowKind { Support, Pier, Splice, FractionalPoint };

struct ListingRow {
    RowKind kind = RowKind::FractionalPoint;
    std::string text;  // the listing line as read: column 1 is the carriage control
};

// One girder or web table.
struct LongitudinalLineEntry {
    std::string name;              // the table's name (at most 32 characters)
    int pointsPerSpan = 0;         // 10 or 20 from its point labels; 0 when they tell neither
    std::vector<ListingRow> rows;  // the rows kept, in listing order (on all its pages)
    int lastRow = -1;              // the last support row (index into rows), -1 when none

    bool IsSupportOrPier(size_t row) const {
        return rows[row].kind == RowKind::Support || rows[row].kind == RowKind::Pier;
    }
};

// The kind of a row, or nothing when the row is not kept.
std::optional<RowKind> RowKindOf(std::string_view line);

// Tables Ql2Cmb takes: names holding "GIR" or "WEB".
bool IsGirderOrWeb(std::string_view name);

struct BridgeLoad {
    std::vector<LongitudinalLineEntry> girders;  // girder n is girders[n - 1]
    std::vector<std::string> logMessages;        // for the log only
    std::optional<std::string> abortMessage;     // the load ends the run
};

// Reads the listing (`listingName`: its name, for the messages) to the end of
// its girder and web tables: every one of its one line set. The walk's
// refusals (another structure or line set, a page cut short, columns that
// are not where the engine writes them) and a listing without any girder or
// web table end the run.
BridgeLoad LoadBridgeFile(std::istream& listing, std::string_view listingName,
                          std::ostream& console);

}  // namespace quillon::converters::tocamber
