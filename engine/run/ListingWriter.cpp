#include "engine/run/ListingWriter.hpp"

#include <algorithm>

#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// The four rows of the large-letter art, 34 columns each; each letter is
// drawn with its own character.
constexpr std::string_view kArt[4] = {
    "KK   KK  RRRRRR     AAA    LL     ",
    "KK KK    RR   RR   AA AA   LL     ",
    "KKKK     RRRRRR   AAAAAAA  LL     ",
    "KK   KK  RR   RR  AA   AA  LLLLLLL",
};

constexpr std::string_view kOrganisation = "Bridge Design and Construction";

}  // namespace

void ListingWriter::WritePageHeading(int need, int use) {
    if (need < -1 || use < 0) return;
    bool fits = need == 0 || linesLeft_ >= pageLength_ || (need > 0 && need <= linesLeft_);
    if (!fits) {
        linesLeft_ = -1;
        if (need == -1 && use == 0) return;
        if (pageCounter_ > 0) out_ << " \f";  // no line end: the title block follows on it
        ++pageCounter_;
        for (const std::string& record : TitleBlock()) Write(record);
        Write(HeadingLine());
        linesLeft_ = pageLength_;
    }
    linesLeft_ = std::min(linesLeft_, pageLength_) - use;
}

void ListingWriter::Write(std::string_view record) {
    // Straight into the stream's buffer: a listing is written a line at a
    // time, a million lines for a large deck. A short write is a failed
    // stream, as it would be through operator<<.
    std::streambuf* buffer = out_.rdbuf();
    const auto size = static_cast<std::streamsize>(record.size());
    if (!out_ || buffer == nullptr || buffer->sputn(record.data(), size) != size ||
        buffer->sputc('\n') == std::char_traits<char>::eof())
        out_.setstate(std::ios::badbit);
}

std::vector<std::string> ListingWriter::TitleBlock() const {
    std::vector<std::string> block;
    block.push_back(ff::Record()
                        .Column(5)
                        .Text(kArt[0])
                        .Column(56)
                        .Text("State  of  Vandemor")
                        .Column(92)
                        .Text(kArt[0])
                        .str());
    block.push_back(ff::Record()
                        .Column(5)
                        .Text(kArt[1])
                        .Column(51)
                        .Text(ff::PadRight(kOrganisation, 30))
                        .Column(92)
                        .Text(kArt[1])
                        .str());
    block.push_back(ff::Record()
                        .Column(5)
                        .Text(kArt[2])
                        .Column(62)
                        .Text("Ostrel")
                        .Column(92)
                        .Text(kArt[2])
                        .str());
    block.push_back(
        ff::Record()
            .Column(5)
            .Text(kArt[3])
            .Column(58)
            .Text(variant_ == EngineVariant::Metric ? "Metric  Output" : "English Output")
            .Column(92)
            .Text(kArt[3])
            .str());
    block.emplace_back();
    return block;
}

std::string ListingWriter::HeadingLine() const {
    const HeadingTexts& h = headings_;
    return ff::Record()
        .X(1)
        .Text("STRUCTURE ID:  ")
        .A(ff::PadRight(h[HeadingTexts::kStructureId], 10), 10)
        .X(5)
        .A(ff::PadRight(h[HeadingTexts::kSectionNumber], 6), 6)
        .X(8)
        .Text("QUILLON         (")
        .A(ff::PadRight(h[HeadingTexts::kVersion], 10), 10)
        .X(18)
        .A(ff::PadRight(h[HeadingTexts::kDate], 9), 9)
        .X(1)
        .A(ff::PadRight(h[HeadingTexts::kTime], 6), 6)
        .X(19)
        .Text("PAGE")
        .I(pageCounter_, 4)
        .str();
}

std::string ErrorBoxLine(const std::vector<std::pair<int, std::string>>& texts) {
    ff::Record record;
    record.Column(26).Text("ERROR");
    for (const auto& [column, text] : texts) record.Column(column).Text(text);
    record.Column(96).Text("ERROR");
    return record.str();
}

}  // namespace quillon::engine
