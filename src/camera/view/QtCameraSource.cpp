#include "camera/view/QtCameraSource.h"

#include <QCamera>
#include <QMediaDevices>
#include <QVideoSink>

QtCameraSource::QtCameraSource(QObject* parent) : FrameSource(parent)
{
    m_sink = new QVideoSink(this);
    m_session.setVideoSink(m_sink);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        m_latest = frame;
        Q_EMIT FrameArrived();
    });
}

QtCameraSource::~QtCameraSource()
{
    Disconnect();
}

QStringList QtCameraSource::DriverNames()
{
    if (!m_devices) {
        m_devices = new QMediaDevices(this);
        connect(m_devices, &QMediaDevices::videoInputsChanged, this,
                &QtCameraSource::OnDevicesChanged);
        m_inputs = QMediaDevices::videoInputs();
    }
    QStringList names;
    for (const QCameraDevice& input : m_inputs)
        names.append(input.description());
    return names;
}

void QtCameraSource::OnDevicesChanged()
{
    m_inputs = QMediaDevices::videoInputs();
    const bool stillThere = m_connected.isNull() || m_inputs.contains(m_connected);
    Q_EMIT DriversChanged();
    if (!stillThere) {
        Disconnect();
        Q_EMIT Failed();
    }
}

bool QtCameraSource::Connect(int driver)
{
    Disconnect();
    DriverNames();
    if (driver < 0 || driver >= m_inputs.size())
        return false;
    m_camera = std::make_unique<QCamera>(m_inputs.at(driver));
    m_session.setCamera(m_camera.get());
    m_camera->start();
    if (m_camera->error() != QCamera::NoError) {
        Disconnect();
        return false;
    }
    m_connected = m_inputs.at(driver);
    // Errors come later too: a camera busy in another program, or pulled out.
    connect(m_camera.get(), &QCamera::errorOccurred, this, [this] {
        Disconnect();
        Q_EMIT Failed();
    });
    return true;
}

void QtCameraSource::Disconnect()
{
    if (m_camera) {
        m_camera->disconnect(this);
        m_camera->stop();
        m_session.setCamera(nullptr);
        m_camera.reset();
    }
    m_connected = QCameraDevice();
    m_latest = QVideoFrame();
}

int QtCameraSource::ConnectedDriver() const
{
    return m_connected.isNull() ? -1 : int(m_inputs.indexOf(m_connected));
}

CameraFrame QtCameraSource::LatestFrame() const
{
    CameraFrame frame;
    if (!m_latest.isValid())
        return frame;
    frame.width = m_latest.width();
    frame.height = m_latest.height();
    QVideoFrame mapped = m_latest;
    if (mapped.pixelFormat() == QVideoFrameFormat::Format_YUYV
        && mapped.map(QVideoFrame::ReadOnly)) {
        frame.bytesPerLine = mapped.bytesPerLine(0);
        frame.packedYuv = QByteArray(reinterpret_cast<const char*>(mapped.bits(0)),
                                     mapped.mappedBytes(0));
        mapped.unmap();
    } else {
        frame.image = m_latest.toImage();
    }
    return frame;
}
