#include "widgets/PagePrinter.h"

#include "platform/BusyCursor.h"
#include "platform/UserPrompt.h"
#include "widgets/ModalRunner.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

namespace {

// Upright, all pages, named after the title.
void PreparePrinter(QPrinter& printer, const PrintedPages& pages, const QString& title)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFromTo(1, pages.count);
    printer.setDocName(QFileInfo(title).completeBaseName());
}

// The pages chosen in the dialog, from 0; every page when no range was chosen.
std::pair<int, int> ChosenRange(const QPrinter& printer, int count)
{
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() < 1)
        return {0, count - 1};
    const int first = std::clamp(printer.fromPage(), 1, count) - 1;
    const int last = std::clamp(printer.toPage() < 1 ? count : printer.toPage(), first + 1, count) - 1;
    return {first, last};
}

void PaintRange(QPainter& painter, QPrinter& printer, const PrintedPages& pages, int first,
                int last)
{
    for (int index = first; index <= last; ++index) {
        if (index > first)
            printer.newPage();
        PagePrinter::PaintPage(painter, printer, pages, index);
    }
}

} // namespace

void PagePrinter::PaintPage(QPainter& painter, const QPrinter& printer, const PrintedPages& pages,
                            int index)
{
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    double scale = printer.resolution() / kPageUnitsPerInch;
    if (!pages.pageSize.isEmpty())
        scale = std::min({scale, paper.width() / pages.pageSize.width(),
                          paper.height() / pages.pageSize.height()});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    pages.paint(painter, index);
    painter.restore();
}

void PagePrinter::Print(const PrintedPages& pages, const QString& title)
{
    if (pages.count < 1)
        return;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, pages, title);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setMinMax(1, pages.count);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages.count > 1);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Prompt().Error(QStringLiteral("The page could not be sent to the printer %1.")
                           .arg(printer.printerName()));
        return;
    }
    const auto [first, last] = ChosenRange(printer, pages.count);
    PaintRange(painter, printer, pages, first, last);
    painter.end();
}

void PagePrinter::Preview(const PrintedPages& pages, const QString& title)
{
    if (m_previewing || pages.count < 1)
        return;
    m_previewing = true;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, pages, title);
    QPrintPreviewDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    dialog.resize(m_window.window()->size() * 0.9);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* target) {
                         QPainter painter(target);
                         PaintRange(painter, *target, pages, 0, pages.count - 1);
                     });
    RunModal(dialog);
    m_previewing = false;
}
