#pragma once

#include "canvas/objects/PageRect.h"
#include "widgets/PagePrinter.h"

#include <QString>
#include <vector>

class CanvasModel;
class PageDocument;
class PageObject;
class QSize;
class QWidget;

// Puts the page on paper and into files for others: printing, the print preview, Page
// Setup, Save as Image and Export to PDF. Each takes the page as it is when it runs.
class PageOutput
{
public:
    PageOutput(QWidget& window, const CanvasModel& model);

    // `title` names the print job and the file a printer to file suggests.
    void Print(const PageRect& frame, const QString& title);
    void Preview(const PageRect& frame, const QString& title);
    bool IsPreviewing() const { return m_printer.IsPreviewing(); }
    void SetUpPage(PageDocument& document, const QSize& pageSize);
    // Each returns what the status line says of the files written, empty when nothing was.
    QString SaveAsImage(const PageRect& frame);
    QString ExportPdf(const PageDocument& document, const PageRect& frame);

private:
    // The page without background or outline, at 100 page units to the inch.
    PrintedPages PageOnPaper(const PageRect& frame) const;

    QWidget& m_window;
    const CanvasModel& m_model;
    PagePrinter m_printer;
};
