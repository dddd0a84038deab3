#include "converters/tocamber/CamberFile.hpp"

#include <cstdlib>

#include "converters/common/ListingLayout.hpp"
#include "converters/common/TextRoutines.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::converters::tocamber {

namespace ff = quillon::fixedform;

namespace {

constexpr int kFieldWidth = 7;
constexpr int kValuesPerLine = 11;
constexpr int kLineWidth = 77;
constexpr int kListedDecimals = 4;             // of elevations and lengths in the listing
constexpr int kElevationDigits = 3;            // integer digits an elevation keeps
constexpr long long kThousandFeet = 10000000;  // in units of the 4th decimal
constexpr long long kFiveHundredFeet = kThousandFeet / 2;
constexpr int kLongestWhole = 12;  // integer digits of a listed number that are read

bool Fits(long long value) { return value >= -999999 && value <= 9999999; }

// A value in its 7 columns, a zero as "   0000".
std::string Seven(long long value) {
    return value == 0 ? std::string("   0000") : ff::FormatI(value, kFieldWidth);
}

// A count of the 4th decimal as the number it stands for ("1000.0000").
std::string FeetText(long long units, int decimals = kListedDecimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i) scale *= 10.0;
    std::string text = ff::FormatF(static_cast<double>(units) / scale, 20, decimals);
    return text.substr(text.find_first_not_of(' '));
}

enum class Field { Ok, Blank, Unreadable };

struct Units {
    Field state = Field::Ok;
    long long value = 0;  // in units of the 4th decimal
};

// A listed number as a count of its 4th decimal; `wholeDigits` above 0
// keeps only that many of its last integer digits, as the listing prints them.
Units ReadUnits(std::string_view row, listing::RowField field, int wholeDigits = 0) {
    const std::string text = listing::FieldText(row, field);
    if (ff::IsBlank(text)) return {Field::Blank, 0};
    auto read = ff::ReadFwdDigits(text, kListedDecimals);
    if (!read.ok()) return {Field::Unreadable, 0};
    ff::DecimalDigits digits = ff::RoundDigits(read.value, kListedDecimals);
    std::string whole = digits.whole;
    if (wholeDigits > 0 && whole.size() > static_cast<size_t>(wholeDigits))
        whole = whole.substr(whole.size() - static_cast<size_t>(wholeDigits));
    if (whole.size() > static_cast<size_t>(kLongestWhole)) return {Field::Unreadable, 0};
    long long value = (whole.empty() ? 0 : std::stoll(whole)) * 10000 + std::stoll(digits.fraction);
    return {Field::Ok, digits.negative ? -value : value};
}

std::string Trimmed(std::string_view text) { return RightTrim(LeftTrim(text)); }

// "F-3 at 23+77.0000": the row's point name and station.
std::string Where(const ListingRow& row) {
    return Trimmed(listing::FieldText(row.text, listing::kPointName)) + " at " +
           Trimmed(listing::FieldText(row.text, listing::kStation));
}

// Value lines of 11 values each.
std::vector<std::string> ValueLines(const std::vector<long long>& values, size_t first,
                                    size_t count) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < count; ++i) {
        if (i % kValuesPerLine == 0) lines.emplace_back();
        lines.back() += Seven(values[first + i]);
    }
    return lines;
}

class GirderBuilder {
public:
    GirderBuilder(const LongitudinalLineEntry& girder, int number) : girder_(girder) {
        problem_.number = number;
        problem_.name = girder.name;
        problem_.pointsPerSpan = girder.pointsPerSpan;
    }

    GirderBuild Build();

private:
    GirderBuild Refuse(const std::string& what) const {
        return {std::nullopt, "Girder " + std::to_string(problem_.number) + " '" + girder_.name +
                                  "' " + what + ", aborting process"};
    }
    const ListingRow& Row(size_t index) const { return girder_.rows[index]; }

    std::optional<GirderBuild> ReadElevations();
    std::optional<GirderBuild> CheckLayout();
    std::optional<GirderBuild> ReadLengths();
    std::optional<GirderBuild> ReadDeflections();

    const LongitudinalLineEntry& girder_;
    GirderProblem problem_;
    size_t rowCount_ = 0;               // rows from the first to the last support
    std::vector<long long> elevation_;  // of every row, three integer digits
    std::vector<size_t> pointRows_;     // supports, piers and fractional points
    std::vector<size_t> spliceRows_;
};

