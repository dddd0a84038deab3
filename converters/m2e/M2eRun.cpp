#include "converters/m2e/M2eRun.hpp"

#include <algorithm>
#include <iostream>
#include <optional>

#include "cards/CardFields.hpp"
#include "cards/CardLayouts.hpp"
#include "cards/DeckRules.hpp"
#include "converters/common/ConverterFiles.hpp"
#include "converters/common/ConverterLog.hpp"
#include "converters/common/ConverterMessages.hpp"
#include "converters/common/TextRoutines.hpp"
#include "converters/m2e/CardConverters.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/RecordWriter.hpp"
#include "fixedform/TextLines.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::converters::m2e {

namespace fs = std::filesystem;
namespace ff = quillon::fixedform;

namespace {

constexpr int kCardColumns = 80;
const char* const kAborting = "Aborting M2E processing run.";

std::string OpenError(std::string_view name) {
    return "M2E-E-OpenErr unable to open file '" + std::string(name) + "'.  Aborting process";
}

std::string TypeText(int type) { return ff::FormatI(type, 2, 2); }

// A line right-trimmed and padded with blanks to 80 columns (a longer one keeps its length).
std::string CardBuffer(std::string_view line) {
    std::string trimmed = RightTrim(line);
    return ff::CardColumns(trimmed, std::max<int>(kCardColumns, static_cast<int>(trimmed.size())));
}

std::vector<std::string> FaultMessages(const FieldFault& fault, int type, size_t lineNumber) {
    if (fault.kind == FieldFault::Kind::TransitionCurveTooLong)
        return {"Input error detected while processing cross slope record.", "",
                "Max length of trans VC cannot exceed 3047.0 M.", kAborting};
    std::string where = fault.field + " in columns " + std::to_string(fault.first) + "-" +
                        std::to_string(fault.last);
    std::string what = fault.kind == FieldFault::Kind::NotANumber
                           ? where + " is not a number: " + fault.value + "."
                           : where + " does not fit its columns: " + fault.value + ".";
    return {"Input error detected while processing " + TypeText(type) + " card at input line " +
                std::to_string(lineNumber) + ".",
            what, kAborting};
}

class M2eRun {
public:
    M2eRun(const Environment& env, ConverterConsole console, const fs::path& logFolder)
        : console_(console),
          messages_(console, M2eLogSpec(), logFolder, RunTimeText(env.Now()), env) {}

    int Run(const std::vector<std::string>& args);

private:
    // The card loop over the lines of the deck; fills output_ or gives a failure status.
    std::optional<int> ConvertCards(const std::vector<std::string>& lines);
    std::optional<int> ConvertCard(const std::string& card, int type, size_t lineNumber);
    // The first 00 card: the metric check; a deck that is not metric is copied from line `index`
    // on.
    std::optional<int> FirstDescriptionCard(const std::vector<std::string>& lines, size_t index);

    bool Log(std::string_view message) { return messages_.Log(message); }
    // Logs the messages (usage and file errors also on stderr) and ends the run with -1.
    int Fail(const std::vector<std::string>& messages, bool onStderr);
    int WriteOutput(int status);
    // Ends a failed run; the English deck of an earlier run stays as it was.
    int Abort();
    int EndRun(int status);

