// Help > About: the box "About KRAL_Quillon", shown modally over the main
// window. Its System Info button shows what the system reports of itself.
#pragma once

#include <QDialog>
#include <QString>

#include "editor/deck/MessageSink.hpp"

namespace quillon::editor {

// The system's description: product, kernel, processor and host.
QString SystemInfoText();

class AboutBox : public QDialog {
    Q_OBJECT

public:
    // System Info's text goes to `messages`.
    AboutBox(MessageSink& messages, QWidget* parent = nullptr);

private:
    MessageSink& messages_;
};

}  // namespace quillon::editor
