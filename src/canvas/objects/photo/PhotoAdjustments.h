#pragma once

#include "canvas/objects/PageRect.h"

#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>

class PhotoObject;

// The photo commands: each changes the photo's pixels and records the level or switch
// that a document stores, so that reading the document can replay it. Each returns
// true when the photo changed; a photo without the picture a command needs is left
// alone. Undo steps and repainting are the canvas view's.
namespace PhotoAdjustments {

constexpr int kToneStep = 10;
constexpr int kSaturationStep = 25;

// Brightness and contrast, one step each.
bool Lighten(PhotoObject& photo);
bool Darken(PhotoObject& photo);
bool MoreContrast(PhotoObject& photo);
bool LessContrast(PhotoObject& photo);

bool MoreSaturation(PhotoObject& photo);
bool LessSaturation(PhotoObject& photo);

// Absolute factors, 1.0 for unchanged; all must be above 0.
bool BalanceColours(PhotoObject& photo, float red, float green, float blue);

// Only for a photo shown in a plain rectangle.
bool GrayScale(PhotoObject& photo);

// The photo's opacity, kept in m_nFillAlpha and written into every pixel's alpha.
bool SetOpacity(PhotoObject& photo, std::uint8_t opacity);

// Quarter turns of the picture and of the rectangle about its centre; a metafile turns
// its drawing instead.
bool RotateLeft(PhotoObject& photo);
bool RotateRight(PhotoObject& photo);
// Mirror is stored; Flip lasts only while the document is open.
bool Mirror(PhotoObject& photo);
bool Flip(PhotoObject& photo);

bool CircleFade(PhotoObject& photo);
bool Bevel(PhotoObject& photo);
// Seeded from the clock unless a seed is given.
bool TornEdge(PhotoObject& photo, std::optional<std::uint32_t> seed = std::nullopt);
bool Blur(PhotoObject& photo);
bool Soften(PhotoObject& photo);

// Turns the picture clockwise onto a larger transparent picture, the rectangle growing
// about its centre in step. The rotation dialog applies it to a copy of the photo as it
// was when the dialog opened.
bool RotateToAngle(PhotoObject& photo, int degrees);

// Paints frame material 0..15 into the edge of the picture.
bool AddFrame(PhotoObject& photo, int material);

// "In Round Rectangle" and "In Ellispe" (and back to a plain rectangle).
bool SetFrameShape(PhotoObject& photo, int frameShape);

// The border dialog's choice: width 0 takes the border away.
void SetBorder(PhotoObject& photo, int width, ColorRef colour);

// The photo shadow dialog's choice. Direction 0 down-right, 1 down-left, 2 up-left,
// 3 up-right, 4 centred.
void SetPhotoShadow(PhotoObject& photo, int direction, int size, std::uint8_t darkness,
                    ColorRef colour);

// A copy of the photo whose picture has the given size (stretched when neither side
// shrinks, area-averaged otherwise), centred where the photo was. Null for an empty
// size, the size the picture has already, or a photo without a picture.
std::unique_ptr<PhotoObject> Resized(const PhotoObject& photo, QSize size);

// The decoded bitmap is about to become the photo's file, its adjustments included:
// the stored levels that replaying would apply a second time are cleared. (Gray,
// opacity and circle fade give the same pixels when applied again, so they stay.)
void BakeIn(PhotoObject& photo);

// After reading a document: brightness and contrast, saturation, colour balance, mirror,
// gray scale, opacity and circle fade, each when its stored value asks for it.
void Replay(PhotoObject& photo);

} // namespace PhotoAdjustments
