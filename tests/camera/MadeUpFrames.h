#pragma once

#include "camera/FrameSource.h"

// Cameras for tests: the names listed, whether they open, and the frame they show.
class MadeUpFrames : public FrameSource
{
public:
    explicit MadeUpFrames(QStringList names = {QStringLiteral("Made-up Camera")})
        : m_names(std::move(names))
    {
    }

    bool opens = true;

    QStringList DriverNames() override { return m_names; }
    bool Connect(int driver) override
    {
        m_connected = opens && driver >= 0 && driver < m_names.size() ? driver : -1;
        return m_connected >= 0;
    }
    int ConnectedDriver() const override { return m_connected; }
    CameraFrame LatestFrame() const override { return m_connected < 0 ? CameraFrame{} : m_frame; }

    void Send(const CameraFrame& frame)
    {
        m_frame = frame;
        Q_EMIT FrameArrived();
    }

    // Every pixel pair the same bytes.
    static CameraFrame Packed(int width, int height, uchar y = 128, uchar u = 90, uchar v = 170)
    {
        CameraFrame frame;
        frame.width = width;
        frame.height = height;
        frame.packedYuv.resize(qsizetype(width) * height * 2);
        for (qsizetype i = 0; i < frame.packedYuv.size(); i += 4) {
            frame.packedYuv[i] = char(y);
            frame.packedYuv[i + 1] = char(u);
            frame.packedYuv[i + 2] = char(y);
            frame.packedYuv[i + 3] = char(v);
        }
        return frame;
    }

private:
    QStringList m_names;
    int m_connected = -1;
    CameraFrame m_frame = Packed(64, 48);
};
