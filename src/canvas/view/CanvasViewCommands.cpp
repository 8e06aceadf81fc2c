// The commands of the canvas: what each id does, the context menu, the object kinds'
// tools and commands, photos handed over by the photo lists, the system clipboard, the
// in-place text editor and the document's file commands.
#include "canvas/view/CanvasView.h"

#include "canvas/editing/CanvasCommands.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "canvas/editing/PagePictures.h"
#include "canvas/editing/PhotoCommands.h"
#include "canvas/editing/PhotoPlacement.h"
#include "canvas/editing/StyleCommands.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/InPlaceTextEditing.h"
#include "canvas/view/PageOutput.h"
#include "canvas/view/PhotoDialogCommands.h"
#include "canvas/view/StarPointsDialog.h"
#include "commands/CommandIds.h"
#include "commands/ZoomSlider.h"
#include "platform/UserPrompt.h"
#include "settings/ProgramState.h"
#include "widgets/CommandMenu.h"
#include "widgets/ModalRunner.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

using namespace CanvasGeometry;

void CanvasView::ZoomFromSlider(int position)
{
    SetZoom(ZoomSlider::PageZoomAt(position), CentreForZoom(true));
}

// ---- enable rules ---------------------------------------------------------------------

CommandState CanvasView::UpdateCommand(int id) const
{
    if (PhotoDialogCommands::Handles(id))
        return PhotoDialogCommands::StateOf(id, m_model);
    if (const ObjectKindCommands* kind = ObjectKinds::Owning(id)) {
        if (id == kind->InsertCommand())
            return CommandState::Enabled(true);
        return kind->Update(id, m_model.Current());
    }
    if (StyleCommands::Handles(id))
        return m_styles->StateOf(id);
    return CanvasCommands::StateOf(id, {m_model, m_photoSelection, m_clipboardHasImage});
}

// ---- commands -------------------------------------------------------------------------

bool CanvasView::OnCommand(int id)
{
    using namespace Cmd;
    if (!UpdateCommand(id).handled)
        return false;
    // Whatever is being typed in place belongs to the page before any command runs.
    m_textEditing->Commit();
    if (PhotoDialogCommands::Handles(id)) {
        PhotoDialogCommands::Run(id, m_model, this, [this] {
            LoadTrackerFromCurrent();
            Invalidate();
        });
        LoadTrackerFromCurrent();
        SelectionChanged();
        return true;
    }
    if (PhotoCommands::Handles(id))
        return RunPhotoCommand(id);
    if (const int tool = DrawingTool::OfCommand(id); tool != DrawingTool::None) {
        StartTool(tool);
        if (tool == DrawingTool::Star) {
            StarPointsDialog dialog(m_drawing.Style().starPoints, this);
            if (RunModal(dialog) == QDialog::Accepted)
                m_drawing.Style().starPoints = DrawingTool::ClampedStarPoints(dialog.Points());
        }
        return true;
    }
    if (ObjectKindCommands* kind = ObjectKinds::Owning(id); kind && id != kind->InsertCommand())
        return RunKindCommand(*kind, id);
    if (StyleCommands::Handles(id)) {
        m_styles->Run(id);
        ObjectRestyled();
        return true;
    }
    const bool done = RunEditCommand(id);
    Invalidate();
    Q_EMIT CommandStateChanged();
    return done;
}

bool CanvasView::RunPhotoCommand(int id)
{
    if (PhotoCommands::Run(id, m_model, m_photoSelection)) {
        if (const auto* photo = dynamic_cast<const PhotoObject*>(m_model.Current()))
            ShowPhotoInfo(*photo);
    }
    if (id == Cmd::Crop || id == Cmd::Trim)
        ResetToPointer();
    LoadTrackerFromCurrent();
    Invalidate();
    Q_EMIT CommandStateChanged();
    return true;
}

