#include "canvas/editing/CanvasCommands.h"

#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/editing/PhotoCommands.h"
#include "canvas/editing/StyleCommands.h"
#include "canvas/objects/PhotoObject.h"
#include "commands/CommandIds.h"

#include <Qt>
#include <algorithm>
#include <span>
#include <utility>

namespace CanvasCommands {

bool IsFileCommand(int id)
{
    using namespace Cmd;
    static constexpr int kFileCommands[] = {
        FileNew,       FileOpen,     FileSave,   FileSaveAs, FilePrint,     FilePrintDirect,
        FilePrintPreview, FilePageSetup, FileExportPdf, SaveAsImage, SaveAsImageAlt};
    return std::find(std::begin(kFileCommands), std::end(kFileCommands), id)
           != std::end(kFileCommands);
}

CommandState StateOf(int id, const Situation& now)
{
    using namespace Cmd;
    const CanvasModel& model = now.model;
    const PageObject* current = model.Current();
    const int selected = model.SelectedCount();
    const auto enabled = [](bool on) { return CommandState::Enabled(on); };

    if (PhotoCommands::Handles(id))
        return enabled(PhotoCommands::IsEnabled(id, model, now.photoSelection));
    if (DrawingTool::OfCommand(id) != DrawingTool::None)
        return enabled(true);
    if (IsFileCommand(id))
        return enabled(true);
    switch (id) {
    case CanvasZoomIn:
    case CanvasZoomOut:
    case CanvasZoom100:
    case Deselection:
        return enabled(true);
    case Undo: return enabled(model.History().CanUndo());
    case Redo: return enabled(model.History().CanRedo());
    case CopyObjects:
    case CopyAsPicture:
    case LockObject:
    case UnlockObject:
        return enabled(selected > 0);
    case Cut: return enabled(selected > 0 && current);
    case DeleteObjects:
        return enabled(selected > 0 || current || now.photoSelection.HasArea());
    case PasteObjects: return enabled(!model.Clipboard().empty());
    case ApplyImageFromClipboard: return enabled(now.clipboardHasImage);
    case BringToFront:
    case SendToBack:
    case OneStepFront:
    case OneStepBack:
        return enabled(selected == 1 && current);
    case AlignBottom:
    case AlignTop:
    case AlignLeft:
    case AlignRight:
        return enabled(selected > 1 && current);
    case SameWidth:
    case SameHeight:
        return enabled(current && model.Objects().size() > 1 && selected > 1);
    case RectangleSelection:
    case FreehandSelection:
    case EllipseSelection: {
        const auto* photo = dynamic_cast<const PhotoObject*>(current);
        return enabled(photo && photo->HasDecodedBitmap());
    }
    default: return {};
    }
}

bool RunOnModel(int id, CanvasModel& model, const QPoint& pasteAt)
{
    using namespace Cmd;
    using Edge = CanvasModel::Edge;
    switch (id) {
    case Undo: model.Undo(); return true;
    case Redo: model.Redo(); return true;
    case CopyObjects: model.Copy(); return true;
    case Cut: model.Cut(); return true;
    case PasteObjects: model.Paste(pasteAt); return true;
    case BringToFront: model.BringToFront(); return true;
    case SendToBack: model.SendToBack(); return true;
    case OneStepFront: model.OneStepFront(); return true;
    case OneStepBack: model.OneStepBack(); return true;
    case AlignBottom: model.Align(Edge::Bottom); return true;
    case AlignTop: model.Align(Edge::Top); return true;
    case AlignLeft: model.Align(Edge::Left); return true;
    case AlignRight: model.Align(Edge::Right); return true;
    case SameWidth: model.SameWidth(); return true;
    case SameHeight: model.SameHeight(); return true;
    case LockObject: model.SetLocked(true); return true;
    case UnlockObject: model.SetLocked(false); return true;
    default: return false;
    }
}

ContextMenu MenuFor(const CanvasModel& model)
{
    using namespace Cmd;
    constexpr int S = 0;
    const QList<int> editing{Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, S};
    const QList<int> order{S, BringToFront, SendToBack, OneStepFront, OneStepBack, S,
                           LockObject, UnlockObject};
    const PageObject* current = model.Current();
    if (!current)
        return {QStringLiteral("NoSelection"), {PasteObjects}};
    if (model.SelectedCount() > 1)
        return {QStringLiteral("MultiSelection"),
                editing + QList<int>{AlignLeft, AlignRight, AlignTop, AlignBottom, SameWidth,
                                     SameHeight, S, LockObject, UnlockObject}};
    if (current->m_nType == ObjectType::Photo)
        return {QStringLiteral("ImageEdit"),
                editing
                    + QList<int>{RotateLeft, RotateRight, RotateAngle, Mirror, Flip, Resize, S,
                                 Lighten, Darken, MoreContrast, LessContrast, MoreSaturation,
                                 LessSaturation, ColorBalance, GrayScale, Transparency, S, Blur,
                                 Soften, CircleFade, Beveled, TornEdge, InEllipse,
                                 InRoundRectangle, AddBorder, AddFrame, AddShadow, S,
                                 RectangleSelection, FreehandSelection, EllipseSelection, Crop,
                                 Trim, Deselection, S, ApplyTo}
                    + order};
    // Shapes, curves and text carry their look in a "Style" submenu.
    const QList<int> style =
        StyleCommands::TakesLineStyle(current)
            ? QList<int>{S, LineColor, FillColor, LineWidth, LineType, NotFill, SolidFill,
                         CustomFill, NoShadow, HardShadow, SoftShadow, GlowShadow, GetStyle,
                         ApplyStyle}
            : QList<int>{};
    if (const ObjectKindCommands* kind = ObjectKinds::OfType(current->m_nType))
        return {kind->MenuName(), kind->MenuCommands() + style + order};
    return {QStringLiteral("DrawObject"),
            editing
                + QList<int>{RotateLeft, RotateRight, RotateAngle, Mirror, Flip, Transparency}
                + style + order};
}

QString SubmenuOf(int id)
{
    return StyleCommands::Handles(id) ? QStringLiteral("Style") : QString();
}

int CommandOfKey(int key, bool control)
{
    using namespace Cmd;
    static const std::pair<int, int> kControlKeys[] = {
        {Qt::Key_C, CopyObjects}, {Qt::Key_X, Cut},  {Qt::Key_V, PasteObjects},
        {Qt::Key_Z, Undo},        {Qt::Key_Y, Redo}, {Qt::Key_A, kSelectAll},
    };
    static const std::pair<int, int> kLetterKeys[] = {
        {Qt::Key_A, kSelectAll},
        {Qt::Key_B, SendToBack},  {Qt::Key_F, BringToFront},
        {Qt::Key_M, RotateRight}, {Qt::Key_N, RotateLeft},
        {Qt::Key_U, Undo},        {Qt::Key_V, Redo},
    };
    using Keys = std::span<const std::pair<int, int>>;
    for (const auto& [known, id] : control ? Keys(kControlKeys) : Keys(kLetterKeys))
        if (known == key)
            return id;
    return kNoCommand;
}

QPoint ArrowStep(int key)
{
    switch (key) {
    case Qt::Key_Left: return {-1, 0};
    case Qt::Key_Right: return {1, 0};
    case Qt::Key_Up: return {0, -1};
    case Qt::Key_Down: return {0, 1};
    default: return {};
    }
}

} // namespace CanvasCommands
