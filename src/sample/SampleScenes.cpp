#include "sample/SampleScenes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <array>

namespace SampleScenes {

namespace {

// Every scene is drawn on this board and scaled to the size asked for.
constexpr qreal kWidth = 1024;
constexpr qreal kHeight = 768;
constexpr qreal kHorizon = 500;

const std::array<QColor, 10> kBright{
    QColor(235, 64, 52),  QColor(255, 167, 38), QColor(253, 216, 53), QColor(102, 187, 106),
    QColor(41, 182, 246), QColor(92, 107, 192), QColor(171, 71, 188), QColor(236, 64, 122),
    QColor(38, 166, 154), QColor(255, 112, 67)};
const std::array<QColor, 5> kSkin{QColor(255, 224, 189), QColor(234, 192, 134),
                                  QColor(198, 134, 66), QColor(141, 85, 36),
                                  QColor(255, 205, 148)};
const std::array<QColor, 5> kHair{QColor(60, 40, 20), QColor(20, 20, 20), QColor(200, 140, 50),
                                  QColor(150, 60, 20), QColor(240, 210, 120)};

class Board
{
public:
    Board(QImage& image, quint32 seed) : m_painter(&image), m_random(seed)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.scale(image.width() / kWidth, image.height() / kHeight);
    }

    QPainter& P() { return m_painter; }
    qreal Between(qreal low, qreal high) { return low + m_random.generateDouble() * (high - low); }
    int Index(int count) { return int(m_random.bounded(count)); }
    QColor Bright() { return kBright[Index(int(kBright.size()))]; }

    void Fill(const QColor& color) { m_painter.setPen(Qt::NoPen); m_painter.setBrush(color); }
    void Outline(const QColor& fill, qreal width = 4)
    {
        m_painter.setPen(QPen(fill.darker(160), width));
        m_painter.setBrush(fill);
    }

