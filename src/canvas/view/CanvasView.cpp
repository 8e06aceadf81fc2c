#include "canvas/view/CanvasView.h"

#include "canvas/editing/CanvasCommands.h"
#include "canvas/editing/CanvasOverlays.h"
#include "canvas/editing/CanvasPainter.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/CalendarOnCanvas.h"
#include "canvas/view/InPlaceTextEditing.h"
#include "canvas/view/PageOutput.h"
#include "canvas/view/TextOnCanvas.h"
#include "commands/CommandIds.h"
#include "photos/PhotoDrag.h"
#include "platform/UserPrompt.h"
#include "settings/ProgramState.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

using namespace CanvasGeometry;

namespace {

constexpr int kWheelLines = 3;
constexpr int kScrollLine = 16;

bool ModifierHeld(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

CanvasView::CanvasView(QWidget* parent)
    : QAbstractScrollArea(parent), m_drag(m_model)
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
        Q_EMIT CommandStateChanged();
    };
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, readClipboard);
    readClipboard();
    UpdateScrollBars();
    m_textEditing = new InPlaceTextEditing(m_model, viewport());
    m_output = std::make_unique<PageOutput>(*this, m_model);
    const auto actionOf = [this](int id) { return m_actionSource ? m_actionSource(id) : nullptr; };
    m_styles = std::make_unique<CanvasStyleCommands>(CanvasStyleCommands::Context{
        *this, m_model, m_drawing.Style(), actionOf, [this] { ObjectRestyled(); }});
    connect(m_textEditing, &InPlaceTextEditing::TextChanged, this,
            &CanvasView::CommandStateChanged);
    connect(m_textEditing, &InPlaceTextEditing::Closed, this, [this] { Invalidate(); });
    RegisterCalendarOnCanvas();
    RegisterTextOnCanvas();
}

CanvasView::~CanvasView()
{
    if (m_document)
        m_document->SetContent(nullptr);
}

void CanvasView::SetDocument(PageDocument* document)
{
    m_document = document;
    if (m_document)
        m_document->SetContent(this);
}

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
    m_drag.ClearFrame();
    setUpdatesEnabled(false);
    m_zoom = zoom;
    UpdateScrollBars();
    CentreOn(centrePagePoint);
    setUpdatesEnabled(true);
    Invalidate();
    Q_EMIT ZoomChanged(m_zoom);
}

void CanvasView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    // The page and everything on it move with the outline.
    LoadTrackerFromCurrent();
    m_textEditing->Follow(Mapping());
    Invalidate();
}

