// The checks of the 05 cards of a line set, line by line in deck order.
#include <algorithm>
#include <cmath>

#include "engine/linesets/LineSetCardChecks.hpp"
#include "engine/linesets/LineSetMessages.hpp"
#include "fixedform/FieldReader.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kCrownTypeC = 3;           // CrownCode of the first crown type other than A or B
constexpr int kRangeMessageBlanks = 23;  // "COL 3, 12 OR 21 OUT OF RANGE" stands off centre

void WriteGirderBox(EngineRun& run, const GirderLine& line, const char* conflict,
                    const char* outcome) {
    WriteLineSetBox(run, {{GirderLineName(line)}, {conflict}, {outcome}}, kLineBoxRoom);
}

// What the step keeps while it goes through the lines.
struct GirderDesignations {
    int constantOffset = 0;  // the line of column 56, once found
    bool chordSearchEnded = false;
    int noBaseFrom = kMostGirderLines + 1;  // lines from here on cannot be the base line
};

// The line that is or will be the base line (column 50 on a line of type
// 0), or 0.
int BaseLine(const LineSetState& lineSet, const GirderDesignations& kept) {
    if (lineSet.baseGirderLine > 0) return lineSet.baseGirderLine;
    const GirderLineTable& girders = lineSet.girders;
    for (int j = 1; j < kept.noBaseFrom && j <= static_cast<int>(girders.lines.size()); ++j) {
        const GirderLine& line = girders.Line(j);
        if (line.baseLineCode != 0 && line.lineType == kParallelToControl) return j;
    }
    return 0;
}

// A fatal fault of line i: the girder lines are cut to none (i = 1) or to
// the first (and to none when the first is segmented and its base line is at
// or after i), never to more than a fault before left; the designations at i
// are dropped.
void CutGirderLines(EngineRun& run, LineSetState& lineSet, GirderDesignations& kept, int i) {
    GirderLineTable& girders = lineSet.girders;
    run.state.runErrorFlag = true;
    int keep = i == 1 ? 0 : 1;
    if (girders.Line(1).lineType == kSegmentedLine && BaseLine(lineSet, kept) >= i) keep = 0;
    girders.count = std::min(girders.count, keep);
    girders.Line(1).exteriorCode = girders.Line(1).xTypeRequestCode;
    if (kept.constantOffset == i) kept.constantOffset = 0;
    if (lineSet.chordGirderLine == i) lineSet.chordGirderLine = 0;
    if (lineSet.baseGirderLine >= i) lineSet.baseGirderLine = 0;
    kept.noBaseFrom = std::min(kept.noBaseFrom, i);
}

bool InRange(const GirderLine& line) {
    const int type = line.lineType;
    const int terminal = line.terminalOffsetType;
    const bool terminalOk = (terminal >= kNoTerminalOffset && terminal <= kNormalFromControl) ||
                            (type == kOffsetVariesWithSuper && terminal == kType4TerminalOffset);
    return type >= kParallelToControl && type <= kOffsetVariesWithSuper &&
           line.initialOffsetType >= kBentFromLayoutLine &&
           line.initialOffsetType <= kNormalFromControl && terminalOk &&
           !(type == kFlaredLine && terminal == kNoTerminalOffset);
}

