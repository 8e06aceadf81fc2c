// Taking a photo from a 1280 × 720 camera. Goals: the frame converts in under 1 ms, and
// the window's thread is busy under 16 ms per stored photo (encoding and writing happen
// on a worker, measured apart).
#include "CameraPicture.h"
#include "camera/CameraCapture.h"
#include "camera/CapturedPhotos.h"
#include "camera/FrameSource.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A photo-like frame: the sample picture's corner turned into packed YUV 4:2:2.
CameraFrame MakeFrame(int width, int height)
{
    static const QImage picture = MakeCameraPicture();
    CameraFrame frame;
    frame.width = width;
    frame.height = height;
    frame.packedYuv.resize(qsizetype(width) * height * 2);
    auto* out = reinterpret_cast<uchar*>(frame.packedYuv.data());
    for (int y = 0; y < height; ++y) {
        const uchar* row = picture.constScanLine(y);   // blue, green, red
        for (int x = 0; x < width; ++x, out += 2) {
            const int b = row[3 * x], g = row[3 * x + 1], r = row[3 * x + 2];
            out[0] = uchar(((66 * r + 129 * g + 25 * b + 128) >> 8) + 16);
            out[1] = x % 2 == 0 ? uchar(((-38 * r - 74 * g + 112 * b + 128) >> 8) + 128)
                                : uchar(((112 * r - 94 * g - 18 * b + 128) >> 8) + 128);
        }
    }
    return frame;
}

class StillCamera : public FrameSource
{
public:
    QStringList DriverNames() override { return {QStringLiteral("Still camera")}; }
    bool Connect(int driver) override { return driver == 0; }
    int ConnectedDriver() const override { return 0; }
    CameraFrame LatestFrame() const override { return frame; }
    CameraFrame frame = MakeFrame(1280, 720);
};

void BM_ConvertFrame(benchmark::State& state)
{
    const CameraFrame frame = MakeFrame(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(frame.ToImage());
}
BENCHMARK(BM_ConvertFrame)->Args({640, 480})->Args({1280, 720})->Unit(benchmark::kMillisecond);

// The window's thread: choosing the name and handing the frame to the worker.
void BM_StorePhotoOnWindowThread(benchmark::State& state)
{
    QTemporaryDir folder;
    StillCamera camera;
    CameraCapture capture(camera, folder.path());
    for (auto _ : state) {
        capture.TakeOneNow();
        state.PauseTiming();
        capture.WaitForSaves();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
// A day's numbers hold 1000 photos.
BENCHMARK(BM_StorePhotoOnWindowThread)->Iterations(200)->Unit(benchmark::kMillisecond);

// The worker: converting, encoding and writing one photo.
void BM_SavePhotoOnWorker(benchmark::State& state)
{
    QTemporaryDir folder;
    const CameraFrame frame = MakeFrame(1280, 720);
    int number = 0;
    for (auto _ : state) {
        const QString path = folder.filePath(QStringLiteral("photo_%1.jpg").arg(number++));
        benchmark::DoNotOptimize(CapturedPhotos::Save(frame, path));
    }
}
BENCHMARK(BM_SavePhotoOnWorker)->Unit(benchmark::kMillisecond);

} // namespace
