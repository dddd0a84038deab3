// The editor's message boxes: an OK button only, no icon, the caption
// "KRAL_Quillon"; several warnings in one such box, counted, as a list that
// scrolls; and the question before unsaved edits are left behind, with Save,
// Discard and Cancel.
#pragma once

#include <QPointer>
#include <QString>
#include <cstddef>
#include <string>
#include <vector>

#include "editor/commands/CommandServices.hpp"
#include "editor/deck/MessageSink.hpp"

class QWidget;

namespace quillon::editor {

inline constexpr const char* kCaption = "KRAL_Quillon";
inline constexpr const char* kUnsavedEditsQuestion =
    "The data-entry forms hold edits that are not saved. Save them first?";

// The line above the list: "1 warning:", "4 warnings:".
QString WarningCountText(std::size_t count);

class MessageBoxes : public MessageSink, public UnsavedEditsQuestion {
public:
    explicit MessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Warning(std::string_view text) override;
    void Warnings(const std::vector<std::string>& texts) override;
    UnsavedEditsAnswer AskAboutUnsavedEdits() override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace quillon::editor
