#include "converters/tocamber/ToCamberRun.hpp"

#include <iostream>
#include <sstream>

#include "converters/common/ConverterFiles.hpp"
#include "converters/common/ConverterLog.hpp"
#include "converters/common/ConverterMessages.hpp"
#include "converters/tocamber/BridgeFile.hpp"
#include "converters/tocamber/CamberFile.hpp"
#include "converters/tocamber/EntryCheck.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::converters::tocamber {

namespace fs = std::filesystem;

namespace {

std::string OpenError(std::string_view name) {
    return "Qlvr->Cmbr-E-Error opening " + std::string(name) + ".  Aborting process";
}

class ToCamberRun {
public:
    ToCamberRun(const Environment& env, ConverterConsole console, const fs::path& logFolder)
        : console_(console),
          messages_(console, ToCamberLogSpec(), logFolder, RunTimeText(env.Now()), env) {}

    int Run(const std::vector<std::string>& args);

private:
    bool Log(const std::string& message) { return messages_.Log(message); }
    bool Say(const std::string& message, bool onStderr = false) {
        return messages_.Say(message, onStderr);
    }
    // Ends the run with -1: the message said, an older camber input kept.
    int Abort(const std::string& message, bool onStderr = false);
    // Ends the run with -1 after the log has failed.
    int EndAborted();

    ConverterConsole console_;
    ConverterMessages messages_;
    CamberFiles files_;
};

int ToCamberRun::Abort(const std::string& message, bool onStderr) {
    Say(message, onStderr);
    return EndAborted();
}

int ToCamberRun::EndAborted() { return messages_.Aborted(); }

int ToCamberRun::Run(const std::vector<std::string>& args) {
    if (args.size() > 2) return Abort("Too many arguments, aborting.", true);
    if (args.size() < 2)
        return Abort("Usage: Ql2Cmb listing[.LIS] \"girder list\" (for example 1,3,4,6 or 1-20)",
                     true);
    for (const std::string& message : CheckEntry(EntryKind::ListingName, args[0]).messages)
        if (!Say(message)) return EndAborted();
    files_ = NameCamberFiles(args[0]);
    if (!Log("Processing load for bridge file: " + files_.listing)) return EndAborted();

    if (files_.listing == files_.output || IsSameFile(files_.listing, files_.output)) {
        return Abort("Qlvr->Cmbr-E-SameFile listing " + files_.listing +
                         " is also the camber input file.  Aborting process",
                     true);
    }
    const FileContents listing = ReadFileContents(files_.listing);
    if (!listing.ok) return Abort(OpenError(files_.listing), true);
    std::istringstream in(listing.bytes);
    BridgeLoad load = LoadBridgeFile(in, files_.listing, console_.out);
    for (const std::string& message : load.logMessages)
        if (!Log(message)) return EndAborted();
    if (load.abortMessage) return Abort(*load.abortMessage);

    EntryCheck selection =
        CheckEntry(EntryKind::GirderList, args[1], static_cast<int>(load.girders.size()));
    for (const std::string& message : selection.messages)
        if (!Say(message)) return EndAborted();

    CamberFileText camber = WriteCamberFile(load.girders, selection.selected);
    if (camber.refusal) return Abort(*camber.refusal);
    std::string error;
    if (!WriteOutputFile(files_.output, camber.text, error))
        return Abort(OpenError(files_.output) + " (" + error + ")", true);
    console_.out.flush();
    return kNormalStatus;
}

}  // namespace

CamberFiles NameCamberFiles(std::string_view argument) {
    CamberFiles files;
    files.listing =
        FileNameExtension(argument) ? std::string(argument) : ConverterFileName(argument, "LIS");
    files.output = ConverterFileName(BaseName(argument), "CMB");
    return files;
}

int RunToCamber(const std::vector<std::string>& args, const Environment& env,
                ConverterConsole console, const fs::path& logFolder) {
    ToCamberRun run(env, console, logFolder);
    return run.Run(args);
}

int RunToCamber(const std::vector<std::string>& args, const Environment& env) {
    return RunToCamber(args, env, ConverterConsole{std::cout, std::cerr}, {});
}

}  // namespace quillon::converters::tocamber
