#include "editor/commands/tests/CommandFakes.hpp"

#include <fstream>

namespace quillon::editor::test {

namespace {

// Written beside and renamed, as the system's programs write their outputs.
void WriteWhole(const std::filesystem::path& file, const std::string& content) {
    const std::filesystem::path temporary = file.string() + ".fake-tmp";
    {
        std::ofstream out(temporary, std::ios::binary);
        out << content;
    }
    std::filesystem::rename(temporary, file);
}

}  // namespace

const FakeProgram* FakeRunner::Run(const ProgramCall& call, bool waited) {
    calls.push_back({call, waited});
    auto found = programs.find(call.program.filename().string());
    if (found == programs.end()) return nullptr;
    const FakeProgram& program = found->second;
    if (program.ending == ProgramOutcome::Ending::NotStarted) return &program;
    auto resolve = [&](const std::filesystem::path& file) {
        return file.is_absolute() ? file : call.folder / file;
    };
    for (std::size_t index : program.writesArguments) {
        WriteWhole(resolve(call.arguments.at(index)), program.content);
    }
    for (const std::filesystem::path& file : program.writesFiles) {
        WriteWhole(resolve(file), program.content);
    }
    return &program;
}

ProgramOutcome FakeRunner::RunAndWait(const ProgramCall& call) {
    const FakeProgram* program = Run(call, true);
    if (program == nullptr) {
        return {ProgramOutcome::Ending::NotStarted, 0, "No such file or directory", {}};
    }
    return {program->ending, program->exitStatus, program->reason, program->console};
}

std::optional<std::string> FakeRunner::StartDetached(const ProgramCall& call) {
    const FakeProgram* program = Run(call, false);
    if (program == nullptr) return "No such file or directory";
    if (program->ending == ProgramOutcome::Ending::NotStarted) return program->reason;
    return std::nullopt;
}

}  // namespace quillon::editor::test
