#include "CanvasTestKit.h"

#include "canvas/objects/BentText.h"
#include "canvas/objects/TextArt.h"
#include "canvas/objects/TextLayout.h"
#include "canvas/objects/TextObject.h"

#include <QCryptographicHash>
#include <QFontMetricsF>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>

namespace {

const QSize kPaper(420, 320);

TextObject Text(const QString& text, PageRect rect = {20, 20, 400, 300})
{
    TextObject object(rect, text);
    object.m_nFontSize = 40;
    object.m_strFontName = QStringLiteral("DejaVu Sans");
    return object;
}

// The longest run of dark pixels along any row: an underline spans the whole word.
int LongestDarkRow(const QImage& image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = image.pixelColor(x, y).lightness() < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

} // namespace

TEST(PlainText, AlignsJustifiesWithoutUnderlineAndTurnsWithinItsRectangle)
{
    std::map<int, QRect> inked;
    for (int align : {0, 1, 2}) {
        TextObject text = Text(QStringLiteral("Hi"));
        text.m_nAlign = align;
        inked[align] = DarkInk(PaintObject(text, kPaper)).bounds;
        ASSERT_FALSE(inked[align].isEmpty()) << align;
    }
    EXPECT_LT(inked[0].left(), 40);
    EXPECT_NEAR(inked[1].center().x(), 210, 6);
    EXPECT_GT(inked[2].right(), 380);
    EXPECT_LT(inked[0].top(), 40); // always from the top

    TextObject underlined = Text(QStringLiteral("Nursery news"));
    underlined.m_bUnderline = 1;
    const int wordWidth = DarkInk(PaintObject(underlined, kPaper)).bounds.width();
    EXPECT_GT(LongestDarkRow(PaintObject(underlined, kPaper)), wordWidth * 9 / 10);

    underlined.m_nAlign = TextObject::kJustified;
    EXPECT_LT(LongestDarkRow(PaintObject(underlined, kPaper)), wordWidth / 3);

    TextObject text = Text(QStringLiteral("WWWWWW"), {60, 110, 360, 210});
    text.m_nAlign = 1;
    text.m_nAngle = 90;
    const QRect turned = DarkInk(PaintObject(text, kPaper)).bounds;
    EXPECT_GT(turned.height(), turned.width());
    EXPECT_NEAR(turned.center().x(), 210, 30);
}

TEST(BentText, CircleEffectsFollowTheFixedFormulaAndLowRectanglesBecomeSquareOnce)
{
    const auto over = BentText::OnCircle(1, QRectF(0, 0, 200, 200), 4);
    ASSERT_EQ(over.size(), 4u);
    const double step = (400.0 / 90) / 4; // a radius of 90 inside the margin of 10
    EXPECT_DOUBLE_EQ(over[3].origin.y(), 10 + 90 * (1 - std::sin(3 * step)));
    // Degrees come from single-precision pi, not the true one.
    EXPECT_DOUBLE_EQ(over[3].degrees, 3 * (step * 180) / 3.1415925 - 90);
    EXPECT_TRUE(BentText::OnCircle(1, QRectF(0, 0, 200, 200), 0).empty());

    TextObject low = Text(QString(), {10, 10, 210, 60});
    low.m_nTextEffect = 3;
    const QImage image = PaintObject(low, kPaper);
    EXPECT_EQ(low.m_rect.Height(), 200);
    EXPECT_EQ(DarkInk(image).count, 0);

    TextObject tall = Text(QStringLiteral("ABC"), {10, 10, 210, 110});
    tall.m_nTextEffect = 1;
    PaintObject(tall, kPaper);
    EXPECT_EQ(tall.m_rect.Height(), 100); // half the width is enough

    TextObject straight = Text(QStringLiteral("ABC"), {10, 10, 210, 40});
    PaintObject(straight, kPaper);
    EXPECT_EQ(straight.m_rect.Height(), 30);
}

TEST(BentText, EveryBentEffectPlacesItsLettersDifferentlyAndLongTextShrinksToItsCurve)
{
    QSet<QByteArray> looks;
    for (int effect = 1; effect <= 6; ++effect) {
        TextObject text = Text(QStringLiteral("Sunflowers"), {20, 20, 300, 300});
        text.m_nFontSize = 24;
        text.m_nTextEffect = effect;
        const QImage image = PaintObject(text, kPaper);
        EXPECT_GT(DarkInk(image).count, 200) << effect;
        looks.insert(QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Md5));
    }
    EXPECT_EQ(looks.size(), 6);

    const QPainterPath curve = BentText::Baseline(5, QRectF(0, 0, 100, 100));
    const QStringList letters = SplitCharacters(QStringLiteral("A very long headline indeed"));
    const QFont fitted = BentText::FittedToCurve(PageFont("DejaVu Sans", 30, false, false),
                                                 curve, letters);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(letters.join(QString())),
              curve.length() + 1);
    EXPECT_EQ(SplitCharacters(QStringLiteral("a\U0001F600b")).size(), 3);
}

