// The longitudinal lines of a geometry listing as QlStFi reads them: every
// longitudinal table of its one line set, walked page by page by the shared
// listing walker (a "." on the console for every line skipped), with the rows
// kept of each (StickFigure.hpp). A row kept whose X, Y or ELEVATION is blank
// or not a number is kept without a point: it is not drawn and takes no part
// in the extents or the transverse lines; the log names it.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "converters/stick/StickFigure.hpp"

namespace quillon::converters::stick {

struct BridgeLoad {
    std::vector<LongitudinalLineEntry> lines;  // in listing order
    std::vector<std::string> logMessages;      // for the log only
    // The walk's refusal (another structure or line set, a page cut short,
    // columns that are not where the engine writes them); nothing when the
    // listing was read to the end of its tables.
    std::optional<std::string> abortMessage;
};

// Reads the listing (`listingName`: its name, for the messages) to the end of
// its longitudinal tables. A listing that ends before its first longitudinal
// table gives no lines (the walk's message goes to the log).
BridgeLoad LoadBridgeFile(std::istream& listing, std::string_view listingName,
                          std::ostream& console);

}  // namespace quillon::converters::stick
