#include "canvas/view/PhotoDialogCommands.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/PhotoDialogEdits.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/view/BorderStyleDialog.h"
#include "canvas/view/ColourBalanceDialog.h"
#include "canvas/view/FrameMaterialsDialog.h"
#include "canvas/view/OneSliderDialog.h"
#include "canvas/view/PhotoShadowDialog.h"
#include "canvas/view/ResizePhotoDialog.h"
#include "commands/CommandIds.h"
#include "widgets/ModalRunner.h"

namespace PhotoDialogCommands {
namespace {

using namespace PhotoDialogEdits;
using Repaint = std::function<void()>;

// A dialog that previews on the page stays clear of the page's middle, where the object
// usually is: it goes to the window's lower right corner.
int RunBesidePage(QDialog& dialog, QWidget* window)
{
    if (window) {
        dialog.adjustSize();
        const QPoint corner = window->mapToGlobal(QPoint(window->width(), window->height()));
        dialog.move(corner - QPoint(dialog.width() + 32, dialog.height() + 32));
    }
    return RunModal(dialog);
}

// A slider dialog whose moves are previewed on the page; a slider back where it started
// shows the object as it was.
bool RunSlider(LiveEdit& edit, const OneSliderDialog::Look& look, int start,
               const std::function<LiveEdit::Change(int)>& changeAt, QWidget* window,
               const Repaint& repaint)
{
    OneSliderDialog dialog(look, start, [&](int slider) {
        edit.Preview(slider == start ? LiveEdit::Change() : changeAt(slider));
        repaint();
    }, window);
    if (RunBesidePage(dialog, window) != QDialog::Accepted)
        return false;
    return edit.Accept();
}

bool RunTransparency(CanvasModel& model, PageObject& object, QWidget* window,
                     const Repaint& repaint)
{
    LiveEdit edit(model, object);
    const OneSliderDialog::Look look{QStringLiteral("objectTransparencyDlg"),
                                     QStringLiteral("Object Transparency"),
                                     QStringLiteral("&Transparency:"), QStringLiteral("0"),
                                     QStringLiteral("100"), QStringLiteral("(0~100)"), {}};
    return RunSlider(edit, look, TransparencySliderOf(object.m_nFillAlpha), [](int slider) {
        const std::uint8_t opacity = OpacityOfSlider(slider);
        return [opacity](PageObject& live) { return SetOpacity(live, opacity); };
    }, window, repaint);
}

bool RunFreeRotation(CanvasModel& model, PageObject& object, QWidget* window,
                     const Repaint& repaint)
{
    LiveEdit edit(model, object);
    const OneSliderDialog::Look look{
        QStringLiteral("freeRotationDlg"), QStringLiteral("Free Rotation"),
        QStringLiteral("&Rotation degree:"), QStringLiteral("0"), QStringLiteral("360"), {},
        [](int slider) { return QStringLiteral("%1°").arg(AngleOfSlider(slider)); }};
    // A photo's turn goes into its picture, so it starts again from 0.
    const bool photo = object.m_nType == ObjectType::Photo;
    const int start = photo ? 0 : RotationSliderOf(object.m_nAngle);
    return RunSlider(edit, look, start, [](int slider) {
        const int degrees = AngleOfSlider(slider);
        return [degrees](PageObject& live) { return RotateTo(live, degrees); };
    }, window, repaint);
}

bool RunColourBalance(CanvasModel& model, PhotoObject& photo, QWidget* window,
                      const Repaint& repaint)
{
    LiveEdit edit(model, photo);
    const std::array<float, 3> factors{photo.m_fRed, photo.m_fGreen, photo.m_fBlue};
    const ColourBalanceDialog::Sliders start{BalanceSliderOf(factors[0]),
                                             BalanceSliderOf(factors[1]),
                                             BalanceSliderOf(factors[2])};
    ColourBalanceDialog dialog(start, [&](const ColourBalanceDialog::Sliders& sliders) {
        // A slider where it started keeps its channel's factor as it was.
        std::array<float, 3> chosen = factors;
        for (size_t channel = 0; channel < 3; ++channel)
            if (sliders[channel] != start[channel])
                chosen[channel] = BalanceFactorOfSlider(sliders[channel]);
        edit.Preview(chosen == factors ? LiveEdit::Change() : [chosen](PageObject& live) {
            return BalanceColours(static_cast<PhotoObject&>(live), chosen[0], chosen[1],
                                  chosen[2]);
        });
        repaint();
    }, window);
    if (RunBesidePage(dialog, window) != QDialog::Accepted)
        return false;
    return edit.Accept();
}

bool RunResize(CanvasModel& model, PhotoObject& photo, QWidget* window)
{
    ResizePhotoDialog dialog(photo.ShownImage().size(), window);
    return RunModal(dialog) == QDialog::Accepted
        && PhotoDialogEdits::Resize(model, photo, dialog.PictureSize());
}

// A dialog over the photo whose choice is written as one step on OK.
template <class Dialog, class Choice>
bool RunChoice(CanvasModel& model, PhotoObject& photo, QWidget* window, const Choice& start,
               bool (*write)(PhotoObject&, const Choice&))
{
    Dialog dialog(photo, start, window);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    const Choice chosen = dialog.Chosen();
    return model.Modify(photo, [&](PageObject&) { return write(photo, chosen); });
}

bool RunFrame(CanvasModel& model, PhotoObject& photo, QWidget* window)
{
    FrameMaterialsDialog dialog(photo.ShownImage(), window);
    if (RunModal(dialog) != QDialog::Accepted || dialog.Material() < 0)
        return false;
    const int material = dialog.Material();
    return model.Modify(photo, [&](PageObject&) {
        return PhotoAdjustments::AddFrame(photo, material);
    });
}

} // namespace

bool Handles(int id)
{
    return id == Cmd::Transparency || id == Cmd::ColorBalance || id == Cmd::RotateAngle
        || id == Cmd::Resize || id == Cmd::AddBorder || id == Cmd::AddFrame
        || id == Cmd::AddShadow;
}

CommandState StateOf(int id, const CanvasModel& model)
{
    if (!Handles(id))
        return {};
    return CommandState::Enabled(CanRun(id, model.Current()));
}

bool Run(int id, CanvasModel& model, QWidget* window, const std::function<void()>& repaint)
{
    PageObject* current = model.Current();
    if (!Handles(id) || !CanRun(id, current))
        return false;
    auto* photo = dynamic_cast<PhotoObject*>(current);
    switch (id) {
    case Cmd::Transparency: return RunTransparency(model, *current, window, repaint);
    case Cmd::RotateAngle: return RunFreeRotation(model, *current, window, repaint);
    case Cmd::ColorBalance: return RunColourBalance(model, *photo, window, repaint);
    case Cmd::Resize: return RunResize(model, *photo, window);
    case Cmd::AddBorder:
        return RunChoice<BorderStyleDialog>(model, *photo, window, BorderOf(*photo), SetBorder);
    case Cmd::AddFrame: return RunFrame(model, *photo, window);
    case Cmd::AddShadow:
        return RunChoice<PhotoShadowDialog>(model, *photo, window, PhotoShadowOf(*photo),
                                            SetPhotoShadow);
    default: return false;
    }
}

} // namespace PhotoDialogCommands
