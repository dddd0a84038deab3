#include "camber/CamberRun.hpp"

#include <iostream>
#include <sstream>

#include "camber/CamberComputation.hpp"
#include "camber/CamberInput.hpp"
#include "camber/CamberListing.hpp"
#include "camber/CamberRefusals.hpp"
#include "fixedform/RecordWriter.hpp"
#include "fixedform/TextLines.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::camber {

namespace ff = quillon::fixedform;

namespace {

// The records that end a run when the input ends or a field cannot be read.
int EndRun(std::ostream& listing, const ReadOutcome& outcome, bool anyRefused) {
    switch (outcome.status) {
        case ReadStatus::NoMoreProblems:
            PutRecord(listing, " No more problems.");
            return anyRefused ? kExitFailure : kExitNormal;
        case ReadStatus::EndInsideProblem:
            PutRecord(listing, " End of input file before end of problem");
            return kExitFailure;
        case ReadStatus::ReadError:
            PutRecord(listing, ff::Record()
                                   .Text(" Error while reading line ")
                                   .I(outcome.NLINE, 3)
                                   .Text(" of problem: ")
                                   .Text(outcome.LINE)
                                   .str());
            PutRecord(listing, " Line was:");
            PutRecord(listing, " " + ff::CardColumns(outcome.badLine, 80));
            return kExitFailure;
        case ReadStatus::Ok:
            break;
    }
    return kExitFailure;
}

}  // namespace

int ListCamberProblems(std::istream& input, std::ostream& listing) {
    CamberInputReader reader(input);
    bool anyRefused = false;
    for (;;) {
        CamberProblem problem;
        ReadOutcome outcome = reader.ReadCards(problem);
        if (outcome.ok()) {
            if (auto refusal = CountRefusal(problem)) {
                // Said at once; the problem's lines are then passed over.
                PutRecord(listing, RefusalRecord(*refusal));
                anyRefused = true;
                outcome = reader.SkipTables(problem);
                if (outcome.ok()) continue;
            } else {
                outcome = reader.ReadTables(problem);
            }
        }
        if (!outcome.ok()) return EndRun(listing, outcome, anyRefused);

        const SpliceCheck check = CheckLastSplice(problem);
        if (check.reported) WriteSpliceCheckBlock(listing, check);
        if (auto refusal = ValueRefusal(problem)) {
            PutRecord(listing, RefusalRecord(*refusal));
            anyRefused = true;
            continue;
        }
        WriteCamberListing(listing, problem, ComputeCamber(problem));
    }
}

int RunCamber(const std::vector<std::string>& args, const quillon::Environment& env) {
    return RunCamber(args, env, std::cerr);
}

int RunCamber(const std::vector<std::string>& args, const quillon::Environment& /*env*/,
              std::ostream& errors) {
    if (args.size() != 2) {
        errors << "Usage: QlCamb <camber input> <camber listing>\n";
        return kExitFailure;
    }
    const std::string& inputName = args[0];
    const std::string& listingName = args[1];

    const FileContents input = ReadFileContents(inputName);
    if (!input.opened) {
        errors << "QlCamb: cannot open the camber input '" << inputName << "'\n";
        return kExitFailure;
    }

    // The listing takes the place of its file: it must never be the input.
    if (IsSameFile(inputName, listingName)) {
        errors << "QlCamb: the camber listing '" << listingName << "' is the camber input itself\n";
        return kExitFailure;
    }
    // An input read only in part is not listed: the old listing stays.
    if (!input.ok) {
        errors << "QlCamb: error while reading the camber input '" << inputName << "'\n";
        return kExitFailure;
    }

    // The listing's file is made only when there is something to write in it.
    OutputFile listing(listingName);
    if (!listing.Open()) {
        errors << "QlCamb: cannot create the camber listing '" << listingName
               << "': " << listing.error() << "\n";
        return kExitFailure;
    }
    std::istringstream inputLines(input.bytes);
    const int status = ListCamberProblems(inputLines, listing.stream());
    if (!listing.Commit()) {
        errors << "QlCamb: cannot write the camber listing '" << listingName
               << "': " << listing.error() << "\n";
        return kExitFailure;
    }
    return status;
}

}  // namespace quillon::camber
