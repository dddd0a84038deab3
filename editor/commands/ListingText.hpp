// What the listing viewer shows of a listing file.
//
// The file's lines (LF or CRLF, one trailing CR dropped; a last line without
// a line end is a line) are appended, each followed by a line end, while the
// text built so far counts fewer than 65000 characters, each line counted with
// two characters for its line end. The text can so pass the limit by less than
// one line; the lines after that point are not shown. Form feeds and other
// control characters stay as they are. A file of more than 65000 bytes draws a
// warning.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::editor {

inline constexpr std::size_t kDisplayLimit = 65000;  // characters shown, bytes of a file
inline constexpr std::string_view kListingTooLarge =
    "Warning: the output file is too large to display completely.";
inline constexpr std::string_view kViewerStartText = "Geometry Output Display";

struct ListingDisplay {
    std::string text;       // the file's single-byte characters, lines ended by "\n"
    bool tooLarge = false;  // more than 65000 bytes
};

ListingDisplay ListingForDisplay(std::string_view fileBytes);

}  // namespace quillon::editor
