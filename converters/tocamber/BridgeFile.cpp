#include "converters/tocamber/BridgeFile.hpp"

#include "converters/common/ListingLayout.hpp"
#include "converters/common/ListingWalker.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::converters::tocamber {

namespace ff = quillon::fixedform;

namespace {

bool Holds(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace

bool IsGirderOrWeb(std::string_view name) { return Holds(name, "GIR") || Holds(name, "WEB"); }

std::optional<RowKind> RowKindOf(std::string_view line) {
    if (listing::IsFractionalPointRow(line)) return RowKind::FractionalPoint;
    const std::string name = listing::FieldText(line, listing::kPointName);
    const std::string start = ff::Columns(line, 2, 2);
    if (start == "SP") return RowKind::Splice;
    if (start != "CL") return std::nullopt;
    if (Holds(name, "ABUT") || (Holds(name, "BRG") && !Holds(name, "BK") && !Holds(name, "AH")))
        return RowKind::Support;
    if (Holds(name, "PIER")) return RowKind::Pier;
    if (Holds(name, "SP")) return RowKind::Splice;
    return std::nullopt;
}

BridgeLoad LoadBridgeFile(std::istream& listing, std::string_view listingName,
                          std::ostream& console) {
    ListingWalkOptions options;
    options.takesTable = IsGirderOrWeb;
    options.fieldsRead = {listing::kPointName, listing::kStation, listing::kElevation,
                          listing::kElevationWithDeadLoad, listing::kGirderLength};
    options.listingName = listingName;
    ListingWalker walker(listing, std::move(options), console);
    BridgeLoad load;
    for (;;) {
        WalkEvent event = walker.Next();
        switch (event.kind) {
            case WalkEvent::Kind::TableOpened:
                load.girders.push_back({event.text, 0, {}, -1});
                break;
            case WalkEvent::Kind::Row: {
                std::optional<RowKind> kind = RowKindOf(event.text);
                if (!kind) break;
                LongitudinalLineEntry& entry = load.girders.back();
                if (*kind == RowKind::FractionalPoint)
                    entry.pointsPerSpan =
                        listing::PointsPerSpanAfter(event.text, entry.pointsPerSpan);
                if (*kind == RowKind::Support) entry.lastRow = static_cast<int>(entry.rows.size());
                entry.rows.push_back({*kind, event.text});
                break;
            }
            case WalkEvent::Kind::End:
                if (load.girders.empty()) {
                    load.logMessages.push_back("Unexpected EOF found at seekStructure() cnt = " +
                                               std::to_string(walker.LinesRead()) +
                                               ", loadBridgeFile().");
                    load.abortMessage =
                        "No Girders or Webs found to process in file, ABORTING PROCESS";
                }
                return load;
            case WalkEvent::Kind::Abort:
                load.abortMessage = event.text;
                return load;
        }
    }
}

}  // namespace quillon::converters::tocamber
