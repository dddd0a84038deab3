// The five forms of the card groups that occur once per deck: Description
// (the first card and the 00 cards), Horizontal (01), Vertical (02), RefLine
// (04) and RoadAppr (08). Controls keep their names (object names), labels
// and captions are the forms' own texts.
#pragma once

#include <string>
#include <vector>

#include "editor/forms/FormWindow.hpp"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QVBoxLayout;
class QWidget;

namespace quillon::editor {

class DescriptionForm : public FormWindow {
    Q_OBJECT

public:
    explicit DescriptionForm(DeckModel& deck);
    void Refresh() override;

signals:
    // "Metric" or "English" was chosen: MetricFlag changed.
    void UnitsChanged();

private:
    void TypedDescription();

    QRadioButton* metric_;
    QRadioButton* english_;
    QPlainTextEdit* genDesc_;
};

class HorizontalForm : public FormWindow {
    Q_OBJECT

public:
    explicit HorizontalForm(DeckModel& deck);
    void Refresh() override;
    // "Degree:" takes edits only while the deck is in feet: a metric deck
    // has no degree of curve.
    void ShowUnits();

private:
    QRadioButton* left_;
    QRadioButton* right_;
    QLabel* degreeLabel_;
    QLineEdit* degree_;
};

class VerticalForm : public FormWindow {
    Q_OBJECT

public:
    explicit VerticalForm(DeckModel& deck);
    void Refresh() override { RefreshBound(); }
};

class RefLineForm : public FormWindow {
    Q_OBJECT

public:
    explicit RefLineForm(DeckModel& deck);
    void Refresh() override;

private:
    // A text box of the form: its name, label, model text and width in twips.
    struct FieldOfForm {
        const char* name;
        const char* label;
        std::string& text;
        int twips;
    };

    QComboBox* BoundDropDown(const QString& name, const QStringList& items, Choice& target,
                             int twips);
    // Each group of fields, added below the ones before; its controls in tab order.
    std::vector<QWidget*> AddStationFields(QVBoxLayout* layout);
    std::vector<QWidget*> AddSkewFields(QVBoxLayout* layout);
    std::vector<QWidget*> AddPairOfFields(QVBoxLayout* layout, const char* heading,
                                          const FieldOfForm& first, const FieldOfForm& second);
    std::vector<QWidget*> AddOptionFields(QVBoxLayout* layout);
    void AlignColumns(QGridLayout* grid);

    std::vector<std::pair<QComboBox*, Choice*>> lists_;
    QRadioButton* skewLeft_;
    QRadioButton* skewRight_;
    QRadioButton* parallel_;
    QRadioButton* sameSkew_;
};

class RoadApprForm : public FormWindow {
    Q_OBJECT

public:
    explicit RoadApprForm(DeckModel& deck);
    void Refresh() override { RefreshBound(); }
};

}  // namespace quillon::editor
