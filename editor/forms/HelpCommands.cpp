#include "editor/forms/HelpCommands.hpp"

#include "platform/FileContents.hpp"

namespace quillon::editor {

namespace {

void ShowHelp(const std::filesystem::path& appFolder, HelpViewer& viewer, MessageSink& messages,
              bool search) {
    const std::filesystem::path page = HelpPage(appFolder);
    const FileContents content = ReadFileContents(page);
    if (!content.ok) {
        messages.Warning("Cannot open the help file " + page.string() + ": " + content.reason);
        return;
    }
    viewer.Show(page, search);
}

}  // namespace

std::filesystem::path HelpPage(const std::filesystem::path& appFolder) {
    return appFolder / std::string(kHelpPageName);
}

void HelpContents(const std::filesystem::path& appFolder, HelpViewer& viewer,
                  MessageSink& messages) {
    ShowHelp(appFolder, viewer, messages, false);
}

void HelpSearch(const std::filesystem::path& appFolder, HelpViewer& viewer, MessageSink& messages) {
    ShowHelp(appFolder, viewer, messages, true);
}

}  // namespace quillon::editor