    void Sky()
    {
        QLinearGradient sky(0, 0, 0, kHorizon);
        sky.setColorAt(0, QColor(90, 170, 240));
        sky.setColorAt(1, QColor(200, 232, 255));
        m_painter.fillRect(QRectF(0, 0, kWidth, kHorizon), sky);
        Sun(QPointF(Between(80, 940), Between(70, 150)), 55);
        for (int i = 0; i < 3; ++i)
            Cloud(QPointF(Between(60, 960), Between(60, 260)), Between(0.7, 1.3));
    }
    void Grass(const QColor& color = QColor(110, 190, 80))
    {
        Fill(color);
        m_painter.drawRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon));
        Fill(color.darker(115));
        for (int i = 0; i < 40; ++i)
            m_painter.drawEllipse(QPointF(Between(0, kWidth), Between(kHorizon + 20, kHeight)),
                                  18, 6);
    }
    // A room: a wall of one colour, a wooden floor and a window onto the sky.
    void Room()
    {
        m_painter.fillRect(QRectF(0, 0, kWidth, kHorizon), Bright().lighter(160));
        QLinearGradient floor(0, kHorizon, 0, kHeight);
        floor.setColorAt(0, QColor(210, 160, 100));
        floor.setColorAt(1, QColor(170, 115, 60));
        m_painter.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), floor);
        const QRectF window(Between(80, 700), 70, 240, 180);
        Outline(QColor(180, 225, 255), 10);
        m_painter.setPen(QPen(Qt::white, 12));
        m_painter.drawRect(window);
        m_painter.drawLine(window.center().x(), window.top(), window.center().x(), window.bottom());
        Sun(window.topLeft() + QPointF(60, 55), 25);
    }
    void Sun(const QPointF& at, qreal radius)
    {
        m_painter.setPen(QPen(QColor(255, 200, 0), 6, Qt::SolidLine, Qt::RoundCap));
        for (int ray = 0; ray < 12; ++ray) {
            m_painter.save();
            m_painter.translate(at);
            m_painter.rotate(ray * 30);
            m_painter.drawLine(QPointF(radius + 8, 0), QPointF(radius + 26, 0));
            m_painter.restore();
        }
        Fill(QColor(255, 215, 40));
        m_painter.drawEllipse(at, radius, radius);
    }
    void Cloud(const QPointF& at, qreal scale)
    {
        Fill(QColor(255, 255, 255, 230));
        for (const QPointF& puff : {QPointF(0, 0), QPointF(45, -25), QPointF(95, 0),
                                    QPointF(50, 12)})
            m_painter.drawEllipse(at + puff * scale, 50 * scale, 34 * scale);
    }
    void Tree(const QPointF& foot, qreal height)
    {
        Fill(QColor(120, 80, 40));
        m_painter.drawRect(QRectF(foot.x() - 14, foot.y() - height * 0.5, 28, height * 0.5));
        Fill(QColor(60, 150, 60));
        m_painter.drawEllipse(QPointF(foot.x(), foot.y() - height * 0.65), height * 0.32,
                              height * 0.3);
        Fill(QColor(80, 175, 70));
        m_painter.drawEllipse(QPointF(foot.x() + 20, foot.y() - height * 0.78), height * 0.2,
                              height * 0.18);
    }
    void Flower(const QPointF& at, qreal size)
    {
        m_painter.setPen(QPen(QColor(50, 130, 50), size / 5));
        m_painter.drawLine(at, at + QPointF(0, size * 2));
        Fill(Bright());
        for (int petal = 0; petal < 5; ++petal) {
            const qreal angle = petal * 72 * M_PI / 180;
            m_painter.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * size * 0.6,
                                  size * 0.45, size * 0.45);
        }
        Fill(QColor(255, 220, 60));
        m_painter.drawEllipse(at, size * 0.35, size * 0.35);
    }
    void Block(const QRectF& rect, const QString& letter)
    {
        const QColor color = Bright();
        Outline(color, 4);
        m_painter.drawRoundedRect(rect, 8, 8);
        m_painter.setPen(Qt::white);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(int(rect.height() * 0.6));
        m_painter.setFont(font);
        m_painter.drawText(rect, Qt::AlignCenter, letter);
    }
    // A cartoon person standing on `foot`, `height` tall, arms up or down.
    void Figure(const QPointF& foot, qreal height, bool armsUp)
    {
        const qreal unit = height / 10;
        const QColor skin = kSkin[Index(int(kSkin.size()))];
        const QColor shirt = Bright();
        const QPointF neck = foot - QPointF(0, unit * 7);
        QPen limb(skin.darker(110), unit * 0.9, Qt::SolidLine, Qt::RoundCap);
        m_painter.setPen(limb);
        m_painter.drawLine(neck + QPointF(-unit * 1.2, unit * 1), neck + QPointF(-unit * 2.6,
                                                                  armsUp ? -unit * 1.5 : unit * 3.4));
        m_painter.drawLine(neck + QPointF(unit * 1.2, unit * 1), neck + QPointF(unit * 2.6,
                                                                 armsUp ? -unit * 1.5 : unit * 3.4));
        limb.setColor(QColor(60, 80, 140));
        m_painter.setPen(limb);
        m_painter.drawLine(foot - QPointF(unit * 0.8, unit * 3), foot - QPointF(unit * 1.1, 0));
        m_painter.drawLine(foot - QPointF(-unit * 0.8, unit * 3), foot - QPointF(-unit * 1.1, 0));
        Outline(shirt, unit * 0.3);
        m_painter.drawRoundedRect(QRectF(neck.x() - unit * 1.6, neck.y(), unit * 3.2, unit * 4.3),
                                  unit, unit);
        const QPointF head = neck - QPointF(0, unit * 1.4);
        Fill(kHair[Index(int(kHair.size()))]);
        m_painter.drawEllipse(head - QPointF(0, unit * 0.3), unit * 1.65, unit * 1.6);
        Fill(skin);
        m_painter.drawEllipse(head + QPointF(0, unit * 0.15), unit * 1.45, unit * 1.4);
        Fill(QColor(40, 40, 40));
        m_painter.drawEllipse(head + QPointF(-unit * 0.5, 0), unit * 0.16, unit * 0.2);
        m_painter.drawEllipse(head + QPointF(unit * 0.5, 0), unit * 0.16, unit * 0.2);
        m_painter.setPen(QPen(QColor(190, 60, 60), unit * 0.18, Qt::SolidLine, Qt::RoundCap));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawArc(QRectF(head.x() - unit * 0.6, head.y() + unit * 0.1, unit * 1.2,
                                 unit * 0.8), 200 * 16, 140 * 16);
    }
    void Children(int count, qreal footLow, qreal footHigh)
    {
        // Each child keeps to a stretch of its own, so none hides another.
        const qreal stretch = 800.0 / count;
        for (int i = 0; i < count; ++i)
            Figure(QPointF(110 + stretch * (i + Between(0.25, 0.75)), Between(footLow, footHigh)),
                   Between(170, 220), Index(2) == 0);
    }

private:
    QPainter m_painter;
    QRandomGenerator m_random;
};

