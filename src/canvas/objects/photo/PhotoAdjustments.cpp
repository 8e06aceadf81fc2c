#include "canvas/objects/photo/PhotoAdjustments.h"

#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/AlphaEffects.h"
#include "canvas/objects/photo/Blur.h"
#include "canvas/objects/photo/ColourBalance.h"
#include "canvas/objects/photo/Frames.h"
#include "canvas/objects/photo/PixelRows.h"
#include "canvas/objects/photo/QuarterTurns.h"
#include "canvas/objects/photo/Resize.h"
#include "canvas/objects/photo/RotateAnyAngle.h"
#include "canvas/objects/photo/Saturation.h"
#include "canvas/objects/photo/Soften.h"
#include "canvas/objects/photo/ToneTable.h"
#include "canvas/objects/photo/TornEdge.h"
#include "canvas/objects/photo/ChannelMaps.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PhotoAdjustments {
namespace {

using namespace PhotoPixels;

// Runs an in-place pixel rule on a copy of the decoded bitmap and keeps the copy when
// the rule applied.
template <class Rule>
bool EditBitmap(PhotoObject& photo, Rule rule)
{
    if (!photo.HasDecodedBitmap())
        return false;
    QImage bitmap = photo.DecodedBitmap();
    if (!rule(bitmap))
        return false;
    photo.SetEditedBitmap(std::move(bitmap));
    return true;
}

// Replaces the decoded bitmap by what a rule makes of it; a null result means the rule
// does not apply.
template <class Rule>
bool RemakeBitmap(PhotoObject& photo, Rule rule)
{
    if (!photo.HasDecodedBitmap())
        return false;
    QImage made = rule(photo.DecodedBitmap());
    if (made.isNull())
        return false;
    photo.SetEditedBitmap(std::move(made));
    return true;
}

// Changes the picture and the bitmap alike, for changes of shape.
template <class Change>
void ReshapeBoth(PhotoObject& photo, Change change)
{
    const QImage& picture = photo.Picture();
    const QImage& bitmap = photo.DecodedBitmap();
    // The picture and the bitmap share their pixels until the bitmap is edited.
    const bool shared = picture.constBits() == bitmap.constBits();
    QImage bitmapDone = bitmap.isNull() ? QImage() : change(bitmap);
    QImage pictureDone = shared ? bitmapDone : (picture.isNull() ? QImage() : change(picture));
    photo.ReplacePictures(std::move(pictureDone), std::move(bitmapDone));
}

bool ApplyTone(PhotoObject& photo, int brightness, int contrast)
{
    return EditBitmap(photo, [&](QImage& bitmap) {
        if (BitsPerPixel(bitmap) == 0)
            return false;
        AdjustTone(bitmap, brightness, contrast);
        return true;
    });
}

bool StepTone(PhotoObject& photo, int brightnessStep, int contrastStep)
{
    if (!ApplyTone(photo, brightnessStep, contrastStep))
        return false;
    photo.m_nBrightness += brightnessStep;
    photo.m_nContrast += contrastStep;
    return true;
}

bool ApplySaturation(PhotoObject& photo, int step)
{
    return EditBitmap(photo, [&](QImage& bitmap) { return AdjustSaturation(bitmap, step); });
}

bool StepSaturation(PhotoObject& photo, int step)
{
    if (!ApplySaturation(photo, step))
        return false;
    photo.m_nSaturation += step;
    return true;
}

bool ApplyBalance(PhotoObject& photo, float red, float green, float blue)
{
    return EditBitmap(photo, [&](QImage& bitmap) { return PhotoPixels::BalanceColours(bitmap, red, green, blue); });
}

bool ApplyMirror(PhotoObject& photo)
{
    if (photo.IsMetafile() || !photo.HasDecodedBitmap())
        return false;
    ReshapeBoth(photo, [](const QImage& image) { return Mirrored(image); });
    return true;
}

bool ApplyGray(PhotoObject& photo)
{
    if (photo.m_nFrameShape != PhotoObject::kInRectangle)
        return false;
    if (!EditBitmap(photo, [](QImage& bitmap) { return AverageToGray(bitmap); }))
        return false;
    photo.m_bGray = 1;
    return true;
}

bool ApplyOpacity(PhotoObject& photo, std::uint8_t opacity)
{
    if (photo.m_nPictureKind != PhotoObject::kRasterPicture)
        return false;
    return RemakeBitmap(photo, [&](const QImage& bitmap) { return WithOpacity(bitmap, opacity); });
}

bool ApplyCircleFade(PhotoObject& photo)
{
    if (!RemakeBitmap(photo, [](const QImage& bitmap) { return CircleFaded(bitmap); }))
        return false;
    photo.m_bCircleFade = 1;
    return true;
}

bool FactorIsOne(float factor)
{
    return factor == 1.0f;
}

// The rectangle turned a quarter about its own centre, in whole units as stored.
PageRect TurnedAboutCentre(const PageRect& r)
{
    const qint64 cx = (qint64(r.left) + r.right) / 2, cy = (qint64(r.top) + r.bottom) / 2;
    const qint64 hw = (qint64(r.right) - r.left) / 2, hh = (qint64(r.bottom) - r.top) / 2;
    const auto clamp = [](qint64 v) {
        return std::int32_t(std::clamp<qint64>(v, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
    };
    return {clamp(cx - hh), clamp(cy - hw), clamp(cx + hh), clamp(cy + hw)};
}

bool QuarterTurn(PhotoObject& photo, int degrees)
{
    if (photo.IsMetafile() && !photo.HasDecodedBitmap()) {
        // A metafile cannot be turned itself; it is drawn turned.
        photo.m_nAngle += degrees;
        if (photo.m_nAngle == 360 || photo.m_nAngle == -360)
            photo.m_nAngle = 0;
        photo.m_bAltDraw = 1;
        return true;
    }
    if (!photo.HasPicture())
        return false;
    ReshapeBoth(photo, [&](const QImage& image) {
        return degrees < 0 ? TurnedLeft(image) : TurnedRight(image);
    });
    photo.m_rect = TurnedAboutCentre(photo.m_rect);
    return true;
}

std::int32_t RoundedEdge(double edge)
{
    return std::int32_t(std::clamp(std::round(edge), double(std::numeric_limits<std::int32_t>::min()),
                                   double(std::numeric_limits<std::int32_t>::max())));
}

// A rectangle of the given size centred where `around` is centred.
PageRect CentredOn(const PageRect& around, double width, double height)
{
    const QPointF centre = around.Center();
    const double left = std::round(centre.x() - width / 2), top = std::round(centre.y() - height / 2);
    return {RoundedEdge(left), RoundedEdge(top), RoundedEdge(left + std::round(width)),
            RoundedEdge(top + std::round(height))};
}

} // namespace

bool Lighten(PhotoObject& photo) { return StepTone(photo, kToneStep, 0); }
bool Darken(PhotoObject& photo) { return StepTone(photo, -kToneStep, 0); }
bool MoreContrast(PhotoObject& photo) { return StepTone(photo, 0, kToneStep); }
bool LessContrast(PhotoObject& photo) { return StepTone(photo, 0, -kToneStep); }
bool MoreSaturation(PhotoObject& photo) { return StepSaturation(photo, kSaturationStep); }
bool LessSaturation(PhotoObject& photo) { return StepSaturation(photo, -kSaturationStep); }

bool BalanceColours(PhotoObject& photo, float red, float green, float blue)
{
    if (!ApplyBalance(photo, red, green, blue))
        return false;
    photo.m_fRed = red;
    photo.m_fGreen = green;
    photo.m_fBlue = blue;
    return true;
}

bool GrayScale(PhotoObject& photo)
{
    return ApplyGray(photo);
}

bool SetOpacity(PhotoObject& photo, std::uint8_t opacity)
{
    if (!photo.HasPicture())
        return false;
    photo.m_nFillAlpha = opacity;
    ApplyOpacity(photo, opacity);
    return true;
}

bool RotateLeft(PhotoObject& photo) { return QuarterTurn(photo, -90); }
bool RotateRight(PhotoObject& photo) { return QuarterTurn(photo, 90); }

bool Mirror(PhotoObject& photo)
{
    if (!ApplyMirror(photo))
        return false;
    photo.m_nMirror = photo.m_nMirror ? 0 : 1;
    return true;
}

bool Flip(PhotoObject& photo)
{
    if (photo.IsMetafile() || !photo.HasDecodedBitmap())
        return false;
    ReshapeBoth(photo, [](const QImage& image) { return Flipped(image); });
    photo.m_bFlipped = photo.m_bFlipped ? 0 : 1;
    return true;
}

bool CircleFade(PhotoObject& photo)
{
    return ApplyCircleFade(photo);
}

bool Bevel(PhotoObject& photo)
{
    if (!RemakeBitmap(photo, [](const QImage& bitmap) { return Bevelled(bitmap); }))
        return false;
    photo.m_bBevel = 1;
    return true;
}

bool TornEdge(PhotoObject& photo, std::optional<std::uint32_t> seed)
{
    const auto chosen = seed.value_or(std::uint32_t(Clock::NowUtc().toSecsSinceEpoch()));
    if (!RemakeBitmap(photo, [&](const QImage& bitmap) { return TornEdged(bitmap, chosen); }))
        return false;
    photo.m_bTornEdge = 1;
    return true;
}

bool Blur(PhotoObject& photo)
{
    return EditBitmap(photo, [](QImage& bitmap) { return PhotoPixels::Blur(bitmap); });
}

bool Soften(PhotoObject& photo)
{
    return EditBitmap(photo, [](QImage& bitmap) { return PhotoPixels::Soften(bitmap); });
}

bool RotateToAngle(PhotoObject& photo, int degrees)
{
    const QImage& shown = photo.ShownImage();
    if (shown.isNull() || photo.IsMetafile() || degrees % 360 == 0)
        return false;
    QImage turned = RotatedToAngle(shown, degrees);
    if (turned.isNull())
        return false;
    const double scaleX = double(photo.m_rect.Width()) / shown.width();
    const double scaleY = double(photo.m_rect.Height()) / shown.height();
    photo.m_rect = CentredOn(photo.m_rect, turned.width() * scaleX, turned.height() * scaleY);
    if (photo.HasDecodedBitmap())
        photo.SetEditedBitmap(std::move(turned));
    else
        photo.ReplacePictures(std::move(turned), QImage());
    return true;
}

bool AddFrame(PhotoObject& photo, int material)
{
    return EditBitmap(photo, [&](QImage& bitmap) { return PhotoFrames::PaintFrame(bitmap, material); });
}

bool SetFrameShape(PhotoObject& photo, int frameShape)
{
    if (!IsColourBitmap(photo.DecodedBitmap()))
        return false;
    photo.m_nFrameShape = frameShape;
    return true;
}

void SetBorder(PhotoObject& photo, int width, ColorRef colour)
{
    photo.m_nLineWidth = width;
    photo.m_crLine = colour;
    photo.m_nBorder = width > 0 ? 1 : 0;
}

void SetPhotoShadow(PhotoObject& photo, int direction, int size, std::uint8_t darkness,
                    ColorRef colour)
{
    photo.m_nPhotoShadowDir = direction;
    photo.m_nPhotoShadowSize = size;
    photo.m_nShadowAlpha = darkness;
    photo.m_crShadow = colour;
    photo.m_bPhotoShadow = 1;
    // The shadow is painted only while the photo has a shadow kind; a photo starts
    // without one.
    if (photo.m_nShadowType == 0)
        photo.m_nShadowType = 2;
}

std::unique_ptr<PhotoObject> Resized(const PhotoObject& photo, QSize size)
{
    const QImage& shown = photo.ShownImage();
    if (shown.isNull() || size.isEmpty() || size == shown.size())
        return nullptr;
    QImage resized = PhotoPixels::Resized(shown, size);
    if (resized.isNull())
        return nullptr;
    auto copy = std::make_unique<PhotoObject>(photo);
    copy->ReplacePictures(resized, photo.HasDecodedBitmap() ? resized : QImage());
    copy->m_rect = CentredOn(photo.m_rect, size.width(), size.height());
    return copy;
}

void BakeIn(PhotoObject& photo)
{
    photo.m_nBrightness = 0;
    photo.m_nContrast = 0;
    photo.m_nSaturation = 0;
    photo.m_fRed = photo.m_fGreen = photo.m_fBlue = 1.0f;
    photo.m_nMirror = 0;
}

void Replay(PhotoObject& photo)
{
    if (photo.m_nBrightness != 0 || photo.m_nContrast != 0)
        ApplyTone(photo, photo.m_nBrightness, photo.m_nContrast);
    if (photo.m_nSaturation != 0)
        ApplySaturation(photo, photo.m_nSaturation);
    if (!FactorIsOne(photo.m_fRed) || !FactorIsOne(photo.m_fGreen) || !FactorIsOne(photo.m_fBlue))
        ApplyBalance(photo, photo.m_fRed, photo.m_fGreen, photo.m_fBlue);
    if (photo.m_nMirror)
        ApplyMirror(photo);
    if (photo.m_bGray) {
        // Held at the plain rectangle while it runs, so a photo shown in an ellipse keeps
        // its gray.
        const int shape = photo.m_nFrameShape;
        photo.m_nFrameShape = PhotoObject::kInRectangle;
        ApplyGray(photo);
        photo.m_nFrameShape = shape;
    }
    if (photo.m_nFillAlpha < 255)
        ApplyOpacity(photo, photo.m_nFillAlpha);
    if (photo.m_bCircleFade)
        ApplyCircleFade(photo);
}

} // namespace PhotoAdjustments
