#include "canvas/view/CanvasView.h"

#include "canvas/editing/ObjectKindCommands.h"

#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/editing/CanvasPainter.h"
#include "canvas/editing/PhotoCommands.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/InPlaceTextEditor.h"
#include "photos/PhotoDrag.h"

#include "platform/UserPrompt.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <span>

using namespace CanvasGeometry;

namespace {

constexpr int kWheelLines = 3;
constexpr int kScrollLine = 16;

bool ModifierHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

QRect PageToWindowBounds(const ViewMapping& mapping, const QRect& pageBounds)
{
    return mapping.PageToWindow().mapRect(QRectF(pageBounds)).toAlignedRect();
}

// The handles sit where the object's own selection frame draws them.
TrackerHandles HandlesOf(const PageObject& object)
{
    return object.FramesSelectionOutside() ? TrackerHandles::Outside : TrackerHandles::Inside;
}

} // namespace

CanvasView::CanvasView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("canvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    horizontalScrollBar()->setSingleStep(kScrollLine);
    verticalScrollBar()->setSingleStep(kScrollLine);
    m_model.onModified = [this] { Modified(); };
    m_model.onRemoving = [this](const PageObject* object) {
        if (m_photoSelection.photo == object)
            m_photoSelection.Clear();
    };
    const auto readClipboard = [this] {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        m_clipboardHasImage = data && data->hasImage();
        Q_EMIT commandStateChanged();
    };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, readClipboard);
    readClipboard();
    UpdateScrollBars();
}

CanvasView::~CanvasView() = default;

// ---- mapping and scrolling ------------------------------------------------------------

ViewMapping CanvasView::Mapping() const
{
    return WindowMapping(m_zoom,
                         QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value()),
                         viewport()->size(), m_page);
}

QPoint CanvasView::ToPage(const QPoint& window) const
{
    return Mapping().ToPagePoint(window);
}

void CanvasView::SetPageSize(const QSize& size)
{
    // A damaged document may claim any size; scrolling must stay within reason.
    constexpr int kLargest = PageRenderer::kMaxPageSide;
    m_page = size.expandedTo(QSize(1, 1)).boundedTo(QSize(kLargest, kLargest));
    UpdateScrollBars();
    Invalidate();
}

void CanvasView::UpdateScrollBars()
{
    const QSize extent = ScrollExtent(m_page, Mapping());
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, extent.width() - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, std::max(0, extent.height() - client.height()));
    verticalScrollBar()->setPageStep(client.height());
}

void CanvasView::CentreOn(const QPoint& pagePoint)
{
    const QSize client = viewport()->size();
    const QPointF scene = Mapping().ToScene(QPointF(pagePoint));
    horizontalScrollBar()->setValue(
        std::max(0, int(std::lround(scene.x())) - client.width() / 2));
    verticalScrollBar()->setValue(
        std::max(0, int(std::lround(scene.y())) - client.height() / 2));
}

QPoint CanvasView::CentreForZoom(bool onCurrent) const
{
    if (onCurrent && m_model.Current())
        return m_model.Current()->m_rect.Center().toPoint();
    // The middle of the window's pixels, taken as a point of the unshifted scene as it
    // always has been.
    return viewport()->rect().center() - Mapping().shift;
}

void CanvasView::SetZoom(double zoom, const QPoint& centrePagePoint)
{
    m_tracker.Clear();
    setUpdatesEnabled(false);
    m_zoom = zoom;
    UpdateScrollBars();
    CentreOn(centrePagePoint);
    setUpdatesEnabled(true);
    Invalidate();
    Q_EMIT zoomChanged(m_zoom);
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    // The page and everything on it move with the outline.
    LoadTrackerFromCurrent();
    if (const TextObject* edited = m_editor ? EditedText() : nullptr)
        m_editor->move(Mapping().ToWindow(edited->m_rect).topLeft());
    Invalidate();
}

void CanvasView::scrollContentsBy(int, int)
{
    if (m_editor)
        CommitEditor(m_editor->toPlainText());
    Invalidate();
}

