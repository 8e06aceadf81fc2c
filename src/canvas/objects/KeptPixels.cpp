#include "canvas/objects/KeptPixels.h"

#include <cmath>

bool operator==(const LayerKey& a, const LayerKey& b)
{
    constexpr double kUnseen = 1e-3;
    if (a.look != b.look || a.outline.elementCount() != b.outline.elementCount() ||
        a.outline.fillRule() != b.outline.fillRule())
        return false;
    for (int i = 0; i < a.outline.elementCount(); ++i) {
        const QPainterPath::Element p = a.outline.elementAt(i), q = b.outline.elementAt(i);
        if (p.type != q.type || !(std::abs(p.x - q.x) <= kUnseen) ||
            !(std::abs(p.y - q.y) <= kUnseen))
            return false;
    }
    return true;
}
