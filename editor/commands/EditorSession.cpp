#include "editor/commands/EditorSession.hpp"

namespace quillon::editor {

std::string ShowFileDialog(FileChooser& chooser, FileDialogState& dialog, FileDialogMode mode) {
    std::string chosen = chooser.Choose(mode, dialog);
    if (!chosen.empty()) dialog.fileName = chosen;
    return chosen;
}

}  // namespace quillon::editor
