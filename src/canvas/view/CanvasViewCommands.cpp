// The commands of the canvas: what each id does, when it is enabled, the context menu,
// one-shot insertions, photos handed over by the photo lists, the system clipboard,
// the in-place text editor and reading and writing documents.
#include "canvas/view/CanvasView.h"


#include "commands/CommandCatalog.h"
#include "commands/CommandIds.h"
#include "settings/ProgramState.h"
#include "settings/SettingsKeys.h"
#include "canvas/editing/PageDocument.h"
#include "commands/ZoomSlider.h"
#include "canvas/editing/CanvasPainter.h"
#include "canvas/editing/PhotoCommands.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CalendarOptionSet.h"
#include "canvas/objects/CalendarSettings.h"
#include "canvas/objects/FillStyles.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/TextObject.h"
#include "canvas/view/CalendarDialog.h"
#include "canvas/view/CalendarFontDialog.h"
#include "canvas/view/CalendarLanguageDialog.h"
#include "canvas/view/CalendarOptionsDialog.h"
#include "canvas/view/InPlaceTextEditor.h"
#include "canvas/view/PublicHolidaysDialog.h"
#include "canvas/view/StarPointsDialog.h"
#include "canvas/view/TextArtDialog.h"
#include "canvas/view/TextDialog.h"
#include "canvas/editing/ObjectKindCommands.h"
#include "widgets/BusyCursor.h"
#include "widgets/CommandMenu.h"
#include "platform/Clock.h"
#include "platform/ImageFiles.h"
#include "widgets/ModalRunner.h"
#include "platform/UserPrompt.h"
#include "platform/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <cmath>

using namespace CanvasGeometry;

namespace {

constexpr const char* kDocumentFilter = "WRN File (*.wrn)";

bool IsType(const PageObject* object, int type)
{
    return object && object->m_nType == type;
}

// The canvas's enable rules beyond the photo commands.
bool IsDrawingCommand(int id)
{
    return DrawingTool::OfCommand(id) != DrawingTool::None || id == Cmd::InsertText
        || id == Cmd::InsertCalendar;
}

double ZoomOfSlider(int position)
{
    // 100 is actual size; the ends are the smallest and largest zooms.
    if (position >= 100)
        return 1.0 + (position - 100) / 100.0 * (kMaxZoom - 1.0);
    return 0.125 + position / 100.0 * (1.0 - 0.125);
}

// "pastedbitmap_N.bmp" in the folder, the first N from `index` on that names no file.
QString FreePastedBitmapPath(const QString& folder, int& index)
{
    const QDir dir(folder);
    QString path;
    do {
        path = dir.filePath(QStringLiteral("pastedbitmap_%1.bmp").arg(index));
        ++index;
    } while (QFileInfo::exists(path));
    return path;
}

} // namespace

void CanvasView::ZoomFromSlider(int position)
{
    SetZoom(ZoomOfSlider(position), CentreForZoom(true));
}

// ---- enable rules ---------------------------------------------------------------------

CommandState CanvasView::UpdateCommand(int id) const
{
    using namespace Cmd;
    const PageObject* current = m_model.Current();
    const int selected = m_model.SelectedCount();
    const auto enabled = [](bool on) { return CommandState::Enabled(on); };

    if (PhotoCommands::Handles(id))
        return enabled(PhotoCommands::IsEnabled(id, m_model, m_photoSelection));
    if (IsDrawingCommand(id))
        return enabled(true);
    if (id >= CalendarFont && id <= CalendarNextYear)
        return enabled(IsType(current, ObjectType::Calendar));
    if (const ObjectKindCommands* kind = ObjectKinds::Owning(id))
        return id == kind->InsertCommand() ? enabled(true) : kind->Update(id, current);

    switch (id) {
    case FileNew:
    case FileOpen:
    case FileSave:
    case FileSaveAs:
    case CanvasZoomIn:
    case CanvasZoomOut:
    case CanvasZoom100:
    case Deselection:
        return enabled(true);
    case Undo: return enabled(m_model.History().CanUndo());
    case Redo: return enabled(m_model.History().CanRedo());
    case CopyObjects:
    case CopyAsPicture:
    case LockObject:
    case UnlockObject:
        return enabled(selected > 0);
    case Cut: return enabled(selected > 0 && current);
    case DeleteObjects: return enabled(selected > 0 || current || m_photoSelection.HasArea());
    case PasteObjects: return enabled(!m_model.Clipboard().empty());
    case ApplyImageFromClipboard: return enabled(m_clipboardHasImage);
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
        return enabled(current && m_model.Objects().size() > 1 && selected > 1);
    case RectangleSelection:
    case FreehandSelection:
    case EllipseSelection: {
        const auto* photo = dynamic_cast<const PhotoObject*>(current);
        return enabled(photo && photo->HasDecodedBitmap());
    }
    case TextArt: return enabled(IsType(current, ObjectType::Text));
    default: return {};
    }
}

