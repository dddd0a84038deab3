#include "converters/stick/StickRun.hpp"

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <system_error>

#include "converters/common/ConverterFiles.hpp"
#include "converters/common/ConverterLog.hpp"
#include "converters/common/ConverterMessages.hpp"
#include "converters/stick/BridgeLoader.hpp"
#include "converters/stick/StickFiles.hpp"
#include "platform/FileContents.hpp"
#include "platform/OutputFile.hpp"

namespace quillon::converters::stick {

namespace fs = std::filesystem;

namespace {

constexpr int kS5000Bit = 4, kDxfBit = 8, kGenioBit = 16;
constexpr int kLargestMask = 31;
constexpr size_t kMaskDigits = 3;

const char* const kUsage = "Usage: QlStFi listing[.LIS] mask (4 S5000, 8 DXF, 16 GENIO)";

std::string OpenError(std::string_view name) {
    return "Qlvr->Stick-E-Error opening " + std::string(name) + ".  Aborting process";
}

// A whole number of one to three digits.
std::optional<int> ReadMask(std::string_view text) {
    if (text.empty() || text.size() > kMaskDigits) return std::nullopt;
    int mask = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        mask = mask * 10 + (c - '0');
    }
    return mask;
}

// The file's absolute path, as the folder the program runs in makes it; the
// name as given where that folder cannot be read.
std::string AbsoluteName(const std::string& name) {
    std::error_code error;
    const fs::path absolute = fs::absolute(name, error);
    return error ? name : absolute.lexically_normal().string();
}

// One file that the mask asks for.
struct Output {
    std::string name;
    std::function<std::string()> write;
};

class StickRun {
public:
    StickRun(const Environment& env, ConverterConsole console, const fs::path& logFolder)
        : env_(env),
          console_(console),
          runTimeText_(RunTimeText(env.Now())),
          messages_(console, StickLogSpec(), logFolder, runTimeText_, env) {}

    int Run(const std::vector<std::string>& args);

private:
    bool Log(const std::string& message) { return messages_.Log(message); }
    int Abort(const std::string& message, bool onStderr = false) {
        return messages_.Abort(message, onStderr);
    }
    std::vector<Output> Outputs(int mask);

    const Environment& env_;
    ConverterConsole console_;
    std::string runTimeText_;
    ConverterMessages messages_;
    StickFiles files_;
    BridgeFile bridge_;
};

std::vector<Output> StickRun::Outputs(int mask) {
    std::vector<Output> outputs;
    if (mask > kLargestMask) return outputs;
    if (mask & kS5000Bit)
        outputs.push_back({files_.s5000, [this] { return WriteS5000(bridge_, console_.out); }});
    if (mask & kDxfBit)
        outputs.push_back(
            {files_.dxf, [this] {
                 DxfHeader header{runTimeText_, env_.User(), AbsoluteName(files_.listing)};
                 return WriteDxf(bridge_, header, console_.out);
             }});
    if (mask & kGenioBit)
        outputs.push_back({files_.genio, [this] { return WriteGenio(bridge_, console_.out); }});
    return outputs;
}

int StickRun::Run(const std::vector<std::string>& args) {
    if (args.size() > 2) return Abort("Too many arguments, aborting.", true);
    std::optional<int> mask = args.size() == 2 ? ReadMask(args[1]) : std::nullopt;
    if (!mask) return Abort(kUsage, true);
    files_ = NameStickFiles(args[0]);
    if (!Log("Loading bridge file: " + files_.listing)) return kAbortStatus;

    std::vector<Output> outputs = Outputs(*mask);
    for (const Output& output : outputs)
        if (files_.listing == output.name || IsSameFile(files_.listing, output.name))
            return Abort("Qlvr->Stick-E-SameFile bridge file " + files_.listing +
                             " is also the output file.  Aborting process",
                         true);

    const FileContents listing = ReadFileContents(files_.listing);
    if (!listing.ok) return Abort(OpenError(files_.listing), true);
    std::istringstream in(listing.bytes);
    BridgeLoad load = LoadBridgeFile(in, files_.listing, console_.out);
    for (const std::string& message : load.logMessages)
        if (!Log(message)) return kAbortStatus;
    if (load.abortMessage) return Abort(*load.abortMessage);
    if (load.lines.empty())
        return Abort("No girders were found in bridge file :" + files_.listing + ", aborting run.");

    bridge_.listingName = files_.listing;
    bridge_.lines = std::move(load.lines);
    ComputeExtents(bridge_);
    // Every file is complete before the first takes its name: a failure on
    // the way leaves all the old ones.
    std::vector<std::unique_ptr<OutputFile>> files;
    for (const Output& output : outputs) {
        files.push_back(std::make_unique<OutputFile>(output.name));
        OutputFile& file = *files.back();
        if (file.Open()) file.stream() << output.write();
        if (!file.Finish()) return Abort(OpenError(output.name) + " (" + file.error() + ")", true);
    }
    for (size_t i = 0; i < files.size(); ++i)
        if (!files[i]->Commit())
            return Abort(OpenError(outputs[i].name) + " (" + files[i]->error() + ")", true);
    console_.out.flush();
    return kNormalStatus;
}

}  // namespace

StickFiles NameStickFiles(std::string_view argument) {
    StickFiles files;
    files.listing =
        FileNameExtension(argument) ? std::string(argument) : ConverterFileName(argument, "LIS");
    std::string base = BaseName(argument);
    files.s5000 = ConverterFileName(base, "DQ");
    files.dxf = ConverterFileName(base, "DXF");
    files.genio = ConverterFileName(base, "MOSS");
    return files;
}

int RunStFi(const std::vector<std::string>& args, const Environment& env, ConverterConsole console,
            const fs::path& logFolder) {
    StickRun run(env, console, logFolder);
    return run.Run(args);
}

int RunStFi(const std::vector<std::string>& args, const Environment& env) {
    return RunStFi(args, env, ConverterConsole{std::cout, std::cerr}, {});
}

}  // namespace quillon::converters::stick