std::optional<GirderBuild> GirderBuilder::ReadElevations() {
    for (size_t i = 0; i < rowCount_; ++i) {
        Units e = ReadUnits(Row(i).text, listing::kElevation, kElevationDigits);
        if (e.state == Field::Blank) return Refuse("has a blank ELEVATION at " + Where(Row(i)));
        if (e.state == Field::Unreadable)
            return Refuse("has an ELEVATION that cannot be read at " + Where(Row(i)));
        if (!Fits(e.value))
            return Refuse("has an ELEVATION at " + Where(Row(i)) + " that does not fit 7 columns");
        elevation_.push_back(e.value);
    }
    const std::string first = listing::FieldText(Row(0).text, listing::kThousandsDigit);
    for (size_t i = 1; i < rowCount_; ++i) {
        const std::string digit = listing::FieldText(Row(i).text, listing::kThousandsDigit);
        if (digit != first)
            return GirderBuild{std::nullopt, "Found elevations spanning " + first + "000 - " +
                                                 digit + "000, aborting process"};
    }
    return std::nullopt;
}

std::optional<GirderBuild> GirderBuilder::CheckLayout() {
    const int n = girder_.pointsPerSpan;
    if (n != 10 && n != 20)
        return Refuse("has no tenth or twentieth points (no point labelled -9 or -19)");
    int supports = 0;
    for (size_t i = 0; i < rowCount_; ++i) {
        if (Row(i).kind == RowKind::Splice) {
            spliceRows_.push_back(i);
            continue;
        }
        pointRows_.push_back(i);
        if (girder_.IsSupportOrPier(i)) ++supports;
    }
    problem_.spans = supports - 1;
    if (problem_.spans < 1 || problem_.spans > kMaxSpans)
        return Refuse("has " + std::to_string(problem_.spans) + " spans; 1 to " +
                      std::to_string(kMaxSpans) + " can be written");
    const size_t expected = static_cast<size_t>(problem_.spans) * static_cast<size_t>(n) + 1;
    const char* points = n == 10 ? "tenth" : "twentieth";
    if (pointRows_.size() != expected)
        return Refuse("has " + std::to_string(pointRows_.size()) + " point rows where " +
                      std::to_string(problem_.spans) + " spans of " + points + " points have " +
                      std::to_string(expected));
    for (size_t k = 0; k < expected; k += static_cast<size_t>(n)) {
        if (!girder_.IsSupportOrPier(pointRows_[k]))
            return Refuse("has " + Where(Row(pointRows_[k])) + " where a span of " + points +
                          " points ends at a support or pier");
    }
    if (spliceRows_.size() > static_cast<size_t>(kMaxSplices))
        return Refuse("has " + std::to_string(spliceRows_.size()) + " splices; at most " +
                      std::to_string(kMaxSplices) + " can be written");
    problem_.splicePoints = static_cast<int>(spliceRows_.size()) + 2;
    return std::nullopt;
}

std::optional<GirderBuild> GirderBuilder::ReadLengths() {
    std::vector<long long> length(rowCount_, 0);
    for (size_t i = 0; i < rowCount_; ++i) {
        if (Row(i).kind == RowKind::FractionalPoint) continue;  // its length is not used
        Units l = ReadUnits(Row(i).text, listing::kGirderLength);
        if (l.state == Field::Blank) return Refuse("has a blank GIRDER LNTH at " + Where(Row(i)));
        if (l.state == Field::Unreadable)
            return Refuse("has a GIRDER LNTH that cannot be read at " + Where(Row(i)));
        length[i] = l.value;
    }
    // Splice locations from the girder's first row, to the 3rd decimal
    // (half a unit away from zero).
    std::vector<size_t> splicePoints = {0};
    splicePoints.insert(splicePoints.end(), spliceRows_.begin(), spliceRows_.end());
    splicePoints.push_back(rowCount_ - 1);
    for (size_t i = 0; i < splicePoints.size(); ++i) {
        const long long distance = std::llabs(length[splicePoints[i]] - length[0]);
        const long long location = (distance + 5) / 10;
        if (!Fits(location))
            return Refuse("has splice location " + std::to_string(i + 1) + " of " +
                          FeetText(location, 3) + ", which does not fit 7 columns");
        problem_.spliceElevations.push_back(elevation_[splicePoints[i]]);
        problem_.spliceLocations.push_back(location);
    }
    const size_t n = static_cast<size_t>(girder_.pointsPerSpan);
    for (size_t k = n; k < pointRows_.size(); k += n) {
        const long long span = std::llabs(length[pointRows_[k]] - length[pointRows_[k - n]]);
        if (!Fits(span))
            return Refuse("has span " + std::to_string(k / n) + " of " + FeetText(span) +
                          ", which does not fit 7 columns");
        problem_.spanLengths.push_back(span);
    }
    return std::nullopt;
}

