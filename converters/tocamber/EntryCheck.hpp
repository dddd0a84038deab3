// The checks of Ql2Cmb's two arguments: the listing's name (kind 1) and the
// girder selection list (kind 4), each with the console messages it gives.
//
// A selection list holds girder numbers and ranges separated by commas or
// blanks: "1,3,4,6", "1-20", "2 - 4", "-3" (1 to 3). A number below 1 or
// above the number of girders clears the whole selection; a range whose end
// is not above the number before it stops the list, keeping what was
// selected before it; a character other than a digit, blank, "," or "-"
// selects nothing. Whatever the list yields is written (possibly nothing).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::converters::tocamber {

enum class EntryKind {
    ListingName = 1,
    GirderList = 4,
};

struct EntryCheck {
    std::vector<std::string> messages;  // for the console and the log
    std::vector<bool> selected;         // girder list: index n for girder n (0 unused)
};

// Kind ListingName: "Quillon file name must be entered" for an empty name,
// "Input file name extension is not valid" for a file name with a "." but
// without ".LIS" (either case); the run goes on after both.
// Kind GirderList: the girders selected among 1 .. girderCount.
EntryCheck CheckEntry(EntryKind kind, std::string_view text, int girderCount = 0);

}  // namespace quillon::converters::tocamber
