#include "engine/linesets/GirderLineOrder.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/linesets/LineSetMessages.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kDesignationCodes = 61;  // CharacterCode 0-60
constexpr int kCurvedExteriorWeight = 98;
constexpr int kRequestBoxRoom = 8;
constexpr int kNestingBoxRoom = 7;
constexpr int kSuppressRoom = 7;
constexpr int kOtherCharacters = 27;  // codes above it are neither blank, "0" nor letters
constexpr int kHeadingColumn = 29;
constexpr int kNameColumn = 41;

bool IsDesignation(int code) { return code > 0 && code < kDesignationCodes; }

std::string Designation(const GirderLine& line) {
    return ff::PadRight(line.description[0], 10) + ff::PadRight(line.description[1], 10);
}

void WriteGirderBox(EngineRun& run, const GirderLine& line, std::vector<BoxText> lines,
                    int room = kLineBoxRoom) {
    lines.insert(lines.begin(), BoxText{GirderLineName(line)});
    WriteLineSetBox(run, lines, room);
}

struct Designations {
    LineSetState& lineSet;
    std::array<int, kDesignationCodes> owner{};  // line of each code, negated once used
    std::vector<int> takesFrom;                  // by line: the exterior line it takes from

    GirderLine& Line(int i) { return lineSet.girders.Line(i); }
    int Count() const { return lineSet.girders.count; }
    bool IsExterior(int i) const {
        const int code = lineSet.girders.Line(i).exteriorCode;
        return IsDesignation(code) && std::abs(owner[static_cast<size_t>(code)]) == i;
    }
};

// Exterior designations: the first line with a code keeps it.
void MapExteriorGirders(EngineRun& run, const AlignmentState& alignment, Designations& d) {
    int weight = 0;
    for (int i = 1; i <= d.Count(); ++i) {
        GirderLine& line = d.Line(i);
        const int code = line.exteriorCode;
        if (!IsDesignation(code)) continue;
        int& owner = d.owner[static_cast<size_t>(code)];
        if (owner == 0) {
            owner = i;
            weight += line.lineType == kParallelToControl ? kCurvedExteriorWeight : 1;
            continue;
        }
        line.exteriorCode = 0;
        WriteGirderBox(run, line,
                       {{"EXTERIOR GIRDER DESIGNATIONS NOT UNIQUE"}, {"COL 52 IGNORED"}});
    }
    if (!alignment.horizontal.horizontalTangent && weight > kCurvedExteriorWeight)
        WriteWarningLine(run,
                         "WARNING:  X-TYPE FRACTIONAL POINTS SHOULD NOT BE TAKEN FROM A CURVED "
                         "EXTERIOR GIRDER");
}

// A request that names no other girder line must name a bent line's
// column-43 selection.
bool SelectsABentLine(const LineSetState& lineSet, int code) {
    for (int k = 2; k <= lineSet.bents.Count(); ++k) {
        const int selection = lineSet.bents.Slot(k).selectionCode;
        if (selection == code || (code > kOtherCharacters && selection == 0)) return true;
    }
    return false;
}

void TakeRequests(EngineRun& run, Designations& d) {
    for (int i = 1; i <= d.Count(); ++i) {
        GirderLine& line = d.Line(i);
        const int code = line.xTypeRequestCode;
        if (code == 0) continue;
        const int e = IsDesignation(code) ? std::abs(d.owner[static_cast<size_t>(code)]) : 0;
        if (e != 0 && e != i) {
            d.takesFrom[static_cast<size_t>(i)] = e;
            d.owner[static_cast<size_t>(code)] = -e;
            GirderLine& exterior = d.Line(e);
            if (exterior.suppressCode != 0 && line.suppressCode == 0) {
                exterior.suppressCode = 0;
                WriteGirderBox(run, exterior,
                               {{"SUPPRESS LISTING CANNOT BE USED WHEN"},
                                {"X-TYPE POINTS ARE PROJECTED TO A"},
                                {"GIRDER LINE WHICH IS NOT SUPPRESSED"},
                                {"COL 57 IGNORED"}},
                               kRequestBoxRoom);
            }
            continue;
        }
        if (SelectsABentLine(d.lineSet, code)) continue;
        line.xTypeRequestCode = 0;
        WriteGirderBox(run, line, {{"NO EXTERIOR GIRDER DESIGNATED"}, {"COL 53 IGNORED"}});
    }
    for (int i = 1; i <= d.Count(); ++i) {
        GirderLine& line = d.Line(i);
        const int code = line.exteriorCode;
        if (!IsDesignation(code) || d.owner[static_cast<size_t>(code)] != i) continue;
        d.owner[static_cast<size_t>(code)] = 0;
        line.exteriorCode = 0;
        WriteGirderBox(
            run, line,
            {{"NO GIRDER LINE REQUESTING X-TYPE FRACTIONAL POINTS"}, {"COL 52 IGNORED"}});
    }
}

