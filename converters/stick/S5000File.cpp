#include "converters/common/LineWriter.hpp"
#include "converters/common/NumberText.hpp"
#include "converters/stick/StickFiles.hpp"

namespace quillon::converters::stick {

namespace {

std::string FormatS5000Point(const Point3& p) {
    return FormatDecimal(p.x, 4) + "," + FormatDecimal(p.y, 4) + ",Z" + FormatDecimal(p.z, 4);
}

class S5000Writer {
public:
    S5000Writer(std::ostream& console, std::string& output) : out_(console, output) {}

    void Record(std::string_view text, int newlines = 1) {
        out_.WriteLine(text, newlines, WriteMode::Output);
    }
    void Style(std::string_view lineStyle, std::string_view pointStyle) {
        Record(lineStyle);
        Record(pointStyle);
    }
    // One point record: a "." on the console for it.
    void Point(std::string_view before, const Point3& p, std::string_view after, int newlines) {
        Record(std::string(before) + FormatS5000Point(p) + std::string(after), newlines);
        out_.WriteLine(".", 0, WriteMode::Console);
    }

    // The line through the points, its ends extended outward by their
    // neighbours among `kept` (not extended when only one point is kept).
    void WriteS5000Line(const std::vector<Point3>& points, const std::vector<Point3>& kept) {
        Point3 start = kept.front(), end = kept.back();
        if (kept.size() > 1) {
            start = ExtendEndPoint(kept[0], kept[1]);
            end = ExtendEndPoint(kept[kept.size() - 1], kept[kept.size() - 2]);
        }
        Point("SM,,", start, ",2:\\", 1);
        for (const Point3& p : points) Point("", p, ",2:\\", 1);
        Point("", end, ",2", 2);  // and an empty line
    }

private:
    LineWriter out_;
};

}  // namespace

std::string WriteS5000(const BridgeFile& bridge, std::ostream& console) {
    console << "Processing S5000 output ... \n";
    std::string output;
    S5000Writer s(console, output);
    const DisplayWindow& w = bridge.window;
    s.Record("DP," + FormatDecimal(w.firstMin, 6) + "," + FormatDecimal(w.secondMin, 6) + ":" +
                 FormatDecimal(w.firstMax, 6) + "," + FormatDecimal(w.secondMax, 6),
             2);
    s.Record("MP,N");
    s.Record("*D");

    bool previousGirder = false;
    for (const LongitudinalLineEntry& line : bridge.lines) {
        std::vector<Point3> drawn = DrawnPoints(line);
        if (drawn.empty()) continue;
        bool girder = NameHolds(line.name, "GIR");
        if (girder) {
            if (!previousGirder) s.Style("LS,W,4", "PS,2");  // a girder after a girder keeps it
        } else if (IsEdgeName(line.name)) {
            s.Style("LS,W,2", "PS,5");
        } else if (NameHolds(line.name, "CONT")) {
            s.Style("LS,W,10", "PS,7");
        }
        previousGirder = girder;
        s.Record("*' " + line.name);
        s.WriteS5000Line(drawn, KeptPoints(line));
    }

    for (const TransverseLine& t : bridge.transverseLines) {
        if (t.points.size() < 2) continue;  // one point has no line to draw
        if (t.kind == RowKind::BentFace)
            s.Style("LS,W,2", "PS,5");
        else
            s.Style("LS,W,4", "PS,2");
        s.WriteS5000Line(t.points, t.points);
    }

    bool first = true;
    for (const LongitudinalLineEntry& line : bridge.lines) {
        for (const ListingRow& row : line.rows) {
            if (row.kind != RowKind::AlignmentPoint || !row.point) continue;
            if (first) s.Style("LS,W,4", "PS,2");
            first = false;
            s.Point("\nPO,", *row.point, "", 1);
        }
    }
    s.Record("MP,Y");
    s.Record("*U");
    return output;
}

}  // namespace quillon::converters::stick