bool CanvasView::RunEditCommand(int id)
{
    using namespace Cmd;
    if (ObjectKindCommands* kind = ObjectKinds::Owning(id); kind && id == kind->InsertCommand()) {
        ResetToPointer();
        m_insertKind = kind;
        return true;
    }
    if (CanvasCommands::IsFileCommand(id)) {
        RunFileCommand(id);
        return true;
    }
    switch (id) {
    case CanvasZoomIn: SetZoom(ZoomSlider::FactorIn(m_zoom), CentreForZoom(true)); return true;
    case CanvasZoomOut:
        SetZoom(ZoomSlider::FactorOut(m_zoom), CentreForZoom(true));
        return true;
    case CanvasZoom100: SetZoom(1.0, CentreForZoom(false)); return true;
    case Deselection:
        // Disarms everything, the one-shot insertions too.
        m_insertKind = nullptr;
        ResetToPointer();
        return true;
    case DeleteObjects:
        if (m_photoSelection.HasArea() && m_model.Current() == m_photoSelection.photo) {
            PhotoCommands::EraseSelection(m_model, m_photoSelection);
            ResetToPointer();
        } else {
            m_model.DeleteSelected();
        }
        break;
    case ApplyImageFromClipboard: PasteClipboardPicture(); break;
    case CopyAsPicture: PutPictureOnClipboard(); break;
    case RectangleSelection: StartPhotoSelection(PhotoAreaSelection::Rectangle); break;
    case FreehandSelection: StartPhotoSelection(PhotoAreaSelection::Freehand); break;
    case EllipseSelection: StartPhotoSelection(PhotoAreaSelection::Ellipse); break;
    default:
        if (!CanvasCommands::RunOnModel(id, m_model, m_rightClick))
            return false;
        // The marked part of a photo may be gone with the undone or redone step.
        if (id == Undo || id == Redo)
            m_photoSelection.Clear();
        break;
    }
    LoadTrackerFromCurrent();
    SelectionChanged();
    return true;
}

bool CanvasView::RunKindCommand(ObjectKindCommands& kind, int id)
{
    PageObject* current = m_model.Current();
    if (!current || current->m_nType != kind.Type())
        return false;
    const auto renderPage = [this](const QString& path, QString* error) {
        return PagePictures::WriteFile(m_model, PageFrameRect(), path, false, error);
    };
    const KindCommandContext canvas{this, m_model, renderPage};
    kind.Run(id, *current, canvas);
    LoadTrackerFromCurrent();
    Invalidate();
    Q_EMIT CommandStateChanged();
    return true;
}

// ---- context menu ---------------------------------------------------------------------

QMenu* CanvasView::BuildContextMenu()
{
    const CanvasCommands::ContextMenu plan = CanvasCommands::MenuFor(m_model);
    const PageObject* current = m_model.Current();
    const ObjectKindCommands* kind = current ? ObjectKinds::OfType(current->m_nType) : nullptr;
    const auto submenuOf = [kind](int id) {
        const QString own = kind ? kind->SubmenuOf(id) : QString();
        return own.isEmpty() ? CanvasCommands::SubmenuOf(id) : own;
    };
    return CommandMenu::Build(plan.name, plan.ids, this, m_actionSource, *this, submenuOf);
}

// ---- photos from the photo lists ------------------------------------------------------

void CanvasView::EditPhoto(const QString& path)
{
    std::unique_ptr<PhotoObject> photo = PhotoPlacement::Read(path);
    if (!photo)
        return;
    photo->m_rect = PhotoPlacement::CentredInWindow(photo->ShownImage().size(),
                                                    viewport()->size(), Mapping().shift);
    PlacePhotoAtActualSize(std::move(photo));
}

void CanvasView::PlacePhotoAtActualSize(std::unique_ptr<PhotoObject> photo)
{
    m_zoom = 1.0;
    PhotoObject* added = photo.get();
    AddInsertedObject(std::move(photo));
    UpdateScrollBars();
    ShowPhotoInfo(*added);
    Q_EMIT ZoomChanged(m_zoom);
}

