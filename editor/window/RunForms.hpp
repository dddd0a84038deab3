// The three run forms of File > Run: Project Coordinates, Stick Figure and
// Camber. Each is a modeless top-level window with an OK button; the window
// that owns it says what OK does (CompanionRuns.hpp) and whether the form then
// closes. A closed form is gone: the next one starts with empty fields.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "editor/commands/CompanionRuns.hpp"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillon::editor {

class RunForm : public QWidget {
    Q_OBJECT

public:
    // What OK does, and whether the form then closes.
    void SetOkHandler(std::function<RunFormAfterOk()> handler) { onOk_ = std::move(handler); }
    // Asked before the form closes; a form that may not close stays.
    void SetMayClose(std::function<bool()> mayClose) { mayClose_ = std::move(mayClose); }
    QPushButton* Command1() const { return command1_; }

protected:
    RunForm(const QString& name, const QString& caption, QWidget* owner);
    QPushButton* MakeCommand1(int twipsWidth);
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();

    QPushButton* command1_ = nullptr;
    std::function<RunFormAfterOk()> onOk_;
    std::function<bool()> mayClose_;
};

class ProjectCoordForm : public RunForm {
    Q_OBJECT

public:
    explicit ProjectCoordForm(QWidget* owner);
    ProjectCoordFields Fields() const;

private:
    QLineEdit* NorthOff;
    QLineEdit* EastOff;
    QLineEdit* NorS;
    QLineEdit* Degrees;
    QLineEdit* Minutes;
    QLineEdit* Seconds;
    QLineEdit* EorW;
};

class StickForm : public RunForm {
    Q_OBJECT

public:
    explicit StickForm(QWidget* owner);
    // The list position chosen, or -1 for none.
    int ChosenItem() const;

private:
    QComboBox* cmbOutType;
};

class CamberForm : public RunForm {
    Q_OBJECT

public:
    explicit CamberForm(QWidget* owner);
    std::string GirderSelectText() const;

private:
    QLineEdit* GirderSelect;
};

}  // namespace quillon::editor
