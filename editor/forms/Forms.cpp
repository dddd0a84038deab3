#include "editor/forms/Forms.hpp"

#include "editor/forms/RowFormWindows.hpp"
#include "editor/forms/SingleRecordFormWindows.hpp"

namespace quillon::editor {

Forms::Forms(DeckModel& deck, QObject* parent) : QObject(parent), deck_(deck) {}

Forms::~Forms() {
    for (Form form :
         {Form::BentLine, Form::CrossTrans, Form::DeadLoad, Form::Description, Form::GirderLine,
          Form::Horizontal, Form::RefLine, Form::Vertical, Form::RoadAppr})
        delete forms_[static_cast<size_t>(form)];
}

FormWindow* Forms::Make(Form form) {
    switch (form) {
        case Form::Description: {
            auto* description = new DescriptionForm(deck_);
            // A units button decides whether Degree takes edits.
            connect(description, &DescriptionForm::UnitsChanged, this, [this] {
                if (auto* horizontal = static_cast<HorizontalForm*>(Created(Form::Horizontal)))
                    horizontal->ShowUnits();
            });
            return description;
        }
        case Form::Horizontal:
            return new HorizontalForm(deck_);
        case Form::Vertical:
            return new VerticalForm(deck_);
        case Form::CrossTrans:
            return new CrossTransForm(deck_);
        case Form::RefLine:
            return new RefLineForm(deck_);
        case Form::GirderLine:
            return new GirderLineForm(deck_);
        case Form::BentLine:
            return new BentLineForm(deck_);
        case Form::DeadLoad:
            return new DeadLoadForm(deck_);
        case Form::RoadAppr:
            return new RoadApprForm(deck_);
    }
    return nullptr;
}

QWidget* Forms::Window(Form form) {
    FormWindow*& window = forms_[static_cast<size_t>(form)];
    if (!window) {
        window = Make(form);
        connect(window, &FormWindow::Edited, this, &Forms::Edited);
    }
    return window;
}

QWidget* Forms::Created(Form form) const { return forms_[static_cast<size_t>(form)]; }

QWidget* Forms::Show(Form form) {
    QWidget* window = Window(form);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void Forms::DeckOpened() {
    for (FormWindow* window : forms_)
        if (window) window->DeckOpened();
}

void Forms::Refresh() {
    for (FormWindow* window : forms_)
        if (window) window->Refresh();
}

}  // namespace quillon::editor
