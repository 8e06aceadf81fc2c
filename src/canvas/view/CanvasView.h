#pragma once

#include "commands/CommandTarget.h"
#include "canvas/editing/CanvasGeometry.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/DrawingGesture.h"
#include "canvas/editing/PageDocument.h"
#include "canvas/editing/PhotoAreaSelection.h"
#include "canvas/editing/ObjectDrag.h"
#include "canvas/view/CanvasStyleCommands.h"

#include <QAbstractScrollArea>

class InPlaceTextEditing;
class InPlaceTextEditor;
class ObjectKindCommands;
class PageOutput;
class PhotoObject;
class QAction;
class QMenu;

// The Edit Center's page: paints the objects over the page outline, zooms and scrolls,
// draws new objects with the tools, and turns clicks, drags and keys into editing
// commands on its model. Its document reads and writes what it shows.
class CanvasView : public QAbstractScrollArea, public CommandTarget, public PageContent
{
    Q_OBJECT

public:
    explicit CanvasView(QWidget* parent = nullptr);
    ~CanvasView() override;

    // The document whose title, path and changed flag the page keeps.
    void SetDocument(PageDocument* document);
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
    int Tool() const { return m_drawing.Tool(); }
    const DrawingStyle& Style() const { return m_drawing.Style(); }
    const PhotoAreaSelection& PhotoSelection() const { return m_photoSelection; }
    void SetPageSize(const QSize& size) override;
    QPoint RightClickPoint() const { return m_rightClick; }
    // Page units to window pixels at the present zoom, scroll and window size.
    CanvasGeometry::ViewMapping Mapping() const;
    // The page in page units: what the outline shows and what pictures of the page hold.
    PageRect PageFrameRect() const { return PageFrame::Of(m_page); }
    QPoint PageOutlineOrigin() const { return {PageFrameRect().left, PageFrameRect().top}; }
    InPlaceTextEditor* Editor() const;
    // Where the font name and size commands read the text toolbar's boxes.
    void SetFontChoice(std::function<CanvasStyleCommands::FontChoice()> choice)
    {
        m_styles->SetFontChoice(std::move(choice));
    }

    // The child folder the library has selected: pasted pictures are saved there.
    void SetPhotoFolder(const QString& folder) { m_photoFolder = folder; }
    // The photo lists hand photos over through these two.
    void EditPhoto(const QString& path);
    void DropPhoto(const QString& path, const QPoint& globalPoint);

    // Opens a document from the library, asking first about unsaved changes.
    bool OpenDocumentFile(const QString& path);

    // What the document reads and writes.
    QSize PageSize() const override { return m_page; }
    const ObjectList& PageObjects() const override { return m_model.Objects(); }
    void ShowDocument(ObjectList objects, std::optional<QSize> pageSize) override;
    void ClearPage() override;
    QString PhotoFolder() const override { return m_photoFolder; }

    // The status line: the current photo's details.
    QString InfoText() const { return m_infoText; }
    // The context menu for the present selection, built afresh (tests read it).
    QMenu* BuildContextMenu();
    // Back to pointer mode: no tool, no photo selection, no half-drawn figure.
    void ResetToPointer();

Q_SIGNALS:
    void InfoTextChanged(const QString& text);
    void CommandStateChanged();
    void ZoomChanged(double zoom);
    // A text object became current: its face name and size for the text toolbar.
    void TextFontShown(const QString& faceName, int size);

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
    enum class Gesture { None, Drawing, Dragging, RubberBand, PhotoBand, PhotoFreehand };

    // Painting helpers.
    void PaintOverlays(QPainter& painter) const;
    void Invalidate() { viewport()->update(); }
    void InvalidatePage(const PageRect& rect);
    void UpdateScrollBars();
    void CentreOn(const QPoint& pagePoint);
    QPoint CentreForZoom(bool onCurrent) const;
    QPoint ToPage(const QPoint& window) const;

    // Mouse gestures.
    bool PressForInsertion(const QPoint& page);
    void PressInPointerMode(QMouseEvent* event, const QPoint& page);
    void PressForPhotoSelection(const QPoint& window);
    QRect BandRect() const;
    PageRect BandOnPage() const;
    void FinishRubberBand();
    void AddInsertedObject(std::unique_ptr<PageObject> object);
    void PlacePhotoAtActualSize(std::unique_ptr<PhotoObject> photo);

    void StartTool(int tool);
    void StartPhotoSelection(PhotoAreaSelection::Mode mode);
    void LoadTrackerFromCurrent();
    void Modified();
    void SelectionChanged();
    void ShowPhotoInfo(const PhotoObject& photo);
    void ShowInfo(const QString& text);
    // The current object's look changed: its frame, the page and the commands' states.
    void ObjectRestyled();

    // Commands.
    bool RunEditCommand(int id);
    bool RunPhotoCommand(int id);
    void RunFileCommand(int id);
    // A command of a registered object kind (the calendar's, the tuition statement's).
    bool RunKindCommand(ObjectKindCommands& kind, int id);
    void PasteClipboardPicture();
    void PutPictureOnClipboard();
    void EditTextInPlace(const QPoint& page);

    CanvasModel m_model;
    PageDocument* m_document = nullptr;
    std::function<QAction*(int)> m_actionSource;

    double m_zoom = 1.0;
    QSize m_page{CanvasGeometry::kDefaultPageWidth, CanvasGeometry::kDefaultPageHeight};
    DrawingGesture m_drawing;
    ObjectKindCommands* m_insertKind = nullptr;   // places its objects at the next click

    Gesture m_gesture = Gesture::None;
    QPoint m_bandFrom;              // window pixels
    QPoint m_bandTo;
    ObjectDrag m_drag;
    PhotoAreaSelection m_photoSelection;
    QPoint m_rightClick;

    QString m_photoFolder;
    // Asking the system clipboard can wait on another program; it tells us of changes.
    bool m_clipboardHasImage = false;
    InPlaceTextEditing* m_textEditing = nullptr;
    std::unique_ptr<PageOutput> m_output;
    std::unique_ptr<CanvasStyleCommands> m_styles;
    QString m_infoText;
};