void CanvasView::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y()
                                                   : event->angleDelta().x();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::NoModifier) {
        verticalScrollBar()->setValue(verticalScrollBar()->value()
                                      + (delta > 0 ? -1 : 1) * kWheelLines * kScrollLine);
    } else if (modifiers == Qt::ShiftModifier) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value()
                                        + (delta > 0 ? -1 : 1) * kWheelLines * kScrollLine);
    } else if (modifiers == Qt::ControlModifier) {
        OnCommand(delta > 0 ? Cmd::CanvasZoomIn : Cmd::CanvasZoomOut);
    }
    event->accept();
}

// ---- painting -------------------------------------------------------------------------

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    CanvasPaint paint;
    paint.exposed = event->rect();
    paint.page = m_page;
    paint.mapping = Mapping();
    paint.background = Program().canvasBackground;
    CanvasPainter::Paint(painter, m_model.Objects(), paint);
    PaintOverlays(painter);
}

void CanvasView::PaintOverlays(QPainter& painter) const
{
    const ViewMapping mapping = Mapping();
    // Objects frame themselves at 100 %; at other zooms the canvas shows the frames.
    if (mapping.Scale() != 1.0) {
        for (const PageObject* object : m_model.Selected()) {
            SelectionHandles frame;
            frame.SetRect(mapping.ToWindow(object->m_rect), HandlesOf(*object));
            frame.Paint(painter, false);
        }
    }
    PaintFeedback(painter);
    PaintPhotoSelection(painter);
    if (m_gesture == Gesture::Tracking || m_gesture == Gesture::GroupMove)
        m_tracker.Paint(painter, true);
    if (m_gesture == Gesture::RubberBand || m_gesture == Gesture::PhotoBand) {
        SelectionHandles band;
        band.SetRect(BandRect());
        band.Paint(painter, true);
    }
}

void CanvasView::PaintFeedback(QPainter& painter) const
{
    const bool polylineUnderWay = m_tool == DrawingTool::Polyline && m_vertices.Count() > 0;
    if (m_gesture != Gesture::Drawing && !polylineUnderWay)
        return;
    painter.save();
    painter.setTransform(Mapping().PageToWindow());
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    const QRect spanned = QRect(m_start, m_last).normalized();
    switch (m_tool) {
    case DrawingTool::Line: painter.drawLine(m_start, m_last); break;
    case DrawingTool::Ellipse: painter.drawEllipse(spanned); break;
    case DrawingTool::OpenFreehand:
    case DrawingTool::ClosedFreehand:
        painter.drawPolyline(QPolygon(m_vertices.Points()));
        break;
    case DrawingTool::Polyline: {
        QPolygon points(m_vertices.Points());
        points.append(m_last);
        painter.drawPolyline(points);
        break;
    }
    default: painter.drawRect(spanned); break;
    }
    painter.restore();
}

void CanvasView::PaintPhotoSelection(QPainter& painter) const
{
    const ViewMapping mapping = Mapping();
    if (m_photoSelection.outline.size() >= 3) {
        // Dashes of four white and four black pixels show on any photo.
        const QPolygon outline = mapping.PageToWindow().map(m_photoSelection.outline);
        painter.save();
        painter.setPen(QPen(Qt::black, 1));
        painter.drawPolyline(outline);
        QPen white(Qt::white, 1);
        white.setDashPattern({4, 4});
        painter.setPen(white);
        painter.drawPolyline(outline);
        painter.restore();
    }
    if (!m_photoSelection.rect.isEmpty()) {
        SelectionHandles selection;
        selection.SetRect(PageToWindowBounds(mapping, m_photoSelection.rect));
        selection.Paint(painter, true);
        if (m_photoSelection.mode == PhotoAreaSelection::Ellipse) {
            painter.save();
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawEllipse(selection.Rect());
            painter.restore();
        }
    }
}

void CanvasView::InvalidatePage(const PageRect& rect)
{
    viewport()->update(Mapping().ToWindow(rect).adjusted(-8, -8, 8, 8));
}

// ---- mouse ----------------------------------------------------------------------------

