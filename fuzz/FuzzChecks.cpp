#include "fuzz/FuzzChecks.hpp"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace quillon::fuzz {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

std::string Quoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "'" : ", '") + name + "'";
    return text;
}

}  // namespace

void Finding(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "Quillon fuzz finding: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    if (!detail.empty())
        std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
    std::fflush(stderr);
    std::abort();
}

namespace {

// TMPDIR when it is set, else the memory file system when there is one: a
// fuzzer makes and removes a folder for each of its many runs, and on a disk
// that costs more than the run itself.
fs::path TemporaryFolder() {
    std::error_code ec;
    const char* tmpdir = std::getenv("TMPDIR");
    if ((tmpdir == nullptr || *tmpdir == '\0') && fs::is_directory("/dev/shm", ec) &&
        ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    fs::path folder = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : folder;
}

}  // namespace

ScratchFolder::ScratchFolder() {
    std::string pattern =
        (TemporaryFolder() / ("quillon-fuzz-" + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        Finding("the fuzz target cannot make its scratch folder", pattern);
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchFolder::Write(std::string_view name, std::string_view content) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) Finding("the fuzz target cannot write its input file", File(name));
}

std::optional<std::string> ScratchFolder::Read(std::string_view name) const {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(path_ / name, ec))) return std::nullopt;
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ScratchFolder::Names() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(path_, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string ScratchFolder::InputText(std::string_view input) const {
    return std::string(input) + "\n" + path_.string();
}

// One pass over the output without a copy: a listing of a million lines is
// checked in about the time it takes to read it.
std::optional<std::string> NonFiniteWord(std::string_view output, std::string_view input) {
    std::optional<std::string> lowerInput;  // made at the first suspect word only
    size_t at = 0;
    while (at < output.size()) {
        if (!IsLetter(output[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < output.size() && IsLetter(output[end])) ++end;
        const std::string_view word = output.substr(at, end - at);
        at = end;
        if (word.size() != 3 && word.size() != 8) continue;
        const std::string lower = Lower(word);
        if (lower != "nan" && lower != "inf" && lower != "infinity") continue;
        if (!lowerInput) lowerInput = Lower(input);
        if (lowerInput->find(lower) == std::string::npos) return std::string(word);
    }
    return std::nullopt;
}

void CheckNoNonFinite(std::string_view outputName, std::string_view output,
                      std::string_view input) {
    if (auto word = NonFiniteWord(output, input))
        Finding("a non-finite number in " + std::string(outputName), "the word: " + *word);
}

std::optional<std::string> FatalErrorBoxLine(std::string_view listing) {
    size_t start = 0;
    while (start < listing.size()) {
        size_t end = listing.find('\n', start);
        if (end == std::string_view::npos) end = listing.size();
        std::string_view line = listing.substr(start, end - start);
        start = end + 1;
        if (line.find("FATAL ERROR") == std::string_view::npos) continue;
        const size_t first = line.find_first_not_of(" \r");
        const size_t last = line.find_last_not_of(" \r");
        if (first == std::string_view::npos || last - first < 10) continue;
        if (line.substr(first, 5) == "ERROR" && line.substr(last - 4, 5) == "ERROR")
            return std::string(line);
    }
    return std::nullopt;
}

void CheckStatus(std::string_view program, int status, const std::vector<int>& statuses) {
    if (std::find(statuses.begin(), statuses.end(), status) == statuses.end())
        Finding(std::string(program) + " ended with an exit status of its own",
                "status " + std::to_string(status));
}

void CheckFolderAfterRun(const ScratchFolder& folder, const std::vector<std::string>& allowed,
                         std::string_view inputName, std::string_view input) {
    std::vector<std::string> strangers;
    for (const std::string& name : folder.Names())
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end())
            strangers.push_back(name);
    if (!strangers.empty()) Finding("the run left files it should not have", Quoted(strangers));
    const std::optional<std::string> after = folder.Read(inputName);
    if (!after || *after != input) Finding("the run changed its input", std::string(inputName));
}

void CheckConverterRun(const ScratchFolder& folder, const ConverterFiles& files, bool failed,
                       std::string_view input, std::string_view console) {
    std::vector<std::string> allowed{files.input};
    if (!files.log.empty()) allowed.push_back(files.log);
    if (!failed) allowed.insert(allowed.end(), files.outputs.begin(), files.outputs.end());
    CheckFolderAfterRun(folder, allowed, files.input, input);
    const std::string given = folder.InputText(input);
    for (const std::string& name : files.outputs) {
        const std::optional<std::string> output = folder.Read(name);
        if (!failed && !output) Finding("the converter ended well and left no output", name);
        if (output) CheckNoNonFinite(name, *output, given);
    }
    if (auto log = folder.Read(files.log); log && !files.log.empty())
        CheckNoNonFinite(files.log, *log, given);
    CheckNoNonFinite("the console", console, given);
}

}  // namespace quillon::fuzz
