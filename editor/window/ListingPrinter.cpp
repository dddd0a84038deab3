#include "editor/window/ListingPrinter.hpp"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace quillon::editor {

namespace {

// Lines set one under the other, a page at a time.
class PageWriter {
public:
    PageWriter(QPrinter& printer, QPainter& painter) : printer_(printer), painter_(painter) {
        const QFontMetricsF metrics(painter.font(), &printer);
        lineHeight_ = metrics.lineSpacing();
        ascent_ = metrics.ascent();
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        linesPerPage_ = std::max(1, static_cast<int>(std::floor(area.height() / lineHeight_)));
    }

    void NewPage() {
        if (pageStarted_) printer_.newPage();
        pageStarted_ = true;
        line_ = 0;
    }
    // A form feed: a new page unless this one is still empty.
    void FormFeed() {
        if (line_ > 0) NewPage();
    }
    void Line(const QString& text) {
        if (!pageStarted_ || line_ >= linesPerPage_) NewPage();
        painter_.drawText(QPointF(0, line_ * lineHeight_ + ascent_), text);
        ++line_;
    }

private:
    QPrinter& printer_;
    QPainter& painter_;
    double lineHeight_ = 1;
    double ascent_ = 0;
    int linesPerPage_ = 1;
    int line_ = 0;
    bool pageStarted_ = false;
};

}  // namespace

QFont ListingPrintFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8);
    return font;
}

bool PrintListing(QPrinter& printer, const QString& text, int copies) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(QFont(ListingPrintFont(), &printer));
    PageWriter pages(printer, painter);

    QString body = text;
    if (body.endsWith(QLatin1Char('\n'))) body.chop(1);
    const QStringList lines = body.split(QLatin1Char('\n'));
    for (int copy = 0; copy < copies; ++copy) {
        pages.NewPage();
        for (const QString& line : lines) {
            const QStringList parts = line.split(QLatin1Char('\f'));
            for (qsizetype k = 0; k < parts.size(); ++k) {
                if (k > 0) pages.FormFeed();
                // A form feed takes no line of its own.
                if (parts[k].isEmpty() && parts.size() > 1) continue;
                pages.Line(parts[k]);
            }
        }
    }
    return painter.end();
}

ListingPrinter::ListingPrinter(QWidget* owner)
    : owner_(owner), printer_(QPrinter::HighResolution) {}

std::optional<int> ListingPrinter::ChooseCopies() {
    printer_.setPageOrientation(QPageLayout::Landscape);
    printer_.setCopyCount(1);
    QPrintDialog dialog(&printer_, owner_);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const int copies = std::max(1, printer_.copyCount());
    printer_.setCopyCount(1);
    return copies;
}

void ListingPrinter::PrintCopies(std::string_view text, int copies) {
    PrintListing(printer_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                 copies);
}

}  // namespace quillon::editor
