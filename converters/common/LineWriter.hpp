// Writing a converter's output in pieces: to the console, to the output file
// (held in memory until the run has succeeded), or to both.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace quillon::converters {

enum class WriteMode {
    Console = 0,  // the console only
    Output = 1,   // the output file only
    Both = 2,     // the console and the output file
};

class LineWriter {
public:
    LineWriter(std::ostream& console, std::string& output) : console_(console), output_(output) {}

    // Writes the text; when the mode is not Console, `newlines` newline
    // characters follow it in the output file. A record written in pieces
    // uses 0 for each piece and 1 after the last.
    void WriteLine(std::string_view text, int newlines, WriteMode mode);

private:
    std::ostream& console_;
    std::string& output_;
};

}  // namespace quillon::converters
