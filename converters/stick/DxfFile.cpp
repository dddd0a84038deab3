#include "converters/common/LineWriter.hpp"
#include "converters/common/NumberText.hpp"
#include "converters/stick/StickFiles.hpp"

namespace quillon::converters::stick {

namespace {

// A DXF value is one line: a text loses every CR and LF it holds.
std::string OneLine(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out.push_back(c);
    return out;
}

std::string LayerOf(std::string_view name) {
    if (NameHolds(name, "WEB") || NameHolds(name, "GIR")) return "BROKEN";
    if (IsEdgeName(name)) return "OUTLINE";
    if (NameHolds(name, "CONT") || NameHolds(name, "CTRL")) return "BROKEN";
    return "OUTLINE";
}

class DxfWriter {
public:
    DxfWriter(std::ostream& console, std::string& output) : out_(console, output) {}

    void Group(std::string_view code, std::string_view value) {
        out_.WriteLine(code, 1, WriteMode::Output);
        out_.WriteLine(value, 1, WriteMode::Output);
    }
    void Coordinates(const Point3& p) {
        Group(" 10", FormatDecimal(p.x, 6));
        Group(" 20", FormatDecimal(p.y, 6));
        Group(" 30", FormatDecimal(p.z, 6));
    }
    void WriteDxfVertex(const Point3& p, std::string_view layer) {
        Group("  0", "VERTEX");
        Group("  8", layer);
        Coordinates(p);
        Group(" 70", " 32");
        out_.WriteLine(".", 0, WriteMode::Console);
    }
    // The vertices of a polyline whose head has been written: every point,
    // then the last once more, and the end of the sequence.
    void WriteDxfPolyline(const std::vector<Point3>& points, std::string_view layer) {
        for (const Point3& p : points) WriteDxfVertex(p, layer);
        WriteDxfVertex(points.back(), layer);
        Group("  0", "SEQEND");
        Group("  8", layer);
    }

private:
    LineWriter out_;
};

}  // namespace

std::string WriteDxf(const BridgeFile& bridge, const DxfHeader& header, std::ostream& console) {
    std::string output;
    DxfWriter d(console, output);
    d.Group("999", "Creator: Quillon to Stick figure v 1.00 ");
    d.Group("999", "TIME: " + OneLine(header.runTimeText));
    d.Group("999", "USER: " + OneLine(header.user));
    d.Group("999", "BRIDGE FILE: " + OneLine(header.bridgeFile));
    d.Group("999", std::string(80, '-'));
    d.Group("  0", "SECTION");
    d.Group("  2", "ENTITIES");

    for (const LongitudinalLineEntry& line : bridge.lines) {
        std::vector<Point3> drawn = DrawnPoints(line);
        if (drawn.empty()) continue;
        std::string layer = LayerOf(line.name);
        d.Group("  0", "POLYLINE");
        d.Group("999", "  Start of bent line ---------->> " + OneLine(line.name));
        d.Group("  8", layer);
        d.Group("  6", "BYLAYER");
        d.Group(" 66", "  1");
        d.Coordinates(drawn.front());
        d.Group(" 70", "  8");
        d.WriteDxfPolyline(drawn, layer);
    }

    d.Group("999", "------------------------- Transverse Points -------------------------");
    for (const TransverseLine& t : bridge.transverseLines) {
        if (t.points.size() < 2) continue;  // one point has no line to draw
        d.Group("  0", "POLYLINE");
        d.Group("  8", "BROKEN");
        d.Group("  6", "BYLAYER");
        d.Group(" 66", "  1");
        d.Group(" 70", "  8");
        d.Coordinates(t.points.front());
        d.WriteDxfPolyline(t.points, "BROKEN");
    }

    d.Group("  0", "ENDSEC");
    d.Group("  0", "EOF");
    return output;
}

}  // namespace quillon::converters::stick
