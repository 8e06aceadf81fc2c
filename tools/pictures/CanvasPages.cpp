// Pages of every shape kind, text style, photo look and calendar shape.
#include "Pictures.h"

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/photo/PhotoAdjustments.h"
#include "canvas/objects/PageRenderer.h"
#include "canvas/objects/ShapeFigures.h"
#include "canvas/objects/ShapeOutlines.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"
#include "canvas/objects/WrnDocument.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <functional>
#include <iostream>

namespace {

WrnDocument ShapesPage()
{
    WrnDocument page;
    std::vector<int> kinds = {2, 3, 4, 21, 34};
    const auto& designed = ShapeFigures::DesignedKinds();
    kinds.insert(kinds.end(), designed.begin(), designed.end());
    int index = 0;
    for (int kind : kinds) {
        const int column = index % 7, row = index / 7;
        const PageRect cell{20 + column * 118, 20 + row * 100, 20 + column * 118 + 100,
                             20 + row * 100 + 80};
        auto shape = std::make_unique<ShapeObject>(cell, kind, 2, index % 5, Rgb(20, 40, 90),
                                                   Rgb(80 + (index * 37) % 160, 140, 220));
        shape->m_nStarPoints = 5 + index % 4;
        shape->m_bFill = 1;
        shape->m_nFillType = index % 3 == 0 ? 2 : 1;
        shape->m_nGradientStyle = 1 + index % 32;
        shape->m_nShadowType = index % 4;
        shape->m_crShadow = Rgb(60, 60, 60);
        shape->m_nShadowAlpha = 140;
        page.objects.push_back(std::move(shape));
        ++index;
    }
    QList<QPoint> wave;
    for (int x = 0; x <= 300; x += 20)
        wave.append(QPoint(40 + x, 960 + (x / 20 % 2 ? 40 : 0)));
    auto spline = std::make_unique<CurveObject>(wave, CurveKind::Spline, 3, 0, Rgb(200, 30, 30));
    page.objects.push_back(std::move(spline));
    auto closed = std::make_unique<CurveObject>(
        QList<QPoint>{{420, 940}, {520, 920}, {600, 1000}, {480, 1060}, {400, 1010}},
        CurveKind::ClosedSpline, 2, 0, Rgb(0, 0, 0));
    closed->m_bFill = 1;
    closed->m_nFillType = 3;
    closed->m_nShadowType = 1;
    page.objects.push_back(std::move(closed));
    auto symbol = std::make_unique<SymbolObject>();
    symbol->m_rect = {660, 930, 760, 1030};
    symbol->m_strSymbolFont = QStringLiteral("DejaVu Sans");
    symbol->m_nSymbolChar = 0x2740;
    page.objects.push_back(std::move(symbol));
    return page;
}

std::unique_ptr<TextObject> Text(PageRect rect, const QString& text, int style, int effect)
{
    auto object = std::make_unique<TextObject>(rect, text);
    object->m_nTextStyle = style;
    object->m_nTextEffect = effect;
    object->m_nFontSize = 28;
    object->m_bBold = 1;
    object->m_crLine = Rgb(30, 50, 120);
    return object;
}

WrnDocument TextPage()
{
    WrnDocument page;
    auto plain = Text({20, 20, 380, 120}, QStringLiteral("Plain text, centred and turned a little"),
                      1, 0);
    plain->m_nAlign = 1;
    plain->m_nAngle = -5;
    page.objects.push_back(std::move(plain));
    for (int effect = 1; effect <= 6; ++effect)
        page.objects.push_back(Text({400 + (effect - 1) % 3 * 140, 20 + (effect - 1) / 3 * 140,
                                     400 + (effect - 1) % 3 * 140 + 130,
                                     20 + (effect - 1) / 3 * 140 + 130},
                                    QStringLiteral("Happy Birthday"), 1, effect));
    auto outlined = Text({20, 140, 380, 220}, QStringLiteral("Outlined"), 2, 0);
    outlined->m_nFontSize = 60;
    outlined->m_nFillType = FillType::Gradient;
    outlined->m_crFill = Rgb(255, 200, 0);
    outlined->m_nShadowType = ShadowType::Hard;
    outlined->m_nOutlineWidth = 2;
    page.objects.push_back(std::move(outlined));
    auto doubled = Text({20, 240, 380, 320}, QStringLiteral("Double"), 4, 0);
    doubled->m_nFontSize = 60;
    doubled->m_crFill = Rgb(255, 120, 160);
    page.objects.push_back(std::move(doubled));
    for (int variant = 14; variant <= 26; ++variant) {
        const int index = variant - 14, column = index % 4, row = index / 4;
        page.objects.push_back(Text({20 + column * 205, 340 + row * 110, 20 + column * 205 + 195,
                                     340 + row * 110 + 100},
                                    QStringLiteral("Spring Fair"), 5, variant));
    }
    return page;
}

WrnDocument CalendarPage()
{
    WrnDocument page;
    for (int shape : {0, 2, 3, 4}) {
        auto calendar = std::make_unique<CalendarObject>();
        const int index = shape == 0 ? 0 : shape - 1;
        calendar->m_rect = {20 + index % 2 * 420, 20 + index / 2 * 320, 20 + index % 2 * 420 + 400,
                            20 + index / 2 * 320 + 300};
        calendar->m_nYear = 2026;
        calendar->m_nMonth = 3 + index;
        calendar->m_nCalendarShape = shape;
        calendar->m_bFill = 1;
        calendar->m_nFillType = shape == 4 ? FillType::Gradient : FillType::Solid;
        calendar->m_nWeekdayStyle = index % 3;
        calendar->m_bSundayFirst = index % 2;
        calendar->m_bShowYear = 1;
        calendar->m_bCellBorders = shape == 0;
        calendar->m_bTopLeftNumbers = shape == 0;
        calendar->m_nHolidayMark = index % 2;
        calendar->m_crHoliday = index % 2 ? Rgb(200, 0, 0) : Rgb(255, 210, 120);
        calendar->m_nTitleSize = 28;
        calendar->m_bTitleBold = 1;
        calendar->m_nWeekdaySize = 14;
        calendar->m_nDaySize = 16;
        calendar->m_publicHolidays = {QDate(2026, 3, 17), QDate(2026, 4, 3), QDate(2026, 5, 25),
                                      QDate(2026, 6, 19)};
        page.objects.push_back(std::move(calendar));
    }
    return page;
}

WrnDocument PhotoPage(const QString& picture)
{
    WrnDocument page;
    auto photoAt = [&](int index) {
        auto photo = std::make_unique<PhotoObject>();
        const int x = 30 + index % 3 * 270, y = 30 + index / 3 * 230;
        photo->m_rect = {x, y, x + 240, y + 180};
        photo->SetPath(picture);
        photo->LoadPicture();
        return photo;
    };
    using namespace PhotoAdjustments;
    std::vector<std::function<void(PhotoObject&)>> looks{
        [](PhotoObject& p) { SetBorder(p, 4, Rgb(40, 40, 40)); },
        [](PhotoObject& p) { SetFrameShape(p, 2); SetPhotoShadow(p, 0, 12, 60, Rgb(0, 0, 0)); },
        [](PhotoObject& p) { SetFrameShape(p, 1); SetBorder(p, 3, Rgb(200, 40, 40)); },
        [](PhotoObject& p) { GrayScale(p); p.m_nAngle = 12; SetBorder(p, 2, Rgb(0, 0, 0)); },
        [](PhotoObject& p) { CircleFade(p); },
        [](PhotoObject& p) { Bevel(p); },
        [](PhotoObject& p) { TornEdge(p, 7); },
        [](PhotoObject& p) { LessSaturation(p); LessSaturation(p); Lighten(p); Blur(p); },
        [](PhotoObject& p) { AddFrame(p, 5); },
    };
    for (std::size_t i = 0; i < looks.size(); ++i) {
        auto photo = photoAt(int(i));
        looks[i](*photo);
        page.objects.push_back(std::move(photo));
    }
    auto missing = std::make_unique<PhotoObject>();
    missing->m_rect = {30, 720, 270, 800};
    missing->SetPath(QStringLiteral("/nowhere/lost-photo.jpg"));
    missing->LoadPicture();
    page.objects.push_back(std::move(missing));
    return page;
}

// Writes the page as a picture and as a page file, so it can be opened in the editor.
bool KeepPage(const WrnDocument& page, const QDir& folder, const QString& name)
{
    const QImage image = PageRenderer::Render(page);
    const bool kept = !image.isNull() &&
                      image.save(folder.filePath(name + QStringLiteral(".png"))) &&
                      SaveDocument(folder.filePath(name + QStringLiteral(".wrn")), page.page,
                                   page.objects);
    if (!kept)
        std::cerr << "Could not write " << qPrintable(name) << '\n';
    return kept;
}

} // namespace

// A camera-like picture: sky, a sun and a field.
QString WriteSamplePicture(const QDir& folder)
{
    QImage picture(240, 180, QImage::Format_RGB888);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(70, 130, 220));
    sky.setColorAt(1, QColor(190, 220, 250));
    painter.fillRect(0, 0, 240, 120, sky);
    painter.fillRect(0, 120, 240, 60, QColor(60, 160, 60));
    painter.setBrush(QColor(255, 210, 40));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(170, 50), 26, 26);
    painter.end();
    const QString path = folder.filePath(QStringLiteral("sample-photo.jpg"));
    picture.save(path, "JPG", 95);
    return path;
}

bool WriteCanvasPages(const QDir& folder, const QString& photo)
{
    bool written = KeepPage(ShapesPage(), folder, QStringLiteral("canvas-shapes"));
    written &= KeepPage(TextPage(), folder, QStringLiteral("canvas-text"));
    written &= KeepPage(PhotoPage(photo), folder, QStringLiteral("canvas-photos"));
    written &= KeepPage(CalendarPage(), folder, QStringLiteral("canvas-calendars"));
    return written;
}
