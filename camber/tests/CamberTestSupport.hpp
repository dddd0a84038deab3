// Helpers shared by the camber tests: fixture files, in-memory runs and
// column slices of listing lines.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "camber/CamberComputation.hpp"
#include "camber/CamberInput.hpp"
#include "camber/CamberRun.hpp"

namespace quillon::camber::testing {

inline std::string ReadFixture(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) throw std::runtime_error("missing fixture " + name);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

struct Listing {
    int status = -1;
    std::string text;
    std::vector<std::string> lines;
};

// The problem loop run on an input text.
inline Listing ListingOf(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    Listing listing;
    listing.status = ListCamberProblems(in, out);
    listing.text = out.str();
    listing.lines = SplitLines(listing.text);
    return listing;
}

// Columns first..last (1-based, inclusive) of a line; blanks past its end.
inline std::string Cols(const std::string& line, int first, int last) {
    std::string out;
    for (int c = first; c <= last; ++c)
        out.push_back(static_cast<size_t>(c - 1) < line.size() ? line[static_cast<size_t>(c - 1)]
                                                               : ' ');
    return out;
}

// The first problem of an input, read and (when accepted) computed.
struct Computed {
    CamberProblem problem;
    SpliceCheck check;
    CamberTables tables;
};

inline Computed ComputeFirstProblem(const std::string& input) {
    std::istringstream in(input);
    CamberInputReader reader(in);
    Computed c;
    if (!reader.ReadCards(c.problem).ok() || !reader.ReadTables(c.problem).ok())
        throw std::runtime_error("fixture does not read");
    c.check = CheckLastSplice(c.problem);
    c.tables = ComputeCamber(c.problem);
    return c;
}

// The listing cut into pages, each from its "1" line; lines before the first
// page (run messages) form no page.
inline std::vector<std::vector<std::string>> Pages(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> pages;
    for (const std::string& line : lines) {
        if (!line.empty() && line[0] == '1') pages.emplace_back();
        if (!pages.empty()) pages.back().push_back(line);
    }
    return pages;
}

}  // namespace quillon::camber::testing