void PlayCorner(Board& b)
{
    b.Room();
    b.Outline(QColor(230, 90, 90));
    b.P().drawRect(QRectF(640, 330, 260, 200));   // a toy kitchen
    b.Outline(QColor(250, 250, 250));
    b.P().drawEllipse(QPointF(700, 350), 30, 12);
    b.P().drawEllipse(QPointF(820, 350), 30, 12);
    b.Outline(QColor(120, 120, 120));
    b.P().drawRect(QRectF(670, 400, 200, 100));
    b.Outline(QColor(255, 170, 200));
    b.P().drawEllipse(QPointF(300, 640), 160, 40);   // a rug
    b.Children(2, 620, 700);
}

void Sandpit(Board& b)
{
    b.Sky();
    b.Grass();
    b.Outline(QColor(160, 110, 60), 8);
    b.P().drawRect(QRectF(150, 540, 720, 200));
    b.Fill(QColor(240, 215, 150));
    b.P().drawRect(QRectF(165, 555, 690, 170));
    b.Fill(QColor(225, 195, 120));
    for (int i = 0; i < 5; ++i)
        b.P().drawEllipse(QPointF(b.Between(220, 800), b.Between(600, 700)), 60, 22);
    b.Outline(b.Bright());   // a bucket and a spade
    QPolygonF bucket{{600, 600}, {680, 600}, {665, 680}, {615, 680}};
    b.P().drawPolygon(bucket);
    b.Outline(b.Bright());
    b.P().drawRect(QRectF(420, 560, 14, 90));
    b.P().drawEllipse(QRectF(405, 640, 44, 50));
    b.Children(2, 600, 660);
}

void PaintingEasel(Board& b)
{
    b.Room();
    b.P().setPen(QPen(QColor(140, 90, 40), 14, Qt::SolidLine, Qt::RoundCap));
    b.P().drawLine(QPointF(560, 700), QPointF(660, 260));
    b.P().drawLine(QPointF(760, 700), QPointF(660, 260));
    b.Outline(Qt::white, 5);
    b.P().drawRect(QRectF(540, 300, 240, 260));
    b.Sun(QPointF(610, 370), 28);
    b.Fill(QColor(90, 190, 90));
    b.P().drawRect(QRectF(548, 470, 224, 82));
    b.Flower(QPointF(700, 440), 18);
    for (int i = 0; i < 4; ++i) {   // paint pots
        b.Outline(b.Bright(), 3);
        b.P().drawRoundedRect(QRectF(560 + i * 55, 580, 45, 40), 6, 6);
    }
    b.Figure(QPointF(400, 710), 220, false);
}

void Garden(Board& b)
{
    b.Sky();
    b.Grass();
    b.Tree(QPointF(b.Between(80, 250), 560), 360);
    b.Tree(QPointF(b.Between(780, 950), 540), 300);
    for (int i = 0; i < 18; ++i)
        b.Flower(QPointF(b.Between(60, 960), b.Between(560, 720)), b.Between(12, 22));
    b.Outline(QColor(60, 150, 220));   // a watering can
    b.P().drawRoundedRect(QRectF(520, 600, 110, 80), 12, 12);
    b.P().setPen(QPen(QColor(40, 110, 180), 12));
    b.P().drawLine(QPointF(630, 620), QPointF(690, 580));
    b.Children(2, 640, 710);
}

void Blocks(Board& b)
{
    b.Room();
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4 - row; ++column)
            b.Block(QRectF(560 + column * 90 + row * 45, 620 - row * 90, 86, 86),
                    letters.mid(b.Index(26), 1));
    b.Block(QRectF(200, 640, 80, 80), QStringLiteral("1"));
    b.Block(QRectF(300, 660, 80, 80), QStringLiteral("2"));
    b.Figure(QPointF(380, 680), 200, true);
}

void BirthdayCake(Board& b)
{
    b.Room();
    b.Outline(QColor(250, 250, 250));
    b.P().drawEllipse(QPointF(512, 600), 300, 70);   // the table
    b.Outline(QColor(250, 190, 210));
    b.P().drawRoundedRect(QRectF(372, 430, 280, 150), 20, 20);
    b.Outline(QColor(255, 240, 245));
    b.P().drawRoundedRect(QRectF(392, 400, 240, 50), 18, 18);
    const int candles = 3 + b.Index(4);
    for (int i = 0; i < candles; ++i) {
        const qreal x = 420 + i * (190.0 / std::max(1, candles - 1));
        b.Outline(b.Bright(), 2);
        b.P().drawRect(QRectF(x - 6, 340, 12, 60));
        b.Fill(QColor(255, 180, 0));
        b.P().drawEllipse(QPointF(x, 328), 8, 14);
    }
    for (int i = 0; i < 5; ++i) {   // balloons
        const QPointF at(b.Between(60, 960), b.Between(80, 260));
        b.P().setPen(QPen(QColor(90, 90, 90), 2));
        b.P().drawLine(at + QPointF(0, 50), at + QPointF(b.Between(-30, 30), 200));
        b.Outline(b.Bright(), 3);
        b.P().drawEllipse(at, 40, 50);
    }
    b.Figure(QPointF(200, 740), 230, true);
    b.Figure(QPointF(840, 740), 210, false);
}

