// What every fuzz target shares: a folder of its own for one run of a
// program, and the checks that turn a silent fault into a finding. A finding
// prints what was wrong and aborts, so that the fuzzer keeps the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "environment/Environment.hpp"

namespace quillon::fuzz {

// The clock of every run: the listings' headings are the same each time.
inline constexpr LocalTime kFixedClock{2002, 7, 9, 14, 5, 33};

// The fuzzer's bytes as the text of a file.
inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Prints "Quillon fuzz finding: <what>" and the detail on stderr, then aborts.
[[noreturn]] void Finding(std::string_view what, std::string_view detail = {});

// A fresh folder in the temporary folder, made for one run and removed with
// everything in it when the run is over.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string File(std::string_view name) const { return (path_ / name).string(); }
    // Writes `content` as the file `name`; a finding when it cannot.
    void Write(std::string_view name, std::string_view content) const;
    // The whole file, or nothing when there is no regular file of that name.
    std::optional<std::string> Read(std::string_view name) const;
    // The names of everything in the folder, sorted.
    std::vector<std::string> Names() const;
    // The text a run was given: `input` and the folder's name, which the
    // programs write into their outputs and logs.
    std::string InputText(std::string_view input) const;

private:
    std::filesystem::path path_;
};

// The first word of `output` that a non-finite number prints as ("nan",
// "inf", "infinity" in any case, between non-letters) and that `input` does
// not hold itself (in any case), or nothing.
std::optional<std::string> NonFiniteWord(std::string_view output, std::string_view input);

// A finding when `output` holds a non-finite word that `input` does not.
void CheckNoNonFinite(std::string_view outputName, std::string_view output, std::string_view input);

// The first line of an engine listing that is a line of a "FATAL ERROR" box
// ("ERROR" at both ends of the trimmed line), or nothing.
std::optional<std::string> FatalErrorBoxLine(std::string_view listing);

// A finding when `status` is not one of `statuses`.
void CheckStatus(std::string_view program, int status, const std::vector<int>& statuses);

// After a run in `folder`: a finding when the folder holds other names than
// `allowed` (a temporary file left behind is one), or when the input file
// `inputName` no longer holds `input`.
void CheckFolderAfterRun(const ScratchFolder& folder, const std::vector<std::string>& allowed,
                         std::string_view inputName, std::string_view input);

// The files of a converter's run in its scratch folder, by name.
struct ConverterFiles {
    std::string input;                 // what the fuzzer's bytes were written as
    std::vector<std::string> outputs;  // what a run that did not fail writes, every one
    std::string log;                   // the converter's run log, or empty for none
};

// After a converter's run: the folder holds the input (unchanged), the log,
// and the outputs only when the run did not fail (and then every one); no
// output, log or console text holds a non-finite number that the input does
// not.
void CheckConverterRun(const ScratchFolder& folder, const ConverterFiles& files, bool failed,
                       std::string_view input, std::string_view console);

}  // namespace quillon::fuzz
