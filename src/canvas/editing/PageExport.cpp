#include "canvas/editing/PageExport.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/editing/PagePictures.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PageVectorFiles.h"
#include "settings/ProgramState.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace PageExport {

QString ImageFilters()
{
    return QStringLiteral("Bitmap image (*.bmp);;JPEG image (*.jpg);;GIF image (*.gif);;"
                          "PNG image (*.png);;SVG image (*.svg)");
}

QString ImageStartFolder()
{
    return QDir(Program().programDir).filePath(QStringLiteral("Pictures"));
}

QString ImagePath(const QString& typed, const QString& chosenFilter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch match = pattern.match(chosenFilter);
    if (typed.isEmpty() || !match.hasMatch())
        return typed;
    const QString extension = match.captured(1);
    if (QFileInfo(typed).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return typed;
    return typed + QLatin1Char('.') + extension;
}

ExportFiles ExportFilesFor(const QString& title, const QString& path, const QString& folder)
{
    const bool untitled =
        title.compare(QLatin1String(PageDocument::kUntitled), Qt::CaseInsensitive) == 0;
    QString name = untitled ? QString::fromLatin1(PageDocument::kUntitled)
                            : QFileInfo(path).completeBaseName();
    if (name.isEmpty())
        name = QString::fromLatin1(PageDocument::kUntitled);
    const QDir dir(folder);
    return {dir.filePath(name + QStringLiteral(".png")), dir.filePath(name + QStringLiteral(".pdf"))};
}

bool Export(const CanvasModel& model, const PageRect& pageFrame, const ExportFiles& files,
            QString* error)
{
    return PagePictures::WriteFile(model, pageFrame, files.picture, false, error)
           && PageVectorFiles::WritePdf(PageRenderer::ObjectsOf(model.Objects()), pageFrame,
                                        files.pdf, error);
}

} // namespace PageExport
