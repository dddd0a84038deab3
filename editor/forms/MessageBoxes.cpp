#include "editor/forms/MessageBoxes.hpp"

#include <QMessageBox>

namespace quillon::editor {

void MessageBoxes::Warning(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kCaption),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, owner_);
    box.exec();
}

UnsavedEditsAnswer MessageBoxes::AskAboutUnsavedEdits() {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kCaption),
                    QString::fromLatin1(kUnsavedEditsQuestion),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner_);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedEditsAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedEditsAnswer::Discard;
        default:
            return UnsavedEditsAnswer::Cancel;
    }
}

}  // namespace quillon::editor