// ---- commands -------------------------------------------------------------------------

bool CanvasView::OnCommand(int id)
{
    using namespace Cmd;
    if (!UpdateCommand(id).handled)
        return false;
    // Whatever is being typed in place belongs to the page before any command runs.
    if (m_editor)
        CommitEditor(m_editor->toPlainText());
    if (PhotoCommands::Handles(id)) {
        if (PhotoCommands::Run(id, m_model, m_photoSelection)) {
            if (const auto* photo = dynamic_cast<const PhotoObject*>(m_model.Current()))
                ShowPhotoInfo(*photo);
        }
        if (id == Crop || id == Trim)
            ResetToPointer();
        LoadTrackerFromCurrent();
        Invalidate();
        Q_EMIT commandStateChanged();
        return true;
    }
    if (const int tool = DrawingTool::OfCommand(id); tool != DrawingTool::None) {
        StartTool(tool);
        if (tool == DrawingTool::Star) {
            StarPointsDialog dialog(m_style.starPoints, this);
            if (RunModal(dialog) == QDialog::Accepted)
                m_style.starPoints = DrawingTool::ClampedStarPoints(dialog.Points());
        }
        return true;
    }
    if (id >= CalendarFont && id <= CalendarNextYear)
        return RunCalendarCommand(id);
    if (ObjectKindCommands* kind = ObjectKinds::Owning(id); kind && id != kind->InsertCommand())
        return RunKindCommand(*kind, id);
    const bool done = RunEditCommand(id);
    Invalidate();
    Q_EMIT commandStateChanged();
    return done;
}

