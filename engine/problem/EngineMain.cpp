// The engine program: the run's files, the Problem loop over the steps, and
// the exit status.
#include "engine/problem/EngineMain.hpp"

#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/alignment/AlignmentStep.hpp"
#include "engine/approaches/RoadApproaches.hpp"
#include "engine/linesets/LineSetLoop.hpp"
#include "engine/points/LineSetPoints.hpp"
#include "engine/problem/EngineLineSetSteps.hpp"
#include "engine/problem/ProblemState.hpp"
#include "engine/run/CardStream.hpp"
#include "engine/run/HeadingDateTime.hpp"
#include "fixedform/TextLines.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::engine {

namespace ff = quillon::fixedform;

namespace {

constexpr const char* kNormalTermination = "  Normal termination -- QUILLON";
constexpr size_t kListingBufferBytes = 1 << 20;

void SetBuild(RunState& state) {
    if (state.variant == EngineVariant::Metric) {
        state.units = {kFeetUnit, kMetresUnit};
        state.headings.Version() = "WIN2.1.0m)";
    } else {
        state.headings.Version() = "WIN2.1.0e)";
    }
}

bool ReadDeck(const std::string& name, std::vector<std::string>& lines) {
    const FileContents deck = ReadFileContents(name);
    if (!deck.ok) return false;
    lines = ff::SplitTextLines(deck.bytes);
    return true;
}

}  // namespace

int EngineMain(EngineRun& run) {
    RunState& state = run.state;
    ProblemState problem;
    if (!ReadNextCard(run)) return EndOfInputError(run);  // not even a 00 card
    for (;;) {
        // A Problem begins with the 00 card just read.
        problem = ProblemState{};
        ProcessDescriptionCard(run);
        if (ProcessAlignmentCards(run, problem.alignment) == StepEnd::AtDeckEnd)
            return EndOfInputError(run);  // the alignment cards still expect a 04 card
        state.runErrorFlag = state.runErrorFlag || state.fatalFlag;
        bool nextProblem = state.fatalFlag;
        while (!nextProblem) {
            const StepEnd end =
                ProcessLineSet(run, problem.alignment, problem.lineSet, EngineLineSetSteps());
            if (end == StepEnd::AtDeckEnd && CardsStillExpected(state)) return EndOfInputError(run);
            state.runErrorFlag = state.runErrorFlag || state.fatalFlag;
            if (!state.fatalFlag) ComputeLineSetPoints(run, problem.alignment, problem.lineSet);
            state.fatalFlag = true;
            // The deck ended after the line set's 06 or 07 cards.
            if (end == StepEnd::AtDeckEnd) return FinishRun(run);
            const int t = state.currentCardType;
            if (t >= 0 && t <= 3) break;                    // a new Problem begins
            if (t == 4 || t == 5) continue;                 // another line set
            ProcessRoadApproaches(run, problem.alignment);  // t is 8
            nextProblem = true;
        }
        if (nextProblem) {
            state.currentCardType = 8;
            if (!ReadNextCard(run)) return FinishRun(run);
        }
    }
}

int RunEngine(const std::vector<std::string>& args, EngineVariant variant,
              const Environment& environment, std::ostream& console, std::ostream& errors) {
    const char* program = variant == EngineVariant::Metric ? "QlMetr" : "QlEngl";
    // Exactly two names: a surplus one is most often a name with blanks whose
    // quotes were forgotten, and taking its pieces would replace a file the
    // user never meant as the listing.
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        errors << "usage: " << program << " <input deck> <listing>\n";
        return kExitFailure;
    }
    const std::string& inputName = args[0];
    const std::string& listingName = args[1];
    // Replacing the listing must never destroy the deck it is made from.
    if (IsSameFile(inputName, listingName)) {
        errors << program << ": the listing '" << listingName << "' is the input deck itself\n";
        return kExitFailure;
    }
    // The listing is streamed through a large buffer: the listing of a large
    // deck runs to megabytes.
    OutputFile listing(listingName, kListingBufferBytes);
    if (!listing.Open()) {
        errors << program << ": cannot create the listing '" << listingName
               << "': " << listing.error() << "\n";
        return kExitFailure;
    }
    // An input that exists but cannot be read as a file (a folder, no
    // permission) gets the listing of a missing one.
    std::error_code ec;
    const bool exists = std::filesystem::exists(inputName, ec);
    std::vector<std::string> lines;
    int status = kExitFailure;
    if (!exists || !ReadDeck(inputName, lines)) {
        listing.stream() << "Error: Input file not found\n";
        if (exists)
            errors << program << ": cannot read the input file '" << inputName << "'\n";
        else
            errors << program << ": input file '" << inputName << "' not found\n";
    } else {
        EngineRun run(variant, listing.stream(), std::move(lines));
        SetBuild(run.state);
        LocalTime now = environment.Now();
        run.state.headings.Date() = MakeDateText(now);
        run.state.headings.Time() = MakeTimeText(now);
        run.state.stationDivisor = 1.0;
        status = EngineMain(run);
    }
    // A run that reported errors still has a whole listing; only one that
    // could not be written whole leaves the old listing.
    if (!listing.Commit()) {
        errors << program << ": cannot write the listing '" << listingName
               << "': " << listing.error() << "\n";
        return kExitFailure;
    }
    if (status == kExitNormal) console << kNormalTermination << '\n';
    return status;
}

}  // namespace quillon::engine
