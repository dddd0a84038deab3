// File > Print on a Qt printer: the print dialog gives the number of copies,
// and each copy is printed as one whole printout (the printer's own copy
// count stays 1) in fixed-pitch Courier 8 pt on landscape pages, a new page
// at each form feed and whenever a page is full.
#pragma once

#include <QPointer>
#include <QPrinter>
#include <QString>

#include "editor/commands/CommandServices.hpp"

class QWidget;

namespace quillon::editor {

// The font of a printout: Courier 8 pt, or the fixed-pitch face that stands in for it.
QFont ListingPrintFont();

// Prints `text` on `printer` as `copies` printouts, each starting on a new
// page; lines are those of the text ("\n"), a form feed starts a new page
// unless the page is still empty. False when the printer cannot be used.
bool PrintListing(QPrinter& printer, const QString& text, int copies);

class ListingPrinter : public Printer {
public:
    explicit ListingPrinter(QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { owner_ = owner; }

    std::optional<int> ChooseCopies() override;
    void PrintCopies(std::string_view text, int copies) override;

    QPrinter& Device() { return printer_; }

private:
    QPointer<QWidget> owner_;
    QPrinter printer_;
};

}  // namespace quillon::editor
