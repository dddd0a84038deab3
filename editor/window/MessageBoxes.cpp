#include "editor/window/MessageBoxes.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon::editor {

void MessageBoxes::Warning(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kCaption),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, owner_);
    box.exec();
}

QString WarningCountText(std::size_t count) {
    return count == 1 ? QStringLiteral("1 warning:") : QStringLiteral("%1 warnings:").arg(count);
}

void MessageBoxes::Warnings(const std::vector<std::string>& texts) {
    QDialog box(owner_);
    box.setObjectName(QStringLiteral("WarningList"));
    box.setWindowTitle(QString::fromLatin1(kCaption));
    box.setModal(true);
    auto* count = new QLabel(WarningCountText(texts.size()));
    count->setObjectName(QStringLiteral("WarningCount"));
    auto* list = new QListWidget;
    list->setObjectName(QStringLiteral("Warnings"));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& text : texts) {
        list->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    // Wide enough for the longest warning, within reason; the list scrolls.
    constexpr int kWidestList = 900;
    list->setMinimumWidth(std::min(kWidestList, list->sizeHintForColumn(0) + 40));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(count);
    layout->addWidget(list);
    layout->addWidget(buttons);
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