void Kite(Board& b)
{
    b.Sky();
    b.Grass();
    const QPointF kite(b.Between(500, 850), b.Between(120, 220));
    QPolygonF diamond{kite + QPointF(0, -80), kite + QPointF(60, 0), kite + QPointF(0, 110),
                      kite + QPointF(-60, 0)};
    b.Outline(b.Bright(), 4);
    b.P().drawPolygon(diamond);
    b.P().setPen(QPen(QColor(80, 80, 80), 2));
    b.P().drawLine(kite + QPointF(0, -80), kite + QPointF(0, 110));
    b.P().drawLine(kite + QPointF(-60, 0), kite + QPointF(60, 0));
    QPainterPath tail(kite + QPointF(0, 110));
    tail.cubicTo(kite + QPointF(-40, 180), kite + QPointF(40, 230), kite + QPointF(-20, 300));
    b.P().setBrush(Qt::NoBrush);
    b.P().drawPath(tail);
    const QPointF hand(300, 520);
    b.P().drawLine(hand, kite + QPointF(0, 20));
    b.Figure(QPointF(320, 720), 220, true);
}

void StoryMat(Board& b)
{
    b.Room();
    b.Outline(QColor(120, 200, 230));
    b.P().drawEllipse(QPointF(512, 650), 380, 90);
    b.Outline(QColor(150, 100, 60));   // a book shelf
    b.P().drawRect(QRectF(700, 260, 240, 260));
    for (int shelf = 0; shelf < 3; ++shelf)
        for (int book = 0; book < 7; ++book) {
            b.Outline(b.Bright(), 2);
            b.P().drawRect(QRectF(712 + book * 31, 275 + shelf * 82, 26, 70));
        }
    b.Outline(QColor(255, 250, 230), 3);   // an open book
    b.P().drawRect(QRectF(380, 560, 120, 80));
    b.P().drawRect(QRectF(500, 560, 120, 80));
    b.Children(3, 660, 720);
}

void Playground(Board& b)
{
    b.Sky();
    b.Grass(QColor(120, 200, 90));
    b.P().setPen(QPen(QColor(220, 60, 60), 16));
    b.P().drawLine(QPointF(220, 660), QPointF(220, 330));   // a slide's ladder
    b.P().drawLine(QPointF(300, 660), QPointF(300, 330));
    for (int rung = 0; rung < 6; ++rung)
        b.P().drawLine(QPointF(220, 380 + rung * 50), QPointF(300, 380 + rung * 50));
    b.P().setPen(QPen(QColor(255, 200, 0), 30, Qt::SolidLine, Qt::RoundCap));
    b.P().drawLine(QPointF(300, 340), QPointF(560, 660));
    b.P().setPen(QPen(QColor(90, 90, 200), 12));   // a swing
    b.P().drawLine(QPointF(680, 260), QPointF(960, 260));
    b.P().drawLine(QPointF(680, 260), QPointF(640, 680));
    b.P().drawLine(QPointF(960, 260), QPointF(1000, 680));
    b.P().setPen(QPen(QColor(80, 80, 80), 3));
    b.P().drawLine(QPointF(790, 262), QPointF(790, 560));
    b.P().drawLine(QPointF(850, 262), QPointF(850, 560));
    b.Outline(QColor(160, 110, 60));
    b.P().drawRect(QRectF(780, 555, 80, 14));
    b.Figure(QPointF(820, 600), 180, true);
    b.Figure(QPointF(480, 720), 200, false);
}

