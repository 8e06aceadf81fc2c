#include "support/PdfTools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace PdfTools {
namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// What pdfinfo prints.
QString Info(const QString& path)
{
    return Run(QStringLiteral("pdfinfo"), {path});
}

} // namespace

QSizeF PageSize(const QString& path)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const QRegularExpressionMatch match = size.match(Info(path));
    if (!match.hasMatch())
        return {};
    return {match.captured(1).toDouble(), match.captured(2).toDouble()};
}

int PageCount(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(Info(path)).captured(1).toInt();
}

QString Text(const QString& path)
{
    return Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
}

QImage FirstPage(const QString& path, int dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                     QStringLiteral("-r"), QString::number(dpi), path, stem});
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace PdfTools
