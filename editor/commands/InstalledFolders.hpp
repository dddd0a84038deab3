// Where the editor finds the programs it starts and its help page: beside
// itself first (the build tree's bin/), then in the install it stands in
// (bin/ and share/quillon/ under its prefix). The prefix is the editor's own
// folder less the install's bin folder, so an install moved under another
// root (DESTDIR, or --prefix at install time) finds its files where they are;
// an editor outside any bin folder takes the prefix it was configured with.
#pragma once

#include <filesystem>

namespace quillon::editor {

// An install's layout as the build configured it.
struct InstallLayout {
    std::filesystem::path prefix;   // the configured install prefix
    std::filesystem::path binDir;   // the programs' folder, relative to the prefix
    std::filesystem::path helpDir;  // the help page's folder, relative to the prefix
};

struct EditorFolders {
    std::filesystem::path programs;  // where the editor starts its programs from
    std::filesystem::path help;      // where its help page stands
};

// The prefix of the install that the editor in `appFolder` stands in.
std::filesystem::path InstallPrefixOf(const std::filesystem::path& appFolder,
                                      const InstallLayout& layout);

// The programs' folder: `appFolder` when it holds every program the editor
// starts, otherwise the install's bin folder. The help folder: `appFolder`
// when it holds the help page, otherwise the install's help folder.
EditorFolders ResolveEditorFolders(const std::filesystem::path& appFolder,
                                   const InstallLayout& layout);

}  // namespace quillon::editor
