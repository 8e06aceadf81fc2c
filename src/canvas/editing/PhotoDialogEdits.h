#pragma once

#include "canvas/objects/ObjectIdentity.h"
#include "platform/ColorRef.h"

#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>

class CanvasModel;
class PageObject;
class PhotoObject;

// What the photo dialogs do to the page, without their widgets: the slider arithmetic,
// the changes they make, and when each of their commands can act.
namespace PhotoDialogEdits {

// Whether the dialog command can act on this object (none for no current object).
bool CanRun(int commandId, const PageObject* current);

// Transparency slider 0..100 against opacity 255..0.
int TransparencySliderOf(std::uint8_t opacity);
std::uint8_t OpacityOfSlider(int slider);
// The object's opacity; a photo's is also written into every pixel's alpha.
bool SetOpacity(PageObject& object, std::uint8_t opacity);

// Colour balance slider 0..255 against the stored factor (1.0 is about 39).
int BalanceSliderOf(float factor);
float BalanceFactorOfSlider(int slider);
// Sets the absolute factors. The pixels already carry the stored factors, so they are
// worked by the ratio, and a second balance does not pile onto the first.
bool BalanceColours(PhotoObject& photo, float red, float green, float blue);

// Rotation slider 0..100 against 0..360 degrees.
int RotationSliderOf(int degrees);
int AngleOfSlider(int slider);
// A photo's picture is turned to the angle; anything else takes it as its angle.
bool RotateTo(PageObject& object, int degrees);

// One undo step that replaces the photo by a copy with its picture at the new size;
// false (and nothing recorded) for the size it has or one that cannot be made.
bool Resize(CanvasModel& model, PhotoObject& photo, QSize size);

struct Border
{
    int width = 10;
    ColorRef colour = Rgb(0, 0, 0);
};
// The border the dialog starts with: the photo's own, else width 10.
Border BorderOf(const PhotoObject& photo);
// False when the photo had that border already.
bool SetBorder(PhotoObject& photo, const Border& border);

struct PhotoShadow
{
    int direction = 0;
    int size = 10;
    std::uint8_t darkness = 60;
    ColorRef colour = Rgb(128, 128, 128);
};
// The photo's shadow, or a light one down and to the right when it has none.
PhotoShadow PhotoShadowOf(const PhotoObject& photo);
// False when the photo had that shadow already.
bool SetPhotoShadow(PhotoObject& photo, const PhotoShadow& shadow);

// A dialog's live changes to one object: every preview starts again from the object as
// it was when the dialog opened, Accept keeps the last preview as one undo step and
// Cancel puts that object back in its place. Unless accepted, it cancels when it ends.
class LiveEdit
{
public:
    using Change = std::function<bool(PageObject&)>;

    LiveEdit(CanvasModel& model, PageObject& object);
    ~LiveEdit();
    LiveEdit(const LiveEdit&) = delete;
    LiveEdit& operator=(const LiveEdit&) = delete;

    // The object on the page now: each preview puts a fresh one in place.
    PageObject& Object() const { return *m_live; }
    const PageObject& Saved() const { return *m_saved; }

    void Preview(Change change);
    // False when the last preview changed nothing.
    bool Accept();
    void Cancel();

private:
    void PutBackSaved();

    // Previews copy the object many times; the object counter is written once.
    ObjectIdentity::Batch m_batch;
    CanvasModel& m_model;
    PageObject* m_live;
    std::unique_ptr<PageObject> m_saved;
    Change m_change;
    bool m_touched = false; // the live object may differ from the saved one
    bool m_changed = false;
    bool m_finished = false;
};

} // namespace PhotoDialogEdits
