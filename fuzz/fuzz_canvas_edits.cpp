// Any sequence of editing gestures and commands, in any order, must leave the page
// sound: no object freed while still referenced, the current object on the page, every
// identity once, at most ten undo steps, and the page still paintable.
#include "commands/CommandIds.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/CanvasPainter.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/editing/PhotoCommands.h"
#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/TextObject.h"
#include "platform/UserPrompt.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <cstddef>
#include <cstdint>

namespace {

// Messages are answered and forgotten.
class SilentPrompt : public NoDialogPrompt
{
public:
    Answer Show(const QString&, Icon, Buttons, const QString&) override { return Answer::Ok; }
};

class EditScript
{
public:
    EditScript(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_at >= m_size; }
    int Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    // Page coordinates around the page, some beyond its edges.
    int Coordinate() { return Byte() * 5 - 100; }
    QPoint Point() { return {Coordinate(), Coordinate()}; }
    PageRect Rect()
    {
        const QPoint a = Point();
        return {a.x(), a.y(), a.x() + Byte() * 3, a.y() + Byte() * 3};
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::unique_ptr<PageObject> NewObject(EditScript& script)
{
    switch (script.Byte() % 5) {
    case 0: return DrawingTool::MakeShape(DrawingTool::Star, script.Point(), script.Point(), {});
    case 1: {
        QList<QPoint> points;
        const int count = 2 + script.Byte() % 6;
        for (int i = 0; i < count; ++i)
            points.append(script.Point());
        return DrawingTool::MakeCurve(DrawingTool::ClosedFreehand, points, {});
    }
    case 2: {
        auto photo = std::make_unique<PhotoObject>();
        photo->m_rect = script.Rect();
        if (script.Byte() % 2) {
            QImage picture(8 + script.Byte() % 8, 8, QImage::Format_BGR888);
            picture.fill(QColor(script.Byte(), script.Byte(), script.Byte()));
            photo->ReplacePictures(picture, picture);
        }
        return photo;
    }
    case 3: return std::make_unique<TextObject>(script.Rect(), QStringLiteral("Fair"));
    default: {
        auto calendar = std::make_unique<CalendarObject>();
        calendar->m_rect = script.Rect();
        return calendar;
    }
    }
}

constexpr int kPhotoCommands[] = {Cmd::Lighten,   Cmd::MoreSaturation, Cmd::GrayScale,
                                  Cmd::RotateLeft, Cmd::Mirror,        Cmd::Flip,
                                  Cmd::InEllipse, Cmd::Crop,           Cmd::Trim,
                                  Cmd::ApplyTo,   Cmd::Soften,         Cmd::CircleFade};

void Check(const CanvasModel& model)
{
    QSet<QString> identities;
    bool currentFound = model.Current() == nullptr;
    for (const auto& object : model.Objects()) {
        if (identities.contains(object->m_strID))
            __builtin_trap();
        identities.insert(object->m_strID);
        currentFound = currentFound || object.get() == model.Current();
    }
    if (!currentFound || model.History().Count() > UndoHistory::kSlots)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    InstallPrompt(std::make_unique<SilentPrompt>());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    EditScript script(data, size);
    CanvasModel model;
    PhotoAreaSelection selection;
    model.onRemoving = [&](const PageObject* object) {
        if (selection.photo == object)
            selection.Clear();
    };
    for (int step = 0; step < 200 && !script.AtEnd(); ++step) {
        switch (script.Byte() % 20) {
        case 0: model.Insert(NewObject(script)); break;
        case 1: model.Click(QPointF(script.Point()), script.Byte() % 2, false); break;
        case 2: model.SelectInBand(script.Rect()); break;
        case 3:
            if (model.Current() && !model.Current()->m_bLocked)
                model.MoveResize(*model.Current(), script.Rect());
            break;
        case 4: model.MoveSelected(script.Byte() - 128, script.Byte() - 128); break;
        case 5: model.Nudge(script.Byte() % 3 - 1, script.Byte() % 3 - 1); break;
        case 6: model.SizeStep(script.Byte() % 3 - 1, script.Byte() % 3 - 1); break;
        case 7: model.Align(static_cast<CanvasModel::Edge>(script.Byte() % 4)); break;
        case 8: script.Byte() % 2 ? model.SameWidth() : model.SameHeight(); break;
        case 9:
            switch (script.Byte() % 4) {
            case 0: model.BringToFront(); break;
            case 1: model.SendToBack(); break;
            case 2: model.OneStepFront(); break;
            default: model.OneStepBack(); break;
            }
            break;
        case 10: model.SetLocked(script.Byte() % 2); break;
        case 11: model.DeleteSelected(); break;
        case 12: model.Copy(); break;
        case 13: model.Cut(); break;
        case 14: model.Paste(script.Point()); break;
        case 15: model.Undo(); selection.Clear(); break;
        case 16: model.Redo(); selection.Clear(); break;
        case 17:
            if (model.Current())
                model.Modify(*model.Current(), [&](PageObject& object) {
                    object.m_crFill = Rgb(script.Byte(), 0, 0);
                    return script.Byte() % 2 == 0;
                });
            break;
        case 18: {
            auto* photo = dynamic_cast<PhotoObject*>(model.Current());
            if (photo && photo->HasPicture()) {
                selection.photo = photo;
                selection.mode = static_cast<PhotoAreaSelection::Mode>(1 + script.Byte() % 3);
                const PageRect r = script.Rect();
                selection.rect = QRect(r.left, r.top, r.Width(), r.Height());
                selection.region = QRegion(selection.rect, QRegion::Ellipse);
            }
            break;
        }
        default: {
            const int id = kPhotoCommands[script.Byte() % std::size(kPhotoCommands)];
            if (PhotoCommands::IsEnabled(id, model, selection))
                PhotoCommands::Run(id, model, selection);
            break;
        }
        }
        Check(model);
    }
    QImage window(64, 64, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&window);
    CanvasPaint paint;
    paint.exposed = QRect(0, 0, 64, 64);
    paint.mapping.zoom = 0.125;
    CanvasPainter::Paint(painter, model.Objects(), paint);
    return 0;
}