void CanvasView::scrollContentsBy(int, int)
{
    m_textEditing->Commit();
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
    CanvasOverlays::PaintSelectionFrames(painter, mapping, m_model.Selected());
    if (m_gesture == Gesture::Drawing || m_drawing.PolylineUnderWay())
        m_drawing.PaintFeedback(painter, mapping);
    CanvasOverlays::PaintPhotoSelection(painter, mapping, m_photoSelection);
    if (m_gesture == Gesture::Dragging)
        m_drag.Frame().Paint(painter, true);
    if (m_gesture == Gesture::RubberBand || m_gesture == Gesture::PhotoBand) {
        SelectionHandles band;
        band.SetRect(BandRect());
        band.Paint(painter, true);
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
        if (under && !under->m_bSelected && !m_drawing.IsArmed()) {
            m_model.Click(QPointF(page), false, false);
            LoadTrackerFromCurrent();
            SelectionChanged();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    if (m_drawing.IsArmed()) {
        m_gesture = Gesture::Drawing;
        m_drawing.Press(page);
    } else if (PressForInsertion(page))
        return;
    else if (m_photoSelection.active)
        PressForPhotoSelection(window);
    else
        PressInPointerMode(event, page);
}

bool CanvasView::PressForInsertion(const QPoint& page)
{
    if (m_insertKind) {
        for (auto& object : std::exchange(m_insertKind, nullptr)->Place(page, this))
            AddInsertedObject(std::move(object));
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
                       && m_drag.Frame().OnHandle(window);
    const bool hit = m_model.Click(QPointF(page), modifier, onHandle);
    SelectionChanged();

    if (m_model.SelectedCount() > 1) {
        if (hit && !modifier) {
            m_drag.StartOnSelection(window, Mapping());
            m_gesture = Gesture::Dragging;
        }
        return;
    }
    if (!hit) {
        m_drag.ClearFrame();
        if (!modifier) {
            m_gesture = Gesture::RubberBand;
            m_bandFrom = m_bandTo = window;
        }
        return;
    }
    if (!m_model.Current())
        return;
    m_drag.StartOnCurrent(window, Mapping());
    m_gesture = Gesture::Dragging;
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
        m_drawing.MoveTo(page, true, leftDown);
        Invalidate();
        break;
    case Gesture::Dragging:
        viewport()->update(m_drag.FollowMouse(window, Mapping(), viewport()->rect()));
        break;
    case Gesture::RubberBand:
    case Gesture::PhotoBand: {
        const QRect before = BandRect();
        m_bandTo = window;
        viewport()->update(before.united(BandRect()).adjusted(-2, -2, 2, 2));
        break;
    }
    case Gesture::PhotoFreehand:
        m_photoSelection.AddFreehandPoint(m_model.Objects(), page);
        Invalidate();
        break;
    case Gesture::None:
        if (m_drawing.MoveTo(page, false, leftDown))
            Invalidate();
        if (m_drawing.IsArmed()) {
            viewport()->setCursor(Qt::CrossCursor);
        } else if (m_model.Current() && m_model.Current()->m_bSelected
                   && !m_model.IsMultiSelection()) {
            LoadTrackerFromCurrent();
            const SelectionHandles& frame = m_drag.Frame();
            viewport()->setCursor(frame.CursorFor(frame.HitTest(window)));
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
        if (m_drawing.Tool() != DrawingTool::Polyline) {
            AddInsertedObject(m_drawing.Release(page));
            ResetToPointer();
        } else {
            m_drawing.Release(page);
        }
        break;
    case Gesture::Dragging:
        if (m_drag.Finish(Mapping()))
            SelectionChanged();
        break;
    case Gesture::RubberBand: FinishRubberBand(); break;
    case Gesture::PhotoBand:
        if (BandOnPage().IsEmpty())
            ResetToPointer();
        else
            m_photoSelection.SelectBand(m_model.Objects(), BandOnPage());
        break;
    case Gesture::PhotoFreehand: m_photoSelection.CloseFreehand(); break;
    case Gesture::None: break;
    }
    Invalidate();
    Q_EMIT CommandStateChanged();
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint page = ToPage(event->position().toPoint());
    if (m_drawing.Tool() == DrawingTool::Polyline) {
        AddInsertedObject(m_drawing.FinishPolyline());
        ResetToPointer();
        return;
    }
    if (!m_drawing.IsArmed() && !m_photoSelection.active)
        EditTextInPlace(page);
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

void CanvasView::LoadTrackerFromCurrent()
{
    m_drag.FrameCurrent(Mapping());
}

void CanvasView::ResetToPointer()
{
    m_photoSelection.Clear();
    m_gesture = Gesture::None;
    m_drawing.Disarm();
    m_model.SetMultiSelection(m_model.SelectedCount() > 1 && m_model.IsMultiSelection());
    viewport()->setCursor(Qt::ArrowCursor);
    Invalidate();
}

void CanvasView::StartTool(int tool)
{
    ResetToPointer();
    m_drawing.Arm(tool);
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
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->key() == Qt::Key_Delete) {
        OnCommand(Cmd::DeleteObjects);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        if (m_gesture != Gesture::Dragging) {
            OnCommand(Cmd::Deselection);
            return;
        }
        m_drag.Cancel();
        m_gesture = Gesture::None;
        LoadTrackerFromCurrent();
        Invalidate();
        return;
    }
    if (const QPoint step = CanvasCommands::ArrowStep(event->key()); !step.isNull()) {
        if (ModifierHeld(event->modifiers()))
            m_model.SizeStep(step.x(), step.y());
        else
            m_model.Nudge(step.x(), step.y());
        LoadTrackerFromCurrent();
        Invalidate();
        Q_EMIT CommandStateChanged();
        return;
    }
    const int id = CanvasCommands::CommandOfKey(event->key(), control);
    if (id == CanvasCommands::kSelectAll) {
        m_model.SelectAll();
        SelectionChanged();
    } else if (id != CanvasCommands::kNoCommand) {
        if (UpdateCommand(id).enabled)
            OnCommand(id);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
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
    if (const QString document = PhotoDrag::DocumentIn(event->mimeData()); !document.isEmpty()) {
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
    if (const auto* text = dynamic_cast<const TextObject*>(m_model.Current()))
        Q_EMIT TextFontShown(text->m_strFontName, text->m_nFontSize);
    Invalidate();
    Q_EMIT CommandStateChanged();
}

void CanvasView::ObjectRestyled()
{
    LoadTrackerFromCurrent();
    SelectionChanged();
}

void CanvasView::ShowPhotoInfo(const PhotoObject& photo)
{
    ShowInfo(photo.InfoText());
}

void CanvasView::ShowInfo(const QString& text)
{
    m_infoText = text;
    Q_EMIT InfoTextChanged(m_infoText);
}