// Steps a-f for line i.
void CheckGirderLine(EngineRun& run, LineSetState& lineSet, GirderDesignations& kept, int i) {
    GirderLine& line = lineSet.girders.Line(i);
    const int type = line.lineType;
    if (kept.constantOffset == 0 && line.constantOffsetCode != 0) {
        if (type == kParallelToControl) {
            kept.constantOffset = i;
        } else {
            WriteGirderBox(run, line, "COL 3 CONFLICTS WITH COL 56", "COL 56 IGNORED");
            line.constantOffsetCode = 0;
        }
    }
    if (type == kSegmentedLine && line.initialOffsetType != kNormalFromBase) {
        WriteGirderBox(run, line, "COL 3 CONFLICTS WITH COL 12", "COL 12 ASSUMED TO BE 5");
        line.initialOffsetType = kNormalFromBase;
    }
    if (lineSet.baseGirderLine == 0 && i < kept.noBaseFrom && line.baseLineCode != 0) {
        if (type == kParallelToControl) {
            lineSet.baseGirderLine = i;
        } else {
            WriteGirderBox(run, line, "COL 3 CONFLICTS WITH COL 50", "COL 50 IGNORED");
            line.baseLineCode = 0;
        }
    }
    if (!kept.chordSearchEnded && !lineSet.reusing &&
        lineSet.reference.layoutLineIs == kChordLayout && line.chordCode != 0) {
        const int initial = line.initialOffsetType;
        const int terminal = line.terminalOffsetType;
        const bool valid = (type == kParallelToControl || type == kFlaredLine) &&
                           (initial == kBentFromControl || initial == kNormalFromControl) &&
                           (terminal == kNoTerminalOffset || terminal == kBentFromControl ||
                            terminal == kNormalFromControl);
        if (valid) {
            double size = std::abs(line.initialOffset);
            if (type == kFlaredLine) size = std::max(size, std::abs(line.terminalOffset));
            if (size > kZeroLength) lineSet.chordGirderLine = i;
            kept.chordSearchEnded = true;
        } else {
            WriteGirderBox(run, line, "COL 51 CONFLICTS WITH COL 3, 12 OR 21", "COL 51 IGNORED");
            line.chordCode = 0;
        }
    }
    if (type != kFlaredLine && line.terminalOffsetType != kNoTerminalOffset &&
        !(type == kOffsetVariesWithSuper && line.terminalOffsetType == kType4TerminalOffset)) {
        WriteGirderBox(run, line, "COL 3 CONFLICTS WITH COL 21", "COLS 13-21 IGNORED");
        line.terminalOffsetType = kNoTerminalOffset;
        line.terminalOffset = 0.0;
    }
    if (type == kSegmentedLine || InRange(line)) return;
    const double size = std::abs(line.lineType) + std::abs(line.initialOffsetType) +
                        std::abs(line.terminalOffsetType) + std::abs(line.initialOffset);
    if (ff::IsBlank(line.description[0]) && size <= kZeroLength) {
        WriteLineSetBox(run, {{GirderLineName(line)}, {"COL 12 OUT OF RANGE, ASSUMED TO BE 4"}},
                        kLineBoxRoom);
        line.initialOffsetType = kNormalFromControl;
        return;
    }
    WriteLineSetBox(run,
                    {{"FATAL ERROR -- " + GirderLineName(line)},
                     {"COL 3, 12 OR 21 OUT OF RANGE", kRangeMessageBlanks}},
                    kLineBoxRoom);
    CutGirderLines(run, lineSet, kept, i);
}

}  // namespace

bool FlaredChordOffsetsDiffer(const LineSetState& lineSet) {
    if (lineSet.chordGirderLine == 0) return false;
    const GirderLine& line = lineSet.girders.Line(lineSet.chordGirderLine);
    return line.lineType == kFlaredLine &&
           std::abs(line.initialOffset) + std::abs(line.terminalOffset) > kZeroLength &&
           (line.initialOffsetType != line.terminalOffsetType ||
            std::abs(line.initialOffset - line.terminalOffset) > kZeroLength);
}

void CheckGirderLines(EngineRun& run, const AlignmentState& alignment, LineSetState& lineSet,
                      const std::vector<FieldFailure>& failures) {
    GirderLineTable& girders = lineSet.girders;
    const int stored = static_cast<int>(girders.lines.size());
    girders.typeCounts = {};
    for (int i = 1; i <= stored; ++i) {
        GirderLine& line = girders.Line(i);
        const bool readable = !failures[static_cast<size_t>(i - 1)].failed;
        if (readable && line.lineType >= kParallelToControl &&
            line.lineType <= kOffsetVariesWithSuper)
            ++girders.typeCounts[static_cast<size_t>(line.lineType)];
        if (line.lineType < kOffsetVariesWithSuper) line.elevationShift /= 12.0;
    }

    GirderDesignations kept;
    for (int i = 1; i <= stored; ++i) {
        const FieldFailure& failure = failures[static_cast<size_t>(i - 1)];
        if (failure.failed) {
            WriteLineSetBox(run,
                            {{"FATAL ERROR -- " + GirderLineName(girders.Line(i))},
                             {FieldFailureText(failure)}},
                            kLineBoxRoom);
            CutGirderLines(run, lineSet, kept, i);
            continue;
        }
        CheckGirderLine(run, lineSet, kept, i);
    }

    bool type4Processing = girders.typeCounts[kOffsetVariesWithSuper] > 0;
    if (type4Processing && alignment.cards.crossSlope.crownCode >= kCrownTypeC) {
        WriteLineSetBox(run,
                        {{"FATAL ERROR -- 05 CARDS"},
                         {"GIRDER LINE TYPE 4 (OFFSET VARIES WITH SUPER)"},
                         {"MAY BE USED ONLY WITH CROWN TYPE A OR B"}},
                        kLineBoxRoom);
        run.state.runErrorFlag = true;
        if (stored > 0) {
            const int keep = girders.Line(1).lineType == kOffsetVariesWithSuper ? 0 : 1;
            girders.count = std::min(girders.count, keep);
            girders.Line(1).exteriorCode = girders.Line(1).xTypeRequestCode;
        }
        type4Processing = false;
    }
    lineSet.constantOffsetLine = type4Processing ? kept.constantOffset : -1;
    if (girders.typeCounts[kSegmentedLine] == 0) lineSet.baseGirderLine = 0;
}

}  // namespace quillon::engine
