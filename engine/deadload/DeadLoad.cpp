#include "engine/deadload/DeadLoad.hpp"

#include <cmath>
#include <string>
#include <vector>

#include "engine/deadload/DeadLoadCurve.hpp"
#include "engine/run/StationText.hpp"
#include "engine/run/TextHelpers.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr size_t kGirderColumn = 0;  // label character of card column 3
constexpr size_t kBentColumn = 1;    // of card column 4
constexpr int kLastTenth = kTenthPoints - 1;
constexpr int kOpeningRoom = -20;  // WriteDeadLoadHeading: a new page unless 26 lines are left
constexpr int kSetRoom = 20;       // a set continues the section on a new page below 21 lines
constexpr double kInchesPerFoot = 12.0;
constexpr double kMillimetresPerMetre = 1000.0;
// Millimetres per inch as the coefficients of QlMetr have always been
// scaled: 25.4 held in single precision (25.399999618530273).
constexpr double kMillimetresPerInch = static_cast<double>(25.4f);
constexpr double kUplift = 0.001;  // feet per span: a rising end

const std::string kUnknownName = " * UNKNOWN";
const std::string kNoBentYet = "*         ";
const std::string kAndOthers = "AND OTHERS";

// Box lines: "ERROR" in columns 26-30 and 96-100, the text centred between
// them (the odd blank on the right) or after `blanks` blanks.
constexpr int kFirstInnerColumn = 31;
constexpr int kInnerWidth = 65;

std::string InnerLine(const std::string& text, int blanks = -1) {
    if (blanks < 0) blanks = std::max(0, (kInnerWidth - static_cast<int>(text.size())) / 2);
    return ErrorBoxLine({{kFirstInnerColumn + blanks, text}});
}

// An empty line, the frame, the inner lines and the frame, after asking for
// room for `need` lines and counting all of them.
void WriteBox(EngineRun& run, int need, const std::vector<std::string>& inner) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(need, static_cast<int>(inner.size()) + 3);
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    for (const std::string& line : inner) out.Write(line);
    out.Write(ErrorBoxLine());
}

std::string HeadingLine(bool continued) {
    return ff::Record()
        .Text(" DEAD LOAD DEFLECTION DATA")
        .Text(continued ? " (CONT)" : " ")
        .Column(35)
        .Text("DEFLECTIONS AT TENTH POINTS FROM FITTED CURVE")
        .str();
}

void WriteScaleLines(ListingWriter& out) {
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Column(11)
                  .Text("0.0      0.1      0.2      0.3      0.4      0.5")
                  .Column(65)
                  .Text("0.6      0.7      0.8      0.9      1.0")
                  .str());
}

// The two rows of deflections and their words, by build.
struct DeflectionRow {
    std::string label;    // columns 1-5
    std::string closing;  // columns 108-111
    int decimals = 4;
};

struct SetTexts {
    std::string name = kUnknownName;
    std::string others = kNoBentYet;
    std::string girder;
    bool BentMatched() const { return others != kNoBentYet; }
};

SetTexts MakeSetTexts(const LineSetState& lineSet, const DeadLoadRecord& record, int bentCode) {
    SetTexts texts;
    const char girder = record.label[kGirderColumn];
    texts.girder =
        girder == ' ' ? ff::PadRight("(BLANK)", 10) : ff::PadRight(std::string(1, girder), 10);
    for (const BentOrderEntry& entry : lineSet.bentLineOrder) {
        const BentLine& bent = lineSet.bents.Slot(entry.slot);
        if (bent.deadLoadCode != bentCode) continue;
        if (!texts.BentMatched()) {
            texts.name = ff::PadRight(bent.description, 10);
            texts.others = kBlankTen;
        } else {
            texts.others = kAndOthers;
        }
    }
    return texts;
}

void WriteSetHeader(EngineRun& run, const SetTexts& texts, int cards) {
    ListingWriter& out = run.listing;
    WriteDeadLoadHeading(run, kSetRoom);
    out.WritePageHeading(0, 3);
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Column(6)
                  .Text("FOR BENT LINE:  ")
                  .Text(texts.name)
                  .Column(33)
                  .Text(texts.others)
                  .Column(48)
                  .Text("07 CARD(S):")
                  .I(cards, 3)
                  .Column(71)
                  .Text("GIRDER LINES REFERENCED BY:  ")
                  .Text(texts.girder)
                  .str());
}

void WriteGatherEvents(EngineRun& run, const std::vector<GatherEvent>& events) {
    for (GatherEvent event : events) {
        const char* text = event == GatherEvent::InconsistentDeflections
                               ? "INCONSISTENT DEFLECTIONS GIVEN AT THE SAME POINT"
                               : "TOO MANY DEFLECTION VALUES GIVEN";
        WriteBox(run, 0, {InnerLine(text)});
    }
}

