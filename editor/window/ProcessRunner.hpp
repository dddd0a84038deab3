// Programs started as separate processes (QProcess): an argument list, no
// shell, in the call's folder, with no window of their own. What a program
// waited for prints is kept in its outcome. A program waited
// for shows the modal "Running <name>..." whose Cancel kills it and ends the
// wait; the windows keep repainting meanwhile and there is no time limit.
#pragma once

#include <QPointer>
#include <QProgressDialog>

#include "editor/commands/CommandServices.hpp"

class QWidget;

namespace quillon::editor {

class ProcessRunner : public ProgramRunner {
public:
    // `owner`: the window the wait dialog stands over (may be null).
    explicit ProcessRunner(QWidget* owner = nullptr) : owner_(owner) {}

    ProgramOutcome RunAndWait(const ProgramCall& call) override;
    std::optional<std::string> StartDetached(const ProgramCall& call) override;

    void SetOwner(QWidget* owner) { owner_ = owner; }
    // Whether a program is being waited for.
    bool Waiting() const { return waitDialog_ != nullptr; }
    // The wait dialog while a program is waited for, else null.
    QProgressDialog* WaitDialog() const { return waitDialog_; }

private:
    QPointer<QWidget> owner_;
    QPointer<QProgressDialog> waitDialog_;
};

}  // namespace quillon::editor
