#include "editor/window/MainWindowForms.hpp"

namespace quillon::editor {

MainWindowForms::MainWindowForms(DeckModel& deck) : deck_(deck) { Make(); }

MainWindowForms::~MainWindowForms() = default;

void MainWindowForms::Make() {
    forms_ = std::make_unique<Forms>(deck_);
    QObject::connect(forms_.get(), &Forms::Edited, [this] { deck_.modified = true; });
}

void MainWindowForms::Show(int item) {
    if (item >= 0 && item < kFormCount) forms_->Show(static_cast<Form>(item));
}

void MainWindowForms::DeckOpened() { forms_->DeckOpened(); }

void MainWindowForms::CloseAll() {
    forms_.reset();
    Make();
}

}  // namespace quillon::editor
