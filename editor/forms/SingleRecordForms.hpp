// The five forms of the card groups that occur once per deck: Description
// (the first card and the 00 cards), Horizontal (01), Vertical (02), RefLine
// (04) and RoadAppr (08). Controls keep their names (object names), labels
// and captions are the forms' own texts.
#pragma once

#include "editor/forms/FormWindow.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

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
    QComboBox* BoundDropDown(const QString& name, const QStringList& items, Choice& target,
                             int twips);

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