void CanvasView::mousePressEvent(QMouseEvent* event)
{
    const QPoint window = event->position().toPoint();
    const QPoint page = ToPage(window);
    if (event->button() == Qt::RightButton) {
        m_rightClick = page;
        // The menu is about what was clicked: an unselected object becomes the selection.
        PageObject* under = m_model.TopmostAt(QPointF(page));
        if (under && !under->m_bSelected && m_tool == DrawingTool::None) {
            m_model.Click(QPointF(page), false, false);
            LoadTrackerFromCurrent();
            SelectionChanged();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    if (m_tool != DrawingTool::None)
        PressWithTool(page);
    else if (PressForInsertion(page))
        return;
    else if (m_photoSelection.active)
        PressForPhotoSelection(window);
    else
        PressInPointerMode(event, page);
}

void CanvasView::PressWithTool(const QPoint& page)
{
    m_gesture = Gesture::Drawing;
    m_start = m_last = page;
    if (DrawingTool::CollectsVertices(m_tool))
        m_vertices.Add(page);
}

bool CanvasView::PressForInsertion(const QPoint& page)
{
    if (m_insertText) {
        m_insertText = false;
        InsertTextAt(page);
        return true;
    }
    if (m_insertCalendar) {
        m_insertCalendar = false;
        InsertCalendars(page);
        return true;
    }
    if (m_insertKind) {
        AddInsertedObject(std::exchange(m_insertKind, nullptr)->Create(page));
        return true;
    }
    return false;
}

void CanvasView::PressInPointerMode(QMouseEvent* event, const QPoint& page)
{
    const QPoint window = event->position().toPoint();
    const bool modifier = ModifierHeld(event->modifiers());
    LoadTrackerFromCurrent();
    const bool onHandle = m_model.Current() && m_model.Current()->m_bSelected
                       && m_tracker.OnHandle(window);
    const bool hit = m_model.Click(QPointF(page), modifier, onHandle);
    SelectionChanged();

    if (m_model.SelectedCount() > 1) {
        if (hit && !modifier) {
            m_tracker.SetRect(Mapping().ToWindow(m_model.SelectedBounds()));
            m_tracker.BeginDrag(SelectionHandles::kBody, window);
            m_gesture = Gesture::GroupMove;
            StartLiveMoves();
        }
        return;
    }
    if (!hit) {
        m_tracker.Clear();
        if (!modifier) {
            m_gesture = Gesture::RubberBand;
            m_bandFrom = m_bandTo = window;
        }
        return;
    }
    if (!m_model.Current())
        return;
    LoadTrackerFromCurrent();
    int part = m_tracker.HitTest(window);
    if (part == SelectionHandles::kNoHit)
        part = SelectionHandles::kBody;
    m_tracker.BeginDrag(part, window);
    m_gesture = Gesture::Tracking;
    if (part == SelectionHandles::kBody)
        StartLiveMoves();
    if (const auto* text = dynamic_cast<const TextObject*>(m_model.Current()))
        Q_EMIT textFontShown(text->m_strFontName, text->m_nFontSize);
}

void CanvasView::PressForPhotoSelection(const QPoint& window)
{
    if (m_photoSelection.mode == PhotoAreaSelection::Freehand) {
        if (m_photoSelection.region.isEmpty()) {
            m_gesture = Gesture::PhotoFreehand;
            m_photoSelection.outline.clear();
        }
        return;
    }
    m_gesture = Gesture::PhotoBand;
    m_bandFrom = m_bandTo = window;
}

void CanvasView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint window = event->position().toPoint();
    const QPoint page = ToPage(window);
    const bool leftDown = event->buttons() & Qt::LeftButton;
    switch (m_gesture) {
    case Gesture::Drawing:
        if (DrawingTool::IsFreehand(m_tool) && leftDown)
            m_vertices.Add(page);
        m_last = page;
        Invalidate();
        break;
    case Gesture::Tracking:
    case Gesture::GroupMove: {
        const QRect before = m_tracker.Rect();
        m_tracker.DragTo(window);
        if (m_tracker.Moved() && !m_liveMoves.empty()) {
            // Moved objects follow the mouse; shadows and turns reach anywhere, so the
            // whole window is painted, which stays well within a frame.
            const QPoint offset = DragOffset();
            for (const auto& [object, from] : m_liveMoves)
                object->m_rect = Offset(from, offset.x(), offset.y());
            Invalidate();
        } else {
            viewport()->update(before.united(m_tracker.Rect()).adjusted(-2, -2, 2, 2));
        }
        break;
    }
    case Gesture::RubberBand:
    case Gesture::PhotoBand: {
        const QRect before = BandRect();
        m_bandTo = window;
        viewport()->update(before.united(BandRect()).adjusted(-2, -2, 2, 2));
        break;
    }
    case Gesture::PhotoFreehand: {
        // Only points over a photo count; the first photo touched is the one selected.
        PhotoObject* photo = nullptr;
        for (auto it = m_model.Objects().rbegin(); it != m_model.Objects().rend(); ++it) {
            auto* candidate = dynamic_cast<PhotoObject*>(it->get());
            if (candidate && candidate->HasPicture() && Contains(candidate->m_rect, page)) {
                photo = candidate;
                break;
            }
        }
        if (!photo || (m_photoSelection.photo && photo != m_photoSelection.photo))
            break;
        m_photoSelection.photo = photo;
        if (m_photoSelection.outline.size() < VertexBuffer::kCapacity)
            m_photoSelection.outline.append(page);
        Invalidate();
        break;
    }
    case Gesture::None:
        if (m_tool == DrawingTool::Polyline && m_vertices.Count() > 0) {
            m_last = page;
            Invalidate();
        }
        if (m_tool != DrawingTool::None) {
            viewport()->setCursor(Qt::CrossCursor);
        } else if (m_model.Current() && m_model.Current()->m_bSelected
                   && !m_model.IsMultiSelection()) {
            LoadTrackerFromCurrent();
            viewport()->setCursor(m_tracker.CursorFor(m_tracker.HitTest(window)));
        } else {
            viewport()->setCursor(Qt::ArrowCursor);
        }
        break;
    }
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint page = ToPage(event->position().toPoint());
    const Gesture gesture = m_gesture;
    m_gesture = Gesture::None;
    switch (gesture) {
    case Gesture::Drawing:
        if (m_tool == DrawingTool::Polyline) {
            m_last = page;   // the vertex stays; a double-click ends the figure
            m_gesture = Gesture::None;
        } else {
            FinishDrawing(page);
        }
        break;
    case Gesture::Tracking: FinishTracking(); break;
    case Gesture::GroupMove: FinishTracking(); break;
    case Gesture::RubberBand: FinishRubberBand(); break;
    case Gesture::PhotoBand: FinishPhotoBand(); break;
    case Gesture::PhotoFreehand: FinishFreehandSelection(); break;
    case Gesture::None: break;
    }
    Invalidate();
    Q_EMIT commandStateChanged();
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint page = ToPage(event->position().toPoint());
    if (m_tool == DrawingTool::Polyline) {
        m_vertices.Close();
        AddInsertedObject(DrawingTool::MakeCurve(m_tool, m_vertices.Points(), m_style));
        ResetToPointer();
        return;
    }
    if (m_tool == DrawingTool::None && !m_photoSelection.active)
        EditTextInPlace(page);
}

void CanvasView::FinishDrawing(const QPoint& page)
{
    std::unique_ptr<PageObject> made;
    switch (m_tool) {
    case DrawingTool::Line:
        if (page != m_start)
            made = DrawingTool::MakeCurve(m_tool, {m_start, page}, m_style);
        break;
    case DrawingTool::ClosedFreehand:
        m_vertices.Add(page);
        m_vertices.Close();
        made = DrawingTool::MakeCurve(m_tool, m_vertices.Points(), m_style);
        break;
    case DrawingTool::OpenFreehand:
        m_vertices.Add(page);
        made = DrawingTool::MakeCurve(m_tool, m_vertices.Points(), m_style);
        break;
    default:
        // A click without a drag would make a shape nobody can see or grab.
        if (!SpannedRect(m_start, page).IsEmpty())
            made = DrawingTool::MakeShape(m_tool, m_start, page, m_style);
        break;
    }
    AddInsertedObject(std::move(made));
    ResetToPointer();
}

void CanvasView::AddInsertedObject(std::unique_ptr<PageObject> object)
{
    if (!object)
        return;
    const PageRect rect = object->m_rect;
    m_model.Insert(std::move(object));
    InvalidatePage(rect);
    SelectionChanged();
}

QPoint CanvasView::DragOffset() const
{
    const double scale = Mapping().Scale();
    const QPoint moved = m_tracker.Rect().topLeft() - m_tracker.StartRect().topLeft();
    return {int(std::lround(moved.x() / scale)), int(std::lround(moved.y() / scale))};
}

void CanvasView::StartLiveMoves()
{
    m_liveMoves.clear();
    for (PageObject* object : m_model.Selected())
        if (!object->m_bLocked)
            m_liveMoves.emplace_back(object, object->m_rect);
}

void CanvasView::UndoLiveMoves()
{
    for (const auto& [object, from] : m_liveMoves)
        object->m_rect = from;
    m_liveMoves.clear();
}

void CanvasView::CancelDrag()
{
    UndoLiveMoves();
    m_tracker.EndDrag();
    m_gesture = Gesture::None;
    LoadTrackerFromCurrent();
    Invalidate();
}

void CanvasView::FinishTracking()
{
    PageObject* current = m_model.Current();
    const bool group = m_model.IsMultiSelection();
    const QRect start = m_tracker.StartRect();
    const QRect end = m_tracker.Rect();
    const bool moved = m_tracker.Moved();
    const QPoint offset = DragOffset();
    const int dx = offset.x(), dy = offset.y();
    // The model moves the objects for good, from where they were, as one undo step.
    UndoLiveMoves();
    m_tracker.EndDrag();
    if (start == end)
        return;
    if (group) {
        m_model.MoveSelected(dx, dy);
    } else if (current) {
        if (current->m_bLocked) {
            Prompt().Inform(QString::fromLatin1(CanvasModel::kLockedMessage));
            return;
        }
        const PageRect rect = moved ? Offset(current->m_rect, dx, dy) : Mapping().ToPage(end);
        m_model.MoveResize(*current, rect);
    }
    LoadTrackerFromCurrent();
    SelectionChanged();
}

QRect CanvasView::BandRect() const
{
    return QRect(m_bandFrom, m_bandTo).normalized();
}

PageRect CanvasView::BandOnPage() const
{
    return SpannedRect(ToPage(m_bandFrom), ToPage(m_bandTo));
}

void CanvasView::FinishRubberBand()
{
    const QRect band = BandRect();
    if (band.width() < 2 && band.height() < 2)
        return;
    m_model.SelectInBand(BandOnPage());
    SelectionChanged();
}

void CanvasView::FinishPhotoBand()
{
    const PageRect pageBand = BandOnPage();
    if (pageBand.IsEmpty()) {
        ResetToPointer();
        return;
    }
    for (const auto& object : m_model.Objects()) {
        auto* photo = dynamic_cast<PhotoObject*>(object.get());
        if (!photo || !Intersects(photo->m_rect, pageBand))
            continue;
        const PageRect inside = Intersection(photo->m_rect, pageBand);
        m_photoSelection.photo = photo;
        m_photoSelection.rect = QRect(inside.left, inside.top, inside.Width(), inside.Height());
        if (m_photoSelection.mode == PhotoAreaSelection::Ellipse)
            m_photoSelection.region = QRegion(m_photoSelection.rect, QRegion::Ellipse);
        break;
    }
}

void CanvasView::FinishFreehandSelection()
{
    QPolygon& outline = m_photoSelection.outline;
    if (!m_photoSelection.region.isEmpty() || outline.isEmpty())
        return;
    outline.append(outline.front());
    if (outline.size() < 4) // three points and the closing one
        return;
    m_photoSelection.region = QRegion(outline, Qt::OddEvenFill);
    m_photoSelection.rect = m_photoSelection.region.boundingRect();
}

void CanvasView::LoadTrackerFromCurrent()
{
    if (m_tracker.IsDragging())
        return;
    if (const PageObject* current = m_model.Current())
        m_tracker.SetRect(Mapping().ToWindow(current->m_rect), HandlesOf(*current));
    else
        m_tracker.Clear();
}

void CanvasView::ResetToPointer()
{
    m_photoSelection.Clear();
    m_gesture = Gesture::None;
    m_tool = DrawingTool::None;
    m_model.SetMultiSelection(m_model.SelectedCount() > 1 && m_model.IsMultiSelection());
    m_vertices.Clear();
    viewport()->setCursor(Qt::ArrowCursor);
    Invalidate();
}

void CanvasView::StartTool(int tool)
{
    ResetToPointer();
    m_tool = tool;
    viewport()->setCursor(Qt::CrossCursor);
}

void CanvasView::StartPhotoSelection(PhotoAreaSelection::Mode mode)
{
    ResetToPointer();
    m_photoSelection.active = true;
    m_photoSelection.mode = mode;
    viewport()->setCursor(Qt::CrossCursor);
}

// ---- keys -----------------------------------------------------------------------------

void CanvasView::keyPressEvent(QKeyEvent* event)
{
    const bool modifier = ModifierHeld(event->modifiers());
    const bool control = event->modifiers() & Qt::ControlModifier;
    int dx = 0, dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    case Qt::Key_Delete: OnCommand(Cmd::DeleteObjects); return;
    case Qt::Key_Escape:
        if (m_gesture == Gesture::Tracking || m_gesture == Gesture::GroupMove)
            CancelDrag();
        else
            OnCommand(Cmd::Deselection);
        return;
    default: break;
    }
    if (dx != 0 || dy != 0) {
        if (modifier)
            m_model.SizeStep(dx, dy);
        else
            m_model.Nudge(dx, dy);
        LoadTrackerFromCurrent();
        Invalidate();
        Q_EMIT commandStateChanged();
        return;
    }
    // The usual editing keys with Ctrl; the single letters without.
    static const std::pair<int, int> kControlKeys[] = {
        {Qt::Key_C, Cmd::CopyObjects}, {Qt::Key_X, Cmd::Cut},  {Qt::Key_V, Cmd::PasteObjects},
        {Qt::Key_Z, Cmd::Undo},        {Qt::Key_Y, Cmd::Redo}, {Qt::Key_A, 0},
    };
    static const std::pair<int, int> kLetterKeys[] = {
        {Qt::Key_A, 0},
        {Qt::Key_B, Cmd::SendToBack},  {Qt::Key_F, Cmd::BringToFront},
        {Qt::Key_M, Cmd::RotateRight}, {Qt::Key_N, Cmd::RotateLeft},
        {Qt::Key_U, Cmd::Undo},        {Qt::Key_V, Cmd::Redo},
    };
    for (const auto& [key, id] : control ? std::span<const std::pair<int, int>>(kControlKeys)
                                           : std::span<const std::pair<int, int>>(kLetterKeys)) {
        if (event->key() != key)
            continue;
        if (id == 0) {
            m_model.SelectAll();
            SelectionChanged();
            Invalidate();
        } else if (UpdateCommand(id).enabled) {
            OnCommand(id);
        }
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// ---- context menu and drops -----------------------------------------------------------

void CanvasView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Mouse)
        m_rightClick = ToPage(event->pos());
    QMenu* menu = BuildContextMenu();
    menu->exec(event->globalPos());
    menu->deleteLater();
}

