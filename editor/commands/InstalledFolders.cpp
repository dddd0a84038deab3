#include "editor/commands/InstalledFolders.hpp"

#include <array>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "editor/commands/HelpCommands.hpp"
#include "editor/commands/ProgramRuns.hpp"

namespace quillon::editor {

namespace {

constexpr std::array kStartedPrograms = {kQlM2e,  kQlMetr, kQlEngl, kQl2Cmb,
                                         kQlCamb, kQlStFi, kQlPrCo};

bool Holds(const std::filesystem::path& folder, std::string_view name) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / std::string(name), error);
}

}  // namespace

std::filesystem::path InstallPrefixOf(const std::filesystem::path& appFolder,
                                      const InstallLayout& layout) {
    if (layout.binDir.is_absolute() || layout.binDir.empty()) return layout.prefix;
    const std::filesystem::path folder = appFolder.lexically_normal();
    std::vector<std::filesystem::path> parts(folder.begin(), folder.end());
    // A trailing separator leaves an empty last part.
    if (!parts.empty() && parts.back().empty()) parts.pop_back();
    const std::filesystem::path bin = layout.binDir.lexically_normal();
    std::vector<std::filesystem::path> binParts(bin.begin(), bin.end());
    if (!binParts.empty() && binParts.back().empty()) binParts.pop_back();
    if (binParts.size() >= parts.size()) return layout.prefix;
    const std::size_t start = parts.size() - binParts.size();
    for (std::size_t i = 0; i < binParts.size(); ++i) {
        if (parts[start + i] != binParts[i]) return layout.prefix;
    }
    std::filesystem::path prefix;
    for (std::size_t i = 0; i < start; ++i) prefix /= parts[i];
    return prefix;
}

EditorFolders ResolveEditorFolders(const std::filesystem::path& appFolder,
                                   const InstallLayout& layout) {
    const std::filesystem::path prefix = InstallPrefixOf(appFolder, layout);
    bool besideHoldsAll = true;
    for (const std::string_view program : kStartedPrograms) {
        besideHoldsAll = besideHoldsAll && Holds(appFolder, program);
    }
    return EditorFolders{besideHoldsAll ? appFolder : prefix / layout.binDir,
                         Holds(appFolder, kHelpPageName) ? appFolder : prefix / layout.helpDir};
}

}  // namespace quillon::editor