void WriteFitLines(EngineRun& run, const DeflectionFit& fit) {
    ListingWriter& out = run.listing;
    if (fit.notEnoughValues) {
        out.WritePageHeading(0, 2);
        out.WriteEmpty();
        out.Write(ff::Record()
                      .Column(9)
                      .Text("WARNING:  NOT ENOUGH DEFLECTION VALUES GIVEN FOR")
                      .Text(" ORDINARY CURVE FIT")
                      .str());
    }
    if (fit.secondDegreeTry) {
        out.WritePageHeading(0, 1);
        out.Write(ff::Record().Column(19).Text("NOW TRYING FOR A SECOND DEGREE CURVE FIT").str());
    }
}

void WriteNoValidFit(EngineRun& run, bool servesBent) {
    ListingWriter& out = run.listing;
    if (!servesBent) {
        out.WritePageHeading(0, 2);
        out.WriteEmpty();
        out.Write(ff::Record().Column(31).Text("**** NO VALID CURVE FIT FOUND ****").str());
        return;
    }
    WriteBox(run, 0, {InnerLine("FATAL ERROR -- 07 CARDS"), InnerLine("NO VALID CURVE FIT FOUND")});
    run.state.fatalFlag = true;
}

// The five lines of a fitted set and the uplift line.
void WriteSetCurve(EngineRun& run, const DeadLoadCurveTerms& terms) {
    const RunState& state = run.state;
    const bool metric = state.variant == EngineVariant::Metric;
    const std::array<double, kCurveTerms>& curve = terms.curve;

    std::array<double, kCurveTerms> listed{};
    for (size_t k = 0; k < listed.size(); ++k) {
        listed[k] = terms.fitted[k] * kInchesPerFoot;
        if (metric) listed[k] *= kMillimetresPerInch;
    }
    std::array<double, kTenthPoints> tenth{};
    for (int p = 0; p <= kLastTenth; ++p)
        tenth[static_cast<size_t>(p)] = EvaluateCurve(curve, p / 10.0);
    double endSlope = 0.0;
    for (int k = 1; k < kCurveTerms; ++k) endSlope += k * curve[static_cast<size_t>(k)];
    const double startSlope = curve[1];

    const DeflectionRow first =
        metric ? DeflectionRow{"   mm", "mm  ", 2} : DeflectionRow{" INCH", "INCH", 4};
    const DeflectionRow second =
        metric ? DeflectionRow{"    m", " m  ", 4} : DeflectionRow{" FOOT", "FOOT", 4};
    auto rowValue = [&](bool firstRow, double feet) {
        if (!metric) return firstRow ? feet * kInchesPerFoot : feet;
        const double metres = ConvertLength(state.units.fromUnit, state.units.toUnit, 'S', feet);
        return firstRow ? metres * kMillimetresPerMetre : metres;
    };
    auto row = [&](const DeflectionRow& words, bool firstRow, const char* name, double a) {
        ff::Record record;
        record.Text(words.label);
        for (double feet : tenth) record.F(rowValue(firstRow, feet), 9, words.decimals);
        return record.Column(108).Text(words.closing).Column(119).Text(name).G(a, 12, 6).str();
    };
    auto coefficient = [](const char* name, double a) {
        return ff::Record().Column(119).Text(name).G(a, 12, 6).str();
    };

    ListingWriter& out = run.listing;
    out.WritePageHeading(0, 5);
    out.Write(coefficient("A4=", listed[4]));
    out.Write(row(first, true, "A3=", listed[3]));
    out.Write(row(second, false, "A2=", listed[2]));
    out.Write(coefficient("A1=", listed[1]));
    out.Write(ff::Record()
                  .Text(" SLOPE")
                  .F(startSlope, 10, 6)
                  .Column(97)
                  .F(endSlope, 10, 6)
                  .Text(" SLOPE")
                  .Column(119)
                  .Text("A0=")
                  .G(listed[0], 12, 6)
                  .str());
    if (startSlope <= -kUplift || endSlope >= kUplift) {
        out.WritePageHeading(0, 1);
        out.Write(ff::Record().Column(40).Text("DEFLECTIONS SHOW SIGNIFICANT UPLIFT").str());
    }
}

