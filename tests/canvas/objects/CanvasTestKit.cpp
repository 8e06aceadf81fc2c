#include "CanvasTestKit.h"

#include "canvas/objects/CalendarObject.h"
#include "canvas/objects/CurveObject.h"
#include "canvas/objects/ShapeObject.h"
#include "canvas/objects/PhotoObject.h"
#include "canvas/objects/SymbolObject.h"
#include "canvas/objects/TextObject.h"

#include <QPainter>

QImage PaintObject(PageObject& object, QSize size, const DrawContext& context)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.Draw(painter, context);
    return image;
}

Ink InkWhere(const QImage& image, const std::function<bool(const QColor&)>& test, QRect within)
{
    Ink ink;
    within = within.isNull() ? image.rect() : within.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (test(image.pixelColor(x, y))) {
                ink.bounds |= QRect(x, y, 1, 1);
                ++ink.count;
            }
    return ink;
}

Ink DarkInk(const QImage& image, QRect within)
{
    return InkWhere(image, [](const QColor& c) { return c.lightness() < 128; }, within);
}

ObjectList OneOfEveryStoredType()
{
    ObjectList objects;

    auto photo = std::make_unique<PhotoObject>();
    photo->m_rect = {10, 20, 650, 500};
    photo->SetPath(QStringLiteral("/nowhere/pictures/Anna/beach.jpg"));
    photo->m_nFrameShape = 2;
    photo->m_nOption = 7;
    photo->m_nAngle = 33;
    photo->m_nFillAlpha = 200;
    photo->m_bBevel = 1;
    photo->m_bTornEdge = 1;
    photo->m_bCircleFade = 1;
    photo->m_bPhotoShadow = 1;
    photo->m_bGray = 1;
    photo->m_nMirror = 1;
    photo->m_fRed = 1.25f;
    photo->m_fGreen = 0.5f;
    photo->m_fBlue = 2.0f;
    photo->m_nBrightness = 30;
    photo->m_nContrast = -20;
    photo->m_nSaturation = 50;
    photo->m_crLine = Rgb(1, 2, 3);
    photo->m_nLineWidth = 4;
    photo->m_nBorder = 1;
    photo->m_nPictureKind = 1;
    photo->m_crShadow = Rgb(4, 5, 6);
    photo->m_nPhotoShadowDir = 3;
    photo->m_nPhotoShadowSize = 12;
    photo->m_nShadowAlpha = 99;
    photo->m_nShadowType = 2;
    photo->m_bLocked = 1;
    objects.push_back(std::move(photo));

    auto text = std::make_unique<TextObject>(PageRect{5, 6, 300, 80}, QStringLiteral("Spring fair \u00a9 2026"));
    text->m_nAngle = 15;
    text->m_nTextEffect = 2;
    text->m_nTextStyle = 5;
    text->m_strFontName = QStringLiteral("DejaVu Serif");
    text->m_nFontSize = 28;
    text->m_nFillAlpha = 120;
    text->m_crShadow = Rgb(10, 11, 12);
    text->m_crLine = Rgb(13, 14, 15);
    text->m_crFill = Rgb(16, 17, 18);
    text->m_crOutline2 = Rgb(19, 20, 21);
    text->m_nFillType = 2;
    text->m_nPattern = 3;
    text->m_nGradientStyle = 4;
    text->m_bBold = 1;
    text->m_bItalic = 1;
    text->m_bUnderline = 1;
    text->m_nTextOption4 = 8;
    text->m_bNoLine = 1;
    text->m_nTextOption5 = 9;
    text->m_nOutlineWidth = 3;
    text->m_nAlign = 72;
    text->m_bLocked = 1; // text always reads back locked
    objects.push_back(std::move(text));

    auto calendar = std::make_unique<CalendarObject>();
    calendar->m_rect = {100, 100, 400, 350};
    calendar->m_strName = QStringLiteral("March");
    calendar->m_nYear = 2027;
    calendar->m_bShowYear = 1;
    calendar->m_nMonth = 3;
    calendar->m_nCalendarShape = 2;
    calendar->m_crFill = Rgb(30, 31, 32);
    calendar->m_crFill2 = Rgb(33, 34, 35);
    calendar->m_crDay = Rgb(36, 37, 38);
    calendar->m_bDayItalic = 1;
    calendar->m_bDayBold = 1;
    calendar->m_bFill = 1;
    calendar->m_strDayFont = QStringLiteral("Liberation Sans");
    calendar->m_nAngle = -10;
    calendar->m_nFillType = 2;
    calendar->m_nPattern = 4;
    calendar->m_nGradientStyle = 12;
    calendar->m_crShadow = Rgb(39, 40, 41);
    calendar->m_nLineWidth = 3;
    calendar->m_crLine = Rgb(42, 43, 44);
    calendar->m_bTitleBold = 1;
    calendar->m_bTitleItalic = 1;
    calendar->m_bWeekdayItalic = 1;
    calendar->m_bWeekdayBold = 1;
    calendar->m_nTitleSize = 22;
    calendar->m_nWeekdaySize = 12;
    calendar->m_crTitle = Rgb(45, 46, 47);
    calendar->m_crWeekday = Rgb(48, 49, 50);
    calendar->m_strTitleFont = QStringLiteral("DejaVu Sans");
    calendar->m_strWeekdayFont = QStringLiteral("DejaVu Serif");
    calendar->m_nDaySize = 13;
    calendar->m_bNoLine = 1;
    calendar->m_bTopLeftNumbers = 1;
    calendar->m_bCellBorders = 1;
    calendar->m_crHoliday = Rgb(51, 52, 53);
    calendar->m_crWeekdayBand = Rgb(54, 55, 56);
    calendar->m_crCalendar = Rgb(57, 58, 59);
    calendar->m_bNoBackground = 0;
    calendar->m_bNoWeekdayBand = 1;
    calendar->m_nHolidayMark = 1;
    calendar->m_nWeekdayStyle = 2;
    calendar->m_bSundayFirst = 1;
    calendar->m_bOwnLanguage = 1;
    objects.push_back(std::move(calendar));

    auto shape = std::make_unique<ShapeObject>(PageRect{50, 60, 250, 200}, 34, 3, 2,
                                               Rgb(60, 61, 62), Rgb(63, 64, 65));
    shape->m_bFill = 1;
    shape->m_bLocked = 1;
    shape->m_nAngle = 45;
    shape->m_nFillAlpha = 77;
    shape->m_nFillType = 2;
    shape->m_nPattern = 6;
    shape->m_nGradientStyle = 14;
    shape->m_nStarPoints = 7;
    shape->m_nShapeValueA = 101;
    shape->m_nShapeValueB = 102;
    shape->m_nShapeValueC = 103;
    shape->m_nShapeValueD = 104;
    shape->m_nShapeValueE = 105;
    shape->m_nShapeValueF = 106;
    shape->m_nShapeValueG = -107;
    shape->m_dShapeScaleX = 1.5;
    shape->m_dShapeScaleY = 0.25;
    shape->m_strTexture = QStringLiteral("/nowhere/texture.png");
    objects.push_back(std::move(shape));

    auto curve = std::make_unique<CurveObject>(
        QList<QPoint>{{10, 10}, {60, 90}, {120, 30}, {200, 140}}, 29, 2, 1, Rgb(70, 71, 72));
    curve->m_bFill = 1;
    curve->m_crFill = Rgb(73, 74, 75);
    curve->m_bLocked = 1;
    curve->m_nAngle = 90;
    curve->m_nFillAlpha = 33;
    curve->m_nFillType = 5;
    curve->m_nCurveOption = 3;
    curve->m_nGradientStyle = 2;
    curve->m_strTexture = QStringLiteral("/nowhere/paper.jpg");
    curve->m_bNoLine = 1;
    objects.push_back(std::move(curve));

    auto symbol = std::make_unique<SymbolObject>();
    symbol->m_rect = {300, 300, 340, 360};
    symbol->m_crSymbol = Rgb(80, 81, 82);
    symbol->m_strSymbolFont = QStringLiteral("DejaVu Sans");
    symbol->m_nSymbolChar = 0x263A;
    symbol->m_nAngle = 180;
    symbol->m_bSelected = 1;
    symbol->m_bLocked = 1;
    objects.push_back(std::move(symbol));
    return objects;
}
