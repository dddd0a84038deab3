// Help > Contents and Help > Search For Help On...: the editor's help page,
// Quillon.html in the help folder, in the help viewer (for a search with its
// find box focused). A page that cannot be read gives "Cannot open the help
// file <path>: <reason>".
#pragma once

#include <filesystem>
#include <string_view>

#include "editor/commands/CommandServices.hpp"
#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

inline constexpr std::string_view kHelpPageName = "Quillon.html";

std::filesystem::path HelpPage(const std::filesystem::path& helpFolder);

void HelpContents(const std::filesystem::path& helpFolder, HelpViewer& viewer,
                  MessageSink& messages);
void HelpSearch(const std::filesystem::path& helpFolder, HelpViewer& viewer, MessageSink& messages);

}  // namespace quillon::editor
