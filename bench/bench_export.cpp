// Exporting a full newsletter: 20 camera photos (4000 × 3000) and 100 shapes.
// Goals: the picture (PNG) under 1 s; the PDF under 2 s and under 3× the size of the
// photos' JPEG files together (photos embedded compressed, not as raw pixels).

#include "CameraPicture.h"
#include "canvas/editing/CanvasModel.h"
#include "canvas/editing/PagePictures.h"
#include "canvas/editing/PhotoPlacement.h"
#include "canvas/objects/PageFrame.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/PageVectorFiles.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ShapeObject.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Newsletter
{
    QTemporaryDir dir;
    CanvasModel model;
    PageRect frame = PageFrame::Of(850, 1098);
    qint64 jpegBytes = 0;

    Newsletter()
    {
        const QImage camera = MakeCameraPicture();
        for (int i = 0; i < 20; ++i) {
            // Each photo its own file, as a newsletter's are.
            const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            camera.mirrored(i % 2, i % 3 == 0).save(path, "JPG", 90);
            jpegBytes += QFileInfo(path).size();
            std::unique_ptr<PhotoObject> photo = PhotoPlacement::Read(path);
            const int left = 60 + (i % 4) * 200, top = 60 + (i / 4) * 200;
            photo->m_rect = {left, top, left + 180, top + 135};
            model.Objects().push_back(std::move(photo));
        }
        for (int i = 0; i < 100; ++i) {
            const int left = 50 + (i % 10) * 80, top = 1050 - (i / 10) * 20;
            auto shape = std::make_unique<ShapeObject>(PageRect{left, top, left + 60, top + 15},
                                                       2 + i % 3, 1, 0, Rgb(0, 0, 0),
                                                       Rgb(40 + i, 120, 200 - i));
            shape->m_bFill = 1;
            model.Objects().push_back(std::move(shape));
        }
    }
};

Newsletter& Page()
{
    static Newsletter page;
    return page;
}

void BM_ExportPng(benchmark::State& state)
{
    Newsletter& page = Page();
    const QString path = page.dir.filePath(QStringLiteral("page.png"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PagePictures::WriteFile(page.model, page.frame, path, false));
}

void BM_ExportPdf(benchmark::State& state)
{
    Newsletter& page = Page();
    const QString path = page.dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(PageVectorFiles::WritePdf(
            PageRenderer::ObjectsOf(page.model.Objects()), page.frame, path));
    state.counters["pdf_to_jpegs"] = double(QFileInfo(path).size()) / double(page.jpegBytes);
}

} // namespace

BENCHMARK(BM_ExportPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
