#include "editor/window/tests/WindowTestSupport.hpp"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

namespace quillon::editor::test {

Editor::Editor(Runner runner) : runnerKind(runner) {}

Editor::~Editor() {
    // The window goes before the forms it shows.
    window.reset();
}

MainWindow& Editor::Window() {
    if (!window) {
        ProgramRunner& runner = runnerKind == Runner::Fake
                                    ? static_cast<ProgramRunner&>(fakeRunner)
                                    : static_cast<ProgramRunner&>(processRunner);
        window = std::make_unique<MainWindow>(
            session, MainWindowServices{chooser, messages, question, runner, settings, printer,
                                        help, environment,
                                        realForms ? static_cast<DataEntryForms&>(*realForms)
                                                  : static_cast<DataEntryForms&>(forms)});
        processRunner.SetOwner(window.get());
    }
    return *window;
}

void ClickMenu(QMainWindow& window, const QStringList& path) {
    QMenu* menu = window.findChild<QMenu*>(path.front());
    QVERIFY2(menu != nullptr, qPrintable(path.front()));
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    for (qsizetype i = 1; i < path.size(); ++i) {
        const bool last = i + 1 == path.size();
        if (!last) {
            QMenu* sub = window.findChild<QMenu*>(path[i]);
            QVERIFY2(sub != nullptr, qPrintable(path[i]));
            const QPoint at = menu->actionGeometry(sub->menuAction()).center();
            QTest::mouseMove(menu, at);
            QTest::mouseClick(menu, Qt::LeftButton, {}, at);
            QTRY_VERIFY(sub->isVisible());
            menu = sub;
            continue;
        }
        QAction* item = window.findChild<QAction*>(path[i]);
        QVERIFY2(item != nullptr, qPrintable(path[i]));
        const QPoint at = menu->actionGeometry(item).center();
        QTest::mouseMove(menu, at);
        QTest::mouseClick(menu, Qt::LeftButton, {}, at);
    }
}

void ClickToolButton(QMainWindow& window, const QString& key) {
    auto* bar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    QVERIFY(bar != nullptr);
    QAction* action = window.findChild<QAction*>(key);
    QVERIFY2(action != nullptr, qPrintable(key));
    QWidget* button = bar->widgetForAction(action);
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void InstallFakeProgram(const QString& folder, const QString& name, const QStringList& plan) {
    const QString program = folder + QLatin1Char('/') + name;
    QFile::remove(program);
    QVERIFY(QFile::copy(QStringLiteral(QUILLON_FAKE_PROGRAM), program));
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    WriteBytes(program + QStringLiteral(".plan"), plan.join(QLatin1Char('\n')).toUtf8() + "\n");
}

std::vector<RecordedRun> RecordedRuns(const QString& folder, const QString& name) {
    std::vector<RecordedRun> runs;
    const QString text = QString::fromUtf8(ReadBytes(folder + QLatin1Char('/') + name + ".calls"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line == QLatin1String("run")) {
            runs.emplace_back();
        } else if (line.startsWith(QLatin1String("folder=")) && !runs.empty()) {
            runs.back().folder = line.mid(7);
        } else if (line.startsWith(QLatin1String("arg=")) && !runs.empty()) {
            runs.back().arguments << line.mid(4);
        }
    }
    return runs;
}

void Later(std::function<void()> step, int milliseconds) {
    QTimer::singleShot(milliseconds, std::move(step));
}

bool SaveScreenshot(QWidget& widget, const QString& name) {
    const QImage image = widget.grab().toImage();
    if (image.isNull()) return false;
    const QRgb first = image.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < image.height() && !varied; y += 3) {
        for (int x = 0; x < image.width() && !varied; x += 3) varied = image.pixel(x, y) != first;
    }
    const QString path = QStringLiteral(QUILLON_SCREENSHOTS_DIR) + QLatin1Char('/') + name + ".png";
    return image.save(path) && varied;
}

QString SourceFile(const QString& relative) {
    return QStringLiteral(QUILLON_SOURCE_DIR) + QLatin1Char('/') + relative;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

}  // namespace quillon::editor::test
