#include "reports/ReportFiles.h"

#include "canvas/objects/PageVectorFiles.h"
#include "photos/LibraryFiles.h"
#include "platform/ImageFiles.h"
#include "reports/MonthReport.h"

#include <QDir>
#include <QPainter>

namespace ReportFiles {

Files InFolder(const MonthReport& report, const QString& folder)
{
    const QString base = QDir(folder).filePath(report.ExportBaseName());
    return {base + QStringLiteral(".png"), base + QStringLiteral(".pdf")};
}

QString NameProblem(const MonthReport& report)
{
    if (report.Kind() != ReportKind::Statement)
        return {};
    if (!report.HasChild())
        return QStringLiteral("No child is chosen for the statement.");
    return LibraryFiles::NameProblem(report.Child());
}

QImage Picture(MonthReport& report, double scale)
{
    const QSize page = MonthReport::kPageSize * scale;
    const int pages = report.PageCount();
    QImage picture(page.width(), page.height() * pages, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int index = 0; index < pages; ++index) {
        painter.save();
        painter.translate(0, index * page.height());
        painter.scale(scale, scale);
        report.PaintPage(painter, index);
        painter.restore();
    }
    return picture;
}

bool WritePng(MonthReport& report, const QString& path, QString* error)
{
    const QImage picture = Picture(report);
    if (picture.isNull()) {
        if (error)
            *error = QStringLiteral("The report is too large for one picture.");
        return false;
    }
    return ImageFiles::WriteAs(picture, path, QStringLiteral("png"), error);
}

bool WritePdf(MonthReport& report, const QString& path, QString* error)
{
    const QSize page = MonthReport::kPageSize;
    return PageVectorFiles::WritePagesPdf(
        page.width(), page.height(), report.PageCount(),
        [&](QPainter& painter, int index) { report.PaintPage(painter, index); }, path, error);
}

bool Export(MonthReport& report, const Files& files, QString* error)
{
    QString why;
    QString failed;
    if (!WritePng(report, files.png, &why))
        failed = files.png;
    else if (!WritePdf(report, files.pdf, &why))
        failed = files.pdf;
    if (failed.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("The report could not be written to %1.\n%2")
                     .arg(QDir::toNativeSeparators(failed), why);
    return false;
}

} // namespace ReportFiles
