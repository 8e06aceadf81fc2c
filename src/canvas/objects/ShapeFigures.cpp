#include "canvas/objects/ShapeFigures.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ShapeFigures {

namespace {

// A straight-edged outline in the unit square, closed implicitly.
using Outline = std::vector<QPointF>;

struct Design
{
    int kind;
    const char* name;
    std::vector<Outline> polygons;                 // straight-edged kinds
    QPainterPath (*draw)(const QRectF&) = nullptr; // every other kind
};

QPointF Map(const QRectF& r, const QPointF& unit)
{
    return {r.left() + unit.x() * r.width(), r.top() + unit.y() * r.height()};
}

QRectF MapRect(const QRectF& r, const QRectF& unit)
{
    return {Map(r, unit.topLeft()), Map(r, unit.bottomRight())};
}

void AddPolygon(QPainterPath& path, const QRectF& r, const Outline& outline)
{
    path.moveTo(Map(r, outline.front()));
    for (std::size_t i = 1; i < outline.size(); ++i)
        path.lineTo(Map(r, outline[i]));
    path.closeSubpath();
}

void AddOval(QPainterPath& path, const QRectF& r, const QRectF& unit)
{
    path.addEllipse(MapRect(r, unit));
}

// Figures drawn in loose design units are fitted by their exact bounds, so they touch
// every side of the rectangle like the others do.
QPainterPath FitInto(const QPainterPath& path, const QRectF& r)
{
    const QRectF from = path.boundingRect();
    if (from.width() <= 0 || from.height() <= 0)
        return path;
    QTransform t;
    t.translate(r.left(), r.top());
    t.scale(r.width() / from.width(), r.height() / from.height());
    t.translate(-from.left(), -from.top());
    return t.map(path);
}

// --- Straight-edged outlines -------------------------------------------------------

enum class Heading { Right, Left, Up, Down };

// A block arrow pointing right; `shaft` is its thickness and `head` the head's length,
// both as fractions of the square.
Outline Arrow(qreal shaft, qreal head)
{
    const qreal a = 0.5 - shaft / 2, b = 0.5 + shaft / 2, h = 1 - head;
    return {{0, a}, {h, a}, {h, 0}, {1, 0.5}, {h, 1}, {h, b}, {0, b}};
}

Outline DoubleArrow(qreal shaft, qreal head)
{
    const qreal a = 0.5 - shaft / 2, b = 0.5 + shaft / 2, h = 1 - head;
    return {{0, 0.5}, {head, 0}, {head, a}, {h, a}, {h, 0}, {1, 0.5},
            {h, 1},   {h, b},    {head, b}, {head, 1}};
}

// Turns a right-pointing outline to `heading` (reflections, which keep the symmetric
// arrows intact).
Outline Turned(Outline outline, Heading heading)
{
    for (QPointF& p : outline) {
        switch (heading) {
        case Heading::Right: break;
        case Heading::Left: p = {1 - p.x(), p.y()}; break;
        case Heading::Up: p = {p.y(), 1 - p.x()}; break;
        case Heading::Down: p = {p.y(), p.x()}; break;
        }
    }
    return outline;
}

// Squeezes a unit-square outline into the part `unit` of the square.
Outline Placed(Outline outline, const QRectF& unit)
{
    for (QPointF& p : outline)
        p = Map(unit, p);
    return outline;
}

const Outline kChevron{{0, 0}, {0.7, 0}, {1, 0.5}, {0.7, 1}, {0, 1}, {0.3, 0.5}};

// --- Arcs ----------------------------------------------------------------------------

struct Circle
{
    QPointF centre;
    qreal radius;
    QRectF Bounds() const
    {
        return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
    }
    // The angle arcTo() uses for the point `p` on the circle.
    qreal AngleOf(const QPointF& p) const
    {
        return qRadiansToDegrees(std::atan2(centre.y() - p.y(), p.x() - centre.x()));
    }
};

// Where two crossing circles cross.
std::pair<QPointF, QPointF> Crossings(const Circle& a, const Circle& b)
{
    const QPointF d = b.centre - a.centre;
    const qreal dist = std::hypot(d.x(), d.y());
    const qreal along = (a.radius * a.radius - b.radius * b.radius + dist * dist) / (2 * dist);
    const qreal across = std::sqrt(std::max<qreal>(0, a.radius * a.radius - along * along));
    const QPointF foot = a.centre + d * (along / dist);
    const QPointF normal(-d.y() / dist, d.x() / dist);
    return {foot + normal * across, foot - normal * across};
}

// The counter-clockwise sweep from angle `from` to angle `to`, in (0, 360].
qreal SweepBetween(qreal from, qreal to)
{
    const qreal sweep = std::fmod(to - from + 720, 360);
    return sweep > 0 ? sweep : 360;
}

// Clockwise box with rounded corners. The bottom edge runs through `bottom` (right to
// left) on its way, which is how tails and pointers join the box.
void AddRoundedBox(QPainterPath& path, const QRectF& box, qreal radius,
                   const std::vector<QPointF>& bottom = {})
{
    const qreal d = 2 * radius;
    path.moveTo(box.left() + radius, box.top());
    path.arcTo(QRectF(box.right() - d, box.top(), d, d), 90, -90);
    path.arcTo(QRectF(box.right() - d, box.bottom() - d, d, d), 0, -90);
    for (const QPointF& p : bottom)
        path.lineTo(p);
    path.arcTo(QRectF(box.left(), box.bottom() - d, d, d), 270, -90);
    path.arcTo(QRectF(box.left(), box.top(), d, d), 180, -90);
    path.closeSubpath();
}

qreal ShortSide(const QRectF& r)
{
    return std::min(r.width(), r.height());
}

QPainterPath Pill(const QRectF& r)
{
    QPainterPath path;
    AddRoundedBox(path, r, ShortSide(r) / 2);
    return path;
}

QPainterPath SpeechBubble(const QRectF& r)
{
    const QRectF box(r.left(), r.top(), r.width(), r.height() * 0.76);
    // The radius stays below a fifth of the width, so the tail joins the straight edge.
    const std::vector<QPointF> tail{Map(r, {0.46, 0.76}), Map(r, {0.14, 1}), Map(r, {0.26, 0.76})};
    QPainterPath path;
    AddRoundedBox(path, box, ShortSide(box) * 0.2, tail);
    return path;
}

QPainterPath ArrowCallout(const QRectF& r)
{
    const qreal boxHeight = 0.6;
    const QRectF box(r.left(), r.top(), r.width(), r.height() * boxHeight);
    Outline arrow = Placed(Turned(Arrow(0.45, 0.5), Heading::Down),
                           {0.3, boxHeight, 0.4, 1 - boxHeight});
    std::reverse(arrow.begin(), arrow.end()); // the bottom edge runs right to left
    std::vector<QPointF> pointer;
    for (const QPointF& p : arrow)
        pointer.push_back(Map(r, p));
    QPainterPath path;
    AddRoundedBox(path, box, ShortSide(box) * 0.2, pointer);
    return path;
}

QPainterPath Moon(const QRectF& r)
{
    const Circle outer{{0.5, 0.5}, 0.5};
    const Circle bite{{0.8, 0.38}, 0.42};
    auto [upper, lower] = Crossings(outer, bite);
    if (upper.y() > lower.y())
        std::swap(upper, lower);
    QPainterPath path;
    const qreal from = outer.AngleOf(upper);
    path.arcMoveTo(outer.Bounds(), from);
    path.arcTo(outer.Bounds(), from, SweepBetween(from, outer.AngleOf(lower)));
    const qreal back = bite.AngleOf(lower);
    path.arcTo(bite.Bounds(), back, -SweepBetween(bite.AngleOf(upper), back));
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath Cloud(const QRectF& r)
{
    // Bumps in counter-clockwise order; each crosses its neighbours.
    static const Circle bumps[]{
        {{8.4, 3.7}, 1.5}, {{6.7, 2.2}, 1.7}, {{4.5, 1.9}, 2.0}, {{2.4, 2.8}, 1.5},
        {{1.4, 4.1}, 1.3}, {{3.1, 4.8}, 1.2}, {{5.1, 4.9}, 1.2}, {{7.0, 4.7}, 1.2},
    };
    const int n = int(std::size(bumps));
    QPointF middle;
    for (const Circle& bump : bumps)
        middle += bump.centre / n;
    const auto outerCrossing = [&](const Circle& a, const Circle& b) {
        const auto [p, q] = Crossings(a, b);
        return QLineF(middle, p).length() > QLineF(middle, q).length() ? p : q;
    };
    QPainterPath path;
    for (int i = 0; i < n; ++i) {
        const Circle& bump = bumps[i];
        const qreal from = bump.AngleOf(outerCrossing(bumps[(i + n - 1) % n], bump));
        const qreal to = bump.AngleOf(outerCrossing(bump, bumps[(i + 1) % n]));
        if (i == 0)
            path.arcMoveTo(bump.Bounds(), from);
        path.arcTo(bump.Bounds(), from, SweepBetween(from, to));
    }
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath Can(const QRectF& r)
{
    const qreal lid = std::min(r.height() * 0.25, r.width() * 0.35);
    const QRectF top(r.left(), r.top(), r.width(), lid);
    const QRectF base(r.left(), r.bottom() - lid, r.width(), lid);
    QPainterPath path;
    // The body stops at the lid's front rim so the two pieces never overlap.
    path.moveTo(r.left(), r.top() + lid / 2);
    path.arcTo(base, 180, 180);
    path.arcTo(top, 0, -180);
    path.closeSubpath();
    path.arcMoveTo(top, 0);
    path.arcTo(top, 0, 360);
    path.closeSubpath();
    return path;
}

QPainterPath Arch(const QRectF& r)
{
    const qreal rise = std::min(r.width(), r.height()) / 2;
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.arcTo(QRectF(r.left(), r.top(), r.width(), 2 * rise), 180, -180);
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    return path;
}

QPainterPath Delay(const QRectF& r)
{
    const qreal bulge = std::min(r.width(), r.height()) / 2;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.arcTo(QRectF(r.right() - 2 * bulge, r.top(), 2 * bulge, r.height()), 90, -180);
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    return path;
}

QPainterPath UTurnArrow(const QRectF& r)
{
    const qreal band = std::min(r.width() * 0.22, r.height() * 0.2);
    const qreal headHalf = band * 0.9;
    const qreal headLength = std::min(r.height() * 0.3, headHalf * 2);
    const qreal leg = r.right() - headHalf; // middle of the leg carrying the head
    const qreal rx = (leg + band / 2 - r.left()) / 2;
    const qreal ry = std::min(rx, r.height() * 0.45);
    const qreal headY = r.bottom() - headLength;

    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.arcTo(QRectF(r.left(), r.top(), 2 * rx, 2 * ry), 180, -180);
    path.lineTo(leg + band / 2, headY);
    path.lineTo(leg + headHalf, headY);
    path.lineTo(leg, r.bottom());
    path.lineTo(leg - headHalf, headY);
    path.lineTo(leg - band / 2, headY);
    path.arcTo(QRectF(r.left() + band, r.top() + band, 2 * (rx - band), 2 * (ry - band)), 0, 180);
    path.lineTo(r.left() + band, r.bottom());
    path.closeSubpath();
    return path;
}

QPainterPath Drop(const QRectF& r)
{
    // Round body at the bottom; the sides run from the tip to where they touch it.
    const QPointF tip(0.5, 0);
    const Circle body{{0.5, 0.64}, 0.36};
    const qreal touch =
        qRadiansToDegrees(std::acos(body.radius / QLineF(tip, body.centre).length()));
    QPainterPath path;
    path.moveTo(tip);
    path.arcTo(body.Bounds(), 90 + touch, 360 - 2 * touch);
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath Pie(const QRectF& r)
{
    const QPointF centre(0.5, 0.5);
    const qreal radius = 0.5;
    const qreal sliceFrom = 20, sliceSweep = 60;
    const qreal middle = qDegreesToRadians(sliceFrom + sliceSweep / 2);
    const QPointF out = QPointF(std::cos(middle), -std::sin(middle)) * 0.08;
    const QRectF disc(0, 0, 2 * radius, 2 * radius);
    QPainterPath path;
    path.moveTo(centre);
    path.arcTo(disc, sliceFrom + sliceSweep, 360 - sliceSweep);
    path.closeSubpath();
    path.moveTo(centre + out);
    path.arcTo(disc.translated(out), sliceFrom, sliceSweep);
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath LeftBrace(const QRectF& r)
{
    const qreal midY = r.center().y();
    const qreal half = r.width() / 2;
    const qreal curl = std::min(r.height() * 0.14, r.width());
    const auto corner = [&](qreal cx, qreal cy) {
        return QRectF(cx - half, cy - curl, 2 * half, 2 * curl);
    };
    QPainterPath path;
    path.moveTo(r.topRight());
    path.arcTo(corner(r.right(), r.top() + curl), 90, 90);
    path.arcTo(corner(r.left(), midY - curl), 0, -90);
    path.arcTo(corner(r.left(), midY + curl), 90, -90);
    path.arcTo(corner(r.right(), r.bottom() - curl), 180, 90);
    return path;
}

QPainterPath Ring(const QRectF& r)
{
    const qreal band = ShortSide(r) * 0.22;
    QPainterPath path;
    path.addEllipse(r);
    path.addEllipse(r.adjusted(band, band, -band, -band));
    return path;
}

QPainterPath Target(const QRectF& r)
{
    const qreal step = ShortSide(r) * 0.1;
    QPainterPath path;
    for (int i = 0; i < 5; ++i)
        path.addEllipse(r.adjusted(i * step, i * step, -i * step, -i * step));
    return path;
}

QPainterPath Smiley(const QRectF& r)
{
    QPainterPath path;
    path.addEllipse(r);
    // Eyes and mouth are separate closed pieces inside the face, so they show as holes.
    for (const qreal x : {0.3, 0.58}) {
        const QRectF eye = MapRect(r, {x, 0.26, 0.12, 0.18});
        path.arcMoveTo(eye, 0);
        path.arcTo(eye, 0, 360);
        path.closeSubpath();
    }
    // The smile's edges are two ellipses as wide as each other, placed so their arcs
    // from 200 to 340 degrees meet at the corners of the mouth.
    const qreal lowerHalf = 0.23, upperHalf = 0.08, middle = 0.53;
    const qreal corner = middle - lowerHalf * std::sin(qDegreesToRadians(200.0));
    const qreal upperMiddle = corner + upperHalf * std::sin(qDegreesToRadians(200.0));
    const QRectF lower = MapRect(r, {0.2, middle - lowerHalf, 0.6, 2 * lowerHalf});
    const QRectF upper = MapRect(r, {0.2, upperMiddle - upperHalf, 0.6, 2 * upperHalf});
    path.arcMoveTo(lower, 200);
    path.arcTo(lower, 200, 140);
    path.arcTo(upper, 340, -140);
    path.closeSubpath();
    return path;
}

QPainterPath Leaf(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(0, 1);
    path.cubicTo(0.02, 0.35, 0.45, 0, 1, 0);
    path.cubicTo(1, 0.55, 0.65, 0.98, 0, 1);
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath Wave(const QRectF& r)
{
    QPainterPath path;
    path.moveTo(0, 0.15);
    path.cubicTo(0.35, -0.15, 0.65, 0.45, 1, 0.15);
    path.lineTo(1, 0.85);
    path.cubicTo(0.65, 1.15, 0.35, 0.55, 0, 0.85);
    path.closeSubpath();
    return FitInto(path, r);
}

QPainterPath Balloon(const QRectF& r)
{
    QPainterPath path;
    AddOval(path, r, {0, 0, 1, 0.78});
    path.moveTo(Map(r, {0.5, 0.78}));
    path.lineTo(Map(r, {0.42, 1}));
    return path;
}

QPainterPath Sun(const QRectF& r)
{
    QPainterPath path;
    AddOval(path, r, {0.2, 0.2, 0.6, 0.6});
    const auto polar = [](qreal radius, qreal degrees) {
        const qreal a = qDegreesToRadians(degrees);
        return QPointF(0.5 + radius * std::cos(a), 0.5 - radius * std::sin(a));
    };
    constexpr int kRays = 12;
    for (int i = 0; i < kRays; ++i) {
        const qreal angle = 360.0 * i / kRays;
        AddPolygon(path, r, {polar(0.34, angle - 9), polar(0.5, angle), polar(0.34, angle + 9)});
    }
    return path;
}

QPainterPath Frame(const QRectF& r)
{
    const qreal border = ShortSide(r) * 0.16;
    const QRectF inner = r.adjusted(border, border, -border, -border);
    QPainterPath path;
    path.addRect(r);
    path.addRect(inner);
    // Mitres, stroked only.
    const std::pair<QPointF, QPointF> mitres[]{{r.topLeft(), inner.topLeft()},
                                               {r.topRight(), inner.topRight()},
                                               {r.bottomRight(), inner.bottomRight()},
                                               {r.bottomLeft(), inner.bottomLeft()}};
    for (const auto& [from, to] : mitres) {
        path.moveTo(from);
        path.lineTo(to);
    }
    return path;
}

// Ordered by kind.
const std::vector<Design>& Designs()
{
    constexpr qreal t1 = 1.0 / 3, t2 = 2.0 / 3;
    static const std::vector<Design> designs{
        {6, "Exchange arrows",
         {Placed(Arrow(0.5, 0.3), {0.12, 0, 0.88, 0.46}),
          Placed(Turned(Arrow(0.5, 0.3), Heading::Left), {0, 0.54, 0.88, 0.46})}},
        {7, "Right arrow", {Arrow(0.5, 0.4)}},
        {8, "Left arrow", {Turned(Arrow(0.5, 0.4), Heading::Left)}},
        {9, "Ring", {}, &Ring},
        {10, "Up arrow", {Turned(Arrow(0.5, 0.4), Heading::Up)}},
        {11, "Smiley", {}, &Smiley},
        {13, "Down arrow", {Turned(Arrow(0.5, 0.4), Heading::Down)}},
        {14, "Left-right arrow", {DoubleArrow(0.5, 0.3)}},
        {15, "Pill", {}, &Pill},
        {17, "Up-down arrow", {Turned(DoubleArrow(0.5, 0.3), Heading::Up)}},
        {18, "Lightning bolt",
         {{{0.3, 0}, {0.82, 0}, {0.58, 0.38}, {1, 0.38}, {0.18, 1}, {0.42, 0.56}, {0, 0.56}}}},
        {19, "Cross",
         {{{t1, 0}, {t2, 0}, {t2, t1}, {1, t1}, {1, t2}, {t2, t2}, {t2, 1}, {t1, 1}, {t1, t2},
           {0, t2}, {0, t1}, {t1, t1}}}},
        {20, "Leaf", {}, &Leaf},
        {22, "Wave", {}, &Wave},
        {23, "Moon", {}, &Moon},
        {24, "Chevron", {kChevron}},
        {25, "Arrow callout", {}, &ArrowCallout},
        {26, "Speech bubble", {}, &SpeechBubble},
        {30, "Balloon", {}, &Balloon},
        {31, "Sun", {}, &Sun},
        {32, "Double chevron",
         {Placed(kChevron, {0, 0, 0.55, 1}), Placed(kChevron, {0.45, 0, 0.55, 1})}},
        // Front face and the top-and-side band around it.
        {35, "Cube",
         {{{0, 0.25}, {0.75, 0.25}, {0.75, 1}, {0, 1}},
          {{0, 0.25}, {0.25, 0}, {1, 0}, {1, 0.75}, {0.75, 1}, {0.75, 0.25}}}},
        {36, "Target", {}, &Target},
        {39, "Can", {}, &Can},
        {40, "Arch", {}, &Arch},
        // The turned corner fills the notch of the page rather than lying over it.
        {41, "Folded note",
         {{{0, 0}, {1, 0}, {1, 0.75}, {0.75, 0.75}, {0.75, 1}, {0, 1}},
          {{1, 0.75}, {0.75, 1}, {0.75, 0.75}}}},
        {42, "U-turn arrow", {}, &UTurnArrow},
        {43, "Diamond", {{{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}}}},
        {44, "Parallelogram", {{{0.25, 0}, {1, 0}, {0.75, 1}, {0, 1}}}},
        {45, "Delay", {}, &Delay},
        {46, "Hexagon", {{{0.25, 0}, {0.75, 0}, {1, 0.5}, {0.75, 1}, {0.25, 1}, {0, 0.5}}}},
        {47, "Drop", {}, &Drop},
        {48, "Left brace", {}, &LeftBrace},
        {49, "Off-page connector", {{{0, 0}, {1, 0}, {1, 0.7}, {0.5, 1}, {0, 0.7}}}},
        {124, "Cloud", {}, &Cloud},
        {125, "Frame", {}, &Frame},
        {126, "Ribbon",
         {{{0, 0}, {1, 0}, {0.88, 0.5}, {1, 1}, {0, 1}, {0.12, 0.5}}}},
        {127, "Flag",
         {{{0, 0}, {0.07, 0}, {0.07, 1}, {0, 1}},
          {{0.07, 0.06}, {1, 0.06}, {0.8, 0.31}, {1, 0.56}, {0.07, 0.56}}}},
        {128, "Pie", {}, &Pie},
    };
    return designs;
}

const Design* Find(int kind)
{
    const auto& designs = Designs();
    const auto it = std::lower_bound(designs.begin(), designs.end(), kind,
                                     [](const Design& d, int k) { return d.kind < k; });
    return it != designs.end() && it->kind == kind ? &*it : nullptr;
}

} // namespace

QPainterPath Figure(int kind, const QRectF& rect)
{
    const Design* design = Find(kind);
    if (!design)
        return {};
    // Dragged the other way, a rectangle arrives with negative sides.
    const QRectF r = rect.normalized();
    if (design->draw)
        return design->draw(r);
    QPainterPath path;
    for (const Outline& outline : design->polygons)
        AddPolygon(path, r, outline);
    return path;
}

const std::vector<int>& DesignedKinds()
{
    static const std::vector<int> kinds = [] {
        std::vector<int> list;
        for (const Design& d : Designs())
            list.push_back(d.kind);
        return list;
    }();
    return kinds;
}

QString KindName(int kind)
{
    const Design* design = Find(kind);
    return design ? QString::fromLatin1(design->name) : QString();
}

} // namespace ShapeFigures
