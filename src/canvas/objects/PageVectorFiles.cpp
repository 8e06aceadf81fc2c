#include "canvas/objects/PageVectorFiles.h"

#include "canvas/objects/PageRenderer.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <functional>

namespace PageVectorFiles {
namespace {

constexpr int kPageUnitsPerInch = 96;

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Opens a temporary file beside `path`, lets `paint` draw into it and puts it in place.
bool WriteThrough(const QString& path, const PageRect& area, QString* error,
                  const std::function<bool(QIODevice&)>& paint)
{
    const int width = area.Width(), height = area.Height();
    if (width <= 0 || height <= 0 || width > PageRenderer::kMaxPageSide
        || height > PageRenderer::kMaxPageSide)
        return Fail(error, QStringLiteral("The page size %1 x %2 cannot be drawn.")
                               .arg(width)
                               .arg(height));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, file.errorString());
    if (!paint(file)) {
        file.cancelWriting();
        return Fail(error, QStringLiteral("The page could not be drawn into the file."));
    }
    if (!file.commit())
        return Fail(error, file.errorString());
    return true;
}

void PaintOnWhite(QPainter& painter, const std::vector<PageObject*>& objects,
                  const PageRect& area)
{
    painter.fillRect(QRect(0, 0, area.Width(), area.Height()), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    PageRenderer::DrawArea(painter, objects, area, DrawContext::Export());
}

} // namespace

bool WritePagesPdf(int width, int height, int count, const PagePainter& paintPage,
                   const QString& path, QString* error)
{
    if (count < 1)
        return Fail(error, QStringLiteral("There is no page to write."));
    return WriteThrough(path, PageRect{0, 0, width, height}, error, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setCreator(QStringLiteral("Tendrel"));
        writer.setResolution(kPageUnitsPerInch);
        const QSizeF points(width * 72.0 / kPageUnitsPerInch, height * 72.0 / kPageUnitsPerInch);
        writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        for (int index = 0; index < count; ++index) {
            if (index > 0 && !writer.newPage())
                return false;
            painter.save();
            painter.fillRect(QRect(0, 0, width, height), Qt::white);
            paintPage(painter, index);
            painter.restore();
        }
        return painter.end();
    });
}

bool WritePdf(const std::vector<PageObject*>& objects, const PageRect& area,
              const QString& path, QString* error)
{
    return WritePagesPdf(area.Width(), area.Height(), 1, [&](QPainter& painter, int) {
        PaintOnWhite(painter, objects, area);
    }, path, error);
}

bool WriteSvg(const std::vector<PageObject*>& objects, const PageRect& area,
              const QString& path, QString* error)
{
    return WriteThrough(path, area, error, [&](QIODevice& device) {
        QSvgGenerator generator;
        generator.setOutputDevice(&device);
        generator.setResolution(kPageUnitsPerInch);
        generator.setSize(QSize(area.Width(), area.Height()));
        generator.setViewBox(QRect(0, 0, area.Width(), area.Height()));
        generator.setTitle(QStringLiteral("Tendrel page"));
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        PaintOnWhite(painter, objects, area);
        return painter.end();
    });
}

} // namespace PageVectorFiles
