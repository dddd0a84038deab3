// The editor's message boxes: an OK button only, no icon, the caption
// "KRAL_Quillon"; and the question before unsaved edits are left behind,
// with Save, Discard and Cancel.
#pragma once

#include <QPointer>

#include "editor/deck/MessageSink.hpp"
#include "editor/forms/CommandServices.hpp"

class QWidget;

namespace quillon::editor {

inline constexpr const char* kCaption = "KRAL_Quillon";
inline constexpr const char* kUnsavedEditsQuestion =
    "The data-entry forms hold edits that are not saved. Save them first?";

class MessageBoxes : public MessageSink, public UnsavedEditsQuestion {
public:
    explicit MessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Warning(std::string_view text) override;
    UnsavedEditsAnswer AskAboutUnsavedEdits() override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace quillon::editor