// The lines a line takes no more points from: column 53 cleared with the
// nesting box.
void DropRequest(EngineRun& run, Designations& d, int i) {
    d.takesFrom[static_cast<size_t>(i)] = 0;
    d.Line(i).xTypeRequestCode = 0;
    WriteGirderBox(run, d.Line(i),
                   {{"IMPROPER NESTING OF EXTERIOR GIRDER"},
                    {"LINES FOR X-TYPE FRACTIONAL POINTS"},
                    {"COL 53 IGNORED"}},
                   kNestingBoxRoom);
}

// Appends `root` and the chain of lines that take points from it: its other
// takers in deck order, then the first taker that is itself an exterior
// girder with its own chain; further exterior takers lose their request.
void AppendChain(EngineRun& run, Designations& d, std::vector<bool>& appended, int root) {
    std::vector<int>& order = d.lineSet.girderOrder;
    for (int at = root; at != 0;) {
        order.push_back(at);
        appended[static_cast<size_t>(at)] = true;
        if (!d.IsExterior(at)) return;
        int next = 0;
        for (int i = 1; i <= d.Count(); ++i) {
            if (appended[static_cast<size_t>(i)] || d.takesFrom[static_cast<size_t>(i)] != at)
                continue;
            if (!d.IsExterior(i)) {
                order.push_back(i);
                appended[static_cast<size_t>(i)] = true;
            } else if (next == 0) {
                next = i;
            } else {
                DropRequest(run, d, i);
            }
        }
        at = next;
    }
}

void OrderByDesignations(EngineRun& run, Designations& d) {
    std::vector<int>& order = d.lineSet.girderOrder;
    order.clear();
    std::vector<bool> appended(static_cast<size_t>(d.Count() + 1), false);
    while (static_cast<int>(order.size()) < d.Count()) {
        for (int i = 1; i <= d.Count(); ++i)
            if (!appended[static_cast<size_t>(i)] && d.takesFrom[static_cast<size_t>(i)] == 0)
                AppendChain(run, d, appended, i);
        if (static_cast<int>(order.size()) == d.Count()) break;
        // What is left takes its points round a cycle: the first such line
        // in deck order takes none.
        for (int i = 1; i <= d.Count(); ++i)
            if (!appended[static_cast<size_t>(i)]) {
                DropRequest(run, d, i);
                break;
            }
    }
    for (int i = 1; i <= d.Count(); ++i)
        d.Line(i).xPointRequest = d.takesFrom[static_cast<size_t>(i)];
}

void ListSuppressedGirders(EngineRun& run, const LineSetState& lineSet, GirderLineScan& scan) {
    const GirderLineTable& girders = lineSet.girders;
    int count = 0;
    for (int i = 1; i <= girders.count; ++i)
        if (girders.Line(i).suppressCode != 0) ++count;
    if (count == 0) return;
    run.listing.WritePageHeading(count + kSuppressRoom, count + kSuppressRoom);
    WriteSuppressTitle(run);
    WriteSuppressHeading(run, "GIRDER");
    for (int i = 1; i <= girders.count; ++i)
        if (girders.Line(i).suppressCode != 0)
            WriteSuppressedName(run, Designation(girders.Line(i)));
    scan.suppressedListed = true;
}

}  // namespace

void WriteSuppressTitle(EngineRun& run) {
    run.listing.WriteEmpty();
    run.listing.WriteEmpty();
    run.listing.Write(" SUPPRESS LISTING OPTION");
}

void WriteSuppressHeading(EngineRun& run, const char* kind) {
    ListingWriter& out = run.listing;
    out.Write(ff::Record()
                  .Column(kHeadingColumn)
                  .Text("THE FOLLOWING ")
                  .Text(kind)
                  .Text(" LINES WILL NOT BE")
                  .str());
    out.Write(
        ff::Record().Column(kHeadingColumn).Text("WRITTEN TO DECK ELEVATION PLOT FILE").str());
    out.Write(
        ff::Record().Column(kHeadingColumn).Text("(WHEN ELEVATION SHEETS ARE REQUESTED)").str());
    out.WriteEmpty();
}

void WriteSuppressedName(EngineRun& run, const std::string& name) {
    run.listing.Write(ff::Record().Column(kNameColumn).Text(name).str());
}

GirderLineScan OrderGirderLines(EngineRun& run, const AlignmentState& alignment,
                                LineSetState& lineSet) {
    GirderLineScan scan;
    GirderLineTable& girders = lineSet.girders;
    bool requests = false;
    lineSet.girderOrder.clear();
    for (int i = 1; i <= girders.count; ++i) {
        GirderLine& line = girders.Line(i);
        line.xPointRequest = 0;
        if (line.lineType == kSegmentedLine)
            scan.largestSegmentedOffset =
                std::max(scan.largestSegmentedOffset, std::abs(line.initialOffset));
        if (line.xTypeRequestCode != 0 && line.xTypeRequestCode != line.exteriorCode)
            requests = true;
        lineSet.girderOrder.push_back(i);
    }
    if (requests) {
        Designations d{lineSet, {}, std::vector<int>(static_cast<size_t>(girders.count + 1), 0)};
        MapExteriorGirders(run, alignment, d);
        TakeRequests(run, d);
        OrderByDesignations(run, d);
    }
    ListSuppressedGirders(run, lineSet, scan);
    return scan;
}

}  // namespace quillon::engine
