// The shared file dialog as Qt shows it: the state's title (or the dialog's
// own), its filter ("Description (*.dat)|*.dat" pairs become Qt's
// "Description (*.dat)") and the name offered. An open dialog accepts a name
// that does not exist; a save dialog replaces a file without asking.
#pragma once

#include <QPointer>
#include <QString>

#include "editor/commands/CommandServices.hpp"

class QFileDialog;
class QWidget;

namespace quillon::editor {

// "All Files (*.dat)|*.dat" as Qt's name filters: "All Files (*.dat)".
QString QtNameFilters(const std::string& filter);

class FileDialogChooser : public FileChooser {
public:
    explicit FileDialogChooser(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::string Choose(FileDialogMode mode, const FileDialogState& dialog) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace quillon::editor