namespace {

// A document from the library's tree or a page file from the desktop: opened, not placed.
QString DroppedDocument(const QMimeData* data)
{
    if (QString path = PhotoDrag::PathIn(data, PhotoDrag::kDocumentMime); !path.isEmpty())
        return path;
    const QList<QUrl> urls = data->urls();
    if (urls.size() == 1 && urls.front().isLocalFile()
        && urls.front().toLocalFile().endsWith(QStringLiteral(".wrn"), Qt::CaseInsensitive))
        return urls.front().toLocalFile();
    return {};
}

} // namespace

void CanvasView::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() || data->hasFormat(QString::fromLatin1(PhotoDrag::kDocumentMime))) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void CanvasView::dropEvent(QDropEvent* event)
{
    // The page never takes a file away from where it was dropped from.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (const QString document = DroppedDocument(event->mimeData()); !document.isEmpty()) {
        OpenDocumentFile(document);
        return;
    }
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    DropPhoto(urls.front().toLocalFile(), viewport()->mapToGlobal(event->position().toPoint()));
}

// ---- notifications --------------------------------------------------------------------

void CanvasView::Modified()
{
    if (m_document)
        m_document->SetModified(true);
    Invalidate();
}

void CanvasView::SelectionChanged()
{
    if (const auto* photo = dynamic_cast<const PhotoObject*>(m_model.Current()))
        ShowPhotoInfo(*photo);
    Invalidate();
    Q_EMIT commandStateChanged();
}

void CanvasView::ShowPhotoInfo(const PhotoObject& photo)
{
    m_infoText = photo.InfoText();
    Q_EMIT infoTextChanged(m_infoText);
}
