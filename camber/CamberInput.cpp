#include "camber/CamberInput.hpp"

#include <cfloat>
#include <cmath>

#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"
#include "fixedform/TextLines.hpp"

namespace quillon::camber {

namespace ff = quillon::fixedform;

namespace {

constexpr int kLineTextWidth = 80;
constexpr int kFieldsPerLine = 11;
constexpr int kFieldWidth = 7;

// "SPEL(i), i=1, 5": the name of a list read, with its count in I2.
std::string ListReadText(const char* name, int count) {
    return ff::Record().Text(name).Text("(i), i=1,").I(count, 2).str();
}

// "SPAN( 1), GEOEL( 1-10)": the name of one row of a span's points.
std::string SpanReadText(const char* name, int span, int firstPoint, int lastPoint) {
    return ff::Record()
        .Text("SPAN(")
        .I(span, 2)
        .Text("), ")
        .Text(name)
        .Text("(")
        .I(firstPoint, 2)
        .Text("-")
        .I(lastPoint, 2)
        .Text(")")
        .str();
}

}  // namespace

void CamberInputReader::BeginRead(const std::string& what) {
    ++NLINE_;
    LINE_ = ff::PadRight(what, kLineTextWidth);
}

bool CamberInputReader::NextLine() { return ff::ReadTextLine(input_, current_); }

ReadOutcome CamberInputReader::Failure(ReadStatus status) const {
    ReadOutcome outcome;
    outcome.status = status;
    if (status == ReadStatus::ReadError) {
        outcome.NLINE = NLINE_;
        outcome.LINE = LINE_;
        outcome.badLine = current_;
    }
    return outcome;
}

ReadOutcome CamberInputReader::ReadCards(CamberProblem& problem) {
    problem = CamberProblem{};

    NLINE_ = 0;
    BeginRead("IFLAG, I, DSCRPT");
    if (!NextLine()) return Failure(ReadStatus::NoMoreProblems);
    auto iflag = ff::ReadInteger(current_, 1, 1);
    auto points = ff::ReadInteger(current_, 2, 1);
    if (!iflag.ok() || !points.ok()) return Failure(ReadStatus::ReadError);
    problem.supplementalFlag = iflag.value;
    problem.pointsOption = points.value == 2 ? 2 : 1;
    problem.description = ff::ReadText(current_, 3, kDescriptionWidth);

    BeginRead("ISPAN, ISPL");
    if (!NextLine()) return Failure(ReadStatus::EndInsideProblem);
    auto spans = ff::ReadInteger(current_, 1, 5);
    auto splices = ff::ReadInteger(current_, 6, 5);
    if (!spans.ok() || !splices.ok()) return Failure(ReadStatus::ReadError);
    problem.spansAsRead = spans.value;
    problem.splicesAsRead = splices.value;
    return {};
}

ReadOutcome CamberInputReader::ReadTables(CamberProblem& problem) {
    return ReadValueLines(problem, &problem);
}

ReadOutcome CamberInputReader::SkipTables(const CamberProblem& problem) {
    return ReadValueLines(problem, nullptr);
}

ReadOutcome CamberInputReader::ReadValueLines(const CamberProblem& counts, CamberProblem* tables) {
    const int splices = counts.SpliceCount();
    const int spans = counts.SpanCount();
    if (tables) {
        tables->spliceElevations.assign(static_cast<size_t>(splices), 0.0f);
        tables->spliceLocations.assign(static_cast<size_t>(splices), 0.0f);
        tables->spanLengths.assign(static_cast<size_t>(spans), 0.0f);
        tables->geometricElevations.assign(static_cast<size_t>(spans), SpanPoints{});
        tables->deflections.assign(static_cast<size_t>(spans), SpanPoints{});
    }

    BeginRead(ListReadText("SPEL", counts.splicesAsRead));
    ReadOutcome outcome =
        ReadValues(splices, 4, tables ? tables->spliceElevations.data() : nullptr);
    if (!outcome.ok()) return outcome;

    BeginRead(ListReadText("SPLOC", counts.splicesAsRead));
    outcome = ReadValues(splices, 3, tables ? tables->spliceLocations.data() : nullptr);
    if (!outcome.ok()) return outcome;

    BeginRead(ListReadText("SPANL", counts.spansAsRead));
    outcome = ReadValues(spans, 4, tables ? tables->spanLengths.data() : nullptr);
    if (!outcome.ok()) return outcome;

    outcome = ReadSpanRows("GEOEL", spans, counts.PointsPerSpan(),
                           tables ? &tables->geometricElevations : nullptr);
    if (!outcome.ok()) return outcome;
    return ReadSpanRows("DEFEL", spans, counts.PointsPerSpan(),
                        tables ? &tables->deflections : nullptr);
}

ReadOutcome CamberInputReader::ReadSpanRows(const char* name, int spans, int pointsPerSpan,
                                            std::vector<SpanPoints>* rows) {
    for (int s = 0; s < spans; ++s) {
        float* points = rows ? (*rows)[static_cast<size_t>(s)].data() : nullptr;
        // With twentieth points a span's first line holds points 1-10, its
        // second points 11-21; with tenth points one line holds points 1-11.
        const int firstRow = pointsPerSpan == 21 ? 10 : 11;
        BeginRead(SpanReadText(name, s + 1, 1, firstRow));
        ReadOutcome outcome = ReadValues(firstRow, 4, points);
        if (!outcome.ok()) return outcome;
        if (pointsPerSpan == 21) {
            BeginRead(SpanReadText(name, s + 1, 11, 21));
            outcome = ReadValues(11, 4, points ? points + 10 : nullptr);
            if (!outcome.ok()) return outcome;
        }
    }
    return {};
}

// `count` values of 7 columns, 11 a line, each new line starting at column 1.
// A value beyond the range of single precision cannot be held and is a field
// that cannot be read.
ReadOutcome CamberInputReader::ReadValues(int count, int decimals, float* destination) {
    for (int i = 0; i < count; ++i) {
        const int field = i % kFieldsPerLine;
        if (field == 0 && !NextLine()) return Failure(ReadStatus::EndInsideProblem);
        auto value = ff::ReadReal(current_, 1 + field * kFieldWidth, kFieldWidth, decimals);
        if (!value.ok() || std::fabs(value.value) > FLT_MAX) return Failure(ReadStatus::ReadError);
        if (destination) destination[i] = static_cast<float>(value.value);
    }
    return {};
}

}  // namespace quillon::camber