// One set from its initial record i: header, codes, points, fit, curve.
void ProcessDeadLoadSet(EngineRun& run, LineSetState& lineSet, size_t i) {
    std::vector<DeadLoadRecord>& records = lineSet.deadLoad.records;
    DeadLoadRecord& record = records[i];
    const int cards = std::max(1, std::min(record.cardCount, static_cast<int>(records.size() - i)));
    int bentCode = CharacterCode(record.label[kBentColumn]);
    if (bentCode == 0) bentCode = kNoDeadLoadGirder;
    const SetTexts texts = MakeSetTexts(lineSet, record, bentCode);
    WriteSetHeader(run, texts, cards);

    if (!texts.BentMatched()) {
        record.girderCode = kNoDeadLoadGirder;
        record.bentCode = 0;
    } else {
        record.girderCode = CharacterCode(record.label[kGirderColumn]);
        record.bentCode = bentCode;
        for (size_t e = 0; e < i; ++e) {
            if (records[e].girderCode != record.girderCode || records[e].bentCode != bentCode)
                continue;
            WriteBox(run, 0,
                     {InnerLine("FATAL ERROR -- 07 CARD"),
                      InnerLine("MATCHING CHARACTERS (COLS 3, 4) NOT UNIQUE")});
            run.state.fatalFlag = true;
        }
    }

    const int endMode = EndMode(records, i, cards);
    DeflectionPoints gathered = GatherDeflections(records, i, cards, endMode);
    WriteGatherEvents(run, gathered.events);
    const DeflectionFit fit = FitDeflections(gathered, FitTolerance(endMode));
    WriteFitLines(run, fit);
    if (!fit.Valid()) {
        WriteNoValidFit(run, record.bentCode != 0);
        return;
    }
    const DeadLoadCurveTerms terms = CurveInSpanFraction(fit.c, endMode);
    record.curve = terms.curve;
    record.fitted = true;
    WriteSetCurve(run, terms);
}

bool HasSet(const std::vector<DeadLoadRecord>& records, int girderCode, int bentCode) {
    for (const DeadLoadRecord& r : records)
        if (r.girderCode == girderCode && r.bentCode == bentCode) return true;
    return false;
}

bool HasSetForGirder(const std::vector<DeadLoadRecord>& records, int girderCode) {
    for (const DeadLoadRecord& r : records)
        if (r.girderCode == girderCode) return true;
    return false;
}

// Boxes each span asked for without a set: a girder line and bent line whose
// codes no 07 card pairs, or a bent line's code that no 07 card carries (its
// code is then dropped).
void CheckDeadLoadCodes(EngineRun& run, LineSetState& lineSet) {
    const std::vector<DeadLoadRecord>& records = lineSet.deadLoad.records;
    const GirderLineTable& girders = lineSet.girders;
    const bool hasGirders = girders.count > 0;
    for (const BentOrderEntry& entry : lineSet.bentLineOrder) {
        BentLine& bent = lineSet.bents.Slot(entry.slot);
        if (bent.deadLoadCode < 1) continue;
        bool girderAsks = false;
        for (int g = 1; hasGirders && g <= girders.count; ++g) {
            const GirderLine& line = girders.Line(g);
            if (line.deadLoadCode < 1) continue;
            girderAsks = true;
            if (HasSet(records, line.deadLoadCode, bent.deadLoadCode) ||
                !HasSetForGirder(records, line.deadLoadCode))
                continue;
            WriteBox(
                run, 6,
                {InnerLine("GIRDER LINE:  " + ff::PadRight(line.description[0], 10) +
                               ff::PadRight(line.description[1], 10),
                           15),
                 InnerLine("NO 07 CARD FOUND WITH MATCHING CHARACTER FOR"),
                 InnerLine("SPAN BEGINNING AT BENT LINE:  " + ff::PadRight(bent.description, 10),
                           12)});
        }
        if (girderAsks) continue;
        bool found = false;
        for (const DeadLoadRecord& r : records)
            if (r.bentCode == bent.deadLoadCode && (!hasGirders || r.girderCode == 0)) found = true;
        if (found) continue;
        bent.deadLoadCode = 0;
        WriteBox(
            run, 6,
            {InnerLine("BENT LINE:  " + ff::PadRight(bent.description, 10), 21),
             InnerLine("NO 07 CARD FOUND WITH MATCHING CHARACTER"), InnerLine("COL 44 IGNORED")});
    }
}

}  // namespace

void WriteDeadLoadHeading(EngineRun& run, int n) {
    ListingWriter& out = run.listing;
    if (n < 0) {
        out.WritePageHeading(6 - n, 4);
        out.WriteEmpty();
        out.WriteEmpty();
        out.Write(HeadingLine(false));
    } else if (n > 0) {
        if (out.LinesLeft() > n) return;
        WriteScaleLines(out);
        out.WritePageHeading(-1, 4);
        out.WriteEmpty();
        out.WriteEmpty();
        out.Write(HeadingLine(true));
    }
    out.WritePageHeading(0, 2);
    WriteScaleLines(out);
}

void ProcessDeadLoad(EngineRun& run, AlignmentState&, LineSetState& lineSet) {
    std::vector<DeadLoadRecord>& records = lineSet.deadLoad.records;
    WriteDeadLoadHeading(run, kOpeningRoom);
    for (size_t i = 0; i < records.size(); ++i) {
        DeadLoadRecord& record = records[i];
        record.girderCode = kNoDeadLoadGirder;
        record.bentCode = 0;
        record.fitted = false;
        record.curve = {};
        if (record.label[kBentColumn] == ' ') continue;  // a continuation card
        ProcessDeadLoadSet(run, lineSet, i);
    }
    WriteDeadLoadHeading(run, 0);
    CheckDeadLoadCodes(run, lineSet);
}

}  // namespace quillon::engine
