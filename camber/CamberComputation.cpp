#include "camber/CamberComputation.hpp"

#include <cmath>

#include "fixedform/RecordWriter.hpp"

namespace quillon::camber {

namespace ff = quillon::fixedform;

namespace {

size_t At(int index) { return static_cast<size_t>(index); }

// The number of whole point spacings in a distance, `spacings` = d / DX
// truncated toward zero, kept to the points of one span (0 .. NP-1).
int WholeSpacings(float spacings, int pointsPerSpan) {
    if (!(spacings > 0.0f)) return 0;
    if (spacings >= static_cast<float>(pointsPerSpan - 1)) return pointsPerSpan - 1;
    return static_cast<int>(spacings);
}

// Dead-load deflection at each splice point, by straight-line interpolation
// between the two points of the span that bracket it. The girder ends, and
// any splice point at or before abutment 1, take none.
std::vector<float> SpliceDeflections(const CamberProblem& problem, const std::vector<float>& DX) {
    const int splices = problem.ISPL;
    const int spans = problem.ISPAN;
    const int NP = problem.PointsPerSpan();
    std::vector<float> DEFSPL(At(splices), 0.0f);

    // The current span k with its start xs and end xe carry over from one
    // splice point to the next.
    int k = 0;
    float xs = 0.0f;
    float xe = problem.SPANL[0];
    for (int j = 0; j < splices; ++j) {
        const float location = problem.SPLOC[At(j)];
        if (location <= 0.0f || j == splices - 1) continue;
        // A splice point exactly at the end of a span stays in that span; the
        // walk never passes the last span.
        while (location - xe > 0.0f && k + 1 < spans) {
            xs = xs + problem.SPANL[At(k)];
            ++k;
            xe = xe + problem.SPANL[At(k)];
        }
        const float d = location - xs;
        const int n = WholeSpacings(d / DX[At(k)], NP);
        const float xp = xs + static_cast<float>(n) * DX[At(k)];
        const float e = location - xp;

        const float a = problem.DEFEL[At(k)][At(n)];
        float b = a;
        float h = DX[At(k)];
        if (n + 1 < NP) {
            b = problem.DEFEL[At(k)][At(n + 1)];
        } else if (k + 1 < spans) {
            // At the end of a span the point after is point 2 of the next
            // span (its point 1 is the same place as this span's last).
            b = problem.DEFEL[At(k + 1)][1];
            h = DX[At(k + 1)];
        }
        // The same straight line, computed from the smaller deflection.
        DEFSPL[At(j)] = a < b ? a + (b - a) * e / h : b + (h - e) * (a - b) / h;
    }
    return DEFSPL;
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
    const int splices = problem.ISPL;
    const int piers = problem.ISPAN - 1;
    std::vector<BlockingColumn> columns;
    auto addSplice = [&](int j) {
        columns.push_back(
            {SpliceLabel(j + 1, splices), problem.SPLOC[At(j)], tables.CSPEL[At(j)], 0.0f});
    };
    addSplice(0);
    int k = 0;
    for (int j = 1; j < splices; ++j) {
        // Piers before this splice point, and one at its very place, come first.
        while (k < piers && tables.PIERX[At(k)] <= problem.SPLOC[At(j)]) {
            columns.push_back({PierLabel(k + 1), tables.PIERX[At(k)], tables.PIEREL[At(k)], 0.0f});
            ++k;
        }
        addSplice(j);
    }
    return columns;
}

}  // namespace

float PointSpacing(const CamberProblem& problem, float spanLength) {
    return spanLength / (problem.IPTS == 2 ? 20.0f : 10.0f);
}

SpliceCheck CheckLastSplice(CamberProblem& problem) {
    SpliceCheck check;
    for (float length : problem.SPANL) check.SUMSPN = check.SUMSPN + length;
    float& last = problem.SPLOC.back();
    check.locationAsRead = last;
    check.reported = std::fabs(check.SUMSPN - last) > kSpliceCheckTolerance;
    if (check.SUMSPN != last) last = check.SUMSPN;
    return check;
}

std::string SpliceLabel(int j, int splicePoints) {
    if (j == 1 || j == splicePoints) return "     ABUT ";
    return ff::FormatA("SPL " + std::to_string(j - 1), 9) + " ";
}

std::string PierLabel(int k) { return ff::FormatA("PIER " + std::to_string(k + 1), 9) + " "; }

CamberTables ComputeCamber(const CamberProblem& problem) {
    const int spans = problem.ISPAN;
    const int splices = problem.ISPL;
    const int NP = problem.PointsPerSpan();
    CamberTables t;

    for (int s = 0; s < spans; ++s) t.DX.push_back(PointSpacing(problem, problem.SPANL[At(s)]));

    t.DEFSPL = SpliceDeflections(problem, t.DX);
    for (int j = 0; j < splices; ++j) t.CSPEL.push_back(problem.SPEL[At(j)] + t.DEFSPL[At(j)]);
    for (int j = 0; j + 1 < splices; ++j) {
        t.SLOPE.push_back((t.CSPEL[At(j + 1)] - t.CSPEL[At(j)]) /
                          (problem.SPLOC[At(j + 1)] - problem.SPLOC[At(j)]));
    }

    // Distances are accumulated by adding the spacing, over the whole girder;
    // a span's last point and the next span's first share their distance.
    t.HDIST.assign(At(spans), SpanPoints{});
    float x = 0.0f;
    for (int s = 0; s < spans; ++s) {
        for (int p = 0; p < NP; ++p) {
            t.HDIST[At(s)][At(p)] = x;
            if (p != NP - 1) x = x + t.DX[At(s)];
        }
    }

    // The chord interval only moves forward, and never past the last one.
    t.CHORD.assign(At(spans), SpanPoints{});
    t.CAMBER.assign(At(spans), SpanPoints{});
    const bool twentieth = problem.IPTS == 2;
    int l = 1;
    for (int s = 0; s < spans; ++s) {
        for (int p = 0; p < NP; ++p) {
            const float h = t.HDIST[At(s)][At(p)];
            while (l < splices - 1 && LiesBeyond(h, problem.SPLOC[At(l)], twentieth)) ++l;
            const float chord =
                (h - problem.SPLOC[At(l - 1)]) * t.SLOPE[At(l - 1)] + t.CSPEL[At(l - 1)];
            t.CHORD[At(s)][At(p)] = chord;
            t.CAMBER[At(s)][At(p)] =
                problem.GEOEL[At(s)][At(p)] + problem.DEFEL[At(s)][At(p)] - chord;
        }
    }

    float pierDistance = 0.0f;
    for (int k = 0; k + 1 < spans; ++k) {
        pierDistance = pierDistance + problem.SPANL[At(k)];
        t.PIERX.push_back(pierDistance);
        t.PIEREL.push_back(problem.GEOEL[At(k + 1)][0]);
    }

    t.columns = BlockingColumns(problem, t);
    t.BASEL = t.CSPEL[0];
    for (float elevation : t.CSPEL)
        if (elevation < t.BASEL) t.BASEL = elevation;
    for (BlockingColumn& column : t.columns) column.BLKDIM = column.BLKEL - t.BASEL;
    return t;
}

}  // namespace quillon::camber
