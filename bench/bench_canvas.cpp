// Repainting the Edit Center canvas while an object is dragged: a page of 20 photos
// from 12-megapixel JPEG files and 100 shapes, painted into a 1200 × 900 window.
// Goals: the exposed part of a drag and the whole window each under 16 ms at 100 % and
// at 800 %, the process under 1.5 GiB (peak_MiB). The first paint after a change of
// zoom may scale the pictures once and is timed on its own.

#include "canvas/editing/CanvasPainter.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdint>

namespace {

constexpr QSize kWindow(1200, 900);
constexpr int kPhotos = 20;
constexpr int kShapes = 100;

// Gradients with a little noise, each file its own, like camera pictures rather than
// flat cards that a JPEG encoder squeezes to nothing.
QImage CameraPicture(int seed)
{
    constexpr int kWidth = 4000, kHeight = 3000;
    QImage made(kWidth, kHeight, QImage::Format_RGB32);
    std::uint32_t noise = 12345u + std::uint32_t(seed);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(made.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int jitter = int((noise >> 16) & 15) - 8;
            const auto channel = [&](int v) { return std::clamp(v + jitter, 0, 255); };
            row[x] = qRgb(channel((x * 255 / kWidth + seed * 37) % 256), channel(y * 255 / kHeight),
                          channel((x + y) * 255 / (kWidth + kHeight)));
        }
    }
    return made;
}

const QSize kPage{CanvasGeometry::kDefaultPageWidth, CanvasGeometry::kDefaultPageHeight};

// The page's top-left corner in page units.
QPoint PageOrigin()
{
    const PageRect frame = PageFrame::Of(kPage);
    return {frame.left, frame.top};
}

PageRect Placed(int left, int top, int width, int height)
{
    const QPoint o = PageOrigin();
    return {o.x() + left, o.y() + top, o.x() + left + width, o.y() + top + height};
}

// Photos four across and five down, some with borders, shadows, round frames or a
// turn; shapes of every common kind strewn over them, a third with shadows.
struct BenchPage
{
    QTemporaryDir folder;
    ObjectList objects;

    BenchPage()
    {
        for (int i = 0; i < kPhotos; ++i) {
            const QString path = folder.filePath(QStringLiteral("child_%1.jpg").arg(i));
            CameraPicture(i).save(path, "JPG", 85);
            auto photo = std::make_unique<PhotoObject>();
            photo->SetPath(path);
            photo->LoadPicture();
            photo->m_rect = Placed(20 + i % 4 * 205, 20 + i / 4 * 212, 190, 142);
            if (i % 3 == 0)
                PhotoAdjustments::SetBorder(*photo, 3, Rgb(40, 40, 40));
            if (i % 4 == 1)
                PhotoAdjustments::SetPhotoShadow(*photo, 0, 8, 40, Rgb(0, 0, 0));
            if (i == 5)
                PhotoAdjustments::SetFrameShape(*photo, PhotoObject::kInEllipse);
            if (i == 6)
                PhotoAdjustments::SetFrameShape(*photo, PhotoObject::kInRoundRectangle);
            if (i == 10)
                photo->m_nAngle = 12;
            objects.push_back(std::move(photo));
        }
        const int kinds[] = {2, 3, 4, 21, 34};
        for (int i = 0; i < kShapes; ++i) {
            const int x = (i * 83) % 760, y = (i * 131) % 1010;
            auto shape = std::make_unique<ShapeObject>(Placed(x, y, 40 + i % 50, 30 + i % 40),
                                                       kinds[i % 5], 1 + i % 3, 0,
                                                       Rgb(20, 40, 90), Rgb(80 + i, 140, 220));
            shape->m_bFill = 1;
            if (i % 7 == 0)
                shape->m_nFillType = FillType::Gradient;
            if (i % 3 == 0)
                shape->m_nShadowType = 1 + i % 3; // soft, hard and glow in turn
            objects.push_back(std::move(shape));
        }
    }

    static BenchPage& Get()
    {
        static BenchPage page;
        return page;
    }
};

// The window scrolled so that the middle of the page is in its middle.
CanvasPaint WindowAt(double zoom)
{
    CanvasPaint paint;
    paint.page = kPage;
    paint.mapping = CanvasGeometry::WindowMapping(zoom, {}, kWindow, kPage);
    const QPoint middle = PageOrigin() + QPoint(kPage.width() / 2, kPage.height() / 2);
    if (zoom > 1.0) {
        const QPointF scene = paint.mapping.ToScene(QPointF(middle));
        paint.mapping.scroll = QPoint(int(scene.x()) - kWindow.width() / 2,
                                      int(scene.y()) - kWindow.height() / 2);
    }
    paint.exposed = QRect(QPoint(), kWindow);
    return paint;
}

void PaintInto(QImage& window, const CanvasPaint& paint)
{
    QPainter painter(&window);
    CanvasPainter::Paint(painter, BenchPage::Get().objects, paint);
}

void ReportPeakMemory(benchmark::State& state)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            const QByteArray kib = line.mid(6).trimmed().split(' ').value(0);
            state.counters["peak_MiB"] = kib.toDouble() / 1024.0;
        }
    }
}

// A photo under the dragged area, moved a unit back and forth each round: the drag
// itself, which changes no picture's size.
void Drag(benchmark::State& state, double zoom, QRect exposed)
{
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    CanvasPaint paint = WindowAt(zoom);
    PaintInto(window, paint);
    paint.exposed = exposed;
    PageObject& dragged = *BenchPage::Get().objects[9];
    int step = 1;
    for (auto _ : state) {
        dragged.m_rect = CanvasGeometry::Offset(dragged.m_rect, step, step);
        step = -step;
        PaintInto(window, paint);
        benchmark::DoNotOptimize(window.constBits());
    }
    ReportPeakMemory(state);
}

void BM_DragRepaint(benchmark::State& state, double zoom)
{
    Drag(state, zoom, QRect(450, 300, 300, 300));
}

void BM_WindowRepaint(benchmark::State& state, double zoom)
{
    Drag(state, zoom, QRect(QPoint(), kWindow));
}

// The whole window painted first at `before`, then timed at `zoom`.
void BM_FirstPaintAfterZoom(benchmark::State& state, double before, double zoom)
{
    QImage window(kWindow, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        PaintInto(window, WindowAt(before));
        state.ResumeTiming();
        PaintInto(window, WindowAt(zoom));
        benchmark::DoNotOptimize(window.constBits());
    }
    ReportPeakMemory(state);
}

// Wall-clock time, with the processor time of every thread beside it: Qt spreads large
// fills over a pool of threads.
void Timed(benchmark::internal::Benchmark* run)
{
    run->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

BENCHMARK_CAPTURE(BM_DragRepaint, zoom100, 1.0)->Apply(Timed);
BENCHMARK_CAPTURE(BM_DragRepaint, zoom800, 8.0)->Apply(Timed);
BENCHMARK_CAPTURE(BM_WindowRepaint, zoom100, 1.0)->Apply(Timed);
BENCHMARK_CAPTURE(BM_WindowRepaint, zoom800, 8.0)->Apply(Timed);
BENCHMARK_CAPTURE(BM_FirstPaintAfterZoom, zoom100, 1.5, 1.0)->Apply(Timed)->Iterations(5);
BENCHMARK_CAPTURE(BM_FirstPaintAfterZoom, zoom800, 4.0, 8.0)->Apply(Timed)->Iterations(5);

} // namespace
