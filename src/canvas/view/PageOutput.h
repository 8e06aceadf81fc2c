#pragma once

#include "canvas/objects/PageRect.h"

#include <QString>
#include <vector>

class CanvasModel;
class PageDocument;
class PageObject;
class QPainter;
class QPrinter;
class QSize;
class QWidget;

// Puts the page on paper and into files for others: printing, the print preview, Page
// Setup, Save as Image and Export to PDF. Each takes the page as it is when it runs.
class PageOutput
{
public:
    // The page prints at 100 page units to the inch, the scale at which the default
    // page fills a Letter sheet; a larger page is shrunk to the paper rather than cut.
    static constexpr double kPageUnitsPerInch = 100.0;

    PageOutput(QWidget& window, const CanvasModel& model) : m_window(window), m_model(model) {}

    // `title` names the print job and the file a printer to file suggests.
    void Print(const PageRect& frame, const QString& title);
    void Preview(const PageRect& frame, const QString& title);
    bool IsPreviewing() const { return m_previewing; }
    void SetUpPage(PageDocument& document, const QSize& pageSize);
    // Each returns what the status line says of the files written, empty when nothing was.
    QString SaveAsImage(const PageRect& frame);
    QString ExportPdf(const PageDocument& document, const PageRect& frame);

    // The page on the printer's page, without background or outline, at full resolution.
    static void PaintPage(QPainter& painter, const QPrinter& printer,
                          const std::vector<PageObject*>& objects, const PageRect& frame);

private:
    QWidget& m_window;
    const CanvasModel& m_model;
    bool m_previewing = false;
};
