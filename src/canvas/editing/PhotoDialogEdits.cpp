#include "canvas/editing/PhotoDialogEdits.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/photo/PixelRows.h"
#include "commands/CommandIds.h"

#include <algorithm>
#include <cmath>

namespace PhotoDialogEdits {
namespace {

const PhotoObject* AsPhoto(const PageObject* object)
{
    return dynamic_cast<const PhotoObject*>(object);
}

bool IsFilledFigure(const PageObject& object)
{
    return (object.m_nType == ObjectType::Shape || object.m_nType == ObjectType::Curve)
        && object.m_bFill != 0;
}

bool IsTurnableFigure(const PageObject& object)
{
    return object.m_nType == ObjectType::Shape || object.m_nType == ObjectType::Curve
        || object.m_nType == ObjectType::Text || object.m_nType == ObjectType::Symbol;
}

bool HasRasterPicture(const PhotoObject& photo)
{
    return photo.HasPicture() && !photo.IsMetafile();
}

// A stored factor the pixels were worked with; anything else was never applied.
float AppliedFactor(float factor)
{
    return factor > 0.0f && std::isfinite(factor) ? factor : 1.0f;
}

} // namespace

bool CanRun(int id, const PageObject* current)
{
    if (!current)
        return false;
    const PhotoObject* photo = AsPhoto(current);
    switch (id) {
    case Cmd::Transparency: return photo ? photo->HasPicture() : IsFilledFigure(*current);
    case Cmd::RotateAngle: return photo ? HasRasterPicture(*photo) : IsTurnableFigure(*current);
    case Cmd::ColorBalance:
    case Cmd::AddFrame: return photo && PhotoPixels::IsColourBitmap(photo->DecodedBitmap());
    case Cmd::Resize: return photo && HasRasterPicture(*photo);
    case Cmd::AddBorder:
    case Cmd::AddShadow: return photo && photo->HasPicture();
    default: return false;
    }
}

int TransparencySliderOf(std::uint8_t opacity)
{
    return 100 - opacity * 100 / 255;
}

std::uint8_t OpacityOfSlider(int slider)
{
    return std::uint8_t(255 - std::clamp(slider, 0, 100) * 255 / 100);
}

bool SetOpacity(PageObject& object, std::uint8_t opacity)
{
    if (auto* photo = dynamic_cast<PhotoObject*>(&object))
        return PhotoAdjustments::SetOpacity(*photo, opacity);
    object.m_nFillAlpha = opacity;
    return true;
}

int BalanceSliderOf(float factor)
{
    const double slider = double(factor) / 2.55 * 100.0;
    return std::isfinite(slider) ? int(std::clamp(slider, 0.0, 255.0)) : 0;
}

float BalanceFactorOfSlider(int slider)
{
    return float(std::clamp(slider, 0, 255)) * 255.0f / 10000.0f;
}

bool BalanceColours(PhotoObject& photo, float red, float green, float blue)
{
    if (AppliedFactor(red) != red || AppliedFactor(green) != green
        || AppliedFactor(blue) != blue)
        return false;
    const float appliedRed = AppliedFactor(photo.m_fRed);
    const float appliedGreen = AppliedFactor(photo.m_fGreen);
    const float appliedBlue = AppliedFactor(photo.m_fBlue);
    if (!PhotoAdjustments::BalanceColours(photo, red / appliedRed, green / appliedGreen,
                                          blue / appliedBlue))
        return false;
    photo.m_fRed = red;
    photo.m_fGreen = green;
    photo.m_fBlue = blue;
    return true;
}

int RotationSliderOf(int degrees)
{
    return (degrees % 360 + 360) % 360 * 100 / 360;
}

int AngleOfSlider(int slider)
{
    return std::clamp(slider, 0, 100) * 360 / 100;
}

bool RotateTo(PageObject& object, int degrees)
{
    if (auto* photo = dynamic_cast<PhotoObject*>(&object))
        return PhotoAdjustments::RotateToAngle(*photo, degrees);
    if (object.m_nAngle == degrees)
        return false;
    object.m_nAngle = degrees;
    return true;
}

bool Resize(CanvasModel& model, PhotoObject& photo, QSize size)
{
    std::unique_ptr<PhotoObject> resized = PhotoAdjustments::Resized(photo, size);
    if (!resized)
        return false;
    model.Replace(photo, std::move(resized));
    return true;
}

Border BorderOf(const PhotoObject& photo)
{
    if (photo.m_nBorder == 0 || photo.m_nLineWidth <= 0)
        return {10, photo.m_crLine};
    return {std::min(photo.m_nLineWidth, 20), photo.m_crLine};
}

bool SetBorder(PhotoObject& photo, const Border& border)
{
    const bool same = photo.m_nLineWidth == border.width && photo.m_crLine == border.colour
        && photo.m_nBorder == (border.width > 0 ? 1 : 0);
    PhotoAdjustments::SetBorder(photo, border.width, border.colour);
    return !same;
}

PhotoShadow PhotoShadowOf(const PhotoObject& photo)
{
    if (!photo.m_bPhotoShadow)
        return {0, 10, 60, photo.m_crShadow};
    return {std::clamp(photo.m_nPhotoShadowDir, 0, 4), std::max(photo.m_nPhotoShadowSize, 0),
            photo.m_nShadowAlpha, photo.m_crShadow};
}

bool SetPhotoShadow(PhotoObject& photo, const PhotoShadow& shadow)
{
    const PhotoShadow was = PhotoShadowOf(photo);
    const bool same = photo.m_bPhotoShadow && photo.m_nShadowType != 0
        && was.direction == shadow.direction && was.size == shadow.size
        && was.darkness == shadow.darkness && was.colour == shadow.colour;
    PhotoAdjustments::SetPhotoShadow(photo, shadow.direction, shadow.size, shadow.darkness,
                                     shadow.colour);
    return !same;
}

// ---- live edits -----------------------------------------------------------------------

LiveEdit::LiveEdit(CanvasModel& model, PageObject& object)
    : m_model(model), m_live(&object), m_saved(UndoHistory::HistoryCopy(object))
{
}

LiveEdit::~LiveEdit()
{
    if (!m_finished)
        Cancel();
}

void LiveEdit::Preview(Change change)
{
    PutBackSaved();
    m_change = std::move(change);
    m_touched = true;
    m_changed = m_change && m_change(*m_live);
}

bool LiveEdit::Accept()
{
    m_finished = true;
    // The step's before-copy is the object as the dialog found it.
    PutBackSaved();
    return m_changed && m_model.Modify(*m_live, m_change);
}

void LiveEdit::Cancel()
{
    m_finished = true;
    PutBackSaved();
}

void LiveEdit::PutBackSaved()
{
    if (!m_touched)
        return;
    m_touched = false;
    auto place = m_model.Find(m_live);
    if (place == m_model.Objects().end())
        return;
    std::unique_ptr<PageObject> fresh = UndoHistory::HistoryCopy(*m_saved);
    const bool wasCurrent = m_model.Current() == m_live;
    m_model.Forget(m_live);
    *place = std::move(fresh);
    m_live = place->get();
    if (wasCurrent)
        m_model.SetCurrent(m_live);
}

} // namespace PhotoDialogEdits
