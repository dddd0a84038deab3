#include "editor/forms/FormControls.hpp"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

namespace quillon::editor {

namespace {

// Refuses what a deck cannot hold: characters beyond the single-byte set.
class DeckCharacters : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c.unicode() > 0xFF) return Invalid;
        return Acceptable;
    }
};

// An option button whose group is kept by GroupOptions rather than by Qt's
// exclusive groups, which take the tab focus on one button of the group only.
class OptionButton : public QRadioButton {
public:
    OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {
        setAutoExclusive(false);
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

}  // namespace

int Pixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

QString ToControlText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromControlText(const QString& text) { return text.toLatin1().toStdString(); }

QLabel* MakeLabel(const QString& text, QWidget* parent, const QString& name) {
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

QLabel* MakeHeading(const QString& text, QWidget* parent) {
    QLabel* label = MakeLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QFrame* MakeSeparator(Qt::Orientation orientation, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLineEdit* MakeTextBox(const QString& name, int twips, QWidget* parent, int maxLength,
                       bool fixedPitch) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (fixedPitch) box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for the width the form gives it, and for a full field of
    // characters.
    int width = Pixels(twips);
    if (maxLength > 0)
        width = std::max(width, box->fontMetrics().horizontalAdvance(QString(maxLength, 'O')) +
                                    box->minimumSizeHint().width() - box->fontMetrics().maxWidth());
    box->setMinimumWidth(width);
    box->setValidator(new DeckCharacters(box));
    if (maxLength >= 0) box->setMaxLength(maxLength);
    return box;
}

void ShowText(QLineEdit* box, std::string_view bytes) {
    const QString text = ToControlText(bytes);
    if (box->text() == text) return;
    box->setText(text);
    if (!box->hasFocus()) box->setCursorPosition(0);  // a long text shows from its start
}

QComboBox* MakeDropDown(const QString& name, const QStringList& items, const QString& prompt,
                        int twips, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    box->setMinimumWidth(Pixels(twips));
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->addItems(items);
    if (!prompt.isEmpty()) box->setPlaceholderText(prompt);
    box->setCurrentIndex(-1);  // filling the list chose its first item
    box->setMinimumWidth(std::max(Pixels(twips), box->sizeHint().width()));  // no item clipped
    return box;
}

void ShowChoice(QComboBox* box, const Choice& choice) {
    const int index = choice.chosen && *choice.chosen < box->count() ? *choice.chosen : -1;
    if (box->currentIndex() == index) return;
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(index);
}

QRadioButton* MakeOption(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new OptionButton(text, parent);
    button->setObjectName(name);
    return button;
}

void GroupOptions(QRadioButton* first, QRadioButton* second) {
    const auto offWhenOn = [](QRadioButton* on, QRadioButton* other) {
        QObject::connect(on, &QRadioButton::toggled, other, [other](bool checked) {
            if (checked) other->setChecked(false);
        });
    };
    offWhenOn(first, second);
    offWhenOn(second, first);
}

void ShowOptionPair(QRadioButton* first, QRadioButton* second, bool firstOn, bool secondOn) {
    const QSignalBlocker quietFirst(first), quietSecond(second);
    first->setChecked(firstOn);
    second->setChecked(secondOn && !firstOn);
}

}  // namespace quillon::editor