void Music(Board& b)
{
    b.Room();
    for (int bar = 0; bar < 8; ++bar) {   // a xylophone
        b.Outline(kBright[bar % kBright.size()], 3);
        b.P().drawRoundedRect(QRectF(520 + bar * 50, 560 + bar * 4, 42, 120 - bar * 8), 6, 6);
    }
    b.Outline(QColor(230, 80, 80));   // a drum
    b.P().drawRect(QRectF(180, 580, 160, 110));
    b.Outline(QColor(250, 240, 220));
    b.P().drawEllipse(QPointF(260, 580), 80, 24);
    b.P().setPen(QPen(QColor(30, 30, 30), 5));
    for (int note = 0; note < 4; ++note) {
        const QPointF at(b.Between(150, 900), b.Between(120, 300));
        b.Fill(QColor(30, 30, 30));
        b.P().drawEllipse(at, 16, 12);
        b.P().setPen(QPen(QColor(30, 30, 30), 5));
        b.P().drawLine(at + QPointF(14, 0), at + QPointF(14, -60));
    }
    b.Children(2, 700, 740);
}

void FruitSnack(Board& b)
{
    b.Room();
    b.Outline(QColor(250, 250, 250));
    b.P().drawRect(QRectF(100, 560, 824, 40));   // the table
    b.Outline(QColor(255, 255, 255), 3);
    b.P().drawEllipse(QPointF(512, 545), 170, 40);
    const std::array<QColor, 4> fruit{QColor(220, 40, 40), QColor(255, 160, 0),
                                      QColor(250, 225, 60), QColor(120, 190, 60)};
    for (int i = 0; i < 9; ++i) {
        b.Outline(fruit[std::size_t(b.Index(4))], 2);
        b.P().drawEllipse(QPointF(b.Between(380, 640), b.Between(505, 540)), 30, 28);
    }
    b.Figure(QPointF(230, 740), 220, false);
    b.Figure(QPointF(800, 740), 210, true);
}

void Bubbles(Board& b)
{
    b.Sky();
    b.Grass();
    b.P().setPen(QPen(QColor(255, 255, 255, 200), 3));
    for (int i = 0; i < 24; ++i) {
        const QColor tint = QColor::fromHsv(b.Index(360), 80, 255, 70);
        b.P().setBrush(tint);
        const qreal radius = b.Between(14, 48);
        b.P().drawEllipse(QPointF(b.Between(300, 1000), b.Between(80, 480)), radius, radius);
    }
    b.Figure(QPointF(260, 700), 230, true);
}

struct Scene
{
    const char* name;
    void (*draw)(Board&);
};

const std::array<Scene, 12> kScenes{{
    {"Play corner", PlayCorner},     {"Sandpit", Sandpit},    {"Painting easel", PaintingEasel},
    {"Garden", Garden},              {"Blocks", Blocks},      {"Birthday cake", BirthdayCake},
    {"Kite", Kite},                  {"Story time", StoryMat}, {"Playground", Playground},
    {"Music", Music},                {"Fruit snack", FruitSnack}, {"Bubbles", Bubbles},
}};

QImage NewImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

int SceneCount()
{
    return int(kScenes.size());
}

QString SceneName(int scene)
{
    return QString::fromLatin1(kScenes[std::size_t(scene % int(kScenes.size()))].name);
}

QImage DrawScene(int scene, quint32 seed, QSize size)
{
    QImage image = NewImage(size);
    Board board(image, seed);
    kScenes[std::size_t(scene % int(kScenes.size()))].draw(board);
    return image;
}

QImage DrawPortrait(quint32 seed, QSize size, bool grownUp)
{
    QImage image = NewImage(size);
    Board board(image, seed);
    QLinearGradient wall(0, 0, kWidth, kHeight);
    wall.setColorAt(0, board.Bright().lighter(150));
    wall.setColorAt(1, board.Bright().lighter(130));
    board.P().fillRect(QRectF(0, 0, kWidth, kHeight), wall);
    for (int i = 0; i < 12; ++i) {
        board.Fill(QColor(255, 255, 255, 70));
        const qreal radius = board.Between(20, 70);
        board.P().drawEllipse(QPointF(board.Between(0, kWidth), board.Between(0, kHeight)),
                              radius, radius);
    }
    board.Figure(QPointF(kWidth / 2, kHeight + (grownUp ? 160 : 120)), grownUp ? 900 : 820,
                 false);
    return image;
}

QImage DrawFamily(quint32 seed, QSize size)
{
    QImage image = NewImage(size);
    Board board(image, seed);
    board.Sky();
    board.Grass();
    board.Tree(QPointF(board.Between(60, 160), 560), 380);
    board.Figure(QPointF(330, 740), 430, false);
    board.Figure(QPointF(700, 740), 450, false);
    board.Figure(QPointF(515, 750), 260, true);
    return image;
}

} // namespace SampleScenes