bool CanvasView::RunEditCommand(int id)
{
    using namespace Cmd;
    if (ObjectKindCommands* kind = ObjectKinds::Owning(id); kind && id == kind->InsertCommand()) {
        ResetToPointer();
        m_insertKind = kind;
        return true;
    }
    switch (id) {
    case FileNew: NewDocument(); return true;
    case FileOpen: OpenDocument(); return true;
    case FileSave: SaveDocument(false); return true;
    case FileSaveAs: SaveDocument(true); return true;
    case CanvasZoomIn: SetZoom(ZoomSlider::FactorIn(m_zoom), CentreForZoom(true)); return true;
    case CanvasZoomOut:
        SetZoom(ZoomSlider::FactorOut(m_zoom), CentreForZoom(true));
        return true;
    case CanvasZoom100: SetZoom(1.0, CentreForZoom(false)); return true;
    case Deselection:
        // Disarms everything, the one-shot insertions too.
        m_insertText = m_insertCalendar = false;
        m_insertKind = nullptr;
        ResetToPointer();
        return true;
    case InsertText: ResetToPointer(); m_insertText = true; return true;
    case InsertCalendar: ResetToPointer(); m_insertCalendar = true; return true;
    case Undo: m_model.Undo(); m_photoSelection.Clear(); break;
    case Redo: m_model.Redo(); m_photoSelection.Clear(); break;
    case CopyObjects: m_model.Copy(); break;
    case Cut: m_model.Cut(); break;
    case PasteObjects: m_model.Paste(m_rightClick); break;
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
    case BringToFront: m_model.BringToFront(); break;
    case SendToBack: m_model.SendToBack(); break;
    case OneStepFront: m_model.OneStepFront(); break;
    case OneStepBack: m_model.OneStepBack(); break;
    case AlignBottom: m_model.Align(CanvasModel::Edge::Bottom); break;
    case AlignTop: m_model.Align(CanvasModel::Edge::Top); break;
    case AlignLeft: m_model.Align(CanvasModel::Edge::Left); break;
    case AlignRight: m_model.Align(CanvasModel::Edge::Right); break;
    case SameWidth: m_model.SameWidth(); break;
    case SameHeight: m_model.SameHeight(); break;
    case LockObject: m_model.SetLocked(true); break;
    case UnlockObject: m_model.SetLocked(false); break;
    case RectangleSelection: StartPhotoSelection(PhotoAreaSelection::Rectangle); break;
    case FreehandSelection: StartPhotoSelection(PhotoAreaSelection::Freehand); break;
    case EllipseSelection: StartPhotoSelection(PhotoAreaSelection::Ellipse); break;
    case TextArt: EditTextArt(); break;
    default: return false;
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
    const KindCommandContext canvas{this, m_model, [this](const QString& path, QString* error) {
                                        return RenderToImageFile(path, false, error);
                                    }};
    kind.Run(id, *current, canvas);
    Invalidate();
    Q_EMIT commandStateChanged();
    return true;
}

bool CanvasView::RunCalendarCommand(int id)
{
    using namespace Cmd;
    auto* calendar = dynamic_cast<CalendarObject*>(m_model.Current());
    if (!calendar)
        return false;
    const std::vector<PageObject*> calendars = m_model.ObjectsOfType(ObjectType::Calendar);
    const auto everyCalendar = [&](const std::function<void(CalendarObject&)>& change) {
        m_model.ModifyEach(calendars, [&](PageObject& object) {
            change(static_cast<CalendarObject&>(object));
        });
    };
    const auto setShape = [&](int shape) {
        everyCalendar([shape](CalendarObject& c) {
            CalendarLook look = CalendarLook::Of(c);
            look.shape = shape;
            look.ApplyTo(c);
        });
    };
    const auto thisCalendar = [&](const auto& choice) {
        m_model.Modify(*calendar, [&](PageObject&) {
            choice.ApplyTo(*calendar);
            return true;
        });
    };
    switch (id) {
    case CalendarFont: {
        CalendarFontDialog dialog(CalendarFonts::Of(*calendar), this);
        if (RunModal(dialog) == QDialog::Accepted)
            thisCalendar(dialog.Fonts());
        break;
    }
    case CalendarOptions: {
        CalendarOptionsDialog dialog(CalendarLook::Of(*calendar), this);
        if (RunModal(dialog) == QDialog::Accepted)
            thisCalendar(dialog.Look());
        break;
    }
    case CalendarLanguage: {
        CalendarLanguageDialog dialog(calendar->m_bOwnLanguage != 0, this);
        if (RunModal(dialog) != QDialog::Accepted)
            break;
        const bool own = dialog.UseOwnNames();
        const CalendarSettings names = CalendarSettings::Load(Settings());
        everyCalendar([&](CalendarObject& c) {
            names.CopyInto(c);
            if (&c == calendar)
                c.m_bOwnLanguage = own ? 1 : 0;
        });
        break;
    }
    case CalendarHolidays: {
        PublicHolidaysDialog dialog(this);
        if (RunModal(dialog) != QDialog::Accepted)
            break;
        const CalendarSettings settings = CalendarSettings::Load(Settings());
        everyCalendar([&](CalendarObject& c) { settings.CopyInto(c); });
        break;
    }
    case CalendarRectangle: setShape(CalendarShape::Rectangle); break;
    case CalendarRoundRectangle: setShape(CalendarShape::RoundRectangle); break;
    case CalendarTransparent: setShape(CalendarShape::Transparent); break;
    case CalendarNextYear: everyCalendar([](CalendarObject& c) { ++c.m_nYear; }); break;
    default:
        m_model.Modify(*calendar, [id](PageObject& object) {
            static_cast<CalendarObject&>(object).m_nMonth = id - CalendarJanuary + 1;
            return true;
        });
        break;
    }
    Invalidate();
    Q_EMIT commandStateChanged();
    return true;
}

void CanvasView::EditTextArt()
{
    auto* text = dynamic_cast<TextObject*>(m_model.Current());
    if (!text)
        return;
    TextArtDialog dialog(*text, this);
    if (RunModal(dialog) != QDialog::Accepted || !dialog.Choice())
        return;
    const TextArtChoice choice = *dialog.Choice();
    m_model.Modify(*text, [&](PageObject&) {
        choice.ApplyTo(*text);
        return true;
    });
}

// ---- context menu ---------------------------------------------------------------------

QMenu* CanvasView::BuildContextMenu()
{
    using namespace Cmd;
    constexpr int S = 0;
    const PageObject* current = m_model.Current();
    std::vector<int> ids;
    QString name;
    const std::vector<int> order{S, BringToFront, SendToBack, OneStepFront, OneStepBack, S,
                                 LockObject, UnlockObject};
    const auto add = [&](std::initializer_list<int> more) { ids.insert(ids.end(), more); };
    if (!current) {
        name = QStringLiteral("NoSelection");
        add({PasteObjects});
    } else if (m_model.SelectedCount() > 1) {
        name = QStringLiteral("MultiSelection");
        add({Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, S, AlignLeft,
             AlignRight, AlignTop, AlignBottom, SameWidth, SameHeight, S, LockObject,
             UnlockObject});
    } else if (current->m_nType == ObjectType::Photo) {
        name = QStringLiteral("ImageEdit");
        add({Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, S, RotateLeft,
             RotateRight, Mirror, Flip, S, Lighten, Darken, MoreContrast, LessContrast,
             MoreSaturation, LessSaturation, GrayScale, S, Blur, Soften, CircleFade, Beveled,
             TornEdge, InEllipse, InRoundRectangle, S, RectangleSelection, FreehandSelection,
             EllipseSelection, Crop, Trim, Deselection, S, ApplyTo});
        ids.insert(ids.end(), order.begin(), order.end());
    } else if (current->m_nType == ObjectType::Text) {
        name = QStringLiteral("Text");
        add({Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, S, TextArt,
             RotateLeft, RotateRight});
        ids.insert(ids.end(), order.begin(), order.end());
    } else if (current->m_nType == ObjectType::Calendar) {
        name = QStringLiteral("Calendar");
        add({CalendarFont, CalendarOptions, CalendarLanguage, CalendarHolidays, S,
             CalendarRectangle, CalendarRoundRectangle, CalendarTransparent, S});
        for (int month = CalendarJanuary; month <= CalendarDecember; ++month)
            ids.push_back(month);
        add({CalendarNextYear, S, DeleteObjects, CopyAsPicture});
        ids.insert(ids.end(), order.begin(), order.end());
    } else if (const ObjectKindCommands* kind = ObjectKinds::OfType(current->m_nType)) {
        name = kind->MenuName();
        const QList<int> commands = kind->MenuCommands();
        ids.insert(ids.end(), commands.begin(), commands.end());
        ids.insert(ids.end(), order.begin(), order.end());
    } else {
        name = QStringLiteral("DrawObject");
        add({Cut, CopyObjects, PasteObjects, DeleteObjects, CopyAsPicture, S, RotateLeft,
             RotateRight, Mirror, Flip});
        ids.insert(ids.end(), order.begin(), order.end());
    }

    auto* menu = new QMenu(this);
    menu->setObjectName(name);
    QMenu* months = nullptr;
    for (const int id : ids) {
        if (id == S) {
            menu->addSeparator();
            continue;
        }
        QAction* action = CommandMenu::ActionFor(id, *menu, m_actionSource, *this);
        if (id >= CalendarJanuary && id <= CalendarDecember) {
            if (!months)
                months = menu->addMenu(QStringLiteral("Change Month to"));
            months->addAction(action);
        } else {
            menu->addAction(action);
        }
    }
    return menu;
}

// ---- insertions -----------------------------------------------------------------------

bool CanvasView::InsertTextAt(const QPoint& at)
{
    TextDialog dialog(QString(), this);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    auto text = std::make_unique<TextObject>(PageRect{at.x(), at.y(), at.x() + 500, at.y() + 100},
                                              dialog.Text());
    AddInsertedObject(std::move(text));
    return true;
}

bool CanvasView::InsertCalendars(const QPoint& at)
{
    const CalendarOptionSet initial = CalendarOptionSet::StartingAt(Clock::TodayLocal());
    CalendarDialog dialog(initial, this);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    // The dialog may have changed the names and holidays: read them afterwards.
    const CalendarSettings settings = CalendarSettings::Load(Settings());
    for (auto& calendar : dialog.Options().MakeCalendars(at, settings))
        AddInsertedObject(std::move(calendar));
    return true;
}

// ---- photos from the photo lists ------------------------------------------------------

void CanvasView::EditPhoto(const QString& path)
{
    std::unique_ptr<PhotoObject> photo = ReadPhoto(path);
    if (!photo)
        return;
    const QSize picture = photo->ShownImage().size();
    const QSize client = viewport()->size();
    // Centred in the window's pixels taken as the unshifted scene, then shifted with it.
    const QPoint shift = Mapping().shift;
    const auto place = [](int clientSide, int pictureSide, std::int32_t& low, std::int32_t& high) {
        if (pictureSide < clientSide) {
            low = (clientSide - pictureSide) / 2;
            high = low + pictureSide;
        } else {
            low = 0;
            high = clientSide;
        }
    };
    place(client.width(), picture.width(), photo->m_rect.left, photo->m_rect.right);
    place(client.height(), picture.height(), photo->m_rect.top, photo->m_rect.bottom);
    photo->m_rect = Offset(photo->m_rect, -shift.x(), -shift.y());
    PlacePhotoAtActualSize(std::move(photo));
}

std::unique_ptr<PhotoObject> CanvasView::ReadPhoto(const QString& path) const
{
    if (path.isEmpty())
        return nullptr;
    auto photo = std::make_unique<PhotoObject>();
    photo->SetPath(path);
    photo->LoadPicture();
    if (!photo->HasPicture()) {
        Prompt().Warn(QStringLiteral("The photo %1 could not be read.").arg(path));
        return nullptr;
    }
    return photo;
}

void CanvasView::PlacePhotoAtActualSize(std::unique_ptr<PhotoObject> photo)
{
    m_zoom = 1.0;
    PhotoObject* added = photo.get();
    AddInsertedObject(std::move(photo));
    UpdateScrollBars();
    ShowPhotoInfo(*added);
    Q_EMIT zoomChanged(m_zoom);
}

void CanvasView::DropPhoto(const QString& path, const QPoint& globalPoint)
{
    const QPoint page = ToPage(viewport()->mapFromGlobal(globalPoint));
    // A drop on an unfilled shape or curve fills it with the photo instead.
    for (auto it = m_model.Objects().rbegin(); it != m_model.Objects().rend(); ++it) {
        PageObject* object = it->get();
        if (!Contains(object->m_rect, page))
            continue;
        const auto* placeholder = dynamic_cast<const PhotoObject*>(object);
        if (placeholder && !placeholder->HasPicture())
            return;
        const bool fillable = (object->m_nType == ObjectType::Shape
                               || object->m_nType == ObjectType::Curve)
                           && object->m_nFillType == FillType::None;
        if (fillable) {
            m_model.Modify(*object, [&](PageObject& target) {
                target.m_strTexture = path;
                target.m_nFillType = FillType::Texture;
                target.m_bFill = 1;
                return true;
            });
            Invalidate();
            return;
        }
        break;
    }
    std::unique_ptr<PhotoObject> photo = ReadPhoto(path);
    if (!photo)
        return;
    const QSize size = photo->ShownImage().size();
    photo->m_rect = {page.x(), page.y(), page.x() + size.width(), page.y() + size.height()};
    PlacePhotoAtActualSize(std::move(photo));
}

// ---- system clipboard -----------------------------------------------------------------

void CanvasView::PasteClipboardPicture()
{
    const QPoint at = (m_rightClick.x() != 0 || m_rightClick.y() != 0) ? m_rightClick : QPoint();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasImage())
        return;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull())
        return;
    int index = Settings().GetInt(QString::fromLatin1(SettingsKey::Setting),
                                  QString::fromLatin1(SettingsKey::FileIndex), 1);
    const QString folder = m_photoFolder.isEmpty() ? Program().picturesRoot : m_photoFolder;
    const QString path = FreePastedBitmapPath(folder, index);
    QString error;
    if (!ImageFiles::Write(image.convertToFormat(QImage::Format_RGB888), path, &error)) {
        Prompt().Warn(QStringLiteral("The picture could not be saved as %1: %2").arg(path, error));
        return;
    }
    Settings().WriteInt(QString::fromLatin1(SettingsKey::Setting),
                        QString::fromLatin1(SettingsKey::FileIndex), index);
    auto photo = std::make_unique<PhotoObject>();
    photo->SetPath(path);
    photo->LoadPicture();
    const QSize size = photo->HasPicture() ? photo->ShownImage().size() : image.size();
    photo->m_rect = {at.x(), at.y(), at.x() + size.width(), at.y() + size.height()};
    AddInsertedObject(std::move(photo));
}

