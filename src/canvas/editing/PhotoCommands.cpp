#include "canvas/editing/PhotoCommands.h"

#include "commands/CommandIds.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/PhotoCrop.h"
#include "platform/UserPrompt.h"

#include <QImage>
#include <cstring>

namespace PhotoCommands {

namespace {

using PhotoRule = bool (*)(PhotoObject&);

struct PhotoCommand
{
    int id;
    PhotoRule rule;
};

bool RunTornEdge(PhotoObject& photo)
{
    return PhotoAdjustments::TornEdge(photo);
}

bool InEllipse(PhotoObject& photo)
{
    return PhotoAdjustments::SetFrameShape(photo, PhotoObject::kInEllipse);
}

bool InRoundRectangle(PhotoObject& photo)
{
    return PhotoAdjustments::SetFrameShape(photo, PhotoObject::kInRoundRectangle);
}

constexpr PhotoCommand kPhotoCommands[] = {
    {Cmd::Lighten, PhotoAdjustments::Lighten},
    {Cmd::Darken, PhotoAdjustments::Darken},
    {Cmd::MoreContrast, PhotoAdjustments::MoreContrast},
    {Cmd::LessContrast, PhotoAdjustments::LessContrast},
    {Cmd::MoreSaturation, PhotoAdjustments::MoreSaturation},
    {Cmd::LessSaturation, PhotoAdjustments::LessSaturation},
    {Cmd::GrayScale, PhotoAdjustments::GrayScale},
    {Cmd::CircleFade, PhotoAdjustments::CircleFade},
    {Cmd::Beveled, PhotoAdjustments::Bevel},
    {Cmd::TornEdge, RunTornEdge},
    {Cmd::Blur, PhotoAdjustments::Blur},
    {Cmd::Soften, PhotoAdjustments::Soften},
    {Cmd::InEllipse, InEllipse},
    {Cmd::InRoundRectangle, InRoundRectangle},
};

// Commands that also turn, flip or mirror drawn objects.
constexpr PhotoCommand kShapeCommands[] = {
    {Cmd::RotateLeft, PhotoAdjustments::RotateLeft},
    {Cmd::RotateRight, PhotoAdjustments::RotateRight},
    {Cmd::Mirror, PhotoAdjustments::Mirror},
    {Cmd::Flip, PhotoAdjustments::Flip},
};

PhotoRule PhotoRuleOf(int id)
{
    for (const PhotoCommand& command : kPhotoCommands)
        if (command.id == id)
            return command.rule;
    for (const PhotoCommand& command : kShapeCommands)
        if (command.id == id)
            return command.rule;
    return nullptr;
}

bool IsShapeCommand(int id)
{
    for (const PhotoCommand& command : kShapeCommands)
        if (command.id == id)
            return true;
    return false;
}

PhotoObject* CurrentPhoto(const CanvasModel& model)
{
    return dynamic_cast<PhotoObject*>(model.Current());
}

bool IsTurnable(const PageObject& object)
{
    return object.m_nType == ObjectType::Shape || object.m_nType == ObjectType::Curve
        || object.m_nType == ObjectType::Text || object.m_nType == ObjectType::Symbol;
}

// A quarter turn of a drawn object: its angle by ±90, a full turn back to 0.
bool TurnQuarter(PageObject& object, int degrees)
{
    object.m_nAngle += degrees;
    if (object.m_nAngle == 360 || object.m_nAngle == -360)
        object.m_nAngle = 0;
    return true;
}

// Only curves can be mirrored or flipped among the drawn objects.
bool FlipCurve(PageObject& object, bool mirror)
{
    auto* curve = dynamic_cast<CurveObject*>(&object);
    if (!curve)
        return false;
    int& flag = mirror ? curve->m_bCurveFlipH : curve->m_bCurveFlipV;
    flag = flag ? 0 : 1;
    return true;
}

bool RunOnDrawnObject(int id, PageObject& object)
{
    switch (id) {
    case Cmd::RotateLeft: return TurnQuarter(object, -90);
    case Cmd::RotateRight: return TurnQuarter(object, 90);
    case Cmd::Mirror: return FlipCurve(object, true);
    case Cmd::Flip: return FlipCurve(object, false);
    default: return false;
    }
}

bool CanCropOrErase(const PhotoObject* photo, const PhotoAreaSelection& selection)
{
    return photo && selection.HasArea() && selection.photo == photo
        && photo->HasDecodedBitmap() && !photo->IsMetafile();
}

bool Crop(CanvasModel& model, PhotoAreaSelection& selection)
{
    PhotoObject* photo = CurrentPhoto(model);
    if (!CanCropOrErase(photo, selection))
        return false;
    QString error;
    const bool changed = model.Modify(*photo, [&](PageObject&) {
        return selection.mode == PhotoAreaSelection::Rectangle
            ? PhotoCrop::CropToRect(*photo, selection.rect, &error)
            : PhotoCrop::CropToRegion(*photo, selection.region);
    });
    selection.Clear();
    if (!error.isEmpty())
        Prompt().Warn(error);
    return changed;
}

bool Erase(CanvasModel& model, PhotoAreaSelection& selection)
{
    PhotoObject* photo = CurrentPhoto(model);
    if (!CanCropOrErase(photo, selection))
        return false;
    const QRegion area = selection.Area();
    const bool changed = model.Modify(*photo, [&](PageObject&) {
        return PhotoCrop::Erase(*photo, area);
    });
    selection.Clear();
    return changed;
}

// Paints `upper` into `lower` where it lies over it, one page unit per pixel; fully
// transparent pixels of a picture with alpha are skipped.
bool PaintOnto(PhotoObject& lower, const PhotoObject& upper)
{
    const QImage& shown = lower.ShownImage();
    if (shown.isNull() || upper.ShownImage().isNull())
        return false;
    const bool withAlpha = shown.hasAlphaChannel();
    QImage target = shown.convertToFormat(withAlpha ? QImage::Format_ARGB32
                                                    : QImage::Format_BGR888);
    const bool skipClear = upper.ShownImage().hasAlphaChannel();
    const QImage source = upper.ShownImage().convertToFormat(QImage::Format_ARGB32);
    const int dx = upper.m_rect.left - lower.m_rect.left;
    const int dy = upper.m_rect.top - lower.m_rect.top;
    const int bytes = withAlpha ? 4 : 3;
    for (int y = 0; y < source.height(); ++y) {
        const int ty = y + dy;
        if (ty < 0 || ty >= target.height())
            continue;
        const auto* from = reinterpret_cast<const quint32*>(source.constScanLine(y));
        uchar* to = target.scanLine(ty);
        for (int x = 0; x < source.width(); ++x) {
            const int tx = x + dx;
            if (tx < 0 || tx >= target.width() || (skipClear && from[x] == 0))
                continue;
            const quint32 pixel = from[x];
            uchar* out = to + qsizetype(tx) * bytes;
            out[0] = uchar(pixel);         // blue
            out[1] = uchar(pixel >> 8);    // green
            out[2] = uchar(pixel >> 16);   // red
            if (bytes == 4)
                out[3] = uchar(pixel >> 24);
        }
    }
    PhotoAdjustments::BakeIn(lower);
    lower.SetEditedBitmap(std::move(target));
    lower.m_bEdited = 1;
    return true;
}

bool ApplyToPhotoBeneath(CanvasModel& model)
{
    const PhotoObject* photo = CurrentPhoto(model);
    if (!photo || !photo->HasPicture())
        return false;
    PhotoObject* lower = model.PhotoBeneath(*photo);
    if (!lower)
        return false;
    // The lower photo is changed, so undoing gives its pixels back.
    return model.Modify(*lower, [&](PageObject&) { return PaintOnto(*lower, *photo); });
}

} // namespace

bool Handles(int id)
{
    return PhotoRuleOf(id) || id == Cmd::Crop || id == Cmd::Trim || id == Cmd::ApplyTo;
}

bool IsEnabled(int id, const CanvasModel& model, const PhotoAreaSelection& selection)
{
    const PageObject* current = model.Current();
    if (!current)
        return false;
    if (IsShapeCommand(id) && IsTurnable(*current)) {
        // Of the drawn objects only curves can be mirrored or flipped.
        const bool turning = id == Cmd::RotateLeft || id == Cmd::RotateRight;
        return turning || current->m_nType == ObjectType::Curve;
    }
    const PhotoObject* photo = CurrentPhoto(model);
    if (id == Cmd::Crop || id == Cmd::Trim)
        return CanCropOrErase(photo, selection);
    return photo != nullptr;
}

bool Run(int id, CanvasModel& model, PhotoAreaSelection& selection)
{
    PageObject* current = model.Current();
    if (!current)
        return false;
    if (id == Cmd::Crop)
        return Crop(model, selection);
    if (id == Cmd::Trim)
        return Erase(model, selection);
    if (id == Cmd::ApplyTo)
        return ApplyToPhotoBeneath(model);
    if (IsShapeCommand(id) && IsTurnable(*current))
        return model.Modify(*current, [id](PageObject& object) {
            return RunOnDrawnObject(id, object);
        });
    PhotoObject* photo = CurrentPhoto(model);
    const PhotoRule rule = PhotoRuleOf(id);
    if (!photo || !rule)
        return false;
    return model.Modify(*photo, [rule, photo](PageObject&) { return rule(*photo); });
}

bool EraseSelection(CanvasModel& model, PhotoAreaSelection& selection)
{
    return Erase(model, selection);
}

} // namespace PhotoCommands
