#include "app/TakePhotoCenterView.h"

#include "camera/CameraCapture.h"
#include "camera/view/CameraView.h"
#include "camera/view/QtCameraSource.h"
#include "photos/PhotoLibraryLayout.h"
#include "photos/view/PhotoStrip.h"
#include "settings/ProgramState.h"
#include "widgets/ActionRegistry.h"

#include <QDir>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

TakePhotoCenterView::TakePhotoCenterView(std::unique_ptr<FrameSource> source, QWidget* parent)
    : CenterView(parent)
{
    setObjectName(QStringLiteral("takePhotoCenter"));
    // Photos go into the application folder's class folder until a folder is chosen,
    // whatever root the tree shows.
    const QString classFolder = QDir(PhotoLibrary::DefaultRoot(Program().programDir))
                                    .filePath(QString::fromLatin1(PhotoLibrary::kClassFolder));
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("takePhotoSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_camera = new CameraView(std::move(source), classFolder, m_splitter);
    m_strip = new PhotoStrip(m_splitter);
    m_strip->setMinimumHeight(kMinimumStripHeight);
    m_splitter->addWidget(m_camera);
    m_splitter->addWidget(m_strip);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    connect(m_camera, &CameraView::CommandStateChanged, this, &CenterView::CommandStateChanged);
    connect(m_camera, &CameraView::PhotoStored, this, &TakePhotoCenterView::ListPhotoFolder);
    connect(m_strip, &PhotoStrip::PhotoActivated, this, &CenterView::PhotoEditRequested);
}

TakePhotoCenterView::TakePhotoCenterView(QWidget* parent)
    : TakePhotoCenterView(std::make_unique<QtCameraSource>(), parent)
{
}

void TakePhotoCenterView::Attach(PageDocument&, ActionRegistry& actions)
{
    m_camera->SetActionSource([&actions](int id) { return actions.Action(id); });
}

bool TakePhotoCenterView::OnCommand(int id)
{
    return m_camera->OnCommand(id);
}

CommandState TakePhotoCenterView::UpdateCommand(int id) const
{
    return m_camera->UpdateCommand(id);
}

void TakePhotoCenterView::OnCenterShown()
{
    m_camera->ListDrivers();
    ListPhotoFolder();
}

void TakePhotoCenterView::ShowFolder(const QString& folder)
{
    m_camera->Capture().SetFolder(folder);
    ListPhotoFolder();
}

void TakePhotoCenterView::ListPhotoFolder()
{
    // Thumbnails for a hidden strip would only keep the cores busy.
    if (isVisible())
        m_strip->ShowFolder(m_camera->Capture().Folder());
}

void TakePhotoCenterView::resizeEvent(QResizeEvent* event)
{
    CenterView::resizeEvent(event);
    const int height = m_splitter->height();
    const int strip = std::max(height / 3, kMinimumStripHeight);
    m_splitter->setSizes({height - strip, strip});
}
