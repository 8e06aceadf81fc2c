#pragma once

#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// Pages of one size, each drawn in page units by a callback: what is printed and
// previewed.
struct PrintedPages
{
    QSizeF pageSize;
    int count = 1;
    std::function<void(QPainter& painter, int index)> paint;
};

// Puts pages on paper through the print dialog, or shows them in the print preview.
class PagePrinter
{
public:
    // A page prints at 100 page units to the inch, the scale at which the default page
    // fills a Letter sheet; a larger page is shrunk to the paper rather than cut.
    static constexpr double kPageUnitsPerInch = 100.0;

    explicit PagePrinter(QWidget& window) : m_window(window) {}

    // `title` names the print job and the file a printer to file suggests.
    void Print(const PrintedPages& pages, const QString& title);
    // A second preview asked for while one is open is ignored.
    void Preview(const PrintedPages& pages, const QString& title);
    bool IsPreviewing() const { return m_previewing; }

    // Page `index` on the printer's page, at full resolution.
    static void PaintPage(QPainter& painter, const QPrinter& printer, const PrintedPages& pages,
                          int index);

private:
    QWidget& m_window;
    bool m_previewing = false;
};
