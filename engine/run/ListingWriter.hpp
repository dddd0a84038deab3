// The geometry listing: 50 counted lines a page, each page opened by the title
// block and the heading line. WritePageHeading is the one page control; every
// writer asks it for room before it writes.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/run/RunState.hpp"

namespace quillon::engine {

class ListingWriter {
public:
    ListingWriter(std::ostream& out, const HeadingTexts& headings, EngineVariant variant)
        : out_(out), headings_(headings), variant_(variant) {}

    // need: lines the next block needs on one page (-1 ends the page);
    // use: lines written now and counted.
    void WritePageHeading(int need, int use);

    // One record, written as it stands (its first character is the
    // carriage-control column) and ended with a line feed.
    void Write(std::string_view record);
    void WriteEmpty() { Write(""); }

    // Pages `lines` shorter for as long as the scope lasts (the bent-line
    // groups below the horizontal control are listed so); the page length
    // comes back when it ends.
    class ShorterPages {
    public:
        ShorterPages(ListingWriter& writer, int lines)
            : writer_(writer), saved_(writer.pageLength_) {
            writer_.pageLength_ = saved_ - lines;
        }
        ~ShorterPages() { writer_.pageLength_ = saved_; }
        ShorterPages(const ShorterPages&) = delete;
        ShorterPages& operator=(const ShorterPages&) = delete;

    private:
        ListingWriter& writer_;
        int saved_;
    };

    int PageCounter() const { return pageCounter_; }
    int LinesLeft() const { return linesLeft_; }
    int PageLength() const { return pageLength_; }

    // The five title-block records and the heading line of the current page.
    std::vector<std::string> TitleBlock() const;
    std::string HeadingLine() const;

private:
    std::ostream& out_;
    const HeadingTexts& headings_;
    EngineVariant variant_;
    int pageCounter_ = 0;
    int linesLeft_ = -1;
    int pageLength_ = 50;
};

// A line of an error box: "ERROR" in columns 26-30 and 96-100 and each text at
// its column (31-95). No texts gives the frame line.
std::string ErrorBoxLine(const std::vector<std::pair<int, std::string>>& texts = {});

}  // namespace quillon::engine