void CanvasView::PutPictureOnClipboard()
{
    const std::vector<PageObject*> selected = m_model.Selected();
    if (selected.empty())
        return;
    const PageRect bounds = m_model.SelectedBounds();
    const PageRect area{bounds.left - 2, bounds.top - 2, bounds.right + 2, bounds.bottom + 2};
    const QImage picture = PageRenderer::RenderArea(selected, area);
    if (!picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

bool CanvasView::RenderToImageFile(const QString& path, bool selectedOnly, QString* error)
{
    std::vector<PageObject*> objects;
    PageRect area;
    if (selectedOnly) {
        objects = m_model.Selected();
        const PageRect bounds = m_model.SelectedBounds();
        area = {bounds.left - 4, bounds.top - 4, bounds.right + 4, bounds.bottom + 4};
    } else {
        for (const auto& object : m_model.Objects())
            objects.push_back(object.get());
        area = PageFrameRect();
    }
    if (objects.empty() && selectedOnly) {
        if (error)
            *error = QStringLiteral("No object is selected.");
        return false;
    }
    const QImage picture = PageRenderer::RenderArea(objects, area, error);
    return !picture.isNull() && ImageFiles::Write(picture, path, error);
}

// ---- in-place text editing ------------------------------------------------------------

void CanvasView::EditTextInPlace(const QPoint& page)
{
    TextObject* text = nullptr;
    for (auto it = m_model.Objects().rbegin(); it != m_model.Objects().rend() && !text; ++it)
        if ((*it)->m_nType == ObjectType::Text && Contains((*it)->m_rect, page))
            text = static_cast<TextObject*>(it->get());
    if (!text)
        return;
    if (m_editor)
        CommitEditor(m_editor->toPlainText());
    m_editedIdentity = text->m_strID;
    m_model.DeselectAll();
    m_model.Select(*text);
    QFont font(text->m_strFontName);
    font.setPixelSize(std::max(1, int(text->m_nFontSize * Mapping().Scale())));
    m_editor = new InPlaceTextEditor(text->m_strText, font, Mapping().ToWindow(text->m_rect),
                                  viewport());
    connect(m_editor, &InPlaceTextEditor::textCommitted, this, &CanvasView::CommitEditor);
    connect(m_editor, &InPlaceTextEditor::discarded, this, &CanvasView::CloseEditor);
    m_editor->show();
    m_editor->setFocus();
    SelectionChanged();
}

TextObject* CanvasView::EditedText() const
{
    // Found by identity: the current object may have changed meanwhile.
    for (const auto& candidate : m_model.Objects())
        if (candidate->m_strID == m_editedIdentity)
            return dynamic_cast<TextObject*>(candidate.get());
    return nullptr;
}

void CanvasView::CommitEditor(const QString& text)
{
    TextObject* object = EditedText();
    CloseEditor();
    if (object && object->m_strText != text) {
        m_model.Modify(*object, [&](PageObject&) {
            object->m_strText = text;
            return true;
        });
        Q_EMIT commandStateChanged();
    }
}

void CanvasView::CloseEditor()
{
    if (!m_editor)
        return;
    InPlaceTextEditor* editor = m_editor;
    m_editor = nullptr;
    editor->disconnect(this);
    editor->hide();
    editor->deleteLater();
    Invalidate();
}

// ---- documents ------------------------------------------------------------------------

QString CanvasView::SaveFolder() const
{
    if (!m_photoFolder.isEmpty())
        return m_photoFolder;
    return QDir(Program().programDir).filePath(QStringLiteral("Pictures"));
}

bool CanvasView::SaveToFile(const QString& path)
{
    const BusyCursor busy;
    WrnPage page;
    page.width = m_page.width();
    page.height = m_page.height();
    page.background = ToColorRef(Program().canvasBackground);
    return ::SaveDocument(path, page, m_model.Objects());
}

bool CanvasView::LoadFromFile(const QString& path)
{
    const BusyCursor busy;
    DocumentReadOptions options;
    const CalendarSettings calendarSettings = CalendarSettings::Load(Settings());
    options.prepareCalendar = [&](CalendarObject& calendar) {
        calendarSettings.CopyInto(calendar);
    };
    std::optional<WrnDocument> document = ::LoadDocument(path, options);
    const QString name = QFileInfo(path).fileName();
    if (!document || document->Refused()) {
        // The page on screen stays as it was.
        Prompt().Error(document ? document->Problems(name)
                                : QStringLiteral("The page %1 could not be opened.").arg(path));
        return false;
    }
    ResetToPointer();
    CloseEditor();
    if (document->hasHeader) {
        SetPageSize(QSize(document->page.width, document->page.height));
        Program().canvasBackground = ToQColor(document->page.background);
    }
    m_model.ReplaceObjects(std::move(document->objects));
    m_tracker.Clear();
    SelectionChanged();
    const QString problems = document->Problems(name);
    if (!problems.isEmpty())
        Prompt().Warn(problems);
    return true;
}

void CanvasView::ClearPage()
{
    ResetToPointer();
    CloseEditor();
    m_model.ReplaceObjects({});
    m_style = DrawingStyle();
    m_tracker.Clear();
    SelectionChanged();
}

bool CanvasView::SaveDocument(bool askForName)
{
    if (!m_document)
        return false;
    QString path = m_document->Path();
    if (askForName || m_document->IsUntitled() || path.isEmpty()) {
        const QString chosen = Prompt().ChooseFileToSave(
            QStringLiteral("Save As"), askForName ? QString() : SaveFolder(),
            QString::fromLatin1(kDocumentFilter));
        if (chosen.isEmpty())
            return false;
        // A name typed with its extension keeps just the one.
        const bool hasExtension = chosen.endsWith(QStringLiteral(".wrn"), Qt::CaseInsensitive);
        path = hasExtension ? chosen : chosen + QStringLiteral(".wrn");
    }
    if (!SaveToFile(path)) {
        Prompt().Error(QStringLiteral("The page could not be saved to %1.").arg(path));
        return false;
    }
    m_document->SetPath(path);
    m_document->SetTitle(QFileInfo(path).fileName());
    m_document->SetModified(false);
    m_document->NotifySaved(path);
    return true;
}

bool CanvasView::MaySetPageAside()
{
    if (!m_document || !m_document->IsModified())
        return true;
    const auto answer = Prompt().AskYesNoCancel(
        QStringLiteral("Save changes to %1 ?").arg(m_document->Title()));
    if (answer == UserPrompt::Answer::Cancel)
        return false;
    return answer == UserPrompt::Answer::No || SaveDocument(false);
}

void CanvasView::OpenDocument()
{
    if (!m_document || !MaySetPageAside())
        return;
    const QString path = Prompt().ChooseFileToOpen(QStringLiteral("Open"), SaveFolder(),
                                                   QString::fromLatin1(kDocumentFilter));
    if (!path.isEmpty())
        ReadDocument(path);
}

bool CanvasView::OpenDocumentFile(const QString& path)
{
    return m_document && MaySetPageAside() && ReadDocument(path);
}

bool CanvasView::ReadDocument(const QString& path)
{
    if (!LoadFromFile(path))
        return false;
    m_document->SetPath(path);
    m_document->SetTitle(QFileInfo(path).fileName());
    m_document->SetModified(false);
    return true;
}

void CanvasView::NewDocument()
{
    if (!MaySetPageAside())
        return;
    ClearPage();
    if (m_document) {
        m_document->SetTitle(QString::fromLatin1(PageDocument::kUntitled));
        m_document->SetPath(QString());
        m_document->SetModified(false);
    }
}
