#pragma once

#include "camera/CameraFrame.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

class FrameSource;

// Takes photos from a frame source: while capturing, a frame is grabbed every 1050 ms and
// every tenth grabbed frame is stored as a JPEG in the chosen folder (the class folder
// until one is chosen). Photos are encoded and written on a worker thread.
class CameraCapture : public QObject
{
    Q_OBJECT

public:
    static constexpr int kGrabInterval = 1050;   // ms
    static constexpr int kFramesPerPhoto = 10;

    CameraCapture(FrameSource& source, const QString& classFolder, QObject* parent = nullptr);
    // Waits for the photos still being written.
    ~CameraCapture() override;

    // Starts capturing; connects driver 0 first when none is.
    void Start();
    // Stops capturing; both counters go back to 0. The live picture stays.
    void Stop();
    // Connects a driver other than the connected one and starts capturing from it. False
    // (and ConnectFailed) when it cannot be opened: then no driver is connected.
    bool ConnectDriver(int driver);
    // One tick of the grab timer.
    void Grab();
    // Stores the newest frame at once, outside the count of ten.
    void TakeOneNow();

    // The folder the photos go to from now on; a page keeps the folder it is in.
    void SetFolder(const QString& folder);
    QString Folder() const { return m_folder.isEmpty() ? m_classFolder : m_folder; }
    QString FolderName() const;

    FrameSource& Source() const { return m_source; }
    int Driver() const;
    bool IsCapturing() const { return m_capturing; }
    int FrameCounter() const { return m_frames; }
    int PhotoCounter() const { return m_photos; }

    // Blocks until every photo handed to the worker is written (tests, closing).
    void WaitForSaves();

Q_SIGNALS:
    // The driver, capturing, the folder or the photo counter changed.
    void StateChanged();
    void ConnectFailed();
    void PhotoStored(const QString& path);
    void PhotoFailed(const QString& path, const QString& reason);

private:
    void Store(const CameraFrame& frame);
    // The next name of today not taken in the folder; the counter moves past taken ones.
    QString NextFreePath(const QString& folder);
    void OnSourceFailed();

    FrameSource& m_source;
    QString m_classFolder;
    QString m_folder;
    QTimer m_timer;
    bool m_capturing = false;
    bool m_storeNext = false;
    int m_frames = 0;
    int m_photos = 0;
    QSet<QString> m_writing;
    QList<QFuture<QString>> m_saves;
};