    ConverterConsole console_;
    ConverterMessages messages_;
    DeckFiles files_;
    std::string output_;
    bool firstDescriptionSeen_ = false;
    bool crossSlopeExpected_ = false;  // the next 03 card is a Problem's CrossSlopeCard
};

int M2eRun::Fail(const std::vector<std::string>& messages, bool onStderr) {
    for (const std::string& message : messages) {
        if (onStderr && !message.empty()) console_.err << message << '\n';
        Log(message);
    }
    return Abort();
}

int M2eRun::Abort() { return EndRun(kAbortStatus); }

int M2eRun::EndRun(int status) {
    console_.out << "\n End run QlvrM2E convertor";
    if (status != kConvertedStatus)
        console_.out << "\n Error status " << status << "\n\n";
    else
        console_.out << "\n Status normal\n\n";
    console_.out.flush();
    return status;
}

int M2eRun::WriteOutput(int status) {
    std::string error;
    if (!WriteOutputFile(files_.output, output_, error))
        return Fail({OpenError(files_.output) + " (" + error + ")"}, true);
    return status == kConvertedStatus ? kConvertedStatus : EndRun(status);
}

int M2eRun::Run(const std::vector<std::string>& args) {
    if (args.empty()) return Fail({"No arguments passed, aborting."}, true);
    if (args.size() > 2) return Fail({"Too many arguments, aborting."}, true);
    files_ = ConvertDeck(args[0]);
    if (!Log("Processing IN = " + files_.base + "." + files_.inputExtension + "\n") ||
        !Log("Processing OUT = " + files_.base + ".BIP\n"))
        return Abort();

    const FileContents deck = ReadFileContents(files_.input);
    if (!deck.opened) return Fail({OpenError(files_.input)}, true);
    if (IsSameFile(files_.input, files_.output))
        return Fail({"M2E-E-SameFile input file '" + files_.input +
                     "' is also the output file.  Aborting process"},
                    true);
    if (!deck.ok)
        return Fail({"M2E-E-ReadErr unable to read file '" + files_.input + "'.  Aborting process"},
                    true);

    if (std::optional<int> status = ConvertCards(ff::SplitTextLines(deck.bytes))) return *status;
    return WriteOutput(kConvertedStatus);
}

std::optional<int> M2eRun::ConvertCards(const std::vector<std::string>& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (RightTrim(lines[i]).empty()) continue;  // empty lines are dropped
        std::string card = CardBuffer(lines[i]);
        ClassifiedCard kind = ClassifyCard(card);
        if (kind.kind == CardClass::Comment) continue;
        if (kind.kind == CardClass::Foreign) {
            output_ += lines[i] + "\n";  // the engine reports it at its place
            continue;
        }
        if (!firstDescriptionSeen_ && kind.type != 0)
            return Fail({"Input error detected at input line " + std::to_string(i + 1) + ": a " +
                             TypeText(kind.type) + " card comes before the first 00 card.",
                         kAborting},
                        false);
        if (kind.type == 0 && !firstDescriptionSeen_) {
            if (std::optional<int> status = FirstDescriptionCard(lines, i)) return status;
            continue;
        }
        if (std::optional<int> status = ConvertCard(card, kind.type, i + 1)) return status;
    }
    if (!firstDescriptionSeen_)
        return Fail(
            {"M2E-E-NoDeck no 00 card found in file '" + files_.input + "'.  Aborting process"},
            true);
    return std::nullopt;
}

std::optional<int> M2eRun::FirstDescriptionCard(const std::vector<std::string>& lines,
                                                size_t index) {
    firstDescriptionSeen_ = true;
    if (!Log("Checking input file for metric ...")) return Abort();
    if (cards::IsMetricDeck(lines)) {
        output_ += ConvertFirstDescriptionCard(CardBuffer(lines[index])) + "\n";
        return std::nullopt;
    }
    if (!Log("\nThe input file specified is not a METRIC Geometry input file.") ||
        !Log("\nNo conversion processing is required.  Exiting M2E converter."))
        return Abort();
    for (size_t i = index; i < lines.size(); ++i) output_ += CardBuffer(lines[i]) + "\n";
    return WriteOutput(kNotMetricStatus);
}

std::optional<int> M2eRun::ConvertCard(const std::string& card, int type, size_t lineNumber) {
    CardConversion converted;
    switch (type) {
        case 0:
            output_ += ConvertDescriptionCard(card) + "\n";
            return std::nullopt;
        case 1:
            converted = ConvertHorizontalAlignmentCard(card);
            break;
        case 2:
            converted = ConvertVerticalAlignmentCard(card);
            crossSlopeExpected_ = true;
            break;
        case 3:
            converted = crossSlopeExpected_ ? ConvertCrossSlopeCard(card)
                                            : ConvertCrossSlopeOverrideCard(card);
            crossSlopeExpected_ = false;
            break;
        case 4:
            converted = ConvertReferenceLineCard(card);
            break;
        case 5:
            converted = ConvertGirderLineCard(card);
            break;
        case 6:
            converted = ConvertBentLineCard(card);
            break;
        case 7:
            converted = ConvertDeadLoadCard(card);
            break;
        default:
            converted = ConvertRoadApproachCard(card);
            break;
    }
    if (converted.fault) return Fail(FaultMessages(*converted.fault, type, lineNumber), false);
    output_ += converted.card + "\n";
    return std::nullopt;
}

}  // namespace

DeckFiles ConvertDeck(std::string_view argument) {
    DeckFiles files;
    files.base = BaseName(argument);
    files.inputExtension = FileNameExtension(argument).value_or("DAT");
    files.input = ConverterFileName(files.base, files.inputExtension);
    files.output = ConverterFileName(files.base, "BIP");
    return files;
}

ClassifiedCard ClassifyCard(std::string_view card) {
    if (cards::IsCommentCard(card)) return {CardClass::Comment, 99};
    auto type = cards::Integer(card, cards::kCardType);
    if (!type.ok() || type.value < 0 || type.value > 8) return {CardClass::Foreign, type.value};
    return {CardClass::Typed, type.value};
}

int RunM2e(const std::vector<std::string>& args, const Environment& env, ConverterConsole console,
           const fs::path& logFolder) {
    M2eRun run(env, console, logFolder);
    return run.Run(args);
}

int RunM2e(const std::vector<std::string>& args, const Environment& env) {
    return RunM2e(args, env, ConverterConsole{std::cout, std::cerr}, {});
}

}  // namespace quillon::converters::m2e
