#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// poppler-utils' view of a PDF file.
namespace PdfTools {

// The page size pdfinfo reports, in points; empty when it reports none.
QSizeF PageSize(const QString& path);
int PageCount(const QString& path);
// The text pdftotext finds.
QString Text(const QString& path);
// The first page drawn by pdftoppm at `dpi`.
QImage FirstPage(const QString& path, int dpi);

} // namespace PdfTools
