#pragma once

#include "canvas/objects/PageRect.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <memory>

class PageObject;

// The drawing tools: which command arms which tool, and the object each gesture makes.
namespace DrawingTool {

constexpr int None = 0;
constexpr int Line = 1;
constexpr int Rectangle = 2;
constexpr int RoundRectangle = 3;
constexpr int Ellipse = 4;
constexpr int Heart = 21;
constexpr int Shape26 = 26;
constexpr int OpenFreehand = 27;
constexpr int ClosedFreehand = 28;
constexpr int Polyline = 29;
constexpr int Star = 34;

// The tool a command arms, or None.
int OfCommand(int commandId);
// Tools that collect the mouse path or clicked vertices rather than a rectangle.
bool CollectsVertices(int tool);
bool IsFreehand(int tool);

constexpr int kFewestStarPoints = 2;
constexpr int kMostStarPoints = 50;
int ClampedStarPoints(int points);

} // namespace DrawingTool

// What new objects are given: the current line and fill, the star's points.
struct DrawingStyle
{
    int lineWidth = 1;
    int lineStyle = 0;
    ColorRef lineColor = Rgb(0, 0, 0);
    ColorRef fillColor = Rgb(255, 255, 255);
    int shadowType = 0;
    int starPoints = 3;
};

// The points a freehand or polyline gesture has collected so far.
class VertexBuffer
{
public:
    static constexpr int kCapacity = 7998;

    // Appends a point; once full, the last slot keeps being overwritten.
    void Add(const QPoint& point);
    // Closes the figure back to its first point.
    void Close();
    void Clear() { m_points.clear(); }
    const QList<QPoint>& Points() const { return m_points; }
    int Count() const { return int(m_points.size()); }

private:
    QList<QPoint> m_points;
};

namespace DrawingTool {

// The shape a rectangle tool makes over the dragged rectangle.
std::unique_ptr<PageObject> MakeShape(int tool, const QPoint& from, const QPoint& to,
                                          const DrawingStyle& style);
// The line or curve a vertex tool makes; null with too few points.
std::unique_ptr<PageObject> MakeCurve(int tool, const QList<QPoint>& points,
                                          const DrawingStyle& style);
// What a drawing gesture with `tool` makes when the button is released at `end`, the
// vertices collected so far included; null for a click that spans nothing.
std::unique_ptr<PageObject> MakeFromGesture(int tool, const QPoint& start, const QPoint& end,
                                            VertexBuffer& vertices, const DrawingStyle& style);

} // namespace DrawingTool