void CanvasView::DropPhoto(const QString& path, const QPoint& globalPoint)
{
    const QPoint page = ToPage(viewport()->mapFromGlobal(globalPoint));
    const PhotoPlacement::Drop drop = PhotoPlacement::OntoObjects(m_model, page, path);
    if (drop == PhotoPlacement::Drop::Filled)
        Invalidate();
    if (drop != PhotoPlacement::Drop::Place)
        return;
    std::unique_ptr<PhotoObject> photo = PhotoPlacement::Read(path);
    if (!photo)
        return;
    const QSize size = photo->ShownImage().size();
    photo->m_rect = {page.x(), page.y(), page.x() + size.width(), page.y() + size.height()};
    PlacePhotoAtActualSize(std::move(photo));
}

// ---- system clipboard -----------------------------------------------------------------

void CanvasView::PasteClipboardPicture()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QImage image = data && data->hasImage() ? qvariant_cast<QImage>(data->imageData())
                                                  : QImage();
    if (image.isNull())
        return;
    const QString folder = m_photoFolder.isEmpty() ? Program().picturesRoot : m_photoFolder;
    QString path;
    QString error;
    if (!PagePictures::SavePasted(image, folder, path, &error)) {
        Prompt().Warn(QStringLiteral("The picture could not be saved as %1: %2").arg(path, error));
        return;
    }
    AddInsertedObject(PhotoPlacement::Pasted(path, m_rightClick, image.size()));
}

void CanvasView::PutPictureOnClipboard()
{
    const QImage picture = PagePictures::OfSelection(m_model, 2);
    if (!picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

// ---- in-place text editing ------------------------------------------------------------

InPlaceTextEditor* CanvasView::Editor() const
{
    return m_textEditing->Editor();
}

void CanvasView::EditTextInPlace(const QPoint& page)
{
    if (m_textEditing->OpenAt(page, Mapping()))
        SelectionChanged();
}

// ---- documents ------------------------------------------------------------------------

void CanvasView::RunFileCommand(int id)
{
    using namespace Cmd;
    const QString title =
        m_document ? m_document->Title() : QString::fromLatin1(PageDocument::kUntitled);
    switch (id) {
    case FilePrint:
    case FilePrintDirect: m_output->Print(PageFrameRect(), title); return;
    case FilePrintPreview: m_output->Preview(PageFrameRect(), title); return;
    case SaveAsImage:
    case SaveAsImageAlt:
        if (const QString written = m_output->SaveAsImage(PageFrameRect()); !written.isEmpty())
            ShowInfo(written);
        return;
    default: break;
    }
    if (!m_document)
        return;
    switch (id) {
    case FileNew: m_document->New(); break;
    case FileOpen: m_document->Open(); break;
    case FilePageSetup: m_output->SetUpPage(*m_document, m_page); break;
    case FileExportPdf:
        if (const QString written = m_output->ExportPdf(*m_document, PageFrameRect());
            !written.isEmpty())
            ShowInfo(written);
        break;
    default: m_document->Save(id == FileSaveAs); break;
    }
}

bool CanvasView::OpenDocumentFile(const QString& path)
{
    m_textEditing->Commit();
    return m_document && m_document->OpenFile(path);
}

void CanvasView::ShowDocument(ObjectList objects, std::optional<QSize> pageSize)
{
    ResetToPointer();
    m_textEditing->Close();
    if (pageSize)
        SetPageSize(*pageSize);
    m_model.ReplaceObjects(std::move(objects));
    m_drag.ClearFrame();
    ShowInfo(QString());   // what was said about the old page's photo no longer holds
    SelectionChanged();
}

void CanvasView::ClearPage()
{
    ResetToPointer();
    m_textEditing->Close();
    m_model.ReplaceObjects({});
    m_drawing.Style() = DrawingStyle();
    m_drag.ClearFrame();
    ShowInfo(QString());   // what was said about the old page's photo no longer holds
    SelectionChanged();
}
