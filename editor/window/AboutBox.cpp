#include "editor/window/AboutBox.hpp"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

namespace quillon::editor {

namespace {

QFrame* Line(int index) {
    auto* line = new QFrame;
    line->setObjectName(QStringLiteral("Line1_%1").arg(index));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

QString SystemInfoText() {
    return QStringLiteral("System: %1\nKernel: %2 %3\nProcessor: %4\nComputer: %5")
        .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
             QSysInfo::currentCpuArchitecture(), QSysInfo::machineHostName());
}

AboutBox::AboutBox(MessageSink& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About KRAL_Quillon"));

    auto* picIcon = new QLabel;
    picIcon->setObjectName(QStringLiteral("picIcon"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_ComputerIcon)
                           : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(48, 48));
    auto* lblTitle = new QLabel(QStringLiteral("KRAL_Quillon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    auto* lblDisclaimer = new QLabel(QStringLiteral(
        "Layout geometry of highway bridges and camber of welded plate girders. The results "
        "are the designer's to check: review every listing before it goes to the shop or the "
        "field."));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    auto* cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* head = new QHBoxLayout;
    head->addWidget(picIcon, 0, Qt::AlignTop);
    head->addWidget(lblTitle, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(Line(0));
    layout->addWidget(lblDisclaimer);
    layout->addWidget(Line(1));
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this,
            [this] { messages_.Warning(SystemInfoText().toStdString()); });
}

}  // namespace quillon::editor
