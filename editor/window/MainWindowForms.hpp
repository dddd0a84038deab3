// The data-entry forms as the main window reaches them: the forms' owner on
// the session's deck, whose every edit marks the deck modified. Closing the
// main window deletes the forms; a later Show makes them anew.
#pragma once

#include <memory>

#include "editor/deck/DeckModel.hpp"
#include "editor/forms/Forms.hpp"
#include "editor/window/MainWindow.hpp"

namespace quillon::editor {

class MainWindowForms : public DataEntryForms {
public:
    explicit MainWindowForms(DeckModel& deck);
    ~MainWindowForms() override;

    void Show(int item) override;
    void DeckOpened() override;
    void CloseAll() override;

    Forms& Owner() { return *forms_; }

private:
    void Make();

    DeckModel& deck_;
    std::unique_ptr<Forms> forms_;
};

}  // namespace quillon::editor
