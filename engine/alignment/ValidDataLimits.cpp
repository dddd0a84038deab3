#include "engine/alignment/ValidDataLimits.hpp"

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/alignment/ElevationListing.hpp"
#include "engine/run/StationText.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr int kReferenceLineCard = 4;

void SetLimitText(const RunState& state, const Stationing& stationing, double station,
                  std::string (&text)[2], std::string (&label)[2]) {
    const TextPair texts = MakeStationText(state, stationing, station);
    text[0] = texts.first;
    text[1] = texts.second;
    label[0] = std::string(10, ' ');
    label[1] = std::string(10, ' ');
}

std::string LimitsRecord(const std::string (&begin)[2], const std::string (&end)[2]) {
    return ff::Record()
        .X(54)
        .Text(ff::PadRight(begin[0], 10))
        .Text(ff::PadRight(begin[1], 10))
        .Text(ff::PadRight(end[0], 10))
        .Text(ff::PadRight(end[1], 10))
        .str();
}

// A limit that does not read: the box that says the limits stay as they
// were. The run then cannot end cleanly.
void WriteUnreadableLimit(EngineRun& run, const cards::Field& field, const char* name) {
    const std::string message = "INVALID NUMBER IN COLUMNS " + std::to_string(field.first) + "-" +
                                std::to_string(field.last) + " (" + name + ")";
    const auto centred = [](const std::string& text) {
        return std::make_pair(31 + (65 - static_cast<int>(text.size())) / 2, text);
    };
    WriteMessageBox(run, {centred("04 CARD"), centred(message), centred("LIMITS UNCHANGED")});
    run.state.runErrorFlag = true;
}

}  // namespace

void ReadValidDataLimits(EngineRun& run, const Stationing& stationing, ValidDataLimits& limits) {
    const std::string& card = run.state.cardImage;
    const cards::Field& beginField = cards::kReferenceLineCard["RefLine.LimitBegSta"];
    const cards::Field& endField = cards::kReferenceLineCard["RefLine.LimitEndSta"];
    const auto begin = cards::Number(card, beginField);
    const auto end = cards::Number(card, endField);
    if (!begin.ok())
        WriteUnreadableLimit(run, beginField, "LIMIT BEGIN STATION");
    else if (!end.ok())
        WriteUnreadableLimit(run, endField, "LIMIT END STATION");
    if (begin.ok() && end.ok()) {
        if (!cards::IsBlank(card, beginField)) {
            const double station =
                StationToDistance(run, stationing, begin.value, kReferenceLineCard);
            if (station + kLimitSlack >= limits.begin) {
                limits.begin = station;
                SetLimitText(run.state, stationing, station, limits.beginText, limits.beginLabel);
            }
        }
        if (!cards::IsBlank(card, endField)) {
            const double station =
                StationToDistance(run, stationing, end.value, kReferenceLineCard);
            if (station - kLimitSlack <= limits.end) {
                limits.end = station;
                SetLimitText(run.state, stationing, station, limits.endText, limits.endLabel);
            }
        }
    }
    if (!limits.valid) {
        limits.SetEmpty();
        limits.valid = true;
    }
}

void WriteLimitsSection(EngineRun& run, const ValidDataLimits& limits) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(6, 6);
    out.WriteEmpty();
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(ff::Record()
                  .Text(" LIMITS OF VALID ELEVATION AND CROSS-SLOPE DATA")
                  .X(12)
                  .Text("BEGIN")
                  .X(16)
                  .Text("END")
                  .str());
    out.Write(LimitsRecord(limits.beginText, limits.endText));
    out.Write(LimitsRecord(limits.beginLabel, limits.endLabel));
}

void WidenValidDataLimits(ValidDataLimits& limits) {
    limits.begin -= kLimitSlack;
    limits.end += kLimitSlack;
}

}  // namespace quillon::engine
