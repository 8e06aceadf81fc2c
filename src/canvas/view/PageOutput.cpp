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

PageOutput::PageOutput(QWidget& window, const CanvasModel& model)
    : m_window(window), m_model(model), m_printer(window)
{
}

PrintedPages PageOutput::PageOnPaper(const PageRect& frame) const
{
    return {QSizeF(frame.Width(), frame.Height()), 1, [this, frame](QPainter& painter, int) {
                PageRenderer::DrawArea(painter, PageRenderer::ObjectsOf(m_model.Objects()), frame,
                                       DrawContext::Print());
            }};
}

void PageOutput::Print(const PageRect& frame, const QString& title)
{
    m_printer.Print(PageOnPaper(frame), title);
}

void PageOutput::Preview(const PageRect& frame, const QString& title)
{
    m_printer.Preview(PageOnPaper(frame), title);
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
    if (!Prompt().MayReplaceAddedName(typed, path))
        return {};
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
