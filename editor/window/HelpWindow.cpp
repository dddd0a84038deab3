#include "editor/window/HelpWindow.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quillon::editor {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), page_(new QTextBrowser), findBox_(new QLineEdit) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("KRAL_Quillon Help"));
    page_->setObjectName(QStringLiteral("HelpPage"));
    findBox_->setObjectName(QStringLiteral("HelpFind"));
    findBox_->setPlaceholderText(QStringLiteral("Search for"));
    auto* findNext = new QPushButton(QStringLiteral("Find &Next"));
    findNext->setObjectName(QStringLiteral("HelpFindNext"));

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("Find:")));
    findRow->addWidget(findBox_, 1);
    findRow->addWidget(findNext);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(findRow);
    layout->addWidget(page_, 1);
    resize(640, 560);

    connect(findBox_, &QLineEdit::returnPressed, this, &HelpWindow::FindNext);
    connect(findNext, &QPushButton::clicked, this, &HelpWindow::FindNext);
}

void HelpWindow::Show(const std::filesystem::path& page, bool search) {
    page_->setSource(QUrl::fromLocalFile(QString::fromStdString(page.string())));
    show();
    raise();
    activateWindow();
    if (search) {
        findBox_->setFocus();
        findBox_->selectAll();
    } else {
        page_->setFocus();
    }
}

void HelpWindow::FindNext() {
    const QString wanted = findBox_->text();
    if (wanted.isEmpty()) return;
    if (page_->find(wanted)) return;
    page_->moveCursor(QTextCursor::Start);
    page_->find(wanted);
}

}  // namespace quillon::editor
