// The small text routines the converters share: trimming a line read from a
// file and finding a character in it. Character codes are taken unsigned.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillon::converters {

// Receives a message that a routine reports (to a log or to the console).
using MessageSink = std::function<void(std::string_view)>;

inline constexpr std::string_view kFindCharOffsetMessage =
    "Error, offset cannot be < 0 or > length of string.";

// The position (from 0) of the first `c` at or after `offset`, or -1 when
// there is none. An offset below 0 or beyond the text's length reports
// kFindCharOffsetMessage and yields 0.
int FindChar(std::string_view text, int offset, char c, const MessageSink& report);

// The text without its trailing characters of code below 33 (blanks, tabs,
// the line end); a text of such characters only becomes empty.
std::string RightTrim(std::string_view text);

// The text without its leading characters of code below 33, then cut before
// its first control character (code below 32).
std::string LeftTrim(std::string_view text);

}  // namespace quillon::converters
