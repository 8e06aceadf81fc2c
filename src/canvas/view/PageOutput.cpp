#include "canvas/view/PageOutput.h"
#include "canvas/view/PageSetupDialog.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/editing/PageExport.h"
#include "canvas/editing/PagePictures.h"
#include "canvas/editing/PaperSetup.h"
#include "canvas/objects/PageRenderer.h"
#include "platform/BusyCursor.h"
#include "platform/UserPrompt.h"
#include "settings/ProgramState.h"
#include "widgets/ModalRunner.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// One page, upright, named after the page's document.
void PreparePrinter(QPrinter& printer, const QString& title)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFromTo(1, 1);
    printer.setDocName(QFileInfo(title).completeBaseName());
}

} // namespace

void PageOutput::PaintPage(QPainter& painter, const QPrinter& printer,
                           const std::vector<PageObject*>& objects, const PageRect& frame)
{
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    double scale = printer.resolution() / kPageUnitsPerInch;
    const double fit = std::min(paper.width() / frame.Width(), paper.height() / frame.Height());
    scale = std::min(scale, fit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    PageRenderer::DrawArea(painter, objects, frame, DrawContext::Print());
    painter.restore();
}

void PageOutput::Print(const PageRect& frame, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, title);
    QPrintDialog dialog(&printer, &m_window);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const BusyCursor busy;
    QPainter painter;
    if (!painter.begin(&printer)) {
        Prompt().Error(QStringLiteral("The page could not be sent to the printer %1.")
                           .arg(printer.printerName()));
        return;
    }
    PaintPage(painter, printer, PageRenderer::ObjectsOf(m_model.Objects()), frame);
    painter.end();
}

void PageOutput::Preview(const PageRect& frame, const QString& title)
{
    if (m_previewing)
        return;
    m_previewing = true;
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, title);
    QPrintPreviewDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    dialog.resize(m_window.window()->size() * 0.9);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this, frame](QPrinter* target) {
                         QPainter painter(target);
                         PaintPage(painter, *target, PageRenderer::ObjectsOf(m_model.Objects()),
                                   frame);
                     });
    RunModal(dialog);
    m_previewing = false;
}

void PageOutput::SetUpPage(PageDocument& document, const QSize& pageSize)
{
    PageSetupDialog dialog(PaperSetup::PaperFor({pageSize, document.Margins()}), &m_window);
    if (RunModal(dialog) != QDialog::Accepted)
        return;
    const std::optional<PaperSetup::Page> page = PaperSetup::PageFor(dialog.Paper());
    if (!page) {
        Prompt().Warn(QStringLiteral("The margins leave no room for the page. "
                                     "The page is left as it was."));
        return;
    }
    if (page->size != pageSize || page->margins != document.Margins())
        document.ApplyPageSetup(page->size, page->margins);
}

QString PageOutput::SaveAsImage(const PageRect& frame)
{
    QString filter;
    const QString typed = Prompt().ChooseFileToSave(
        QStringLiteral("Save as Image"), PageExport::ImageStartFolder(),
        PageExport::ImageFilters(), &filter);
    if (typed.isEmpty())
        return {};
    const QString path = PageExport::ImagePath(typed, filter);
    const BusyCursor busy;
    QString error;
    if (!PagePictures::WriteFile(m_model, frame, path, m_model.SelectedCount() > 0, &error)) {
        Prompt().Error(QStringLiteral("The image could not be written to %1.\n%2").arg(path, error));
        return {};
    }
    return QStringLiteral("Image saved: %1").arg(path);
}

QString PageOutput::ExportPdf(const PageDocument& document, const PageRect& frame)
{
    const PageExport::ExportFiles files =
        PageExport::ExportFilesFor(document.Title(), document.Path(), Program().programDir);
    const BusyCursor busy;
    QString error;
    if (!PageExport::Export(m_model, frame, files, &error)) {
        Prompt().Error(QStringLiteral("The PDF could not be written to %1.\n%2").arg(files.pdf, error));
        return {};
    }
    return QStringLiteral("PDF written: %1 (picture: %2)").arg(files.pdf, files.picture);
}
