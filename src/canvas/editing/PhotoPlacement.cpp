#include "canvas/editing/PhotoPlacement.h"

#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/PhotoObject.h"
#include "platform/UserPrompt.h"

namespace PhotoPlacement {

std::unique_ptr<PhotoObject> Read(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    auto photo = std::make_unique<PhotoObject>();
    photo->SetPath(path);
    photo->LoadPicture();
    if (!photo->HasPicture()) {
        Prompt().Warn(QStringLiteral("The photo %1 could not be read.").arg(path));
        return nullptr;
    }
    return photo;
}

std::unique_ptr<PhotoObject> Pasted(const QString& path, const QPoint& at, const QSize& size)
{
    auto photo = std::make_unique<PhotoObject>();
    photo->SetPath(path);
    photo->LoadPicture();
    const QSize shown = photo->HasPicture() ? photo->ShownImage().size() : size;
    photo->m_rect = {at.x(), at.y(), at.x() + shown.width(), at.y() + shown.height()};
    return photo;
}

PageRect CentredInWindow(const QSize& picture, const QSize& window, const QPoint& shift)
{
    const auto place = [](int windowSide, int pictureSide, std::int32_t& low,
                          std::int32_t& high) {
        if (pictureSide < windowSide) {
            low = (windowSide - pictureSide) / 2;
            high = low + pictureSide;
        } else {
            low = 0;
            high = windowSide;
        }
    };
    PageRect rect;
    place(window.width(), picture.width(), rect.left, rect.right);
    place(window.height(), picture.height(), rect.top, rect.bottom);
    return CanvasGeometry::Offset(rect, -shift.x(), -shift.y());
}

Drop OntoObjects(CanvasModel& model, const QPoint& page, const QString& path)
{
    for (auto it = model.Objects().rbegin(); it != model.Objects().rend(); ++it) {
        PageObject* object = it->get();
        if (!CanvasGeometry::Contains(object->m_rect, page))
            continue;
        const auto* frame = dynamic_cast<const PhotoObject*>(object);
        if (frame && !frame->HasPicture())
            return Drop::Ignored;
        const bool fillable = (object->m_nType == ObjectType::Shape
                               || object->m_nType == ObjectType::Curve)
                           && object->m_nFillType == FillType::None;
        if (!fillable)
            return Drop::Place;
        model.Modify(*object, [&](PageObject& target) {
            target.m_strTexture = path;
            target.m_nFillType = FillType::Texture;
            target.m_bFill = 1;
            return true;
        });
        return Drop::Filled;
    }
    return Drop::Place;
}

} // namespace PhotoPlacement
