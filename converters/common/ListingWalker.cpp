#include "converters/common/ListingWalker.hpp"

#include "converters/common/ListingLayout.hpp"
#include "converters/common/TextRoutines.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/TextLines.hpp"

namespace quillon::converters {

namespace ff = quillon::fixedform;

namespace {

constexpr size_t kKeyFirst = 16;       // characters of the trimmed heading line
constexpr size_t kKeyLast = 43;        // that make the structure key
constexpr size_t kNameWidth = 32;      // of a table's name
constexpr size_t kShortestTitle = 41;  // a shorter line is no table title

// In the box the engine writes when the deck ends in a blank card.
constexpr std::string_view kBlankCardBoxMarker = "BLANK LINE(S) ENCOUNTERED";
constexpr int kBlankCardBoxLine = 3;  // lines after the heading line

const char* const kSkipRecEnd = "Unexpected end of file found at skipRec(), aborting process.";
const char* const kSeekEnd = "Unexpected end of file found at seekStructure(), aborting process.";

bool Holds(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

bool IsBentLineTableHeading(std::string_view line) {
    return ff::Columns(line, 27, static_cast<int>(listing::kBentLineTableMarker.size())) ==
           listing::kBentLineTableMarker;
}

bool IsLongitudinalHeader(std::string_view line) {
    return ff::Columns(line, 2, static_cast<int>(listing::kLongitudinalHeader.size())) ==
           listing::kLongitudinalHeader;
}

// The page number of a heading line (columns 130-133), or empty.
std::string PageNumber(std::string_view heading) {
    if (ff::Columns(heading, 126, 4) != "PAGE") return "";
    auto number = ff::ReadInteger(heading, 130, 4, ff::Blanks::Ignored);
    return number.ok() && !ff::IsBlank(ff::Columns(heading, 130, 4)) ? std::to_string(number.value)
                                                                     : "";
}

}  // namespace

std::string TrimmedStructureLine(std::string_view line) {
    std::string trimmed = LeftTrim(line);
    if (trimmed.size() > kKeyLast) trimmed.resize(kKeyLast);
    return RightTrim(trimmed);
}

std::string StructureKey(std::string_view line) {
    std::string trimmed = TrimmedStructureLine(line);
    return trimmed.size() < kKeyFirst ? "" : trimmed.substr(kKeyFirst - 1);
}

std::string TableName(std::string_view title) {
    std::string name = LeftTrim(title);
    if (name.size() > kNameWidth) name.resize(kNameWidth);
    return RightTrim(name);
}

ListingWalker::ListingWalker(std::istream& listing, ListingWalkOptions options,
                             std::ostream& console)
    : listing_(listing), options_(std::move(options)), console_(console) {}

bool ListingWalker::ReadLine() {
    if (!ff::ReadTextLine(listing_, line_)) return false;
    ++linesRead_;
    return true;
}

ListingWalker::Step ListingWalker::SeekStructure() {
    while (ReadLine()) {
        if (Holds(line_, listing::kStructureMarker)) return Step::Found;
        if (options_.progressDots) console_ << '.';
    }
    return options_.endAtSeekAborts ? Step::Abort : Step::EndOfFile;
}

ListingWalker::Step ListingWalker::CheckStructure() {
    pageKey_ = StructureKey(line_);
    if (key_.empty() || pageKey_ == key_) return Step::Found;
    return Step::Abort;
}

ListingWalker::Step ListingWalker::SkipRec(int count) {
    for (int i = 0; i < count; ++i) {
        if (!ReadLine()) return Step::EndOfFile;
        if (options_.progressDots) console_ << '.';
    }
    return Step::Found;
}

bool ListingWalker::IsContinuation() {
    if (ff::Columns(line_, 31, static_cast<int>(listing::kContinuationMarker.size())) ==
        listing::kContinuationMarker)
        return true;
    lineName_ = TableName(line_);
    return false;
}

WalkEvent ListingWalker::Finish(WalkEvent event) {
    state_ = State::Finished;
    final_ = event;
    return event;
}

WalkEvent ListingWalker::AbortWith(std::string message) {
    return Finish({WalkEvent::Kind::Abort, std::move(message), -1});
}

std::optional<WalkEvent> ListingWalker::ReachHeading() {
    Step found = SeekStructure();
    if (found == Step::EndOfFile) return Finish({WalkEvent::Kind::End, "", -1});
    if (found == Step::Abort) return AbortWith(kSeekEnd);
    return std::nullopt;
}

WalkEvent ListingWalker::OpenTable() {
    table_ = tablesOpened_++;
    state_ = State::InTable;
    return {WalkEvent::Kind::TableOpened, lineName_, table_};
}

std::optional<WalkEvent> ListingWalker::RefuseMovedColumns(const std::string& page) {
    for (const listing::RowField& field : options_.fieldsRead) {
        if (listing::HeaderHoldsCaption(line_, field)) continue;
        const listing::Caption& caption = field.caption;
        const int last = caption.first + static_cast<int>(caption.text.size()) - 1;
        return AbortWith("Bridge file " + options_.listingName +
                         " is not laid out as a geometry listing: the column header" +
                         (page.empty() ? "" : " on page " + page) + " has no " +
                         std::string(caption.text) + " in columns " +
                         std::to_string(caption.first) + "-" + std::to_string(last) +
                         ", aborting process");
    }
    return std::nullopt;
}

std::optional<WalkEvent> ListingWalker::SearchPage() {
    if (std::optional<WalkEvent> end = ReachHeading()) return end;
    // No key is kept yet: pages before the first table are not compared.
    CheckStructure();
    const std::string page = PageNumber(line_);
    if (SkipRec(2) != Step::Found) return AbortWith(kSkipRecEnd);
    if (IsBentLineTableHeading(line_) || line_.size() < kShortestTitle || IsContinuation())
        return std::nullopt;
    if (options_.takesTable && !options_.takesTable(lineName_)) return std::nullopt;
    if (SkipRec(2) != Step::Found) return AbortWith(kSkipRecEnd);
    if (!IsLongitudinalHeader(line_)) return std::nullopt;
    if (std::optional<WalkEvent> refused = RefuseMovedColumns(page)) return refused;
    key_ = pageKey_;
    return OpenTable();
}

std::optional<WalkEvent> ListingWalker::WalkPage() {
    if (std::optional<WalkEvent> end = ReachHeading()) return end;
    if (CheckStructure() == Step::Abort) {
        const std::string heading = TrimmedStructureLine(line_);
        // A deck that ends in a blank card: the engine takes the card for a
        // new Problem and lists its box under the next section number, but
        // the page holds nothing else and no structure follows.
        if (SkipRec(kBlankCardBoxLine) == Step::Found && Holds(line_, kBlankCardBoxMarker))
            return Finish({WalkEvent::Kind::End, "", -1});
        return AbortWith("Current structure is '" + key_ + "', found = '" + heading +
                         ", aborting process'");
    }
    const std::string page = PageNumber(line_);
    if (SkipRec(2) != Step::Found) return AbortWith(kSkipRecEnd);
    if (IsBentLineTableHeading(line_))
        return AbortWith("Found a second line set" + (page.empty() ? "" : " on page " + page) +
                         "; only one line set can be read, aborting process");
    // The first page that is no longitudinal table (the roadway approaches,
    // the end-of-run boxes) ends the walk: the rest of the listing is not
    // read.
    if (line_.size() < kShortestTitle) return Finish({WalkEvent::Kind::End, "", -1});
    const bool continued = IsContinuation();
    if (SkipRec(2) != Step::Found) return AbortWith(kSkipRecEnd);
    if (!IsLongitudinalHeader(line_)) return Finish({WalkEvent::Kind::End, "", -1});
    if (std::optional<WalkEvent> refused = RefuseMovedColumns(page)) return refused;
    if (continued) return std::nullopt;  // the table of the page before goes on (or stays closed)
    if (options_.takesTable && !options_.takesTable(lineName_)) {
        state_ = State::BetweenTables;
        return std::nullopt;
    }
    return OpenTable();
}

WalkEvent ListingWalker::Next() {
    if (state_ == State::Finished) return final_;
    for (;;) {
        if (state_ == State::Searching) {
            if (std::optional<WalkEvent> event = SearchPage()) return *event;
            continue;
        }
        if (!ReadLine()) return Finish({WalkEvent::Kind::End, "", -1});
        if (Holds(line_, listing::kPageMarker)) {
            if (std::optional<WalkEvent> event = WalkPage()) return *event;
            continue;
        }
        if (state_ == State::InTable) {
            if (!line_.empty()) return {WalkEvent::Kind::Row, line_, table_};
        } else if (options_.progressDots) {
            console_ << '.';  // a line passed over
        }
    }
}

}  // namespace quillon::converters
