#include "editor/commands/HelpCommands.hpp"

#include "platform/FileContents.hpp"

namespace quillon::editor {

namespace {

void ShowHelp(const std::filesystem::path& helpFolder, HelpViewer& viewer, MessageSink& messages,
              bool search) {
    const std::filesystem::path page = HelpPage(helpFolder);
    const FileContents content = ReadFileContents(page);
    if (!content.ok) {
        messages.Warning("Cannot open the help file " + page.string() + ": " + content.reason);
        return;
    }
    viewer.Show(page, search);
}

}  // namespace

std::filesystem::path HelpPage(const std::filesystem::path& helpFolder) {
    return helpFolder / std::string(kHelpPageName);
}

void HelpContents(const std::filesystem::path& helpFolder, HelpViewer& viewer,
                  MessageSink& messages) {
    ShowHelp(helpFolder, viewer, messages, false);
}

void HelpSearch(const std::filesystem::path& helpFolder, HelpViewer& viewer,
                MessageSink& messages) {
    ShowHelp(helpFolder, viewer, messages, true);
}

}  // namespace quillon::editor
