#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/EngineRun.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

// The auxiliary-output box of the end of a run.
void WriteAuxiliaryOutputBox(EngineRun& run) {
    ListingWriter& out = run.listing;
    out.WritePageHeading(8, 8);
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    out.Write(ErrorBoxLine({{44, "FATAL ERROR IN WRITING AUXILIARY OUTPUT"}}));
    if (run.state.variant == EngineVariant::Metric)
        out.Write(ErrorBoxLine({{39, "ELEVATION SHIFT IS LESS THAN 0.00006 METERS (AND >0)"}}));
    else
        out.Write(ErrorBoxLine({{39, "ELEVATION SHIFT IS LESS THAN 0.0002 FEET (AND >0)"}}));
    out.Write(ErrorBoxLine({{46, "OR ALL GIRDER LINES ARE LINE TYPE 4"}}));
    out.Write(ErrorBoxLine({{46, "OR ELEVATION SHIFT IS NOT CONSTANT"}}));
    out.Write(ErrorBoxLine({{41, "OR A GIRDER LINE HAS FEWER THAN THREE POINTS"}}));
    out.Write(ErrorBoxLine());
}

}  // namespace

int FinishRun(EngineRun& run) {
    RunState& state = run.state;
    if (IsAuxOutputFault(state.auxOutputStatus)) {
        state.runErrorFlag = true;
        WriteAuxiliaryOutputBox(run);
    }
    bool pending = state.ignored.count > 0;
    if (pending) {
        run.listing.WritePageHeading(IgnoredReportLines(state.ignored.count), 0);
        WriteIgnoredLinesReport(run);
    }
    // A clean run ends with status 0; RunEngine then prints the console
    // message once the listing is safely closed.
    if (!pending && !state.runErrorFlag) return kExitNormal;
    return kExitFailure;
}

int EndOfInputError(EngineRun& run) {
    RunState& state = run.state;
    ListingWriter& out = run.listing;
    if (state.ignored.count == 0 && state.currentCardType == 0 &&
        cards::IsBlank(state.cardImage, cards::kDescriptionTextCard["Description.Text"])) {
        // The last "card" was a blank line, which reads as a 00 card.
        out.WritePageHeading(5, 5);
        out.WriteEmpty();
        out.Write(ErrorBoxLine());
        out.Write(ErrorBoxLine({{51, "BLANK LINE(S) ENCOUNTERED"}}));
        out.Write(ErrorBoxLine({{52, "JUST BEFORE END-OF-FILE"}}));
        out.Write(ErrorBoxLine());
        // A deck that never reached an alignment is no clean run; one that did
        // still has to pass the end-of-run checks.
        if (state.NoAlignmentReached()) state.runErrorFlag = true;
        return FinishRun(run);
    }
    state.runErrorFlag = true;
    constexpr int kKeptAtEnd = 5;
    if (state.ignored.count > kKeptAtEnd) {
        state.ignored.count = kKeptAtEnd;
        state.ignored.lines.resize(kKeptAtEnd);
    }
    out.WritePageHeading(state.ignored.count + 14, 0);
    int missing = state.currentCardType + 1;
    if (missing < 2) missing = 2;
    if (missing > 6) missing = 0;
    out.WriteEmpty();
    out.WriteEmpty();
    out.Write(ErrorBoxLine());
    out.Write(ErrorBoxLine({{58, "FATAL ERROR"}}));
    out.Write(
        ErrorBoxLine({{56, ff::Record().Text("NO").I(missing, 3, 2).Text(" CARD FOUND").str()}}));
    out.Write(ErrorBoxLine());
    return FinishRun(run);
}

}  // namespace quillon::engine
