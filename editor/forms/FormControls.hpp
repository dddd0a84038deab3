// The controls the data-entry forms are built of, and their traffic with the
// model: texts are the deck's single-byte characters (Latin-1, the degree sign
// is byte 176), sizes come from the forms' twips (15 to a pixel at 96 dpi).
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "editor/deck/Choice.hpp"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillon::editor {

inline constexpr int kTwipsPerPixel = 15;

// A width or height in twips as pixels, rounded.
int Pixels(int twips);

// Model bytes as a control's text, and back.
QString ToControlText(std::string_view bytes);
std::string FromControlText(const QString& text);

// A label; a heading of a group of fields is bold.
QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name = {});
QLabel* MakeHeading(const QString& text, QWidget* parent);
// A separator line across (Horizontal) or down (Vertical) its group.
QFrame* MakeSeparator(Qt::Orientation orientation, QWidget* parent);

// A single-line text box named `name`, at least `twips` wide, taking only
// characters a deck can hold and at most `maxLength` of them (-1: any
// number); `fixedPitch` boxes use the fixed-pitch font.
QLineEdit* MakeTextBox(const QString& name, int twips, QWidget* parent, int maxLength = -1,
                       bool fixedPitch = false);
// Sets the box's text to `bytes` where it differs (the cursor stays put otherwise).
void ShowText(QLineEdit* box, std::string_view bytes);

// A non-editable drop-down named `name` with `items`, showing `prompt`
// (may be empty) while nothing is chosen; nothing is chosen at start.
QComboBox* MakeDropDown(const QString& name, const QStringList& items, const QString& prompt,
                        int twips, QWidget* parent);
// Shows `choice` in the drop-down without raising its signals: the chosen
// item, or none (the prompt).
void ShowChoice(QComboBox* box, const Choice& choice);

// An option button named `name`. Each button of a group is a stop of its
// own in the tab order, and clicking the button that is on leaves it on.
QRadioButton* MakeOption(const QString& name, const QString& text, QWidget* parent);
// Two option buttons made one group: one coming on puts the other off.
void GroupOptions(QRadioButton* first, QRadioButton* second);
// Two option buttons of one group: each checked as given, both may be off.
void ShowOptionPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn);

// Items of a list as control texts.
template <class Items>
QStringList ItemTexts(const Items& items) {
    QStringList texts;
    for (const auto& item : items) texts << ToControlText(item);
    return texts;
}

}  // namespace quillon::editor
