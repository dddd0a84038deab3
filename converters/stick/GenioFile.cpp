#include <algorithm>
#include <cctype>

#include "converters/common/ConverterFiles.hpp"
#include "converters/common/LineWriter.hpp"
#include "converters/stick/StickFiles.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::stick {

namespace ff = quillon::fixedform;

namespace {

constexpr int kGenioNameLength = 4;  // characters

// The bytes of the character that starts `text`: a whole UTF-8 sequence
// (no overlong form, no surrogate, nothing above U+10FFFF), or one byte when
// the text does not start with one.
size_t CharacterBytes(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    }
    if (length == 1 || text.size() < length) return 1;
    if (byte(1) < low || byte(1) > high) return 1;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 1;
    return length;
}

// The string label of a line: two letters, or nothing for a line that the
// GENIO file leaves out.
std::string StringLetters(std::string_view name) {
    if (NameHolds(name, "GIR")) return "GR";
    if (IsEdgeName(name))
        return std::string(1,
                           static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])))) +
               "O";
    if (NameHolds(name, "CONT") || NameHolds(name, "CTRL")) return "CO";
    return "";
}

class GenioWriter {
public:
    GenioWriter(std::ostream& console, std::string& output) : out_(console, output) {}

    void Record(std::string_view text) { out_.WriteLine(text, 1, WriteMode::Output); }
    void WriteGenioPoint(const Point3& p) {
        Record(ff::Record().F(p.x, 12, 3).F(p.y, 12, 3).F(p.z, 12, 3).str());
        out_.WriteLine(".", 0, WriteMode::Console);
    }
    void WriteGenioString(const std::string& letters, int number,
                          const std::vector<Point3>& points) {
        // %2d: two columns, more for a number that needs them.
        int width = std::max(2, static_cast<int>(std::to_string(number).size()));
        Record("080," + letters + ff::FormatI(number, width) + ",    ,5=0.0, 0.0, 3");
        for (const Point3& p : points) WriteGenioPoint(p);
        Record("       0.000       0.000");
    }

private:
    LineWriter out_;
};

}  // namespace

std::string GenioName(std::string_view listingName) {
    std::string base = BaseName(listingName);
    size_t slash = base.rfind('/');
    std::string fileName = slash == std::string::npos ? base : base.substr(slash + 1);
    // Cut at a whole character, so that a name in UTF-8 stays valid UTF-8.
    size_t bytes = 0;
    for (int i = 0; i < kGenioNameLength && bytes < fileName.size(); ++i)
        bytes += CharacterBytes(std::string_view(fileName).substr(bytes));
    return fileName.substr(0, bytes);
}

std::string WriteGenio(const BridgeFile& bridge, std::ostream& console) {
    std::string output;
    GenioWriter g(console, output);
    g.Record("GENIO, " + GenioName(bridge.listingName));
    g.Record("001FORMAT(3F12.3)");
    g.Record("003ORDR,4=1,1,2,3");
    for (size_t i = 0; i < bridge.lines.size(); ++i) {
        const LongitudinalLineEntry& line = bridge.lines[i];
        std::string letters = StringLetters(line.name);
        std::vector<Point3> drawn = DrawnPoints(line);
        if (letters.empty() || drawn.empty()) continue;
        g.WriteGenioString(letters, static_cast<int>(i + 1), drawn);
    }
    g.Record("999");
    return output;
}

}  // namespace quillon::converters::stick
