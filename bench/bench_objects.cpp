// Documents and painting of canvas objects.
// Goals: write and read a document of 2,000 mixed objects each under 20 ms; paint a
// page of 500 shapes with gradients and shadows under 100 ms; paint a year of calendars
// with thirty headlines in every text style under 100 ms. Pages that strain the reader:
// 5,000 symbols, and 24 photos naming one large picture (read once, shared by all).

#include "settings/ProgramState.h"
#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/ObjectIdentity.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/objects/WrnDocument.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

PageRect Cell(int i)
{
    const int x = (i * 37) % 780, y = (i * 53) % 1020;
    return {x, y, x + 40 + i % 30, y + 30 + i % 40};
}

ObjectList MixedObjects(int count)
{
    ObjectList objects;
    for (int i = 0; i < count; ++i) {
        const PageRect cell = Cell(i);
        switch (i % 6) {
        case 0: {
            auto photo = std::make_unique<PhotoObject>();
            photo->m_rect = cell;
            photo->SetPath(QStringLiteral("/library/Anna/photo_%1.jpg").arg(i));
            objects.push_back(std::move(photo));
            break;
        }
        case 1:
            objects.push_back(std::make_unique<TextObject>(cell, QStringLiteral("Caption %1").arg(i)));
            break;
        case 2: {
            auto calendar = std::make_unique<CalendarObject>();
            calendar->m_rect = cell;
            objects.push_back(std::move(calendar));
            break;
        }
        case 3:
            objects.push_back(std::make_unique<ShapeObject>(cell, 2 + i % 3, 1, 0, 0, Rgb(200, 100, 50)));
            break;
        case 4: {
            QList<QPoint> points;
            for (int k = 0; k < 40; ++k)
                points.append(QPoint(cell.left + k, cell.top + (k * 7) % 30));
            objects.push_back(std::make_unique<CurveObject>(points, 27, 2, 0, 0));
            break;
        }
        default: {
            auto symbol = std::make_unique<SymbolObject>();
            symbol->m_rect = cell;
            objects.push_back(std::move(symbol));
            break;
        }
        }
    }
    return objects;
}

void WriteDocument(benchmark::State& state)
{
    const ObjectList objects = MixedObjects(2000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.wrn"));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveDocument(path, WrnPage{}, objects));
}
BENCHMARK(WriteDocument)->Unit(benchmark::kMillisecond);

// `numbering` replaces the installed source when given.
void ReadDocumentWith(benchmark::State& state, std::optional<ObjectIdentity::Source> numbering)
{
    QTemporaryDir dir;
    SettingsStore::UseFile(dir.filePath(QStringLiteral("settings.ini")));
    if (numbering)
        ObjectIdentity::SetSource(std::move(*numbering));
    const QString path = dir.filePath(QStringLiteral("bench.wrn"));
    SaveDocument(path, WrnPage{}, MixedObjects(2000));
    DocumentReadOptions options;
    options.loadPictures = false; // the pictures are not there; reading them is the photo's cost
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadDocument(path, options));
    ObjectIdentity::SetSource({});
}

void ReadDocument(benchmark::State& state)
{
    ReadDocumentWith(state, ObjectIdentity::Source{});
}
BENCHMARK(ReadDocument)->Unit(benchmark::kMillisecond);

// As the desktop program reads: every object numbered from the counter in the settings.
void ReadDocumentNumberedFromSettings(benchmark::State& state)
{
    UseGlobalObjectIdsForCanvasObjects();
    ReadDocumentWith(state, std::nullopt);
}
BENCHMARK(ReadDocumentNumberedFromSettings)->Unit(benchmark::kMillisecond);

void PaintShapePage(benchmark::State& state)
{
    WrnDocument page;
    for (int i = 0; i < 500; ++i) {
        auto shape = std::make_unique<ShapeObject>(Cell(i), 2 + i % 3, 2, 0, Rgb(20, 40, 90),
                                                   Rgb(80, 140, 220));
        shape->m_nFillType = 2;
        shape->m_nGradientStyle = 1 + i % 32;
        shape->m_nShadowType = 1 + i % 3; // soft, hard and glow in turn
        page.objects.push_back(std::move(shape));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PageRenderer::Render(page));
}
BENCHMARK(PaintShapePage)->Unit(benchmark::kMillisecond);

void PaintCalendarYearWithHeadlines(benchmark::State& state)
{
    WrnDocument page;
    for (int month = 1; month <= 12; ++month) {
        auto calendar = std::make_unique<CalendarObject>();
        const int x = 20 + (month - 1) % 3 * 260, y = 200 + (month - 1) / 3 * 220;
        calendar->m_rect = {x, y, x + 250, y + 210};
        calendar->m_nYear = 2026;
        calendar->m_nMonth = month;
        calendar->m_bFill = 1;
        calendar->m_nFillType = month % 2 ? 1 : 2;
        calendar->m_publicHolidays = {QDate(2026, month, 10)};
        page.objects.push_back(std::move(calendar));
    }
    const int styles[][2] = {{1, 0}, {1, 1}, {1, 4}, {2, 0}, {4, 0}, {5, 14}, {5, 19}, {5, 23}};
    for (int i = 0; i < 30; ++i) {
        auto text = std::make_unique<TextObject>(
            PageRect{20 + i % 5 * 160, 10 + i / 5 * 30, 170 + i % 5 * 160, 40 + i / 5 * 30},
            QStringLiteral("Spring Fair %1").arg(i));
        text->m_nTextStyle = styles[i % 8][0];
        text->m_nTextEffect = styles[i % 8][1];
        text->m_nFontSize = 20;
        page.objects.push_back(std::move(text));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PageRenderer::Render(page));
}
BENCHMARK(PaintCalendarYearWithHeadlines)->Unit(benchmark::kMillisecond);

void PaintPageOfManySymbols(benchmark::State& state)
{
    WrnDocument page;
    for (int i = 0; i < 5000; ++i) {
        auto symbol = std::make_unique<SymbolObject>();
        symbol->m_rect = Cell(i);
        page.objects.push_back(std::move(symbol));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(PageRenderer::Render(page));
}
BENCHMARK(PaintPageOfManySymbols)->Unit(benchmark::kMillisecond);

void ReadAndPaintTwentyFourPhotosOfOnePicture(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("large.png"));
    QImage large(3000, 3000, QImage::Format_RGB32);
    large.fill(QColor(90, 160, 220));
    large.save(picture);
    ObjectList objects;
    for (int i = 0; i < 24; ++i) {
        auto photo = std::make_unique<PhotoObject>();
        photo->SetPath(picture);
        photo->m_rect = Cell(i * 7);
        objects.push_back(std::move(photo));
    }
    const QString path = dir.filePath(QStringLiteral("photos.wrn"));
    SaveDocument(path, WrnPage{}, objects);
    for (auto _ : state) {
        const std::optional<WrnDocument> read = LoadDocument(path);
        benchmark::DoNotOptimize(PageRenderer::Render(*read));
    }
}
BENCHMARK(ReadAndPaintTwentyFourPhotosOfOnePicture)->Unit(benchmark::kMillisecond);

} // namespace