TEST(OutlinedText, HardShadowFallsBelowRightAndGradientRunsFromLineToFill)
{
    TextObject text = Text(QStringLiteral("Art"));
    text.m_nTextStyle = TextObject::kOutlined;
    text.m_nFontSize = 80;
    SetShadow(text, ShadowType::Hard, 8, 6, Rgb(255, 0, 0));
    const QImage image = PaintObject(text, kPaper);
    const QRect letters = DarkInk(image).bounds;
    const QRect shadow = InkWhere(image, [](const QColor& c) {
                             return c.red() > 200 && c.green() < 60 && c.blue() < 60;
                         }).bounds;
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_NEAR(shadow.right() - letters.right(), 8, 2);
    EXPECT_NEAR(shadow.bottom() - letters.bottom(), 6, 2);

    // Whether the left fifth of the letters holds more red than the right fifth.
    auto redOnTheLeft = [](int gradientStyle) {
        TextObject text = Text(QStringLiteral("MMMM"));
        text.m_nTextStyle = TextObject::kOutlined;
        text.m_nFontSize = 90;
        text.m_bBold = 1;
        text.m_nFillType = FillType::Gradient;
        text.m_nPattern = 1; // across
        text.m_crLine = Rgb(220, 0, 0);
        text.m_crFill = Rgb(0, 0, 220);
        text.m_nGradientStyle = gradientStyle;
        const QImage image = PaintObject(text, kPaper);
        const QRect ink = InkWhere(image, [](const QColor& c) { return c.lightness() < 200; }).bounds;
        const auto red = [](const QColor& c) { return c.red() > c.blue() + 40; };
        const int fifth = ink.width() / 5;
        return InkWhere(image, red, ink.adjusted(0, 0, -4 * fifth, 0)).count >
               InkWhere(image, red, ink.adjusted(4 * fifth, 0, 0, 0)).count;
    };
    EXPECT_TRUE(redOnTheLeft(1));
    EXPECT_FALSE(redOnTheLeft(2));
}

TEST(DoubleOutlinedText, RaisesTheWidthToThreeFitsTheRectangleAndGivesTheInsideItsOwnOpacity)
{
    TextObject text = Text(QStringLiteral("Hello\nfriends"), {30, 40, 400, 300});
    text.m_nTextStyle = TextObject::kDoubleOutlined;
    text.m_bBold = 1;
    text.m_nOutlineWidth = 1;
    PaintObject(text, kPaper);
    EXPECT_EQ(text.m_nOutlineWidth, 3);

    const QFontMetricsF metrics(text.Font(false));
    const double widest = std::max(metrics.horizontalAdvance(QStringLiteral("Hello")),
                                   metrics.horizontalAdvance(QStringLiteral("friends")));
    EXPECT_EQ(text.m_rect.Width(), int(widest * 1.25));
    EXPECT_EQ(text.m_rect.Height(), int(metrics.lineSpacing() * 2));

    text.m_nOutlineWidth = 5;
    PaintObject(text, kPaper);
    EXPECT_EQ(text.m_nOutlineWidth, 5);

    // The inside colour takes its own opacity.
    TextObject o = Text(QStringLiteral("O"), {20, 20, 400, 300});
    o.m_nTextStyle = TextObject::kDoubleOutlined;
    o.m_nFontSize = 200;
    o.m_crFill = Rgb(0, 0, 255);
    o.m_nTextFillAlpha = 0;
    const QImage clear = PaintObject(o, kPaper);
    o.m_nTextFillAlpha = 255;
    const QImage solid = PaintObject(o, kPaper);
    auto blue = [](const QColor& c) { return c.blue() > 200 && c.red() < 60; };
    EXPECT_EQ(InkWhere(clear, blue).count, 0);
    EXPECT_GT(InkWhere(solid, blue).count, 500);
}

TEST(TextStyles, UnknownStylesPaintNothingThirteenArtVariantsDifferAndDamagedTextStaysDrawable)
{
    for (auto [style, effect] : {std::pair{0, 0}, {3, 0}, {6, 0}, {5, 13}, {5, 27}}) {
        TextObject text = Text(QStringLiteral("Nothing"));
        text.m_nTextStyle = style;
        text.m_nTextEffect = effect;
        EXPECT_EQ(DarkInk(PaintObject(text, kPaper)).count, 0) << style << "/" << effect;
    }

    QSet<QByteArray> looks;
    const PageRect rect{40, 60, 380, 260};
    for (int variant = TextArt::kFirstVariant; variant <= TextArt::kLastVariant; ++variant) {
        TextObject text = Text(QStringLiteral("Fun Day"), rect);
        text.m_nTextStyle = TextObject::kArt;
        text.m_nTextEffect = variant;
        const QImage image = PaintObject(text, kPaper);
        const Ink ink = InkWhere(image, [](const QColor& c) { return c != QColor(Qt::white); });
        EXPECT_GT(ink.count, 2000) << variant;
        EXPECT_TRUE(rect.ToRectF().adjusted(-8, -8, 8, 8).contains(QRectF(ink.bounds))) << variant;
        looks.insert(QCryptographicHash::hash(
            QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Md5));
    }
    EXPECT_EQ(looks.size(), 13);
    TextObject text = Text(QStringLiteral("Fallback"));
    text.m_strFontName = QStringLiteral("No Such Font Anywhere");
    EXPECT_GT(DarkInk(PaintObject(text, kPaper)).count, 50);

    for (int size : {0, -5, 2000000000}) {
        TextObject damaged = Text(QStringLiteral("x"));
        damaged.m_nFontSize = size;
        damaged.m_nTextStyle = TextObject::kDoubleOutlined;
        damaged.m_nOutlineWidth = 2000000000;
        PaintObject(damaged, kPaper); // must not crash or overflow
        EXPECT_GE(damaged.Font(false).pixelSize(), 1);
    }
}
