#pragma once

#include "commands/CommandTarget.h"
#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/DrawingTools.h"
#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/view/InPlaceTextEditor.h"
#include "canvas/view/SelectionHandles.h"

#include <QAbstractScrollArea>
#include <QPointer>

class ObjectKindCommands;
class PhotoObject;
class TextObject;
class PageDocument;
class QAction;
class QMenu;

// The Edit Center's page: paints the objects over the page outline, zooms and scrolls,
// draws new objects with the tools, and turns clicks, drags and keys into editing
// commands on its model.
class CanvasView : public QAbstractScrollArea, public CommandTarget
{
    Q_OBJECT

public:
    explicit CanvasView(QWidget* parent = nullptr);
    ~CanvasView() override;

    // The document whose title, path and changed flag the page keeps.
    void SetDocument(PageDocument* document) { m_document = document; }
    PageDocument* Document() const { return m_document; }
    // Where the context menu takes its actions from; without one it makes its own.
    void SetActionSource(std::function<QAction*(int)> source)
    {
        m_actionSource = std::move(source);
    }

    bool OnCommand(int id) override;
    CommandState UpdateCommand(int id) const override;

    CanvasModel& Model() { return m_model; }
    const CanvasModel& Model() const { return m_model; }
    double Zoom() const { return m_zoom; }
    void SetZoom(double zoom, const QPoint& centrePagePoint);
    // The status bar slider, 0 to 200 with 100 for actual size.
    void ZoomFromSlider(int position);
    int Tool() const { return m_tool; }
    const DrawingStyle& Style() const { return m_style; }
    const PhotoAreaSelection& PhotoSelection() const { return m_photoSelection; }
    QSize PageSize() const { return m_page; }
    void SetPageSize(const QSize& size);
    QPoint RightClickPoint() const { return m_rightClick; }
    // Page units to window pixels at the present zoom, scroll and window size.
    CanvasGeometry::ViewMapping Mapping() const;
    // The page in page units: what the outline shows and what pictures of the page hold.
    PageRect PageFrameRect() const { return PageFrame::Of(m_page); }
    QPoint PageOutlineOrigin() const { return {PageFrameRect().left, PageFrameRect().top}; }
    InPlaceTextEditor* Editor() const { return m_editor; }

    // The child folder the library has selected: pasted pictures are saved there.
    void SetPhotoFolder(const QString& folder) { m_photoFolder = folder; }
    // The photo lists hand photos over through these two.
    void EditPhoto(const QString& path);
    void DropPhoto(const QString& path, const QPoint& globalPoint);

    // Opens a document from the library, asking first about unsaved changes.
    bool OpenDocumentFile(const QString& path);
    // Reading and writing the page. Reading says what is wrong with a file; one that
    // cannot be read leaves the page as it was.
    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path);
    // Empties the page for a new document with a fresh history; the clipboard stays.
    void ClearPage();
    // Writes the page (every object) or the selected objects to a picture file, one page
    // unit per pixel on white; the path's extension chooses the format. False (and
    // *error set) when nothing was written.
    bool RenderToImageFile(const QString& path, bool selectedOnly, QString* error = nullptr);

    // The status line: the current photo's details.
    QString InfoText() const { return m_infoText; }
    // The context menu for the present selection, built afresh (tests read it).
    QMenu* BuildContextMenu();
    // Back to pointer mode: no tool, no photo selection, no half-drawn figure.
    void ResetToPointer();

Q_SIGNALS:
    void infoTextChanged(const QString& text);
    void commandStateChanged();
    void zoomChanged(double zoom);
    // A text object became current: its face name and size for the text toolbar.
    void textFontShown(const QString& faceName, int size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Gesture { None, Drawing, Tracking, GroupMove, RubberBand, PhotoBand, PhotoFreehand };

    // Painting helpers.
    void PaintOverlays(QPainter& painter) const;
    void PaintFeedback(QPainter& painter) const;
    void PaintPhotoSelection(QPainter& painter) const;
    void Invalidate() { viewport()->update(); }
    void InvalidatePage(const PageRect& rect);
    void UpdateScrollBars();
    void CentreOn(const QPoint& pagePoint);
    QPoint CentreForZoom(bool onCurrent) const;
    QPoint ToPage(const QPoint& window) const;

    // Mouse gestures.
    void PressWithTool(const QPoint& page);
    bool PressForInsertion(const QPoint& page);
    void PressInPointerMode(QMouseEvent* event, const QPoint& page);
    void PressForPhotoSelection(const QPoint& window);
    void FinishDrawing(const QPoint& page);
    void FinishTracking();
    // Objects dragged by their body follow the mouse until the button is released.
    QPoint DragOffset() const;
    void StartLiveMoves();
    void UndoLiveMoves();
    void CancelDrag();
    QRect BandRect() const;
    PageRect BandOnPage() const;
    void FinishRubberBand();
    void FinishPhotoBand();
    void FinishFreehandSelection();
    void AddInsertedObject(std::unique_ptr<PageObject> object);
    // A photo read from its file, or null when it cannot be read (the user is told).
    std::unique_ptr<PhotoObject> ReadPhoto(const QString& path) const;
    void PlacePhotoAtActualSize(std::unique_ptr<PhotoObject> photo);

    // One-shot insertions.
    bool InsertTextAt(const QPoint& at);
    bool InsertCalendars(const QPoint& at);

    void StartTool(int tool);
    void StartPhotoSelection(PhotoAreaSelection::Mode mode);
    void LoadTrackerFromCurrent();
    void Modified();
    void SelectionChanged();
    void ShowPhotoInfo(const PhotoObject& photo);

    // Commands.
    bool RunEditCommand(int id);
    bool RunCalendarCommand(int id);
    // A command of a kind another room registered (the tuition statement's).
    bool RunKindCommand(ObjectKindCommands& kind, int id);
    void PasteClipboardPicture();
    void PutPictureOnClipboard();
    void EditTextInPlace(const QPoint& page);
    // The text object the in-place editor is writing into, if it is still on the page.
    TextObject* EditedText() const;
    void CommitEditor(const QString& text);
    void CloseEditor();
    void EditTextArt();

    // Documents.
    bool SaveDocument(bool askForName);
    void OpenDocument();
    // The question about unsaved changes: false when the user cancelled (or the save did).
    bool MaySetPageAside();
    bool ReadDocument(const QString& path);
    void NewDocument();
    QString SaveFolder() const;

    CanvasModel m_model;
    PageDocument* m_document = nullptr;
    std::function<QAction*(int)> m_actionSource;

    double m_zoom = 1.0;
    QSize m_page{CanvasGeometry::kDefaultPageWidth, CanvasGeometry::kDefaultPageHeight};
    DrawingStyle m_style;
    int m_tool = DrawingTool::None;
    bool m_insertText = false;
    bool m_insertCalendar = false;
    ObjectKindCommands* m_insertKind = nullptr;   // places its object at the next click

    Gesture m_gesture = Gesture::None;
    QPoint m_start;                 // page units
    QPoint m_last;                  // page units
    VertexBuffer m_vertices;
    QPoint m_bandFrom;              // window pixels
    QPoint m_bandTo;
    SelectionHandles m_tracker;
    std::vector<std::pair<PageObject*, PageRect>> m_liveMoves;
    PhotoAreaSelection m_photoSelection;
    QPoint m_rightClick;

    QString m_photoFolder;
    // Asking the system clipboard can wait on another program; it tells us of changes.
    bool m_clipboardHasImage = false;
    QPointer<InPlaceTextEditor> m_editor;
    QString m_editedIdentity;
    QString m_infoText;
};
