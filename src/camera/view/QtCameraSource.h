#pragma once

#include "camera/FrameSource.h"

#include <QCameraDevice>
#include <QMediaCaptureSession>
#include <QVideoFrame>
#include <memory>

class QCamera;
class QMediaDevices;
class QVideoSink;

// The computer's cameras through Qt Multimedia: the video inputs in the system's order
// are the drivers. Nothing multimedia starts until the cameras are first asked for.
class QtCameraSource : public FrameSource
{
    Q_OBJECT

public:
    explicit QtCameraSource(QObject* parent = nullptr);
    ~QtCameraSource() override;

    QStringList DriverNames() override;
    bool Connect(int driver) override;
    int ConnectedDriver() const override;
    CameraFrame LatestFrame() const override;

private:
    void Disconnect();
    void OnDevicesChanged();

    QMediaDevices* m_devices = nullptr;
    QList<QCameraDevice> m_inputs;
    QCameraDevice m_connected;
    std::unique_ptr<QCamera> m_camera;
    QMediaCaptureSession m_session;
    QVideoSink* m_sink = nullptr;
    QVideoFrame m_latest;
};
