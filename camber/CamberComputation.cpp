#include "camber/CamberComputation.hpp"

#include <cmath>

#include "fixedform/RecordWriter.hpp"

namespace quillon::camber {

namespace ff = quillon::fixedform;

namespace {

size_t At(int index) { return static_cast<size_t>(index); }

// The number of whole point spacings in a distance, `spacings` = d / spacings
// truncated toward zero, kept to the points of one span (0 .. NP-1).
int WholeSpacings(float spacings, int pointsPerSpan) {
    if (!(spacings > 0.0f)) return 0;
    if (spacings >= static_cast<float>(pointsPerSpan - 1)) return pointsPerSpan - 1;
    return static_cast<int>(spacings);
}

// Dead-load deflection at each splice point, by straight-line interpolation
// between the two points of the span that bracket it. The girder ends, and
// any splice point at or before abutment 1, take none.
std::vector<float> SpliceDeflections(const CamberProblem& problem,
                                     const std::vector<float>& spacings) {
    const int splices = problem.splicesAsRead;
    const int spans = problem.spansAsRead;
    const int NP = problem.PointsPerSpan();
    std::vector<float> spliceDeflections(At(splices), 0.0f);

    // The current span k with its start xs and end xe carry over from one
    // splice point to the next.
    int k = 0;
    float xs = 0.0f;
    float xe = problem.spanLengths[0];
    for (int j = 0; j < splices; ++j) {
        const float location = problem.spliceLocations[At(j)];
        if (location <= 0.0f || j == splices - 1) continue;
        // A splice point exactly at the end of a span stays in that span; the
        // walk never passes the last span.
        while (location - xe > 0.0f && k + 1 < spans) {
            xs = xs + problem.spanLengths[At(k)];
            ++k;
            xe = xe + problem.spanLengths[At(k)];
        }
        const float d = location - xs;
        const int n = WholeSpacings(d / spacings[At(k)], NP);
        const float xp = xs + static_cast<float>(n) * spacings[At(k)];
        const float e = location - xp;

        const float a = problem.deflections[At(k)][At(n)];
        float b = a;
        float h = spacings[At(k)];
        if (n + 1 < NP) {
            b = problem.deflections[At(k)][At(n + 1)];
        } else if (k + 1 < spans) {
            // At the end of a span the point after is point 2 of the next
            // span (its point 1 is the same place as this span's last).
            b = problem.deflections[At(k + 1)][1];
            h = spacings[At(k + 1)];
        }
        // The same straight line, computed from the smaller deflection.
        spliceDeflections[At(j)] = a < b ? a + (b - a) * e / h : b + (h - e) * (a - b) / h;
    }
    return spliceDeflections;
}

// Whether a point at distance x lies beyond the splice point at `location`.
// With twentieth points the test is relative; a splice point at or before
// abutment 1 has no relative distance and takes the plain test.
bool LiesBeyond(float x, float location, bool twentiethPoints) {
    if (twentiethPoints && location > 0.0f)
        return (x - location) / location > kChordSearchTolerance;
    return x - location > 0.0f;
}

std::vector<BlockingColumn> BlockingColumns(const CamberProblem& problem,
                                            const CamberTables& tables) {
    const int splices = problem.splicesAsRead;
    const int piers = problem.spansAsRead - 1;
    std::vector<BlockingColumn> columns;
    auto addSplice = [&](int j) {
        columns.push_back({SpliceLabel(j + 1, splices), problem.spliceLocations[At(j)],
                           tables.correctedSpliceElevations[At(j)], 0.0f});
    };
    addSplice(0);
    int k = 0;
    for (int j = 1; j < splices; ++j) {
        // Piers before this splice point, and one at its very place, come first.
        while (k < piers && tables.pierLocations[At(k)] <= problem.spliceLocations[At(j)]) {
            columns.push_back({PierLabel(k + 1), tables.pierLocations[At(k)],
                               tables.pierElevations[At(k)], 0.0f});
            ++k;
        }
        addSplice(j);
    }
    return columns;
}

}  // namespace

float PointSpacing(const CamberProblem& problem, float spanLength) {
    return spanLength / (problem.pointsOption == 2 ? 20.0f : 10.0f);
}

SpliceCheck CheckLastSplice(CamberProblem& problem) {
    SpliceCheck check;
    for (float length : problem.spanLengths) check.spanSum = check.spanSum + length;
    float& last = problem.spliceLocations.back();
    check.locationAsRead = last;
    check.reported = std::fabs(check.spanSum - last) > kSpliceCheckTolerance;
    if (check.spanSum != last) last = check.spanSum;
    return check;
}

std::string SpliceLabel(int j, int splicePoints) {
    if (j == 1 || j == splicePoints) return "     ABUT ";
    return ff::FormatA("SPL " + std::to_string(j - 1), 9) + " ";
}

std::string PierLabel(int k) { return ff::FormatA("PIER " + std::to_string(k + 1), 9) + " "; }

CamberTables ComputeCamber(const CamberProblem& problem) {
    const int spans = problem.spansAsRead;
    const int splices = problem.splicesAsRead;
    const int NP = problem.PointsPerSpan();
    CamberTables t;

    for (int s = 0; s < spans; ++s)
        t.pointSpacings.push_back(PointSpacing(problem, problem.spanLengths[At(s)]));

    t.spliceDeflections = SpliceDeflections(problem, t.pointSpacings);
    for (int j = 0; j < splices; ++j)
        t.correctedSpliceElevations.push_back(problem.spliceElevations[At(j)] +
                                              t.spliceDeflections[At(j)]);
    for (int j = 0; j + 1 < splices; ++j) {
        t.chordSlopes.push_back(
            (t.correctedSpliceElevations[At(j + 1)] - t.correctedSpliceElevations[At(j)]) /
            (problem.spliceLocations[At(j + 1)] - problem.spliceLocations[At(j)]));
    }

    // Distances are accumulated by adding the spacing, over the whole girder;
    // a span's last point and the next span's first share their distance.
    t.pointDistances.assign(At(spans), SpanPoints{});
    float x = 0.0f;
    for (int s = 0; s < spans; ++s) {
        for (int p = 0; p < NP; ++p) {
            t.pointDistances[At(s)][At(p)] = x;
            if (p != NP - 1) x = x + t.pointSpacings[At(s)];
        }
    }

    // The chord interval only moves forward, and never past the last one.
    t.chordElevations.assign(At(spans), SpanPoints{});
    t.camberOffsets.assign(At(spans), SpanPoints{});
    const bool twentieth = problem.pointsOption == 2;
    int l = 1;
    for (int s = 0; s < spans; ++s) {
        for (int p = 0; p < NP; ++p) {
            const float h = t.pointDistances[At(s)][At(p)];
            while (l < splices - 1 && LiesBeyond(h, problem.spliceLocations[At(l)], twentieth)) ++l;
            const float chord =
                (h - problem.spliceLocations[At(l - 1)]) * t.chordSlopes[At(l - 1)] +
                t.correctedSpliceElevations[At(l - 1)];
            t.chordElevations[At(s)][At(p)] = chord;
            t.camberOffsets[At(s)][At(p)] = problem.geometricElevations[At(s)][At(p)] +
                                            problem.deflections[At(s)][At(p)] - chord;
        }
    }

    float pierDistance = 0.0f;
    for (int k = 0; k + 1 < spans; ++k) {
        pierDistance = pierDistance + problem.spanLengths[At(k)];
        t.pierLocations.push_back(pierDistance);
        t.pierElevations.push_back(problem.geometricElevations[At(k + 1)][0]);
    }

    t.columns = BlockingColumns(problem, t);
    t.baseLineElevation = t.correctedSpliceElevations[0];
    for (float elevation : t.correctedSpliceElevations)
        if (elevation < t.baseLineElevation) t.baseLineElevation = elevation;
    for (BlockingColumn& column : t.columns)
        column.dimension = column.elevation - t.baseLineElevation;
    return t;
}

}  // namespace quillon::camber
