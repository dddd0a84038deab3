#include "converters/stick/BridgeLoader.hpp"

#include "converters/common/ListingLayout.hpp"
#include "converters/common/ListingWalker.hpp"

namespace quillon::converters::stick {

namespace {

void KeepRow(LongitudinalLineEntry& line, const std::string& text, std::vector<std::string>& log) {
    std::optional<RowKind> kind = ClassifyRow(text);
    if (!kind) return;
    if (*kind == RowKind::FractionalPoint)
        line.pointsPerSpan = listing::PointsPerSpanAfter(text, line.pointsPerSpan);
    if (*kind == RowKind::Pier) ++line.supportCount;
    if (*kind == RowKind::Splice) ++line.spliceCount;
    std::optional<Point3> point = ReadRowPoint(text);
    if (!point)
        log.push_back("Row '" + BentLineName(text) + "' of line '" + line.name +
                      "' has no X, Y or ELEVATION; it is not drawn.");
    line.rows.push_back({*kind, text, point});
}

}  // namespace

BridgeLoad LoadBridgeFile(std::istream& listing, std::string_view listingName,
                          std::ostream& console) {
    ListingWalkOptions options;
    options.progressDots = true;
    options.endAtSeekAborts = true;
    options.fieldsRead = {listing::kPointName, listing::kX, listing::kY, listing::kElevation};
    options.listingName = listingName;
    ListingWalker walker(listing, options, console);
    BridgeLoad load;
    for (;;) {
        WalkEvent event = walker.Next();
        switch (event.kind) {
            case WalkEvent::Kind::TableOpened:
                load.lines.push_back({});
                load.lines.back().name = event.text;
                break;
            case WalkEvent::Kind::Row:
                KeepRow(load.lines.back(), event.text, load.logMessages);
                break;
            case WalkEvent::Kind::End:
                return load;
            case WalkEvent::Kind::Abort:
                // Before its first table the listing has simply ended: it holds no line.
                if (walker.TablesOpened() == 0)
                    load.logMessages.push_back(event.text);
                else
                    load.abortMessage = event.text;
                return load;
        }
    }
}

}  // namespace quillon::converters::stick
