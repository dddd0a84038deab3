#include "engine/linesets/LineSetMessages.hpp"

#include <algorithm>

#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kFirstInnerColumn = 31;
constexpr int kInnerWidth = 65;
constexpr int kCodeColumn = 90;
constexpr int kPlainBlock = 8;  // the lines of a plain message with its fatal line

}  // namespace

std::string BoxTextLine(const BoxText& line) {
    const int length = static_cast<int>(line.text.size());
    const int blanks = line.blanks >= 0 ? line.blanks : std::max(0, (kInnerWidth - length) / 2);
    return ErrorBoxLine({{kFirstInnerColumn + blanks, line.text}});
}

std::string BoxCodeLine(const std::string& code) { return ErrorBoxLine({{kCodeColumn, code}}); }

int WriteBoxLines(EngineRun& run, const std::vector<BoxText>& lines, const std::string& code,
                  CodePlace place) {
    ListingWriter& out = run.listing;
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    for (const BoxText& line : lines) out.Write(BoxTextLine(line));
    const bool ownLine = !code.empty() && place == CodePlace::OwnLine;
    if (ownLine) out.Write(BoxCodeLine(code));
    out.Write(place == CodePlace::ClosingLine ? BoxCodeLine(code) : ErrorBoxLine());
    return static_cast<int>(lines.size()) + (ownLine ? 4 : 3);
}

void WriteLineSetBox(EngineRun& run, const std::vector<BoxText>& lines, int need,
                     const std::string& code) {
    const int count = static_cast<int>(lines.size()) + (code.empty() ? 3 : 4);
    run.listing.WritePageHeading(std::max(need, count), count);
    WriteBoxLines(run, lines, code);
}

void WritePlainFatal(EngineRun& run, const std::vector<std::string>& details, int cardType) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(kPlainBlock, kPlainBlock);
    const size_t empties = details.size() < 5 ? 5 - details.size() : 0;
    for (size_t i = 0; i < empties; ++i) out.WriteEmpty();
    for (const std::string& detail : details) out.Write(" " + detail);
    out.WriteEmpty();
    out.Write(ff::Record().Text(" FATAL ERROR --").I(cardType, 3, 2).Text(" CARD").str());
    out.WriteEmpty();
    out.WritePageHeading(-1, 0);
}

void WriteWarningLine(EngineRun& run, const std::string& text) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(4, 4);
    for (int i = 0; i < 3; ++i) out.WriteEmpty();
    out.Write(ff::Record().Column(9).Text(text).str());
}

std::string GirderLineName(const GirderLine& line) {
    return "GIRDER LINE:  " + ff::PadRight(line.description[0], 10) +
           ff::PadRight(line.description[1], 10);
}

std::string BentLineName(const BentLine& bent) {
    return "BENT LINE:  " + ff::PadRight(bent.description, 10);
}

}  // namespace quillon::engine
