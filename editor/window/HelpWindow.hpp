// The help viewer: a window that shows the editor's help page, with a find
// box that searches the page (Enter or "Find Next" finds the next place, from
// the top again after the last).
#pragma once

#include <QWidget>

#include "editor/commands/CommandServices.hpp"

class QLineEdit;
class QTextBrowser;

namespace quillon::editor {

class HelpWindow : public QWidget, public HelpViewer {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void Show(const std::filesystem::path& page, bool search) override;

    QTextBrowser* Page() const { return page_; }
    QLineEdit* FindBox() const { return findBox_; }

private:
    void FindNext();

    QTextBrowser* page_;
    QLineEdit* findBox_;
};

}  // namespace quillon::editor
