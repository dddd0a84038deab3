#include "editor/window/FileDialogChooser.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace quillon::editor {

QString QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2) names << parts[i];
    return names.join(QStringLiteral(";;"));
}

std::string FileDialogChooser::Choose(FileDialogMode mode, const FileDialogState& dialog) {
    const bool save = mode == FileDialogMode::Save;
    QFileDialog box(owner_);
    box.setObjectName(QStringLiteral("dlgCommonDialog"));
    box.setOption(QFileDialog::DontUseNativeDialog);
    box.setWindowTitle(!dialog.title.empty() ? QString::fromStdString(dialog.title)
                       : save                ? QStringLiteral("Save As")
                                             : QStringLiteral("Open"));
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    box.setFileMode(QFileDialog::AnyFile);
    if (save) box.setOption(QFileDialog::DontConfirmOverwrite);
    if (!dialog.filter.empty()) box.setNameFilter(QtNameFilters(dialog.filter));
    if (!dialog.fileName.empty()) {
        const QFileInfo offered(QString::fromStdString(dialog.fileName));
        box.setDirectory(offered.absolutePath());
        box.selectFile(offered.fileName());
    }
    if (box.exec() != QDialog::Accepted) return {};
    const QStringList chosen = box.selectedFiles();
    if (chosen.isEmpty()) return {};
    return QFileInfo(chosen.front()).absoluteFilePath().toStdString();
}

}  // namespace quillon::editor
