#include "canvas/editing/PagePictures.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PageVectorFiles.h"
#include "platform/ImageFiles.h"
#include "platform/SettingsStore.h"
#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>

namespace PagePictures {
namespace {

PageRect Grown(const PageRect& rect, int margin)
{
    return {rect.left - margin, rect.top - margin, rect.right + margin, rect.bottom + margin};
}

} // namespace

QImage OfSelection(const CanvasModel& model, int margin)
{
    const std::vector<PageObject*> selected = model.Selected();
    if (selected.empty())
        return {};
    return PageRenderer::RenderArea(selected, Grown(model.SelectedBounds(), margin));
}

bool WriteFile(const CanvasModel& model, const PageRect& pageFrame, const QString& path,
               bool selectedOnly, QString* error)
{
    std::vector<PageObject*> objects;
    PageRect area = pageFrame;
    if (selectedOnly) {
        objects = model.Selected();
        area = Grown(model.SelectedBounds(), 4);
        if (objects.empty()) {
            if (error)
                *error = QStringLiteral("No object is selected.");
            return false;
        }
    } else {
        objects = PageRenderer::ObjectsOf(model.Objects());
    }
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        return PageVectorFiles::WriteSvg(objects, area, path, error);
    const QImage picture = PageRenderer::RenderArea(objects, area, error);
    return !picture.isNull() && ImageFiles::Write(picture, path, error);
}

bool SavePasted(const QImage& image, const QString& folder, QString& path, QString* error)
{
    const QString section = QString::fromLatin1(SettingsKey::Setting);
    const QString key = QString::fromLatin1(SettingsKey::FileIndex);
    int index = Settings().GetInt(section, key, 1);
    const QDir dir(folder);
    do {
        path = dir.filePath(QStringLiteral("pastedbitmap_%1.bmp").arg(index));
        ++index;
    } while (QFileInfo::exists(path));
    if (!ImageFiles::Write(image.convertToFormat(QImage::Format_RGB888), path, error))
        return false;
    Settings().WriteInt(section, key, index);
    return true;
}

} // namespace PagePictures