std::optional<GirderBuild> GirderBuilder::ReadDeflections() {
    size_t blanks = 0;
    for (size_t row : pointRows_)
        if (ff::IsBlank(listing::FieldText(Row(row).text, listing::kElevationWithDeadLoad)))
            ++blanks;
    for (size_t row : pointRows_) {
        problem_.geometricElevations.push_back(elevation_[row]);
        if (blanks == pointRows_.size()) {  // no dead load given
            problem_.deflections.push_back(0);
            continue;
        }
        Units withLoad =
            ReadUnits(Row(row).text, listing::kElevationWithDeadLoad, kElevationDigits);
        if (withLoad.state == Field::Blank)
            return Refuse("has a blank ELEV+DL at " + Where(Row(row)) +
                          " where other points have one");
        if (withLoad.state == Field::Unreadable)
            return Refuse("has an ELEV+DL that cannot be read at " + Where(Row(row)));
        // Both keep three integer digits: a difference beyond 500 ft is the
        // thousands digit that neither shows.
        long long deflection = withLoad.value - elevation_[row];
        while (deflection > kFiveHundredFeet) deflection -= kThousandFeet;
        while (deflection < -kFiveHundredFeet) deflection += kThousandFeet;
        if (!Fits(deflection))
            return Refuse("has a deflection of " + FeetText(deflection) + " at " + Where(Row(row)) +
                          ", which does not fit 7 columns");
        problem_.deflections.push_back(deflection);
    }
    return std::nullopt;
}

GirderBuild GirderBuilder::Build() {
    if (girder_.lastRow < 0) return Refuse("has no support row");
    rowCount_ = static_cast<size_t>(girder_.lastRow) + 1;
    if (!girder_.IsSupportOrPier(0))
        return Refuse("begins at " + Where(Row(0)) + ", not at a support or pier");
    if (std::optional<GirderBuild> refused = ReadElevations()) return *refused;
    if (std::optional<GirderBuild> refused = CheckLayout()) return *refused;
    if (std::optional<GirderBuild> refused = ReadLengths()) return *refused;
    if (std::optional<GirderBuild> refused = ReadDeflections()) return *refused;
    return {problem_, ""};
}

}  // namespace

GirderBuild BuildGirderProblem(const LongitudinalLineEntry& girder, int number) {
    return GirderBuilder(girder, number).Build();
}

void WriteCmbLine(std::string_view text, int& lineCount, std::string& file) {
    file += ff::PadRight(text, kLineWidth);
    file += ff::FormatI(++lineCount, 3);
    file += '\n';
}

void WriteGirderProblem(const GirderProblem& problem, int& lineCount, std::string& file) {
    WriteCmbLine(ff::Record()
                     .X(1)
                     .I(problem.pointsPerSpan / 10, 1)
                     .Text("GIRDER NO. ")
                     .Text(std::to_string(problem.number))
                     .Text("  -  ")
                     .Text(problem.name)
                     .str(),
                 lineCount, file);
    WriteCmbLine(ff::Record().I(problem.spans, 5).I(problem.splicePoints, 5).str(), lineCount,
                 file);
    for (const std::vector<long long>* list :
         {&problem.spliceElevations, &problem.spliceLocations, &problem.spanLengths})
        for (const std::string& line : ValueLines(*list, 0, list->size()))
            WriteCmbLine(line, lineCount, file);
    const size_t n = static_cast<size_t>(problem.pointsPerSpan);
    // A span of tenth points on one line; of twentieth points, points 0-9 and 10-20.
    const size_t firstLine = n == 20 ? 10 : 11;
    for (const std::vector<long long>* points :
         {&problem.geometricElevations, &problem.deflections}) {
        for (size_t s = 0; s < static_cast<size_t>(problem.spans); ++s) {
            for (const std::string& line : ValueLines(*points, s * n, firstLine))
                WriteCmbLine(line, lineCount, file);
            if (n == 20)
                for (const std::string& line : ValueLines(*points, s * n + 10, 11))
                    WriteCmbLine(line, lineCount, file);
        }
    }
}

CamberFileText WriteCamberFile(const std::vector<LongitudinalLineEntry>& girders,
                               const std::vector<bool>& selected) {
    CamberFileText file;
    int lineCount = 0;
    for (size_t n = 1; n <= girders.size() && n < selected.size(); ++n) {
        if (!selected[n]) continue;
        GirderBuild build = BuildGirderProblem(girders[n - 1], static_cast<int>(n));
        if (!build.problem) {
            file.refusal = build.refusal;
            return file;
        }
        WriteGirderProblem(*build.problem, lineCount, file.text);
    }
    return file;
}

}  // namespace quillon::converters::tocamber
