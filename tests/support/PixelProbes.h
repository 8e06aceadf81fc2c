#pragma once

#include <QColor>
#include <cstdlib>

// Whether two colours are within `tolerance` on every channel: antialiasing and lossy
// encoders move pixels a little, a wrong colour moves them a lot.
inline bool ColorsNear(const QColor& actual, const QColor& expected, int tolerance = 8)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}
