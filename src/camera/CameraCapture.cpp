#include "camera/CameraCapture.h"

#include "camera/CapturedPhotos.h"
#include "camera/FrameSource.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

CameraCapture::CameraCapture(FrameSource& source, const QString& classFolder, QObject* parent)
    : QObject(parent), m_source(source), m_classFolder(classFolder)
{
    m_timer.setInterval(kGrabInterval);
    connect(&m_timer, &QTimer::timeout, this, &CameraCapture::Grab);
    connect(&m_source, &FrameSource::Failed, this, &CameraCapture::OnSourceFailed);
    connect(&m_source, &FrameSource::DriversChanged, this, &CameraCapture::StateChanged);
}

CameraCapture::~CameraCapture()
{
    WaitForSaves();
}

void CameraCapture::Start()
{
    if (Driver() < 0) {
        ConnectDriver(0);
        return;
    }
    m_capturing = true;
    m_timer.start();
    Q_EMIT StateChanged();
}

void CameraCapture::Stop()
{
    m_timer.stop();
    m_capturing = false;
    m_storeNext = false;
    m_frames = 0;
    m_photos = 0;
    Q_EMIT StateChanged();
}

bool CameraCapture::ConnectDriver(int driver)
{
    if (driver == Driver())
        return true;
    m_timer.stop();
    if (!m_source.Connect(driver)) {
        m_capturing = false;
        Q_EMIT StateChanged();
        Q_EMIT ConnectFailed();
        return false;
    }
    m_capturing = true;
    m_timer.start();
    Q_EMIT StateChanged();
    return true;
}

void CameraCapture::OnSourceFailed()
{
    m_timer.stop();
    m_capturing = false;
    Q_EMIT StateChanged();
    Q_EMIT ConnectFailed();
}

int CameraCapture::Driver() const
{
    return m_source.ConnectedDriver();
}

void CameraCapture::Grab()
{
    const CameraFrame frame = m_source.LatestFrame();
    if (!m_capturing || frame.IsEmpty())
        return;
    ++m_frames;
    if (m_storeNext || m_frames % kFramesPerPhoto == 0) {
        m_storeNext = false;
        Store(frame);
    }
}

void CameraCapture::TakeOneNow()
{
    const CameraFrame frame = m_source.LatestFrame();
    if (frame.IsEmpty())
        m_storeNext = m_capturing;   // the camera has not sent its first picture yet
    else
        Store(frame);
}

void CameraCapture::SetFolder(const QString& folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    Q_EMIT StateChanged();
}

QString CameraCapture::FolderName() const
{
    return CapturedPhotos::FolderName(Folder());
}

void CameraCapture::Store(const CameraFrame& frame)
{
    // A frame whose bytes do not hold its size is skipped, as if never grabbed.
    if (!frame.IsComplete())
        return;
    const QString folder = Folder();
    // The class folder is made when missing; a chosen folder that went away is not.
    if (m_folder.isEmpty())
        QDir().mkpath(folder);
    const QString path = NextFreePath(folder);
    Q_EMIT StateChanged();
    if (path.isEmpty()) {
        Q_EMIT PhotoFailed(folder, QStringLiteral("Every photo name of today is taken."));
        return;
    }

    m_writing.insert(path);
    const QFuture<QString> save =
        QtConcurrent::run([frame, path] { return CapturedPhotos::Save(frame, path); });
    m_saves.append(save);
    auto* watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, path] {
        const QString failure = watcher->result();
        m_writing.remove(path);
        m_saves.removeIf([](const QFuture<QString>& each) { return each.isFinished(); });
        watcher->deleteLater();
        if (failure.isEmpty())
            Q_EMIT PhotoStored(path);
        else
            Q_EMIT PhotoFailed(path, failure);
    });
    watcher->setFuture(save);
}

QString CameraCapture::NextFreePath(const QString& folder)
{
    const QDate today = Clock::TodayLocal();
    const QString name = CapturedPhotos::FolderName(folder);
    const QDir dir(folder);
    for (int tries = 0; tries < CapturedPhotos::kNumbers; ++tries) {
        const QString path = dir.filePath(CapturedPhotos::Name(today, m_photos, name));
        m_photos = (m_photos + 1) % CapturedPhotos::kNumbers;
        if (!m_writing.contains(path) && !QFileInfo::exists(path))
            return path;
    }
    return {};
}

void CameraCapture::WaitForSaves()
{
    for (QFuture<QString>& save : m_saves)
        save.waitForFinished();
}
