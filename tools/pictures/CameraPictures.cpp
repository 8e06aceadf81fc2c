// The Take Photo center as a person sees it with a camera connected: a made-up camera
// whose frames are packed YUV 4:2:2, as most webcams send them.
#include "Pictures.h"

#include "app/CenterStack.h"
#include "app/MainWindow.h"
#include "app/TakePhotoCenterView.h"
#include "camera/CameraCapture.h"
#include "camera/FrameSource.h"
#include "camera/view/CameraView.h"
#include "canvas/editing/PageDocument.h"
#include "commands/CommandIds.h"
#include "photos/view/PhotoStrip.h"

#include <QCoreApplication>
#include <QWidget>
#include <iostream>

namespace {

// A sky over grass with a sun, drawn straight in YUV.
class SceneCamera : public FrameSource
{
public:
    QStringList DriverNames() override
    {
        return {QStringLiteral("Classroom webcam"), QStringLiteral("Desk camera")};
    }
    bool Connect(int driver) override
    {
        m_connected = driver == 0 || driver == 1 ? driver : -1;
        return m_connected >= 0;
    }
    int ConnectedDriver() const override { return m_connected; }
    CameraFrame LatestFrame() const override
    {
        CameraFrame frame;
        frame.width = 640;
        frame.height = 480;
        frame.packedYuv.resize(640 * 480 * 2);
        auto* out = reinterpret_cast<uchar*>(frame.packedYuv.data());
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; x += 2, out += 4) {
                const int dx = x - 470, dy = y - 120;
                uchar luma = uchar(110 + y / 4), u = 170, v = 110;   // sky
                if (dx * dx + dy * dy < 60 * 60) {
                    luma = 200, u = 40, v = 160;                        // sun
                } else if (y > 330 + (x % 160 < 80 ? x % 80 : 80 - x % 80) / 4) {
                    luma = uchar(120 - (y - 330) / 5), u = 90, v = 80;  // grass
                }
                out[0] = out[2] = luma;
                out[1] = u;
                out[3] = v;
            }
        }
        return frame;
    }

private:
    int m_connected = -1;
};

} // namespace

bool WriteCameraPictures(const QDir& folder)
{
    PageDocument document;
    MainWindow frame(document, [](Center::Index center, QWidget* parent) -> CenterView* {
        if (center == Center::TakePhoto)
            return new TakePhotoCenterView(std::make_unique<SceneCamera>(), parent);
        return CreateDefaultCenterView(center, parent);
    });
    frame.resize(1400, 900);
    frame.show();
    frame.Dispatch(Cmd::ViewTakePhoto);
    frame.Dispatch(Cmd::CameraStart);
    auto* center = qobject_cast<TakePhotoCenterView*>(frame.Container()->CurrentView());
    for (int photo = 0; photo < 3; ++photo) {
        frame.Dispatch(Cmd::CameraTakeNow);
        center->Camera()->Capture().WaitForSaves();
        QCoreApplication::processEvents();
    }
    center->Strip()->WaitForThumbnails();
    QCoreApplication::processEvents();
    if (frame.grab().save(folder.filePath(QStringLiteral("center-takephoto-camera.png"))))
        return true;
    std::cerr << "Could not write center-takephoto-camera\n";
    return false;
}
