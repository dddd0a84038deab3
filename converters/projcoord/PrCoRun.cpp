#include "converters/projcoord/PrCoRun.hpp"

#include <cctype>
#include <iostream>
#include <optional>
#include <system_error>

#include "converters/common/ConverterFiles.hpp"
#include "converters/common/ConverterLog.hpp"
#include "converters/common/NumberText.hpp"
#include "converters/projcoord/ProjectListing.hpp"
#include "fixedform/FieldReader.hpp"
#include "fixedform/TextLines.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::converters::projcoord {

namespace {

constexpr size_t kArgumentCount = 9;
constexpr size_t kStructureLine = 6;  // the heading line of the listing's first page

const char* const kUsage =
    "Usage: QlPrCo listing output northing-offset easting-offset N|S degrees minutes seconds "
    "E|W";

std::string Aborting(const std::string& message) { return message + ".  Aborting process"; }

// The arguments in their places.
enum Argument {
    kListing,
    kOutput,
    kNorthing,
    kEasting,
    kNorthSouth,
    kDegrees,
    kMinutes,
    kSeconds,
    kEastWest,
};

class PrCoRun {
public:
    PrCoRun(const Environment& env, ConverterConsole console) : env_(env), console_(console) {}
    int Run(const std::vector<std::string>& args);

private:
    int Fail(const std::string& message);
    // Each reads one argument into values_, or gives the failure status.
    std::optional<int> ReadDecimal(const std::string& text, const char* what, double& value);
    std::optional<int> ReadWhole(const std::string& text, const char* what, int& value);
    std::optional<int> ReadLetter(const std::string& text, const char* which, char first,
                                  char second, char& letter);
    std::optional<int> ReadListing(const std::string& name, std::vector<std::string>& lines);

    const Environment& env_;
    ConverterConsole console_;
    ProjectRunValues values_;
};

int PrCoRun::Fail(const std::string& message) {
    console_.err << message << '\n';
    console_.err.flush();
    return kAbortStatus;
}

std::optional<int> PrCoRun::ReadDecimal(const std::string& text, const char* what, double& value) {
    if (fixedform::IsBlank(text)) {
        value = 0.0;
        return std::nullopt;
    }
    std::optional<double> read = ReadDecimalText(text);
    if (!read)
        return Fail(
            Aborting("PRCO-E-Number the " + std::string(what) + " '" + text + "' is not a number"));
    value = *read;
    return std::nullopt;
}

std::optional<int> PrCoRun::ReadWhole(const std::string& text, const char* what, int& value) {
    if (fixedform::IsBlank(text)) {
        value = 0;
        return std::nullopt;
    }
    std::optional<int> read = ReadWholeText(text);
    if (!read)
        return Fail(Aborting("PRCO-E-Number the " + std::string(what) + " '" + text +
                             "' are not a whole number"));
    value = *read;
    return std::nullopt;
}

std::optional<int> PrCoRun::ReadLetter(const std::string& text, const char* which, char first,
                                       char second, char& letter) {
    letter =
        text.empty() ? ' ' : static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (letter == first || letter == second) return std::nullopt;
    return Fail(Aborting("PRCO-E-Bearing the bearing's " + std::string(which) + " letter must be " +
                         first + " or " + second + ", not '" + text + "'"));
}

std::optional<int> PrCoRun::ReadListing(const std::string& name, std::vector<std::string>& lines) {
    const FileContents listing = ReadFileContents(name);
    if (!listing.opened) {
        const std::string reason =
            listing.error == std::errc::is_a_directory ? "a folder" : listing.reason;
        return Fail(Aborting("PRCO-E-OpenErr unable to open file '" + name + "' (" + reason + ")"));
    }
    if (!listing.ok) return Fail(Aborting("PRCO-E-ReadErr unable to read file '" + name + "'"));
    lines = fixedform::SplitTextLines(listing.bytes);
    if (lines.size() < kStructureLine || !CheckStructureLine(lines[kStructureLine - 1]))
        return Fail(Aborting("PRCO-E-NotListing file '" + name +
                             "' is not a geometry listing: its sixth line does not begin with "
                             "STRUCTURE"));
    return std::nullopt;
}

int PrCoRun::Run(const std::vector<std::string>& args) {
    if (args.size() != kArgumentCount) return Fail(kUsage);
    Bearing& bearing = values_.bearing;
    if (auto status = ReadDecimal(args[kNorthing], "northing offset", values_.northingOffset))
        return *status;
    if (auto status = ReadDecimal(args[kEasting], "easting offset", values_.eastingOffset))
        return *status;
    if (auto status = ReadLetter(args[kNorthSouth], "first", 'N', 'S', bearing.northSouth))
        return *status;
    if (auto status = ReadWhole(args[kDegrees], "degrees", bearing.degrees)) return *status;
    if (auto status = ReadWhole(args[kMinutes], "minutes", bearing.minutes)) return *status;
    if (auto status = ReadDecimal(args[kSeconds], "seconds", bearing.seconds)) return *status;
    if (auto status = ReadLetter(args[kEastWest], "last", 'E', 'W', bearing.eastWest))
        return *status;

    ProjectFrame frame;
    frame.rotation = *BearingToRotation(bearing);  // the letters are checked above
    frame.northingOffset = values_.northingOffset;
    frame.eastingOffset = values_.eastingOffset;
    values_.runTimeText = RunTimeText(env_.Now());

    // Replacing the output must never destroy the listing it is made from.
    if (IsSameFile(args[kListing], args[kOutput]))
        return Fail(
            Aborting("PRCO-E-SameFile listing '" + args[kListing] + "' is also the output file"));
    std::vector<std::string> lines;
    if (auto status = ReadListing(args[kListing], lines)) return *status;
    std::string error;
    if (!WriteOutputFile(args[kOutput], WriteProjectListing(values_, frame, lines), error))
        return Fail(Aborting("PRCO-E-WriteErr unable to write file '" + args[kOutput] + "' (" +
                             error + ")"));
    return kWrittenStatus;
}

}  // namespace

int RunPrCo(const std::vector<std::string>& args, const Environment& env,
            ConverterConsole console) {
    PrCoRun run(env, console);
    return run.Run(args);
}

int RunPrCo(const std::vector<std::string>& args, const Environment& env) {
    return RunPrCo(args, env, ConverterConsole{std::cout, std::cerr});
}

}  // namespace quillon::converters::projcoord
